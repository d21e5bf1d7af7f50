// Generator of what a faulty board sends and does, through the real ventrixAPI.dll over a simulated board:
// reports of wrong lengths and unknown ids, floods, key-matrix replies out of order or missing, replies on the
// port pipe, silence in the middle of an exchange, and an unplug while a write is pending. After each input
// every call must have come back within its bound, and the board must still do its job: a switch change
// reaches the library's switch state and a lamp set reaches the board's LED matrix.
#include <windows.h>

#include <array>
#include <atomic>
#include <thread>

#include "tests/boardapi/fixtures/switch_calls.h"
#include "tests/boardapi_dll/fixtures/board_api_test.h"
#include "tests/boardapi_dll/fixtures/simulated_iic.h"
#include "tests/support/soak_run.h"

namespace dlltest {
namespace {

using trelvik::testing::SoakRun;

constexpr char kSerial[] = "50AK0001";
// Longer than any bounded wait of the library, shorter than the suite's limit.
constexpr ULONGLONG kCallBoundMs = 20000;

class ReportsSoakTest : public BoardApiTest {
 protected:
  void Start() {
    board_ = AddBoard(0x03E8, kSerial);
    std::array<uint8_t, 256> memory;
    memory.fill(0xFF);
    const uint32_t bits = BOARD_CAP_SWITCHES | BOARD_CAP_LEDS | BOARD_CAP_BRIGHTNESS;
    const std::pair<int, uint8_t> bytes[] = {{128, 0x33}, {129, 0x0A}, {101, uint8_t(bits)}, {102, uint8_t(bits >> 8)},
                                             {144, uint8_t(bits >> 16)}, {145, uint8_t(bits >> 24)}, {123, 1},
                                             {124, 0}, {103, 1}, {104, 32}, {99, 1}, {100, 32}, {127, 0},
                                             {105, 1}, {106, 128}};
    for (auto [address, value] : bytes) memory[address] = value;
    Iic().SetMemory(board_, 1, memory.data());
    Connect();
  }
  void Connect() {
    Open();
    session_ = Bind(DeviceName(0x03E8, kSerial));
    BoardInfo info{};
    ASSERT_EQ(ventrix_GetBoardInfo(session_, &info), API_OK);
    ASSERT_EQ(ventrix_LED_Enable(session_, 1), API_OK);
    ASSERT_EQ(ventrix_Brightness_Enable(session_, 1), API_OK);
    ASSERT_EQ(ventrix_Switch_Enable_Poll(session_, 1), API_OK);
  }
  // Unbinds, closes and opens again, as the program does after a device change.
  void Reconnect() {
    for (int32_t session : bound_) ventrix_UnBind(session);
    bound_.clear();
    ventrix_CloseControllers();
    Connect();
    // The board kept its lamps through the unplug; the new session starts from dark ones.
    ventrix_LED_Test(session_, 1);
    ventrix_LED_Test(session_, 0);
  }
  void DrainQueue() {
    int32_t number = 0, direction = 0;
    for (int i = 0; i < 10000 && ventrix_Switch_Get_Item(session_, &number, &direction) == API_OK; ++i) {
    }
  }
  // Whether the library's state of the switch reaches `closed` within a bound.
  bool SwitchReaches(int number, bool closed) {
    const ULONGLONG start = GetTickCount64();
    do {
      int32_t state = -1;
      if (ventrix_Switch_Get_State(session_, number, &state) == API_OK && (state != 0) == closed) return true;
      DrainQueue();
      Sleep(5);
    } while (GetTickCount64() - start < 5000);
    return false;
  }
  int LitLeds() {
    int lit = 0;
    for (int row = 0; row < 8; ++row) {
      unsigned char columns[4] = {};
      Sim().GetLedRow(board_, row, columns);
      for (unsigned char c : columns) lit += __builtin_popcount(c);
    }
    return lit;
  }

  int board_ = -1;
  int32_t session_ = 0;
};

std::vector<uint8_t> DrawReport(SoakRun& run, int length) {
  const uint8_t ids[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x08, 0x09, 0x0C, 0x14, 0x15, 0x18,
                         0x19, 0x1A, 0x1B, 0x1C, 0xFF, 0x7E, 0xA5};
  std::vector<uint8_t> report = run.Bytes(static_cast<std::size_t>(length));
  if (!report.empty() && run.Between(0, 4) != 0) report[0] = ids[run.Between(0, static_cast<int>(std::size(ids)) - 1)];
  return report;
}

TEST_F(ReportsSoakTest, AFaultyBoardNeverHangsTheLibraryAndStillWorksAfterwards) {
  Start();
  SoakRun run("reports", 5504, 200);
  std::array<uint16_t, 8> words{};
  int lamp = 1;
  while (run.Next()) {
    std::vector<uint8_t> input;
    const int kind = run.Between(0, 99);
    const ULONGLONG started = GetTickCount64();
    if (kind < 45) {  // one report of a wrong length or id on the special-mode pipe
      const std::vector<uint8_t> report = DrawReport(run, run.Between(0, 24));
      input = report;
      Sim().InjectRawInput(board_, 1, report.data(), static_cast<int>(report.size()));
    } else if (kind < 55) {  // a flood
      for (int n = run.Between(50, 400); n > 0; --n) {
        const std::vector<uint8_t> report = DrawReport(run, run.Between(0, 1) == 0 ? 8 : run.Between(0, 16));
        input.insert(input.end(), report.begin(), report.end());
        Sim().InjectRawInput(board_, 1, report.data(), static_cast<int>(report.size()));
      }
    } else if (kind < 63) {  // the port pipe
      const std::vector<uint8_t> report = DrawReport(run, run.Between(0, 12));
      input = report;
      Sim().InjectRawInput(board_, 0, report.data(), static_cast<int>(report.size()));
    } else if (kind < 88) {  // a reading's replies out of order, missing or repeated
      std::vector<uint8_t> order;
      for (int n = run.Between(0, 6); n > 0; --n) order.push_back(static_cast<uint8_t>(run.Between(0x18, 0x1D)));
      input = order;
      Sim().SetKeyMatrixReplyOrder(board_, order.data(), static_cast<int>(order.size()));
      std::array<uint16_t, 8> changed{};
      for (uint16_t& w : changed) w = static_cast<uint16_t>(run.Between(0, 0xFFFF));
      Sim().SetSwitchWords(board_, changed.data());
      words = changed;
      const uint8_t usual[] = {0x1A, 0x1B, 0x1C, 0x19};
      Sim().SetKeyMatrixReplyOrder(board_, usual, 4);
    } else if (kind < 95) {  // silence in the middle of an exchange
      Sim().SetSilent(board_, 1);
      ventrix_Brightness_Set(session_, run.Between(0, 255));
      Sim().SetSilent(board_, 0);
      input = {0x5E};
    } else {  // unplugged while a write is pending; the program opens the list again after the news
      input = {0x0F};
      Sim().SetStallWrites(board_, 1);
      std::atomic<bool> done{false};
      std::thread writer([&] {
        ventrix_LED_Set(session_, 1, 1);
        done = true;
      });
      Sleep(static_cast<DWORD>(run.Between(0, 50)));
      Sim().Unplug(board_);
      Sim().SetStallWrites(board_, 0);
      const ULONGLONG unplugged = GetTickCount64();
      while (!done && GetTickCount64() - unplugged < kCallBoundMs) Sleep(5);
      if (!done) {
        run.SetInput(input);
        run.Fail("a write pending at the unplug never came back");
        writer.detach();
        return;
      }
      writer.join();
      Sim().Replug(board_);
      Reconnect();
      run.Count("unplugs");
    }
    run.SetInput(input);
    if (GetTickCount64() - started > kCallBoundMs) run.Fail("a call took longer than its bound");

    // The board still does its job.
    const int target = run.Index() % 64 + 1;  // the 0x03E8 board reports 64 switches
    int word = 0, bit = 0;
    SwitchWordBit(target, &word, &bit);
    words[static_cast<std::size_t>(word)] ^= static_cast<uint16_t>(1u << bit);
    Sim().SetSwitchWords(board_, words.data());
    if (!SwitchReaches(target, (words[static_cast<std::size_t>(word)] >> bit & 1) != 0)) {
      run.Fail("a switch change after the input (kind " + std::to_string(kind) + ") did not arrive");
    } else {
      run.Count("switch-changes-checked");
    }
    ventrix_LED_Set(session_, lamp, 0);
    lamp = run.Index() % 256 + 1;
    if (ventrix_LED_Set(session_, lamp, 1) != API_OK || LitLeds() != 1) run.Fail("a lamp set after the input (kind " + std::to_string(kind) + ") did not show: " + std::to_string(LitLeds()) + " lit");
    else run.Count("lamp-changes-checked");
    DrainQueue();
  }
}

}  // namespace
}  // namespace dlltest
