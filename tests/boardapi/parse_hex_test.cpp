#include <gtest/gtest.h>

#include "boardapi/api/detector.h"
#include "boardapi/board/parse_hex.h"

namespace {

TEST(ParseHex, ReadsUntilTheFirstNonDigit) {
  struct Case {
    const char* text;
    uint32_t value;
  };
  const Case cases[] = {
      {"", 0},       {"0", 0},         {"33", 0x33},        {"0a", 0x0A},          {"0A", 0x0A},
      {"ZZ", 0},     {"3Z", 3},        {"0x1fD1", 0x1FD1},  {"0X", 0},             {"x12", 0},
      {"03E8&", 0x3E8}, {"FFFFFFFF", 0xFFFFFFFF},         {"1 2", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseHex(c.text), c.value) << '"' << c.text << '"';
}

TEST(IsBoardInterface, VendorProductAndInterfaceInAnyCase) {
  struct Case {
    const char* path;
    uint32_t interfaceNumber;
    bool board;
  };
  const Case cases[] = {
      {R"(\\?\HID#VID_1FD1&PID_03E8&MI_01#7&1&0&0000#{guid})", 1, true},
      {R"(\\?\HID#VID_1FD1&PID_03E8&MI_01#7&1&0&0000#{guid})", 0, false},
      {R"(\\?\hid#vid_07c0&pid_1583&mi_00#7&1&0&0000#{guid})", 0, true},
      {R"(\\?\HID#VID_1FD1&PID_03EA&MI_00#7&1&0&0000#{guid})", 0, true},
      {R"(\\?\HID#VID_1FD2&PID_03EA&MI_00#7&1&0&0000#{guid})", 0, false},
      {R"(\\?\HID#VID_1FD1&PID_03E9&MI_00#7&1&0&0000#{guid})", 0, false},
      // Without an interface part the number reads as 0.
      {R"(\\?\HID#VID_1FD1&PID_03E8#7&1&0&0000#{guid})", 0, true},
      {R"(\\?\HID#VID_1FD1&PID_03E8#7&1&0&0000#{guid})", 1, false},
      {"", 0, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsBoardInterface(c.path, c.interfaceNumber), c.board) << c.path;
}

}  // namespace
