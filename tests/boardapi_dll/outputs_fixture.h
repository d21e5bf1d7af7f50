// One bound board of model 330A whose configuration memory grants the given capabilities, with the reports
// it receives.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tests/boardapi_dll/fixtures/board_api_test.h"
#include "tests/boardapi_dll/fixtures/simulated_iic.h"

namespace dlltest {

using ReportBytes = std::vector<uint8_t>;

inline ReportBytes Special(std::initializer_list<uint8_t> bytes) {
  ReportBytes report(bytes);
  report.resize(8);
  return report;
}

// A serial of its own: a board's named objects (bind lock, IIC marker, published description) are
// machine-wide, and other test programs use serial 00000001.
constexpr char kOutputsSerial[] = "0A7E0001";

constexpr int32_t kAllOutputs = BOARD_CAP_LEDS | BOARD_CAP_7SEGMENT | BOARD_CAP_DATALINES | BOARD_CAP_SERVOS |
                                BOARD_CAP_BRIGHTNESS;

class OutputsTest : public BoardApiTest {
 protected:
  void Start(int32_t capabilities) {
    board_ = AddBoard(0x03E8, kOutputsSerial);
    std::array<uint8_t, 256> memory;
    memory.fill(0xFF);
    const auto bits = static_cast<uint32_t>(capabilities);
    const std::pair<int, uint8_t> bytes[] = {
        {128, 0x33}, {129, 0x0A}, {101, uint8_t(bits)}, {102, uint8_t(bits >> 8)}, {144, uint8_t(bits >> 16)},
        {145, uint8_t(bits >> 24)}, {123, 1}, {124, 0}, {103, 1}, {104, 32}, {99, 1}, {100, 32}, {127, 0}};
    for (auto [address, value] : bytes) memory[address] = value;
    Iic().SetMemory(board_, 1, memory.data());
    Open();
    session_ = Bind(DeviceName(0x03E8, kOutputsSerial));
    // The description is read once, here, so the journal of each test holds only its own reports.
    BoardInfo info{};
    EXPECT_EQ(ventrix_GetBoardInfo(session_, &info), API_OK);
    Sim().ClearJournal(board_);
  }

  // What the board received since the last call.
  std::vector<ReportBytes> TakeJournal() {
    std::vector<ReportBytes> reports;
    for (int i = 0; i < Sim().JournalCount(board_); ++i) {
      ReportBytes report(8);
      int pipe = 0;
      report.resize(static_cast<size_t>(Sim().JournalEntry(board_, i, &pipe, report.data(), 8)));
      reports.push_back(report);
    }
    Sim().ClearJournal(board_);
    return reports;
  }

  int board_ = -1;
  int32_t session_ = 0;
};

}  // namespace dlltest
