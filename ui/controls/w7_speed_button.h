#pragma once
// W7 speed buttons: windowless toolbar buttons in the look of Windows 7 toolbars: a rounded frame on a
// light, semi-transparent background, a warm hover look that fades in after the pointer enters and out
// after it leaves, a darker pressed look, a caption, an optional image from an image list and an
// optional small arrow.
//
// TW7GraphicControl tracks hover (MouseInside) and the left button (MouseDownState).
// TW7CustomSpeedButton: the fade runs on a timer of the button's own: FadeAlpha, the opacity of the hover
// look, steps by 255 per tick, every FadeInInterval ms towards shown while the pointer is inside and every
// FadeOutInterval ms towards hidden after it left; after a press the pressed look stays latched until
// the fade ends. A disabled button never fades.
#include <memory>
#include <string>

#include "framework/classes/events.h"
#include "framework/controls/graphic_control.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"
#include "framework/messaging/timer.h"
#include "ui/controls/w7_graphics.h"

namespace ui {

enum TW7ButtonIconSize { is16px, is24px, is32px, is48px };

class TW7GraphicControl : public fw::TGraphicControl {
 public:
  explicit TW7GraphicControl(fw::TComponent* AOwner);
  void Dispatch(fw::TMessage& Message) override;

  bool MouseDownState() const { return mouseDownState_; }
  bool MouseInside() const { return mouseInside_; }

  fw::TNotifyEvent OnMouseEnter;
  fw::TNotifyEvent OnMouseLeave;

 protected:
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  virtual void MouseEnter() { mouseInside_ = true; }
  virtual void MouseLeave() { mouseInside_ = false; }

 private:
  bool mouseDownState_ = false;
  bool mouseInside_ = false;
};

class TW7CustomSpeedButton : public TW7GraphicControl {
 public:
  explicit TW7CustomSpeedButton(fw::TComponent* AOwner);
  ~TW7CustomSpeedButton() override;
  void Dispatch(fw::TMessage& Message) override;

  // Flat and Light rebuild the look bitmaps; Light True clears Flat (not the other way round), and Flat
  // wins when both are set.
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  bool Light() const { return light_; }
  void SetLight(bool Value);
  unsigned FadeInInterval() const { return fadeInInterval_; }
  void SetFadeInInterval(unsigned Value) { fadeInInterval_ = Value; }
  unsigned FadeOutInterval() const { return fadeOutInterval_; }
  void SetFadeOutInterval(unsigned Value) { fadeOutInterval_ = Value; }
  bool ShowArrow() const { return showArrow_; }
  void SetShowArrow(bool Value);
  // Not owned: forgotten when the list is freed; every change of the list repaints the button.
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  TW7ButtonIconSize IconSize() const { return iconSize_; }
  void SetIconSize(TW7ButtonIconSize Value);
  // 16, 24, 32 or 48 pixels.
  int IconPixels() const { return iconPixels_; }
  TW7ArrowType ArrowType() const { return arrowType_; }
  // Also sets ArrowSize: 9 for atLeft and atRight, 5 for atDown and atUp.
  void SetArrowType(TW7ArrowType Value);
  int ArrowSize() const { return arrowSize_; }
  // Whether the content moves by a pixel while the button is held.
  bool PressButtonEffect() const { return pressButtonEffect_; }
  void SetPressButtonEffect(bool Value) { pressButtonEffect_ = Value; }

  bool EnabledState() const { return enabledState_; }
  int FadeAlpha() const { return fadeAlpha_; }
  bool PressLatched() const { return pressLatched_; }
  fw::TTimer* FadeTimer() const { return fadeTimer_; }
  // One step of the fade (the timer's handler).
  void FadeTimerTick(fw::TObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;

 private:
  void RebuildLook();
  void PaintContent(fw::TCanvas* canvas, int W, int H);

  bool enabledState_ = true;
  bool flat_ = false;
  bool light_ = false;
  fw::TBitmap background_;
  fw::TBitmap hover_;
  fw::TBitmap pressed_;
  fw::TTimer* fadeTimer_ = nullptr;
  int fadeAlpha_ = 0;
  bool bitmapsBuilt_ = false;
  bool pressLatched_ = false;
  unsigned fadeInInterval_ = 15;
  unsigned fadeOutInterval_ = 40;
  bool showArrow_ = false;
  fw::TCustomImageList* images_ = nullptr;
  std::unique_ptr<fw::TChangeLink> imageChangeLink_;
  int imageIndex_ = -1;
  TW7ButtonIconSize iconSize_ = is16px;
  int iconPixels_ = 16;
  TW7ArrowType arrowType_ = atDown;
  int arrowSize_ = 5;
  bool pressButtonEffect_ = true;
};

class TW7SpeedButton : public TW7CustomSpeedButton {
 public:
  using TW7CustomSpeedButton::TW7CustomSpeedButton;
};

// A button made at run time with a name, caption, width and click handler, owned and parented by owner.
TW7SpeedButton* MakeW7SpeedButton(fw::TWinControl* owner, const std::string& name, const std::string& caption,
                                  int width, fw::TNotifyEvent onClick);

}  // namespace ui
