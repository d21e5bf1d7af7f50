#include <gtest/gtest.h>
#include <windows.h>

#include "framework/rtl/ansicase.h"
#include "framework/rtl/ole.h"
#include "framework/rtl/textutils.h"

namespace fw {
namespace {

TEST(AnsiCase, MapsLettersBeyondAsciiByTheCodePage) {
  // Latin small a with grave / capital A with grave in code page 1252, which Wine's default uses.
  EXPECT_EQ(AnsiUpperCase("ab\xE0z1"), "AB\xC0Z1");
  EXPECT_EQ(AnsiLowerCase("AB\xC0Z1"), "ab\xE0z1");
  EXPECT_EQ(UpperCase("\xE0"), "\xE0");  // the ASCII mapping leaves it alone
  EXPECT_EQ(AnsiUpperCase(""), "");
}

TEST(GuidText, IsBracedUpperCaseHex) {
  const GUID style{0x11AC2DDC, 0xC087, 0x4298, {0xAB, 0x6E, 0xEA, 0x1B, 0x50, 0x17, 0x51, 0x1B}};
  EXPECT_EQ(GUIDToString(style), "{11AC2DDC-C087-4298-AB6E-EA1B5017511B}");
}

TEST(OleCheck, PassesSuccessAndRaisesFailuresWithTheirCode) {
  EXPECT_EQ(OleCheck(S_FALSE), S_FALSE);
  try {
    OleCheck(E_NOINTERFACE);
    FAIL() << "a failure code passed";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), E_NOINTERFACE);
    EXPECT_STRNE(e.what(), "");
  }
}

}  // namespace
}  // namespace fw
