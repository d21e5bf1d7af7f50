#include "boardapi/log/controller_log.h"

#include <gtest/gtest.h>

#include <regex>
#include <thread>

#include "tests/boardapi/controller_log_files.h"

namespace {

class ControllerLogTest : public ::testing::Test {
 protected:
  ThreadLogFile log_;
};

TEST_F(ControllerLogTest, NewFileOfTheThreadStartsWithTheBannerOnce) {
  {
    ControllerLog log(true);
    EXPECT_TRUE(log.Enabled());
    EXPECT_EQ(log.FilePath(), log_.path());
    log.Write(3, "Op", "first");
  }
  ControllerLog again(true);
  again.Write(3, "Op", "second");

  const std::string text = log_.Text();
  EXPECT_EQ(CountOf(text, "** ventrix Controller Log\n"), 1);
  EXPECT_EQ(text.rfind(std::string(80, '*') + "\n" + std::string(80, '*') + "\n", 0), 0u);
  EXPECT_NE(text.find(logline::Text("** Thread ID:       %lX\n", GetCurrentThreadId())), std::string::npos);
  EXPECT_NE(text.find(logline::Text("** Process ID:      %lX\n", GetCurrentProcessId())), std::string::npos);
  EXPECT_NE(text.find("** Module Name:     "), std::string::npos);
  EXPECT_LT(text.find("first"), text.find("second"));
}

TEST_F(ControllerLogTest, LineCarriesDateTimeLevelThreadAndPaddedName) {
  ControllerLog(true).Write(3, "Op", "value %d", 7);
  ControllerLog(true).Write(3, "AnOperationNameLongerThanTwentyFive", "ends in its own newline\n");

  const std::string text = log_.Text();
  const std::string thread = logline::Text("%.08lX", GetCurrentThreadId());
  const std::regex first(R"(\n\d\d/\d\d/\d\d \d\d:\d\d:\d\d 3 \[)" + thread +
                         R"(\] \[                       Op\]: value 7\n)");
  EXPECT_TRUE(std::regex_search(text, first)) << text;
  // Longer names widen the field; a message's own newline is not doubled.
  EXPECT_NE(text.find("[AnOperationNameLongerThanTwentyFive]: ends in its own newline\n"), std::string::npos);
  EXPECT_EQ(text.find("newline\n\n"), std::string::npos);
}

TEST_F(ControllerLogTest, MessageOfMoreThan499CharactersIsLost) {
  ControllerLog log(true);
  log.Write(3, "Op", "%s", std::string(499, 'a').c_str());
  log.Write(3, "Op", "%s", std::string(500, 'b').c_str());

  const std::string text = log_.Text();
  EXPECT_NE(text.find(": " + std::string(499, 'a') + "\n"), std::string::npos);
  EXPECT_EQ(text.find("bbbbbbbbbb"), std::string::npos);
}

TEST_F(ControllerLogTest, SwitchedFormFollowsTheSwitchMutex) {
  {
    ControllerLog off(false);
    EXPECT_FALSE(off.Enabled());
    off.Write(0, "Op", "not written");
  }
  HANDLE logSwitch = CreateMutexA(nullptr, TRUE, "ventrix Controller - {7C95CB13-EB25-4419-8614-A5C93109AFB3}");
  ASSERT_NE(logSwitch, nullptr);
  {
    ControllerLog on(false);
    EXPECT_TRUE(on.Enabled());
    on.Write(0, "Op", "written");
  }
  CloseHandle(logSwitch);

  const std::string text = log_.Text();
  EXPECT_EQ(text.find("not written"), std::string::npos);
  EXPECT_NE(text.find("]: written\n"), std::string::npos);
}

TEST_F(ControllerLogTest, TwoThreadsWriteTwoFilesInTheSameDatedFolder) {
  std::string paths[2];
  // Both threads live until both wrote, so their ids differ. A kernel event rather than std::latch, whose
  // wait can miss its wake-up under this runtime.
  HANDLE bothWrote = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(bothWrote, nullptr);
  LONG arrived = 0;
  auto writeTwice = [&](int index) {
    paths[index] = ControllerLogFileOfThread();
    DeleteFileA(paths[index].c_str());  // only the file: the other thread may be using the folder
    ControllerLog(true).Write(3, "Op", "one");
    ControllerLog(true).Write(3, "Op", "two");
    if (InterlockedIncrement(&arrived) == 2) SetEvent(bothWrote);
    EXPECT_EQ(WaitForSingleObject(bothWrote, 10000), WAIT_OBJECT_0);
  };
  std::thread first(writeTwice, 0);
  std::thread second(writeTwice, 1);
  first.join();
  second.join();
  CloseHandle(bothWrote);

  ASSERT_NE(paths[0], paths[1]);
  EXPECT_EQ(paths[0].substr(0, paths[0].rfind('\\')), paths[1].substr(0, paths[1].rfind('\\')));
  for (const std::string& path : paths) {
    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(CountOf(text, "** ventrix Controller Log\n"), 1);
    EXPECT_EQ(CountOf(text, "]: one\n"), 1);
    EXPECT_EQ(CountOf(text, "]: two\n"), 1);
    RemoveControllerLogFile(path);
  }
}

}  // namespace
