// W7 speed buttons: the blends, gradients and arrow they paint with, the look bitmaps and frames, the fade,
// the content layout, the setters and a button made at run time.
#include "ui/controls/w7_speed_button.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/controls/messages.h"
#include "framework/graphics/image_list.h"
#include "tests/ui_controls/styled_test_support.h"

namespace ui {
namespace {

constexpr fw::TColor kWhite = fw::clWhite;
constexpr fw::TColor kBlack = fw::clBlack;

int Grey(fw::TColor c) { return c & 0xFF; }

// A canvas over a memory bitmap filled with a colour.
struct Surface {
  Surface(int w, int h, fw::TColor fill = kWhite) : bitmap(w, h) {
    bitmap.Fill(fill);
    canvas.SetHandle(bitmap.DC());
  }
  ~Surface() { canvas.SetHandle(nullptr); }
  testing::MemoryBitmap bitmap;
  fw::TCanvas canvas;
};

TEST(W7GraphicsTest, BlendColorsWeighsTheBackgroundWithTheOpacity) {
  struct Case {
    fw::TColor color;
    fw::TColor background;
    std::uint8_t opacity;
    fw::TColor expected;
  };
  const Case cases[] = {
      {0x102030, 0xA0B0C0, 255, 0xA0B0C0},
      {0x102030, 0xA0B0C0, 0, 0x102030},
      {0x000000, 0x0000FF, 128, 0x000080},  // 255 x 128 / 255
      {0x0000FF, 0x000000, 1, 0x0000FE},    // 255 x 254 / 255
      {0x000000, 0xFFFFFF, 222, 0xDEDEDE},
  };
  for (const Case& c : cases) EXPECT_EQ(BlendColors(c.color, c.background, c.opacity), c.expected) << c.opacity;
}

TEST(W7GraphicsTest, GradientFillRectRunsFromTheFirstColourAcrossOrDown) {
  for (const int vertical : {0, 1}) {
    Surface s(64, 64);
    ASSERT_TRUE(GradientFillRect(&s.canvas, 0x000000, 0x0000FF, fw::Rect(0, 0, 64, 64), vertical));
    auto red = [&](int t) { return Grey(vertical ? s.bitmap.Pixel(10, t) : s.bitmap.Pixel(t, 10)); };
    EXPECT_EQ(red(0), 0);
    EXPECT_GE(red(63), 248);
    EXPECT_NEAR(red(32), 128, 3);
    for (int t = 1; t < 64; ++t) EXPECT_GE(red(t), red(t - 1));
    // Only red changes, and only along the gradient.
    EXPECT_EQ(s.bitmap.Pixel(vertical ? 50 : 20, vertical ? 20 : 50) & 0xFFFF00, 0);
    EXPECT_EQ(vertical ? s.bitmap.Pixel(0, 20) : s.bitmap.Pixel(20, 0), vertical ? s.bitmap.Pixel(63, 20) : s.bitmap.Pixel(20, 63));
  }
}

TEST(W7GraphicsTest, AlphaBlendGradientGradesTheOpacityRowByRow) {
  fw::TBitmap white;
  white.SetPixelFormat(fw::pf24bit);
  white.SetSize(10, 40);
  Surface ramp(1, 40, kBlack);
  GradientFillRect(&ramp.canvas, 200, 20, fw::Rect(0, 0, 1, 40), 1);
  Surface s(10, 40, kBlack);
  AlphaBlendGradient(&s.canvas, &white, 200, 20, fw::Rect(0, 0, 10, 40), 1);
  for (int y = 0; y < 40; ++y) {
    // White over black at opacity a gives grey a.
    EXPECT_NEAR(Grey(s.bitmap.Pixel(5, y)), Grey(ramp.bitmap.Pixel(0, y)), 1) << y;
  }
  EXPECT_NEAR(Grey(s.bitmap.Pixel(5, 0)), 200, 1);
  EXPECT_LT(Grey(s.bitmap.Pixel(5, 39)), 30);

  // By columns: column i of the bitmap into column i of the rectangle.
  fw::TBitmap wide;
  wide.SetPixelFormat(fw::pf24bit);
  wide.SetSize(40, 4);
  Surface columns(40, 4, kBlack);
  AlphaBlendGradient(&columns.canvas, &wide, 0, 255, fw::Rect(0, 0, 40, 4), 0);
  EXPECT_LT(Grey(columns.bitmap.Pixel(0, 2)), 8);
  EXPECT_GT(Grey(columns.bitmap.Pixel(39, 2)), 240);
}

TEST(W7GraphicsTest, PerPixelAlphaOnlyForThirtyTwoBitBitmaps) {
  // A 32-bit bitmap, transparent black but for one opaque black pixel.
  fw::TBitmap alpha;
  alpha.SetPixelFormat(fw::pf32bit);
  alpha.SetSize(4, 1);
  auto* row = static_cast<std::uint32_t*>(alpha.ScanLine(0));
  row[0] = row[1] = row[2] = 0;
  row[3] = 0xFF000000u;
  fw::TBitmap opaque;
  opaque.SetPixelFormat(fw::pf24bit);
  opaque.SetSize(4, 1);
  opaque.Canvas()->Brush()->SetColor(kBlack);
  opaque.Canvas()->FillRect(fw::Rect(0, 0, 4, 1));

  Surface s(4, 3);
  ASSERT_TRUE(AlphaBlendBitmap(&alpha, &s.canvas, fw::Rect(0, 0, 4, 1), 255, false));
  AlphaBlendBitmap(&alpha, &s.canvas, fw::Rect(0, 1, 4, 2), 255, true);
  AlphaBlendBitmap(&opaque, &s.canvas, fw::Rect(0, 2, 4, 3), 128, false);
  EXPECT_EQ(s.bitmap.Pixel(0, 0), kWhite) << "transparent pixels leave the canvas";
  EXPECT_EQ(s.bitmap.Pixel(3, 0), kBlack);
  EXPECT_EQ(s.bitmap.Pixel(0, 1), kBlack) << "alpha ignored: the constant opacity only";
  EXPECT_NEAR(Grey(s.bitmap.Pixel(0, 2)), 127, 1) << "24 bits: the constant opacity only";
}

// The arrow in black on white from (5, 5): '#' black, 'g' BlendColors(black, white, 222), 'h' blended
// twice, '.' white.
TEST(W7GraphicsTest, TheArrowInEachDirection) {
  struct Case {
    TW7ArrowType type;
    std::vector<std::string> map;
  };
  const Case cases[] = {
      {atDown, {"g#######g", ".g#####g.", "..g###g..", "...g#g...", "....h...."}},
      {atUp, {"....h....", "...g#g...", "..g###g..", ".g#####g.", "g#######g"}},
      {atLeft, {"....g", "...g#", "..g##", ".g###", "h####", ".g###", "..g##", "...g#", "....g"}},
      {atRight, {"g....", "#g...", "##g..", "###g.", "####h", "###g.", "##g..", "#g...", "g...."}},
  };
  const fw::TColor g = BlendColors(kBlack, kWhite, 222);
  const fw::TColor h = BlendColors(kBlack, g, 222);
  for (const Case& c : cases) {
    Surface s(20, 20);
    DrawW7Arrow(&s.canvas, kBlack, 5, 5, c.type);
    int painted = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) painted += s.bitmap.Pixel(x, y) != kWhite ? 1 : 0;
    }
    int expectedPainted = 0;
    for (size_t y = 0; y < c.map.size(); ++y) {
      for (size_t x = 0; x < c.map[y].size(); ++x) {
        const char k = c.map[y][x];
        const fw::TColor expected = k == '#' ? kBlack : k == 'g' ? g : k == 'h' ? h : kWhite;
        expectedPainted += k != '.' ? 1 : 0;
        EXPECT_EQ(s.bitmap.Pixel(5 + static_cast<int>(x), 5 + static_cast<int>(y)), expected)
            << "type " << c.type << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(painted, expectedPainted) << "type " << c.type;
  }
  Surface none(20, 20);
  DrawW7Arrow(&none.canvas, kBlack, 5, 5, static_cast<TW7ArrowType>(7));
  EXPECT_EQ(none.bitmap.Count(RECT{0, 0, 20, 20}, kWhite), 400);
}

TEST(W7GraphicsTest, TheLookBitmapsFollowTheirRecipes) {
  constexpr int W = 34;
  constexpr int H = 27;
  fw::TBitmap background;
  fw::TBitmap hover;
  fw::TBitmap pressed;
  struct Probe {
    fw::TBitmap* bitmap;
    int x;
    int y;
    fw::TColor expected;
  };
  BuildW7LookBitmaps(&background, &hover, &pressed, W, H, false);
  EXPECT_EQ(hover.PixelFormat(), fw::pf24bit);
  EXPECT_EQ(hover.Width(), W);
  const Probe normal[] = {
      {&background, 17, 13, kWhite},
      {&hover, 17, 0, 0x00DBFF},     // hover frame, outer
      {&hover, 1, 0, 0x3ED5F7},      // its corner pixel
      {&hover, 1, 1, 0xF0F8FF},      // the look's own corner over the frame's
      {&hover, 17, 2, 0xE9F4FF},     // top line
      {&hover, 17, 3, 0xDFF0FF},     // upper gradient's first row
      {&hover, 2, 5, 0xDBEEFF},      // left edge, upper half
      {&hover, 2, 20, 0x8DE3FF},     // left edge, lower half
      {&hover, 2, H - 3, 0xADF5FF},
      {&hover, 10, H - 11, 0x69CFFF},  // first glow row: the base colour
      {&pressed, 17, 0, 0x289BC2},   // pressed frame
      {&pressed, 1, 0, 0x52ABCB},
      {&pressed, 1, H - 1, 0x48A9CA},
      {&pressed, 1, 1, 0x5EB3D7},
      {&pressed, W - 2, H - 2, 0x5BC3D7},
      {&pressed, 17, 1, 0x85C1E3},
      {&pressed, 17, 2, 0x8ECBEE},
      {&pressed, 17, H / 2, 0x56BBF5},
      {&pressed, 10, H - 11, 0x58BBF3},
  };
  for (const Probe& p : normal) {
    EXPECT_EQ(p.bitmap->Canvas()->Pixels(p.x, p.y), p.expected) << "normal " << p.x << "," << p.y;
  }
  // The last glow row grades from the edge colour to the centre colour at the middle.
  const fw::TColor glowEdge = hover.Canvas()->Pixels(3, H - 3);
  const fw::TColor glowMiddle = hover.Canvas()->Pixels(W / 2, H - 3);
  EXPECT_NE(glowEdge, glowMiddle);

  BuildW7LookBitmaps(&background, &hover, &pressed, W, H, true);
  const Probe flat[] = {
      {&hover, 17, 0, 0x00DBFF}, {&hover, 17, 1, 0xCAEFFF}, {&hover, 1, 10, 0xCCEFFF},
      {&hover, 17, 2, 0x77DAFF}, {&hover, 2, 10, 0x73D5FF}, {&hover, 2, 2, 0x85E5FF},
      {&hover, 17, 3, 0x67CEFF}, {&hover, 10, H - 11, 0x71D3FF}, {&pressed, 17, 1, 0x5BA7D1},
      {&pressed, 17, 2, 0x5DB5E7}, {&pressed, 10, H - 11, 0x60BBEB}, {&pressed, 17, 0, 0x289BC2},
  };
  for (const Probe& p : flat) {
    EXPECT_EQ(p.bitmap->Canvas()->Pixels(p.x, p.y), p.expected) << "flat " << p.x << "," << p.y;
  }
}

class W7SpeedButtonTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    Form()->SetColor(kWhite);
  }
  TW7SpeedButton* MakeButton(int w = 34, int h = 27) { return Make<TW7SpeedButton>(fw::Rect(10, 10, 10 + w, 10 + h)); }
  // The form painted with its graphic children; pixels read in the button's coordinates.
  struct Painted {
    testing::MemoryBitmap bitmap{400, 300};
    fw::TColor At(int x, int y) const { return bitmap.Pixel(10 + x, 10 + y); }
  };
  void Paint(Painted& p) { Form()->PaintTo(p.bitmap.DC(), 0, 0); }
  // The box of the pixels inside the button (its frame left out) that are not white.
  static RECT Content(const Painted& p, int w, int h, fw::TColor only = fw::clNone) {
    RECT box{w, h, -1, -1};
    for (int y = 3; y < h - 3; ++y) {
      for (int x = 3; x < w - 3; ++x) {
        const fw::TColor c = p.At(x, y);
        if (c == kWhite || (only != fw::clNone && c != only)) continue;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
    return box;
  }
  void Enter(TW7SpeedButton* b) { b->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(b)); }
  void Leave(TW7SpeedButton* b) { b->Perform(fw::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(b)); }
  void Down(TW7SpeedButton* b) { b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
  void Up(TW7SpeedButton* b) { b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }
};

TEST_F(W7SpeedButtonTest, EnabledAndDisabledFrames) {
  TW7SpeedButton* button = MakeButton();
  Painted enabled;
  Paint(enabled);
  EXPECT_EQ(enabled.At(17, 0), 0xAA9787);
  EXPECT_EQ(enabled.At(1, 0), 0xBBAA9B);
  EXPECT_EQ(enabled.At(0, 25), 0xBBAA9B);
  EXPECT_EQ(enabled.At(33, 1), 0xBBAA9B);
  EXPECT_EQ(enabled.At(0, 0), kWhite) << "the rounded corner shows the parent";

  button->SetEnabled(false);
  EXPECT_FALSE(button->EnabledState());
  Painted disabled;
  Paint(disabled);
  EXPECT_EQ(disabled.At(17, 0), 0xD1C2B4);
  EXPECT_EQ(disabled.At(1, 0), 0xD9CABD);
  EXPECT_EQ(disabled.At(32, 26), 0xD9CABD);
  // No inner frame; the faint white background leaves the parent's white as it is.
  EXPECT_EQ(disabled.At(17, 1), kWhite);
}

TEST_F(W7SpeedButtonTest, TheFadeOverDrivenTicks) {
  TW7SpeedButton* button = MakeButton();
  int entered = 0;
  int left = 0;
  button->OnMouseEnter = [&](fw::TObject*) { ++entered; };
  button->OnMouseLeave = [&](fw::TObject*) { ++left; };
  fw::TTimer* timer = button->FadeTimer();
  EXPECT_FALSE(timer->Enabled());

  Enter(button);
  EXPECT_EQ(entered, 1);
  EXPECT_TRUE(button->MouseInside());
  EXPECT_EQ(button->FadeAlpha(), 1);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 15u);
  button->FadeTimerTick(timer);
  EXPECT_EQ(button->FadeAlpha(), 255);
  EXPECT_FALSE(timer->Enabled());
  Painted hovered;
  Paint(hovered);
  EXPECT_EQ(hovered.At(17, 0), 0x00DBFF) << "the hover look fully shown";

  Down(button);
  EXPECT_TRUE(button->MouseDownState());
  EXPECT_EQ(button->FadeAlpha(), 0);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_TRUE(button->PressLatched());
  Painted held;
  Paint(held);
  EXPECT_EQ(held.At(17, 0), 0x289BC2) << "held inside: the pressed look, no frame over it";

  Up(button);
  EXPECT_FALSE(button->MouseDownState());
  EXPECT_EQ(button->FadeAlpha(), 1);
  EXPECT_TRUE(button->PressLatched()) << "the pressed look stays for one fade-in interval";
  EXPECT_TRUE(timer->Enabled());
  button->FadeTimerTick(timer);
  EXPECT_FALSE(button->PressLatched());
  EXPECT_EQ(button->FadeAlpha(), 255);

  Leave(button);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(button->FadeAlpha(), 254);
  EXPECT_EQ(timer->Interval(), 40u);
  EXPECT_TRUE(timer->Enabled());
  button->FadeTimerTick(timer);
  EXPECT_LE(button->FadeAlpha(), 0);
  EXPECT_FALSE(timer->Enabled());

  // A press latched when the pointer leaves ends at once.
  Enter(button);
  Down(button);
  Up(button);
  Leave(button);
  EXPECT_FALSE(button->PressLatched());
  EXPECT_EQ(button->FadeAlpha(), 254);
}

TEST_F(W7SpeedButtonTest, ADisabledButtonNeverFades) {
  TW7SpeedButton* button = MakeButton();
  button->SetEnabled(false);
  Enter(button);
  EXPECT_TRUE(button->MouseInside());
  EXPECT_FALSE(button->FadeTimer()->Enabled());
  EXPECT_EQ(button->FadeAlpha(), 0);
  Leave(button);
  EXPECT_FALSE(button->FadeTimer()->Enabled());
}

TEST_F(W7SpeedButtonTest, SettersAndTheirSideEffects) {
  TW7SpeedButton* button = MakeButton();
  EXPECT_EQ(button->ImageIndex(), -1);
  EXPECT_EQ(button->ArrowSize(), 5);
  EXPECT_EQ(button->Font()->Color(), 0x5B391E);
  EXPECT_TRUE(button->PressButtonEffect());

  button->SetFlat(true);
  button->SetLight(true);
  EXPECT_FALSE(button->Flat()) << "Light clears Flat";
  button->SetFlat(true);
  EXPECT_TRUE(button->Light()) << "but not the other way round";

  const std::pair<TW7ArrowType, int> arrows[] = {{atLeft, 9}, {atRight, 9}, {atUp, 5}, {atDown, 5}};
  for (const auto& [type, size] : arrows) {
    button->SetArrowType(type);
    EXPECT_EQ(button->ArrowSize(), size) << type;
  }
  const std::pair<TW7ButtonIconSize, int> icons[] = {{is24px, 24}, {is32px, 32}, {is48px, 48}, {is16px, 16}};
  for (const auto& [size, pixels] : icons) {
    button->SetIconSize(size);
    EXPECT_EQ(button->IconPixels(), pixels) << size;
  }
}

TEST_F(W7SpeedButtonTest, FlatWinsOverLightInPainting) {
  Form()->SetColor(kBlack);
  TW7SpeedButton* button = MakeButton();
  button->SetLight(true);
  Painted light;
  Paint(light);
  EXPECT_GT(Grey(light.At(17, 3)), 150);
  button->SetFlat(true);
  Painted flat;
  Paint(flat);
  EXPECT_NEAR(Grey(flat.At(17, 3)), 20, 2) << "white at opacity 20 over black";
}

TEST_F(W7SpeedButtonTest, CaptionImageAndArrowLayout) {
  fw::TImageList* images = fw::Create<fw::TImageList>(Form());
  fw::TBitmap square;
  square.SetSize(16, 16);
  square.Canvas()->Brush()->SetColor(fw::clRed);
  square.Canvas()->FillRect(fw::Rect(0, 0, 16, 16));
  images->Add(&square, nullptr);

  constexpr int W = 70;
  constexpr int H = 27;
  TW7SpeedButton* button = MakeButton(W, H);
  button->SetFlat(true);  // white over the white form: only the content is not white
  button->SetCaption("A caption far too wide for the button");
  button->SetImages(images);
  button->SetImageIndex(0);
  Painted cut;
  Paint(cut);
  // Image at the left margin, text after it, cut short of the right margin.
  const RECT image = Content(cut, W, H, fw::clRed);
  EXPECT_EQ(image.left, 3);
  EXPECT_EQ(image.right - image.left, 16);
  EXPECT_EQ(image.top, H / 2 - 8);
  const RECT all = Content(cut, W, H);
  EXPECT_LE(all.right, W - 3 - 1);
  EXPECT_GT(all.right, W - 3 - 12) << "the ellipsis reaches the right end";

  // An index equal to the count: no image and no room kept for it.
  button->SetImageIndex(images->Count());
  Painted noImage;
  Paint(noImage);
  EXPECT_EQ(Content(noImage, W, H, fw::clRed).right, -1);
  EXPECT_LE(Content(noImage, W, H).left, 4);

  // An arrow alone, centred; atLeft sits two pixels higher than atDown.
  button->SetImages(nullptr);
  button->SetCaption("");
  button->SetShowArrow(true);
  Painted down;
  Paint(down);
  const RECT downBox = Content(down, W, H);
  EXPECT_EQ(downBox.top, H / 2 - 2);
  EXPECT_EQ(downBox.bottom - downBox.top, 5);
  EXPECT_EQ(downBox.left, W / 2 - 7 + 5);
  button->SetArrowType(atLeft);
  Painted leftArrow;
  Paint(leftArrow);
  const RECT leftBox = Content(leftArrow, W, H);
  EXPECT_EQ(leftBox.top, downBox.top - 2);
  EXPECT_EQ(leftBox.bottom - leftBox.top, 9);
}

TEST_F(W7SpeedButtonTest, AFreedImageListIsForgotten) {
  fw::TImageList* images = fw::Create<fw::TImageList>(Form());
  TW7SpeedButton* button = MakeButton();
  button->SetImages(images);
  button->SetImageIndex(0);
  images->Free();
  EXPECT_EQ(button->Images(), nullptr);
  Painted p;
  Paint(p);  // draws from no list
  EXPECT_EQ(p.At(17, 0), 0xAA9787);
}

TEST_F(W7SpeedButtonTest, AButtonMadeAtRunTime) {
  fw::TObject* clicked = nullptr;
  TW7SpeedButton* button = MakeW7SpeedButton(Form(), "RunTimeButton", "Run", 77, [&](fw::TObject* s) { clicked = s; });
  EXPECT_EQ(button->Name(), "RunTimeButton");
  EXPECT_EQ(button->Caption(), "Run");
  EXPECT_EQ(button->Width(), 77);
  EXPECT_EQ(button->Parent(), Form());
  EXPECT_EQ(Form()->FindComponent("RunTimeButton"), button);
  Down(button);
  Up(button);
  EXPECT_EQ(clicked, button);
}

}  // namespace
}  // namespace ui
