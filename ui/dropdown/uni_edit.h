#pragma once
// Edits and memos whose window is a Unicode window and whose Text is a wide (UTF-16) string, on the
// framework's edit: the window is made by CreateWideWindow and trapped (wide_window_trap.h), so wide
// characters reach the system edit while the framework's 8-bit key events still run (a character above
// U+00FF shows as 255 in OnKeyPress; a handler that clears the key stops it). The wide text survives the
// window being made anew and lives in the control's caption holder while there is no window.
//
// Text here is the wide one; the framework's 8-bit Text (reached through a TControl) is the same text
// narrowed to the system code page.
#include <string>
#include <string_view>

#include "framework/controls/edit.h"
#include "framework/controls/std_types.h"

namespace ui {

class TCustomUNIEdit : public fw::TCustomEdit {
 public:
  explicit TCustomUNIEdit(fw::TComponent* AOwner);

  std::wstring Text();
  // Setting the text it already has sends no change notification.
  void SetText(std::wstring_view value);

 protected:
  void CreateWindowHandle(const fw::TCreateParams& Params) override;
};

class TAsgUniEdit : public TCustomUNIEdit {
 public:
  using TCustomUNIEdit::TCustomUNIEdit;
};

// A multi-line Unicode edit. WordWrap and ScrollBars make the window anew when they change; the wide
// text stays. Enter and Tab are left to the form (dialog keys) unless a descendant wants them.
class TAsgUniCustomMemo : public TCustomUNIEdit {
 public:
  explicit TAsgUniCustomMemo(fw::TComponent* AOwner);

  fw::TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(fw::TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  void Dispatch(fw::TMessage& Message) override;

 protected:
  void CreateParams(fw::TCreateParams& Params) override;
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }

 private:
  fw::TScrollStyle scrollBars_ = fw::ssNone;
  bool wordWrap_ = false;
  bool wantReturns_ = false;
  bool wantTabs_ = false;
};

class TAsgUniMemo : public TAsgUniCustomMemo {
 public:
  explicit TAsgUniMemo(fw::TComponent* AOwner);
};

}  // namespace ui
