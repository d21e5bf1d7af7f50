#include "ui/grid/model/grid_platform.h"

#include "ui/foundation/theme_library.h"

namespace ui {
namespace {

bool ThemeActive() {
  BindThemeLibrary();
  return ThemeLib.IsThemeActive != nullptr && ThemeLib.IsThemeActive() != FALSE;
}

}  // namespace

fw::Service<TWindowsVersion()> GridWindowsVersion(&WindowsVersion);
fw::Service<std::int32_t(const std::string&)> GetFileVersion(&GetFileVersionMS);
fw::Service<bool()> GridThemeActive(&ThemeActive);

TGridPlatformFlags ReadGridPlatformFlags() {
  const TWindowsVersion v = GridWindowsVersion();
  TGridPlatformFlags flags;
  flags.WinXP = v.Major > 5 || (v.Major == 5 && v.Minor > 0);
  flags.Win7 = v.Major > 6 || (v.Major == 6 && v.Minor > 0);
  flags.Vista = v.Major >= 6;
  const std::int32_t comctl = GetFileVersion("COMCTL32.DLL");
  flags.ComCtl6 = comctl != -1 && ((static_cast<std::uint32_t>(comctl) >> 16) & 0xFFFF) > 5;
  return flags;
}

}  // namespace ui
