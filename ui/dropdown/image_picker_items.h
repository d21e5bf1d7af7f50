// The items of the image picker drop-down: a picture (or an image of the drop-down's image list), an
// optional caption and a hint each. A changed Caption or ImageIndex fires the collection's OnChange.
// GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/picture.h"
#include "ui/dropdown/notifying_collection.h"

namespace ui {

class TImageItem : public TNotifyingItem {
 public:
  explicit TImageItem(fw::TCollection* Collection);
  ~TImageItem() override;

  // Another image item: caption and image index through their setters, the picture and the hint.
  // Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { StoreShown(caption_, Value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { StoreShown(imageIndex_, Value); }
  // Owned; writing copies the given picture.
  fw::TPicture* Image() const { return image_.get(); }
  void SetImage(fw::TPicture* Value) { image_->Assign(Value); }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  std::unique_ptr<fw::TPicture> image_;
  std::string hint_;
};

// Owner: the drop-down (returned by GetOwner).
class TImageItems : public TNotifyingItems<TImageItem> {
 public:
  using TNotifyingItems<TImageItem>::TNotifyingItems;
};

}  // namespace ui
