#include "framework/controls/graphic_control.h"

namespace fw {

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(this) {}

void TGraphicControl::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_PAINT || Message.WParam == 0) {
    TControl::Dispatch(Message);
    return;
  }
  canvas_.PaintOn(reinterpret_cast<HDC>(Message.WParam), [this] { Paint(); });
}

}  // namespace fw
