// The LED scan and SPI writes: board operations nothing in the program starts, checked report by report.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "boardapi/board/controller.h"
#include "sim/hidsim_iic.h"
#include "tests/boardapi/controller_board_fixture.h"
#include "tests/boardapi/sim_journal.h"

namespace {

using LedScanTest = ControllerTest;

TEST_F(LedScanTest, WalksTheRangeOneLedAtATimeAndEndsDark) {
  hidsim::MemoryImage image = hidsim::BlankMemory();
  image[128] = 0x33, image[129] = 0x0A, image[101] = 0, image[102] = 0x01, image[144] = 0, image[145] = 0;
  hidsim::SetMemory(board_, image);
  EXPECT_EQ(controller_->StartLedScan(1, 3, true, 10), -1);  // the matrix is off
  ASSERT_TRUE(controller_->EnableLedMatrix(true));
  ASSERT_EQ(controller_->StartLedScan(1, 3, true, 10), 0);

  // LEDs 1..3 are rows 0..2 of column 0: each lights in turn, the one before goes dark, and it wraps.
  const std::vector<ReportBytes> cycle = {Special({0x15, 0, 0x01}), Special({0x15, 0}), Special({0x15, 1, 0x01}),
                                          Special({0x15, 1}), Special({0x15, 2, 0x01}), Special({0x15, 2})};
  std::vector<ReportBytes> rows;
  const auto takeRows = [&] {
    for (const auto& report : TakeJournal(board_)) {
      if (report[0] == 0x15) rows.push_back(report);
    }
    return std::search(rows.begin(), rows.end(), cycle.begin(), cycle.end()) != rows.end();
  };
  // The scan's thread runs when the machine lets it: the test waits for a whole round, however long it takes.
  const ULONGLONG deadline = GetTickCount64() + 10000;
  bool wrapped = takeRows();
  while (!wrapped && GetTickCount64() < deadline) {
    Sleep(10);
    wrapped = takeRows();
  }
  EXPECT_TRUE(wrapped);
  EXPECT_EQ(controller_->SetLed(5, 1, false), -2);  // the scan holds the matrix like a lamp test
  ASSERT_EQ(controller_->StartLedScan(1, 3, false, 10), 0);
  for (int row = 0; row < 8; ++row) EXPECT_EQ(hidsim::LedRow(board_, row), (std::array<uint8_t, 4>{})) << row;
}

TEST_F(LedScanTest, SpiWritesNeedTheModeAndComeInChunksOfSix) {
  const uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(controller_->SpiWrite(data, 8), -1);
  ASSERT_EQ(controller_->SetSpiMode(5, 3, true, false), 0);
  ASSERT_EQ(controller_->SpiWrite(data, 8), 0);
  EXPECT_EQ(TakeJournal(board_), (std::vector<ReportBytes>{Special({0x08, 5, 0x07}),
                                                           Special({0x09, 6, 1, 2, 3, 4, 5, 6}),
                                                           Special({0x09, 2, 7, 8})}));
}

}  // namespace
