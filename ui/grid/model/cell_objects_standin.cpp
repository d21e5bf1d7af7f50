// Stand-ins of what the node, grouping and picker-editor work brings: no node rows (so a tri-state box
// takes the cycle of ordinary rows), no automatic group checking, and no colour or image picker editor.
// Each is replaced where that work builds the real member.
#include "ui/grid/model/string_grid.h"

namespace ui {

bool TVxStringGrid::RowIsNode(int) { return false; }
int TVxStringGrid::NodeSpanOf(int) { return -1; }
bool TVxStringGrid::IsNodeContracted(int) { return false; }
int TVxStringGrid::ParentNodeRow(int) { return -1; }
bool TVxStringGrid::GroupingAutoCheckGroup() { return false; }
fw::TWinControl* TVxStringGrid::GetColorDropDownEditor() { return nullptr; }
fw::TWinControl* TVxStringGrid::GetImageDropDownEditor() { return nullptr; }

}  // namespace ui
