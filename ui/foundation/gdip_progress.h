#pragma once
// TGDIPProgress: paints a progress bar (background fill, progress fill, end shadows, highlights) with its
// value text, for the smooth progress bar.
#include <functional>
#include <string>

#include "framework/classes/persistent.h"
#include "framework/graphics/font.h"
#include "ui/foundation/gdip_fill.h"

namespace ui {

enum TGDIPProgressValueType { vtPercentage, vtAbsolute };
enum TGDIPProgressValuePosition { vpProgressCenter, vpProgressRight, vpCenter, vpLeft, vpRight, vpCustom };
enum TGDIPProgressDirection { pbdHorizontal, pbdVertical };

// Sender, the value format, and the text to draw (the handler may replace it).
using TGDIPProgressDrawValueEvent =
    std::function<void(fw::TObject* Sender, const std::string& ValueFormat, std::string& ValueText)>;

class TGDIPProgress : public fw::TPersistent {
 public:
  TGDIPProgress();
  ~TGDIPProgress() override;

  // The fills, value settings, Font and the three switches of another TGDIPProgress (not ProgressFont).
  void Assign(fw::TPersistent* Source) override;

  void Draw(TGPGraphics* Graphics, const fw::TRect& R, double Minimum, double Maximum, double Value,
            TGDIPProgressDirection Direction);
  // The progress part for Value: from the left (horizontal) or the bottom (vertical) of the inner
  // rectangle, never longer than it.
  GpRectF CalculateProgressRect(const fw::TRect& R, TGDIPProgressDirection Direction, double Minimum, double Maximum,
                                double Value);
  // R without its last pixel row and column and without the background fill's border.
  GpRectF GetInsideRectF(const fw::TRect& R);
  // The value text as drawn (clamped value, format, OnDrawValue).
  std::string ValueText(double Minimum, double Maximum, double Value);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { Update(transparent_, value); }
  bool Shadows() const { return shadows_; }
  void SetShadows(bool value) { Update(shadows_, value); }
  bool Overlays() const { return overlays_; }
  void SetOverlays(bool value) { Update(overlays_, value); }
  TGDIPFill* BackGroundFill() const { return backGroundFill_; }
  void SetBackGroundFill(TGDIPFill* value) { backGroundFill_->Assign(value); }
  TGDIPFill* ProgressFill() const { return progressFill_; }
  void SetProgressFill(TGDIPFill* value) { progressFill_->Assign(value); }
  fw::TFont* Font() const { return font_; }
  void SetFont(fw::TFont* value) { font_->Assign(value); }
  fw::TFont* ProgressFont() const { return progressFont_; }
  void SetProgressFont(fw::TFont* value) { progressFont_->Assign(value); }
  const std::string& ValueFormat() const { return valueFormat_; }
  void SetValueFormat(const std::string& value) { Update(valueFormat_, value); }
  TGDIPProgressValueType ValueType() const { return valueType_; }
  void SetValueType(TGDIPProgressValueType value) { Update(valueType_, value); }
  TGDIPProgressValuePosition ValuePosition() const { return valuePosition_; }
  void SetValuePosition(TGDIPProgressValuePosition value) { Update(valuePosition_, value); }
  int ValuePositionLeft() const { return valuePositionLeft_; }
  void SetValuePositionLeft(int value) { Update(valuePositionLeft_, value); }
  int ValuePositionTop() const { return valuePositionTop_; }
  void SetValuePositionTop(int value) { Update(valuePositionTop_, value); }
  bool ValueVisible() const { return valueVisible_; }
  void SetValueVisible(bool value) { Update(valueVisible_, value); }

  fw::TNotifyEvent OnChange;
  TGDIPProgressDrawValueEvent OnDrawValue;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }
  void DrawShadows(TGPGraphics* Graphics, const GpRectF& P, TGDIPProgressDirection Direction);
  void DrawOverlays(TGPGraphics* Graphics, const GpRectF& IR, TGDIPProgressDirection Direction);
  void DrawValue(TGPGraphics* Graphics, const fw::TRect& R, double Minimum, double Maximum, double Value,
                 TGDIPProgressDirection Direction);

  bool transparent_ = false;
  bool shadows_ = true;
  bool overlays_ = true;
  TGDIPFill* backGroundFill_;
  TGDIPFill* progressFill_;
  fw::TFont* font_;
  fw::TFont* progressFont_;
  std::string valueFormat_ = "%.0f%%";
  TGDIPProgressValueType valueType_ = vtAbsolute;
  TGDIPProgressValuePosition valuePosition_ = vpCenter;
  int valuePositionLeft_ = 0;
  int valuePositionTop_ = 0;
  bool valueVisible_ = false;
};

}  // namespace ui
