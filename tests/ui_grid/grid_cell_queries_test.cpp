// The string grid's cell queries and cell accessors: each query fires its one event with its arguments in
// the event's order, a derived grid's override wins, the fixed and editability rules, the row colour
// setters and the column filter's value list.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/pen.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using QueryTest = fw::testing::StdControlTest;

// What an event handler saw: how often it ran and the column and row it was given.
struct Seen {
  int calls = 0;
  int col = -1;
  int row = -1;
  void Take(int c, int r) {
    ++calls;
    col = c;
    row = r;
  }
};

TEST_F(QueryTest, EachQueryFiresItsEventOnceWithColumnAndRowInTheEventsOrder) {
  constexpr int kCol = 3;
  constexpr int kRow = 4;
  fw::TFont font;
  fw::TBrush brush;
  fw::TPen pen;

  struct Query {
    const char* name;
    std::function<void(TVxStringGrid* grid, Seen&)> assign;  // sets the event so that it records into Seen
    std::function<void(TVxStringGrid* grid)> ask;          // asks the query about (kCol, kRow)
  };
  const std::vector<Query> queries = {
      {"GetCellColor",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetCellColor = [&s](fw::TObject*, int r, int c, fw::TGridDrawState, fw::TBrush*, fw::TFont*) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->GetCellColor(kCol, kRow, &font, &brush, {}); }},
      {"GetCellPrintColor",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetCellPrintColor = [&s](fw::TObject*, int r, int c, fw::TGridDrawState, fw::TBrush*, fw::TFont*) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->GetCellPrintColor(kCol, kRow, &brush, &font, {}); }},
      {"GetCellBorder",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetCellBorder = [&s](fw::TObject*, int r, int c, fw::TPen*, TCellBorders&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { TCellBorders b; grid->GetCellBorder(kCol, kRow, b, &pen); }},
      {"GetCellPrintBorder",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetCellPrintBorder = [&s](fw::TObject*, int r, int c, fw::TPen*, TCellBorders&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { TCellBorders b; grid->GetCellPrintBorder(kCol, kRow, &pen, b); }},
      {"GetAlignment",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetAlignment = [&s](fw::TObject*, int r, int c, fw::TAlignment&, TVAlignment&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { fw::TAlignment h = fw::taLeftJustify; TVAlignment v = vtaTop; grid->GetAlignment(kCol, kRow, h, v); }},
      {"GetCellEditorSpin",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetEditorType = [&s](fw::TObject*, int c, int r, TEditorType&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { TEditorType e = edNormal; grid->GetCellEditorSpin(kCol, kRow, e); }},
      {"HasEditorNone",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetEditorType = [&s](fw::TObject*, int c, int r, TEditorType&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->HasEditorNone(kCol, kRow); }},
      {"IsFixedCell",
       [](TVxStringGrid* grid, Seen& s) { grid->OnIsFixedCell = [&s](fw::TObject*, int r, int c, bool&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { bool f = false; grid->IsFixedCell(kCol, kRow, f); }},
      {"DoCanEditCell",
       [](TVxStringGrid* grid, Seen& s) { grid->OnCanEditCell = [&s](fw::TObject*, int r, int c, bool&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { bool e = true; grid->DoCanEditCell(kCol, kRow, e); }},
      {"IsPasswordCell",
       [](TVxStringGrid* grid, Seen& s) { grid->OnIsPasswordCell = [&s](fw::TObject*, int r, int c, bool&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->IsPasswordCell(kCol, kRow); }},
      {"DoGetWordWrap",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetWordWrap = [&s](fw::TObject*, int c, int r, bool&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { bool w = true; grid->DoGetWordWrap(kCol, kRow, w); }},
      {"HasComboBox",
       [](TVxStringGrid* grid, Seen& s) { grid->OnHasComboBox = [&s](fw::TObject*, int c, int r, bool&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->HasComboBox(kCol, kRow); }},
      {"HasSpinEdit",
       [](TVxStringGrid* grid, Seen& s) { grid->OnHasSpinEdit = [&s](fw::TObject*, int c, int r, bool&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->HasSpinEdit(kCol, kRow); }},
      {"GetCheckTrue",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetCheckTrue = [&s](fw::TObject*, int c, int r, std::string&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { std::string t; grid->GetCheckTrue(kCol, kRow, t); }},
      {"GetCheckFalse",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetCheckFalse = [&s](fw::TObject*, int c, int r, std::string&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { std::string t; grid->GetCheckFalse(kCol, kRow, t); }},
      {"GetCellCursor",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGetCellCursor = [&s](fw::TObject*, int c, int r, int, int, fw::TCursor&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->GetCellCursor(kCol, kRow, 5, 6); }},
      {"SearchFooterAction",
       [](TVxStringGrid* grid, Seen& s) { grid->OnSearchFooterAction = [&s](fw::TObject*, const std::string&, int c, int r, TSearchAction) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->SearchFooterAction("x", kCol, kRow, saFindNext); }},
      {"ButtonClick",
       [](TVxStringGrid* grid, Seen& s) { grid->OnButtonClick = [&s](fw::TObject*, int c, int r) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->ButtonClick(kCol, kRow); }},
      {"ExpandClick",
       [](TVxStringGrid* grid, Seen& s) { grid->OnExpandClick = [&s](fw::TObject*, int c, int r, bool) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->ExpandClick(kCol, kRow, true); }},
      {"ComboCloseUp",
       [](TVxStringGrid* grid, Seen& s) { grid->OnComboCloseUp = [&s](fw::TObject*, int r, int c) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->ComboCloseUp(fw::TGridCoord{kCol, kRow}); }},
      {"ComboDropDown",
       [](TVxStringGrid* grid, Seen& s) { grid->OnComboDropDown = [&s](fw::TObject*, int r, int c) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { grid->ComboDropDown(fw::TGridCoord{kCol, kRow}); }},
      {"GetCellHint",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGridHint = [&s](fw::TObject*, int r, int c, std::string&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { std::wstring w; std::string h; grid->GetCellHint(kCol, kRow, w, h); }},
      {"GetCellHint (wide)",
       [](TVxStringGrid* grid, Seen& s) { grid->OnGridWideHint = [&s](fw::TObject*, int r, int c, std::wstring&) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { std::wstring w; std::string h; grid->GetCellHint(kCol, kRow, w, h); }},
      {"GetCellHint (office)",
       [](TVxStringGrid* grid, Seen& s) { grid->OnOfficeHint = [&s](fw::TObject*, int c, int r, TVxHintInfo*) { s.Take(c, r); }; },
       [&](TVxStringGrid* grid) { std::wstring w; std::string h; grid->GetCellHint(kCol, kRow, w, h); }},
  };
  // A grid of its own for each query, so that no other event is assigned.
  for (const Query& query : queries) {
    SCOPED_TRACE(query.name);
    auto* grid = Make<TVxStringGrid>();
    Seen seen;
    query.assign(grid, seen);
    query.ask(grid);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.col, kCol);
    EXPECT_EQ(seen.row, kRow);
  }
}

TEST_F(QueryTest, AnswersTheEventsGiveComeBack) {
  auto* grid = Make<TVxStringGrid>();
  grid->OnGetCheckTrue = [](fw::TObject*, int, int, std::string& v) { v = v + "es"; };
  grid->OnGridHint = [](fw::TObject*, int, int, std::string& v) { v = "line1\r\nline2"; };
  grid->OnGetEditorType = [](fw::TObject*, int c, int, TEditorType& e) { e = c == 2 ? edNone : edComboList; };
  grid->OnGetFormat = [](fw::TObject*, int, TSortStyle& s, std::string& p, std::string& x) {
    s = ssNumber;
    p = "$";
    x = "%";
  };

  std::string text;
  grid->GetCheckTrue(1, 1, text);
  EXPECT_EQ(text, "Yes");
  grid->GetCheckFalse(1, 1, text);
  EXPECT_EQ(text, "N");

  // The hint goes into the office hint's notes line by line; a wide hint replaces it, encoded.
  std::wstring wide;
  std::string hint;
  grid->GetCellHint(1, 1, wide, hint);
  EXPECT_EQ(hint, "line1\r\nline2");
  EXPECT_EQ(grid->OfficeHint()->Notes()->Count(), 2);
  grid->OnGridWideHint = [](fw::TObject*, int, int, std::wstring& v) { v = L"\u00e9"; };
  grid->GetCellHint(1, 1, wide, hint);
  EXPECT_EQ(hint, std::string("|\\\x00\xe9", 4));

  EXPECT_TRUE(grid->HasEditorNone(2, 1));
  EXPECT_FALSE(grid->HasEditorNone(3, 1));

  TSortStyle style = ssAuto;
  std::string prefix, suffix;
  grid->GetCellFormat(2, style, prefix, suffix);
  EXPECT_EQ(style, ssNumber);
  EXPECT_EQ(prefix + suffix, "$%");
}

// A derived grid answers a query itself: the grid's own users of the query take its answer.
class ReadOnlyColumnGrid : public TVxStringGrid {
 public:
  using TVxStringGrid::TVxStringGrid;
  void DoCanEditCell(int col, int, bool& canEdit) override { canEdit = col != 2; }
  void DoIsPasswordCell(int col, int, bool& password) override { password = col == 3; }
  void GetCellEditorCombo(int, int, TEditorType& editor) override { editor = edComboEdit; }
};

TEST_F(QueryTest, ADerivedGridsOverrideWinsOverTheEvent) {
  auto* grid = Make<ReadOnlyColumnGrid>();
  grid->SetOptions(grid->Options() + fw::TGridOptions{fw::goEditing});
  grid->OnCanEditCell = [](fw::TObject*, int, int, bool& canEdit) { canEdit = true; };
  grid->OnIsPasswordCell = [](fw::TObject*, int, int, bool& password) { password = true; };
  EXPECT_FALSE(grid->CanEditCell(2, 1));
  EXPECT_TRUE(grid->CanEditCell(1, 1));
  EXPECT_TRUE(grid->IsPasswordCell(3, 1));
  EXPECT_FALSE(grid->IsPasswordCell(1, 1));
  // The combo question asks the overridden editor kind while drop-downs stay visible.
  EXPECT_FALSE(grid->HasComboBox(1, 1));
  grid->ControlLook()->SetDropDownAlwaysVisible(true);
  EXPECT_TRUE(grid->HasComboBox(1, 1));
}

TEST_F(QueryTest, FixedCellsAreNotAskedAboutAndNeverSpin) {
  auto* grid = Make<TVxStringGrid>();
  int fixedAsked = 0;
  grid->OnIsFixedCell = [&](fw::TObject*, int, int, bool&) { ++fixedAsked; };
  int spinAsked = 0;
  grid->OnHasSpinEdit = [&](fw::TObject*, int, int, bool& spin) {
    ++spinAsked;
    spin = true;
  };

  bool fixed = false;
  grid->IsFixedCell(2, 0, fixed);  // the fixed row
  EXPECT_TRUE(fixed);
  fixed = false;
  grid->IsFixedCell(0, 3, fixed);  // the fixed column
  EXPECT_TRUE(fixed);
  EXPECT_EQ(fixedAsked, 0);
  fixed = false;
  grid->IsFixedCell(2, 3, fixed);
  EXPECT_FALSE(fixed);
  EXPECT_EQ(fixedAsked, 1);

  EXPECT_FALSE(grid->HasSpinEdit(2, 0));
  EXPECT_FALSE(grid->HasSpinEdit(0, 2));
  EXPECT_EQ(spinAsked, 0);
  EXPECT_TRUE(grid->HasSpinEdit(2, 2));
  EXPECT_EQ(spinAsked, 1);
}

TEST_F(QueryTest, EditabilityFollowsTheEditingSwitchesTheReadOnlyMarkAndTheFixedCells) {
  auto* grid = Make<TVxStringGrid>();
  EXPECT_FALSE(grid->CanEditCell(2, 2));  // editing off
  EXPECT_FALSE(grid->HasEditorNone(2, 2));  // no editor-type event

  grid->SetOptions(grid->Options() + fw::TGridOptions{fw::goEditing});
  EXPECT_TRUE(grid->CanEditCell(2, 2));  // no properties: the read-only test is skipped
  EXPECT_FALSE(grid->HasCellProperties(2, 2));
  EXPECT_FALSE(grid->CanEditCell(0, 2));
  EXPECT_FALSE(grid->CanEditCell(2, 0));

  grid->GetCellProperties(2, 2)->ReadOnly = true;
  EXPECT_TRUE(grid->GetCellReadOnly(2, 2));
  EXPECT_FALSE(grid->CanEditCell(2, 2));

  // Editing suspended counts as editing being on; a merged area answers for its base cell.
  grid->SetOptions(grid->Options() - fw::TGridOptions{fw::goEditing});
  grid->EditingSuspended = true;
  EXPECT_TRUE(grid->CanEditCell(3, 3));
  grid->MergeCells(2, 2, 2, 2);
  EXPECT_FALSE(grid->CanEditCell(3, 3));
}

TEST_F(QueryTest, CellColourTakesThePropertiesAndTheActiveCellHeaders) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCellBrushColor(2, 2, 0x00FF00);
  grid->SetCellFontColor(2, 2, 0x0000FF);
  fw::TFont font;
  fw::TBrush brush;
  brush.SetColor(0xFFFFFF);
  grid->GetCellColor(2, 2, &font, &brush, {});
  EXPECT_EQ(brush.Color(), 0x00FF00);
  EXPECT_EQ(font.Color(), 0x0000FF);

  // With ActiveCellShow the current cell's row and column headers take the active-cell colours.
  grid->ActiveCellShow = true;
  grid->SetCol(3);
  grid->SetRow(4);
  fw::TBrush header;
  grid->GetCellColor(0, 4, &font, &header, {});
  EXPECT_EQ(header.Color(), grid->ActiveCellColor);
  fw::TBrush top;
  grid->GetCellColor(3, 0, &font, &top, {});
  EXPECT_EQ(top.Color(), grid->ActiveCellColor);
  fw::TBrush other;
  other.SetColor(0x123456);
  grid->GetCellColor(2, 0, &font, &other, {});
  EXPECT_EQ(other.Color(), 0x123456);
}

TEST_F(QueryTest, RowColourSettersTakeBackOnlyTheirColourAndKeepEveryOtherProperty) {
  auto* grid = Make<TVxStringGrid>();
  fw::TObject userObject;
  grid->SetRowBrushColor(2, 0x00FF00);
  grid->SetRowFontColor(2, 0x0000FF);
  grid->SetRowBrushColorTo(2, 0xFF0000);
  grid->SetCellUserObject(2, 2, &userObject);
  grid->GetCellProperties(3, 2)->ReadOnly = true;
  grid->MergeCells(4, 1, 1, 2);  // (4, 2) lies in an area based at (4, 1)
  EXPECT_EQ(grid->GetCellBrushColor(0, 2), kColorNotSet);  // the fixed column is left alone

  grid->SetRowBrushColor(2, kColorNotSet);
  for (int col = 1; col <= 4; ++col) {
    SCOPED_TRACE(col);
    EXPECT_EQ(grid->GetCellBrushColor(col, 2), kColorNotSet);
    ASSERT_TRUE(grid->HasCellProperties(col, 2));  // the font colour is still theirs
    EXPECT_EQ(grid->GetCellProperties(col, 2)->FontColor, 0x0000FF);
    EXPECT_EQ(grid->GetCellProperties(col, 2)->BrushColorTo(), 0xFF0000);
  }
  grid->SetRowFontColor(2, kColorNotSet);
  grid->SetRowBrushColorTo(2, kColorNotSet);
  EXPECT_FALSE(grid->HasCellProperties(1, 2));  // nothing but defaults left
  EXPECT_EQ(grid->GetCellUserObject(2, 2), &userObject);
  EXPECT_TRUE(grid->GetCellReadOnly(3, 2));
  EXPECT_TRUE(grid->IsXMergedCell(4, 2));
  EXPECT_EQ(grid->BaseCellOf(4, 2).Y, 1);
}

TEST_F(QueryTest, RowBrushColourTakenBackFreesPropertiesThatOnlyHeldIt) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetRowBrushColor(3, 0x00FF00);
  EXPECT_TRUE(grid->HasCellProperties(2, 3));
  grid->SetRowBrushColor(3, kColorNotSet);
  for (int col = 1; col < grid->ColCount(); ++col) {
    EXPECT_FALSE(grid->HasCellProperties(col, 3));
    EXPECT_EQ(grid->GetCellBrushColor(col, 3), kColorNotSet);
  }
}

TEST_F(QueryTest, FixedCellColourWritersStoreRgbValues) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetFixedCellColorFrom(fw::clBtnFace);
  grid->SetFixedCellColorMirrorTo(0x102030);
  EXPECT_EQ(grid->FixedCellColors().From, static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)));
  EXPECT_EQ(grid->FixedCellColors().MirrorTo, 0x102030);
}

TEST_F(QueryTest, ColumnFilterListsSortedDistinctValuesQuotedWithTheClearEntryFirst) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetRowCount(5);
  grid->SetCells(1, 1, "B B");
  grid->SetCells(1, 2, " A ");
  grid->SetCells(1, 3, "C");
  grid->SetCells(1, 4, "A");
  grid->FilterDropDownAuto = true;
  ASSERT_TRUE(grid->GetColumnFilter(1));
  const fw::TStringList* values = grid->DistinctValues();
  ASSERT_EQ(values->Count(), 4);
  EXPECT_EQ(values->Strings(0), "(All)");
  EXPECT_EQ(values->Strings(1), "A");
  EXPECT_EQ(values->Strings(2), "B B=\"B B\"");
  EXPECT_EQ(values->Strings(3), "C");

  // The event sees the list and may change it; without the clear entry and values the answer is false.
  int seenColumn = -1;
  grid->OnGetColumnFilter = [&](fw::TObject*, int column, fw::TStrings* filter) {
    seenColumn = column;
    filter->Clear();
  };
  EXPECT_FALSE(grid->GetColumnFilter(1));
  EXPECT_EQ(seenColumn, 1);
  grid->OnGetColumnFilter = nullptr;
  // A fixed column offers only the clear entry unless every column filters.
  EXPECT_TRUE(grid->GetColumnFilter(0));
  EXPECT_EQ(grid->DistinctValues()->Count(), 1);
  grid->FilterDropDownClear.clear();
  grid->FilterDropDownAuto = false;
  EXPECT_FALSE(grid->GetColumnFilter(1));
}

TEST_F(QueryTest, WideAndStrippedCellTexts) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCellWideText(1, 1, L"\u0416x");
  EXPECT_EQ(grid->GetRawCellText(1, 1), std::string("|\\\x04\x16\x00x", 6));
  EXPECT_EQ(grid->GetCellWideText(1, 1), L"\u0416x");
  EXPECT_TRUE(grid->CellIsWide(1, 1));
  EXPECT_FALSE(grid->CellIsWide(2, 1));
  grid->SetCells(2, 1, "<B>bold</B><BR>next");
  EXPECT_EQ(grid->GetStrippedCell(2, 1), "bold\r\nnext");
}

}  // namespace
}  // namespace ui::testing
