#include "ui/controls/smooth_panel.h"

namespace ui {

TVxSmoothPanel::TVxSmoothPanel(fw::TComponent* AOwner) : fw::TCustomPanel(AOwner) {}

}  // namespace ui
