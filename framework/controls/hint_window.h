#pragma once
// THintWindow: the small pop-up window that shows a control's hint. CalcHintRect sizes it for a text
// (wrapped at a width; a carriage return alone also breaks the line), ActivateHint shows it at a screen
// rectangle without taking the focus.
#include <string>

#include "framework/controls/custom_control.h"

namespace fw {

class TControl;
class THintWindow;

// Makes the window a hint is shown in, owned by Owner: a class of hint window (CreateHintWindow<T>).
using THintWindowClass = THintWindow* (*)(TComponent* Owner);
template <class T>
THintWindow* CreateHintWindow(TComponent* Owner) {
  return Create<T>(Owner);
}

// What the application tells a control before it shows the control's hint (CM_HINTSHOW, LParam); the
// control may change it, or refuse the hint by answering non-zero.
struct THintInfo {
  TControl* HintControl = nullptr;
  THintWindowClass HintWindowClass = nullptr;  // the application's hint window unless the control sets one
  TPoint HintPos;          // the hint window's top-left corner, screen coordinates (below the cursor)
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  // While the mouse stays inside it (the control's client coordinates; its whole client area at first)
  // the hint stays; leaving it shows the control's hint anew, so a control can hint part by part.
  TRect CursorRect;
  TPoint CursorPos;        // in the control's client coordinates
  std::string HintStr;
  int HideTimeout = 0;     // milliseconds
  void* HintData = nullptr;  // handed to the hint window's CalcHintRect
};

// The part of a hint before '|' (shown in the hint window) and the part after it.
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);

  // The window's size for the text (at (0, 0)); Data is the hint's HintData, for classes that use it.
  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint, void* AData = nullptr);
  // Shows the text at Rect, kept inside the work area of the monitor nearest Rect's top-left corner.
  virtual void ActivateHint(TRect Rect, const std::string& AHint);
  // Hides the window (it is made again by the next ActivateHint).
  void ReleaseHandle();
  bool IsShowing() { return HandleAllocated() && IsWindowVisible(Handle()) != FALSE; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;

 private:
  static constexpr UINT kTextFlags = DT_WORDBREAK | DT_NOPREFIX | DT_LEFT;
};

}  // namespace fw
