#include "ui/foundation/gdip_button.h"

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/rtl/arith.h"
#include "ui/foundation/color_conversions.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

namespace {

float F(int value) { return static_cast<float>(value); }
StringAlignment AlignmentOf(fw::TAlignment alignment) {
  switch (alignment) {
    case fw::taLeftJustify: return StringAlignmentNear;
    case fw::taRightJustify: return StringAlignmentFar;
    default: return StringAlignmentCenter;
  }
}

// A vertical gradient of three opaque shades over a rectangle, filling a path.
void FillShades(TGPGraphics* graphics, TGPGraphicsPath* path, const GpRectF& over, const fw::TColor (&shades)[3],
                const float (&positions)[3]) {
  TGPLinearGradientBrush brush(over, ColorToARGB(shades[0]), ColorToARGB(shades[2]), LinearGradientModeVertical);
  brush.SetGammaCorrection(TRUE);
  const ARGB colours[3] = {ColorToARGB(shades[0]), ColorToARGB(shades[1]), ColorToARGB(shades[2])};
  brush.SetInterpolationColors(colours, positions, 3);
  graphics->FillPath(&brush, path);
}

}  // namespace

TGDIPButtonLayout TurnedLayout(TGDIPButtonLayout layout, bool leftSide) {
  switch (layout) {
    case blPictureLeft: return leftSide ? blPictureBottom : blPictureTop;
    case blPictureRight: return leftSide ? blPictureTop : blPictureBottom;
    case blPictureBottom: return blPictureRight;
    case blPictureTop: return blPictureLeft;
    default: return layout;
  }
}

TGDIPButton::TGDIPButton() : font_(fw::Create<fw::TFont>()) {
  font_->SetName("Tahoma");
  font_->OnChange = [this](fw::TObject*) {
    Changed();
    if (OnFontChange) OnFontChange(this);
  };
}

TGDIPButton::~TGDIPButton() { fw::FreeAndNil(font_); }

void TGDIPButton::Assign(fw::TPersistent* Source) {
  auto* s = dynamic_cast<TGDIPButton*>(Source);
  if (s == nullptr || s == this) return;
  font_->Assign(s->font_);
  layout_ = s->layout_;
  spacing_ = s->spacing_;
  shiftDown_ = s->shiftDown_;
  alignment_ = s->alignment_;
  pictureAlignment_ = s->pictureAlignment_;
  focusColor_ = s->focusColor_;
  simpleLayout_ = s->simpleLayout_;
  glowPercentage_ = s->glowPercentage_;
  Changed();
}

void TGDIPButton::Changed() {
  if (updateCount_ == 0 && OnChange) OnChange(this);
}

bool TGDIPButton::IsFontStored() {
  bool stored = true;
  if (OnIsFontStored) OnIsFontStored(this, stored);
  return stored;
}

void TGDIPButton::Notification(fw::TComponent* Owner, fw::TComponent* AComponent, fw::TOperation Operation) {
  if (Owner == nullptr || Owner->ComponentState().Contains(fw::csDestroying)) return;
  if (Operation != fw::opRemove) return;
  if (AComponent != nullptr && AComponent == pictureContainer_) pictureContainer_ = nullptr;
  if (AComponent != nullptr && AComponent == imageList_) imageList_ = nullptr;
}

fw::TColor TGDIPButton::DownColor(fw::TColor Color, fw::TColor ColorDown) {
  if (ColorDown != fw::clNone) return ColorDown;
  const COLORREF rgb = fw::ColorToRGB(Color);
  double h, s, v, r, g, b;
  RGBToHSV(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), h, s, v);
  HSVToRGB(h, s, v * 0.7, r, g, b);
  auto channel = [](double value) { return std::clamp(RoundToInt(value), 0, 255); };
  return static_cast<fw::TColor>(RGB(channel(r), channel(g), channel(b)));
}

void TGDIPButton::TakePicture(TVxGDIPPicture& picture, TVxGDIPPicture* given, int imageIndex,
                              const std::string& name) {
  picture.Assign(given);
  if (pictureContainer_ != nullptr && !name.empty()) picture.Assign(pictureContainer_->FindPicture(name));
  if (imageList_ != nullptr && imageIndex >= 0 && imageIndex < imageList_->Count()) {
    fw::TBitmap bitmap;
    imageList_->GetBitmap(imageIndex, &bitmap);
    if (!bitmap.Empty()) picture.Assign(&bitmap);
  }
}

void TGDIPButton::DrawGlassFace(TGPGraphics* Graphics, int X, int Y, int W, int H, int IX, int IY, fw::TColor K,
                                bool Bevel, fw::TColor BevelColor, TFillRoundingType RoundingType) {
  const int m = H / 2;
  const int q = H / 6;
  const int g = glowPercentage_;
  const fw::TRect glass{X + IX, Y + IY, X + W - IX - 1, Y + m};
  {
    TGPSolidBrush band(ColorToARGB(LightenColor(K, -40)));
    Graphics->FillRectangle(&band, MakeRect(F(X + IX), F(Y + m - q), F(W - 2 * IX - 1), F(2 * q)));
  }
  {
    auto bottom = CreateGlassBottomPath(glass, rounding_, q);
    const fw::TColor shades[3] = {LightenColor(K, -40 * g / 100), LightenColor(K, 100 * g / 100),
                                  LightenColor(K, 220 * g / 100)};
    FillShades(Graphics, bottom.get(), MakeRect(F(X + IX - 1), F(Y + m - q - 1), F(W - 2 * IX + 1), F(m + q + 2)),
               shades, {0, 0.9f, 1.0f});
  }
  {
    auto top = CreateGlassTopPath(glass, rounding_, q);
    const fw::TColor shades[3] = {LightenColor(K, 220 * g / 100), LightenColor(K, 100 * g / 100), K};
    FillShades(Graphics, top.get(), MakeRect(F(X + IX - 1), F(Y + IY - 1), F(W - 2 * IX + 1), F(m + 3)), shades,
               {0, 0.2f, 1.0f});
  }
  if (Bevel) {
    auto ring = CreateFramePath(fw::TRect{X + IX, Y + IY + 1, X + W - IX - 1, Y + H - IY - 1}, rounding_ - 1,
                                RoundingType, 2);
    TGPSolidBrush brush(MakeAlphaColor(160, BevelColor));
    Graphics->FillPath(&brush, ring.get());
  }
}

void TGDIPButton::Draw(TGPGraphics* Graphics, const std::string& Caption, int X, int Y, int Width, int Height,
                       int InsetY, int InsetX, fw::TColor Color, fw::TColor ColorDown, fw::TColor BevelColor,
                       fw::TColor TextColor, bool Shadow, bool Down, bool Bevel, bool Vertical, bool LeftSide,
                       TFillRoundingType RoundingType, TVxGDIPPicture* Picture, int TextWidth, int TextHeight,
                       bool WideText, int ImageIndex, const std::string& PictureName) {
  TVxGDIPPicture picture;
  TakePicture(picture, Picture, ImageIndex, PictureName);
  const bool hasPicture = !picture.Empty();
  const TGDIPButtonLayout layout = Vertical ? TurnedLayout(layout_, LeftSide) : layout_;
  const fw::TColor K = Down ? DownColor(Color, ColorDown) : Color;
  const int IX = InsetX, IY = InsetY;

  if (Shadow) {
    auto outline = CreateRoundRectPath(
        MakeRect(F(X + IX + 2), F(Y + IY + 2), F(Width - 2 * IX - 4), F(Height - 2 * IY - 2)), rounding_, RoundingType);
    FillSoftShadow(Graphics, outline.get(), fw::clBlack);
    Height -= 4;
    Width -= 6;
  }
  const int W = Width, H = Height;

  if (simpleLayout_) {
    auto face = CreateRoundRectPath(MakeRect(F(X + IX), F(Y + IY), F(W - 2 * IX), F(H - 2 * IY)), rounding_,
                                    RoundingType);
    TGPSolidBrush brush(ColorToARGB(K));
    Graphics->FillPath(&brush, face.get());
    TGPPen pen(ColorToARGB(K), 1);
    Graphics->DrawPath(&pen, face.get());
  } else {
    DrawGlassFace(Graphics, X, Y, W, H, IX, IY, K, Bevel, BevelColor, RoundingType);
  }

  const int s = Down ? shiftDown_ : 0;
  const int SP = spacing_;
  const int pw = hasPicture ? picture.Width() : 0;
  const int ph = hasPicture ? picture.Height() : 0;
  const bool sideways = layout == blPictureLeft || layout == blPictureRight;
  const bool upright = layout == blPictureTop || layout == blPictureBottom;
  const bool hasCaption = !Caption.empty();

  GpRectF M = MakeRect(F(X + IX + s), F(Y + IY + s), F(W - 2 * IX), F(H - 2 * IY));
  float tw = 0, th = 0;
  std::unique_ptr<TGPFont> font;
  TGPStringFormat format;
  format.SetAlignment(AlignmentOf(alignment_));
  format.SetLineAlignment(AlignmentOf(alignment_));
  const std::wstring caption = AnsiToWide(Caption);
  if (hasCaption) {
    M.Width -= 4;
    if (hasPicture) {
      M.X += 2;
      if (sideways) M.Width -= F(pw + SP);
      if (upright) M.Height -= F(ph + SP);
      if (SP % 2 != 0) M.Width -= 1;
    }
    if (!Vertical) {
      font = CreateGPFont(font_, false);
      Graphics->SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
      GpRectF box;
      int fitted = 0, lines = 0;
      Graphics->MeasureString(caption, static_cast<int>(caption.size()), font.get(), M, &format, box, fitted, lines);
      tw = box.Width;
      th = box.Height;
    } else {
      tw = F(TextWidth);
      th = F(TextHeight);
    }
  }

  float cx = F(X + s);
  float cy = F(Y + s) + (F(H) - th) / 2;
  if (hasCaption && hasPicture) {
    const float centredX = M.X + (M.Width - tw) / 2;
    const float centredY = M.Y + (M.Height - th) / 2;
    switch (layout) {
      case blPictureLeft:
        cx = std::max(centredX, F(SP)) + F(pw + SP);
        cy = centredY;
        break;
      case blPictureRight:
        cx = centredX;
        cy = centredY;
        if (F(SP) > cx) {
          cx = F(SP);
          M.Width = F(W - (pw + 2 * SP));
          tw = M.Width;
        }
        break;
      case blPictureBottom:
        cx = centredX;
        cy = centredY;
        break;
      case blPictureTop:
        cx = centredX;
        cy = centredY + F(ph + SP);
        break;
      default:
        break;
    }
  }
  GpRectF T = MakeRect(F(X + IX + 4), cy, F(W - 2 * IX - 8), th);
  if (hasPicture && layout == blPictureLeft) T = MakeRect(cx, cy, F(W - IX - 8) - (cx - F(X)), th);
  if (hasPicture && layout == blPictureRight) T = MakeRect(F(X + IX + 4), cy, F(W - (pw + SP + 8) - IX) - (cx - F(X)), th);

  if (hasPicture) {
    int px = 0;
    switch (pictureAlignment_) {
      case fw::taLeftJustify: px = IX + 4; break;
      case fw::taRightJustify: px = W - IX - pw - 4; break;
      default: px = (W - pw) / 2; break;
    }
    px += s;
    const int py = (H - ph) / 2 + s;
    int x = X + px, y = Y + py;
    int textX = px;  // what the caption's rectangle follows
    if (hasCaption && layout != blNone) {
      switch (layout) {
        case blPictureLeft:
          if (pictureAlignment_ == fw::taRightJustify) x = RoundToInt(cx - F(pw) - F(SP));
          if (pictureAlignment_ == fw::taCenter) x = RoundToInt(cx - (cx + F(pw) - F(X)) / 2);
          textX = x;
          break;
        case blPictureRight:
          if (pictureAlignment_ == fw::taLeftJustify) x = RoundToInt(cx + tw + F(SP));
          if (pictureAlignment_ == fw::taCenter) x = RoundToInt((F(W) - (cx + tw) - F(pw)) / 2 + cx + tw);
          textX = x;
          break;
        case blPictureBottom: y = RoundToInt(cy + th + F(SP)); break;
        case blPictureTop: y = RoundToInt(cy - F(ph) - F(SP)); break;
        default: break;
      }
    }
    picture.GDIPDraw(Graphics, fw::Bounds(x, y, pw, ph));
    if (layout_ == blPictureLeft) T = MakeRect(F(textX + pw + SP), T.Y, F(X + W - 2 * IX - pw - textX - SP - 8), T.Height);
    if (layout_ == blPictureRight) T = MakeRect(F(X + 2 * IX + 8), T.Y, F(textX - (SP + 2 * IX + X + 8)), T.Height);
  }

  if (hasCaption && !Vertical) {
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    TGPSolidBrush ink(ColorToARGB(TextColor));
    const GpRectF where = WideText ? MakeRect(T.X - 2, T.Y, T.Width + 2, T.Height) : MakeRect(T.X, T.Y, tw, th);
    Graphics->DrawAnsiString(Caption, static_cast<int>(Caption.size()), font.get(), where, &format, &ink);
  }
}

}  // namespace ui
