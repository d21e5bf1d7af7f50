#include "framework/rtl/datetime.h"

#include <cmath>

#include "framework/rtl/arith.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/clock.h"

namespace fw {

namespace {

// Days from 0001-01-01 (day 1) to 1899-12-30.
constexpr int kDateDelta = 693594;

// Days since 0001-01-01 (that day being 1) to the given date, which must be valid.
int DayNumber(int year, int month, int day) {
  static constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int previous = year - 1;
  int days = previous * 365 + previous / 4 - previous / 100 + previous / 400 + kDaysBeforeMonth[month - 1] + day;
  if (month > 2 && IsLeapYear(year)) ++days;
  return days;
}

// The value rounded to whole milliseconds, as a day number since 1899-12-30 and milliseconds into it.
struct Stamp {
  std::int64_t days;
  std::int64_t milliseconds;
};

Stamp ToStamp(TDateTime value) {
  const std::int64_t total = Round(value * MSecsPerDay);
  return {total / MSecsPerDay, (total < 0 ? -total : total) % MSecsPerDay};
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
  value = DayNumber(year, month, day) - kDateDelta;
  return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value) {
  if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 || millisecond < 0 ||
      millisecond >= 1000) {
    return false;
  }
  value = static_cast<double>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond) / MSecsPerDay;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime value = 0;
  if (!TryEncodeDate(year, month, day, value)) throw EConvertError("Invalid argument to date encode");
  return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  TDateTime value = 0;
  if (!TryEncodeTime(hour, minute, second, millisecond, value)) throw EConvertError("Invalid argument to time encode");
  return value;
}

void DecodeDate(TDateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
  const std::int64_t dayNumber = ToStamp(value).days + kDateDelta;
  if (dayNumber <= 0) {
    year = month = day = 0;
    return;
  }
  // Whole 400-, 100-, 4- and 1-year cycles before the day, then the month.
  std::int64_t rest = dayNumber - 1;
  std::int64_t y = 1 + 400 * (rest / 146097);
  rest %= 146097;
  std::int64_t centuries = rest / 36524;
  if (centuries == 4) centuries = 3;  // the last day of a 400-year cycle
  y += 100 * centuries;
  rest -= centuries * 36524;
  y += 4 * (rest / 1461);
  rest %= 1461;
  std::int64_t years = rest / 365;
  if (years == 4) years = 3;  // the last day of a leap cycle
  y += years;
  rest -= years * 365;
  int m = 1;
  while (rest >= DaysInAMonth(static_cast<int>(y), m)) rest -= DaysInAMonth(static_cast<int>(y), m++);
  year = static_cast<std::uint16_t>(y);
  month = static_cast<std::uint16_t>(m);
  day = static_cast<std::uint16_t>(rest + 1);
}

void DecodeTime(TDateTime value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                std::uint16_t& millisecond) {
  const std::int64_t ms = ToStamp(value).milliseconds;
  hour = static_cast<std::uint16_t>(ms / 3600000);
  minute = static_cast<std::uint16_t>(ms / 60000 % 60);
  second = static_cast<std::uint16_t>(ms / 1000 % 60);
  millisecond = static_cast<std::uint16_t>(ms % 1000);
}

int DayOfWeek(TDateTime value) {
  // 1899-12-30 was a Saturday.
  const std::int64_t days = ToStamp(value).days;
  return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() { return Frac(Now()); }

}  // namespace fw
