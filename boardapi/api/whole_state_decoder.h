// Whole-state switch decoding: compares a reading with the session's copy of the switch words and names each
// change, reading bits 0-2 and 3-5 of word 7 as two 3-bit position encoders when asked to.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "boardapi/board/key_matrix.h"

struct WholeStateCopy {
  std::array<uint16_t, 8>& bits;
  int32_t& encoder1Switch;  // switch last reported for each encoder, 0 while none
  int32_t& encoder2Switch;
};

// The changes in report order; afterwards the copy holds the new words and the encoders' last switches.
std::vector<SwitchChange> DecodeWholeState(WholeStateCopy copy, const uint16_t (&words)[8], bool encoders);
