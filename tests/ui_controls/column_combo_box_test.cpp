// The flat combo base and the multi-column combo box on real combo boxes under Wine.
#include "ui/controls/column_combo_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/hint_window.h"
#include "framework/controls/messages.h"
#include "framework/controls/panel.h"
#include "framework/rtl/exceptions.h"
#include "tests/ui_controls/styled_test_support.h"

namespace ui {
namespace {

class ColumnComboTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    combo_ = Make<TColumnComboBox>(fw::Rect(100, 40, 300, 62));
    combo_->OnChange = [this](fw::TObject*) { log_.push_back("change"); };
    combo_->OnClick = [this](fw::TObject*) { log_.push_back("click"); };
    combo_->OnSelect = [this](fw::TObject*) { log_.push_back("select"); };
  }
  void TextColumns(int count) {
    for (int i = 0; i < count; ++i) combo_->Columns()->Add();
  }
  TComboItem* Row(std::vector<std::string> strings, int image = -1) {
    TComboItem* row = combo_->ComboItems()->Add();
    row->SetImageIndex(image);
    for (const std::string& s : strings) row->Strings()->Add(s);
    return row;
  }
  std::string Record(int i) { return combo_->Items()->Strings(i); }
  void Type(char c) { SendMessageA(combo_->Handle(), WM_CHAR, static_cast<WPARAM>(c), 0); }

  TColumnComboBox* combo_ = nullptr;
  std::vector<std::string> log_;
};

TEST_F(ColumnComboTest, DisplayRecordsFollowTheRows) {
  TextColumns(1);
  Row({"first"});
  EXPECT_EQ(combo_->Items()->Count(), 1);
  EXPECT_EQ(Record(0), "#-1|first");
  combo_->SetItemIndex(0);
  Row({"second"});
  EXPECT_EQ(combo_->ItemIndex(), 0);  // a rebuild keeps the selection
  EXPECT_EQ(Record(1), "#-1|second");

  TextColumns(2);  // three columns now
  combo_->ComboItems()->Items(0)->Strings()->Add("b");
  EXPECT_EQ(Record(0), "#-1|first|b|");
  EXPECT_EQ(Record(1), "#-1|second||");
  combo_->ComboItems()->Items(1)->SetImageIndex(7);  // rebuilds its record
  EXPECT_EQ(Record(1), "#7|second||");
  combo_->ComboItems()->Clear();
  EXPECT_EQ(combo_->Items()->Count(), 0);
  EXPECT_THROW(combo_->GetColumnText(0, 0), fw::Exception);
  EXPECT_THROW(combo_->ComboItems()->GetItem(0), fw::Exception);
}

TEST_F(ColumnComboTest, ImageColumnsTakeNoFieldAndSeparatorsInTextsStayInTheirColumn) {
  combo_->Columns()->Add()->SetColumnType(ctImage);
  TextColumns(2);
  Row({"a|b", "c"}, 3);
  // The record puts each string under the column of its position (the image column too), so "|" inside a
  // text shifts the record's fields; the columns are read from the row itself.
  EXPECT_EQ(Record(0), "#3|a|b|c|");
  EXPECT_EQ(combo_->GetColumnText(0, 1), "a|b");
  EXPECT_EQ(combo_->GetColumnText(0, 2), "c");
  combo_->SetShowItemHint(true);
  combo_->SetItemIndex(0);
  EXPECT_EQ(combo_->ItemHint(), " a|b c ");
  fw::THintInfo info;
  combo_->Perform(fw::CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.HintStr, " a|b c ");
  combo_->SetShowItemHint(false);
  combo_->SetHint("plain");
  combo_->Perform(fw::CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.HintStr, "plain");
}

TEST_F(ColumnComboTest, SettingTheIndexWithTheListClosedFiresNothing) {
  TextColumns(1);
  Row({"a"});
  Row({"b"});
  combo_->SetItemIndex(1);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  combo_->SetItemIndex(-1);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  combo_->SetItemIndex(5);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_TRUE(log_.empty());
}

TEST_F(ColumnComboTest, TypingFindsRowsInTheLookupColumn) {
  TextColumns(1);
  for (const char* s : {"apple", "Avocado", "banana", "apricot", ""}) Row({s});
  Type('a');
  EXPECT_EQ(combo_->ItemIndex(), 0);
  Type('A');
  EXPECT_EQ(combo_->ItemIndex(), 1);
  Type('a');
  EXPECT_EQ(combo_->ItemIndex(), 3);
  Type('a');
  EXPECT_EQ(combo_->ItemIndex(), 0);  // wraps to the first
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "change"), 4);

  combo_->SetLookupIncr(true);
  SendMessageA(combo_->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  combo_->SetItemIndex(-1);
  Type('a');
  Type('v');
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(combo_->LookupText(), "av");
  Type('b');  // "avb" matches nothing: the search restarts with "b"
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(combo_->LookupText(), "b");
}

TEST_F(ColumnComboTest, SortingComparesTheChosenField) {
  TextColumns(2);
  Row({"pear", "1"}, 10);
  Row({"apple", "2"}, 2);
  Row({"fig", "3"}, 1);
  combo_->SetSortColumn(1);
  combo_->SortItems();
  EXPECT_EQ(combo_->GetColumnText(0, 0), "apple");
  EXPECT_EQ(combo_->GetColumnText(2, 0), "pear");
  EXPECT_EQ(Record(0), "#2|apple|2");
  EXPECT_EQ(combo_->ComboItems()->Items(2)->ImageIndex(), 10);
  // Field 0 is the image index compared as text: 1, 10, 2.
  combo_->SetSortColumn(0);
  combo_->SortItems();
  EXPECT_EQ(combo_->ComboItems()->Items(0)->ImageIndex(), 1);
  EXPECT_EQ(combo_->ComboItems()->Items(1)->ImageIndex(), 10);
  EXPECT_EQ(combo_->ComboItems()->Items(2)->ImageIndex(), 2);
}

TEST_F(ColumnComboTest, AStoredIndexSurvivesLoading) {
  fw::BeginLoading(Form());
  auto* loaded = Make<TColumnComboBox>(fw::Rect(10, 100, 200, 122));
  loaded->Columns()->Add();
  loaded->SetItemIndex(1);
  for (const char* s : {"a", "b", "c"}) loaded->ComboItems()->Add()->Strings()->Add(s);
  fw::EndLoading(Form());
  EXPECT_EQ(loaded->ItemIndex(), 1);
}

TEST_F(ColumnComboTest, TheLabelIsPlacedBesideTheComboAndFollowsIt) {
  combo_->SetLabelCaption("Board");
  fw::TLabel* label = combo_->Label();
  ASSERT_NE(label, nullptr);
  const int lw = label->Width();
  const int lh = label->Height();
  struct Case {
    TLabelPosition position;
    int top;
    int left;
  };
  const Case cases[] = {
      {lpTopLeft, 40 - lh - 4, 100},
      {lpBottomLeft, 62 + 4, 100},
      {lpRightTop, 40, 300 + 4},
      {lpRighBottom, 62 - lh, 304},
      {lpTopRight, 40 - lh - 4, 300 - lw},
      {lpBottomCenter, 66, 100 + (200 - lw) / 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    combo_->SetLabelPosition(c.position);
    EXPECT_EQ(label->Top(), c.top);
    EXPECT_EQ(label->Left(), c.left);
  }
  combo_->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  combo_->SetEnabled(true);
  EXPECT_TRUE(label->Enabled());
  combo_->LabelFont()->SetSize(20);
  EXPECT_EQ(label->Font()->Size(), 20);
  combo_->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  // A change of showing brings the label back in line with the combo's visibility.
  combo_->SetVisible(true);
  label->SetVisible(false);
  combo_->Perform(fw::CM_SHOWINGCHANGED, 0, 0);
  EXPECT_TRUE(label->Visible());
}

TEST_F(ColumnComboTest, ADisabledComboDrawsItsTextGrey) {
  TextColumns(1);
  combo_->Columns()->Items(0)->Font()->SetName("DejaVu Sans");
  Row({"WWWW"});
  const auto draw = [&] {
    testing::MemoryBitmap bitmap(200, 20);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.itemID = 0;
    item.hDC = bitmap.DC();
    item.rcItem = RECT{0, 0, 200, 20};
    combo_->Perform(fw::CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    return std::pair{bitmap.Count(RECT{0, 0, 200, 20}, fw::clBlack),
                     bitmap.Count(RECT{0, 0, 200, 20}, static_cast<fw::TColor>(fw::ColorToRGB(fw::clGrayText)))};
  };
  const auto enabled = draw();
  EXPECT_GT(enabled.first, 10);
  combo_->SetEnabled(false);
  const auto disabled = draw();
  EXPECT_EQ(disabled.first, 0);
  EXPECT_GT(disabled.second, 10);
}

TEST_F(ColumnComboTest, CloseUpIsReportedBeforeDropUp) {
  combo_->OnCloseUp = [this](fw::TObject*) { log_.push_back("closeup"); };
  combo_->OnDropUp = [this](fw::TObject*) { log_.push_back("dropup"); };
  SendMessageA(Form()->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo_->Handle()), CBN_CLOSEUP),
               reinterpret_cast<LPARAM>(combo_->Handle()));
  EXPECT_EQ(log_, (std::vector<std::string>{"closeup", "dropup"}));
  EXPECT_EQ(combo_->Version(), "1.4.0.2");
}

TEST_F(ColumnComboTest, AnEditHeightOtherThan16DropsTheListAtDropHeight) {
  combo_->OnDropDown = [this](fw::TObject*) { log_.push_back("dropdown"); };
  combo_->SetEditHeight(20);
  // The combo's window takes the edit height plus DropHeight: the list below grows with DropHeight.
  const auto droppedBottom = [&](int dropHeight) {
    combo_->SetDropHeight(dropHeight);
    SendMessageA(Form()->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo_->Handle()), CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(combo_->Handle()));
    RECT list{};
    SendMessageA(combo_->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
    return list.bottom;
  };
  const int low = droppedBottom(120);
  EXPECT_EQ(droppedBottom(200), low + 80);
  EXPECT_EQ(log_, (std::vector<std::string>{"dropdown", "dropdown"}));
}

TEST_F(ColumnComboTest, AFlatComboSwapsColoursWithItsParentAndItsEnabledState) {
  auto* panel = Make<fw::TPanel>(fw::Rect(0, 150, 300, 250));
  panel->SetColor(0x00FF00);
  auto* flat = Make<TVxCustomCombo>(fw::Rect(10, 10, 150, 32), panel);
  EXPECT_FALSE(flat->DrawBorders());  // an enabled plain combo is the system's alone
  flat->SetFlat(true);
  EXPECT_EQ(flat->Color(), 0x00FF00);
  EXPECT_FALSE(flat->Ctl3D());
  EXPECT_TRUE(flat->DrawBorders());
  flat->SetFlat(false);
  EXPECT_EQ(flat->Color(), fw::clWindow);

  flat->SetFlat(true);
  flat->SetColor(0x0000FF);
  flat->SetParentColor(false);
  flat->SetEnabled(false);
  EXPECT_TRUE(flat->ParentColor());
  EXPECT_EQ(flat->Color(), 0x00FF00);
  flat->SetEnabled(true);
  EXPECT_FALSE(flat->ParentColor());
  EXPECT_EQ(flat->Color(), 0x0000FF);

  auto* orphan = fw::Create<TVxCustomCombo>(Form());
  orphan->SetColor(0x123456);
  orphan->SetFlat(true);  // no parent: the colour stays
  EXPECT_EQ(orphan->Color(), 0x123456);
  EXPECT_EQ(orphan->Version(), "1.4.0.0");
  EXPECT_TRUE(TVxCustomCombo::ComCtl6FromVersion(-1));  // no version resource
  EXPECT_TRUE(TVxCustomCombo::ComCtl6FromVersion(6 << 16));
  EXPECT_FALSE(TVxCustomCombo::ComCtl6FromVersion(5 << 16 | 82));
}

}  // namespace
}  // namespace ui
