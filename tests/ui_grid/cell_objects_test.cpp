// Cell objects: radio groups and radio buttons, the five check-box kinds (get, set, change, toggle, the
// tri-state cycle, the undo record), the precise hit box, expand buttons, in-cell scroll bars, and the
// readers of comments, markers, balloons, shapes and images with their neutral answers on other kinds.
#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/grid_undo_redo.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

class CellObjectsTest : public fw::testing::StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    grid_ = Make<TVxStringGrid>(fw::TRect{0, 0, 360, 240});
    grid_->SetColCount(5);
    grid_->SetRowCount(6);
    grid_->OnCheckBoxChange = [this](fw::TObject*, int col, int row, bool state) {
      changes_.push_back({col, row, state});
    };
  }
  TCellGraphic* Add(int col, int row, TCellType type) {
    TCellGraphic* graphic = grid_->CreateCellGraphic(col, row);
    graphic->CellType = type;
    return graphic;
  }

  struct Change {
    int col, row;
    bool state;
    bool operator==(const Change& other) const {
      return col == other.col && row == other.row && state == other.state;
    }
  };
  TVxStringGrid* grid_ = nullptr;
  std::vector<Change> changes_;
};

// ---- Radio groups and radio buttons ------------------------------------------------------------------------

TEST_F(CellObjectsTest, ARadioGroupTogglesFromItsTextAndWrapsAndAnIndexBelowMinusOneStays) {
  fw::TStringList items;
  items.Add("A");
  items.Add("B");
  items.Add("C");
  TCellGraphic* radio = Add(1, 1, ctRadio);
  radio->CellContent = &items;
  radio->CellIndex = -1;
  grid_->SetCells(1, 1, "B");
  grid_->ToggleRadio(1, 1, false);
  EXPECT_EQ(radio->CellIndex, 2);
  EXPECT_EQ(grid_->Cells(1, 1), "C");
  grid_->ToggleRadio(1, 1, false);
  EXPECT_EQ(radio->CellIndex, 0);
  EXPECT_EQ(grid_->Cells(1, 1), "A");
  int index = -5;
  EXPECT_TRUE(grid_->GetRadioIndex(1, 1, index));
  EXPECT_EQ(index, 0);
  EXPECT_EQ(grid_->GetRadioItems(1, 1), &items);

  radio->CellIndex = -2;
  grid_->SetCells(1, 1, "A");
  grid_->ToggleRadio(1, 1, false);
  EXPECT_EQ(radio->CellIndex, -2);
  EXPECT_EQ(grid_->Cells(1, 1), "B");
  EXPECT_EQ(radio->CellVariantValue.AsInteger(), 1);

  // A text that is no item starts at the first item; index -1 written empties the cell.
  radio->CellIndex = -1;
  grid_->SetCells(1, 1, "Z");
  grid_->ToggleRadio(1, 1, false);
  EXPECT_EQ(grid_->Cells(1, 1), "A");
  EXPECT_TRUE(grid_->SetRadioIndex(1, 1, -1));
  EXPECT_EQ(grid_->Cells(1, 1), "");
  EXPECT_FALSE(grid_->SetRadioIndex(2, 1, 0));

  // Editing refused: nothing changes, unless radios are always active.
  grid_->OnCanEditCell = [](fw::TObject*, int, int, bool& canEdit) { canEdit = false; };
  radio->CellIndex = 0;
  grid_->ToggleRadio(1, 1, true);
  EXPECT_EQ(radio->CellIndex, 0);
  grid_->ControlLook()->SetRadioAlwaysActive(true);
  grid_->ToggleRadio(1, 1, true);
  EXPECT_EQ(radio->CellIndex, 1);
  radio->CellContent = TCellContent();
}

TEST_F(CellObjectsTest, OneRadioButtonIsCheckedPerColumn) {
  for (int row = 1; row < 4; ++row) Add(2, row, ctRadioButton);
  grid_->SetRadioButtonColumn(2, 2);
  EXPECT_TRUE(grid_->GetCellGraphic(2, 2)->CellBoolean);
  EXPECT_FALSE(grid_->GetCellGraphic(2, 1)->CellBoolean);

  EXPECT_TRUE(grid_->ToggleRadioButton(2, 3, false));
  EXPECT_TRUE(grid_->GetCellGraphic(2, 3)->CellBoolean);
  EXPECT_FALSE(grid_->GetCellGraphic(2, 2)->CellBoolean);
  EXPECT_TRUE(grid_->ToggleRadioButton(2, 3, false));  // already checked: stays, true
  EXPECT_TRUE(grid_->GetCellGraphic(2, 3)->CellBoolean);

  EXPECT_TRUE(grid_->IsRadioButton(2, 1));
  EXPECT_TRUE(grid_->IsControlCell(2, 1));
  EXPECT_FALSE(grid_->ToggleRadioButton(3, 3, false));
  EXPECT_FALSE(grid_->SetRadioButtonState(3, 3, true));
}

// ---- Check boxes -------------------------------------------------------------------------------------------

TEST_F(CellObjectsTest, EveryCheckBoxKindIsReadSetAndToggled) {
  grid_->MouseActions()->SetDisjunctRowSelect(true);
  grid_->MouseActions()->SetHotmailRowSelect(true);  // column 0 holds the row check boxes
  Add(1, 2, ctCheckBox);
  Add(2, 2, ctDataCheckBox);
  TCellGraphic virtualBox;
  virtualBox.CellType = ctVirtCheckBox;
  grid_->SetCellGraphicObject(3, 2, &virtualBox);
  for (int col : {0, 1, 2, 3}) {
    SCOPED_TRACE(col);
    bool state = true;
    ASSERT_TRUE(grid_->GetCheckBoxState(col, 2, state));
    EXPECT_FALSE(state);
    EXPECT_TRUE(grid_->HasCheckBox(col, 2));
    EXPECT_TRUE(grid_->SetCheckBoxState(col, 2, true));
    ASSERT_TRUE(grid_->GetCheckBoxState(col, 2, state));
    EXPECT_TRUE(state);
    changes_.clear();
    EXPECT_TRUE(grid_->ToggleCheckBox(col, 2, false));
    // A row box toggles by its cell text, like a data box; its empty text was not the check-true text.
    EXPECT_EQ(changes_, (std::vector<Change>{{col, 2, col == 0}}));
  }
  // The data kinds keep their state as the check texts; the row box's toggle writes the texts too.
  EXPECT_EQ(grid_->Cells(2, 2), "N");
  EXPECT_EQ(grid_->Cells(3, 2), "N");
  EXPECT_EQ(grid_->Cells(0, 2), "Y");
  EXPECT_FALSE(grid_->GetCellGraphic(1, 2)->CellBoolean);

  // A data check box whose text is neither check text is checked by a toggle.
  grid_->SetCells(2, 2, "maybe");
  changes_.clear();
  EXPECT_TRUE(grid_->ToggleCheckBox(2, 2, false));
  EXPECT_EQ(grid_->Cells(2, 2), "Y");
  EXPECT_EQ(changes_, (std::vector<Change>{{2, 2, true}}));

  // Other kinds are no check boxes.
  Add(4, 2, ctButton);
  bool state = false;
  EXPECT_FALSE(grid_->GetCheckBoxState(4, 2, state));
  EXPECT_FALSE(grid_->SetCheckBoxState(4, 2, true));
  EXPECT_FALSE(grid_->ToggleCheckBox(4, 2, false));
  EXPECT_FALSE(grid_->ToggleCheckBox(4, 3, false));
  grid_->RemoveCellGraphic(3, 2);
}

TEST_F(CellObjectsTest, ATriStateBoxInANormalRowCyclesAndAlwaysReportsFalse) {
  TCellGraphic* box = Add(1, 2, ctTriStateCheckBox);
  std::vector<fw::TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(grid_->ToggleCheckBox(1, 2, false));
    seen.push_back(box->CellCheckBoxState);
  }
  EXPECT_EQ(seen, (std::vector<fw::TCheckBoxState>{fw::cbGrayed, fw::cbChecked, fw::cbUnchecked}));
  EXPECT_EQ(changes_, (std::vector<Change>{{1, 2, false}, {1, 2, false}, {1, 2, false}}));

  EXPECT_TRUE(grid_->SetTriStateCheckBoxState(1, 2, fw::cbGrayed));
  EXPECT_EQ(box->CellCheckBoxState, fw::cbGrayed);
  EXPECT_FALSE(grid_->SetTriStateCheckBoxState(2, 2, fw::cbGrayed));
  bool state = false;
  EXPECT_FALSE(grid_->GetCheckBoxState(1, 2, state));  // no reading while no row is hidden
  fw::TCheckBoxState full = fw::cbUnchecked;
  EXPECT_TRUE(grid_->GetCheckBoxStateEx(1, 2, full));
  EXPECT_EQ(full, fw::cbGrayed);
}

TEST_F(CellObjectsTest, ChangingACheckBoxReportsOnlyRealChanges) {
  Add(1, 2, ctCheckBox);
  Add(2, 2, ctDataCheckBox);
  grid_->SetCells(2, 2, "Y");
  EXPECT_TRUE(grid_->ChangeCheckBoxState(1, 2, false));  // already unchecked
  EXPECT_TRUE(grid_->ChangeCheckBoxState(2, 2, true));   // already checked
  EXPECT_TRUE(changes_.empty());
  EXPECT_TRUE(grid_->ChangeCheckBoxState(1, 2, true));
  EXPECT_TRUE(grid_->ChangeCheckBoxState(2, 2, false));
  EXPECT_EQ(changes_, (std::vector<Change>{{1, 2, true}, {2, 2, false}}));
  EXPECT_EQ(grid_->Cells(2, 2), "N");
  EXPECT_FALSE(grid_->ChangeCheckBoxState(3, 2, true));
}

TEST_F(CellObjectsTest, ADataCheckBoxWritesItsTextInTheRealRowWhileRowsAboveAreHidden) {
  Add(1, 4, ctDataCheckBox);
  grid_->SetCells(1, 4, "N");
  grid_->HideRows(2, 2);  // real row 4 now shows as row 3
  EXPECT_TRUE(grid_->SetCheckBoxState(1, 4, true));
  EXPECT_EQ(grid_->RealRowText(1, 4), "Y");
  bool state = false;
  EXPECT_TRUE(grid_->GetCheckBoxState(1, 4, state));
  EXPECT_TRUE(state);
  grid_->UnhideRows(2, 2);
  EXPECT_EQ(grid_->Cells(1, 4), "Y");
}

TEST_F(CellObjectsTest, TheUndoRecordOfAToggleHoldsTheTextsAsTheyWereAndBecame) {
  auto* recorder = fw::Create<TVxGridUndoRedo>(Form());
  grid_->SetUndoRedo(recorder);
  Add(2, 2, ctDataCheckBox);
  Add(1, 2, ctCheckBox);
  grid_->SetCells(2, 2, "N");
  grid_->ToggleCheckBox(2, 2, false);
  grid_->ToggleCheckBox(2, 2, false);
  grid_->ToggleCheckBox(1, 2, false);
  ASSERT_EQ(recorder->Items()->Count(), 3);
  const auto record = [recorder](int i) {
    const TUndoRedoItem* item = recorder->Items()->Items(i);
    return std::make_pair(item->OrigValue, item->Value);
  };
  EXPECT_EQ(record(0), std::make_pair(std::string("N"), std::string("Y")));
  EXPECT_EQ(record(1), std::make_pair(std::string("Y"), std::string("N")));
  EXPECT_EQ(record(2), std::make_pair(std::string("N"), std::string("Y")));
  EXPECT_EQ(recorder->Items()->Items(0)->Col, 2);
  EXPECT_EQ(recorder->Items()->Items(0)->Row, 2);
  grid_->SetUndoRedo(nullptr);
}

TEST_F(CellObjectsTest, SavingAnEmptyCheckBoxCellGivesTheCheckTextOfItsState) {
  Add(1, 2, ctCheckBox)->CellBoolean = true;
  Add(2, 2, ctCheckBox);
  Add(3, 2, ctTriStateCheckBox)->CellCheckBoxState = fw::cbChecked;
  std::string text;
  grid_->SaveCell(1, 2, text);
  EXPECT_EQ(text, "Y");
  grid_->SaveCell(2, 2, text);
  EXPECT_EQ(text, "N");
  grid_->SaveCell(3, 2, text);
  EXPECT_EQ(text, "Y");
}

TEST_F(CellObjectsTest, ThePreciseHitBoxSitsByTheCellsAlignment) {
  grid_->SetColWidths(1, 100);
  grid_->SetRowHeights(2, 30);
  grid_->ControlLook()->SetCheckSize(15);
  TCellGraphic* box = Add(1, 2, ctCheckBox);
  const fw::TRect r = grid_->CellRectEx(1, 2);
  EXPECT_TRUE(grid_->IsInCheckBox(1, 2, r.Right - 1, r.Bottom - 1));  // anywhere without precise checking
  EXPECT_FALSE(grid_->IsInCheckBox(2, 2, r.Left + 5, r.Top + 5));
  grid_->MouseActions()->SetPreciseCheckBoxCheck(true);

  box->CellVAlign = vaTop;  // left aligned: the box is (left + 2, top + 2) .. +15
  EXPECT_TRUE(grid_->IsInCheckBox(1, 2, r.Left + 2, r.Top + 2));
  EXPECT_TRUE(grid_->IsInCheckBox(1, 2, r.Left + 16, r.Top + 16));
  EXPECT_FALSE(grid_->IsInCheckBox(1, 2, r.Left + 17, r.Top + 10));  // right edge excluded
  EXPECT_FALSE(grid_->IsInCheckBox(1, 2, r.Left + 1, r.Top + 10));
  box->CellVAlign = vaBottom;
  EXPECT_TRUE(grid_->IsInCheckBox(1, 2, r.Left + 5, r.Bottom - 3));
  EXPECT_FALSE(grid_->IsInCheckBox(1, 2, r.Left + 5, r.Top + 2));
  box->CellVAlign = vaUnderText;  // placed as centred: top + (30 - 15) / 2 = top + 7
  EXPECT_TRUE(grid_->IsInCheckBox(1, 2, r.Left + 5, r.Top + 7));
  EXPECT_FALSE(grid_->IsInCheckBox(1, 2, r.Left + 5, r.Top + 6));

  box->CellVAlign = vaCenter;
  grid_->GetCellProperties(1, 2)->Alignment = fw::taCenter;  // left = left + (100 - 15) / 2 = left + 42
  EXPECT_TRUE(grid_->IsInCheckBox(1, 2, r.Left + 42, r.Top + 10));
  EXPECT_FALSE(grid_->IsInCheckBox(1, 2, r.Left + 41, r.Top + 10));

  // Right aligned with a text: the box stands left of the text's width.
  grid_->GetCellProperties(1, 2)->Alignment = fw::taRightJustify;
  EXPECT_TRUE(grid_->IsInCheckBox(1, 2, r.Right - 3, r.Top + 10));
  grid_->SetCells(1, 2, "Text");
  fw::TPoint extent{0, 0};
  grid_->GetCellTextExtent(1, 2, extent, false, false);
  ASSERT_GT(extent.X, 0);
  const int left = r.Right - 15 - 2 - extent.X;
  EXPECT_TRUE(grid_->IsInCheckBox(1, 2, left, r.Top + 10));
  EXPECT_FALSE(grid_->IsInCheckBox(1, 2, left + 15, r.Top + 10));
}

// ---- Buttons, expand buttons and scroll bars ---------------------------------------------------------------

TEST_F(CellObjectsTest, ExpandButtonsAndButtonRectangles) {
  grid_->SetDefaultColWidth(50);
  grid_->SetColWidths(2, 100);
  grid_->SetRowHeights(0, 20);
  grid_->SetRowHeights(1, 20);
  grid_->SetRowHeights(2, 22);
  ASSERT_EQ(grid_->CellRectEx(2, 2), (fw::TRect{100, 40, 200, 62}));
  EXPECT_EQ(grid_->GetExpandRect(2, 2), (fw::TRect{0, 0, 0, 0}));
  TCellGraphic* expand = Add(2, 2, ctExpand);
  expand->CellAngle = 80;
  expand->CellIndex = 24;
  EXPECT_EQ(grid_->GetExpandRect(2, 2), (fw::TRect{187, 42, 198, 53}));
  EXPECT_TRUE(grid_->ToggleExpand(2, 2));
  EXPECT_TRUE(expand->CellVariantValue.AsBoolean());
  EXPECT_FALSE(grid_->ToggleExpand(2, 2));
  EXPECT_EQ(grid_->GetExpandHeight(2, 2, true), 80);
  EXPECT_EQ(grid_->GetExpandHeight(2, 2, false), 24);
  EXPECT_EQ(grid_->GetExpandHeight(3, 2, true), grid_->DefaultRowHeight());
  grid_->ExpandClick(2, 2, true);
  EXPECT_EQ(grid_->RowHeights(2), 80);
  EXPECT_TRUE(grid_->IsExpand(2, 2));
  EXPECT_FALSE(grid_->ToggleExpand(3, 2));

  TCellGraphic* button = Add(1, 1, ctButton);
  button->CellIndex = (16 << 16) | 30;
  button->CellValue = (3 << 16) | 5;  // where the painter drew it
  const fw::TRect cell = grid_->CellRectEx(1, 1);
  EXPECT_EQ(grid_->GetCellGraphicRect(1, 1), (fw::TRect{cell.Left + 5, cell.Top + 3, cell.Left + 35, cell.Top + 19}));
  button->CellHAlign = haFull;
  button->CellVAlign = vaFull;
  EXPECT_EQ(grid_->GetCellGraphicRect(1, 1), cell);
  EXPECT_EQ(grid_->GetCellGraphicRect(3, 1), (fw::TRect{0, 0, 0, 0}));
  grid_->SetButtonDown(1, 1, true);
  EXPECT_TRUE(button->CellBoolean);
  EXPECT_TRUE(grid_->IsButton(1, 1));
}

TEST_F(CellObjectsTest, ScrollBarPositionsAndRangesWithNeutralAnswersOnOtherCells) {
  TCellGraphic* bar = Add(1, 2, ctScrollbar);
  EXPECT_FALSE(grid_->IsScrollBarActive(1, 2));
  grid_->SetScrollBarPosition(1, 2, 12);
  grid_->SetScrollBarRange(1, 2, TScrollBarRange{22, 90});
  EXPECT_EQ(grid_->GetScrollBarPosition(1, 2), 12);
  EXPECT_EQ(bar->CellAngle, 22);
  EXPECT_EQ(bar->CellErrFrom, 90);
  EXPECT_EQ(grid_->GetScrollBarRange(1, 2).Maximum, 90);
  bar->CellBoolean = true;
  EXPECT_TRUE(grid_->IsScrollBarActive(1, 2));

  TCellGraphic* comment = Add(2, 2, ctComment);
  grid_->SetScrollBarPosition(2, 2, 7);  // not a scroll bar: unchanged
  grid_->SetScrollBarRange(2, 2, TScrollBarRange{1, 2});
  EXPECT_EQ(comment->CellIndex, 0);
  EXPECT_EQ(comment->CellAngle, 0);
  EXPECT_EQ(grid_->GetScrollBarPosition(2, 2), -1);
  EXPECT_EQ(grid_->GetScrollBarPosition(4, 4), -1);
  EXPECT_EQ(grid_->GetScrollBarRange(2, 2).Minimum, -1);
  EXPECT_EQ(grid_->GetScrollBarRange(2, 2).Maximum, -1);
}

// ---- Readers -----------------------------------------------------------------------------------------------

TEST_F(CellObjectsTest, ReadersAnswerForTheirKindAndGiveNeutralValuesElsewhere) {
  TCellGraphic* comment = Add(1, 1, ctComment);
  comment->CellText = "note";
  comment->CellErrFrom = 3;
  comment->CellErrLen = 4;
  std::string text = "untouched";
  EXPECT_TRUE(grid_->CellHasComment(1, 1, text));
  EXPECT_EQ(text, "note");
  int position = -1;
  int length = -1;
  grid_->GetCellMarker(1, 1, position, length);
  EXPECT_EQ(std::make_pair(position, length), std::make_pair(3, 4));
  grid_->GetCellMarker(2, 1, position, length);
  EXPECT_EQ(std::make_pair(position, length), std::make_pair(0, 0));

  fw::TStringList balloonTexts;
  balloonTexts.Add("Title");
  balloonTexts.Add("Body");
  TCellGraphic* check = Add(2, 1, ctCheckBox);
  check->CellContent = &balloonTexts;
  check->CellIndex = 0x1202;
  std::string title;
  int icon = -1;
  EXPECT_FALSE(grid_->GetBalloonInfo(2, 1, title, text, icon));  // CellAngle is not 1
  check->CellAngle = 1;
  EXPECT_TRUE(grid_->GetBalloonInfo(2, 1, title, text, icon));
  EXPECT_EQ(title, "Title");
  EXPECT_EQ(text, "Body");
  EXPECT_EQ(icon, 2);
  check->CellAngle = 0;  // the list is the test's
  EXPECT_FALSE(grid_->GetBalloonInfo(1, 1, title, text, icon));

  TCellGraphic* rotated = Add(3, 1, ctRotated);
  rotated->CellAngle = 45;
  int angle = 0;
  EXPECT_TRUE(grid_->CellIsRotated(3, 1, angle));
  EXPECT_EQ(angle, 45);
  EXPECT_FALSE(grid_->CellIsRotated(1, 1, angle));
  EXPECT_FALSE(grid_->CellHasComment(3, 1, text));

  EXPECT_EQ(grid_->GetShapeValue(1, 1), 0x1FFFFFFF);
  TCellGraphic* shape = Add(4, 1, ctShape);
  grid_->SetShapeValue(4, 1, fw::clRed);
  EXPECT_EQ(grid_->GetShapeValue(4, 1), fw::clRed);
  grid_->SetShapeValue(1, 1, fw::clRed);
  EXPECT_EQ(comment->CellIndex, 0);
  EXPECT_EQ(shape->CellIndex, fw::clRed);

  // Image keys: the list index, or one key per shared bitmap; -1 elsewhere.
  fw::TBitmap bitmap;
  for (int col : {1, 2}) {
    TCellGraphic* picture = Add(col, 3, ctBitmap);
    picture->CellContent = &bitmap;
  }
  Add(3, 3, ctImageList)->CellIndex = 6;
  EXPECT_EQ(grid_->GetCellImageKey(1, 3), grid_->GetCellImageKey(2, 3));
  EXPECT_NE(grid_->GetCellImageKey(1, 3), -1);
  EXPECT_EQ(grid_->GetCellImageKey(3, 3), 6);
  EXPECT_EQ(grid_->GetCellImageKey(1, 1), -1);
  EXPECT_EQ(grid_->GetCellImageKey(4, 4), -1);
  EXPECT_EQ(grid_->GetCellImageIndexes(3, 3), nullptr);
  EXPECT_EQ(grid_->GetRadioItems(3, 3), nullptr);
  int index = 9;
  EXPECT_FALSE(grid_->GetRadioIndex(4, 4, index));
  EXPECT_EQ(index, 9);
  EXPECT_FALSE(grid_->GetRadioIndex(3, 3, index));  // a graphic of another kind: its index, but false
  EXPECT_EQ(index, 6);
  EXPECT_FALSE(grid_->IsCellOfKinds(-1, 3, {ctBitmap}));
  EXPECT_TRUE(grid_->IsCellOfKinds(1, 3, {ctIcon, ctBitmap}));
}

TEST_F(CellObjectsTest, RatingChangesMayBeRefusedAndRewritten) {
  double rate = 2.5;
  EXPECT_TRUE(grid_->RatingChange(1, 1, rate));
  grid_->OnRatingChange = [](fw::TObject*, int, int, double& newRate, bool& allow) {
    allow = newRate < 4;
    newRate = 3;
  };
  EXPECT_TRUE(grid_->RatingChange(1, 1, rate));
  EXPECT_EQ(rate, 3);
  rate = 4.5;
  EXPECT_FALSE(grid_->RatingChange(1, 1, rate));
}

}  // namespace
}  // namespace ui::testing
