// The LED matrix as the board sees it: single LEDs, the lamp test and 7-segment text, report by report.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "boardapi/board/controller.h"
#include "tests/boardapi/controller_board_fixture.h"
#include "tests/boardapi/sim_journal.h"

namespace {

using Rows = std::array<std::array<uint8_t, 4>, 8>;

class LedMatrixTest : public ControllerTest {
 protected:
  void SetUp() override {
    ControllerTest::SetUp();
    ASSERT_TRUE(controller_->EnableLedMatrix(true));
    EXPECT_EQ(TakeJournal(board_), std::vector<ReportBytes>{Special({0x14, 1})});
  }
  Rows BoardRows() {
    Rows rows;
    for (int row = 0; row < 8; ++row) rows[row] = hidsim::LedRow(board_, row);
    return rows;
  }
  // Lights a whole matrix column (the eight LEDs of one digit).
  void LightColumn(int column) {
    for (int led = column * 8 + 1; led <= column * 8 + 8; ++led) ASSERT_EQ(controller_->SetLed(led, 1, false), 0);
  }
};

TEST_F(LedMatrixTest, SingleLedsWriteTheirRowAndOnlyWhenItChanges) {
  EXPECT_EQ(controller_->SetLed(1, 1, false), 0);    // row 0, column 0
  EXPECT_EQ(controller_->SetLed(9, 1, false), 0);    // row 0, column 1
  EXPECT_EQ(controller_->SetLed(256, 1, false), 0);  // row 7, column 31
  EXPECT_EQ(controller_->SetLed(9, 1, false), 0);    // already lit: nothing sent
  EXPECT_EQ(controller_->SetLed(9, 7, false), 0);    // not a state: nothing changes
  EXPECT_EQ(controller_->SetLed(1, 0, false), 0);
  EXPECT_EQ(TakeJournal(board_), (std::vector<ReportBytes>{
                                     Special({0x15, 0, 0x01}),
                                     Special({0x15, 0, 0x03}),
                                     Special({0x15, 7, 0, 0, 0, 0x80}),
                                     Special({0x15, 0, 0x02}),
                                 }));
  EXPECT_EQ(hidsim::LedRow(board_, 7), (std::array<uint8_t, 4>{0, 0, 0, 0x80}));
}

TEST_F(LedMatrixTest, LedNumbersOutsideOneTo256AreRefusedWithoutAReport) {
  for (int led : {257, 0, -1, -8, INT32_MIN}) EXPECT_EQ(controller_->SetLed(led, 1, false), -1) << led;
  EXPECT_TRUE(TakeJournal(board_).empty());
}

TEST_F(LedMatrixTest, LampTestLightsAllRefusesWritesAndEndsDark) {
  LightColumn(3);
  TakeJournal(board_);
  ASSERT_EQ(controller_->LedTest(true), 0);
  std::vector<ReportBytes> expected;
  for (uint8_t row = 0; row < 8; ++row) expected.push_back(Special({0x15, row, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(TakeJournal(board_), expected);

  EXPECT_EQ(controller_->SetLed(5, 0, false), -2);
  EXPECT_EQ(controller_->DisplayText(1, "8", -1, 1, ' '), -2);
  EXPECT_TRUE(TakeJournal(board_).empty());

  ASSERT_EQ(controller_->LedTest(false), 0);
  expected.clear();
  for (uint8_t row = 0; row < 8; ++row) expected.push_back(Special({0x15, row}));
  EXPECT_EQ(TakeJournal(board_), expected);

  // The earlier pattern is not restored: one LED lights alone.
  EXPECT_EQ(controller_->SetLed(10, 1, false), 0);
  EXPECT_EQ(TakeJournal(board_), std::vector<ReportBytes>{Special({0x15, 1, 0x02})});
  Rows rows{};
  rows[1] = {0x02, 0, 0, 0};
  EXPECT_EQ(BoardRows(), rows);
}

TEST_F(LedMatrixTest, MatrixOffRefusesEveryWrite) {
  ASSERT_TRUE(controller_->EnableLedMatrix(false));
  EXPECT_EQ(TakeJournal(board_), std::vector<ReportBytes>{Special({0x14, 0})});
  EXPECT_EQ(controller_->SetLed(1, 1, false), -3);
  EXPECT_EQ(controller_->DisplayText(1, "8", -1, 1, ' '), -3);
  EXPECT_EQ(controller_->LedTest(true), -1);
  EXPECT_TRUE(TakeJournal(board_).empty());
}

TEST_F(LedMatrixTest, SwitchingTheMatrixOnAgainStartsFromADarkCache) {
  LightColumn(0);
  ASSERT_TRUE(controller_->EnableLedMatrix(false));
  ASSERT_TRUE(controller_->EnableLedMatrix(true));
  TakeJournal(board_);
  EXPECT_EQ(controller_->SetLed(2, 1, false), 0);
  EXPECT_EQ(TakeJournal(board_), std::vector<ReportBytes>{Special({0x15, 1, 0x01})});
}

struct TextCase {
  const char* name;
  int firstDigit;
  const char* text;
  std::vector<std::pair<int, uint8_t>> columns;  // matrix column -> segment pattern it must show
};

class SegmentTextTest : public LedMatrixTest, public ::testing::WithParamInterface<TextCase> {};

// Columns 0 and 4 are lit before each text: a text leaves columns it does not reach as they were.
TEST_P(SegmentTextTest, WritesOnlyTheChangedRowsAndNothingTheSecondTime) {
  const TextCase& c = GetParam();
  LightColumn(0);
  LightColumn(4);
  TakeJournal(board_);
  const Rows before = BoardRows();

  std::array<uint8_t, 32> patterns{};
  patterns[0] = patterns[4] = 0xFF;
  for (auto [column, pattern] : c.columns) patterns[column] = pattern;
  Rows after{};
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 32; ++column) {
      if (patterns[column] >> row & 1) after[row][column / 8] |= uint8_t(1 << column % 8);
    }
  }
  std::vector<ReportBytes> expected;
  for (uint8_t row = 0; row < 8; ++row) {
    if (after[row] == before[row]) continue;
    expected.push_back(Special({0x15, row, after[row][0], after[row][1], after[row][2], after[row][3]}));
  }

  ASSERT_EQ(controller_->DisplayText(c.firstDigit, c.text, -1, 1, ' '), 0);
  EXPECT_EQ(TakeJournal(board_), expected);
  EXPECT_EQ(BoardRows(), after);
  ASSERT_EQ(controller_->DisplayText(c.firstDigit, c.text, -1, 1, ' '), 0);
  EXPECT_TRUE(TakeJournal(board_).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SegmentTextTest,
    ::testing::Values(
        TextCase{"PointMergesIntoTheDigitBefore", 3, "1.5", {{2, 0x86}, {3, 0x6D}}},
        TextCase{"LeadingPointIsADigitOfItsOwn", 2, ".8", {{1, 0x80}, {2, 0x7F}}},
        TextCase{"PointAfterAMergedPointStandsAlone", 1, "8..", {{0, 0xFF}, {1, 0x80}}},
        TextCase{"TwoPointsInARowLeaveThePointDark", 1, "..", {{0, 0x00}}},
        TextCase{"BlanksAndUnknownCharactersDarkenTheirDigit", 4, " ~", {{3, 0x00}, {4, 0x00}}},
        TextCase{"DigitsPastTheLastColumnAreSkipped", 31, "-3E", {{30, 0x40}, {31, 0x4F}}},
        TextCase{"DigitsBeforeTheFirstColumnAreSkipped", 0, "hA", {{0, 0x77}}},
        TextCase{"DigitsOverALitColumnClearWhatTheyDoNotShow", 1, "8888", {{0, 0x7F}, {1, 0x7F}, {2, 0x7F}, {3, 0x7F}}}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

}  // namespace
