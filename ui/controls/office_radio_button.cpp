#include "ui/controls/office_radio_button.h"

#include "framework/controls/accelerators.h"
#include "framework/controls/messages.h"
#include "ui/foundation/banded_gradient.h"
#include "ui/foundation/style_detection.h"
#include "ui/controls/html_text_office.h"

namespace ui {

TCustomVxOfficeRadioButton::TCustomVxOfficeRadioButton(fw::TComponent* AOwner) : TVxOfficeButtonBase(AOwner) {
  SetBounds(Left(), Top(), 135, 20);
}

void TCustomVxOfficeRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  SetTabStop(value);
  checked_ = value;
  if (value) {
    if (fw::TWinControl* parent = Parent()) {
      for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TCustomVxOfficeRadioButton*>(parent->Controls(i));
        if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_) sibling->SetChecked(false);
      }
    }
    if (!focusByMouse_) DoClick();
  }
  Invalidate();
}

void TCustomVxOfficeRadioButton::DoClick() {
  if (OnClick && !ComponentState().Contains(fw::csLoading)) OnClick(this);
}

void TCustomVxOfficeRadioButton::Paint() {
  fw::TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  if (background_ || IsWinXPOrLater()) PaintParentBackground();
  DrawButton();
  fw::TRect text = TextRect(TextIndent());
  if (ButtonVertAlign() != fw::tlTop) {
    THTMLTextParams measure = CaptionParams(text);
    measure.MeasureOnly = true;
    DrawHTMLTextOffice(canvas, measure, 0);
    const int h = measure.TextHeight;
    text.Top = ButtonVertAlign() == fw::tlCenter ? text.Top - 3 + (text.Bottom - text.Top - h) / 2
                                                 : text.Bottom - h - 3;
  }
  const fw::TSize size = DrawCaption(text);
  if (focused_ && checked_ && TabStop() && ShowFocus()) {
    DrawDottedFocusRect(canvas, fw::Rect(0, text.Top - 1, text.Left + size.cx + 1, ClientRect().Bottom - 1),
                        canvas->Font()->Color());
  }
}

int TCustomVxOfficeRadioButton::GlyphTop(int Top, int Height) const {
  switch (ButtonVertAlign()) {
    case fw::tlTop: return 4;
    case fw::tlBottom: return Top - 2;
    default: return Top;
  }
  (void)Height;
}

void TCustomVxOfficeRadioButton::DrawButton() {
  if (UseThemes()) {
    int top = 0;
    switch (ButtonVertAlign()) {
      case fw::tlTop: top = 4; break;
      case fw::tlCenter: top = ClientRect().Height() / 2 - 8; break;
      case fw::tlBottom: top = ClientRect().Bottom - 16; break;
    }
    const int state = !Enabled() ? (checked_ ? 8 : 4)
                      : down_    ? (checked_ ? 7 : 3)
                      : hot_     ? (checked_ ? 6 : 2)
                                 : (checked_ ? 5 : 1);
    if (DrawThemedGlyph(2, state, top)) return;
  }
  DrawBitmapGlyph(checked_ ? "NRVOFRC" : "NRVOFRU", Canvas()->TextHeight("gh"));
}

void TCustomVxOfficeRadioButton::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  pressed_ = true;
  bool anchor = false;
  if (focused_) anchor = ClickAnchor(X, Y);
  else if (CanFocus()) SetFocus();
  if (!anchor) {
    TVxOfficeButtonBase::MouseDown(Button, Shift, X, Y);
    SetMouseCapture(true);
    down_ = true;
  }
  Invalidate();
}

void TCustomVxOfficeRadioButton::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  SetMouseCapture(false);
  down_ = false;
  const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
  const bool wasPressed = pressed_;
  if (inside && pressed_ && !checked_) {
    focusByMouse_ = true;  // the click is reported below, once
    SetChecked(true);
    focusByMouse_ = false;
  }
  TVxOfficeButtonBase::MouseUp(Button, Shift, X, Y);
  if (wasPressed) DoClick();
  pressed_ = false;
  Invalidate();
}

void TCustomVxOfficeRadioButton::KeyUp(WORD& Key, fw::TShiftState /*Shift*/) {
  if (Key != VK_SPACE) return;
  down_ = false;
  if (!checked_) SetChecked(true);
}

void TCustomVxOfficeRadioButton::DoEnter() {
  TVxOfficeButtonBase::DoEnter();
  focused_ = true;
  SetChecked(true);
  InvalidateGlyphStrip(16);
}

void TCustomVxOfficeRadioButton::DoExit() {
  TVxOfficeButtonBase::DoExit();
  focused_ = false;
  const bool background = background_;
  background_ = true;
  Repaint();
  background_ = background;
}

void TCustomVxOfficeRadioButton::Dispatch(fw::TMessage& Message) {
  if (Message.Msg == fw::CM_DIALOGCHAR && fw::IsAccel(Message.WParam, Caption()) && CanFocus()) {
    SetChecked(true);
    Message.Result = 1;
    return;
  }
  if (Message.Msg == WM_LBUTTONDOWN) {
    focusByMouse_ = true;
    if (CanFocus() && !focused_) SetFocus();
    focusByMouse_ = false;
  }
  TVxOfficeButtonBase::Dispatch(Message);
}

}  // namespace ui
