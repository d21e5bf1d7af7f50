#include <algorithm>

#include "sim/hidsim_iic.h"
#include "sim/hidsim_iic_c.h"

extern "C" {

void HidSim_SetMemory(int board, int device, const unsigned char image[256]) {
  hidsim::MemoryImage copy;
  std::copy_n(image, copy.size(), copy.begin());
  hidsim::SetMemory(board, copy, device);
}

void HidSim_GetMemory(int board, int device, unsigned char image[256]) {
  const hidsim::MemoryImage memory = hidsim::Memory(board, device);
  std::copy(memory.begin(), memory.end(), image);
}

int HidSim_ServoPosition(int board, int controller, int channel) {
  return hidsim::ServoPosition(board, controller, channel);
}
int HidSim_BrightnessRegister(int board, int reg) { return hidsim::BrightnessRegister(board, reg); }
int HidSim_BrightnessResets(int board) { return hidsim::BrightnessResets(board); }
void HidSim_SetAnalogReading(int board, unsigned char high, unsigned char low) {
  hidsim::SetAnalogReading(board, high, low);
}

void HidSim_SetBankReadings(int board, unsigned char address, const unsigned char* bytes, int count) {
  hidsim::SetBankReadings(board, address, std::vector<uint8_t>(bytes, bytes + std::max(count, 0)));
}

}  // extern "C"
