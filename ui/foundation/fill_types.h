#pragma once
// The enumerations of the fill description and its painters.
namespace ui {

enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };
enum TFillPicturePosition {
  ppTopLeft,
  ppTopCenter,
  ppTopRight,
  ppBottomLeft,
  ppBottomCenter,
  ppBottomRight,
  ppTiled,
  ppStretched,
  ppCenterLeft,
  ppCenterCenter,
  ppCenterRight,
  ppCustom
};
enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TFillPictureSize { psOriginal, psCustom };
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
enum TPictureMode { pmStretch, pmNormal };
enum TShadowType { stRightBottom, stBottom, stSurround };

}  // namespace ui
