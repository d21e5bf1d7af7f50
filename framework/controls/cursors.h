#pragma once
// The cursor behind a framework cursor identifier: an application cursor registered under the number
// (Screen->SetCursors) when there is one, else the system cursor of that identifier.
#include <windows.h>

#include "framework/controls/control_types.h"

namespace fw {

HCURSOR CursorHandle(TCursor cursor);

// Registers Handle as the application cursor number Cursor, replacing (and destroying) one registered
// before; a null Handle removes the registration. The registry owns the handles it keeps: pass a cursor
// of your own (CreateCursor, LoadImage without LR_SHARED), never a shared one. GUI thread only.
void RegisterApplicationCursor(TCursor Cursor, HCURSOR Handle);
// The application cursor registered under the number, null when none is.
HCURSOR ApplicationCursor(TCursor Cursor);

}  // namespace fw
