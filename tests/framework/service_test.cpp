// Replaceable services: a double answers while its scope lives; the production code answers otherwise.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/rtl/sysutils.h"

using namespace fw;

TEST(Services, DoublesNestAndRestore) {
  const std::uint32_t real = TickCount();
  {
    ServiceDouble outer(TickCount, [] { return std::uint32_t{1000}; });
    EXPECT_EQ(TickCount(), 1000u);
    {
      ServiceDouble inner(TickCount, [] { return std::uint32_t{2000}; });
      EXPECT_EQ(TickCount(), 2000u);
    }
    EXPECT_EQ(TickCount(), 1000u);
  }
  EXPECT_GE(TickCount() - real, 0u);
  EXPECT_LT(TickCount() - real, 60000u);
}

TEST(Services, ClockAndSleepDoubles) {
  std::uint32_t slept = 0;
  ServiceDouble sleep(SleepMs, [&](std::uint32_t ms) { slept += ms; });
  ServiceDouble now(Now, [] { return EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0); });
  SleepMs(5);
  SleepMs(7);
  EXPECT_EQ(slept, 12u);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", Now()), "2024-02-29 13:05:09");
  EXPECT_DOUBLE_EQ(Date(), EncodeDate(2024, 2, 29));
}

TEST(Services, RealClockAndProgramFolder) {
  SYSTEMTIME local;
  GetLocalTime(&local);
  const TDateTime real = Now();
  EXPECT_NEAR(real, EncodeDate(local.wYear, local.wMonth, local.wDay) +
                        EncodeTime(local.wHour, local.wMinute, local.wSecond, local.wMilliseconds),
              2.0 / SecsPerDay);

  char path[MAX_PATH];
  ASSERT_NE(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
  EXPECT_EQ(ProgramFolder(), ExtractFilePath(path));
  EXPECT_EQ(ProgramFolder().back(), '\\');
  ServiceDouble folder(ProgramFolder, [] { return std::string("C:\\Program\\"); });
  EXPECT_EQ(ProgramFolder(), "C:\\Program\\");
}

// The idle pass's wait ends with the first message in the thread's queue and answers whether one is there.
TEST(Services, WaitForMessageEndsWithAQueuedMessage) {
  MSG drained;
  while (PeekMessageA(&drained, nullptr, 0, 0, PM_REMOVE)) {
  }
  EXPECT_FALSE(WaitForMessageMs(1));
  ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_USER + 7, 0, 0));
  EXPECT_TRUE(WaitForMessageMs(60000));  // a wait of a minute ends at once: the message is already there
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_USER + 7, WM_USER + 7, PM_REMOVE));
  EXPECT_FALSE(WaitForMessageMs(1));
}
