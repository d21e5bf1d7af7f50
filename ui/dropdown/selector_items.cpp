#include "ui/dropdown/selector_items.h"

namespace ui {

TSelectorItem::TSelectorItem(fw::TCollection* Collection)
    : TNotifyingItem(Collection), image_(std::make_unique<fw::TPicture>()) {}

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

}  // namespace ui
