// FlagScope: raises a re-entrance flag for the life of the scope and puts back what it was, also when an
// exception leaves the scope.
#pragma once

namespace ui {

class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = previous_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace ui
