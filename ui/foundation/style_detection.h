#pragma once
// Which colour scheme the desktop (or Microsoft Office) uses, the default UI font and the system probes
// the controls choose their look by.
#include <cstdint>
#include <string>

#include "framework/registry/registry.h"

namespace ui {

// Colour-scheme codes of GetCurrentStyle.
enum TCurrentStyle : std::uint8_t {
  csWindowsXPNormal = 0,    // XP style "NormalColor" (also: an Office "Theme" value other than 1-3)
  csWindowsXPMetallic = 1,
  csWindowsXPHomeStead = 2,
  csClassic = 3,            // no visual style, or an unknown scheme
  csOffice2007Luna = 4,
  csOffice2007Obsidian = 5,
  csOffice2007Silver = 6,
  csOffice2010Blue = 7,
  csOffice2010Silver = 8,
  csOffice2010Black = 9
};

// "GetLocaleInfoEx" in kernel32.
bool IsWinVistaOrLater();
// The running Windows' major and minor version (GetVersionExA); 0 and 0 when the call fails.
struct TWindowsVersion {
  unsigned Major = 0;
  unsigned Minor = 0;
};
TWindowsVersion WindowsVersion();
// Major version above 5, or 5 with a minor version other than 0.
bool IsWinXPOrLater();
// "Segoe UI" from Vista on, else "Tahoma".
std::string GetDefaultFontName();
// The most significant double word of a file's version (-1 when it has no version resource).
std::int32_t GetFileVersionMS(const std::string& FileName);
// Bits 16-23 of the file's version above 5: a file without a version resource counts as version 6.
bool IsVersion6OrLater(const std::string& FileName);
bool IsComCtlVersion6();
// 0: no Office (or only 11.0), 1: Office 12.0, 2: Office 14.0 (the later found decides).
int GetOfficeVersion();
// The XP colour scheme: 0 none (no styles, inactive theme, missing exports), 1 "NormalColor",
// 2 "HomeStead", 3 "Metallic".
int GetXPThemeColor();
// The "Theme" value under the key of HKEY_CURRENT_USER, -1 when the key or the value is missing.
std::int32_t ReadOfficeTheme(fw::TRegistry* Registry, const std::string& Key);
// Office 14.0, then Office 12.0, then the XP scheme.
std::uint8_t GetCurrentStyle();

}  // namespace ui
