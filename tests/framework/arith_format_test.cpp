// Rounding, integer and float conversion, and Format: the exact helpers everyone relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/rtl/sysutils.h"

using namespace fw;

namespace {

// Restores the process-wide settings a test changed.
class FormatSettingsScope {
 public:
  FormatSettingsScope() : saved_(FormatSettings) {}
  ~FormatSettingsScope() { FormatSettings = saved_; }

 private:
  TFormatSettings saved_;
};

}  // namespace

TEST(Round, HalvesGoToTheEvenNeighbour) {
  const struct {
    double value;
    std::int64_t rounded;
  } cases[] = {{2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4}, {0.5, 0},    {1.5, 2},  {-0.5, 0},
               {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {0.0, 0},   {1e15 + 0.5, 1000000000000000}};
  for (const auto& c : cases) EXPECT_EQ(Round(c.value), c.rounded) << c.value;
}

TEST(Round, TruncAndDivisionGoTowardsZero) {
  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Div(7, 2), 3);
  EXPECT_EQ(Div(-7, 2), -3);
  EXPECT_EQ(Mod(-7, 2), -1);
  EXPECT_EQ(Mod(INT64_MIN, -1), 0);
  EXPECT_THROW(Div(1, 0), EDivByZero);
  EXPECT_THROW(Div(INT64_MIN, -1), EIntError);
  EXPECT_THROW(Round(std::nan("")), EInvalidOp);
  EXPECT_THROW(Trunc(1e300), EInvalidOp);
}

TEST(IntegerText, ConvertsAndRejects) {
  const struct {
    const char* text;
    std::int32_t value;
  } good[] = {{"0", 0},          {"-17", -17},     {"+5", 5},          {"  42", 42},
              {"$1F", 31},       {"0x1f", 31},     {"x10", 16},        {"$FFFFFFFF", -1},
              {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"-$10", -16}};
  for (const auto& c : good) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;

  for (const char* text : {"", " ", "12a", "1.5", "42 ", "2147483648", "-2147483649", "$", "$100000000", "abc"}) {
    EXPECT_EQ(StrToIntDef(text, -7), -7) << text;
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), Format("'%s' is not a valid integer value", text));
    }
  }
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(IntToStr(-12345), "-12345");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(std::int64_t{-1}, 2), "FFFFFFFFFFFFFFFF");
}

TEST(FloatText, ShortestGeneralWithFifteenDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{0, "0"},
               {0.1, "0.1"},
               {1.0 / 3, "0.333333333333333"},
               {2.0 / 3, "0.666666666666667"},
               {-1.5, "-1.5"},
               {100, "100"},
               {0.1 + 0.2, "0.3"},
               {123456789012345.0, "123456789012345"},
               {1234567890123456.0, "1.23456789012346E15"},
               {1e20, "1E20"},
               {0.0001, "0.0001"},
               {0.00001, "1E-5"},
               {1.5e-10, "1.5E-10"}};
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FloatToStr(std::nan("")), "NAN");
}

TEST(FloatText, FixedDecimalsRoundHalfAwayFromZero) {
  const struct {
    double value;
    TFloatFormat format;
    int digits;
    const char* text;
  } cases[] = {{0.125, ffFixed, 2, "0.13"},   {-0.125, ffFixed, 2, "-0.13"}, {2.675, ffFixed, 2, "2.67"},
               {0.5, ffFixed, 0, "1"},        {1.5, ffFixed, 0, "2"},        {2.5, ffFixed, 0, "3"},
               {0.004, ffFixed, 2, "0.00"},   {-0.004, ffFixed, 2, "0.00"},  {9.999, ffFixed, 2, "10.00"},
               {1234567.891, ffNumber, 2, "1,234,567.89"}, {-1000, ffNumber, 0, "-1,000"}};
  for (const auto& c : cases) EXPECT_EQ(FloatToStrF(c.value, c.format, 15, c.digits), c.text) << c.value;
  EXPECT_EQ(FloatToStrF(12345.678, ffExponent, 3, 3), "1.23E+004");
  EXPECT_EQ(FloatToStrF(-0.00012, ffExponent, 2, 0), "-1.2E-4");
}

TEST(FloatText, UsesTheDecimalSeparatorBothWays) {
  FormatSettingsScope restore;
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(FloatToStr(1.25), "1,25");
  EXPECT_EQ(Format("%.1f", 2.25), "2,3");
  EXPECT_DOUBLE_EQ(StrToFloat(" 1,5 "), 1.5);
  EXPECT_THROW(StrToFloat("1.5"), EConvertError);
  FormatSettings.DecimalSeparator = '.';
  EXPECT_DOUBLE_EQ(StrToFloat("-2.5e3"), -2500);
  EXPECT_DOUBLE_EQ(StrToFloatDef("inf", 7), 7);
  EXPECT_DOUBLE_EQ(StrToFloatDef("", 7), 7);
}

TEST(Format, FrameworkSemantics) {
  void* pointer = reinterpret_cast<void*>(std::uintptr_t{0xABC});
  const struct {
    std::string actual;
    const char* expected;
  } cases[] = {
      {Format("%d", 42), "42"},
      {Format("%d", -42), "-42"},
      {Format("%5d|%-5d|", 42, 42), "   42|42   |"},
      {Format("%.3d", 7), "007"},
      {Format("%.3d", -7), "-007"},
      {Format("%02d", 5), " 5"},
      {Format("%.02d/%.02d/%.02d", 1, 2, 3), "01/02/03"},
      {Format("%x", 255), "FF"},
      {Format("%X-%s:%s", 0x1a2b, "a", std::string("b")), "1A2B-a:b"},
      {Format("0x%.08X", 0x1234), "0x00001234"},
      {Format("%x", -1), "FFFFFFFF"},
      {Format("%u", -1), "4294967295"},
      {Format("%d", 4294967295u), "4294967295"},
      {Format("%s", "text"), "text"},
      {Format("%.2s|%6s", "text", "ab"), "te|    ab"},
      {Format("%.2f", 3.14159), "3.14"},
      {Format("%f", 2.0), "2.00"},
      {Format("%.0f%%", 99.5), "100%"},
      {Format("%.1n", 12345.67), "12,345.7"},
      {Format("%e", 1234.5), "1.23450000000000E+003"},
      {Format("%g", 0.5), "0.5"},
      {Format("%1:s %0:s", "a", "b"), "b a"},
      {Format("%*d|%.*d", 4, 1, 3, 2), "   1|002"},
      {Format("%s", 'x'), "x"},
      {Format("%p", pointer), sizeof(void*) == 8 ? "0000000000000ABC" : "00000ABC"},
      {Format("100%%"), "100%"},
      {Format("%d %s", {7, "x"}), "7 x"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Format, WrongOrMissingArgumentsRaise) {
  EXPECT_THROW(Format("%d", 1.5), EConvertError);
  EXPECT_THROW(Format("%f", 1), EConvertError);
  EXPECT_THROW(Format("%s", 1), EConvertError);
  EXPECT_THROW(Format("%q", 1), EConvertError);
  EXPECT_THROW(Format("%", 1), EConvertError);
  try {
    Format("%d %d", 1);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "No argument for format '%d'");
  }
}

TEST(TextHelpers, OneBasedAndCaseRules) {
  EXPECT_EQ(Pos("lo", "hello"), 4);
  EXPECT_EQ(Pos("x", "hello"), 0);
  EXPECT_EQ(Pos("", "hello"), 0);
  EXPECT_EQ(Copy("hello", 2, 3), "ell");
  EXPECT_EQ(Copy("hello", 0, 2), "he");
  EXPECT_EQ(Copy("hello", 4, 100), "lo");
  EXPECT_EQ(Copy("hello", 9, 1), "");
  std::string s = "hello";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "hlo");
  Insert("XY", s, 2);
  EXPECT_EQ(s, "hXYlo");
  EXPECT_EQ(Trim("\t a b \r\n"), "a b");
  EXPECT_TRUE(SameText("Abc", "aBC"));
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_EQ(StringReplace("a-A-a", "a", "x", rfReplaceAll | rfIgnoreCase), "x-x-x");
  EXPECT_EQ(StringReplace("a-a", "a", "x", 0), "x-a");
  EXPECT_EQ(ExtractFilePath("C:\\dir\\file.ini"), "C:\\dir\\");
  EXPECT_EQ(ExtractFileName("C:\\dir\\file.ini"), "file.ini");
  EXPECT_EQ(ExtractFileExt("C:\\d.x\\file"), "");
  EXPECT_EQ(ChangeFileExt("C:\\dir\\file.ini", ".bak"), "C:\\dir\\file.bak");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\dir"), "C:\\dir\\");
}
