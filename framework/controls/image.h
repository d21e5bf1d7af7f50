#pragma once
// TImage: shows a picture (a bitmap) on its parent's window, at its top left, centred or stretched.
#include "framework/controls/graphic_control.h"
#include "framework/graphics/picture.h"

namespace fw {

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);

  TPicture* Picture() { return &picture_; }
  void SetPicture(TPicture* value) { picture_.Assign(value); }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Transparent() const { return transparent_; }
  // Draws the graphic transparently (applied to every graphic the picture holds).
  void SetTransparent(bool value);
  // With AutoSize the image takes the picture's size whenever the picture changes.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  TPicture picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool autoSize_ = false;
  bool transparent_ = false;
};

}  // namespace fw
