// Servo controllers, the brightness driver and its reset address, and the analog converters.
#include <algorithm>

#include "sim/board/iic_devices.h"

namespace hidsim {

namespace {

constexpr uint8_t kServoModeRegister = 0x68;
constexpr int kServoChannels = 8;
constexpr uint8_t kResetFirst = 0xA5;
constexpr uint8_t kResetSecond = 0x5A;

constexpr uint8_t kFirstMemory = 0xA0;
constexpr uint8_t kFirstServo = 0x30;
constexpr int kServoControllers = 8;
constexpr uint8_t kBrightness = 0xC0;
constexpr uint8_t kBrightnessReset = 0x06;
constexpr uint8_t kAnalogInput = 0xA8;
constexpr uint8_t kFirstBank = 0xCA;
constexpr uint8_t kSecondBank = 0xC8;

}  // namespace

bool ServoDevice::Write(const uint8_t* data, int count, bool) {
  if (count < 2) return true;
  if (data[0] == kServoModeRegister) modeRegister = data[1];
  else if (data[0] < kServoChannels) positions[data[0]] = data[1];
  return true;
}

bool ServoDevice::Read(uint8_t* data, int count) {
  std::fill_n(data, count, 0);
  return true;
}

bool BrightnessDevice::Write(const uint8_t* data, int count, bool) {
  if (count >= 2) registers[data[0]] = data[1];
  return true;
}

bool BrightnessDevice::Read(uint8_t* data, int count) {
  std::fill_n(data, count, 0);
  return true;
}

bool BrightnessResetDevice::Write(const uint8_t* data, int count, bool) {
  if (count == 2 && data[0] == kResetFirst && data[1] == kResetSecond) {
    driver_->registers.fill(0);
    ++driver_->resets;
  }
  return true;
}

bool BrightnessResetDevice::Read(uint8_t* data, int count) {
  std::fill_n(data, count, 0);
  return true;
}

bool ConverterDevice::Write(const uint8_t* data, int count, bool) {
  if (count >= 1) lastWrite = data[0];
  return true;
}

bool ConverterDevice::Read(uint8_t* data, int count) {
  for (int i = 0; i < count; ++i) data[i] = static_cast<size_t>(i) < readings.size() ? readings[i] : 0;
  return true;
}

void ProgramModel(SimBoard& board, uint16_t model) {
  constexpr int kModelAddress = 128;
  auto* memory = dynamic_cast<MemoryDevice*>(board.iicDevices[kFirstMemory].get());
  if (memory == nullptr) return;
  memory->image[kModelAddress] = static_cast<uint8_t>(model >> 8);
  memory->image[kModelAddress + 1] = static_cast<uint8_t>(model & 0xFF);
  // The ranges of a full board: data lines 1-32, digits 1-32, switches 1-128, LEDs 1-256 (kept as 1-255).
  const struct {
    int address;
    uint8_t first, last;
  } kRanges[] = {{99, 1, 32}, {103, 1, 32}, {105, 1, 128}, {123, 1, 255}};
  for (const auto& range : kRanges) {
    memory->image[static_cast<std::size_t>(range.address)] = range.first;
    memory->image[static_cast<std::size_t>(range.address + 1)] = range.last;
  }
}

void AttachStandardIicDevices(SimBoard& board) {
  board.iicDevices[kFirstMemory] = std::make_shared<MemoryDevice>();
  for (int controller = 0; controller < kServoControllers; ++controller) {
    board.iicDevices[static_cast<uint8_t>(kFirstServo + 2 * controller)] = std::make_shared<ServoDevice>();
  }
  auto brightness = std::make_shared<BrightnessDevice>();
  board.iicDevices[kBrightness] = brightness;
  board.iicDevices[kBrightnessReset] = std::make_shared<BrightnessResetDevice>(brightness);
  board.iicDevices[kAnalogInput] = std::make_shared<ConverterDevice>();
  board.iicDevices[kFirstBank] = std::make_shared<ConverterDevice>();
  board.iicDevices[kSecondBank] = std::make_shared<ConverterDevice>();
}

}  // namespace hidsim
