// A fault inside a platform call abandons the layer's frames with the global mutex held. The lock-depth hooks
// let the guard that recovers give it back, so the layer stays usable from every thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <future>

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

}  // namespace
