// Holds an object's change notifications (BeginUpdate) for a scope, even one left by an exception.
#pragma once

namespace fw {

template <class T>
class UpdateScope {
 public:
  explicit UpdateScope(T& object) : object_(object) { object_.BeginUpdate(); }
  ~UpdateScope() { object_.EndUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  T& object_;
};

}  // namespace fw
