// The output and peripheral exports through the real DLL: the exact reports the board receives and the
// state it ends in.
#include <array>
#include <vector>

#include "tests/boardapi_dll/outputs_fixture.h"

namespace dlltest {
namespace {

using Reports = std::vector<ReportBytes>;

Reports AllRows(uint8_t fill) {
  Reports rows;
  for (uint8_t row = 0; row < 8; ++row) rows.push_back(Special({0x15, row, fill, fill, fill, fill}));
  return rows;
}

TEST_F(OutputsTest, LedsLampTestAndTheSharedMatrix) {
  Start(kAllOutputs);
  ASSERT_EQ(ventrix_LED_Enable(session_, 0x101), API_OK);  // only the low byte counts
  ASSERT_EQ(ventrix_LED_Set(session_, 9, 1), API_OK);
  EXPECT_EQ(ventrix_LED_Set(session_, 0, 1), API_ERR_DEVICE_IO);
  EXPECT_EQ(ventrix_LED_Set(session_, 257, 1), API_ERR_DEVICE_IO);
  EXPECT_EQ(TakeJournal(), (Reports{Special({0x14, 1}), Special({0x15, 0, 0x02})}));

  ASSERT_EQ(ventrix_LED_Test(session_, 1), API_OK);
  EXPECT_EQ(TakeJournal(), AllRows(0xFF));
  EXPECT_EQ(ventrix_LED_Set(session_, 3, 1), API_ERR_DEVICE_IO);
  ASSERT_EQ(ventrix_LED_Test(session_, 0), API_OK);
  EXPECT_EQ(TakeJournal(), AllRows(0x00));
  ASSERT_EQ(ventrix_LED_Set(session_, 256, 1), API_OK);
  EXPECT_EQ(TakeJournal(), Reports{Special({0x15, 7, 0, 0, 0, 0x80})});

  // The digits share the matrix: switching them off darkens the LEDs too.
  ASSERT_EQ(ventrix_7Segment_Enable(session_, 1), API_OK);
  ASSERT_EQ(ventrix_7Segment_Enable(session_, 0), API_OK);
  EXPECT_EQ(TakeJournal(), Reports{Special({0x14, 0})});
  EXPECT_EQ(ventrix_LED_Set(session_, 1, 1), API_ERR_DEVICE_IO);
  EXPECT_EQ(Sim().LedMatrixOn(board_), 0);
}

TEST_F(OutputsTest, SevenSegmentTextWritesChangedRowsOnce) {
  Start(kAllOutputs);
  ASSERT_EQ(ventrix_7Segment_Enable(session_, 1), API_OK);
  TakeJournal();
  // "1." (0x86) in column 2 and "5" (0x6D) in column 3; row 4 lights neither.
  ASSERT_EQ(ventrix_7Segment_Display(session_, "1.5", 3), API_OK);
  EXPECT_EQ(TakeJournal(), (Reports{Special({0x15, 0, 0x08}), Special({0x15, 1, 0x04}), Special({0x15, 2, 0x0C}),
                                    Special({0x15, 3, 0x08}), Special({0x15, 5, 0x08}), Special({0x15, 6, 0x08}),
                                    Special({0x15, 7, 0x04})}));
  ASSERT_EQ(ventrix_7Segment_Display(session_, "1.5", 3), API_OK);
  EXPECT_TRUE(TakeJournal().empty());
  ASSERT_EQ(ventrix_LED_Test(session_, 1), API_ERR_NOT_ENABLED);  // the LEDs were never enabled
}

TEST_F(OutputsTest, DataLinesFromOneTo32) {
  Start(kAllOutputs);
  ASSERT_EQ(ventrix_Dataline_Enable(session_, 1), API_OK);
  EXPECT_TRUE(TakeJournal().empty());
  ASSERT_EQ(ventrix_Dataline_Set(session_, 9, 1), API_OK);
  ASSERT_EQ(ventrix_Dataline_Set(session_, 9, 1), API_OK);
  ASSERT_EQ(ventrix_Dataline_Set(session_, 32, 1), API_OK);
  for (int32_t line : {0, -1, 33, INT32_MIN}) EXPECT_EQ(ventrix_Dataline_Set(session_, line, 1), API_ERR_DEVICE_IO);
  ASSERT_EQ(ventrix_Dataline_Set(session_, 9, 0), API_OK);
  EXPECT_EQ(TakeJournal(), (Reports{Special({0xFF}), ReportBytes{0, 0xFF, 0xFE, 0xFF, 0xFF},
                                    ReportBytes{0, 0xFF, 0xFE, 0xFF, 0x7F}, ReportBytes{0, 0xFF, 0xFF, 0xFF, 0x7F}}));
}

TEST_F(OutputsTest, BrightnessEnableSetAndDisable) {
  Start(kAllOutputs);
  ASSERT_EQ(ventrix_Brightness_Enable(session_, 1), API_OK);
  EXPECT_EQ(TakeJournal(), (Reports{Special({0x01, 1}), Special({0x02, 0xC3, 0x06, 0xA5, 0x5A}),
                                    Special({0x02, 0xC3, 0xC0, 0, 0x0F}), Special({0x02, 0xC3, 0xC0, 12, 2}),
                                    Special({0x02, 0xC3, 0xC0, 13, 0})}));
  ASSERT_EQ(ventrix_Brightness_Set(session_, 255), API_OK);
  EXPECT_EQ(TakeJournal(), Reports{Special({0x02, 0xC3, 0xC0, 2, 0xFF})});
  EXPECT_EQ(Iic().BrightnessRegister(board_, 2), 255);

  ASSERT_EQ(ventrix_Brightness_Enable(session_, 0), API_OK);
  EXPECT_EQ(TakeJournal(), (Reports{Special({0x02, 0xC3, 0x06, 0xA5, 0x5A}), Special({0x01, 0})}));
  EXPECT_EQ(ventrix_Brightness_Set(session_, 1), API_ERR_NOT_ENABLED);

  // A driver that does not answer is not kept, and the bus is left as found.
  Iic().SetIicNack(board_, 0xC0, 1);
  EXPECT_EQ(ventrix_Brightness_Enable(session_, 1), API_ERR_DEVICE_IO);
  EXPECT_EQ(ventrix_Brightness_Set(session_, 1), API_ERR_NOT_ENABLED);
  EXPECT_EQ(Sim().IicModeOn(board_), 0);
  Iic().SetIicNack(board_, 0xC0, 0);
  EXPECT_EQ(ventrix_Brightness_Enable(session_, 1), API_OK);
}

TEST_F(OutputsTest, ServosThroughTheirAcknowledgedWrites) {
  Start(kAllOutputs);
  ASSERT_EQ(ventrix_Servo_Enable(session_, 1), API_OK);
  ASSERT_EQ(ventrix_Servo_Set_Position(session_, 1, 3, 128), API_OK);
  EXPECT_EQ(TakeJournal(), (Reports{Special({0x01, 1}), Special({0x02, 0xC3, 0x30, 3, 128})}));
  EXPECT_EQ(Iic().ServoPosition(board_, 1, 3), 128);
  EXPECT_EQ(ventrix_Servo_Set_Position(session_, 1, 8, 0), API_ERR_DEVICE_IO);
  EXPECT_EQ(ventrix_Servo_Set_Position(session_, 9, 0, 0), API_ERR_DEVICE_IO);
  EXPECT_EQ(ventrix_Servo_Set_Position(session_, 1, 0, 256), API_ERR_DEVICE_IO);
  EXPECT_EQ(ventrix_Servo_Set_Center(session_, 1, 0, 127), API_OK);
  EXPECT_EQ(ventrix_Servo_Set_Center(session_, 1, 0, 128), API_ERR_DEVICE_IO);
  EXPECT_TRUE(TakeJournal().empty());
  Iic().SetIicNack(board_, 0x30, 1);
  EXPECT_EQ(ventrix_Servo_Set_Position(session_, 1, 3, 5), API_ERR_DEVICE_IO);
  TakeJournal();
  ASSERT_EQ(ventrix_Servo_Enable(session_, 0), API_OK);
  EXPECT_EQ(TakeJournal(), Reports{Special({0x01, 0})});
}

TEST_F(OutputsTest, SingleAnalogInputWinsOverTheBank) {
  Start(kAllOutputs | BOARD_CAP_ANALOG | BOARD_CAP_ANALOG_BANK);
  Iic().SetAnalogReading(board_, 0x1F, 0xFF);
  ASSERT_EQ(ventrix_Analog_Enable(session_, 1), API_OK);
  EXPECT_EQ(TakeJournal(), Reports{Special({0x01, 1})});
  int32_t value = -1;
  ASSERT_EQ(ventrix_Analog_GetValue(session_, 0, &value), API_OK);
  EXPECT_EQ(value, 4095);
  EXPECT_EQ(TakeJournal(), (Reports{Special({0x02, 0xC2, 0xA8, 0}), Special({0x03, 2, 0xA9})}));
  uint8_t buffer[16];
  EXPECT_EQ(ventrix_Analog_GetValues(session_, buffer, 16), API_ERR_NOT_ENABLED);
  Iic().SetIicNack(board_, 0xA8, 1);
  value = -1;
  EXPECT_EQ(ventrix_Analog_GetValue(session_, 0, &value), API_ERR_DEVICE_IO);
  EXPECT_EQ(value, -1);
  ASSERT_EQ(ventrix_Analog_Enable(session_, 0), API_OK);
  TakeJournal();
  EXPECT_EQ(ventrix_Analog_GetValue(session_, 0, &value), API_ERR_NOT_ENABLED);
}

TEST_F(OutputsTest, AnalogBankFillsSixteenBytes) {
  Start(kAllOutputs | BOARD_CAP_ANALOG_BANK);
  const std::vector<uint8_t> first = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, second = {21, 22, 23, 24};
  Iic().SetBankReadings(board_, 0xCA, first.data(), 12);
  Iic().SetBankReadings(board_, 0xC8, second.data(), 4);
  ASSERT_EQ(ventrix_Analog_Enable(session_, 1), API_OK);
  EXPECT_EQ(TakeJournal(), (Reports{Special({0x01, 1}), Special({0x02, 0xC2, 0xCA, 23}),
                                    Special({0x02, 0xC2, 0xC8, 7})}));
  std::array<uint8_t, 16> buffer{};
  EXPECT_EQ(ventrix_Analog_GetValues(session_, buffer.data(), 15), API_ERR_BUFFER_TOO_SMALL);
  ASSERT_EQ(ventrix_Analog_GetValues(session_, buffer.data(), 16), API_OK);
  EXPECT_EQ(buffer, (std::array<uint8_t, 16>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 21, 22, 23, 24}));
  EXPECT_EQ(TakeJournal(), (Reports{Special({0x03, 12, 0xCB}), Special({0x03, 4, 0xC9})}));
  Iic().SetIicNack(board_, 0xC8, 1);
  EXPECT_EQ(ventrix_Analog_GetValues(session_, buffer.data(), 16), API_ERR_DEVICE_IO);
  int32_t value = -1;
  EXPECT_EQ(ventrix_Analog_GetValue(session_, 0, &value), API_ERR_NOT_ENABLED);
}

TEST_F(OutputsTest, BoardInfoOfAnUnreadableMemoryIsAFailure) {
  board_ = AddBoard(0x03E8, kOutputsSerial);
  Iic().SetIicNack(board_, 0xA0, 1);
  Open();
  session_ = Bind(DeviceName(0x03E8, kOutputsSerial));
  BoardInfo info{};
  EXPECT_EQ(ventrix_GetBoardInfo(session_, &info), API_ERR_DEVICE_IO);
  Iic().SetIicNack(board_, 0xA0, 0);
  EXPECT_EQ(ventrix_GetBoardInfo(session_, &info), API_OK);
  EXPECT_STREQ(info.model, "FFFF");
}

}  // namespace
}  // namespace dlltest
