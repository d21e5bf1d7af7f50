// Where a cell's graphic goes and how much room it takes, by the graphic's kind; and whether the cell's
// text is drawn beside it.
#include "framework/graphics/graphic.h"
#include "framework/graphics/image_list.h"
#include "framework/graphics/picture.h"
#include "ui/grid/model/int_list.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

void SizeOf(const fw::TGraphic* graphic, int& width, int& height) {
  width = graphic != nullptr ? graphic->Width() : 0;
  height = graphic != nullptr ? graphic->Height() : 0;
}

}  // namespace

TCellGraphic* TVxStringGrid::GetCellGraphicLayout(int realCol, int row, TCellVAlign& vAlign, TCellHAlign& hAlign,
                                                  bool& drawText, int& height, int& width) {
  drawText = true;
  height = 0;
  width = 0;
  TCellGraphic* graphic = GetCellGraphic(realCol, row);
  if (graphic == nullptr) return nullptr;
  vAlign = graphic->CellVAlign;
  hAlign = graphic->CellHAlign;
  const int checkSize = ControlLook()->CheckSize();
  switch (graphic->CellType) {
    case ctBitmap:
    case ctIcon:
      SizeOf(graphic->CellContent.As<fw::TGraphic>(), width, height);
      break;
    case ctImageList:
    case ctDataImage:
      if (fw::TCustomImageList* list = GetCellImageList(realCol, row); list != nullptr) {
        width = list->Width();
        height = list->Height();
        if (graphic->CellType == ctDataImage) drawText = false;
      }
      break;
    case ctCheckBox:
    case ctTriStateCheckBox:
      width = height = checkSize;
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      width = height = checkSize;
      drawText = false;
      break;
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
      drawText = false;
      break;
    case ctImages:
      if (fw::TCustomImageList* list = GetCellImageList(realCol, row); list != nullptr) {
        const auto* indices = graphic->CellContent.As<TIntList>();
        const int count = indices != nullptr ? indices->Count() : 0;
        width = graphic->CellBoolean ? count * list->Width() : list->Width();
        height = graphic->CellBoolean ? list->Height() : count * list->Height();
      }
      break;
    case ctPicture:
    case ctFilePicture:
      if (const auto* picture = graphic->CellContent.As<fw::TPicture>(); picture != nullptr) {
        width = picture->Width();
        height = picture->Height();
      } else {
        SizeOf(graphic->CellContent.As<fw::TGraphic>(), width, height);
      }
      break;
    case ctButton:
    case ctBitButton:
      width = graphic->CellIndex & 0xFFFF;
      height = (graphic->CellIndex >> 16) & 0xFFFF;
      break;
    case ctProgressPie:
      width = height = 20;
      break;
    case ctRadioButton:
      width = height = ControlLook()->RadioSize() + 4;
      break;
    case ctShape:
      width = height = RowHeights(row) - 2 * CellMargin().Y;
      break;
    case ctRating:
      width = graphic->CellAngle * 18;
      height = 16;
      drawText = false;
      break;
    default:
      break;
  }
  return graphic;
}

}  // namespace ui
