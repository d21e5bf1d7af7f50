// The text an input method has just composed for a window (its result string), as read at
// WM_IME_COMPOSITION with GCS_RESULTSTR. Tests type through an input method by replacing it.
#pragma once

#include <optional>
#include <string>
#include <windows.h>

#include "framework/services/service.h"

namespace fw {

// The composed text in the system's code page; empty when the window has no input context or no result.
extern Service<std::string(HWND Window)> ImeResultString;
// The same as UTF-16 text for a Unicode window; nothing (not an empty text) when the window has no input
// context. The context is released also when reading the text fails.
extern Service<std::optional<std::wstring>(HWND Window)> ImeResultStringW;

}  // namespace fw
