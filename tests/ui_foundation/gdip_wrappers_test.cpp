// The GDI+ wrappers: status rules, colour helpers, fonts and text measuring, path-gradient checks and
// image formats.
#include <gtest/gtest.h>

#include "framework/graphics/font.h"
#include "framework/rtl/arith.h"
#include "tests/ui_foundation/gdip_test_support.h"
#include "tests/ui_foundation/test_images.h"
#include "framework/streams/memory_stream.h"
#include "ui/foundation/fixed_stream_adapter.h"
#include "ui/foundation/gdiplus_startup.h"

namespace ui {
namespace {

using testing::ArgbSurface;
using testing::ComStream;

TEST(GdipWrappers, GdiplusIsRunningForTheTests) { EXPECT_TRUE(GdiplusStarted()); }

TEST(GdipWrappers, CreationStatusIsKeptAndASuccessNeverClearsAFailure) {
  TGPFontFamily unknown(L"No Such Family Anywhere");
  EXPECT_EQ(FontFamilyNotFound, unknown.GetLastStatus());
  EXPECT_EQ(nullptr, unknown.NativeHandle());

  TGPGraphicsPath path;
  EXPECT_EQ(Ok, path.GetLastStatus());
  EXPECT_EQ(InvalidParameter, path.AddPolygon(nullptr, 0));
  EXPECT_EQ(Ok, path.AddLine(0, 0, 10, 10));
  EXPECT_EQ(InvalidParameter, path.GetLastStatus());
}

TEST(GdipWrappers, ASurfaceOverNoImageAnswersInvalidParameterForEveryCall) {
  TGPGraphics nothing(static_cast<TGPImage*>(nullptr));
  EXPECT_EQ(nullptr, nothing.NativeHandle());
  EXPECT_EQ(Ok, nothing.GetLastStatus());
  TGPSolidBrush brush(MakeColorRGB(1, 2, 3));
  TGPPen pen(MakeColorRGB(1, 2, 3));
  TGPGraphicsPath path;
  path.AddRectangle(MakeRect(0, 0, 5, 5));
  EXPECT_EQ(InvalidParameter, nothing.FillRectangleXYWH(&brush, 0, 0, 5, 5));
  EXPECT_EQ(InvalidParameter, nothing.DrawRectangle(&pen, MakeRect(0, 0, 5, 5)));
  EXPECT_EQ(InvalidParameter, nothing.FillPath(&brush, &path));
  EXPECT_EQ(InvalidParameter, nothing.DrawPath(&pen, &path));
  EXPECT_EQ(InvalidParameter, nothing.DrawLine(&pen, 0, 0, 5, 5));
  EXPECT_EQ(InvalidParameter, nothing.FillEllipseI(&brush, 0, 0, 5, 5));
  EXPECT_EQ(InvalidParameter, nothing.SetSmoothingMode(SmoothingModeAntiAlias));
  EXPECT_EQ(-1, nothing.GetSmoothingMode());
  EXPECT_EQ(InvalidParameter, nothing.ResetClip());
  EXPECT_EQ(InvalidParameter, nothing.GetLastStatus());
}

TEST(GdipWrappers, AMissingWrapperArgumentPassesNoHandle) {
  ArgbSurface surface(4, 4);
  EXPECT_EQ(InvalidParameter, surface.Graphics().FillRectangleXYWH(nullptr, 0, 0, 4, 4));
  EXPECT_EQ(InvalidParameter, surface.Graphics().GetLastStatus());
  EXPECT_TRUE(surface.Untouched());
}

TEST(GdipWrappers, ColourHelpers) {
  EXPECT_EQ(0x80112233u, MakeColor(0x80, 0x11, 0x22, 0x33));
  EXPECT_EQ(0xFF112233u, MakeColorRGB(0x11, 0x22, 0x33));
  EXPECT_EQ(0xFFFF0000u, ColorToARGB(0x0000FF));
  EXPECT_EQ(0x40332211u, MakeAlphaColor(0x40, 0x112233));
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(MakeColor(128, GetRValue(face), GetGValue(face), GetBValue(face)), MakeAlphaColor(128, fw::clBtnFace));
  EXPECT_EQ(0x11, GetRed(0xFF112233u));
  EXPECT_EQ(0x22, GetGreen(0xFF112233u));
  EXPECT_EQ(0x33, GetBlue(0xFF112233u));
  EXPECT_FALSE(GetGDIPOptionInsetLines());
  EXPECT_FALSE(GetGDIPOptionSmoothArrow());
}

TEST(GdipWrappers, SolidFillAndRectangleOutlineLandOnTheirPixels) {
  ArgbSurface surface(10, 10);
  TGPSolidBrush brush(MakeColor(255, 10, 20, 30));
  EXPECT_EQ(Ok, surface.Graphics().FillRectangle(&brush, MakeRect(2, 2, 4, 3)));
  EXPECT_EQ(12, surface.Count(0, 0, 10, 10, 0xFF0A141Eu));
  EXPECT_EQ(0xFF0A141Eu, surface.Pixel(2, 2));
  EXPECT_EQ(0u, surface.Pixel(6, 2));
  EXPECT_EQ(0u, surface.Pixel(2, 5));
}

// Font tests need a family GDI+ knows: the Wine prefix offers the host's DejaVu fonts (no Arial, no Tahoma).
constexpr char kKnownFace[] = "DejaVu Sans";
std::wstring FamilyNameOf(TGPFont& font) {
  flat::GpFontFamily* family = nullptr;
  flat::GdipGetFamily(font.NativeHandle(), &family);
  WCHAR name[LF_FACESIZE] = {};
  flat::GdipGetFamilyName(family, name, LANG_NEUTRAL);
  flat::GdipDeleteFontFamily(family);
  return name;
}

TEST(GdipWrappers, MakeFontFallsBackToArialAndDropsStrikeOut) {
  ArgbSurface surface(4, 4);
  fw::TFont font;
  font.SetName(kKnownFace);
  font.SetSize(12);
  font.SetStyle(fw::TFontStyles{fw::fsBold, fw::fsItalic, fw::fsUnderline, fw::fsStrikeOut});
  auto made = surface.Graphics().MakeFont(&font);
  ASSERT_EQ(Ok, made->GetLastStatus());
  EXPECT_EQ(L"DejaVu Sans", FamilyNameOf(*made));
  int style = -1;
  flat::GdipGetFontStyle(made->NativeHandle(), &style);
  EXPECT_EQ(FontStyleBold | FontStyleItalic | FontStyleUnderline, style);
  float size = 0;
  int unit = -1;
  flat::GdipGetFontSize(made->NativeHandle(), &size);
  flat::GdipGetFontUnit(made->NativeHandle(), &unit);
  EXPECT_EQ(12.0f, size);
  EXPECT_EQ(UnitPoint, unit);

  // An unknown face is drawn in Arial: the same family GDI+ gives for that name.
  font.SetName("No Such Family Anywhere");
  auto fallback = surface.Graphics().MakeFont(&font);
  TGPFontFamily arial(L"Arial");
  if (arial.GetLastStatus() == Ok) {
    ASSERT_EQ(Ok, fallback->GetLastStatus());
    TGPFont arialFont(&arial, 12, 0, UnitPoint);
    EXPECT_EQ(FamilyNameOf(arialFont), FamilyNameOf(*fallback));
  } else {
    // Without Arial the text is not lost: the system's face or another installed family writes it.
    ASSERT_EQ(Ok, fallback->GetLastStatus());
    EXPECT_FALSE(FamilyNameOf(*fallback).empty());
  }
  // Without the Arial step (the painters of tabs, badges and progress values) an unknown face still gives a
  // working font.
  auto unknown = CreateGPFont(&font, false);
  ASSERT_EQ(Ok, unknown->GetLastStatus());
  EXPECT_FALSE(FamilyNameOf(*unknown).empty());
}

class GdipTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_.SetName(kKnownFace);
    font_.SetSize(12);
  }
  // What GDI+ measures for the text in this font at (0, 0).
  GpRectF Measure(const std::wstring& text) {
    auto font = surface_.Graphics().MakeFont(&font_);
    GpRectF box;
    surface_.Graphics().MeasureStringSimple(text, static_cast<int>(text.size()), font.get(),
                                            MakeRect(0, 0, 1100, 100), box);
    return box;
  }
  ArgbSurface surface_{200, 60};
  fw::TFont font_;
};

TEST_F(GdipTextTest, CalcRectMeasuresATrailingBlankAsAnI) {
  // Size 12: the width loses 2 + Round(4 / 1.5) = 5.
  struct Case {
    std::string text;
    std::wstring measured;
  };
  for (const Case& c : {Case{"ab ", L"abi"}, Case{" ", L" "}, Case{"abc", L"abc"}}) {
    fw::TRect rect{0, 0, 100, 100};
    const int height = surface_.Graphics().DrawText(c.text, static_cast<int>(c.text.size()), rect, &font_,
                                                    DT_CALCRECT, fw::clNone);
    const GpRectF box = Measure(c.measured);
    EXPECT_EQ(fw::Round(box.Width - 5), rect.Right) << c.text;
    EXPECT_EQ(fw::Round(box.Height), rect.Bottom) << c.text;
    EXPECT_EQ(rect.Bottom, height) << c.text;
  }
  EXPECT_TRUE(surface_.Untouched());
}

TEST_F(GdipTextTest, BackColourFillsTheMeasuredBoxAndTextIsDrawnInTheFontColour) {
  font_.SetColor(fw::clBlue);
  fw::TRect rect{10, 5, 100, 100};
  const int height = surface_.Graphics().DrawText("Wg", 2, rect, &font_, 0, fw::clLime);
  const GpRectF box = Measure(L"Wg");
  EXPECT_EQ(fw::Round(box.Height), height);
  EXPECT_EQ(0u, surface_.Pixel(10, 6));  // the fill starts one pixel right of the rectangle
  EXPECT_EQ(0xFF00FF00u, surface_.Pixel(11, 6));
  EXPECT_GT(surface_.Count(0, 0, 200, 60, 0xFF0000FFu), 0);  // some text pixels fully blue
}

TEST_F(GdipTextTest, TextHeightIsTheMeasuredHeight) {
  EXPECT_EQ(fw::Round(Measure(L"Hello").Height), surface_.Graphics().TextHeight("Hello", &font_));
}

TEST_F(GdipTextTest, WideTextIsDrawnAsGiven) {
  // A character outside the ANSI code page still draws (it is not turned into "?").
  auto font = surface_.Graphics().MakeFont(&font_);
  TGPSolidBrush ink(0xFF000000u);
  ArgbSurface question(60, 30);
  ArgbSurface omega(60, 30);
  auto font2 = question.Graphics().MakeFont(&font_);
  question.Graphics().DrawString(L"?", 1, font2.get(), MakeRect(0, 0, 60, 30), nullptr, &ink);
  auto font3 = omega.Graphics().MakeFont(&font_);
  omega.Graphics().DrawString(L"\u03A9", 1, font3.get(), MakeRect(0, 0, 60, 30), nullptr, &ink);
  int differing = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 60; ++x) differing += question.Pixel(x, y) != omega.Pixel(x, y) ? 1 : 0;
  }
  EXPECT_GT(differing, 0);
}

TEST(GdipWrappers, PathGradientCountChecks) {
  TGPGraphicsPath path;
  path.AddRectangle(MakeRect(0, 0, 10, 10));
  TGPPathGradientBrush brush(&path);
  ASSERT_EQ(Ok, brush.GetLastStatus());
  const int points = brush.GetPointCount();
  ASSERT_EQ(4, points);
  const ARGB colours[5] = {1, 2, 3, 4, 5};

  int tooMany = 5;
  EXPECT_EQ(InvalidParameter, brush.SetSurroundColors(colours, tooMany));
  EXPECT_EQ(5, tooMany);
  int none = 1;
  EXPECT_EQ(InvalidParameter, brush.SetSurroundColors(nullptr, none));

  TGPPathGradientBrush fresh(&path);
  int two = 2;
  EXPECT_EQ(Ok, fresh.SetSurroundColors(colours, two));
  EXPECT_EQ(2, two);

  const float positions[2] = {0, 1};
  EXPECT_EQ(InvalidParameter, fresh.SetInterpolationColors(colours, positions, 0));
  EXPECT_EQ(InvalidParameter, fresh.SetInterpolationColors(nullptr, positions, 2));
  TGPLinearGradientBrush line(MakeRect(0, 0, 10, 10), 0xFF000000u, 0xFFFFFFFFu, LinearGradientModeVertical);
  EXPECT_EQ(InvalidParameter, line.SetInterpolationColors(colours, positions, 0));
  EXPECT_EQ(Ok, line.SetInterpolationColors(colours, positions, 2));

  // SetCenterColor answers the brush's last status, which the failures above left behind.
  EXPECT_EQ(InvalidParameter, fresh.SetCenterColor(0xFF000000u));
}

TEST(GdipWrappers, ImageFormatsAndPixelInformation) {
  struct Case {
    const char* name;
    testing::Bytes bytes;
    int format;
  };
  const Case cases[] = {
      {"png", testing::MakePng(3, 2, [](int, int) { return 0x80FF0000u; }), ifPNG},
      {"gif", testing::MakeGif1x1(), ifGIF},
      {"bmp", testing::MakeBmp(3, 2, [](int, int) { return 0x0000FFu; }), ifBMP},
      {"not an image", testing::Bytes{1, 2, 3, 4, 5, 6, 7, 8}, ifUnknown},
  };
  for (const Case& c : cases) {
    ComStream stream(c.bytes);
    TGPImage image(stream.Get(), false);
    EXPECT_EQ(c.format, image.GetFormat()) << c.name;
  }
  ComStream png(cases[0].bytes);
  TGPImage image(png.Get(), false);
  EXPECT_EQ(3u, image.GetWidth());
  EXPECT_EQ(2u, image.GetHeight());
  EXPECT_TRUE(image.HasAlpha());
  EXPECT_FALSE(image.IsIndexed());
  EXPECT_EQ(32, image.GetBitsPerPixel());
  ComStream gif(cases[1].bytes);
  TGPImage indexed(gif.Get(), false);
  EXPECT_TRUE(indexed.IsIndexed());
}

TEST(GdipWrappers, ColourKeyedImageLeavesOutTheKeyColour) {
  // Left column red, the rest blue; keyed on blue, only the red column is drawn.
  const auto bmp = testing::MakeBmp(4, 4, [](int x, int) { return x == 0 ? 0xFF0000u : 0x0000FFu; });
  ComStream stream(bmp);
  TGPBitmap image(stream.Get(), false);
  TGPImageAttributes attributes;
  EXPECT_EQ(Ok, attributes.SetColorKey(0xFF0000FFu, 0xFF0000FFu));
  ArgbSurface surface(4, 4);
  EXPECT_EQ(Ok, surface.Graphics().DrawImageRectRect(&image, MakeRect(0, 0, 4, 4), 0, 0, 4, 4, UnitPixel,
                                                     &attributes));
  EXPECT_EQ(4, surface.Count(0, 0, 1, 4, 0xFFFF0000u));
  EXPECT_EQ(12, surface.Count(1, 0, 4, 4, 0u));
}

TEST(GdipWrappers, AFailingAllocationStartsGdiplusAndTriesOnceMore) {
  int calls = 0;
  {
    fw::ServiceDouble<void*(std::size_t)> failFirst(GdiplusAllocate, [&](std::size_t size) -> void* {
      return ++calls == 1 ? nullptr : flat::GdipAlloc(size);
    });
    auto pen = std::make_unique<TGPPen>(0xFF000000u);
    EXPECT_EQ(Ok, pen->GetLastStatus());
  }
  EXPECT_EQ(2, calls);
  fw::ServiceDouble<void*(std::size_t)> never(GdiplusAllocate, [](std::size_t) -> void* { return nullptr; });
  EXPECT_THROW(std::make_unique<TGPPen>(0xFF000000u), EGdiplusOutOfMemory);
}

TEST(GdipWrappers, FixedStreamAdapterGivesNoNameAndFeedsGdiplus) {
  fw::TMemoryStream memory;
  const auto png = testing::MakePng(5, 7, [](int, int) { return 0xFF00FF00u; });
  memory.WriteBuffer(png.data(), static_cast<std::int32_t>(png.size()));
  memory.SetPosition(0);
  IStream* stream = new TFixedStreamAdapter(&memory);
  stream->AddRef();
  STATSTG stat{};
  EXPECT_EQ(S_OK, stream->Stat(&stat, STATFLAG_DEFAULT));
  EXPECT_EQ(nullptr, stat.pwcsName);
  EXPECT_EQ(png.size(), stat.cbSize.QuadPart);
  {
    TGPImage image(stream, false);
    EXPECT_EQ(5u, image.GetWidth());
    EXPECT_EQ(7u, image.GetHeight());
  }
  stream->Release();
}

}  // namespace
}  // namespace ui
