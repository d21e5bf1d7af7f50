#include "framework/controls/inplace_edit.h"

#include "framework/controls/custom_grid.h"

namespace fw {

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner), grid_(dynamic_cast<TCustomGrid*>(AOwner)) {
  SetBorderStyle(bsNone);
  SetVisible(false);
  SetTabStop(false);
  SetParentCtl3D(false);
}

void TInplaceEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL;
}

void TInplaceEdit::BoundsChanged() {
  TCustomMaskEdit::BoundsChanged();
  // A little room at both ends, as the cell's own text has.
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 2));
}

void TInplaceEdit::UpdateContents() {
  if (grid_ == nullptr) return;
  updating_ = true;
  try {
    SetEditMask(grid_->GetEditMask(grid_->Col(), grid_->Row()));
    if (!IsMasked()) SetMaxLength(grid_->GetEditLimit());
    startText_ = grid_->GetEditText(grid_->Col(), grid_->Row());
    SetText(startText_);
  } catch (...) {
    updating_ = false;
    throw;
  }
  updating_ = false;
  SelectAll();
  SetModified(false);
}

void TInplaceEdit::Change() {
  if (!updating_ && grid_ != nullptr) grid_->SetEditText(grid_->Col(), grid_->Row(), GetText());
  TCustomMaskEdit::Change();
}

bool TInplaceEdit::ForGrid(WORD key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl);
  const int length = static_cast<int>(EditText().size());
  switch (key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_RETURN: case VK_ESCAPE:
      return true;
    case VK_TAB:
      return grid_->Options().Contains(goTabs);
    case VK_LEFT: case VK_HOME:
      return ctrl || (SelStart() == 0 && SelLength() == 0);
    case VK_RIGHT: case VK_END:
      return ctrl || (SelStart() == length && SelLength() == 0);
    default:
      return false;
  }
}

void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (grid_ == nullptr || !ForGrid(Key, Shift)) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    return;
  }
  TCustomMaskEdit::KeyDown(Key, Shift);  // the editor's own OnKeyDown sees it first
  if (Key == 0) return;
  if (Key == VK_ESCAPE && GetText() != startText_) SetText(startText_);  // abandons the edit
  grid_->KeyDown(Key, Shift);
  Key = 0;
}

void TInplaceEdit::KeyPress(char& Key) {
  // Enter, Escape and Tab did their work as keys; the edit would only beep at them.
  if (Key == '\r' || Key == 27 || Key == '\t') {
    Key = 0;
    return;
  }
  TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::DoExit() { TCustomEdit::DoExit(); }

void TInplaceEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS |
                     (grid_ != nullptr && grid_->Options().Contains(goTabs) ? DLGC_WANTTAB : 0);
    return;
  }
  TCustomMaskEdit::Dispatch(Message);
}

}  // namespace fw
