#include "ui/controls/w7_speed_button.h"

#include <windows.h>

#include <algorithm>

#include "framework/controls/messages.h"
#include "framework/controls/win_control.h"
#include "framework/graphics/canvas.h"
#include "ui/foundation/style_detection.h"

namespace ui {

namespace {
constexpr fw::TColor kCaptionColor = 0x5B391E;
constexpr fw::TColor kDisabledCaptionColor = 0x808080;
}  // namespace

// ---- TW7GraphicControl

TW7GraphicControl::TW7GraphicControl(fw::TComponent* AOwner) : fw::TGraphicControl(AOwner) {
  if (WindowsVersion().Major > 5) {
    Font()->SetName("Segoe UI");
    Font()->SetSize(9);
  }
}

void TW7GraphicControl::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case fw::CM_TEXTCHANGED: Invalidate(); break;
    case fw::CM_MOUSEENTER:
      MouseEnter();
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case fw::CM_MOUSELEAVE:
      MouseLeave();
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    default: break;
  }
  fw::TGraphicControl::Dispatch(Message);
}

void TW7GraphicControl::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button == fw::mbLeft) mouseDownState_ = true;
  Invalidate();
}

void TW7GraphicControl::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TGraphicControl::MouseUp(Button, Shift, X, Y);
  mouseDownState_ = false;
  Invalidate();
}

// ---- TW7CustomSpeedButton

TW7CustomSpeedButton::TW7CustomSpeedButton(fw::TComponent* AOwner)
    : TW7GraphicControl(AOwner), imageChangeLink_(std::make_unique<fw::TChangeLink>()) {
  fadeTimer_ = fw::Create<fw::TTimer>(this);
  fadeTimer_->SetEnabled(false);
  fadeTimer_->OnTimer = [this](fw::TObject* Sender) { FadeTimerTick(Sender); };
  imageChangeLink_->OnChange = [this](fw::TObject*) { Invalidate(); };
  SetBounds(Left(), Top(), 34, 27);
  Font()->SetColor(kCaptionColor);
}

TW7CustomSpeedButton::~TW7CustomSpeedButton() {
  if (images_ != nullptr) images_->UnRegisterChanges(imageChangeLink_.get());
}

void TW7CustomSpeedButton::Dispatch(fw::TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  if (Message.Msg == fw::CM_ENABLEDCHANGED) {
    enabledState_ = Enabled();
    RebuildLook();
  }
  TW7GraphicControl::Dispatch(Message);
}

void TW7CustomSpeedButton::RebuildLook() { bitmapsBuilt_ = false; }

void TW7CustomSpeedButton::SetFlat(bool Value) {
  flat_ = Value;
  RebuildLook();
  Invalidate();
}

void TW7CustomSpeedButton::SetLight(bool Value) {
  light_ = Value;
  if (Value) flat_ = false;
  RebuildLook();
  Invalidate();
}

void TW7CustomSpeedButton::SetShowArrow(bool Value) {
  showArrow_ = Value;
  Invalidate();
}

void TW7CustomSpeedButton::SetImages(fw::TCustomImageList* Value) {
  if (images_ == Value) return;
  if (images_ != nullptr) images_->UnRegisterChanges(imageChangeLink_.get());
  images_ = Value;
  if (images_ != nullptr) {
    images_->RegisterChanges(imageChangeLink_.get());
    images_->FreeNotification(this);
  }
  Invalidate();
}

void TW7CustomSpeedButton::SetImageIndex(int Value) {
  imageIndex_ = Value;
  Invalidate();
}

void TW7CustomSpeedButton::SetIconSize(TW7ButtonIconSize Value) {
  static constexpr int kPixels[] = {16, 24, 32, 48};
  iconSize_ = Value;
  iconPixels_ = kPixels[Value];
  Invalidate();
}

void TW7CustomSpeedButton::SetArrowType(TW7ArrowType Value) {
  arrowType_ = Value;
  arrowSize_ = Value == atLeft || Value == atRight ? 9 : 5;
  Invalidate();
}

void TW7CustomSpeedButton::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  TW7GraphicControl::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent != nullptr && AComponent == images_) {
    images_->UnRegisterChanges(imageChangeLink_.get());
    images_ = nullptr;
    Invalidate();
  }
}

// ---- the fade

void TW7CustomSpeedButton::MouseEnter() {
  if (enabledState_) {
    if (fadeAlpha_ < 1) fadeAlpha_ = 1;
    pressLatched_ = false;
    fadeTimer_->SetInterval(fadeInInterval_);
    fadeTimer_->SetEnabled(true);
  }
  TW7GraphicControl::MouseEnter();
}

void TW7CustomSpeedButton::MouseLeave() {
  if (enabledState_) {
    if (fadeAlpha_ > 254 || pressLatched_) fadeAlpha_ = 254;
    fadeTimer_->SetInterval(fadeOutInterval_);
    fadeTimer_->SetEnabled(true);
    pressLatched_ = false;
  }
  TW7GraphicControl::MouseLeave();
}

void TW7CustomSpeedButton::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TW7GraphicControl::MouseDown(Button, Shift, X, Y);
  fadeAlpha_ = 0;
  fadeTimer_->SetEnabled(false);
  pressLatched_ = true;
}

void TW7CustomSpeedButton::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TW7GraphicControl::MouseUp(Button, Shift, X, Y);
  if (fadeAlpha_ < 1) fadeAlpha_ = 1;
  if (MouseInside()) pressLatched_ = true;
  fadeTimer_->SetInterval(fadeInInterval_);
  fadeTimer_->SetEnabled(true);
}

void TW7CustomSpeedButton::FadeTimerTick(fw::TObject*) {
  fadeAlpha_ += MouseInside() ? 255 : -255;
  if (fadeAlpha_ <= 0 || fadeAlpha_ >= 255) {
    fadeTimer_->SetEnabled(false);
    fadeAlpha_ = std::min(fadeAlpha_, 255);
    pressLatched_ = false;
  }
  Invalidate();
}

// ---- painting

void TW7CustomSpeedButton::Paint() {
  fw::TCanvas* canvas = Canvas();
  const int W = Width();
  const int H = Height();
  if (!bitmapsBuilt_ || background_.Width() != W || background_.Height() != H) {
    BuildW7LookBitmaps(&background_, &hover_, &pressed_, W, H, flat_);
    bitmapsBuilt_ = true;
  }
  const bool heldInside = MouseDownState() && MouseInside();
  if (!heldInside) DrawW7Frame(canvas, enabledState_ ? w7fEnabled : w7fDisabled, W, H);

  // The looks' rounded corners show what is behind the button.
  for (const fw::TPoint corner : {fw::Point(0, 0), fw::Point(W - 1, 0), fw::Point(0, H - 1), fw::Point(W - 1, H - 1)}) {
    const fw::TColor behind = canvas->Pixels(corner.X, corner.Y);
    hover_.Canvas()->SetPixels(corner.X, corner.Y, behind);
    pressed_.Canvas()->SetPixels(corner.X, corner.Y, behind);
  }

  const fw::TRect inner = fw::Rect(1, 1, W - 1, H - 1);
  if (!enabledState_) {
    AlphaBlendBitmap(&background_, canvas, inner, 10, false);
  } else if (MouseDownState() || pressLatched_) {
    canvas->Draw(0, 0, &pressed_);
  } else if (flat_) {
    AlphaBlendBitmap(&background_, canvas, inner, 20, false);
  } else if (light_) {
    AlphaBlendGradient(canvas, &background_, 230, 180, fw::Rect(1, 1, W - 1, H / 2), 1);
    AlphaBlendGradient(canvas, &background_, 125, 150, fw::Rect(1, H / 2, W - 1, H - 1), 1);
  } else {
    AlphaBlendGradient(canvas, &background_, 180, 70, fw::Rect(1, 1, W - 1, H / 2), 1);
    AlphaBlendGradient(canvas, &background_, 20, 10, fw::Rect(1, H / 2, W - 1, H - 1), 1);
  }

  if (!heldInside && ((fadeAlpha_ >= 1 && fadeAlpha_ <= 254) || MouseInside())) {
    AlphaBlendBitmap(&hover_, canvas, fw::Rect(0, 0, W, H), fadeAlpha_ & 0xFF, false);
  }
  PaintContent(canvas, W, H);
}

void TW7CustomSpeedButton::PaintContent(fw::TCanvas* canvas, int W, int H) {
  canvas->Font()->Assign(Font());
  if (!Enabled()) canvas->Font()->SetColor(kDisabledCaptionColor);
  canvas->Brush()->SetStyle(fw::bsClear);
  const std::string caption = Caption();
  const fw::TSize text = canvas->TextExtent(caption);

  const int arrowWidth = !showArrow_ ? 0 : (arrowType_ == atDown || arrowType_ == atUp) ? 14 : 10;
  const int p = MouseDownState() && pressButtonEffect_ ? 1 : 0;
  const bool image = images_ != nullptr && imageIndex_ >= 0 && imageIndex_ < images_->Count();
  const int imageWidth = image ? iconPixels_ + 5 : 0;
  constexpr int kMargin = 3;
  const int total = text.cx + arrowWidth + imageWidth;
  const int h = text.cy / 2;
  RECT r;
  if (total > W - 2 * kMargin) {
    r = RECT{imageWidth + kMargin + p, H / 2 + p - h, W + p - kMargin - arrowWidth - 1, H / 2 + h + p + 1};
  } else {
    const int x0 = W / 2 + imageWidth + p - total / 2;
    r = RECT{x0, H / 2 + p - h, x0 + text.cx, H / 2 + h + p + 1};
  }
  HDC dc = canvas->Handle();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  canvas->TextExtent("");  // selects the canvas font and its colour into the DC
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
  SetBkMode(dc, oldMode);
  if (showArrow_) DrawW7Arrow(canvas, kCaptionColor, r.right + 5, H / 2 + p - arrowSize_ / 2, arrowType_);
  if (image) images_->Draw(canvas, r.left - imageWidth, H / 2 + p - iconPixels_ / 2, imageIndex_, true);
}

TW7SpeedButton* MakeW7SpeedButton(fw::TWinControl* owner, const std::string& name, const std::string& caption,
                                  int width, fw::TNotifyEvent onClick) {
  auto* button = fw::Create<TW7SpeedButton>(owner);
  button->SetParent(owner);
  button->SetName(name);
  button->SetCaption(caption);
  button->SetWidth(width);
  button->OnClick = std::move(onClick);
  return button;
}

}  // namespace ui
