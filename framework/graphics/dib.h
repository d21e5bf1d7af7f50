#pragma once
// Device-independent bitmaps: top-down DIB sections of any of the usual depths, and the layout of their
// rows. A bitmap's pixels live in one; BMP files and bitmap resources are read into one.
#include <windows.h>

#include <span>
#include <vector>

#include "framework/graphics/gdi_handles.h"

namespace fw {

// Bytes in one row of a DIB (rows are padded to 4 bytes).
inline int DibStride(int width, int bitCount) { return ((width * bitCount + 31) / 32) * 4; }

// A top-down DIB section of bitCount bits per pixel (1, 4, 8, 16, 24 or 32); depths up to 8 take their
// colour table from colors. bits (when asked) receives its pixels. Raises on failure.
GdiObject<HBITMAP> CreateDib(int width, int height, int bitCount, std::span<const RGBQUAD> colors,
                             void** bits = nullptr);
// A 32-bit top-down DIB section; bits (when asked) receives its pixels, one BGRA word each.
GdiObject<HBITMAP> CreateTopDownDib(int width, int height, void** bits = nullptr);

// The colour table of a DIB section (empty above 8 bits per pixel).
std::vector<RGBQUAD> DibColorTable(HBITMAP dib, int bitCount);

}  // namespace fw
