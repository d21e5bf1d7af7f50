#pragma once
// Size limits of a control: the smallest and largest width and height it may take (0: no limit).
#include "framework/classes/events.h"
#include "framework/classes/persistent.h"

namespace fw {

class TSizeConstraints : public TPersistent {
 public:
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value) { Update(minWidth_, value); }
  int MinHeight() const { return minHeight_; }
  void SetMinHeight(int value) { Update(minHeight_, value); }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value) { Update(maxWidth_, value); }
  int MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(int value) { Update(maxHeight_, value); }

  // Brings a width and height within the limits.
  void Apply(int& width, int& height) const {
    if (maxWidth_ > 0 && width > maxWidth_) width = maxWidth_;
    if (minWidth_ > 0 && width < minWidth_) width = minWidth_;
    if (maxHeight_ > 0 && height > maxHeight_) height = maxHeight_;
    if (minHeight_ > 0 && height < minHeight_) height = minHeight_;
  }

  void Assign(TPersistent* Source) override {
    if (auto* other = dynamic_cast<TSizeConstraints*>(Source)) {
      minWidth_ = other->minWidth_;
      minHeight_ = other->minHeight_;
      maxWidth_ = other->maxWidth_;
      maxHeight_ = other->maxHeight_;
      if (OnChange) OnChange(this);
      return;
    }
    TPersistent::Assign(Source);
  }

  TNotifyEvent OnChange;

 private:
  void Update(int& field, int value) {
    if (value < 0) value = 0;
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
  }

  int minWidth_ = 0;
  int minHeight_ = 0;
  int maxWidth_ = 0;
  int maxHeight_ = 0;
};

}  // namespace fw
