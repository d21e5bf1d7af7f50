#include "framework/classes/thread.h"

#include <process.h>

#include <cerrno>
#include <cstring>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

namespace fw {

namespace {

constexpr int kPriorities[] = {THREAD_PRIORITY_IDLE,   THREAD_PRIORITY_LOWEST,  THREAD_PRIORITY_BELOW_NORMAL,
                               THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                               THREAD_PRIORITY_TIME_CRITICAL};

[[noreturn]] void ThreadError() {
  const DWORD error = GetLastError();
  throw EThread(Format("Thread Error: %s (%d)", SysErrorMessage(error), error));
}

}  // namespace

TThread::TThread(bool CreateSuspended) : createSuspended_(CreateSuspended) {
  unsigned id = 0;
  const std::uintptr_t handle = _beginthreadex(nullptr, 0, &ThreadProc, this, CREATE_SUSPENDED, &id);
  if (handle == 0) throw EThread(Format("Thread creation error: %s", std::strerror(errno)));
  handle_ = reinterpret_cast<HANDLE>(handle);
  threadId_ = id;
}

TThread::~TThread() {
  TerminateAndWait();
  CloseHandle(handle_);
}

void TThread::AfterConstruction() {
  TObject::AfterConstruction();
  if (!createSuspended_) Start();
}

void TThread::BeforeDestruction() {
  TObject::BeforeDestruction();
  TerminateAndWait();
}

void TThread::Start() {
  if (started_ || finished_) throw EThread("Cannot call Start on a running or terminated thread");
  started_ = true;
  Resume();
}

void TThread::Resume() {
  const DWORD previous = ResumeThread(handle_);
  if (previous == static_cast<DWORD>(-1)) ThreadError();
  started_ = true;
  if (previous <= 1) suspended_ = false;
}

std::uint32_t TThread::WaitFor() {
  if (freeOnTerminate_) throw EInvalidOperation("Cannot wait for a thread that frees itself");
  if (GetCurrentThreadId() == threadId_) throw EThread("A thread cannot wait for itself");
  for (;;) {
    const DWORD result = MsgWaitForMultipleObjects(1, &handle_, FALSE, INFINITE, QS_SENDMESSAGE);
    if (result == WAIT_OBJECT_0) break;
    if (result == WAIT_FAILED) ThreadError();
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // delivers the sent messages
  }
  DWORD exitCode = 0;
  GetExitCodeThread(handle_, &exitCode);
  return exitCode;
}

TThreadPriority TThread::Priority() const {
  const int value = GetThreadPriority(handle_);
  for (int i = 0; i < static_cast<int>(std::size(kPriorities)); ++i) {
    if (kPriorities[i] == value) return static_cast<TThreadPriority>(i);
  }
  return tpNormal;
}

void TThread::SetPriority(TThreadPriority value) {
  if (!SetThreadPriority(handle_, kPriorities[value])) ThreadError();
}

void TThread::TerminateAndWait() {
  if (finished_ || GetCurrentThreadId() == threadId_) return;
  Terminate();
  // The object is going away under its owner's hands: it must not free itself as well.
  freeOnTerminate_ = false;
  // A thread that never ran (or is suspended) runs to its end without calling Execute.
  for (DWORD previous = ResumeThread(handle_); previous != static_cast<DWORD>(-1) && previous > 1;) {
    previous = ResumeThread(handle_);
  }
  WaitFor();
}

unsigned __stdcall TThread::ThreadProc(void* parameter) {
  auto* thread = static_cast<TThread*>(parameter);
  if (!thread->terminated_) {
    try {
      thread->Execute();
    } catch (...) {
      thread->fatalException_ = std::current_exception();
    }
  }
  const bool freeThread = thread->freeOnTerminate_;
  const std::uint32_t result = thread->returnValue_;
  thread->finished_ = true;
  if (freeThread) thread->Free();
  return result;
}

}  // namespace fw
