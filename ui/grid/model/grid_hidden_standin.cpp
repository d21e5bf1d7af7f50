// Stand-ins until the grid hides columns, rows and its selection: nothing is hidden, real and display
// columns are the same, and the current row is the framework's.
#include "ui/grid/model/string_grid.h"

namespace ui {

int TVxStringGrid::NumHiddenColumns() const { return 0; }
int TVxStringGrid::NumHiddenRows() const { return 0; }
void TVxStringGrid::UnHideColumnsAll() {}
int TVxStringGrid::RealColIndex(int col) const { return col; }
int TVxStringGrid::RealToDisplCol(int col) const { return col; }
bool TVxStringGrid::SelectionHidden() const { return false; }
void TVxStringGrid::RestoreSelection() {}
void TVxStringGrid::SetRow(int Value) { TBaseGrid::SetRow(Value); }

}  // namespace ui
