#include "ui/controls/office_check_box.h"

#include "framework/actions/action.h"
#include "framework/controls/accelerators.h"
#include "framework/controls/messages.h"
#include "ui/foundation/banded_gradient.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/html_engine.h"

namespace ui {

TCustomVxOfficeCheckBox::TCustomVxOfficeCheckBox(fw::TComponent* AOwner) : TVxOfficeButtonBase(AOwner) {
  SetBounds(Left(), Top(), 120, 20);
  controlStyle_.Exclude(fw::csClickEvents);
}

void TCustomVxOfficeCheckBox::SetState(fw::TCheckBoxState value) {
  if (state_ == value) return;
  state_ = value;
  if (HandleAllocated() && Parent()) {
    RECT r = ClientRect().ToRECT();
    if (Alignment() == fw::taRightJustify) r.left = r.right - 20;
    else r.right = 20;
    InvalidateRect(Handle(), &r, TRUE);
  }
}

void TCustomVxOfficeCheckBox::SetChecked(bool value) {
  if (value == (state_ == fw::cbChecked)) return;
  state_ = value ? fw::cbChecked : fw::cbUnchecked;
  Invalidate();
  if (OnClick && !toggling_) OnClick(this);
}

void TCustomVxOfficeCheckBox::Toggle() {
  if (readOnly_) return;
  toggling_ = true;
  SetChecked(!Checked());
  toggling_ = false;
}

void TCustomVxOfficeCheckBox::Paint() {
  Canvas()->SetFont(Font());
  if (background_ || IsWinXPOrLater()) PaintParentBackground();
  DrawButton();
  fw::TRect text = TextRect(TextIndent());
  const fw::TSize size = DrawCaption(text);
  if (focused_ && TabStop() && ShowFocus()) {
    DrawDottedFocusRect(Canvas(), fw::Rect(text.Left, text.Top, text.Left + size.cx + 3, text.Top + size.cy),
                        Canvas()->Font()->Color());
  }
}

void TCustomVxOfficeCheckBox::DrawButton() {
  const int textHeight = Canvas()->TextHeight("gh");
  if (UseThemes()) {
    int top = 0;
    switch (ButtonVertAlign()) {
      case fw::tlTop: top = (textHeight - 16) / 2 + 4; break;
      case fw::tlCenter: top = ClientRect().Height() / 2 - 8; break;
      case fw::tlBottom: top = ClientRect().Bottom - 16; break;
    }
    int state = state_ == fw::cbChecked ? 5 : (state_ == fw::cbGrayed ? 9 : 1);
    state += !Enabled() ? 3 : (down_ ? 2 : (hot_ ? 1 : 0));
    if (DrawThemedGlyph(3, state, top)) return;
  }
  const char* base = state_ == fw::cbChecked ? "NRVOFCC" : (state_ == fw::cbGrayed ? "NRVOFCG" : "NRVOFCU");
  DrawBitmapGlyph(base, textHeight);
}

void TCustomVxOfficeCheckBox::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  if (Button != fw::mbLeft) {
    TVxOfficeButtonBase::MouseDown(Button, Shift, X, Y);
    return;
  }
  pressed_ = true;
  bool anchor = false;
  if (focused_) anchor = ClickAnchor(X, Y);
  else if (CanFocus()) SetFocus();
  if (!anchor) {
    TVxOfficeButtonBase::MouseDown(Button, Shift, X, Y);
    SetMouseCapture(true);
    down_ = true;
  }
  InvalidateGlyphStrip(16);
}

void TCustomVxOfficeCheckBox::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  SetMouseCapture(false);
  down_ = false;
  const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
  if (inside && focused_ && pressed_) {
    Toggle();
    Click();
  }
  TVxOfficeButtonBase::MouseUp(Button, Shift, X, Y);
  if (HandleAllocated() && !ComponentState().Contains(fw::csDestroying) && Visible()) InvalidateGlyphStrip(16);
  pressed_ = false;
}

void TCustomVxOfficeCheckBox::KeyUp(WORD& Key, fw::TShiftState /*Shift*/) {
  if (Key != VK_SPACE) return;
  down_ = false;
  Toggle();
  Click();
}

void TCustomVxOfficeCheckBox::DoEnter() {
  TVxOfficeButtonBase::DoEnter();
  focused_ = true;
  if (ShowFocus()) Invalidate();
  else InvalidateGlyphStrip(16);
}

void TCustomVxOfficeCheckBox::DoExit() {
  TVxOfficeButtonBase::DoExit();
  focused_ = false;
  const bool background = background_;
  background_ = true;
  Repaint();
  background_ = background;
}

void TCustomVxOfficeCheckBox::Dispatch(fw::TMessage& Message) {
  if (Message.Msg == fw::CM_DIALOGCHAR && fw::IsAccel(Message.WParam, Caption()) && CanFocus()) {
    Toggle();
    if (OnClick) OnClick(this);
    if (TabStop()) SetFocus();
    Message.Result = 1;
    return;
  }
  if (Message.Msg == BM_SETCHECK && Message.WParam <= 2) {
    if (Message.WParam == 2) {
      SetState(fw::cbGrayed);
    } else {
      SetChecked(Message.WParam == 1);
      Click();
    }
  }
  TVxOfficeButtonBase::Dispatch(Message);
}

// ---- action link ----

TVxOfficeCheckBoxActionLink::TVxOfficeCheckBoxActionLink(TCustomVxOfficeCheckBox* AClient)
    : fw::TControlActionLink(AClient), box_(AClient) {}

bool TVxOfficeCheckBoxActionLink::IsCheckedLinked() const {
  return fw::TControlActionLink::IsCheckedLinked() && box_->Checked() == CustomAction()->Checked();
}

void TVxOfficeCheckBoxActionLink::SetChecked(bool value) {
  if (IsCheckedLinked()) box_->SetChecked(value);
}

fw::TControlActionLink* TCustomVxOfficeCheckBox::CreateActionLink() {
  return fw::Create<TVxOfficeCheckBoxActionLink>(this);
}

void TCustomVxOfficeCheckBox::ActionChange(fw::TObject* Sender, bool CheckDefaults) {
  TVxOfficeButtonBase::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<fw::TCustomAction*>(Sender);
  if (action == nullptr) return;
  SetCaption(action->Caption());
  SetChecked(action->Checked());
  SetEnabled(action->Enabled());
}

}  // namespace ui
