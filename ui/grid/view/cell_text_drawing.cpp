// The text step of a cell's content: selection colours, the text as shown (masked for passwords), the
// fixed-cell inset, the disjunct-selection colours, the background picture, the selection rectangle with
// its resize handle, and the text itself by its kind (HTML, rich text, encoded Unicode or plain with
// links), keeping its width for a graphic beside it; and the control's outer border frame.
#include <windows.h>

#include "framework/controls/draw_text.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi_handles.h"
#include "ui/foundation/html_engine.h"
#include "ui/foundation/text_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

UINT HorizontalFlags(fw::TAlignment align) {
  switch (align) {
    case fw::taRightJustify: return DT_RIGHT;
    case fw::taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

UINT VerticalFlags(TVAlignment align) {
  switch (align) {
    case vtaCenter: return DT_VCENTER;
    case vtaBottom: return DT_BOTTOM;
    default: return DT_TOP;
  }
}

// Selects the canvas font into its DC and sets the text colour and a clear background for a direct call.
int PrepareTextDC(fw::TCanvas* canvas) {
  canvas->TextExtent("");
  SetTextColor(canvas->Handle(), fw::ColorToRGB(canvas->Font()->Color()));
  return SetBkMode(canvas->Handle(), TRANSPARENT);
}

void Line(fw::TCanvas* canvas, int x1, int y1, int x2, int y2) {
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

}  // namespace

void TVxStringGrid::DrawCellText(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect,
                                 fw::TGridDrawState state) {
  const int realCol = RealColIndex(col);
  const bool fixed = IsFixedForDrawing(col, realCol, row);
  const bool normalColumn = col >= FixedCols() && col < ColCount() - FixedRightCols();
  fw::TRect r = rect;

  // 1. Selection colours.
  fw::TColor linkColor = URLColor;
  const bool disjunctRowSelected = Options().Contains(fw::goRowSelect) && MouseActions()->DisjunctRowSelect() &&
                                   normalColumn && GetRowSelect(row);
  if ((state.Contains(fw::gdSelected) || disjunctRowSelected) && !fixed && ShowSelection) {
    if (SelectionColor() != kColorNotSet) canvas->Brush()->SetColor(SelectionColor());
    if (SelectionTextColor != kColorNotSet) {
      canvas->Font()->SetColor(SelectionTextColor);
      linkColor = SelectionTextColor;
    }
  }

  // 2-3. The text as shown; a password cell shows a mask.
  std::string text = GetFormattedCell(realCol, row);
  std::uint8_t kind = CellTextType(text, EnableHTML);
  if (kind == kCellFormula) {
    GetCellForFilter(realCol, row, text);
    kind = CellTextType(text, EnableHTML);
  }
  if (IsPasswordCell(realCol, row)) FillWithChar(text, PasswordChar());

  // 4. Fixed cells start inside their grid lines.
  if (fixed) {
    r.Left += GridLineWidth();
    r.Top += GridLineWidth();
  }

  // 6. Disjunct selections paint unselected rows and columns in the plain cell colours.
  const bool normalCell = !fixed && row >= TBaseGrid::FixedRows();
  const bool outsideDisjunct = (MouseActions()->DisjunctRowSelect() && !GetRowSelect(row)) ||
                               (MouseActions()->DisjunctColSelect() && !GetColSelect(realCol));
  if (normalCell && outsideDisjunct && !DisjunctDragging) {
    canvas->Brush()->SetColor(Color());
    canvas->Font()->SetColor(Font()->Color());
    GetCellColor(realCol, row, canvas->Font(), canvas->Brush(), state);
    canvas->Font()->SetSize(canvas->Font()->Size() + ZoomLevel());
  }

  // 7. The background picture, where the cell has no colour of its own.
  PaintCellBackGroundPicture(canvas, col, realCol, row, r, state, fixed);

  // 8. The selection's outline on the sides of this cell that lie on its edges, and the resize handle.
  if (SelectionRectangle && !fixed) {
    const fw::TGridRect selection = Selection();
    const fw::TPoint base = BaseCellOf(col, row);
    if (base.X >= selection.Left && base.X <= selection.Right && base.Y >= selection.Top &&
        base.Y <= selection.Bottom) {
      const fw::TPoint span = CellSpan(base.X, base.Y);
      const int lastCol = base.X + std::max(span.X - 1, 0);
      const int lastRow = base.Y + std::max(span.Y - 1, 0);
      const fw::TColor penColor = canvas->Pen()->Color();
      canvas->Pen()->SetColor(fw::clBlack);
      canvas->Pen()->SetWidth(2);
      const int left = rect.Left - GridLineWidth() + 1;
      const int top = rect.Top - GridLineWidth() + 1;
      if (base.X == selection.Left) Line(canvas, left, top, left, rect.Bottom);
      if (lastCol >= selection.Right) Line(canvas, rect.Right - 1, top, rect.Right - 1, rect.Bottom);
      if (base.Y == selection.Top) Line(canvas, left, top, rect.Right, top);
      if (lastRow >= selection.Bottom) Line(canvas, left, rect.Bottom, rect.Right, rect.Bottom);
      if (SelectionResizer && lastCol >= selection.Right && lastRow >= selection.Bottom) {
        const fw::TColor brushColor = canvas->Brush()->Color();
        canvas->Brush()->SetColor(fw::clBlack);
        canvas->FillRect(fw::TRect{rect.Right - 4, rect.Bottom - 4, rect.Right, rect.Bottom});
        canvas->Brush()->SetColor(brushColor);
      }
      canvas->Pen()->SetWidth(1);
      canvas->Pen()->SetColor(penColor);
    }
  }

  // 9. The text, inside the cell margins and beside the cell's graphic.
  TCellVAlign graphicVAlign = vaTop;
  TCellHAlign graphicHAlign = haLeft;
  bool drawText = true;
  int graphicHeight = 0;
  int graphicWidth = 0;
  TCellGraphic* graphic =
      GetCellGraphicLayout(realCol, row, graphicVAlign, graphicHAlign, drawText, graphicHeight, graphicWidth);
  if (!drawText) return;

  const fw::TPoint margin = CellMargin();
  r.Left += margin.X;
  r.Right -= margin.X;
  r.Top += margin.Y;
  if (graphic != nullptr) {
    switch (graphicHAlign) {
      case haBeforeText: r.Left += graphicWidth; break;
      case haAfterText: r.Right -= graphicWidth; break;
      default: break;
    }
    if (graphicVAlign == vaAboveText) r.Top += graphicHeight;
    if (graphicVAlign == vaUnderText) r.Bottom -= graphicHeight;
  }
  if (col == 0 && GridHasNodes()) r.Left += NodeIndent(row);

  const int alignment = GetCellAlignment(realCol, row);
  const auto hAlign = static_cast<fw::TAlignment>(alignment & 0xFF);
  const auto vAlign = static_cast<TVAlignment>((alignment >> 8) & 0xFF);
  bool wordWrap = WordWrap();
  if (HasCellProperties(realCol, row)) wordWrap = GetCellProperties(realCol, row)->WordWrap();
  DoGetWordWrap(realCol, row, wordWrap);
  const UINT alignFlags = HorizontalFlags(hAlign) | VerticalFlags(vAlign);

  switch (kind) {
    case kCellHTML: {
      THTMLTextParams params;
      params.Text = text;
      params.Bounds = fw::TRect{r.Left - 1, r.Top, r.Right, r.Bottom};
      params.ImageList = GetCellImageList(realCol, row);
      params.LinkColor = linkColor;
      params.ShadowColor = 0x808080;
      params.HoverOnly = URLUnderlineOnHover;
      params.WordWrap = EnhTextSize;
      params.ThemeWindow = Handle();
      params.BiDiMode = UseRightToLeftAlignment() ? 1 : 0;
      DrawHTMLText(canvas, params);
      if (graphic != nullptr) KeepDrawnTextWidth(params.TextWidth);
      break;
    }
    case kCellRTF: {
      canvas->Pen()->SetColor(canvas->Brush()->Color());
      if (!(state.Contains(fw::gdSelected) && !state.Contains(fw::gdFocused) && SelectionColor() == kColorNotSet)) {
        canvas->FillRect(r);
      }
      canvas->Brush()->SetStyle(fw::bsClear);
      DrawRichTextCell(realCol, row, r, canvas);
      canvas->Brush()->SetStyle(fw::bsSolid);
      canvas->Font()->SetColor(fw::clBlack);
      break;
    }
    case kCellUnicode: {
      std::wstring wide;
      DecodeUnicodeText(text, wide);
      RECT area{r.Left, r.Top, r.Right, r.Bottom};
      const UINT flags = alignFlags | DT_END_ELLIPSIS | DT_NOPREFIX |
                         static_cast<UINT>(wordWrap || Multilinecells ? DT_WORDBREAK : DT_SINGLELINE);
      const int oldMode = PrepareTextDC(canvas);
      DrawTextExW(canvas->Handle(), wide.data(), static_cast<int>(wide.size()), &area, flags, nullptr);
      SetBkMode(canvas->Handle(), oldMode);
      break;
    }
    default: {
      const bool link = URLShow && IsURL(text);
      const fw::TFontStyles style = canvas->Font()->Style();
      if (link) {
        if (!URLFull) StripURLProtocol(text);
        fw::TFontStyles underlined = style;
        underlined.Include(fw::fsUnderline);
        canvas->Font()->SetStyle(underlined);
        canvas->Font()->SetColor(linkColor);
      }
      UINT flags = 0;
      if (LineCount(text, Multilinecells) == 1 && !wordWrap) {
        std::string first;
        std::string rest = text;
        CutFirstLine(rest, false, first);
        text = first;
        flags = DT_SINGLELINE | static_cast<UINT>(EnhTextSize ? DT_END_ELLIPSIS : 0);
      } else {
        flags = DT_EDITCONTROL | static_cast<UINT>(wordWrap && !Multilinecells && EnhTextSize ? DT_END_ELLIPSIS : 0);
      }
      flags |= alignFlags;
      flags |= wordWrap || Multilinecells ? DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK
                                          : DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE;
      if (UseRightToLeftReading()) flags |= DT_RTLREADING;
      if (graphic != nullptr) KeepDrawnTextWidth(fw::MeasureCanvasText(canvas, text, r.Width(), flags).cx);
      fw::DrawCanvasText(canvas, text, r, flags);
      if (link) canvas->Font()->SetStyle(style);
      break;
    }
  }
}

void TVxStringGrid::KeepDrawnTextWidth(int width) { drawnTextWidth_ = width > 0 ? width + 2 : 0; }

void TVxStringGrid::PaintCellBackGroundPicture(fw::TCanvas* canvas, int col, int realCol, int row,
                                               const fw::TRect& r, fw::TGridDrawState state, bool fixed) {
  TBackGround* back = BackGround();
  const TBackGroundCells cells = back->Cells();
  const bool covered = cells == bcAll || (fixed ? cells == bcFixed : cells == bcNormal);
  const bool ownColor = GetCellBrushColor(realCol, row) != kColorNotSet;
  const int line = GridLineWidth();
  if (!back->Bitmap()->Empty() && !ownColor && covered && !(state.Contains(fw::gdSelected) && ShowSelection)) {
    const fw::TRect area{r.Left - line + 1, r.Top - line + 1, r.Right, r.Bottom};
    if (back->Display() == bdTile) {
      DrawCellBackGroundTiled(canvas, col, row, area);
    } else {
      DrawCellBackGroundFixed(canvas, area);
    }
  }
  if (!back->IsGradient()) return;
  const TCellType type = GetCellType(realCol, row);
  const bool control =
      type == ctCheckBox || type == ctDataCheckBox || type == ctRadio || type == ctButton || type == ctRadioButton;
  const bool unselected = !state.Contains(fw::gdSelected) || !ShowSelection ||
                          (state.Contains(fw::gdFocused) && !Options().Contains(fw::goDrawFocusSelected));
  if ((!ownColor || control) && covered && unselected) {
    DrawCellBackGroundGradient(canvas, fw::TRect{r.Left - 1, r.Top - line, r.Right, r.Bottom + line - 1});
  }
}

void TVxStringGrid::DrawBorderFrame() {
  const TGridLook look = Look();
  const bool softLook = look == glSoft || look == glNRV || look == glXP || look == glListView || look == glVista ||
                        look == glWin7 || look == glOffice2007;
  if (!softLook || BorderStyle() == fw::bsNone || BorderColor() == kColorNotSet || Flat || !HandleAllocated()) return;
  const fw::WholeWindowDC dc(Handle());
  if (dc.Get() == nullptr) return;
  const int width = Width();
  const int height = Height();
  const fw::GdiObject<HBRUSH> border(CreateSolidBrush(fw::ColorToRGB(BorderColor())));
  const RECT inner{1, 1, width - 1, height - 1};
  FrameRect(dc.Get(), &inner, border.Get());
  if (Parent() != nullptr) {
    const fw::GdiObject<HBRUSH> outer(CreateSolidBrush(fw::ColorToRGB(Parent()->Color())));
    const RECT ring{0, 0, width, height};
    FrameRect(dc.Get(), &ring, outer.Get());
  }
}

}  // namespace ui
