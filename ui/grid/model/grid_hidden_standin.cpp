// Stand-ins until the grid hides columns and rows: nothing is hidden, real and display columns are the
// same, and the current row is the framework's.
#include "ui/grid/model/string_grid.h"

namespace ui {

int TVxStringGrid::NumHiddenColumns() { return 0; }
int TVxStringGrid::NumHiddenRows() { return 0; }
void TVxStringGrid::UnHideColumnsAll() {}
int TVxStringGrid::RealColIndex(int col) { return col; }
int TVxStringGrid::DisplColIndex(int col) { return col; }
void TVxStringGrid::SetRow(int Value) { TBaseGrid::SetRow(Value); }

}  // namespace ui
