// Stand-in of what the fixed-cell drop-down brings: no header
// drop-down button. Replaced by that work.
#include "ui/grid/model/string_grid.h"

namespace ui {

bool TVxStringGrid::CanShowFixedDropDown(int) { return false; }

}  // namespace ui
