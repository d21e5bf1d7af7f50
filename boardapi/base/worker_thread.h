// The library's one thread type. A worker runs one body and is owned by one object. Its stop is a flag and an
// event that the body watches; asking for the stop and waiting for the end are separate steps, so a stop can
// be asked for from the worker's own thread (a program's callback running on it), and whoever owns the worker
// waits for it later: at the next start, at the next stop or when the owner goes.
//
// The thread shares the worker's state, never the owner: a body that must outlive its owner keeps what it
// uses alive itself (its captures are released on the worker's own thread when the body has returned).
// Nothing the body throws leaves the thread. Every wait for a worker is bounded, and none holds the library
// lock, since the worker may be waiting for it inside a callback. The wait is on the body's end and only
// briefly on the thread's exit, which cannot finish while the loader lock is held (library unload).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

// A body's view of its worker's stop.
class WorkerStop {
 public:
  struct State;
  explicit WorkerStop(const State& state) : state_(state) {}
  bool Requested() const;
  // Waits up to limitMs for a stop request; true when one came.
  bool WaitFor(DWORD limitMs) const;
  // Set (and kept set) once a stop is asked for: for a body that waits on it with objects of its own.
  HANDLE Event() const;

 private:
  const State& state_;
};

class WorkerThread {
 public:
  using Body = std::function<void(const WorkerStop&)>;
  // How long an owner waits for its worker when it goes.
  static constexpr DWORD kOwnerJoinMs = 10000;

  WorkerThread() = default;
  // Asks for the stop and waits (kOwnerJoinMs); on the worker's own thread it only asks and lets go.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Starts a new thread. A worker still owned from an earlier start is waited for first (it must have been
  // asked to stop); one that is the calling thread itself is let go. False when the earlier worker did not
  // end in time or the thread could not be made (also for want of memory: it never throws). The name, when
  // given, is the thread's description for debuggers and profilers (where the system has descriptions).
  bool Start(Body body, const wchar_t* name = nullptr) noexcept;
  bool Started() const { return state_ != nullptr; }
  // Started and its body has not returned yet.
  bool Running() const;
  HANDLE Handle() const;
  bool IsCurrentThread() const;

  void RequestStop();
  // Waits up to limitMs for the body to return, then lets go of the thread. False on time-out (the worker is
  // kept and the wait can be repeated) and on the worker's own thread (the stop is asked for; the owner waits
  // later).
  bool Join(DWORD limitMs);
  bool Stop(DWORD limitMs) {
    RequestStop();
    return Join(limitMs);
  }

 private:
  static DWORD WINAPI Run(void* parameter);

  std::shared_ptr<WorkerStop::State> state_;
};

// A board's worker's name: what it does and the board's serial ("key-matrix reader MCP00001"); the serial is
// the board's ASCII text.
std::wstring BoardWorkerName(const wchar_t* what, const std::string& serial);
