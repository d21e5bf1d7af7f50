#include <windows.h>

#include <dbt.h>

#include <atomic>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "tests/boardapi_dll/fixtures/board_api_test.h"

namespace dlltest {
namespace {

constexpr char kWindowClass[] = "ventrixControllerChangeDetector";

std::atomic<int> arrivals{0};
std::atomic<int> removals{0};
std::atomic<int> otherCalls{0};
std::atomic<DWORD> callbackThread{0};

int32_t WINAPI CountChange(int32_t reason) {
  callbackThread = GetCurrentThreadId();
  if (reason == 2) {
    ++arrivals;
  } else if (reason == 1) {
    ++removals;
  } else {
    ++otherCalls;
  }
  return 0;
}

std::atomic<int> secondCallbackCalls{0};
int32_t WINAPI SecondCallback(int32_t) {
  ++secondCallbackCalls;
  return 0;
}

// A device-interface broadcast with a path, as the system sends it with WM_DEVICECHANGE.
struct InterfaceBroadcast {
  explicit InterfaceBroadcast(const std::string& path, DWORD deviceType = DBT_DEVTYP_DEVICEINTERFACE)
      : bytes(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) + path.size()) {
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(bytes.data());
    broadcast->dbcc_size = static_cast<DWORD>(bytes.size());
    broadcast->dbcc_devicetype = deviceType;
    std::memcpy(broadcast->dbcc_name, path.c_str(), path.size() + 1);
  }
  LPARAM Data() { return reinterpret_cast<LPARAM>(bytes.data()); }
  std::vector<char> bytes;
};

std::string BoardPath(const char* vendor, const char* product, const char* interface) {
  return std::string("\\\\?\\HID#VID_") + vendor + "&PID_" + product + "&MI_" + interface +
         "#7&2a7b1c3f&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
}

class Detector : public BoardApiTest {
 protected:
  void SetUp() override {
    BoardApiTest::SetUp();
    arrivals = removals = otherCalls = secondCallbackCalls = 0;
  }
  void TearDown() override {
    ventrix_Enable_DeviceChange_Notification_Callback(0, nullptr);
    BoardApiTest::TearDown();
  }
  static LRESULT Send(WPARAM event, InterfaceBroadcast& broadcast) {
    const HWND window = FindWindowA(kWindowClass, nullptr);
    EXPECT_NE(window, nullptr);
    return SendMessageA(window, WM_DEVICECHANGE, event, broadcast.Data());
  }
};

TEST_F(Detector, OneCallPerBoardArrivalAndRemoval) {
  ASSERT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(1, &CountChange), API_OK);
  const HWND window = FindWindowA(kWindowClass, nullptr);
  ASSERT_NE(window, nullptr);
  char title[128] = {};
  GetWindowTextA(window, title, sizeof(title));
  EXPECT_TRUE(std::regex_match(title, std::regex(R"(ventrix Controller Change Detector \([0-9A-F]{8}\))"))) << title;

  struct Case {
    WPARAM event;
    std::string path;
    int arrivals;
    int removals;
  };
  const Case cases[] = {
      {DBT_DEVICEARRIVAL, BoardPath("1FD1", "03E8", "01"), 1, 0},         // interface 1 arrives: the board
      {DBT_DEVICEARRIVAL, BoardPath("1FD1", "03E8", "00"), 0, 0},         // interface 0 arrives first: nothing
      {DBT_DEVICEREMOVECOMPLETE, BoardPath("1FD1", "03EA", "00"), 0, 1},  // interface 0 gone: the board
      {DBT_DEVICEREMOVECOMPLETE, BoardPath("1FD1", "03EA", "01"), 0, 0},
      {DBT_DEVICEARRIVAL, BoardPath("07C0", "1583", "01"), 1, 0},
      {DBT_DEVICEARRIVAL, "\\\\?\\hid#vid_1fd1&pid_03ea&mi_01#7&1&0&0000#{4d1e55b2}", 1, 0},  // lower case
      {DBT_DEVICEARRIVAL, BoardPath("046D", "03E8", "01"), 0, 0},   // another vendor
      {DBT_DEVICEARRIVAL, BoardPath("1FD1", "03E9", "01"), 0, 0},   // another product
      {DBT_DEVICEARRIVAL, "\\\\?\\HID#VID_1FD1&PID_03E8#7&1&0&0000#{4d1e55b2}", 0, 0},  // no interface part
      {DBT_DEVICEQUERYREMOVE, BoardPath("1FD1", "03E8", "00"), 0, 0},  // other events
      {DBT_DEVICEREMOVEPENDING, BoardPath("1FD1", "03E8", "00"), 0, 0},
  };
  for (const Case& c : cases) {
    arrivals = removals = 0;
    InterfaceBroadcast broadcast(c.path);
    EXPECT_EQ(Send(c.event, broadcast), TRUE) << c.path;
    EXPECT_EQ(arrivals, c.arrivals) << c.path;
    EXPECT_EQ(removals, c.removals) << c.path;
  }
  // Not a device interface: ignored, even with a board's path.
  InterfaceBroadcast volume(BoardPath("1FD1", "03E8", "01"), DBT_DEVTYP_VOLUME);
  EXPECT_EQ(Send(DBT_DEVICEARRIVAL, volume), TRUE);
  EXPECT_EQ(arrivals, 0);
  // No data at all.
  EXPECT_EQ(SendMessageA(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0), TRUE);
  EXPECT_EQ(otherCalls, 0);
  // The callback runs on the detector's thread.
  EXPECT_NE(callbackThread.load(), GetCurrentThreadId());
  EXPECT_EQ(callbackThread.load(), GetWindowThreadProcessId(window, nullptr));
}

TEST_F(Detector, EnableRefusesNullAndSecondCallbackAndDisableAlwaysSucceeds) {
  EXPECT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(1, nullptr), API_ERR_NULL_CALLBACK);
  EXPECT_EQ(FindWindowA(kWindowClass, nullptr), nullptr);
  EXPECT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(0, nullptr), API_OK);  // not running

  // Any non-zero low byte turns it on.
  ASSERT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(0x102, &CountChange), API_OK);
  EXPECT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(1, &SecondCallback), API_ERR_ALREADY_ENABLED);
  InterfaceBroadcast arrival(BoardPath("1FD1", "03E8", "01"));
  Send(DBT_DEVICEARRIVAL, arrival);
  EXPECT_EQ(arrivals, 1);
  EXPECT_EQ(secondCallbackCalls, 0);

  // A low byte of 0 turns it off, whatever the other bytes and the callback.
  ASSERT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(0x100, &SecondCallback), API_OK);
  EXPECT_EQ(FindWindowA(kWindowClass, nullptr), nullptr);
  ASSERT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(1, &SecondCallback), API_OK);
  Send(DBT_DEVICEARRIVAL, arrival);
  EXPECT_EQ(secondCallbackCalls, 1);
  EXPECT_EQ(arrivals, 1);
}

TEST_F(Detector, EnableThenDisableAtOnceLeavesNoThreadOrWindow) {
  for (int round = 0; round < 20; ++round) {
    ASSERT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(1, &CountChange), API_OK);
    // The window exists as soon as the enable returns.
    const HWND window = FindWindowA(kWindowClass, nullptr);
    ASSERT_NE(window, nullptr) << round;
    const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, GetWindowThreadProcessId(window, nullptr));
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(0, nullptr), API_OK);
    EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << round;
    CloseHandle(thread);
    ASSERT_EQ(FindWindowA(kWindowClass, nullptr), nullptr) << round;
  }
}

}  // namespace
}  // namespace dlltest
