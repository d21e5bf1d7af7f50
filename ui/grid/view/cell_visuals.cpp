// The string grid's cell visuals: the one rule by which a cell's font, brush, gradient, word wrap and
// alignment are resolved for painting (and for the defaults of new cell properties), and the font a cell
// is measured with.
#include "framework/graphics/brush.h"
#include "framework/graphics/font.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/view/blend_colors.h"

namespace ui {

namespace {

bool IsPlainCellType(TCellType type) { return type == ctNone || type == ctRotated || type == ctEmpty; }

bool IsControlCellType(TCellType type) {
  return type == ctCheckBox || type == ctDataCheckBox || type == ctRadio || type == ctButton || type == ctRadioButton;
}

}  // namespace

bool TVxStringGrid::IsFixedForDrawing(int displayCol, int realCol, int row) {
  bool fixed = false;
  IsFixedCell(realCol, row, fixed);
  return fixed || displayCol < FixedCols() || row < TBaseGrid::FixedRows();
}

void TVxStringGrid::ResolveCellVisuals(int col, int row, TCellGradientDirection& gradientDirection, bool& wordWrap,
                                       TVAlignment& vAlign, fw::TAlignment& hAlign, fw::TFont* font,
                                       fw::TColor& colorMirrorTo, fw::TColor& colorMirror, fw::TColor& colorTo,
                                       fw::TBrush* brush, bool realColumn, bool withSelection, bool printing,
                                       fw::TGridDrawState& state) {
  // 1. The grid's font for the area (the print fonts come with the print settings).
  const bool fixedArea = col < FixedCols() || row < TBaseGrid::FixedRows();
  font->Assign(fixedArea ? FixedFont() : Font());

  // 2. Real indices for the cell store and the events.
  const int realCol = realColumn ? RealColIndex(col) : col;
  TMouseActions* actions = MouseActions();
  const int realRow = actions->DisjunctRowSelect() && actions->RowSelectPersistent() ? DisplToRealRow(row) : row;

  // 3. Nothing set yet.
  brush->SetColor(kColorNotSet);
  colorTo = kColorNotSet;
  colorMirror = kColorNotSet;
  colorMirrorTo = kColorNotSet;

  // 4. The cell's own properties.
  bool cellColor = false;
  bool controlColor = false;
  const TCellType type = GetCellType(realCol, row);
  if (HasCellProperties(realCol, row)) {
    TCellProperties* props = GetCellProperties(realCol, row);
    if (IsPlainCellType(type)) {
      if (props->BrushColor() != kColorNotSet) {
        brush->SetColor(props->BrushColor());
        cellColor = true;
      }
    } else {
      brush->SetColor(props->BrushColor());
      controlColor = IsControlCellType(type) && props->BrushColor() != kColorNotSet;
    }
    if (props->FontColor != kColorNotSet) font->SetColor(props->FontColor);
    if (!props->FontStyle.Empty()) font->SetStyle(props->FontStyle);
    if (props->FontSize != 0) font->SetSize(props->FontSize);
    if (!props->FontName.empty()) font->SetName(props->FontName);
    wordWrap = props->WordWrap();
    colorTo = props->BrushColorTo();
    gradientDirection = props->GradientDirection;
  }

  // 5. A selected cell shades top to bottom.
  if (state.Contains(fw::gdSelected)) gradientDirection = GradientVertical;

  // 6. The grid's colour, the bands of normal cells, the fixed colour of the fixed areas.
  if ((brush->Color() == kColorNotSet || IsControlCellType(type)) && !controlColor) {
    if (brush->Color() == kColorNotSet) brush->SetColor(Color());
    const bool normalCell = col >= FixedCols() && col < GetAllColCount() - FixedRightCols() &&
                            row >= TBaseGrid::FixedRows() && row < RowCount() - FixedFooters();
    if (Bands()->Active() && (!printing || Bands()->Print()) && normalCell) {
      fw::TColor band = Color();
      if (Bands()->BandColorAt(row - TBaseGrid::FixedRows(), band)) brush->SetColor(band);
    }
    if (col < FixedCols() || row < TBaseGrid::FixedRows() || col >= ColCount() - FixedRightCols() ||
        row >= RowCount() - FixedFooters()) {
      brush->SetColor(FixedColor());
    }
  }

  // 7, 8. Fixed cells without a colour of their own: the fixed colour and font, the look's gradient.
  const bool fixed = IsFixedForDrawing(col, realCol, row);
  if (fixed && !cellColor && !printing) {
    brush->SetColor(FixedColor());
    font->Assign(FixedFont());
    state.Include(fw::gdFixed);
  }
  if (fixed && !cellColor && Look() > glClassic) {
    const TFixedCellColors& set = FixedCellColors();
    brush->SetColor(set.From);
    colorTo = set.To;
    colorMirror = set.MirrorFrom;
    colorMirrorTo = set.MirrorTo;
  }

  // 9, 10. The colour and gradient events.
  if (printing) {
    GetCellPrintColor(realCol, row, brush, font, state);
  } else {
    GetCellColor(realCol, row, font, brush, state);
  }
  if (OnGetCellGradient) {
    fw::TColor color = brush->Color();
    OnGetCellGradient(this, row, realCol, color, colorTo, colorMirror, colorMirrorTo, gradientDirection);
    brush->SetColor(color);
  }

  // 11. What the cell shows unselected.
  const fw::TColor unselectedBrush = brush->Color();
  const fw::TColor unselectedFont = font->Color();

  const auto showSelected = [&](bool exactly) {
    if (exactly) {
      state = fw::TGridDrawState{fw::gdSelected};
    } else {
      state.Include(fw::gdSelected);
    }
    colorTo = SelectionColorTo;
    colorMirror = SelectionMirrorColor;
    colorMirrorTo = SelectionMirrorColorTo;
    if (SelectionTextColor != kColorNotSet) font->SetColor(SelectionTextColor);
  };
  const bool selectable = withSelection && !printing && ShowSelection && !fixed;
  const bool dragging = DisjunctDragging;

  // 12. Disjunct rows.
  if (actions->DisjunctRowSelect() && selectable) {
    const bool listed = GetRowSelect(realRow);
    bool shown = listed;
    if (dragging) {
      shown = row != Row() ? listed || state.Contains(fw::gdSelected) : !listed && state.Contains(fw::gdSelected);
    }
    if (shown) {
      brush->SetColor(SelectionColor());
      showSelected(true);
    } else {
      state.Exclude(fw::gdSelected);
    }
  }

  // 13. Disjunct columns.
  if (actions->DisjunctColSelect() && selectable) {
    const bool listed = GetColSelect(realCol) && !(dragging && col == Col());
    if (listed) {
      brush->SetColor(SelectionColor());
      showSelected(true);
    } else if (!dragging) {
      state.Exclude(fw::gdSelected);
    }
  }

  // 14. The selected range, mixed into the cell's colour when asked.
  if ((selectable && IsSelected(col, row) && !actions->DisjunctRowSelect() && !actions->DisjunctColSelect()) ||
      (state.Contains(fw::gdSelected) && dragging && ShowSelection)) {
    brush->SetColor(brush->Color() == Color()
                        ? SelectionColor()
                        : MixSelectionColor(SelectionColor(), brush->Color(), SelectionColorMixer,
                                            SelectionColorMixerFactor));
    showSelected(false);
  }

  // 15. Disjunct cells.
  if (actions->DisjunctCellSelect() && ShowSelection) {
    if (SelectedCells()->HasValue(CellKey(col, row))) {
      brush->SetColor(SelectionColor());
      showSelected(false);
    } else if (col == Col() && row == Row()) {
      state.Exclude(fw::gdSelected);
      brush->SetColor(unselectedBrush);
      font->SetColor(unselectedFont);
    }
  }

  // 16. A disabled grid greys its texts.
  if (!Enabled()) font->SetColor(DisabledFontColor);

  // 17. Word wrap and alignment through their queries.
  DoGetWordWrap(realCol, row, wordWrap);
  const int alignment = GetCellAlignment(realCol, row);
  hAlign = static_cast<fw::TAlignment>(alignment & 0xFF);
  vAlign = static_cast<TVAlignment>((alignment >> 8) & 0xFF);
}

void TVxStringGrid::ApplyCellFont(int realCol, int displayCol, fw::TBrush* brush, fw::TFont* font, int row) {
  bool fixed = false;
  IsFixedCell(realCol, row, fixed);
  font->Assign(fixed || displayCol < FixedCols() || row < TBaseGrid::FixedRows() ? FixedFont() : Font());
  if (HasCellProperties(realCol, row)) {
    const TCellProperties* props = GetCellProperties(realCol, row);
    if (props->FontColor != kColorNotSet) font->SetColor(props->FontColor);
    if (!props->FontStyle.Empty()) font->SetStyle(props->FontStyle);
    if (props->FontSize != 0) font->SetSize(props->FontSize);
    if (!props->FontName.empty()) font->SetName(props->FontName);
  }
  GetCellColor(realCol, row, font, brush, fw::TGridDrawState{});
}

}  // namespace ui
