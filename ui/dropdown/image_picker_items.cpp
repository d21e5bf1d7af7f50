#include "ui/dropdown/image_picker_items.h"

namespace ui {

TImageItem::TImageItem(fw::TCollection* Collection)
    : fw::TCollectionItem(Collection), image_(std::make_unique<fw::TPicture>()) {}

TImageItem::~TImageItem() = default;

void TImageItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TImageItem*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(source->Caption());
  SetImageIndex(source->ImageIndex());
  SetImage(source->Image());
  SetHint(source->Hint());
}

void TImageItem::NotifyChange() {
  auto* items = dynamic_cast<TImageItems*>(Collection());
  if (items != nullptr && items->OnChange) items->OnChange(items);
}

void TImageItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  NotifyChange();
}

void TImageItem::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  NotifyChange();
}

}  // namespace ui
