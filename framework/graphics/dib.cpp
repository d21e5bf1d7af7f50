#include "framework/graphics/dib.h"

#include <algorithm>
#include <cstring>

#include "framework/rtl/exceptions.h"

namespace fw {

GdiObject<HBITMAP> CreateDib(int width, int height, int bitCount, std::span<const RGBQUAD> colors, void** bits) {
  const size_t colorCount = bitCount <= 8 ? std::min<size_t>(colors.size(), size_t{1} << bitCount) : 0;
  std::vector<std::uint8_t> buffer(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
  auto* info = reinterpret_cast<BITMAPINFO*>(buffer.data());
  info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info->bmiHeader.biWidth = width;
  info->bmiHeader.biHeight = -height;
  info->bmiHeader.biPlanes = 1;
  info->bmiHeader.biBitCount = static_cast<WORD>(bitCount);
  info->bmiHeader.biCompression = BI_RGB;
  info->bmiHeader.biClrUsed = static_cast<DWORD>(colorCount);
  if (colorCount > 0) std::memcpy(info->bmiColors, colors.data(), colorCount * sizeof(RGBQUAD));
  void* pixels = nullptr;
  GdiObject<HBITMAP> dib(CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!dib) RaiseLastOSError();
  if (bits) *bits = pixels;
  return dib;
}

GdiObject<HBITMAP> CreateTopDownDib(int width, int height, void** bits) {
  return CreateDib(width, height, 32, {}, bits);
}

std::vector<RGBQUAD> DibColorTable(HBITMAP dib, int bitCount) {
  if (bitCount > 8) return {};
  std::vector<RGBQUAD> colors(size_t{1} << bitCount);
  MemoryDC dc;
  SelectedObject selected(dc.Get(), dib);
  colors.resize(GetDIBColorTable(dc.Get(), 0, static_cast<UINT>(colors.size()), colors.data()));
  return colors;
}

}  // namespace fw
