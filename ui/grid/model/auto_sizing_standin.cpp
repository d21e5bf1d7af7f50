// TEMPORARY until the cell graphics' option objects are merged.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::GetCellGraphicSize(int realCol, int row, int& width, int& height) {
  TCellVAlign v = vaTop;
  TCellHAlign h = haLeft;
  bool drawText = true;
  GetCellGraphicLayout(realCol, row, v, h, drawText, height, width);
}

TColumnSizeStandin* TVxStringGrid::ColumnSize() {
  static TColumnSizeStandin settings;
  return &settings;
}

}  // namespace ui
