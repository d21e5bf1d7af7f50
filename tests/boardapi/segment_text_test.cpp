// Fitting a text to a field of 7-segment digits (the path the exports never take: they pass the whole text).
#include <gtest/gtest.h>

#include "boardapi/board/segment_text.h"

namespace {

struct FitCase {
  const char* text;
  int digits;
  int alignment;
  const char* fitted;
};

TEST(SegmentText, FitsTextsToAFieldOfDigits) {
  const FitCase cases[] = {
      {"12.5", -1, kAlignRight, "12.5"},       // no field: the whole text
      {"7", 3, kAlignRight, "  7"},            // padded before
      {"7", 3, kAlignLeft, "7  "},             // padded after
      {"1.5", 3, kAlignRight, " 1.5"},         // points are not digits
      {"12345", 3, kAlignRight, "345"},        // cut, keeping the right part
      {"12345", 3, kAlignLeft, "123"},         // cut, keeping the left part
      {"1.2.3.4", 2, kAlignRight, ".3.4"},     // cut to the count plus (at most count) points
      {"", 2, kAlignLeft, "  "},
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(FitSegmentText(c.text, c.digits, c.alignment, ' '), c.fitted) << c.text << " " << c.digits;
  }
}

}  // namespace
