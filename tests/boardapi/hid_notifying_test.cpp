// Notifying mode: the hidden window refreshes on changed device nodes and announces arrivals and removals.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/boardapi/fixtures/sim_layer_fixture.h"

namespace {

struct Announcement {
  uint32_t event;
  HidDeviceHandle device;
};

class HidNotifying : public SimLayerTest {
 protected:
  static void Record(uint32_t event, HidDeviceHandle device, uintptr_t user) {
    reinterpret_cast<HidNotifying*>(user)->announced.push_back({event, device});
  }

  // Runs the window's messages until an enumeration has been announced.
  bool PumpUntilEnumerated() {
    const ULONGLONG deadline = GetTickCount64() + 3000;
    while (GetTickCount64() < deadline) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      if (!announced.empty() && announced.back().event == HID_EVENT_ENUMERATED) return true;
      Sleep(5);
    }
    return false;
  }

  static int TakeReport(int pipe, HidDeviceHandle, const uint8_t* report, int length, uintptr_t user) {
    if (pipe == 1) reinterpret_cast<HidNotifying*>(user)->taken.assign(report, report + length);
    return 1;
  }

  std::vector<Announcement> announced;
  std::vector<uint8_t> taken;
};

TEST_F(HidNotifying, AnnouncesArrivalThenRemovalAfterTheNodesChanged) {
  const int board = AddBoards(1);
  ASSERT_EQ(HidLayer_OpenNotifying(Record, reinterpret_cast<uintptr_t>(this)), 0u);
  EXPECT_EQ(HidLayer_Open(), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_ASSIGNED));
  ASSERT_TRUE(PumpUntilEnumerated());
  ASSERT_EQ(announced.size(), 2u);
  EXPECT_EQ(announced[0].event, HID_EVENT_OPENED);
  HidDeviceHandle device = announced[0].device;
  EXPECT_TRUE(HidLayer_IsAlive(device));
  EXPECT_EQ(HidLayer_TotalCount(), 1);

  hidsim::InjectInput(board, 1, {0x42});
  ASSERT_TRUE(hidsim::WaitInputTaken(board, 1, 2000));
  EXPECT_EQ(HidLayer_PendingCount(device, 1), 1);
  EXPECT_EQ(HidLayer_Flush(device, 1), 1);
  EXPECT_EQ(HidLayer_PendingCount(device, 1), 0);

  // A claimed device's reports go to its pipe's report callback, run by the window; taken reports skip the ring.
  ASSERT_TRUE(HidLayer_Claim(device, true, 2));
  ASSERT_TRUE(HidLayer_SetPipeCallback(device, 1, TakeReport, reinterpret_cast<uintptr_t>(this)));
  hidsim::InjectInput(board, 1, {0x43});
  const ULONGLONG deadline = GetTickCount64() + 3000;
  while (taken.empty() && GetTickCount64() < deadline) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(5);
  }
  EXPECT_EQ(taken, (std::vector<uint8_t>{0x43, 0, 0, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(hidsim::WaitInputTaken(board, 1, 2000));
  EXPECT_EQ(HidLayer_PendingCount(device, 1), 0);
  HidLayer_Claim(device, false, 2);

  announced.clear();
  hidsim::Unplug(board);
  PostMessageA(FindWindowA("RuvEda2WndClass", "RuvEda2ThreadMessageWindow"), WM_DEVICECHANGE, 7, 0);
  ASSERT_TRUE(PumpUntilEnumerated());
  ASSERT_EQ(announced.size(), 2u);
  EXPECT_EQ(announced[0].event, HID_EVENT_VANISHED);
  EXPECT_EQ(announced[0].device, device);
  EXPECT_EQ(HidLayer_TotalCount(), 0);
  EXPECT_FALSE(HidLayer_IsPresent(device));  // nobody claimed it: the record is gone
}

}  // namespace
