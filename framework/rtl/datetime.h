// TDateTime: days since 1899-12-30 as a double, the fraction being the time of day; a negative value's
// fraction still counts forward from midnight (-1.25 is 1899-12-29 06:00).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = 24 * 60;
constexpr int SecsPerDay = MinsPerDay * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;

bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);

// Invalid parts raise EConvertError ("Invalid argument to date encode" / "... time encode").
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value);
void DecodeDate(TDateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day);
void DecodeTime(TDateTime value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                std::uint16_t& millisecond);
int DayOfWeek(TDateTime value);  // 1 = Sunday .. 7 = Saturday

// Today at midnight and the time of day, from the replaceable clock (Now, framework/services/clock.h).
TDateTime Date();
TDateTime Time();

// Patterns (letters in any case): d dd ddd dddd, ddddd (ShortDateFormat), dddddd (LongDateFormat),
// m mm mmm mmmm (minutes instead when following h or hh), yy yyyy, h hh, n nn, s ss, z zzz,
// t (ShortTimeFormat), tt (LongTimeFormat), c (short date, then the long time unless it is midnight),
// am/pm a/p ampm (and h counts 12 hours), '/' DateSeparator, ':' TimeSeparator, '...' or "..." literal.
std::string FormatDateTime(std::string_view format, TDateTime value);
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value);

// Reading dates and times (datetimeparse.cpp), by FormatSettings:
// - a date is two or three numbers joined by DateSeparator in the order of ShortDateFormat's d, m and y
//   (two numbers: day and month of the current year); a year of one or two digits falls in the hundred
//   years that TwoDigitYearCenturyWindow gives;
// - a time is hours[:minutes[:seconds[<DecimalSeparator>fraction]]] with TimeSeparator, optionally
//   followed by TimeAMString/TimePMString or AM/PM (then hours run 0-12);
// - a date and time is a date, a date followed by a space and a time, or a time.
// Spaces around the parts are allowed. Texts that are no such value, and impossible dates or times, raise
// EConvertError ("'<text>' is not a valid date", "... time", "... date and time"); the Try forms answer
// false instead and leave value untouched.
TDateTime StrToDate(std::string_view text);
TDateTime StrToTime(std::string_view text);
TDateTime StrToDateTime(std::string_view text);
bool TryStrToDate(std::string_view text, TDateTime& value);
bool TryStrToTime(std::string_view text, TDateTime& value);
bool TryStrToDateTime(std::string_view text, TDateTime& value);

// The same day and time Months months later (earlier when negative); a day the month does not have
// becomes its last (January 31 + 1 month: February 28 or 29). EConvertError past the years 1-9999.
TDateTime IncMonth(TDateTime value, int Months = 1);

}  // namespace fw
