#include "ui/controls/menu_side_bar.h"

#include "framework/menus/menu.h"
#include "ui/controls/menu_style_host.h"

namespace ui {

// ---- TBarCaption

TBarCaption::TBarCaption() {
  font_.SetName("Tahoma");
  font_.SetSize(14);
  font_.SetColor(MenuRGB(255, 255, 255));
  font_.SetStyle(fw::TFontStyles{fw::fsBold, fw::fsItalic});
}

void TBarCaption::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TBarCaption*>(Source);
  if (source == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  alignment_ = source->alignment_;
  caption_ = source->caption_;
  SetFont(&source->font_);
  shadowColor_ = source->shadowColor_;
  depth_ = source->depth_;
  direction_ = source->direction_;
}

// ---- TSideBar

TSideBar::TSideBar() : borderColor_(MenuRGB(157, 157, 161)), splitterColor_(MenuRGB(128, 128, 128)) {}

void TSideBar::Assign(fw::TPersistent* Source) {
  if (auto* source = dynamic_cast<TSideBar*>(Source)) {
    SetVisible(source->visible_);
    image_.Assign(&source->image_);
    background_.Assign(&source->background_);
    size_ = source->size_;
    splitterWidth_ = source->splitterWidth_;
    splitterMargin_ = source->splitterMargin_;
    splitterGradientWidth_ = source->splitterGradientWidth_;
    splitterGradientType_ = source->splitterGradientType_;
    borderColor_ = source->borderColor_;
  }
  TBarCaption::Assign(Source);
}

void TSideBar::SetVisible(bool Value) {
  visible_ = Value;
  auto* bar = dynamic_cast<fw::TMainMenu*>(menu_);
  if (bar != nullptr && bar->WindowHandle() != nullptr) RequestMenuRebuild(menu_);
}

void TSideBar::SetBackground(TBackground* Value) {
  background_.Assign(Value);
  fw::TPicture* picture = background_.HeldImage();
  if (picture != nullptr && dynamic_cast<fw::TBitmap*>(picture->Graphic()) != nullptr) {
    fw::TBitmap* work = background_.WorkBitmap();
    work->SetTransparentMode(fw::tmAuto);
    work->SetTransparent(true);
  }
  RequestMenuRebuild(menu_);
}

void TSideBar::SetImage(TBackground* Value) {
  image_.Assign(Value);
  RequestMenuRebuild(menu_);
}

}  // namespace ui
