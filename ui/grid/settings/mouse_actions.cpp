#include "ui/grid/settings/mouse_actions.h"

namespace ui {

void TMouseActions::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TMouseActions*>(Source);
  if (source == nullptr) return;
  v_ = source->v_;
  fixedComboValues_.Assign(&source->fixedComboValues_);
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  v_.hotmailRowSelect = Value;
  if (Value) {
    v_.disjunctRowSelect = true;
    v_.checkAllCheck = true;
  }
  if (OnRepaint) OnRepaint(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
  if (v_.wheelAction == Value) return;
  v_.wheelAction = Value;
  if (OnChange) OnChange(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
  v_.editOnDblClickOnly = Value;
  if (Value && OnEditOff) OnEditOff(this);
}

}  // namespace ui
