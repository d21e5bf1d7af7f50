// Drivers for the devices on a board's IIC bus that a session creates and owns: the single analog converter,
// the display-brightness PWM driver and the bank of two multi-channel analog converters.
// Error codes: no board (single converter -1, bank 1167, brightness 1780), a failed IIC write 29, a failed or
// refused reply 30, a too small buffer 122.
#pragma once

#include <cstdint>
#include <vector>

#include "boardapi/board/board_holder.h"
#include "boardapi/board/controller.h"


// The common part: the holder (a session) whose board the driver uses. Construction switches the board's IIC mode on
// when no process has it on; release switches it off again only when this driver did so.
class IicPeripheral {
 public:
  explicit IicPeripheral(BoardHolder& holder);
  virtual ~IicPeripheral();
  IicPeripheral(const IicPeripheral&) = delete;
  IicPeripheral& operator=(const IicPeripheral&) = delete;

 protected:
  // The holder's board, or null once the board list let it go.
  CventrixController* Board() const;
  // One IIC write and its reply: 0, 29 (write failed) or 30 (reply failed or refused).
  int Exchange(const Report& report, Report* reply = nullptr) const;

 private:
  BoardHolder& holder_;
  bool enabledHere_ = false;
};

// The 12-bit converter at 0xA8/0xA9.
class CAnalogInput : public IicPeripheral {
 public:
  using IicPeripheral::IicPeripheral;
  // 0..4095, or -1.
  int Read();
};

class CBrightnessDriver : public IicPeripheral {
 public:
  CBrightnessDriver(BoardHolder& holder, uint8_t address);
  // Resets the driver; the IIC mode is then restored as found.
  ~CBrightnessDriver() override;

  int Reset();
  int Configure(int a, int b);
  // 0, -1 channel above 7, -2 level above 255, or an error code.
  int SetChannel(int channel, int level);
  int SetRegister(int reg, int value);

 private:
  uint8_t address_;
};

class CAnalogConverter : public IicPeripheral {
 public:
  // Sets the converter up on the bus: its address by type and its channel select.
  CAnalogConverter(BoardHolder& holder, int type, int channelSelect);
  int ResultCount() const { return resultCount_; }
  // Reads the converter's results into destination; *size in: room, out: bytes received.
  // 0, 122, 29, 30 or 1167.
  int ReadBlock(uint8_t* destination, int* size);

 private:
  int type_;
  uint8_t address_ = 0;
  uint8_t scanMode_ = 0;
  uint8_t channelSelect_;
  int resultCount_ = 0;
};

class CAnalogInputBank {
 public:
  explicit CAnalogInputBank(BoardHolder& holder);
  // Buffer receives the first converter's 12 results and then the second's 4. 0, 122, 29, 30 or 1167.
  int ReadAll(void* buffer, int size);

 private:
  CAnalogConverter first_;
  CAnalogConverter second_;
  std::vector<uint8_t> firstResults_;
  std::vector<uint8_t> secondResults_;
};
