// The data-line ports: read from the board once, written whole, and written again after a refused write.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "boardapi/board/controller.h"
#include "tests/boardapi/controller_board_fixture.h"
#include "tests/boardapi/sim_journal.h"

namespace {

using DataLineTest = ControllerTest;

TEST_F(DataLineTest, FirstWriteReadsThePortsThenOnlyChangesAreSent) {
  hidsim::SetPorts(board_, {0xFF, 0xFF, 0x0F, 0xFF});
  EXPECT_TRUE(controller_->SetDataLine(1, 0, 1));  // line 9 on: port 1, bit 0 low
  EXPECT_TRUE(controller_->SetDataLine(1, 0, 1));  // already on: nothing sent
  EXPECT_TRUE(controller_->SetDataLine(2, 7, 0));  // line 24 off: bit 7 high
  EXPECT_EQ(TakeJournal(board_), (std::vector<ReportBytes>{
                                     Special({0xFF}),
                                     PortReport(0xFF, 0xFE, 0x0F, 0xFF),
                                     PortReport(0xFF, 0xFE, 0x8F, 0xFF),
                                 }));
  EXPECT_EQ(hidsim::Ports(board_), (std::array<uint8_t, 4>{0xFF, 0xFE, 0x8F, 0xFF}));
}

TEST_F(DataLineTest, PortsAndBitsOutsideTheBoardAreRefusedWithoutAReport) {
  for (auto [port, bit] : {std::pair{4, 0}, {0, 8}, {-1, 0}, {0, -1}}) {
    EXPECT_FALSE(controller_->SetDataLine(port, bit, 1)) << port << "/" << bit;
  }
  EXPECT_TRUE(TakeJournal(board_).empty());
}

TEST_F(DataLineTest, ARefusedWriteIsSentAgainEvenWhenTheBitAlreadyMatches) {
  EXPECT_TRUE(controller_->SetDataLine(0, 0, 1));
  TakeJournal(board_);
  hidsim::InjectAccessViolation(board_, 1);
  EXPECT_FALSE(controller_->SetDataLine(0, 1, 1));
  // The cache already holds the bit, but the board never got it.
  EXPECT_TRUE(controller_->SetDataLine(0, 1, 1));
  EXPECT_EQ(hidsim::Ports(board_), (std::array<uint8_t, 4>{0xFC, 0xFF, 0xFF, 0xFF}));
  EXPECT_TRUE(controller_->SetDataLine(0, 1, 1));
  const auto journal = TakeJournal(board_);
  ASSERT_FALSE(journal.empty());
  EXPECT_EQ(journal.back(), PortReport(0xFC, 0xFF, 0xFF, 0xFF));
  EXPECT_EQ(std::count(journal.begin(), journal.end(), PortReport(0xFC, 0xFF, 0xFF, 0xFF)), 1);
}

TEST_F(DataLineTest, PortsThatCannotBeReadCountAsAllLinesHigh) {
  hidsim::SetPorts(board_, {0x00, 0x00, 0x00, 0x00});
  hidsim::SetSilent(board_, true);
  EXPECT_TRUE(controller_->SetDataLine(3, 2, 1));
  EXPECT_EQ(hidsim::Ports(board_), (std::array<uint8_t, 4>{0xFF, 0xFF, 0xFF, 0xFB}));
}

}  // namespace
