#include "ui/controls/w7_speed_button.h"

#include "framework/controls/win_control.h"
#include "framework/graphics/canvas.h"

namespace ui {

TW7SpeedButton::TW7SpeedButton(fw::TComponent* AOwner) : fw::TGraphicControl(AOwner) {
  SetBounds(Left(), Top(), 120, 25);
}

void TW7SpeedButton::SetArrowType(TArrowType value) {
  if (arrowType_ == value) return;
  arrowType_ = value;
  Invalidate();
}

void TW7SpeedButton::Paint() {
  fw::TCanvas* canvas = Canvas();
  const fw::TRect client = ClientRect();
  canvas->Brush()->SetColor(Enabled() ? fw::clBtnFace : fw::clSilver);
  canvas->Rectangle(client);
  canvas->Brush()->SetStyle(fw::bsClear);
  canvas->TextOut(6, (client.Height() - 14) / 2, Caption());
  canvas->TextOut(client.Width() - 14, (client.Height() - 14) / 2, arrowType_ == atDown ? "v" : "^");
}

TW7SpeedButton* MakeW7SpeedButton(fw::TWinControl* owner, const std::string& name, const std::string& caption,
                                  int width, fw::TNotifyEvent onClick) {
  auto* button = fw::Create<TW7SpeedButton>(owner);
  button->SetParent(owner);
  button->SetName(name);
  button->SetCaption(caption);
  button->SetWidth(width);
  button->OnClick = std::move(onClick);
  return button;
}

}  // namespace ui
