#pragma once
// TButtonAppearance: the colours and caption font of a button look that a menu styler keeps and copies.
#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/font.h"
#include "ui/controls/menu_appearance.h"

namespace ui {

class TButtonAppearance : public fw::TPersistent {
 public:
  TButtonAppearance();
  // From another button appearance its colours, direction and border colours; any other source is
  // ignored.
  void Assign(fw::TPersistent* Source) override;

  // Writing a different colour or direction fires OnChange.
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value) { Change(color_, Value); }
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor Value) { Change(colorTo_, Value); }
  fw::TColor HoverColor() const { return hoverColor_; }
  void SetHoverColor(fw::TColor Value) { Change(hoverColor_, Value); }
  fw::TColor HoverColorTo() const { return hoverColorTo_; }
  void SetHoverColorTo(fw::TColor Value) { Change(hoverColorTo_, Value); }
  fw::TColor DownColor() const { return downColor_; }
  void SetDownColor(fw::TColor Value) { Change(downColor_, Value); }
  fw::TColor DownColorTo() const { return downColorTo_; }
  void SetDownColorTo(fw::TColor Value) { Change(downColorTo_, Value); }
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor Value) { Change(borderColor_, Value); }
  TGradientDirection GradientDirection() const { return gradientDirection_; }
  void SetGradientDirection(TGradientDirection Value) { Change(gradientDirection_, Value); }
  // Stored without an event.
  fw::TColor DownBorderColor() const { return downBorderColor_; }
  void SetDownBorderColor(fw::TColor Value) { downBorderColor_ = Value; }
  fw::TColor HoverBorderColor() const { return hoverBorderColor_; }
  void SetHoverBorderColor(fw::TColor Value) { hoverBorderColor_ = Value; }
  // The font is copied and OnChange fires.
  fw::TFont* CaptionFont() { return &captionFont_; }
  void SetCaptionFont(fw::TFont* Value);
  // Turning it on names the caption font after the system's default again.
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool Value);

  fw::TNotifyEvent OnChange;

 private:
  template <typename T>
  void Change(T& field, T Value) {
    if (field == Value) return;
    field = Value;
    Changed();
  }
  void Changed();

  fw::TColor hoverColor_;
  fw::TColor colorTo_ = fw::clNone;
  fw::TColor color_ = fw::clNone;
  fw::TColor hoverColorTo_ = fw::clNone;
  fw::TColor downColorTo_ = fw::clNone;
  fw::TColor downColor_;
  fw::TColor downBorderColor_;
  fw::TColor borderColor_ = fw::clNone;
  fw::TColor hoverBorderColor_;
  TGradientDirection gradientDirection_ = gdVertical;
  fw::TFont captionFont_;
  bool useSystemFont_ = true;
};

}  // namespace ui
