#include "ui/grid/model/string_grid.h"

#include <algorithm>

#include "framework/forms/form.h"

namespace ui {

TOwnedObjectProbe TVxStringGrid::OwnedObjectProbe = nullptr;

template <class T, class... Args>
T* TVxStringGrid::MakeOwned(std::unique_ptr<T>& slot, const char* name, Args&&... args) {
  slot = std::make_unique<T>(std::forward<Args>(args)...);
  if (OwnedObjectProbe != nullptr) OwnedObjectProbe(name, true);
  return slot.get();
}

template <class T>
void TVxStringGrid::FreeOwned(std::unique_ptr<T>& slot, const char* name) {
  if (!slot) return;
  slot.reset();
  if (OwnedObjectProbe != nullptr) OwnedObjectProbe(name, false);
}

TVxStringGrid::TVxStringGrid(fw::TComponent* AOwner) : TBaseGrid(AOwner) {
  const fw::TNotifyEvent repaint = [this](fw::TObject*) { Invalidate(); };

  // The settings objects and fonts, in their fixed order.
  MakeOwned(controlLook_, "ControlLook", this, this);
  MakeOwned(navigation_, "Navigation");
  MakeOwned(bands_, "Bands")->OnChange = repaint;
  MakeOwned(mouseActions_, "MouseActions")->OnRepaint = repaint;
  MakeOwned(fixedFont_, "FixedFont");
  fixedFont_->SetName("Tahoma");
  fixedFont_->SetStyle(fw::TFontStyles{fw::fsBold});
  fixedFont_->OnChange = repaint;
  MakeOwned(activeCellFont_, "ActiveCellFont");
  activeCellFont_->SetStyle(fw::TFontStyles{fw::fsBold});
  activeCellFont_->OnChange = repaint;
  MakeOwned(progressAppearance_, "ProgressAppearance")->OnChange = repaint;
  MakeOwned(syncGrid_, "SyncGrid", this);
  SetRowCount(10);
  SetBounds(Left(), Top(), 400, 250);

  MakeOwned(balloon_, "Balloon");
  MakeOwned(showModified_, "ShowModified")->OnChange = [this](fw::TObject*) {
    for (int row = 0; row < RowCount(); ++row) InvalidateCell(0, row);
  };

  if (auto* form = dynamic_cast<fw::TForm*>(AOwner); form != nullptr) {
    resizeForm_ = form;
    resizeToken_ = TFormResizeHub::Subscribe(form, [this](fw::TObject* Sender) { FormResize(Sender); });
  }

  SetDefaultRowHeight(22);
  fixedCellColors_.From = 0xFFFFFF;
  fixedCellColors_.To = static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace));

  painterFixedFont_ = fixedFont_.get();
  painterSelectionColor_ = selectionColor_;
}

TVxStringGrid::~TVxStringGrid() {
  if (resizeForm_ != nullptr) TFormResizeHub::Unsubscribe(resizeForm_, resizeToken_);
  painterFixedFont_ = nullptr;
  FreeOwned(controlLook_, "ControlLook");
  FreeOwned(navigation_, "Navigation");
  FreeOwned(bands_, "Bands");
  FreeOwned(mouseActions_, "MouseActions");
  FreeOwned(fixedFont_, "FixedFont");
  FreeOwned(activeCellFont_, "ActiveCellFont");
  FreeOwned(progressAppearance_, "ProgressAppearance");
  FreeOwned(syncGrid_, "SyncGrid");
  FreeOwned(balloon_, "Balloon");
  FreeOwned(showModified_, "ShowModified");
}

void TVxStringGrid::FormResize(fw::TObject*) {}

void TVxStringGrid::SetSelectionColor(fw::TColor value) {
  selectionColor_ = value;
  painterSelectionColor_ = value;
  Invalidate();
}

void TVxStringGrid::SetDefaultRowHeight(int value) {
  TBaseGrid::SetDefaultRowHeight(value);
  rememberedDefaultRowHeight_ = value;
}

void TVxStringGrid::SetRowCount(int value) {
  TBaseGrid::SetRowCount(value);
  if (fixedRowAlways_ && requestedFixedRows_ < RowCount()) TBaseGrid::SetFixedRows(requestedFixedRows_);
  largestRowCount_ = std::max(largestRowCount_, RowCount());
  dataRowCount_ = RowCount();
}

int TVxStringGrid::FixedRows() const {
  const int fixed = TBaseGrid::FixedRows();
  return fixed == 0 && fixedRowAlways_ ? 1 : fixed;
}

void TVxStringGrid::SetFixedRows(int value) {
  TBaseGrid::SetFixedRows(value >= RowCount() && fixedRowAlways_ ? RowCount() - 1 : value);
  requestedFixedRows_ = value;
}

bool TVxStringGrid::IsFixed(int col, int row) {
  const fw::TPoint base = BaseCellOf(col, row);
  return base.X < FixedCols() || base.Y < TBaseGrid::FixedRows();
}

}  // namespace ui
