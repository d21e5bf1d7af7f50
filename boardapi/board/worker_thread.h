// A thread that runs one body and is owned by this object: the owner waits for the body before it lets go.
// The wait is on the body's end, not on the thread's exit, because a thread that leaves while the loader lock
// is held (library unload) cannot finish exiting until that lock is free; its exit is then waited for briefly.
#pragma once

#include <windows.h>

#include <functional>

#include "boardapi/board/unique_handle.h"

class WorkerThread {
 public:
  WorkerThread() = default;
  ~WorkerThread() { Join(INFINITE); }
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // False when a thread is still owned or the thread could not be created.
  bool Start(std::function<void()> body);
  bool Started() const { return thread_.get() != nullptr; }
  HANDLE Handle() const { return thread_.get(); }
  // Waits up to limitMs for the body to return, then lets go of the thread. False on time-out (the thread is
  // kept and the wait can be repeated).
  bool Join(DWORD limitMs);

 private:
  static DWORD WINAPI Run(void* self);

  std::function<void()> body_;
  UniqueHandle thread_;
  UniqueHandle bodyDone_;
};
