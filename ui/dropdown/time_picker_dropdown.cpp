// The time picker drop-down's construction, properties, part setters, text format and style.
#include "ui/dropdown/time_picker_dropdown.h"

#include "framework/rtl/formatsettings.h"
#include "ui/dropdown/flag_scope.h"
#include "ui/dropdown/watch_styles.h"

namespace ui {

namespace {

// "0" before a single digit.
std::string TwoDigits(int Value) {
  std::string text = std::to_string(Value);
  if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
  return text;
}

}  // namespace

TVxTimePickerDropDown::TVxTimePickerDropDown(fw::TComponent* AOwner)
    : TVxCustomDropDown(AOwner),
      watchAppearance_(std::make_unique<TWatchAppearance>()),
      watchSettings_(std::make_unique<TWatchSettings>()) {}

TVxTimePickerDropDown::~TVxTimePickerDropDown() {
  // The owned pop-up parts outlive this part of the object.
  if (watch_ != nullptr) watch_->OnChange = nullptr;
  if (timeEntry_ != nullptr) timeEntry_->OnChange = nullptr;
}

void TVxTimePickerDropDown::AfterConstruction() {
  TVxCustomDropDown::AfterConstruction();
  SetShowTimePicker(false);
  SetEditorEnabled(false);
  showSeconds_ = true;
  {
    const FlagScope own(internalCall_);
    SetEditMask(EditMaskFor(true));
    SetTextDirect(FormatTime(0, 0, 0));
  }
  SetShowWatchAMPM(true);
  SetShowWatchNumbers(true);
  SetAnimation(true);
  SetAnimationFactor(10);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
}

void TVxTimePickerDropDown::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  TVxCustomDropDown::Notification(AComponent, Operation);
  if (Operation != fw::opRemove) return;
  if (AComponent == panel_) panel_ = nullptr;
  if (AComponent == watch_) watch_ = nullptr;
  if (AComponent == timeEntry_) timeEntry_ = nullptr;
}

// ---- properties ----

void TVxTimePickerDropDown::SetTime(fw::TDateTime Value) {
  if (Value == time_) return;
  time_ = Value;
  std::uint16_t h = 0, m = 0, s = 0, ms = 0;
  fw::DecodeTime(Value, h, m, s, ms);
  SetTextDirect(FormatTime(h, m, s));
}

void TVxTimePickerDropDown::SetShowSeconds(bool Value) {
  if (Value == showSeconds_) return;
  showSeconds_ = Value;
  const fw::TDateTime kept = time_;
  {
    const FlagScope own(internalCall_);
    SetEditMask("");
    SetTextDirect("");
    SetEditMask(EditMaskFor(Value));
  }
  // A stored value that differs makes the Time setter write the text in the new format.
  time_ = kept + 1;
  SetTime(kept);
}

void TVxTimePickerDropDown::SetWatchAppearance(TWatchAppearance* Value) {
  if (Value != watchAppearance_.get()) watchAppearance_->Assign(Value);
}

void TVxTimePickerDropDown::SetWatchSettings(TWatchSettings* Value) {
  if (Value != watchSettings_.get()) watchSettings_->Assign(Value);
}

// ---- the parts ----

void TVxTimePickerDropDown::SetHourPart(int Value) { ReplacePart(0, Value); }
void TVxTimePickerDropDown::SetMinutePart(int Value) { ReplacePart(1, Value); }
void TVxTimePickerDropDown::SetSecondPart(int Value) { ReplacePart(2, Value); }

void TVxTimePickerDropDown::ReplacePart(int Index, int Value) {
  std::uint16_t parts[4]{};
  fw::DecodeTime(time_, parts[0], parts[1], parts[2], parts[3]);
  const int last = Index == 0 ? 23 : 59;
  if (Value == parts[Index] || Value < 0 || Value > last) return;
  parts[Index] = static_cast<std::uint16_t>(Value);
  SetTime(fw::EncodeTime(parts[0], parts[1], parts[2], parts[3]));
  if (OnTimeChange) OnTimeChange(this);
}

// ---- text ----

std::string TVxTimePickerDropDown::FormatTime(int Hour, int Minute, int Second) const {
  const char separator = fw::FormatSettings.TimeSeparator;
  std::string text = TwoDigits(Hour) + separator + TwoDigits(Minute);
  if (showSeconds_) text += separator + TwoDigits(Second);
  return text;
}

// An optional first hour digit shown as a leading blank, required digits otherwise, the separators kept in
// the text and a blank for an empty position.
std::string TVxTimePickerDropDown::EditMaskFor(bool Seconds) const {
  const std::string separator(1, fw::FormatSettings.TimeSeparator);
  std::string mask = "!90" + separator + "00";
  if (Seconds) mask += separator + "00";
  return mask + ";1; ";
}

// ---- style ----

void TVxTimePickerDropDown::ApplyStyle(int Style) {
  TVxCustomDropDown::ApplyStyle(Style);
  ApplyWatchColorSet(*watchAppearance_, Style);
}

}  // namespace ui
