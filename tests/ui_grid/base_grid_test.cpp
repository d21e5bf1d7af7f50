// The base grid's cell store: properties made with the cell's defaults, user objects and graphics, the
// freeing and detaching operations and who frees what, cells outside the grid, the display-text events,
// merged-area geometry, and keys and the wheel treating a merged area as one cell. Grids on a hidden form;
// slot objects count their destruction, so a test sees anything freed twice or not at all.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using GridTest = fw::testing::StdControlTest;

class Counted : public fw::TObject {
 public:
  explicit Counted(int* destroyed) : destroyed_(destroyed) {}
  ~Counted() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

class CountedProps : public TCellProperties {
 public:
  CountedProps(TBaseGrid* grid, int col, int row, int* destroyed) : TCellProperties(grid, col, row), destroyed_(destroyed) {}
  ~CountedProps() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

// A grid whose cells default to a centred, horizontally shaded look.
class ShadedGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;

 protected:
  void GetCellDefaults(int col, int row, TCellGradientDirection& gradientDirection, bool& wordWrap,
                       TVAlignment& vAlign, fw::TAlignment& hAlign, fw::TColor& colorMirrorTo, fw::TColor& colorMirror,
                       fw::TColor& colorTo, fw::TBrush* brush, fw::TFont* font) override {
    TBaseGrid::GetCellDefaults(col, row, gradientDirection, wordWrap, vAlign, hAlign, colorMirrorTo, colorMirror,
                               colorTo, brush, font);
    gradientDirection = GradientHorizontal;
    vAlign = vtaCenter;
    hAlign = fw::taCenter;
    colorTo = 0x0000FF;
    colorMirror = 0x00FF00;
    brush->SetColor(0x00FFFF);
  }
};

TEST_F(GridTest, PropertiesAreMadeOnFirstUseWithTheCellsDefaults) {
  auto* grid = Make<TBaseGrid>();
  grid->Font()->SetName("Arial");
  grid->Font()->SetSize(11);
  grid->Font()->SetColor(fw::clRed);
  grid->Font()->SetStyle({fw::fsBold});
  grid->SetColor(0x123456);
  grid->SetWordWrap(false);
  EXPECT_FALSE(grid->CellPropsUsed());
  EXPECT_FALSE(grid->HasCellProperties(2, 3));

  TCellProperties* props = grid->GetCellProperties(2, 3);
  EXPECT_TRUE(grid->CellPropsUsed());
  EXPECT_EQ(grid->GetCellProperties(2, 3), props);
  EXPECT_TRUE(grid->HasCellProperties(2, 3));
  EXPECT_EQ(props->OwnerGrid, grid);
  EXPECT_EQ(props->OwnerCol, 2);
  EXPECT_EQ(props->OwnerRow, 3);
  EXPECT_EQ(props->FontName, "Arial");
  EXPECT_EQ(props->FontSize, 11);
  EXPECT_EQ(props->FontColor, fw::clRed);
  EXPECT_EQ(props->FontStyle, fw::TFontStyles{fw::fsBold});
  EXPECT_EQ(props->BrushColor(), static_cast<fw::TColor>(0x123456));
  EXPECT_EQ(props->BrushColorTo(), kColorNotSet);
  EXPECT_EQ(props->Alignment, fw::taLeftJustify);
  EXPECT_EQ(props->VAlignment(), vtaTop);
  EXPECT_FALSE(props->WordWrap());
  EXPECT_EQ(props->GradientDirection, GradientVertical);
  EXPECT_TRUE(props->IsBaseCell);
  EXPECT_EQ(props->CellSpanX, -1);
  EXPECT_EQ(props->CellSpanY, -1);
  EXPECT_EQ(props->CellObject, nullptr);
  EXPECT_EQ(props->Editor, edNormal);

  // A derived grid's defaults are taken as given.
  auto* shaded = Make<ShadedGrid>();
  const TCellProperties* own = shaded->GetCellProperties(1, 1);
  EXPECT_EQ(own->GradientDirection, GradientHorizontal);
  EXPECT_EQ(own->VAlignment(), vtaCenter);
  EXPECT_EQ(own->Alignment, fw::taCenter);
  EXPECT_EQ(own->BrushColor(), static_cast<fw::TColor>(0x00FFFF));
  EXPECT_EQ(own->BrushColorTo(), static_cast<fw::TColor>(0x0000FF));
  EXPECT_TRUE(own->WordWrap());
}

TEST_F(GridTest, AssignCopiesTheCellsSettingsButNotItsShadingGraphicOrCalculation) {
  auto* grid = Make<TBaseGrid>();
  int destroyed = 0;
  Counted user(&destroyed);
  Counted graphic(&destroyed);
  TCellProperties* source = grid->GetCellProperties(1, 2);
  source->CellObject = &user;
  source->GraphicObject = &graphic;
  source->SetBrushColor(0x111111);
  source->SetBrushColorTo(0x222222);
  source->GradientDirection = GradientHorizontal;
  source->FontName = "Courier";
  source->SetVAlignment(vtaBottom);
  source->SetWordWrap(false);
  source->CellSpanX = 3;
  source->IsBaseCell = false;
  source->Editor = edComboList;
  source->ReadOnly = true;
  source->CalcType = 2;
  source->CalcObject = &user;

  TCellProperties copy(nullptr, 0, 0);
  copy.Assign(source);
  EXPECT_EQ(copy.OwnerGrid, nullptr);
  EXPECT_EQ(copy.OwnerCol, 1);
  EXPECT_EQ(copy.OwnerRow, 2);
  EXPECT_EQ(copy.CellObject, &user);
  EXPECT_EQ(copy.BrushColor(), static_cast<fw::TColor>(0x111111));
  EXPECT_EQ(copy.FontName, "Courier");
  EXPECT_EQ(copy.VAlignment(), vtaBottom);
  EXPECT_FALSE(copy.WordWrap());
  EXPECT_EQ(copy.CellSpanX, 3);
  EXPECT_FALSE(copy.IsBaseCell);
  EXPECT_EQ(copy.Editor, edComboList);
  EXPECT_TRUE(copy.ReadOnly);
  EXPECT_EQ(copy.BrushColorTo(), kColorNotSet);
  EXPECT_EQ(copy.GradientDirection, GradientVertical);
  EXPECT_EQ(copy.GraphicObject, nullptr);
  EXPECT_EQ(copy.CalcType, 0);
  EXPECT_EQ(copy.CalcObject, nullptr);
  EXPECT_THROW(copy.Assign(grid->Font()), fw::EConvertError);
  source->GraphicObject = nullptr;
  source->CellObject = nullptr;
}

TEST_F(GridTest, OutsideTheGridThereAreNoPropertiesAndTheAccessorsRaiseTheStoresError) {
  auto* grid = Make<TVxStringGrid>();  // 5 columns, 10 rows
  const fw::TPoint outside[] = {{-1, 0}, {0, -1}, {5, 0}, {0, 10}};
  for (const fw::TPoint& cell : outside) {
    SCOPED_TRACE(std::to_string(cell.X) + "," + std::to_string(cell.Y));
    EXPECT_FALSE(grid->HasCellProperties(cell.X, cell.Y));
    EXPECT_EQ(grid->GetCellUserObject(cell.X, cell.Y), nullptr);
    EXPECT_FALSE(grid->IsMergedCell(cell.X, cell.Y));
    EXPECT_TRUE(grid->IsBaseCell(cell.X, cell.Y));
  }
  int destroyed = 0;
  Counted user(&destroyed);
  EXPECT_THROW(grid->GetCellProperties(-1, 0), fw::EListError);
  EXPECT_THROW(grid->SetCellUserObject(0, -1, &user), fw::EListError);
  EXPECT_THROW(grid->GetCellEx(-1, 0), fw::EListError);
  EXPECT_THROW(grid->SetCellEx(0, -1, "x"), fw::EListError);

  // No bounds check beyond the counts: the store keeps the properties, and they count once the grid grows.
  TCellProperties* beyond = grid->GetCellProperties(7, 2);
  EXPECT_FALSE(grid->HasCellProperties(7, 2));
  grid->SetColCount(8);
  EXPECT_EQ(grid->HasCellProperties(7, 2), true);
  EXPECT_EQ(grid->GetCellProperties(7, 2), beyond);

  // An object of another class put into a slot raw is not taken for properties, nor freed by the grid.
  Counted foreign(&destroyed);
  grid->SetRawCellObject(3, 3, &foreign);
  EXPECT_FALSE(grid->HasCellProperties(3, 3));
  EXPECT_THROW(grid->GetCellProperties(3, 3), EVxGridError);
  grid->FreeAllCellProps();
  EXPECT_EQ(grid->GetRawCellObject(3, 3), &foreign);
  grid->Free();
  EXPECT_EQ(destroyed, 0);
}

TEST_F(GridTest, UserObjectsAndGraphicsLeaveTheCellsTextAlone) {
  auto* grid = Make<TVxStringGrid>();
  int destroyed = 0;
  Counted user(&destroyed);
  Counted other(&destroyed);
  Counted graphic(&destroyed);
  EXPECT_EQ(grid->GetCellUserObject(2, 2), nullptr);
  EXPECT_FALSE(grid->HasCellProperties(2, 2));  // reading made nothing

  grid->SetCellUserObject(2, 2, &user);
  EXPECT_EQ(grid->GetCellUserObject(2, 2), &user);
  EXPECT_EQ(grid->Cells(2, 2), "");
  grid->SetCells(3, 2, "kept");
  grid->SetCellUserObject(3, 2, &other);
  grid->SetCellGraphicObject(3, 2, &graphic);
  EXPECT_EQ(grid->Cells(3, 2), "kept");
  EXPECT_EQ(grid->GetCellUserObject(3, 2), &other);
  EXPECT_EQ(grid->GetCellGraphicObject(3, 2), &graphic);
  EXPECT_EQ(TBaseGrid::PropsGraphicObject(grid->GetCellProperties(3, 2)), &graphic);
  grid->SetCellGraphicObject(4, 4, &graphic);
  EXPECT_EQ(grid->Cells(4, 4), "");
  EXPECT_EQ(grid->GetCellGraphicObject(1, 1), nullptr);

  // Raw access bypasses the properties.
  grid->SetRawCellText(1, 1, "raw");
  EXPECT_EQ(grid->GetRawCellText(1, 1), "raw");
  EXPECT_EQ(grid->GetRawCellObject(3, 2), grid->GetCellProperties(3, 2));
  // A grid on its way out takes no graphic.
  grid->Destroying();
  grid->SetCellGraphicObject(1, 3, &graphic);
  EXPECT_FALSE(grid->HasCellProperties(1, 3));
  grid->Free();
  EXPECT_EQ(destroyed, 0);  // the user's objects and graphics of other classes stay the caller's
}

TEST_F(GridTest, FreeingPropertiesKeepsTextsAndUserObjectsAndFreesEachObjectOnce) {
  auto* grid = Make<TVxStringGrid>();
  int propsGone = 0;
  int objectsGone = 0;
  // Put in raw before the grid made any: freeing a rectangle does nothing yet.
  auto* early = new CountedProps(grid, 0, 1, &propsGone);
  grid->SetRawCellObject(0, 1, early);
  grid->FreeCellPropsInRect(0, 0, 4, 9);
  EXPECT_EQ(propsGone, 0);
  EXPECT_EQ(grid->GetRawCellObject(0, 1), early);

  Counted user(&objectsGone);
  Counted graphic(&objectsGone);
  for (int col = 1; col <= 3; ++col) grid->SetCells(col, 1, "t" + std::to_string(col));
  grid->SetCellUserObject(1, 1, &user);
  grid->SetCellGraphicObject(2, 1, &graphic);
  grid->ReplaceCellProperties(3, 1, new CountedProps(grid, 3, 1, &propsGone));
  grid->MergeCells(1, 2, 2, 2);
  grid->FreeCellPropsInRect(1, 1, 3, 2);
  EXPECT_EQ(propsGone, 1);
  for (int col = 1; col <= 3; ++col) {
    EXPECT_FALSE(grid->HasCellProperties(col, 1));
    EXPECT_EQ(grid->Cells(col, 1), "t" + std::to_string(col));
  }
  EXPECT_FALSE(grid->HasCellProperties(1, 2));
  EXPECT_TRUE(grid->HasCellProperties(1, 3));  // below the rectangle
  EXPECT_EQ(objectsGone, 0);

  // Replacing frees what was there (never the object put in again), FreeCellProps frees one cell's.
  auto* replaced = new CountedProps(grid, 4, 4, &propsGone);
  grid->ReplaceCellProperties(4, 4, replaced);
  grid->ReplaceCellProperties(4, 4, replaced);
  EXPECT_EQ(propsGone, 1);
  grid->ReplaceCellProperties(4, 4, nullptr);
  EXPECT_EQ(propsGone, 2);
  grid->ReplaceCellProperties(4, 5, new CountedProps(grid, 4, 5, &propsGone));
  grid->FreeCellProps(4, 5);
  EXPECT_EQ(propsGone, 3);
  EXPECT_EQ(grid->GetRawCellObject(4, 5), nullptr);
  grid->FreeCellProps(4, 5);  // nothing left there
  EXPECT_EQ(propsGone, 3);

  grid->FreeAllCellProps();
  EXPECT_EQ(propsGone, 4);  // the early one too, now that the grid has used properties
  EXPECT_FALSE(grid->HasCellProperties(1, 3));
}

TEST_F(GridTest, DetachingEmptiesSlotsWithoutFreeingAndTheGridFreesWhatItHoldsOnceAtTheEnd) {
  auto* grid = Make<TVxStringGrid>();
  int propsGone = 0;
  auto* moved = new CountedProps(grid, 1, 1, &propsGone);
  grid->ReplaceCellProperties(1, 1, moved);
  grid->SetCells(1, 1, "moved");
  // A row operation hands the object on to another slot, then detaches the old one.
  grid->SetRawCellObject(1, 4, moved);
  grid->DetachCellObject(1, 1);
  EXPECT_EQ(grid->GetRawCellObject(1, 1), nullptr);
  EXPECT_EQ(grid->Cells(1, 1), "");
  auto* row = new CountedProps(grid, 2, 2, &propsGone);
  grid->ReplaceCellProperties(2, 2, row);
  grid->SetCells(3, 2, "row");
  grid->DetachRowObjects(2);
  EXPECT_EQ(grid->GetRawCellObject(2, 2), nullptr);
  EXPECT_EQ(grid->Cells(3, 2), "");
  auto* column = new CountedProps(grid, 3, 3, &propsGone);
  grid->ReplaceCellProperties(3, 3, column);
  grid->DetachColumnObjects(3);
  EXPECT_EQ(grid->GetRawCellObject(3, 3), nullptr);
  EXPECT_EQ(propsGone, 0);
  row->Free();
  column->Free();

  // Properties in rows the grid no longer counts, and one object left in two slots, are freed once each.
  auto* dropped = new CountedProps(grid, 2, 8, &propsGone);
  grid->ReplaceCellProperties(2, 8, dropped);
  grid->SetRowCount(5);
  grid->SetRawCellObject(0, 4, moved);
  grid->Free();
  EXPECT_EQ(propsGone, 4);
}

TEST_F(GridTest, DisplayTextEventsAskOnlyForRowsBelowTheDataRowCount) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetRowCount(4);
  grid->SetCells(1, 2, "data");
  grid->SetCells(1, 5, "scratch");  // beyond the rows last set
  grid->MergeCells(2, 1, 2, 2);
  grid->SetCells(3, 2, "area");
  std::vector<fw::TPoint> asked;
  grid->OnGetDisplText = [&](fw::TObject* sender, int col, int row, std::string& value) {
    EXPECT_EQ(sender, grid);
    asked.push_back({col, row});
    value += "!";
  };
  EXPECT_EQ(grid->Cells(1, 2), "data!");
  EXPECT_EQ(grid->Cells(3, 2), "area!");
  EXPECT_EQ(grid->Cells(1, 5), "scratch");
  EXPECT_EQ(asked, (std::vector<fw::TPoint>{{1, 2}, {2, 1}}));  // a merged area is asked at its base cell

  // The wide event gets the text as wide characters and gives its answer back encoded.
  grid->OnGetDisplWideText = [](fw::TObject*, int, int, std::wstring& value) {
    EXPECT_EQ(value, L"data!");
    value = L"\x20AC";
  };
  EXPECT_EQ(grid->Cells(1, 2), std::string("|\\\x20\xAC"));
  EXPECT_EQ(grid->Cells(1, 5), "scratch");
}

TEST_F(GridTest, MergedAreasCoverTheirCellsRectanglesAndRowsShareTheirBase) {
  auto* grid = Make<TBaseGrid>(fw::TRect{0, 0, 200, 200});  // narrower than the columns: it scrolls
  grid->SetBorderStyle(fw::bsNone);
  grid->SetScrollBars(fw::ssNone);
  grid->SetColCount(5);
  grid->SetRowCount(6);
  for (int col = 0; col < 5; ++col) grid->SetColWidths(col, 40 + 10 * col);  // 40 50 60 70 80
  grid->MergeCells(1, 1, 2, 3);
  const fw::TRect area{40, 24, 150, 96};
  for (const fw::TPoint cell : {fw::TPoint{1, 1}, fw::TPoint{2, 3}}) {
    EXPECT_EQ(grid->CellRectEx(cell.X, cell.Y), area);
    EXPECT_EQ(grid->CellSize(cell.X, cell.Y).X, 110);
    EXPECT_EQ(grid->CellSize(cell.X, cell.Y).Y, 72);
  }
  EXPECT_EQ(grid->CellRectEx(3, 1), grid->CellRect(3, 1));  // no lines between cells
  EXPECT_EQ(grid->CellRectEx(3, 1), (fw::TRect{150, 24, 220, 48}));

  // Scrolled: the sizes place a normal column after the fixed ones from LeftCol, one before it outside.
  grid->SetLeftCol(2);
  EXPECT_EQ(grid->CellRectFromSizes(2, 1), (fw::TRect{40, 24, 100, 48}));
  EXPECT_EQ(grid->CellRectFromSizes(1, 1), (fw::TRect{-10, 24, 40, 48}));
  EXPECT_EQ(grid->CellRectFromSizes(0, 1), (fw::TRect{0, 24, 40, 48}));
  grid->SetLeftCol(1);

  // An area merged past the last column ends at the last column.
  grid->MergeCells(3, 5, 4, 1);
  EXPECT_EQ(grid->CellRectEx(4, 5), (fw::TRect{150, 120, 300, 144}));

  // Rows lie in the same merge where every area spanning both starts on the same row.
  grid->MergeCells(4, 1, 1, 2);  // rows 1-2, beside the first area
  grid->MergeCells(1, 4, 1, 2);  // rows 4-5, below it
  struct Case {
    int row1, row2;
    bool same;
  };
  const Case cases[] = {{1, 2, true}, {1, 3, true}, {3, 4, false}, {0, 1, false}, {4, 5, true}};
  for (const Case& c : cases) EXPECT_EQ(grid->RowsInSameMerge(c.row1, c.row2), c.same) << c.row1 << "," << c.row2;
}

TEST_F(GridTest, KeysAndTheWheelStepOverAMergedAreaAndEndOnABaseCell) {
  auto* grid = Make<TBaseGrid>(fw::TRect{0, 0, 390, 200});
  grid->SetBorderStyle(fw::bsNone);
  grid->SetScrollBars(fw::ssNone);
  grid->SetColCount(6);
  grid->SetRowCount(8);
  grid->SetFixedCols(0);
  grid->SetFixedRows(0);
  grid->MergeCells(2, 2, 2, 2);  // A: columns 2-3, rows 2-3
  grid->MergeCells(1, 0, 3, 2);  // C: columns 1-3, rows 0-1
  grid->MergeCells(4, 5, 2, 1);  // D: columns 4-5 of row 5, up to the last column
  const auto key = [&](WORD k) { SendMessageA(grid->Handle(), WM_KEYDOWN, k, 0); };
  const auto wheel = [&](int delta) {
    SendMessageA(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))), 0);
  };
  struct Case {
    fw::TPoint from;
    std::function<void()> input;
    fw::TPoint to;
  };
  const Case cases[] = {
      {{2, 2}, [&] { key(VK_RIGHT); }, {4, 2}},          // out of A to the right
      {{2, 2}, [&] { key(VK_DOWN); }, {2, 4}},           // out of A downwards
      {{1, 3}, [&] { key(VK_RIGHT); }, {2, 2}},          // into A: its base
      {{3, 4}, [&] { key(VK_UP); }, {2, 2}},
      {{3, 3}, [&] { key(VK_LEFT); }, {1, 3}},           // from inside A, not its base: out to the left
      {{3, 3}, [&] { key(VK_UP); }, {1, 0}},             // out upwards, into C: its base
      {{4, 5}, [&] { key(VK_RIGHT); }, {4, 5}},          // D reaches the last column: stays on its base
      {{0, 5}, [&] { key(VK_END); }, {4, 5}},
      {{2, 2}, [&] { wheel(-WHEEL_DELTA); }, {2, 4}},    // a wheel step leaves A like Down
      {{2, 4}, [&] { wheel(WHEEL_DELTA); }, {2, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from.X) + "," + std::to_string(c.from.Y));
    grid->SetCol(c.from.X);
    grid->SetRow(c.from.Y);
    ASSERT_EQ(grid->Col(), c.from.X);
    ASSERT_EQ(grid->Row(), c.from.Y);
    c.input();
    EXPECT_EQ(grid->Col(), c.to.X);
    EXPECT_EQ(grid->Row(), c.to.Y);
  }
}

TEST_F(GridTest, ScalingTheGridScalesTheDefaultRowHeightOnce) {
  auto* grid = Make<TVxStringGrid>();
  grid->ChangeScale(3, 2);
  EXPECT_EQ(grid->DefaultRowHeight(), 33);
  EXPECT_EQ(grid->RowHeights(4), 33);
}

}  // namespace
}  // namespace ui::testing
