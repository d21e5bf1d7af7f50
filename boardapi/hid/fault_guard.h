// Guarded platform calls: an access violation or stack exhaustion inside a guarded operation is written to the
// controller log and turns into a failed call instead of ending the process. Other faults pass on to the outer
// handlers untouched. The board object guards exactly one call into the USB layer at a time (one write, one
// read), the call that reaches the operating system: a fault abandons the frames of that call only, and the
// USB layer records what its frames hold, so the guard gives it back. The layer's pipe readers guard each of
// their own calls into the system (start a read, take its result, cancel it).
//
// Recovery, the same on both architectures: a vectored handler looks at every access violation and stack
// exhaustion of the process, and acts only on a thread inside a guard (a thread-local record). It moves that
// thread onto a landing routine just below the guard's own frame, which writes the log lines and jumps back to
// the guard's recovery point (__builtin_setjmp/__builtin_longjmp). The abandoned frames run no destructors: the
// USB layer's mutexes and its count of callers are given back from the thread's record of them, and a write
// whose completion record was abandoned leaks it rather than free memory the system may still fill.
// x86_64: the stack and instruction pointers are replaced in the fault's context; nothing else is registered
// on the stack. i686: frame-based handlers that the abandoned frames registered are also taken off the
// thread's handler chain (fs:0) by restoring the head the guard saw on entry. After stack exhaustion the
// stack's guard page is put back (_resetstkoflw) so the next exhaustion is caught too.
#pragma once

#include <windows.h>

#include <type_traits>

// Writes the fault's label line to the controller log, and for an access violation or stack exhaustion also
// its explanation line. True for those two codes (the fault is handled), false for every other code.
bool DescribeFault(DWORD code, const EXCEPTION_RECORD* record, const char* operation);

// Runs body(context) and returns its result, or -1 when a handled fault ended it, with the last error
// ERROR_NOACCESS or ERROR_STACK_OVERFLOW. Mutexes of the USB layer that the abandoned frames held are given
// back before -1 is returned.
int RunGuarded(const char* operation, int (*body)(void*), void* context);

template <class Body>
int Guarded(const char* operation, Body&& body) {
  using BodyType = std::remove_reference_t<Body>;
  return RunGuarded(
      operation, [](void* context) -> int { return (*static_cast<BodyType*>(context))(); }, &body);
}
