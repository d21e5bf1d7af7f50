// The IIC bus as the board sees it: the mode switch and its cross-object marker, board memory, servos.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "boardapi/board/controller.h"
#include "sim/hidsim_iic.h"
#include "tests/boardapi/controller_board_fixture.h"
#include "tests/boardapi/sim_journal.h"

namespace {

using IicBusTest = ControllerTest;

TEST_F(IicBusTest, ModeIsSwitchedOnOnceAndOffByAnyHolder) {
  ASSERT_TRUE(controller_->SetIicMode(true));
  EXPECT_TRUE(controller_->IsIicEnabled());
  // A second board object (as in another process) finds the marker and sends nothing.
  CventrixController other(device_);
  EXPECT_TRUE(other.IsIicEnabled());
  EXPECT_TRUE(other.SetIicMode(true));
  EXPECT_EQ(TakeJournal(board_), std::vector<ReportBytes>{Special({0x01, 1})});
  EXPECT_TRUE(other.SetIicMode(false));
  EXPECT_EQ(TakeJournal(board_), std::vector<ReportBytes>{Special({0x01, 0})});
  EXPECT_FALSE(hidsim::IicModeOn(board_));
  ASSERT_TRUE(controller_->SetIicMode(false));
  EXPECT_FALSE(controller_->IsIicEnabled());
}

TEST_F(IicBusTest, NothingReachesTheBusWhileTheModeIsOff) {
  Report reply{};
  EXPECT_EQ(controller_->IicWrite(Report{0x02, 0xC2, 0xA8, 0}), -1);
  EXPECT_EQ(controller_->IicTransact(Report{0x02, 0xC2, 0xA8, 0}, reply), -1);
  int32_t byte = 5;
  EXPECT_FALSE(controller_->MemoryRead(1, 128, &byte));
  EXPECT_EQ(byte, 0);
  EXPECT_FALSE(controller_->MemoryWrite(1, 10, 1));
  EXPECT_FALSE(controller_->ServoSetPosition(1, 0, 10));
  EXPECT_TRUE(TakeJournal(board_).empty());
}

TEST_F(IicBusTest, MemoryReadSetsTheAddressThenReadsAndWriteStoresConsecutiveBytes) {
  hidsim::MemoryImage image = hidsim::BlankMemory();
  image[128] = 0x33;
  image[129] = 0x0A;
  image[130] = 0x42;
  hidsim::SetMemory(board_, image);
  hidsim::SetMemory(board_, hidsim::BlankMemory(), 2);
  ASSERT_TRUE(controller_->SetIicMode(true));
  TakeJournal(board_);

  int32_t first = 0, second = 0, third = 0;
  ASSERT_TRUE(controller_->MemoryRead(1, 128, &first, &second, &third));
  EXPECT_EQ((std::vector<int32_t>{first, second, third}), (std::vector<int32_t>{0x33, 0x0A, 0x42}));
  ASSERT_TRUE(controller_->MemoryWrite(2, 16, 0x55, 0x66));
  EXPECT_EQ(TakeJournal(board_), (std::vector<ReportBytes>{
                                     Special({0x02, 0x82, 0xA0, 128}),
                                     Special({0x03, 3, 0xA1}),
                                     Special({0x02, 0xC4, 0xA2, 16, 0x55, 0x66}),
                                 }));
  EXPECT_EQ(hidsim::Memory(board_, 2)[16], 0x55);
  EXPECT_EQ(hidsim::Memory(board_, 2)[17], 0x66);
  EXPECT_FALSE(controller_->MemoryRead(9, 0, &first));
  EXPECT_FALSE(controller_->MemoryRead(0, 0, &first));
}

TEST_F(IicBusTest, RefusedMemoryAddressStopsTheReadBeforeItsSecondStep) {
  ASSERT_TRUE(controller_->SetIicMode(true));
  hidsim::SetIicNack(board_, 0xA0, true);
  TakeJournal(board_);
  int32_t first = 7, second = 7;
  EXPECT_FALSE(controller_->MemoryRead(1, 128, &first, &second));
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 0);
  EXPECT_EQ(TakeJournal(board_), std::vector<ReportBytes>{Special({0x02, 0x82, 0xA0, 128})});
  EXPECT_FALSE(controller_->MemoryWrite(1, 0, 1));
}

TEST_F(IicBusTest, ServoPositionIsAcknowledgedSoTheNextExchangeGetsItsOwnReply) {
  hidsim::MemoryImage image = hidsim::BlankMemory();
  image[128] = 0x12;
  hidsim::SetMemory(board_, image);
  ASSERT_TRUE(controller_->SetIicMode(true));
  TakeJournal(board_);
  ASSERT_TRUE(controller_->ServoSetPosition(2, 7, 200));
  EXPECT_EQ(TakeJournal(board_), std::vector<ReportBytes>{Special({0x02, 0xC3, 0x32, 7, 200})});
  EXPECT_EQ(hidsim::ServoPosition(board_, 2, 7), 200);
  int32_t byte = 0;
  ASSERT_TRUE(controller_->MemoryRead(1, 128, &byte));
  EXPECT_EQ(byte, 0x12);

  hidsim::SetIicNack(board_, 0x32, true);
  EXPECT_FALSE(controller_->ServoSetPosition(2, 7, 100));
  ASSERT_TRUE(controller_->MemoryRead(1, 128, &byte));
  EXPECT_EQ(byte, 0x12);
}

TEST_F(IicBusTest, ServoArgumentsOutsideTheirRangesAreRefusedWithoutAReport) {
  ASSERT_TRUE(controller_->SetIicMode(true));
  TakeJournal(board_);
  EXPECT_FALSE(controller_->ServoSetPosition(0, 0, 0));
  EXPECT_FALSE(controller_->ServoSetPosition(9, 0, 0));
  EXPECT_FALSE(controller_->ServoSetPosition(1, 8, 0));
  EXPECT_FALSE(controller_->ServoSetPosition(1, 0, 256));
  EXPECT_FALSE(controller_->ServoSetPosition(1, 0, -1));
  EXPECT_TRUE(controller_->ServoSetCenter(1, 0, 127));
  EXPECT_TRUE(controller_->ServoSetCenter(8, 7, -127));
  EXPECT_FALSE(controller_->ServoSetCenter(1, 0, 128));
  EXPECT_FALSE(controller_->ServoSetCenter(1, 0, -128));
  EXPECT_TRUE(TakeJournal(board_).empty());
}

TEST_F(IicBusTest, TextAndSingleBytesOfMemoryTakeIicModeOnlyForTheirAccess) {
  ASSERT_TRUE(controller_->WriteModelBytes(1, 0x33, 0x1B));
  ASSERT_TRUE(controller_->WriteMemoryFlag(1, 0x5A));
  EXPECT_FALSE(hidsim::IicModeOn(board_));
  int32_t flag = 0;
  ASSERT_TRUE(controller_->ReadMemoryFlag(1, &flag));
  EXPECT_EQ(flag, 0x5A);
  EXPECT_EQ(hidsim::Memory(board_)[128], 0x33);
  EXPECT_EQ(hidsim::Memory(board_)[129], 0x1B);

  ASSERT_TRUE(controller_->SetIicMode(true));
  ASSERT_TRUE(controller_->MemoryWriteText(1, 20, "AB"));
  EXPECT_EQ(hidsim::Memory(board_)[22], 0);
  std::string text;
  ASSERT_TRUE(controller_->MemoryReadText(1, 20, -1, &text));
  EXPECT_EQ(text, "AB");
  std::wstring wide;
  ASSERT_TRUE(controller_->MemoryReadTextW(1, 20, 1, &wide));
  EXPECT_EQ(wide, L"A");
  // Unprogrammed memory never ends a text: the read stops at the top of the memory.
  ASSERT_TRUE(controller_->MemoryReadText(1, 250, -1, &text));
  EXPECT_EQ(text, std::string(6, '\xFF'));
}

TEST_F(IicBusTest, ABoardThatStopsAnsweringFailsTheExchangeWithATimeOut) {
  ASSERT_TRUE(controller_->SetIicMode(true));
  hidsim::SetSilent(board_, true);
  hidsim::ClearJournal(board_);
  Report reply{};
  EXPECT_EQ(controller_->IicTransact(Report{0x02, 0xC2, 0xA8, 0}, reply), ERROR_TIMEOUT);
  // One request and one wait for its reply: the exchange neither repeats it nor waits on.
  EXPECT_EQ(hidsim::Journal(board_).size(), 1u);
}

}  // namespace
