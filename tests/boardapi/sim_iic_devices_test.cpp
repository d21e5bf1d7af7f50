// The simulated board's IIC devices, spoken to through the USB layer: what the other tests rely on.
#include <gtest/gtest.h>

#include <vector>

#include "sim/hidsim_iic.h"
#include "tests/boardapi/fixtures/sim_layer_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

class SimIicDevicesTest : public SimLayerTest {
 protected:
  void SetUp() override {
    board_ = AddBoards(1);
    device_ = OpenLayer();
    ASSERT_NE(device_, nullptr);
    Send({0x01, 1});
  }
  void Send(Bytes report) {
    report.resize(8);
    ASSERT_EQ(HidLayer_Write(device_, 1, report.data(), 8), 8);
  }
  Bytes Reply() {
    HidLayer_SetReadTimeout(device_, 1000);
    Bytes reply(8);
    return HidLayer_Read(device_, 1, reply.data(), 8) == 8 ? reply : Bytes{};
  }
  int board_ = -1;
  HidDeviceHandle device_ = nullptr;
};

TEST_F(SimIicDevicesTest, MemoryIsBlankUntilProgrammedAndReadsFromTheAddressSet) {
  EXPECT_EQ(Exchange(device_, {0x02, 0x82, 0xA0, 200}), (Bytes{0x02, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Exchange(device_, {0x03, 2, 0xA1}), (Bytes{0x03, 2, 0xFF, 0xFF, 0, 0, 0, 0}));

  hidsim::MemoryImage image = hidsim::BlankMemory();
  image[128] = 0x33;
  image[129] = 0x1A;
  hidsim::SetMemory(board_, image);
  EXPECT_EQ(Exchange(device_, {0x02, 0x82, 0xA0, 128}), (Bytes{0x02, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Exchange(device_, {0x03, 2, 0xA1}), (Bytes{0x03, 2, 0x33, 0x1A, 0, 0, 0, 0}));

  EXPECT_EQ(Exchange(device_, {0x02, 0xC4, 0xA0, 10, 0x55, 0x66}), (Bytes{0x02, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(hidsim::Memory(board_)[10], 0x55);
  EXPECT_EQ(hidsim::Memory(board_)[11], 0x66);
  // Only memory device 1 is fitted until a test programs another.
  EXPECT_EQ(Exchange(device_, {0x02, 0x82, 0xA2, 0}), (Bytes{0x02, 0x80, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SimIicDevicesTest, RefusedAddressesAnswerWithTheErrorBit) {
  hidsim::SetIicNack(board_, 0xA0, true);
  EXPECT_EQ(Exchange(device_, {0x02, 0x82, 0xA0, 0}), (Bytes{0x02, 0x80, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Exchange(device_, {0x03, 1, 0xA1}), (Bytes{0x03, 0x80, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SimIicDevicesTest, ConvertersAnswerTheirReadingsInChunksOfSix) {
  hidsim::SetBankReadings(board_, 0xCA, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  Send({0x03, 12, 0xCB});
  EXPECT_EQ(Reply(), (Bytes{0x03, 6, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Reply(), (Bytes{0x03, 6, 7, 8, 9, 10, 11, 12}));
  hidsim::SetAnalogReading(board_, 0x1F, 0xFF);
  EXPECT_EQ(Exchange(device_, {0x03, 2, 0xA9}), (Bytes{0x03, 2, 0x1F, 0xFF, 0, 0, 0, 0}));
}

TEST_F(SimIicDevicesTest, ServosKeepPositionsAndTheResetAddressClearsTheBrightnessDriver) {
  EXPECT_EQ(Exchange(device_, {0x02, 0xC3, 0x3E, 5, 99}), (Bytes{0x02, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(hidsim::ServoPosition(board_, 8, 5), 99);
  EXPECT_EQ(hidsim::ServoPosition(board_, 1, 5), -1);
  Exchange(device_, {0x02, 0xC3, 0xC0, 2, 0x80});
  EXPECT_EQ(hidsim::BrightnessRegister(board_, 2), 0x80);
  Exchange(device_, {0x02, 0xC3, 0x06, 0xA5, 0x5A});
  EXPECT_EQ(hidsim::BrightnessRegister(board_, 2), 0);
  EXPECT_EQ(hidsim::BrightnessResets(board_), 1);
}

}  // namespace
