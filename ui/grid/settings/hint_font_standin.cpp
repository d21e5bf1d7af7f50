// Until the HTML hint window exists: the hint font name lives here.
#include <string>

#include "ui/grid/settings/grid_unit.h"

namespace ui {

std::string GridHintFontName;

}  // namespace ui
