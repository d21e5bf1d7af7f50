#pragma once
// THintWindow: the small pop-up window that shows a control's hint. CalcHintRect sizes it for a text
// (wrapped at a width; a carriage return alone also breaks the line), ActivateHint shows it at a screen
// rectangle without taking the focus.
#include <string>

#include "framework/controls/custom_control.h"

namespace fw {

class TControl;

// What the application tells a control before it shows the control's hint (CM_HINTSHOW, LParam); the
// control may change it, or refuse the hint by answering non-zero.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint CursorPos;        // in the control's client coordinates
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  std::string HintStr;
  int HideTimeout = 0;     // milliseconds
};

// The part of a hint before '|' (shown in the hint window) and the part after it.
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);

  virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint);
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
