// The system's modal OLE drag-and-drop loop (DoDragDrop): it runs until the data object is dropped or the
// drag is cancelled. Tests answer it by replacing it, so no real mouse is needed.
#pragma once

#include <ole2.h>
#include <windows.h>

#include "framework/services/service.h"

namespace fw {

// Runs the loop for Data with Source's feedback, allowing OkEffects (DROPEFFECT_*); *Effect receives the
// effect of the drop. Returns DRAGDROP_S_DROP, DRAGDROP_S_CANCEL or an error code. Needs OLE initialised
// on the calling thread.
extern Service<HRESULT(IDataObject* Data, IDropSource* Source, DWORD OkEffects, DWORD* Effect)> OleDragLoop;

}  // namespace fw
