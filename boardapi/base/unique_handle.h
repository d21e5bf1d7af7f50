// Ownership of a kernel handle: closed when the owner goes.
#pragma once

#include <windows.h>

#include <memory>

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

// Holds null for "none"; callers turn INVALID_HANDLE_VALUE results into null before storing them.
using UniqueHandle = std::unique_ptr<void, HandleCloser>;
