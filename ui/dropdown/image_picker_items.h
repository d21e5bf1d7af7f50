// The items of the image picker drop-down: a picture (or an image of the drop-down's image list), an
// optional caption and a hint each. A changed Caption or ImageIndex fires the collection's OnChange.
// GUI thread only.
#pragma once

#include <string>

#include "ui/dropdown/notifying_collection.h"
#include "ui/dropdown/picture_list_item.h"

namespace ui {

class TImageItem : public TPictureListItem {
 public:
  using TPictureListItem::TPictureListItem;

  // Another image item: caption and image index through their setters, the picture and the hint.
  // Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }

 private:
  std::string hint_;
};

// Owner: the drop-down (returned by GetOwner).
class TImageItems : public TNotifyingItems<TImageItem> {
 public:
  using TNotifyingItems<TImageItem>::TNotifyingItems;
};

}  // namespace ui
