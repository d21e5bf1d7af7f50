// The FSUIPC client: closed, as the program leaves it, and over a link the test stands behind it (a buffer
// and a scripted FSUIPC window) for the queue, the exchange and its failures.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "controller/aircraft/fsuipc_client.h"
#include "controller/aircraft/fsuipc_link.h"

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

// A scripted FSUIPC window: every exchange is recorded as the requests found in the buffer; reads are
// answered with `answerByte` in every data byte.
struct ScriptedFsuipc {
  struct Request {
    std::uint32_t kind, offset, size;
    std::vector<std::uint8_t> data;
  };
  static inline ScriptedFsuipc* current = nullptr;

  std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(0x8000, 0xEE);
  std::vector<std::vector<Request>> exchanges;
  int failuresBeforeAnswer = 0;  // SendMessageTimeout failures before one succeeds
  DWORD_PTR answer = 1;
  DWORD lastError = 0;
  std::uint8_t answerByte = 0x5A;
  int sends = 0, sleeps = 0, atomsDeleted = 0, viewsUnmapped = 0, handlesClosed = 0;

  FsuipcLink Link() {
    FsuipcLink link;
    link.window = reinterpret_cast<HWND>(0x1234);
    link.message = 0xC123;
    link.atom = 0xC001;
    link.mapping = reinterpret_cast<HANDLE>(0x88);
    link.view = buffer.data();
    link.next = buffer.data();
    return link;
  }
  FsuipcPlatform Calls() {
    FsuipcPlatform calls;
    calls.SendMessageTimeout = [](HWND window, UINT message, WPARAM atom, LPARAM, UINT flags, UINT timeout,
                                  PDWORD_PTR out) -> LRESULT {
      return current->Send(window, message, atom, flags, timeout, out);
    };
    calls.Sleep = [](DWORD ms) { current->sleeps += ms == 100 ? 1 : 1000; };
    calls.GetLastError = []() -> DWORD { return current->lastError; };
    calls.GlobalDeleteAtom = [](ATOM) -> ATOM { ++current->atomsDeleted; return 0; };
    calls.UnmapViewOfFile = [](LPCVOID) -> BOOL { ++current->viewsUnmapped; return TRUE; };
    calls.CloseHandle = [](HANDLE) -> BOOL { ++current->handlesClosed; return TRUE; };
    return calls;
  }
  LRESULT Send(HWND window, UINT message, WPARAM atom, UINT flags, UINT timeout, PDWORD_PTR out) {
    ++sends;
    EXPECT_EQ(window, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(message, 0xC123u);
    EXPECT_EQ(atom, 0xC001u);
    EXPECT_EQ(flags, static_cast<UINT>(SMTO_BLOCK));
    EXPECT_EQ(timeout, 2000u);
    if (failuresBeforeAnswer > 0) {
      --failuresBeforeAnswer;
      return 0;
    }
    std::vector<Request> requests;
    std::uint8_t* at = buffer.data();
    for (;;) {
      Request r{};
      std::memcpy(&r.kind, at, 4);
      if (r.kind != 1 && r.kind != 2) break;
      std::memcpy(&r.offset, at + 4, 4);
      std::memcpy(&r.size, at + 8, 4);
      std::uint8_t* data = at + (r.kind == 1 ? 16 : 12);
      if (r.kind == 1) std::memset(data, answerByte, r.size);
      r.data.assign(data, data + r.size);
      requests.push_back(r);
      at = data + r.size;
    }
    exchanges.push_back(requests);
    *out = answer;
    return 1;
  }
};

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
