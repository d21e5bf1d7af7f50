// The cell renderers, painted through a real grid into a memory bitmap: where a graphic is placed, the
// check boxes, radio groups, rating stars and buttons (recorded through the grid's paint probe, since
// their pixels depend on fonts and themes), the indicators at both ends of their ranges and the
// background picture and gradients (read as pixels in solid fills).
#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/stringlist.h"
#include "framework/graphics/bitmap.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/theme_library.h"
#include "ui/grid/model/grid_platform.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using fw::testing::MemoryBitmap;

struct Drawn {
  std::string what;
  fw::TRect where;
  int value;
};
std::vector<Drawn>* probeLog = nullptr;
void Record(const char* what, const fw::TRect& where, int value) {
  if (probeLog != nullptr) probeLog->push_back({what, where, value});
}

// A string grid that keeps, for each painted cell, its content rectangle and the width of the text drawn.
class RenderGrid : public TVxStringGrid {
 public:
  using TVxStringGrid::TVxStringGrid;
  using TVxStringGrid::Loaded;
  struct Painted {
    fw::TRect rect;
    int textWidth;
  };
  Painted Cell(int col, int row) { return painted_[{col, row}]; }

 protected:
  void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect,
                        fw::TGridDrawState state) override {
    TVxStringGrid::PaintCellContent(canvas, col, row, rect, state);
    painted_[{col, row}] = {rect, drawnTextWidth_};
  }

 private:
  std::map<std::pair<int, int>, Painted> painted_;
};

class CellRenderersTest : public fw::testing::StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    probeLog = &log_;
    TVxStringGrid::CellPaintProbe = Record;
  }
  void TearDown() override {
    TVxStringGrid::CellPaintProbe = nullptr;
    probeLog = nullptr;
    StdControlTest::TearDown();
  }

  // 5 columns of 60 and 8 rows of 22 pixels, one fixed row and column.
  RenderGrid* MakeGrid(int width = 320, int height = 200) {
    auto* grid = Make<RenderGrid>(fw::TRect{0, 0, width, height});
    grid->SetColCount(5);
    grid->SetRowCount(8);
    grid->SetDefaultColWidth(60);
    return grid;
  }
  MemoryBitmap& Paint(RenderGrid* grid) {
    bitmap_ = std::make_unique<MemoryBitmap>(grid->Width(), grid->Height());
    log_.clear();
    grid->PaintTo(bitmap_->DC(), 0, 0);
    return *bitmap_;
  }
  std::vector<Drawn> Logged(const std::string& prefix) const {
    std::vector<Drawn> found;
    for (const Drawn& d : log_) {
      if (d.what.rfind(prefix, 0) == 0) found.push_back(d);
    }
    return found;
  }
  TCellGraphic* Graphic(RenderGrid* grid, int col, int row, TCellType type) {
    TCellGraphic* graphic = grid->CreateCellGraphic(col, row);
    graphic->CellType = type;
    return graphic;
  }

  std::vector<Drawn> log_;
  std::unique_ptr<MemoryBitmap> bitmap_;
};

// The bounding box of the pixels of one colour inside a rectangle.
fw::TRect FindColor(const MemoryBitmap& bitmap, const fw::TRect& area, fw::TColor color) {
  fw::TRect box{area.Right, area.Bottom, area.Left, area.Top};
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      if (bitmap.Pixel(x, y) != color) continue;
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x + 1);
      box.Bottom = std::max(box.Bottom, y + 1);
    }
  }
  return box;
}

constexpr fw::TColor kRed = 0x0000FF;

// ---- Placement -------------------------------------------------------------------------------------------

TEST_F(CellRenderersTest, GraphicsArePlacedBySideAndBesideTheText) {
  RenderGrid* grid = MakeGrid();
  grid->SetDefaultRowHeight(30);
  fw::TBitmap picture;
  picture.SetSize(6, 4);
  picture.Canvas()->Brush()->SetColor(kRed);
  picture.Canvas()->FillRect(fw::TRect{0, 0, 6, 4});
  fw::TAlignment textAlign = fw::taLeftJustify;
  grid->OnGetAlignment = [&](fw::TObject*, int, int, fw::TAlignment& h, TVAlignment&) { h = textAlign; };

  enum Expect { kLeft, kRight, kCentre, kAfterTextLeft, kBeforeTextRight, kTop, kBottom, kMiddle, kUnderText };
  const struct {
    TCellHAlign h;
    TCellVAlign v;
    fw::TAlignment text;
    Expect x, y;
  } cases[] = {
      {haLeft, vaTop, fw::taLeftJustify, kLeft, kTop},
      {haRight, vaBottom, fw::taLeftJustify, kRight, kBottom},
      {haCenter, vaCenter, fw::taLeftJustify, kCentre, kMiddle},
      {haBeforeText, vaAboveText, fw::taLeftJustify, kLeft, kTop},
      {haBeforeText, vaTop, fw::taRightJustify, kBeforeTextRight, kTop},
      {haAfterText, vaUnderText, fw::taLeftJustify, kAfterTextLeft, kUnderText},
      {haAfterText, vaTop, fw::taRightJustify, kRight, kTop},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "h " << int(c.h) << " v " << int(c.v) << " text " << int(c.text));
    textAlign = c.text;
    grid->SetCells(2, 2, "Wide text");
    TCellGraphic* graphic = Graphic(grid, 2, 2, ctBitmap);
    graphic->CellContent = &picture;
    graphic->CellHAlign = c.h;
    graphic->CellVAlign = c.v;
    MemoryBitmap& bitmap = Paint(grid);
    const RenderGrid::Painted cell = grid->Cell(2, 2);
    // The graphic's area is the content rectangle (grown by 1, then shrunk by the margin less 1).
    const fw::TRect r = cell.rect;
    const int tw = cell.textWidth;
    ASSERT_GT(tw, 2);
    const fw::TRect found = FindColor(bitmap, r, kRed);
    const int xs[] = {r.Left + 1, r.Right - 7, r.Left + (r.Width() - 6) / 2, r.Left + tw, r.Right - tw - 6};
    const int ys[] = {r.Top + 1, r.Bottom - 5, r.Top + (r.Height() - 4) / 2, r.Bottom - 4};
    EXPECT_EQ(found.Left, xs[c.x]);
    EXPECT_EQ(found.Top, ys[c.y - kTop]);
    EXPECT_EQ(found.Width(), 6);
    EXPECT_EQ(found.Height(), 4);
    grid->RemoveCellGraphic(2, 2);
  }
}

// ---- Check boxes and radio groups --------------------------------------------------------------------------

struct ThemeFakes {
  ThemeFakes() : saved(ThemeLib) {
    ThemeLib.OpenThemeData = [](HWND, LPCWSTR) -> HTHEME { return reinterpret_cast<HTHEME>(1); };
    ThemeLib.DrawThemeBackground = [](HTHEME, HDC, int, int, LPCRECT, LPCRECT) -> HRESULT { return S_OK; };
    ThemeLib.CloseThemeData = [](HTHEME) -> HRESULT { return S_OK; };
  }
  ~ThemeFakes() { ThemeLib = saved; }
  TThemeLibrary saved;
};

TEST_F(CellRenderersTest, CheckBoxesDrawInEveryStyleAndThemedFallsBackWithoutVisualStyles) {
  const UINT check = DFCS_BUTTONCHECK;
  const struct {
    TControlStyle style;
    bool checked, grayed, editable, themes;
    std::string what;
    int value;
  } cases[] = {
      {TControlStyle::csClassic, true, false, true, false, "frame check", int(check | DFCS_CHECKED)},
      {TControlStyle::csClassic, false, true, true, false, "frame check", int(check | DFCS_CHECKED | DFCS_BUTTON3STATE)},
      {TControlStyle::csFlat, false, false, false, false, "frame check", int(check | DFCS_FLAT | DFCS_INACTIVE)},
      {TControlStyle::csNRV, true, false, true, false, "ASGCHK01", 0},
      {TControlStyle::csNRV, false, false, false, false, "ASGCHK04", 0},
      {TControlStyle::csWinXP, false, false, true, false, "ASGCHK06", 0},
      {TControlStyle::csWinXP, true, false, false, false, "ASGCHK07", 0},
      {TControlStyle::csVelkar, true, false, true, false, "velkar check", 1},
      {TControlStyle::csGlyph, true, false, true, false, "user glyph", 0},
      {TControlStyle::csTheme, true, false, true, false, "frame check", int(check | DFCS_CHECKED)},
      {TControlStyle::csTheme, true, false, true, true, "themed check", 5},
      {TControlStyle::csTheme, false, false, false, true, "themed check", 4},
      {TControlStyle::csTheme, false, true, true, true, "themed check", 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "style " << int(c.style) << " checked " << c.checked << " grayed "
                                      << c.grayed << " editable " << c.editable << " themes " << c.themes);
    const fw::ServiceDouble<TWindowsVersion()> version(GridWindowsVersion, [] { return TWindowsVersion{6, 1}; });
    const fw::ServiceDouble<bool()> active(GridThemeActive, [&] { return c.themes; });
    const fw::ServiceDouble<std::int32_t(const std::string&)> comctl(GetFileVersion,
                                                                     [](const std::string&) { return 0x60000; });
    ThemeFakes fakes;
    RenderGrid* grid = MakeGrid();
    grid->HandleNeeded();  // the window's creation reads whether themes are active
    EXPECT_EQ(grid->PlatformFlags().WinXP, c.themes);
    grid->ControlLook()->SetControlStyle(c.style);
    fw::TBitmap glyph;
    glyph.SetSize(12, 12);
    grid->ControlLook()->SetCheckedGlyph(&glyph);
    grid->OnCanEditCell = [&](fw::TObject*, int, int, bool& canEdit) { canEdit = c.editable; };
    TCellGraphic* graphic = Graphic(grid, 1, 1, ctCheckBox);
    graphic->CellBoolean = c.checked;
    graphic->CellAngle = c.grayed ? 1 : 0;
    Paint(grid);
    const std::vector<Drawn> drawn = Logged(c.what);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].value, c.value);
    const fw::TRect cell = grid->Cell(1, 1).rect;
    EXPECT_GE(drawn[0].where.Left, cell.Left);
    EXPECT_LE(drawn[0].where.Right, cell.Right);
    grid->Free();
  }
}

TEST_F(CellRenderersTest, RadioGroupsLayOutAcrossOrDownAndFindTheItemByTextForIndexMinusOne) {
  RenderGrid* grid = MakeGrid(400, 300);
  grid->ControlLook()->SetControlStyle(TControlStyle::csClassic);
  grid->SetDefaultColWidth(150);
  grid->SetDefaultRowHeight(70);
  fw::TStringList items;
  items.Add("one");
  items.Add("two");
  items.Add("three");
  const struct {
    bool horizontal;
    int index;
    std::string text;
    std::vector<bool> on;
  } cases[] = {
      {true, 2, "", {false, false, true}},
      {false, 0, "", {true, false, false}},
      {true, -1, "two", {false, true, false}},
      {false, -1, "none of them", {false, false, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.horizontal ? "across" : "down") << " index " << c.index);
    grid->SetCells(1, 1, c.text);
    TCellGraphic* graphic = Graphic(grid, 1, 1, ctRadio);
    graphic->CellContent = &items;
    graphic->CellBoolean = c.horizontal;
    graphic->CellIndex = c.index;
    Paint(grid);
    const std::vector<Drawn> buttons = Logged("frame radio");
    ASSERT_EQ(buttons.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ((buttons[i].value & DFCS_CHECKED) != 0, c.on[i]) << "item " << i;
      if (i == 0) continue;
      if (c.horizontal) {
        EXPECT_GT(buttons[i].where.Left, buttons[i - 1].where.Right);
        EXPECT_EQ(buttons[i].where.Top, buttons[i - 1].where.Top);
      } else {
        EXPECT_EQ(buttons[i].where.Left, buttons[i - 1].where.Left);
        EXPECT_GT(buttons[i].where.Top, buttons[i - 1].where.Top);
      }
    }
    grid->RemoveCellGraphic(1, 1);
  }
}

// ---- Ratings and buttons -----------------------------------------------------------------------------------

TEST_F(CellRenderersTest, RatingCutsItsValueDownToHalves) {
  RenderGrid* grid = MakeGrid();
  grid->SetDefaultColWidth(110);
  const struct {
    const char* value;
    std::vector<std::string> stars;
  } cases[] = {
      {"2.3", {"star full", "star full", "star empty", "star empty", "star empty"}},
      {"2.7", {"star full", "star full", "star empty", "star half", "star empty", "star empty"}},
      {"0", {"star empty", "star empty", "star empty", "star empty", "star empty"}},
      {"5", {"star full", "star full", "star full", "star full", "star full"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    grid->SetCells(1, 1, c.value);
    TCellGraphic* graphic = Graphic(grid, 1, 1, ctRating);
    graphic->CellAngle = 5;
    Paint(grid);
    std::vector<std::string> stars;
    for (const Drawn& d : Logged("star")) stars.push_back(d.what);
    EXPECT_EQ(stars, c.stars);
    const std::vector<Drawn> drawn = Logged("star");
    EXPECT_EQ(drawn.back().where.Left - drawn.front().where.Left, 4 * 18);
    grid->RemoveCellGraphic(1, 1);
  }
}

TEST_F(CellRenderersTest, ButtonsShowTheirStateAndTheExpandButtonItsChevron) {
  RenderGrid* grid = MakeGrid();
  bool editable = true;
  grid->OnCanEditCell = [&](fw::TObject*, int, int, bool& canEdit) { canEdit = editable; };
  const struct {
    TCellType type;
    bool pressed, editable, noDisabledLook;
    int state;
  } cases[] = {
      {ctButton, false, true, false, 0}, {ctButton, true, true, false, 2},   {ctButton, false, false, false, 3},
      {ctButton, false, false, true, 0}, {ctExpand, false, false, false, 0}, {ctBitButton, true, false, false, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << int(c.type) << " pressed " << c.pressed << " editable "
                                      << c.editable);
    editable = c.editable;
    grid->ControlLook()->SetNoDisabledButtonLook(c.noDisabledLook);
    TCellGraphic* graphic = Graphic(grid, 2, 3, c.type);
    graphic->CellIndex = 40 | (16 << 16);
    graphic->CellBoolean = c.pressed;
    graphic->CellText = "Go";
    Paint(grid);
    const std::vector<Drawn> faces = Logged("button");
    ASSERT_EQ(faces.size(), 1u);
    EXPECT_EQ(faces[0].value, c.state);
    // The face's offset in the cell is kept for hit testing.
    const fw::TRect cell = grid->Cell(2, 3).rect;
    const int offset = static_cast<int>(graphic->CellValue);
    EXPECT_EQ(offset & 0xFFFF, faces[0].where.Left - (cell.Left - 1));
    EXPECT_EQ(offset >> 16, faces[0].where.Top - (cell.Top - 1));
    grid->RemoveCellGraphic(2, 3);
  }

  for (bool expanded : {false, true}) {
    TCellGraphic* graphic = Graphic(grid, 2, 3, ctExpand);
    graphic->CellVariantValue = expanded;
    Paint(grid);
    EXPECT_EQ(Logged("chevron").size(), 1u);
    EXPECT_EQ(Logged(expanded ? "chevron up" : "chevron down").size(), 1u);
    const fw::TRect face = Logged("button")[0].where;
    EXPECT_EQ(face.Width(), 13);
    EXPECT_EQ(face.Height(), 13);
    EXPECT_EQ(face.Right, grid->Cell(2, 3).rect.Right);  // at the cell's top-right
    grid->RemoveCellGraphic(2, 3);
  }
}

// ---- Indicators ------------------------------------------------------------------------------------------

TEST_F(CellRenderersTest, IndicatorsAtBothEndsOfTheirRanges) {
  RenderGrid* grid = MakeGrid();
  grid->SetDefaultColWidth(80);
  grid->ControlLook()->SetProgressMarginX(0);
  grid->ControlLook()->SetProgressMarginY(0);
  grid->ProgressAppearance()->SetShowGradient(false);
  constexpr fw::TColor kDone = 0x00C000;
  constexpr fw::TColor kRest = 0xC0C0C0;
  constexpr fw::TColor kNegative = 0x0000C0;
  constexpr fw::TColor kPositive = 0xC00000;
  const auto window = static_cast<fw::TColor>(fw::ColorToRGB(fw::clWindow));
  const struct {
    TCellType type;
    const char* value;
    bool leftPart;  // where the pixel is read: a quarter in from the left, or from the right
    fw::TColor expected;
  } cases[] = {
      {ctProgress, "0", true, kRest},        {ctProgress, "100", true, kDone},   {ctProgress, "100", false, kDone},
      {ctXPProgress, "0", true, window},     {ctXPProgress, "100", true, fw::clRed},
      {ctRangeIndicator, "-10", true, kNegative}, {ctRangeIndicator, "-10", false, window},
      {ctRangeIndicator, "10", false, kPositive}, {ctRangeIndicator, "10", true, window},
      {ctProgressPie, "", true, window},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "type " << int(c.type) << " value " << c.value);
    grid->SetCells(2, 2, c.value);
    TCellGraphic* graphic = Graphic(grid, 2, 2, c.type);
    graphic->CellContent = TCellContent::Color(c.type == ctRangeIndicator ? kNegative : kDone);
    graphic->CellIconContent = TCellContent::Color(c.type == ctRangeIndicator ? kPositive : kRest);
    graphic->CellErrFrom = 0;
    graphic->CellErrLen = 100;
    graphic->CellIndex = 10;  // the range indicator's range
    MemoryBitmap& bitmap = Paint(grid);
    const fw::TRect r = grid->Cell(2, 2).rect;
    const int x = c.leftPart ? r.Left + r.Width() / 4 : r.Right - r.Width() / 4;
    EXPECT_EQ(bitmap.Pixel(x, r.Top + 5), c.expected);
    grid->RemoveCellGraphic(2, 2);
  }

  // A pie fills its 20-pixel disc at 100 % and leaves it empty at 0 %.
  for (int percent : {0, 100}) {
    TCellGraphic* graphic = Graphic(grid, 2, 2, ctProgressPie);
    graphic->CellContent = TCellContent::Color(kDone);
    graphic->CellAngle = percent;
    MemoryBitmap& bitmap = Paint(grid);
    const fw::TRect r = grid->Cell(2, 2).rect;
    // Placed at the top-left (left + 1, top + 1) of the content rectangle; a point inside the disc.
    EXPECT_EQ(bitmap.Pixel(r.Left + 1 + 7, r.Top + 1 + 13), percent == 0 ? window : kDone) << percent;
    grid->RemoveCellGraphic(2, 2);
  }
}

TEST_F(CellRenderersTest, CommentCornerInTheLookColourOrTheCellsOwn) {
  RenderGrid* grid = MakeGrid();
  const struct {
    fw::TColor lookColor;
    int angle;
    fw::TColor expected;
  } cases[] = {
      {kRed, static_cast<int>(kColorNotSet), kRed},
      {kRed, 0, 0x00FF00},
      {kColorNotSet, 0, static_cast<fw::TColor>(fw::ColorToRGB(fw::clWindow))},
  };
  for (const auto& c : cases) {
    grid->ControlLook()->SetCommentColor(c.lookColor);
    TCellGraphic* graphic = Graphic(grid, 3, 4, ctComment);
    graphic->CellIndex = 0x00FF00;
    graphic->CellAngle = c.angle;
    MemoryBitmap& bitmap = Paint(grid);
    const fw::TRect r = grid->Cell(3, 4).rect;
    // The received rectangle is the content rectangle grown by 1: the corner's solid middle.
    EXPECT_EQ(bitmap.Pixel(r.Right + 1 - 3, r.Top - 1 + 1), c.expected) << std::hex << c.lookColor;
    grid->RemoveCellGraphic(3, 4);
  }
}

// ---- Backgrounds ---------------------------------------------------------------------------------------------

fw::TColor PatternColor(int x, int y) { return static_cast<fw::TColor>(RGB(x * 30, y * 40, 100)); }

TEST_F(CellRenderersTest, TiledBackgroundKeepsItsPhaseAcrossColumnsRowsAndScrolling) {
  RenderGrid* grid = MakeGrid(200, 120);
  grid->SetColCount(8);
  grid->SetRowCount(12);
  grid->SetColWidths(1, 53);
  grid->SetRowHeights(1, 19);
  fw::TBitmap tile;
  tile.SetSize(7, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 7; ++x) tile.Canvas()->SetPixels(x, y, PatternColor(x, y));
  }
  grid->BackGround()->SetBitmap(&tile);

  auto check = [&](int col, int row) {
    MemoryBitmap& bitmap = Paint(grid);
    const fw::TRect r = grid->Cell(col, row).rect;
    int phaseX = 0;
    for (int c = grid->FixedCols(); c < col; ++c) phaseX += grid->ColWidths(c);
    int phaseY = 0;
    for (int w = grid->TBaseGrid::FixedRows(); w < row; ++w) phaseY += grid->RowHeights(w);
    // Tiles start one pixel left and above the content rectangle.
    const int right = std::min(r.Right, grid->ClientWidth());
    for (int dy = 2; dy < 12; dy += 3) {
      for (int dx = 2; r.Left - 1 + dx < right; dx += 5) {
        EXPECT_EQ(bitmap.Pixel(r.Left - 1 + dx, r.Top - 1 + dy), PatternColor((phaseX + dx) % 7, (phaseY + dy) % 5))
            << col << "," << row << " at " << dx << "," << dy;
      }
    }
  };
  check(2, 2);
  check(3, 4);
  grid->SetLeftCol(2);
  grid->SetTopRow(3);
  check(3, 4);  // scrolled: the phase still comes from the columns and rows before the cell
}

TEST_F(CellRenderersTest, GradientBackgroundInCellsAndInTheEmptyClientArea) {
  for (TBackGroundDisplay display : {bdGradientHorz, bdGradientVert}) {
    SCOPED_TRACE(display == bdGradientHorz ? "across" : "down");
    RenderGrid* grid = MakeGrid(320, 240);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    TBackGround* back = grid->BackGround();
    back->SetDisplay(display);
    back->SetColor(fw::clBlack);
    back->SetColorTo(fw::clWhite);
    back->SetCells(bcNormal);
    MemoryBitmap& bitmap = Paint(grid);
    const bool across = display == bdGradientHorz;

    // Inside a normal cell: a 128-band gradient between the colours the grid-wide gradient has at the
    // cell's edges, over the cell grown to its lines.
    const fw::TRect r = grid->Cell(2, 2).rect;
    const fw::TRect area{r.Left - 1, r.Top - grid->GridLineWidth(), r.Right, r.Bottom + grid->GridLineWidth() - 1};
    const int extent = across ? grid->ClientWidth() : grid->ClientHeight();
    const fw::TColor from = ColorAtPosition(fw::clBlack, fw::clWhite, 0, extent, across ? area.Left : area.Top);
    const fw::TColor to = ColorAtPosition(fw::clBlack, fw::clWhite, 0, extent, across ? area.Right : area.Bottom);
    ASSERT_NE(from, to);
    MemoryBitmap cellExpected(grid->Width(), grid->Height());
    {
      fw::TCanvas canvas;
      canvas.SetHandle(cellExpected.DC());
      canvas.Brush()->SetColor(to);
      canvas.FillRect(area);
      ui::dropdown::DrawStepGradient(&canvas, from, to, across, area, 128);
      canvas.SetHandle(nullptr);
    }
    for (const fw::TPoint p : {fw::TPoint{area.Left + 1, area.Top + 2}, fw::TPoint{area.Right - 2, area.Bottom - 2},
                               fw::TPoint{(area.Left + area.Right) / 2, (area.Top + area.Bottom) / 2}}) {
      EXPECT_EQ(bitmap.Pixel(p.X, p.Y), cellExpected.Pixel(p.X, p.Y)) << p.X << "," << p.Y;
    }
    // A fixed cell is not covered by bcNormal.
    const fw::TRect fixed = grid->Cell(0, 2).rect;
    EXPECT_NE(bitmap.Pixel(fixed.Left + 3, fixed.Top + 3),
              ColorAtPosition(fw::clBlack, fw::clWhite, 0, extent, across ? fixed.Left : fixed.Top));

    // The empty client area: the gradient over the whole client rectangle, seen right of the last column
    // and below the last row.
    MemoryBitmap expected(grid->Width(), grid->Height());
    fw::TCanvas canvas;
    canvas.SetHandle(expected.DC());
    const fw::TRect client = grid->ClientRect();
    ui::dropdown::DrawStepGradient(&canvas, fw::clBlack, fw::clWhite, across, client, 128);
    canvas.SetHandle(nullptr);
    const fw::TRect lastCol = grid->CellRect(2, 1);
    const fw::TRect lastRow = grid->CellRect(1, 3);
    for (const fw::TPoint p : {fw::TPoint{lastCol.Right + 5, 10}, fw::TPoint{client.Right - 2, client.Bottom - 2},
                               fw::TPoint{10, lastRow.Bottom + 5}}) {
      EXPECT_EQ(bitmap.Pixel(p.X, p.Y), expected.Pixel(p.X, p.Y)) << p.X << "," << p.Y;
    }
    if (across) {
      EXPECT_NE(bitmap.Pixel(lastCol.Right + 5, 10), bitmap.Pixel(client.Right - 2, 10));
    } else {
      EXPECT_NE(bitmap.Pixel(10, lastRow.Bottom + 5), bitmap.Pixel(10, client.Bottom - 2));
    }
    grid->Free();
  }
}

TEST_F(CellRenderersTest, EmptyClientAreaShowsAFixedBitmapAndNothingForAGradientWithoutEndColour) {
  RenderGrid* grid = MakeGrid(320, 240);
  grid->SetColCount(2);
  grid->SetRowCount(3);
  fw::TBitmap picture;
  picture.SetSize(40, 30);
  picture.Canvas()->Brush()->SetColor(kRed);
  picture.Canvas()->FillRect(fw::TRect{0, 0, 40, 30});
  TBackGround* back = grid->BackGround();
  back->SetBitmap(&picture);
  back->SetDisplay(bdGradientHorz);
  back->SetLeft(250);
  back->SetTop(150);
  MemoryBitmap& bitmap = Paint(grid);
  EXPECT_EQ(FindColor(bitmap, grid->ClientRect(), kRed), (fw::TRect{250, 150, 290, 180}));

  back->SetBitmap(nullptr);
  back->SetColorTo(kColorNotSet);
  MemoryBitmap& plain = Paint(grid);
  EXPECT_EQ(plain.Pixel(300, 220), fw::clWhite);  // untouched paper
}

}  // namespace
}  // namespace ui::testing
