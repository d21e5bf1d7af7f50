#include "ui/grid/settings/sync_grid.h"

namespace ui {

void TSyncGrid::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TSyncGrid*>(Source);
  if (source == nullptr) return;
  SetGrid(source->grid_);
  v_ = source->v_;
}

void TSyncGrid::SetGrid(fw::TStringGrid* Value) {
  if (owner_->IsSettingsOwner(Value)) return;
  grid_ = Value;
}

}  // namespace ui
