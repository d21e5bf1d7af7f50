#include "ui/dropdown/button_panel_items.h"

namespace ui {

TButtonItem::TButtonItem(fw::TCollection* Collection)
    : fw::TCollectionItem(Collection), image_(std::make_unique<fw::TPicture>()) {}

TButtonItem::~TButtonItem() = default;

void TButtonItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TButtonItem*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(source->Caption());
  SetCaptionColor(source->CaptionColor());
  SetTag(source->Tag());
  SetImageIndex(source->ImageIndex());
  SetImage(source->Image());
  SetEnabled(source->Enabled());
  SetKeyName(source->KeyName());
}

void TButtonItem::SetKeyBounds(int Left, int Top, int Width, int Height) {
  left_ = Left;
  top_ = Top;
  width_ = Width;
  height_ = Height;
}

TCalcButtonAppearance::TCalcButtonAppearance() : font_(std::make_unique<fw::TFont>()) {
  font_->SetSize(10);
  font_->SetStyle(fw::TFontStyles{fw::fsBold});
}

TCalcButtonAppearance::~TCalcButtonAppearance() = default;

void TCalcButtonAppearance::Store(fw::TColor& Field, fw::TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TCalcButtonAppearance::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TCalcButtonAppearance*>(Source);
  if (source == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  SetBorderColor(source->BorderColor());
  SetBorderColorHot(source->BorderColorHot());
  SetBorderColorDown(source->BorderColorDown());
  SetColor(source->Color());
  SetColorTo(source->ColorTo());
  SetColorHot(source->ColorHot());
  SetColorHotTo(source->ColorHotTo());
  SetColorDown(source->ColorDown());
  SetColorDownTo(source->ColorDownTo());
  SetGlowColorHot(source->GlowColorHot());
  SetGlowColorDown(source->GlowColorDown());
  SetShineColor(source->ShineColor());
  SetFont(source->Font());
  SetTextColor(source->TextColor());
  SetSpecialTextColor(source->SpecialTextColor());
}

}  // namespace ui
