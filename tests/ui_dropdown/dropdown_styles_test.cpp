// The drop-down's colour presets: the pop-up, bar and button colours of every style number, the face-colour
// record, the selected-item presets, and the selected-item and gradient painters on a memory bitmap.
#include <gtest/gtest.h>

#include <vector>

#include "framework/graphics/canvas.h"
#include "tests/ui_dropdown/dropdown_test_support.h"

namespace ui::testing {
namespace {

using DropDownStylesTest = DropDownTest;

constexpr fw::TColor kMarker = fw::clFuchsia;  // a pop-up border colour no preset uses

// Draws on a memory bitmap through a framework canvas for the scope's life.
class BitmapCanvas {
 public:
  BitmapCanvas(int width, int height) : bitmap_(width, height) { canvas_.SetHandle(bitmap_.DC()); }
  ~BitmapCanvas() { canvas_.SetHandle(nullptr); }
  fw::TCanvas* Canvas() { return &canvas_; }
  fw::TColor Pixel(int x, int y) const { return bitmap_.Pixel(x, y); }

 private:
  MemoryBitmap bitmap_;
  fw::TCanvas canvas_;
};

TEST_F(DropDownStylesTest, ANewDropDownHasStyleFourAndSelectionStyleOne) {
  auto* d = MakeDropDown();
  EXPECT_EQ(d->DropDownColor(), 0xF3E5DA);
  EXPECT_EQ(d->DropDownColorTo(), 0xF0DED0);
  EXPECT_EQ(d->DropDownBorderColor(), fw::clNone);
  EXPECT_EQ(d->DropDownHeader()->Color(), 0xFFEFE3);
  EXPECT_EQ(d->DropDownFooter()->ColorTo(), 0xFFD2AF);
  EXPECT_EQ(d->DropDownHeader()->Font()->Color(), 0x723708);
  EXPECT_EQ(d->ButtonAppearance()->ColorTo(), 0xFFDDC4);
  EXPECT_EQ(d->ButtonAppearance()->ColorHot(), 0xEBFDFF);
  EXPECT_EQ(d->SelectionColorStyle(), 1);
  EXPECT_EQ(d->SelectionColor(), 0xD7FFFD);
  EXPECT_EQ(d->SelectionColorTo(), 0x58D4FC);
}

struct StyleCase {
  int style;
  // Pop-up: colour, end colour, border (kMarker: left as it was).
  fw::TColor color, colorTo, border;
  // Bars: header colour and end colour, footer colour and end colour, font, header and footer border.
  fw::TColor headerColor, headerColorTo, footerColor, footerColorTo, font, headerBorder, footerBorder;
  // Button: colour, end colour, border, hot colour, hot end colour, down colour, down end colour, checked border.
  fw::TColor button, buttonTo, buttonBorder, hot, hotTo, down, downTo, checkedBorder;
};

TEST_F(DropDownStylesTest, EveryStyleColoursThePopupTheBarsAndTheButtons) {
  constexpr fw::TColor none = fw::clNone;
  constexpr fw::TColor black = fw::clBlack;
  constexpr fw::TColor face = fw::clBtnFace;
  const std::vector<StyleCase> cases{
      {0, 0xFFFFFF, none, kMarker, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D, black, black, 0x962D00,
       0xFCE1CB, 0xE0A57D, none, 0xEBFDFF, 0xACECFF, 0xAAD9FF, 0x6EBBFF, 0x45667B},
      {1, 0xFFFFFF, none, kMarker, 0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698, black, 0x947C7C, 0x947C7C,
       0xECE2E1, 0xB39698, none, 0xEBFDFF, 0xACECFF, 0xAAD9FF, 0x6EBBFF, 0x45667B},
      {2, 0xFFFFFF, none, none, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1, black, 0x588060, 0x588060,
       0xCFF0EA, 0x8CC0B1, none, 0xEBFDFF, 0xACECFF, 0xAAD9FF, 0x6EBBFF, 0x45667B},
      {3, 0xF2F2F2, 0xF2F2F2, none, 0x808080, 0x808080, 0x808080, 0x808080, fw::clWhite, 0x808080, 0x808080,
       0xFFFFFF, 0xC9D1D5, none, 0xD2BDB6, 0xD2BDB6, 0xB59285, 0xB59285, 0x808080},
      {4, 0xF3E5DA, 0xF0DED0, none, 0xFFEFE3, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFD2AF,
       0xFFEFE3, 0xFFDDC4, none, 0xEBFDFF, 0xACECFF, 0xAAD9FF, 0x6EBBFF, 0x45667B},
      {5, 0xFFFFFF, none, none, 0xF2F1F0, 0xC9C2BD, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0x5C534C,
       0xF2F1F0, 0xC9C2BD, none, 0xEBFDFF, 0xACECFF, 0xAAD9FF, 0x6EBBFF, 0x45667B},
      {6, 0xFFFFFF, none, kMarker, 0xFFFFFF, face, 0xFFFFFF, face, black, 0x808080, 0x808080,
       0xFFFFFF, face, none, 0xEFD3C6, 0xEFD3C6, fw::clInactiveCaption, fw::clInactiveCaption, black},
      {7, 0xF5F9FA, 0xF5F9FA, none, 0xEBEEEF, 0x7E9898, 0xEBEEEF, 0x7E9898, fw::clWhite, 0x962D00, 0x962D00,
       0xFFFFFF, 0xDFEDF0, none, 0xEBFDFF, 0xACECFF, 0xAAD9FF, 0x6EBBFF, 0x45667B},
      {9, 0xF8F4F1, 0xF0E8E3, none, 0xF8F7F6, 0xE8E0DB, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0x74706F,
       0xF9F8F8, 0xE4E2DF, none, 0xEBFDFF, 0xACECFF, 0xAAD9FF, 0x6EBBFF, 0x45667B},
      // The header runs from the lighter colour, the footer back to it.
      {10, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0xFFFAF0, 0xFFFDF9, black, 0xFCF2DA, 0xFCF2DA,
       0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A},
      {11, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0xFDFBFA, 0xFDF3EB, black, 0xFBD6B8, 0xFBD6B8,
       0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFCEBDC, 0xFCDBC1, 0xCEA27D},
      {12, 0xFFFFFF, 0xFFFFFF, 0x808080, face, face, face, face, black, none, none,
       face, face, none, 0xC0C0C0, 0xC0C0C0, fw::clHighlight, fw::clHighlight, fw::clHighlight},
      {13, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xC7B29F,
       0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x8AE3FD, none, 0x6CD0FF, none, 0x4FA0CE},
      {14, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xD2CDC8,
       0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x8AE3FD, none, 0x6CD0FF, none, 0x4FA0CE},
      {15, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0x6D6D6D,
       0xBFBFBF, 0x919191, 0xD7D7D6, 0x8AE3FD, none, 0x6CD0FF, none, 0x4FA0CE},
  };
  auto* d = MakeDropDown();
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.style);
    d->SetDropDownBorderColor(kMarker);
    d->ApplyStyle(c.style);
    EXPECT_EQ(d->GetStyle(), c.style);
    EXPECT_EQ(d->DropDownColor(), c.color);
    EXPECT_EQ(d->DropDownColorTo(), c.colorTo);
    EXPECT_EQ(d->DropDownBorderColor(), c.border);
    EXPECT_EQ(d->DropDownHeader()->Color(), c.headerColor);
    EXPECT_EQ(d->DropDownHeader()->ColorTo(), c.headerColorTo);
    EXPECT_EQ(d->DropDownFooter()->Color(), c.footerColor);
    EXPECT_EQ(d->DropDownFooter()->ColorTo(), c.footerColorTo);
    EXPECT_EQ(d->DropDownHeader()->Font()->Color(), c.font);
    EXPECT_EQ(d->DropDownFooter()->Font()->Color(), c.font);
    EXPECT_EQ(d->DropDownHeader()->BorderColor(), c.headerBorder);
    EXPECT_EQ(d->DropDownFooter()->BorderColor(), c.footerBorder);
    TVxButtonAppearance* b = d->ButtonAppearance();
    EXPECT_EQ(b->Color(), c.button);
    EXPECT_EQ(b->ColorTo(), c.buttonTo);
    EXPECT_EQ(b->BorderColor(), c.buttonBorder);
    EXPECT_EQ(b->ColorHot(), c.hot);
    EXPECT_EQ(b->ColorHotTo(), c.hotTo);
    EXPECT_EQ(b->ColorDown(), c.down);
    EXPECT_EQ(b->ColorDownTo(), c.downTo);
    EXPECT_EQ(b->CheckedBorderColor(), c.checkedBorder);
  }
}

TEST_F(DropDownStylesTest, StyleEightAndNumbersAboveFifteenAreOnlyStored) {
  auto* d = MakeDropDown();
  d->ApplyStyle(13);
  d->SetDropDownBorderColor(kMarker);
  bool changed = false;
  d->ButtonAppearance()->OnChange = [&](fw::TObject*) { changed = true; };
  for (const int style : {8, 16, 255}) {
    SCOPED_TRACE(style);
    d->SetComponentStyle(style);
    EXPECT_EQ(d->GetStyle(), style);
    EXPECT_EQ(d->DropDownColorTo(), 0xF1EFED);
    EXPECT_EQ(d->DropDownBorderColor(), kMarker);
    EXPECT_EQ(d->DropDownHeader()->Color(), 0xFDF6EF);
    EXPECT_EQ(d->ButtonAppearance()->ColorHot(), 0x8AE3FD);
  }
  EXPECT_FALSE(changed);
}

TEST_F(DropDownStylesTest, TheFaceColourRecordReachesTheButtonAndTheBorder) {
  auto* d = MakeDropDown();
  TControlFaceColors colors;
  colors.NormalFill = 0x111111;
  colors.NormalBorder = 0x222222;
  colors.HeaderFill = 0x333333;
  colors.DownFill = 0x444444;
  colors.HotFill = 0x555555;
  colors.HotBorder = 0x666666;
  static_cast<IControlFaceColors*>(d)->SetColors(colors);
  EXPECT_EQ(d->Button()->ButtonColor(), 0x111111);
  EXPECT_EQ(d->Button()->ButtonBorderColor(), 0x222222);
  EXPECT_EQ(d->Button()->ButtonColorDown(), 0x444444);
  EXPECT_EQ(d->Button()->ButtonColorHot(), 0x555555);
  EXPECT_EQ(d->BorderColor(), 0x222222);
  // Nothing else of the record is taken.
  EXPECT_EQ(d->DropDownHeader()->Color(), 0xFFEFE3);
}

TEST_F(DropDownStylesTest, SelectionPresetsSetTheirColoursAndOtherNumbersKeepThem) {
  struct Case {
    int style;
    fw::TColor color, colorTo;
  };
  const std::vector<Case> cases{{2, 0xFDF8F1, 0xFCEFD5}, {0, 0xFDF8F1, 0xFCEFD5}, {3, 0xFCEBDC, 0xFCDBC1},
                                {7, 0xFCEBDC, 0xFCDBC1}, {1, 0xD7FFFD, 0x58D4FC}};
  auto* d = MakeDropDown();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    d->SetSelectionColorStyle(c.style);
    EXPECT_EQ(d->SelectionColorStyle(), c.style);
    EXPECT_EQ(d->SelectionColor(), c.color);
    EXPECT_EQ(d->SelectionColorTo(), c.colorTo);
  }
}

TEST_F(DropDownStylesTest, SelectionBackgroundPerSelectionStyle) {
  constexpr fw::TColor corner = 0x010203;
  const fw::TRect r{0, 0, 40, 20};
  struct Case {
    int style;
    fw::TColor innerCorner, border, upperLine, top, lowerHalf;
  };
  // The face leaves out its bottom 2 and right 1 pixels; its inside starts 2 pixels in and, with a mirror
  // colour, its lower half (from y 9) starts again at the mirror colour.
  const std::vector<Case> cases{
      {1, 0xC3D9DF, 0x8DD7D3, 0xF4FEFF, 0xD7FFFD, 0x58D4FC},
      {2, 0xFCEDCB, 0xFDDE99, 0xFDFBF6, 0xFDF8F1, fw::clNone},
      {3, 0xE0C5AE, 0xCEA27D, 0xFDF4EB, 0xFCEBDC, fw::clNone},
  };
  auto* d = MakeDropDown();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    d->SetSelectionColorStyle(c.style);
    BitmapCanvas paper(50, 30);
    d->DrawSelectionBackground(paper.Canvas(), r, 0, corner);
    EXPECT_EQ(paper.Pixel(0, 0), corner);
    EXPECT_EQ(paper.Pixel(1, 0), c.innerCorner);
    EXPECT_EQ(paper.Pixel(10, 0), c.border);
    EXPECT_EQ(paper.Pixel(10, 1), c.upperLine);
    EXPECT_EQ(paper.Pixel(10, 2), c.top);
    if (c.lowerHalf != fw::clNone) {
      EXPECT_EQ(paper.Pixel(10, 9), c.lowerHalf);
    }
    EXPECT_EQ(paper.Pixel(39, 10), fw::clWhite);
    EXPECT_EQ(paper.Pixel(10, 19), fw::clWhite);
  }

  // Style 0 fills the whole rectangle plainly; any other number paints nothing.
  d->SetSelectionColorStyle(0);
  d->SetSelectionColor(0x00AA00);
  BitmapCanvas plain(50, 30);
  d->DrawSelectionBackground(plain.Canvas(), r, 0, corner);
  EXPECT_EQ(plain.Pixel(0, 0), 0x00AA00);
  EXPECT_EQ(plain.Pixel(39, 19), 0x00AA00);
  EXPECT_EQ(plain.Pixel(40, 20), fw::clWhite);
  d->SetSelectionColorStyle(4);
  BitmapCanvas untouched(50, 30);
  d->DrawSelectionBackground(untouched.Canvas(), r, 0, corner);
  EXPECT_EQ(untouched.Pixel(0, 0), fw::clWhite);
  EXPECT_EQ(untouched.Pixel(20, 10), fw::clWhite);
}

TEST_F(DropDownStylesTest, DrawGradientRunsAcrossOrDown) {
  auto* d = MakeDropDown();
  BitmapCanvas across(30, 30);
  d->DrawGradient(across.Canvas(), fw::clBlack, dropdown::gdHorizontal, fw::TRect{0, 0, 21, 10}, 2, fw::clWhite);
  EXPECT_EQ(across.Pixel(0, 5), fw::clBlack);
  EXPECT_EQ(across.Pixel(15, 5), 0x808080);  // the second of two bands: half way, 127.5 to even
  EXPECT_EQ(across.Pixel(15, 15), fw::clWhite);
  BitmapCanvas down(30, 30);
  d->DrawGradient(down.Canvas(), fw::clBlack, dropdown::gdVertical, fw::TRect{0, 0, 10, 21}, 2, fw::clWhite);
  EXPECT_EQ(down.Pixel(5, 0), fw::clBlack);
  EXPECT_EQ(down.Pixel(5, 15), 0x808080);
  EXPECT_EQ(down.Pixel(15, 15), fw::clWhite);
}

}  // namespace
}  // namespace ui::testing
