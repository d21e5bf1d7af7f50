// TVxTimePickerDropDown: a drop-down edit whose value is a time of day. The edit shows two-digit hours,
// minutes and (with ShowSeconds) seconds behind an edit mask; Up and Down step the part under the caret.
// The pop-up holds an analog watch on a panel, optionally with a time-entry control (the framework's
// date-time picker of time kind) under it; the watch follows the value while the pop-up is open and closing
// the pop-up takes the watch's time, unless it was cancelled.
//
// Typing: a complete text (hh:mm, or hh:mm:ss with ShowSeconds) is read into Time at each change; blanks
// read as "0", a text that is not two-digit parts between the separators, or that names no time of day
// (an hour above 23, a minute or second above 59), leaves Time as it was. Typing, the Time setter and
// closing the pop-up fire no OnTimeChange; stepping with Up and Down, the part setters and, while
// ShowTimePicker is on, a change made on the watch fire it.
//
// Construction follows the drop-down base: WatchAppearance and WatchSettings are made in the constructor
// (the base's style step recolours WatchAppearance), the panel and the watch with the pop-up form, and the
// defaults in AfterConstruction after the base's. The panel, the watch and the time-entry control are
// owned components of the drop-down. GUI thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/controls/date_time_picker.h"
#include "framework/controls/panel.h"
#include "framework/rtl/datetime.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/watch.h"

namespace ui {

class TVxTimePickerDropDown : public TVxCustomDropDown {
 public:
  explicit TVxTimePickerDropDown(fw::TComponent* AOwner);
  ~TVxTimePickerDropDown() override;
  void AfterConstruction() override;

  // The value. Setting another value rewrites the text (its change handling runs) without OnTimeChange.
  fw::TDateTime Time() const { return time_; }
  void SetTime(fw::TDateTime Value);
  // The text and the mask include seconds. A change keeps the time and rewrites the text.
  bool ShowSeconds() const { return showSeconds_; }
  void SetShowSeconds(bool Value);
  // The pop-up shows a time-entry control under the watch.
  bool ShowTimePicker() const { return showTimePicker_; }
  void SetShowTimePicker(bool Value) { showTimePicker_ = Value; }
  // Given to the watch at each drop-down.
  bool ShowWatchAMPM() const { return showWatchAMPM_; }
  void SetShowWatchAMPM(bool Value) { showWatchAMPM_ = Value; }
  bool ShowWatchNumbers() const { return showWatchNumbers_; }
  void SetShowWatchNumbers(bool Value) { showWatchNumbers_ = Value; }
  bool Animation() const { return animation_; }
  void SetAnimation(bool Value) { animation_ = Value; }
  int AnimationFactor() const { return animationFactor_; }
  void SetAnimationFactor(int Value) { animationFactor_ = Value; }
  // Copied into the watch at each drop-down; the setters copy the given object.
  TWatchAppearance* WatchAppearance() const { return watchAppearance_.get(); }
  void SetWatchAppearance(TWatchAppearance* Value);
  TWatchSettings* WatchSettings() const { return watchSettings_.get(); }
  void SetWatchSettings(TWatchSettings* Value);

  fw::TNotifyEvent OnTimeChange;

  // Replace one part of the time and fire OnTimeChange; nothing for the current value or one out of range.
  void SetHourPart(int Value);
  void SetMinutePart(int Value);
  void SetSecondPart(int Value);
  // The text of a time: two-digit parts between the time separators, the seconds only with ShowSeconds.
  std::string FormatTime(int Hour, int Minute, int Second) const;
  // The text holds the separator, and after the first one no further separator (ShowSeconds off) or
  // exactly one more (ShowSeconds on).
  bool HasTimeSeparators(const std::string& Text) const;
  // Empty, or its first character and (when there is one) its second character are decimal digits.
  static bool IsTimeDigits(const std::string& Part);

  // The pop-up's parts (null at design time; the time-entry control until ShowTimePicker was used).
  fw::TPanel* Panel() const { return panel_; }
  TVxWatch* Watch() const { return watch_; }
  fw::TDateTimePicker* TimeEntry() const { return timeEntry_; }
  // The watch's and the time-entry control's OnChange while the pop-up is open.
  void WatchChange(fw::TObject* Sender);
  void TimePickerChange(fw::TObject* Sender);

  // ---- the drop-down protocol ----
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void HideDropDown(bool Cancel) override;
  void AfterDropUp() override;
  void DropDownFormKeyDown(WORD& Key, fw::TShiftState Shift) override;
  void DropDownFormKeyUp(WORD& Key, fw::TShiftState Shift) override;
  void DropDownControlKeyDown(WORD& Key, fw::TShiftState Shift) override;
  void DropDownControlKeyUp(WORD& Key, fw::TShiftState Shift) override;
  void DropDownControlKeyPress(char& Key) override;
  // The drop-down's colours, then the same colour set for WatchAppearance (seen at the next drop-down).
  void ApplyStyle(int Style) override;

 protected:
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void Change() override;
  // The drop-down's window is a multi-line edit, which reports no change for text written into it: the
  // control's own writes (the mask's typing, the Time setter, the Text setter) run the change handling
  // themselves, each once.
  bool WindowReportsAssignedText() const override { return false; }
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;

 private:
  std::string EditMaskFor(bool Seconds) const;
  // A complete text read into the stored time (see the header note); the rewrite of a full hour.
  void ParseTypedTime(const std::string& Text);
  // The part (0 hours, 1 minutes, 2 seconds) through the Time setter, then OnTimeChange.
  void ReplacePart(int Index, int Value);

  fw::TDateTime time_ = 0;
  bool showSeconds_ = true;
  bool showTimePicker_ = false;
  bool showWatchAMPM_ = true;
  bool showWatchNumbers_ = true;
  bool animation_ = true;
  int animationFactor_ = 10;
  std::unique_ptr<TWatchAppearance> watchAppearance_;
  std::unique_ptr<TWatchSettings> watchSettings_;
  // Set while the control writes its own text: the change handling does not read it.
  bool internalCall_ = false;
  // Set while a cancelled pop-up closes: the watch's time is not taken.
  bool cancelling_ = false;
  // The text and the time when the pop-up opened, put back when it closes cancelled.
  std::string textAtOpen_;
  fw::TDateTime timeAtOpen_ = 0;
  fw::TPanel* panel_ = nullptr;
  TVxWatch* watch_ = nullptr;
  fw::TDateTimePicker* timeEntry_ = nullptr;
};

}  // namespace ui
