#pragma once
// Making and ending the Unicode window of a framework window control (the edits and combo boxes with a
// wide Text). Called from the control's CreateWindowHandle; GUI thread only.
#include <string>

#include "framework/controls/create_params.h"
#include "framework/controls/win_control.h"

namespace ui {

// Makes the control's window as a Unicode window of the Unicode copy "<class>.UnicodeClass" of the
// framework's class of Params (registered once per class name), with SystemClass's Unicode procedure
// ("EDIT", "COMBOBOX"; DefWindowProcW when empty) as the control's default procedure; traps it
// (wide_window_trap.h) and gives it the wide caption the control holds (Params' caption for a control
// that holds none yet). A failed registration or creation raises EOSError with the system's error, and
// nothing after it runs.
void CreateWideWindow(fw::TWinControl* Control, const fw::TCreateParams& Params, const std::wstring& SystemClass);

// The trapped window is going (WM_DESTROY): unless the control itself is being destroyed its text moves
// into the control's wide caption holder, so the next window shows it; the trap is removed.
void ReleaseWideWindow(fw::TWinControl* Control);

}  // namespace ui
