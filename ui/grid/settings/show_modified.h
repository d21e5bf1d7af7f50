// TShowModified: the marker that rows with edited cells get in the first fixed column. GUI thread only.
#pragma once

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"

namespace ui {

class TShowModified : public fw::TPersistent {
 public:
  // Another object of this class: Enabled and Color copied as they are, no notification. Any other source
  // is ignored.
  void Assign(fw::TPersistent* Source) override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  // Every write fires OnChange (the grid repaints column 0).
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value);

  fw::TNotifyEvent OnChange;

 private:
  bool enabled_ = false;
  fw::TColor color_ = fw::clYellow;
};

}  // namespace ui
