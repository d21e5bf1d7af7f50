// The report families a board answers; one file each. A handler gets the whole 8-byte report.
#pragma once

#include <cstdint>

#include "sim/board/sim_board.h"

namespace hidsim {

void HandlePortWrite(SimBoard& board, const uint8_t* report);  // pipe 0
void HandleStatus(SimBoard& board, const uint8_t* report);     // 0xFF
void HandleIicMode(SimBoard& board, const uint8_t* report);    // 0x01
void HandleIicWrite(SimBoard& board, const uint8_t* report);   // 0x02
void HandleIicRead(SimBoard& board, const uint8_t* report);    // 0x03
void HandleLedMatrixMode(SimBoard& board, const uint8_t* report);  // 0x14
void HandleLedRow(SimBoard& board, const uint8_t* report);         // 0x15
void HandleKeyMatrixMode(SimBoard& board, const uint8_t* report);     // 0x18
void HandleKeyMatrixRequest(SimBoard& board, const uint8_t* report);  // 0x19

}  // namespace hidsim
