#pragma once
// The toolkit's shared style types: the face colours of a control, and the two style interfaces that
// controls implement (nothing in this program queries them).
#include <windows.h>

#include "framework/graphics/colors.h"

namespace ui {

// Fifteen colours in five groups of three (fill, border, text).
struct TControlFaceColors {
  fw::TColor NormalFill = fw::clNone, NormalBorder = fw::clNone, NormalText = fw::clNone;
  fw::TColor HeaderFill = fw::clNone, HeaderBorder = fw::clNone, HeaderText = fw::clNone;
  fw::TColor DownFill = fw::clNone, DownBorder = fw::clNone, DownText = fw::clNone;
  fw::TColor HotFill = fw::clNone, HotBorder = fw::clNone, HotText = fw::clNone;
  fw::TColor DisabledFill = fw::clNone, DisabledBorder = fw::clNone, DisabledText = fw::clNone;
};

// Applies a style preset (0 to 15; each control names its own).
class IControlStyle {
 public:
  virtual ~IControlStyle() = default;
  virtual void SetComponentStyle(int Style) = 0;
};
// {11AC2DDC-C087-4298-AB6E-EA1B5017511B}
constexpr GUID IID_IControlStyle = {0x11AC2DDC, 0xC087, 0x4298, {0xAB, 0x6E, 0xEA, 0x1B, 0x50, 0x17, 0x51, 0x1B}};

// Applies a set of face colours.
class IControlFaceColors {
 public:
  virtual ~IControlFaceColors() = default;
  virtual void SetColors(const TControlFaceColors& Colors) = 0;
};
// {1F492643-6699-4F25-8B34-3233FA735036}
constexpr GUID IID_IControlFaceColors = {0x1F492643, 0x6699, 0x4F25, {0x8B, 0x34, 0x32, 0x33, 0xFA, 0x73, 0x50, 0x36}};

}  // namespace ui
