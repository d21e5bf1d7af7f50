// The drop-down edit's side of the pop-up window: making and freeing the pop-up form, the open/close
// sequence, closing by deactivation with the reopening guard, and the keys the pop-up passes back.
#include <windows.h>

#include "framework/forms/application.h"
#include "framework/forms/screen.h"
#include "framework/services/clock.h"
#include "framework/services/screenmetrics.h"
#include "ui/dropdown/dropdown_bars.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui {

namespace {

// A click on the button first deactivates an open pop-up (closing it); within this time after that the
// same click must not open it again.
constexpr std::uint32_t kReopenGuardMs = 250;
constexpr int kMinPopupWidth = 80;
constexpr int kMinPopupHeight = 50;

}  // namespace

// ---- the form ----

void TVxCustomDropDown::CreateDropDownForm() {
  if (dropDownForm_ != nullptr) return;
  auto* form = fw::Create<TDropDownForm>(this);
  dropDownForm_ = form;
  form->SetDropDown(this);
  form->SetBorderStyle(fw::bsNone);
  form->SetBounds(form->Left(), form->Top(), dropDownWidth_, dropDownHeight_);
  form->OnClose = [](fw::TObject*, fw::TCloseAction&) {};
  form->OnHide = [this](fw::TObject*) { AfterDropUp(); };
  form->OnKeyPress = [this](fw::TObject*, char& Key) { DropDownFormKeyPress(Key); };
  form->OnKeyDown = [this](fw::TObject*, WORD& Key, fw::TShiftState Shift) { DropDownFormKeyDown(Key, Shift); };
  form->OnKeyUp = [this](fw::TObject*, WORD& Key, fw::TShiftState Shift) { DropDownFormKeyUp(Key, Shift); };
  form->OnMouseWheelDown = [this](fw::TObject*, fw::TShiftState, fw::TPoint, bool&) { DropDownFormWheelDown(); };
  form->OnMouseWheelUp = [this](fw::TObject*, fw::TShiftState, fw::TPoint, bool&) { DropDownFormWheelUp(); };
  form->OnDestroy = [this](fw::TObject*) { DropDownFormDestroyed(); };
  form->OnSizing = [this](fw::TObject*) { DropDownFormSizing(); };
  form->SetDoubleBuffered(true);
}

void TVxCustomDropDown::DestroyDropDownForm() { fw::FreeAndNil(dropDownForm_); }

// ---- opening ----

void TVxCustomDropDown::ShowDropDown() {
  if (Designing() || dropDownForm_ == nullptr || dropDownForm_->Visible() || !Enabled() || ReadOnly()) return;
  TDropDownForm& form = *dropDownForm_;
  BeforeDropDown();
  form.SetShadow(dropDownShadow_);
  form.UpdateHeaderFooter();
  const HWND window = form.Handle();
  const DWORD classStyle = GetClassLongA(window, GCL_STYLE);
  SetClassLongA(window, GCL_STYLE,
                static_cast<LONG>(form.Shadow() ? classStyle | CS_DROPSHADOW : classStyle & ~DWORD{CS_DROPSHADOW}));
  form.SetBounds(Left(), Top(), form.Width(), form.Height());
  SizeDropDownForm();
  PlaceDropDownControl();
  form.Constraints()->SetMinWidth(kMinPopupWidth);
  form.Constraints()->SetMinHeight(kMinPopupHeight);
  if (dropDownControl_ != nullptr) {
    dropDownControl_->OnKeyDown = [this](fw::TObject*, WORD& Key, fw::TShiftState Shift) {
      DropDownControlKeyDown(Key, Shift);
    };
    dropDownControl_->OnKeyUp = [this](fw::TObject*, WORD& Key, fw::TShiftState Shift) {
      DropDownControlKeyUp(Key, Shift);
    };
    dropDownControl_->OnKeyPress = [this](fw::TObject*, char& Key) { DropDownControlKeyPress(Key); };
  }

  const fw::TPoint at = Parent() != nullptr ? Parent()->ClientToScreen(fw::TPoint{Left(), Top()})
                                            : ClientToScreen(fw::TPoint{0, 0});
  const int below = at.Y + Height() - 1;
  const int above = at.Y - form.Height();
  int top = below;
  if (dropPosition_ == dpUp) top = above;
  // The automatic choice looks at the control's top and the whole screen, not the work area.
  if (dropPosition_ == dpAuto && form.Height() + at.Y >= fw::ScreenSize().cy) top = above;
  form.SetBounds(at.X, top, form.Width(), form.Height());

  bool acceptDrop = true;
  if (OnDropDown) OnDropDown(this, acceptDrop);
  if (!acceptDrop) return;

  // Only a pop-up that crosses the work area's right edge is moved; no other edge is corrected.
  const fw::TRect work = fw::Screen->MonitorFromPoint(at).WorkareaRect;
  if (work.Left >= 0 && form.Left() < work.Right && work.Right < form.Left() + form.Width()) {
    form.SetBounds(work.Right - form.Width(), form.Top(), form.Width(), form.Height());
  }
  const fw::TPoint position{form.Left(), form.Top()};
  // Once closed, the pop-up opens with the size it had then.
  if (userWidth_ != -1) form.SetWidth(userWidth_);
  if (userHeight_ != -1) form.SetHeight(userHeight_);
  const fw::TSize size{form.Width(), form.Height()};
  form.SetBounds(form.Left(), form.Top(), 0, 0);
  form.Show();
  if (dropDownShadow_ && forcedShadow_) {
    // Some systems drop the shadow of a window shown this way unless it is shown once more.
    form.Hide();
    form.SetBounds(form.Left(), form.Top(), 1, 1);
    form.Show();
  }
  droppedDown_ = true;
  SetWindowPos(form.Handle(), HWND_TOPMOST, position.X, position.Y, size.cx, size.cy, 0);
  FocusDropDownControl();
}

void TVxCustomDropDown::SizeDropDownForm() {
  if (dropDownForm_ == nullptr) return;
  const bool control = dropDownControl_ != nullptr && dropDownControl_->Visible();
  int width = Width();
  if (dropDownWidth_ > 0) {
    width = dropDownWidth_;
  } else if (control) {
    width = dropDownControl_->Width();
  }
  int height = dropDownHeight_;
  if (height <= 0) {
    height = 2 * dropDownBorderWidth_;
    if (dropDownHeader_ != nullptr && dropDownHeader_->Visible()) height += dropDownHeader_->Height();
    if (dropDownFooter_ != nullptr && dropDownFooter_->Visible()) height += dropDownFooter_->Height();
    if (control) height += dropDownControl_->Height();
  }
  dropDownForm_->SetBounds(dropDownForm_->Left(), dropDownForm_->Top(), width, height);
}

void TVxCustomDropDown::PlaceDropDownControl() {
  if (dropDownForm_ == nullptr || dropDownControl_ == nullptr) return;
  dropDownControl_->SetParent(dropDownForm_);
  const bool header = dropDownHeader_ != nullptr && dropDownHeader_->Visible();
  dropDownControl_->SetTop(header ? dropDownHeader_->Height() + 2 : dropDownBorderWidth_);
  dropDownControl_->SetAlign(fw::alClient);
}

void TVxCustomDropDown::FocusDropDownControl() {
  fw::TWinControl* control = focusControl_;
  if (control == nullptr || !control->TabStop() || !control->CanFocus()) return;
  if (control->HandleAllocated() && GetFocus() == control->Handle()) return;
  control->SetFocus();
}

void TVxCustomDropDown::TryShowDropDown() {
  if (Designing()) return;
  if (dropDownForm_ != nullptr) {
    if (dropDownForm_->Visible()) return;
    if (fw::TickCount() - dropDownForm_->DeactivationTime() <= kReopenGuardMs) return;
  }
  ShowDropDown();
}

// ---- closing ----

void TVxCustomDropDown::HideDropDown(bool Cancel) {
  if (Designing() || dropDownForm_ == nullptr || !dropDownForm_->Visible()) return;
  userWidth_ = dropDownForm_->Width();
  userHeight_ = dropDownForm_->Height();
  dropDownForm_->Hide();
  if (fw::Application != nullptr) fw::Application->CancelHint();
  if (Cancel) {
    const std::string old = oldText_;
    SetText(old);
  }
  if (OnDropUp) OnDropUp(this, Cancel);
}

void TVxCustomDropDown::AfterDropUp() {
  droppedDown_ = false;
  if (ComponentState().Contains(fw::csDestroying)) return;
  if (!TabStop() || !CanFocus()) return;
  if (HandleAllocated() && GetFocus() == Handle()) return;
  SetFocus();
}

// The bars follow a change of the header or footer appearance while the pop-up is shown.
void TVxCustomDropDown::BarsChanged(fw::TObject*) {
  if (dropDownForm_ != nullptr && droppedDown_) dropDownForm_->UpdateHeaderFooter();
}

// ---- keys from the pop-up ----
// Sent, not posted, and the key is left as it was: the pop-up and its picker still handle it. Through the
// edit's key handling Enter closes the pop-up keeping the value, Esc cancels and F4 toggles.

void TVxCustomDropDown::DropDownFormKeyPress(char& Key) { SendKey(WM_CHAR, static_cast<unsigned char>(Key)); }
void TVxCustomDropDown::DropDownFormKeyDown(WORD& Key, fw::TShiftState) { SendKey(WM_KEYDOWN, Key); }
void TVxCustomDropDown::DropDownFormKeyUp(WORD& Key, fw::TShiftState) { SendKey(WM_KEYUP, Key); }
void TVxCustomDropDown::DropDownControlKeyDown(WORD& Key, fw::TShiftState) { SendKey(WM_KEYDOWN, Key); }
void TVxCustomDropDown::DropDownControlKeyUp(WORD& Key, fw::TShiftState) { SendKey(WM_KEYUP, Key); }
void TVxCustomDropDown::DropDownControlKeyPress(char& Key) { SendKey(WM_CHAR, static_cast<unsigned char>(Key)); }

void TVxCustomDropDown::SendKey(UINT Message, WPARAM Key) {
  if (HandleAllocated()) SendMessageA(Handle(), Message, Key, 0);
}

}  // namespace ui
