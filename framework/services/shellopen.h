// Opening a document or address with the shell's "open" verb in a normal window, as a clicked link does.
// A replaceable service, so tests never start a browser.
#pragma once

#include <string>
#include <windows.h>

#include "framework/services/service.h"

namespace fw {

// Owner: the window that owns any message the shell shows (null: none).
extern Service<void(HWND Owner, const std::string& Target)> ShellOpen;

}  // namespace fw
