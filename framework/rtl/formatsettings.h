// The process-wide number and date-time format settings. The defaults are fixed (not read from the user's
// locale) so that results never depend on the machine; the program sets its own at start and tests may
// change them.
#pragma once

#include <array>
#include <string>

namespace fw {

struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string ShortDateFormat = "m/d/yyyy";
  std::string LongDateFormat = "dddd, mmmm d, yyyy";
  std::string ShortTimeFormat = "h:nn AMPM";
  std::string LongTimeFormat = "h:nn:ss AMPM";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
  // Sunday first, as the day-of-week numbering.
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  // A year of one or two digits read from a text lies in the hundred years that start this many years
  // before the current one (50 in 2026: 1976-2075); 0 puts it in the current century.
  int TwoDigitYearCenturyWindow = 50;
};

// Read and written by the GUI thread; other threads only read it.
extern TFormatSettings FormatSettings;

}  // namespace fw
