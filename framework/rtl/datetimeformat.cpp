// FormatDateTime and the texts built on it.
#include <cctype>
#include <cstdint>

#include "framework/rtl/datetime.h"
#include "framework/rtl/format.h"
#include "framework/rtl/formatsettings.h"
#include "framework/rtl/textutils.h"

namespace fw {

namespace {

struct Parts {
  std::uint16_t year, month, day, hour, minute, second, millisecond;
  int dayOfWeek;
  bool midnight;
};

Parts Split(TDateTime value) {
  Parts parts{};
  DecodeDate(value, parts.year, parts.month, parts.day);
  DecodeTime(value, parts.hour, parts.minute, parts.second, parts.millisecond);
  parts.dayOfWeek = DayOfWeek(value);
  // Milliseconds do not count: 00:00:00.500 prints as the date alone.
  parts.midnight = parts.hour == 0 && parts.minute == 0 && parts.second == 0;
  return parts;
}

std::string Number(int value, bool twoDigits) { return Format(twoDigits ? "%.2d" : "%d", value); }

bool StartsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

// Whether an hour in the rest of the format is a 12-hour clock.
bool HasMeridiem(std::string_view rest) {
  const std::string upper = UpperCase(rest);
  return upper.find("AMPM") != std::string::npos || upper.find("AM/PM") != std::string::npos ||
         upper.find("A/P") != std::string::npos;
}

class DateTimeWriter {
 public:
  explicit DateTimeWriter(const Parts& parts) : parts_(parts) {}

  void Append(std::string_view format, int depth) {
    if (depth > 2) return;  // nested formats naming themselves
    char lastLetter = 0;
    std::size_t at = 0;
    while (at < format.size()) {
      const char c = format[at];
      char token = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      std::size_t count = 1;
      while (at + count < format.size() && std::toupper(static_cast<unsigned char>(format[at + count])) == token) ++count;
      if (token >= 'A' && token <= 'Z') {
        if (token == 'M' && lastLetter == 'H') token = 'N';
        lastLetter = token;
      }
      switch (token) {
        case 'Y':
          out_ += count <= 2 ? Number(parts_.year % 100, true) : Format("%.4d", parts_.year);
          break;
        case 'M':
          if (count <= 2) {
            out_ += Number(parts_.month, count == 2);
          } else {
            const auto& names = count == 3 ? FormatSettings.ShortMonthNames : FormatSettings.LongMonthNames;
            out_ += names[parts_.month - 1u];
          }
          break;
        case 'D':
          AppendDay(count, depth);
          break;
        case 'H': {
          int hour = parts_.hour;
          if (HasMeridiem(format.substr(at))) hour = hour % 12 == 0 ? 12 : hour % 12;
          out_ += Number(hour, count >= 2);
          break;
        }
        case 'N':
          out_ += Number(parts_.minute, count >= 2);
          break;
        case 'S':
          out_ += Number(parts_.second, count >= 2);
          break;
        case 'Z':
          out_ += count >= 3 ? Format("%.3d", parts_.millisecond) : Number(parts_.millisecond, false);
          break;
        case 'T':
          Append(count == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat, depth + 1);
          break;
        case 'C':
          Append(FormatSettings.ShortDateFormat, depth + 1);
          if (!parts_.midnight) {
            out_ += ' ';
            Append(FormatSettings.LongTimeFormat, depth + 1);
          }
          break;
        case 'A': {
          count = AppendMeridiem(format.substr(at));
          break;
        }
        case '/':
          if (FormatSettings.DateSeparator != '\0') out_ += FormatSettings.DateSeparator;
          count = 1;
          break;
        case ':':
          if (FormatSettings.TimeSeparator != '\0') out_ += FormatSettings.TimeSeparator;
          count = 1;
          break;
        case '\'':
        case '"': {
          const std::size_t close = format.find(c, at + 1);
          const std::size_t end = close == std::string_view::npos ? format.size() : close;
          out_.append(format.substr(at + 1, end - at - 1));
          count = end == format.size() ? end - at : end - at + 1;
          break;
        }
        default:
          out_.append(format.substr(at, count));
          break;
      }
      at += count;
    }
  }

  std::string Text() const { return out_; }

 private:
  void AppendDay(std::size_t count, int depth) {
    switch (count) {
      case 1:
      case 2:
        out_ += Number(parts_.day, count == 2);
        break;
      case 3:
        out_ += FormatSettings.ShortDayNames[static_cast<std::size_t>(parts_.dayOfWeek - 1)];
        break;
      case 4:
        out_ += FormatSettings.LongDayNames[static_cast<std::size_t>(parts_.dayOfWeek - 1)];
        break;
      case 5:
        Append(FormatSettings.ShortDateFormat, depth + 1);
        break;
      default:
        Append(FormatSettings.LongDateFormat, depth + 1);
        break;
    }
  }

  // AMPM, AM/PM or A/P (the latter two keep the format's letter case); any other 'a' is literal.
  // Returns how many format characters were used.
  std::size_t AppendMeridiem(std::string_view rest) {
    const bool pm = parts_.hour >= 12;
    if (StartsWithText(rest, "AMPM")) {
      out_ += pm ? FormatSettings.TimePMString : FormatSettings.TimeAMString;
      return 4;
    }
    if (StartsWithText(rest, "AM/PM")) {
      out_.append(rest.substr(pm ? 3 : 0, 2));
      return 5;
    }
    if (StartsWithText(rest, "A/P")) {
      out_ += rest[pm ? 2 : 0];
      return 3;
    }
    out_ += rest[0];
    return 1;
  }

  const Parts& parts_;
  std::string out_;
};

}  // namespace

std::string FormatDateTime(std::string_view format, TDateTime value) {
  const Parts parts = Split(value);
  DateTimeWriter writer(parts);
  writer.Append(format.empty() ? std::string_view("c") : format, 0);
  return writer.Text();
}

std::string DateToStr(TDateTime value) { return FormatDateTime("ddddd", value); }

std::string TimeToStr(TDateTime value) { return FormatDateTime("tt", value); }

std::string DateTimeToStr(TDateTime value) { return FormatDateTime("c", value); }

}  // namespace fw
