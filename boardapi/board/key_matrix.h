// One switch reading as the key-matrix reader hands it over, and the two hand-off forms.
#pragma once

#include <windows.h>

#include <cstdint>

// Bits 0-7 of word k are switches 8k+1..8k+8; bits 8-15 are switches 65+8k..72+8k.
struct KeyMatrixState {
  int32_t mode;
  uint16_t words[8];
};

// Result 0 stops the board's reader.
using WholeStateHandler = int32_t(WINAPI*)(const char* serial, const KeyMatrixState* state, int32_t user);
// Result 1 goes on; 0 ends the reading and stops the reader; any other value ends the current reading.
using PerSwitchHandler = int32_t(WINAPI*)(const char* serial, int32_t switchNumber, int32_t direction,
                                          int32_t user);
