// The watch's drawing routines on their own: text with a face GDI+ does not know, pictures (keyed and
// stretched, or a PNG at its own size) and the failure to copy one, rounded and plain outlines, the hit
// test of the face's ellipse.
#include "ui/dropdown/watch_drawing.h"

#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/memory_stream.h"
#include "tests/ui_dropdown/watch_test_support.h"
#include "tests/ui_foundation/gdip_test_support.h"
#include "tests/ui_foundation/test_images.h"
#include "ui/foundation/encoded_picture.h"
#include "ui/foundation/gdip_picture.h"

namespace ui {
namespace {

using testing::ArgbSurface;
using testing::MemoryBitmap;

constexpr ARGB kOpaqueBlue = 0xFF0000FF;
constexpr ARGB kOpaqueRed = 0xFFFF0000;

class WatchDrawingTest : public testing::WatchTest {};

TEST_F(WatchDrawingTest, TextIsDrawnCentredInTheFontColourEvenInAFaceGDIPlusLacks) {
  for (const char* face : {"Tahoma", "No Such Face Anywhere"}) {
    MemoryBitmap bitmap(120, 40);
    fw::TCanvas canvas;
    canvas.SetHandle(bitmap.DC());
    fw::TFont font;
    font.SetName(face);
    font.SetSize(12);
    font.SetColor(0x0000FF);
    DrawWatchText(&canvas, nullptr, "PM", &font, fw::Rect(0, 0, 120, 40));
    canvas.SetHandle(nullptr);
    const int left = 60 * 40 - bitmap.Count(RECT{0, 0, 60, 40}, fw::clWhite);
    const int right = 60 * 40 - bitmap.Count(RECT{60, 0, 120, 40}, fw::clWhite);
    EXPECT_GT(left, 10) << face;
    EXPECT_GT(right, 10) << face;
    EXPECT_LT(std::abs(left - right), (left + right) / 2) << face;  // about as much on each side
    EXPECT_EQ(120 * 10 - bitmap.Count(RECT{0, 30, 120, 40}, fw::clWhite), 0) << face;  // top-aligned
    int reddish = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 120; ++x) {
        const fw::TColor c = bitmap.Pixel(x, y);
        reddish += (c & 0xFF) == 0xFF && c != fw::clWhite ? 1 : 0;
      }
    }
    EXPECT_GT(reddish, 5) << face;
  }
}

TEST_F(WatchDrawingTest, APictureIsKeyedAndStretchedAPNGDrawnAtItsOwnSize) {
  // A 20 x 20 bitmap: its left half in the top-left pixel's colour (left out), the right half blue.
  fw::TBitmap bitmap;
  bitmap.SetSize(20, 20);
  bitmap.Canvas()->Brush()->SetColor(0xFF0000);
  bitmap.Canvas()->FillRect(fw::Rect(0, 0, 20, 20));
  bitmap.Canvas()->Brush()->SetColor(0x00FF00);
  bitmap.Canvas()->FillRect(fw::Rect(0, 0, 10, 20));
  ArgbSurface surface(120, 120);
  DrawWatchPicture(&surface.Graphics(), MakeRect(10, 10, 100, 100), &bitmap);
  EXPECT_EQ(surface.Pixel(100, 100), kOpaqueBlue);
  EXPECT_EQ(surface.Pixel(70, 15), kOpaqueBlue);
  EXPECT_EQ(surface.Pixel(30, 50), 0u);
  EXPECT_EQ(surface.Pixel(115, 50), 0u);

  // A PNG keeps its size and its top-left colour.
  TGDIPPicture png;
  const testing::Bytes bytes = testing::MakePng(6, 6, [](int, int) { return kOpaqueRed; });
  fw::TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  stream.SetPosition(0);
  png.LoadFromStream(&stream);
  ArgbSurface pngSurface(120, 120);
  DrawWatchPicture(&pngSurface.Graphics(), MakeRect(10, 10, 100, 100), &png);
  EXPECT_EQ(pngSurface.Pixel(10, 10), kOpaqueRed);
  EXPECT_EQ(pngSurface.Pixel(15, 15), kOpaqueRed);
  EXPECT_EQ(pngSurface.Pixel(17, 17), 0u);

  // No memory for the copy GDI+ reads: the error, nothing drawn.
  const fw::ServiceDouble<HGLOBAL(UINT, SIZE_T)> noMemory(ImageMemoryAllocate, [](UINT, SIZE_T) -> HGLOBAL { return nullptr; });
  ArgbSurface failed(40, 40);
  try {
    DrawWatchPicture(&failed.Graphics(), MakeRect(0, 0, 40, 40), &bitmap);
    ADD_FAILURE() << "no error";
  } catch (const fw::Exception& e) {
    EXPECT_EQ(e.Message(), "Could not allocate memory for image");
  }
  EXPECT_TRUE(failed.Untouched());
}

TEST_F(WatchDrawingTest, RoundedOutlinesCutTheCornersPlainOnesKeepThem) {
  TGPSolidBrush brush(kOpaqueBlue);
  TGPPen pen(kOpaqueRed, 2);
  ArgbSurface filled(100, 100);
  FillRoundedRect(&filled.Graphics(), &brush, 10, 10, 60, 40, 8);
  EXPECT_EQ(filled.Pixel(11, 11), 0u);
  EXPECT_EQ(filled.Pixel(68, 48), 0u);
  EXPECT_EQ(filled.Pixel(12, 30), kOpaqueBlue);
  EXPECT_EQ(filled.Pixel(40, 11), kOpaqueBlue);
  EXPECT_EQ(filled.Pixel(75, 30), 0u);

  ArgbSurface stroked(100, 100);
  DrawRoundedRect(&stroked.Graphics(), &pen, 10, 10, 60, 40, 8);
  EXPECT_EQ(stroked.Pixel(40, 10), kOpaqueRed);
  EXPECT_EQ(stroked.Pixel(40, 30), 0u);
  EXPECT_EQ(stroked.Pixel(10, 10), 0u);

  ArgbSurface plain(100, 100);
  const auto rect = CreateRectPath(MakeRect(10, 10, 60, 40));
  plain.Graphics().FillPath(&brush, rect.get());
  EXPECT_EQ(plain.Pixel(10, 10), kOpaqueBlue);
  EXPECT_EQ(plain.Pixel(69, 49), kOpaqueBlue);
  EXPECT_EQ(plain.Pixel(71, 30), 0u);
  const auto rounded = CreateRoundedRectPath(MakeRect(10, 10, 60, 40), 8);
  ArgbSurface round(100, 100);
  round.Graphics().FillPath(&brush, rounded.get());
  EXPECT_EQ(round.Pixel(10, 10), 0u);
  EXPECT_EQ(round.Pixel(40, 30), kOpaqueBlue);
}

TEST(WatchFaceEllipseTest, PointsInsideTheInscribedEllipse) {
  struct Case {
    fw::TPoint p;
    bool inside;
  };
  const Case cases[] = {{{90, 90}, true},  {{90, 12}, true},   {{12, 90}, true},   {{168, 90}, true},
                        {{90, 5}, false},  {{20, 20}, false},  {{160, 160}, false}, {{200, 90}, false},
                        {{-5, -5}, false}, {{146, 34}, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(PointInFaceEllipse(c.p, 10, 10, 170, 170), c.inside) << c.p.X << "," << c.p.Y;
  }
  EXPECT_TRUE(PointInFaceEllipse({50, 30}, 0, 20, 100, 40));   // a flat ellipse
  EXPECT_FALSE(PointInFaceEllipse({50, 45}, 0, 20, 100, 40));
}

}  // namespace
}  // namespace ui
