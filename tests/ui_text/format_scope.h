// Sets the separators and the short date format a test needs and restores the process-wide settings.
#pragma once

#include <string>

#include "framework/rtl/formatsettings.h"

class FormatScope {
 public:
  FormatScope(char decimal, char thousand, char date = '/', std::string shortDate = "m/d/yyyy")
      : saved_(fw::FormatSettings) {
    fw::FormatSettings.DecimalSeparator = decimal;
    fw::FormatSettings.ThousandSeparator = thousand;
    fw::FormatSettings.DateSeparator = date;
    fw::FormatSettings.ShortDateFormat = std::move(shortDate);
  }
  ~FormatScope() { fw::FormatSettings = saved_; }
  FormatScope(const FormatScope&) = delete;
  FormatScope& operator=(const FormatScope&) = delete;

 private:
  fw::TFormatSettings saved_;
};
