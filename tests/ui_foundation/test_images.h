// Image files made by the tests themselves: small BMP, PNG and GIF files that GDI+ decodes, and the
// header pieces the size readers look at.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace ui::testing {

using Bytes = std::vector<unsigned char>;

inline void PutLE16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}
inline void PutLE32(Bytes& b, std::uint32_t v) {
  PutLE16(b, v & 0xFFFF);
  PutLE16(b, v >> 16);
}
inline void PutBE16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<unsigned char>(v >> 8));
  b.push_back(static_cast<unsigned char>(v));
}
inline void PutBE32(Bytes& b, std::uint32_t v) {
  PutBE16(b, v >> 16);
  PutBE16(b, v & 0xFFFF);
}

// A 24-bit bottom-up BMP; colour(x, y) answers 0x00RRGGBB for the pixel at (x, y) from the top.
template <class ColourAt>
Bytes MakeBmp(int width, int height, ColourAt colour) {
  const int stride = (width * 3 + 3) & ~3;
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * height);
  Bytes b{'B', 'M'};
  PutLE32(b, 54 + pixelBytes);
  PutLE32(b, 0);
  PutLE32(b, 54);
  PutLE32(b, 40);
  PutLE32(b, static_cast<std::uint32_t>(width));
  PutLE32(b, static_cast<std::uint32_t>(height));
  PutLE16(b, 1);
  PutLE16(b, 24);
  PutLE32(b, 0);
  PutLE32(b, pixelBytes);
  PutLE32(b, 2835);
  PutLE32(b, 2835);
  PutLE32(b, 0);
  PutLE32(b, 0);
  for (int row = height - 1; row >= 0; --row) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = colour(x, row);
      b.push_back(static_cast<unsigned char>(rgb));
      b.push_back(static_cast<unsigned char>(rgb >> 8));
      b.push_back(static_cast<unsigned char>(rgb >> 16));
    }
    for (int pad = width * 3; pad < stride; ++pad) b.push_back(0);
  }
  return b;
}

inline std::uint32_t Crc32(const unsigned char* data, size_t size, std::uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline void PutPngChunk(Bytes& png, const char* type, const Bytes& data) {
  PutBE32(png, static_cast<std::uint32_t>(data.size()));
  Bytes body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  PutBE32(png, Crc32(body.data(), body.size()));
}

// A 32-bit RGBA PNG (deflate in stored blocks); colour(x, y) answers 0xAARRGGBB.
template <class ColourAt>
Bytes MakePng(int width, int height, ColourAt colour) {
  Bytes raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) {
      const std::uint32_t argb = colour(x, y);
      raw.push_back(static_cast<unsigned char>(argb >> 16));
      raw.push_back(static_cast<unsigned char>(argb >> 8));
      raw.push_back(static_cast<unsigned char>(argb));
      raw.push_back(static_cast<unsigned char>(argb >> 24));
    }
  }
  Bytes z{0x78, 0x01};
  size_t pos = 0;
  do {
    const size_t n = std::min<size_t>(65535, raw.size() - pos);
    z.push_back(pos + n == raw.size() ? 1 : 0);
    PutLE16(z, static_cast<std::uint32_t>(n));
    PutLE16(z, static_cast<std::uint32_t>(~n & 0xFFFF));
    z.insert(z.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + n));
    pos += n;
  } while (pos < raw.size());
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  PutBE32(z, (b << 16) | a);

  Bytes png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  Bytes ihdr;
  PutBE32(ihdr, static_cast<std::uint32_t>(width));
  PutBE32(ihdr, static_cast<std::uint32_t>(height));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
  PutPngChunk(png, "IHDR", ihdr);
  PutPngChunk(png, "IDAT", z);
  PutPngChunk(png, "IEND", Bytes{});
  return png;
}

// A 1 x 1 GIF (white pixel, two-colour global table).
inline Bytes MakeGif1x1() {
  return Bytes{0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00,
               0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string TempPath(const std::string& name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "ui_foundation_" + name;
}

}  // namespace ui::testing
