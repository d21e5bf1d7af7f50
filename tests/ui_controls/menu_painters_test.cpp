// The menu painters on a memory bitmap: gradients and their slices, framed and mirrored rectangles,
// separator bands, background pictures and the side bar.
#include "ui/controls/menu_painters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "tests/ui_controls/menu_test_support.h"
#include "tests/ui_controls/styled_test_support.h"
#include "ui/controls/menu_util.h"

namespace ui {
namespace {

constexpr fw::TColor kWhite = fw::clWhite;
constexpr fw::TColor kBlue = fw::clBlue;
constexpr fw::TColor kGreen = fw::clLime;
constexpr fw::TColor kRed = fw::clRed;

// A canvas over a white memory bitmap.
class PaintTarget {
 public:
  PaintTarget(int width, int height) : bitmap(width, height) { canvas.SetHandle(bitmap.DC()); }
  ~PaintTarget() { canvas.SetHandle(nullptr); }
  fw::TColor Pixel(int x, int y) { return bitmap.Pixel(x, y); }

  testing::MemoryBitmap bitmap;
  fw::TCanvas canvas;
};

// A bitmap picture of one colour with a white bottom-left pixel.
void FillPicture(fw::TPicture& picture, int w, int h, fw::TColor color) {
  fw::TBitmap bitmap;
  bitmap.SetSize(w, h);
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(fw::Rect(0, 0, w, h));
  bitmap.Canvas()->SetPixels(0, h - 1, kWhite);
  picture.SetGraphic(&bitmap);
}

TEST(MenuUtilTest, CenterRectAndBitmapBounds) {
  fw::TRect r = fw::Rect(0, 0, 10, 10);
  CenterRect(r, 3, 4);
  EXPECT_EQ(r.Left, 3);
  EXPECT_EQ(r.Right, 6);
  EXPECT_EQ(r.Top, 3);
  EXPECT_EQ(r.Bottom, 7);
  r = fw::Rect(-5, 0, 0, 1);
  CenterRect(r, 2, 1);  // (-5 + 0 + 2) div 2 = -1 toward zero
  EXPECT_EQ(r.Right, -1);
  EXPECT_EQ(r.Left, -3);
  fw::TBitmap bitmap;
  bitmap.SetSize(7, 5);
  EXPECT_EQ(BitmapBounds(&bitmap).Right, 7);
  EXPECT_EQ(BitmapBounds(&bitmap).Bottom, 5);
  EXPECT_EQ(BitmapBounds(nullptr).Width(), 0);
}

TEST(MenuGradientTest, RowsAndColumnsStepByWholeDivisions) {
  for (const TGradientDirection direction : {gdVertical, gdHorizontal}) {
    PaintTarget target(20, 20);
    DrawMenuGradient(&target.canvas, fw::Rect(5, 5, 15, 15), direction, MenuRGB(100, 100, 100), fw::clBlack);
    for (int t = 0; t < 10; ++t) {
      const int x = direction == gdHorizontal ? 5 + t : 9;
      const int y = direction == gdVertical ? 5 + t : 9;
      EXPECT_EQ(target.Pixel(x, y), MenuRGB(10 * t, 10 * t, 10 * t)) << direction << " step " << t;
    }
    EXPECT_EQ(target.Pixel(4, 4), kWhite);
    EXPECT_EQ(target.Pixel(15, 15), kWhite);
  }
  // Falling channels truncate toward zero: 255 - 255 x 1 div 2 = 128.
  PaintTarget falling(1, 2);
  DrawMenuGradient(&falling.canvas, fw::Rect(0, 0, 1, 2), gdVertical, fw::clBlack, MenuRGB(255, 0, 0));
  EXPECT_EQ(falling.Pixel(0, 1), MenuRGB(128, 0, 0));
}

TEST(MenuGradientTest, AnEndColourOfNoneIsASolidFillAndAnEmptyRectangleDrawsNothing) {
  PaintTarget target(10, 10);
  DrawMenuGradient(&target.canvas, fw::Rect(0, 0, 10, 10), gdHorizontal, fw::clNone, kGreen);
  EXPECT_EQ(target.bitmap.Count(RECT{0, 0, 10, 10}, kGreen), 100);
  DrawMenuGradient(&target.canvas, fw::Rect(0, 5, 10, 5), gdVertical, kRed, kBlue);
  DrawMenuGradient(&target.canvas, fw::Rect(0, 5, 10, 4), gdHorizontal, kRed, kBlue);
  EXPECT_EQ(target.bitmap.Count(RECT{0, 0, 10, 10}, kGreen), 100);
}

TEST(MenuGradientTest, ASliceContinuesTheWholeGradient) {
  PaintTarget target(100, 20);
  DrawMenuGradientPart(&target.canvas, fw::Rect(0, 0, 100, 20), gdHorizontal, MenuRGB(200, 0, 0), fw::clBlack,
                       fw::Rect(50, 0, 60, 20));
  for (int i = 0; i < 10; ++i) EXPECT_EQ(target.Pixel(50 + i, 10), MenuRGB(100 + 2 * i, 0, 0)) << i;
  EXPECT_EQ(target.Pixel(49, 10), kWhite);
  EXPECT_EQ(target.Pixel(60, 10), kWhite);

  // Vertically, over a clip that reaches beyond the extent: only the overlap is painted.
  DrawMenuGradientPart(&target.canvas, fw::Rect(0, 0, 10, 20), gdVertical, MenuRGB(0, 200, 0), fw::clBlack,
                       fw::Rect(0, 10, 5, 40));
  EXPECT_EQ(target.Pixel(2, 10), MenuRGB(0, 100, 0));
  EXPECT_EQ(target.Pixel(2, 19), MenuRGB(0, 190, 0));
  EXPECT_EQ(target.Pixel(2, 9), kWhite);
  EXPECT_EQ(target.Pixel(5, 15), kWhite);
  // No overlap: nothing.
  DrawMenuGradientPart(&target.canvas, fw::Rect(0, 0, 10, 20), gdVertical, kRed, kRed, fw::Rect(10, 0, 20, 20));
  EXPECT_EQ(target.Pixel(10, 5), kWhite);
}

TEST(MenuGradientTest, FramedAndMirroredRectangles) {
  PaintTarget target(40, 20);
  DrawMenuGradientRect(&target.canvas, fw::Rect(0, 0, 10, 10), true, kBlue, gdVertical, fw::clNone, kGreen);
  EXPECT_EQ(target.Pixel(0, 0), kBlue);
  EXPECT_EQ(target.Pixel(9, 9), kBlue);
  EXPECT_EQ(target.Pixel(5, 5), kGreen);
  // Without the fill flag, or with a start colour of none, only the border.
  DrawMenuGradientRect(&target.canvas, fw::Rect(10, 0, 20, 10), false, kBlue, gdVertical, fw::clNone, kGreen);
  DrawMenuGradientRect(&target.canvas, fw::Rect(20, 0, 30, 10), true, kBlue, gdVertical, kGreen, fw::clNone);
  EXPECT_EQ(target.Pixel(15, 5), kWhite);
  EXPECT_EQ(target.Pixel(25, 5), kWhite);
  EXPECT_EQ(target.Pixel(20, 0), kBlue);

  // Mirror: the top half start to end, the bottom half mirror start to mirror end; no border for none.
  DrawMenuMirrorRect(&target.canvas, fw::Rect(30, 0, 40, 20), true, fw::clNone, gdVertical, fw::clNone, kRed,
                     fw::clNone, kGreen);
  EXPECT_EQ(target.Pixel(30, 0), kGreen);
  EXPECT_EQ(target.Pixel(35, 9), kGreen);
  EXPECT_EQ(target.Pixel(35, 10), kRed);
  EXPECT_EQ(target.Pixel(39, 19), kRed);
}

// Bands between C = RGB 240,0,0 and T = RGB 0,0,240, read along the band: '.' untouched, 'C', 'T', and
// the steps between them: 'a' 180,0,60; 'b' 120,0,120; 'c' 60,0,180; '?' any painted colour.
TEST(MenuBandTest, BandsPerTypeAndDirection) {
  constexpr fw::TColor c = MenuRGB(240, 0, 0);
  constexpr fw::TColor t = MenuRGB(0, 0, 240);
  struct Case {
    TGradientDirection direction;
    TGradientType type;
    int gradientWidth;
    fw::TColor end;
    const char* expected;
  };
  const Case cases[] = {
      {gdHorizontal, gtBoth, 0, t, "..CCCCCCCCCCCCCCCC.."},
      {gdHorizontal, gtLeft, 0, t, "..TTTTTTTTTTTTTTTT.."},
      {gdHorizontal, gtRight, 0, fw::clNone, "..CCCCCCCCCCCCCCCC.."},
      {gdHorizontal, gtLeft, 4, t, "..CabcTTTTTTTTTTTT.."},
      {gdHorizontal, gtRight, 4, t, "..TTTTTTTTTTTTTcba.."},
      {gdHorizontal, gtBoth, 4, t, "..TbCCCCCCCCCCCCCb.."},
      {gdHorizontal, gtBoth, 40, t, "..T???????C???????.."},
      {gdVertical, gtBoth, 2, t, "..TbCCCCCCCCCCCCCb.."},
      {gdVertical, gtLeft, 4, t, "..TTTTTTTTTTTTTcba.."},
      {gdVertical, gtRight, 4, t, "..CabcTTTTTTTTTTTT.."},
      {gdVertical, gtRight, 0, t, "..TTTTTTTTTTTTTTTT.."},
  };
  for (const Case& k : cases) {
    PaintTarget target(20, 20);
    const bool horizontal = k.direction == gdHorizontal;
    const fw::TRect band = horizontal ? fw::Rect(0, 5, 20, 8) : fw::Rect(5, 0, 8, 20);
    DrawMenuBand(&target.canvas, band, 2, k.gradientWidth, k.type, k.direction, k.end, c);
    std::string seen;
    for (int i = 0; i < 20; ++i) {
      const fw::TColor pixel = horizontal ? target.Pixel(i, 6) : target.Pixel(6, i);
      const char expected = k.expected[i];
      const char got = pixel == kWhite                    ? '.'
                       : pixel == c                       ? 'C'
                       : pixel == t                       ? 'T'
                       : pixel == MenuRGB(180, 0, 60)     ? 'a'
                       : pixel == MenuRGB(120, 0, 120)    ? 'b'
                       : pixel == MenuRGB(60, 0, 180)     ? 'c'
                                                          : '?';
      seen += expected == '?' && got != '.' ? '?' : got;
    }
    EXPECT_EQ(seen, k.expected) << (horizontal ? "horizontal" : "vertical") << " type " << k.type << " width "
                                << k.gradientWidth;
  }
}

TEST(MenuBackgroundTest, PicturePositionsWithOffsets) {
  TBackground background;
  fw::TPicture picture;
  FillPicture(picture, 4, 3, kBlue);
  background.SetImage(&picture);
  background.SetOffsetX(-2);
  background.SetOffsetY(-3);
  struct Case {
    TBackgroundPosition position;
    int x;
    int y;
  };
  const Case cases[] = {{bpTopLeft, 8, 7},      {bpTopRight, 44, 7},     {bpBottomLeft, 8, 34},
                        {bpBottomRight, 44, 34}, {bpTopCenter, 26, 7},    {bpBottomCenter, 26, 34},
                        {bpCenter, 26, 20},      {bpTiled, 10, 10},       {bpStretched, 10, 10},
                        {bpXY, 10, 10}};
  for (const Case& k : cases) {
    background.SetPosition(k.position);
    int x = 0;
    int y = 0;
    GetBackgroundImagePosition(&background, fw::Rect(10, 10, 50, 40), x, y);
    EXPECT_EQ(x, k.x) << "position " << k.position;
    EXPECT_EQ(y, k.y) << "position " << k.position;
  }
  // A picture wider than the rectangle: (3 - 4) div 2 is 0, not -1.
  background.SetPosition(bpCenter);
  int x = -1;
  int y = -1;
  GetBackgroundImagePosition(&background, fw::Rect(0, 0, 3, 3), x, y);
  EXPECT_EQ(x, -2);
  EXPECT_EQ(y, -3);
  // No picture: the rectangle's corner.
  background.SetImage(nullptr);
  background.SetPosition(bpBottomRight);
  GetBackgroundImagePosition(&background, fw::Rect(10, 10, 50, 40), x, y);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(y, 10);
}

TEST(MenuBackgroundTest, ThePictureSitsInsideTheMarginsAtItsOffsetFromTheCorner) {
  TBackground background;
  background.SetColor(kGreen);
  fw::TPicture picture;
  FillPicture(picture, 4, 3, kBlue);
  background.SetImage(&picture);
  background.SetPosition(bpBottomRight);
  background.SetOffsetX(-2);
  background.SetOffsetY(-3);
  background.SetMarginX(1);
  background.SetMarginY(2);
  PaintTarget target(50, 40);
  DrawMenuBackground(&target.canvas, fw::Rect(0, 0, 50, 40), &background, true);
  // The work area is (1, 2)-(49, 38); the picture's bottom-right pixel 2 left of and 3 above its corner.
  EXPECT_EQ(target.Pixel(0, 20), kWhite);
  EXPECT_EQ(target.Pixel(20, 1), kWhite);
  EXPECT_EQ(target.Pixel(49, 38), kWhite);
  EXPECT_EQ(target.Pixel(1, 2), kGreen);
  EXPECT_EQ(target.Pixel(48 - 2, 37 - 3), kBlue);
  EXPECT_EQ(target.Pixel(48 - 1, 37 - 3), kGreen);
  EXPECT_EQ(target.Pixel(48 - 2, 37 - 2), kGreen);
  EXPECT_EQ(target.bitmap.Count(RECT{0, 0, 50, 40}, kBlue), 4 * 3 - 1);
}

TEST(MenuBackgroundTest, AnOpaqueTiledOrStretchedPictureHidesTheGradient) {
  for (const TBackgroundPosition position : {bpTiled, bpStretched}) {
    for (const bool transparent : {false, true}) {
      TBackground background;
      background.SetColor(kGreen);
      fw::TPicture picture;
      FillPicture(picture, 2, 2, kBlue);
      background.SetImage(&picture);
      if (transparent) background.Image();  // reading the picture makes its bitmap transparent
      background.SetPosition(position);
      PaintTarget target(8, 8);
      DrawMenuBackground(&target.canvas, fw::Rect(0, 0, 8, 8), &background, true);
      const int white = target.bitmap.Count(RECT{0, 0, 8, 8}, kWhite);
      const int green = target.bitmap.Count(RECT{0, 0, 8, 8}, kGreen);
      const int blue = target.bitmap.Count(RECT{0, 0, 8, 8}, kBlue);
      const std::string what = std::string(position == bpTiled ? "tiled" : "stretched") +
                               (transparent ? ", transparent" : ", opaque");
      // A quarter of each tile (or of the stretched picture) is the white corner pixel.
      EXPECT_EQ(blue, 48) << what;
      EXPECT_EQ(white, transparent ? 0 : 16) << what;
      EXPECT_EQ(green, transparent ? 16 : 0) << what;
    }
  }
}

TEST(MenuBackgroundTest, AWorkBitmapShowsTheColourWhereNothingCoversIt) {
  TBackground background;
  background.SetColor(kGreen);
  background.SetColorTo(kRed);
  PaintTarget first(20, 20);
  DrawMenuBackground(&first.canvas, fw::Rect(0, 0, 20, 20), &background, true);
  EXPECT_EQ(first.Pixel(5, 19), MenuRGB(242, 13, 0));  // red 255 x 19 div 20, green 255 - that

  // The same background again, without its gradient and with a small picture: no trace of the earlier
  // composition remains around the picture.
  fw::TPicture picture;
  FillPicture(picture, 2, 2, kBlue);
  background.SetImage(&picture);
  PaintTarget second(20, 20);
  DrawMenuBackground(&second.canvas, fw::Rect(0, 0, 20, 20), &background, false);
  EXPECT_EQ(second.bitmap.Count(RECT{0, 0, 20, 20}, kBlue), 3);
  EXPECT_EQ(second.bitmap.Count(RECT{0, 0, 20, 20}, kGreen), 400 - 3 - 1);
}

class SideBarPaintTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    styler = fw::Create<TVxMenuStyler>(Form());
    menu = fw::Create<testing::RecordingMenu>(Form());
    menu->styler = styler;
    side = styler->SideBar();
    side->SetCaption("Trelvik");
    side->Font()->SetColor(fw::clBlack);
  }
  // The bounding box of the pixels that are neither white nor the colour left out.
  static RECT Painted(PaintTarget& target, int w, int h, fw::TColor only = fw::clNone) {
    RECT box{w, h, -1, -1};
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const fw::TColor pixel = target.Pixel(x, y);
        if (pixel == kWhite || (only != fw::clNone && pixel != only)) continue;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
    return box;
  }
  SIZE Extent() {
    fw::GdiObject<HFONT> font = CreateRotatedFont(side->Font(), 0);
    fw::MemoryDC dc;
    fw::SelectedObject selected(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), side->Caption().c_str(), static_cast<int>(side->Caption().size()), &size);
    return size;
  }

  TVxMenuStyler* styler = nullptr;
  testing::RecordingMenu* menu = nullptr;
  TSideBar* side = nullptr;
};

TEST_F(SideBarPaintTest, TheCaptionRunsUpFromTheBottomOrDownFromTheTop) {
  const SIZE extent = Extent();
  ASSERT_GT(extent.cx, extent.cy);
  const int x = static_cast<int>((side->Size() - extent.cy) / 2);
  {
    PaintTarget target(24, 200);
    DrawSideBarCaption(menu, &target.canvas, fw::Rect(0, 0, 24, 200));
    const RECT box = Painted(target, 24, 200);
    EXPECT_GT(box.bottom - box.top, 2 * (box.right - box.left)) << "turned on its side";
    // The text cell ends 6 pixels above the bottom; an italic overhang may reach a pixel or two further.
    EXPECT_NEAR(box.bottom, 200 - 6, 4);
    EXPECT_NEAR(box.top, 200 - 6 - extent.cx, 4);
    EXPECT_GE(box.left, x - 1);
    EXPECT_LE(box.right, x + extent.cy + 1);
  }
  side->SetDirection(dUpToDown);
  {
    PaintTarget target(24, 200);
    DrawSideBarCaption(menu, &target.canvas, fw::Rect(0, 0, 24, 200));
    const RECT box = Painted(target, 24, 200);
    EXPECT_GT(box.bottom - box.top, 2 * (box.right - box.left));
    EXPECT_NEAR(box.top, 6, 4);
    EXPECT_NEAR(box.bottom, 6 + extent.cx, 4);
    EXPECT_GE(box.left, x);
    EXPECT_LE(box.right, x + extent.cy + 2);
  }
  side->SetAlignment(fw::taCenter);
  {
    PaintTarget target(24, 200);
    DrawSideBarCaption(menu, &target.canvas, fw::Rect(0, 0, 24, 200));
    const RECT box = Painted(target, 24, 200);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, 100.0, extent.cx / 8.0);
  }
}

TEST_F(SideBarPaintTest, AShadowIsDrawnOnlyInItsColourAndTheDcIsLeftAsItWas) {
  PaintTarget plain(24, 200);
  DrawSideBarCaption(menu, &plain.canvas, fw::Rect(0, 0, 24, 200));
  EXPECT_EQ(plain.bitmap.Count(RECT{0, 0, 24, 200}, kRed), 0);
  EXPECT_EQ(GetBkMode(plain.bitmap.DC()), OPAQUE);
  LOGFONTA selected{};
  GetObjectA(GetCurrentObject(plain.bitmap.DC(), OBJ_FONT), sizeof(selected), &selected);
  EXPECT_EQ(selected.lfEscapement, 0) << "the turned font is taken out again";

  side->SetShadowColor(kRed);
  side->SetDepth(2);
  PaintTarget shadowed(24, 200);
  DrawSideBarCaption(menu, &shadowed.canvas, fw::Rect(0, 0, 24, 200));
  const RECT text = Painted(shadowed, 24, 200, fw::clBlack);
  const RECT shadow = Painted(shadowed, 24, 200, kRed);
  ASSERT_LT(shadow.left, shadow.right);
  EXPECT_GT(shadow.right, text.right) << "the shadow lies to the right";
  EXPECT_LT(shadow.top, text.top) << "and above";
}

TEST_F(SideBarPaintTest, TheBorderLeavesTheSplitterItsColumns) {
  side->SetSplitterWidth(2);
  side->SetSplitterColor(kBlue);
  side->SetSplitterMargin(5);
  side->SetBorderColor(kGreen);
  PaintTarget target(30, 50);
  DrawSideBarBorder(menu, &target.canvas, fw::Rect(0, 0, 30, 50));
  DrawSideBarSplitter(menu, &target.canvas, fw::Rect(0, 0, 30, 50));
  EXPECT_EQ(target.Pixel(0, 0), kGreen);
  EXPECT_EQ(target.Pixel(27, 49), kGreen);
  EXPECT_EQ(target.Pixel(14, 25), kWhite);
  EXPECT_EQ(target.bitmap.Count(RECT{28, 0, 30, 50}, kBlue), 2 * 40) << "the splitter, 5 pixels short of each end";
  EXPECT_EQ(target.Pixel(28, 4), kWhite);

  // None for either colour: nothing.
  side->SetSplitterColor(fw::clNone);
  side->SetBorderColor(fw::clNone);
  PaintTarget empty(30, 50);
  DrawSideBarBorder(menu, &empty.canvas, fw::Rect(0, 0, 30, 50));
  DrawSideBarSplitter(menu, &empty.canvas, fw::Rect(0, 0, 30, 50));
  EXPECT_EQ(empty.bitmap.Count(RECT{0, 0, 30, 50}, kWhite), 30 * 50);
}

}  // namespace
}  // namespace ui
