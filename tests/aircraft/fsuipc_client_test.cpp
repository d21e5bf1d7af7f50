// The FSUIPC client: closed, as the program leaves it, and over a link the test stands behind it (a buffer
// and a scripted FSUIPC window) for the queue, the exchange and its failures.
#include <gtest/gtest.h>

#include <vector>

#include "controller/aircraft/fsuipc_client.h"
#include "controller/aircraft/fsuipc_link.h"
#include "tests/aircraft/scripted_fsuipc.h"

namespace aircraft_test {
namespace {

using namespace aircraft;

TEST(FsuipcClosedTest, EveryRequestAnswersThatTheLinkIsNotOpen) {
  std::uint32_t result = 0;
  std::uint32_t value = 0x11223344;
  EXPECT_FALSE(FpcRead(0x02B8, 4, &value, result));
  EXPECT_EQ(result, kFpcNotOpen);
  result = 0;
  EXPECT_FALSE(FpcWrite(0x52F0, 2, &value, result));
  EXPECT_EQ(result, kFpcNotOpen);
  result = 0;
  EXPECT_FALSE(FpcProcess(result));
  EXPECT_EQ(result, kFpcNotOpen);
  EXPECT_EQ(value, 0x11223344u);
  FpcClose();  // nothing to release
  FpcClose();
  EXPECT_EQ(FsuipcLinkState().view, nullptr);
  EXPECT_TRUE(FsuipcLinkState().destinations.empty());
}

class FsuipcOpenTest : public ::testing::Test {
 protected:
  FsuipcOpenTest() { ScriptedFsuipc::current = &fsuipc_; }
  ~FsuipcOpenTest() override { ScriptedFsuipc::current = nullptr; }

  ScriptedFsuipc fsuipc_;
  ScopedFsuipcLink scope_{fsuipc_.Calls(), fsuipc_.Link()};
  std::uint32_t result_ = 0xFFFF;
};

TEST_F(FsuipcOpenTest, QueuedReadsAndWritesGoInOneExchangeAndReadsReachTheirDestinations) {
  std::uint32_t speed = 0;
  std::uint16_t throttle = 0;
  const std::int16_t elevator = -1234;
  ASSERT_TRUE(FpcRead(0x02B8, 4, &speed, result_));
  EXPECT_EQ(result_, kFpcOk);
  ASSERT_TRUE(FpcWrite(0x52F0, 2, &elevator, result_));
  ASSERT_TRUE(FpcRead(0x0892, 2, &throttle, result_));
  ASSERT_TRUE(FpcRead(0x0924, 2, nullptr, result_));  // a read nobody takes
  EXPECT_EQ(speed, 0u);  // written by the exchange only

  ASSERT_TRUE(FpcProcess(result_));
  EXPECT_EQ(result_, kFpcOk);
  ASSERT_EQ(fsuipc_.exchanges.size(), 1u);
  const auto& requests = fsuipc_.exchanges[0];
  ASSERT_EQ(requests.size(), 4u);
  EXPECT_EQ(requests[0].kind, 1u);
  EXPECT_EQ(requests[0].offset, 0x02B8u);
  EXPECT_EQ(requests[0].size, 4u);
  EXPECT_EQ(requests[1].kind, 2u);
  EXPECT_EQ(requests[1].offset, 0x52F0u);
  EXPECT_EQ(requests[1].data, (std::vector<std::uint8_t>{0x2E, 0xFB}));
  EXPECT_EQ(requests[2].offset, 0x0892u);
  EXPECT_EQ(speed, 0x5A5A5A5Au);
  EXPECT_EQ(throttle, 0x5A5Au);
  EXPECT_EQ(FsuipcLinkState().next, FsuipcLinkState().view);

  // The queue starts afresh: nothing queued now.
  EXPECT_FALSE(FpcProcess(result_));
  EXPECT_EQ(result_, kFpcNothingQueued);
  EXPECT_EQ(fsuipc_.sends, 1);
}

TEST_F(FsuipcOpenTest, ARequestPastTheLimitIsRefusedAndLeavesTheQueueAsItWas) {
  std::vector<std::uint8_t> block(kFpcBufferLimit, 0);
  // Leaves room for exactly one more write of 84 bytes (12 header bytes, the closing 0 word).
  ASSERT_TRUE(FpcWrite(0x1000, kFpcBufferLimit - 112, block.data(), result_));
  std::uint8_t* const next = FsuipcLinkState().next;
  EXPECT_FALSE(FpcWrite(0x2000, 85, block.data(), result_));
  EXPECT_EQ(result_, kFpcDoesNotFit);
  std::uint32_t value = 0;
  EXPECT_FALSE(FpcRead(0x2000, 81, &value, result_));
  EXPECT_EQ(result_, kFpcDoesNotFit);
  EXPECT_EQ(FsuipcLinkState().next, next);
  EXPECT_TRUE(FpcWrite(0x2000, 84, block.data(), result_));  // exactly at the limit
  EXPECT_FALSE(FpcWrite(0x3000, 0xFFFFFFFFu, block.data(), result_));  // no wrap-around of the sum
  EXPECT_EQ(result_, kFpcDoesNotFit);
  ASSERT_TRUE(FpcProcess(result_));
  ASSERT_EQ(fsuipc_.exchanges.size(), 1u);
  EXPECT_EQ(fsuipc_.exchanges[0].size(), 2u);
}

TEST_F(FsuipcOpenTest, FailedExchangesReportTheirCauseAndEmptyTheQueue) {
  struct Case {
    int failures;
    DWORD lastError;
    DWORD_PTR answer;
    std::uint32_t expected;
    int sends, sleeps;
  };
  const Case cases[] = {
      {9, 0, 1, kFpcOk, 10, 9},              // answered at the tenth try
      {10, 0, 1, kFpcNoAnswer, 10, 10},      // no answer, no system error
      {10, 5, 1, kFpcNoAnswerError, 10, 10}, // no answer, a system error
      {0, 0, 0, kFpcAnswerNotOne, 1, 0},
  };
  for (const Case& c : cases) {
    fsuipc_.failuresBeforeAnswer = c.failures;
    fsuipc_.lastError = c.lastError;
    fsuipc_.answer = c.answer;
    fsuipc_.sends = fsuipc_.sleeps = 0;
    std::uint32_t destination = 7;
    ASSERT_TRUE(FpcRead(0x02B8, 4, &destination, result_));
    EXPECT_EQ(FpcProcess(result_), c.expected == kFpcOk) << c.failures << " " << c.answer;
    EXPECT_EQ(result_, c.expected);
    EXPECT_EQ(fsuipc_.sends, c.sends);
    EXPECT_EQ(fsuipc_.sleeps, c.sleeps);
    EXPECT_EQ(destination, c.expected == kFpcOk ? 0x5A5A5A5Au : 7u);
    EXPECT_EQ(FsuipcLinkState().next, FsuipcLinkState().view);
    EXPECT_TRUE(FsuipcLinkState().destinations.empty());
  }
}

TEST_F(FsuipcOpenTest, CloseReleasesWhatTheLinkHeldOnceAndThenRequestsFindItClosed) {
  std::uint32_t value = 0;
  ASSERT_TRUE(FpcRead(0x02B8, 4, &value, result_));
  FpcClose();
  FpcClose();
  EXPECT_EQ(fsuipc_.atomsDeleted, 1);
  EXPECT_EQ(fsuipc_.viewsUnmapped, 1);
  EXPECT_EQ(fsuipc_.handlesClosed, 1);
  EXPECT_FALSE(FpcRead(0x02B8, 4, &value, result_));
  EXPECT_EQ(result_, kFpcNotOpen);
  EXPECT_FALSE(FpcProcess(result_));
  EXPECT_EQ(result_, kFpcNotOpen);
}

}  // namespace
}  // namespace aircraft_test
