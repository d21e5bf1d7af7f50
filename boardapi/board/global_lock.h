// GlobalLock: a named mutex, "GlobalLock:" followed by a board's serial, whose mere existence says that the
// board's configuration memory is being read. It serialises those reads across processes and threads.
#pragma once

#include <windows.h>

#include <string>

// In a namespace of its own: the platform has a function of the same name.
namespace board {

class GlobalLock {
 public:
  // Waits, in 200 ms steps and for 30 s at most, until no one holds the lock, then holds it.
  explicit GlobalLock(const std::string& serial);
  // False when the wait ran out (the last error is then ERROR_TIMEOUT).
  bool Held() const { return mutex_ != nullptr; }
  ~GlobalLock();
  GlobalLock(const GlobalLock&) = delete;
  GlobalLock& operator=(const GlobalLock&) = delete;

 private:
  HANDLE mutex_ = nullptr;
};

#ifdef VENTRIX_TEST_HOOKS
// Tests: how many times a GlobalLock of this process found the lock held (each wait step counts once).
int GlobalLockRefusals();
#endif

}  // namespace board
