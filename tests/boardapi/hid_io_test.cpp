// Report writes and reads through the layer: failures of a vanished or stalled board, bounded waits, the
// close ending a wait, and writers on several threads. Times measured here are only ever lower bounds (a wait
// that ended before its time-out); how long something may take is never asserted.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <thread>

#include "tests/boardapi/fixtures/sim_layer_fixture.h"

namespace {

using HidIo = SimLayerTest;

struct Outcome {
  int result;
  DWORD error;
  ULONGLONG elapsedMs;
};

template <typename Call>
Outcome Timed(Call&& call) {
  const ULONGLONG start = GetTickCount64();
  const int result = call();
  const DWORD error = GetLastError();
  return {result, error, GetTickCount64() - start};
}

const uint8_t kStatusRequest[8] = {0xFF};

TEST_F(HidIo, UnpluggedBoardFailsWritesWith87AndReadsWith1460AndStaysListed) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  hidsim::Unplug(board);

  const Outcome write = Timed([&] { return HidLayer_Write(device, 1, kStatusRequest, 8); });
  EXPECT_EQ(write.result, 0);
  EXPECT_EQ(write.error, static_cast<DWORD>(ERROR_INVALID_PARAMETER));

  HidLayer_SetReadTimeout(device, 300);
  uint8_t reply[8];
  const Outcome read = Timed([&] { return HidLayer_Read(device, 1, reply, 8); });
  EXPECT_EQ(read.result, 0);
  EXPECT_EQ(read.error, static_cast<DWORD>(ERROR_TIMEOUT));
  // Polling mode keeps the record until the layer closes.
  EXPECT_TRUE(HidLayer_IsPresent(device));
}

TEST_F(HidIo, StalledWriteEndsAfterTheDefaultTimeOutWith1460) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(HidLayer_WriteTimeout(device), kHidDefaultWriteTimeoutMs);
  hidsim::SetStallWrites(board, true);
  const Outcome write = Timed([&] { return HidLayer_Write(device, 1, kStatusRequest, 8); });
  EXPECT_EQ(write.result, 0);
  EXPECT_EQ(write.error, static_cast<DWORD>(ERROR_TIMEOUT));
  EXPECT_GE(write.elapsedMs, 900u);
  // The cancelled write left nothing behind: the board takes the next one.
  hidsim::SetStallWrites(board, false);
  EXPECT_EQ(Exchange(device, {0xFF}).at(0), 0xFF);
}

TEST_F(HidIo, ConcurrentWritersEachGetTheirOwnResult) {
  AddBoards(1);
  const int stalled = hidsim::AddBoard(BoardOf(0x03E8, L"STALLED1"));
  ASSERT_NE(OpenLayer(), nullptr);
  HidDeviceHandle healthy = nullptr;
  HidDeviceHandle stuck = nullptr;
  for (HidDeviceHandle device : Devices()) (SerialOf(device) == L"STALLED1" ? stuck : healthy) = device;
  ASSERT_TRUE(healthy && stuck);
  hidsim::SetStallWrites(stalled, true);
  HidLayer_SetWriteTimeout(stuck, -1);

  // One writer waits for a write that the system later fails, while another thread's writes succeed;
  // neither result may reach the other writer.
  std::atomic<bool> stuckDone{false};
  std::atomic<int> healthyWrites{0};
  auto stuckWriter = std::async(std::launch::async, [&] {
    const Outcome outcome = Timed([&] { return HidLayer_Write(stuck, 1, kStatusRequest, 8); });
    stuckDone = true;
    return outcome;
  });
  auto healthyWriter = std::async(std::launch::async, [&] {
    int failures = 0;
    for (; !stuckDone; ++healthyWrites) failures += HidLayer_Write(healthy, 0, kStatusRequest, 5) != 5;
    return failures;
  });
  // The board goes once it holds the stuck write and the other writer got writes through meanwhile.
  const bool stuckPending = hidsim::WaitWritePending(stalled, 10000);
  const int writesBefore = healthyWrites;
  const bool othersWent = WaitUntil([&] { return healthyWrites >= writesBefore + 2; });
  hidsim::Unplug(stalled);
  const Outcome outcome = stuckWriter.get();
  const int failures = healthyWriter.get();
  ASSERT_TRUE(stuckPending);
  EXPECT_TRUE(othersWent);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_EQ(outcome.error, static_cast<DWORD>(ERROR_DEVICE_NOT_CONNECTED));
  EXPECT_EQ(failures, 0);
}

TEST_F(HidIo, CloseEndsAReadWithoutTimeOut) {
  AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  HidLayer_SetReadTimeout(device, -1);
  auto reader = std::async(std::launch::async, [&] {
    uint8_t report[8];
    return Timed([&] { return HidLayer_Read(device, 1, report, 8); });
  });
  EXPECT_TRUE(WaitUntil([] { return HidLayer_CallersInside() == 1; }));
  HidLayer_Close();
  ASSERT_EQ(reader.wait_for(std::chrono::seconds(20)), std::future_status::ready);
  const Outcome read = reader.get();
  EXPECT_EQ(read.result, 0);
  EXPECT_EQ(read.error, static_cast<DWORD>(ERROR_TIMEOUT));
}

TEST_F(HidIo, SilentBoardTimesOutAtTheReadTimeOut) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  hidsim::SetSilent(board, true);
  EXPECT_EQ(HidLayer_Write(device, 1, kStatusRequest, 8), 8);
  HidLayer_SetReadTimeout(device, 200);
  uint8_t reply[8];
  const Outcome read = Timed([&] { return HidLayer_Read(device, 1, reply, 8); });
  EXPECT_EQ(read.result, 0);
  EXPECT_EQ(read.error, static_cast<DWORD>(ERROR_TIMEOUT));
  EXPECT_GE(read.elapsedMs, 150u);
  EXPECT_EQ(hidsim::Journal(board).size(), 1u);
}

TEST_F(HidIo, ReadersQueuedOnOnePipeTakeTurnsAndHoldUpNoWriter) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  HidLayer_SetReadTimeout(device, -1);
  auto read = [&] {
    uint8_t report[8] = {};
    return HidLayer_Read(device, 1, report, 8) == 8 ? report[1] : -1;
  };
  // The second reader waits for the first one's turn; neither may hold up a writer, and each gets a report.
  auto first = std::async(std::launch::async, read);
  auto second = std::async(std::launch::async, read);
  EXPECT_TRUE(WaitUntil([] { return HidLayer_CallersInside() == 2; }));
  EXPECT_EQ(HidLayer_Write(device, 0, kStatusRequest, 5), 5);
  hidsim::InjectInput(board, 1, {0x42, 1});
  hidsim::InjectInput(board, 1, {0x42, 2});
  const bool firstDone = first.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  const bool secondDone = second.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  HidLayer_Close();  // ends a reader left waiting, so a failure cannot hang here
  EXPECT_TRUE(firstDone && secondDone);
  const int a = first.get();
  const int b = second.get();
  EXPECT_EQ(std::min(a, b), 1);
  EXPECT_EQ(std::max(a, b), 2);
}

TEST_F(HidIo, RingKeepsTheNewest128ReportsAndPopsTheOldestOfThem) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  for (int i = 0; i < 200; ++i) hidsim::InjectInput(board, 0, {0, static_cast<uint8_t>(i), 0, 0, 0});
  ASSERT_TRUE(hidsim::WaitInputTaken(board, 0, 2000));
  HidLayer_SetReadTimeout(device, 0);
  for (int expected = 72; expected < 200; ++expected) {
    uint8_t report[5] = {};
    ASSERT_EQ(HidLayer_Read(device, 0, report, 5), 5) << expected;
    ASSERT_EQ(report[1], expected);
  }
  uint8_t report[5];
  EXPECT_EQ(HidLayer_Read(device, 0, report, 5), 0);
}

TEST_F(HidIo, ImmediateReadAnswersThePortsFromAStatusReply) {
  const int board = AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  hidsim::SetPorts(board, {0x01, 0x02, 0x03, 0x04});
  uint32_t ports = 0;
  EXPECT_TRUE(HidLayer_ReadPortValue(device, &ports));
  EXPECT_EQ(ports, 0x04030201u);
  hidsim::SetSilent(board, true);
  HidLayer_SetReadTimeout(device, 100);
  uint8_t answer[64];
  EXPECT_EQ(HidLayer_ReadImmediate(device, answer), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_READ_FAULT));
  EXPECT_EQ(answer[1], 0x01);  // the last answer stays the device's last report
}

TEST_F(HidIo, BadArgumentsAreInvalidParameter) {
  AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  uint8_t buffer[8] = {};
  auto unknown = reinterpret_cast<HidDeviceHandle>(buffer);
  struct Case {
    const char* name;
    int result;
  };
  const Case cases[] = {
      {"write, unknown device", HidLayer_WriteReport(unknown, 1, buffer, 1)},
      {"write, pipe 2", HidLayer_WriteReport(device, 2, buffer, 1)},
      {"write, no buffer", HidLayer_WriteReport(device, 1, nullptr, 1)},
      {"write, notifying mode", HidLayer_WriteReport(device, 1, buffer, 2)},
      {"read, unknown device", HidLayer_ReadReport(unknown, 1, buffer, 1, true)},
      {"read, pipe -1", HidLayer_ReadReport(device, -1, buffer, 1, true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetLastError(0);
    EXPECT_EQ(c.result, 0);
  }
  SetLastError(0);
  EXPECT_EQ(HidLayer_ReadReport(device, 1, nullptr, 1, true), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(HidLayer_ReadNonBlocking(unknown, 0, buffer), -1);
}

}  // namespace

// The copy of a pipe's input event that the key-matrix reader waits on between its reads: set when a report is
// filed, still a valid handle after the layer closed, and none for a pipe or handle the layer refuses.
TEST_F(HidIo, InputEventCopyStaysSetForAReportAnotherReadTookUntilOneWaitEndsOnIt) {
  AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  HANDLE arrival = HidLayer_DuplicateInputEvent(device, 1);
  ASSERT_NE(arrival, nullptr);
  // The reply is filed and read before anyone waits on the copy: the read does not take the news away.
  ASSERT_EQ(Exchange(device, {0xFF}).size(), 8u);
  EXPECT_EQ(WaitForSingleObject(arrival, 0), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(arrival, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_TRUE(CloseHandle(arrival));
}

TEST_F(HidIo, InputEventCopyIsSetWhenAReportArrivesAndOutlivesTheLayer) {
  AddBoards(1);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(HidLayer_DuplicateInputEvent(device, -1), nullptr);
  EXPECT_EQ(HidLayer_DuplicateInputEvent(nullptr, 1), nullptr);
  HANDLE arrival = HidLayer_DuplicateInputEvent(device, 1);
  ASSERT_NE(arrival, nullptr);

  ASSERT_EQ(HidLayer_Write(device, 1, kStatusRequest, 8), 8);
  EXPECT_EQ(WaitForSingleObject(arrival, 10000), WAIT_OBJECT_0);

  HidLayer_Close();
  EXPECT_NE(WaitForSingleObject(arrival, 0), WAIT_FAILED);
  EXPECT_TRUE(CloseHandle(arrival));
}
