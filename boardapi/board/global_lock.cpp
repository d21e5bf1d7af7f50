#include "boardapi/board/global_lock.h"

#include <atomic>

namespace {
constexpr DWORD kRetryMs = 200;
constexpr ULONGLONG kGiveUpMs = 30000;
constexpr DWORD kSettleMs = 5;
#ifdef VENTRIX_TEST_HOOKS
std::atomic<int> refusals{0};
#endif
}  // namespace

namespace board {

GlobalLock::GlobalLock(const std::string& serial) {
  const std::string name = "GlobalLock:" + serial;
  // Creating is the test: an existing object (or one we may not open) means another holder, so two
  // contenders can never both see the name free.
  const ULONGLONG deadline = GetTickCount64() + kGiveUpMs;
  for (;;) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS) {
      mutex_ = mutex;
      break;
    }
    if (mutex != nullptr) CloseHandle(mutex);
#ifdef VENTRIX_TEST_HOOKS
    ++refusals;
#endif
    if (GetTickCount64() >= deadline) {
      SetLastError(ERROR_TIMEOUT);
      return;
    }
    Sleep(kRetryMs);
  }
  Sleep(kSettleMs);
}

GlobalLock::~GlobalLock() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

#ifdef VENTRIX_TEST_HOOKS
int GlobalLockRefusals() { return refusals.load(); }
#endif

}  // namespace board
