// Finding boards: which HID interfaces make a board, how its two interfaces become its pipes, its serial.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <set>

#include "tests/boardapi/fixtures/sim_layer_fixture.h"

namespace {

using HidEnumeration = SimLayerTest;

TEST_F(HidEnumeration, FiveByteInterfaceIsPipeZeroWhateverTheOrder) {
  for (bool pipe1First : {false, true}) {
    SCOPED_TRACE(pipe1First ? "8-byte interface listed first" : "5-byte interface listed first");
    hidsim::Reset();
    hidsim::BoardConfig config = BoardOf(0x03EA, L"0000ABCD");
    config.pipe1First = pipe1First;
    const int board = hidsim::AddBoard(config);
    HidDeviceHandle device = OpenLayer();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(HidLayer_ProductId(device), 0x03EA);
    EXPECT_EQ(SerialOf(device), L"0000ABCD");

    const uint8_t port[5] = {0, 0x12, 0x34, 0x56, 0x78};
    EXPECT_EQ(HidLayer_Write(device, 0, port, 5), 5);
    EXPECT_EQ(Exchange(device, {0xFF}), (std::vector<uint8_t>{0xFF, 0x12, 0x34, 0x56, 0x78, 0, 0, 0}));
    const auto journal = hidsim::Journal(board);
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[0].pipe, 0);
    EXPECT_EQ(journal[1].pipe, 1);
    HidLayer_Close();
  }
}

TEST_F(HidEnumeration, KeepsOnlyBoardsOfAcceptedVendorsAndProductsWithBothInterfaces) {
  struct Case {
    const char* name;
    uint16_t vendor;
    uint16_t product;
    int interfaces;
    bool kept;
  };
  const Case cases[] = {
      {"1FD1/03E8", 0x1FD1, 0x03E8, 2, true},  {"07C0/03EA", 0x07C0, 0x03EA, 2, true},
      {"1FD1/1583", 0x1FD1, 0x1583, 2, true},  {"other vendor", 0x046D, 0x03E8, 2, false},
      {"other product", 0x1FD1, 0x03E9, 2, false}, {"one interface", 0x1FD1, 0x03E8, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    hidsim::Reset();
    hidsim::BoardConfig config = BoardOf(c.product, L"00000001");
    config.vendorId = c.vendor;
    config.interfaceCount = c.interfaces;
    const int board = hidsim::AddBoard(config);
    EXPECT_EQ(OpenLayer() != nullptr, c.kept);
    EXPECT_EQ(HidLayer_Count(), c.kept ? 1 : 0);
    // A dropped board leaves nothing open on it.
    EXPECT_EQ(hidsim::OpenHandleCount(board), c.kept ? 4 : 0);
    HidLayer_Close();
    EXPECT_EQ(hidsim::OpenHandleCount(board), 0);
  }
}

TEST_F(HidEnumeration, TableHoldsThirtyTwoOfThirtyThreeBoards) {
  AddBoards(33);
  ASSERT_NE(OpenLayer(), nullptr);
  EXPECT_EQ(HidLayer_Count(), 32);
  EXPECT_EQ(HidLayer_Device(33), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  // The 33rd board is opened all the same, but nobody claimed it: it cannot be written.
  EXPECT_EQ(hidsim::OpenHandleCount(32), 4);
  const std::vector<HidDeviceHandle> devices = Devices();
  std::set<std::wstring> serials;
  for (HidDeviceHandle device : devices) serials.insert(SerialOf(device));
  EXPECT_EQ(serials.size(), 32u);
}

TEST_F(HidEnumeration, SerialIsEmptyWhenMissingEmptyOrTheLanguageList) {
  for (hidsim::SerialKind kind :
       {hidsim::SerialKind::Missing, hidsim::SerialKind::Empty, hidsim::SerialKind::LanguageList}) {
    hidsim::Reset();
    hidsim::BoardConfig config = BoardOf(0x03E8, L"00000001");
    config.serialKind = kind;
    hidsim::AddBoard(config);
    HidDeviceHandle device = OpenLayer();
    ASSERT_NE(device, nullptr);
    wchar_t serial[9];
    std::fill(std::begin(serial), std::end(serial), L'x');
    EXPECT_FALSE(HidLayer_SerialNumber(device, serial));
    EXPECT_EQ(std::wstring(serial, serial + 9), std::wstring(9, L'\0'));
    HidLayer_Close();
  }
}

TEST_F(HidEnumeration, TwoOpensLeaveOneSetOfReaderThreads) {
  const int board = AddBoards(1);
  auto threadCount = [] {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
      count += entry.th32OwnerProcessID == GetCurrentProcessId();
    }
    CloseHandle(snapshot);
    return count;
  };
  const int before = threadCount();
  ASSERT_NE(OpenLayer(), nullptr);
  ASSERT_NE(OpenLayer(), nullptr);
  EXPECT_EQ(threadCount(), before + 2);
  EXPECT_EQ(hidsim::OpenHandleCount(board), 4);
  HidLayer_Close();
  EXPECT_EQ(threadCount(), before);
  EXPECT_EQ(hidsim::OpenHandleCount(board), 0);
}

TEST_F(HidEnumeration, NoBoardsOpensAnEmptyTable) {
  EXPECT_EQ(OpenLayer(), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(HidLayer_Count(), 0);
}

}  // namespace
