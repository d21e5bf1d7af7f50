// The theme-library binder, the style probes and the theme notifier with its registry monitor.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/forms/form.h"
#include "framework/registry/registry.h"
#include "tests/framework/ui_test_support.h"
#include "tests/support/office_keys.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/theme_library.h"
#include "ui/foundation/theme_notifier.h"

namespace ui {
namespace {

TEST(ThemeLibrary, EveryFunctionIsBoundUnderWine) {
  // The test main bound the library through the module start-up.
  ASSERT_TRUE(ThemeLibraryLoaded());
  int bound = 0, total = 0;
#define UI_COUNT(name) \
  ++total;             \
  bound += ThemeLib.name != nullptr ? 1 : 0;
  UI_THEME_FUNCTIONS(UI_COUNT)
#undef UI_COUNT
  EXPECT_EQ(45, total);
  EXPECT_EQ(45, bound);
  EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("uxtheme.dll"), "OpenThemeData")),
            reinterpret_cast<void*>(ThemeLib.OpenThemeData));
}

TEST(ThemeLibrary, BindsOnceFreesAndBindsAgainAndSurvivesAMissingExport) {
  int lookups = 0;
  {
    fw::ServiceDouble<FARPROC(HMODULE, const char*)> counting(ThemeProcLookup, [&](HMODULE module, const char* name) {
      ++lookups;
      return GetProcAddress(module, name);
    });
    BindThemeLibrary();  // already bound: nothing
    EXPECT_EQ(0, lookups);
    FreeThemeLibrary();
    EXPECT_FALSE(ThemeLibraryLoaded());
    EXPECT_NE(nullptr, ThemeLib.OpenThemeData);  // the variables keep their values
    BindThemeLibrary();
    EXPECT_TRUE(ThemeLibraryLoaded());
    EXPECT_EQ(45, lookups);
  }
  {
    // A library without one of the functions: it stays null and the others are bound.
    fw::ServiceDouble<FARPROC(HMODULE, const char*)> lacking(ThemeProcLookup, [](HMODULE module, const char* name) {
      return std::string(name) == "DrawThemeParentBackground" ? nullptr : GetProcAddress(module, name);
    });
    FreeThemeLibrary();
    BindThemeLibrary();
    EXPECT_EQ(nullptr, ThemeLib.DrawThemeParentBackground);
    EXPECT_NE(nullptr, ThemeLib.EnableTheming);
    EXPECT_NE(nullptr, ThemeLib.OpenThemeData);
  }
  FreeThemeLibrary();
  BindThemeLibrary();
  EXPECT_NE(nullptr, ThemeLib.DrawThemeParentBackground);
}

TEST(StyleProbes, VersionsAndFonts) {
  const bool vista = GetProcAddress(GetModuleHandleA("kernel32"), "GetLocaleInfoEx") != nullptr;
  EXPECT_EQ(vista, IsWinVistaOrLater());
  EXPECT_EQ(vista ? "Segoe UI" : "Tahoma", GetDefaultFontName());
  EXPECT_TRUE(IsWinXPOrLater());
  // A file without a version resource (this test program) reads -1, whose bits 16-23 count as version 6.
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  EXPECT_EQ(-1, GetFileVersionMS(self));
  EXPECT_TRUE(IsVersion6OrLater(self));
  EXPECT_EQ(-1, GetFileVersionMS("no_such_file.dll"));
  const std::int32_t kernel = GetFileVersionMS("kernel32.dll");
  EXPECT_NE(-1, kernel);
  EXPECT_EQ(((static_cast<std::uint32_t>(kernel) >> 16) & 0xFF) > 5, IsVersion6OrLater("kernel32.dll"));
}

using testsupport::OfficeKeys;

std::uint8_t XPCode() {
  switch (GetXPThemeColor()) {
    case 1: return 0;
    case 2: return 2;
    case 3: return 1;
    default: return 3;
  }
}

TEST(StyleProbes, CurrentStylePrecedence) {
  OfficeKeys keys;
  if (keys.AlreadyThere()) GTEST_SKIP() << "Office keys exist in this prefix";
  EXPECT_EQ(0, GetOfficeVersion());
  EXPECT_EQ(XPCode(), GetCurrentStyle());  // no Office: the XP scheme (classic under Wine's null driver)
  keys.CreateGeneral("11.0");
  EXPECT_EQ(0, GetOfficeVersion());
  keys.SetTheme("12.0", 3);
  EXPECT_EQ(6, GetCurrentStyle());
  keys.SetTheme("12.0", 7);
  EXPECT_EQ(0, GetCurrentStyle());
  keys.SetTheme("12.0", 1);
  keys.SetTheme("14.0", 2);
  EXPECT_EQ(8, GetCurrentStyle());
  keys.SetTheme("14.0", 0);  // 14.0 decides even with a value outside 1-3
  EXPECT_EQ(0, GetCurrentStyle());
  keys.SetTheme("14.0", 4);
  EXPECT_EQ(0, GetCurrentStyle());
  keys.CreateGeneral("12.0");
  EXPECT_EQ(1, GetOfficeVersion());
  keys.CreateGeneral("14.0");
  EXPECT_EQ(2, GetOfficeVersion());
}

// Windows of a class that counts the theme-change messages it receives.
std::map<HWND, int> themeMessages;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_OFFICE_THEME_CHANGED) ++themeMessages[window];
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND CountingWindow() {
  static const ATOM atom = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "UiFoundationThemeProbe";
    return RegisterClassA(&wc);
  }();
  (void)atom;
  return CreateWindowExA(0, "UiFoundationThemeProbe", "", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

class ThemeNotifierTest : public fw::testing::ApplicationTest {
 protected:
  void SetUp() override {
    ApplicationTest::SetUp();
    form_ = fw::Create<fw::TForm>(&App());
    form_->Handle();
    themeMessages.clear();
  }
  // Pumps messages until the condition holds (at most 5 s).
  template <class Condition>
  bool PumpUntil(Condition done) {
    const DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > 5000) return false;
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
  }
  fw::TForm* form_ = nullptr;
};

TEST_F(ThemeNotifierTest, WithoutOfficeKeysNothingWatches) {
  OfficeKeys keys;
  if (keys.AlreadyThere()) GTEST_SKIP() << "Office keys exist in this prefix";
  keys.CreateGeneral("11.0");
  auto* notifier = fw::Create<TThemeNotifier>(form_);
  EXPECT_FALSE(notifier->Monitoring());
  EXPECT_EQ(nullptr, notifier->NotifierWindow());
  HWND window = CountingWindow();
  notifier->RegisterWindow(window);
  EXPECT_FALSE(notifier->IsRegistered(window));
  notifier->UnRegisterWindow(window);
  notifier->Free();
  DestroyWindow(window);
}

TEST_F(ThemeNotifierTest, AValueChangeReachesEveryRegisteredWindowOnce) {
  OfficeKeys keys;
  if (keys.AlreadyThere()) GTEST_SKIP() << "Office keys exist in this prefix";
  keys.CreateGeneral("12.0");
  keys.SetTheme("12.0", 1);
  auto* notifier = fw::Create<TThemeNotifier>(form_);
  ASSERT_TRUE(notifier->Monitoring());
  EXPECT_EQ("Software\\Microsoft\\Office\\12.0\\Common", notifier->WatchedKey());
  int fired = 0;
  notifier->OnOfficeThemeChange = [&](fw::TObject* sender) {
    EXPECT_EQ(notifier, sender);
    ++fired;
  };
  HWND first = CountingWindow();
  HWND second = CountingWindow();
  notifier->RegisterWindow(first);
  notifier->RegisterWindow(first);  // duplicates are ignored
  notifier->RegisterWindow(second);
  notifier->UnRegisterWindow(CountingWindow());  // unknown: nothing

  keys.SetTheme("12.0", 2);
  ASSERT_TRUE(PumpUntil([&] { return fired == 1 && themeMessages[first] >= 1 && themeMessages[second] >= 1; }));
  EXPECT_EQ(1, themeMessages[first]);
  EXPECT_EQ(1, themeMessages[second]);

  notifier->UnRegisterWindow(second);
  keys.SetTheme("12.0", 3);
  ASSERT_TRUE(PumpUntil([&] { return fired == 2 && themeMessages[first] == 2; }));
  EXPECT_EQ(1, themeMessages[second]);
  notifier->Free();
  DestroyWindow(first);
  DestroyWindow(second);
}

TEST_F(ThemeNotifierTest, Office14IsWatchedWhenBothExistAndTheSingletonComesBack) {
  OfficeKeys keys;
  if (keys.AlreadyThere()) GTEST_SKIP() << "Office keys exist in this prefix";
  keys.CreateGeneral("12.0");
  keys.CreateGeneral("14.0");
  TThemeNotifier* notifier = GetThemeNotifier(form_);
  EXPECT_EQ(notifier, GetThemeNotifier(nullptr));
  EXPECT_EQ("Software\\Microsoft\\Office\\14.0\\Common", notifier->WatchedKey());
  notifier->Free();
  TThemeNotifier* again = GetThemeNotifier(form_);
  EXPECT_NE(nullptr, again);
  again->Free();
}

}  // namespace
}  // namespace ui
