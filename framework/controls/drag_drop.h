#pragma once
// Drag and drop inside the program. A drag starts with BeginDrag on the source control (or by itself with
// DragMode dmAutomatic at a left press), takes the mouse, and once the mouse has moved past the threshold
// asks the control under it (FindDragTarget) with DragOver whether it would take the source; releasing the
// left button over a control that accepts calls its DragDrop, and the source hears EndDrag either way.
// Esc or EndDrag(false) cancels.
#include <functional>

#include "framework/controls/control_types.h"
#include "framework/graphics/geometry.h"

namespace fw {

class TControl;
class TWinControl;
struct TMessage;

enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;

using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// The control under a screen point: a graphic control where one is, else the framework window there.
TControl* FindDragTarget(TPoint Pos, bool AllowDisabled);

namespace drag_detail {
// Starts a drag of source from the mouse's current position.
void Begin(TControl* source, bool immediate, int threshold);
// Ends the drag of source (dropping on the target when drop and it accepts).
void End(TControl* source, bool drop);
bool IsDragging(const TControl* source);
// A mouse or key message reached a window while a drag runs: true when the drag took it.
bool HandleMessage(TWinControl* receiver, TMessage& Message);
// The control is going away: a drag from or over it ends.
void Forget(TControl* control);
}  // namespace drag_detail

}  // namespace fw
