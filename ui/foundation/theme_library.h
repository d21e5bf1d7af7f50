#pragma once
// The theme library ("UXTHEME.DLL") bound at run time, so the program starts where visual styles do not
// exist and still draws themed parts where they do. Bound once through the module start-up and freed at
// the end; every themed painter calls the theme functions only through ThemeLib and tests the function
// first (a function the library lacks stays null).
#include <windows.h>
#include <uxtheme.h>

#include "framework/services/service.h"

namespace ui {

// The 45 theme functions, in the order they are resolved.
#define UI_THEME_FUNCTIONS(X)                                                                                   \
  X(OpenThemeData) X(CloseThemeData) X(DrawThemeBackground) X(DrawThemeText) X(GetThemeBackgroundContentRect)    \
  X(GetThemeBackgroundExtent) X(GetThemeTextExtent) X(GetThemeTextMetrics) X(GetThemeBackgroundRegion)           \
  X(HitTestThemeBackground) X(DrawThemeEdge) X(DrawThemeIcon) X(IsThemePartDefined)                              \
  X(IsThemeBackgroundPartiallyTransparent) X(GetThemeColor) X(GetThemeMetric) X(GetThemeString) X(GetThemeBool)  \
  X(GetThemeInt) X(GetThemeEnumValue) X(GetThemePosition) X(GetThemeFont) X(GetThemeRect) X(GetThemeMargins)     \
  X(GetThemeIntList) X(SetWindowTheme) X(GetThemeFilename) X(GetThemeSysColor) X(GetThemeSysColorBrush)          \
  X(GetThemeSysBool) X(GetThemeSysSize) X(GetThemeSysFont) X(GetThemeSysString) X(GetThemeSysInt)                \
  X(IsThemeActive) X(IsAppThemed) X(GetWindowTheme) X(EnableThemeDialogTexture) X(IsThemeDialogTextureEnabled)   \
  X(GetThemeAppProperties) X(SetThemeAppProperties) X(GetCurrentThemeName) X(GetThemeDocumentationProperty)      \
  X(DrawThemeParentBackground) X(EnableTheming)

struct TThemeLibrary {
#define UI_THEME_MEMBER(name) decltype(&::name) name = nullptr;
  UI_THEME_FUNCTIONS(UI_THEME_MEMBER)
#undef UI_THEME_MEMBER
};

// The bound functions (null until bound, and for any the library lacks).
extern TThemeLibrary ThemeLib;

// How the binder finds a function in the library (GetProcAddress); a test replaces it.
extern fw::Service<FARPROC(HMODULE, const char*)> ThemeProcLookup;

// Loads the library and resolves every function; does nothing while bound. Without the library every
// function stays null.
void BindThemeLibrary();
// Frees the library (the function variables keep their values, as the library may not really go).
void FreeThemeLibrary();
bool ThemeLibraryLoaded();

}  // namespace ui
