#include "boardapi/board/usb_device.h"

#include <windows.h>

#include <cwchar>

CUsbDevice::~CUsbDevice() { Release(); }

void CUsbDevice::Attach(HidDeviceHandle device, bool readSerial) {
  device_ = device;
  attached_ = true;
  productId_ = 0;
  serial_[0] = L'\0';
  if (readSerial) GetSerialText();
}

bool CUsbDevice::OpenLayer() {
  if (device_) return true;
  device_ = HidLayer_Open();
  attached_ = false;
  return device_ != nullptr;
}

void CUsbDevice::Release() {
  if (device_ && !attached_) HidLayer_Close();
  device_ = nullptr;
  productId_ = 0;
  serial_[0] = L'\0';
}

int CUsbDevice::Read(int pipe, void* buffer, int length) { return HidLayer_Read(device_, pipe, buffer, length); }

int CUsbDevice::ReadWithin(int pipe, void* buffer, int length, int timeoutMs) {
  return HidLayer_ReadWithin(device_, pipe, buffer, length, timeoutMs);
}

int CUsbDevice::Write(int pipe, const void* data, int length) {
  return HidLayer_Write(device_, pipe, data, length);
}

void CUsbDevice::SetReadTimeout(int milliseconds) { HidLayer_SetReadTimeout(device_, milliseconds); }

uint16_t CUsbDevice::GetProductId() {
  if (productId_ == 0) productId_ = HidLayer_ProductId(device_);
  return productId_;
}

std::string CUsbDevice::GetSerialText(bool refresh) {
  if (refresh || serial_[0] == L'\0') {
    if (!HidLayer_SerialNumber(device_, serial_)) serial_[0] = L'\0';
    serial_[8] = L'\0';
  }
  const int length = static_cast<int>(std::wcslen(serial_));
  if (length == 0) return {};
  char text[8 * 4];  // room for any code page's multi-byte characters; cut to 8 below
  const int bytes = WideCharToMultiByte(CP_ACP, 0, serial_, length, text, sizeof text, nullptr, nullptr);
  return std::string(text, bytes > 8 ? 8 : (bytes > 0 ? bytes : 0));
}
