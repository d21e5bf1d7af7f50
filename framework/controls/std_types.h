#pragma once
// Enumerations that several standard controls share.
#include <windows.h>

namespace fw {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TScrollBarKind { sbHorizontal, sbVertical };
// The scroll bars a control shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

// DrawText flags for a horizontal alignment.
constexpr UINT AlignmentFlags(TAlignment alignment) {
  return alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
}

}  // namespace fw
