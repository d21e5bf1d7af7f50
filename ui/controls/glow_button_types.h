// The glow button's enumerations, its paint-state type and its owner-draw event.
#pragma once

#include <cstdint>
#include <functional>

#include "framework/classes/object.h"
#include "framework/graphics/geometry.h"

namespace fw {
class TCanvas;
}  // namespace fw

namespace ui {


// Where glyph and caption stand (the glow button's own order).
enum TButtonLayout : std::uint8_t {
  blGlyphLeft,
  blGlyphTop,
  blGlyphRight,
  blGlyphBottom,
  blGlyphLeftAdjusted,
  blGlyphRightAdjusted,
  blGlyphTopAdjusted,
  blGlyphBottomAdjusted
};
enum TFocusType : std::uint8_t { ftBorder, ftHot, ftHotBorder, ftNone };
enum TImageListType : std::uint8_t { ipActionList, ipOwnLists };
enum TVxButtonStyle : std::uint8_t { bsButton, bsCheck };
enum TButtonSizeState : std::uint8_t { bsGlyph, bsLabel, bsLarge };
enum TDropDownPosition : std::uint8_t { dpRight, dpBottom };
enum TDropDownDirection : std::uint8_t { ddDown, ddRight };
enum TShortCutHintPos : std::uint8_t {
  shpLeft, shpTop, shpRight, shpBottom, shpCenter, shpAuto, shpTopLeft, shpTopRight, shpAboveTop,
  shpAboveTopLeft, shpAboveTopRight, shpBottomLeft, shpBottomRight, shpBelowBottom, shpBelowBottomLeft,
  shpBelowBottomRight, shpBelowBottomCenter
};

// 0 normal, 1 the pointer is inside, 2 pressed or down.
using TGlowButtonState = int;
using TGlowButtonDrawEvent =
    std::function<void(fw::TObject* Sender, fw::TCanvas* Canvas, const fw::TRect& Rect, TGlowButtonState State)>;

// Run-time button states.
enum : std::uint8_t { gbsUp = 0, gbsDisabled = 1, gbsPressed = 2, gbsGroupDown = 4 };

}  // namespace ui
