// The LED matrix: mode switch and rows kept as the board holds them.
#include "sim/board/report_handlers.h"

namespace hidsim {

void HandleLedMatrixMode(SimBoard& board, const uint8_t* report) { board.ledMatrixOn = report[1] == 1; }

void HandleLedRow(SimBoard& board, const uint8_t* report) {
  if (report[1] >= board.ledRows.size()) return;
  std::copy(report + 2, report + 6, board.ledRows[report[1]].begin());
}

}  // namespace hidsim
