// Key-matrix mode and the life of the board's key-matrix reader.
#include <windows.h>

#include "boardapi/board/controller.h"
#include "boardapi/board/key_matrix_names.h"
#include "boardapi/base/unique_handle.h"

namespace {

constexpr uint16_t kProductWith128Switches = 0x03EA;
// Lets a reader that was just asked to pause finish the exchange it is in.
constexpr DWORD kPauseSettleMs = 100;
// How long a refresh request keeps the event open, so a reader's watcher in another process can take it.
constexpr DWORD kRefreshHoldMs = 100;
// The reader signals its start at once; this only bounds the wait for a thread that never ran.
constexpr DWORD kReaderStartWaitMs = 5000;

uint32_t ReplyValue(const Report& reply) {
  return reply[1] | (reply[2] << 8) | (reply[3] << 16) | (static_cast<uint32_t>(reply[4]) << 24);
}

}  // namespace

bool CventrixController::SetSwitchMode(bool on, WholeStateHandler wholeState, PerSwitchHandler perSwitch,
                                       int32_t user, bool allowMode2) {
  if (on) {
    if (switchReporting_ || (wholeState == nullptr && perSwitch == nullptr)) return false;
  } else {
    if (!switchReporting_) return false;
    StopKeyMatrixThread();
  }
  // Readings the board sent while nobody collected them (before an earlier reporting ended) are not its state
  // now: a new reader starts from the reply to its own request.
  if (on) {
    DropKeyMatrixReplies();
  } else {
    ClearQueue(kQueueKeyMatrix);
  }

  int mode = 0;
  if (on) mode = GetProductId() == kProductWith128Switches && allowMode2 ? 2 : 1;
  keyMatrixMode_ = mode;
  Report report{kKeyMatrixModeReport, static_cast<uint8_t>(mode)};
  if (Write(kPipeSpecial, report.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    NormaliseWriteError();
    return false;
  }

  if (on) {
    KeyMatrixReaderContext context;
    context.wholeState = wholeState;
    context.perSwitch = wholeState != nullptr ? nullptr : perSwitch;
    context.user = user;
    if (!StartKeyMatrixThread(context)) {
      // No reader will collect the board's reports: leave its key matrix off, as it was.
      keyMatrixMode_ = 0;
      Report off{kKeyMatrixModeReport, 0};
      Write(kPipeSpecial, off.data(), kSpecialReportBytes);
      return false;
    }
  }
  switchReporting_ = on;
  return true;
}

bool CventrixController::EnableSwitchesWholeState(bool on, WholeStateHandler handler, int32_t user,
                                                  bool allowMode2) {
  return SetSwitchMode(on, handler, nullptr, user, allowMode2);
}

bool CventrixController::EnableSwitchesPerSwitch(bool on, PerSwitchHandler handler, int32_t user,
                                                 bool allowMode2) {
  return SetSwitchMode(on, nullptr, handler, user, allowMode2);
}

bool CventrixController::DisableSwitches() { return SetSwitchMode(false, nullptr, nullptr, 0, false); }

bool CventrixController::StartKeyMatrixThread(KeyMatrixReaderContext context) {
  readerPaused_ = false;
  readerRunning_ = true;
  const std::string serial = GetSerialText();
  UniqueHandle startEvent(CreateEventA(nullptr, TRUE, FALSE, KeyMatrixStartEventName(serial).c_str()));
  if (!startEvent) {
    readerRunning_ = false;
    return false;
  }

  // The call at enable runs here, before the reader exists.
  if (context.wholeState != nullptr) {
    context.wholeState(serial.c_str(), nullptr, context.user);
  } else {
    context.perSwitch(serial.c_str(), 0, 0, context.user);
    lastSwitchState_ = {};
  }

  context.startEvent = startEvent.get();
  // The reader keeps a board of the board list alive while it runs (see the class).
  const std::shared_ptr<CventrixController> keepAlive = weak_from_this().lock();
  if (!readerThread_.Start([this, keepAlive, context](const WorkerStop& stop) { KeyMatrixReadThread(context, stop); },
                          BoardWorkerName(L"key-matrix reader", serial).c_str())) {
    readerRunning_ = false;
    return false;
  }
  // A reader that ends before it signals (it cannot) must not leave the starter waiting.
  const HANDLE started[] = {startEvent.get(), readerThread_.Handle()};
  WaitForMultipleObjects(2, started, FALSE, kReaderStartWaitMs);
  return true;
}

void CventrixController::StopKeyMatrixThread() {
  if (readerThread_.Started()) {
    // From the reader's own thread (a callback) this only asks; the reader ends when the callback returns.
    readerThread_.Stop(WorkerThread::kOwnerJoinMs);
    readerRunning_ = false;
    readerPaused_ = false;
  }
  ClearQueue(kQueueKeyMatrix);
}

void CventrixController::SetSwitchReaderPaused(bool paused) {
  if (!readerPaused_.exchange(paused) && paused) Sleep(kPauseSettleMs);
}

int CventrixController::ReadKeyMatrixOnce(uint32_t* first, uint32_t* second) {
  ScopedRequest request(requestLock_);
  Report report{kKeyMatrixReadRequest};
  if (Write(kPipeSpecial, report.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    NormaliseWriteError();
    return -1;
  }
  Report reply{};
  if (ReadWithQueue(kQueueKeyMatrix, kPipeSpecial, reply.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    return 0;
  }
  *first = ReplyValue(reply);
  if (ReadWithQueue(kQueueKeyMatrix, kPipeSpecial, reply.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    return 4;
  }
  *second = ReplyValue(reply);
  return 8;
}

void RequestKeyMatrixRefresh(CventrixController& board) {
  UniqueHandle refresh(OpenEventA(EVENT_MODIFY_STATE, FALSE, KeyMatrixRefreshEventName(board.GetSerialText()).c_str()));
  if (!refresh) return;
  SetEvent(refresh.get());
  Sleep(kRefreshHoldMs);
}
