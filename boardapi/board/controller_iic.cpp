// IIC mode with its cross-process marker, the write / transaction / reply exchanges, board memory and servos.
#include <windows.h>

#include <algorithm>
#include <string>

#include "boardapi/board/controller.h"
#include "boardapi/board/iic_protocol.h"
#include "boardapi/board/scoped_iic_mode.h"

namespace {

constexpr char kIicMarkerTag[] = "{42B78B09-C529-42c0-B5C5-8D9C65ADEE24}";
constexpr int kMemoryFlagAddress = 125;
constexpr int kModelAddress = 128;
constexpr int kMemoryTextMax = 110;
constexpr int kMemoryAddressEnd = 256;
constexpr uint8_t kServoRegister = 0x68;

// A failure must never read as success: a missing platform code becomes the given one.
int FailureCode(DWORD code, DWORD fallback) { return static_cast<int>(code != 0 ? code : fallback); }

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

bool CventrixController::IsIicEnabled() {
  HANDLE marker = OpenMutexA(SYNCHRONIZE, FALSE, ObjectName(kIicMarkerTag).c_str());
  if (marker == nullptr) return false;
  CloseHandle(marker);
  return true;
}

bool CventrixController::SetIicMode(bool on) {
  // The first switch-on in any process wins; switching off always reaches the board.
  if (on && IsIicEnabled()) return true;
  const Report report = {kReportIicMode, static_cast<uint8_t>(on ? 1 : 0)};
  if (Write(kPipeSpecial, report.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    NormaliseWriteError();
    return false;
  }
  if (iicMarker_ != nullptr) {
    CloseHandle(iicMarker_);
    iicMarker_ = nullptr;
  }
  if (on) iicMarker_ = CreateMutexA(nullptr, TRUE, ObjectName(kIicMarkerTag).c_str());
  ClearQueue(kQueueIic);
  ClearQueue(kQueueSpareIic);
  return true;
}

int CventrixController::SendIicReport(const Report& report) {
  if (Write(kPipeSpecial, report.data(), kSpecialReportBytes) == kSpecialReportBytes) return 0;
  return FailureCode(NormaliseWriteError(), ERROR_WRITE_FAULT);
}

int CventrixController::ReceiveIicReply(Report& reply) {
  reply.fill(0);
  if (ReadWithQueue(kQueueIic, kPipeSpecial, reply.data(), kSpecialReportBytes) == kSpecialReportBytes) {
    if (!IsIicErrorReply(reply)) return 0;
    NormaliseReadError();
    return -1;
  }
  // A bounded wait that ended without a reply leaves no error code of its own: it is a time-out.
  return FailureCode(NormaliseReadError(), ERROR_TIMEOUT);
}

int CventrixController::IicWrite(const Report& report) {
  if (!IsIicEnabled()) return -1;
  ScopedRequest request(Requests());
  return SendIicReport(report);
}

int CventrixController::IicReadReply(Report& reply) {
  if (!IsIicEnabled()) return -1;
  ScopedRequest request(Requests());
  return ReceiveIicReply(reply);
}

int CventrixController::IicTransact(const Report& report, Report& reply) {
  if (!IsIicEnabled()) return -1;
  ScopedRequest request(Requests());
  const int written = SendIicReport(report);
  return written != 0 ? written : ReceiveIicReply(reply);
}

bool CventrixController::IsMemoryDevice(int device) {
  return InRange(device, 1, kMemoryDevices) && IsIicEnabled();
}

bool CventrixController::MemoryWrite(int device, int address, int data, int extra1, int extra2, int extra3) {
  if (!IsMemoryDevice(device)) return false;
  Report report = {kReportIicWrite, kIicWrite3, static_cast<uint8_t>(MemoryWriteAddress(device)),
                   static_cast<uint8_t>(address), static_cast<uint8_t>(data)};
  int extras = 0;
  for (int extra : {extra1, extra2, extra3}) {
    if (extra == -1) break;
    report[5 + extras++] = static_cast<uint8_t>(extra);
  }
  report[1] = static_cast<uint8_t>(kIicWrite3 + extras);
  ScopedRequest request(Requests());
  Report reply{};
  return SendIicReport(report) == 0 && ReceiveIicReply(reply) == 0 && reply[0] == kReportIicWrite;
}

bool CventrixController::MemoryRead(int device, int address, int32_t* out0, int32_t* out1, int32_t* out2,
                                    int32_t* out3) {
  int32_t* outputs[] = {out0, out1, out2, out3};
  int count = 1;
  while (count < 4 && outputs[count] != nullptr) ++count;
  for (int32_t* output : outputs) {
    if (output != nullptr) *output = 0;
  }
  if (!IsMemoryDevice(device)) return false;

  const uint8_t writeAddress = static_cast<uint8_t>(MemoryWriteAddress(device));
  ScopedRequest request(Requests());
  Report reply{};
  const Report setAddress = {kReportIicWrite, kIicWriteNoStop2, writeAddress, static_cast<uint8_t>(address)};
  if (SendIicReport(setAddress) != 0 || ReceiveIicReply(reply) != 0 || reply[0] != kReportIicWrite) return false;
  const Report read = {kReportIicRead, static_cast<uint8_t>(count), static_cast<uint8_t>(writeAddress | 1)};
  if (SendIicReport(read) != 0 || ReceiveIicReply(reply) != 0 || reply[0] != kReportIicRead) return false;
  for (int i = 0; i < count; ++i) *outputs[i] = reply[2 + i];
  return true;
}

bool CventrixController::MemoryWriteText(int device, int address, const char* text) {
  const std::string value(text != nullptr ? text : "");
  const int length = static_cast<int>(std::min<size_t>(value.size(), kMemoryTextMax));
  for (int i = 0; i < length; ++i) {
    if (!MemoryWrite(device, address + i, static_cast<uint8_t>(value[i]))) return false;
  }
  return MemoryWrite(device, address + length, 0);
}

bool CventrixController::MemoryReadText(int device, int address, int count, std::string* text) {
  text->clear();
  // Memory addresses are one byte, so even an unlimited read ends at the top of the memory.
  for (int at = address; at < kMemoryAddressEnd && (count < 0 || at - address < count); ++at) {
    int32_t byte = 0;
    if (!MemoryRead(device, at, &byte)) return false;
    if (byte == 0) break;
    text->push_back(static_cast<char>(byte));
  }
  return true;
}

bool CventrixController::MemoryReadTextW(int device, int address, int count, std::wstring* text) {
  std::string narrow;
  const bool complete = MemoryReadText(device, address, count, &narrow);
  text->assign(narrow.begin(), narrow.end());
  return complete;
}

bool CventrixController::WriteMemoryFlag(int device, int value) {
  ScopedIicMode iic(*this);
  return MemoryWrite(device, kMemoryFlagAddress, value);
}

bool CventrixController::ReadMemoryFlag(int device, int32_t* value) {
  ScopedIicMode iic(*this);
  return MemoryRead(device, kMemoryFlagAddress, value);
}

bool CventrixController::WriteModelBytes(int device, int first, int second) {
  ScopedIicMode iic(*this);
  if (!MemoryWrite(device, kModelAddress, first, second)) return false;
  modelCache_[device] = {first & 0xFF, second & 0xFF};
  return true;
}

bool CventrixController::ServoExchange(int controller, uint8_t flags, uint8_t first, uint8_t second,
                                       bool checkAck) {
  const Report report = {kReportIicWrite, flags, static_cast<uint8_t>(ServoAddress(controller)), first, second};
  ScopedRequest request(Requests());
  if (SendIicReport(report) != 0) return false;
  // The controller acknowledges every write; taking the reply here keeps it from answering a later exchange.
  Report reply{};
  const int replied = ReceiveIicReply(reply);
  return !checkAck || replied == 0;
}

bool CventrixController::ServoSetPosition(int controller, int channel, int value) {
  if (!InRange(controller, 1, kServoControllers) || !InRange(channel, 0, 7) || !InRange(value, 0, 255)) {
    return false;
  }
  if (!IsIicEnabled()) return false;
  return ServoExchange(controller, kIicWrite3, static_cast<uint8_t>(channel), static_cast<uint8_t>(value), true);
}

bool CventrixController::ServoSetCenter(int controller, int channel, int offset) {
  if (!IsIicEnabled() || !InRange(controller, 1, kServoControllers) || !InRange(channel, 0, 7) ||
      !InRange(offset, -127, 127)) {
    return false;
  }
  // The controllers keep no centre of their own; the call only proves the bus is free.
  ScopedRequest request(Requests());
  return true;
}

bool CventrixController::ServoSetRegister(int controller, int value) {
  if (!IsIicEnabled() || !InRange(controller, 1, kServoControllers) || !InRange(value, 0, 255)) return false;
  return ServoExchange(controller, kIicWrite3, kServoRegister, static_cast<uint8_t>(value), true);
}

bool CventrixController::ServoWriteRaw(int controller, int byte0, int byte1) {
  if (!IsIicEnabled() || !InRange(controller, 1, kServoControllers)) return false;
  const bool two = byte1 != -1;
  return ServoExchange(controller, two ? kIicWrite3 : kIicWrite2, static_cast<uint8_t>(byte0),
                       static_cast<uint8_t>(two ? byte1 : 0), false);
}
