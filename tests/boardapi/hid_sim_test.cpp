// The simulated board as the layer meets it: enumeration that behaves like SetupAPI's, and the report families
// others test their board code against.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>

#include "sim/bank/sim_bank.h"
#include "sim/hidsim_iic.h"
#include "tests/boardapi/fixtures/sim_layer_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;
using HidSim = SimLayerTest;

// An IIC device that keeps what was written to it and answers reads with 1, 2, 3, ...
class RecordingDevice : public hidsim::IicDevice {
 public:
  bool Write(const uint8_t* data, int count, bool) override {
    written.assign(data, data + count);
    return true;
  }
  bool Read(uint8_t* data, int count) override {
    for (int i = 0; i < count; ++i) data[i] = static_cast<uint8_t>(i + 1);
    return true;
  }
  Bytes written;
};

Bytes ReadReply(HidDeviceHandle device, int timeoutMs = 1000) {
  HidLayer_SetReadTimeout(device, timeoutMs);
  Bytes reply(8);
  if (HidLayer_Read(device, 1, reply.data(), 8) != 8) return {};
  return reply;
}

TEST_F(HidSim, EnumerationChecksRecordSizesAndEndsWithNoMoreItems) {
  hidsim::AddBoard(BoardOf(0x03E8, L"00000001"));
  const HidPlatform& os = hidsim::PlatformTable();
  GUID guid{};
  os.HidD_GetHidGuid(&guid);
  HDEVINFO set = os.SetupDiGetClassDevsA(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof(data) + 1;
  EXPECT_FALSE(os.SetupDiEnumDeviceInterfaces(set, nullptr, &guid, 0, &data));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_USER_BUFFER));

  DEVINST composite[2] = {};
  for (DWORD index = 0; index < 2; ++index) {
    data.cbSize = sizeof(data);
    ASSERT_TRUE(os.SetupDiEnumDeviceInterfaces(set, nullptr, &guid, index, &data));
    DWORD required = 0;
    EXPECT_FALSE(os.SetupDiGetDeviceInterfaceDetailA(set, &data, nullptr, 0, &required, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    std::vector<char> buffer(required);
    auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(buffer.data());
    detail->cbSize = 5;  // the 32-bit record size: wrong in a 64-bit process
    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof(info);
    EXPECT_FALSE(os.SetupDiGetDeviceInterfaceDetailA(set, &data, detail, required, nullptr, &info));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_USER_BUFFER));
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    ASSERT_TRUE(os.SetupDiGetDeviceInterfaceDetailA(set, &data, detail, required, nullptr, &info));
    EXPECT_EQ(std::string(detail->DevicePath).rfind("\\\\?\\hid#vid_1fd1&pid_03e8", 0), 0u);
    DEVINST parent = 0;
    ASSERT_EQ(os.CM_Get_Parent(&parent, info.DevInst, 0), static_cast<CONFIGRET>(CR_SUCCESS));
    ASSERT_EQ(os.CM_Get_Parent(&composite[index], parent, 0), static_cast<CONFIGRET>(CR_SUCCESS));
  }
  EXPECT_EQ(composite[0], composite[1]);
  EXPECT_FALSE(os.SetupDiEnumDeviceInterfaces(set, nullptr, &guid, 2, &data));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
  EXPECT_TRUE(os.SetupDiDestroyDeviceInfoList(set));
}

TEST_F(HidSim, IicWritesAreAcknowledgedAndReadsComeInRepliesOfSixBytes) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  auto memory = std::make_shared<RecordingDevice>();
  hidsim::AttachIicDevice(board, 0xA0, memory);

  EXPECT_EQ(Exchange(device, {0x01, 1}), Bytes{});  // the mode report has no reply
  EXPECT_TRUE(hidsim::IicModeOn(board));
  EXPECT_EQ(Exchange(device, {0x02, 0xC3, 0xA0, 0x10, 0x55}), (Bytes{0x02, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(memory->written, (Bytes{0x10, 0x55}));
  EXPECT_EQ(Exchange(device, {0x02, 0xC2, 0xB0, 0x00}), (Bytes{0x02, 0x80, 0, 0, 0, 0, 0, 0}));  // nobody there
  hidsim::SetIicNack(board, 0xA0, true);
  EXPECT_EQ(Exchange(device, {0x02, 0xC2, 0xA0, 0x00}).at(1), 0x80);
  hidsim::SetIicNack(board, 0xA0, false);

  EXPECT_EQ(Exchange(device, {0x03, 8, 0xA1}), (Bytes{0x03, 6, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(ReadReply(device), (Bytes{0x03, 2, 7, 8, 0, 0, 0, 0}));
  EXPECT_EQ(hidsim::ProtocolViolations(board), 0);
}

TEST_F(HidSim, IicTrafficWhileIicModeIsOffIsAnsweredAndCountedAsViolation) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  hidsim::AttachIicDevice(board, 0xA0, std::make_shared<RecordingDevice>());
  EXPECT_EQ(Exchange(device, {0x02, 0xC2, 0xA0, 0x00}).at(0), 0x02);
  EXPECT_EQ(Exchange(device, {0x03, 1, 0xA1}), (Bytes{0x03, 1, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(hidsim::ProtocolViolations(board), 2);
  const auto journal = hidsim::Journal(board);
  ASSERT_EQ(journal.size(), 2u);
  EXPECT_TRUE(journal[0].protocolViolation);
}

TEST_F(HidSim, LedMatrixKeepsRowsAndAnswersNothing) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  const uint8_t on[8] = {0x14, 1};
  const uint8_t row[8] = {0x15, 3, 0x01, 0x80, 0xFF, 0x10};
  EXPECT_EQ(HidLayer_Write(device, 1, on, 8), 8);
  EXPECT_EQ(HidLayer_Write(device, 1, row, 8), 8);
  EXPECT_TRUE(hidsim::LedMatrixOn(board));
  EXPECT_EQ(hidsim::LedRow(board, 3), (std::array<uint8_t, 4>{0x01, 0x80, 0xFF, 0x10}));
  EXPECT_EQ(ReadReply(device, 100), Bytes{});
}

TEST_F(HidSim, KeyMatrixRequestIsAnsweredWithOneReadingInTheConfiguredOrder) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  hidsim::SetSwitchWords(board, {0x1101, 0x1202, 0x1303, 0x1404, 0x1505, 0x1606, 0x1707, 0x1808});
  const uint8_t mode[8] = {0x18, 2};
  EXPECT_EQ(HidLayer_Write(device, 1, mode, 8), 8);
  EXPECT_EQ(hidsim::KeyMatrixMode(board), 2);
  EXPECT_EQ(Exchange(device, {0x19}), (Bytes{0x1A, 0x05, 0x06, 0x07, 0x08, 0, 0, 0}));
  EXPECT_EQ(ReadReply(device), (Bytes{0x1B, 0x11, 0x12, 0x13, 0x14, 0, 0, 0}));
  EXPECT_EQ(ReadReply(device), (Bytes{0x1C, 0x15, 0x16, 0x17, 0x18, 0, 0, 0}));
  EXPECT_EQ(ReadReply(device), (Bytes{0x19, 0x01, 0x02, 0x03, 0x04, 0, 0, 0}));

  hidsim::SetKeyMatrixReplyOrder(board, {0x19, 0x1A});
  EXPECT_EQ(Exchange(device, {0x19}).at(0), 0x19);
  EXPECT_EQ(ReadReply(device).at(0), 0x1A);
  EXPECT_EQ(ReadReply(device, 100), Bytes{});
}

TEST(HidSimEnvironment, BoardTextCarriesEveryOption) {
  std::vector<hidsim::BoardConfig> boards(4);
  boards[0].serial = L"00000042";
  boards[1].vendorId = 0x07C0;
  boards[1].productId = 0x1583;
  boards[1].pipe1First = true;
  boards[1].serialKind = hidsim::SerialKind::LanguageList;
  boards[2].interfaceCount = 1;
  boards[2].serialKind = hidsim::SerialKind::Missing;
  boards[3].serialKind = hidsim::SerialKind::Empty;
  boards[0].model = 0x330A;  // with no flags
  boards[1].model = 0x3302;  // after flags
  const std::vector<hidsim::BoardConfig> parsed = hidsim::ParseBoards(hidsim::EnvironmentText(boards));
  ASSERT_EQ(parsed.size(), boards.size());
  for (size_t i = 0; i < boards.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(parsed[i].vendorId, boards[i].vendorId);
    EXPECT_EQ(parsed[i].productId, boards[i].productId);
    EXPECT_EQ(parsed[i].serial, boards[i].serial);
    EXPECT_EQ(parsed[i].serialKind, boards[i].serialKind);
    EXPECT_EQ(parsed[i].interfaceCount, boards[i].interfaceCount);
    EXPECT_EQ(parsed[i].pipe1First, boards[i].pipe1First);
    EXPECT_EQ(parsed[i].model, boards[i].model);
  }
  // A board described with a model holds it in its configuration memory with the ranges of a full board
  // (switches 1-128 here), the rest unprogrammed.
  const int board = hidsim::AddBoard(parsed[0]);
  const hidsim::MemoryImage memory = hidsim::Memory(board);
  EXPECT_EQ(memory[128], 0x33);
  EXPECT_EQ(memory[129], 0x0A);
  EXPECT_EQ(memory[105], 1);
  EXPECT_EQ(memory[106], 128);
  EXPECT_EQ(memory[127], 0xFF);
  hidsim::Reset();
}

}  // namespace
