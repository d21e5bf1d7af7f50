#pragma once
// The value records and enumerations that GDI+ drawing code passes around, and the colour helpers that
// turn the framework's TColor into GDI+ colours. Records have GDI+'s own layout and go to the flat API
// as they are.
#include <cstdint>

#include "framework/graphics/colors.h"

namespace ui {

// 0xAARRGGBB; alpha 0 is fully transparent, 255 opaque.
using ARGB = std::uint32_t;

struct GpPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

struct GpPointF {
  float X = 0;
  float Y = 0;
};

struct GpRectF {
  float X = 0;
  float Y = 0;
  float Width = 0;
  float Height = 0;
};

// GDI+ status codes (the flat API's return value).
enum GpStatus : int {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
};

// How the fill renderer paints an area.
enum TVxGradientType {
  gtSolid,
  gtRadial,
  gtVertical,
  gtHorizontal,
  gtForwardDiagonal,
  gtBackwardDiagonal,
  gtAngle,
  gtHatch,
  gtPath,
  gtTexture,
  gtNone
};

// GDI+'s hatch styles, in its order.
enum HatchStyle {
  HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal,
  HatchStyleCross, HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent,
  HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent,
  HatchStyle70Percent, HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent,
  HatchStyleLightDownwardDiagonal, HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal,
  HatchStyleDarkUpwardDiagonal, HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal,
  HatchStyleLightVertical, HatchStyleLightHorizontal, HatchStyleNarrowVertical, HatchStyleNarrowHorizontal,
  HatchStyleDarkVertical, HatchStyleDarkHorizontal, HatchStyleDashedDownwardDiagonal,
  HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal, HatchStyleDashedVertical, HatchStyleSmallConfetti,
  HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave, HatchStyleDiagonalBrick, HatchStyleHorizontalBrick,
  HatchStyleWeave, HatchStylePlaid, HatchStyleDivot, HatchStyleDottedGrid, HatchStyleDottedDiamond,
  HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere, HatchStyleSmallGrid, HatchStyleSmallCheckerBoard,
  HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond, HatchStyleSolidDiamond, HatchStyleTotal
};

enum StringTrimming {
  StringTrimmingNone,
  StringTrimmingCharacter,
  StringTrimmingWord,
  StringTrimmingEllipsisCharacter,
  StringTrimmingEllipsisWord,
  StringTrimmingEllipsisPath
};

// The anti-alias choice that buttons and menus publish.
enum TAntiAlias { aaNone, aaClearType, aaAntiAlias };

// GDI+ enumerations passed through unchanged (the values the toolkit uses).
enum LinearGradientMode {
  LinearGradientModeHorizontal = 0,
  LinearGradientModeVertical = 1,
  LinearGradientModeForwardDiagonal = 2,
  LinearGradientModeBackwardDiagonal = 3
};
enum WrapMode { WrapModeTile = 0, WrapModeTileFlipX = 1, WrapModeTileFlipY = 2, WrapModeTileFlipXY = 3, WrapModeClamp = 4 };
enum DashStyle { DashStyleSolid = 0, DashStyleDash = 1, DashStyleDot = 2 };
enum SmoothingMode { SmoothingModeDefault = 0, SmoothingModeHighSpeed = 1, SmoothingModeHighQuality = 2, SmoothingModeNone = 3, SmoothingModeAntiAlias = 4 };
enum GpUnit { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3 };
enum FillMode { FillModeAlternate = 0, FillModeWinding = 1 };
enum CombineMode { CombineModeReplace = 0, CombineModeIntersect = 1 };
enum ColorAdjustType { ColorAdjustTypeDefault = 0 };
enum StringAlignment { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };
enum TextRenderingHint {
  TextRenderingHintSystemDefault = 0,
  TextRenderingHintSingleBitPerPixelGridFit = 1,
  TextRenderingHintSingleBitPerPixel = 2,
  TextRenderingHintAntiAliasGridFit = 3,
  TextRenderingHintAntiAlias = 4,
  TextRenderingHintClearTypeGridFit = 5
};
enum HotkeyPrefix { HotkeyPrefixNone = 0, HotkeyPrefixShow = 1, HotkeyPrefixHide = 2 };

// Font style bits.
constexpr int FontStyleRegular = 0;
constexpr int FontStyleBold = 1;
constexpr int FontStyleItalic = 2;
constexpr int FontStyleUnderline = 4;
constexpr int FontStyleStrikeout = 8;

using PixelFormat = std::int32_t;
constexpr PixelFormat PixelFormatIndexed = 0x00010000;
constexpr PixelFormat PixelFormatAlpha = 0x00040000;
constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;

inline GpPoint MakePoint(int X, int Y) { return GpPoint{X, Y}; }
inline GpPointF MakePointF(float X, float Y) { return GpPointF{X, Y}; }
inline GpRectF MakeRect(float X, float Y, float Width, float Height) { return GpRectF{X, Y, Width, Height}; }
// The rectangle grown by By on every side (a gradient brush one pixel larger leaves no seam at the edge).
inline GpRectF Enlarged(const GpRectF& R, float By = 1) {
  return MakeRect(R.X - By, R.Y - By, R.Width + 2 * By, R.Height + 2 * By);
}

constexpr ARGB MakeColor(std::uint8_t A, std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  return (ARGB(A) << 24) | (ARGB(R) << 16) | (ARGB(G) << 8) | ARGB(B);
}
constexpr ARGB MakeColorRGB(std::uint8_t R, std::uint8_t G, std::uint8_t B) { return MakeColor(255, R, G, B); }
// A framework colour (system colours resolved through the current scheme) with the given opacity.
ARGB MakeAlphaColor(std::uint8_t Alpha, fw::TColor Color);
inline ARGB ColorToARGB(fw::TColor Color) { return MakeAlphaColor(255, Color); }

constexpr std::uint8_t GetAlpha(ARGB Color) { return static_cast<std::uint8_t>(Color >> 24); }
constexpr std::uint8_t GetRed(ARGB Color) { return static_cast<std::uint8_t>(Color >> 16); }
constexpr std::uint8_t GetGreen(ARGB Color) { return static_cast<std::uint8_t>(Color >> 8); }
constexpr std::uint8_t GetBlue(ARGB Color) { return static_cast<std::uint8_t>(Color); }

// Two drawing options of the toolkit; nothing in the program turns them on.
bool GetGDIPOptionInsetLines();
bool GetGDIPOptionSmoothArrow();

}  // namespace ui
