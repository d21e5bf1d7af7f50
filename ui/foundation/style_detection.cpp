#include "ui/foundation/style_detection.h"

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "ui/foundation/theme_library.h"

namespace ui {

namespace {

constexpr char kOffice14Common[] = "Software\\Microsoft\\Office\\14.0\\Common";
constexpr char kOffice12Common[] = "Software\\Microsoft\\Office\\12.0\\Common";

}  // namespace

bool IsWinVistaOrLater() {
  HMODULE kernel = GetModuleHandleA("kernel32");
  return kernel != nullptr && GetProcAddress(kernel, "GetLocaleInfoEx") != nullptr;
}

TWindowsVersion WindowsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!GetVersionExA(&info)) return {};
  return {info.dwMajorVersion, info.dwMinorVersion};
}

bool IsWinXPOrLater() {
  const TWindowsVersion version = WindowsVersion();
  return version.Major > 5 || (version.Major == 5 && version.Minor != 0);
}

std::string GetDefaultFontName() { return IsWinVistaOrLater() ? "Segoe UI" : "Tahoma"; }

std::int32_t GetFileVersionMS(const std::string& FileName) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(FileName.c_str(), &handle);
  if (size == 0) return -1;
  std::vector<unsigned char> buffer(size);
  if (!GetFileVersionInfoA(FileName.c_str(), 0, size, buffer.data())) return -1;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(buffer.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr) return -1;
  if (fixed->dwSignature != 0xFEEF04BD) return -1;
  return static_cast<std::int32_t>(fixed->dwFileVersionMS);
}

bool IsVersion6OrLater(const std::string& FileName) {
  return ((static_cast<std::uint32_t>(GetFileVersionMS(FileName)) >> 16) & 0xFF) > 5;
}

bool IsComCtlVersion6() { return IsVersion6OrLater("COMCTL32.DLL"); }

int GetOfficeVersion() {
  fw::TRegistry registry(KEY_READ);
  registry.SetRootKey(HKEY_CURRENT_USER);
  int version = 0;
  if (registry.KeyExists("Software\\Microsoft\\Office\\11.0\\Common\\General")) version = 0;
  if (registry.KeyExists("Software\\Microsoft\\Office\\12.0\\Common\\General")) version = 1;
  if (registry.KeyExists("Software\\Microsoft\\Office\\14.0\\Common\\General")) version = 2;
  return version;
}

int GetXPThemeColor() {
  if (!IsWinXPOrLater()) return 0;
  HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
  if (uxtheme == nullptr) return 0;
  int result = 0;
  auto isThemeActive = reinterpret_cast<decltype(&::IsThemeActive)>(
      reinterpret_cast<void*>(ThemeProcLookup(uxtheme, "IsThemeActive")));
  if (isThemeActive != nullptr && isThemeActive() && IsComCtlVersion6()) {
    auto currentThemeName = reinterpret_cast<decltype(&::GetCurrentThemeName)>(
        reinterpret_cast<void*>(ThemeProcLookup(uxtheme, "GetCurrentThemeName")));
    if (currentThemeName != nullptr) {
      WCHAR file[255] = {}, scheme[255] = {}, size[255] = {};
      currentThemeName(file, 255, scheme, 255, size, 255);
      const std::wstring name = scheme;
      if (name == L"NormalColor") result = 1;
      else if (name == L"HomeStead") result = 2;
      else if (name == L"Metallic") result = 3;
    }
  }
  FreeLibrary(uxtheme);
  return result;
}

std::int32_t ReadOfficeTheme(fw::TRegistry* Registry, const std::string& Key) {
  Registry->SetRootKey(HKEY_CURRENT_USER);
  if (!Registry->OpenKeyReadOnly("\\" + Key)) return -1;
  std::int32_t theme = -1;
  if (Registry->ValueExists("Theme")) {
    try {
      theme = Registry->ReadInteger("Theme");
    } catch (const fw::Exception&) {
      theme = -1;  // a value of another type counts as none
    }
  }
  Registry->CloseKey();
  return theme;
}

std::uint8_t GetCurrentStyle() {
  fw::TRegistry registry(KEY_READ);
  const std::int32_t office14 = ReadOfficeTheme(&registry, kOffice14Common);
  if (office14 != -1) return office14 >= 1 && office14 <= 3 ? static_cast<std::uint8_t>(6 + office14) : 0;
  const std::int32_t office12 = ReadOfficeTheme(&registry, kOffice12Common);
  if (office12 != -1) return office12 >= 1 && office12 <= 3 ? static_cast<std::uint8_t>(3 + office12) : 0;
  switch (GetXPThemeColor()) {
    case 1: return csWindowsXPNormal;
    case 2: return csWindowsXPHomeStead;
    case 3: return csWindowsXPMetallic;
    default: return csClassic;
  }
}

}  // namespace ui
