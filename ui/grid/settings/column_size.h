// TColumnSize: the column-width persistence settings (where widths are saved and under which key) and the
// stretching of one column to fill the grid. Owned by the grid; it keeps a reference to the grid that it
// does not own. GUI thread only.
#pragma once

#include <string>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"

namespace ui {

enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };

class TColumnSize : public fw::TPersistent {
 public:
  explicit TColumnSize(fw::TPersistent* grid) : grid_(grid) {}

  // Another TColumnSize: its settings, Stretch as the field (nothing is stretched). Other sources are
  // ignored.
  void Assign(fw::TPersistent* Source) override;
  fw::TPersistent* Grid() const { return grid_; }

  bool Stretch() const { return stretch_; }
  // Stores the value and fires OnStretch, through which the grid stretches StretchColumn.
  void SetStretch(bool value);

  bool Save = false;
  std::string Key;
  std::string Section;
  // -1: the last column.
  int StretchColumn = -1;
  bool SynchWithGrid = false;
  bool SynchNormalCellsOnly = false;
  TColumnSizeLocation Location = clRegistry;
  TAutoSizeRows Rows = arAll;
  fw::TNotifyEvent OnStretch;

 private:
  fw::TPersistent* grid_;
  bool stretch_ = false;
};

}  // namespace ui
