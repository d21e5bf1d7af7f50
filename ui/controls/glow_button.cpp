#include "ui/controls/glow_button.h"

#include "framework/graphics/canvas.h"

namespace ui {

void TGlowButtonAppearance::Set(fw::TColor& field, fw::TColor value) {
  if (field == value) return;
  field = value;
  button_->Invalidate();
}

TVxGlowButton::TVxGlowButton(fw::TComponent* AOwner) : fw::TCustomControl(AOwner), appearance_(this) {
  SetBounds(Left(), Top(), 100, 32);
}

void TVxGlowButton::Paint() {
  fw::TCanvas* canvas = Canvas();
  const fw::TRect client = ClientRect();
  fw::TRect upper = client;
  upper.Bottom = client.Top + client.Height() / 2;
  fw::TRect lower = client;
  lower.Top = upper.Bottom;
  canvas->Brush()->SetColor(appearance_.Color());
  canvas->FillRect(upper);
  canvas->Brush()->SetColor(appearance_.ColorMirror());
  canvas->FillRect(lower);
  canvas->Brush()->SetStyle(fw::bsClear);
  const std::string caption = Caption();
  canvas->TextOut((client.Width() - canvas->TextWidth(caption)) / 2, client.Height() / 2 - 7, caption);
}

}  // namespace ui
