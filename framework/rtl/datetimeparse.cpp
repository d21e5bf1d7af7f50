// Reading dates and times from text (declared in datetime.h).
#include <cctype>
#include <cmath>

#include "framework/rtl/ansicase.h"
#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/formatsettings.h"

namespace fw {

namespace {

enum class DateOrder { MDY, DMY, YMD };

DateOrder ShortDateOrder() {
  for (const char c : FormatSettings.ShortDateFormat) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
      case 'd': return DateOrder::DMY;
      case 'm': return DateOrder::MDY;
      case 'y': return DateOrder::YMD;
      default: break;
    }
  }
  return DateOrder::MDY;
}

// A cursor over the text being read.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }
  size_t Position() const { return pos_; }
  void SetPosition(size_t pos) { pos_ = pos; }

  // Up to maxDigits digits (at least one); digits gives how many were read.
  bool Number(int maxDigits, int& value, int& digits) {
    SkipBlanks();
    value = 0;
    digits = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      if (++digits > maxDigits) return false;
      value = value * 10 + (text_[pos_++] - '0');
    }
    return digits > 0;
  }

  bool Char(char c) {
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  // The word (any case) at the cursor.
  bool Word(const std::string& word) {
    SkipBlanks();
    if (word.empty() || text_.size() - pos_ < word.size()) return false;
    if (AnsiUpperCase(std::string(text_.substr(pos_, word.size()))) != AnsiUpperCase(word)) return false;
    pos_ += word.size();
    return true;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

int CurrentYear() {
  std::uint16_t year = 0, month = 0, day = 0;
  DecodeDate(Date(), year, month, day);
  return year;
}

// A year of one or two digits in the hundred years that FormatSettings' window gives.
int ExpandYear(int year, int digits) {
  if (digits > 2) return year;
  const int window = FormatSettings.TwoDigitYearCenturyWindow;
  const int current = CurrentYear();
  if (window <= 0) return current / 100 * 100 + year;
  const int first = current - window;
  year += first / 100 * 100;
  return year < first ? year + 100 : year;
}

bool ScanDate(Scanner& in, TDateTime& value) {
  const char separator = FormatSettings.DateSeparator;
  int n[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  if (!in.Number(4, n[0], digits[0]) || !in.Char(separator) || !in.Number(4, n[1], digits[1])) return false;
  int count = 2;
  const size_t afterTwo = in.Position();
  if (in.Char(separator)) {
    if (!in.Number(4, n[2], digits[2])) return false;
    count = 3;
  } else {
    in.SetPosition(afterTwo);
  }
  int year = 0, month = 0, day = 0;
  const DateOrder order = ShortDateOrder();
  if (count == 2) {
    year = CurrentYear();
    if (order == DateOrder::DMY) {
      day = n[0];
      month = n[1];
    } else {
      month = n[0];
      day = n[1];
    }
  } else {
    switch (order) {
      case DateOrder::MDY: month = n[0]; day = n[1]; year = ExpandYear(n[2], digits[2]); break;
      case DateOrder::DMY: day = n[0]; month = n[1]; year = ExpandYear(n[2], digits[2]); break;
      case DateOrder::YMD: year = ExpandYear(n[0], digits[0]); month = n[1]; day = n[2]; break;
    }
  }
  return TryEncodeDate(year, month, day, value);
}

bool ScanTime(Scanner& in, TDateTime& value) {
  const char separator = FormatSettings.TimeSeparator;
  int hour = 0, minute = 0, second = 0, millisecond = 0, digits = 0;
  if (!in.Number(2, hour, digits)) return false;
  if (in.Char(separator)) {
    if (!in.Number(2, minute, digits)) return false;
    if (in.Char(separator)) {
      if (!in.Number(2, second, digits)) return false;
      if (in.Char(FormatSettings.DecimalSeparator)) {
        // A fraction of the second, to the millisecond.
        if (!in.Number(3, millisecond, digits)) return false;
        for (; digits < 3; ++digits) millisecond *= 10;
      }
    }
  }
  int baseHour = -1;
  if (in.Word(FormatSettings.TimeAMString) || in.Word("AM")) {
    baseHour = 0;
  } else if (in.Word(FormatSettings.TimePMString) || in.Word("PM")) {
    baseHour = 12;
  }
  if (baseHour >= 0) {
    if (hour > 12) return false;
    if (hour == 12) hour = 0;
    hour += baseHour;
  }
  return TryEncodeTime(hour, minute, second, millisecond, value);
}

// A date's day with a time of day: before 1899-12-30 the time still counts forward from midnight.
TDateTime Combine(TDateTime date, TDateTime time) { return date < 0 ? date - time : date + time; }

// The value a Try form reads, or EConvertError naming what the text is not.
TDateTime ReadOrRaise(bool (*tryRead)(std::string_view, TDateTime&), std::string_view text, const char* what) {
  TDateTime value = 0;
  if (!tryRead(text, value)) throw EConvertError("'" + std::string(text) + "' is not a valid " + what);
  return value;
}

}  // namespace

bool TryStrToDate(std::string_view text, TDateTime& value) {
  Scanner in(text);
  TDateTime date = 0;
  if (!ScanDate(in, date) || !in.AtEnd()) return false;
  value = date;
  return true;
}

bool TryStrToTime(std::string_view text, TDateTime& value) {
  Scanner in(text);
  TDateTime time = 0;
  if (!ScanTime(in, time) || !in.AtEnd()) return false;
  value = time;
  return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value) {
  Scanner in(text);
  TDateTime date = 0;
  if (ScanDate(in, date)) {
    TDateTime time = 0;
    if (in.AtEnd()) {
      value = date;
      return true;
    }
    if (ScanTime(in, time) && in.AtEnd()) {
      value = Combine(date, time);
      return true;
    }
  }
  return TryStrToTime(text, value);
}

TDateTime StrToDate(std::string_view text) { return ReadOrRaise(&TryStrToDate, text, "date"); }

TDateTime StrToTime(std::string_view text) { return ReadOrRaise(&TryStrToTime, text, "time"); }

TDateTime StrToDateTime(std::string_view text) { return ReadOrRaise(&TryStrToDateTime, text, "date and time"); }

TDateTime IncMonth(TDateTime value, int Months) {
  std::uint16_t year = 0, month = 0, day = 0;
  DecodeDate(value, year, month, day);
  const long long total = static_cast<long long>(year) * 12 + (month - 1) + Months;
  const long long newYear = total >= 0 ? total / 12 : -((-total + 11) / 12);
  const int newMonth = static_cast<int>(total - newYear * 12) + 1;
  if (newYear < 1 || newYear > 9999) throw EConvertError("Invalid argument to date encode");
  const int y = static_cast<int>(newYear);
  const int d = day <= DaysInAMonth(y, newMonth) ? day : DaysInAMonth(y, newMonth);
  const TDateTime time = std::fabs(value - std::trunc(value));
  return Combine(EncodeDate(y, newMonth, d), time);
}

}  // namespace fw
