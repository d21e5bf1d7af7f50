// A list picker's item that shows a picture (or an image of the drop-down's image list) and a caption. A
// changed Caption or ImageIndex fires the collection's OnChange. The pickers' item classes add their own
// text (a hint, notes) on top. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/picture.h"
#include "ui/dropdown/notifying_collection.h"

namespace ui {

class TPictureListItem : public TNotifyingItem {
 public:
  explicit TPictureListItem(fw::TCollection* Collection)
      : TNotifyingItem(Collection), image_(std::make_unique<fw::TPicture>()) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { StoreShown(caption_, Value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { StoreShown(imageIndex_, Value); }
  // Owned; writing copies the given picture.
  fw::TPicture* Image() const { return image_.get(); }
  void SetImage(fw::TPicture* Value) { image_->Assign(Value); }

 protected:
  // Caption and image index through their setters, then the picture.
  void AssignPicture(const TPictureListItem& Source) {
    SetCaption(Source.Caption());
    SetImageIndex(Source.ImageIndex());
    SetImage(Source.Image());
  }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  std::unique_ptr<fw::TPicture> image_;
};

}  // namespace ui
