// Holder of one USB layer device handle with the product id and serial number cached.
// A holder that is not attached owns the layer and closes it when released; a board object's holder is
// always attached.
#pragma once

#include <cstdint>
#include <string>

#include "boardapi/hid/hid_layer.h"

class CUsbDevice {
 public:
  CUsbDevice() = default;
  CUsbDevice(const CUsbDevice&) = delete;
  CUsbDevice& operator=(const CUsbDevice&) = delete;
  virtual ~CUsbDevice();

  void Attach(HidDeviceHandle device, bool readSerial = true);
  HidDeviceHandle Device() const { return device_; }
  bool IsAttached() const { return attached_; }
  // Opens the layer itself and keeps its first device when it has none.
  bool OpenLayer();
  void Release();

  int Read(int pipe, void* buffer, int length);
  // Each report waits at most timeoutMs (-1: no limit), leaving the device's own read time-out as it is.
  int ReadWithin(int pipe, void* buffer, int length, int timeoutMs);
  int Write(int pipe, const void* data, int length);
  void SetReadTimeout(int milliseconds);

  uint16_t GetProductId();
  // The serial number as 8-bit text, at most 8 characters.
  std::string GetSerialText(bool refresh = false);

 private:
  HidDeviceHandle device_ = nullptr;
  uint16_t productId_ = 0;
  bool attached_ = false;
  wchar_t serial_[9] = {};
};
