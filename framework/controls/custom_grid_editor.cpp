// TCustomGrid: the in-place editor protocol. The editor is made once through CreateEditor, shown over the
// current cell when CanEditShow allows it, and follows the cell while it is always shown (goAlwaysShowEditor)
// or closes when the cell moves.
#include "framework/controls/custom_grid.h"
#include "framework/controls/inplace_edit.h"

namespace fw {

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::CanEditShow() {
  return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && Col() >= FixedCols() &&
         Col() < ColCount() && Row() >= FixedRows() && Row() < RowCount();
}

std::string TCustomGrid::GetEditText(int, int) { return std::string(); }
void TCustomGrid::SetEditText(int, int, const std::string&) {}
std::string TCustomGrid::GetEditMask(int, int) { return std::string(); }
int TCustomGrid::GetEditLimit() { return 0; }

void TCustomGrid::SetEditorMode(bool value) {
  if (value) {
    ShowEditor();
  } else {
    HideEditor();
  }
}

void TCustomGrid::ShowEditor() {
  if (!CanEditShow()) return;
  if (inplaceEdit_ == nullptr) {
    inplaceEdit_ = CreateEditor();
    if (inplaceEdit_ == nullptr) return;
    inplaceEdit_->SetParent(this);
  }
  const TGridCoord cell{Col(), Row()};
  const bool refill = !editorMode_ || !(editCell_ == cell);
  editorMode_ = true;
  editCell_ = cell;
  UpdateEditor();
  if (refill) inplaceEdit_->UpdateContents();
  if (HandleAllocated() && inplaceEdit_->Visible() && inplaceEdit_->CanFocus()) inplaceEdit_->SetFocus();
}

void TCustomGrid::ShowEditorChar(char Ch) {
  ShowEditor();
  if (!editorMode_) return;
  // The typed character takes the place of the cell's text.
  inplaceEdit_->SetText(std::string());
  if (inplaceEdit_->HandleAllocated()) inplaceEdit_->Perform(WM_CHAR, static_cast<unsigned char>(Ch), 0);
}

void TCustomGrid::HideEditor() {
  if (!editorMode_) return;
  editorMode_ = false;
  if (inplaceEdit_ == nullptr) return;
  const bool hadFocus = inplaceEdit_->HandleAllocated() && inplaceEdit_->Focused();
  inplaceEdit_->Hide();
  if (hadFocus && CanFocus()) SetFocus();
  InvalidateCell(editCell_.X, editCell_.Y);  // the cell shows its (new) text again
}

void TCustomGrid::UpdateEditor() {
  if (inplaceEdit_ == nullptr || !editorMode_) return;
  const TRect cell = CellRect(Col(), Row());
  if (cell.IsEmpty()) {
    inplaceEdit_->Hide();  // scrolled out of view: it comes back with the cell
    return;
  }
  inplaceEdit_->SetBounds(cell.Left, cell.Top, cell.Width(), cell.Height());
  inplaceEdit_->Show();
}

}  // namespace fw
