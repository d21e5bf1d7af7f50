#include "ui/foundation/filter_match.h"

#include <gtest/gtest.h>

#include "format_scope.h"

using namespace ui;

namespace {

struct Case {
  const char* condition;
  const char* value;
  bool expected;
};

void ExpectAll(std::initializer_list<Case> cases, bool caseSensitive) {
  for (const Case& c : cases) {
    EXPECT_EQ(MatchFilterCondition(c.condition, c.value, caseSensitive), c.expected)
        << "condition [" << c.condition << "] value [" << c.value << "]";
  }
}

}  // namespace

TEST(FilterWildcards, StarsMarksNegationAndQuotes) {
  FormatScope format('.', ',');
  ExpectAll({{"=abc", "abc", true},     {"abc", "abd", false},     {"", "", true},
             {"", "x", false},          {"a*", "abc", true},       {"a*", "a", true},
             {"a*", "bac", false},      {"*", "anything", true},   {"*", "", true},
             {"a?c", "abc", true},      {"a?c", "ac", false},      {"*b*d", "abcd", true},
             {"!a*", "bcd", true},      {"!a*", "abc", false},     {"\"a b\"", "a b", true},
             {" a ", "a", true},        {"a**c", "abxc", true},    {"?", "", false}},
            true);
  EXPECT_TRUE(MatchFilterCondition("A*", "abc", false));
  EXPECT_FALSE(MatchFilterCondition("A*", "abc", true));
}

TEST(FilterComparisons, NumbersDatesThenBytes) {
  FormatScope format('.', ',', '/', "dd/mm/yyyy");
  ExpectAll({{">10", "9.5", false},         {">10", "10.5", true},      {">=10", "10", true},
             {">10", "10", false},          {"<10", "9", true},         {"<=10", "10", true},
             {">9", "10", true},            {">b", "c", true},          {">b", "a", false},
             {"<b", "a", true},             {">1,000", "999", false},   {">1,000", "1,001", true},
             {">01/02/2020", "15/03/2019", false},                      {">01/02/2020", "15/03/2021", true},
             {"<01/02/2020 10:00", "01/02/2020 09:30", true},            {">=\"b c\"", "b d", true}},
            true);
  // Upper-cased by the locale when not case-sensitive: >B on c compares C with B.
  EXPECT_TRUE(MatchFilterCondition(">B", "c", false));
  EXPECT_TRUE(MatchFilterCondition(">B", "c", true)) << "byte order: c sorts after B either way";
  EXPECT_TRUE(MatchFilterCondition(">b", "C", false)) << "C sorts after B once upper-cased";
  EXPECT_FALSE(MatchFilterCondition(">b", "C", true)) << "by bytes C sorts before b";

  FormatScope european(',', '.', '/', "dd/mm/yyyy");
  EXPECT_TRUE(MatchFilterCondition(">1,5", "2", true));
  EXPECT_FALSE(MatchFilterCondition(">1.500", "1.499,9", true));
}

TEST(FilterChains, LeftToRightWithGroups) {
  FormatScope format('.', ',');
  ExpectAll({{"a|b&c", "a", false},        // (a or b) and c
             {"a|b&c", "c", false},        // (false or false) and true
             {"a|b", "b", true},           {"a;b", "b", true},         {"a^b", "b", true},
             {"a&b", "a", false},          {"(a|b)&c", "a", false},    {"(a|b)&*", "a", true},
             {"a&(b|c)", "a", false},      {"a*&(*b|*c)", "ab", true}, {"((a))", "a", true},
             {">1&<5", "3", true},         {">1&<5", "7", false},      {"\">1&<5\"", "3", true},
             {"\">1&<5\"", "7", false},    {"\">1^<5\"", "7", true},   {"\"a|b\"", "a|b", true},
             {"(a", "a", true},            {"(a", "b", false},         {"((", "", true},
             {"x|(a|", "a", true}, {"x|(a&", "a", false},         {"(((a|b", "b", true}},
            true);
}

TEST(FilterHelpers, QuotesParenthesesAndNumbers) {
  int position = 0;
  EXPECT_EQ(FindCharOutsideQuotes("&|", "\"a&b\"|c", position), '|');
  EXPECT_EQ(position, 6);
  EXPECT_EQ(FindCharOutsideQuotes("&", "\"a&b\"", position), '\0');
  EXPECT_EQ(position, -1);
  EXPECT_EQ(RemoveBlanksOutsideQuotes(" a b \" c d \" e"), "ab\" c d \"e");
  EXPECT_EQ(MatchingParenPosition("(a(b)c)d"), 7);
  EXPECT_EQ(MatchingParenPosition("(a(b"), 0);
  EXPECT_EQ(MatchingParenPosition(")"), 0);
  FormatScope european(',', '.');
  EXPECT_EQ(NormalizeNumberText("1.234.567,89"), "1234567.89");
}

TEST(FilterDates, ShortDateOrderTimesAndImpossibleValues) {
  FormatScope format('.', ',', '-', "yyyy-mm-dd");
  fw::TDateTime dt = 0;
  EXPECT_TRUE(ParseFilterDateTime("2021-03-15", dt));
  EXPECT_EQ(dt, fw::EncodeDate(2021, 3, 15));
  EXPECT_TRUE(ParseFilterDateTime("21-3-5 7:08:09", dt));
  EXPECT_EQ(dt, fw::EncodeDate(21, 3, 5) + fw::EncodeTime(7, 8, 9, 0)) << "the year is taken as written";
  EXPECT_TRUE(ParseFilterDateTime("2021-03-15 23:59", dt));
  EXPECT_EQ(dt, fw::EncodeDate(2021, 3, 15) + fw::EncodeTime(23, 59, 0, 0));
  for (const char* bad : {"2021-13-01", "2021-02-30", "2021-01-32", "2021-01", "x-1-1", "2021-01-01 24:00",
                          "2021-01-01 10", "2021-01-01 10:60", "2021-01-01 10:00:60", "2021-01-01 a:00", "15"}) {
    EXPECT_FALSE(ParseFilterDateTime(bad, dt)) << bad;
  }
  FormatScope american('.', ',', '/', "m/d/yyyy");
  EXPECT_TRUE(ParseFilterDateTime("12/31/1999", dt));
  EXPECT_EQ(dt, fw::EncodeDate(1999, 12, 31));
}
