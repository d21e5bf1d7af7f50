// Picture sizes from image file headers, on files the test writes.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/ui_foundation/test_images.h"
#include "framework/rtl/exceptions.h"
#include "ui/foundation/image_header_readers.h"

namespace ui {
namespace {

using testing::Bytes;

Bytes JpegWithFrame(unsigned char frameMarker, int width, int height) {
  Bytes b{0xFF, 0xD8};
  // APP0 segment of 16 bytes (its length counts itself), then a fill byte and a restart marker.
  b.insert(b.end(), {0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0});
  b.insert(b.end(), {0xFF, 0xFF, 0xD3});
  b.insert(b.end(), {0xFF, frameMarker, 0x00, 0x11, 0x08});
  testing::PutBE16(b, static_cast<std::uint32_t>(height));
  testing::PutBE16(b, static_cast<std::uint32_t>(width));
  b.insert(b.end(), {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1, 0xFF, 0xD9});
  return b;
}

Bytes PngHeader(std::uint32_t width, std::uint32_t height) {
  Bytes b{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  testing::PutBE32(b, width);
  testing::PutBE32(b, height);
  b.insert(b.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});
  return b;
}

Bytes TiffLittleEndian(int width, int height) {
  Bytes b{'I', 'I', 42, 0};
  testing::PutLE32(b, 8);
  testing::PutLE16(b, 3);
  const std::uint32_t entries[3][2] = {{254, 0}, {256, static_cast<std::uint32_t>(width)},
                                       {257, static_cast<std::uint32_t>(height)}};
  for (const auto& e : entries) {
    testing::PutLE16(b, e[0]);
    testing::PutLE16(b, 3);  // SHORT
    testing::PutLE32(b, 1);
    testing::PutLE32(b, e[1]);
  }
  testing::PutLE32(b, 0);
  return b;
}

Bytes TiffBigEndian(int width, int height) {
  Bytes b{'M', 'M', 0, 42, 0, 0, 0, 8, 0, 2};
  for (const std::uint32_t tag : {256u, 257u}) {
    testing::PutBE16(b, tag);
    testing::PutBE16(b, 4);
    testing::PutBE32(b, 1);
    testing::PutBE32(b, static_cast<std::uint32_t>(tag == 256 ? width : height));
  }
  return b;
}

// A GIF whose four-colour global table holds 0x2C bytes before the image descriptor.
Bytes GifWithTable(int width, int height) {
  Bytes b{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x81, 0, 0};
  b.insert(b.end(), {0x2C, 0x2C, 0x2C, 0x2C, 0x00, 0x00, 0xFF, 0x2C, 0x2C, 0x10, 0x20, 0x30});
  b.insert(b.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00});  // graphic control extension
  b.push_back(0x2C);
  testing::PutLE16(b, 0);
  testing::PutLE16(b, 0);
  testing::PutLE16(b, static_cast<std::uint32_t>(width));
  testing::PutLE16(b, static_cast<std::uint32_t>(height));
  b.insert(b.end(), {0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B});
  return b;
}

TEST(ImageHeaderReaders, SizesByExtension) {
  struct Case {
    const char* file;
    Bytes bytes;
    int width;
    int height;
  };
  auto bmp = testing::MakeBmp(5, 3, [](int, int) { return 0u; });
  auto notBmp = bmp;
  notBmp[1] = 'X';
  auto segmentWithoutMarker = JpegWithFrame(0xC0, 48, 32);
  segmentWithoutMarker[20] = 0x00;  // the byte after the APP0 segment is no marker
  const Case cases[] = {
      {"baseline.jpg", JpegWithFrame(0xC0, 48, 32), 48, 32},
      {"extended.JPEG", JpegWithFrame(0xC1, 7, 9), 7, 9},
      {"progressive.JPG", JpegWithFrame(0xC2, 640, 480), 640, 480},
      {"no_start.jpg", testing::MakePng(2, 2, [](int, int) { return 0u; }), 0, 0},
      {"lost_marker.jpg", segmentWithoutMarker, 0, 0},
      {"small.png", PngHeader(300, 200), 300, 200},
      {"wide.png", PngHeader(70000, 3), 70000 & 0xFFFF, 3},
      {"image.bmp", bmp, 5, 3},
      {"bad.bmp", notBmp, 0, 0},
      {"image.tif", TiffLittleEndian(640, 480), 640, 480},
      {"image.tiff", TiffLittleEndian(12, 34), 12, 34},
      {"motorola.tif", TiffBigEndian(640, 480), 0, 0},
      {"table.gif", GifWithTable(320, 240), 320, 240},
      {"lower.gif", GifWithTable(17, 19), 17, 19},
      {"short.gif", Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0}, 0, 0},
      {"other.xyz", PngHeader(300, 200), 0, 0},
  };
  for (const Case& c : cases) {
    const std::string path = testing::TempPath(c.file);
    testing::WriteFile(path, c.bytes);
    const TImageHeaderSize size = ReadImageHeaderSize(path);
    EXPECT_EQ(c.width, size.Width) << c.file;
    EXPECT_EQ(c.height, size.Height) << c.file;
    std::remove(path.c_str());
  }
}

TEST(ImageHeaderReaders, AMissingFileRaisesTheFrameworksOpenError) {
  EXPECT_THROW(ReadImageHeaderSize(testing::TempPath("missing.png")), fw::EFOpenError);
}

}  // namespace
}  // namespace ui
