#include "ui/dropdown/image_picker_items.h"

namespace ui {

void TImageItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TImageItem*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  AssignPicture(*source);
  SetHint(source->Hint());
}

}  // namespace ui
