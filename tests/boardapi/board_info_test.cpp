// The board description read through the bus: under the GlobalLock and IIC mode, published to other
// processes, and taken from there by a second process without touching the memory.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "boardapi/board/controller.h"
#include "boardapi/board/global_lock.h"
#include "boardapi/hid/hid_platform.h"
#include "sim/hidsim_iic.h"
#include "tests/boardapi/controller_board_fixture.h"
#include "tests/boardapi/sim_journal.h"
#include "tests/support/child_entry.h"
#include "tests/support/child_process.h"

namespace {

hidsim::MemoryImage Model330A() {
  hidsim::MemoryImage image = hidsim::BlankMemory();
  const std::pair<int, uint8_t> bytes[] = {{128, 0x33}, {129, 0x0A}, {101, 0x00}, {102, 0x01}, {144, 0x00},
                                           {145, 0x00}, {123, 1},    {124, 64},   {127, 3},    {131, 24},
                                           {132, 12},   {133, 31}};
  for (auto [address, value] : bytes) image[address] = value;
  return image;
}

bool IsIicReport(const ReportBytes& report) { return report.size() == 8 && report[0] >= 0x01 && report[0] <= 0x03; }

using BoardInfoTest = ControllerTest;

TEST_F(BoardInfoTest, ReadsTheMemoryUnderIicModeOnceAndRestoresTheMode) {
  hidsim::SetMemory(board_, Model330A());
  BoardInfo info{};
  ASSERT_TRUE(controller_->GetBoardInfo(&info));
  EXPECT_STREQ(info.model, "330A");
  EXPECT_EQ(info.ledCount, 64);
  EXPECT_STREQ(info.date, "24/12/31");
  const auto journal = TakeJournal(board_);
  ASSERT_GE(journal.size(), 4u);
  EXPECT_EQ(journal.front(), Special({0x01, 1}));
  EXPECT_EQ(journal[1], Special({0x02, 0x82, 0xA0, 128}));
  EXPECT_EQ(journal.back(), Special({0x01, 0}));
  EXPECT_FALSE(hidsim::IicModeOn(board_));

  // Loaded once: later asks send nothing.
  ASSERT_TRUE(controller_->GetBoardInfo(&info));
  EXPECT_TRUE(TakeJournal(board_).empty());
  // The lock is free again.
  HANDLE lock = CreateMutexA(nullptr, FALSE, "GlobalLock:00000001");
  EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  CloseHandle(lock);
}

TEST_F(BoardInfoTest, LeavesIicModeOnWhenItWasOn) {
  ASSERT_TRUE(controller_->SetIicMode(true));
  TakeJournal(board_);
  BoardInfo info{};
  ASSERT_TRUE(controller_->GetBoardInfo(&info));
  for (const auto& report : TakeJournal(board_)) EXPECT_NE(report[0], 0x01);
  EXPECT_TRUE(hidsim::IicModeOn(board_));
}

TEST_F(BoardInfoTest, AnUnreadableMemoryAnswersFalseWithAnEmptyDescription) {
  hidsim::SetIicNack(board_, 0xA0, true);
  BoardInfo info;
  std::memset(&info, 0x5A, sizeof(info));
  EXPECT_FALSE(controller_->GetBoardInfo(&info));
  EXPECT_EQ(std::count(reinterpret_cast<uint8_t*>(&info), reinterpret_cast<uint8_t*>(&info + 1), 0),
            static_cast<long>(sizeof(info)));
  EXPECT_FALSE(hidsim::IicModeOn(board_));
}

TEST_F(BoardInfoTest, WaitsWhileAnotherHolderHasTheGlobalLock) {
  hidsim::SetMemory(board_, Model330A());
  HANDLE held = CreateMutexA(nullptr, FALSE, "GlobalLock:00000001");
  ASSERT_NE(held, nullptr);
  BoardInfo info{};
  const int refusals = board::GlobalLockRefusals();
  std::thread reader([&] { controller_->GetBoardInfo(&info); });
  // Once the reader found the lock held (twice: it waited a step and looked again), nothing reached the board.
  const ULONGLONG deadline = GetTickCount64() + 20000;
  while (board::GlobalLockRefusals() < refusals + 2 && GetTickCount64() < deadline) Sleep(1);
  EXPECT_GE(board::GlobalLockRefusals(), refusals + 2);
  EXPECT_TRUE(hidsim::Journal(board_).empty());
  CloseHandle(held);
  reader.join();
  EXPECT_STREQ(info.model, "330A");
}

TEST_F(BoardInfoTest, ModelBytesOfOtherMemoryDevicesAreReadOnceAndCached) {
  hidsim::SetMemory(board_, Model330A());
  hidsim::MemoryImage second = hidsim::BlankMemory();
  second[128] = 0x12;
  second[129] = 0x34;
  hidsim::SetMemory(board_, second, 2);
  EXPECT_EQ(controller_->ModelValue(1, false), 0x330A);
  EXPECT_EQ(controller_->ModelText(2, false), "1234");
  TakeJournal(board_);
  EXPECT_EQ(controller_->ModelValue(2, false), 0x1234);
  EXPECT_TRUE(TakeJournal(board_).empty());
  EXPECT_EQ(controller_->ModelValue(3, true), -1);  // nothing answers at 0xA4
}

// Run as the second process of the test below: it sees the same board, with blank memory of its own, and
// takes the description the first process published without reading the memory.
CHILD_ENTRY(TakesThePublishedBoardDescription) {
  ScopedHidPlatform platform(hidsim::PlatformTable());
  HidDeviceHandle device = HidLayer_Open();
  CHILD_CHECK(device != nullptr);
  BoardInfo info{};
  bool read = false;
  {
    CventrixController controller(device);
    read = controller.GetBoardInfo(&info);
  }
  const auto journal = TakeJournal(0);
  HidLayer_Close();
  CHILD_CHECK(read);
  CHILD_CHECK(std::string(info.model) == "330A");
  CHILD_CHECK(info.ledCount == 64);
  CHILD_CHECK(std::string(info.date) == "24/12/31");
  CHILD_CHECK(std::none_of(journal.begin(), journal.end(), IsIicReport));
  return 0;
}

TEST_F(BoardInfoTest, ASecondProcessTakesThePublishedDescriptionWithoutReadingMemory) {
  hidsim::SetMemory(board_, Model330A());
  BoardInfo info{};
  ASSERT_TRUE(controller_->GetBoardInfo(&info));

  testsupport::ChildProcess child = testsupport::StartChildEntry(
      "TakesThePublishedBoardDescription",
      {{hidsim::kBoardsVariable, hidsim::EnvironmentText({BoardOf(0x03E8, L"00000001")})}});
  ASSERT_TRUE(child.Started());
  ASSERT_TRUE(child.Wait(30000)) << child.Output();
  EXPECT_EQ(child.ExitCode(), 0u) << child.Output();
}

}  // namespace
