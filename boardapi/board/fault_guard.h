// Guarded platform calls: an access violation or stack exhaustion inside a guarded operation (typically inside
// a platform call of the USB layer) is written to the controller log and turns into a failed call instead of
// ending the process. Other faults pass on to the outer handlers untouched.
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
