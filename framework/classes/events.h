// Events: an event OnX is a public std::function member; `if (OnX) OnX(this, ...)` fires it when assigned,
// and the handler receives the sender first.
#pragma once

#include <functional>

namespace fw {

class TObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;

template <class Signature>
bool Assigned(const std::function<Signature>& event) {
  return static_cast<bool>(event);
}

inline bool Assigned(const void* pointer) { return pointer != nullptr; }

}  // namespace fw
