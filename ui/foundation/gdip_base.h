#pragma once
// The common ground of the GDI+ wrappers: instances live in GDI+'s own memory, and each wrapper owns one
// native object and keeps the last failure status instead of raising.
#include <cstddef>

#include "framework/classes/object.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/service.h"
#include "ui/foundation/gdip_values.h"

namespace ui {

// Raised when GDI+ has no memory for a wrapper even after being started again.
class EGdiplusOutOfMemory : public fw::Exception {
 public:
  using Exception::Exception;
};

// GDI+'s allocator (GdipAlloc); a test replaces it to make allocations fail.
extern fw::Service<void*(std::size_t)> GdiplusAllocate;
// GDI+'s release (GdipFree); a test replaces it with the allocator to count the wrappers alive.
extern fw::Service<void(void*)> GdiplusRelease;

class TGdiplusBase : public fw::TObject {
 public:
  // From GdipAlloc; when that gives nothing, GDI+ is started and asked once more; a second failure raises
  // EGdiplusOutOfMemory.
  static void* operator new(std::size_t size);
  static void operator delete(void* block) noexcept;
};

// A wrapper over one native object: the handle (null when creation failed) and the last failure.
template <class Native>
class TGPNativeObject : public TGdiplusBase {
 public:
  Native* NativeHandle() const { return native_; }
  GpStatus GetLastStatus() const { return lastStatus_; }

 protected:
  // Constructors record their creation status whatever it is.
  void SetCreationStatus(int status) { lastStatus_ = static_cast<GpStatus>(status); }
  // A call's status: a failure is kept, a success never clears an earlier failure.
  GpStatus SetStatus(int status) {
    if (status != Ok) lastStatus_ = static_cast<GpStatus>(status);
    return static_cast<GpStatus>(status);
  }

  Native* native_ = nullptr;
  GpStatus lastStatus_ = Ok;
};

// The native handle of a wrapper argument; a missing wrapper passes null, which GDI+ answers with
// InvalidParameter.
template <class Wrapper>
auto NativeOf(const Wrapper* wrapper) -> decltype(wrapper->NativeHandle()) {
  return wrapper != nullptr ? wrapper->NativeHandle() : nullptr;
}

}  // namespace ui
