// The test build runs under Wine: these checks prove the runner gives the process what the rest of the
// suite relies on (a 64-bit process, windows without a display, alertable I/O completion).
#include <gtest/gtest.h>
#include <windows.h>

TEST(WineEnvironment, IsA64BitProcess) {
  EXPECT_EQ(sizeof(void*), 8u);
}

TEST(WineEnvironment, CreatesWindowsWithoutADisplay) {
  HWND window = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr) << GetLastError();
  EXPECT_TRUE(DestroyWindow(window));
}

namespace {
void CALLBACK MarkRan(ULONG_PTR flag) { *reinterpret_cast<bool*>(flag) = true; }
}  // namespace

TEST(WineEnvironment, RunsQueuedApcsDuringAlertableWaits) {
  bool ran = false;
  ASSERT_TRUE(QueueUserAPC(MarkRan, GetCurrentThread(), reinterpret_cast<ULONG_PTR>(&ran)));
  EXPECT_FALSE(ran);
  EXPECT_EQ(SleepEx(1000, TRUE), WAIT_IO_COMPLETION);
  EXPECT_TRUE(ran);
}
