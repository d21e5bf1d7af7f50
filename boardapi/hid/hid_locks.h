// Holders for the layer's mutexes and for a caller's stay inside the layer. Each records itself on a
// per-thread stack, so that when a fault abandons a frame in the middle of a platform call, the guard that
// catches it can give back what that frame held (HidLayer_ReleaseThreadLocksAbove).
#pragma once

#include <windows.h>

class HidMutexHold {
 public:
  // Takes the mutex without limit; a null mutex is never held.
  explicit HidMutexHold(HANDLE mutex) : mutex_(mutex) { Acquire(); }
  // Takes the mutex unless the event is set first (then held() is false).
  HidMutexHold(HANDLE mutex, HANDLE unlessSet);
  ~HidMutexHold() { Release(); }
  HidMutexHold(const HidMutexHold&) = delete;
  HidMutexHold& operator=(const HidMutexHold&) = delete;

  void Acquire();
  void Release();
  bool held() const { return held_; }

 private:
  HANDLE mutex_;
  bool held_ = false;
};

// Counts the caller as inside the layer while it lives (see HidLayerState::operations).
class HidOperation {
 public:
  HidOperation();
  ~HidOperation();
  HidOperation(const HidOperation&) = delete;
  HidOperation& operator=(const HidOperation&) = delete;
};
