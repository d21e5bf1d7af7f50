#pragma once
// Keyboard shortcuts of menu items: a virtual key with Shift, Ctrl and Alt in one 16-bit value, and its
// text as menus show it ("Ctrl+S", "Shift+F5").
#include <cstdint>
#include <string>
#include <windows.h>

#include "framework/controls/control_types.h"

namespace fw {

using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift);
std::string ShortCutToText(TShortCut ShortCut);
// The other way round; scNone for text that names no shortcut.
TShortCut TextToShortCut(const std::string& Text);

}  // namespace fw
