// Until rows can be inserted, removed and cleared: nothing is inserted, removed or cleared.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::InsertRows(int, int, bool) {}
void TVxStringGrid::RemoveRows(int, int) {}
void TVxStringGrid::ClearRows(int, int) {}

}  // namespace ui
