// Stand-ins until the look presets exist: a style number and a set of face colours are stored only.
#include "ui/grid/model/string_grid.h"

namespace ui {

void TVxStringGrid::ApplyStyle(int Style) { currentStyle_ = Style; }

void TVxStringGrid::ApplyStyleColors(TControlFaceColors Colors) { faceColors_ = Colors; }

}  // namespace ui
