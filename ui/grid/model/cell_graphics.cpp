// TVxStringGrid: a cell's graphic — finding it (the shared row check box in column 0 while rows are
// selected by check box), attaching and removing it, and the room it takes on screen and on paper.
#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/image_list.h"
#include "framework/rtl/arith.h"
#include "ui/grid/model/grid_cell_draw.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

bool BesideTextHorizontally(const TCellGraphic* graphic) {
  return graphic->CellHAlign == haBeforeText || graphic->CellHAlign == haAfterText;
}

bool BesideTextVertically(const TCellGraphic* graphic) {
  return graphic->CellVAlign == vaUnderText || graphic->CellVAlign == vaAboveText;
}

int PackedLow(int value) { return value & 0xFFFF; }
int PackedHigh(int value) { return (value >> 16) & 0xFFFF; }

// A radio group's items side by side (one line) or stacked (lines at least minLine high).
void RadioGroupSize(fw::TCanvas* canvas, const fw::TStrings* items, bool sideBySide, int minLine, int& width,
                    int& height) {
  const int lineHeight = canvas->TextHeight("gh");
  width = sideBySide ? 0 : 12;
  for (int i = 0; i < items->Count(); ++i) {
    const int itemWidth = canvas->TextWidth(items->Strings(i)) + 12;
    width = sideBySide ? width + itemWidth : std::max(width, itemWidth);
  }
  height = sideBySide ? lineHeight : std::max(minLine, lineHeight) * items->Count();
}

// An image list's images in a row or in a column.
void ImagesSize(const TCellGraphic* graphic, const fw::TCustomImageList* images, int& width, int& height) {
  const auto* indices = graphic->CellContent.As<TIntList>();
  const int count = indices != nullptr ? indices->Count() : 0;
  width = graphic->CellBoolean ? count * images->Width() : images->Width();
  height = graphic->CellBoolean ? images->Height() : count * images->Height();
}

}  // namespace

TCellGraphic* TVxStringGrid::GetCellGraphic(int col, int row) {
  fw::TObject* object = GetCellGraphicObject(col, row);
  auto* graphic = dynamic_cast<TCellGraphic*>(object);
  if (col != 0 || !MouseActions()->HotmailRowSelect()) return graphic;
  if (object != nullptr && graphic == nullptr) return nullptr;

  TCellGraphic* box = rowCheckBox_.get();
  box->CellType = ctRowCheckBox;
  if (row == 0) {
    const int selected = SelectedRows()->Count();
    const int normalRows = RowCount() - FixedRows();
    box->CellAngle = selected > 0 && selected < normalRows ? 1 : 0;
    box->CellBoolean = selected >= normalRows;
  } else {
    box->CellAngle = 0;
    box->CellBoolean = GetRowSelect(DisplToRealRow(row));
  }
  box->CellTransparent = ControlLook()->ControlStyle() == TControlStyle::csFlat;
  return box;
}

TCellType TVxStringGrid::GetCellType(int col, int row) {
  if (col < 0 || row < 0) return ctEmpty;
  fw::TObject* object = GetCellGraphicObject(col, row);
  const auto* graphic = dynamic_cast<TCellGraphic*>(object);
  if (object != nullptr && graphic == nullptr) return ctEmpty;
  if (col == 0 && MouseActions()->HotmailRowSelect()) return ctRowCheckBox;
  return graphic != nullptr ? graphic->CellType : ctEmpty;
}

TCellGraphic* TVxStringGrid::CreateCellGraphic(int col, int row) {
  if (auto* old = dynamic_cast<TCellGraphic*>(GetCellGraphicObject(col, row));
      old != nullptr && old != rowCheckBox_.get()) {
    GetCellProperties(col, row)->GraphicObject = nullptr;
    if (!old->Shared()) old->Free();
  }
  auto graphic = std::make_unique<TCellGraphic>();
  SetCellGraphicObject(col, row, graphic.get());
  if (GetCellGraphicObject(col, row) != graphic.get()) return nullptr;  // the grid is going away
  const int displayCol = RealToDisplCol(col);
  if (NumHiddenColumns() > 0 && displayCol != col) RepaintCell(displayCol, row);
  return graphic.release();
}

bool TVxStringGrid::RemoveCellGraphic(int col, int row) {
  auto* graphic = dynamic_cast<TCellGraphic*>(GetCellGraphicObject(col, row));
  if (graphic == nullptr) return false;
  GetCellProperties(col, row)->GraphicObject = nullptr;
  if (!graphic->Shared() && graphic != rowCheckBox_.get()) graphic->Free();
  if (!ComponentState().Contains(fw::csDestroying)) RepaintCell(RealToDisplCol(col), row);
  return true;
}

bool TVxStringGrid::RemoveCellGraphicOfType(int col, int row, TCellType kind) {
  return GetCellType(col, row) == kind && RemoveCellGraphic(col, row);
}

void TVxStringGrid::GetCellGraphicSize(int col, int row, int& width, int& height) {
  width = 0;
  height = 0;
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr) return;
  const std::string text = GetCellEx(col, row);
  const bool noText = text.empty();
  const int displayCol = RealToDisplCol(col);
  fw::TCanvas* canvas = Canvas();
  // The ctBitmap rule: each side counts where the graphic lies beside the text that way, or there is no text.
  const auto besideRule = [&](int w, int h) {
    width = BesideTextHorizontally(graphic) || noText ? w : 0;
    height = BesideTextVertically(graphic) || noText ? h : 0;
  };
  bool keepWidth = false;
  switch (graphic->CellType) {
    case ctBitmap:
      if (const auto* bitmap = graphic->CellContent.As<fw::TGraphic>()) besideRule(bitmap->Width(), bitmap->Height());
      break;
    case ctIcon:
      if (const auto* icon = graphic->CellIconContent.As<fw::TGraphic>()) {
        besideRule(icon->Width(), icon->Height());
        height = icon->Height();
      }
      break;
    case ctImageList:
    case ctDataImage:
      if (const fw::TCustomImageList* images = GetCellImageList(col, row)) besideRule(images->Width(), images->Height());
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
      width = height = ControlLook()->CheckSize();
      break;
    case ctRadioButton:
      width = height = ControlLook()->RadioSize();
      break;
    case ctRadio:
      if (const auto* items = graphic->CellContent.As<fw::TStrings>()) {
        RadioGroupSize(canvas, items, graphic->CellBoolean, 16, width, height);
      }
      break;
    case ctImages:
      if (const fw::TCustomImageList* images = GetCellImageList(col, row)) ImagesSize(graphic, images, width, height);
      break;
    case ctPicture:
    case ctFilePicture: {
      const fw::TPoint area = CellSize(displayCol, row);
      graphic->GetPictureSize(area.X, area.Y, width, height);
      break;
    }
    case ctButton:
    case ctBitButton:
      width = PackedLow(graphic->CellIndex);
      height = PackedHigh(graphic->CellIndex);
      if (!noText) {
        if (graphic->CellHAlign == haCenter) width = 0;
        if (graphic->CellHAlign == haFull) width = canvas->TextWidth(graphic->CellText) + 4;
        if (BesideTextVertically(graphic)) {
          width = 0;
        } else {
          height = 0;
        }
      } else if (graphic->CellHAlign == haFull) {
        canvas->Font()->Assign(Font());
        width = canvas->TextWidth(graphic->CellText) + 4;
        keepWidth = !graphic->CellText.empty();
      }
      break;
    case ctProgressPie:
      width = height = 20;
      break;
    case ctInterface: {
      auto* drawer = dynamic_cast<IGridCellDraw*>(graphic->CellContent.Object());
      const fw::TPoint area = CellSize(displayCol, row);
      width = drawer != nullptr ? drawer->GetWidth() : 0;
      height = drawer != nullptr ? drawer->GetHeight() : 0;
      if (width == 0 || height == 0) {
        width = area.X;
        height = area.Y;
      }
      break;
    }
    case ctRating:
      width = graphic->CellAngle * 18;
      height = 16;
      keepWidth = true;
      break;
    default:
      break;
  }
  const fw::TRect cell = CellRectEx(displayCol, row);
  if (graphic->CellVAlign == vaFull) height = cell.Height();
  if (graphic->CellHAlign == haFull && !keepWidth) width = cell.Width();
}

void TVxStringGrid::GetPrintGraphicSize(int col, int row, int targetWidth, int targetHeight, double scale, int& width,
                                        int& height) {
  width = 0;
  height = 0;
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr) return;
  const bool noText = GetCellEx(col, row).empty();
  fw::TCanvas* canvas = Canvas();
  const fw::TCustomImageList* images = GetCellImageList(col, row);
  switch (graphic->CellType) {
    case ctBitmap:
      if (const auto* bitmap = graphic->CellContent.As<fw::TGraphic>()) {
        width = bitmap->Width();
        height = bitmap->Height();
      }
      break;
    case ctIcon:
      if (const auto* icon = graphic->CellIconContent.As<fw::TGraphic>()) {
        width = icon->Width();
        height = icon->Height();
      }
      break;
    case ctImageList:
      if (images != nullptr) {
        width = BesideTextHorizontally(graphic) || noText ? images->Width() : 0;
        height = images->Height();
      }
      break;
    case ctDataImage:
      if (images != nullptr) {
        width = images->Width();
        height = images->Height();
      }
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
      width = height = ControlLook()->CheckSize();
      break;
    case ctRadioButton:
      width = height = ControlLook()->RadioSize();
      break;
    case ctNode:
    case ctProgressPie:
      width = height = 20;
      break;
    case ctRadio:
      if (const auto* items = graphic->CellContent.As<fw::TStrings>()) {
        RadioGroupSize(canvas, items, graphic->CellBoolean, 0, width, height);
      }
      break;
    case ctImages:
      if (images != nullptr) ImagesSize(graphic, images, width, height);
      break;
    case ctPicture:
    case ctFilePicture:
      graphic->GetPictureSize(targetWidth, targetHeight, width, height);
      if (scale != 0.0) {
        width = static_cast<int>(fw::Round(width / scale));
        height = static_cast<int>(fw::Round(height / scale));
      }
      break;
    case ctProgress:
    case ctXPProgress:
      width = ColWidths(RealToDisplCol(col));
      height = RowHeights(row);
      break;
    case ctButton:
    case ctBitButton:
      width = PackedLow(graphic->CellIndex);
      height = PackedHigh(graphic->CellIndex);
      break;
    case ctInterface:
      if (auto* drawer = dynamic_cast<IGridCellDraw*>(graphic->CellContent.Object())) {
        const fw::TRect cell = CellRectEx(RealToDisplCol(col), row);
        width = drawer->GetWidth();
        height = drawer->GetHeight();
        if (width == 0) width = cell.Width();
        if (height == 0) height = cell.Height();
      }
      break;
    case ctShape:
      width = height = RowHeights(row) - 2 * CellMargin().Y;
      break;
    default:
      break;
  }
}

}  // namespace ui
