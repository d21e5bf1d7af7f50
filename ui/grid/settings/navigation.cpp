#include "ui/grid/settings/navigation.h"

namespace ui {

void TNavigation::Assign(fw::TPersistent* Source) {
  if (auto* source = dynamic_cast<TNavigation*>(Source)) v_ = source->v_;
}

void TNavigation::SetAdvanceInsert(bool Value) {
  if (v_.advanceInsert == Value) return;
  v_.advanceInsert = Value;
  Changed();
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
  if (v_.advanceDirection == Value) return;
  v_.advanceDirection = Value;
  Changed();
}

void TNavigation::SetAdvanceAuto(bool Value) {
  if (v_.advanceAuto == Value) return;
  v_.advanceAuto = Value;
  if (Value) v_.advanceOnEnter = true;
}

}  // namespace ui
