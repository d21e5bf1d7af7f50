#include "ui/foundation/text_utils.h"

#include <gtest/gtest.h>

#include "format_scope.h"
#include "framework/rtl/exceptions.h"

using namespace ui;

TEST(TextIntegers, LimitsAndGridBlocks) {
  struct Case {
    int value, lower, upper, expected;
  };
  for (const Case c : {Case{5, 10, 10, 5}, Case{5, 0, 3, 3}, Case{-4, 0, 3, -4}, Case{-4, 2, 8, 2}, Case{9, 2, 8, 8},
                       Case{9, 2, 0, 9}, Case{1, 2, -1, 2}}) {
    EXPECT_EQ(CheckLimits(c.value, c.lower, c.upper), c.expected) << c.value << " " << c.lower << ".." << c.upper;
  }
  EXPECT_EQ(MaxOf(3, 7), 7);
  EXPECT_EQ(MinOf(3, 7), 3);
  EXPECT_TRUE(IsInGridRect({1, 2, 3, 4}, 3, 2));
  EXPECT_FALSE(IsInGridRect({1, 2, 3, 4}, 4, 2));
  EXPECT_FALSE(IsInGridRect({1, 2, 3, 4}, 1, 5));
}

TEST(TextSearch, PositionsAndCuts) {
  int position = 99;
  EXPECT_EQ(VarPos("cd", "abcdcd", position), 3);
  EXPECT_EQ(position, 3);
  EXPECT_EQ(VarCharPos('z', "abc", position), 0);
  EXPECT_EQ(position, 3) << "written only when found";
  EXPECT_EQ(VarCharPos('c', "abc", position), 3);
  EXPECT_EQ(CharPos('b', "abcb"), 2);
  EXPECT_EQ(PosInUpperCase("BC", "abc"), 2);
  EXPECT_EQ(PosInUpperCase("bc", "abc"), 0) << "the needle is not upper-cased";
  EXPECT_EQ(WidePos(L"\x263A", L"a\x263A"), 2);
  EXPECT_EQ(WidePos(L"", L"abc"), 0);
  EXPECT_EQ(WidePos(L"abcd", L"abc"), 0);

  std::string s = "key=value", part = "old";
  CutAtDelimiter(s, "=", part);
  EXPECT_EQ(part, "key");
  EXPECT_EQ(s, "value");
  CutAtDelimiter(s, "=", part);
  EXPECT_EQ(part, "");
  EXPECT_EQ(s, "value") << "without the delimiter S stays";

  std::string line;
  s = "one\r\ntwo\rthree";
  CutFirstLine(s, true, line);
  EXPECT_EQ(line, "one");
  EXPECT_EQ(s, "two\rthree");
  CutFirstLine(s, false, line);
  EXPECT_EQ(line, "two");
  EXPECT_EQ(s, "");
  s = "single";
  CutFirstLine(s, true, line);
  EXPECT_EQ(line, "single");
  EXPECT_EQ(s, "");

  EXPECT_EQ(LineCount("a\rb\rc", true), 3);
  EXPECT_EQ(LineCount("a\rb\rc", false), 1);
  EXPECT_EQ(CharCount('"', "\"a\"\""), 3);
}

TEST(TextSearch, UnpairedAndDoubledCharacters) {
  struct Case {
    const char* text;
    int found;
    int count;
  };
  const Case cases[] = {
      {"ab\"cd", 3, 1},       // a single quote
      {"a\"\"b", 0, 0},       // a pair
      {"a\"\"\"b", 4, 1},     // three: the run's last character
      {"ab\"\"", 4, 1},       // a run at the end counts whatever its length
      {"\"a\"b\"", 1, 3},
      {"abc", 0, 0},
  };
  for (const Case& c : cases) {
    int position = -7;
    EXPECT_EQ(FindUnpairedChar('"', c.text, position), c.found) << c.text;
    EXPECT_EQ(position, c.found) << c.text;
    EXPECT_EQ(CountUnpairedChar('"', c.text), c.count) << c.text;
  }
  std::string r;
  RemoveDoubledChar('"', "a\"\"b\"\"\"c", r);
  EXPECT_EQ(r, "a\"b\"\"c");
  RemoveDoubledChar('"', "plain", r);
  EXPECT_EQ(r, "plain");
}

TEST(TextClassification, CellTextKinds) {
  struct Case {
    std::string text;
    bool html;
    std::uint8_t expected;
  };
  const Case cases[] = {
      {"", true, kCellPlain},          {"=A1+2", false, kCellFormula},
      {"{\\rtf1 x}", false, kCellRTF}, {"<b>bold</b>", true, kCellHTML},
      {"<b>bold", true, kCellPlain},   {"<B>bold", true, kCellHTML},
      {"<B>bold", false, kCellPlain},  {"a<I>b", true, kCellHTML},
      {"|\\\0a", false, kCellUnicode}, {std::string("|\\\0=\0A", 6), false, kCellFormula},
      {"|\\", false, kCellUnicode},
  };
  for (const Case& c : cases) EXPECT_EQ(CellTextType(c.text, c.html), c.expected) << c.text;
}

TEST(TextClassification, NumberKindsFollowTheSeparators) {
  FormatScope format('.', ',');
  struct Case {
    const char* text;
    std::uint8_t expected;
  };
  const Case cases[] = {
      {"123", kNumberInteger},      {"-12", kNumberInteger},    {"1,234.5", kNumberFloat},
      {"1,23,4", kNumberNone},      {"1.5E-3", kNumberScientific}, {"E5", kNumberNone},
      {"1.2.3", kNumberNone},       {"", kNumberNone},          {"12a", kNumberNone},
      {"1-2", kNumberNone},         {"1E5E", kNumberNone},      {"-1.5E-3", kNumberScientific},
      {"1E", kNumberNone},          {"1,234,567", kNumberFloat}, {"--5", kNumberNone},
  };
  for (const Case& c : cases) EXPECT_EQ(NumericTextType(c.text), c.expected) << c.text;

  FormatScope european(',', '.');
  EXPECT_EQ(NumericTextType("1.234,5"), kNumberFloat);
  EXPECT_EQ(NumericTextType("1,2,3"), kNumberNone);
}

TEST(TextClassification, CharactersDatesAndURLs) {
  FormatScope format(',', '.', '-');
  EXPECT_TRUE(IsNumberChar(','));
  EXPECT_TRUE(IsNumberChar('.'));
  EXPECT_FALSE(IsNumberChar('+'));
  EXPECT_TRUE(IsNumberOrSignChar('+'));
  EXPECT_TRUE(IsFloatChar('.'));
  EXPECT_FALSE(IsFloatChar(','));
  EXPECT_TRUE(IsDigitOrMinus('-'));
  EXPECT_FALSE(IsDigit('a'));
  EXPECT_TRUE(LooksLikeDate("12-31-1999"));
  EXPECT_FALSE(LooksLikeDate("-12-31"));
  EXPECT_FALSE(LooksLikeDate("12--31"));
  EXPECT_FALSE(LooksLikeDate("12/31/1999"));
  EXPECT_TRUE(IsURL("see http://x"));
  EXPECT_TRUE(IsURL("mailto:a@b"));
  EXPECT_FALSE(IsURL("MAILTO:a@b"));
}

TEST(TextConversions, NumberStrippingAndURLProtocols) {
  FormatScope format('.', ',');
  struct Case {
    const char* text;
    const char* expected;
  };
  for (const Case c : {Case{"(1,234.50)", "-1234.50"}, Case{"$ -12", "-12"}, Case{"  ", ""}, Case{"12 kg", "12"},
                       Case{"1.5e3x", "1.5e3"}, Case{"-", "-"}}) {
    std::string r = "old";
    StripNumberFormatting(c.text, r);
    EXPECT_EQ(r, c.expected) << c.text;
  }
  FormatScope european(',', '.');
  std::string r;
  StripNumberFormatting("1.234,5", r);
  EXPECT_EQ(r, "1234.5");

  for (const Case c : {Case{"http://a/b", "a/b"}, Case{"x mailto:me", "me"}, Case{"plain", "plain"},
                       Case{"mailto:a ftp://b", "b"}}) {
    std::string s = c.text;
    StripURLProtocol(s);
    EXPECT_EQ(s, c.expected) << c.text;
  }
}

TEST(TextConversions, LineBreakEncodingsRoundTrip) {
  std::string r;
  DecodeNewLineEscapes("a\\nb\\n", r);
  EXPECT_EQ(r, "a\rb\r");

  std::string s = "one\r\ntwo";
  EncodeCellLineBreaks(s);
  EXPECT_EQ(s, "\"one\x0Btwo\"");
  DecodeCellLineBreaks(s);
  EXPECT_EQ(s, "\"one\r\ntwo\"");

  s = "a~b";
  DecodeTildeLineBreaks(s);
  EXPECT_EQ(s, "a\r\nb");
  s = "^";
  DecodeTildeLineBreaks(s);
  EXPECT_EQ(s, "");

  const std::string text("l1\r\nl2\0z", 8);
  EscapeLineBreaks(text, r);
  EXPECT_EQ(r, "l1\x09\x08l2\x01z");
  std::string back;
  UnescapeLineBreaks(r, true, back);
  EXPECT_EQ(back, text);
  UnescapeLineBreaks(r, false, back);
  EXPECT_EQ(back, "l1");
  EscapeLineBreaks(std::string("no break\0", 9), r);
  EXPECT_EQ(r, std::string("no break\0", 9)) << "without a CR nothing is escaped";

  CRToLF("a\rb\r\n", r);
  EXPECT_EQ(r, "a\nb\n\n");
  s = "secret";
  FillWithChar(s, '*');
  EXPECT_EQ(s, "******");
}

TEST(TextConversions, SixteenBitTextInsideEightBitStrings) {
  const std::wstring wide = L"A\x263A\x00E9\xFF01";
  std::string encoded;
  EncodeUnicodeText(wide, encoded);
  EXPECT_EQ(encoded, std::string("|\\\0A\x26\x3A\0\xE9\xFF\x01", 10));
  std::wstring decoded;
  DecodeUnicodeText(encoded, decoded);
  EXPECT_EQ(decoded, wide);
  DecodeUnicodeText(encoded + "\x41", decoded);
  EXPECT_EQ(decoded, wide) << "an odd last byte is ignored";
  DecodeUnicodeText("plain", decoded);
  EXPECT_EQ(decoded, L"plain");
  EXPECT_EQ(CellTextType(encoded, false), kCellUnicode);

  std::string oem = "abc";
  OemToAnsiString(oem);
  EXPECT_EQ(oem, "abc");
}

TEST(TextConversions, ProperCase) {
  struct Case {
    const char* text;
    const char* expected;
  };
  for (const Case c : {Case{"john mcdonald iii", "John McDonald III"}, Case{"o'neil-smith", "O'Neil-Smith"},
                       Case{"HELLO wORLD", "Hello World"}, Case{"mcintyre", "McIntyre"},
                       Case{"louis ii", "Louis II"}, Case{"", ""}}) {
    std::string r;
    ProperCase(c.text, r);
    EXPECT_EQ(r, c.expected) << c.text;
  }
}

TEST(TextConversions, AutoLinkURL) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"see http://a.b/c?x=1 now", "see <a href=\"http://a.b/c\">http://a.b/c</a>?x=1 now"},
      {"1<2 HTTP://x.y", "1&lt;2 <a href=\"HTTP://x.y\">HTTP://x.y</a>"},
      {"http://end", "<a href=\"http://end\">http://end</a>"},
  };
  for (const Case& c : cases) {
    std::string r;
    EXPECT_TRUE(AutoLinkURL(c.text, "HTTP://", r)) << c.text;
    EXPECT_EQ(r, c.expected) << c.text;
  }
  std::string untouched = "keep";
  EXPECT_FALSE(AutoLinkURL("no link", "HTTP://", untouched));
  EXPECT_EQ(untouched, "keep");
}

TEST(TextConversions, RowColReferences) {
  fw::TPoint p{-1, -1};
  EXPECT_TRUE(ParseRowColReference("r12c3", p));
  EXPECT_EQ(p, (fw::TPoint{3, 12}));
  for (const char* bad : {"R1C", "RC12", "R1X2", "C1R2", "R1C2x"}) {
    EXPECT_FALSE(ParseRowColReference(bad, p)) << bad;
  }
}

TEST(TextDates, SeparatorPriorityCenturiesAndLongYears) {
  struct Case {
    const char* text;
    bool dmy;
    int year, month, day;  // year 0: the text does not parse
  };
  const Case cases[] = {
      {"31.12.99", true, 1999, 12, 31}, {"1/2/25", true, 2025, 2, 1},   {"12-31", true, 0, 0, 0},
      {"12/31/26", false, 1926, 12, 31}, {"2.3.4", false, 2004, 2, 3},  {"1/2.3/2020", true, 0, 0, 0},
      {"5-6-2020", true, 2020, 6, 5},   {"5-6-120", true, 120, 6, 5},   {"a/b/c", true, 0, 0, 0},
      {"07/04/0005", false, 5, 7, 4},   {"1.2/3", true, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const fw::TDateTime parsed = c.dmy ? ParseDateDMY(c.text) : ParseDateMDY(c.text);
    const fw::TDateTime expected = c.year == 0 ? 0 : fw::EncodeDate(c.year, c.month, c.day);
    EXPECT_EQ(parsed, expected) << c.text;
  }
  EXPECT_THROW(ParseDateDMY("31.4.2020"), fw::EConvertError);
  EXPECT_THROW(ParseDateMDY("2/29/2021"), fw::EConvertError);
  EXPECT_THROW(ParseDateMDY("13/1/2021"), fw::EConvertError);
}

TEST(TextDates, IncDateParts) {
  const fw::TDateTime date = fw::EncodeDate(2020, 1, 31);
  EXPECT_EQ(IncDateParts(0, 0, -2, date, 0), fw::EncodeDate(2020, 1, 29));
  EXPECT_EQ(IncDateParts(3, 0, 0, fw::EncodeDate(2020, 3, 15), 0), fw::EncodeDate(2023, 3, 15));
  EXPECT_EQ(IncDateParts(0, 11, 0, fw::EncodeDate(2020, 5, 15), 0), fw::EncodeDate(2021, 4, 15));
  EXPECT_EQ(IncDateParts(0, -1, 0, fw::EncodeDate(2020, 1, 15), 0), fw::EncodeDate(2019, 12, 15));
  EXPECT_EQ(IncDateParts(1, 1, 0, date, 7.5), date + 7.5) << "several parts: the step";
  EXPECT_EQ(IncDateParts(0, 0, 0, date, 2), date + 2);
  EXPECT_THROW(IncDateParts(0, 1, 0, date, 0), fw::EConvertError) << "31 February";
  EXPECT_THROW(IncDateParts(1, 0, 0, fw::EncodeDate(2020, 2, 29), 0), fw::EConvertError);
}
