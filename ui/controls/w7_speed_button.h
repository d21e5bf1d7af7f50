// TW7SpeedButton: a flat button with a caption and an arrow that points down or up.
#pragma once

#include <string>

#include "framework/classes/events.h"
#include "framework/controls/graphic_control.h"

namespace ui {

enum TArrowType { atDown, atUp };

class TW7SpeedButton : public fw::TGraphicControl {
 public:
  explicit TW7SpeedButton(fw::TComponent* AOwner);

  TArrowType ArrowType() const { return arrowType_; }
  void SetArrowType(TArrowType value);

 protected:
  void Paint() override;

 private:
  TArrowType arrowType_ = atDown;
};

// A button made at run time with a name, caption, width and click handler, owned and parented by owner.
TW7SpeedButton* MakeW7SpeedButton(fw::TWinControl* owner, const std::string& name, const std::string& caption,
                                  int width, fw::TNotifyEvent onClick);

}  // namespace ui
