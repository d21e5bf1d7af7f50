#include "ui/dropdown/selector_items.h"

namespace ui {

TSelectorItem::TSelectorItem(fw::TCollection* Collection)
    : fw::TCollectionItem(Collection), image_(std::make_unique<fw::TPicture>()) {}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TSelectorItem*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(source->Caption());
  SetColor(source->Color());
  SetImageIndex(source->ImageIndex());
  SetImage(source->Image());
  SetHint(source->Hint());
}

void TSelectorItem::NotifyChange() {
  auto* items = dynamic_cast<TSelectorItems*>(Collection());
  if (items != nullptr && items->OnChange) items->OnChange(items);
}

void TSelectorItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  NotifyChange();
}

void TSelectorItem::SetColor(fw::TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  NotifyChange();
}

void TSelectorItem::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  NotifyChange();
}

}  // namespace ui
