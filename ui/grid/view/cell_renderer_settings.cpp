// The settings the cell renderers read: the background, the link display switches and the grid's image
// list with the image index of image-list cells.
#include "framework/graphics/image_list.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

TCellPaintProbe TVxStringGrid::CellPaintProbe = nullptr;

void TVxStringGrid::SetBackGround(TBackGround* value) {
  if (value == nullptr) return;
  backGround_->SetBitmap(value->Bitmap());
  backGround_->SetLeft(value->Left());
  backGround_->SetTop(value->Top());
  backGround_->SetDisplay(value->Display());
  backGround_->SetCells(value->Cells());
  backGround_->SetColor(value->Color());
  backGround_->SetColorTo(value->ColorTo());
}

void TVxStringGrid::SetURLShow(bool value) {
  if (URLShow == value) return;
  URLShow = value;
  Invalidate();
}

void TVxStringGrid::SetURLColor(fw::TColor value) {
  URLColor = value;
  if (URLShow) Invalidate();
}

void TVxStringGrid::SetURLFull(bool value) {
  URLFull = value;
  if (URLShow) Invalidate();
}

void TVxStringGrid::SetURLShowInText(bool value) {
  if (URLShowInText == value) return;
  URLShowInText = value;
  Invalidate();
}

void TVxStringGrid::SetGridImages(fw::TCustomImageList* value) {
  if (gridImages_ == value) return;
  gridImages_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TVxStringGrid::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  TBaseGrid::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent == gridImages_) gridImages_ = nullptr;
}

bool TVxStringGrid::GetCellImageIndex(int col, int row, int& index) {
  if (gridImages_ == nullptr || GetCellType(col, row) != ctImageList) return false;
  index = GetCellGraphic(col, row)->CellIndex;
  return true;
}

void TVxStringGrid::SetCellImageIndex(int col, int row, int index) {
  if (gridImages_ == nullptr || GetCellType(col, row) != ctImageList) return;
  GetCellGraphic(col, row)->CellIndex = index;
}

}  // namespace ui
