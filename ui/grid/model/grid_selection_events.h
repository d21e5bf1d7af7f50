// The event types of the string grid's disjunct selections, current-row reports and the advance after an
// edit. Every event is fired only when assigned, Sender first.
#pragma once

#include <functional>

#include "framework/classes/object.h"

namespace ui {

// A row of the disjunct row selection is about to change state; Allow false keeps it as it is.
using TRowDisjunctSelectEvent = std::function<void(fw::TObject* Sender, int ARow, bool AState, bool& Allow)>;
// Sender and a row (a row's disjunct selection changed).
using TAutoInsertRowEvent = std::function<void(fw::TObject* Sender, int ARow)>;
using TRowChangedEvent = std::function<void(fw::TObject* Sender, int OldRow, int NewRow)>;
// The advance after an edit may change its target or refuse.
using TAutoAdvanceEvent =
    std::function<void(fw::TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(fw::TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TAutoAddRowEvent = std::function<void(fw::TObject* Sender, int ARow)>;
using TAutoInsertColEvent = std::function<void(fw::TObject* Sender, int ACol)>;

}  // namespace ui
