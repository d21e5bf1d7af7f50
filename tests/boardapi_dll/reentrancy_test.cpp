// A host program's calls back into ventrixAPI.dll from inside its callbacks, and two host threads calling at
// once while callbacks run: the library answers, keeps running the boards it still has, and stays usable.
#include <windows.h>

#include <dbt.h>

#include <array>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tests/boardapi/fixtures/switch_calls.h"
#include "tests/boardapi_dll/fixtures/board_api_test.h"

namespace dlltest {
namespace {

constexpr DWORD kBoundMs = 5000;
constexpr char kDetectorClass[] = "ventrixControllerChangeDetector";

// Serials of their own: a board's named objects are machine-wide.
constexpr char kSwitchSerial[] = "4EE00001";
constexpr char kLedSerial[] = "4EE00002";

enum class Reentry { kNone, kUnbind, kClose, kNotificationOff };

SwitchCalls calls;
std::atomic<Reentry> reentry{Reentry::kNone};
std::atomic<ApiStatus> reentryStatus{1};
HANDLE reentryDone = nullptr;

// The first real switch change (not the call at enable) does what the test asked for, once.
int32_t VENTRIX_STDCALL CallBackIn(int32_t session, int32_t number, int32_t direction) {
  calls.Add(session, number, direction);
  if (number == 0) return 1;
  const Reentry what = reentry.exchange(Reentry::kNone);
  if (what == Reentry::kUnbind) reentryStatus = ventrix_UnBind(session);
  if (what == Reentry::kClose) reentryStatus = ventrix_CloseControllers();
  if (what != Reentry::kNone) SetEvent(reentryDone);
  return 1;
}

std::atomic<int> deviceChanges{0};
int32_t WINAPI OnDeviceChange(int32_t) {
  ++deviceChanges;
  if (reentry.exchange(Reentry::kNone) == Reentry::kNotificationOff) {
    reentryStatus = ventrix_Enable_DeviceChange_Notification_Callback(0, nullptr);
    SetEvent(reentryDone);
  }
  return 0;
}

// Switches 1..128 and LEDs 1..64, as the board's configuration memory describes them.
void Describe(const SimulatedBank& sim, int board, bool switches) {
  unsigned char memory[256] = {};
  memory[101] = switches ? 0x01 : 0x00;
  memory[102] = 0x01;  // LEDs
  memory[99] = 1;
  memory[100] = 64;
  memory[105] = 1;
  memory[106] = 128;
  memory[128] = 0x33;
  memory[129] = 0x0E;
  memory[131] = memory[132] = memory[133] = 1;
  sim.SetMemory(board, 1, memory);
}

class Reentrancy : public BoardApiTest {
 protected:
  void SetUp() override {
    BoardApiTest::SetUp();
    calls.Clear();
    reentry = Reentry::kNone;
    reentryStatus = 1;
    deviceChanges = 0;
    reentryDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    switchBoard_ = AddBoard(0x03EA, kSwitchSerial);
    Describe(Sim(), switchBoard_, true);
    ledBoard_ = AddBoard(0x03E8, kLedSerial);
    Describe(Sim(), ledBoard_, false);
  }
  void TearDown() override {
    ventrix_Enable_DeviceChange_Notification_Callback(0, nullptr);
    BoardApiTest::TearDown();
    CloseHandle(reentryDone);
  }
  void SetSwitches(std::initializer_list<int> closed) {
    const std::array<uint16_t, 8> words = ClosedSwitches(closed);
    Sim().SetSwitchWords(switchBoard_, words.data());
  }
  static bool ReentryDone() { return WaitForSingleObject(reentryDone, kBoundMs) == WAIT_OBJECT_0; }
  // Binds the switch board, turns its callback on and waits for the reading at enable (the call at enable
  // and one call per switch), then closes switch 7 and waits for that change.
  void ExpectSwitchReportingWorks() {
    SetSwitches({});
    const int32_t session = Bind(DeviceName(0x03EA, kSwitchSerial));
    ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 1, CallBackIn), API_OK);
    ASSERT_TRUE(calls.WaitFor(session, 129));
    SetSwitches({7});
    ASSERT_TRUE(calls.WaitFor(session, 130));
    EXPECT_EQ(calls.Of(session).back(), (SwitchCall{session, 7, 1, 0}));
  }

  int switchBoard_ = -1;
  int ledBoard_ = -1;
};

TEST_F(Reentrancy, UnbindInsideTheSwitchCallback) {
  Open();
  const int32_t session = Bind(DeviceName(0x03EA, kSwitchSerial));
  reentry = Reentry::kUnbind;
  ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 1, CallBackIn), API_OK);
  ASSERT_TRUE(ReentryDone());
  EXPECT_EQ(reentryStatus.load(), API_OK);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(session, 0, nullptr), API_ERR_NO_SESSION);

  // The board binds and reports again; the unbound session got nothing after its unbind.
  ExpectSwitchReportingWorks();
  EXPECT_EQ(calls.Of(session).size(), 2u);  // the call at enable and the change that unbound it
}

TEST_F(Reentrancy, CloseInsideTheSwitchCallback) {
  Open();
  const int32_t session = Bind(DeviceName(0x03EA, kSwitchSerial));
  reentry = Reentry::kClose;
  ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 1, CallBackIn), API_OK);
  ASSERT_TRUE(ReentryDone());
  EXPECT_EQ(reentryStatus.load(), API_OK);
  int32_t count = 0;
  EXPECT_EQ(ventrix_GetTotalControllers(&count), API_ERR_NOT_OPEN);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(session, 0, nullptr), API_ERR_NO_BOARD);
  ASSERT_EQ(ventrix_UnBind(session), API_OK);
  bound_.clear();

  Open();
  ExpectSwitchReportingWorks();
  EXPECT_EQ(calls.Of(session).size(), 2u);  // nothing more of the reading after the close
}

TEST_F(Reentrancy, NotificationOffInsideTheDeviceChangeCallback) {
  ASSERT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(1, OnDeviceChange), API_OK);
  const HWND window = FindWindowA(kDetectorClass, nullptr);
  ASSERT_NE(window, nullptr);
  const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, GetWindowThreadProcessId(window, nullptr));
  ASSERT_NE(thread, nullptr);

  const std::string path = "\\\\?\\HID#VID_1FD1&PID_03E8&MI_01#7&1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
  std::vector<char> bytes(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) + path.size());
  auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(bytes.data());
  broadcast->dbcc_size = static_cast<DWORD>(bytes.size());
  broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  std::memcpy(broadcast->dbcc_name, path.c_str(), path.size() + 1);
  const auto arrival = reinterpret_cast<LPARAM>(bytes.data());

  reentry = Reentry::kNotificationOff;
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutA(window, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, arrival, SMTO_NORMAL, kBoundMs, &answer),
            0);
  ASSERT_TRUE(ReentryDone());
  EXPECT_EQ(reentryStatus.load(), API_OK);
  // The detector's thread ends once the callback has returned.
  EXPECT_EQ(WaitForSingleObject(thread, kBoundMs), WAIT_OBJECT_0);
  CloseHandle(thread);
  EXPECT_EQ(FindWindowA(kDetectorClass, nullptr), nullptr);

  // And notification can be turned on again.
  ASSERT_EQ(ventrix_Enable_DeviceChange_Notification_Callback(1, OnDeviceChange), API_OK);
  const HWND again = FindWindowA(kDetectorClass, nullptr);
  ASSERT_NE(again, nullptr);
  SendMessageTimeoutA(again, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, arrival, SMTO_NORMAL, kBoundMs, &answer);
  EXPECT_EQ(deviceChanges.load(), 2);
}

// Callbacks that read the switch state back through the library, on the reader's thread.
std::atomic<int> stateReadFailures{0};
int32_t VENTRIX_STDCALL ReadStateBack(int32_t session, int32_t number, int32_t) {
  int32_t state = -1;
  const ApiStatus status = ventrix_Switch_Get_State(session, number == 0 ? 1 : number, &state);
  // An unbind on the other thread may have taken the session away in between.
  if (status != API_OK && status != API_ERR_NO_SESSION && status != API_ERR_NOT_ENABLED) ++stateReadFailures;
  return 1;
}

template <size_t N>
bool OneOf(ApiStatus status, const ApiStatus (&allowed)[N]) {
  for (ApiStatus candidate : allowed) {
    if (candidate == status) return true;
  }
  return false;
}

TEST_F(Reentrancy, TwoHostThreadsWhileCallbacksRun) {
  stateReadFailures = 0;
  Open();
  const std::string switchName = DeviceName(0x03EA, kSwitchSerial);
  const std::string ledName = DeviceName(0x03E8, kLedSerial);
  constexpr int kRounds = 15;
  std::atomic<bool> running{true};
  std::atomic<int> unexpected{0};

  // Binds the switch board, reports its switches and unbinds, over and over.
  auto binder = [&] {
    for (int round = 0; round < kRounds; ++round) {
      int32_t session = 0;
      const ApiStatus bound = ventrix_Bind(switchName.c_str(), &session);
      if (bound == API_ERR_ALREADY_BOUND) continue;
      if (bound != API_OK) {
        ++unexpected;
        continue;
      }
      const ApiStatus enabled = ventrix_Switch_Enable_Callback(session, 1, ReadStateBack);
      const ApiStatus leds = ventrix_LED_Enable(session, 1);
      const ApiStatus lit = ventrix_LED_Set(session, 1 + round, 1);
      Sleep(5);
      const ApiStatus unbound = ventrix_UnBind(session);
      if (enabled != API_OK || leds != API_OK || lit != API_OK || unbound != API_OK) ++unexpected;
    }
  };
  // The other thread: outputs on the LED board, the device list, and binds of the same switch board.
  auto other = [&] {
    int32_t session = 0;
    if (ventrix_Bind(ledName.c_str(), &session) != API_OK || ventrix_LED_Enable(session, 1) != API_OK) ++unexpected;
    for (int round = 0; round < kRounds * 4; ++round) {
      const int led = 1 + round % 64;
      if (ventrix_LED_Set(session, led, round % 2) != API_OK) ++unexpected;
      uint32_t size = 0;
      if (ventrix_GetDeviceList(nullptr, &size, nullptr) != API_OK || size != 2 * 13 + 1) ++unexpected;
      int32_t contender = 0;
      const ApiStatus bound = ventrix_Bind(switchName.c_str(), &contender);
      if (bound == API_OK) {
        if (ventrix_UnBind(contender) != API_OK) ++unexpected;
      } else if (!OneOf(bound, {API_ERR_ALREADY_BOUND})) {
        ++unexpected;
      }
    }
    if (ventrix_UnBind(session) != API_OK) ++unexpected;
  };
  std::thread first(binder);
  std::thread second(other);
  std::thread switches([&] {
    for (int flip = 0; running; ++flip) {
      SetSwitches({1 + flip % 64});
      Sleep(2);
    }
  });
  first.join();
  second.join();
  running = false;
  switches.join();

  EXPECT_EQ(unexpected.load(), 0);
  EXPECT_EQ(stateReadFailures.load(), 0);
  // The library is whole afterwards.
  int32_t count = 0;
  ASSERT_EQ(ventrix_GetTotalControllers(&count), API_OK);
  EXPECT_EQ(count, 2);
  ExpectSwitchReportingWorks();
}

}  // namespace
}  // namespace dlltest
