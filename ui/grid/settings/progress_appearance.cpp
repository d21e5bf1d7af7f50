#include "ui/grid/settings/progress_appearance.h"

namespace ui {

void TGridProgressAppearance::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TGridProgressAppearance*>(Source);
  if (source == nullptr) return;
  v_ = source->v_;
  Changed();
}

}  // namespace ui
