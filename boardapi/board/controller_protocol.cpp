#include <algorithm>
#include <cstring>
#include <iterator>

#include "boardapi/board/controller.h"
#include "boardapi/hid/fault_guard.h"

namespace {

// How long a request waits for its reply in total before it fails with ERROR_TIMEOUT. The key-matrix queue is
// the exception: it gives up after one empty read. The test build waits less, since its tests of boards that
// do not answer wait the whole time out.
#ifdef VENTRIX_TEST_HOOKS
constexpr DWORD kReplyWaitMs = 500;
#else
constexpr DWORD kReplyWaitMs = 1000;
#endif

// The queue a report is filed in by its id; 0 for ids that have none (such reports are dropped).
int QueueOfReport(uint8_t id) {
  switch (id) {
    case 0x01: case 0x02: case 0x03: return kQueueIic;
    case 0x04: case 0x05: case 0x06: return kQueueUnread2;
    case 0x08: case 0x09: return kQueueSpi;
    case 0x18: case 0x19: case 0x1A: case 0x1B: case 0x1C: return kQueueKeyMatrix;
    case 0xFF: return kQueueStatus;
    case 0x0C: return kQueueUnread6;
    case 0x14: case 0x15: return kQueueLedMatrix;
    case 0x00: return kQueuePort;
    default: return 0;
  }
}

void CopyReply(const Report& report, uint8_t* buffer, int length) {
  if (buffer && length > 0) std::memcpy(buffer, report.data(), std::min<size_t>(length, report.size()));
}

// The wait of one read: the caller's or the device's own time-out, cut to what is left of a bounded wait
// (remainingMs < 0: unbounded). -1 means no limit.
int ReadWait(int ownMs, int remainingMs) {
  if (remainingMs < 0) return ownMs;
  return ownMs < 0 || ownMs > remainingMs ? remainingMs : ownMs;
}

// ERROR_INVALID_PARAMETER means the board is gone once the layer no longer lists its record.
DWORD NormaliseDeviceError(HidDeviceHandle device) {
  DWORD error = GetLastError();
  if (error == ERROR_INVALID_PARAMETER && !HidLayer_IsPresent(device)) error = ERROR_DEV_NOT_EXIST;
  SetLastError(error);
  return error;
}

}  // namespace

int CventrixController::Write(int pipe, const uint8_t* report, int length) {
  return Guarded("CventrixController::Write", [&] { return CUsbDevice::Write(pipe, report, length); });
}

int CventrixController::ReadWithQueue(int queueType, int pipe, uint8_t* buffer, int length, int readTimeoutMs) {
  if (queueType < kQueueIic || queueType > kQueuePort) return -1;
  ScopedRequest request(requestLock_);
  std::deque<Report>& wanted = queues_[queueType];
  if (!wanted.empty() && buffer) {
    CopyReply(wanted.front(), buffer, length);
    wanted.pop_front();
    return 8;
  }
  const bool bounded = queueType != kQueueKeyMatrix;
  const DWORD start = GetTickCount();
  reading_ = true;
  while (reading_) {
    int remaining = -1;
    if (bounded) {
      const DWORD elapsed = GetTickCount() - start;
      if (elapsed >= kReplyWaitMs) {
        SetLastError(ERROR_TIMEOUT);
        return 0;
      }
      remaining = static_cast<int>(kReplyWaitMs - elapsed);
    }
    const int own = readTimeoutMs >= 0 ? readTimeoutMs : HidLayer_ReadTimeout(Device());
    Report report{};
    // Only the read itself is guarded: a fault abandons the layer's frames and nothing of this one.
    const int received = Guarded("CventrixController::ReadWithQueue", [&] {
      return ReadWithin(pipe, report.data(), static_cast<int>(report.size()), ReadWait(own, remaining));
    });
    if (received < 0) return -1;  // the fault's error stays the caller's
    const DWORD error = NormaliseReadError();
    if (received == static_cast<int>(report.size())) {
      const int type = QueueOfReport(report[0]);
      if (type == queueType) {
        CopyReply(report, buffer, length);
        reading_ = false;
        return 8;
      }
      if (type != 0) queues_[type].push_back(report);
      continue;
    }
    if (received != 0) return received;
    // A board that times out may still answer; a handle the layer refuses never will.
    if (!bounded || (error != ERROR_SUCCESS && error != ERROR_TIMEOUT)) return 0;
  }
  return 0;
}

DWORD CventrixController::NormaliseWriteError() { return NormaliseDeviceError(Device()); }

DWORD CventrixController::NormaliseReadError() {
  // 0 and ERROR_TIMEOUT stay as they are, like every code but ERROR_INVALID_PARAMETER.
  return NormaliseDeviceError(Device());
}

bool CventrixController::ReadStatus(int32_t* port0, int32_t* port1, int32_t* port2, int32_t* port3) {
  ScopedRequest request(requestLock_);
  const Report statusRequest{0xFF};
  if (Write(kPipeSpecial, statusRequest.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    NormaliseWriteError();
    return false;
  }
  Report reply{};
  if (ReadWithQueue(kQueueStatus, kPipeSpecial, reply.data(), kSpecialReportBytes) != 8 || reply[0] != 0xFF) {
    NormaliseReadError();
    return false;
  }
  int32_t* const outputs[] = {port0, port1, port2, port3};
  for (size_t port = 0; port < std::size(outputs); ++port) {
    if (outputs[port]) *outputs[port] = reply[port + 1];
  }
  return true;
}

void CventrixController::ClearQueue(int queueType) {
  if (queueType < kQueueIic || queueType > kQueueSpareIic) return;
  ScopedRequest request(requestLock_);
  queues_[queueType].clear();
}

void CventrixController::DropKeyMatrixReplies() {
  ScopedRequest request(requestLock_);
  queues_[kQueueKeyMatrix].clear();
  Report report{};
  while (Guarded("CventrixController::DropKeyMatrixReplies", [&] {
           return ReadWithin(kPipeSpecial, report.data(), static_cast<int>(report.size()), 0);
         }) == static_cast<int>(report.size())) {
    const int type = QueueOfReport(report[0]);
    if (type != 0 && type != kQueueKeyMatrix) queues_[type].push_back(report);
  }
}
