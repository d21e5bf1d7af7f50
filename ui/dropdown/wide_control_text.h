#pragma once
// The wide Text of a framework window control with a Unicode window. While the control has a Unicode
// window its text is the window's; without one (before the first window, between a window's end and the
// next) it lives in the control's TWideCaptionHolder, beside the framework's 8-bit text, so wide
// characters survive the control's window being made anew. GUI thread only.
#include <string>
#include <string_view>

#include "framework/classes/component.h"
#include "framework/controls/win_control.h"

namespace ui {

// Holds a control's wide caption while it has no Unicode window; owned by the control (at most one).
class TWideCaptionHolder : public fw::TComponent {
 public:
  using fw::TComponent::TComponent;
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring_view value) { caption_ = value; }

 private:
  std::wstring caption_;
};

// The control's holder: the first component it owns of that class, else a new one owned by it holding
// DefaultCaption (an existing holder's caption is not changed).
TWideCaptionHolder* WideCaptionHolderOf(fw::TComponent* Control, std::wstring_view DefaultCaption = {});

// The window's text while the control has a Unicode window; else the holder's caption (a holder made
// here starts with the framework's 8-bit text, widened).
std::wstring ReadWideControlText(fw::TWinControl* Control);
// With a Unicode window: a different text is set as the window's text and the control hears
// CM_TEXTCHANGED; the same text changes nothing. Without one: the holder keeps the text and the
// framework's 8-bit text becomes it narrowed (CM_TEXTCHANGED when either changed).
void WriteWideControlText(fw::TWinControl* Control, std::wstring_view Text);

}  // namespace ui
