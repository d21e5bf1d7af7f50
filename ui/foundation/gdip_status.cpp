#include "ui/foundation/gdip_status.h"

#include <algorithm>

#include "framework/rtl/arith.h"

namespace ui {

TGDIPStatus::TGDIPStatus() : fill_(fw::Create<TGDIPFill>()), font_(fw::Create<fw::TFont>()) {
  font_->SetName("Tahoma");
  fill_->OnChange = [this](fw::TObject*) { Changed(); };
  font_->OnChange = [this](fw::TObject*) { Changed(); };
}

TGDIPStatus::~TGDIPStatus() {
  fw::FreeAndNil(font_);
  fw::FreeAndNil(fill_);
}

void TGDIPStatus::Assign(fw::TPersistent* Source) {
  auto* s = dynamic_cast<TGDIPStatus*>(Source);
  if (s == nullptr || s == this) return;
  fill_->Assign(s->fill_);
  font_->Assign(s->font_);
  glow_ = s->glow_;
  spacing_ = s->spacing_;
  Changed();
}

void TGDIPStatus::SetSpacing(int value) {
  if (spacing_ == value) return;
  spacing_ = value;
  Changed();
}

void TGDIPStatus::SetGlow(bool value) {
  if (glow_ == value) return;
  glow_ = value;
  Changed();
}

GpRectF TGDIPStatus::MeasureCaption(TGPGraphics* Graphics, const std::wstring& Caption) {
  auto font = CreateGPFont(font_, false);
  TGPStringFormat format;
  GpRectF box;
  int fitted = 0, lines = 0;
  Graphics->MeasureString(Caption, static_cast<int>(Caption.size()), font.get(), MakeRect(0, 0, 10000, 10000), &format,
                          box, fitted, lines);
  return box;
}

void TGDIPStatus::CalculateSize(TGPGraphics* Graphics, const std::string& Caption) {
  if (Caption.empty()) return;
  const GpRectF box = MeasureCaption(Graphics, AnsiToWide(Caption));
  height_ = static_cast<int>(fw::Round(box.Height + 4));
  width_ = std::max(height_, static_cast<int>(fw::Round(box.Width + 4))) + 2 * spacing_;
  TVxGDIPPicture* picture = fill_->Picture();
  if (!picture->Empty()) {
    int pw = fill_->PictureWidth(), ph = fill_->PictureHeight();
    if (fill_->PictureSize() != psCustom) {
      picture->GetImageSizes();
      pw = picture->Width();
      ph = picture->Height();
    }
    width_ = std::max(width_, pw);
    height_ = std::max(height_, ph);
  }
}

void TGDIPStatus::Draw(TGPGraphics* Graphics, int X, int Y, int Width, int Height, bool UseOwnSize,
                       const std::string& Caption) {
  const float w = static_cast<float>(UseOwnSize ? width_ : Width);
  const float h = static_cast<float>(UseOwnSize ? height_ : Height);
  const std::wstring caption = AnsiToWide(Caption);
  const GpRectF text = MeasureCaption(Graphics, caption);
  const float x = static_cast<float>(X), y = static_cast<float>(Y);

  fill_->BeginUpdate();
  const float b = fill_->BorderColor() != fw::clNone ? static_cast<float>(fill_->BorderWidth()) / 2 : 0;
  const GpRectF bubble = MakeRect(x, y, w - 2 * b, h - 2 * b);
  fill_->SetRounding(static_cast<int>(fw::Round(bubble.Height / 2)));
  fill_->Fill(Graphics, bubble);
  fill_->EndUpdate();

  if (!caption.empty()) {
    auto font = CreateGPFont(font_, false);
    TGPStringFormat format;
    TGPSolidBrush ink(ColorToARGB(font_->Color()));
    const float sp = static_cast<float>(spacing_);
    Graphics->DrawStringAtPoint(caption, static_cast<int>(caption.size()), font.get(),
                                MakePointF(x + sp + (w - 2 * sp - text.Width) / 2, y + (h - text.Height) / 2), &format,
                                &ink);
  }

  if (glow_) {
    TGDIPFill shine;
    shine.SetColor(fw::clWhite);
    shine.SetColorTo(fw::clWhite);
    shine.SetGradientType(gtVertical);
    shine.SetOpacity(170);
    shine.SetOpacityTo(30);
    shine.SetRoundingType(rtTop);
    shine.SetRounding(fill_->Rounding());
    shine.Fill(Graphics, MakeRect(x, y, bubble.Width, bubble.Height / 2));
  }
}

}  // namespace ui
