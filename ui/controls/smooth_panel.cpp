#include "ui/controls/smooth_panel.h"

#include <algorithm>
#include <cmath>

#include "framework/controls/messages.h"
#include "framework/graphics/image_list.h"
#include "framework/rtl/arith.h"
#include "framework/rtl/ole.h"
#include "framework/streams/memory_stream.h"
#include "ui/controls/caption_brush.h"
#include "ui/controls/html_text_gdip.h"
#include "ui/controls/transparent_painting.h"
#include "ui/foundation/fixed_stream_adapter.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_image.h"
#include "ui/foundation/gdip_objects.h"
#include "ui/foundation/gdip_picture_container.h"
#include "ui/foundation/hint_info.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/vx_gdip_picture.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

namespace {

ARGB AlphaColor(std::uint8_t alpha, fw::TColor color) { return MakeAlphaColor(alpha, color); }

}  // namespace

// ---- caption ----

TVxSmoothPanelCaption::TVxSmoothPanelCaption(TVxSmoothPanel* Owner)
    : owner_(Owner), picture_(std::make_unique<TVxGDIPPicture>()) {
  font_.SetName("Tahoma");
  font_.SetSize(12);
  htmlFont_.SetName("Tahoma");
  font_.OnChange = [this](fw::TObject*) { Changed(); };
  htmlFont_.OnChange = [this](fw::TObject*) { Changed(); };
  picture_->OnChange = [this](fw::TObject*) { Changed(); };
}

TVxSmoothPanelCaption::~TVxSmoothPanelCaption() = default;

void TVxSmoothPanelCaption::SetPicture(TVxGDIPPicture* value) { picture_->Assign(value); }

void TVxSmoothPanelCaption::Changed() {
  if (OnChange) OnChange(this);
}

void TVxSmoothPanelCaption::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothPanelCaption*>(Source);
  if (!other) {
    fw::TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  const fw::TNotifyEvent notify = OnChange;
  OnChange = nullptr;
  text_ = other->text_;
  location_ = other->location_;
  top_ = other->top_;
  left_ = other->left_;
  colorStart_ = other->colorStart_;
  colorEnd_ = other->colorEnd_;
  opacityStart_ = other->opacityStart_;
  opacityEnd_ = other->opacityEnd_;
  gradientType_ = other->gradientType_;
  hatchStyle_ = other->hatchStyle_;
  picture_->Assign(other->picture_.get());
  font_.Assign(&other->font_);
  htmlText_ = other->htmlText_;
  htmlLocation_ = other->htmlLocation_;
  htmlTop_ = other->htmlTop_;
  htmlLeft_ = other->htmlLeft_;
  htmlShadowColor_ = other->htmlShadowColor_;
  htmlURLColor_ = other->htmlURLColor_;
  htmlShadowOffset_ = other->htmlShadowOffset_;
  htmlFont_.Assign(&other->htmlFont_);
  line_ = other->line_;
  lineColor_ = other->lineColor_;
  textRendering_ = other->textRendering_;
  backgroundColor_ = other->backgroundColor_;
  backgroundColorTo_ = other->backgroundColorTo_;
  OnChange = notify;
  Changed();
}

// ---- panel ----

TVxSmoothPanel::TVxSmoothPanel(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner),
      caption_(std::make_unique<TVxSmoothPanelCaption>(this)),
      fill_(std::make_unique<TGDIPFill>()),
      officeHint_(std::make_unique<TVxHintInfo>()) {
  controlStyle_.Include(fw::csAcceptsControls);
  SetDoubleBuffered(true);
  caption_->OnChange = [this](fw::TObject*) { InvalidateFace(); };
  fill_->OnChange = [this](fw::TObject*) { InvalidateFace(); };
  SetCursor(fw::crDefault);
  SetBounds(Left(), Top(), 256, 128);
}

TVxSmoothPanel::~TVxSmoothPanel() = default;

void TVxSmoothPanel::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothPanel*>(Source);
  if (!other) {
    fw::TCustomControl::Assign(Source);
    return;
  }
  caption_->Assign(other->caption_.get());
  fill_->Assign(other->fill_.get());
  transparent_ = other->transparent_;
  InvalidateFace();
}

void TVxSmoothPanel::SetCaption(TVxSmoothPanelCaption* value) {
  caption_->Assign(value);
  InvalidateFace();
}

void TVxSmoothPanel::SetFill(TGDIPFill* value) {
  fill_->Assign(value);
  InvalidateFace();
}

void TVxSmoothPanel::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  InvalidateFace();
}

void TVxSmoothPanel::SetOfficeHint(TVxHintInfo* value) { officeHint_->Assign(value); }

void TVxSmoothPanel::SetPictureContainer(TGDIPPictureContainer* value) {
  pictureContainer_ = value;
  if (value) value->FreeNotification(this);
  InvalidateFace();
}

void TVxSmoothPanel::SetImages(fw::TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  InvalidateFace();
}

void TVxSmoothPanel::SetCursor(fw::TCursor value) {
  normalCursor_ = value;
  fw::TControl::SetCursor(value);
}

void TVxSmoothPanel::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  if (Operation == fw::opRemove && !ComponentState().Contains(fw::csDestroying)) {
    if (AComponent == pictureContainer_) pictureContainer_ = nullptr;
    if (AComponent == static_cast<fw::TComponent*>(images_)) images_ = nullptr;
  }
  fw::TCustomControl::Notification(AComponent, Operation);
}

std::uint32_t TVxSmoothPanel::GetVersionNr() const { return MakeVersionNr(1, 2, 1, 0); }

void TVxSmoothPanel::InvalidateFace() {
  rebuild_ = true;
  Invalidate();
}

void TVxSmoothPanel::CreateParams(fw::TCreateParams& Params) {
  fw::TCustomControl::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(WS_BORDER);
}

void TVxSmoothPanel::Paint() {
  if (Width() > 1 && Height() > 1) {
    if (rebuild_ || !cache_) {
      rebuild_ = false;
      cache_ = std::make_unique<TGPBitmap>(Width(), Height(), PixelFormat32bppARGB);
      TGPGraphics face(cache_.get());
      face.SetSmoothingMode(SmoothingModeAntiAlias);
      switch (caption_->TextRendering()) {
        case tAntiAlias: face.SetTextRenderingHint(TextRenderingHintAntiAlias); break;
        case tAntiAliasGridFit: face.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit); break;
        case tClearType: face.SetTextRenderingHint(TextRenderingHintClearTypeGridFit); break;
      }
      ++faceBuilds_;
      DrawFace(&face);
    }
    TGPGraphics surface(Canvas()->Handle());
    surface.SetSmoothingMode(SmoothingModeAntiAlias);
    surface.DrawImage(cache_.get(), 0, 0);
  }
  if (OnDraw) OnDraw(this, Canvas(), ClientRect());
}

void TVxSmoothPanel::DrawFace(TGPGraphics* Graphics) {
  const int width = Width();
  const int height = Height();
  const GpRectF area = fill_->BorderColor() != fw::clNone && fill_->BorderWidth() != 0
                           ? MakeRect(0, 0, static_cast<float>(width - 1), static_cast<float>(height - 1))
                           : MakeRect(-1, -1, static_cast<float>(width + 1), static_cast<float>(height + 1));
  const GpRectF inner = fill_->Fill(Graphics, area, 255, 255, 255, 255, 255);
  const int shadow = fill_->ShadowColor() != fw::clNone ? fill_->ShadowOffset() : 0;
  int captionHeight = 0;
  TVxSmoothPanelCaption* c = caption_.get();

  if (!c->Text().empty()) {
    const std::unique_ptr<TGPFont> font = Graphics->MakeFont(c->Font());
    float x0 = inner.X;
    float w0 = inner.Width;
    float reserve = 0;
    TVxGDIPPicture* picture = fill_->Picture();
    if (picture && !picture->Empty()) {
      picture->GetImageSizes();
      const int pictureWidth = fill_->PictureSize() == psOriginal ? picture->Width() : fill_->PictureWidth();
      const float pw = static_cast<float>(pictureWidth);
      const TVxSmoothPanelLocation at = c->Location();
      const bool topCaption = at == plTopLeft || at == plTopRight;
      const bool bottomCaption = at == plBottomLeft || at == plBottomRight;
      switch (fill_->PicturePosition()) {
        case ppTopLeft:
          if (topCaption) { x0 += pw; reserve = pw; }
          break;
        case ppTopRight:
          if (topCaption) w0 -= pw;
          break;
        case ppBottomLeft:
          if (bottomCaption) { x0 += pw; reserve = pw; }
          break;
        case ppBottomRight:
          if (bottomCaption) w0 -= pw;
          break;
        default:
          break;
      }
    }
    const std::wstring wide = AnsiToWide(c->Text());
    GpRectF measured{};
    try {
      TGPStringFormat format;
      int fitted = 0;
      int lines = 0;
      Graphics->MeasureString(wide, -1, font.get(), MakeRect(x0, inner.Y, w0 - reserve, inner.Height), &format,
                              measured, fitted, lines);
    } catch (...) {
      // A failing measure leaves the size at zero; painting goes on.
    }
    const int tw = RoundToInt(measured.Width);
    const int th = RoundToInt(measured.Height);
    captionHeight = th;
    fw::TPoint at = c->Location() == plCustom ? fw::Point(c->Left(), c->Top())
                                               : CalcPosition(c->Location(), tw, th,
                                                              MakeRect(x0, inner.Y, w0, inner.Height));
    if (c->BackgroundColor() != fw::clNone) {
      TGDIPFill band;
      band.SetColor(c->BackgroundColor());
      band.SetColorTo(c->BackgroundColorTo());
      band.SetColorMirror(fw::clNone);
      band.SetColorMirrorTo(fw::clNone);
      band.SetBorderColor(fw::clNone);
      band.Fill(Graphics, MakeRect(0, 0, static_cast<float>(RoundToInt(w0 - reserve)), measured.Height));
    }
    const ARGB c1 = AlphaColor(c->OpacityStart(), c->ColorStart());
    const ARGB c2 = c->ColorEnd() == fw::clNone ? c1 : AlphaColor(c->OpacityEnd(), c->ColorEnd());
    const float x = static_cast<float>(at.X);
    const float y = static_cast<float>(at.Y);
    const TCaptionBrush brush(c->GradientType(), c->GetHatchStyle(), c->Picture(), c1, c2,
                              MakeRect(x, y, measured.Width, measured.Height));
    if (brush.Get() != nullptr) {
      TGPStringFormat format;
      Graphics->DrawAnsiString(c->Text(), -1, font.get(),
                               MakeRect(x, y, static_cast<float>(RoundToInt(w0 - 2 - reserve)),
                                        static_cast<float>(height - 1 - shadow)),
                               &format, brush.Get());
    }
    if (c->LineColor() != fw::clNone && c->Line()) {
      TGPPen pen(ColorToARGB(c->LineColor()), 1.0f);
      const float lineY = LocationRow(c->Location()) == TLocationRow::Bottom ? y - 2 : y + measured.Height;
      Graphics->DrawLine(&pen, static_cast<float>(RoundToInt(inner.X + 2)), lineY,
                         static_cast<float>(RoundToInt(w0 - 2)), lineY);
    }
  }
  if (!c->HTMLText().empty()) DrawHTMLCaption(Graphics, inner, captionHeight, shadow);
}

void TVxSmoothPanel::DrawHTMLCaption(TGPGraphics* Graphics, const GpRectF& Inner, int CaptionHeight, int ShadowSize) {
  TVxSmoothPanelCaption* c = caption_.get();
  const int t = CaptionHeight;
  const int available = Width() - ShadowSize - 2 * fill_->BorderWidth();
  const bool custom = c->HTMLLocation() == plCustom;
  const auto params = [&](const fw::TRect& bounds) {
    THTMLTextParams p;
    p.Text = c->HTMLText();
    p.Bounds = bounds;
    p.ImageList = images_;
    p.ShadowOffset = c->HTMLShadowOffset();
    p.ShadowColor = c->HTMLShadowColor();
    p.HoverBackColor = fw::clNone;
    p.HoverTextColor = fw::clNone;
    p.LinkColor = c->HTMLURLColor();
    p.PictureScale = 1.0;
    p.WordWrap = true;
    return p;
  };
  THTMLTextParams measure = params(custom ? fw::Rect(0, t, available - c->HTMLLeft(), 10000)
                                          : fw::Rect(c->HTMLLeft(), t, available, 10000));
  measure.MeasureOnly = true;
  DrawHTMLTextGDIP(Graphics, c->HTMLFont(), measure, pictureContainer_, 2);
  int width = measure.TextWidth;
  const int height = measure.TextHeight;
  if (custom) {
    if (width > available - c->HTMLLeft()) width = available - c->HTMLLeft();
    htmlRect_ = fw::Bounds(c->HTMLLeft(), c->HTMLTop(), available - c->HTMLLeft(), height);
  } else {
    const fw::TPoint at =
        CalcPosition(c->HTMLLocation(), width, height, MakeRect(Inner.X, Inner.Y, Inner.Width, Inner.Height - t));
    htmlRect_ = fw::Bounds(at.X, at.Y + t, width, height);
  }
  THTMLTextParams draw = params(htmlRect_);
  DrawHTMLTextGDIP(Graphics, c->HTMLFont(), draw, pictureContainer_, 2);
}

fw::TPoint TVxSmoothPanel::CalcPosition(TVxSmoothPanelLocation Location, int TextWidth, int TextHeight,
                                        const GpRectF& Rect) {
  const int x = RoundToInt(Rect.X);
  const int y = RoundToInt(Rect.Y);
  const int w = RoundToInt(Rect.Width);
  const int h = RoundToInt(Rect.Height);
  fw::TPoint at{x, y};
  switch (LocationColumn(Location)) {
    case TLocationColumn::Right: at.X = std::max(w - TextWidth, x); break;
    case TLocationColumn::Center: at.X = std::max(w - TextWidth, x) / 2; break;
    case TLocationColumn::Left: break;
  }
  switch (LocationRow(Location)) {
    case TLocationRow::Bottom: at.Y = h - TextHeight; break;
    case TLocationRow::Center: at.Y = (h - TextHeight) / 2; break;
    case TLocationRow::Top: break;
  }
  return at;
}

std::string TVxSmoothPanel::GetAnchorAt(int X, int Y) {
  if (caption_->HTMLText().empty() || !htmlRect_.Contains(fw::Point(X, Y))) return {};
  TGPGraphics surface(Canvas()->Handle());
  THTMLTextParams p;
  p.Text = caption_->HTMLText();
  p.Bounds = htmlRect_;
  p.ImageList = images_;
  p.HitX = X;
  p.HitY = Y;
  p.HitTestOnly = true;
  p.ShadowOffset = caption_->HTMLShadowOffset();
  p.ShadowColor = caption_->HTMLShadowColor();
  p.HoverBackColor = fw::clNone;
  p.HoverTextColor = fw::clNone;
  p.LinkColor = caption_->HTMLURLColor();
  p.WordWrap = true;
  DrawHTMLTextGDIP(&surface, caption_->HTMLFont(), p, pictureContainer_, 2);
  return p.HitLink;
}

void TVxSmoothPanel::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseMove(Shift, X, Y);
  const std::string anchor = GetAnchorAt(X, Y);
  overLink_ = !anchor.empty();
  fw::TControl::SetCursor(overLink_ ? fw::crHandPoint : normalCursor_);
}

void TVxSmoothPanel::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!overLink_) return;
  const std::string anchor = GetAnchorAt(X, Y);
  if (!anchor.empty() && OnAnchorClick) OnAnchorClick(this, anchor);
}

void TVxSmoothPanel::Resize() {
  fw::TCustomControl::Resize();
  InvalidateFace();
}

void TVxSmoothPanel::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (transparent_ && Parent() != nullptr) {
        PaintTransparently(this, Message, [this](fw::TMessage& m) { fw::TCustomControl::Dispatch(m); });
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (transparent_) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_SIZE:
      fw::TCustomControl::Dispatch(Message);
      Invalidate();
      return;
    case WM_WINDOWPOSCHANGED:
      if (fill_->ShadowColor() != fw::clNone && fill_->ShadowOffset() > 0) Invalidate();
      break;
    case WM_NCHITTEST: {
      fw::TCustomControl::Dispatch(Message);
      const fw::TPoint p = ScreenToClient(fw::Point(static_cast<short>(LOWORD(Message.LParam)),
                                                   static_cast<short>(HIWORD(Message.LParam))));
      const fw::TRect client = ClientRect();
      if (p.Y < 20 && p.X > client.Left && p.X < client.Right && Message.Result == HTCLIENT && canMove_) {
        MouseMove(fw::TShiftState{}, p.X, p.Y);
        Message.Result = HTCAPTION;
      }
      return;
    }
    case WM_EXITSIZEMOVE:
      fw::TCustomControl::Dispatch(Message);
      if (OnEndMoveSize) OnEndMoveSize(this);
      return;
    case fw::CM_MOUSEENTER:
      fw::TCustomControl::Dispatch(Message);
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case fw::CM_MOUSELEAVE:
      fw::TCustomControl::Dispatch(Message);
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    default:
      break;
  }
  fw::TCustomControl::Dispatch(Message);
}

// ---- styles ----

void TVxSmoothPanel::ApplyStyle(int Style) {
  struct Preset {
    int style;
    fw::TColor color, colorTo, mirror, mirrorTo, border, start, end, line;
  };
  constexpr fw::TColor N = fw::clNone;
  static const Preset presets[] = {
      {0, 0xFDEADA, 0xE4AE88, N, N, 0xDFD2C5, 0, 0, 0},
      {1, 0xF7F3F3, 0xE6D8D8, N, N, 0x927476, 0, 0, 0},
      {2, 0xCFF0EA, 0x8CC0B1, N, N, 0x6B7760, 0, 0, 0},
      {3, 0xFFFFFF, 0xC9D1D5, N, N, 0x808080, 0, 0, 0},
      {4, 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, 0xE3B28D, 0xB0721C, 0x9F661A, 0xB0721C},
      {5, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
      {6, fw::clBtnFace, fw::clBtnFace, N, N, 0x000000, 0, 0, 0},
      {7, 0xFFFFFF, 0xD9E9EC, N, N, 0x828F92, 0, 0, 0},
      {9, 0xF6F1EE, 0xE7DCD5, 0xE7DCD5, 0xF4F4EE, 0x74706F, 0xB0721C, 0x9F661A, 0xB0721C},
      {10, 0xFDF8F1, 0xFCEFD5, N, N, 0xFDDE99, 0, 0, 0xFDDE99},
      {11, 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D, 0, 0, 0xCEA27D},
      {12, fw::clBtnFace, fw::clBtnFace, N, N, 0x000000, 0, 0, 0},
      {13, 0xFDF6EF, 0xF0DAC7, N, N, 0xC7B29F, 0x5B391E, 0x5B391E, 0x5B391E},
      {14, 0xFFFFFF, 0xEDE5E0, N, N, 0xD2CDC8, 0x5B391E, 0x5B391E, 0x5B391E},
      {15, 0xBFBFBF, 0x919191, N, N, 0x6D6D6D, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
  };
  fill_->SetGradientType(gtVertical);
  fill_->SetGlow(gmNone);
  fill_->SetRounding(10);
  fill_->SetShadowColor(0x808080);
  if (Style != 8) {
    caption_->SetBackgroundColor(fw::clNone);
    caption_->SetBackgroundColorTo(fw::clNone);
  }
  for (const Preset& preset : presets) {
    if (preset.style != Style) continue;
    fill_->SetColor(preset.color);
    fill_->SetColorTo(preset.colorTo);
    fill_->SetColorMirror(preset.mirror);
    fill_->SetColorMirrorTo(preset.mirrorTo);
    fill_->SetBorderColor(preset.border);
    caption_->SetColorStart(preset.start);
    caption_->SetColorEnd(preset.end);
    caption_->SetLineColor(preset.line);
  }
  if (Style == 4 || Style == 5 || Style == 9) fill_->SetGradientMirrorType(gtVertical);
  if (Style >= 13 && Style <= 15) fill_->SetGlow(gmRadial);
}

void TVxSmoothPanel::ApplyStyleColors(const TControlFaceColors& Colors) {
  caption_->SetBackgroundColor(Colors.DownFill);
  caption_->SetBackgroundColorTo(Colors.DownFill);
  caption_->SetColorStart(Colors.DownText);
  caption_->SetColorEnd(Colors.DownText);
  caption_->SetLineColor(Colors.NormalBorder);
  caption_->HTMLFont()->SetColor(Colors.NormalText);
  const std::string fontName = GetDefaultFontName();
  caption_->Font()->SetName(fontName);
  Font()->SetName(fontName);
  Font()->SetColor(Colors.NormalText);
  SetOneColour(fill_.get(), Colors.NormalFill, Colors.NormalBorder);
  fill_->SetRounding(0);
  fill_->SetShadowColor(fw::clNone);
}

}  // namespace ui
