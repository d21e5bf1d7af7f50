// TBackGround: the picture or gradient behind the grid's cells and its empty client area. The grid owns
// it; it keeps a reference to the grid, which every setter repaints. GUI thread only.
#pragma once

#include <cstdint>

#include "framework/classes/persistent.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/colors.h"

namespace fw {
class TControl;
}

namespace ui {

enum TBackGroundDisplay : std::uint8_t { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells : std::uint8_t { bcNormal, bcFixed, bcAll };

class TBackGround : public fw::TPersistent {
 public:
  explicit TBackGround(fw::TControl* Grid) : grid_(Grid) {}

  // The setter keeps a copy of the bitmap.
  fw::TBitmap* Bitmap() { return &bitmap_; }
  void SetBitmap(fw::TBitmap* Value);
  // The bitmap's client position for bdFixed.
  int Left() const { return left_; }
  void SetLeft(int Value);
  int Top() const { return top_; }
  void SetTop(int Value);
  TBackGroundDisplay Display() const { return display_; }
  void SetDisplay(TBackGroundDisplay Value);
  TBackGroundCells Cells() const { return cells_; }
  void SetCells(TBackGroundCells Value);
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value);
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor Value);

  bool IsGradient() const { return display_ == bdGradientHorz || display_ == bdGradientVert; }

 private:
  void Changed();

  fw::TControl* grid_;
  fw::TBitmap bitmap_;
  int left_ = 0;
  int top_ = 0;
  TBackGroundDisplay display_ = bdTile;
  TBackGroundCells cells_ = bcNormal;
  fw::TColor color_ = fw::clWindow;
  fw::TColor colorTo_ = fw::clBtnFace;
};

}  // namespace ui
