// The progress, status and button painters.
#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"
#include "tests/ui_foundation/gdip_test_support.h"
#include "tests/ui_foundation/test_images.h"
#include "ui/foundation/color_conversions.h"
#include "ui/foundation/gdip_button.h"
#include "ui/foundation/gdip_progress.h"
#include "ui/foundation/gdip_status.h"

namespace ui {
namespace {

using testing::ArgbSurface;

constexpr ARGB kRed = 0xFFFF0000u;
constexpr char kKnownFace[] = "DejaVu Sans";

void ExpectRect(const GpRectF& expected, const GpRectF& actual, const std::string& what) {
  EXPECT_FLOAT_EQ(expected.X, actual.X) << what;
  EXPECT_FLOAT_EQ(expected.Y, actual.Y) << what;
  EXPECT_FLOAT_EQ(expected.Width, actual.Width) << what;
  EXPECT_FLOAT_EQ(expected.Height, actual.Height) << what;
}

TEST(GDIPProgress, InsideRectangleByBorderWidth) {
  struct Case {
    fw::TColor colour;
    int width;
    GpRectF inside;
  };
  const Case cases[] = {
      {fw::clNone, 1, MakeRect(0, 0, 99, 19)},   {fw::clSilver, 0, MakeRect(0, 0, 99, 19)},
      {fw::clSilver, 1, MakeRect(1, 1, 97, 17)}, {fw::clSilver, 3, MakeRect(2, 2, 95, 15)},
      {fw::clSilver, 4, MakeRect(2, 2, 95, 15)}, {fw::clSilver, 5, MakeRect(3, 3, 93, 13)},
  };
  for (const Case& c : cases) {
    TGDIPProgress progress;
    progress.BackGroundFill()->SetBorderColor(c.colour);
    progress.BackGroundFill()->SetBorderWidth(c.width);
    ExpectRect(c.inside, progress.GetInsideRectF(fw::TRect{0, 0, 100, 20}), std::to_string(c.width));
  }
}

TEST(GDIPProgress, ProgressRectangle) {
  TGDIPProgress progress;
  progress.ProgressFill()->SetBorderColor(fw::clRed);
  progress.ProgressFill()->SetBorderWidth(2);
  const fw::TRect r{0, 0, 100, 20};  // inside (0, 0, 99, 19); the part's border takes 2
  ExpectRect(MakeRect(1, 1, 48.5f, 17), progress.CalculateProgressRect(r, pbdHorizontal, 0, 100, 50), "half");
  ExpectRect(MakeRect(1, 1, 97, 17), progress.CalculateProgressRect(r, pbdHorizontal, 0, 100, 150), "beyond");
  ExpectRect(MakeRect(1, 1, 0, 17), progress.CalculateProgressRect(r, pbdHorizontal, 40, 40, 50), "no range");
  ExpectRect(MakeRect(1, 9.5f, 97, 8.5f), progress.CalculateProgressRect(r, pbdVertical, 0, 100, 50), "vertical");
  ExpectRect(MakeRect(1, 1, 97, 17), progress.CalculateProgressRect(r, pbdVertical, 0, 10, 11), "vertical beyond");
  // Without a border width the part has no border.
  progress.ProgressFill()->SetBorderWidth(0);
  ExpectRect(MakeRect(0, 0, 49.5f, 19), progress.CalculateProgressRect(r, pbdHorizontal, 0, 100, 50), "no border");
}

TEST(GDIPProgress, ValueText) {
  struct Case {
    TGDIPProgressValueType type;
    double minimum, maximum, value;
    const char* text;
  };
  const Case cases[] = {
      {vtPercentage, 0, 100, 50, "50%"}, {vtAbsolute, 0, 100, 50, "50%"},   {vtPercentage, 0, 100, 150, "100%"},
      {vtAbsolute, 0, 100, 150, "100%"}, {vtAbsolute, 0, 100, -5, "0%"},    {vtPercentage, 40, 40, 40, "40%"},
      {vtPercentage, 20, 70, 45, "50%"}, {vtAbsolute, 20, 70, 45, "45%"},   {vtPercentage, 0, 3, 1, "33%"},
  };
  for (const Case& c : cases) {
    TGDIPProgress progress;
    progress.SetValueType(c.type);
    EXPECT_EQ(c.text, progress.ValueText(c.minimum, c.maximum, c.value)) << c.value;
  }
  TGDIPProgress progress;
  progress.SetValueFormat("%.1f units");
  EXPECT_EQ("12.5 units", progress.ValueText(0, 100, 12.5));
}

TEST(GDIPProgress, DrawValueOffersTheTextToOnDrawValue) {
  TGDIPProgress progress;
  progress.SetValueVisible(true);
  progress.SetValueType(vtPercentage);
  std::string seenFormat, seenText;
  progress.OnDrawValue = [&](fw::TObject*, const std::string& format, std::string& text) {
    seenFormat = format;
    seenText = text;
    text = "replaced";
  };
  ArgbSurface surface(100, 20);
  progress.Draw(&surface.Graphics(), fw::TRect{0, 0, 100, 20}, 0, 200, 50, pbdHorizontal);
  EXPECT_EQ("%.0f%%", seenFormat);
  EXPECT_EQ("25%", seenText);
  EXPECT_EQ("replaced", progress.ValueText(0, 200, 50));

  // Invisible values are not asked for.
  seenText.clear();
  progress.SetValueVisible(false);
  progress.Draw(&surface.Graphics(), fw::TRect{0, 0, 100, 20}, 0, 200, 50, pbdHorizontal);
  EXPECT_EQ("", seenText);
}

TEST(GDIPProgress, TextTakesTheProgressFontOnceThePartPassesItsMiddle) {
  for (const double value : {90.0, 10.0}) {
    TGDIPProgress progress;
    progress.SetTransparent(true);
    progress.SetShadows(false);
    progress.ProgressFill()->SetColor(fw::clNone);
    progress.SetValueVisible(true);
    progress.Font()->SetName(kKnownFace);
    progress.Font()->SetColor(fw::clBlue);
    progress.ProgressFont()->SetName(kKnownFace);
    progress.ProgressFont()->SetColor(fw::clRed);
    ArgbSurface surface(120, 30);
    progress.Draw(&surface.Graphics(), fw::TRect{0, 0, 120, 30}, 0, 100, value, pbdHorizontal);
    const int red = surface.Count(0, 0, 120, 30, kRed);
    const int blue = surface.Count(0, 0, 120, 30, 0xFF0000FFu);
    if (value > 50) {
      EXPECT_GT(red, 0);
      EXPECT_EQ(0, blue);
    } else {
      EXPECT_EQ(0, red);
      EXPECT_GT(blue, 0);
    }
  }
}

TEST(GDIPProgress, TransparentPaintsOnlyThePartAndTheText) {
  TGDIPProgress progress;
  progress.SetTransparent(true);
  progress.BackGroundFill()->SetColor(fw::clLime);
  progress.BackGroundFill()->SetColorTo(fw::clNone);
  progress.ProgressFill()->SetColor(fw::clRed);
  progress.ProgressFill()->SetColorTo(fw::clNone);
  ArgbSurface surface(100, 20);
  progress.Draw(&surface.Graphics(), fw::TRect{0, 0, 100, 20}, 0, 100, 50, pbdHorizontal);
  EXPECT_EQ(kRed, surface.Pixel(25, 10));  // the middle of the part, clear of its end shadows
  EXPECT_EQ(0, surface.Count(51, 0, 100, 20, 0xFF00FF00u));
  EXPECT_EQ(0u, surface.Pixel(75, 10));
  EXPECT_NE(kRed, surface.Pixel(2, 10));  // the part's end shadow

  // Opaque: the background, end shadows and highlights too.
  progress.SetTransparent(false);
  ArgbSurface opaque(100, 20);
  progress.Draw(&opaque.Graphics(), fw::TRect{0, 0, 100, 20}, 0, 100, 50, pbdHorizontal);
  EXPECT_EQ(0xFF00FF00u, opaque.Pixel(75, 10));
  EXPECT_GT(GetRed(opaque.Pixel(75, 1)), 0u);  // the white top highlight over the lime background
}

TEST(GDIPProgress, NothingBelowTheMinimumAndNoPartLongerThanTheBar) {
  TGDIPProgress progress;
  progress.SetTransparent(true);
  progress.SetShadows(false);
  progress.ProgressFill()->SetColor(fw::clRed);
  progress.ProgressFill()->SetColorTo(fw::clNone);
  ArgbSurface none(100, 20);
  progress.Draw(&none.Graphics(), fw::TRect{0, 0, 100, 20}, 10, 100, 10, pbdHorizontal);
  EXPECT_TRUE(none.Untouched());
  ArgbSurface full(120, 20);
  progress.Draw(&full.Graphics(), fw::TRect{0, 0, 100, 20}, 0, 100, 500, pbdHorizontal);
  EXPECT_EQ(kRed, full.Pixel(98, 10));
  EXPECT_EQ(0u, full.Pixel(100, 10));
}

TEST(GDIPProgress, VerticalTextOnThePart) {
  // Centred on the part as drawn; text taller than the part sits at the bottom of the inside.
  for (const double value : {80.0, 5.0}) {
    TGDIPProgress progress;
    progress.SetTransparent(true);
    progress.SetShadows(false);
    progress.ProgressFill()->SetColor(fw::clNone);
    progress.SetValueVisible(true);
    progress.SetValuePosition(vpProgressCenter);
    progress.Font()->SetName(kKnownFace);
    progress.Font()->SetColor(fw::clBlue);
    progress.ProgressFont()->SetName(kKnownFace);
    progress.ProgressFont()->SetColor(fw::clBlue);
    ArgbSurface surface(40, 200);
    progress.Draw(&surface.Graphics(), fw::TRect{0, 0, 40, 200}, 0, 100, value, pbdVertical);
    const GpRectF part = progress.CalculateProgressRect(fw::TRect{0, 0, 40, 200}, pbdVertical, 0, 100, value);
    int top = 200, bottom = -1;
    for (int y = 0; y < 200; ++y) {
      if (surface.Count(0, y, 40, y + 1, 0) != 40) {
        top = std::min(top, y);
        bottom = y;
      }
    }
    ASSERT_GE(bottom, 0) << value;
    if (value > 50) {
      const float middle = part.Y + part.Height / 2;
      EXPECT_LT(top, middle);
      EXPECT_GT(bottom, middle);
    } else {
      EXPECT_GT(top, 170);
    }
  }
}

TEST(GDIPStatus, ABubbleIsAPillAndKeepsTheRounding) {
  TGDIPStatus status;
  status.Font()->SetName(kKnownFace);
  status.Fill()->SetColor(fw::clRed);
  status.Fill()->SetColorTo(fw::clNone);
  status.Fill()->SetRounding(8);
  int changes = 0;
  status.OnChange = [&](fw::TObject*) { ++changes; };
  ArgbSurface surface(60, 30);
  status.Draw(&surface.Graphics(), 0, 0, 50, 20, false, "");
  EXPECT_EQ(10, status.Fill()->Rounding());
  EXPECT_EQ(0, changes);
  EXPECT_EQ(0u, GetAlpha(surface.Pixel(0, 0)));  // round ends
  EXPECT_EQ(0u, GetAlpha(surface.Pixel(1, 19)));
  EXPECT_EQ(kRed, surface.Pixel(25, 18));       // the glow covers only the upper half
  EXPECT_NE(kRed, surface.Pixel(25, 3));
  status.SetGlow(false);
  EXPECT_EQ(1, changes);
}

TEST(GDIPStatus, SizeFollowsTheCaption) {
  TGDIPStatus status;
  status.Font()->SetName(kKnownFace);
  ArgbSurface surface(10, 10);
  status.CalculateSize(&surface.Graphics(), "12");
  const int height = status.GetHeight();
  EXPECT_GT(height, 4);
  EXPECT_GE(status.GetWidth(), height);  // never narrower than high
  status.CalculateSize(&surface.Graphics(), "");
  EXPECT_EQ(height, status.GetHeight());  // an empty caption keeps the size
  status.CalculateSize(&surface.Graphics(), "A much longer caption");
  const int wide = status.GetWidth();
  EXPECT_GT(wide, height);
  status.SetSpacing(5);
  status.CalculateSize(&surface.Graphics(), "A much longer caption");
  EXPECT_EQ(wide + 10, status.GetWidth());
}

class GDIPButtonTest : public ::testing::Test {
 protected:
  // A plain face so the face colour can be read back exactly.
  void DrawFace(TGDIPButton& button, ArgbSurface& surface, fw::TColor color, fw::TColor down, bool isDown,
                TVxGDIPPicture* picture = nullptr, const std::string& name = "", int imageIndex = -1) {
    button.Draw(&surface.Graphics(), "", 0, 0, surface.Width(), surface.Height(), 0, 0, color, down, fw::clNone,
                fw::clBlack, false, isDown, false, false, false, rtBoth, picture, 0, 0, true, imageIndex, name);
  }
};

TEST_F(GDIPButtonTest, DownWithoutDownColourDarkensTheFaceInHsv) {
  EXPECT_EQ(fw::clLime, TGDIPButton::DownColor(fw::clRed, fw::clLime));
  EXPECT_EQ(static_cast<fw::TColor>(RGB(178, 0, 0)), TGDIPButton::DownColor(0x0000FF, fw::clNone));
  EXPECT_EQ(static_cast<fw::TColor>(RGB(140, 140, 140)), TGDIPButton::DownColor(0xC8C8C8, fw::clNone));
  EXPECT_EQ(static_cast<fw::TColor>(RGB(70, 35, 14)), TGDIPButton::DownColor(RGB(100, 50, 20), fw::clNone));

  TGDIPButton button;
  button.SetSimpleLayout(true);
  ArgbSurface surface(40, 24);
  DrawFace(button, surface, 0xC8C8C8, fw::clNone, true);
  EXPECT_EQ(0xFF8C8C8Cu, surface.Pixel(20, 12));
  ArgbSurface up(40, 24);
  DrawFace(button, up, 0xC8C8C8, fw::clNone, false);
  EXPECT_EQ(0xFFC8C8C8u, up.Pixel(20, 12));
}

TEST_F(GDIPButtonTest, NoGlowMakesEveryGlassShadeTheFaceColour) {
  TGDIPButton button;
  button.SetGlowPercentage(0);
  ArgbSurface surface(60, 36);
  DrawFace(button, surface, RGB(40, 90, 160), fw::clNone, false);
  const ARGB face = ColorToARGB(RGB(40, 90, 160));
  for (const int y : {4, 10, 17, 22, 30}) EXPECT_EQ(face, surface.Pixel(30, y)) << y;

  // With glow the top is lighter than the face colour.
  button.SetGlowPercentage(100);
  ArgbSurface glowing(60, 36);
  DrawFace(button, glowing, RGB(40, 90, 160), fw::clNone, false);
  EXPECT_GT(GetRed(glowing.Pixel(30, 1)), 40u);
}

TEST_F(GDIPButtonTest, PictureComesFromTheContainerByNameOrTheImageList) {
  auto* container = fw::Create<TGDIPPictureContainer>(nullptr);
  gdip::TPictureItem* item = container->Items()->Add();
  item->SetName("Green");
  const auto png = testing::MakePng(6, 6, [](int, int) { return 0xFF00FF00u; });
  fw::TMemoryStream stream;
  stream.WriteBuffer(png.data(), static_cast<std::int32_t>(png.size()));
  item->Picture()->LoadFromStream(&stream);
  TVxGDIPPicture given;
  const auto redPng = testing::MakePng(6, 6, [](int, int) { return kRed; });
  fw::TMemoryStream redStream;
  redStream.WriteBuffer(redPng.data(), static_cast<std::int32_t>(redPng.size()));
  given.LoadFromStream(&redStream);

  TGDIPButton button;
  button.SetSimpleLayout(true);
  ArgbSurface plain(40, 20);
  DrawFace(button, plain, fw::clWhite, fw::clNone, false, &given);
  EXPECT_GT(plain.Count(0, 0, 40, 20, kRed), 30);

  button.SetPictureContainer(container);
  ArgbSurface named(40, 20);
  DrawFace(button, named, fw::clWhite, fw::clNone, false, &given, "green");
  EXPECT_EQ(36, named.Count(0, 0, 40, 20, 0xFF00FF00u));
  EXPECT_EQ(0, named.Count(0, 0, 40, 20, kRed));
  ArgbSurface unknown(40, 20);
  DrawFace(button, unknown, fw::clWhite, fw::clNone, false, &given, "blue");
  EXPECT_EQ(0, unknown.Count(0, 0, 40, 20, kRed));  // no such picture: none at all

  auto* images = fw::Create<fw::TCustomImageList>(nullptr);
  images->SetSize(5, 5);
  fw::TBitmap blue;
  blue.SetSize(5, 5);
  blue.Canvas()->Brush()->SetColor(fw::clBlue);
  blue.Canvas()->FillRect(fw::TRect{0, 0, 5, 5});
  images->Add(&blue, nullptr);
  button.SetImageList(images);
  ArgbSurface listed(40, 20);
  DrawFace(button, listed, fw::clWhite, fw::clNone, false, &given, "blue", 0);
  EXPECT_EQ(25, listed.Count(0, 0, 40, 20, 0xFF0000FFu));

  // The owning control forwards removals: the references go.
  fw::TComponent owner(nullptr);
  button.Notification(&owner, images, fw::opRemove);
  button.Notification(&owner, container, fw::opRemove);
  EXPECT_EQ(nullptr, button.ImageList());
  EXPECT_EQ(nullptr, button.PictureContainer());
  images->Free();
  container->Free();
}

TEST_F(GDIPButtonTest, AssignAndNotifications) {
  TGDIPButton source;
  source.SetLayout(blPictureTop);
  source.SetSpacing(7);
  source.SetGlowPercentage(40);
  source.SetRounding(2);
  source.Font()->SetSize(14);
  TGDIPButton button;
  int changes = 0, fontChanges = 0;
  button.OnChange = [&](fw::TObject*) { ++changes; };
  button.OnFontChange = [&](fw::TObject*) { ++fontChanges; };
  button.Assign(&source);
  EXPECT_EQ(blPictureTop, button.Layout());
  EXPECT_EQ(7, button.Spacing());
  EXPECT_EQ(40, button.GlowPercentage());
  EXPECT_EQ(8, button.Rounding());  // not copied
  EXPECT_EQ(14, button.Font()->Size());
  EXPECT_GE(changes, 1);
  EXPECT_EQ(1, fontChanges);
  EXPECT_TRUE(button.IsFontStored());
  button.OnIsFontStored = [](fw::TObject*, bool& stored) { stored = false; };
  EXPECT_FALSE(button.IsFontStored());
}

}  // namespace
}  // namespace ui
