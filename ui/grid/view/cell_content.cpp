// The string grid's cell content, painted after the base painter filled the background and drew the grid
// lines: the fixed cells' look, the modified-row bar, the always-visible editor buttons, the text, the
// borders, the look's edges, the cell's graphic, OnDrawCell and OnCustomCellDraw, and the focus rectangle.
#include <windows.h>

#include "framework/controls/draw_text.h"
#include "framework/graphics/canvas.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/theme_library.h"
#include "ui/grid/model/grid_cell_draw.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// The width the always-visible drop-down and spin buttons take at a cell's right edge.
constexpr int kCellButtonWidth = 16;
// Theme parts and states of a list-view header.
constexpr int kHeaderItemPart = 1;
constexpr int kHeaderItemRightPart = 3;
constexpr int kHeaderHot = 2;
constexpr int kHeaderPressed = 3;
constexpr int kHeaderNormal = 1;

void Line(fw::TCanvas* canvas, int x1, int y1, int x2, int y2) {
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

}  // namespace

void TVxStringGrid::PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect,
                                     fw::TGridDrawState state) {
  fw::TRect r = rect;
  SetCtl3D(!Flat);
  const int realCol = RealColIndex(col);

  // The colours and font without the selection, which the text step applies itself.
  TCellVisuals v;
  v.wordWrap = WordWrap();
  ResolveCellVisuals(col, row, v.gradientDirection, v.wordWrap, v.vAlign, v.hAlign, canvas->Font(), v.colorMirrorTo,
                     v.colorMirror, v.colorTo, canvas->Brush(), true, false, false, state);

  TCellVAlign graphicVAlign = vaTop;
  TCellHAlign graphicHAlign = haLeft;
  bool drawText = true;
  int graphicHeight = 0;
  int graphicWidth = 0;
  TCellGraphic* graphic =
      GetCellGraphicLayout(realCol, row, graphicVAlign, graphicHAlign, drawText, graphicHeight, graphicWidth);
  drawnTextWidth_ = 0;

  if (state.Contains(fw::gdSelected) && !state.Contains(fw::gdFocused) && SelectionColor() == kColorNotSet) {
    canvas->Brush()->SetColor(fw::clHighlight);
  }
  canvas->Font()->SetSize(canvas->Font()->Size() + ZoomLevel());
  const fw::TColor brushColor = canvas->Brush()->Color();
  const fw::TColor fontColor = canvas->Font()->Color();

  const bool fixed = IsFixedForDrawing(col, realCol, row);
  const TGridLook look = Look();
  if (fixed && (look == glNRV || look == glXP || look == glVista || look == glWin7 || look == glOffice2007)) {
    PaintFixedCellBackground(canvas, col, realCol, row, r, v.colorTo, v.colorMirror, v.colorMirrorTo);
  }

  if (fixed && look == glListView && !Flat) PaintListViewHeader(canvas, col, row, r);

  if (ShowModified()->Enabled() && col == 0 && GetRowModified(row)) {
    canvas->Brush()->SetColor(ShowModified()->Color());
    canvas->FillRect(fw::TRect{r.Right - 4, r.Top, r.Right, r.Bottom});
    canvas->Brush()->SetColor(brushColor);
  }

  if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, canvas, realCol, row, state, r, false);

  const int rightEdge = r.Right;
  if (!fixed) PaintAlwaysVisibleButtons(canvas, col, row, r);

  // A cell-draw object that paints the cell's background goes before the text.
  IGridCellDraw* background = nullptr;
  if (graphic != nullptr && graphic->CellType == ctInterface) {
    background = dynamic_cast<IGridCellDraw*>(graphic->CellContent.Object());
    if (background != nullptr && background->IsBackground()) {
      fw::TRect grown{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
      DrawCellGraphic(canvas, col, row, grown, graphic, graphicVAlign, state);
    } else {
      background = nullptr;
    }
  }

  // The text step.
  if (drawText) DrawCellText(canvas, col, row, r, state);

  r.Right = rightEdge;
  canvas->Brush()->SetColor(brushColor);
  canvas->Font()->SetColor(fontColor);
  r = fw::TRect{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
  DrawCellBorders(realCol, row, r);

  if (fixed && !Flat) PaintFixedLookEdges(canvas, r);

  if (FixedRightCols() > 0 && col >= ColCount() - FixedRightCols() && Flat && look != glClassic) {
    canvas->Pen()->SetColor(0x808080);
    canvas->Pen()->SetWidth(1);
    if (Options().Contains(fw::goFixedHorzLine)) {
      Line(canvas, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
      Line(canvas, r.Left - 1, r.Bottom, r.Right + 1, r.Bottom);
    }
    if (Options().Contains(fw::goFixedVertLine)) {
      Line(canvas, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
      Line(canvas, r.Right, r.Top - 1, r.Right, r.Bottom + 1);
    }
  }

  // The graphic, after the text so that it can stand beside it.
  if (graphic != nullptr && background == nullptr) {
    if (fixed) r.Top += 1;
    DrawCellGraphic(canvas, col, row, r, graphic, graphicVAlign, state);
  }

  if (OnDrawCell) {
    const fw::TRect saved = r;
    OnDrawCell(this, realCol, row,
               fw::TRect{r.Left + 1, r.Top + 1, r.Right - GridLineWidth(), r.Bottom - GridLineWidth()}, state);
    r = saved;
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, canvas, realCol, row, state, r, false);

  // The focus rectangle once around the current cell's whole area.
  const fw::TPoint base = BaseCellOf(col, row);
  if (!HideFocusRect && base.X == Col() && base.Y == Row() && Focused() && !Options().Contains(fw::goRowSelect) &&
      !IsFixedForDrawing(Col(), RealColIndex(Col()), Row())) {
    const int grow = GridLineWidth() - 1;
    fw::TRect focus{r.Left - grow, r.Top - grow, r.Right + grow - 1, r.Bottom + grow - 1};
    canvas->DrawFocusRect(focus);
  }
}

void TVxStringGrid::PaintListViewHeader(fw::TCanvas* canvas, int col, int row, const fw::TRect& r) {
  if (PlatformFlags().WinXP && ThemeLib.OpenThemeData != nullptr && ThemeLib.DrawThemeBackground != nullptr &&
      ThemeLib.CloseThemeData != nullptr) {
    const bool inside = HoveredFixedCell.X == col && HoveredFixedCell.Y == row;
    const int part = inside ? kHeaderItemPart : kHeaderItemRightPart;
    const int themeState = !inside ? kHeaderNormal : FixedCellPressed ? kHeaderPressed : kHeaderHot;
    HTHEME theme = ThemeLib.OpenThemeData(Handle(), L"header");
    const RECT box = r.ToRECT();
    ThemeLib.DrawThemeBackground(theme, canvas->Handle(), part, themeState, &box, nullptr);
    ThemeLib.CloseThemeData(theme);
    canvas->Pen()->SetColor(fw::clWhite);
    Line(canvas, r.Left, r.Top, r.Right, r.Top);
  } else {
    canvas->Brush()->SetColor(fw::clBtnFace);
    canvas->Pen()->SetColor(fw::clWhite);
    canvas->Rectangle(r);
  }
}

void TVxStringGrid::PaintAlwaysVisibleButtons(fw::TCanvas* canvas, int col, int row, fw::TRect& r) {
  TControlLook* controlLook = ControlLook();
  if (!controlLook->DropDownAlwaysVisible() && !controlLook->SpinButtonsAlwaysVisible()) return;
  std::uint8_t kind = controlLook->FlatButton() ? fkFlat : PlatformFlags().WinXP ? fkThemed : fkClassic;
  if (Flat && FaceColorsSet()) kind = fkCustom;
  bool canEdit = true;
  CanEditCellEx(col, row, canEdit);
  const std::uint8_t buttonState = canEdit ? fsNormal : fsDisabled;
  if (controlLook->DropDownAlwaysVisible() && HasComboBox(col, row)) {
    DrawComboButton(canvas, Handle(), fw::TRect{r.Left - 2, r.Top - 1, r.Right + 1, r.Bottom}, kind, buttonState,
                    FaceColors());
    r.Right -= kCellButtonWidth;
  }
  if (controlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(col, row)) {
    DrawSpinButtons(canvas, Handle(), fw::TRect{r.Left - 2, r.Top - 1, r.Right + 1, r.Bottom}, kind, buttonState,
                    FaceColors());
    r.Right -= kCellButtonWidth;
  }
}

void TVxStringGrid::PaintFixedLookEdges(fw::TCanvas* canvas, fw::TRect& r) {
  const fw::TGridOptions options = Options();
  canvas->Pen()->SetWidth(1);
  switch (Look()) {
    case glClassic: {
      r.Top -= 1;
      r.Bottom += 1;
      r.Left -= 1;
      RECT box = r.ToRECT();
      DrawEdge(canvas->Handle(), &box, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
      DrawEdge(canvas->Handle(), &box, EDGE_RAISED, BF_RIGHT | BF_BOTTOM);
      canvas->Pen()->SetColor(fw::clBlack);
      Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
      canvas->LineTo(r.Left - 1, r.Bottom - 1);
      break;
    }
    case glNRV:
    case glXP:
      r.Bottom += 1;
      if (options.Contains(fw::goFixedHorzLine)) {
        canvas->Pen()->SetColor(HalveColor(FixedColor()));
        Line(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
        canvas->Pen()->SetColor(fw::clWhite);
        Line(canvas, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1);
        canvas->LineTo(r.Left + 1, r.Bottom - 1);
      }
      break;
    case glSoft:
      r.Right += 1;
      r.Bottom += 1;
      if (options.Contains(fw::goFixedHorzLine)) {
        canvas->Pen()->SetColor(HalveColor(FixedColor()));
        Line(canvas, r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
        canvas->Pen()->SetColor(fw::clWhite);
        Line(canvas, r.Right, r.Top + 1, r.Left + 1, r.Top + 1);
        canvas->LineTo(r.Left + 1, r.Bottom - 1);
      }
      if (options.Contains(fw::goFixedVertLine)) {
        canvas->Pen()->SetColor(HalveColor(FixedColor()));
        Line(canvas, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
        canvas->Pen()->SetColor(fw::clWhite);
        Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
      }
      break;
    default:
      break;
  }
}

}  // namespace ui
