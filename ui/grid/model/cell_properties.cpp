#include "ui/grid/model/cell_properties.h"

#include "ui/grid/model/base_grid.h"

namespace ui {

TCellProperties::TCellProperties(TBaseGrid* owner, int col, int row)
    : OwnerGrid(owner), OwnerCol(col), OwnerRow(row), wordWrap_(owner == nullptr || owner->WordWrap()) {}

void TCellProperties::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TCellProperties*>(Source);
  if (source == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  OwnerCol = source->OwnerCol;
  OwnerRow = source->OwnerRow;
  CellObject = source->CellObject;
  BrushStyle = source->BrushStyle;
  SetBrushColor(source->BrushColor());
  FontSize = source->FontSize;
  FontColor = source->FontColor;
  FontStyle = source->FontStyle;
  CellSpanY = source->CellSpanY;
  CellSpanX = source->CellSpanX;
  BorderWidth = source->BorderWidth;
  BorderColor = source->BorderColor;
  Alignment = source->Alignment;
  SetVAlignment(source->VAlignment());
  SetWordWrap(source->WordWrap());
  IsBaseCell = source->IsBaseCell;
  NodeLevel = source->NodeLevel;
  Editor = source->Editor;
  FontName = source->FontName;
  ReadOnly = source->ReadOnly;
  Control = source->Control;
}

fw::TPoint TCellProperties::BaseCellFromSpans(int col, int row) const {
  if (!IsBaseCell && CellSpanX != -1 && CellSpanY != -1) return fw::TPoint{col - CellSpanX, row - CellSpanY};
  return fw::TPoint{col, row};
}

void TCellProperties::Repaint() {
  if (OwnerGrid != nullptr) OwnerGrid->InvalidateCellArea(OwnerCol, OwnerRow);
}

void TCellProperties::SetBrushColor(fw::TColor value) {
  brushColor_ = value;
  Repaint();
}

void TCellProperties::SetBrushColorTo(fw::TColor value) {
  brushColorTo_ = value;
  Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment value) {
  vAlignment_ = value;
  Repaint();
}

void TCellProperties::SetWordWrap(bool value) {
  wordWrap_ = value;
  Repaint();
}

}  // namespace ui
