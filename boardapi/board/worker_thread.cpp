#include "boardapi/board/worker_thread.h"

#include <utility>

namespace {
// A thread whose body has ended is leaving; this bounds the wait for its exit when it cannot finish (see header).
constexpr DWORD kExitWaitMs = 1000;
}  // namespace

bool WorkerThread::Start(std::function<void()> body) {
  if (thread_) return false;
  bodyDone_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!bodyDone_) return false;
  body_ = std::move(body);
  thread_.reset(CreateThread(nullptr, 0, &WorkerThread::Run, this, 0, nullptr));
  if (!thread_) {
    body_ = nullptr;
    bodyDone_.reset();
    return false;
  }
  return true;
}

DWORD WINAPI WorkerThread::Run(void* self) {
  auto* worker = static_cast<WorkerThread*>(self);
  worker->body_();
  // Nothing of the owner may be touched after this: it may let go at once.
  SetEvent(worker->bodyDone_.get());
  return 0;
}

bool WorkerThread::Join(DWORD limitMs) {
  if (!thread_) return true;
  // A body cannot wait for its own end.
  if (GetThreadId(thread_.get()) == GetCurrentThreadId()) return false;
  // A thread ended from outside (process exit) never finishes its body; its handle tells.
  const HANDLE ends[] = {bodyDone_.get(), thread_.get()};
  const DWORD woken = WaitForMultipleObjects(2, ends, FALSE, limitMs);
  if (woken != WAIT_OBJECT_0 && woken != WAIT_OBJECT_0 + 1) return false;
  WaitForSingleObject(thread_.get(), kExitWaitMs);
  thread_.reset();
  bodyDone_.reset();
  body_ = nullptr;
  return true;
}
