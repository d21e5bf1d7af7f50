// The key-matrix reader: asks the board for a reading, collects its key-matrix replies into the eight switch
// words, and hands each complete reading to the session's handler.
#include <windows.h>

#include "boardapi/board/controller.h"
#include "boardapi/board/key_matrix_assembler.h"
#include "boardapi/board/key_matrix_names.h"
#include "boardapi/board/key_matrix_refresh_watcher.h"
#include "boardapi/board/per_switch_changes.h"
#include "boardapi/board/unique_handle.h"

namespace {

// Every read of the board waits this long at most from the reader's start on (IIC replies included).
constexpr int kReaderReadTimeoutMs = 50;
constexpr DWORD kFirstReadingDelayMs = 250;
constexpr DWORD kPausedPollMs = 200;
constexpr DWORD kPollMs = 1;

// The reader holds the board's request lock from its request until the reply that completes a reading, and
// gives it up whenever a read comes back empty, so other exchanges get their turn.
class HeldRequestLock {
 public:
  explicit HeldRequestLock(RequestLock& lock) : lock_(lock) {}
  ~HeldRequestLock() { Release(); }
  HeldRequestLock(const HeldRequestLock&) = delete;
  HeldRequestLock& operator=(const HeldRequestLock&) = delete;

  void Take() {
    if (!held_) lock_.Enter();
    held_ = true;
  }
  void Release() {
    if (held_) lock_.Leave();
    held_ = false;
  }

 private:
  RequestLock& lock_;
  bool held_ = false;
};

}  // namespace

void CventrixController::KeyMatrixReadThread(KeyMatrixReaderContext context) {
  const std::string serial = GetSerialText();
  std::atomic<bool> sendRequest{true};
  std::atomic<bool> ended{false};
  bool initial = true;
  SetEvent(context.startEvent);  // the starter's event handle is not used after this

  SetReadTimeout(kReaderReadTimeoutMs);
  UniqueHandle endEvent(CreateEventA(nullptr, FALSE, FALSE, KeyMatrixEndEventName(serial).c_str()));
  WorkerThread watcher;
  watcher.Start([&sendRequest, &ended, serial] { KeyMatrixRefreshWatcher(&sendRequest, &ended, serial); });
  Sleep(kFirstReadingDelayMs);

  KeyMatrixAssembler assembler;
  HeldRequestLock request(requestLock_);
  auto handOver = [&] {
    HandOverReading(context, serial, assembler.Words(), initial);
    assembler.MarkHandedOver();
    initial = false;
  };
  while (readerRunning_) {
    if (readerPaused_) {
      request.Release();
      Sleep(kPausedPollMs);
      continue;
    }
    request.Take();
    if (sendRequest.exchange(false)) {
      Report ask{kKeyMatrixReadRequest};
      Write(kPipeSpecial, ask.data(), kSpecialReportBytes);  // unchecked: a refresh or a stop recovers
      initial = true;
    }
    Report reply{};
    const int got = ReadWithQueue(kQueueKeyMatrix, kPipeSpecial, reply.data(), kSpecialReportBytes);
    if (got == kSpecialReportBytes) {
      if (assembler.Apply(reply.data()) == KeyMatrixAssembler::Step::kCompleted) {
        request.Release();
        handOver();
        continue;
      }
      Sleep(kPollMs);
      continue;
    }
    const DWORD error = GetLastError();
    request.Release();
    if (got == 0 && error == ERROR_DEV_NOT_EXIST) {
      readerRunning_ = false;
    } else if (assembler.HasUnreportedParts()) {
      // A board that sends 0x19 first ends its reading with 0x1A-0x1C; with the queue empty the reading is done.
      handOver();
    }
    Sleep(kPollMs);
  }

  ended = true;
  if (endEvent) SetEvent(endEvent.get());
  watcher.Join(INFINITE);  // it ends within half a second and uses this thread's flags until then
}

void CventrixController::HandOverReading(const KeyMatrixReaderContext& context, const std::string& serial,
                                         const std::array<uint16_t, 8>& words, bool initial) {
  if (context.wholeState != nullptr) {
    KeyMatrixState state{keyMatrixMode_, {}};
    std::copy(words.begin(), words.end(), state.words);
    if (context.wholeState(serial.c_str(), &state, context.user) == 0) readerRunning_ = false;
    return;
  }
  int32_t result = 1;
  for (const SwitchChange& change : PerSwitchChanges(lastSwitchState_, words, keyMatrixMode_, initial)) {
    result = context.perSwitch(serial.c_str(), change.number, change.direction, context.user);
    if (result != 1) break;
  }
  lastSwitchState_ = words;
  if (result == 0) readerRunning_ = false;
}
