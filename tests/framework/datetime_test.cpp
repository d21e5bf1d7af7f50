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
