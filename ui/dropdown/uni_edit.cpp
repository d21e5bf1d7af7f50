#include "ui/dropdown/uni_edit.h"

#include "ui/dropdown/wide_control_text.h"
#include "ui/dropdown/wide_window.h"

namespace ui {

TCustomUNIEdit::TCustomUNIEdit(fw::TComponent* AOwner) : fw::TCustomEdit(AOwner) { Font()->SetCharset(OEM_CHARSET); }

std::wstring TCustomUNIEdit::Text() { return ReadWideControlText(this); }

void TCustomUNIEdit::SetText(std::wstring_view value) { WriteWideControlText(this, value); }

void TCustomUNIEdit::CreateWindowHandle(const fw::TCreateParams& Params) { CreateWideWindow(this, Params, L"EDIT"); }

TAsgUniCustomMemo::TAsgUniCustomMemo(fw::TComponent* AOwner) : TCustomUNIEdit(AOwner) { SetMultiLine(true); }

void TAsgUniCustomMemo::CreateParams(fw::TCreateParams& Params) {
  TCustomUNIEdit::CreateParams(Params);
  if (wordWrap_) Params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  Params.Style |= ES_MULTILINE;
  if (scrollBars_ == fw::ssHorizontal || scrollBars_ == fw::ssBoth) Params.Style |= WS_HSCROLL;
  if (scrollBars_ == fw::ssVertical || scrollBars_ == fw::ssBoth) Params.Style |= WS_VSCROLL;
}

void TAsgUniCustomMemo::SetScrollBars(fw::TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TAsgUniCustomMemo::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TAsgUniCustomMemo::Dispatch(fw::TMessage& Message) {
  if (Message.Msg != WM_GETDLGCODE) {
    TCustomUNIEdit::Dispatch(Message);
    return;
  }
  TCustomUNIEdit::Dispatch(Message);
  if (wantTabs_) {
    Message.Result |= DLGC_WANTTAB;
  } else {
    Message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
  }
  if (!wantReturns_) Message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

TAsgUniMemo::TAsgUniMemo(fw::TComponent* AOwner) : TAsgUniCustomMemo(AOwner) { SetBoundsFields(0, 0, 200, 100); }

}  // namespace ui
