// A fault inside a platform call abandons the layer's frames with the global mutex held. The lock-depth hooks
// let the guard that recovers give it back, so the layer stays usable from every thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <future>

#include "tests/boardapi/controller_log_files.h"
#include "tests/boardapi/fixtures/sim_layer_fixture.h"

namespace {

// A minimal recovery point of the kind the board object's guard uses: the handler sends the faulting thread
// to a landing routine that jumps back to the guarded call.
thread_local void* t_recovery[5];
thread_local bool t_armed = false;

[[noreturn]] void Land() { __builtin_longjmp(t_recovery, 1); }

LONG CALLBACK Redirect(EXCEPTION_POINTERS* info) {
  if (!t_armed || info->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  t_armed = false;
  CONTEXT* context = info->ContextRecord;
  context->Rsp = (context->Rsp & ~DWORD64{15}) - 8;  // as if Land had been called
  context->Rip = reinterpret_cast<DWORD64>(&Land);
  return EXCEPTION_CONTINUE_EXECUTION;
}

[[gnu::noinline]] int GuardedWrite(HidDeviceHandle device, const uint8_t* report) {
  const size_t depth = HidLayer_ThreadLockDepth();
  if (__builtin_setjmp(t_recovery) == 0) {
    t_armed = true;
    const int written = HidLayer_Write(device, 1, report, 8);
    t_armed = false;
    return written;
  }
  HidLayer_ReleaseThreadLocksAbove(depth);
  return -1;
}

class HidFault : public SimLayerTest {
 protected:
  HidFault() : handler_(AddVectoredExceptionHandler(1, Redirect)) {}
  ~HidFault() override { RemoveVectoredExceptionHandler(handler_); }

 private:
  void* handler_;
};

const uint8_t kStatusRequest[8] = {0xFF};

TEST_F(HidFault, AccessViolationInWriteFileExGivesBackTheLayersLocks) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  const size_t depth = HidLayer_ThreadLockDepth();
  hidsim::InjectAccessViolation(board);
  EXPECT_EQ(GuardedWrite(device, kStatusRequest), -1);
  EXPECT_EQ(HidLayer_ThreadLockDepth(), depth);

  // Another thread gets the global mutex, and the close does not wait for the abandoned call.
  auto other = std::async(std::launch::async, [&] { return HidLayer_Write(device, 1, kStatusRequest, 8); });
  ASSERT_EQ(other.wait_for(std::chrono::seconds(20)), std::future_status::ready);
  EXPECT_EQ(other.get(), 8);
  // Nobody counts as inside any more, so the close frees the records (a close that waited for the abandoned
  // call would leave them, and the board's handles, open).
  EXPECT_EQ(HidLayer_CallersInside(), 0);
  HidLayer_Close();
  EXPECT_EQ(hidsim::OpenHandleCount(board), 0);
}

TEST_F(HidFault, AccessViolationInAReadersSystemCallEndsThatPipesReadingOnly) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  const HANDLE reader = HidLayer_ReaderThreadHandle(device, 0);
  ASSERT_NE(reader, nullptr);
  const std::string log = ControllerLogFileOfThread(GetThreadId(reader));
  RemoveControllerLogFile(log);

  // Both readers have their reads pending; the pipe-0 reader files this report, starts its next read, and that
  // call faults.
  ASSERT_TRUE(hidsim::WaitInputTaken(board, 0, 20000));
  ASSERT_TRUE(hidsim::WaitInputTaken(board, 1, 20000));
  hidsim::InjectReadAccessViolation(board);
  hidsim::InjectInput(board, 0, {0, 7, 0, 0, 0});
  ASSERT_EQ(WaitForSingleObject(reader, 20000), WAIT_OBJECT_0);
  const std::string text = ReadWholeFile(log);
  RemoveControllerLogFile(log);
  EXPECT_EQ(CountOf(text, "HidPipe::StartRead]: Code: 0xC0000005 "), 1) << text;

  // What it read before stays readable; a read that would wait for no end now answers at once, as the reader
  // is gone, and the other pipe goes on.
  HidLayer_SetReadTimeout(device, -1);
  auto read = std::async(std::launch::async, [&] {
    uint8_t reports[10] = {};
    const int length = HidLayer_Read(device, 0, reports, 10);
    return std::make_pair(length, reports[1]);
  });
  const bool answered = read.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  if (!answered) HidLayer_Close();  // ends the wait, so a failure cannot hang here
  ASSERT_TRUE(answered);
  EXPECT_EQ(read.get(), std::make_pair(5, uint8_t{7}));
  EXPECT_EQ(Exchange(device, {0xFF}).at(0), 0xFF);

  HidLayer_Close();
  EXPECT_EQ(hidsim::OpenHandleCount(board), 0);
}

}  // namespace
