// Dates: encoding, decoding and the date-time texts with the process-wide format settings.
#include <gtest/gtest.h>

#include "framework/rtl/sysutils.h"

using namespace fw;

namespace {

class DateTimeText : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = FormatSettings;
    // The program's own settings.
    FormatSettings.DateSeparator = '/';
    FormatSettings.TimeSeparator = ':';
    FormatSettings.ShortDateFormat = "dd/MM/yyyy";
    FormatSettings.LongTimeFormat = "hh:mm:ss";
  }
  void TearDown() override { FormatSettings = saved_; }
  TFormatSettings saved_;
};

}  // namespace

TEST(DateTime, EncodesAndDecodes) {
  EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_DOUBLE_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);

  for (const auto& [y, m, d] : {std::tuple{1, 1, 1}, {1600, 2, 29}, {1899, 12, 29}, {1900, 3, 1}, {2000, 2, 29},
                               {2000, 12, 31}, {2024, 2, 29}, {2100, 3, 1}, {9999, 12, 31}}) {
    std::uint16_t year = 0, month = 0, day = 0;
    DecodeDate(EncodeDate(y, m, d), year, month, day);
    EXPECT_EQ(std::tuple(year, month, day), std::tuple(y, m, d)) << y << "-" << m << "-" << d;
  }

  std::uint16_t h = 0, n = 0, s = 0, ms = 0;
  DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
  EXPECT_EQ(std::tuple(h, n, s, ms), std::tuple(23, 59, 59, 999));
  DecodeTime(-1.25, h, n, s, ms);  // the time of a date before 1899-12-30 still counts from midnight
  EXPECT_EQ(std::tuple(h, n, s, ms), std::tuple(6, 0, 0, 0));
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 29)), 5);  // Thursday
  EXPECT_EQ(DayOfWeek(0), 7);                         // Saturday
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
}

TEST_F(DateTimeText, FormatsPatterns) {
  const TDateTime t = EncodeDate(2024, 3, 7) + EncodeTime(14, 5, 9, 45);
  const struct {
    const char* format;
    const char* text;
  } cases[] = {
      {"dd/MM/yyyy", "07/03/2024"},
      {"d/m/yy", "7/3/24"},
      {"hh:mm:ss", "14:05:09"},
      {"h:n:s.zzz", "14:5:9.045"},
      {"hh:nn ampm", "02:05 PM"},
      {"h:nn am/pm", "2:05 pm"},
      {"h A/P", "2 P"},
      {"ddd dddd mmm mmmm", "Thu Thursday Mar March"},
      {"yyyy-mm-dd'T'hh:nn", "2024-03-07T14:05"},
      {"\"day\" d", "day 7"},
      {"ddddd", "07/03/2024"},
      {"c", "07/03/2024 14:05:09"},
      {"tt", "14:05:09"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, t), c.text) << c.format;

  EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 7)), "07/03/2024");  // midnight: no time
  // Milliseconds do not count toward the time of day shown.
  const TDateTime halfSecondPastMidnight = EncodeDate(2024, 3, 5) + EncodeTime(0, 0, 0, 500);
  EXPECT_EQ(DateTimeToStr(halfSecondPastMidnight), "05/03/2024");
  EXPECT_EQ(FormatDateTime("c", halfSecondPastMidnight), "05/03/2024");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 5) + EncodeTime(0, 0, 1, 0)), "05/03/2024 00:00:01");
  EXPECT_EQ(DateToStr(t), "07/03/2024");
  EXPECT_EQ(TimeToStr(t), "14:05:09");
  // Times round to whole milliseconds, so a hair before midnight is the next day.
  EXPECT_EQ(FormatDateTime("dd hh:nn:ss.zzz", EncodeDate(2024, 3, 7) + (MSecsPerDay - 0.4) / MSecsPerDay),
            "08 00:00:00.000");
  EXPECT_EQ(FormatDateTime("h am/pm", EncodeTime(0, 30, 0, 0)), "12 am");

  FormatSettings.DateSeparator = '-';
  FormatSettings.TimeSeparator = '.';
  EXPECT_EQ(FormatDateTime("dd/mm hh:nn", t), "07-03 14.05");
}

namespace {

// Texts read with the settings of a test; "today" is 2026-06-15.
class DateTimeReading : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = FormatSettings; }
  void TearDown() override { FormatSettings = saved_; }
  void Use(const char* shortDate, char separator) {
    FormatSettings.ShortDateFormat = shortDate;
    FormatSettings.DateSeparator = separator;
  }
  TFormatSettings saved_;
  ServiceDouble<TDateTime()> today_{Now, [] { return EncodeDate(2026, 6, 15) + 0.25; }};
};

}  // namespace

TEST_F(DateTimeReading, DatesFollowTheShortDateFormatsOrderAndSeparator) {
  struct Case {
    const char* format;
    char separator;
    const char* text;
    int year, month, day;
  };
  for (const Case& c : {
           Case{"m/d/yyyy", '/', "2/29/2024", 2024, 2, 29},
           Case{"m/d/yyyy", '/', " 12/31/1999 ", 1999, 12, 31},
           Case{"m/d/yyyy", '/', "7/4", 2026, 7, 4},        // two numbers: this year
           Case{"m/d/yyyy", '/', "1/2/30", 2030, 1, 2},     // two-digit years: 1976-2075
           Case{"m/d/yyyy", '/', "1/2/76", 1976, 1, 2},
           Case{"m/d/yyyy", '/', "1/2/75", 2075, 1, 2},
           Case{"dd.MM.yyyy", '.', "31.12.2025", 2025, 12, 31},
           Case{"dd.MM.yyyy", '.', "4.7", 2026, 7, 4},
           Case{"dd.MM.yyyy", '.', "1.2.0099", 99, 2, 1},   // four digits are the year as written
           Case{"yyyy-mm-dd", '-', "2024-02-29", 2024, 2, 29},
       }) {
    Use(c.format, c.separator);
    TDateTime value = -1;
    ASSERT_TRUE(TryStrToDate(c.text, value)) << c.format << " " << c.text;
    EXPECT_DOUBLE_EQ(value, EncodeDate(c.year, c.month, c.day)) << c.format << " " << c.text;
    EXPECT_DOUBLE_EQ(StrToDate(c.text), value);
  }
}

TEST_F(DateTimeReading, ImpossibleOrMalformedDatesRaise) {
  for (const auto& [format, separator, text] :
       {std::tuple{"m/d/yyyy", '/', "2/29/2023"}, {"m/d/yyyy", '/', "13/1/2024"}, {"m/d/yyyy", '/', "4/31/2024"},
        {"m/d/yyyy", '/', "0/1/2024"}, {"m/d/yyyy", '/', "1/1/2024x"}, {"m/d/yyyy", '/', "1.1.2024"},
        {"m/d/yyyy", '/', "1/1/10000"}, {"m/d/yyyy", '/', ""}, {"m/d/yyyy", '/', "5"},
        {"dd.MM.yyyy", '.', "29.2.2023"}, {"dd.MM.yyyy", '.', "12/31/2024"}, {"dd.MM.yyyy", '.', "31.4"}}) {
    Use(format, separator);
    TDateTime value = 42;
    EXPECT_FALSE(TryStrToDate(text, value)) << format << " '" << text << "'";
    EXPECT_DOUBLE_EQ(value, 42);  // untouched
    try {
      StrToDate(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid date");
    }
  }
}

TEST_F(DateTimeReading, TimesAndDatesWithTimes) {
  FormatSettings.DecimalSeparator = ',';
  for (const auto& [text, h, m, s, ms] :
       {std::tuple{"13:05", 13, 5, 0, 0}, {"7", 7, 0, 0, 0}, {"23:59:59", 23, 59, 59, 0}, {"1:02:03,5", 1, 2, 3, 500},
        {"12:30 AM", 0, 30, 0, 0}, {"12:30 pm", 12, 30, 0, 0}, {"1:15PM", 13, 15, 0, 0}}) {
    EXPECT_DOUBLE_EQ(StrToTime(text), EncodeTime(h, m, s, ms)) << text;
  }
  for (const char* bad : {"24:00", "12:60", "13:00 PM", "1:2:3:4", "noon", "1:02:03,1234"}) {
    TDateTime value = 0;
    EXPECT_FALSE(TryStrToTime(bad, value)) << bad;
    EXPECT_THROW(StrToTime(bad), EConvertError) << bad;
  }

  Use("m/d/yyyy", '/');
  EXPECT_DOUBLE_EQ(StrToDateTime("3/1/2024 18:00"), EncodeDate(2024, 3, 1) + 0.75);
  EXPECT_DOUBLE_EQ(StrToDateTime("3/1/2024"), EncodeDate(2024, 3, 1));
  EXPECT_DOUBLE_EQ(StrToDateTime("18:00"), 0.75);
  // Before 1899-12-30 the time still runs forward from midnight.
  const TDateTime early = StrToDateTime("12/29/1899 6:00");
  EXPECT_DOUBLE_EQ(early, -1.25);
  try {
    StrToDateTime("2/30/2024 10:00");
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'2/30/2024 10:00' is not a valid date and time");
  }
}

TEST(DateTime, IncMonthKeepsTheDayValidAndTheTime) {
  for (const auto& [from, months, to] : {
           std::tuple{EncodeDate(2024, 1, 31), 1, EncodeDate(2024, 2, 29)},
           {EncodeDate(2023, 1, 31), 1, EncodeDate(2023, 2, 28)},
           {EncodeDate(2024, 3, 31), -1, EncodeDate(2024, 2, 29)},
           {EncodeDate(2024, 5, 31), 1, EncodeDate(2024, 6, 30)},
           {EncodeDate(2024, 12, 31), 2, EncodeDate(2025, 2, 28)},
           {EncodeDate(2024, 1, 15), -13, EncodeDate(2022, 12, 15)},
           {EncodeDate(2024, 2, 29), 12, EncodeDate(2025, 2, 28)},
           {EncodeDate(2024, 8, 31), 0, EncodeDate(2024, 8, 31)},
       }) {
    EXPECT_DOUBLE_EQ(IncMonth(from, months), to) << DateToStr(from) << " + " << months;
  }
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 31) + 0.5), EncodeDate(2024, 2, 29) + 0.5);
  EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(1899, 11, 30) - 0.25, 1), EncodeDate(1899, 12, 30) + 0.25);
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
}
