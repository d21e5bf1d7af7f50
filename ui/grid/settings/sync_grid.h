// TSyncGrid: a second grid that follows this one: its scroll position, its row or column selection and its
// row and column moves. The synchronised grid is not owned, and it is never the owning grid itself. GUI
// thread only.
#pragma once

#include "framework/classes/persistent.h"
#include "ui/grid/settings/grid_settings_owner.h"

namespace fw {
class TStringGrid;
}

namespace ui {

class TSyncGrid : public fw::TPersistent {
 public:
  explicit TSyncGrid(IGridSettingsOwner* Owner) : owner_(Owner) {}

  // Another sync object: Grid through its setter (so the owner is refused), then the six switches; no
  // notification. Any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  bool ScrollHorizontal() const { return v_.scrollHorizontal; }
  void SetScrollHorizontal(bool Value) { v_.scrollHorizontal = Value; }
  // Writing the owning grid leaves the previous grid in place. The owner clears it when that grid goes.
  fw::TStringGrid* Grid() const { return grid_; }
  void SetGrid(fw::TStringGrid* Value);
  bool ScrollVertical() const { return v_.scrollVertical; }
  void SetScrollVertical(bool Value) { v_.scrollVertical = Value; }
  bool SelectionRow() const { return v_.selectionRow; }
  void SetSelectionRow(bool Value) { v_.selectionRow = Value; }
  bool SelectionColumn() const { return v_.selectionColumn; }
  void SetSelectionColumn(bool Value) { v_.selectionColumn = Value; }
  bool MoveRow() const { return v_.moveRow; }
  void SetMoveRow(bool Value) { v_.moveRow = Value; }
  bool MoveColumn() const { return v_.moveColumn; }
  void SetMoveColumn(bool Value) { v_.moveColumn = Value; }

 private:
  struct Switches {
    bool scrollHorizontal = false;
    bool scrollVertical = false;
    bool selectionRow = false;
    bool selectionColumn = false;
    bool moveRow = false;
    bool moveColumn = false;
  };
  IGridSettingsOwner* owner_;
  fw::TStringGrid* grid_ = nullptr;
  Switches v_;
};

}  // namespace ui
