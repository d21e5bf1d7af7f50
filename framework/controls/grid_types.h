#pragma once
// The types the grids share: cell coordinates and rectangles, the options, the draw state of a cell, the
// grid's mouse state, the grid error and the grids' event types.
#include <functional>

#include "framework/classes/events.h"
#include "framework/graphics/geometry.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/set.h"

namespace fw {

// A structural request the grid cannot carry out (an index outside the grid, a fixed count not below its
// count).
FW_DECLARE_EXCEPTION(EInvalidGridOperation, Exception);

// A cell: column X, row Y.
struct TGridCoord {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, inclusive: columns Left..Right, rows Top..Bottom.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption {
  goFixedVertLine,      // lines between the fixed columns
  goFixedHorzLine,      // lines between the fixed rows
  goVertLine,           // lines between the normal columns
  goHorzLine,           // lines between the normal rows
  goRangeSelect,        // the selection may cover more than the current cell
  goDrawFocusSelected,  // the current cell is painted selected even while the grid has the focus
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,          // the selection always covers whole rows
  goAlwaysShowEditor,
  goThumbTracking,      // the view follows the scroll thumb while it is dragged
};
using TGridOptions = Set<TGridOption>;

// How a cell is painted: selected (in the selection), focused (the current cell of the focused grid), fixed.
enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateItem>;

// What the mouse is doing with the grid.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// Sender, the cell's column and row, its rectangle inside the grid lines and its draw state.
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
// Asked before the current cell moves to (ACol, ARow); CanSelect false keeps it where it is.
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
// A column or row changed place.
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

}  // namespace fw
