// The date and time picker: values in both kinds round trip through the window, the check box empties
// the window's date, and the window's notifications reach their events.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "framework/controls/date_time_picker.h"
#include "framework/rtl/datetime.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

SYSTEMTIME WindowTime(TDateTimePicker* picker, LRESULT& flag) {
  SYSTEMTIME st{};
  flag = SendMessageA(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
  return st;
}

TEST_F(StdControlTest, DateTimePickerValueRoundTripsInBothKinds) {
  const TDateTime departure = EncodeDate(2026, 12, 11) + EncodeTime(14, 35, 7, 250);
  const TDateTime whole = EncodeDate(2026, 12, 11) + EncodeTime(14, 35, 7, 0);
  for (TDateTimeKind kind : {dtkDate, dtkTime}) {
    SCOPED_TRACE(kind);
    auto* picker = Make<TDateTimePicker>(Rect(10, 10, 200, 31));
    picker->SetKind(kind);
    picker->SetFormat(kind == dtkDate ? "dd.MM.yyyy" : "HH:mm:ss");
    picker->SetDateTime(departure);
    EXPECT_DOUBLE_EQ(picker->DateTime(), whole);  // milliseconds dropped
    Form()->Show();
    LRESULT flag = 0;
    SYSTEMTIME st = WindowTime(picker, flag);
    EXPECT_EQ(flag, GDT_VALID);
    EXPECT_EQ(st.wYear, 2026);
    EXPECT_EQ(st.wDay, 11);
    EXPECT_EQ(st.wHour, 14);
    EXPECT_EQ(st.wSecond, 7);

    picker->SetTime(EncodeTime(6, 5, 0, 0));  // keeps the date
    picker->SetDate(EncodeDate(2027, 1, 2) + 0.75);  // keeps the time
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2027, 1, 2) + EncodeTime(6, 5, 0, 0));
    picker->SetDateMode(dmUpDown);  // a new window gets the value
    st = WindowTime(picker, flag);
    EXPECT_EQ(st.wYear, 2027);
    EXPECT_EQ(st.wHour, 6);
    EXPECT_EQ(st.wMinute, 5);
    picker->Free();
  }
}

TEST_F(StdControlTest, DateTimePickerUncheckedHoldsNoDateAndUserChangesReachOnChange) {
  auto* picker = Make<TDateTimePicker>(Rect(10, 10, 200, 31));
  picker->SetShowCheckbox(true);
  picker->SetDateTime(EncodeDate(2026, 3, 4));
  picker->SetChecked(false);
  Form()->Show();
  LRESULT flag = 0;
  WindowTime(picker, flag);
  EXPECT_EQ(flag, GDT_NONE);
  EXPECT_FALSE(picker->Checked());
  picker->SetChecked(true);
  SYSTEMTIME st = WindowTime(picker, flag);
  EXPECT_EQ(flag, GDT_VALID);
  EXPECT_EQ(st.wMonth, 3);

  // What the window reports after the user's change (as it sends it to the parent).
  int changes = 0;
  picker->OnChange = [&](TObject*) { ++changes; };
  NMDATETIMECHANGE change{};
  change.nmhdr = NMHDR{picker->Handle(), 0, static_cast<UINT>(DTN_DATETIMECHANGE)};
  change.dwFlags = GDT_NONE;
  SendMessageA(Form()->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  EXPECT_FALSE(picker->Checked());
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2026, 3, 4));
  change.dwFlags = GDT_VALID;
  change.st = SYSTEMTIME{2026, 5, 0, 6, 7, 8, 9, 0};
  SendMessageA(Form()->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  EXPECT_TRUE(picker->Checked());
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2026, 5, 6) + EncodeTime(7, 8, 9, 0));
  EXPECT_EQ(changes, 2);
}

TEST_F(StdControlTest, DateTimePickerDropDownShowsTheCalendarAndReportsBothEnds) {
  auto* picker = Make<TDateTimePicker>(Rect(10, 10, 200, 31));
  Form()->Show();
  int drops = 0;
  int closes = 0;
  HWND calendar = nullptr;
  picker->OnDropDown = [&](TObject*) {
    ++drops;
    calendar = picker->CalendarHandle();
  };
  picker->OnCloseUp = [&](TObject*) { ++closes; };
  PostClick(picker->Handle(), picker->Width() - 8, picker->Height() / 2);  // the drop-down button
  EXPECT_EQ(drops, 1);
  EXPECT_NE(calendar, nullptr);
  EXPECT_TRUE(picker->DroppedDown());
  PostClick(picker->Handle(), picker->Width() - 8, picker->Height() / 2);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(StdControlTest, DateTimePickerTypedTextGoesToOnUserInput) {
  auto* picker = Make<TDateTimePicker>(Rect(10, 10, 200, 31));
  picker->SetParseInput(true);
  picker->SetDateTime(EncodeDate(2026, 1, 1));
  Form()->Show();
  std::string seen;
  picker->OnUserInput = [&](TObject*, const std::string& text, TDateTime& value, bool& allow) {
    seen = text;
    value = EncodeDate(2026, 7, 4);
    allow = text == "tomorrow";
  };
  for (const char* text : {"never", "tomorrow"}) {
    NMDATETIMESTRINGA input{};
    input.nmhdr = NMHDR{picker->Handle(), 0, static_cast<UINT>(DTN_USERSTRINGA)};
    input.pszUserString = text;
    SendMessageA(Form()->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&input));
    EXPECT_EQ(seen, text);
    EXPECT_EQ(input.dwFlags, GDT_VALID);
    EXPECT_EQ(input.st.wMonth, std::string(text) == "tomorrow" ? 7 : 1);
  }
  EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2026, 7, 4));
}

}  // namespace
}  // namespace fw
