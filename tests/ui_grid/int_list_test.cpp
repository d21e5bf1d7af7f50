// The grid's integer lists: which changes are announced, the comma text, the sort direction bit, and the
// control list that owns its items but never the controls.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/controls/control.h"
#include "framework/rtl/exceptions.h"
#include "ui/grid/model/int_list.h"

namespace ui::testing {
namespace {

std::vector<std::int32_t> Entries(const TIntList& list) {
  std::vector<std::int32_t> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(list.GetItem(i));
  return entries;
}

// A list of 10, 20, 30 with tags 4/7 that records every announcement.
struct Announced {
  TIntList list{4, 7};
  int changes = 0;
  Announced() {
    list.Add(10);
    list.Add(20);
    list.Add(30);
    list.OnChange = [this](TIntList* sender, std::int32_t col, std::int32_t row) {
      EXPECT_EQ(sender, &list);
      EXPECT_EQ(col, 4);
      EXPECT_EQ(row, 7);
      ++changes;
    };
  }
};

TEST(IntListTest, AddReplaceDeleteAndRemoveAnnounceInsertAndClearDoNot) {
  struct Case {
    const char* name;
    std::function<void(TIntList&)> change;
    int announcements;
    std::vector<std::int32_t> after;
  };
  const Case cases[] = {
      {"Add", [](TIntList& l) { l.Add(-4); }, 1, {10, 20, 30, -4}},
      {"SetItem", [](TIntList& l) { l.SetItem(1, 21); }, 1, {10, 21, 30}},
      {"Delete", [](TIntList& l) { l.Delete(0); }, 1, {20, 30}},
      {"RemoveValue", [](TIntList& l) { l.RemoveValue(30); }, 1, {10, 20}},
      {"RemoveValue absent", [](TIntList& l) { l.RemoveValue(99); }, 0, {10, 20, 30}},
      {"Insert", [](TIntList& l) { l.Insert(3, 40); }, 0, {10, 20, 30, 40}},
      {"Insert then SetItem", [](TIntList& l) { l.Insert(0, 5); l.SetItem(0, 6); }, 1, {6, 10, 20, 30}},
      {"Clear", [](TIntList& l) { l.Clear(); }, 0, {}},
      {"CommaText", [](TIntList& l) { l.SetCommaText("1, -2,3"); }, 3, {1, -2, 3}},
      {"CommaText empty", [](TIntList& l) { l.SetCommaText(""); }, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Announced fixture;
    c.change(fixture.list);
    EXPECT_EQ(fixture.changes, c.announcements);
    EXPECT_EQ(Entries(fixture.list), c.after);
  }
}

TEST(IntListTest, CommaTextAndBadInput) {
  TIntList list(0, 0);
  EXPECT_EQ(list.CommaText(), "");
  list.SetCommaText("-2147483648,0,2147483647");
  EXPECT_EQ(list.CommaText(), "-2147483648,0,2147483647");
  EXPECT_TRUE(list.HasValue(0));
  EXPECT_FALSE(list.HasValue(1));

  // A piece that is no integer raises; the pieces before it stay.
  EXPECT_THROW(list.SetCommaText("5,6,7a,8"), fw::EConvertError);
  EXPECT_EQ(Entries(list), (std::vector<std::int32_t>{5, 6}));

  // An index outside the list is the framework list's error and changes nothing.
  int changes = 0;
  list.OnChange = [&](TIntList*, std::int32_t, std::int32_t) { ++changes; };
  EXPECT_THROW(list.GetItem(2), fw::EListError);
  EXPECT_THROW(list.SetItem(-1, 1), fw::EListError);
  EXPECT_THROW(list.Delete(2), fw::EListError);
  EXPECT_THROW(list.Insert(3, 1), fw::EListError);
  EXPECT_EQ(Entries(list), (std::vector<std::int32_t>{5, 6}));
  EXPECT_EQ(changes, 0);
}

TEST(IntListTest, SortIndexKeepsTheDirectionInBit31) {
  TSortIndexList list(0, 0);
  list.AddSortColumn(5, true);
  list.AddSortColumn(3, false);
  list.AddSortColumn(3, true);  // a second entry of column 3: look-up and toggle use the first
  EXPECT_EQ(static_cast<std::uint32_t>(list.GetItem(1)), 0x80000003u);
  EXPECT_LT(list.GetItem(1), 0);
  EXPECT_EQ(list.FindSortColumn(3), 1);
  EXPECT_EQ(list.ColumnAt(1), 3);
  EXPECT_EQ(list.FindSortColumn(4), -1);

  int changes = 0;
  list.OnChange = [&](TIntList*, std::int32_t, std::int32_t) { ++changes; };
  list.ToggleIndex(3);
  EXPECT_EQ(Entries(list), (std::vector<std::int32_t>{5, 3, 3}));
  list.ToggleIndex(3);
  EXPECT_EQ(Entries(list), (std::vector<std::int32_t>{5, static_cast<std::int32_t>(0x80000003u), 3}));
  list.ToggleIndex(9);  // absent: nothing
  EXPECT_EQ(changes, 2);
}

// Counts its destruction.
class CountedControl : public fw::TControl {
 public:
  explicit CountedControl(int* destroyed) : fw::TControl(nullptr), destroyed_(destroyed) {}
  ~CountedControl() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

class CountedItem : public TControlItem {
 public:
  CountedItem(int* destroyed, fw::TControl* control) : TControlItem(0, 0, control), destroyed_(destroyed) {}
  ~CountedItem() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

TEST(ControlListTest, FreesItsItemsButNeverTheControls) {
  int controlsGone = 0;
  int itemsGone = 0;
  CountedControl first(&controlsGone);
  CountedControl second(&controlsGone);
  auto* list = new TControlList;
  TControlItem* item = list->Add(2, 5, &first);
  EXPECT_EQ(list->GetItem(0), item);
  EXPECT_EQ(item->Col, 2);
  EXPECT_EQ(item->Row, 5);
  EXPECT_EQ(item->Control, &first);
  // Items the list holds, as Add puts them there, go with Delete and with the list.
  list->SetItems(0, new CountedItem(&itemsGone, &first));
  list->Add(0, 0, &second);
  list->Add(1, 1, &second);
  list->SetItems(2, new CountedItem(&itemsGone, &second));
  list->Delete(0);
  EXPECT_EQ(itemsGone, 1);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_THROW(list->GetItem(2), fw::EListError);
  list->Free();
  EXPECT_EQ(itemsGone, 2);
  EXPECT_EQ(controlsGone, 0);
}

}  // namespace
}  // namespace ui::testing
