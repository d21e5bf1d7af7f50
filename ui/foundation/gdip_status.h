#pragma once
// TGDIPStatus: paints a small pill-shaped status bubble with a caption (the tab pager's tab status).
#include <string>

#include "framework/classes/persistent.h"
#include "framework/graphics/font.h"
#include "ui/foundation/gdip_fill.h"

namespace ui {

class TGDIPStatus : public fw::TPersistent {
 public:
  TGDIPStatus();
  ~TGDIPStatus() override;

  // Fill, Font, Glow and Spacing of another TGDIPStatus, then one change notification.
  void Assign(fw::TPersistent* Source) override;

  // The bubble's size for the caption (at least as high as wide, plus the spacing on both sides, and at
  // least the fill picture's size); an empty caption keeps the previous size.
  void CalculateSize(TGPGraphics* Graphics, const std::string& Caption);
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  // Paints the bubble at (X, Y) in its computed size (UseOwnSize) or in Width x Height. The fill's
  // Rounding becomes half the bubble's height and stays so.
  void Draw(TGPGraphics* Graphics, int X, int Y, int Width, int Height, bool UseOwnSize, const std::string& Caption);

  TGDIPFill* Fill() const { return fill_; }
  void SetFill(TGDIPFill* value) { fill_->Assign(value); }
  fw::TFont* Font() const { return font_; }
  void SetFont(fw::TFont* value) { font_->Assign(value); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  bool Glow() const { return glow_; }
  void SetGlow(bool value);

  fw::TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  GpRectF MeasureCaption(TGPGraphics* Graphics, const std::wstring& Caption);

  int width_ = 0;
  int height_ = 0;
  bool autoSize_ = true;
  TGDIPFill* fill_;
  fw::TFont* font_;
  int spacing_ = 0;
  bool glow_ = true;
};

}  // namespace ui
