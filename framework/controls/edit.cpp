#include "framework/controls/edit.h"

#include <algorithm>
#include <cctype>

#include "framework/services/keystate.h"

namespace fw {

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetBoundsFields(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  controlStyle_.Exclude(csSetCaption);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "EDIT");
  Params.Style |= ES_AUTOHSCROLL;
  if (readOnly_) Params.Style |= ES_READONLY;
  if (charCase_ == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) Params.Style |= ES_LOWERCASE;
  if (borderStyle_ != bsNone) Params.ExStyle |= WS_EX_CLIENTEDGE;
  if (passwordChar_ != '\0' && !multiLine_) Params.Style |= ES_PASSWORD;
  if (!hideSelection_) Params.Style |= ES_NOHIDESEL;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendTextLimit();
  SendMessageA(Handle(), EM_SETMODIFY, modified_, 0);
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(selStart_), selStart_ + selLength_);
  if (passwordChar_ != '\0' && !multiLine_) {
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
  }
}

void TCustomEdit::DestroyWnd() {
  selStart_ = SelStart();
  selLength_ = SelLength();
  modified_ = Modified();
  TWinControl::DestroyWnd();
}

std::string TCustomEdit::ApplyCharCase(std::string text) const {
  if (charCase_ == ecNormal) return text;
  for (char& c : text) {
    c = static_cast<char>(charCase_ == ecUpperCase ? std::toupper(static_cast<unsigned char>(c))
                                                   : std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

void TCustomEdit::StoreText(const std::string& value) {
  TWinControl::StoreText(ApplyCharCase(value));
  if (!HandleAllocated()) ClampSelection();
}

void TCustomEdit::ClampSelection() {
  const int length = static_cast<int>(TControl::GetText().size());
  selStart_ = std::min(selStart_, length);
  selLength_ = std::min(selLength_, length - selStart_);
}

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = std::max(value, 0);
  if (HandleAllocated()) SendTextLimit();
}

void TCustomEdit::SendTextLimit() { SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0); }

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (charCase_ == value) return;
  charCase_ = value;
  const std::string text = Text();
  RecreateWnd();
  SetText(ApplyCharCase(text));
}

void TCustomEdit::SetReadOnly(bool value) {
  if (readOnly_ == value) return;
  readOnly_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetPasswordChar(char value) {
  if (passwordChar_ == value) return;
  passwordChar_ = value;
  if (!HandleAllocated() || multiLine_) return;
  // The control sets or clears its password style with the character.
  SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(value), 0);
  Invalidate();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (hideSelection_ == value) return;
  hideSelection_ = value;
  RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

bool TCustomEdit::Modified() {
  if (HandleAllocated()) modified_ = SendMessageA(Handle(), EM_GETMODIFY, 0, 0) != 0;
  return modified_;
}

void TCustomEdit::SetModified(bool value) {
  modified_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETMODIFY, value, 0);
}

int TCustomEdit::SelStart() {
  if (!HandleAllocated()) return selStart_;
  DWORD start = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() {
  if (!HandleAllocated()) return selLength_;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelStart(int value) {
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(value), value);
    return;
  }
  selStart_ = std::max(value, 0);
  selLength_ = 0;
  ClampSelection();
}

void TCustomEdit::SetSelLength(int value) {
  if (HandleAllocated()) {
    const int start = SelStart();
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + value);
    return;
  }
  selLength_ = std::max(value, 0);
  ClampSelection();
}

std::string TCustomEdit::SelText() {
  const int start = SelStart();
  return Text().substr(static_cast<size_t>(start), static_cast<size_t>(SelLength()));
}

void TCustomEdit::SetSelText(const std::string& value) {
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(ApplyCharCase(value).c_str()));
    return;
  }
  std::string text = TControl::GetText();
  text.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), value);
  const int caret = selStart_ + static_cast<int>(ApplyCharCase(value).size());
  SetText(text);
  selStart_ = caret;
  selLength_ = 0;
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
    return;
  }
  selStart_ = 0;
  selLength_ = static_cast<int>(TControl::GetText().size());
}

void TCustomEdit::DoEnter() {
  // A click places the caret where the user clicked; only keyboard focus selects everything.
  if (autoSelect_ && !multiLine_ && !IsKeyDown(VK_LBUTTON)) SelectAll();
  TWinControl::DoEnter();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == EN_CHANGE) Change();
      return;
    case CM_TEXTCHANGED:
      // The window reports its own changes with EN_CHANGE, assigned text too when it says so.
      if (!HandleAllocated() || !WindowReportsAssignedText()) Change();
      break;
    default:
      break;
  }
  TWinControl::Dispatch(Message);
}

}  // namespace fw
