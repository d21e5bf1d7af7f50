// The cell text layout: alignment by its four sources in order, float formats, password masking, the
// extent a cell's content needs (expected from the grid canvas's own measuring at test time), the
// selection rectangle with its handle, and the border frame. Pixels are read only in solid areas.
#include <windows.h>

#include <cmath>
#include <memory>
#include <string>

#include "framework/controls/draw_text.h"
#include "framework/graphics/gdi_handles.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/foundation/html_engine.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using fw::testing::MemoryBitmap;

constexpr double kQuarterPi = 0.78539816339744830962;

// A grid with a rotated cell at (1, 3) at the angle the test gives.
class TextGrid : public TVxStringGrid {
 public:
  using TVxStringGrid::TVxStringGrid;
  int rotatedAngle = 0;
  TCellType GetCellType(int col, int row) override {
    return col == 1 && row == 3 ? ctRotated : TVxStringGrid::GetCellType(col, row);
  }
  TCellGraphic* GetCellGraphic(int col, int row) override {
    if (col != 1 || row != 3) return TVxStringGrid::GetCellGraphic(col, row);
    graphic_.CellType = ctRotated;
    graphic_.CellAngle = rotatedAngle;
    return &graphic_;
  }
  using TVxStringGrid::DrawBorderFrame;
  // A formula's display text, as the calculation would give it.
  std::string formulaDisplay;
  void GetCellForFilter(int col, int row, std::string& text) override {
    TVxStringGrid::GetCellForFilter(col, row, text);
    if (!text.empty() && text[0] == '=') text = formulaDisplay;
  }

 private:
  TCellGraphic graphic_;
};

class CellTextTest : public fw::testing::StdControlTest {
 protected:
  TextGrid* MakeGrid() {
    auto* grid = Make<TextGrid>(fw::TRect{0, 0, 320, 200});
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetDefaultColWidth(60);
    return grid;
  }
  static fw::TAlignment HAlign(TextGrid* grid, int col, int row) {
    return static_cast<fw::TAlignment>(grid->GetCellAlignment(col, row) & 0xFF);
  }
};

TEST_F(CellTextTest, AlignmentComesFromDefaultNumbersThePropertyAndTheEventInThatOrder) {
  TextGrid* grid = MakeGrid();
  grid->SetDefaultAlignment(fw::taCenter);
  grid->VAlignment = vtaBottom;
  grid->SetCells(1, 1, "12.5");
  grid->SetCells(1, 2, "-42");
  grid->SetCells(1, 3, "abc");
  grid->SetCells(1, 4, "=A1");
  grid->SetCells(2, 1, "7");
  EXPECT_EQ(grid->GetCellAlignment(1, 1), fw::taCenter | (vtaBottom << 8));  // without number detection

  grid->AutoNumAlign = true;
  EXPECT_EQ(HAlign(grid, 1, 1), fw::taRightJustify);
  EXPECT_EQ(HAlign(grid, 1, 2), fw::taRightJustify);
  EXPECT_EQ(HAlign(grid, 1, 3), fw::taCenter);

  // A formula follows its display text.
  grid->formulaDisplay = "abc";
  EXPECT_EQ(HAlign(grid, 1, 4), fw::taCenter);
  grid->formulaDisplay = "3.25";
  EXPECT_EQ(HAlign(grid, 1, 4), fw::taRightJustify);

  // The cell's own alignment wins over the number detection, not for a formula.
  grid->GetCellProperties(2, 1)->Alignment = fw::taLeftJustify;
  EXPECT_EQ(HAlign(grid, 2, 1), fw::taLeftJustify);
  grid->GetCellProperties(1, 4)->Alignment = fw::taLeftJustify;
  EXPECT_EQ(HAlign(grid, 1, 4), fw::taRightJustify);

  // The event has the last word, vertical alignment included.
  grid->OnGetAlignment = [](fw::TObject*, int row, int col, fw::TAlignment& h, TVAlignment& v) {
    if (col == 2 && row == 1) {
      h = fw::taCenter;
      v = vtaCenter;
    }
  };
  EXPECT_EQ(grid->GetCellAlignment(2, 1), fw::taCenter | (vtaCenter << 8));
}

TEST_F(CellTextTest, FloatFormatsApplyToNumbersAndAFailingFormatLeavesTheText) {
  TextGrid* grid = MakeGrid();
  grid->SetCells(1, 1, "3.14159");
  grid->SetCells(1, 2, "42");
  grid->SetCells(1, 3, "text");
  EXPECT_EQ(grid->GetFormattedCell(1, 1), "3.14159");  // no event: as stored

  std::string format;
  bool isFloat = true;
  grid->OnGetFloatFormat = [&](fw::TObject*, int, int, bool& f, std::string& fmt) {
    EXPECT_EQ(fmt, "%.2f");  // the grid's format comes in
    f = isFloat;
    if (!format.empty()) fmt = format;
  };
  const struct {
    int row;
    std::string format;
    bool isFloat;
    std::string expected;
  } cases[] = {
      {1, "", true, "3.14"},
      {1, "%.3f", true, "3.142"},
      {2, "%.1f", true, "42.0"},
      {2, "%d", true, "42"},
      {1, "%d", true, "3.14159"},  // "d" formats the integer: 3.14159 is none, the text stays
      {1, "%.3f", false, "3.14159"},
      {3, "%.3f", true, "text"},  // not a number: the event is not asked
      {1, "%s", true, "3.14159"},  // a format that does not fit the value
  };
  for (const auto& c : cases) {
    format = c.format;
    isFloat = c.isFloat;
    EXPECT_EQ(grid->GetFormattedCell(1, c.row), c.expected) << c.row << " " << c.format;
  }
}

TEST_F(CellTextTest, APasswordCellShowsStarsAndTheStoreKeepsTheText) {
  TextGrid* grid = MakeGrid();
  grid->SetCells(2, 2, "secret");
  grid->OnIsPasswordCell = [](fw::TObject*, int row, int col, bool& password) { password = col == 2 && row == 2; };
  auto bitmap = std::make_unique<MemoryBitmap>(grid->Width(), grid->Height());
  grid->PaintTo(bitmap->DC(), 0, 0);
  EXPECT_EQ(grid->Cells(2, 2), "secret");
  // The masked cell looks exactly like a cell holding the stars.
  grid->SetCells(2, 3, "******");
  grid->PaintTo(bitmap->DC(), 0, 0);
  const fw::TRect masked = grid->CellRectEx(2, 2);
  const fw::TRect stars = grid->CellRectEx(2, 3);
  int inked = 0;
  for (int x = 1; x < masked.Width() - 1; ++x) {
    for (int y = 1; y < masked.Height() - 1; ++y) {
      const fw::TColor pixel = bitmap->Pixel(masked.Left + x, masked.Top + y);
      ASSERT_EQ(pixel, bitmap->Pixel(stars.Left + x, stars.Top + y)) << x << "," << y;
      if (pixel != bitmap->Pixel(masked.Right - 2, masked.Bottom - 2)) ++inked;
    }
  }
  EXPECT_GT(inked, 0);
}

TEST_F(CellTextTest, ExtentsOfEmptyLinesWrappedHtmlRotatedAndLinkCells) {
  TextGrid* grid = MakeGrid();
  fw::TCanvas* canvas = grid->Canvas();
  const auto measureFont = [&] { grid->ApplyCellFont(1, 1, canvas->Brush(), canvas->Font(), 1); };
  fw::TPoint size{};

  // Empty: no width, one line.
  grid->GetCellTextExtent(1, 1, size, false, false);
  measureFont();
  const int lineHeight = canvas->TextHeight("gh");
  EXPECT_EQ(size.X, 0);
  EXPECT_EQ(size.Y, lineHeight);

  grid->SetCells(1, 1, "Hello");
  grid->GetCellTextExtent(1, 1, size, false, false);
  measureFont();
  EXPECT_EQ(size.X, canvas->TextWidth("Hello"));
  EXPECT_EQ(size.Y, lineHeight);

  // Lines count only with Multilinecells.
  grid->SetCells(1, 1, "ab\r\nlonger line\r\nc");
  grid->GetCellTextExtent(1, 1, size, false, false);
  measureFont();
  EXPECT_EQ(size.X, canvas->TextWidth("ab\r\nlonger line\r\nc"));
  EXPECT_EQ(size.Y, lineHeight);
  grid->Multilinecells = true;
  grid->GetCellTextExtent(1, 1, size, false, false);
  measureFont();
  EXPECT_EQ(size.X, canvas->TextWidth("longer line"));
  EXPECT_EQ(size.Y, 3 * lineHeight);
  grid->Multilinecells = false;

  // Wrapped in the cell's width less the margins and 2 more pixels.
  const std::string longText = "one two three four five six seven";
  grid->SetCells(1, 1, longText);
  grid->GetCellTextExtent(1, 1, size, false, true);
  measureFont();
  const fw::TPoint margin = grid->CellMargin();
  const int wrapWidth = grid->ColWidths(1) - 2 * margin.X - 2;
  const fw::TSize wrapped =
      fw::MeasureCanvasText(canvas, longText, wrapWidth, DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL | DT_WORDBREAK);
  EXPECT_EQ(size.Y, wrapped.cy);
  EXPECT_GT(size.Y, lineHeight);
  // A button kept at the right wraps in 17 pixels less.
  fw::TPoint narrower{};
  grid->GetCellTextExtent(1, 1, narrower, true, true);
  EXPECT_GE(narrower.Y, size.Y);

  // HTML: the engine's measure plus 2 each way.
  grid->SetCells(1, 2, "<b>bold</b> text");
  grid->GetCellTextExtent(1, 2, size, false, false);
  THTMLTextParams params;
  params.Text = "<b>bold</b> text";
  params.Bounds = fw::TRect{margin.X, margin.Y, 65535, 65535};
  params.MeasureOnly = true;
  grid->ApplyCellFont(1, 1, canvas->Brush(), canvas->Font(), 2);
  DrawHTMLText(canvas, params);
  EXPECT_EQ(size.X, params.TextWidth + 2);
  EXPECT_EQ(size.Y, params.TextHeight + 2);

  // Links lose their protocol unless URLFull.
  grid->SetCells(1, 4, "http://example.org");
  grid->URLShow = true;
  grid->GetCellTextExtent(1, 4, size, false, false);
  measureFont();
  EXPECT_EQ(size.X, canvas->TextWidth("example.org"));
  grid->URLFull = true;
  grid->GetCellTextExtent(1, 4, size, false, false);
  EXPECT_EQ(size.X, canvas->TextWidth("http://example.org"));

  // Rotated: the turned box plus 12.
  grid->SetCells(1, 3, "Turned");
  measureFont();
  const int w = canvas->TextWidth("Turned");
  const struct {
    int angle;
    int x, y;
  } turns[] = {
      {0, w + 12, lineHeight + 12},
      {90, lineHeight + 12, w + 12},
      {45, static_cast<int>(std::trunc(std::sin(kQuarterPi) * lineHeight)) +
               static_cast<int>(std::trunc(std::cos(kQuarterPi) * w)) + 12,
       static_cast<int>(std::trunc(std::cos(kQuarterPi) * lineHeight)) +
           static_cast<int>(std::trunc(std::sin(kQuarterPi) * w)) + 12},
  };
  for (const auto& t : turns) {
    grid->rotatedAngle = t.angle;
    grid->GetCellTextExtent(1, 3, size, false, false);
    EXPECT_EQ(size.X, t.x) << t.angle;
    EXPECT_EQ(size.Y, t.y) << t.angle;
  }
}

TEST_F(CellTextTest, SelectionRectangleOutlinesTheSelectionAndTheHandleSitsAtItsCorner) {
  TextGrid* grid = MakeGrid();
  grid->SelectionRectangle = true;
  grid->SelectionResizer = true;
  grid->SetSelectionColor(0xF0F0F0);
  grid->SetSelection(fw::TGridRect{1, 1, 2, 3});
  auto bitmap = std::make_unique<MemoryBitmap>(grid->Width(), grid->Height());
  grid->PaintTo(bitmap->DC(), 0, 0);
  const int line = grid->GridLineWidth();
  const fw::TRect topLeft = grid->CellRectEx(1, 1);
  const fw::TRect bottomRight = grid->CellRectEx(2, 3);
  const fw::TRect inner = grid->CellRectEx(1, 2);
  const int midY = (inner.Top + inner.Bottom) / 2;
  // The outline's left and right sides halfway down the selection, its top, and the handle.
  EXPECT_EQ(bitmap->Pixel(topLeft.Left - line + 1, midY), fw::clBlack);
  // The painter hands the cell over without its right and bottom grid lines.
  EXPECT_EQ(bitmap->Pixel(bottomRight.Right - line - 1, midY), fw::clBlack);
  EXPECT_EQ(bitmap->Pixel((topLeft.Left + topLeft.Right) / 2, topLeft.Top - line + 1), fw::clBlack);
  EXPECT_EQ(bitmap->Pixel(bottomRight.Right - 3, bottomRight.Bottom - 3), fw::clBlack);
  // Inside the selection no outline: a cell between its edges keeps its fill.
  EXPECT_EQ(bitmap->Pixel(inner.Right - 3, midY), 0xF0F0F0);
  const fw::TRect bottomLeft = grid->CellRectEx(1, 3);
  EXPECT_NE(bitmap->Pixel(bottomLeft.Right - 3, bottomLeft.Bottom - 3), fw::clBlack);  // the handle is at the corner only
}

TEST_F(CellTextTest, BorderFrameDrawsTwoRingsForASoftLookAndNoneForStandard) {
  TextGrid* grid = MakeGrid();
  Form()->SetColor(0x00FF00);
  Form()->Show();  // the frame is read back from the screen
  ProcessMessages();
  grid->SetLook(glSoft);
  grid->SetBorderColor(0x0000FF);
  grid->DrawBorderFrame();
  const auto windowPixel = [&](int x, int y) {
    const fw::WholeWindowDC dc(grid->Handle());
    return static_cast<fw::TColor>(GetPixel(dc.Get(), x, y));
  };
  const int midX = grid->Width() / 2;
  const int midY = grid->Height() / 2;
  EXPECT_EQ(windowPixel(1, midY), 0x0000FF);
  EXPECT_EQ(windowPixel(midX, grid->Height() - 2), 0x0000FF);
  EXPECT_EQ(windowPixel(0, midY), 0x00FF00);
  EXPECT_EQ(windowPixel(grid->Width() - 1, midY), 0x00FF00);

  grid->SetLook(glStandard);
  grid->SetBorderColor(0xFF0000);
  grid->DrawBorderFrame();
  EXPECT_NE(windowPixel(1, midY), 0xFF0000);
  grid->Flat = true;
  grid->SetLook(glSoft);
  grid->DrawBorderFrame();
  EXPECT_NE(windowPixel(1, midY), 0xFF0000);  // flat grids keep the system edge
}

}  // namespace
}  // namespace ui::testing
