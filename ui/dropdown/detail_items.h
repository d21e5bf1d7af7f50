// The items of the detail drop-down: a picture (or an image of the drop-down's image list), a caption and
// a line of notes in the HTML subset. A changed Caption or ImageIndex fires the collection's OnChange.
// GUI thread only.
#pragma once

#include <string>

#include "ui/dropdown/notifying_collection.h"
#include "ui/dropdown/picture_list_item.h"

namespace ui {

class TDetailItem : public TPictureListItem {
 public:
  using TPictureListItem::TPictureListItem;

  // Another detail item: caption and image index through their setters, the picture and the notes.
  // Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  const std::string& Notes() const { return notes_; }
  void SetNotes(const std::string& Value) { notes_ = Value; }

 private:
  std::string notes_;
};

// Owner: the drop-down (returned by GetOwner).
class TDetailItems : public TNotifyingItems<TDetailItem> {
 public:
  using TNotifyingItems<TDetailItem>::TNotifyingItems;
  // The first item whose caption equals Text exactly (letter case counts); -1 when none does.
  int IndexOfCaption(const std::string& Text) const;
};

}  // namespace ui
