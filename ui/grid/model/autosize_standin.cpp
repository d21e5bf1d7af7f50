// Until auto-sizing exists: sizing the columns to their content leaves them as they are.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::AutoSizeColumns(bool, int) {}

}  // namespace ui
