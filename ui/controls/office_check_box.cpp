#include "ui/controls/office_check_box.h"

#include "framework/graphics/canvas.h"

namespace ui {

TVxOfficeCheckBox::TVxOfficeCheckBox(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 120, 20);
}

void TVxOfficeCheckBox::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  Invalidate();
  if (OnClick) OnClick(this);
}

// The state changes through SetChecked, which fires OnClick itself.
void TVxOfficeCheckBox::Click() { SetChecked(!checked_); }

void TVxOfficeCheckBox::Paint() {
  fw::TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(fw::clBtnFace);
  canvas->FillRect(ClientRect());
  const int box = 13;
  const int top = (Height() - box) / 2;
  canvas->Brush()->SetColor(checked_ ? fw::clHighlight : fw::clWindow);
  canvas->Rectangle(0, top, box, top + box);
  canvas->Brush()->SetStyle(fw::bsClear);
  canvas->TextOut(box + 4, top - 1, Caption());
}

}  // namespace ui
