// The devices on a simulated board's IIC bus: configuration memory, servo controllers, the brightness driver
// with its reset address, the single analog converter and the two banked converters. Called under the bank's
// lock, like every board handler.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "sim/board/sim_board.h"
#include "sim/hidsim_iic.h"

namespace hidsim {

// 256 bytes behind an address pointer: a write sets the pointer from its first byte and stores the rest;
// a read returns bytes from the pointer on.
class MemoryDevice : public IicDevice {
 public:
  bool Write(const uint8_t* data, int count, bool stop) override;
  bool Read(uint8_t* data, int count) override;
  MemoryImage image = BlankMemory();

 private:
  uint8_t pointer_ = 0;
};

// Channel writes (channel 0..7, position) and the register 0x68.
class ServoDevice : public IicDevice {
 public:
  bool Write(const uint8_t* data, int count, bool stop) override;
  bool Read(uint8_t* data, int count) override;
  std::array<int, 8> positions{-1, -1, -1, -1, -1, -1, -1, -1};
  int modeRegister = -1;
};

// Register writes (register, value).
class BrightnessDevice : public IicDevice {
 public:
  bool Write(const uint8_t* data, int count, bool stop) override;
  bool Read(uint8_t* data, int count) override;
  std::array<int, 256> registers{};
  int resets = 0;
};

// The bus-wide reset address: the pair 0xA5 0x5A resets every brightness driver.
class BrightnessResetDevice : public IicDevice {
 public:
  explicit BrightnessResetDevice(std::shared_ptr<BrightnessDevice> driver) : driver_(std::move(driver)) {}
  bool Write(const uint8_t* data, int count, bool stop) override;
  bool Read(uint8_t* data, int count) override;

 private:
  std::shared_ptr<BrightnessDevice> driver_;
};

// A converter answers reads with the bytes set for it (zeros past their end); a write starts a conversion or
// sets its channel select.
class ConverterDevice : public IicDevice {
 public:
  bool Write(const uint8_t* data, int count, bool stop) override;
  bool Read(uint8_t* data, int count) override;
  std::vector<uint8_t> readings;
  int lastWrite = -1;
};

// Puts the standard set of devices on a new board's bus.
void AttachStandardIicDevices(SimBoard& board);
// Writes the two model bytes into configuration memory 1 (at 128), as a programmed board holds them, and the
// ranges of a full board (data lines, digits, switches, LEDs); its capabilities stay unprogrammed (all set).
void ProgramModel(SimBoard& board, uint16_t model);

}  // namespace hidsim
