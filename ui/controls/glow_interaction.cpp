// How a glow button reacts to the pointer and the keyboard: hot and pressed fades, click or drop-down menu,
// the release that completes a click, check toggling, tracking, dialog keys and the auto-repeat.
#include <windowsx.h>

#include <algorithm>

#include "framework/controls/accelerators.h"
#include "framework/controls/drag_drop.h"
#include "framework/controls/messages.h"
#include "framework/forms/form.h"
#include "framework/menus/menu.h"
#include "framework/messaging/timer.h"
#include "ui/controls/custom_glow_button.h"
#include "ui/controls/glow_face.h"

namespace ui {

namespace {

constexpr int kFadeStep = 20;
// Hot tracking of the drop-down part uses a narrower band than a press does.
constexpr int kDropDownHotBand = 12;

}  // namespace

// ---- fades ----

void TVxCustomGlowButton::StartFadeTimer() {
  if (Fading() || GlowFadeInterval() <= 0) return;
  if (fadeTimer_ == nullptr) {
    fadeTimer_ = fw::Create<fw::TTimer>(this);
    fadeTimer_->SetEnabled(false);
    fadeTimer_->OnTimer = [this](fw::TObject*) { FadeTimerTick(); };
  }
  fadeTimer_->SetInterval(static_cast<unsigned>(GlowFadeInterval()));
  fadeTimer_->SetEnabled(true);
}

// The timer object stays (its own tick may be what ends the fade); a stopped timer counts as none.
void TVxCustomGlowButton::StopFadeTimer() {
  if (fadeTimer_ != nullptr) fadeTimer_->SetEnabled(false);
}

void TVxCustomGlowButton::FadeTimerTick() {
  if (fadeMode_ == 0 || fadeMode_ == 1) {
    int& fade = fadeMode_ == 0 ? hotFade_ : downFade_;
    fade += fadeStep_;
    const bool ended = (fade > 100 && fadeStep_ > 0) || (fade < 0 && fadeStep_ < 0);
    if (!ended) {
      Invalidate();
      return;
    }
    fade = std::clamp(fade, 0, 100);
    if (fadeMode_ == 1 && fadeStep_ < 0) {
      pressedGlow_ = false;
      pressedOutside_ = false;
    }
  }
  // An ended fade, or a tick with nothing to fade: the timer goes.
  fadeMode_ = 2;
  StopFadeTimer();
  Invalidate();
}

// ---- pointer ----

void TVxCustomGlowButton::MouseEntered() {
  if (OnMouseEnter) OnMouseEnter(this);
  if (mouseInside_) return;
  hotColors_ = true;
  if (pressedOutside_) pressedGlow_ = true;
  StartFadeTimer();
  if (!pressedGlow_ && fadeMode_ != 1) {
    fadeStep_ = kFadeStep;
    fadeMode_ = 0;
  }
  Invalidate();
  mouseInControl_ = true;
  mouseInside_ = true;
}

void TVxCustomGlowButton::MouseLeft() {
  if (OnMouseLeave) OnMouseLeave(this);
  if (!mouseInside_) return;
  mouseInside_ = false;
  mouseInControl_ = false;
  hotColors_ = false;
  overDropDown_ = false;
  // Held while leaving: the press is remembered for a return; otherwise the hot look fades from full.
  if (pressedGlow_ && mouseDown_) pressedOutside_ = true;
  else hotFade_ = 100;
  pressedGlow_ = false;
  fadeStep_ = -kFadeStep;
  fadeMode_ = 0;
  Invalidate();
  StartFadeTimer();
}

bool TVxCustomGlowButton::InsideClient(int X, int Y) {
  // The bottom row counts as inside.
  return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

fw::TPoint TVxCustomGlowButton::DropDownPoint() {
  const fw::TPoint local = dropDownDirection_ == ddDown ? fw::TPoint{Left(), Top() + Height()}
                                                        : fw::TPoint{Left() + Width(), Top()};
  if (Parent() != nullptr) return Parent()->ClientToScreen(local);
  return ClientToScreen(fw::TPoint{local.X - Left(), local.Y - Top()});
}

void TVxCustomGlowButton::PressOpensMenu() {
  mouseInControl_ = false;
  if (OnDropDown) OnDropDown(this);
  if (dropDownMenu_ == nullptr) return;
  dropDownMenu_->SetPopupComponent(this);
  pressedGlow_ = !dropDownSplit_;
  menuShowing_ = true;
  mouseInside_ = false;
  Repaint();
  const fw::TPoint at = DropDownPoint();
  try {
    dropDownMenu_->Popup(at.X, at.Y);
  } catch (...) {
    pressedGlow_ = false;
    menuShowing_ = false;
    throw;
  }
  pressedGlow_ = false;
  menuShowing_ = false;
  POINT cursor{};
  GetCursorPos(&cursor);
  const fw::TPoint p = ScreenToClient(fw::TPoint{cursor.x, cursor.y});
  if (!ClientRect().Contains(p)) {
    mouseInside_ = false;
    mouseInControl_ = false;
    hotColors_ = false;
    overDropDown_ = false;
  }
  Repaint();
}

void TVxCustomGlowButton::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != fw::mbLeft) return;
  if (repeatClick_) {
    if (repeatTimer_ == nullptr) repeatTimer_ = fw::Create<fw::TTimer>(this);
    repeatTimer_->OnTimer = [this](fw::TObject*) { RepeatTimerTick(); };
    repeatTimer_->SetInterval(static_cast<unsigned>(initRepeatPause_));
    repeatTimer_->SetEnabled(true);
  }
  pressedGlow_ = true;
  mouseDown_ = true;
  if (TabStop() && CanFocus()) SetFocus();
  StartFadeTimer();
  fadeStep_ = kFadeStep;
  fadeMode_ = 1;
  const bool onDropDownPart = dropDownPosition_ == dpRight ? X > Width() - kGlowDropDownPart
                                                           : Y > Height() - kGlowDropDownPart;
  const bool opensMenu = (!dropDownButton_ && DropDownOnly()) || (dropDownButton_ && dropDownSplit_ && onDropDownPart) ||
                         (dropDownButton_ && !dropDownSplit_ && style_ == bsButton && groupIndex_ <= 0);
  if (!opensMenu) {
    if (style_ == bsCheck) SetDown(!down_);
    if (!down_) {
      buttonState_ = gbsPressed;
      Invalidate();
    }
    if (style_ == bsCheck) {
      buttonState_ = gbsPressed;
      Repaint();
    }
    pressPending_ = true;
    return;
  }
  // A press that opens the menu is no click, whatever its release.
  controlState_.Exclude(fw::csClicked);
  leftDown_ = false;
  PressOpensMenu();
  Invalidate();
}

void TVxCustomGlowButton::LeftButtonReleased(fw::TMessage& Message) {
  fadeStep_ = -kFadeStep;
  fadeMode_ = 1;
  mouseDown_ = false;
  pressedOutside_ = false;
  StartFadeTimer();
  bool inheritedRan = false;
  if ((dropDownButton_ || !DropDownOnly()) && pressPending_) {
    pressPending_ = false;
    const bool inside = InsideClient(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    const bool actionLinked = Action() != nullptr;
    if (groupIndex_ == 0) {
      buttonState_ = gbsUp;
      mouseInControl_ = false;
      if (style_ == bsCheck) {
        if (actionLinked) {
          // The action runs first; when it keeps the checked state (or the group), the button leaves it be.
          InheritedRelease(Message);
          inheritedRan = true;
          if (checkedLinked_ || groupIndexLinked_) return;
        }
        // A release outside undoes the press's toggle.
        if (!inside) SetDown(!down_);
        mouseInControl_ = true;
        Repaint();
      }
      if (inside && buttonState_ != gbsPressed && buttonState_ != gbsGroupDown) Invalidate();
    } else if (actionLinked && (checkedLinked_ || groupIndexLinked_)) {
      InheritedRelease(Message);
      return;
    } else if (inside) {
      SetDown(!down_);
      if (down_) Repaint();
    } else {
      if (down_) buttonState_ = gbsGroupDown;
      Repaint();
    }
    UpdateTracking();
  }
  if (!inheritedRan) InheritedRelease(Message);
  if (style_ == bsCheck || groupIndex_ > 0) Repaint();
  Invalidate();
}

void TVxCustomGlowButton::InheritedRelease(fw::TMessage& Message) {
  if (leftDown_) controlState_.Include(fw::csClicked);
  leftDown_ = false;
  fw::TCustomControl::Dispatch(Message);
}

void TVxCustomGlowButton::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseUp(Button, Shift, X, Y);
  if (repeatTimer_ != nullptr) repeatTimer_->SetEnabled(false);
}

void TVxCustomGlowButton::RepeatTimerTick() {
  if (repeatTimer_ != nullptr) repeatTimer_->SetInterval(static_cast<unsigned>(repeatPause_));
  if (!pressedGlow_ || !MouseCapture()) return;
  try {
    Click();
  } catch (...) {
    if (repeatTimer_ != nullptr) repeatTimer_->SetEnabled(false);
    throw;
  }
}

void TVxCustomGlowButton::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseMove(Shift, X, Y);
  UpdateTracking();
  const bool over = dropDownButton_ && (dropDownPosition_ == dpRight ? X > Width() - kDropDownHotBand
                                                                     : Y > Height() - kDropDownHotBand);
  if (over != overDropDown_) {
    overDropDown_ = over;
    Invalidate();
  }
  mouseInControl_ = true;
  if (!pressPending_) return;
  std::uint8_t wanted = down_ ? gbsGroupDown : gbsUp;
  if (InsideClient(X, Y)) wanted = down_ ? gbsGroupDown : gbsPressed;
  if (style_ == bsCheck && down_) wanted = gbsPressed;
  if (wanted != buttonState_) {
    buttonState_ = wanted;
    Invalidate();
  }
}

void TVxCustomGlowButton::UpdateTracking() {
  if (!Enabled()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const bool over = fw::FindDragTarget(fw::TPoint{cursor.x, cursor.y}, true) == this;
  if (over == mouseInControl_) return;
  mouseInControl_ = over;
  Perform(over ? fw::CM_MOUSEENTER : fw::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
}

// ---- keyboard ----

void TVxCustomGlowButton::KeyDown(WORD& Key, fw::TShiftState Shift) {
  fw::TCustomControl::KeyDown(Key, Shift);
  if (Key == VK_RETURN || Key == VK_SPACE) {
    pressedGlow_ = true;
    buttonState_ = gbsPressed;
    Repaint();
  } else if (Key == VK_F4) {
    DoDropDown();
  }
}

void TVxCustomGlowButton::KeyUp(WORD& Key, fw::TShiftState Shift) {
  fw::TCustomControl::KeyUp(Key, Shift);
  pressedGlow_ = false;
  buttonState_ = gbsUp;
  Repaint();
}

void TVxCustomGlowButton::KeyPress(char& Key) {
  fw::TCustomControl::KeyPress(Key);
  if (Key != ' ' && Key != '\r') return;
  if (auto* form = dynamic_cast<fw::TCustomForm*>(fw::GetTopParent(this)); form != nullptr) {
    form->SetModalResult(modalResult_);
  }
  if (OnClick) OnClick(this);
}

bool TVxCustomGlowButton::DialogKey(fw::TMessage& Message) {
  const fw::TShiftState shift = fw::KeyboardShiftState();
  const bool noShift = !shift.Contains(fw::ssShift) && !shift.Contains(fw::ssCtrl) && !shift.Contains(fw::ssAlt);
  const bool answers = (Message.WParam == VK_RETURN && activeDefault_) || (Message.WParam == VK_ESCAPE && cancel_);
  if (!answers || !noShift || !CanFocus()) return false;
  KeyboardClick();
  buttonState_ = gbsUp;
  Message.Result = 1;
  return true;
}

bool TVxCustomGlowButton::DialogChar(fw::TMessage& Message) {
  if (GetKeyState(VK_MENU) >= 0) return false;
  if (!fw::IsAccel(Message.WParam, Caption()) || !CanFocus()) return false;
  if (DropDownOnly() || dropDownMenu_ != nullptr) DoDropDown();
  else Click();
  Message.Result = 1;
  return true;
}

void TVxCustomGlowButton::FocusChanged(fw::TMessage& Message) {
  auto* focused = reinterpret_cast<fw::TControl*>(Message.LParam);
  if (dynamic_cast<TVxCustomGlowButton*>(focused) != nullptr) activeDefault_ = focused == this;
  else activeDefault_ = default_;
}

void TVxCustomGlowButton::KeyboardClick() {
  const bool allDropDown = (DropDownOnly() && !dropDownButton_) ||
                           (dropDownButton_ && style_ == bsButton && groupIndex_ <= 0 && !dropDownSplit_);
  if (allDropDown) {
    if (dropDownMenu_ != nullptr) DoDropDown();
    else Click();
    return;
  }
  if (style_ == bsCheck) {
    SetDown(!down_);
    buttonState_ = gbsPressed;
    Repaint();
  }
  Click();
}

void TVxCustomGlowButton::DoDropDown() {
  if (!DropDownOnly() && dropDownMenu_ == nullptr) return;
  if (dropDownMenu_ != nullptr) {
    dropDownMenu_->SetPopupComponent(this);
    buttonState_ = gbsPressed;
    if (OnDropDown) OnDropDown(this);
    Invalidate();
    const fw::TPoint at = DropDownPoint();
    try {
      dropDownMenu_->Popup(at.X, at.Y);
    } catch (...) {
      buttonState_ = gbsUp;
      throw;
    }
    buttonState_ = gbsUp;
    Repaint();
  }
  Invalidate();
}

}  // namespace ui
