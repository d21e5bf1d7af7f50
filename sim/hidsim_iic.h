// Control of the devices on a simulated board's IIC bus (see sim/hidsim.h for the bank). Every board carries
// configuration memory 1 (unprogrammed: all 0xFF), servo controllers 1..8, the brightness driver at 0xC0 with
// the reset address 0x06, the single converter at 0xA8 and the banked converters at 0xCA and 0xC8.
// SetIicNack (sim/hidsim.h) makes any address refuse.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace hidsim {

constexpr int kMemoryBytes = 256;
using MemoryImage = std::array<uint8_t, kMemoryBytes>;
inline MemoryImage BlankMemory() {
  MemoryImage image;
  image.fill(0xFF);
  return image;
}

// Board-memory device n (1..8) sits at 0xA0 + 2(n - 1); devices above 1 are added when first programmed.
void SetMemory(int board, const MemoryImage& image, int device = 1);
MemoryImage Memory(int board, int device = 1);

// The position last written to a servo channel (controller 1..8, channel 0..7), -1 when never written.
int ServoPosition(int board, int controller, int channel);
// A register of the brightness driver at 0xC0, and how often the reset address reset it.
int BrightnessRegister(int board, int reg);
int BrightnessResets(int board);
// The two bytes the single converter answers (high byte first: only its low nibble is the reading's).
void SetAnalogReading(int board, uint8_t high, uint8_t low);
// The bytes a banked converter (0xCA or 0xC8) answers.
void SetBankReadings(int board, uint8_t address, const std::vector<uint8_t>& bytes);

}  // namespace hidsim
