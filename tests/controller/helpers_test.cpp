// Number and text helpers, as tables.
#include <gtest/gtest.h>

#include <cmath>

#include "controller/app/fs_module.h"
#include "controller/app/number_text.h"
#include "framework/rtl/exceptions.h"

namespace trelvik {
namespace {

TEST(Helpers, FloatIntPartAndFraction) {
  const struct {
    double x;
    std::int64_t intPart;
    double fraction;
  } cases[] = {
      {12.0, 12, 0},          {12.9, 12, 0.9},     {-0.4, 0, -0.4},          {-2.75, -2, -0.75},
      {0.5, 0, 0.5},          {7.5, 7, 0.5},       {1.25, 1, 0.25},          {-1.25, -1, -0.25},
      {0.0, 0, 0},            {3 + 1e-8, 3, 0},    {-(3 + 2e-8), -3, 0},     {1.5e-5, 1, 1.5e-5 - 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FloatIntPart(c.x), c.intPart) << c.x;
    EXPECT_NEAR(FloatFraction(c.x), c.fraction, 1e-12) << c.x;
  }
  // Both paths are 64-bit: a value beyond 32 bits with and without a fraction.
  EXPECT_EQ(FloatIntPart(5000000000.5), 5000000000);
  EXPECT_EQ(FloatIntPart(-5000000000.25), -5000000000);
  EXPECT_EQ(FloatIntPart(6000000000.0), 6000000000);
  EXPECT_EQ(FloatIntPart(1e15), 1000000000000000);  // written with no "."
  EXPECT_THROW(FloatIntPart(1e20), fw::EInvalidOp);
  EXPECT_THROW(FloatIntPart(std::nan("")), fw::Exception);
}

TEST(Helpers, SplitAt) {
  const struct {
    const char* s;
    const char* sep;
    const char* left;
    const char* right;
  } cases[] = {
      {"COM=5", "=", "COM", "5"}, {"ABC", "=", "ABC", ""},      {"=X", "=", "", "X"},
      {"A=B=C", "=", "A", "B=C"}, {"A==B", "==", "A==B", ""}, {"", "=", "", ""},
      {"A=B", "", "A=B", ""},
  };
  for (const auto& c : cases) {
    std::string left = "old", right = "old";
    SplitAt(c.s, c.sep, left, right);
    EXPECT_EQ(left, c.left) << c.s << " at " << c.sep;
    EXPECT_EQ(right, c.right) << c.s << " at " << c.sep;
  }
  // The list and the rest may be one variable: names taken one at a time from a NUL-separated list.
  std::string list("3403ABCD1234\0" "4107EFGH5678\0", 26);
  std::vector<std::string> names;
  while (!list.empty()) {
    std::string name;
    SplitAt(list, std::string(1, '\0'), name, list);
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"3403ABCD1234", "4107EFGH5678"}));
}

TEST(Helpers, StrToIntAndPaddedIntegers) {
  const struct {
    const char* text;
    std::int32_t value;
  } numbers[] = {{"12a", 0}, {"-7", -7}, {"", 0}, {"$1F", 31}, {"2147483648", 0}, {"42", 42}};
  for (const auto& n : numbers) EXPECT_EQ(strtoint_t(n.text), n.value) << n.text;

  const struct {
    std::int32_t value, width;
    const char* pad;
    const char* text;
  } padded[] = {
      {5, 3, " ", "  5"}, {123, 3, " ", "123"}, {1234, 3, " ", "1234"}, {-5, 3, "0", "0-5"},
      {7, 4, "ab", "abab7"}, {0, 0, " ", "0"}, {42, 5, "0", "00042"},   {3, 2, "", " 3"},
  };
  for (const auto& p : padded) EXPECT_EQ(int_to_str(p.value, p.width, p.pad), p.text) << p.value << "/" << p.width;
}

}  // namespace
}  // namespace trelvik
