#include "boardapi/base/worker_thread.h"

#include <atomic>
#include <new>
#include <utility>

#include "boardapi/base/api_lock.h"
#include "boardapi/base/process_exit.h"
#include "boardapi/base/unique_handle.h"

struct WorkerStop::State {
  WorkerThread::Body body;
  UniqueHandle thread;
  DWORD threadId = 0;
  UniqueHandle stopEvent;  // manual reset
  UniqueHandle bodyDone;   // set as the thread's last act in the body's code
  std::atomic<bool> stopRequested{false};
};

namespace {
// A thread whose body has ended is leaving; this bounds the wait for its exit when it cannot finish. Inside the
// unload it never can (the loader lock is held), so it is not waited for at all.
constexpr DWORD kExitWaitMs = 1000;

// Thread descriptions came with Windows 10 1607; older systems have no such call and their threads stay unnamed.
void DescribeThread(HANDLE thread, const wchar_t* name) {
  using SetThreadDescriptionFn = HRESULT(WINAPI*)(HANDLE, PCWSTR);
  static const auto describe = [] {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel == nullptr ? nullptr
                             : reinterpret_cast<SetThreadDescriptionFn>(
                                   reinterpret_cast<void*>(GetProcAddress(kernel, "SetThreadDescription")));
  }();
  if (describe != nullptr && name != nullptr && *name != 0) describe(thread, name);
}
}  // namespace

bool WorkerStop::Requested() const { return state_.stopRequested.load(); }

bool WorkerStop::WaitFor(DWORD limitMs) const {
  if (Requested()) return true;
  return WaitForSingleObject(state_.stopEvent.get(), limitMs) == WAIT_OBJECT_0;
}

HANDLE WorkerStop::Event() const { return state_.stopEvent.get(); }

WorkerThread::~WorkerThread() {
  if (!state_) return;
  RequestStop();
  if (IsCurrentThread() || !Join(kOwnerJoinMs)) state_.reset();
}

bool WorkerThread::Running() const {
  return state_ && WaitForSingleObject(state_->bodyDone.get(), 0) == WAIT_TIMEOUT;
}

HANDLE WorkerThread::Handle() const { return state_ ? state_->thread.get() : nullptr; }

bool WorkerThread::IsCurrentThread() const { return state_ && state_->threadId == GetCurrentThreadId(); }

void WorkerThread::RequestStop() {
  if (!state_) return;
  state_->stopRequested = true;
  SetEvent(state_->stopEvent.get());
}

bool WorkerThread::Start(Body body, const wchar_t* name) noexcept {
  if (state_) {
    if (IsCurrentThread()) {
      RequestStop();
      state_.reset();  // ends by itself once its body returns
    } else if (!Join(kOwnerJoinMs)) {
      return false;
    }
  }
  std::shared_ptr<WorkerStop::State> state;
  try {
    state = std::make_shared<WorkerStop::State>();
  } catch (...) {
    return false;  // callers inside C-style code (the USB layer) see a failed start, never an exception
  }
  state->stopEvent.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  state->bodyDone.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!state->stopEvent || !state->bodyDone) return false;
  state->body = std::move(body);
  // The thread's own share of the state, handed over through its parameter.
  auto* parameter = new (std::nothrow) std::shared_ptr<WorkerStop::State>(state);
  if (parameter == nullptr) return false;
  DWORD threadId = 0;
  HANDLE thread = CreateThread(nullptr, 0, &WorkerThread::Run, parameter, CREATE_SUSPENDED, &threadId);
  if (thread == nullptr) {
    delete parameter;
    return false;
  }
  state->thread.reset(thread);
  state->threadId = threadId;
  state_ = std::move(state);
  DescribeThread(thread, name);
  ResumeThread(thread);
  return true;
}

DWORD WINAPI WorkerThread::Run(void* parameter) {
  auto* handed = static_cast<std::shared_ptr<WorkerStop::State>*>(parameter);
  const std::shared_ptr<WorkerStop::State> state = std::move(*handed);
  delete handed;
  try {
    state->body(WorkerStop(*state));
  } catch (...) {
    // Nothing leaves a thread of the library; the worker simply ends.
  }
  try {
    state->body = nullptr;  // what the body kept alive is released here, on its own thread
  } catch (...) {
  }
  SetEvent(state->bodyDone.get());
  return 0;
}

bool WorkerThread::Join(DWORD limitMs) {
  if (!state_) return true;
  if (IsCurrentThread()) {
    RequestStop();
    return false;
  }
  const std::shared_ptr<WorkerStop::State> state = state_;
  bool ended = false;
  {
    ApiUnlocked unlocked;
    // A thread ended from outside (process exit) never finishes its body; its handle tells.
    const HANDLE ends[] = {state->bodyDone.get(), state->thread.get()};
    const DWORD woken = WaitForMultipleObjects(2, ends, FALSE, limitMs);
    ended = woken == WAIT_OBJECT_0 || woken == WAIT_OBJECT_0 + 1;
    if (ended) WaitForSingleObject(state->thread.get(), LibraryIsUnloading() ? 0 : kExitWaitMs);
  }
  if (!ended) return false;
  if (state_ == state) state_.reset();
  return true;
}

std::wstring BoardWorkerName(const wchar_t* what, const std::string& serial) {
  std::wstring name = L"ventrix ";
  name += what;
  name += L' ';
  for (const char unit : serial) name += static_cast<wchar_t>(static_cast<unsigned char>(unit));
  return name;
}
