// The board's configuration memory on the IIC bus.
#include <algorithm>

#include "sim/board/iic_devices.h"

namespace hidsim {

bool MemoryDevice::Write(const uint8_t* data, int count, bool) {
  if (count < 1) return true;
  pointer_ = data[0];
  for (int i = 1; i < count; ++i) image[pointer_++] = data[i];
  return true;
}

bool MemoryDevice::Read(uint8_t* data, int count) {
  for (int i = 0; i < count; ++i) data[i] = image[pointer_++];
  return true;
}

}  // namespace hidsim
