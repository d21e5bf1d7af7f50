#include "framework/controls/speed_button.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/controls/button_face.h"
#include "framework/controls/win_control.h"

namespace fw {

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBoundsFields(0, 0, 23, 22);
  controlStyle_.Exclude(csSetCaption).Include(csOpaque);
  SetParentColor(false);
  SetColor(clBtnFace);
  glyph_.SetTransparent(true);
  glyph_.OnChange = [this](TObject*) { Invalidate(); };
}

void TSpeedButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  if (down_ && !allowAllUp_) return;  // the group keeps one button down
  down_ = value;
  if (value) UpdateExclusive();
  Invalidate();
}

void TSpeedButton::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int value) {
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool value) {
  if (allowAllUp_ == value) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TSpeedButton::SetSpacing(int value) {
  spacing_ = std::max(value, 0);
  Invalidate();
}

void TSpeedButton::UpdateExclusive() {
  if (groupIndex_ == 0 || Parent() == nullptr) return;
  TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this), 0};
  Parent()->Broadcast(message);
}

void TSpeedButton::ButtonPressed(TSpeedButton* sender) {
  if (sender == this) return;
  if (sender->down_ && down_) {
    down_ = false;
    Invalidate();
  }
  allowAllUp_ = sender->allowAllUp_;
}

void TSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        pressed_ = true;
        Invalidate();
      }
      break;
    case WM_MOUSEMOVE:
      if (controlState_.Contains(csLButtonDown)) {
        const bool inside = ClientRect().Contains(TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
        if (inside != pressed_) {
          pressed_ = inside;
          Invalidate();
        }
      }
      break;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        // A group button goes down; pressing the one that is down lifts it only when all may be up.
        if (groupIndex_ != 0) SetDown(!(down_ && allowAllUp_));
        Invalidate();
      }
      break;
    case CM_BUTTONPRESSED:
      if (static_cast<int>(Message.WParam) == groupIndex_) {
        if (auto* sender = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam))) ButtonPressed(sender);
      }
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      mouseIn_ = Message.Msg == CM_MOUSEENTER;
      if (flat_) Invalidate();
      break;
    default:
      break;
  }
  TGraphicControl::Dispatch(Message);
}

void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  const bool sunken = Sunken();
  RECT face = ClientRect().ToRECT();
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(TRect::FromRECT(face));
  if (!flat_) {
    DrawFrameControl(canvas->Handle(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (sunken ? DFCS_PUSHED : 0));
  } else if (sunken || (mouseIn_ && Enabled())) {
    DrawEdge(canvas->Handle(), &face, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  }
  canvas->SetFont(Font());
  DrawButtonContent(canvas, ButtonFace{TRect::FromRECT(face), sunken, Enabled(), &glyph_, Caption(), spacing_});
}

}  // namespace fw
