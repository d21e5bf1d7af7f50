#include "framework/controls/date_time_picker.h"

#include <commctrl.h>

#include <cmath>

#include "framework/rtl/arith.h"

namespace fw {

namespace {

// A date's whole days with a time of day; before the epoch the time counts away from zero as the days do.
TDateTime Compose(TDateTime days, TDateTime time) { return days >= 0 ? days + time : days - time; }

SYSTEMTIME ToSystemTime(TDateTime value) {
  SYSTEMTIME st{};
  std::uint16_t ms = 0;
  DecodeDate(value, st.wYear, st.wMonth, st.wDay);
  DecodeTime(value, st.wHour, st.wMinute, st.wSecond, ms);
  return st;
}

TDateTime FromSystemTime(const SYSTEMTIME& st) {
  return Compose(EncodeDate(st.wYear, st.wMonth, st.wDay), EncodeTime(st.wHour, st.wMinute, st.wSecond, 0));
}

// The value with its milliseconds dropped.
TDateTime WholeSeconds(TDateTime value) { return FromSystemTime(ToSystemTime(value)); }

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
  SetBoundsFields(0, 0, 186, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  controlStyle_.Exclude(csSetCaption);
  dateTime_ = WholeSeconds(fw::Date() + fw::Time());
}

void TDateTimePicker::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, DATETIMEPICK_CLASSA);
  if (kind_ == dtkTime) Params.Style |= DTS_TIMEFORMAT;
  if (kind_ == dtkDate && dateMode_ == dmUpDown) Params.Style |= DTS_UPDOWN;
  if (showCheckbox_) Params.Style |= DTS_SHOWNONE;
  if (parseInput_) Params.Style |= DTS_APPCANPARSE;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  if (!format_.empty()) SendMessageA(Handle(), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format_.c_str()));
  WriteToWindow();
}

void TDateTimePicker::WriteToWindow() {
  if (!HandleAllocated()) return;
  SYSTEMTIME st = ToSystemTime(dateTime_);
  SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  // The time rides along with GDT_NONE: the flag alone is not taken by every implementation of the control.
  if (showCheckbox_ && !checked_) SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_NONE, reinterpret_cast<LPARAM>(&st));
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (kind_ == value) return;
  kind_ = value;
  RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode value) {
  if (dateMode_ == value) return;
  dateMode_ = value;
  RecreateWnd();
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  dateTime_ = WholeSeconds(value);
  WriteToWindow();
}

TDateTime TDateTimePicker::Date() const { return static_cast<TDateTime>(Trunc(dateTime_)); }

void TDateTimePicker::SetDate(TDateTime value) { SetDateTime(Compose(static_cast<TDateTime>(Trunc(value)), Time())); }

TDateTime TDateTimePicker::Time() const { return std::fabs(Frac(dateTime_)); }

void TDateTimePicker::SetTime(TDateTime value) { SetDateTime(Compose(Date(), std::fabs(Frac(value)))); }

void TDateTimePicker::SetFormat(const std::string& value) {
  format_ = value;
  if (HandleAllocated()) {
    SendMessageA(Handle(), DTM_SETFORMATA, 0, format_.empty() ? 0 : reinterpret_cast<LPARAM>(format_.c_str()));
  }
}

void TDateTimePicker::SetShowCheckbox(bool value) {
  if (showCheckbox_ == value) return;
  showCheckbox_ = value;
  RecreateWnd();
}

void TDateTimePicker::SetChecked(bool value) {
  checked_ = value;
  WriteToWindow();
}

void TDateTimePicker::SetParseInput(bool value) {
  if (parseInput_ == value) return;
  parseInput_ = value;
  RecreateWnd();
}

HWND TDateTimePicker::CalendarHandle() const {
  if (!HandleAllocated()) return nullptr;
  // Some implementations keep the calendar window, hidden, after it closed.
  auto calendar =
      reinterpret_cast<HWND>(SendMessageA(const_cast<TDateTimePicker*>(this)->Handle(), DTM_GETMONTHCAL, 0, 0));
  return calendar != nullptr && IsWindowVisible(calendar) ? calendar : nullptr;
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::HandleNotify(TMessage& Message) {
  const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
  switch (header->code) {
    case DTN_DATETIMECHANGE: {
      const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(Message.LParam);
      if (change->dwFlags == GDT_NONE) {
        checked_ = false;
      } else {
        checked_ = true;
        dateTime_ = FromSystemTime(change->st);
      }
      Change();
      break;
    }
    case DTN_DROPDOWN:
      if (OnDropDown) OnDropDown(this);
      break;
    case DTN_CLOSEUP:
      if (OnCloseUp) OnCloseUp(this);
      break;
    case DTN_USERSTRINGA: {
      auto* input = reinterpret_cast<NMDATETIMESTRINGA*>(Message.LParam);
      TDateTime value = dateTime_;
      bool allow = false;
      if (OnUserInput) OnUserInput(this, input->pszUserString != nullptr ? input->pszUserString : "", value, allow);
      if (allow) {
        dateTime_ = WholeSeconds(value);
        checked_ = true;
        input->st = ToSystemTime(dateTime_);
        input->dwFlags = GDT_VALID;
      } else {
        input->st = ToSystemTime(dateTime_);
        input->dwFlags = checked_ ? GDT_VALID : GDT_NONE;
      }
      break;
    }
    default:
      break;
  }
  Message.Result = 0;
}

void TDateTimePicker::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY) {
    HandleNotify(Message);
    return;
  }
  TWinControl::Dispatch(Message);
}

}  // namespace fw
