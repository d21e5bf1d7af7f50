// What the grid settings tests share: a counter for one notification and a recording stand-in for the
// grid that owns the settings (its repaints, its fixed-cell colour set and which grid it is).
#pragma once

#include "tests/support/notify_counter.h"
#include "ui/grid/settings/grid_settings_owner.h"

namespace ui::testing {

using Counter = testsupport::NotifyCounter;

class RecordingOwner : public IGridSettingsOwner {
 public:
  void RepaintGrid() override { ++repaints; }
  TFixedCellColors& FixedCellColors() override { return colors; }
  bool IsSettingsOwner(const fw::TStringGrid* Grid) const override { return Grid != nullptr && Grid == self; }

  int repaints = 0;
  TFixedCellColors colors;
  fw::TStringGrid* self = nullptr;
};

}  // namespace ui::testing
