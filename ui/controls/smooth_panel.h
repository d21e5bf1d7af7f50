// TVxSmoothPanel: a container whose whole face is painted with GDI+ from a cached bitmap: a fill
// (gradient, mirror, rounding, shadow, border, picture), a one-line caption with a gradient, hatch or
// texture brush and an underline, and a caption in the HTML subset whose links raise OnAnchorClick. The
// face is rebuilt only when the caption, the fill or the size change. Transparent by default (the parent
// shows through corners and shadow); with CanMove the top 20 pixels drag the window. GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/controls/custom_control.h"
#include "framework/graphics/font.h"
#include "ui/foundation/control_style.h"
#include "ui/foundation/gdip_values.h"
#include "ui/foundation/version_info.h"

namespace fw {
class TCustomImageList;
}

namespace ui {

class TGDIPFill;
class TGDIPPictureContainer;
class TGPBitmap;
class TGPGraphics;
class TVxGDIPPicture;
class TVxHintInfo;
class TVxSmoothPanel;

enum TVxSmoothPanelLocation {
  plTopLeft, plTopCenter, plTopRight, plCenterLeft, plCenterCenter, plCenterRight, plBottomLeft, plBottomCenter,
  plBottomRight, plCustom
};

// The column and the row of a place; plCustom counts as top left.
enum class TLocationColumn { Left, Center, Right };
enum class TLocationRow { Top, Center, Bottom };
constexpr TLocationColumn LocationColumn(TVxSmoothPanelLocation Location) {
  switch (Location) {
    case plTopCenter: case plCenterCenter: case plBottomCenter: return TLocationColumn::Center;
    case plTopRight: case plCenterRight: case plBottomRight: return TLocationColumn::Right;
    default: return TLocationColumn::Left;
  }
}
constexpr TLocationRow LocationRow(TVxSmoothPanelLocation Location) {
  switch (Location) {
    case plCenterLeft: case plCenterCenter: case plCenterRight: return TLocationRow::Center;
    case plBottomLeft: case plBottomCenter: case plBottomRight: return TLocationRow::Bottom;
    default: return TLocationRow::Top;
  }
}
enum TVxSmoothPanelTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

class TVxSmoothPanelCaption : public fw::TPersistent {
 public:
  explicit TVxSmoothPanelCaption(TVxSmoothPanel* Owner);
  ~TVxSmoothPanelCaption() override;
  // Every published value of another caption; raises OnChange.
  void Assign(fw::TPersistent* Source) override;

  TVxGradientType GradientType() const { return gradientType_; }
  void SetGradientType(TVxGradientType value) { Update(gradientType_, value); }
  TVxSmoothPanelLocation Location() const { return location_; }
  void SetLocation(TVxSmoothPanelLocation value) { Update(location_, value); }
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
  const std::string& HTMLText() const { return htmlText_; }
  void SetHTMLText(const std::string& value) { Update(htmlText_, value); }
  TVxSmoothPanelLocation HTMLLocation() const { return htmlLocation_; }
  void SetHTMLLocation(TVxSmoothPanelLocation value) { Update(htmlLocation_, value); }
  int HTMLTop() const { return htmlTop_; }
  void SetHTMLTop(int value) { Update(htmlTop_, value); }
  int HTMLLeft() const { return htmlLeft_; }
  void SetHTMLLeft(int value) { Update(htmlLeft_, value); }
  fw::TColor HTMLShadowColor() const { return htmlShadowColor_; }
  void SetHTMLShadowColor(fw::TColor value) { Update(htmlShadowColor_, value); }
  fw::TColor HTMLURLColor() const { return htmlURLColor_; }
  void SetHTMLURLColor(fw::TColor value) { Update(htmlURLColor_, value); }
  int HTMLShadowOffset() const { return htmlShadowOffset_; }
  void SetHTMLShadowOffset(int value) { Update(htmlShadowOffset_, value); }
  fw::TFont* HTMLFont() { return &htmlFont_; }
  void SetHTMLFont(fw::TFont* value) { htmlFont_.Assign(value); }
  fw::TColor LineColor() const { return lineColor_; }
  virtual void SetLineColor(fw::TColor value) { Update(lineColor_, value); }
  bool Line() const { return line_; }
  void SetLine(bool value) { Update(line_, value); }
  TVxSmoothPanelTextRenderingHint TextRendering() const { return textRendering_; }
  void SetTextRendering(TVxSmoothPanelTextRenderingHint value) { Update(textRendering_, value); }
  fw::TColor BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(fw::TColor value) { Update(backgroundColor_, value); }
  fw::TColor BackgroundColorTo() const { return backgroundColorTo_; }
  void SetBackgroundColorTo(fw::TColor value) { Update(backgroundColorTo_, value); }

  TVxSmoothPanel* Owner() const { return owner_; }
  fw::TNotifyEvent OnChange;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed();

  TVxSmoothPanel* owner_;
  TVxGradientType gradientType_ = gtVertical;
  TVxSmoothPanelLocation location_ = plTopLeft;
  std::unique_ptr<TVxGDIPPicture> picture_;
  fw::TColor colorEnd_ = 0x9F661A;
  ui::HatchStyle hatchStyle_ = HatchStyleHorizontal;
  fw::TFont font_;
  std::uint8_t opacityStart_ = 255;
  std::string text_;
  int top_ = 0;
  int left_ = 0;
  std::uint8_t opacityEnd_ = 255;
  fw::TColor colorStart_ = 0xB0721C;
  std::string htmlText_;
  TVxSmoothPanelLocation htmlLocation_ = plCenterCenter;
  int htmlTop_ = 0;
  int htmlLeft_ = 0;
  fw::TColor htmlShadowColor_ = 0x808080;
  fw::TColor htmlURLColor_ = 0xFF0000;
  int htmlShadowOffset_ = 5;
  fw::TFont htmlFont_;
  fw::TColor lineColor_ = 0xB0721C;
  bool line_ = true;
  TVxSmoothPanelTextRenderingHint textRendering_ = tAntiAliasGridFit;
  fw::TColor backgroundColor_ = fw::clNone;
  fw::TColor backgroundColorTo_ = fw::clNone;
};

using TVxSmoothPanelAnchorClickEvent = std::function<void(fw::TObject* Sender, const std::string& Anchor)>;
using TVxSmoothPanelDrawEvent = std::function<void(fw::TObject* Sender, fw::TCanvas* Canvas, const fw::TRect& Rect)>;

class TVxSmoothPanel : public fw::TCustomControl,
                       public IControlStyle,
                       public IControlFaceColors,
                       public TVersionedComponent {
 public:
  explicit TVxSmoothPanel(fw::TComponent* AOwner);
  ~TVxSmoothPanel() override;
  // Another panel's caption, fill and Transparent.
  void Assign(fw::TPersistent* Source) override;

  TVxSmoothPanelCaption* Caption() { return caption_.get(); }
  using fw::TControl::SetCaption;
  void SetCaption(TVxSmoothPanelCaption* value);
  TGDIPFill* Fill() { return fill_.get(); }
  void SetFill(TGDIPFill* value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool CanMove() const { return canMove_; }
  void SetCanMove(bool value) { canMove_ = value; }
  TVxHintInfo* OfficeHint() { return officeHint_.get(); }
  void SetOfficeHint(TVxHintInfo* value);
  TGDIPPictureContainer* PictureContainer() const { return pictureContainer_; }
  void SetPictureContainer(TGDIPPictureContainer* value);
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* value);
  void SetCursor(fw::TCursor value);

  std::uint32_t GetVersionNr() const override;

  // Style presets 0..15 and a colour record.
  void ApplyStyle(int Style);
  void ApplyStyleColors(const TControlFaceColors& Colors);
  void SetComponentStyle(int Style) override { ApplyStyle(Style); }
  void SetColors(const TControlFaceColors& Colors) override { ApplyStyleColors(Colors); }

  // Where a caption of size (tw, th) stands in the rectangle (X, Y, W, H) for a location (plCustom aside).
  static fw::TPoint CalcPosition(TVxSmoothPanelLocation Location, int TextWidth, int TextHeight, const GpRectF& Rect);
  // The link of the HTML caption under a point; empty when none.
  std::string GetAnchorAt(int X, int Y);
  // How many times the face was painted into its cache (for tests).
  int FaceBuildCount() const { return faceBuilds_; }

  TVxSmoothPanelAnchorClickEvent OnAnchorClick;
  TVxSmoothPanelDrawEvent OnDraw;
  fw::TNotifyEvent OnMouseEnter;
  fw::TNotifyEvent OnMouseLeave;
  fw::TNotifyEvent OnEndMoveSize;

 protected:
  void CreateParams(fw::TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(fw::TMessage& Message) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void Resize() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  // Paints the face on a surface the size of the panel.
  virtual void DrawFace(TGPGraphics* Graphics);

 private:
  void InvalidateFace();
  void DrawHTMLCaption(TGPGraphics* Graphics, const GpRectF& Inner, int CaptionHeight, int ShadowSize);

  bool rebuild_ = true;
  std::unique_ptr<TGPBitmap> cache_;
  fw::TCursor normalCursor_;
  bool overLink_ = false;
  fw::TRect htmlRect_{};
  std::unique_ptr<TVxSmoothPanelCaption> caption_;
  TGDIPPictureContainer* pictureContainer_ = nullptr;
  fw::TCustomImageList* images_ = nullptr;
  std::unique_ptr<TGDIPFill> fill_;
  bool transparent_ = true;
  bool canMove_ = false;
  std::unique_ptr<TVxHintInfo> officeHint_;
  int faceBuilds_ = 0;
};

}  // namespace ui
