#include "ui/foundation/theme_library.h"

namespace ui {

namespace {

HMODULE library = nullptr;
bool loaded = false;

FARPROC LookUp(HMODULE module, const char* name) { return GetProcAddress(module, name); }

}  // namespace

TThemeLibrary ThemeLib;
fw::Service<FARPROC(HMODULE, const char*)> ThemeProcLookup(LookUp);

void BindThemeLibrary() {
  if (loaded) return;
  HMODULE module = LoadLibraryA("UXTHEME.DLL");
  if (reinterpret_cast<UINT_PTR>(module) < 32) return;
  library = module;
  loaded = true;
  // A function the library lacks stays null; binding goes on with the others.
#define UI_THEME_RESOLVE(name) \
  ThemeLib.name = reinterpret_cast<decltype(ThemeLib.name)>(reinterpret_cast<void*>(ThemeProcLookup(library, #name)));
  UI_THEME_FUNCTIONS(UI_THEME_RESOLVE)
#undef UI_THEME_RESOLVE
}

void FreeThemeLibrary() {
  if (!loaded) return;
  FreeLibrary(library);
  library = nullptr;
  loaded = false;
}

bool ThemeLibraryLoaded() { return loaded; }

}  // namespace ui
