// TVxGlowButton: a push button whose face colours are its Appearance; a click runs OnClick.
#pragma once

#include "framework/controls/custom_control.h"
#include "framework/graphics/colors.h"

namespace ui {

class TVxGlowButton;

class TGlowButtonAppearance {
 public:
  explicit TGlowButtonAppearance(TVxGlowButton* button) : button_(button) {}
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor value) { Set(color_, value); }
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor value) { Set(colorTo_, value); }
  fw::TColor ColorMirror() const { return colorMirror_; }
  void SetColorMirror(fw::TColor value) { Set(colorMirror_, value); }
  fw::TColor ColorMirrorTo() const { return colorMirrorTo_; }
  void SetColorMirrorTo(fw::TColor value) { Set(colorMirrorTo_, value); }

 private:
  void Set(fw::TColor& field, fw::TColor value);
  TVxGlowButton* button_;
  fw::TColor color_ = fw::clWhite;
  fw::TColor colorTo_ = fw::clWhite;
  fw::TColor colorMirror_ = fw::clWhite;
  fw::TColor colorMirrorTo_ = fw::clWhite;
};

class TVxGlowButton : public fw::TCustomControl {
 public:
  explicit TVxGlowButton(fw::TComponent* AOwner);
  TGlowButtonAppearance* Appearance() { return &appearance_; }

 protected:
  void Paint() override;

 private:
  TGlowButtonAppearance appearance_;
};

}  // namespace ui
