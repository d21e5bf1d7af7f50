#include "ui/grid/view/background.h"

#include "framework/controls/control.h"

namespace ui {

void TBackGround::Changed() {
  if (grid_ != nullptr) grid_->Invalidate();
}

void TBackGround::SetBitmap(fw::TBitmap* Value) {
  bitmap_.Assign(Value);
  Changed();
}

void TBackGround::SetLeft(int Value) {
  left_ = Value;
  Changed();
}

void TBackGround::SetTop(int Value) {
  top_ = Value;
  Changed();
}

void TBackGround::SetDisplay(TBackGroundDisplay Value) {
  display_ = Value;
  Changed();
}

void TBackGround::SetCells(TBackGroundCells Value) {
  cells_ = Value;
  Changed();
}

void TBackGround::SetColor(fw::TColor Value) {
  color_ = Value;
  Changed();
}

void TBackGround::SetColorTo(fw::TColor Value) {
  colorTo_ = Value;
  Changed();
}

}  // namespace ui
