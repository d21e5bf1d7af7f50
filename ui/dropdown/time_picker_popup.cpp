// The time picker drop-down's pop-up: the panel with the watch and the time-entry control, their live
// synchronisation with the value, the keys of the open pop-up and the closing order.
#include <windows.h>

#include "framework/services/keystate.h"
#include "ui/dropdown/dropdown_form.h"
#include "ui/dropdown/flag_scope.h"
#include "ui/dropdown/time_picker_dropdown.h"

namespace ui {

namespace {

constexpr int kWatchSide = 170;

// Page Up, Page Down, Up and Down step the watch: they reach the edit only with Alt.
bool ReachesTheEdit(WORD Key, fw::TShiftState Shift) {
  const bool stepping = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  return !stepping || Shift.Contains(fw::ssAlt);
}

}  // namespace

void TVxTimePickerDropDown::CreateDropDownForm() {
  TVxCustomDropDown::CreateDropDownForm();
  // At design time no pop-up opens.
  if (DropDownForm() == nullptr || ComponentState().Contains(fw::csDesigning)) return;
  if (panel_ == nullptr) {
    panel_ = fw::Create<fw::TPanel>(this);
    panel_->SetParent(DropDownForm());
    panel_->SetCtl3D(false);
    panel_->SetBorderWidth(0);
    panel_->SetBevelInner(fw::bvNone);
  }
  panel_->SetBounds(0, 0, panel_->Width(), 180);
  if (watch_ == nullptr) {
    watch_ = fw::Create<TVxWatch>(this);
    watch_->SetParent(panel_);
    watch_->SetAlign(fw::alClient);
  }
  SetControl(panel_);
}

void TVxTimePickerDropDown::BeforeDropDown() {
  TVxCustomDropDown::BeforeDropDown();
  TDropDownForm* form = DropDownForm();
  if (form == nullptr || panel_ == nullptr || watch_ == nullptr) return;
  // Placed in the pop-up the panel fills it; freed from that it takes its size, which the pop-up's size
  // then follows (the placement aligns it again).
  panel_->SetAlign(fw::alNone);
  panel_->SetBounds(panel_->Left(), panel_->Top(), kWatchSide, kWatchSide);
  form->SetWidth(form->Width() + 1);
  form->SetWidth(form->Width() - 1);
  // A click outside the pop-up keeps the watch's time.
  form->SetCancelOnDeactivate(false);
  panel_->SetColor(DropDownColor());

  watch_->SetAppearance(watchAppearance_.get());
  watch_->SetSettings(watchSettings_.get());
  watch_->SetShowAMPM(showWatchAMPM_);
  watch_->SetShowNumbers(showWatchNumbers_);
  watch_->SetAnimation(animation_);
  watch_->SetAnimationFactor(animationFactor_);
  watch_->OnChange = nullptr;
  if (!watchSettings_->Auto()) watch_->SetTime(time_);
  watch_->OnChange = [this](fw::TObject* Sender) { WatchChange(Sender); };

  if (showTimePicker_) {
    if (timeEntry_ == nullptr) {
      timeEntry_ = fw::Create<fw::TDateTimePicker>(this);
      timeEntry_->SetParent(panel_);
      timeEntry_->SetKind(fw::dtkTime);
    }
    timeEntry_->OnChange = nullptr;
    timeEntry_->SetAlign(fw::alBottom);
    timeEntry_->Show();
    timeEntry_->SetTime(time_);
    timeEntry_->BringToFront();
    timeEntry_->OnChange = [this](fw::TObject* Sender) { TimePickerChange(Sender); };
    timeEntry_->OnKeyDown = [this](fw::TObject*, WORD& Key, fw::TShiftState Shift) { DropDownControlKeyDown(Key, Shift); };
    timeEntry_->OnKeyUp = [this](fw::TObject*, WORD& Key, fw::TShiftState Shift) { DropDownControlKeyUp(Key, Shift); };
    timeEntry_->OnKeyPress = [this](fw::TObject*, char& Key) { DropDownControlKeyPress(Key); };
    timeEntry_->SetFormat(showSeconds_ ? "HH:mm:ss" : "HH:mm");
    panel_->SetHeight(timeEntry_->Height() + kWatchSide);
  } else if (timeEntry_ != nullptr) {
    timeEntry_->Hide();
  }
  textAtOpen_ = Text();
  timeAtOpen_ = time_;
}

// ---- while open ----

void TVxTimePickerDropDown::WatchChange(fw::TObject*) {
  if (watch_ == nullptr) return;
  const fw::TDateTime shown = watch_->Time();
  if (timeEntry_ != nullptr && showTimePicker_ && timeEntry_->Time() != shown) {
    timeEntry_->SetTime(shown);
    if (OnTimeChange) OnTimeChange(this);
  }
  SetTime(shown);
}

void TVxTimePickerDropDown::TimePickerChange(fw::TObject*) {
  if (timeEntry_ != nullptr && watch_ != nullptr && !watchSettings_->Auto()) watch_->SetTime(timeEntry_->Time());
}

// ---- keys ----

void TVxTimePickerDropDown::DropDownFormKeyDown(WORD& Key, fw::TShiftState Shift) {
  if (ReachesTheEdit(Key, Shift)) TVxCustomDropDown::DropDownFormKeyDown(Key, Shift);
  // Enter and Esc have closed the pop-up by now.
  if (watch_ != nullptr && DropDownForm() != nullptr && DropDownForm()->Visible()) {
    watch_->HandleKey(static_cast<std::uint8_t>(Key & 0xFF));
  }
}

void TVxTimePickerDropDown::DropDownFormKeyUp(WORD& Key, fw::TShiftState Shift) {
  if (ReachesTheEdit(Key, Shift)) TVxCustomDropDown::DropDownFormKeyUp(Key, Shift);
}

void TVxTimePickerDropDown::DropDownControlKeyDown(WORD& Key, fw::TShiftState Shift) {
  if (ReachesTheEdit(Key, Shift)) TVxCustomDropDown::DropDownControlKeyDown(Key, Shift);
}

void TVxTimePickerDropDown::DropDownControlKeyUp(WORD& Key, fw::TShiftState Shift) {
  if (ReachesTheEdit(Key, Shift)) TVxCustomDropDown::DropDownControlKeyUp(Key, Shift);
}

// The characters of the stepping keys' codes ("!", '"', "&", "(") stay out of the edit unless Alt is down.
void TVxTimePickerDropDown::DropDownControlKeyPress(char& Key) {
  const bool steppingChar = Key == '!' || Key == '"' || Key == '&' || Key == '(';
  if (steppingChar && (fw::AsyncKeyState(VK_MENU) & 0x8000) == 0) return;
  TVxCustomDropDown::DropDownControlKeyPress(Key);
}

// ---- closing ----

void TVxTimePickerDropDown::HideDropDown(bool Cancel) {
  const bool open = DropDownForm() != nullptr && DropDownForm()->Visible();
  if (!open || watch_ == nullptr) {
    // Enter in the edit asks to close a pop-up that is not open: the typed value stays.
    TVxCustomDropDown::HideDropDown(Cancel);
    return;
  }
  if (!Cancel) {
    TVxCustomDropDown::HideDropDown(false);
    SetTime(watch_->Time());
    return;
  }
  // A cancel puts back the time and the text the pop-up opened with; the base's write-back of its old
  // text then writes that same text.
  {
    const FlagScope closing(cancelling_);
    time_ = timeAtOpen_;
    {
      const FlagScope own(internalCall_);
      SetText(textAtOpen_);
    }
    TVxCustomDropDown::HideDropDown(true);
  }
  watch_->SetTime(time_);
}

void TVxTimePickerDropDown::AfterDropUp() {
  TVxCustomDropDown::AfterDropUp();
  if (ComponentState().Contains(fw::csDestroying) || watch_ == nullptr || cancelling_) return;
  SetTime(watch_->Time());
}

}  // namespace ui
