// TBaseGrid: the paint pass and the cell painter. The framework's paint loop hands every cell in view to
// DrawCell; a merged area is painted once per pass, from its base cell, over the whole area.
#include <windows.h>

#include "framework/controls/draw_text.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "ui/foundation/banded_gradient.h"
#include "ui/grid/model/base_grid.h"

namespace ui {

namespace {

// The look's fixed-cell gradient: white to the button face.
constexpr fw::TColor kFixedGradientFrom = 0xFFFFFF;

}  // namespace

void TBaseGrid::Paint() {
  TObjStringGrid::Paint();
  ++paintPass_;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) {
  PaintBaseCell(ACol, ARow, ARect, AState);
}

void TBaseGrid::PaintBaseCell(int col, int row, const fw::TRect& cellRect, fw::TGridDrawState state) {
  const TCellProperties* own = PropsAt(col, row);
  if (own != nullptr && !own->IsBaseCell) {
    fw::TPoint base;
    TCellProperties* baseProps = BasePropsOf(col, row, base);
    if (baseProps != nullptr) {
      if (baseProps->LastPaintPass == paintPass_) return;
      baseProps->LastPaintPass = paintPass_;
      PaintBaseCell(base.X, base.Y, CellRectFromSizes(base.X, base.Y), state);
      return;
    }
  }
  const bool fixed = IsFixed(col, row);
  if (fixed) state = fw::TGridDrawState{fw::gdFixed};
  // The paint loop's rectangle, or the whole area for a merged base cell.
  const bool mergedBase = own != nullptr && (own->CellSpanX > 0 || own->CellSpanY > 0);
  const fw::TRect rect = mergedBase ? CellRectEx(col, row) : cellRect;
  if (mergedBase) PropsAt(col, row)->LastPaintPass = paintPass_;

  fw::TCanvas* canvas = Canvas();
  canvas->Pen()->SetWidth(1);
  canvas->Font()->Assign(fixed && painterFixedFont_ != nullptr ? painterFixedFont_ : Font());
  // Background: the look's gradient for fixed cells, the selection colour for selected ones.
  if (fixed) {
    FillBandedGradient(canvas, kFixedGradientFrom, static_cast<fw::TColor>(fw::ColorToRGB(FixedColor())), false, rect,
                       64, fw::clNone);
  } else {
    canvas->Brush()->SetColor(state.Contains(fw::gdSelected) ? painterSelectionColor_ : Color());
    canvas->FillRect(rect);
  }

  // Grid lines along the right and bottom edges.
  if (fixed || gridLineWidth_ > 0) {
    const int lineWidth = fixed ? 1 : gridLineWidth_;
    const int h = fixed ? 1 : (gridLineWidth_ + 1) / 2;
    canvas->Pen()->SetColor(fixed ? gridFixedLineColor_ : gridLineColor_);
    canvas->Pen()->SetWidth(lineWidth);
    canvas->MoveTo(rect.Left - h + 1, rect.Bottom - h);
    canvas->LineTo(rect.Right - h + 1, rect.Bottom - h);
    canvas->MoveTo(rect.Right - h, rect.Bottom - h);
    canvas->LineTo(rect.Right - h, rect.Top - h);
    canvas->Pen()->SetWidth(1);
  }

  fw::TRect content = rect;
  if (fixed) {
    content.Right -= 1;
    content.Bottom -= 2;
  } else {
    content = fw::TRect{rect.Left + gridLineWidth_, rect.Top + gridLineWidth_, rect.Right - gridLineWidth_,
                        rect.Bottom - gridLineWidth_};
  }
  PaintCellContent(canvas, col, row, content, state);
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Pen()->SetStyle(fw::psSolid);
}

void TBaseGrid::PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState) {
  fw::DrawCanvasText(canvas, GetCellEx(col, row), rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

}  // namespace ui
