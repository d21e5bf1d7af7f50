// Bitmaps as graphics: pixel formats, BMP bytes through streams and resources, alpha and transparent
// drawing; pictures holding any graphic.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/picture.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/memory_stream.h"
#include "tests/framework/ui_test_support.h"

namespace fw {
namespace {

using testing::MemoryBitmap;

void Paint(TBitmap& bitmap, int width, int height) {
  bitmap.SetSize(width, height);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, width, height));
  canvas->SetPixels(0, 0, clBlack);
  canvas->SetPixels(width - 1, 0, clRed);
  canvas->SetPixels(1, height - 1, clBlue);
}

TEST(Bitmap, SavedToAStreamLoadsBackWithTheSamePixelsInEachFormat) {
  struct Case {
    TPixelFormat format;
    TPixelFormat loaded;
  };
  const Case cases[] = {{pfDevice, pf32bit}, {pf32bit, pf32bit}, {pf24bit, pf24bit}, {pf1bit, pf1bit}};
  for (const Case& c : cases) {
    TBitmap source;
    source.SetPixelFormat(c.format);
    Paint(source, 5, 3);
    TMemoryStream stream;
    source.SaveToStream(&stream);
    stream.SetPosition(0);
    TBitmap copy;
    copy.LoadFromStream(&stream);
    EXPECT_EQ(copy.PixelFormat(), c.loaded) << c.format;
    ASSERT_EQ(copy.Width(), 5);
    ASSERT_EQ(copy.Height(), 3);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(copy.Canvas()->Pixels(x, y), source.Canvas()->Pixels(x, y)) << c.format << " at " << x << "," << y;
      }
    }
  }
}

TEST(Bitmap, OneBitBitmapIsBlackAndWhite) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf1bit);
  Paint(bitmap, 4, 2);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clBlack);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 0), clWhite);
  EXPECT_EQ(bitmap.Canvas()->Pixels(3, 0), clBlack);  // red is dark: black
}

TEST(Bitmap, BytesThatAreNoBitmapRaiseAndLeaveTheBitmap) {
  TBitmap bitmap;
  Paint(bitmap, 3, 3);
  TMemoryStream good;
  bitmap.SaveToStream(&good);
  const auto* bytes = static_cast<const std::uint8_t*>(good.Memory());

  std::vector<std::vector<std::uint8_t>> bad;
  bad.push_back({'G', 'I', 'F', '8', '9', 'a'});                          // another format
  bad.emplace_back(bytes, bytes + 60);                                    // cut short
  bad.emplace_back(bytes, bytes + good.Size());
  bad.back()[0] = 'X';                                                    // wrong signature
  bad.emplace_back(bytes, bytes + good.Size());
  bad.back()[sizeof(BITMAPFILEHEADER) + 4] = 0xFF;                        // width beyond any sense
  bad.back()[sizeof(BITMAPFILEHEADER) + 7] = 0x7F;
  for (const auto& b : bad) {
    TMemoryStream stream;
    stream.WriteBuffer(b.data(), static_cast<std::int32_t>(b.size()));
    stream.SetPosition(0);
    EXPECT_THROW(bitmap.LoadFromStream(&stream), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clBlack);
  }
}

TEST(Bitmap, LoadsABitmapResourceByName) {
  TBitmap bitmap;
  bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), "TESTGLYPH");
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(bitmap.Canvas()->Pixels(2, 0), clBlue);
  EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), clFuchsia);
  EXPECT_THROW(bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), "NOGLYPH"), EResNotFound);
}

// One pixel of premultiplied half-transparent red beside an opaque green one.
void HalfRed(TBitmap& bitmap) {
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(2, 1);
  auto* row = static_cast<std::uint32_t*>(bitmap.ScanLine(0));
  row[0] = 0x80800000;  // A 128, R 128 (premultiplied), G 0, B 0
  row[1] = 0xFF00FF00;
}

TEST(Bitmap, ThirtyTwoBitBitmapWithAlphaDrawsBlendedOthersOpaque) {
  MemoryBitmap target(4, 1);
  TBitmap bitmap;
  HalfRed(bitmap);
  bitmap.Draw(target.DC(), Rect(0, 0, 2, 1));
  const TColor blended = target.Pixel(0, 0);
  EXPECT_EQ(blended & 0xFF, 0xFFu);                       // red: 128 + 127 of the white below
  EXPECT_NEAR(static_cast<int>((blended >> 8) & 0xFF), 127, 1);  // green and blue: half of the white
  EXPECT_NEAR(static_cast<int>((blended >> 16) & 0xFF), 127, 1);
  EXPECT_EQ(target.Pixel(1, 0), clLime);

  bitmap.SetPixelFormat(pf24bit);  // the same pixels without their alpha
  target.Fill(clWhite);
  bitmap.Draw(target.DC(), Rect(0, 0, 2, 1));
  EXPECT_EQ(target.Pixel(0, 0), static_cast<TColor>(0x000080));
}

TEST(Bitmap, TransparentDrawingLeavesOutTheTransparentColour) {
  TBitmap bitmap;
  bitmap.SetSize(3, 2);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(clYellow);
  canvas->FillRect(Rect(0, 0, 3, 2));
  canvas->SetPixels(1, 0, clRed);
  canvas->SetPixels(2, 0, clBlue);
  bitmap.SetTransparent(true);
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clYellow);  // the bottom-left pixel

  MemoryBitmap target(3, 2);
  target.Fill(clGray);
  bitmap.Draw(target.DC(), Rect(0, 0, 3, 2));
  EXPECT_EQ(target.Pixel(0, 0), clGray);
  EXPECT_EQ(target.Pixel(1, 0), clRed);
  EXPECT_EQ(target.Pixel(2, 1), clGray);

  bitmap.SetTransparentColor(clRed);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  target.Fill(clGray);
  bitmap.Draw(target.DC(), Rect(0, 0, 3, 2));
  EXPECT_EQ(target.Pixel(0, 0), clYellow);
  EXPECT_EQ(target.Pixel(1, 0), clGray);
  bitmap.SetTransparentMode(tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clYellow);
}

TEST(Picture, HoldsACopyOfAnyGraphicAndReportsChanges) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_TRUE(picture.Empty());

  TBitmap source;
  Paint(source, 4, 4);
  picture.Assign(&source);
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_NE(picture.Graphic(), &source);  // a copy
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(4 - 1, 0), clRed);
  const int afterAssign = changes;
  EXPECT_GT(afterAssign, 0);
  picture.Bitmap()->SetSize(6, 6);  // changes of the held graphic come through
  EXPECT_GT(changes, afterAssign);

  TPicture other;
  other.Assign(&picture);
  EXPECT_EQ(other.Width(), 6);
  TBitmap target;
  target.Assign(&other);  // a picture gives its graphic
  EXPECT_EQ(target.Width(), 6);

  picture.Assign(nullptr);
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Width(), 0);
  TBitmap* made = picture.Bitmap();  // made on demand
  EXPECT_TRUE(made->Empty());
  EXPECT_EQ(picture.Graphic(), made);
}

}  // namespace
}  // namespace fw
