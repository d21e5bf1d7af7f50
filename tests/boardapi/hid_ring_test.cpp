// The pipe ring on its own: overflow keeps the newest reports, both pop ends, and the reset when emptied.
#include <gtest/gtest.h>

#include "boardapi/hid/hid_ring.h"

namespace {

class HidRingTest : public ::testing::Test {
 protected:
  ~HidRingTest() override { HidRingFree(ring_, GetProcessHeap()); }

  HidPushResult Push(int value) {
    uint8_t report[kHidReportBytes] = {static_cast<uint8_t>(value)};
    return HidRingPush(ring_, GetProcessHeap(), report);
  }
  int PopOldest() {
    uint8_t report[kHidReportBytes] = {};
    return HidRingPopOldest(ring_, report) ? report[0] : -1;
  }
  int PopNewest() {
    uint8_t report[kHidReportBytes] = {};
    return HidRingPopNewest(ring_, report) ? report[0] : -1;
  }

  HidRing ring_{};
};

TEST_F(HidRingTest, FullRingDropsTheOldestForTheNewest) {
  for (int i = 0; i < kHidRingSlots; ++i) ASSERT_EQ(Push(i), HidPushResult::Stored);
  EXPECT_EQ(Push(128), HidPushResult::Overwrote);
  EXPECT_EQ(Push(129), HidPushResult::Overwrote);
  EXPECT_EQ(ring_.count, kHidRingSlots);
  EXPECT_EQ(PopOldest(), 2);
  EXPECT_EQ(PopNewest(), 129);
  EXPECT_EQ(PopNewest(), 128);
  EXPECT_EQ(PopOldest(), 3);
  EXPECT_EQ(ring_.count, kHidRingSlots - 4);
}

TEST_F(HidRingTest, EmptiedRingStartsAgainAtSlotZero) {
  EXPECT_EQ(PopOldest(), -1);
  EXPECT_EQ(PopNewest(), -1);
  for (int i = 0; i < 5; ++i) Push(i);
  EXPECT_EQ(PopNewest(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(PopOldest(), i);
  EXPECT_EQ(ring_.readPosition, 0);
  EXPECT_EQ(ring_.writePosition, 0);
  // Popping the newest across slot 0 wraps back to slot 127.
  for (int i = 0; i < kHidRingSlots; ++i) Push(i);
  Push(200);
  EXPECT_EQ(PopNewest(), 200);
  EXPECT_EQ(PopNewest(), 127);
  EXPECT_EQ(HidRingFlush(ring_), kHidRingSlots - 2);
  EXPECT_EQ(PopOldest(), -1);
}

}  // namespace
