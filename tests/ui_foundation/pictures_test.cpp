// The two GDI+ pictures: what Assign takes and announces, loading from files and streams, decoding,
// and drawing on GDI+ surfaces and on canvases.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "framework/graphics/picture.h"
#include "framework/streams/memory_stream.h"
#include "tests/framework/ui_test_support.h"
#include "tests/ui_foundation/gdip_test_support.h"
#include "tests/ui_foundation/test_images.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_picture.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {
namespace {

using testing::ArgbSurface;
using testing::Bytes;

constexpr ARGB kOpaqueRed = 0xFFFF0000u;
constexpr ARGB kOpaqueGreen = 0xFF00FF00u;

Bytes GreenPng(int width, int height) {
  return testing::MakePng(width, height, [](int, int) { return kOpaqueGreen; });
}

// Red with a blue frame one pixel wide: the bottom-left pixel is blue.
Bytes FramedBmp(int size) {
  return testing::MakeBmp(size, size, [size](int x, int y) {
    return (x == 0 || y == 0 || x == size - 1 || y == size - 1) ? 0x0000FFu : 0xFF0000u;
  });
}

Bytes BytesOf(TEncodedPicture& picture) {
  auto& data = picture.Data();
  const auto* first = static_cast<const unsigned char*>(data.Memory());
  return first == nullptr ? Bytes{} : Bytes(first, first + data.Size());
}

template <class Picture>
void LoadBytes(Picture& picture, const Bytes& bytes) {
  fw::TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  picture.LoadFromStream(&stream);
}

// Records OnChange and OnClear in order.
struct EventLog {
  std::vector<std::string> events;
  void Watch(TEncodedPicture& picture) {
    picture.OnChange = [this](fw::TObject*) { events.push_back("change"); };
    picture.OnClear = [this](fw::TObject*) { events.push_back("clear"); };
  }
};

template <class Picture>
class PictureAssignTest : public ::testing::Test {};
using PictureTypes = ::testing::Types<TVxGDIPPicture, TGDIPPicture>;
TYPED_TEST_SUITE(PictureAssignTest, PictureTypes);

TYPED_TEST(PictureAssignTest, NothingClearsAndAnnouncesChangeThenClear) {
  TypeParam picture;
  LoadBytes(picture, GreenPng(3, 2));
  EventLog log;
  log.Watch(picture);
  picture.Assign(nullptr);
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(0, picture.Data().Size());
  EXPECT_EQ((std::vector<std::string>{"change", "clear"}), log.events);
}

TYPED_TEST(PictureAssignTest, SameClassCopiesBytesAndMeasures) {
  TypeParam source;
  LoadBytes(source, GreenPng(3, 2));
  TypeParam picture;
  EventLog log;
  log.Watch(picture);
  picture.Assign(&source);
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(BytesOf(source), BytesOf(picture));
  EXPECT_EQ(3, picture.Width());
  EXPECT_EQ(2, picture.Height());
  EXPECT_EQ(std::vector<std::string>{"change"}, log.events);

  TypeParam empty;
  picture.Assign(&empty);
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(0, picture.Data().Size());
}

TYPED_TEST(PictureAssignTest, BitmapsAndPicturesGiveTheirSavedBytes) {
  fw::TBitmap bitmap;
  bitmap.SetSize(5, 4);
  TypeParam fromBitmap;
  EventLog log;
  log.Watch(fromBitmap);
  fromBitmap.Assign(&bitmap);
  EXPECT_FALSE(fromBitmap.Empty());
  EXPECT_EQ(5, fromBitmap.Width());
  EXPECT_EQ(4, fromBitmap.Height());
  EXPECT_EQ(std::vector<std::string>{"change"}, log.events);
  const Bytes saved = BytesOf(fromBitmap);
  ASSERT_GE(saved.size(), 2u);
  EXPECT_EQ('B', saved[0]);
  EXPECT_EQ('M', saved[1]);

  fw::TPicture holder;
  holder.SetBitmap(&bitmap);
  TypeParam fromPicture;
  fromPicture.Assign(&holder);
  EXPECT_EQ(saved, BytesOf(fromPicture));
  EXPECT_EQ(5, fromPicture.Width());

  fw::TPicture nothing;
  TypeParam fromNothing;
  fromNothing.Assign(&nothing);
  EXPECT_TRUE(fromNothing.Empty());
}

TYPED_TEST(PictureAssignTest, AnyOtherSourceLeavesTheBytesButReportsEmpty) {
  TypeParam picture;
  LoadBytes(picture, GreenPng(3, 2));
  const Bytes before = BytesOf(picture);
  fw::TFont font;
  picture.Assign(&font);
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(before, BytesOf(picture));
}

TYPED_TEST(PictureAssignTest, AnEmptyPictureMeasuresFalseAndDrawsNothing) {
  TypeParam picture;
  EXPECT_FALSE(picture.GetImageSizes());
  fw::testing::MemoryBitmap target(8, 8);
  fw::TCanvas canvas;
  canvas.SetHandle(target.DC());
  picture.Draw(&canvas, fw::TRect{0, 0, 8, 8});
  EXPECT_EQ(64, target.Count(RECT{0, 0, 8, 8}, fw::clWhite));
}

TEST(VxGDIPPicture, OtherGraphicsGiveTheirBytesToo) {
  // Any graphic is taken, not only bitmaps: a TGDIPPicture's bytes go into a TVxGDIPPicture.
  TGDIPPicture source;
  LoadBytes(source, GreenPng(6, 7));
  TVxGDIPPicture picture;
  picture.Assign(&source);
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(BytesOf(source), BytesOf(picture));
  EXPECT_EQ(6, picture.Width());
}

TEST(GDIPPicture, OtherGraphicsAreIgnored) {
  TVxGDIPPicture source;
  LoadBytes(source, GreenPng(6, 7));
  TGDIPPicture picture;
  EventLog log;
  log.Watch(picture);
  picture.Assign(&source);
  EXPECT_TRUE(picture.Empty());
  EXPECT_TRUE(log.events.empty());
}

class PictureFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = testing::TempPath(name);
    testing::WriteFile(path, bytes);
    files_.push_back(path);
    return path;
  }
  void TearDown() override {
    for (const auto& f : files_) std::remove(f.c_str());
  }
  std::vector<std::string> files_;
};

TEST_F(PictureFileTest, VxPictureTakesItsSizeFromTheHeaderUntilDecoded) {
  TVxGDIPPicture picture;
  EventLog log;
  log.Watch(picture);
  // 70000 pixels wide: the header reader keeps the low 16 bits; a decode gives the real width.
  picture.LoadFromFile(Write("wide.png", GreenPng(70000, 1)));
  EXPECT_EQ((std::vector<std::string>{"clear", "change"}), log.events);
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(70000 & 0xFFFF, picture.Width());
  EXPECT_TRUE(picture.GetImageSizes());
  EXPECT_EQ(70000, picture.Width());
}

TEST_F(PictureFileTest, VxPictureWithAWrongExtensionStillDecodesWhenDrawn) {
  TVxGDIPPicture picture;
  picture.LoadFromFile(Write("really_a_png.jpg", GreenPng(4, 3)));
  EXPECT_FALSE(picture.Empty());
  EXPECT_EQ(0, picture.Width());
  EXPECT_EQ(0, picture.Height());
  ArgbSurface surface(10, 10);
  picture.GDIPDraw(&surface.Graphics(), fw::TRect{0, 0, 8, 6});
  EXPECT_EQ(4, picture.Width());
  EXPECT_EQ(3, picture.Height());
  // Stretched into the rectangle (its edges blend with the surroundings as GDI+ interpolates).
  EXPECT_EQ(kOpaqueGreen, surface.Pixel(6, 4));
  EXPECT_NE(0u, surface.Pixel(7, 5));
  EXPECT_EQ(0u, surface.Pixel(8, 5));
}

TEST_F(PictureFileTest, LowerCaseExtensionAndUnknownExtension) {
  TVxGDIPPicture gif;
  gif.LoadFromFile(Write("lower.gif", testing::MakeGif1x1()));
  EXPECT_EQ(1, gif.Width());
  TVxGDIPPicture other;
  other.LoadFromFile(Write("picture.dat", GreenPng(4, 3)));
  EXPECT_FALSE(other.Empty());
  EXPECT_EQ(0, other.Width());
}

TEST_F(PictureFileTest, AMissingFileLeavesThePictureEmptyWithoutRaising) {
  TVxGDIPPicture vx;
  TGDIPPicture plain;
  EXPECT_NO_THROW(vx.LoadFromFile(testing::TempPath("no_such_file.png")));
  EXPECT_NO_THROW(plain.LoadFromFile(testing::TempPath("no_such_file.png")));
  EXPECT_TRUE(vx.Empty());
  EXPECT_TRUE(plain.Empty());
}

TEST_F(PictureFileTest, GDIPPictureRemembersTheFileAndMeasures) {
  TGDIPPicture picture;
  EventLog log;
  log.Watch(picture);
  const std::string path = Write("glyph.png", GreenPng(9, 5));
  picture.LoadFromFile(path);
  EXPECT_EQ(path, picture.FileName());
  EXPECT_EQ(9, picture.Width());
  EXPECT_EQ(5, picture.Height());
  EXPECT_EQ((std::vector<std::string>{"clear", "change"}), log.events);
}

TEST(VxGDIPPicture, TransparentBmpIsKeyedOnItsBottomLeftPixelAtNaturalSize) {
  TVxGDIPPicture picture;
  LoadBytes(picture, FramedBmp(4));
  picture.SetTransparent(true);
  ArgbSurface surface(12, 12);
  picture.GDIPDraw(&surface.Graphics(), fw::TRect{2, 2, 12, 12});
  EXPECT_EQ(4, surface.Count(0, 0, 12, 12, kOpaqueRed));  // the inner 2 x 2
  EXPECT_EQ(kOpaqueRed, surface.Pixel(3, 3));
  EXPECT_EQ(0u, surface.Pixel(2, 2));  // the blue frame left out
  EXPECT_EQ(0, surface.Count(0, 0, 12, 12, 0xFF0000FFu));
  EXPECT_EQ(24, picture.BitsPerPixel());
  EXPECT_FALSE(picture.HasAlpha());

  // A fixed key colour instead: red is left out, the blue frame stays.
  picture.SetTransparentMode(1);
  picture.SetTransparentColor(fw::clBlue);
  ArgbSurface fixed(12, 12);
  picture.GDIPDraw(&fixed.Graphics(), fw::TRect{0, 0, 12, 12});
  EXPECT_EQ(0, fixed.Count(0, 0, 12, 12, 0xFF0000FFu));
  picture.SetTransparentColor(fw::clRed);
  ArgbSurface keyedRed(12, 12);
  picture.GDIPDraw(&keyedRed.Graphics(), fw::TRect{0, 0, 12, 12});
  EXPECT_EQ(0, keyedRed.Count(0, 0, 12, 12, kOpaqueRed));
  EXPECT_EQ(12, keyedRed.Count(0, 0, 12, 12, 0xFF0000FFu));
}

TEST(VxGDIPPicture, OpaqueBmpIsStretchedLikeAnyOtherFormat) {
  TVxGDIPPicture picture;
  LoadBytes(picture, FramedBmp(4));
  ArgbSurface surface(12, 12);
  picture.GDIPDraw(&surface.Graphics(), fw::TRect{0, 0, 8, 8});
  EXPECT_EQ(kOpaqueRed, surface.Pixel(4, 4));
  EXPECT_GT(GetBlue(surface.Pixel(0, 4)), GetRed(surface.Pixel(0, 4)));  // the frame, stretched
  EXPECT_NE(0u, surface.Pixel(7, 7));
  EXPECT_EQ(0u, surface.Pixel(9, 9));
}

TEST(VxGDIPPicture, CanvasDrawingPutsABmpAtNaturalSizeTransparentAndStretchesAPng) {
  TVxGDIPPicture bmp;
  LoadBytes(bmp, FramedBmp(4));
  fw::testing::MemoryBitmap target(20, 20);
  fw::TCanvas canvas;
  canvas.SetHandle(target.DC());
  bmp.Draw(&canvas, fw::TRect{2, 2, 20, 20});
  EXPECT_EQ(4, target.Count(RECT{0, 0, 20, 20}, fw::clRed));
  EXPECT_EQ(0, target.Count(RECT{0, 0, 20, 20}, fw::clBlue));

  TVxGDIPPicture png;
  LoadBytes(png, GreenPng(2, 2));
  png.Draw(&canvas, fw::TRect{10, 10, 20, 20});
  EXPECT_EQ(fw::clLime, target.Pixel(12, 12));
  EXPECT_EQ(fw::clLime, target.Pixel(15, 15));
  EXPECT_NE(fw::clWhite, target.Pixel(19, 19));
  EXPECT_EQ(fw::clWhite, target.Pixel(9, 12));
}

TEST(GDIPPicture, BmpAndPngFillTheSameRectangle) {
  fw::testing::MemoryBitmap target(20, 10);
  fw::TCanvas canvas;
  canvas.SetHandle(target.DC());
  TGDIPPicture bmp;
  LoadBytes(bmp, testing::MakeBmp(2, 2, [](int x, int y) { return x == 1 && y == 1 ? 0x0000FFu : 0xFF0000u; }));
  TGDIPPicture png;
  LoadBytes(png, GreenPng(2, 2));
  bmp.Draw(&canvas, fw::TRect{0, 0, 10, 10});
  png.Draw(&canvas, fw::TRect{10, 0, 20, 10});
  // The BMP is stretched by the canvas and keyed on its bottom-left (red) pixel: only the blue quarter shows.
  EXPECT_EQ(25, target.Count(RECT{0, 0, 10, 10}, fw::clBlue));
  EXPECT_EQ(75, target.Count(RECT{0, 0, 10, 10}, fw::clWhite));
  EXPECT_EQ(fw::clLime, target.Pixel(12, 2));
  EXPECT_EQ(fw::clLime, target.Pixel(15, 5));
  EXPECT_NE(fw::clWhite, target.Pixel(19, 9));
  EXPECT_EQ(2, png.Width());
}

TEST(VxGDIPPicture, TexturesTileTheDecodedImage) {
  TVxGDIPPicture picture;
  LoadBytes(picture, testing::MakePng(2, 2, [](int x, int y) { return x == y ? kOpaqueRed : kOpaqueGreen; }));
  ArgbSurface surface(6, 6);
  picture.FillRectWithPicture(&surface.Graphics(), MakeRect(0, 0, 6, 6));
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) EXPECT_EQ((x % 2) == (y % 2) ? kOpaqueRed : kOpaqueGreen, surface.Pixel(x, y));
  }
  TGPGraphicsPath path;
  path.AddRectangle(MakeRect(0, 0, 2, 2));
  ArgbSurface pathSurface(6, 6);
  picture.FillPathWithPicture(&pathSurface.Graphics(), &path);
  EXPECT_EQ(kOpaqueRed, pathSurface.Pixel(0, 0));
  EXPECT_EQ(0u, pathSurface.Pixel(3, 3));
}

TEST(VxGDIPPicture, UndecodableBytesMeasureZeroAndDrawNothing) {
  TVxGDIPPicture picture;
  LoadBytes(picture, Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_TRUE(picture.GetImageSizes());
  EXPECT_EQ(0, picture.Width());
  ArgbSurface surface(4, 4);
  picture.GDIPDraw(&surface.Graphics(), fw::TRect{0, 0, 4, 4});
  EXPECT_TRUE(surface.Untouched());
}

TEST(VxGDIPPicture, NoGlobalMemoryRaisesTheImageError) {
  TVxGDIPPicture picture;
  LoadBytes(picture, GreenPng(2, 2));
  fw::ServiceDouble<HGLOBAL(UINT, SIZE_T)> none(ImageMemoryAllocate, [](UINT, SIZE_T) -> HGLOBAL { return nullptr; });
  try {
    picture.GetImageSizes();
    FAIL() << "no error";
  } catch (const fw::Exception& e) {
    EXPECT_EQ("Could not allocate memory for image", e.Message());
  }
}

TEST(VxGDIPPicture, StreamsCarryExactlyTheStoredBytes) {
  TVxGDIPPicture picture;
  const Bytes png = GreenPng(3, 3);
  EventLog log;
  log.Watch(picture);
  LoadBytes(picture, png);
  EXPECT_EQ(std::vector<std::string>{"change"}, log.events);
  EXPECT_EQ(3, picture.Width());
  fw::TMemoryStream out;
  picture.SaveToStream(&out);
  EXPECT_EQ(png, Bytes(static_cast<unsigned char*>(out.Memory()), static_cast<unsigned char*>(out.Memory()) + out.Size()));
  fw::TMemoryStream empty;
  picture.LoadFromStream(&empty);  // an empty stream changes nothing
  EXPECT_EQ(png, BytesOf(picture));
}

// A pictures' registered format: a JPEG (encoded here by GDI+ from a red surface) is read by the GDI+
// picture, whether the picture goes by the file's extension or by the bytes of a stream.
TEST_F(PictureFileTest, FrameworkPicturesLoadJpegThroughTheRegisteredGDIPPicture) {
  static const CLSID kJpegEncoder = {0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  ArgbSurface surface(8, 6);
  TGPSolidBrush red(kOpaqueRed);
  surface.Graphics().FillRectangleXYWH(&red, 0, 0, 8, 6);
  const std::string path = testing::TempPath("panel.jpg");
  files_.push_back(path);
  const std::wstring widePath(path.begin(), path.end());
  ASSERT_EQ(Ok, flat::GdipSaveImageToFile(surface.Bitmap().NativeHandle(), widePath.c_str(), &kJpegEncoder, nullptr));

  fw::TPicture byExtension;
  byExtension.LoadFromFile(path);
  ASSERT_NE(dynamic_cast<TGDIPPicture*>(byExtension.Graphic()), nullptr);
  EXPECT_EQ(8, byExtension.Width());

  fw::TMemoryStream bytes;
  bytes.LoadFromFile(path);
  fw::TPicture byBytes;
  byBytes.LoadFromStream(&bytes);
  ASSERT_NE(dynamic_cast<TGDIPPicture*>(byBytes.Graphic()), nullptr);
  EXPECT_EQ(6, byBytes.Height());
  fw::testing::MemoryBitmap target(8, 6);
  fw::TCanvas canvas;
  canvas.SetHandle(target.DC());
  byBytes.Graphic()->Draw(&canvas, fw::TRect{0, 0, 8, 6});
  const COLORREF centre = fw::ColorToRGB(target.Pixel(4, 3));
  EXPECT_GT(GetRValue(centre), 200);  // JPEG is lossy: red, within a few levels
  EXPECT_LT(GetGValue(centre), 50);
  EXPECT_LT(GetBValue(centre), 50);
}

}  // namespace
}  // namespace ui
