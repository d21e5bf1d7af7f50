// TObjStringGrid: the framework's string grid as the base grid builds on it. Cell texts are the
// framework's cell strings and each cell's object slot holds what the grid above keeps per cell.
#pragma once

#include "framework/controls/string_grid.h"

namespace ui {

class TObjStringGrid : public fw::TStringGrid {
 public:
  using fw::TStringGrid::TStringGrid;
};

}  // namespace ui
