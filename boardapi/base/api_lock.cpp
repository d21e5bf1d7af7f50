#include "boardapi/base/api_lock.h"

#include <windows.h>

namespace {

// Made on first use and never destroyed: a thread may still be leaving it while the library unloads.
CRITICAL_SECTION& Section() {
  static CRITICAL_SECTION* const section = [] {
    auto* made = new CRITICAL_SECTION;
    InitializeCriticalSection(made);
    return made;
  }();
  return *section;
}

thread_local int t_levels = 0;

void Enter() {
  EnterCriticalSection(&Section());
  ++t_levels;
}

void Leave() {
  --t_levels;
  LeaveCriticalSection(&Section());
}

}  // namespace

ApiLockHold::ApiLockHold() { Enter(); }

ApiLockHold::~ApiLockHold() { Leave(); }

ApiUnlocked::ApiUnlocked() : levels_(t_levels) {
  for (int level = 0; level < levels_; ++level) Leave();
}

ApiUnlocked::~ApiUnlocked() {
  for (int level = 0; level < levels_; ++level) Enter();
}

int ApiLockLevels() { return t_levels; }
