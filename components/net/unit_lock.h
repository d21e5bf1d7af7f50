// A critical section owned by the socket unit, and its scope guard.
#pragma once

#include <windows.h>

namespace net {

class UnitLock {
 public:
  UnitLock() { InitializeCriticalSection(&section_); }
  ~UnitLock() { DeleteCriticalSection(&section_); }
  UnitLock(const UnitLock&) = delete;
  UnitLock& operator=(const UnitLock&) = delete;

  void Enter() { EnterCriticalSection(&section_); }
  void Leave() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

class ScopedUnitLock {
 public:
  explicit ScopedUnitLock(UnitLock& lock) : lock_(lock) { lock_.Enter(); }
  ~ScopedUnitLock() { lock_.Leave(); }
  ScopedUnitLock(const ScopedUnitLock&) = delete;
  ScopedUnitLock& operator=(const ScopedUnitLock&) = delete;

 private:
  UnitLock& lock_;
};

}  // namespace net
