// The C++ control of the simulated IIC devices.
#include "sim/bank/sim_bank.h"
#include "sim/board/iic_devices.h"

namespace hidsim {

namespace {

// The device of the given type at an address of a board; a test that names a missing one is at fault.
template <typename Device>
Device& DeviceOf(Bank& bank, int board, uint8_t address) {
  auto& devices = bank.Board(board).iicDevices;
  auto found = devices.find(address);
  Device* device = found != devices.end() ? dynamic_cast<Device*>(found->second.get()) : nullptr;
  if (device == nullptr) FatalAppExitA(0, "hidsim: no such IIC device");
  return *device;
}

uint8_t MemoryAddress(int device) { return static_cast<uint8_t>(0xA0 + 2 * (device - 1)); }
constexpr uint8_t kBrightness = 0xC0;
constexpr uint8_t kAnalogInput = 0xA8;

}  // namespace

void SetMemory(int board, const MemoryImage& image, int device) {
  BankLock lock;
  auto& devices = lock.bank().Board(board).iicDevices;
  auto& slot = devices[MemoryAddress(device)];
  if (!dynamic_cast<MemoryDevice*>(slot.get())) slot = std::make_shared<MemoryDevice>();
  static_cast<MemoryDevice&>(*slot).image = image;
}

MemoryImage Memory(int board, int device) {
  BankLock lock;
  return DeviceOf<MemoryDevice>(lock.bank(), board, MemoryAddress(device)).image;
}

int ServoPosition(int board, int controller, int channel) {
  BankLock lock;
  const auto address = static_cast<uint8_t>(0x2E + 2 * controller);
  return DeviceOf<ServoDevice>(lock.bank(), board, address).positions.at(static_cast<size_t>(channel));
}

int BrightnessRegister(int board, int reg) {
  BankLock lock;
  return DeviceOf<BrightnessDevice>(lock.bank(), board, kBrightness).registers.at(static_cast<size_t>(reg));
}

int BrightnessResets(int board) {
  BankLock lock;
  return DeviceOf<BrightnessDevice>(lock.bank(), board, kBrightness).resets;
}

void SetAnalogReading(int board, uint8_t high, uint8_t low) {
  BankLock lock;
  DeviceOf<ConverterDevice>(lock.bank(), board, kAnalogInput).readings = {high, low};
}

void SetBankReadings(int board, uint8_t address, const std::vector<uint8_t>& bytes) {
  BankLock lock;
  DeviceOf<ConverterDevice>(lock.bank(), board, address).readings = bytes;
}

}  // namespace hidsim
