// Until the editors, the proportional scroll bars and the focus window exist: hiding the editor, updating
// the bars and moving the focus window do nothing; the version number is this build's.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::HideCellEditor() {}
void TVxStringGrid::UpdateVertScrollBar() {}
void TVxStringGrid::UpdateHorzScrollBar() {}
void TVxStringGrid::MoveFocusWindow() {}
std::uint32_t TVxStringGrid::VersionAsNumber() { return 0x06000404; }

}  // namespace ui
