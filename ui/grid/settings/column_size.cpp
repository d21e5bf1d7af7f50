#include "ui/grid/settings/column_size.h"

namespace ui {

void TColumnSize::Assign(fw::TPersistent* Source) {
  const auto* source = dynamic_cast<TColumnSize*>(Source);
  if (source == nullptr) return;
  Rows = source->Rows;
  Save = source->Save;
  Key = source->Key;
  Section = source->Section;
  stretch_ = source->stretch_;
  StretchColumn = source->StretchColumn;
  SynchWithGrid = source->SynchWithGrid;
  SynchNormalCellsOnly = source->SynchNormalCellsOnly;
  Location = source->Location;
}

void TColumnSize::SetStretch(bool value) {
  stretch_ = value;
  if (OnStretch) OnStretch(this);
}

}  // namespace ui
