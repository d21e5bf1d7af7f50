// TVxSmoothLabel: a window-less label painted with GDI+: an optional background fill, an optional shadow
// caption, then the caption. Each caption has its own text, font, place and brush (solid, two-colour
// gradient with opacity, hatch or picture texture). Every change repaints the label and raises OnChange;
// a caption text set to the text it has changes nothing. GUI thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/controls/graphic_control.h"
#include "framework/graphics/font.h"
#include "ui/controls/smooth_panel.h"
#include "ui/foundation/control_style.h"
#include "ui/foundation/gdip_values.h"
#include "ui/foundation/version_info.h"

namespace ui {

class TGDIPFill;
class TGPGraphics;
class TVxGDIPPicture;

// The label's places are the panel's (plTopLeft .. plCustom).
using TVxSmoothLabelLocation = TVxSmoothPanelLocation;

class TVxSmoothLabelCaption : public fw::TPersistent {
 public:
  TVxSmoothLabelCaption();
  ~TVxSmoothLabelCaption() override;
  // Location, place, colours, brush kind, hatch, opacities, picture and text of another caption (not the
  // font), then one change report; any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  TVxGradientType GradientType() const { return gradientType_; }
  void SetGradientType(TVxGradientType value) { Update(gradientType_, value); }
  TVxSmoothLabelLocation Location() const { return location_; }
  void SetLocation(TVxSmoothLabelLocation value) { Update(location_, value); }
  TVxGDIPPicture* Picture() const { return picture_.get(); }
  void SetPicture(TVxGDIPPicture* value);
  fw::TColor ColorEnd() const { return colorEnd_; }
  void SetColorEnd(fw::TColor value) { Update(colorEnd_, value); }
  ui::HatchStyle GetHatchStyle() const { return hatchStyle_; }
  void SetHatchStyle(ui::HatchStyle value) { Update(hatchStyle_, value); }
  fw::TFont* Font() { return &font_; }
  void SetFont(fw::TFont* value) { font_.Assign(value); }
  std::uint8_t OpacityStart() const { return opacityStart_; }
  void SetOpacityStart(std::uint8_t value) { Update(opacityStart_, value); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value) { Update(text_, value); }
  int Top() const { return top_; }
  void SetTop(int value) { Update(top_, value); }
  int Left() const { return left_; }
  void SetLeft(int value) { Update(left_, value); }
  std::uint8_t OpacityEnd() const { return opacityEnd_; }
  void SetOpacityEnd(std::uint8_t value) { Update(opacityEnd_, value); }
  fw::TColor ColorStart() const { return colorStart_; }
  void SetColorStart(fw::TColor value) { Update(colorStart_, value); }

  fw::TNotifyEvent OnChange;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed();

  TVxGradientType gradientType_ = gtVertical;
  TVxSmoothLabelLocation location_ = plCenterCenter;
  std::unique_ptr<TVxGDIPPicture> picture_;
  fw::TColor colorEnd_ = RGB(0, 79, 117);
  ui::HatchStyle hatchStyle_ = HatchStyleHorizontal;
  fw::TFont font_;
  std::uint8_t opacityStart_ = 255;
  std::string text_;
  int top_ = 0;
  int left_ = 0;
  std::uint8_t opacityEnd_ = 255;
  fw::TColor colorStart_ = RGB(159, 224, 255);
};

class TVxSmoothLabel : public fw::TGraphicControl, public IControlStyle, public TVersionedComponent {
 public:
  // The label's own two GDI+ text renderings (anti-alias grid-fit and ClearType grid-fit); the panel's
  // hint of the same value names has three.
  enum TTextRenderingHint : std::uint8_t { tAntiAlias, tClearType };

  explicit TVxSmoothLabel(fw::TComponent* AOwner);
  ~TVxSmoothLabel() override;
  // Fill, both captions and the label's own settings of another label, then one change; any other source
  // is ignored.
  void Assign(fw::TPersistent* Source) override;

  TVxSmoothLabelCaption* Caption() { return caption_.get(); }
  void SetCaption(TVxSmoothLabelCaption* value) { caption_->Assign(value); }
  TVxSmoothLabelCaption* CaptionShadow() { return captionShadow_.get(); }
  void SetCaptionShadow(TVxSmoothLabelCaption* value) { captionShadow_->Assign(value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { Update(transparent_, value); }
  TGDIPFill* Fill() { return fill_.get(); }
  void SetFill(TGDIPFill* value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { Update(wordWrap_, value); }
  TTextRenderingHint TextRendering() const { return textRendering_; }
  void SetTextRendering(TTextRenderingHint value) { Update(textRendering_, value); }
  bool CaptionShadowVisible() const { return captionShadowVisible_; }
  void SetCaptionShadowVisible(bool value) { Update(captionShadowVisible_, value); }
  int CaptionShadowOffsetTop() const { return captionShadowOffsetTop_; }
  void SetCaptionShadowOffsetTop(int value) { Update(captionShadowOffsetTop_, value); }
  int CaptionShadowOffsetLeft() const { return captionShadowOffsetLeft_; }
  void SetCaptionShadowOffsetLeft(int value) { Update(captionShadowOffsetLeft_, value); }

  std::uint32_t GetVersionNr() const override;
  // The label has no presets.
  void SetComponentStyle(int) override {}

  // Repaints and raises OnChange.
  void Changed();
  fw::TNotifyEvent OnChange;

 protected:
  void Paint() override;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void DrawCaption(TGPGraphics* Graphics, TVxSmoothLabelCaption* C, int DX, int DY, const GpRectF& Layout);

  std::unique_ptr<TVxSmoothLabelCaption> caption_;
  bool transparent_ = true;
  std::unique_ptr<TGDIPFill> fill_;
  bool wordWrap_ = false;
  TTextRenderingHint textRendering_ = tAntiAlias;
  std::unique_ptr<TVxSmoothLabelCaption> captionShadow_;
  bool captionShadowVisible_ = false;
  int captionShadowOffsetTop_ = 1;
  int captionShadowOffsetLeft_ = 1;
};

}  // namespace ui
