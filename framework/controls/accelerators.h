#pragma once
// Captions mark their accelerator key with '&' ("&Save" answers Alt+S); "&&" is a literal '&'.
#include <string>
#include <windows.h>

namespace fw {

// True when the caption's accelerator is the character (ignoring case).
bool IsAccel(WPARAM character, const std::string& caption);
// The caption as shown, without the accelerator marks.
std::string StripHotkey(const std::string& caption);

}  // namespace fw
