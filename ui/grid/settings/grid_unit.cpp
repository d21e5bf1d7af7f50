#include "ui/grid/settings/grid_unit.h"

#include <ole2.h>

#include <cstdint>

#include "framework/classes/class_registry.h"
#include "framework/controls/scroll_bar.h"
#include "framework/startup/modules.h"
#include "ui/grid/model/grid_focus_hook.h"
#include "ui/grid/model/grid_platform.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

int starts = 0;
bool oleStarted = false;
UINT cellsFormat = 0;
UINT editDoneMessage = 0;
UINT shiftFocusMessage = 0;
bool comCtrlOK = false;

void RegisterGridClasses() {
  try {
    fw::RegisterPersistentClass<TVxStringGrid>("TVxStringGrid");
    fw::RegisterPersistentClass<fw::TScrollBar>("TScrollBar");
  } catch (...) {
    // A class that cannot be registered only keeps stored forms from naming it.
  }
}

}  // namespace

void RegisterGridModules() { fw::Modules().Register({"String grid", &StartGridUnit, &StopGridUnit}); }

void StartGridUnit() {
  if (starts++ > 0) return;
  oleStarted = SUCCEEDED(::OleInitialize(nullptr));
  SetFocusWindowGrid(nullptr);
  InstallFocusWindowHook();
  RegisterGridClasses();
  // Above 4.69: the version's major part in the high word.
  const std::int32_t comctl = GetFileVersion("comctl32.dll");
  comCtrlOK = comctl != -1 && static_cast<std::uint32_t>(comctl) > 0x00040045u;
  cellsFormat = ::RegisterClipboardFormatA("TVxStringGrid Cells");
  editDoneMessage = ::RegisterWindowMessageA("GridEditDone");
  shiftFocusMessage = ::RegisterWindowMessageA("DTPShiftFocus");
}

void StopGridUnit() {
  if (starts == 0 || --starts > 0) return;
  if (oleStarted) ::OleUninitialize();
  oleStarted = false;
  RemoveFocusWindowHook();
  GridHintFontName.clear();
}

int GridUnitStarts() { return starts; }
UINT GridCellsClipboardFormat() { return cellsFormat; }
UINT GridEditDoneMessage() { return editDoneMessage; }
UINT DTPShiftFocusMessage() { return shiftFocusMessage; }
bool ComCtrlOK() { return comCtrlOK; }

bool VisualStylesInUse() {
  const TWindowsVersion version = GridWindowsVersion();
  const bool xp = version.Major > 5 || (version.Major == 5 && version.Minor >= 1);
  if (!xp || !GridThemeActive()) return false;
  const std::int32_t comctl = GetFileVersion("COMCTL32.DLL");
  return comctl != -1 && ((static_cast<std::uint32_t>(comctl) >> 16) & 0xFFFF) > 5;
}

}  // namespace ui
