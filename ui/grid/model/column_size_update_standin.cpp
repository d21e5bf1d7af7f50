// Until the scrolling and sizing work: the column-size query auto-sizing asks.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::UpdateColumnSize(int col, int& width) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, col, width);
}

}  // namespace ui
