#include "framework/graphics/font.h"

#include <algorithm>

namespace fw {

namespace {
constexpr int kPointsPerInch = 72;
constexpr int kDefaultSize = 8;
}  // namespace

int ScreenPixelsPerInch() {
  static const int pixelsPerInch = [] {
    WindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
  }();
  return pixelsPerInch;
}

TFont::TFont()
    : pixelsPerInch_(ScreenPixelsPerInch()), height_(-MulDiv(kDefaultSize, pixelsPerInch_, kPointsPerInch)) {}

void TFont::SetName(const std::string& value) { Update(name_, value); }
int TFont::Size() const { return -MulDiv(height_, kPointsPerInch, pixelsPerInch_); }
void TFont::SetSize(int value) { SetHeight(-MulDiv(value, pixelsPerInch_, kPointsPerInch)); }
void TFont::SetHeight(int value) { Update(height_, value); }
void TFont::SetColor(TColor value) { Update(color_, value); }
void TFont::SetStyle(TFontStyles value) { Update(style_, value); }
void TFont::SetCharset(BYTE value) { Update(charset_, value); }
void TFont::SetPitch(TFontPitch value) { Update(pitch_, value); }

void TFont::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TFont*>(Source);
  if (!other) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  name_ = other->name_;
  // The same size in points whatever resolution each font was made for.
  height_ = MulDiv(other->height_, pixelsPerInch_, other->pixelsPerInch_);
  color_ = other->color_;
  style_ = other->style_;
  charset_ = other->charset_;
  pitch_ = other->pitch_;
  HandleChanged();
}

HFONT TFont::Handle() {
  return handle_.Get([this] {
    LOGFONTA font{};
    font.lfHeight = height_;
    font.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = style_.Contains(fsItalic);
    font.lfUnderline = style_.Contains(fsUnderline);
    font.lfStrikeOut = style_.Contains(fsStrikeOut);
    font.lfCharSet = charset_;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    const size_t length = std::min(name_.size(), sizeof(font.lfFaceName) - 1);
    std::copy_n(name_.begin(), length, font.lfFaceName);
    return CreateFontIndirectA(&font);
  });
}

}  // namespace fw
