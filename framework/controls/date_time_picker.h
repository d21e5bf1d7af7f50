#pragma once
// TDateTimePicker: the comctl32 date and time picker. The value (DateTime; Date its whole days, Time its
// time of day) is kept in the object and written into the window. With ShowCheckbox the control shows a
// check box; unchecked, the window holds no date (Checked off) while DateTime keeps the last value.
//
// Events come from the window's notifications (reflected as CN_NOTIFY): OnChange for every change of
// the value or check box by the user, OnDropDown/OnCloseUp around the month calendar (whose window
// CalendarHandle gives while dropped), OnUserInput for text typed into a control with ParseInput. Values
// set by the program fire nothing.
#include <functional>
#include <string>

#include "framework/controls/win_control.h"
#include "framework/rtl/datetime.h"

namespace fw {

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

// The user typed UserString: set DateAndTime and AllowChange (false keeps the old value).
using TDTParseInputEvent =
    std::function<void(TObject* Sender, const std::string& UserString, TDateTime& DateAndTime, bool& AllowChange)>;

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* AOwner);

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode value);
  TDateTime DateTime() const { return dateTime_; }
  // Milliseconds are dropped; the window gets the value through SetDateTime in every case.
  virtual void SetDateTime(TDateTime value);
  TDateTime Date() const;
  void SetDate(TDateTime value);
  TDateTime Time() const;
  void SetTime(TDateTime value);
  // The display format in the control's picture letters ("dd.MM.yyyy", "HH:mm"); empty: the locale's.
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& value);
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // Typed text goes to OnUserInput (date kind with the drop-down only).
  bool ParseInput() const { return parseInput_; }
  void SetParseInput(bool value);
  bool DroppedDown() const { return CalendarHandle() != nullptr; }
  // The month calendar's window while it is dropped down, else nullptr.
  HWND CalendarHandle() const;

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;
  TDTParseInputEvent OnUserInput;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void Change();
  // Writes the stored value and check box into the window.
  void WriteToWindow();

 private:
  void HandleNotify(TMessage& Message);

  TDateTimeKind kind_ = dtkDate;
  TDTDateMode dateMode_ = dmComboBox;
  TDateTime dateTime_ = 0;
  std::string format_;
  bool showCheckbox_ = false;
  bool checked_ = true;
  bool parseInput_ = false;
};

}  // namespace fw
