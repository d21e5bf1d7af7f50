#include "ui/grid/settings/show_modified.h"

namespace ui {

void TShowModified::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TShowModified*>(Source);
  if (source == nullptr) return;
  enabled_ = source->enabled_;
  color_ = source->color_;
}

void TShowModified::SetColor(fw::TColor Value) {
  color_ = Value;
  if (OnChange) OnChange(this);
}

}  // namespace ui
