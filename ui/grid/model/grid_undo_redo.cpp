// The undo recorder's items and markers, and the link between a grid and its recorder.
#include "ui/grid/model/grid_undo_redo.h"

#include "ui/grid/model/base_grid.h"

namespace ui {

TUndoRedoCollection::TUndoRedoCollection() : TCollection(fw::ItemClass<TUndoRedoItem>()) {}

TVxGridUndoRedo::TVxGridUndoRedo(fw::TComponent* AOwner) : TComponent(AOwner) {}

// The free notification tells a grid still linked that the recorder goes.
TVxGridUndoRedo::~TVxGridUndoRedo() = default;

void TVxGridUndoRedo::SetGrid(TBaseGrid* value) {
  if (value == grid_) return;
  // The notification pair serves both directions: it stays while the old grid still points here.
  if (grid_ != nullptr && grid_->UndoRedo() != this) RemoveFreeNotification(grid_);
  grid_ = value;
  if (grid_ != nullptr) FreeNotification(grid_);
}

TUndoRedoItem* TVxGridUndoRedo::AddItem() {
  TUndoRedoItem* item = items_.Add();
  level_ = items_.Count();
  return item;
}

void TVxGridUndoRedo::RecordChange(int col, int row, const std::string& newValue, const std::string& oldValue) {
  if (maxLevel_ > 0 && items_.Count() >= maxLevel_) items_.Items(0)->Free();
  TUndoRedoItem* item = AddItem();
  item->Col = col;
  item->Row = row;
  item->Value = newValue;
  item->OrigValue = oldValue;
  level_ = items_.Count();
}

void TVxGridUndoRedo::BeginSequence() { AddItem()->SequenceStart = true; }

void TVxGridUndoRedo::EndSequence() { AddItem()->SequenceStop = true; }

void TVxGridUndoRedo::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  if (Operation == fw::opRemove && AComponent == grid_) grid_ = nullptr;
  TComponent::Notification(AComponent, Operation);
}

// ---- The grid's side of the link ---------------------------------------------------------------------

void TBaseGrid::SetUndoRedo(TVxGridUndoRedo* value) {
  if (value == undoRedo_) return;
  if (undoRedo_ != nullptr && undoRedo_->Grid() != this) RemoveFreeNotification(undoRedo_);
  undoRedo_ = value;
  if (value != nullptr) {
    FreeNotification(value);
    value->SetGrid(this);
  }
}

void TBaseGrid::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  if (Operation == fw::opRemove && AComponent == undoRedo_) undoRedo_ = nullptr;
  TObjStringGrid::Notification(AComponent, Operation);
}

}  // namespace ui
