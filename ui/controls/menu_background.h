#pragma once
// TBackground: the background of drop-down menus and the two layers of the side bar: a gradient and a
// picture placed on it. The picture is composed into a work bitmap before it is drawn.
#include <cstdint>
#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/picture.h"
#include "ui/controls/menu_appearance.h"

namespace ui {

enum TBackgroundPosition : std::uint8_t {
  bpTopLeft,
  bpTopRight,
  bpBottomLeft,
  bpBottomRight,
  bpTopCenter,
  bpBottomCenter,
  bpTiled,
  bpStretched,
  bpCenter,
  bpXY
};

class TBackground : public TGradientBar {
 public:
  TBackground();
  ~TBackground() override;
  // From another background: the picture, offsets, position and the two colours; any other source as a
  // gradient bar.
  void Assign(fw::TPersistent* Source) override;

  // The picture (a new empty one after it was cleared); a bitmap it holds is made transparent, the
  // colour of its bottom-left pixel left out.
  fw::TPicture* Image();
  // Copies Value's graphic; null clears and frees the picture. Refreshes the menu.
  void SetImage(fw::TPicture* Value);
  // The picture as it stands, without making it transparent; null after it was cleared.
  fw::TPicture* HeldImage() const { return image_.get(); }

  int OffsetX() const { return offsetX_; }
  void SetOffsetX(int Value) { offsetX_ = Value; }
  int OffsetY() const { return offsetY_; }
  void SetOffsetY(int Value) { offsetY_ = Value; }
  TBackgroundPosition Position() const { return position_; }
  void SetPosition(TBackgroundPosition Value) { position_ = Value; }
  int MarginX() const { return marginX_; }
  void SetMarginX(int Value) { marginX_ = Value; }
  int MarginY() const { return marginY_; }
  void SetMarginY(int Value) { marginY_ = Value; }

  // The bitmap the background is composed in (made on first use).
  fw::TBitmap* WorkBitmap();

 private:
  std::unique_ptr<fw::TPicture> image_;
  int offsetX_ = 0;
  int offsetY_ = 0;
  TBackgroundPosition position_ = bpCenter;
  int marginX_ = 0;
  int marginY_ = 0;
  std::unique_ptr<fw::TBitmap> work_;
};

}  // namespace ui
