#include "boardapi/hid/fault_guard.h"

#include <malloc.h>

#include <cstdint>

#include "boardapi/hid/hid_layer.h"
#include "boardapi/log/controller_log.h"

// There is no __try/__except here. A vectored handler sees the fault first; when the faulting thread is inside
// a guard it copies the fault record and resumes the thread in LandInGuard on stack space just below the
// guard's own frame (the frames between are abandoned). LandInGuard describes the fault there, where stack
// is plentiful even after stack exhaustion, and jumps back to the guard's recovery point.

namespace {

struct GuardRecord {
  void* jump[5];  // __builtin_setjmp buffer
  const char* operation;
  size_t lockDepth;
  uintptr_t landingStack;
  EXCEPTION_RECORD fault;
  bool landing;  // set once a fault was taken; a fault while describing it is not taken again
#if defined(__i386__)
  // Frame-based handlers that the abandoned frames registered must leave the thread's handler chain.
  EXCEPTION_REGISTRATION_RECORD* handlerChain;
#endif
  GuardRecord* outer;
};

thread_local GuardRecord* activeGuard = nullptr;

// Room left between the guard's stack pointer and the landing routine's first frame.
constexpr uintptr_t kLandingGap = 512;

bool IsGuardedCode(DWORD code) { return code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_STACK_OVERFLOW; }

[[noreturn]] void LandInGuard() {
  GuardRecord* guard = activeGuard;
  DescribeFault(guard->fault.ExceptionCode, &guard->fault, guard->operation);
  __builtin_longjmp(guard->jump, 1);
}

LONG CALLBACK GuardHandler(EXCEPTION_POINTERS* info) {
  const DWORD code = info->ExceptionRecord->ExceptionCode;
  // The code is checked first so that unguarded threads never touch the thread-local record here.
  if (!IsGuardedCode(code)) return EXCEPTION_CONTINUE_SEARCH;
  GuardRecord* guard = activeGuard;
  if (!guard || guard->landing) return EXCEPTION_CONTINUE_SEARCH;

  guard->landing = true;
  guard->fault = *info->ExceptionRecord;
  guard->fault.ExceptionRecord = nullptr;  // a chained record lives on the abandoned stack
  // Entered as if called: the return-address slot lies just below a 16-byte boundary.
  const uintptr_t entryStack = guard->landingStack - sizeof(void*);
  CONTEXT* context = info->ContextRecord;
#if defined(__x86_64__)
  context->Rsp = entryStack;
  context->Rip = reinterpret_cast<DWORD64>(&LandInGuard);
#elif defined(__i386__)
  context->Esp = entryStack;
  context->Eip = reinterpret_cast<DWORD>(&LandInGuard);
#else
#error "fault guard: unsupported processor"
#endif
  return EXCEPTION_CONTINUE_EXECUTION;
}

// Installed once for the process; removed when the module unloads so no handler points into freed code.
class HandlerRegistration {
 public:
  HandlerRegistration() : handle_(AddVectoredExceptionHandler(1, &GuardHandler)) {}
  ~HandlerRegistration() {
    if (handle_) RemoveVectoredExceptionHandler(handle_);
  }
  HandlerRegistration(const HandlerRegistration&) = delete;
  HandlerRegistration& operator=(const HandlerRegistration&) = delete;

 private:
  PVOID handle_;
};

void EnsureHandlerInstalled() { static HandlerRegistration registration; }

uintptr_t CurrentStackPointer() {
  uintptr_t stack;
#if defined(__x86_64__)
  asm volatile("mov %%rsp, %0" : "=r"(stack));
#else
  asm volatile("mov %%esp, %0" : "=r"(stack));
#endif
  return stack;
}

#if defined(__i386__)
// The head of the thread's frame-based handler chain is the first word of its information block (fs:0).
EXCEPTION_REGISTRATION_RECORD* HandlerChain() {
  EXCEPTION_REGISTRATION_RECORD* chain;
  asm volatile("movl %%fs:0, %0" : "=r"(chain));
  return chain;
}
void SetHandlerChain(EXCEPTION_REGISTRATION_RECORD* chain) { asm volatile("movl %0, %%fs:0" : : "r"(chain) : "memory"); }
#endif

// Leaves the guard however the body ends: by returning, by a C++ exception, or through the recovery point.
class ActiveGuardScope {
 public:
  explicit ActiveGuardScope(GuardRecord* guard) : guard_(guard) { activeGuard = guard; }
  ~ActiveGuardScope() { activeGuard = guard_->outer; }
  ActiveGuardScope(const ActiveGuardScope&) = delete;
  ActiveGuardScope& operator=(const ActiveGuardScope&) = delete;

 private:
  GuardRecord* guard_;
};

}  // namespace

bool DescribeFault(DWORD code, const EXCEPTION_RECORD* record, const char* operation) {
  ControllerLog log(true);
  const int parameterCount = static_cast<int>(record->NumberParameters);
  const int readWrite = parameterCount > 0 ? static_cast<int>(record->ExceptionInformation[0]) : 0;
  log.Write(3, operation, "Code: 0x%.08lX Address: %.08llX Parameters: %d Read/Write: %d", code,
            static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(record->ExceptionAddress)),
            parameterCount, readWrite);
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
      log.Write(3, operation,
                "The thread tried to read from or write to a virtual address for which it does not have the "
                "appropriate access.");
      return true;
    case EXCEPTION_STACK_OVERFLOW:
      log.Write(3, operation, "The thread used up its stack.");
      return true;
    default:
      return false;
  }
}

int RunGuarded(const char* operation, int (*body)(void*), void* context) {
  EnsureHandlerInstalled();

  GuardRecord guard{};
  guard.operation = operation;
  guard.lockDepth = HidLayer_ThreadLockDepth();
  guard.landingStack = (CurrentStackPointer() - kLandingGap) & ~static_cast<uintptr_t>(15);
#if defined(__i386__)
  guard.handlerChain = HandlerChain();
#endif
  guard.outer = activeGuard;
  ActiveGuardScope scope(&guard);

  if (__builtin_setjmp(guard.jump) == 0) return body(context);

  // Back from LandInGuard: the body's frames are gone.
#if defined(__i386__)
  SetHandlerChain(guard.handlerChain);
#endif
  HidLayer_ReleaseThreadLocksAbove(guard.lockDepth);
  const bool stackExhausted = guard.fault.ExceptionCode == EXCEPTION_STACK_OVERFLOW;
  if (stackExhausted) _resetstkoflw();
  // Callers read the last error of a failed call; it must name the fault, not what logging left behind.
  SetLastError(stackExhausted ? ERROR_STACK_OVERFLOW : ERROR_NOACCESS);
  return -1;
}
