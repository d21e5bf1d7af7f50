// Until the grid has its hidden rich-text renderer: none, so rich-text cells draw nothing.
#include "ui/grid/model/string_grid.h"

namespace ui {

fw::TRichEdit* TVxStringGrid::GetRichRenderer() { return nullptr; }

void TVxStringGrid::LoadCellIntoRichEdit(int, int, fw::TRichEdit*) {}

}  // namespace ui
