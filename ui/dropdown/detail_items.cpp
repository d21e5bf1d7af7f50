#include "ui/dropdown/detail_items.h"

namespace ui {

void TDetailItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TDetailItem*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  AssignPicture(*source);
  SetNotes(source->Notes());
}

int TDetailItems::IndexOfCaption(const std::string& Text) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i)->Caption() == Text) return i;
  }
  return -1;
}

}  // namespace ui
