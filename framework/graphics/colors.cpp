#include "framework/graphics/colors.h"

namespace fw {

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  if (color == clNone || color == clDefault) return RGB(0, 0, 0);
  return static_cast<COLORREF>(color) & 0x00FFFFFFu;
}

}  // namespace fw
