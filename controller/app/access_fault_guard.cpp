#include "controller/app/access_fault_guard.h"

#include <windows.h>

#include <cstdint>

// There is no __try/__except in this compiler. A vectored handler sees an access fault first; when the
// faulting thread is inside a shield it resumes the thread in a landing routine on stack space just below
// the shield's frame (the frames between are abandoned), which jumps back to the shield's recovery point.

namespace trelvik {
namespace {

struct Shield {
  void* jump[5];  // __builtin_setjmp buffer
  std::uintptr_t landingStack;
  bool landing;
#if defined(__i386__)
  EXCEPTION_REGISTRATION_RECORD* handlerChain;  // frame-based handlers of the abandoned frames must go
#endif
  Shield* outer;
};

thread_local Shield* activeShield = nullptr;

constexpr std::uintptr_t kLandingGap = 512;

[[noreturn]] void Land() { __builtin_longjmp(activeShield->jump, 1); }

LONG CALLBACK ShieldHandler(EXCEPTION_POINTERS* info) {
  if (info->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION) return EXCEPTION_CONTINUE_SEARCH;
  Shield* shield = activeShield;
  if (shield == nullptr || shield->landing) return EXCEPTION_CONTINUE_SEARCH;
  shield->landing = true;
  const std::uintptr_t entryStack = shield->landingStack - sizeof(void*);  // as if called
  CONTEXT* context = info->ContextRecord;
#if defined(__x86_64__)
  context->Rsp = entryStack;
  context->Rip = reinterpret_cast<DWORD64>(&Land);
#elif defined(__i386__)
  context->Esp = entryStack;
  context->Eip = reinterpret_cast<DWORD>(&Land);
#else
#error "access fault guard: unsupported processor"
#endif
  return EXCEPTION_CONTINUE_EXECUTION;
}

class HandlerRegistration {
 public:
  HandlerRegistration() : handle_(AddVectoredExceptionHandler(1, &ShieldHandler)) {}
  ~HandlerRegistration() {
    if (handle_ != nullptr) RemoveVectoredExceptionHandler(handle_);
  }
  HandlerRegistration(const HandlerRegistration&) = delete;
  HandlerRegistration& operator=(const HandlerRegistration&) = delete;

 private:
  PVOID handle_;
};

std::uintptr_t StackPointer() {
  std::uintptr_t stack;
#if defined(__x86_64__)
  asm volatile("mov %%rsp, %0" : "=r"(stack));
#else
  asm volatile("mov %%esp, %0" : "=r"(stack));
#endif
  return stack;
}

#if defined(__i386__)
EXCEPTION_REGISTRATION_RECORD* HandlerChain() {
  EXCEPTION_REGISTRATION_RECORD* chain;
  asm volatile("movl %%fs:0, %0" : "=r"(chain));
  return chain;
}
void SetHandlerChain(EXCEPTION_REGISTRATION_RECORD* chain) { asm volatile("movl %0, %%fs:0" : : "r"(chain) : "memory"); }
#endif

// Runs the body; a C++ exception ends it like a fault.
bool RunBody(void (*body)(void*), void* context) noexcept {
  try {
    body(context);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace

bool RunShielded(void (*body)(void*), void* context) noexcept {
  static HandlerRegistration registration;
  Shield shield{};
  shield.landingStack = (StackPointer() - kLandingGap) & ~static_cast<std::uintptr_t>(15);
#if defined(__i386__)
  shield.handlerChain = HandlerChain();
#endif
  shield.outer = activeShield;
  activeShield = &shield;
  volatile bool completed = false;
  if (__builtin_setjmp(shield.jump) == 0) {
    completed = RunBody(body, context);
  } else {
#if defined(__i386__)
    SetHandlerChain(shield.handlerChain);
#endif
  }
  activeShield = shield.outer;
  return completed;
}

}  // namespace trelvik
