#include "boardapi/hid/hid_locks.h"

#include "boardapi/hid/hid_state.h"

namespace {

// A null entry stands for a caller's stay inside the layer.
constexpr size_t kMaxHeld = 64;
thread_local HANDLE t_held[kMaxHeld];
thread_local size_t t_depth = 0;

void Push(HANDLE entry) {
  if (t_depth < kMaxHeld) t_held[t_depth++] = entry;
}

void Remove(HANDLE entry) {
  for (size_t i = t_depth; i-- > 0;) {
    if (t_held[i] != entry) continue;
    for (size_t j = i + 1; j < t_depth; ++j) t_held[j - 1] = t_held[j];
    --t_depth;
    return;
  }
}

void GiveBack(HANDLE entry) {
  if (entry) ReleaseMutex(entry);
  else g_hid.operations.fetch_sub(1);
}

}  // namespace

HidMutexHold::HidMutexHold(HANDLE mutex, HANDLE unlessSet) : mutex_(mutex) {
  if (!mutex_) return;
  HANDLE waits[2] = {mutex_, unlessSet};
  const DWORD woke = WaitForMultipleObjects(unlessSet ? 2 : 1, waits, FALSE, INFINITE);
  if (woke == WAIT_OBJECT_0 || woke == WAIT_ABANDONED_0) {
    held_ = true;
    Push(mutex_);
  }
}

void HidMutexHold::Acquire() {
  if (held_ || !mutex_) return;
  const DWORD woke = WaitForSingleObject(mutex_, INFINITE);
  if (woke == WAIT_OBJECT_0 || woke == WAIT_ABANDONED) {
    held_ = true;
    Push(mutex_);
  }
}

void HidMutexHold::Release() {
  if (!held_) return;
  held_ = false;
  Remove(mutex_);
  ReleaseMutex(mutex_);
}

HidOperation::HidOperation() {
  g_hid.operations.fetch_add(1);
  Push(nullptr);
}

HidOperation::~HidOperation() {
  Remove(nullptr);
  g_hid.operations.fetch_sub(1);
}

size_t HidLayer_ThreadLockDepth() { return t_depth; }

void HidLayer_ReleaseThreadLocksAbove(size_t depth) {
  while (t_depth > depth) GiveBack(t_held[--t_depth]);
}
