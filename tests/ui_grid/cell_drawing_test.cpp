// The string grid's cell drawing: how a cell's colours, font and state are resolved (read from the
// resolution itself), and what the painter puts into a memory bitmap: merged areas once per pass, the
// reserved row, grid lines, hover and active rows, the button-face selections, the order and rectangle of
// the drawing events and the focus rectangle. Pixels are read only in solid areas, never where text is.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/foundation/draw_utils.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/view/blend_colors.h"

namespace ui::testing {
namespace {

using fw::testing::MemoryBitmap;
using DrawingTest = fw::testing::StdControlTest;

struct ContentCall {
  int col, row;
  fw::TRect rect;
};

// A string grid that lets a test resolve a cell and records every cell content it paints.
class DrawingGrid : public TVxStringGrid {
 public:
  using TVxStringGrid::TVxStringGrid;

  struct Resolved {
    fw::TColor brush, colorTo, colorMirror, colorMirrorTo, fontColor;
    std::string fontName;
    fw::TFontStyles fontStyle;
    int fontSize;
    TCellGradientDirection direction;
    fw::TGridDrawState state;
  };

  Resolved Resolve(int col, int row, fw::TGridDrawState state = {}) {
    TCellGradientDirection direction = GradientVertical;
    bool wordWrap = true;
    TVAlignment vAlign = vtaTop;
    fw::TAlignment hAlign = fw::taLeftJustify;
    fw::TColor mirrorTo = kColorNotSet, mirror = kColorNotSet, to = kColorNotSet;
    fw::TFont font;
    fw::TBrush brush;
    ResolveCellVisuals(col, row, direction, wordWrap, vAlign, hAlign, &font, mirrorTo, mirror, to, &brush, true, true,
                       false, state);
    return {brush.Color(), to, mirror, mirrorTo, font.Color(), font.Name(), font.Style(), font.Size(), direction, state};
  }

  std::vector<ContentCall> contents;

 protected:
  void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect,
                        fw::TGridDrawState state) override {
    contents.push_back({col, row, rect});
    TVxStringGrid::PaintCellContent(canvas, col, row, rect, state);
  }
};

class CellDrawingTest : public DrawingTest {
 protected:
  // A grid of 5 columns of 60 and 8 rows of 22 pixels with one fixed row and column, all in view.
  DrawingGrid* MakeGrid() {
    auto* grid = Make<DrawingGrid>(fw::TRect{0, 0, 320, 200});
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetDefaultColWidth(60);
    return grid;
  }
  // Paints the grid into a fresh white bitmap.
  MemoryBitmap& Paint(DrawingGrid* grid) {
    bitmap_ = std::make_unique<MemoryBitmap>(grid->Width(), grid->Height());
    grid->contents.clear();
    grid->PaintTo(bitmap_->DC(), 0, 0);
    return *bitmap_;
  }
  // A pixel near the top-left of the cell, clear of its lines and of any text.
  fw::TColor Fill(DrawingGrid* grid, int col, int row) {
    const fw::TRect r = grid->CellRectEx(col, row);
    return bitmap_->Pixel(r.Left + 3, r.Top + 3);
  }

  std::unique_ptr<MemoryBitmap> bitmap_;
};

fw::TColor Rgb(int r, int g, int b) { return static_cast<fw::TColor>(RGB(r, g, b)); }

// ---- Resolution -------------------------------------------------------------------------------------------

TEST(BlendColorsTest, MixesChannelByChannelWithHalvesToEven) {
  const struct {
    fw::TColor c1, c2;
    int percent;
    fw::TColor expected;
  } cases[] = {
      {Rgb(1, 2, 10), Rgb(2, 3, 20), 50, Rgb(2, 2, 15)},  // 1.5 -> 2, 2.5 -> 2
      {Rgb(1, 2, 10), Rgb(2, 3, 20), 100, Rgb(1, 2, 10)},
      {Rgb(1, 2, 10), Rgb(2, 3, 20), 0, Rgb(2, 3, 20)},
      {Rgb(200, 0, 0), Rgb(0, 0, 100), 25, Rgb(50, 0, 75)},
      {kColorNotSet, Rgb(2, 3, 20), 50, Rgb(2, 3, 20)},
      {Rgb(1, 2, 10), kColorNotSet, 50, Rgb(1, 2, 10)},
      {fw::clWhite, fw::clBlack, 50, Rgb(128, 128, 128)},  // 127.5 -> 128
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BlendColors(c.c1, c.c2, c.percent), c.expected) << std::hex << c.c1 << " " << c.c2 << " " << c.percent;
  }
  EXPECT_EQ(MixSelectionColor(Rgb(1, 2, 10), Rgb(2, 3, 20), false, 50), Rgb(1, 2, 10));
}

TEST_F(CellDrawingTest, BandsColourOnlyNormalRowsByTheirLengths) {
  DrawingGrid* grid = MakeGrid();
  const fw::TColor primary = Rgb(0, 0, 0xAA), secondary = Rgb(0, 0xAA, 0);
  grid->Bands()->SetPrimaryColor(primary);
  grid->Bands()->SetSecondaryColor(secondary);
  grid->Bands()->SetPrimaryLength(2);
  grid->Bands()->SetSecondaryLength(1);
  grid->Bands()->SetActive(true);
  const struct {
    int col, row;
    fw::TColor expected;
  } cases[] = {
      {2, 1, primary}, {2, 2, primary}, {2, 3, secondary}, {2, 4, primary}, {4, 5, primary}, {3, 6, secondary},
      {2, 0, 0xFFFFFF},  // the fixed row: the look's gradient
      {0, 3, 0xFFFFFF},  // the fixed column
  };
  for (const auto& c : cases) EXPECT_EQ(grid->Resolve(c.col, c.row).brush, c.expected) << c.col << "," << c.row;

  grid->Bands()->SetPrimaryLength(1);
  EXPECT_EQ(grid->Resolve(2, 1).brush, primary);
  EXPECT_EQ(grid->Resolve(2, 2).brush, secondary);
  EXPECT_EQ(grid->Resolve(2, 3).brush, primary);
  grid->Bands()->SetPrimaryLength(0);
  grid->Bands()->SetSecondaryLength(0);
  EXPECT_EQ(grid->Resolve(2, 3).brush, grid->Color());  // no period, no bands
}

TEST_F(CellDrawingTest, FixedCellsTakeTheFixedFontAndTheLooksGradientUnlessTheyHaveAColour) {
  DrawingGrid* grid = MakeGrid();
  for (const auto& [col, row] : {std::pair{2, 0}, {0, 4}}) {
    const DrawingGrid::Resolved fixed = grid->Resolve(col, row);
    EXPECT_EQ(fixed.brush, static_cast<fw::TColor>(0xFFFFFF));
    EXPECT_EQ(fixed.colorTo, static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)));
    EXPECT_EQ(fixed.colorMirror, kColorNotSet);
    EXPECT_EQ(fixed.colorMirrorTo, kColorNotSet);
    EXPECT_EQ(fixed.fontName, "Tahoma");
    EXPECT_TRUE(fixed.fontStyle.Contains(fw::fsBold));
    EXPECT_TRUE(fixed.state.Contains(fw::gdFixed));
  }
  const DrawingGrid::Resolved normal = grid->Resolve(2, 2);
  EXPECT_EQ(normal.brush, grid->Color());
  EXPECT_FALSE(normal.state.Contains(fw::gdFixed));

  grid->GetCellProperties(2, 0)->SetBrushColor(Rgb(9, 9, 9));
  const DrawingGrid::Resolved coloured = grid->Resolve(2, 0);
  EXPECT_EQ(coloured.brush, Rgb(9, 9, 9));
  EXPECT_FALSE(coloured.state.Contains(fw::gdFixed));
}

TEST_F(CellDrawingTest, SelectionTakesTheSelectionColourOrMixesItIntoTheBand) {
  DrawingGrid* grid = MakeGrid();
  const fw::TColor band = Rgb(2, 3, 20), selection = Rgb(1, 2, 10);
  grid->SetSelectionColor(selection);
  grid->SelectionColorTo = Rgb(7, 7, 7);
  grid->SelectionTextColor = Rgb(0, 0, 0xFF);
  grid->Bands()->SetPrimaryColor(band);
  grid->Bands()->SetSecondaryColor(band);
  grid->Bands()->SetActive(true);
  grid->SetCol(2);
  grid->SetRow(3);
  const struct {
    bool mixer;
    int factor;
    fw::TColor expected;
  } cases[] = {
      {false, 50, selection}, {true, 50, Rgb(2, 2, 15)}, {true, 100, selection}, {true, 0, band},
  };
  for (const auto& c : cases) {
    grid->SelectionColorMixer = c.mixer;
    grid->SelectionColorMixerFactor = c.factor;
    const DrawingGrid::Resolved cell = grid->Resolve(2, 3);
    EXPECT_EQ(cell.brush, c.expected) << c.mixer << " " << c.factor;
    EXPECT_TRUE(cell.state.Contains(fw::gdSelected));
    EXPECT_EQ(cell.colorTo, Rgb(7, 7, 7));
    EXPECT_EQ(cell.fontColor, Rgb(0, 0, 0xFF));
  }
  EXPECT_EQ(grid->Resolve(2, 4).brush, band);

  // A cell in the grid's own colour is never mixed.
  grid->Bands()->SetActive(false);
  grid->SelectionColorMixer = true;
  grid->SelectionColorMixerFactor = 50;
  EXPECT_EQ(grid->Resolve(2, 3).brush, selection);
  // Nor drawn selected without ShowSelection.
  grid->ShowSelection = false;
  EXPECT_EQ(grid->Resolve(2, 3).brush, grid->Color());
}

TEST_F(CellDrawingTest, ACellsOwnColourWinsOverTheBandsButNotOverTheSelection) {
  DrawingGrid* grid = MakeGrid();
  grid->Bands()->SetPrimaryColor(Rgb(0, 0, 0xAA));
  grid->Bands()->SetSecondaryColor(Rgb(0, 0, 0xAA));
  grid->Bands()->SetActive(true);
  grid->GetCellProperties(3, 4)->SetBrushColor(Rgb(0, 0xC0, 0));
  grid->SetCol(1);
  grid->SetRow(1);
  EXPECT_EQ(grid->Resolve(3, 4).brush, Rgb(0, 0xC0, 0));
  grid->SetCol(3);
  grid->SetRow(4);
  EXPECT_EQ(grid->Resolve(3, 4).brush, grid->SelectionColor());
}

TEST_F(CellDrawingTest, CellFontSettingsThenTheDisabledColour) {
  DrawingGrid* grid = MakeGrid();
  TCellProperties* props = grid->GetCellProperties(2, 2);
  props->FontColor = Rgb(0x80, 0, 0);
  props->FontSize = 15;
  props->FontName = "Courier New";
  props->FontStyle = fw::TFontStyles{fw::fsItalic};
  DrawingGrid::Resolved cell = grid->Resolve(2, 2);
  EXPECT_EQ(cell.fontColor, Rgb(0x80, 0, 0));
  EXPECT_EQ(cell.fontSize, 15);
  EXPECT_EQ(cell.fontName, "Courier New");
  EXPECT_EQ(cell.fontStyle, fw::TFontStyles{fw::fsItalic});

  grid->SetEnabled(false);
  EXPECT_EQ(grid->Resolve(2, 2).fontColor, grid->DisabledFontColor);
  EXPECT_EQ(grid->Resolve(2, 0).fontColor, grid->DisabledFontColor);
}

TEST_F(CellDrawingTest, TheGradientEventHasTheLastWordEvenForFixedCells) {
  DrawingGrid* grid = MakeGrid();
  std::vector<std::pair<int, int>> asked;
  grid->OnGetCellGradient = [&](fw::TObject* sender, int row, int col, fw::TColor& color, fw::TColor& colorTo,
                                fw::TColor& mirror, fw::TColor& mirrorTo, TCellGradientDirection& direction) {
    EXPECT_EQ(sender, grid);
    asked.emplace_back(col, row);
    if (row == 0) {
      EXPECT_EQ(color, static_cast<fw::TColor>(0xFFFFFF));  // the look's gradient comes in
      color = Rgb(0x12, 0x34, 0x56);
      colorTo = Rgb(1, 1, 1);
      mirror = Rgb(2, 2, 2);
      mirrorTo = Rgb(3, 3, 3);
      direction = GradientHorizontal;
    }
  };
  const DrawingGrid::Resolved header = grid->Resolve(3, 0);
  EXPECT_EQ(header.brush, Rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(header.colorTo, Rgb(1, 1, 1));
  EXPECT_EQ(header.colorMirror, Rgb(2, 2, 2));
  EXPECT_EQ(header.colorMirrorTo, Rgb(3, 3, 3));
  EXPECT_EQ(header.direction, GradientHorizontal);
  EXPECT_EQ(grid->Resolve(3, 2).brush, grid->Color());
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, 0}, {3, 2}}));
}

// ---- Painting ---------------------------------------------------------------------------------------------

TEST_F(CellDrawingTest, AMergedAreaIsPaintedOnceFromItsBaseCellEvenWhenOnlyAnotherCellIsInvalid) {
  DrawingGrid* grid = MakeGrid();
  grid->MergeCells(1, 1, 3, 2);
  grid->GetCellProperties(1, 1)->SetBrushColor(Rgb(0, 0xC0, 0));
  grid->SetCol(4);
  grid->SetRow(6);
  const fw::TRect area = grid->CellRectEx(1, 1);
  Paint(grid);
  int baseCalls = 0;
  for (const ContentCall& c : grid->contents) {
    EXPECT_FALSE(c.row >= 1 && c.row <= 2 && c.col >= 1 && c.col <= 3 && !(c.col == 1 && c.row == 1));
    if (c.col == 1 && c.row == 1) {
      ++baseCalls;
      EXPECT_EQ(c.rect.Right, area.Right - 1);
      EXPECT_EQ(c.rect.Bottom, area.Bottom - 1);
    }
  }
  EXPECT_EQ(baseCalls, 1);
  EXPECT_EQ(Fill(grid, 3, 2), Rgb(0, 0xC0, 0));

  // Only the far cell of the area needs painting: the whole area is painted from its base, once.
  const int pass = grid->PaintPass();
  const fw::TRect cell32 = grid->CellRectFromSizes(3, 2);
  bitmap_ = std::make_unique<MemoryBitmap>(grid->Width(), grid->Height());
  grid->contents.clear();
  IntersectClipRect(bitmap_->DC(), cell32.Left, cell32.Top, cell32.Right, cell32.Bottom);
  grid->PaintTo(bitmap_->DC(), 0, 0);
  ASSERT_EQ(grid->contents.size(), 1u);
  EXPECT_EQ(grid->contents[0].col, 1);
  EXPECT_EQ(grid->contents[0].row, 1);
  EXPECT_EQ(grid->PaintPass(), pass + 1);
  EXPECT_EQ(bitmap_->Pixel(cell32.Left + 3, cell32.Top + 3), Rgb(0, 0xC0, 0));
  EXPECT_EQ(bitmap_->Pixel(area.Left + 3, area.Top + 3), static_cast<fw::TColor>(0xFFFFFF));  // clipped away
}

TEST_F(CellDrawingTest, TheReservedLastRowShowsTheGridColourOnly) {
  DrawingGrid* grid = MakeGrid();
  grid->SetColor(Rgb(0xFF, 0xFF, 0));
  grid->ReserveLastRow = true;
  grid->SetCells(2, 7, "footer");
  Paint(grid);
  const fw::TRect last = grid->CellRectEx(2, 7);
  const RECT row{0, last.Top, last.Right, last.Bottom};
  EXPECT_EQ(bitmap_->Count(row, Rgb(0xFF, 0xFF, 0)), (row.right - row.left) * (row.bottom - row.top));
  for (const ContentCall& c : grid->contents) EXPECT_NE(c.row, 7);
  EXPECT_EQ(Fill(grid, 2, 6), Rgb(0xFF, 0xFF, 0));  // the row above is a plain cell in the same colour
}

TEST_F(CellDrawingTest, GridLinesOfWidthZeroOneAndTwo) {
  const fw::TColor silver = 0xC0C0C0, grey = 0x808080;
  const struct {
    int width;
    bool normalLine;  // the right and bottom edges of a normal cell show the line colour
  } cases[] = {{0, false}, {1, true}, {2, true}};
  for (const auto& c : cases) {
    DrawingGrid* grid = MakeGrid();
    grid->SetGridLineWidth(c.width);
    grid->SetColor(Rgb(0xF0, 0xF0, 0xFF));
    Paint(grid);
    const fw::TRect r = grid->CellRectEx(2, 3);
    const int midY = (r.Top + r.Bottom) / 2, midX = (r.Left + r.Right) / 2;
    EXPECT_EQ(bitmap_->Pixel(r.Right - 1, midY) == silver, c.normalLine) << c.width;
    EXPECT_EQ(bitmap_->Pixel(midX, r.Bottom - 1) == silver, c.normalLine) << c.width;
    if (c.width == 2) {
      EXPECT_EQ(bitmap_->Pixel(r.Right - 2, midY), silver);
    }
    if (c.width == 0) {
      const RECT normal{grid->CellRectEx(1, 1).Left, grid->CellRectEx(1, 1).Top, 300, 176};
      EXPECT_EQ(bitmap_->Count(normal, silver), 0);
    }
    // Fixed cells keep their one-pixel lines.
    const fw::TRect fixed = grid->CellRectEx(0, 3);
    EXPECT_EQ(bitmap_->Pixel(fixed.Right - 1, (fixed.Top + fixed.Bottom) / 2), grey) << c.width;
    // The content lies inside the lines.
    for (const ContentCall& call : grid->contents) {
      if (call.col != 2 || call.row != 3) continue;
      EXPECT_EQ(call.rect.Left, r.Left + c.width);
      EXPECT_EQ(call.rect.Bottom, r.Bottom - c.width);
    }
    grid->Free();
  }
}

TEST_F(CellDrawingTest, HoverAndActiveRowsLeaveTheSelectionAndTheFixedColumnsAlone) {
  DrawingGrid* grid = MakeGrid();
  const fw::TColor hover = Rgb(0, 0xFF, 0xFF), active = Rgb(0xFF, 0, 0xFF);
  grid->HoverRow = true;
  grid->HoverRowIndex = 3;
  grid->HoverRowColor = hover;
  grid->SetActiveRowShow(true);
  grid->SetActiveRowColor(active);
  grid->SetCol(2);
  grid->SetRow(5);
  Paint(grid);
  EXPECT_EQ(Fill(grid, 1, 3), hover);
  EXPECT_EQ(Fill(grid, 4, 3), hover);
  EXPECT_EQ(Fill(grid, 1, 5), active);
  EXPECT_EQ(Fill(grid, 3, 5), active);
  EXPECT_EQ(Fill(grid, 2, 5), grid->SelectionColor());  // the current cell
  EXPECT_NE(Fill(grid, 0, 5), active);                  // the fixed column
  const auto window = static_cast<fw::TColor>(fw::ColorToRGB(grid->Color()));
  EXPECT_EQ(Fill(grid, 2, 4), window);

  // The current cell on the hovered row: the selection wins there, the active row elsewhere.
  grid->SetRow(3);
  Paint(grid);
  EXPECT_EQ(Fill(grid, 2, 3), grid->SelectionColor());
  EXPECT_EQ(Fill(grid, 1, 3), active);
  EXPECT_EQ(Fill(grid, 1, 5), window);
}

TEST_F(CellDrawingTest, TheThreeSelectionStylesFocusedAndNot) {
  const struct {
    int style;
    bool focusedLook;
    fw::TColor border;
  } cases[] = {
      {1, true, 0xFDDE99}, {2, true, 0xCEA27D}, {3, true, 0x8DD7D3},
      {1, false, 0xD9D9D9}, {2, false, 0xD9D9D9}, {3, false, 0xD9D9D9},
  };
  for (const auto& c : cases) {
    DrawingGrid* grid = MakeGrid();
    grid->SetSelectionStyle(c.style);
    fw::TGridOptions options = grid->Options();
    if (c.focusedLook) options.Include(fw::goDrawFocusSelected);
    grid->SetOptions(options);
    grid->SetSelection(fw::TGridRect{1, 2, 3, 2});
    grid->SetCells(2, 2, "x");
    Paint(grid);
    const fw::TRect left = grid->CellRectEx(1, 2), middle = grid->CellRectEx(2, 2), right = grid->CellRectEx(3, 2);
    // The face's top border runs through the whole selection; its rounded ends sit on the outer cells only.
    EXPECT_EQ(bitmap_->Pixel(left.Left + 5, left.Top), c.border) << c.style << c.focusedLook;
    EXPECT_EQ(bitmap_->Pixel(middle.Left, middle.Top), c.border) << c.style << c.focusedLook;
    EXPECT_EQ(bitmap_->Pixel(left.Left, left.Top), static_cast<fw::TColor>(fw::ColorToRGB(grid->Color())));
    EXPECT_EQ(bitmap_->Pixel(right.Right - 2, right.Top), static_cast<fw::TColor>(fw::ColorToRGB(grid->Color())));
    grid->Free();
  }
}

TEST_F(CellDrawingTest, DrawingEventsComeInOrderAroundTheTextWithTheirRectangles) {
  DrawingGrid* grid = MakeGrid();
  grid->SetGridLineWidth(2);
  grid->SetRowHeights(2, 40);
  grid->SetCells(2, 2, "WWW");
  const fw::TRect cell = grid->CellRectEx(2, 2);
  const auto inkNow = [&] {
    int dark = 0;
    for (int y = cell.Top + 2; y < cell.Bottom - 2; ++y) {
      for (int x = cell.Left + 2; x < cell.Right - 2; ++x) {
        const COLORREF c = fw::ColorToRGB(grid->Canvas()->Pixels(x, y));
        if (GetRValue(c) < 0x80 && GetGValue(c) < 0x80 && GetBValue(c) < 0x80) ++dark;
      }
    }
    return dark;
  };
  std::vector<std::string> order;
  grid->OnCustomCellBkgDraw = [&](fw::TObject*, fw::TCanvas*, int col, int row, fw::TGridDrawState, const fw::TRect&,
                                  bool printing) {
    if (col != 2 || row != 2) return;
    EXPECT_FALSE(printing);
    EXPECT_EQ(inkNow(), 0);
    order.push_back("background");
  };
  grid->OnDrawCell = [&](fw::TObject* sender, int col, int row, const fw::TRect& rect, fw::TGridDrawState) {
    if (col != 2 || row != 2) return;
    EXPECT_EQ(sender, grid);
    EXPECT_GT(inkNow(), 0);  // the grid's text is already there
    // The content rectangle (inside lines of 2) grown back by one, then 1 in at the top left and the line
    // width in at the bottom right.
    EXPECT_EQ(rect, (fw::TRect{cell.Left + 2, cell.Top + 2, cell.Right - 3, cell.Bottom - 3}));
    order.push_back("draw");
  };
  grid->OnCustomCellDraw = [&](fw::TObject*, fw::TCanvas* canvas, int col, int row, fw::TGridDrawState,
                               const fw::TRect& rect, bool) {
    if (col != 2 || row != 2) return;
    EXPECT_EQ(canvas, grid->Canvas());
    EXPECT_EQ(rect, (fw::TRect{cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1}));
    order.push_back("custom");
  };
  Paint(grid);
  EXPECT_EQ(order, (std::vector<std::string>{"background", "draw", "custom"}));
}

TEST_F(CellDrawingTest, TheMonitorGridsLookDefaultLookWithTheirOwnCellDrawing) {
  DrawingGrid* grid = MakeGrid();
  grid->SetCol(3);
  grid->SetRow(2);
  int drawn = 0;
  grid->OnDrawCell = [&](fw::TObject*, int, int, const fw::TRect&, fw::TGridDrawState) { ++drawn; };
  Paint(grid);
  EXPECT_EQ(drawn, 5 * 8);
  const fw::TRect header = grid->CellRectEx(2, 0);
  const int midX = (header.Left + header.Right) / 2;
  // The fixed row: white at the top towards the button face, the look's edge in the halved face colour.
  EXPECT_EQ(bitmap_->Pixel(midX, header.Top), static_cast<fw::TColor>(0xFFFFFF));
  EXPECT_NE(bitmap_->Pixel(midX, header.Bottom - 4), static_cast<fw::TColor>(0xFFFFFF));
  EXPECT_EQ(bitmap_->Pixel(midX, header.Bottom - 1), HalveColor(fw::clBtnFace));
  EXPECT_EQ(Fill(grid, 2, 2), static_cast<fw::TColor>(fw::ColorToRGB(grid->Color())));
  EXPECT_EQ(Fill(grid, 3, 2), grid->SelectionColor());
}

TEST_F(CellDrawingTest, TheFocusRectangleGoesOnceAroundAMergedCurrentCell) {
  DrawingGrid* grid = MakeGrid();
  grid->MergeCells(1, 1, 2, 2);
  grid->SetCol(1);
  grid->SetRow(1);
  Form()->Show();
  grid->SetFocus();
  ASSERT_TRUE(WaitForFocus(grid->Handle()));
  Paint(grid);
  const fw::TRect area = grid->CellRectEx(1, 1);
  const fw::TColor fill = Fill(grid, 1, 1);
  int dotted = 0;
  for (int x = area.Left + 1; x < area.Right - 2; ++x) dotted += bitmap_->Pixel(x, area.Top) != fill ? 1 : 0;
  EXPECT_GT(dotted, area.Width() / 4);
  // No edge where the area's two columns meet: the rectangle goes around the area, not around a cell.
  const int seam = grid->CellRectFromSizes(2, 1).Left - 1;
  for (int y = area.Top + 3; y < area.Bottom - 3; ++y) EXPECT_EQ(bitmap_->Pixel(seam, y), fill) << y;
}

}  // namespace
}  // namespace ui::testing
