// TVxSmoothLabel: a label whose text lives in its Caption object; writing the text repaints the label.
#pragma once

#include <string>

#include "framework/controls/graphic_control.h"

namespace ui {

class TVxSmoothLabel;

class TVxSmoothLabelCaption {
 public:
  explicit TVxSmoothLabelCaption(TVxSmoothLabel* label) : label_(label) {}
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);

 private:
  TVxSmoothLabel* label_;
  std::string text_;
};

class TVxSmoothLabel : public fw::TGraphicControl {
 public:
  explicit TVxSmoothLabel(fw::TComponent* AOwner);
  TVxSmoothLabelCaption* Caption() { return &caption_; }

 protected:
  void Paint() override;

 private:
  TVxSmoothLabelCaption caption_;
};

}  // namespace ui
