#pragma once
// Base of the font, brush and pen: an object with an OnChange event and a GDI handle that it makes on
// first use after each change. The old handle stays alive until the next use, so whoever had it selected
// into a DC can put it back (from OnChange) before it is freed.
#include "framework/graphics/gdi_handles.h"
#include "framework/classes/events.h"
#include "framework/classes/persistent.h"

namespace fw {

class TGraphicsObject : public TPersistent {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};

template <typename Handle>
class LazyGdiHandle {
 public:
  void MarkStale() { stale_ = true; }
  template <typename Create>
  Handle Get(Create create) {
    if (stale_ || !object_) {
      object_.Reset(create());
      stale_ = false;
    }
    return object_.Get();
  }

 private:
  GdiObject<Handle> object_;
  bool stale_ = false;
};

// A graphics object over one kind of GDI handle: each change marks the handle stale and reports itself.
template <typename Handle>
class TGdiGraphicsObject : public TGraphicsObject {
 protected:
  template <typename T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    HandleChanged();
  }
  void HandleChanged() {
    handle_.MarkStale();
    Changed();
  }

  LazyGdiHandle<Handle> handle_;
};

}  // namespace fw
