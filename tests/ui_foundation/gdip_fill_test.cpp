// The fill renderer: colour parts, the mirror split, shadows, borders, rounding, pictures, focus and the
// change notifications.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui_foundation/gdip_test_support.h"
#include "tests/ui_foundation/test_images.h"
#include "ui/foundation/gdip_fill.h"

namespace ui {
namespace {

using testing::ArgbSurface;
using testing::Near;

constexpr ARGB kRed = 0xFFFF0000u;
constexpr ARGB kGreen = 0xFF00FF00u;
constexpr ARGB kBlue = 0xFF0000FFu;
constexpr ARGB kYellow = 0xFFFFFF00u;

void LoadPng(TVxGDIPPicture& picture, int width, int height, ARGB colour) {
  const auto png = testing::MakePng(width, height, [colour](int, int) { return colour; });
  fw::TMemoryStream stream;
  stream.WriteBuffer(png.data(), static_cast<std::int32_t>(png.size()));
  picture.LoadFromStream(&stream);
}

TEST(GDIPFill, ColourCombinations) {
  // No colour paints nothing at all.
  {
    TGDIPFill fill;
    fill.SetColor(fw::clNone);
    ArgbSurface surface(20, 20);
    fill.Fill(&surface.Graphics(), MakeRect(0, 0, 20, 20));
    EXPECT_TRUE(surface.Untouched());
  }
  // No second colour: a solid part.
  {
    TGDIPFill fill;
    fill.SetColor(fw::clRed);
    fill.SetColorTo(fw::clNone);
    ArgbSurface surface(20, 20);
    fill.Fill(&surface.Graphics(), MakeRect(0, 0, 20, 20));
    EXPECT_EQ(400, surface.Count(0, 0, 20, 20, kRed));
  }
  // Two colours: one gradient part from top to bottom.
  {
    TGDIPFill fill;
    fill.SetColor(fw::clRed);
    fill.SetColorTo(fw::clBlue);
    ArgbSurface surface(20, 40);
    fill.Fill(&surface.Graphics(), MakeRect(0, 0, 20, 40));
    EXPECT_TRUE(Near(surface.Pixel(10, 0), kRed, 16));
    EXPECT_TRUE(Near(surface.Pixel(10, 39), kBlue, 16));
    EXPECT_TRUE(Near(surface.Pixel(10, 20), 0xFF800080u, 20));
  }
  // A mirror colour: two parts, the mirror's first row in the mirror colour.
  {
    TGDIPFill fill;
    fill.SetColor(fw::clRed);
    fill.SetColorTo(fw::clRed);
    fill.SetColorMirror(fw::clBlue);
    fill.SetColorMirrorTo(fw::clYellow);
    fill.SetGradientMirrorType(gtVertical);
    ArgbSurface surface(20, 20);
    fill.Fill(&surface.Graphics(), MakeRect(0, 0, 20, 20));
    // Height 20: main part rows 0-10, mirror part from row 9 (overlapping by two rows).
    EXPECT_EQ(20, surface.Count(0, 8, 20, 9, kRed));
    EXPECT_EQ(20, surface.Count(0, 9, 20, 10, kBlue));
    EXPECT_TRUE(Near(surface.Pixel(10, 19), kYellow, 45));
  }
  // Hatch and texture never have a mirror part.
  {
    TGDIPFill fill;
    fill.SetGradientType(gtHatch);
    fill.SetHatchStyle(HatchStyleCross);
    fill.SetColor(fw::clRed);
    fill.SetColorTo(fw::clLime);
    fill.SetColorMirror(fw::clBlue);
    ArgbSurface surface(20, 20);
    fill.Fill(&surface.Graphics(), MakeRect(0, 0, 20, 20));
    EXPECT_EQ(0, surface.Count(0, 0, 20, 20, kBlue));
    EXPECT_GT(surface.Count(0, 10, 20, 20, kRed), 0);
    EXPECT_EQ(400, surface.Count(0, 0, 20, 20, kRed) + surface.Count(0, 0, 20, 20, kGreen));
  }
  // A radial part spreads from the middle of the top edge over the base colour.
  {
    TGDIPFill fill;
    fill.SetGradientType(gtRadial);
    fill.SetColor(fw::clRed);
    fill.SetColorTo(fw::clBlue);
    ArgbSurface surface(40, 20);
    fill.Fill(&surface.Graphics(), MakeRect(0, 0, 40, 20));
    EXPECT_TRUE(Near(surface.Pixel(20, 0), kBlue, 40));
    EXPECT_TRUE(Near(surface.Pixel(0, 19), kRed, 40));
  }
}

TEST(GDIPFill, ShadowTakesItsPartOfTheRectangle) {
  struct Case {
    TShadowType type;
    int offset;
    fw::TColor colour;
    GpRectF expected;
  };
  const Case cases[] = {
      {stRightBottom, 10, fw::clGray, MakeRect(5, 5, 30, 20)},
      {stSurround, 10, fw::clBlack, MakeRect(15, 15, 20, 10)},
      {stBottom, 10, fw::clGray, MakeRect(5, 5, 40, 20)},
      {stRightBottom, 0, fw::clGray, MakeRect(5, 5, 40, 30)},
      {stSurround, 10, fw::clNone, MakeRect(5, 5, 40, 30)},
  };
  for (const Case& c : cases) {
    TGDIPFill fill;
    fill.SetShadowType(c.type);
    fill.SetShadowOffset(c.offset);
    fill.SetShadowColor(c.colour);
    ArgbSurface surface(50, 40);
    const GpRectF r = fill.Fill(&surface.Graphics(), MakeRect(5, 5, 40, 30));
    EXPECT_EQ(c.expected.X, r.X) << c.type << "/" << c.offset;
    EXPECT_EQ(c.expected.Y, r.Y);
    EXPECT_EQ(c.expected.Width, r.Width);
    EXPECT_EQ(c.expected.Height, r.Height);
  }
}

TEST(GDIPFill, ShadowShowsRightAndBelowTheFill) {
  TGDIPFill fill;
  fill.SetColor(fw::clRed);
  fill.SetColorTo(fw::clNone);
  fill.SetShadowOffset(10);
  fill.SetShadowColor(fw::clBlack);
  ArgbSurface surface(50, 50);
  fill.Fill(&surface.Graphics(), MakeRect(0, 0, 50, 50));
  EXPECT_EQ(kRed, surface.Pixel(20, 20));
  EXPECT_EQ(kRed, surface.Pixel(39, 39));
  // The shadow: black, fading in from the edge (Windows reaches 180 at a tenth of the way; Wine's GDI+
  // fades over the whole way, without the blend).
  const ARGB shadow = surface.Pixel(45, 25);
  EXPECT_GT(GetAlpha(shadow), 0);
  EXPECT_LE(GetAlpha(shadow), 180);
  EXPECT_EQ(0u, shadow & 0xFFFFFFu);
}

TEST(GDIPFill, AOnePixelHighRectangleDrawsOneBorderLine) {
  TGDIPFill fill;
  fill.SetColor(fw::clLime);
  fill.SetColorTo(fw::clNone);
  fill.SetBorderColor(fw::clRed);
  ArgbSurface surface(20, 10);
  const GpRectF r = fill.Fill(&surface.Graphics(), MakeRect(2, 5, 10, 1));
  EXPECT_EQ(0, surface.Count(0, 0, 20, 10, kGreen));
  EXPECT_GT(surface.Count(0, 4, 20, 7, kRed) + surface.Count(0, 4, 20, 7, 0), 0);
  EXPECT_GE(surface.Count(0, 0, 20, 10, 0), 200 - 12);
  EXPECT_LE(surface.Count(0, 0, 20, 10, 0), 200 - 8);
  EXPECT_EQ(1.0f, r.Height);

  // Without a border nothing is painted.
  fill.SetBorderColor(fw::clNone);
  ArgbSurface plain(20, 10);
  fill.Fill(&plain.Graphics(), MakeRect(2, 5, 10, 1));
  EXPECT_TRUE(plain.Untouched());
}

TEST(GDIPFill, RoundingZeroFillsRectanglesAndLeavesTheSmoothingMode) {
  TGDIPFill fill;
  fill.SetColor(fw::clRed);
  fill.SetColorTo(fw::clNone);
  ArgbSurface surface(20, 20);
  surface.Graphics().SetSmoothingMode(SmoothingModeHighSpeed);
  fill.Fill(&surface.Graphics(), MakeRect(0, 0, 20, 20));
  EXPECT_EQ(kRed, surface.Pixel(0, 0));
  EXPECT_EQ(kRed, surface.Pixel(19, 19));
  EXPECT_EQ(SmoothingModeHighSpeed, surface.Graphics().GetSmoothingMode());

  // A rounded fill switches anti-aliasing on for its parts only.
  fill.SetRounding(8);
  ArgbSurface rounded(20, 20);
  rounded.Graphics().SetSmoothingMode(SmoothingModeHighSpeed);
  fill.Fill(&rounded.Graphics(), MakeRect(0, 0, 20, 20));
  EXPECT_EQ(0u, rounded.Pixel(0, 0));
  EXPECT_EQ(SmoothingModeHighSpeed, rounded.Graphics().GetSmoothingMode());
}

TEST(GDIPFill, TwoRoundedPartsRoundTheTopOfTheMainAndTheBottomOfTheMirror) {
  struct Case {
    TFillRoundingType type;
    bool topLeft, bottomLeft, topRight;
  };
  const Case cases[] = {
      {rtBoth, false, false, false}, {rtTop, false, true, false},   {rtBottom, true, false, true},
      {rtNone, true, true, true},    {rtLeft, false, false, true},  {rtRight, true, true, false},
  };
  for (const Case& c : cases) {
    TGDIPFill fill;
    fill.SetColor(fw::clRed);
    fill.SetColorTo(fw::clNone);
    fill.SetColorMirror(fw::clBlue);
    fill.SetRounding(8);
    fill.SetRoundingType(c.type);
    ArgbSurface surface(40, 40);
    fill.Fill(&surface.Graphics(), MakeRect(0, 0, 40, 40));
    EXPECT_EQ(c.topLeft, surface.Pixel(0, 0) != 0) << c.type;
    EXPECT_EQ(c.bottomLeft, surface.Pixel(0, 39) != 0) << c.type;
    EXPECT_EQ(c.topRight, surface.Pixel(39, 0) != 0) << c.type;
    // Where the parts meet the sides are straight, except that left and right rounding stay on both parts.
    const bool straight = c.type != rtLeft;
    EXPECT_EQ(straight, surface.Pixel(0, 19) != 0) << c.type;
    EXPECT_EQ(straight, surface.Pixel(0, 21) != 0) << c.type;
  }
}

TEST(GDIPFill, PicturesArePlacedByPosition) {
  struct Case {
    TFillPicturePosition position;
    int x, y;  // top-left of the 4 x 4 picture
  };
  // R = (10, 10, 30, 20): Right 40, Bottom 30.
  const Case cases[] = {
      {ppTopLeft, 10, 10},      {ppTopCenter, 23, 10},    {ppTopRight, 36, 10},    {ppBottomLeft, 10, 26},
      {ppBottomCenter, 23, 26}, {ppBottomRight, 36, 26},  {ppCenterLeft, 10, 18},  {ppCenterCenter, 23, 18},
      {ppCenterRight, 36, 18},  {ppCustom, 2, 3},
  };
  for (const Case& c : cases) {
    TGDIPFill fill;
    fill.SetColor(fw::clNone);
    LoadPng(*fill.Picture(), 4, 4, kGreen);
    fill.SetPicturePosition(c.position);
    fill.SetPictureLeft(2);
    fill.SetPictureTop(3);
    ArgbSurface surface(50, 40);
    fill.Fill(&surface.Graphics(), MakeRect(10, 10, 30, 20));
    EXPECT_EQ(kGreen, surface.Pixel(c.x + 1, c.y + 1)) << c.position;
    EXPECT_EQ(kGreen, surface.Pixel(c.x + 2, c.y + 2)) << c.position;
    EXPECT_EQ(0u, surface.Pixel(c.x + 5, c.y + 1)) << c.position;
  }
  // Custom size and stretching.
  TGDIPFill fill;
  fill.SetColor(fw::clNone);
  LoadPng(*fill.Picture(), 4, 4, kGreen);
  fill.SetPictureSize(psCustom);
  fill.SetPictureWidth(12);
  fill.SetPictureHeight(8);
  ArgbSurface custom(50, 40);
  fill.Fill(&custom.Graphics(), MakeRect(10, 10, 30, 20));
  EXPECT_EQ(kGreen, custom.Pixel(16, 14));
  EXPECT_EQ(0u, custom.Pixel(24, 14));
  fill.SetPicturePosition(ppStretched);
  ArgbSurface stretched(50, 40);
  fill.Fill(&stretched.Graphics(), MakeRect(10, 10, 30, 20));
  EXPECT_EQ(kGreen, stretched.Pixel(25, 20));
  EXPECT_EQ(kGreen, stretched.Pixel(18, 15));
  EXPECT_NE(0u, stretched.Pixel(38, 28));
}

TEST(GDIPFill, FitPictureAspect) {
  struct Case {
    float pw, ph, rw, rh;
    TPictureMode mode;
    float w, h;
  };
  const Case cases[] = {
      {10, 5, 40, 40, pmStretch, 40, 20}, {5, 10, 40, 40, pmStretch, 20, 40}, {10, 5, 40, 40, pmNormal, 10, 5},
      {80, 40, 40, 40, pmNormal, 40, 20}, {0, 5, 40, 40, pmStretch, 0, 0},    {10, 5, 40, -1, pmStretch, 0, 0},
  };
  for (const Case& c : cases) {
    float w = -1, h = -1;
    FitPictureAspect(c.pw, c.ph, c.rw, c.rh, c.mode, w, h);
    EXPECT_EQ(c.w, w);
    EXPECT_EQ(c.h, h);
  }
}

TEST(GDIPFill, BackgroundPictureOnlyWithTexture) {
  for (const TVxGradientType type : {gtVertical, gtSolid, gtTexture}) {
    TGDIPFill fill;
    fill.SetColor(fw::clNone);
    fill.SetGradientType(type);
    LoadPng(*fill.BackGroundPicture(), 4, 4, kGreen);
    ArgbSurface surface(30, 30);
    fill.Fill(&surface.Graphics(), MakeRect(5, 5, 20, 20));
    EXPECT_EQ(type == gtTexture ? 16 : 0, surface.Count(0, 0, 30, 30, kGreen)) << type;
  }
  // Tiled, the texture covers the whole part.
  TGDIPFill tiled;
  tiled.SetGradientType(gtTexture);
  tiled.SetBackGroundPicturePosition(ppTiled);
  LoadPng(*tiled.BackGroundPicture(), 4, 4, kGreen);
  ArgbSurface surface(30, 30);
  tiled.Fill(&surface.Graphics(), MakeRect(5, 5, 20, 20));
  EXPECT_EQ(400, surface.Count(5, 5, 25, 25, kGreen));
}

TEST(GDIPFill, RadialGlowAndInsidePicturesLeaveNoClip) {
  TGDIPFill fill;
  fill.SetGlow(gmRadialGradient);
  fill.SetColor(fw::clNone);
  ArgbSurface surface(40, 40);
  TGPRegion clip(MakeRect(0, 0, 5, 5));
  surface.Graphics().SetClip(&clip);
  fill.Fill(&surface.Graphics(), MakeRect(10, 10, 20, 20));
  TGPSolidBrush red(kRed);
  surface.Graphics().FillRectangle(&red, MakeRect(35, 35, 5, 5));
  EXPECT_EQ(25, surface.Count(35, 35, 40, 40, kRed));
  EXPECT_GT(40 * 40 - surface.Count(0, 0, 40, 40, 0), 25);  // the glow painted something too
}

TEST(GDIPFill, BorderAndFocusOutline) {
  TGDIPFill fill;
  fill.SetColor(fw::clNone);
  fill.SetBorderColor(fw::clBlue);
  fill.SetBorderWidth(1);
  ArgbSurface surface(30, 30);
  fill.Fill(&surface.Graphics(), MakeRect(5, 5, 20, 20));
  EXPECT_EQ(kBlue, surface.Pixel(5, 15));
  EXPECT_EQ(kBlue, surface.Pixel(15, 25));
  EXPECT_EQ(0u, surface.Pixel(15, 15));

  // The focus outline runs inside a border wider than the rounding (its radius is not negative).
  TGDIPFill focused;
  focused.SetColor(fw::clNone);
  focused.SetBorderWidth(4);
  focused.SetRounding(2);
  focused.Focus = true;
  focused.FocusColor = fw::clRed;
  ArgbSurface outline(30, 30);
  focused.Fill(&outline.Graphics(), MakeRect(5, 5, 20, 20));
  EXPECT_EQ(9.0f, focused.FocusRect.X);
  EXPECT_EQ(9.0f, focused.FocusRect.Y);
  EXPECT_EQ(12.0f, focused.FocusRect.Width);
  EXPECT_EQ(12.0f, focused.FocusRect.Height);
  EXPECT_GT(outline.Count(0, 0, 30, 30, kRed), 10);
  EXPECT_EQ(0, outline.Count(0, 0, 8, 30, kRed));
  EXPECT_EQ(0, outline.Count(11, 11, 20, 20, kRed));
}

TEST(GDIPFill, ChangeNotifications) {
  TGDIPFill fill;
  int changes = 0;
  fill.OnChange = [&](fw::TObject*) { ++changes; };
  fill.SetColor(fill.Color());
  EXPECT_EQ(0, changes);
  fill.SetColor(fw::clRed);
  EXPECT_EQ(1, changes);
  LoadPng(*fill.Picture(), 2, 2, kGreen);
  EXPECT_EQ(2, changes);

  fill.BeginUpdate();
  fill.SetRounding(5);
  fill.SetBorderWidth(3);
  fill.EndUpdate();
  EXPECT_EQ(2, changes);  // nothing made up for at the end
  fill.EndUpdate();       // unbalanced: harmless
  fill.SetAngle(30);
  EXPECT_EQ(3, changes);

  TGDIPFill source;
  source.SetColorMirror(fw::clYellow);
  source.SetShadowOffset(7);
  source.Focus = true;
  LoadPng(*source.BackGroundPicture(), 3, 3, kRed);
  changes = 0;
  fill.Assign(&source);
  EXPECT_EQ(fw::clYellow, fill.ColorMirror());
  EXPECT_EQ(7, fill.ShadowOffset());
  EXPECT_EQ(fw::clSilver, fill.Color());
  EXPECT_FALSE(fill.Focus);
  EXPECT_FALSE(fill.BackGroundPicture()->Empty());
  EXPECT_TRUE(fill.Picture()->Empty());
  EXPECT_GE(changes, 1);
}

TEST(GDIPFill, ClipboardFormatIsRegisteredAtStart) {
  EXPECT_NE(0, GDIPFillClipboardFormat());
  char name[64] = {};
  GetClipboardFormatNameA(GDIPFillClipboardFormat(), name, sizeof(name));
  EXPECT_STREQ("GDI+ Fill", name);
}

// The fills the program's forms store, each rendered once to a PNG in the build tree for review.
TEST(GDIPFill, ProgramFillsRender) {
  struct Stored {
    const char* name;
    fw::TColor color, colorTo, mirror, mirrorTo, border;
    int rounding, shadow;
    TShadowType shadowType;
    fw::TColor shadowColor;
    TVxGradientType type;
  };
  const Stored fills[] = {
      {"dialog_panel", fw::clSilver, 0xCCCCCC, 0xCCCCCC, fw::clSilver, fw::clGray, 3, 10, stSurround, fw::clBlack, gtVertical},
      {"dialog_panel_light", 0xFAF1E9, 0xCCCCCC, 0xCCCCCC, fw::clSilver, fw::clGray, 3, 10, stSurround, fw::clBlack, gtVertical},
      {"main_label", fw::clLime, fw::clSilver, fw::clNone, fw::clNone, fw::clNone, 0, 0, stRightBottom, fw::clGray, gtVertical},
      {"main_panel", fw::clWhite, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, fw::clSilver, 8, 10, stRightBottom, fw::clGray, gtVertical},
      {"tab_page", 0xF3E5DA, 0xF0DED0, 0xEDD9C8, 0xFFF4E3, 0xFFD1AD, 0, 0, stRightBottom, fw::clGray, gtVertical},
      {"tab_status", fw::clRed, fw::clNone, fw::clNone, fw::clNone, fw::clGray, 8, 0, stRightBottom, fw::clGray, gtSolid},
      {"progress_back", 0xFFD2AF, fw::clNone, fw::clNone, fw::clNone, fw::clSilver, 0, 0, stRightBottom, fw::clGray, gtVertical},
      {"progress_lime", fw::clLime, fw::clLime, fw::clLime, fw::clLime, 0xFFD1AD, 0, 0, stRightBottom, fw::clGray, gtVertical},
      {"progress_lime_green", fw::clLime, 0x00CC99, 0x00CC99, fw::clLime, 0xFFD1AD, 0, 0, stRightBottom, fw::clGray, gtVertical},
  };
  // Beside the test program in the build tree, wherever the test is started from.
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder = folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"fill_renders\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const Stored& s : fills) {
    TGDIPFill fill;
    fill.SetColor(s.color);
    fill.SetColorTo(s.colorTo);
    fill.SetColorMirror(s.mirror);
    fill.SetColorMirrorTo(s.mirrorTo);
    fill.SetGradientType(s.type);
    fill.SetGradientMirrorType(gtVertical);
    fill.SetBorderColor(s.border);
    fill.SetRounding(s.rounding);
    fill.SetShadowOffset(s.shadow);
    fill.SetShadowType(s.shadowType);
    fill.SetShadowColor(s.shadowColor);
    ArgbSurface surface(160, 80);
    const GpRectF inner = fill.Fill(&surface.Graphics(), MakeRect(0, 0, 160, 80));
    // The top middle of the fill shows its first colour.
    const int x = static_cast<int>(inner.X + inner.Width / 2);
    const int y = static_cast<int>(inner.Y) + 2;
    EXPECT_TRUE(Near(surface.Pixel(x, y), ColorToARGB(s.color), 12)) << s.name;
    EXPECT_TRUE(surface.SaveAsPng(folder + std::wstring(s.name, s.name + std::strlen(s.name)) + L".png"))
        << s.name;
  }
}

}  // namespace
}  // namespace ui
