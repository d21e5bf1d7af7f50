// Until cell graphics and the text layout exist: no cell has a graphic, texts are shown as they are, and
// nothing measures a cell or holds a scroll-bar range.
#include "ui/grid/model/string_grid.h"

namespace ui {

TCellType TVxStringGrid::GetCellType(int, int) { return ctEmpty; }
TCellGraphic* TVxStringGrid::GetCellGraphic(int, int) { return nullptr; }
std::string TVxStringGrid::GetFormattedCell(int col, int row) { return GetCellEx(col, row); }
void TVxStringGrid::GetCellTextExtent(int, int, fw::TPoint& size, bool, bool) { size = fw::TPoint{0, 0}; }
void TVxStringGrid::SetScrollBarRange(int, int, TScrollBarRange) {}

}  // namespace ui
