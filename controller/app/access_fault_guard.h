// Runs one call so that an access fault inside it (typically inside the board library) ends that call
// instead of the program. C++ exceptions are caught too. Used by the guarded output writes, which drop
// every failure of a single write.
#pragma once

#include <type_traits>

namespace trelvik {

// Runs body(context); false when it ended by an access fault or an exception.
bool RunShielded(void (*body)(void*), void* context) noexcept;

template <class Body>
bool Shielded(Body&& body) noexcept {
  using BodyType = std::remove_reference_t<Body>;
  return RunShielded([](void* context) { (*static_cast<BodyType*>(context))(); }, &body);
}

}  // namespace trelvik
