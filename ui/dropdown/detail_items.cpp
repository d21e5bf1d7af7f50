#include "ui/dropdown/detail_items.h"

namespace ui {

TDetailItem::TDetailItem(fw::TCollection* Collection)
    : fw::TCollectionItem(Collection), image_(std::make_unique<fw::TPicture>()) {}

TDetailItem::~TDetailItem() = default;

void TDetailItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TDetailItem*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(source->Caption());
  SetImageIndex(source->ImageIndex());
  SetImage(source->Image());
  SetNotes(source->Notes());
}

void TDetailItem::NotifyChange() {
  auto* items = dynamic_cast<TDetailItems*>(Collection());
  if (items != nullptr && items->OnChange) items->OnChange(items);
}

void TDetailItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  NotifyChange();
}

void TDetailItem::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  NotifyChange();
}

int TDetailItems::IndexOfCaption(const std::string& Text) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i)->Caption() == Text) return i;
  }
  return -1;
}

}  // namespace ui
