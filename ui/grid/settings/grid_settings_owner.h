// What the grid's settings objects ask of the grid that owns them: a repaint, the fixed-cell colour set
// that the cell painting reads, and whether a given grid is the owner itself. The string grid implements
// it; the settings objects keep a reference to it that they do not own. GUI thread only.
#pragma once

#include "framework/graphics/colors.h"

namespace fw {
class TStringGrid;
}

namespace ui {

// The fixed-cell gradient colours the cell painting uses: a working copy of the control look's, which the
// look's setters and the look presets write. The grid sets the normal From and To at its construction;
// every other colour starts not set.
struct TFixedCellColors {
  fw::TColor From = fw::clNone, To = fw::clNone, MirrorFrom = fw::clNone, MirrorTo = fw::clNone;
  fw::TColor HoverFrom = fw::clNone, HoverTo = fw::clNone, HoverMirrorFrom = fw::clNone, HoverMirrorTo = fw::clNone;
  fw::TColor HoverBorder = fw::clNone;
  fw::TColor DownFrom = fw::clNone, DownTo = fw::clNone, DownMirrorFrom = fw::clNone, DownMirrorTo = fw::clNone;
  fw::TColor DownBorder = fw::clNone;

  bool operator==(const TFixedCellColors&) const = default;
};

class IGridSettingsOwner {
 public:
  // Invalidates the whole grid.
  virtual void RepaintGrid() = 0;
  virtual TFixedCellColors& FixedCellColors() = 0;
  virtual bool IsSettingsOwner(const fw::TStringGrid* Grid) const = 0;

 protected:
  ~IGridSettingsOwner() = default;
};

}  // namespace ui
