// The drivers on the IIC bus that a session owns: their reports, their answers and the analog bank's guard
// against replies that claim more data than they or the buffer can hold.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "boardapi/api/session.h"
#include "boardapi/board/controller.h"
#include "boardapi/board/peripherals.h"
#include "sim/hidsim_iic.h"
#include "tests/boardapi/controller_board_fixture.h"
#include "tests/boardapi/sim_journal.h"

namespace {

class IicPeripheralTest : public ControllerTest {
 protected:
  void SetUp() override {
    ControllerTest::SetUp();
    session_.board = controller_.get();
  }
  void TearDown() override {
    session_.board = nullptr;
    ControllerTest::TearDown();
  }
  // Puts a reply in front of whatever the board will answer next.
  void InjectReply(std::vector<uint8_t> reply) {
    hidsim::InjectInput(board_, 1, reply);
    ASSERT_TRUE(hidsim::WaitInputTaken(board_, 1, 1000));
  }
  CBoardSession session_;
};

TEST_F(IicPeripheralTest, SingleConverterReadsTwelveBitsAndSwitchesIicModeBack) {
  hidsim::SetAnalogReading(board_, 0x1F, 0xFF);  // the high nibble is not part of the reading
  {
    CAnalogInput input(session_);
    EXPECT_EQ(input.Read(), 4095);
    hidsim::SetAnalogReading(board_, 0x02, 0x10);
    EXPECT_EQ(input.Read(), 0x210);
    hidsim::SetIicNack(board_, 0xA8, true);
    EXPECT_EQ(input.Read(), -1);
  }
  EXPECT_EQ(TakeJournal(board_), (std::vector<ReportBytes>{
                                     Special({0x01, 1}),
                                     Special({0x02, 0xC2, 0xA8, 0x00}),
                                     Special({0x03, 0x02, 0xA9}),
                                     Special({0x02, 0xC2, 0xA8, 0x00}),
                                     Special({0x03, 0x02, 0xA9}),
                                     Special({0x02, 0xC2, 0xA8, 0x00}),
                                     Special({0x01, 0}),
                                 }));
}

TEST_F(IicPeripheralTest, BankSetsUpBothConvertersAndFillsSixteenBytes) {
  std::vector<uint8_t> first(12), second = {0xC1, 0xC2, 0xC3, 0xC4};
  for (int i = 0; i < 12; ++i) first[i] = uint8_t(0xA0 + i);
  hidsim::SetBankReadings(board_, 0xCA, first);
  hidsim::SetBankReadings(board_, 0xC8, second);
  CAnalogInputBank bank(session_);
  EXPECT_EQ(TakeJournal(board_), (std::vector<ReportBytes>{
                                     Special({0x01, 1}),
                                     Special({0x02, 0xC2, 0xCA, 23}),
                                     Special({0x02, 0xC2, 0xC8, 7}),
                                 }));
  std::array<uint8_t, 17> buffer{};
  buffer.fill(0xEE);
  EXPECT_EQ(bank.ReadAll(buffer.data(), 15), 122);
  EXPECT_TRUE(TakeJournal(board_).empty());
  ASSERT_EQ(bank.ReadAll(buffer.data(), 16), 0);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 12), first);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + 12, buffer.begin() + 16), second);
  EXPECT_EQ(buffer[16], 0xEE);
  EXPECT_EQ(TakeJournal(board_), (std::vector<ReportBytes>{Special({0x03, 12, 0xCB}), Special({0x03, 4, 0xC9})}));
}

struct BadReply {
  const char* name;
  std::vector<uint8_t> reply;  // arrives ahead of the board's own replies
};

class AnalogBankReplyTest : public IicPeripheralTest, public ::testing::WithParamInterface<BadReply> {};

TEST_P(AnalogBankReplyTest, AnswersReadFaultAndLeavesTheBufferAlone) {
  CAnalogInputBank bank(session_);
  std::array<uint8_t, 16> buffer{};
  buffer.fill(0xEE);
  InjectReply(GetParam().reply);
  EXPECT_EQ(bank.ReadAll(buffer.data(), 16), 30);
  for (uint8_t byte : buffer) EXPECT_EQ(byte, 0xEE);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, AnalogBankReplyTest,
    ::testing::Values(BadReply{"SevenBytesInASixByteReply", {0x03, 0x07, 1, 2, 3, 4, 5, 6}},
                      BadReply{"ErrorBit", {0x03, 0x86, 1, 2, 3, 4, 5, 6}},
                      BadReply{"NotAReadReply", {0x02, 0x06, 1, 2, 3, 4, 5, 6}},
                      // The first converter completes early, so the second (four results) meets six bytes.
                      BadReply{"MoreThanTheRoomLeft", {0x03, 0x06, 1, 2, 3, 4, 5, 6}}),
    [](const ::testing::TestParamInfo<BadReply>& info) { return std::string(info.param.name); });

TEST_F(IicPeripheralTest, BrightnessDriverWritesRegistersAndResetsOnRelease) {
  {
    CBrightnessDriver driver(session_, 0xC0);
    EXPECT_EQ(driver.Reset(), 0);
    EXPECT_EQ(driver.Configure(2, 0), 0);
    EXPECT_EQ(driver.SetChannel(0, 255), 0);
    EXPECT_EQ(hidsim::BrightnessRegister(board_, 2), 255);
    EXPECT_EQ(driver.SetChannel(8, 1), -1);
    EXPECT_EQ(driver.SetChannel(0, 256), -2);
    EXPECT_EQ(driver.SetChannel(0, -1), -2);
    hidsim::SetIicNack(board_, 0xC0, true);
    EXPECT_EQ(driver.SetChannel(1, 5), 30);
    hidsim::SetIicNack(board_, 0xC0, false);
  }
  EXPECT_EQ(hidsim::BrightnessResets(board_), 2);
  const auto journal = TakeJournal(board_);
  ASSERT_GE(journal.size(), 2u);
  EXPECT_EQ(journal[journal.size() - 2], Special({0x02, 0xC3, 0x06, 0xA5, 0x5A}));
  EXPECT_EQ(journal.back(), Special({0x01, 0}));
}

TEST_F(IicPeripheralTest, DriversWithoutABoardAnswerTheirOwnCodes) {
  session_.board = nullptr;
  CAnalogInput input(session_);
  CBrightnessDriver driver(session_, 0xC0);
  CAnalogInputBank bank(session_);
  std::array<uint8_t, 16> buffer{};
  EXPECT_EQ(input.Read(), -1);
  EXPECT_EQ(driver.SetChannel(0, 1), 1780);
  EXPECT_EQ(bank.ReadAll(buffer.data(), 16), 1167);
  EXPECT_TRUE(TakeJournal(board_).empty());
}

}  // namespace
