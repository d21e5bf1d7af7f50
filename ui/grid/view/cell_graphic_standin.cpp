// Stand-ins of what the cell graphics and the fixed-cell drop-down bring: no image list, no header
// drop-down button. Replaced by that work.
#include "ui/grid/model/string_grid.h"

namespace ui {

fw::TCustomImageList* TVxStringGrid::GetCellImageList(int, int) { return nullptr; }
bool TVxStringGrid::CanShowFixedDropDown(int) { return false; }

}  // namespace ui
