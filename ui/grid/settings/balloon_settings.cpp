#include "ui/grid/settings/balloon_settings.h"

namespace ui {

void TBalloonSettings::Assign(fw::TPersistent* Source) {
  if (auto* source = dynamic_cast<TBalloonSettings*>(Source)) v_ = source->v_;
}

void TBalloonSettings::SetEnable(bool Value) {
  v_.enable = Value;
  if (OnEnableChange) OnEnableChange(this);
}

}  // namespace ui
