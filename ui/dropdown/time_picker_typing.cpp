// The time picker drop-down's typed text: reading a complete text into the time, and stepping the part
// under the caret with Up and Down.
#include <windows.h>

#include <algorithm>
#include <charconv>

#include "framework/rtl/formatsettings.h"
#include "framework/rtl/textutils.h"
#include "framework/services/keystate.h"
#include "ui/dropdown/flag_scope.h"
#include "ui/dropdown/time_picker_dropdown.h"

namespace ui {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A part's number: empty reads 0; false for anything but decimal digits.
bool PartValue(const std::string& Part, int& Value) {
  Value = 0;
  if (Part.empty()) return true;
  if (!std::all_of(Part.begin(), Part.end(), IsDigit)) return false;
  const auto [end, error] = std::from_chars(Part.data(), Part.data() + Part.size(), Value);
  return error == std::errc{} && end == Part.data() + Part.size();
}

// 1-based position of c in text, 0 when it is not there.
int Pos(char c, const std::string& text) {
  const size_t at = text.find(c);
  return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

}  // namespace

bool TVxTimePickerDropDown::IsTimeDigits(const std::string& Part) {
  if (Part.empty()) return true;
  if (!IsDigit(Part[0])) return false;
  return Part.size() < 2 || IsDigit(Part[1]);
}

bool TVxTimePickerDropDown::HasTimeSeparators(const std::string& Text) const {
  const char separator = fw::FormatSettings.TimeSeparator;
  const int first = Pos(separator, Text);
  if (first == 0) return false;
  const std::string rest = fw::Trim(Text.substr(static_cast<size_t>(first)));
  const auto more = std::count(rest.begin(), rest.end(), separator);
  return more == (showSeconds_ ? 1 : 0);
}

void TVxTimePickerDropDown::Change() {
  TVxCustomDropDown::Change();
  if (internalCall_) return;
  const std::string text = Text();
  if (text.empty()) return;
  // Complete: the length of the short form, or with seconds shown that of the full form.
  const size_t length = fw::Trim(text).size();
  if (length == 5 || (showSeconds_ && length == 8)) ParseTypedTime(text);
}

void TVxTimePickerDropDown::ParseTypedTime(const std::string& Text) {
  if (!HasTimeSeparators(Text)) return;
  const char separator = fw::FormatSettings.TimeSeparator;
  std::string text = Text;
  std::replace(text.begin(), text.end(), ' ', '0');
  const size_t first = text.find(separator);
  const std::string hourPart = fw::Trim(text.substr(0, first));
  std::string rest = fw::Trim(text.substr(first + 1));
  std::string secondPart;
  if (showSeconds_) {
    const size_t second = rest.find(separator);
    secondPart = fw::Trim(rest.substr(second + 1));
    rest = fw::Trim(rest.substr(0, second));
  }
  const std::string& minutePart = rest;
  int h = 0, m = 0, s = 0;
  if (!IsTimeDigits(hourPart) || !IsTimeDigits(minutePart) || !IsTimeDigits(secondPart)) return;
  if (!PartValue(hourPart, h) || !PartValue(minutePart, m) || !PartValue(secondPart, s)) return;
  // A text that names no time of day (hour above 23, minute or second above 59) leaves the time as it was.
  fw::TDateTime value = 0;
  if (!fw::TryEncodeTime(h, m, s, 0, value)) return;
  time_ = value;
  const std::string formatted = FormatTime(h, m, s);
  if (formatted != Text && m == 0 && s == 0) {
    const FlagScope own(internalCall_);
    SetText(formatted);
  }
}

void TVxTimePickerDropDown::KeyDown(WORD& Key, fw::TShiftState Shift) {
  TVxCustomDropDown::KeyDown(Key, Shift);
  if (fw::IsKeyDown(VK_MENU) || Shift.Contains(fw::ssAlt) || Shift.Contains(fw::ssCtrl)) return;
  if (Key != VK_UP && Key != VK_DOWN) return;
  const bool up = Key == VK_UP;
  const int caret = SelStart();
  const std::string text = Text();
  const char separator = fw::FormatSettings.TimeSeparator;
  std::uint16_t h = 0, m = 0, s = 0, ms = 0;
  fw::DecodeTime(time_, h, m, s, ms);
  // A caret just before a separator belongs to the part before it.
  const int p = Pos(separator, text);
  if (caret < p) {
    SetHourPart(up ? (h == 0 ? 23 : h - 1) : (h == 23 ? 0 : h + 1));
  } else {
    const int c = caret - p;
    const int p2 = Pos(separator, text.substr(static_cast<size_t>(p)));
    if (p2 <= c && showSeconds_) {
      SetSecondPart(up ? (s == 0 ? 59 : s - 1) : (s == 59 ? 0 : s + 1));
    } else {
      SetMinutePart(up ? (m == 0 ? 59 : m - 1) : (m == 59 ? 0 : m + 1));
    }
  }
  SetSelStart(caret);
}

}  // namespace ui
