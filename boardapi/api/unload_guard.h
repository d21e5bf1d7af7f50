// Holds one of the library's objects for the library's lifetime. At an unload by FreeLibrary the object is
// destroyed as usual; when the process is ending its other threads are already gone (their locks possibly
// orphaned), so the object is abandoned to the system instead of torn down.
#pragma once

#include <new>
#include <utility>

#include "boardapi/base/process_exit.h"

template <typename T>
class UnloadGuard {
 public:
  template <typename... Args>
  explicit UnloadGuard(Args&&... args) {
    new (storage_) T(std::forward<Args>(args)...);
  }
  ~UnloadGuard() {
    if (!ProcessIsExiting()) Get().~T();
  }
  UnloadGuard(const UnloadGuard&) = delete;
  UnloadGuard& operator=(const UnloadGuard&) = delete;

  T& Get() { return *std::launder(reinterpret_cast<T*>(storage_)); }

 private:
  alignas(T) unsigned char storage_[sizeof(T)];
};
