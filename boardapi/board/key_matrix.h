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

constexpr int kKeyMatrixWords = 8;
// Report ids the library sends: the key-matrix mode, and the request for a full reading.
constexpr uint8_t kKeyMatrixModeReport = 0x18;
constexpr uint8_t kKeyMatrixReadRequest = 0x19;
constexpr int32_t kHighestSwitch = 128;

// One reported switch change: switch number from 1 (0 only for the call at enable), direction 1 closed, 0 opened.
struct SwitchChange {
  int32_t number;
  int32_t direction;
  bool operator==(const SwitchChange&) const = default;
};

// Switch number of bit 0..15 of word 0..7.
constexpr int32_t SwitchNumberOf(int word, int bit) {
  return bit < 8 ? 8 * word + bit + 1 : 8 * word + bit + 57;
}

// Word and bit of switch 1..128; false for any other number.
constexpr bool SwitchWordBit(int32_t number, int* word, int* bit) {
  if (number < 1 || number > kHighestSwitch) return false;
  const int32_t m = number <= 64 ? number : number - 64;
  *word = (m - 1) / 8;
  *bit = (m - 1) % 8 + (number > 64 ? 8 : 0);
  return true;
}
