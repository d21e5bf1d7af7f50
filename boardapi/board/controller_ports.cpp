// The four 8-bit output ports of pipe 0 (the data lines). A port bit of 0 drives its line low: "on".
#include <windows.h>

#include "boardapi/board/controller.h"

namespace {
constexpr uint8_t kReportPorts = 0x00;
constexpr int kPorts = 4;

bool ValidPort(int port) { return port >= 0 && port < kPorts; }
}  // namespace

void CventrixController::EnsurePortsKnown() {
  if (ports_ != std::array<int32_t, 4>{-1, -1, -1, -1}) return;
  // Read once per board object; an unreadable board leaves -1, which counts as all lines high.
  int32_t read[kPorts] = {-1, -1, -1, -1};
  if (ReadStatus(&read[0], &read[1], &read[2], &read[3])) {
    for (int i = 0; i < kPorts; ++i) ports_[i] = read[i];
  }
}

bool CventrixController::SendPorts() {
  uint8_t report[kPortReportBytes] = {kReportPorts};
  for (int i = 0; i < kPorts; ++i) report[1 + i] = static_cast<uint8_t>(ports_[i]);
  portsUnsent_ = Write(kPipePorts, report, kPortReportBytes) != kPortReportBytes;
  if (portsUnsent_) NormaliseWriteError();
  return !portsUnsent_;
}

bool CventrixController::SetDataLine(int port, int bit, int state) {
  if (!ValidPort(port) || bit < 0 || bit > 7) return false;
  EnsurePortsKnown();
  const int32_t mask = 1 << bit;
  const int32_t value = state == 1 ? ports_[port] & ~mask : ports_[port] | mask;
  // After a refused write the cache is ahead of the board, so an unchanged bit is no proof of being done.
  if (value == ports_[port] && !portsUnsent_) return true;
  ports_[port] = value;
  return SendPorts();
}

bool CventrixController::SetPort(int port, int value) {
  if (!ValidPort(port)) return false;
  EnsurePortsKnown();
  ports_[port] = value;
  return SendPorts();
}

bool CventrixController::SetPortBits(int port, const bool bits[8]) {
  if (!ValidPort(port)) return false;
  EnsurePortsKnown();
  int32_t value = 0;
  for (int bit = 0; bit < 8; ++bit) value |= bits[bit] ? 1 << bit : 0;
  ports_[port] = value;
  return SendPorts();
}

bool CventrixController::SetAllPorts(bool on) {
  ports_.fill(on ? 0x00 : 0xFF);
  return SendPorts();
}
