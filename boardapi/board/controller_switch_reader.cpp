// The key-matrix reader: asks the board for a reading, collects its key-matrix replies into the eight switch
// words, and hands each complete reading to the session's handler.
#include <windows.h>

#include "boardapi/board/controller.h"
#include "boardapi/board/key_matrix_assembler.h"
#include "boardapi/board/key_matrix_names.h"
#include "boardapi/board/key_matrix_refresh_watcher.h"
#include "boardapi/board/per_switch_changes.h"
#include "boardapi/base/unique_handle.h"

namespace {

// Each of the reader's reads waits this long at most.
constexpr int kReaderReadTimeoutMs = 50;
constexpr DWORD kFirstReadingDelayMs = 250;
constexpr DWORD kPausedPollMs = 200;
constexpr DWORD kPollMs = 1;
// An idle reader waits this long at most for a report, a refresh or its stop before it looks again.
constexpr DWORD kIdleWaitMs = 500;

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

void CventrixController::KeyMatrixReadThread(KeyMatrixReaderContext context, const WorkerStop& stop) {
  const std::string serial = GetSerialText();
  std::atomic<bool> sendRequest{true};
  std::atomic<bool> ended{false};
  bool initial = true;
  SetEvent(context.startEvent);  // the starter's event handle is not used after this

  UniqueHandle endEvent(CreateEventA(nullptr, FALSE, FALSE, KeyMatrixEndEventName(serial).c_str()));
  // Set by the watcher after it asked for a new reading: an idle reader goes round at once.
  const UniqueHandle refreshed(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  const HANDLE wake = refreshed.get();
  WorkerThread watcher;
  watcher.Start([&sendRequest, &ended, serial, wake](const WorkerStop&) {
    KeyMatrixRefreshWatcher(&sendRequest, &ended, serial, wake);
  }, BoardWorkerName(L"key-matrix refresh", serial).c_str());
  stop.WaitFor(kFirstReadingDelayMs);

  // Set by the pipe's reader with every report it files (and reset by no read): the reader waits on it while
  // nothing comes, without the request lock, and then only looks for what arrived.
  const UniqueHandle arrival(HidLayer_DuplicateInputEvent(Device(), kPipeSpecial));
  const HANDLE idleWaits[] = {stop.Event(), arrival.get(), refreshed.get()};
  const DWORD idleWaitCount = refreshed ? 3 : 2;
  bool looking = false;  // the last read came back empty: the next one takes what is there and does not wait
  KeyMatrixAssembler assembler;
  HeldRequestLock request(requestLock_);
  bool goOn = true;
  auto handOver = [&] {
    goOn = HandOverReading(context, serial, assembler.Words(), initial, stop);
    assembler.MarkHandedOver();
    initial = false;
  };
  while (goOn && !stop.Requested()) {
    if (readerPaused_) {
      request.Release();
      stop.WaitFor(kPausedPollMs);
      continue;
    }
    request.Take();
    if (sendRequest.exchange(false)) {
      Report ask{kKeyMatrixReadRequest};
      Write(kPipeSpecial, ask.data(), kSpecialReportBytes);  // unchecked: a refresh or a stop recovers
      initial = true;
      looking = false;
    }
    Report reply{};
    const int got = ReadWithQueue(kQueueKeyMatrix, kPipeSpecial, reply.data(), kSpecialReportBytes,
                                  looking ? 0 : kReaderReadTimeoutMs);
    looking = false;
    if (got == kSpecialReportBytes) {
      if (assembler.Apply(reply.data()) == KeyMatrixAssembler::Step::kCompleted) {
        request.Release();
        handOver();
      }
      // A part of a reading: the next read waits for the rest on the pipe's data event.
      continue;
    }
    const DWORD error = GetLastError();
    request.Release();
    if (got == 0 && error == ERROR_DEV_NOT_EXIST) {
      goOn = false;
    } else if (assembler.HasUnreportedParts()) {
      // A board that sends 0x19 first ends its reading with 0x1A-0x1C; with the queue empty the reading is done.
      handOver();
    }
    // An empty read gives the request lock to the other exchanges until a report is filed (the reader's own
    // reply or another exchange's, which the next look files in its queue), a refresh is asked for or the
    // reader is stopped. Without the pipe's event it polls as the board's protocol describes.
    if (!goOn) break;
    if (arrival) {
      WaitForMultipleObjects(idleWaitCount, idleWaits, FALSE, kIdleWaitMs);
      looking = true;
    } else {
      Sleep(kPollMs);
    }
  }
  // A reader that ends by itself says so; one asked to stop leaves that to whoever stopped it (a new reader of
  // the board may already run).
  if (!stop.Requested()) readerRunning_ = false;

  ended = true;
  if (endEvent) SetEvent(endEvent.get());
  watcher.Join(WorkerThread::kOwnerJoinMs);  // it ends within half a second and uses this thread's flags until then
}

bool CventrixController::HandOverReading(const KeyMatrixReaderContext& context, const std::string& serial,
                                         const std::array<uint16_t, 8>& words, bool initial,
                                         const WorkerStop& stop) {
  if (context.wholeState != nullptr) {
    KeyMatrixState state{keyMatrixMode_, {}};
    std::copy(words.begin(), words.end(), state.words);
    return context.wholeState(serial.c_str(), &state, context.user) != 0;
  }
  int32_t result = 1;
  for (const SwitchChange& change : PerSwitchChanges(lastSwitchState_, words, keyMatrixMode_, initial)) {
    result = context.perSwitch(serial.c_str(), change.number, change.direction, context.user);
    // A callback that turned reporting off (or let the board go) gets no more of this reading.
    if (result != 1 || stop.Requested()) break;
  }
  lastSwitchState_ = words;
  return result != 0;
}
