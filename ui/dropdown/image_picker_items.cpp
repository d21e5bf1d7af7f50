#include "ui/dropdown/image_picker_items.h"

namespace ui {

TImageItem::TImageItem(fw::TCollection* Collection)
    : TNotifyingItem(Collection), image_(std::make_unique<fw::TPicture>()) {}

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

}  // namespace ui
