// COM helpers: GUIDs as text, failed HRESULTs as exceptions, and a reference-counted interface holder.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <string>
#include <utility>

#include "framework/rtl/exceptions.h"

namespace fw {

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hexadecimal.
std::string GUIDToString(const GUID& guid);

// A failed COM call: the message is the system's text for the HRESULT.
class EOleSysError : public Exception {
 public:
  EOleSysError(std::string message, HRESULT errorCode) : Exception(std::move(message)), errorCode_(errorCode) {}
  HRESULT ErrorCode() const noexcept { return errorCode_; }

 private:
  HRESULT errorCode_;
};

// Raises EOleSysError when result is a failure code; returns it otherwise.
HRESULT OleCheck(HRESULT result);

// Holds one reference to a COM interface and releases it at the end of its life.
template <class I>
class ComRef {
 public:
  ComRef() = default;
  // Takes over a reference the caller already owns.
  explicit ComRef(I* owned) : ptr_(owned) {}
  ComRef(const ComRef& other) : ptr_(other.ptr_) {
    if (ptr_) ptr_->AddRef();
  }
  ComRef(ComRef&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  ComRef& operator=(ComRef other) noexcept {
    std::swap(ptr_, other.ptr_);
    return *this;
  }
  ~ComRef() { Reset(); }

  // Adds a reference of its own to an interface someone else owns.
  static ComRef Share(I* shared) {
    if (shared) shared->AddRef();
    return ComRef(shared);
  }
  void Reset() {
    if (ptr_) std::exchange(ptr_, nullptr)->Release();
  }
  I* Get() const { return ptr_; }
  I* operator->() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  // For calls that hand out a new reference through an I** argument.
  I** Receive() {
    Reset();
    return &ptr_;
  }

 private:
  I* ptr_ = nullptr;
};

}  // namespace fw
