// Stand-ins of string grid members that later work completes in place: adding rows, the advance columns,
// change reports, cell editors and embedded controls.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::CanAddRow(bool&) {}

void TVxStringGrid::AppendRow() {}

int TVxStringGrid::FirstAdvanceCol() { return FixedCols(); }

int TVxStringGrid::VisibleFixedRightCols() { return FixedRightCols(); }

void TVxStringGrid::CellsChanged(const fw::TRect&) {}

void TVxStringGrid::UpdateCellControls(bool) {}

void TVxStringGrid::ShowControlEditor(const std::string&, const std::string&, int, int, const fw::TRect&,
                                      const std::string&, const std::string&) {}

}  // namespace ui
