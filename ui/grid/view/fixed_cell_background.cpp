// The backgrounds of fixed cells in the gradient looks: the active-cell header, the look's gradient, and the hover, pressed and drop-down-button gradients under the mouse.
#include "framework/graphics/canvas.h"
#include "ui/foundation/draw_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// The drop-down button of a pressed fixed cell.
constexpr int kFixedDropDownWidth = 16;

}  // namespace

bool TVxStringGrid::FixedCellHovered(int col, int row) {
  const bool fixedColumn = col < FixedCols();
  const bool fixedRow = row < TBaseGrid::FixedRows();
  bool eligible = false;
  switch (HoverFixedCells) {
    case hfAll: eligible = fixedColumn || fixedRow; break;
    case hfFixedRows: eligible = fixedRow; break;
    case hfFixedColumns: eligible = fixedColumn; break;
    default: break;
  }
  if (!eligible) return false;
  if (GridState() == fw::gsColMoving) return col == MovingColumn;
  return HoveredFixedCell.X == col && HoveredFixedCell.Y == row;
}

void TVxStringGrid::PaintFixedCellBackground(fw::TCanvas* canvas, int col, int realCol, int row, fw::TRect& r,
                                             fw::TColor colorTo, fw::TColor colorMirror, fw::TColor colorMirrorTo) {
  const TFixedCellColors& set = FixedCellColors();
  if (!FixedCellHovered(col, row)) {
    const bool rowHeader = FixedCols() > 0 && row == Row() && col == FixedCols() - 1;
    const bool colHeader = TBaseGrid::FixedRows() > 0 && col == Col() && row == TBaseGrid::FixedRows() - 1;
    if (ActiveCellShow && (rowHeader || colHeader)) {
      DrawMirrorGradient(canvas, r, ActiveCellColor, ActiveCellColorTo, kColorNotSet, kColorNotSet, true, kColorNotSet,
                         false, true);
    } else if (!Flat) {
      // (The sort column's header gradient joins here with the sort settings.)
      DrawMirrorGradient(canvas, r, canvas->Brush()->Color(), colorTo, colorMirror, colorMirrorTo, true,
                         Look() == glVista ? fw::clWhite : kColorNotSet, true, true);
    }
    return;
  }

  r.Bottom += 1;
  const bool moving = GridState() == fw::gsColMoving;
  const bool dropDown = FixedCellPressed && !moving && ControlLook()->FixedDropDownButton() && CanShowFixedDropDown(realCol);
  const auto hover = [&](const fw::TRect& part) {
    DrawMirrorGradient(canvas, part, set.HoverFrom, set.HoverTo, set.HoverMirrorFrom, set.HoverMirrorTo, true,
                       set.HoverBorder, false, true);
  };
  const auto pressed = [&](const fw::TRect& part) {
    DrawMirrorGradient(canvas, part, set.DownFrom, set.DownTo, set.DownMirrorFrom, set.DownMirrorTo, true,
                       set.DownBorder, false, true);
  };
  if (!FixedCellPressed || moving) {
    hover(r);
  } else if (dropDown) {
    const fw::TRect button{r.Right - kFixedDropDownWidth, r.Top, r.Right, r.Bottom};
    const fw::TRect rest{r.Left, r.Top, r.Right - kFixedDropDownWidth, r.Bottom};
    if (FixedDropDownPressed) {
      pressed(button);
      hover(rest);
    } else {
      pressed(rest);
      hover(button);
    }
  } else {
    pressed(r);
  }
  if (ControlLook()->FixedDropDownButton() && CanShowFixedDropDown(realCol)) {
    canvas->Pen()->SetColor(FixedCellPressed && !moving ? set.DownBorder : set.HoverBorder);
    canvas->MoveTo(r.Right - kFixedDropDownWidth, r.Top);
    canvas->LineTo(r.Right - kFixedDropDownWidth, r.Bottom);
    DrawSmallTriangle(canvas, r.Right - 8, r.Top + 8, fw::clBlack);
    r.Right -= kFixedDropDownWidth;
  }
}

}  // namespace ui
