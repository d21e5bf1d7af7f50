#include "ui/dropdown/dropdown_bar_buttons.h"

namespace ui {

void TBarButton::ButtonChanged() {
  if (auto* buttons = dynamic_cast<TBarButtons*>(Collection())) buttons->ButtonChanged();
}

void TBarButton::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  ButtonChanged();
}

void TBarButton::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  ButtonChanged();
}

void TBarButton::SetWidth(int Value) {
  if (width_ == Value) return;
  width_ = Value;
  ButtonChanged();
}

void THeaderButton::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<THeaderButton*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(source->Caption());
  SetImageIndex(source->ImageIndex());
  SetEnabled(source->Enabled());
  SetWidth(source->Width());
  SetHeight(source->Height());
}

void TFooterButton::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TFooterButton*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(source->Caption());
  SetImageIndex(source->ImageIndex());
  modalResult_ = source->modalResult_;
  SetEnabled(source->Enabled());
  SetWidth(source->Width());
  SetHeight(source->Height());
}

}  // namespace ui
