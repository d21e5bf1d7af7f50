// TVxSmoothPanel: a panel with a caption that other controls stand on.
#pragma once

#include "framework/controls/panel.h"

namespace ui {

class TVxSmoothPanel : public fw::TCustomPanel {
 public:
  explicit TVxSmoothPanel(fw::TComponent* AOwner);
};

}  // namespace ui
