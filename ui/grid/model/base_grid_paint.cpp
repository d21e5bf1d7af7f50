// TBaseGrid: the paint pass and the cell painter. The framework's paint loop hands every cell in view to
// DrawCell; the painter fills the cell's background (plain, gradient, hover row, active row or a
// button-face selection), draws the grid lines the grid owns and hands the content to PaintCellContent.
// A merged area is painted once per pass, from its base cell, over the whole area.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "framework/controls/draw_text.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/gdi_handles.h"
#include "ui/foundation/draw_utils.h"
#include "ui/grid/model/base_grid.h"
#include "ui/grid/model/clip_scope.h"

namespace ui {

namespace {

// One button-face selection look: the upper gradient, the lower gradient (not set: one gradient over the
// whole face), the inner top and bottom lines, the border and the corner pixels.
struct SelectionFace {
  fw::TColor UpperFrom, UpperTo, LowerFrom, LowerTo, InnerTop, InnerBottom, Border, Corners;
};

constexpr SelectionFace kFocusedFaces[3] = {
    {0xFDF8F1, 0xFCEFD5, kColorNotSet, kColorNotSet, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB},
    {0xFCEBDC, 0xFCDBC1, kColorNotSet, kColorNotSet, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE},
    {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF},
};
constexpr SelectionFace kUnfocusedFace{0xF8F8F8, 0xE5E5E5, kColorNotSet, kColorNotSet,
                                       0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF};

}  // namespace

void TBaseGrid::Paint() {
  TObjStringGrid::Paint();
  ++paintPass_;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) {
  PaintCellWithContent(Canvas(), ACol, AState, ARect, ARow);
}

void TBaseGrid::PaintCellWithContent(fw::TCanvas* canvas, int col, fw::TGridDrawState state, const fw::TRect& rect,
                                     int row) {
  RunCellPainter(canvas, col, row, true, state, rect);
}

void TBaseGrid::PaintCellBackground(fw::TCanvas* canvas, int col, fw::TGridDrawState state, const fw::TRect& rect,
                                    int row) {
  RunCellPainter(canvas, col, row, false, state, rect);
}

void TBaseGrid::RunCellPainter(fw::TCanvas* canvas, int col, int row, bool painting, fw::TGridDrawState state,
                               fw::TRect rect) {
  // The last row under the floating footer shows the grid's colour only.
  if (ReserveLastRow && row == RowCount() - 1) {
    canvas->Brush()->SetColor(Color());
    canvas->Pen()->SetColor(Color());
    canvas->FillRect(rect);
    return;
  }

  // A merged area is painted from its base cell, once per pass. Background-only painting into another
  // canvas draws the base cell's background for every cell asked and leaves the pass alone.
  TCellProperties* own = PropsAt(col, row);
  if (own != nullptr && !own->IsBaseCell) {
    fw::TPoint base;
    TCellProperties* baseProps = BasePropsOf(col, row, base);
    if (baseProps != nullptr) {
      if (!painting) {
        RunCellPainter(canvas, base.X, base.Y, false, state, rect);
        return;
      }
      // The base cell stamps the pass when it paints.
      if (baseProps->LastPaintPass != paintPass_) RunCellPainter(canvas, base.X, base.Y, true, state, rect);
      return;
    }
  }
  const bool mergedBase = own != nullptr && (own->CellSpanX > 0 || own->CellSpanY > 0);
  if (painting && mergedBase) {
    // The base cell itself may come after one of its cells already had the area painted in this pass.
    if (own->LastPaintPass == paintPass_) return;
    own->LastPaintPass = paintPass_;
  }

  if (painting) {
    if (IsFixed(col, row)) state = fw::TGridDrawState{fw::gdFixed};
    rect = CellRectEx(col, row);
  }
  const bool fixed = state.Contains(fw::gdFixed);
  const bool selected = state.Contains(fw::gdSelected);

  // A merged area scrolled under the fixed cells must not paint over them: a normal column is kept right
  // of the fixed columns, a normal row below the fixed rows (a fixed row's area keeps its own rows).
  std::unique_ptr<ClipScope> clip;
  if (painting) {
    int fixedWidth = 0;
    for (int c = 0; c < FixedCols(); ++c) fixedWidth += ColWidths(c);
    int fixedHeight = 0;
    for (int r = 0; r < FixedRows(); ++r) fixedHeight += RowHeights(r);
    const bool underFixedCols = col >= FixedCols() && FixedCols() > 0 && rect.Left < fixedWidth;
    const bool underFixedRows = row >= FixedRows() && FixedRows() > 0 && rect.Top < fixedHeight;
    if (underFixedCols || underFixedRows) {
      const fw::TRect keep{col >= FixedCols() ? fixedWidth : 0, row >= FixedRows() ? fixedHeight : 0, Width(),
                           Height()};
      clip = std::make_unique<ClipScope>(canvas->Handle(), keep);
    }
  }

  canvas->Pen()->SetWidth(1);
  canvas->Font()->Assign(Font());
  TCellVisuals v;
  v.wordWrap = wordWrap_;
  ResolveCellVisuals(col, row, v.gradientDirection, v.wordWrap, v.vAlign, v.hAlign, canvas->Font(), v.colorMirrorTo,
                     v.colorMirror, v.colorTo, canvas->Brush(), true, true, false, state);
  canvas->Pen()->SetColor(canvas->Brush()->Color());

  if (row == HoverRowIndex && HoverRow && !selected) {
    canvas->Brush()->SetColor(HoverRowColor);
    v.colorTo = HoverRowColorTo;
    v.colorMirror = kColorNotSet;
    v.colorMirrorTo = kColorNotSet;
    v.gradientDirection = GradientVertical;
  }
  if ((activeRowShow_ && row == Row() && col >= FixedCols() && (col != Col() || !ShowSelectionFlag)) ||
      (!painting && selected)) {
    canvas->Brush()->SetColor(activeRowColor_);
    v.colorTo = ActiveRowColorTo;
    v.colorMirror = ActiveRowMirrorColor;
    v.colorMirrorTo = ActiveRowMirrorColorTo;
    canvas->Pen()->SetColor(canvas->Brush()->Color());
  }

  PaintCellFill(canvas, col, state, rect, v.gradientDirection, v.colorTo, v.colorMirror, v.colorMirrorTo);
  PaintCellGridLines(canvas, col, fixed, rect);

  fw::TRect content = rect;
  if (fixed) {
    content.Right -= 1;
    content.Bottom -= 2;
  } else {
    content = fw::TRect{rect.Left + gridLineWidth_, rect.Top + gridLineWidth_, rect.Right - gridLineWidth_,
                        rect.Bottom - gridLineWidth_};
  }
  if (painting) PaintCellContent(canvas, col, row, content, state);

  clip.reset();
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Pen()->SetStyle(fw::psSolid);
}

void TBaseGrid::PaintCellFill(fw::TCanvas* canvas, int col, fw::TGridDrawState state, const fw::TRect& rect,
                              TCellGradientDirection gradientDirection, fw::TColor colorTo, fw::TColor colorMirror,
                              fw::TColor colorMirrorTo) {
  const fw::TColor brush = canvas->Brush()->Color();
  if (state.Contains(fw::gdSelected) && selectionStyle_ != 0 && ShowSelectionFlag) {
    const fw::TGridRect selection = Selection();
    const int left = std::min(selection.Left, selection.Right);
    const int right = std::max(selection.Left, selection.Right);
    std::uint8_t position = bpStandalone;
    if (right > left && col == left) {
      position = bpLeft;
    } else if (right > left && col == right) {
      position = bpRight;
    } else if (col > left && col < right) {
      position = bpMiddle;
    }
    fw::TRect face = rect;
    if (!Options().Contains(fw::goHorzLine)) face.Bottom += 1;
    if (!Options().Contains(fw::goVertLine)) face.Right += 1;
    if (UseRightToLeftAlignment()) {
      face.Right += 1;
      face.Bottom += 1;
    }
    const bool focusedLook = Focused() || Options().Contains(fw::goDrawFocusSelected);
    const SelectionFace& look = focusedLook ? kFocusedFaces[selectionStyle_ - 1] : kUnfocusedFace;
    DrawButtonBackground(canvas, look.UpperFrom, look.UpperTo, look.LowerFrom, look.LowerTo, look.InnerTop,
                         look.InnerBottom, look.Border, look.Corners, Color(), face, position);
    return;
  }
  if (colorMirrorTo == kColorNotSet) {
    DrawBandedGradient(canvas, brush, colorTo, 64, rect, gradientDirection == GradientHorizontal);
  } else {
    DrawMirrorGradient(canvas, rect, brush, colorTo, colorMirror, colorMirrorTo, true, kColorNotSet, false, true);
  }
}

void TBaseGrid::PaintCellGridLines(fw::TCanvas* canvas, int col, bool fixed, const fw::TRect& rect) {
  // With no line width the pen keeps the cell's colour and the pen's own one pixel.
  int h = 0;
  if (fixed) {
    canvas->Pen()->SetColor(gridFixedLineColor_);
    canvas->Pen()->SetWidth(1);
    h = 1;
  } else {
    if (gridLineWidth_ > 0) canvas->Pen()->SetColor(gridLineColor_);
    canvas->Pen()->SetWidth(gridLineWidth_);
    h = (gridLineWidth_ + 1) / 2;
  }
  const fw::TGridOptions options = Options();
  if (!(col == 0 && GridHasNodes()) && options.Contains(fixed ? fw::goFixedHorzLine : fw::goHorzLine)) {
    canvas->MoveTo(rect.Left - h + 1, rect.Bottom - h);
    canvas->LineTo(rect.Right - h + 1, rect.Bottom - h);
  }
  if (options.Contains(fixed ? fw::goFixedVertLine : fw::goVertLine)) {
    const int x = UseRightToLeftAlignment() ? rect.Right - h + 1 : rect.Right - h;
    canvas->MoveTo(x, rect.Bottom - h);
    canvas->LineTo(x, rect.Top - h);
  }
}

void TBaseGrid::PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState) {
  fw::DrawCanvasText(canvas, GetCellEx(col, row), rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

}  // namespace ui
