// The key matrix. The board scans its switches itself: a mode report (0x18) sets how many it scans (mode 1:
// switches 1-64, whose high bytes then read 0; mode 2: all 128), a request (0x19) is answered with one reading,
// and from then on, until the next mode report, every change of the switches sends a new reading of its own.
// A reading is sent in the configured reply order (0x19 completes a reading, so it comes last by default).
#include "sim/board/report_handlers.h"

namespace hidsim {

namespace {

uint8_t Low(uint16_t word) { return static_cast<uint8_t>(word & 0xFF); }
uint8_t High(uint16_t word) { return static_cast<uint8_t>(word >> 8); }

void SendReading(SimBoard& board) {
  std::array<uint16_t, 8> w = board.switchWords;
  if (board.keyMatrixMode == 1) {
    for (uint16_t& word : w) word &= 0x00FF;
  }
  for (uint8_t id : board.keyMatrixReplyOrder) {
    switch (id) {
      case 0x19: board.Reply({id, Low(w[0]), Low(w[1]), Low(w[2]), Low(w[3])}); break;
      case 0x1A: board.Reply({id, Low(w[4]), Low(w[5]), Low(w[6]), Low(w[7])}); break;
      case 0x1B: board.Reply({id, High(w[0]), High(w[1]), High(w[2]), High(w[3])}); break;
      case 0x1C: board.Reply({id, High(w[4]), High(w[5]), High(w[6]), High(w[7])}); break;
      default: board.Reply({id}); break;
    }
  }
}

}  // namespace

void HandleKeyMatrixMode(SimBoard& board, const uint8_t* report) {
  board.keyMatrixMode = report[1];
  board.keyMatrixReporting = false;
}

void HandleKeyMatrixRequest(SimBoard& board, const uint8_t*) {
  SendReading(board);
  board.keyMatrixReporting = board.keyMatrixMode != 0;
}

bool ChangeSwitchWords(SimBoard& board, const std::array<uint16_t, 8>& words) {
  const bool changed = words != board.switchWords;
  board.switchWords = words;
  if (!changed || !board.keyMatrixReporting) return false;
  SendReading(board);
  return true;
}

}  // namespace hidsim
