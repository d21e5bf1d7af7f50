#include "ui/dropdown/detail_items.h"

namespace ui {

TDetailItem::TDetailItem(fw::TCollection* Collection)
    : TNotifyingItem(Collection), image_(std::make_unique<fw::TPicture>()) {}

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

int TDetailItems::IndexOfCaption(const std::string& Text) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i)->Caption() == Text) return i;
  }
  return -1;
}

}  // namespace ui
