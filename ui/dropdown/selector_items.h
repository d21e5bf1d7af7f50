// The items of an item selector and the event and kind types the selector and its pickers share.
//
// TSelectorItem is one item: an HTML-subset caption, a picture (or an image of the selector's image list,
// or a colour box) and a hint, with the rectangle the selector's layout gave it in panel coordinates.
// TSelectorItems is the selector's owned list; a changed Caption, Color or ImageIndex of an item fires its
// OnChange, which the selector points at its layout. Adding or deleting items fires nothing. GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <windows.h>

#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"
#include "framework/graphics/picture.h"
#include "ui/dropdown/notifying_collection.h"

namespace ui {

// What an item shows beside its caption: its picture or image-list image, or a box in its Color.
enum TSelectorType : std::uint8_t { stImage, stColor };

// Replaces the content painting of the item at Index in R (the face is already painted).
using TDrawItemEvent = std::function<void(fw::TObject* Sender, fw::TCanvas* Canvas, fw::TRect R, int Index)>;
// Replaces the measuring of the common item size.
using TItemSizeEvent = std::function<void(fw::TObject* Sender, SIZE& ASize)>;

class TSelectorItem : public TNotifyingItem {
 public:
  explicit TSelectorItem(fw::TCollection* Collection);
  ~TSelectorItem() override;

  // Another selector item: caption, colour and image index through their setters, the picture and the
  // hint. Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  // The three setters store a changed value and fire the collection's OnChange.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { StoreShown(caption_, Value); }
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value) { StoreShown(color_, Value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { StoreShown(imageIndex_, Value); }
  // Owned; writing copies the given picture.
  fw::TPicture* Image() const { return image_.get(); }
  void SetImage(fw::TPicture* Value) { image_->Assign(Value); }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }

  // The rectangle of the last layout, in panel coordinates (all zero before the first).
  fw::TRect ItemRect() const { return rect_; }
  void SetItemRect(const fw::TRect& Value) { rect_ = Value; }

 private:
  std::string caption_;
  fw::TColor color_ = fw::clNone;
  int imageIndex_ = -1;
  std::unique_ptr<fw::TPicture> image_;
  std::string hint_;
  fw::TRect rect_{};
};

// Owner: the selector (returned by GetOwner).
class TSelectorItems : public TNotifyingItems<TSelectorItem> {
 public:
  using TNotifyingItems<TSelectorItem>::TNotifyingItems;
};

}  // namespace ui
