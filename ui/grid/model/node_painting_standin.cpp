// Until the node work lands: default node settings shared by every grid, and no tree lines.
#include "ui/grid/model/string_grid.h"

namespace ui {

TCellNode* TVxStringGrid::CellNode() {
  static TCellNode settings;
  return &settings;
}

int TVxStringGrid::GetNodeLine(int) { return 0; }

}  // namespace ui
