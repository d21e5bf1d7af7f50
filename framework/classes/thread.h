// TThread: a worker thread whose work is the overridden Execute.
//
// Make threads with Create<T>(CreateSuspended, ...): the system thread is created suspended in the
// constructor and, unless CreateSuspended, started by AfterConstruction once the object is complete.
// Execute polls Terminated to stop. An exception leaving Execute ends the thread and is kept in
// FatalException; it never reaches the system. Freeing a thread terminates it and waits for it first
// (Free, not delete: the wait must happen before the derived parts are destroyed). With FreeOnTerminate
// the thread frees itself when Execute returns; nobody may then touch or wait for it.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <exception>

#include "framework/classes/object.h"

namespace fw {

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread : public TObject {
 public:
  explicit TThread(bool CreateSuspended);
  ~TThread() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;

  // Start runs a thread created suspended (EThread when it has already been started); Resume undoes one
  // suspension.
  void Start();
  void Resume();
  void Terminate() { terminated_ = true; }
  // Waits for the end of Execute and returns ReturnValue. Messages sent to the waiting thread's windows
  // are delivered meanwhile, so a worker that sends to the GUI thread does not dead-lock it.
  std::uint32_t WaitFor();

  bool Terminated() const { return terminated_; }
  bool Finished() const { return finished_; }
  bool Suspended() const { return suspended_; }
  bool FreeOnTerminate() const { return freeOnTerminate_; }
  void SetFreeOnTerminate(bool value) { freeOnTerminate_ = value; }
  TThreadPriority Priority() const;
  void SetPriority(TThreadPriority value);
  HANDLE Handle() const { return handle_; }
  std::uint32_t ThreadID() const { return threadId_; }
  std::exception_ptr FatalException() const { return fatalException_; }

 protected:
  virtual void Execute() = 0;
  std::uint32_t ReturnValue() const { return returnValue_; }
  void SetReturnValue(std::uint32_t value) { returnValue_ = value; }

 private:
  static unsigned __stdcall ThreadProc(void* parameter);
  void TerminateAndWait();

  HANDLE handle_ = nullptr;
  std::uint32_t threadId_ = 0;
  bool createSuspended_;
  bool started_ = false;
  std::atomic<bool> suspended_{true};
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> freeOnTerminate_{false};
  std::atomic<std::uint32_t> returnValue_{0};
  std::exception_ptr fatalException_;
};

}  // namespace fw
