// Until columns and rows can be hidden and selected: none is hidden, the maps are the identity, no row is
// selected, and every repaint repaints the whole grid.
#include "ui/grid/model/string_grid.h"

namespace ui {

int TVxStringGrid::GetRealCol() { return Col(); }
int TVxStringGrid::DisplRowIndex(int realRow) { return realRow; }
fw::TStrings* TVxStringGrid::RealRowHiddenStrings(int) { return nullptr; }
bool TVxStringGrid::GetRowSelect(int) { return false; }
void TVxStringGrid::RepaintCell(int, int) { Invalidate(); }
void TVxStringGrid::RepaintRow(int) { Invalidate(); }
void TVxStringGrid::RepaintRect(const fw::TRect&) { Invalidate(); }

}  // namespace ui
