#include "ui/controls/smooth_label.h"

#include "framework/graphics/canvas.h"
#include "ui/controls/caption_brush.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"
#include "ui/foundation/version_info.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {

namespace {

constexpr int kNoWrap = 4096;  // StringFormatFlagsNoWrap

}  // namespace

// ---- caption ----

TVxSmoothLabelCaption::TVxSmoothLabelCaption() : picture_(std::make_unique<TVxGDIPPicture>()) {
  font_.SetName("Tahoma");
  font_.SetSize(20);
  font_.OnChange = [this](fw::TObject*) { Changed(); };
  picture_->OnChange = [this](fw::TObject*) { Changed(); };
}

TVxSmoothLabelCaption::~TVxSmoothLabelCaption() = default;

void TVxSmoothLabelCaption::Changed() {
  if (OnChange) OnChange(this);
}

void TVxSmoothLabelCaption::SetPicture(TVxGDIPPicture* value) {
  if (value != picture_.get()) picture_->Assign(value);
}

void TVxSmoothLabelCaption::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothLabelCaption*>(Source);
  if (other == nullptr || other == this) return;
  const fw::TNotifyEvent notify = OnChange;
  OnChange = nullptr;  // one report for the whole copy
  location_ = other->location_;
  left_ = other->left_;
  top_ = other->top_;
  colorStart_ = other->colorStart_;
  colorEnd_ = other->colorEnd_;
  gradientType_ = other->gradientType_;
  hatchStyle_ = other->hatchStyle_;
  opacityStart_ = other->opacityStart_;
  opacityEnd_ = other->opacityEnd_;
  picture_->Assign(other->picture_.get());
  text_ = other->text_;
  OnChange = notify;
  Changed();
}

// ---- label ----

TVxSmoothLabel::TVxSmoothLabel(fw::TComponent* AOwner)
    : fw::TGraphicControl(AOwner),
      caption_(std::make_unique<TVxSmoothLabelCaption>()),
      fill_(std::make_unique<TGDIPFill>()),
      captionShadow_(std::make_unique<TVxSmoothLabelCaption>()) {
  caption_->OnChange = [this](fw::TObject*) { Changed(); };
  captionShadow_->OnChange = [this](fw::TObject*) { Changed(); };
  fill_->OnChange = [this](fw::TObject*) { Changed(); };
  SetBounds(Left(), Top(), 280, 50);
}

TVxSmoothLabel::~TVxSmoothLabel() = default;

void TVxSmoothLabel::Changed() {
  Invalidate();
  if (OnChange) OnChange(this);
}

void TVxSmoothLabel::SetFill(TGDIPFill* value) {
  if (value != fill_.get()) fill_->Assign(value);
}

void TVxSmoothLabel::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothLabel*>(Source);
  if (other == nullptr || other == this) return;
  const fw::TNotifyEvent notify = OnChange;
  OnChange = nullptr;  // one change for the whole copy
  fill_->Assign(other->fill_.get());
  caption_->Assign(other->caption_.get());
  captionShadow_->Assign(other->captionShadow_.get());
  transparent_ = other->transparent_;
  wordWrap_ = other->wordWrap_;
  textRendering_ = other->textRendering_;
  captionShadowVisible_ = other->captionShadowVisible_;
  captionShadowOffsetTop_ = other->captionShadowOffsetTop_;
  captionShadowOffsetLeft_ = other->captionShadowOffsetLeft_;
  OnChange = notify;
  Changed();
}

std::uint32_t TVxSmoothLabel::GetVersionNr() const { return MakeVersionNr(1, 5, 0, 1); }

void TVxSmoothLabel::Paint() {
  if (Width() < 2 || Height() < 2) return;
  TGPGraphics graphics(Canvas()->Handle());
  GpRectF layout = MakeRect(0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1));
  if (!transparent_) layout = fill_->Fill(&graphics, layout, 255, 255, 255, 255, 255);
  if (!captionShadow_->Text().empty() && captionShadowVisible_) {
    DrawCaption(&graphics, captionShadow_.get(), captionShadowOffsetLeft_, captionShadowOffsetTop_, layout);
  }
  if (!caption_->Text().empty()) DrawCaption(&graphics, caption_.get(), 0, 0, layout);
}

void TVxSmoothLabel::DrawCaption(TGPGraphics* Graphics, TVxSmoothLabelCaption* C, int DX, int DY,
                                 const GpRectF& Layout) {
  const std::unique_ptr<TGPFont> font = Graphics->MakeFont(C->Font());  // unknown families draw in Arial
  TGPStringFormat format(wordWrap_ ? 0 : kNoWrap);
  const TLocationColumn column = LocationColumn(C->Location());
  if (wordWrap_) {
    format.SetAlignment(column == TLocationColumn::Left     ? StringAlignmentNear
                        : column == TLocationColumn::Center ? StringAlignmentCenter
                                                    : StringAlignmentFar);
  }
  const std::wstring wide = AnsiToWide(C->Text());
  GpRectF measured{};
  int fitted = 0;
  int lines = 0;
  Graphics->MeasureString(wide, -1, font.get(), Layout, &format, measured, fitted, lines);
  const float w = measured.Width;
  const float h = measured.Height;
  float x;
  float y;
  if (C->Location() == plCustom) {
    // The shadow stands where the main caption does.
    x = static_cast<float>(caption_->Left());
    y = static_cast<float>(caption_->Top());
  } else {
    x = column == TLocationColumn::Left ? 0 : column == TLocationColumn::Center ? (Layout.Width - w) / 2 : Layout.Width - w;
    const TLocationRow row = LocationRow(C->Location());
    y = row == TLocationRow::Top ? 0 : row == TLocationRow::Center ? (Layout.Height - h) / 2 : Layout.Height - h;
  }
  x += static_cast<float>(DX);
  y += static_cast<float>(DY);
  const ARGB start = MakeAlphaColor(C->OpacityStart(), C->ColorStart());
  const ARGB end = C->ColorEnd() == fw::clNone ? start : MakeAlphaColor(C->OpacityEnd(), C->ColorEnd());
  Graphics->SetTextRenderingHint(textRendering_ == tClearType ? TextRenderingHintClearTypeGridFit
                                                              : TextRenderingHintAntiAliasGridFit);
  const GpRectF box = MakeRect(x, y, w, h);
  const TCaptionBrush brush(C->GradientType(), C->GetHatchStyle(), C->Picture(), start, end, box);
  if (brush.Get() != nullptr) Graphics->DrawAnsiString(C->Text(), -1, font.get(), box, &format, brush.Get());
}

}  // namespace ui
