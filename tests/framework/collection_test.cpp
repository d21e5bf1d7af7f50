// Collections: items made by the item class, indexes, IDs, and the notifications the owner relies on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/collection.h"
#include "framework/rtl/exceptions.h"

using namespace fw;

namespace {

class TColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::string Title() const { return title_; }
  void SetTitle(const std::string& value) {
    title_ = value;
    Changed(false);
  }
  std::string DisplayName() const override { return title_.empty() ? TCollectionItem::DisplayName() : title_; }
  void Assign(TPersistent* Source) override {
    if (auto* column = dynamic_cast<TColumn*>(Source)) {
      SetTitle(column->title_);
      return;
    }
    TCollectionItem::Assign(Source);
  }

 private:
  std::string title_;
};

// Logs Update and Notify, reading the item's own data to prove it is complete when it is announced.
class TColumns : public TCollection {
 public:
  TColumns() : TCollection(ItemClass<TColumn>()) {}
  TColumn* Column(int index) const { return static_cast<TColumn*>(Items(index)); }
  std::vector<std::string> log;

 protected:
  void Update(TCollectionItem* Item) override {
    log.push_back(Item == nullptr ? "update all" : "update " + static_cast<TColumn*>(Item)->Title());
  }
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
    const char* names[] = {"added", "extracting", "deleting"};
    log.push_back(std::string(names[Action]) + " " + Item->DisplayName());
  }
};

std::vector<std::string> Titles(const TColumns& columns) {
  std::vector<std::string> titles;
  for (int i = 0; i < columns.Count(); ++i) titles.push_back(columns.Column(i)->Title());
  return titles;
}

using V = std::vector<std::string>;

}  // namespace

TEST(Collection, AddsInsertsMovesAndDeletes) {
  TColumns columns;
  auto* a = static_cast<TColumn*>(columns.Add());
  a->SetTitle("a");
  static_cast<TColumn*>(columns.Add())->SetTitle("c");
  static_cast<TColumn*>(columns.Insert(1))->SetTitle("b");
  EXPECT_EQ(Titles(columns), (V{"a", "b", "c"}));
  EXPECT_EQ(columns.Column(2)->Index(), 2);
  EXPECT_EQ(a->Collection(), &columns);
  EXPECT_EQ(a->GetOwner(), &columns);
  EXPECT_EQ(columns.Column(1)->ID(), 2);  // IDs follow creation, not position
  EXPECT_EQ(columns.FindItemID(2), columns.Column(1));

  a->SetIndex(2);
  EXPECT_EQ(Titles(columns), (V{"b", "c", "a"}));
  EXPECT_THROW(a->SetIndex(3), EListError);
  columns.Delete(0);
  EXPECT_EQ(Titles(columns), (V{"c", "a"}));
  a->Free();  // an item freed on its own leaves the collection
  EXPECT_EQ(Titles(columns), (V{"c"}));
  EXPECT_THROW(columns.Items(1), EListError);
  columns.Clear();
  EXPECT_EQ(columns.Count(), 0);
}

TEST(Collection, NotifiesCompleteItemsAndBatchesUpdates) {
  TColumns columns;
  columns.Add();
  EXPECT_EQ(columns.log, (V{"added TColumn", "update all"}));
  columns.log.clear();
  columns.Column(0)->SetTitle("x");
  EXPECT_EQ(columns.log, (V{"update x"}));
  columns.log.clear();
  columns.BeginUpdate();
  columns.Add();
  columns.Column(1)->SetTitle("y");
  columns.Delete(0);
  columns.EndUpdate();
  EXPECT_EQ(columns.log, (V{"added TColumn", "deleting x", "update all"}));

  TColumns other;
  columns.Column(0)->SetCollection(&other);
  EXPECT_EQ(columns.Count(), 0);
  EXPECT_EQ(other.Count(), 1);
  EXPECT_EQ(other.log, (V{"added y", "update all"}));
}

TEST(Collection, AssignCopiesItems) {
  TColumns source;
  static_cast<TColumn*>(source.Add())->SetTitle("one");
  static_cast<TColumn*>(source.Add())->SetTitle("two");
  TColumns copy;
  copy.Add();
  copy.log.clear();
  copy.Assign(&source);
  EXPECT_EQ(Titles(copy), (V{"one", "two"}));
  EXPECT_EQ(copy.log.back(), "update all");
  EXPECT_EQ(std::count(copy.log.begin(), copy.log.end(), "update all"), 1);
}
