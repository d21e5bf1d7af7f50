#pragma once
// Picture sizes straight from an image file's header, without decoding it. Each reader opens the file
// read-only itself and answers false (sizes untouched) when the header is not what it expects. Sizes are
// the low 16 bits of what the header says; TIFF files are read as little-endian (II) only.
#include <cstdint>
#include <string>

namespace ui {

struct TImageHeaderSize {
  std::uint16_t Width = 0;
  std::uint16_t Height = 0;
};

bool ReadJpegSize(const std::string& FileName, TImageHeaderSize& Size);
bool ReadPngSize(const std::string& FileName, TImageHeaderSize& Size);
bool ReadBmpSize(const std::string& FileName, TImageHeaderSize& Size);
bool ReadTiffSize(const std::string& FileName, TImageHeaderSize& Size);
bool ReadGifSize(const std::string& FileName, TImageHeaderSize& Size);

// The reader for the file's extension (".JPG", ".JPEG", ".PNG", ".BMP", ".TIF", ".TIFF", ".GIF" in any
// case); any other extension gives 0 x 0.
TImageHeaderSize ReadImageHeaderSize(const std::string& FileName);

}  // namespace ui
