// The key matrix: mode switch, and one reading per request sent in the configured reply order (0x19 completes
// a reading, so it comes last by default).
#include "sim/board/report_handlers.h"

namespace hidsim {

namespace {

uint8_t Low(uint16_t word) { return static_cast<uint8_t>(word & 0xFF); }
uint8_t High(uint16_t word) { return static_cast<uint8_t>(word >> 8); }

}  // namespace

void HandleKeyMatrixMode(SimBoard& board, const uint8_t* report) { board.keyMatrixMode = report[1]; }

void HandleKeyMatrixRequest(SimBoard& board, const uint8_t*) {
  const auto& w = board.switchWords;
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

}  // namespace hidsim
