#pragma once
// The message record that window procedures pass through the control classes, and the framework's own
// messages: component messages (CM_*) that controls send each other about property changes, and
// notifications (CN_*) that a parent reflects back to the child control that sent them.
#include <windows.h>

namespace fw {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

constexpr UINT CM_BASE = WM_APP + 0x3000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_DIALOGKEY = CM_BASE + 2;      // WParam: virtual key; Result non-zero when used
constexpr UINT CM_DIALOGCHAR = CM_BASE + 3;     // WParam: character; Result non-zero when used
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 4;   // LParam: the control that got the focus
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 5;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 6;
constexpr UINT CM_HITTEST = CM_BASE + 7;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 8;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 9;
constexpr UINT CM_COLORCHANGED = CM_BASE + 10;
constexpr UINT CM_FONTCHANGED = CM_BASE + 11;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 12;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 13;
constexpr UINT CM_MOUSEENTER = CM_BASE + 14;    // LParam: the control the mouse entered
constexpr UINT CM_MOUSELEAVE = CM_BASE + 15;    // LParam: the control the mouse left
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 16;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 17;
constexpr UINT CM_HINTSHOW = CM_BASE + 18;      // LParam: THintInfo*; Result non-zero suppresses the hint
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 19; // WParam: virtual key; Result non-zero to keep it from dialog handling
constexpr UINT CM_RELEASE = CM_BASE + 20;        // posted to a form to free it once its messages are done
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 21;  // WParam: child control; LParam: 1 inserted, 0 removed
constexpr UINT CM_BORDERCHANGED = CM_BASE + 22;
constexpr UINT CM_CHILDKEY = CM_BASE + 23;       // WParam: virtual key; LParam: the control that has it
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;  // WParam: group index; LParam: the button; broadcast to its siblings
constexpr UINT CM_CHANGED = CM_BASE + 25;        // to the parent; LParam: the control that changed
constexpr UINT CM_ENTER = CM_BASE + 26;          // to a control the focus enters
constexpr UINT CM_EXIT = CM_BASE + 27;           // to a control the focus leaves
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 28;  // to the parent, before; WParam: child; LParam: 1 inserted, 0 removed
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 29;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 30;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 31;
constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 32;
constexpr UINT CM_DRAG = CM_BASE + 33;            // reserved for drag and drop
constexpr UINT CM_ACTIONUPDATE = CM_BASE + 34;
constexpr UINT CM_ACTIONEXECUTE = CM_BASE + 35;
// WParam, LParam: those of the WM_MOUSEWHEEL (keys and delta; the point in screen coordinates); a control
// that takes the wheel answers non-zero, one that does not hands the question to its parent.
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 36;
// A press on a control tells the focused control of its form to end any mode of its own (a dropped-down
// list, a drag); LParam: the control that was pressed.
constexpr UINT CM_CANCELMODE = CM_BASE + 37;
// To the focused control when its form becomes active.
constexpr UINT CM_UIACTIVATE = CM_BASE + 38;

// Messages a parent window receives about a child and hands to the child's object as CN_BASE + message.
constexpr UINT CN_BASE = CM_BASE + 0xC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
// Keyboard messages that the message loop shows the focused control's object before dispatching them;
// a non-zero Result means the control used the key and the message is not dispatched.
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

}  // namespace fw
