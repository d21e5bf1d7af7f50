// Until cell graphics exist: no cell has a graphic and nothing holds a scroll-bar range.
#include "ui/grid/model/string_grid.h"

namespace ui {

TCellType TVxStringGrid::GetCellType(int, int) { return ctEmpty; }
TCellGraphic* TVxStringGrid::GetCellGraphic(int, int) { return nullptr; }
void TVxStringGrid::SetScrollBarRange(int, int, TScrollBarRange) {}

}  // namespace ui
