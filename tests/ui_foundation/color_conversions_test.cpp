// HSV conversions, lightening, and the glass and frame outlines.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/ui_foundation/gdip_test_support.h"
#include "ui/foundation/color_conversions.h"
#include "ui/foundation/round_rect_path.h"

namespace ui {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ColorConversions, RgbToHsv) {
  struct Case {
    double r, g, b, h, s, v;
  };
  const Case cases[] = {
      {255, 0, 0, 0, 1, 255},        {0, 0, 255, 240, 1, 255},   {0, 255, 0, 120, 1, 255},
      {255, 0, 255, 300, 1, 255},    {128, 128, 128, kNaN, 0, 128}, {0, 0, 0, kNaN, 0, 0},
      {200, 100, 50, 20, 0.75, 200},
  };
  for (const Case& c : cases) {
    double h, s, v;
    RGBToHSV(c.r, c.g, c.b, h, s, v);
    if (std::isnan(c.h)) {
      EXPECT_TRUE(std::isnan(h)) << c.r << "," << c.g << "," << c.b;
    } else {
      EXPECT_NEAR(c.h, h, 1e-9) << c.r << "," << c.g << "," << c.b;
    }
    EXPECT_NEAR(c.s, s, 1e-9);
    EXPECT_EQ(c.v, v);
  }
}

TEST(ColorConversions, HsvToRgb) {
  struct Case {
    double h, s, v, r, g, b;
  };
  const Case cases[] = {
      {kNaN, 0, 90, 90, 90, 90}, {360, 1, 255, 255, 0, 0}, {0, 1, 255, 255, 0, 0},  {120, 1, 255, 0, 255, 0},
      {240, 1, 255, 0, 0, 255},  {60, 1, 200, 200, 200, 0}, {300, 0.5, 200, 200, 100, 200},
  };
  for (const Case& c : cases) {
    double r = -1, g = -1, b = -1;
    HSVToRGB(c.h, c.s, c.v, r, g, b);
    EXPECT_NEAR(c.r, r, 1e-9) << c.h;
    EXPECT_NEAR(c.g, g, 1e-9) << c.h;
    EXPECT_NEAR(c.b, b, 1e-9) << c.h;
  }
  // A round trip keeps the colour.
  double h, s, v, r, g, b;
  RGBToHSV(12, 200, 77, h, s, v);
  HSVToRGB(h, s, v, r, g, b);
  EXPECT_NEAR(12, r, 1e-9);
  EXPECT_NEAR(200, g, 1e-9);
  EXPECT_NEAR(77, b, 1e-9);
}

TEST(ColorConversions, ZeroSaturationWithAHueIsAnError) {
  double r = 0, g = 0, b = 0;
  try {
    HSVToRGB(30, 0, 90, r, g, b);
    FAIL() << "no error";
  } catch (const EColorError& e) {
    EXPECT_STREQ("HSVtoRGB: S = 0 and H has a value", e.what());
  }
}

TEST(ColorConversions, HueOutsideTheCircleLeavesTheOutputs) {
  double r = 1, g = 2, b = 3;
  HSVToRGB(400, 1, 255, r, g, b);
  EXPECT_EQ(1, r);
  EXPECT_EQ(2, g);
  EXPECT_EQ(3, b);
}

TEST(ColorConversions, LightenColor) {
  EXPECT_EQ(0x000000, LightenColor(0x202020, -40));
  EXPECT_EQ(0xFFFFFF, LightenColor(0xF0F0F0, 180));
  EXPECT_EQ(0x1E3C5A, LightenColor(0x0A2846, 20));  // each channel on its own
  EXPECT_EQ(0x20FF50, LightenColor(0x10F040, 16));  // green clamps at 255
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(static_cast<fw::TColor>(RGB(std::max(GetRValue(face) - 10, 0), std::max(GetGValue(face) - 10, 0),
                                        std::max(GetBValue(face) - 10, 0))),
            LightenColor(fw::clBtnFace, -10));
}

TEST(GlassPaths, TopAndBottomMeetAtTheBulge) {
  // 40 wide, bottom at 20, bulge 4: radius Round((400 + 16) / 8) = 52, lowest point (20, 20), sides at 16.
  const fw::TRect r{0, 0, 40, 20};
  auto top = CreateGlassTopPath(r, 3, 4);
  auto bottom = CreateGlassBottomPath(r, 3, 4);
  ASSERT_EQ(Ok, top->GetLastStatus());
  ASSERT_EQ(Ok, bottom->GetLastStatus());
  EXPECT_TRUE(testing::PathContains(*top, 20, 10));
  EXPECT_TRUE(testing::PathContains(*top, 20, 18.5f));  // the bulge hangs down towards the bottom in the middle
  EXPECT_FALSE(testing::PathContains(*top, 1, 18));     // but not at the sides
  EXPECT_FALSE(testing::PathContains(*top, 20, 21));
  EXPECT_TRUE(testing::PathContains(*bottom, 1, 18));
  EXPECT_TRUE(testing::PathContains(*bottom, 20, 30));  // mirrored down to 2 * 20 - 0 = 40
  EXPECT_FALSE(testing::PathContains(*bottom, 20, 10));
  const GpRectF bounds = testing::PathBounds(*bottom);
  EXPECT_NEAR(40, bounds.Y + bounds.Height, 0.01);
  EXPECT_NEAR(16, bounds.Y, 0.01);
}

TEST(GlassPaths, NoBulgeGivesEmptyPaths) {
  EXPECT_EQ(0, CreateGlassTopPath(fw::TRect{0, 0, 40, 20}, 3, 0)->GetPointCount());
  EXPECT_EQ(0, CreateGlassBottomPath(fw::TRect{0, 0, 40, 20}, 3, 0)->GetPointCount());
}

TEST(GlassPaths, ABulgeDeeperThanHalfTheWidthStillGivesAShape) {
  // 10 wide, bulge 8: the circle would be smaller than the bulge; the radius becomes the bulge and the
  // bulge is a lower half circle.
  const fw::TRect r{0, 0, 10, 20};
  auto top = CreateGlassTopPath(r, 2, 8);
  EXPECT_EQ(Ok, top->GetLastStatus());
  EXPECT_GT(top->GetPointCount(), 0);
  EXPECT_TRUE(testing::PathContains(*top, 5, 5));
  EXPECT_TRUE(testing::PathContains(*top, 5, 19));
}

TEST(FramePath, FillsARingOfTheThickness) {
  testing::ArgbSurface surface(20, 20);
  auto frame = CreateFramePath(fw::TRect{2, 2, 18, 18}, 0, rtNone, 2);
  TGPSolidBrush brush(0xFF00FF00u);
  surface.Graphics().FillPath(&brush, frame.get());
  EXPECT_EQ(0xFF00FF00u, surface.Pixel(2, 10));
  EXPECT_EQ(0xFF00FF00u, surface.Pixel(3, 10));
  EXPECT_EQ(0u, surface.Pixel(4, 10));
  EXPECT_EQ(0u, surface.Pixel(10, 10));
  EXPECT_EQ(0xFF00FF00u, surface.Pixel(10, 16));
  EXPECT_EQ(0u, surface.Pixel(10, 18));
}

}  // namespace
}  // namespace ui
