#pragma once
// Enumerations, sets and event types shared by every control.
#include <cstdint>
#include <functional>
#include <string>
#include <windows.h>

#include "framework/rtl/set.h"
#include "framework/classes/component.h"

namespace fw {

class TControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
// Right-to-left reading counts only where the system supports it (SysLocale.MiddleEast).
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
// The parent's edges a control keeps its distance to when the parent changes size.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = Set<TAnchorKind>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateItem>;

// What a control class is and does, fixed by the class in its constructor.
enum TControlStyleItem {
  csAcceptsControls,  // may be the parent of other controls
  csCaptureMouse,     // keeps the mouse while a button is held down over it
  csClickEvents,      // a press and release over the control is a click
  csDoubleClicks,     // receives double-clicks as such (else as a second press)
  csOpaque,           // paints its whole client area: nothing is erased behind it
  csSetCaption,       // the component name becomes the caption
  csReplicatable,
  csNoStdEvents,      // no OnMouse*/OnKey* events
};
using TControlStyle = Set<TControlStyleItem>;

// Transient state of a control while the user works it.
enum TControlStateItem { csLButtonDown, csClicked, csFocusing, csCreating, csAlignmentNeeded };
using TControlState = Set<TControlStateItem>;

// Cursor identifiers; negative values are the system cursors.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
// Splitter cursors: moving a vertical divider left and right (HSplit), a horizontal one up and down (VSplit).
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;

// Modifier keys and mouse buttons from the key flags of a mouse message.
TShiftState MouseKeysToShiftState(WPARAM keys);
// Modifier keys as the keyboard has them now (for key messages).
TShiftState KeyboardShiftState();

}  // namespace fw
