// The string grid's cell queries: each gives its built-in answer and fires its one event, so painting,
// editing, sorting and filtering ask through them and a derived grid overrides the operation.
#include <windows.h>

#include "framework/controls/cursors.h"
#include "framework/forms/screen.h"
#include "framework/graphics/pen.h"
#include "framework/rtl/textutils.h"
#include "ui/foundation/text_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

bool IsComboEditor(TEditorType editor) {
  return editor == edComboEdit || editor == edComboList || editor == edUniComboEdit || editor == edUniComboList;
}

bool IsSpinEditor(TEditorType editor) {
  return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
}

// The cell types whose own brush colour fills the cell; the others paint their graphic's background.
bool TakesCellBrush(TCellType type) {
  return type == ctIcon || type == ctNone || type == ctImageList || type == ctEmpty || type == ctImages ||
         type == ctComment;
}

}  // namespace

void TVxStringGrid::GetCellHint(int col, int row, std::wstring& wideHint, std::string& hint) {
  if (OnGridHint) OnGridHint(this, row, col, hint);
  officeHint_->Notes()->SetText(hint);
  if (OnGridWideHint) OnGridWideHint(this, row, col, wideHint);
  if (!wideHint.empty()) EncodeUnicodeText(wideHint, hint);
  if (OnOfficeHint) OnOfficeHint(this, col, row, officeHint_.get());
}

void TVxStringGrid::GetCellColor(int col, int row, fw::TFont* font, fw::TBrush* brush, fw::TGridDrawState state) {
  if (ActiveCellShow) {
    // The headers of the current cell: its row in the last fixed column, its column in the last fixed row.
    const int displayCol = DisplayColumnOf(col);
    const bool rowHeader = row == Row() && FixedCols() > 0 && displayCol == FixedCols() - 1;
    const bool colHeader = displayCol == Col() && FixedRows() > 0 && row == FixedRows() - 1;
    if (rowHeader || colHeader) {
      font->Assign(ActiveCellFont());
      brush->SetColor(ActiveCellColor);
    }
  }
  if (const TCellProperties* props = PropsAt(col, row)) {
    if (TakesCellBrush(GetCellType(col, row)) && props->BrushColor() != kColorNotSet) brush->SetColor(props->BrushColor());
    if (props->FontColor != kColorNotSet) font->SetColor(props->FontColor);
    if (!props->FontStyle.Empty()) font->SetStyle(props->FontStyle);
    if (props->FontSize != 0) font->SetSize(props->FontSize);
    if (!props->FontName.empty()) font->SetName(props->FontName);
  }
  if (OnGetCellColor) OnGetCellColor(this, row, col, state, brush, font);
}

void TVxStringGrid::GetCellPrintColor(int col, int row, fw::TBrush* brush, fw::TFont* font, fw::TGridDrawState state) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, row, col, state, brush, font);
}

void TVxStringGrid::GetCellBorder(int col, int row, TCellBorders& borders, fw::TPen* pen) {
  // The grouping's header and summary lines join here once grouping exists.
  if (OnGetCellBorder) OnGetCellBorder(this, row, col, pen, borders);
}

void TVxStringGrid::GetCellPrintBorder(int col, int row, fw::TPen* pen, TCellBorders& borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, row, col, pen, borders);
}

void TVxStringGrid::GetAlignment(int col, int row, fw::TAlignment& hAlign, TVAlignment& vAlign) {
  if (col == 0 && MouseActions()->HotmailRowSelect()) hAlign = fw::taCenter;
  if (OnGetAlignment) OnGetAlignment(this, row, col, hAlign, vAlign);
}

void TVxStringGrid::GetCellFormat(int col, TSortStyle& style, std::string& prefix, std::string& suffix) {
  if (OnGetFormat) OnGetFormat(this, col, style, prefix, suffix);
}

void TVxStringGrid::GetCellEditorSpin(int col, int row, TEditorType& editor) {
  if (OnGetEditorType) OnGetEditorType(this, col, row, editor);
}

void TVxStringGrid::GetCellEditorCombo(int col, int row, TEditorType& editor) {
  if (OnGetEditorType) OnGetEditorType(this, col, row, editor);
}

bool TVxStringGrid::HasEditorNone(int col, int row) {
  if (!OnGetEditorType) return false;
  TEditorType editor = edNormal;
  OnGetEditorType(this, col, row, editor);
  return editor == edNone;
}

void TVxStringGrid::IsFixedCell(int col, int row, bool& fixed) {
  fixed = fixed || (FixedRowAlways() && row <= requestedFixedRows_ && RowCount() == requestedFixedRows_) ||
          (FixedColAlways() && col < requestedFixedCols_ && ColCount() == requestedFixedCols_) ||
          col < FixedCols() || row < FixedRows();
  if (!fixed && OnIsFixedCell) OnIsFixedCell(this, row, col, fixed);
}

void TVxStringGrid::DoCanEditCell(int col, int row, bool& canEdit) {
  if (OnCanEditCell) OnCanEditCell(this, row, col, canEdit);
}

void TVxStringGrid::CanEditCellEx(int col, int row, bool& canEdit) {
  const fw::TPoint base = BaseCellOf(col, row);
  if (canEdit) {
    if (const TCellProperties* props = PropsAt(base.X, base.Y)) {
      canEdit = !props->ReadOnly;
      if (!Options().Contains(fw::goEditing) && !EditingSuspended && !MouseActions()->RangeSelectAndEdit()) {
        canEdit = false;
      }
    }
  }
  if (base.X < GetColCountEx()) {
    DoCanEditCell(base.X, base.Y, canEdit);
  } else {
    canEdit = true;
  }
}

void TVxStringGrid::DoIsPasswordCell(int col, int row, bool& password) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, row, col, password);
}

void TVxStringGrid::DoGetWordWrap(int col, int row, bool& wordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, col, row, wordWrap);
}

bool TVxStringGrid::HasComboBox(int col, int row) {
  bool result = false;
  if (OnHasComboBox) {
    OnHasComboBox(this, col, row, result);
  } else if (ControlLook()->DropDownAlwaysVisible()) {
    TEditorType editor = DefaultEditor;
    GetCellEditorCombo(col, row, editor);
    result = IsComboEditor(editor);
  }
  return result;
}

bool TVxStringGrid::HasSpinEdit(int col, int row) {
  if (col < FixedCols() || row < FixedRows()) return false;
  bool result = false;
  if (OnHasSpinEdit) {
    OnHasSpinEdit(this, col, row, result);
  } else if (ControlLook()->SpinButtonsAlwaysVisible()) {
    TEditorType editor = DefaultEditor;
    GetCellEditorSpin(col, row, editor);
    result = IsSpinEditor(editor);
  }
  return result;
}

void TVxStringGrid::GetCheckTrue(int col, int row, std::string& text) {
  text = checkTrue_;
  if (OnGetCheckTrue) OnGetCheckTrue(this, col, row, text);
}

void TVxStringGrid::GetCheckFalse(int col, int row, std::string& text) {
  text = checkFalse_;
  if (OnGetCheckFalse) OnGetCheckFalse(this, col, row, text);
}

namespace {

// A value with a blank reads as a name with a quoted value, as the filter conditions take it.
std::string FilterValue(const std::string& text) {
  if (text.find(' ') == std::string::npos) return text;
  return text + "=\"" + text + "\"";
}

}  // namespace

bool TVxStringGrid::GetColumnFilter(int col) {
  fw::TStringList* values = distinctValues_.get();
  values->Clear();
  values->SetSorted(true);
  if (FilterDropDownAuto && (col >= FixedCols() || FilterDropDownColumns == fdAll)) {
    for (int row = FixedRows(); row <= RowCount() - FixedFooters() - 1; ++row) {
      values->Add(FilterValue(fw::Trim(GetCellEx(col, row))));
    }
    const int allRows = RowCount() + NumHiddenRows();
    for (int realRow = 0; realRow < allRows && NumHiddenRows() > 0; ++realRow) {
      const fw::TStrings* kept = RealRowHiddenStrings(realRow);
      if (kept != nullptr && col < kept->Count()) values->Add(FilterValue(kept->Strings(col)));
    }
  }
  values->SetSorted(false);
  if (!FilterDropDownClear.empty()) values->Insert(0, FilterDropDownClear);
  if (OnGetColumnFilter) OnGetColumnFilter(this, col, values);
  return values->Count() > 0;
}

void TVxStringGrid::GetCellCursor(int col, int row, int x, int y) {
  if (!OnGetCellCursor) return;
  fw::TCursor cursor = Cursor();
  OnGetCellCursor(this, col, row, x, y, cursor);
  ::SetCursor(fw::Screen->Cursors(cursor));
}

void TVxStringGrid::SearchFooterAction(const std::string& text, int col, int row, TSearchAction action) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, text, col, row, action);
}

void TVxStringGrid::ButtonClick(int col, int row) {
  if (OnButtonClick) OnButtonClick(this, col, row);
}

void TVxStringGrid::ExpandClick(int col, int row, bool expanded) {
  if (OnExpandClick) OnExpandClick(this, col, row, expanded);
  SetRowHeights(row, GetExpandHeight(col, row, expanded));
}

void TVxStringGrid::ComboCloseUp(fw::TGridCoord cell) {
  if (OnComboCloseUp) OnComboCloseUp(this, cell.Y, cell.X);
}

void TVxStringGrid::ComboDropDown(fw::TGridCoord cell) {
  if (OnComboDropDown) OnComboDropDown(this, cell.Y, cell.X);
}

void TVxStringGrid::GetCellDefaults(int col, int row, TCellGradientDirection& gradientDirection, bool& wordWrap,
                                    TVAlignment& vAlign, fw::TAlignment& hAlign, fw::TColor& colorMirrorTo,
                                    fw::TColor& colorMirror, fw::TColor& colorTo, fw::TBrush* brush, fw::TFont* font) {
  TBaseGrid::GetCellDefaults(col, row, gradientDirection, wordWrap, vAlign, hAlign, colorMirrorTo, colorMirror,
                             colorTo, brush, font);
  fw::TGridDrawState state;
  ResolveCellVisuals(col, row, gradientDirection, wordWrap, vAlign, hAlign, font, colorMirrorTo, colorMirror, colorTo,
                     brush, false, false, false, state);
  // A fill the painter makes of its own (fixed cells, bands, a gradient background, the selection) is
  // never kept as the cell's colour.
  if (IsFixed(col, row) || Bands()->Active() || state.Contains(fw::gdSelected)) {
    brush->SetColor(kColorNotSet);
    colorTo = kColorNotSet;
  }
}

}  // namespace ui
