// Small picture files written by the tests themselves: a one-image 32-bit icon and a BMP.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/streams/memory_stream.h"

namespace fw::testing {

// The bytes of an ICO file with one size x size image, every pixel opaque colour (0xRRGGBB).
inline std::vector<unsigned char> IconFileBytes(int size, std::uint32_t rgb) {
  std::vector<unsigned char> out;
  const auto put = [&out](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  const int maskRow = ((size + 31) / 32) * 4;
  const std::uint32_t imageSize = 40 + size * size * 4 + maskRow * size;
  put(0, 2), put(1, 2), put(1, 2);                                    // header: an icon of one image
  put(static_cast<std::uint32_t>(size), 1), put(static_cast<std::uint32_t>(size), 1), put(0, 1), put(0, 1);
  put(1, 2), put(32, 2), put(imageSize, 4), put(6 + 16, 4);            // the entry
  put(40, 4), put(static_cast<std::uint32_t>(size), 4), put(static_cast<std::uint32_t>(2 * size), 4);
  put(1, 2), put(32, 2), put(BI_RGB, 4), put(0, 4), put(0, 4), put(0, 4), put(0, 4), put(0, 4);
  for (int i = 0; i < size * size; ++i) put(0xFF000000u | rgb, 4);    // BGRA, opaque
  for (int i = 0; i < maskRow * size; ++i) put(0, 1);                 // AND mask: all shown
  return out;
}

// The bytes of a BMP file of a width x height bitmap filled with colour.
inline std::vector<unsigned char> BitmapFileBytes(int width, int height, TColor color) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(TRect{0, 0, width, height});
  TMemoryStream stream;
  bitmap.SaveToStream(&stream);
  const auto* data = static_cast<const unsigned char*>(stream.Memory());
  return std::vector<unsigned char>(data, data + stream.Size());
}

inline void WriteBytes(TStream* stream, const std::vector<unsigned char>& bytes) {
  stream->WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  stream->SetPosition(0);
}

}  // namespace fw::testing
