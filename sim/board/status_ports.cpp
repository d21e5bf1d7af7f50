// The data-line ports: pipe-0 writes set them, the status request reads them back.
#include "sim/board/report_handlers.h"

namespace hidsim {

void HandlePortWrite(SimBoard& board, const uint8_t* report) {
  std::copy(report + 1, report + 5, board.ports.begin());
}

void HandleStatus(SimBoard& board, const uint8_t*) {
  board.Reply({0xFF, board.ports[0], board.ports[1], board.ports[2], board.ports[3]});
}

}  // namespace hidsim
