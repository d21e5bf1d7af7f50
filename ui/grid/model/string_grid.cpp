#include "ui/grid/model/string_grid.h"

#include <algorithm>

#include "framework/forms/form.h"

namespace ui {

TOwnedObjectProbe TVxStringGrid::OwnedObjectProbe = nullptr;
fw::TCursor TVxStringGrid::AnchorCursor = fw::crHandPoint;

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

  // The settings objects, lists and fonts, in their fixed order.
  MakeOwned(spareFont_, "SpareFont");
  MakeOwned(printSettings_, "PrintSettings", this);
  MakeOwned(htmlSettings_, "HTMLSettings");
  MakeOwned(controlLook_, "ControlLook", this, this);
  MakeOwned(navigation_, "Navigation")->OnChange = [this](fw::TObject*) { EditorHook2(); };
  MakeOwned(columnSize_, "ColumnSize", this);
  MakeOwned(bands_, "Bands")->OnChange = repaint;
  MakeOwned(sizeWhileTyping_, "SizeWhileTyping");
  MakeOwned(mouseActions_, "MouseActions")->OnRepaint = [this](fw::TObject*) { RepaintHook(); };
  mouseActions_->OnChange = [this](fw::TObject*) { EditorHook1(); };
  MakeOwned(columnHeaders_, "ColumnHeaders")->OnChange = [this](fw::TObject*) { ColumnHeaderListChanged(); };
  MakeOwned(savedColWidths_, "SavedColWidths", -1, -1);
  MakeOwned(fixedFont_, "FixedFont");
  fixedFont_->SetName("Tahoma");
  fixedFont_->SetStyle(fw::TFontStyles{fw::fsBold});
  fixedFont_->OnChange = repaint;
  MakeOwned(activeCellFont_, "ActiveCellFont");
  activeCellFont_->SetStyle(fw::TFontStyles{fw::fsBold});
  activeCellFont_->OnChange = repaint;
  MakeOwned(rowHeaders_, "RowHeaders")->OnChange = [this](fw::TObject*) { WriteRowHeaders(); };
  MakeOwned(swapList_, "SwapList");
  MakeOwned(lookupItems_, "LookupItems");
  MakeOwned(sortIndexes_, "SortIndexes", 0, 0);
  MakeOwned(rowIndexes_, "RowIndexes", 0, 0);
  MakeOwned(unsortWork_, "UnsortWork", 0, 0);
  MakeOwned(mergedColumns_, "MergedColumns", 0, 0);
  MakeOwned(disjunctCells_, "DisjunctCells", 0, 0);
  MakeOwned(disjunctRowSelect_, "DisjunctRowSelect", 0, 0);
  MakeOwned(modifiedRows_, "ModifiedRows", 0, 0);
  MakeOwned(disabledRows_, "DisabledRows", 0, 0);
  MakeOwned(backGround_, "BackGround", this);
  MakeOwned(controlList_, "ControlList");
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
  rememberedDefaultRowHeight_ = DefaultRowHeight();
  fixedCellColors_.From = 0xFFFFFF;
  fixedCellColors_.To = static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace));
  faceColors_.NormalFill = kColorNotSet;

  platform_ = ReadGridPlatformFlags();
  borderColor_ = platform_.WinXP ? 0xB99D7F : 0x808080;
  ScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  MakeOwned(columnOrder_, "ColumnOrder", 0, 0);
  MakeOwned(rowCheckBox_, "RowCheckBox");
  MakeOwned(ignoreColumns_, "IgnoredColumns", -1, -1);
  MakeOwned(distinctValues_, "DistinctValues");
  distinctValues_->SetSorted(true);
  distinctValues_->SetDuplicates(fw::dupIgnore);
  rememberedLeftCol_ = LeftCol();
  rememberedTopRow_ = TopRow();

  AnchorCursor = fw::crHandPoint;
}

TVxStringGrid::~TVxStringGrid() {
  FreeMetroScrollControls();
  if (resizeForm_ != nullptr) TFormResizeHub::Unsubscribe(resizeForm_, resizeToken_);
  ReturnHiddenRowObjects();
  FreeOwned(spareFont_, "SpareFont");
  FreeOwned(printSettings_, "PrintSettings");
  FreeOwned(htmlSettings_, "HTMLSettings");
  FreeOwned(controlLook_, "ControlLook");
  FreeOwned(navigation_, "Navigation");
  FreeOwned(columnSize_, "ColumnSize");
  FreeOwned(bands_, "Bands");
  FreeOwned(sizeWhileTyping_, "SizeWhileTyping");
  FreeOwned(mouseActions_, "MouseActions");
  FreeOwned(columnHeaders_, "ColumnHeaders");
  FreeOwned(savedColWidths_, "SavedColWidths");
  FreeOwned(fixedFont_, "FixedFont");
  FreeOwned(activeCellFont_, "ActiveCellFont");
  FreeOwned(rowHeaders_, "RowHeaders");
  FreeOwned(swapList_, "SwapList");
  FreeOwned(lookupItems_, "LookupItems");
  FreeOwned(sortIndexes_, "SortIndexes");
  FreeOwned(rowIndexes_, "RowIndexes");
  FreeOwned(unsortWork_, "UnsortWork");
  FreeOwned(mergedColumns_, "MergedColumns");
  FreeOwned(disjunctCells_, "DisjunctCells");
  FreeOwned(disjunctRowSelect_, "DisjunctRowSelect");
  FreeOwned(modifiedRows_, "ModifiedRows");
  FreeOwned(disabledRows_, "DisabledRows");
  FreeOwned(backGround_, "BackGround");
  FreeOwned(controlList_, "ControlList");
  FreeOwned(progressAppearance_, "ProgressAppearance");
  FreeOwned(syncGrid_, "SyncGrid");
  FreeOwned(balloon_, "Balloon");
  FreeOwned(showModified_, "ShowModified");
  FreeOwned(columnOrder_, "ColumnOrder");
  FreeOwned(rowCheckBox_, "RowCheckBox");
  FreeOwned(ignoreColumns_, "IgnoredColumns");
  FreeOwned(distinctValues_, "DistinctValues");
}

void TVxStringGrid::FormResize(fw::TObject*) {}

void TVxStringGrid::SetSelectionColor(fw::TColor value) {
  selectionColor_ = value;
  Invalidate();
}

}  // namespace ui
