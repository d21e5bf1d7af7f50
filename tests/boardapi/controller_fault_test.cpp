#include <gtest/gtest.h>

#include <climits>
#include <future>
#include <stdexcept>
#include <thread>

#include "boardapi/hid/fault_guard.h"
#include "tests/boardapi/controller_board_fixture.h"
#include "tests/boardapi/controller_log_files.h"

namespace {

using namespace std::chrono_literals;

constexpr char kViolationExplanation[] =
    "The thread tried to read from or write to a virtual address for which it does not have the appropriate "
    "access.";

// The compiler cannot see which address is read, so the read really happens.
int ReadThrough(int* pointer) {
  int* volatile address = pointer;
  return *address;
}

// Recursion with a page of stack per call, deeper than any thread's stack.
int Recurse(int depth) {
  volatile char page[4096];
  page[0] = static_cast<char>(depth);
  if (depth == INT_MAX) return page[0];
  return Recurse(depth + 1) + page[0];
}

// Each test looks at this thread's controller log of today, starting without one.
class FaultLogTest : public ::testing::Test {
 protected:
  ThreadLogFile log_;
};

TEST_F(FaultLogTest, AccessViolationInsideAGuardFailsTheCallAndIsLogged) {
  const size_t depth = HidLayer_ThreadLockDepth();
  EXPECT_EQ(Guarded("Op", [] { return ReadThrough(nullptr); }), -1);
  EXPECT_EQ(HidLayer_ThreadLockDepth(), depth);

  // The guard is left behind cleanly: results pass through, and a later fault is caught again.
  EXPECT_EQ(Guarded("Op", [] { return 42; }), 42);
  EXPECT_EQ(Guarded("Op", [] { return ReadThrough(reinterpret_cast<int*>(16)); }), -1);

  const std::string text = log_.Text();
  EXPECT_EQ(CountOf(text, "[                       Op]: Code: 0xC0000005 Address: "), 2);
  EXPECT_EQ(CountOf(text, " Parameters: 2 Read/Write: 0\n"), 2);
  EXPECT_EQ(CountOf(text, std::string("]: ") + kViolationExplanation + "\n"), 2);
}

TEST_F(FaultLogTest, OtherFaultsPassThroughTheGuard) {
  EXPECT_THROW(Guarded("Op", []() -> int { throw std::runtime_error("not a fault"); }), std::runtime_error);
  EXPECT_EQ(Guarded("Op", [] { return ReadThrough(nullptr); }), -1);

  EXPECT_EQ(CountOf(log_.Text(), "Code: "), 1);
}

TEST_F(FaultLogTest, StackExhaustionInsideAGuardIsCaughtAgainAndAgain) {
  // On a thread of its own, so a failure cannot take the test program's main stack with it.
  std::string threadLog;
  int results[2] = {0, 0};
  std::thread exhaust([&] {
    threadLog = ControllerLogFileOfThread();
    DeleteFileA(threadLog.c_str());
    // The second time proves the stack's guard page came back.
    for (int& result : results) {
      result = Guarded("Op", [] { return Recurse(0); });
      if (GetLastError() != ERROR_STACK_OVERFLOW) result = 0;
    }
  });
  exhaust.join();

  EXPECT_EQ(results[0], -1);
  EXPECT_EQ(results[1], -1);
  const std::string text = ReadWholeFile(threadLog);
  EXPECT_EQ(CountOf(text, "]: Code: 0xC00000FD Address: "), 2);
  EXPECT_EQ(CountOf(text, "]: The thread used up its stack.\n"), 2);
  RemoveControllerLogFile(threadLog);
}

TEST_F(FaultLogTest, DescribeFaultExplainsOnlyTheTwoHandledCodes) {
  EXCEPTION_RECORD record{};
  record.ExceptionCode = EXCEPTION_STACK_OVERFLOW;
  EXPECT_TRUE(DescribeFault(record.ExceptionCode, &record, "Op"));
  record.ExceptionCode = EXCEPTION_INT_DIVIDE_BY_ZERO;
  record.NumberParameters = 0;
  EXPECT_FALSE(DescribeFault(record.ExceptionCode, &record, "Op"));

  const std::string text = log_.Text();
  EXPECT_EQ(CountOf(text, "Code: 0xC00000FD Address: 00000000 Parameters: 0 Read/Write: 0\n"), 1);
  EXPECT_EQ(CountOf(text, "]: The thread used up its stack.\n"), 1);
  EXPECT_EQ(CountOf(text, "Code: 0xC0000094 "), 1);
  EXPECT_EQ(CountOf(text, "]: "), 3);
}

class ControllerFaultTest : public ControllerTest {
 protected:
  ThreadLogFile log_;
};

TEST_F(ControllerFaultTest, AccessViolationInsideThePlatformWriteIsCaughtAndLogged) {
  hidsim::InjectAccessViolation(board_);
  const Report request{0xFF};
  const size_t depth = HidLayer_ThreadLockDepth();

  EXPECT_EQ(controller_->Write(kPipeSpecial, request.data(), kSpecialReportBytes), -1);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOACCESS));
  EXPECT_EQ(HidLayer_ThreadLockDepth(), depth);

  const std::string text = log_.Text();
  EXPECT_EQ(CountOf(text, "[CventrixController::Write]: Code: 0xC0000005 Address: "), 1);
  EXPECT_EQ(CountOf(text, std::string("[CventrixController::Write]: ") + kViolationExplanation + "\n"), 1);

  // The layer's locks were given back: another thread can still talk to the board.
  auto status = std::async(std::launch::async, [this] {
    int32_t port0 = -1;
    return controller_->ReadStatus(&port0);
  });
  ASSERT_EQ(status.wait_for(10s), std::future_status::ready);
  EXPECT_TRUE(status.get());
}

}  // namespace
