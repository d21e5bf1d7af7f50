// What the string grid reads of the system at construction and window creation, through services that
// tests replace: the Windows version, a file's version resource and whether themes are active. None of
// them fails: a missing version resource reads -1, a missing theme library reads "not active".
#pragma once

#include <cstdint>
#include <string>

#include "framework/services/service.h"
#include "ui/foundation/style_detection.h"

namespace ui {

extern fw::Service<TWindowsVersion()> GridWindowsVersion;
// The most significant 32 bits of the file's version, -1 without a version resource.
extern fw::Service<std::int32_t(const std::string& FileName)> GetFileVersion;
extern fw::Service<bool()> GridThemeActive;

// The flags the grid keeps from the readings above.
struct TGridPlatformFlags {
  bool WinXP = false;    // 5.1 or later; doubles as "visual styles are in use" once the window exists
  bool Win7 = false;     // 6.1 or later
  bool ComCtl6 = false;  // "COMCTL32.DLL" of version 6 or later
  bool Vista = false;    // 6.0 or later
};
TGridPlatformFlags ReadGridPlatformFlags();

}  // namespace ui
