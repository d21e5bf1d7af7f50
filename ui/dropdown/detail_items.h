// The items of the detail drop-down: a picture (or an image of the drop-down's image list), a caption and
// a line of notes in the HTML subset. A changed Caption or ImageIndex fires the collection's OnChange.
// GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/picture.h"
#include "ui/dropdown/notifying_collection.h"

namespace ui {

class TDetailItem : public TNotifyingItem {
 public:
  explicit TDetailItem(fw::TCollection* Collection);
  ~TDetailItem() override;

  // Another detail item: caption and image index through their setters, the picture and the notes.
  // Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { StoreShown(caption_, Value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { StoreShown(imageIndex_, Value); }
  // Owned; writing copies the given picture.
  fw::TPicture* Image() const { return image_.get(); }
  void SetImage(fw::TPicture* Value) { image_->Assign(Value); }
  const std::string& Notes() const { return notes_; }
  void SetNotes(const std::string& Value) { notes_ = Value; }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  std::unique_ptr<fw::TPicture> image_;
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
