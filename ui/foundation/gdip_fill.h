#pragma once
// TGDIPFill: the stored description of how a rectangle of a smooth control is filled, and its renderer:
// a main colour part and an optional mirror part below it (gradients, hatch, texture, radial glow), per
// colour opacity, a background and a foreground picture, border, rounded corners, shadow, glow and a
// focus outline.
#include <cstdint>
#include <memory>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"
#include "ui/foundation/fill_types.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/round_rect_path.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {

// The "GDI+ Fill" clipboard format, registered when the foundation's modules start (0 before).
std::uint16_t GDIPFillClipboardFormat();
void RegisterGDIPFillClipboardFormat();

class TGDIPFill : public fw::TPersistent {
 public:
  TGDIPFill();
  ~TGDIPFill() override;

  // Every stored property of another fill (pictures by content), then one change notification; Focus,
  // FocusColor and OnChange stay. Any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  // Changes between BeginUpdate and EndUpdate notify nothing, and EndUpdate does not make up for them.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
  }

  // Paints the fill into R and answers R less the shadow. An opacity argument of 255 stands for the
  // fill's own value of that name.
  GpRectF Fill(TGPGraphics* Graphics, const GpRectF& R, std::uint8_t BorderOpacity = 255, std::uint8_t Opacity = 255,
               std::uint8_t OpacityTo = 255, std::uint8_t OpacityMirror = 255, std::uint8_t OpacityMirrorTo = 255);

  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor value) { Update(color_, value); }
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor value) { Update(colorTo_, value); }
  fw::TColor ColorMirror() const { return colorMirror_; }
  void SetColorMirror(fw::TColor value) { Update(colorMirror_, value); }
  fw::TColor ColorMirrorTo() const { return colorMirrorTo_; }
  void SetColorMirrorTo(fw::TColor value) { Update(colorMirrorTo_, value); }
  TVxGradientType GradientType() const { return gradientType_; }
  void SetGradientType(TVxGradientType value) { Update(gradientType_, value); }
  TVxGradientType GradientMirrorType() const { return gradientMirrorType_; }
  void SetGradientMirrorType(TVxGradientType value) { Update(gradientMirrorType_, value); }
  ui::HatchStyle HatchStyle() const { return hatchStyle_; }
  void SetHatchStyle(ui::HatchStyle value) { Update(hatchStyle_, value); }
  ui::HatchStyle HatchStyleMirror() const { return hatchStyleMirror_; }
  void SetHatchStyleMirror(ui::HatchStyle value) { Update(hatchStyleMirror_, value); }

  bool BackGroundPictureAspectRatio() const { return backGroundPictureAspectRatio_; }
  void SetBackGroundPictureAspectRatio(bool value) { Update(backGroundPictureAspectRatio_, value); }
  TFillPictureMode BackGroundPictureMode() const { return backGroundPictureMode_; }
  void SetBackGroundPictureMode(TFillPictureMode value) { Update(backGroundPictureMode_, value); }
  TVxGDIPPicture* BackGroundPicture() const { return backGroundPicture_; }
  void SetBackGroundPicture(TVxGDIPPicture* value);
  TFillPicturePosition BackGroundPicturePosition() const { return backGroundPicturePosition_; }
  void SetBackGroundPicturePosition(TFillPicturePosition value) { Update(backGroundPicturePosition_, value); }
  int BackGroundPictureLeft() const { return backGroundPictureLeft_; }
  void SetBackGroundPictureLeft(int value) { Update(backGroundPictureLeft_, value); }
  int BackGroundPictureTop() const { return backGroundPictureTop_; }
  void SetBackGroundPictureTop(int value) { Update(backGroundPictureTop_, value); }
  TPictureMode BackGroundPictureAspectMode() const { return backGroundPictureAspectMode_; }
  void SetBackGroundPictureAspectMode(TPictureMode value) { Update(backGroundPictureAspectMode_, value); }

  TVxGDIPPicture* Picture() const { return picture_; }
  void SetPicture(TVxGDIPPicture* value);
  TFillPicturePosition PicturePosition() const { return picturePosition_; }
  void SetPicturePosition(TFillPicturePosition value) { Update(picturePosition_, value); }
  int PictureLeft() const { return pictureLeft_; }
  void SetPictureLeft(int value) { Update(pictureLeft_, value); }
  int PictureTop() const { return pictureTop_; }
  void SetPictureTop(int value) { Update(pictureTop_, value); }
  TFillPictureSize PictureSize() const { return pictureSize_; }
  void SetPictureSize(TFillPictureSize value) { Update(pictureSize_, value); }
  int PictureWidth() const { return pictureWidth_; }
  void SetPictureWidth(int value) { Update(pictureWidth_, value); }
  int PictureHeight() const { return pictureHeight_; }
  void SetPictureHeight(int value) { Update(pictureHeight_, value); }
  bool PictureAspectRatio() const { return pictureAspectRatio_; }
  void SetPictureAspectRatio(bool value) { Update(pictureAspectRatio_, value); }
  TPictureMode PictureAspectMode() const { return pictureAspectMode_; }
  void SetPictureAspectMode(TPictureMode value) { Update(pictureAspectMode_, value); }

  std::uint8_t Opacity() const { return opacity_; }
  void SetOpacity(std::uint8_t value) { Update(opacity_, value); }
  std::uint8_t OpacityTo() const { return opacityTo_; }
  void SetOpacityTo(std::uint8_t value) { Update(opacityTo_, value); }
  std::uint8_t OpacityMirror() const { return opacityMirror_; }
  void SetOpacityMirror(std::uint8_t value) { Update(opacityMirror_, value); }
  std::uint8_t OpacityMirrorTo() const { return opacityMirrorTo_; }
  void SetOpacityMirrorTo(std::uint8_t value) { Update(opacityMirrorTo_, value); }

  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor value) { Update(borderColor_, value); }
  std::uint8_t BorderOpacity() const { return borderOpacity_; }
  void SetBorderOpacity(std::uint8_t value) { Update(borderOpacity_, value); }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value) { Update(borderWidth_, value); }
  int Rounding() const { return rounding_; }
  void SetRounding(int value) { Update(rounding_, value); }
  TFillRoundingType RoundingType() const { return roundingType_; }
  void SetRoundingType(TFillRoundingType value) { Update(roundingType_, value); }
  fw::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(fw::TColor value) { Update(shadowColor_, value); }
  int ShadowOffset() const { return shadowOffset_; }
  void SetShadowOffset(int value) { Update(shadowOffset_, value); }
  TShadowType ShadowType() const { return shadowType_; }
  void SetShadowType(TShadowType value) { Update(shadowType_, value); }
  int Angle() const { return angle_; }
  void SetAngle(int value) { Update(angle_, value); }
  TGlowMode Glow() const { return glow_; }
  void SetGlow(TGlowMode value) { Update(glow_, value); }
  fw::TColor GlowGradientColor() const { return glowGradientColor_; }
  void SetGlowGradientColor(fw::TColor value) { Update(glowGradientColor_, value); }
  fw::TColor GlowRadialColor() const { return glowRadialColor_; }
  void SetGlowRadialColor(fw::TColor value) { Update(glowRadialColor_, value); }

  // The focus outline (public, not stored): drawn when Focus is set; FocusRect is the rectangle inside
  // the border, written by every Fill.
  bool Focus = false;
  fw::TColor FocusColor = fw::clBlack;
  GpRectF FocusRect;

  fw::TNotifyEvent OnChange;

 protected:
  // OnChange, unless an update is in progress.
  virtual void Changed();

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void FillHalf(TGPGraphics* Graphics, const GpRectF& R, bool Mirror, std::uint8_t Opacity, std::uint8_t OpacityTo,
                std::uint8_t OpacityMirror, std::uint8_t OpacityMirrorTo);
  void DrawGlow(TGPGraphics* Graphics, const GpRectF& R);
  void DrawBackGroundPicture(TGPGraphics* Graphics, const GpRectF& R, bool Clipped);

  fw::TColor color_ = fw::clSilver;
  fw::TColor colorTo_ = fw::clGray;
  fw::TColor colorMirror_ = fw::clNone;
  fw::TColor colorMirrorTo_ = fw::clNone;
  TVxGradientType gradientType_ = gtVertical;
  TVxGradientType gradientMirrorType_ = gtSolid;
  ui::HatchStyle hatchStyle_ = HatchStyleHorizontal;
  ui::HatchStyle hatchStyleMirror_ = HatchStyleHorizontal;
  bool backGroundPictureAspectRatio_ = false;
  TFillPictureMode backGroundPictureMode_ = pmOutsideFill;
  TVxGDIPPicture* backGroundPicture_ = nullptr;
  TFillPicturePosition backGroundPicturePosition_ = ppTopLeft;
  int backGroundPictureLeft_ = 0;
  int backGroundPictureTop_ = 0;
  TPictureMode backGroundPictureAspectMode_ = pmStretch;
  TVxGDIPPicture* picture_ = nullptr;
  TFillPicturePosition picturePosition_ = ppTopLeft;
  int pictureLeft_ = 0;
  int pictureTop_ = 0;
  TFillPictureSize pictureSize_ = psOriginal;
  int pictureWidth_ = 50;
  int pictureHeight_ = 50;
  bool pictureAspectRatio_ = false;
  TPictureMode pictureAspectMode_ = pmStretch;
  std::uint8_t opacity_ = 255;
  std::uint8_t opacityTo_ = 255;
  std::uint8_t opacityMirror_ = 255;
  std::uint8_t opacityMirrorTo_ = 255;
  fw::TColor borderColor_ = fw::clNone;
  std::uint8_t borderOpacity_ = 255;
  int borderWidth_ = 1;
  int rounding_ = 0;
  TFillRoundingType roundingType_ = rtBoth;
  fw::TColor shadowColor_ = fw::clGray;
  int shadowOffset_ = 0;
  TShadowType shadowType_ = stRightBottom;
  int angle_ = 0;
  TGlowMode glow_ = gmNone;
  fw::TColor glowGradientColor_ = fw::clWhite;
  fw::TColor glowRadialColor_ = fw::clWhite;
  int updateCount_ = 0;
};

// A flat face for a colour record: the main and mirror parts, start and end, all in Colour, framed by Border.
void SetOneColour(TGDIPFill* Fill, fw::TColor Colour, fw::TColor Border);

// The renderer's building blocks, shared with the painters.

// One fill of a path or rectangle with a solid, linear-gradient, hatch or texture brush, then an outline.
struct TGradientParams {
  TGPGraphics* Graphics = nullptr;
  TGPGraphicsPath* Path = nullptr;
  bool UsePath = false;
  GpRectF Rect;
  int GradientType = gtSolid;
  fw::TColor Color = fw::clNone;
  fw::TColor ColorTo = fw::clNone;
  int Opacity = 255;
  int OpacityTo = 255;
  int HatchStyle = 0;
  int Angle = 0;
  TVxGDIPPicture* Picture = nullptr;
  fw::TColor BorderColor = fw::clNone;
  int BorderWidth = 0;
  int DashStyle = DashStyleSolid;
  bool TopLine = false;
};
void PaintGradient(const TGradientParams& Params);

// A radial glow over a base colour inside the rounded outline of R: from the top edge's middle when Top,
// else from the bottom edge's middle. Leaves the surface without clip.
void FillRadial(TGPGraphics* Graphics, const GpRectF& R, fw::TColor C1, fw::TColor C2, std::uint8_t OpacityA,
                std::uint8_t OpacityB, bool Top, int Radius, TFillRoundingType RoundingType);

// A soft shadow inside the outline: transparent black at the edge, the colour at 180 from a tenth of the
// way to the centre on.
void FillSoftShadow(TGPGraphics* Graphics, TGPGraphicsPath* Path, fw::TColor Colour);

// The largest size of the picture's proportions that fits RW x RH (a smaller picture keeps its size in
// pmNormal); 0 x 0 when any size is 0 or less.
void FitPictureAspect(float PW, float PH, float RW, float RH, TPictureMode Mode, float& W, float& H);

// Places the picture of size W x H in Rect by Position (Left and Top for ppCustom, in surface coordinates).
void DrawFillPicture(TGPGraphics* Graphics, bool AspectRatio, TPictureMode AspectMode, TVxGDIPPicture* Picture,
                     TFillPicturePosition Position, int W, int H, const fw::TRect& Rect, int Left, int Top);

}  // namespace ui
