// TVxStringGrid: the string grid as the program's windows use it: cell texts by column and row (the base
// cell inside a merged area), the row count with its fixed header row, a row's texts as the framework's
// row list, and OnDrawCell, through which a window paints over each cell after the grid drew it.
//
// Ownership: the grid owns its settings objects and fonts for its whole life; it makes them at
// construction in a fixed order and frees each once in its destructor. The settings objects keep a
// reference to the grid (as IGridSettingsOwner) that they do not own. On a form, the grid subscribes to
// the form's resize through TFormResizeHub and unsubscribes when freed. GUI thread only.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "components/input/wheel_grid.h"
#include "framework/classes/stringlist.h"
#include "framework/graphics/bitmap.h"
#include "ui/foundation/control_style.h"
#include "ui/foundation/hint_info.h"
#include "ui/grid/model/base_grid.h"
#include "ui/grid/model/cell_graphic.h"
#include "ui/grid/model/cell_object_events.h"
#include "ui/grid/model/editor_type.h"
#include "ui/grid/model/form_resize_hub.h"
#include "ui/grid/model/grid_item.h"
#include "ui/grid/model/grid_selection_events.h"
#include "ui/grid/model/grid_events.h"
#include "ui/grid/model/grid_platform.h"
#include "ui/grid/model/int_list.h"
#include "ui/grid/model/string_grid_types.h"
#include "ui/grid/settings/balloon_settings.h"
#include "ui/grid/settings/bands.h"
#include "ui/grid/settings/cell_node_standin.h"
#include "ui/grid/settings/column_size.h"
#include "ui/grid/settings/control_look.h"
#include "ui/grid/settings/grid_settings_owner.h"
#include "ui/grid/settings/html_settings.h"
#include "ui/grid/settings/mouse_actions.h"
#include "ui/grid/settings/navigation.h"
#include "ui/grid/settings/print_settings.h"
#include "ui/grid/settings/progress_appearance.h"
#include "ui/grid/settings/show_modified.h"
#include "ui/grid/settings/size_while_typing.h"
#include "ui/grid/settings/sync_grid.h"
#include "ui/grid/view/background.h"
#include "ui/grid/view/cell_draw_events.h"
#include "ui/grid/view/cell_text_events.h"

namespace fw {
class TRichEdit;
class TCustomForm;
class TCustomImageList;
class TPen;
}

namespace ui {

class TScrollControl;

// Told of every object the grid makes and frees, by name and in order (a test seam; null in the program).
using TOwnedObjectProbe = void (*)(const char* Name, bool Made);

// Sender, the column (row) about to be sized, and whether sizing may start.
using TColumnSizeEvent = std::function<void(fw::TObject* Sender, int ACol, bool& Allow)>;
using TRowSizeEvent = std::function<void(fw::TObject* Sender, int ARow, bool& Allow)>;
// Sender, the cell, and the edit mask to use.
using TGetEditMaskEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, std::string& Value)>;
// What a cell renderer drew (a test seam): a name, the rectangle and a distinguishing number.
using TCellPaintProbe = void (*)(const char* What, const fw::TRect& Where, int Value);
// Sender, the column being sized and the width it is about to get, which the handler may change.
using TUpdateColumnSizeEvent = std::function<void(fw::TObject* Sender, int ACol, int& AWidth)>;

class TVxStringGrid : public TBaseGrid,
                      public IGridSettingsOwner,
                      public IControlStyle,
                      public IControlFaceColors,
                      public input::IWheelScrollGrid {
 public:
  explicit TVxStringGrid(fw::TComponent* AOwner);
  ~TVxStringGrid() override;

  static TOwnedObjectProbe OwnedObjectProbe;

  std::string Cells(int col, int row) { return GetCellEx(col, row); }
  void SetCells(int col, int row, const std::string& text) { SetCellEx(col, row, text); }
  // The framework's count; rows at or beyond the last count written are scratch rows. With FixedRowAlways
  // the requested fixed rows come back as soon as the grid has more rows than them.
  void SetRowCount(int value);
  // With FixedRowAlways a grid keeps its header rows while it has no normal rows: a request of as many
  // fixed rows as rows gives one fewer, the request is remembered, and 0 fixed rows read as 1. A count the
  // framework refuses raises its EInvalidGridOperation and leaves the request as it was.
  bool FixedRowAlways() const { return fixedRowAlways_; }
  void SetFixedRowAlways(bool value) { fixedRowAlways_ = value; }
  int FixedRows() const override;
  void SetFixedRows(int value);
  // The largest row count the grid has had.
  int LargestRowCount() const { return largestRowCount_; }

  // A cell is fixed when its base cell lies in a fixed row or column.
  bool IsFixed(int col, int row) override;

  // ---- Owned settings objects ------------------------------------------------------------------------
  TControlLook* ControlLook() { return controlLook_.get(); }
  TNavigation* Navigation() { return navigation_.get(); }
  TBands* Bands() { return bands_.get(); }
  TMouseActions* MouseActions() { return mouseActions_.get(); }
  // Tahoma bold; a change repaints the grid.
  fw::TFont* FixedFont() { return fixedFont_.get(); }
  // Bold; a change repaints the grid.
  fw::TFont* ActiveCellFont() { return activeCellFont_.get(); }
  TGridProgressAppearance* ProgressAppearance() { return progressAppearance_.get(); }
  TSyncGrid* SyncGrid() { return syncGrid_.get(); }
  TBalloonSettings* Balloon() { return balloon_.get(); }
  TShowModified* ShowModified() { return showModified_.get(); }

  // ---- Published settings with their starting values -------------------------------------------------
  fw::TColor SelectionColor() const { return selectionColor_; }
  void SetSelectionColor(fw::TColor value);
  fw::TColor SelectionColorTo = kColorNotSet;
  fw::TColor SelectionMirrorColor = kColorNotSet;
  fw::TColor SelectionMirrorColorTo = kColorNotSet;
  fw::TColor SelectionTextColor = 0;
  int SelectionColorMixerFactor = 50;
  fw::TColor ActiveCellColor = 0x808080;
  fw::TColor ActiveCellColorTo = kColorNotSet;
  fw::TColor HintColor = fw::clInfoBk;
  fw::TColor HighlightColor = fw::clHighlight;
  fw::TColor HighlightTextColor = fw::clHighlightText;
  fw::TColor URLColor = 0xFF0000;
  fw::TColor DisabledFontColor = 0xC0C0C0;
  fw::TColor ScrollColor = kColorNotSet;
  std::string FloatFormat = "%.2f";
  bool EnableHTML = true;
  bool EnableWheel = true;
  bool IntelliZoom = true;
  bool HideFocusRect = false;
  bool FixedAsButtons = false;
  bool UseInternalHintClass = true;
  std::string FilterDropDownClear = "(All)";
  bool FilterNormalCellsOnly = true;
  bool AutoFilterUpdate = true;
  bool ShowDesignHelper = true;
  bool EnhRowColMove = true;

  // ---- Internal state with a starting value ----------------------------------------------------------
  // Text inset of a cell.
  fw::TPoint CellMargin() const { return cellMargin_; }
  // The texts of checked and unchecked data check boxes.
  const std::string& CheckTrue() const { return checkTrue_; }
  const std::string& CheckFalse() const { return checkFalse_; }
  char PasswordChar() const { return passwordChar_; }
  int CurrentStyle() const { return currentStyle_; }
  int UpdateCount() const { return updateCount_; }
  // DefaultRowHeight as last set through its writer.
  int RememberedDefaultRowHeight() const { return rememberedDefaultRowHeight_; }
  void SetDefaultRowHeight(int value);

  // ---- IGridSettingsOwner ----------------------------------------------------------------------------
  void RepaintGrid() override { Invalidate(); }
  TFixedCellColors& FixedCellColors() override { return fixedCellColors_; }
  bool IsSettingsOwner(const fw::TStringGrid* Grid) const override { return Grid == this; }

  // Hidden columns and rows, selection lists, navigation helpers, row swap and selection text.
  // Real columns count hidden ones and address the cell store; display columns count shown ones. Only
  // columns 0 to 511 can be hidden; from 512 on every column is shown and maps to itself.
  int RealToDisplCol(int col) const;
  int DisplToRealCol(int col) const;
  int DisplayColumnOf(int col) override { return RealToDisplCol(col); }
  int RealColIndex(int col) const { return DisplToRealCol(col); }
  bool IsHiddenColumn(int col) const;
  // Raw access to the visibility table, columns 0 to 512.
  bool IsColumnVisible(int col) const;
  void SetColumnVisible(int col, bool visible);
  int NumHiddenColumns() const { return hiddenColumnCount_; }
  // ColCount with the hidden columns.
  int GetColCountEx() override { return ColCount() + hiddenColumnCount_; }
  // The real column of the current column.
  int GetRealCol() const { return DisplToRealCol(Col()); }
  // The columns searching, sorting and auto-sizing skip.
  TIntList* IgnoreColumns() { return ignoreColumns_.get(); }
  bool IsIgnoredColumn(int col) const { return ignoreColumns_->HasValue(col); }
  // The last shown column is never hidden; hiding a hidden column or showing a shown one does nothing.
  void HideColumns(int first, int last);
  void HideColumn(int col) { HideColumns(col, col); }
  void UnHideColumns(int first, int last);
  void UnHideColumn(int col) { UnHideColumns(col, col); }
  void UnHideColumnsAll() { UnHideColumns(0, ColCount() + hiddenColumnCount_); }
  // Real rows count the rows kept in the hidden-row store.
  int DisplToRealRow(int row) const;
  int RealToDisplRow(int row) const;
  int RealRowIndex(int row) const { return DisplToRealRow(row); }
  int DisplRowIndex(int row) const { return RealToDisplRow(row); }
  bool IsHiddenRow(int row) const;
  // The same test through a list of the hidden rows' indices, made on the first call (when list is
  // empty) and kept by the caller for the next ones.
  bool IsHiddenRowListed(int row, std::unique_ptr<TIntList>& list) const;
  int NumHiddenRows() const { return hiddenRows_->Count(); }
  // The hidden-row store, one entry per hidden row.
  TGridItems* HiddenRows() { return hiddenRows_.get(); }
  // A block of shown rows (real indices) hidden outside the hide levels, as node contraction does.
  void HideRows(int first, int last);
  // A contiguous block of hidden rows (real indices) shown again.
  void UnhideRows(int first, int last);
  // The listed grid rows (ascending) hidden as one new hide level.
  void HideRowList(const TIntList& rows);
  // The rows of the newest hide level shown again; the caller then lowers HideLevel.
  void UnhideLastLevel();
  int HideLevel() const { return hideLevel_; }
  void SetHideLevel(int value) { hideLevel_ = value; }
  // Empty rows put in at row (the hidden columns' cells move with the rows below); rows taken out through
  // the framework's row deletion. The hidden-row store and the row selection flags stay as they are.
  void InsertRowsInternal(int row, int count, bool adjust);
  void RemoveRowsInternal(int row, int count, bool adjust);

  // Disjunct selections: row and column flags, the selected rows in the order they were selected, and
  // the selected cells as keys (column in the low 16 bits, row in the high 16 bits).
  bool GetRowSelect(int row);
  void SetRowSelect(int row, bool selected);
  bool GetColSelect(int col);
  void SetColSelect(int col, bool selected);
  void ClearRowSelect();
  void ClearColSelect();
  void SelectionToRowSelect(bool all);
  void SelectionToColSelect(bool all);
  int GetRowSelectCount();
  TIntList* SelectedRows() { return disjunctRowSelect_.get(); }
  TIntList* SelectedCells() { return disjunctCells_.get(); }
  static int CellKey(int col, int row) {
    return static_cast<int>((static_cast<unsigned>(row) << 16) | (static_cast<unsigned>(col) & 0xFFFFu));
  }
  // Row marks.
  bool GetRowModified(int row) const;
  void SetRowModified(int row, bool modified);
  bool GetRowEnabled(int row) const;
  TIntList* ModifiedRows() { return modifiedRows_.get(); }
  TIntList* DisabledRows() { return disabledRows_.get(); }
  // Repainting: the areas are invalidated, nothing is drawn at once.
  void RepaintCell(int col, int row);
  void RepaintRow(int row);
  void RepaintCol(int col);
  void RepaintRect(const fw::TRect& cells);
  void RepaintActiveCellHeaders(int col1, int row1, int col2, int row2);
  // Current cell and scrolling.
  int GetRow() const { return Row(); }
  int GetTopRow() const { return TopRow(); }
  // Rows outside FixedRows .. RowCount - 1 are ignored.
  void SetTopRow(int row);
  void MoveToCell(int col, int row) { MoveColRow(col, row, true, true); }
  void SelectSingleCell(int col, int row) { SetSelection(fw::TGridRect{col, row, col, row}); }
  void ScrollInView(int col, int row);
  bool LastRowFitsAboveSearchFooter();
  void ScrollAboveSearchFooter();
  // The selection moves just outside the grid until RestoreSelection.
  void HideSelection();
  void RestoreSelection();
  bool SelectionHidden() const { return selectionHidden_; }
  fw::TInplaceEdit* GetInplaceEditor() const { return InplaceEditor(); }
  void CreateMetroScrollControls();
  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TAutoInsertRowEvent OnRowDisjunctSelected;
  TRowChangedEvent OnRowUpdate;
  // Highlighting search matches with a tag ("hi" for columns and the whole grid).
  void HighlightInRange(const std::string& text, const std::string& tag, bool caseSensitive, int col1, int row1,
                        int col2, int row2);
  void UnHighlightInRange(const std::string& tag, int col1, int row1, int col2, int row2);
  void HighlightInColumn(bool fixedCells, bool caseSensitive, int col, const std::string& text);
  void UnHighlightInColumn(bool fixedCells, int col);
  void HighlightInGrid(bool fixedCells, bool caseSensitive, const std::string& text);
  void UnHighlightInGrid(bool fixedCells);
  // The advance to the next cell after an edit. It never walks on without end: when no cell of one pass
  // over the advance order accepts editing, the current cell stays and no event of the move fires.
  void AdvanceEdit(int col, int row, bool force, bool autoEdit, bool forward, bool retry, bool edit);
  // Editing moves to the next control of an HTML cell.
  void StartControlEdit(int col, int row, const std::string& controlId);
  TAutoAdvanceEvent OnAutoAdvance;
  TCellChangingEvent OnCellChanging;
  TAutoAddRowEvent OnAutoAddRow;
  TAutoInsertColEvent OnAutoInsertCol;
  // The cell from which the last advance started.
  fw::TPoint MoveOrigin() const { return moveOrigin_; }
  bool Advancing() const { return advancing_; }
  // Row swap (sorting), the selection test and text, rotated text placement and a range's repaint.
  virtual void SwapRows(int row1, int row2);
  // False on fixed cells.
  bool IsSelected(int col, int row);
  // Tab-separated cells, rows separated by CR LF, none after the last.
  void GetSelectionAsText(std::string& text);
  void PlaceRotatedText(fw::TRect& rect, int angle, int vAlign, int hAlign, const std::string& text);
  void InvalidateGridRect(const fw::TGridRect& cells);
  // Copying cell line breaks encoded into the selection text.
  bool CopyLineBreaks = false;
  bool Multilinecells = false;
  // Later work fills these: adding rows, control cells, update lock, change reports, cell editors.
  virtual void CanAddRow(bool& canAdd);
  void AppendRow();
  int FirstAdvanceCol();
  int VisibleFixedRightCols();
  void CellsChanged(const fw::TRect& cells);
  void UpdateCellControls(bool rebuild);
  void ShowControlEditor(const std::string& cellText, const std::string& controlType, int row, int col,
                         const fw::TRect& rect, const std::string& value, const std::string& controlId);
  fw::TGridRect GetSelection() const { return Selection(); }
  // ---- Construction, window, loading, copying and geometry ------------------------------------------
  // Every grid made sets it again: the cursor shown over HTML anchors, for the whole process.
  static fw::TCursor AnchorCursor;
  // Copies another string grid's settings, sizes and cells in a fixed order; any other source changes
  // nothing.
  void Assign(fw::TPersistent* Source) override;
  // A pending skip (set by the cell selection) swallows one call.
  void Invalidate() override;
  // With IntegralHeight the height is cut to whole rows (outside BeginUpdate/EndUpdate).
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor value);
  // With ScrollBarAlways a bar whose content fits stays shown, disabled; with saNone and force it is
  // hidden. A bar whose content does not fit is enabled.
  void UpdateScrollBarsAlways(bool force);
  // The control itself when it is a form, else the form of its parent chain; nullptr without one.
  static fw::TCustomForm* GetParentForm(fw::TControl* control);
  // The column-order list: position p holds the index the column now at p had when it was last filled.
  TIntList* ColumnOrder() { return columnOrder_.get(); }
  void ResetColumnOrder();
  // Shows every column and moves the columns back into the column-order list's order.
  void RestoreColumnOrder();
  // Counted only: painting and the rules that look at it wait while the count is above 0.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate() { if (updateCount_ > 0) --updateCount_; }
  const TGridPlatformFlags& PlatformFlags() const { return platform_; }
  // Read when the window is made: the wheel's message and the rows one notch scrolls.
  UINT WheelMessage() const { return wheelMessage_; }
  int WheelScrollLines() const { return wheelScrollLines_; }
  bool LoadedOnce() const { return loadedOnce_; }
  // The grid's own edit-mask text, the start of GetEditMask.
  std::string EditMask;
  TGetEditMaskEvent OnGetEditMask;

  TGridLook Look() const { return look_; }
  TScrollType ScrollType() const { return scrollType_; }
  void SetScrollType(TScrollType value);
  // Kept in the grid and handed to the framework.
  fw::TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(fw::TScrollStyle value);
  int ScrollWidth = 0;
  TScrollBarAlways ScrollBarAlways = saNone;
  TScrollHintType ScrollHints = shNone;
  bool ScrollProportional = false;
  bool ScrollSynch = false;
  bool ShowSelection = true;
  bool Flat = false;
  bool SelectionColorMixer = false;
  TVAlignment VAlignment = vtaTop;
  TEditorType DefaultEditor = edNormal;
  THoverFixedCells HoverFixedCells = hfNone;
  TInvalidEntryIcon InvalidEntryIcon = ieWarning;
  std::string InvalidEntryTitle;
  std::string InvalidEntryText;
  TFilterDropDownColumns FilterDropDownColumns = fdNormal;
  bool ActiveCellShow = false;
  bool AnchorHint = false;
  bool AutoNumAlign = false;
  bool AutoSize = false;
  bool AutoThemeAdapt = false;
  fw::TStringList* ColumnHeaders() { return columnHeaders_.get(); }
  fw::TStringList* RowHeaders() { return rowHeaders_.get(); }
  fw::TStringList* LookupItems() { return lookupItems_.get(); }

  // ---- Dimensions and fixed areas ----------------------------------------------------------------------
  void SetColCount(int value);
  // As FixedRowAlways, for columns.
  bool FixedColAlways() const { return fixedColAlways_; }
  void SetFixedColAlways(bool value) { fixedColAlways_ = value; }
  int FixedCols() const;
  void SetFixedCols(int value);
  int LargestColCount() const { return largestColCount_; }
  // The counts with the hidden columns (rows).
  int GetAllColCount();
  int AllRowCount();
  // Columns at the right edge and rows at the bottom that count as fixed.
  int FixedRightCols() const { return fixedRightCols_; }
  void SetFixedRightCols(int value);
  int FixedFooters() const { return fixedFooters_; }
  void SetFixedFooters(int value);
  // Read from column 0; a value equal to the default column width changes nothing.
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int value);
  // Remembered; equal to DefaultRowHeight it sizes every row, else the fixed rows.
  int FixedRowHeight() const { return fixedRowHeight_; }
  void SetFixedRowHeight(int value);
  fw::TAlignment DefaultAlignment() const { return defaultAlignment_; }
  void SetDefaultAlignment(fw::TAlignment value);
  bool WordWrap() const { return gridWordWrap_; }
  void SetWordWrap(bool value);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value);
  // The current column; a synchronised grid that follows columns takes it too.
  void SetCol(int value);
  // The cells the file operations cover.
  bool SaveFixedCells = true;
  bool SaveFixedCols = false;
  bool SaveFixedRows = false;
  int SaveColStart() const;
  int SaveRowStart() const;
  int SaveColEnd() const;
  int SaveRowEnd() const;
  int SaveColCount() const;
  int SaveRowCount() const;
  // The cell under a screen point; -1 outside the cells.
  void CellAtScreenPoint(fw::TPoint point, int& col, int& row);
  // Whether a client point is within 3 pixels of a sizable edge of a fixed cell.
  bool InSizingZone(int x, int y);
  // What the flat scroll bars take from ScrollType, ScrollColor and ScrollWidth.
  struct TFlatBarStyle {
    int Mode = -1;  // the common controls' FSB_ mode; -1 leaves it
    fw::TColor Background = kColorNotSet;
    int Width = 0;
  };
  TFlatBarStyle FlatScrollBarStyle() const;
  // Hands the style to the flat bars through SetFlatScrollProp (nothing while the flat state is off).
  void ApplyFlatScrollBarStyle();
  void RepaintFloatingFooter();
  TColumnSizeEvent OnColumnSize;
  TRowSizeEvent OnRowSize;

  // ---- Virtual operations the string grid adds (the other topics' come between them, in this order) ----
  // Calculates the floating footer's row for one column, or every column for -1.
  virtual void UpdateFooter(int col);
  // The smallest rectangle of columns and rows holding every cell with text; (0, 0, 0, 0) without any.
  virtual void GetUsedRect(fw::TRect& rect);
  // Copies another string grid's cells; any other source changes nothing.
  virtual void CopyFromGrid(fw::TPersistent* Source);
  virtual void UpdateFooterRow(int col);

  // ---- Style interfaces ------------------------------------------------------------------------------
  void SetComponentStyle(int Style) override { ApplyStyle(Style); }
  void SetColors(const TControlFaceColors& Colors) override { ApplyStyleColors(Colors); }
  void ApplyStyle(int Style);
  void ApplyStyleColors(TControlFaceColors Colors);
  const TControlFaceColors& FaceColors() const { return faceColors_; }

  // ---- The wheel's view of the grid ------------------------------------------------------------------
  int Row() const override { return TBaseGrid::Row(); }
  void SetRow(int Value) override;
  int RowCount() const override { return TBaseGrid::RowCount(); }

  // Cell queries: each fires its event; a derived grid overrides the operation
  virtual void GetCellHint(int col, int row, std::wstring& wideHint, std::string& hint);
  virtual void GetCellColor(int col, int row, fw::TFont* font, fw::TBrush* brush, fw::TGridDrawState state);
  virtual void GetCellPrintColor(int col, int row, fw::TBrush* brush, fw::TFont* font, fw::TGridDrawState state);
  virtual void GetCellBorder(int col, int row, TCellBorders& borders, fw::TPen* pen);
  virtual void GetCellPrintBorder(int col, int row, fw::TPen* pen, TCellBorders& borders);
  virtual void GetAlignment(int col, int row, fw::TAlignment& hAlign, TVAlignment& vAlign);
  virtual void GetCellFormat(int col, TSortStyle& style, std::string& prefix, std::string& suffix);
  virtual void GetCellEditorSpin(int col, int row, TEditorType& editor);
  virtual void GetCellEditorCombo(int col, int row, TEditorType& editor);
  // False without OnGetEditorType; else whether the event turns edNormal into edNone.
  virtual bool HasEditorNone(int col, int row);
  // Fires OnIsFixedCell only for a cell the fixed rules leave normal.
  virtual void IsFixedCell(int col, int row, bool& fixed);
  virtual void DoCanEditCell(int col, int row, bool& canEdit);
  // Through the base cell: its ReadOnly mark, the editing switches, then DoCanEditCell.
  virtual void CanEditCellEx(int col, int row, bool& canEdit);
  virtual void DoIsPasswordCell(int col, int row, bool& password);
  virtual void DoGetWordWrap(int col, int row, bool& wordWrap);
  virtual bool HasComboBox(int col, int row);
  // Never in fixed rows and columns (the event is not asked there).
  virtual bool HasSpinEdit(int col, int row);
  virtual void GetCheckTrue(int col, int row, std::string& text);
  virtual void GetCheckFalse(int col, int row, std::string& text);
  // Fills DistinctValues() with the values the column's filter drop-down offers; true when there are any.
  virtual bool GetColumnFilter(int col);
  virtual void GetCellCursor(int col, int row, int x, int y);
  virtual void SearchFooterAction(const std::string& text, int col, int row, TSearchAction action);
  virtual void ButtonClick(int col, int row);
  // Fires OnExpandClick, then sets the row's height for the new state.
  virtual void ExpandClick(int col, int row, bool expanded);
  virtual void ComboCloseUp(fw::TGridCoord cell);
  virtual void ComboDropDown(fw::TGridCoord cell);

  // Cell accessors: colours, fonts, check state, real rows and wide text
  bool IsPasswordCell(int col, int row);
  // False unless editing is on (goEditing, RangeSelectAndEdit or EditingSuspended); then CanEditCellInt.
  bool CanEditCell(int col, int row);
  // Editable through CanEditCellEx and not fixed through IsFixedCell, asked of the base cell.
  bool CanEditCellInt(int col, int row);
  // True when the cell holds a check kind, with its state; with hidden rows the row is a real row.
  bool GetCheckBoxStateEx(int col, int row, fw::TCheckBoxState& state);
  // The texts kept for a hidden row; nullptr when the row is shown.
  fw::TStrings* RealRowHiddenStrings(int realRow);
  std::string RealRowText(int col, int realRow);
  fw::TObject* RealRowObject(int col, int realRow);
  fw::TControl* GetCellControl(int col, int row);
  fw::TColor GetCellBrushColor(int col, int row);
  bool GetCellReadOnly(int col, int row);
  void SetCellBrushColor(int col, int row, fw::TColor color);
  void SetCellBrushColorTo(int col, int row, fw::TColor color);
  void SetCellFontColor(int col, int row, fw::TColor color);
  // From FixedCols over every column, hidden ones too; clNone takes the colour back, freeing a cell's
  // properties only when nothing but defaults remains in them.
  void SetRowBrushColor(int row, fw::TColor color);
  void SetRowBrushColorTo(int row, fw::TColor color);
  void SetRowFontColor(int row, fw::TColor color);
  // The fixed-cell colour set's first four colours, stored as RGB; the grid repaints.
  void SetFixedCellColorFrom(fw::TColor color);
  void SetFixedCellColorTo(fw::TColor color);
  void SetFixedCellColorMirrorFrom(fw::TColor color);
  void SetFixedCellColorMirrorTo(fw::TColor color);
  std::wstring GetCellWideText(int col, int row);
  // Written raw: no merge redirection, no repaint.
  void SetCellWideText(int col, int row, const std::wstring& text);
  std::string GetStrippedCell(int col, int row);
  // Sorted, duplicates ignored: the values GetColumnFilter gathers.
  fw::TStringList* DistinctValues() { return distinctValues_.get(); }
  TVxHintInfo* OfficeHint() { return officeHint_.get(); }
  void SetOfficeHint(TVxHintInfo* value) { officeHint_->Assign(value); }
  // Set while editing is on but the selected cell may not be edited; counts as editing being on.
  bool EditingSuspended = false;
  // The date editors' events, relayed for the current cell.
  void DateTimePickerChange(fw::TDateTime value);
  void DatePickerChange(fw::TDateTime value, bool editsTime);
  void DatePickerCloseUp();
  // Styles the picker's month calendar and sizes it to its minimum before OnDatePickerDropDown.
  void DatePickerDropDown(HWND picker, bool showToday, bool showTodayCircle, bool weekNumbers);

  TGridHintEvent OnGridHint;
  TGridWideHintEvent OnGridWideHint;
  TOfficeHintEvent OnOfficeHint;
  TGridColorEvent OnGetCellColor;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridAlignEvent OnGetAlignment;
  TGridFormatEvent OnGetFormat;
  TGetEditorTypeEvent OnGetEditorType;
  THasComboEvent OnHasComboBox;
  THasSpinEditEvent OnHasSpinEdit;
  TIsFixedCellEvent OnIsFixedCell;
  TCanEditCellEvent OnCanEditCell;
  TIsPasswordCellEvent OnIsPasswordCell;
  TWordWrapEvent OnGetWordWrap;
  TCellCursorEvent OnGetCellCursor;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TGetColumnFilterEvent OnGetColumnFilter;
  TSearchFooterActionEvent OnSearchFooterAction;
  TButtonClickEvent OnButtonClick;
  TExpandClickEvent OnExpandClick;
  TClickCellEvent OnComboCloseUp;
  TClickCellEvent OnComboDropDown;
  TDateTimeChangeEvent OnDateTimeChange;
  TEditChangeEvent OnEditChange;
  TClickCellEvent OnDatePickerCloseUp;
  TClickCellEvent OnDatePickerDropDown;

  // Zoom, cursor, current cell, file texts and hooks
  // Adds the step to every column width and row height that stays above 0; the level stays in -10..10.
  void Zoom(int step);
  int ZoomLevel() const { return zoomLevel_; }
  bool Zooming() const { return zooming_; }
  TIntelliPan IntelliPan = ipVertical;
  fw::TPoint IntelliPanAnchor{0, 0};
  void DrawIntelliPanIcon();
  void RepaintIntelliPanIcon();
  // The control's cursor; a write is also the grid cursor that cell cursors come back to.
  fw::TCursor Cursor() const { return TBaseGrid::Cursor(); }
  void SetCursor(fw::TCursor value);
  fw::TCursor GridCursor() const { return gridCursor_; }
  void ChangeScale(int M, int D) override;
  virtual void GetCurrentCellRaw(std::string& text);
  virtual void GetCurrentCellDispl(std::string& text);
  virtual void SetCurrentCell(const std::string& text);
  virtual void SetCurrentCellEdit(const std::string& text);
  virtual void SetEditTextDispl(int col, int row, const std::string& text);
  virtual void GetCellForFilter(int col, int row, std::string& text);
  // The text file output writes for a cell, through OnSaveCell.
  virtual void SaveCell(int col, int row, std::string& text);
  // A cell read from a file: OnLoadCell, then the raw write.
  virtual void LoadCell(int col, int row, const std::string& text);
  virtual void InsertRowEx(int row);
  virtual void RemoveRowEx(int row);
  virtual void SelectionChanged(int left, int top, int right, int bottom);
  virtual void FixedEdit(int col, int row, TGridFixedCellEditor& editor, fw::TStringList* values);
  virtual void FilterDone();
  virtual void F2KeyHook();
  virtual void SelectionRectHook(const fw::TRect& rect);
  virtual void ReportEditProgress(const std::string& text, fw::TPoint caret, int selectionPos);
  virtual void EditorHook1();
  virtual bool InDesignMode(bool& designing);
  virtual void RepaintHook();
  virtual void HideEditorOption();
  virtual void EditorHook2();
  virtual void FindNotify(int stage, int index);
  virtual void PasteNotify(int stage, fw::TGridCoord cell);
  void UpdateScrollBarCell(int col, int row) override;

  TCellValueEvent OnSaveCell;
  TCellValueEvent OnLoadCell;
  TAutoDeleteRowEvent OnAutoDeleteRow;
  TSelectionChangedEvent OnSelectionChanged;
  TFixedEditEvent OnFixedEdit;
  fw::TNotifyEvent OnFilterDone;

  // Typed values and display text
  void SetInts(int col, int row, int value);
  // EVxGridError "Cell does not contain integer value"; blanks around, "" and "-" read as 0.
  int GetInts(int col, int row);
  void SetFloats(int col, int row, double value);
  // EVxGridError "Cell does not contain a float value"; the text as a displayed number.
  long double GetFloats(int col, int row);
  long double GetRealRowFloats(int col, int realRow);
  void SetDates(int col, int row, fw::TDateTime value);
  void GetDisplText(int col, int row, std::string& text) override;
  bool CellIsWide(int col, int row);
  bool IsSortIndicatorCell(int col, int row);
  void SetColumnHeaders(fw::TStrings* value);
  void SetRowHeaders(fw::TStrings* value);
  void EmptyColumnHeaderCells();
  void WriteColumnHeaders();
  void EmptyRowHeaderCells();
  void WriteRowHeaders();

  // A nil list changes nothing.
  void SetLookupItems(fw::TStrings* value);
  void SetFixedFont(fw::TFont* value);
  // The component version, four numbers joined by "."; the write does nothing.
  std::string Version();
  void SetVersion(const std::string&) {}
  // Links are marked in the display text while set.
  bool URLShowInText = false;
  fw::TNotifyEvent OnRichEditSelectionChange;
  void RichEditSelectionChanged();

  // Until their own work lands: repainting, rows, hidden-column maps, the version number
  // and the settings of the count and fixed-area writers
  virtual void InsertRows(int row, int count, bool adjustControls = true);
  virtual void RemoveRows(int row, int count);
  void ClearRows(int row, int count);
  virtual void HideCellEditor();
  void UpdateVertScrollBar();
  void UpdateHorzScrollBar();
  void MoveFocusWindow();
  virtual std::uint32_t VersionAsNumber();
  bool FilterDropDownAuto = false;

  // ---- Cell drawing: the painting events, the state the painter reads, the font and graphic layout ----
  TGridGradientEvent OnGetCellGradient;
  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TCustomCellDrawEvent OnCustomCellDraw;
  TGridBorderPropEvent OnGetCellBorderProp;
  // Kept by the mouse handling: the fixed cell under the mouse ((-1, -1) for none), whether the mouse is
  // pressed on it and on its drop-down button, the column being moved, and a column drag over a disjunct
  // selection.
  fw::TGridCoord HoveredFixedCell{-1, -1};
  bool FixedCellPressed = false;
  bool FixedDropDownPressed = false;
  int MovingColumn = -1;
  bool DisjunctDragging = false;
  // The font a cell is measured with: the fixed or normal font, the cell's own font settings, then the
  // colour query with an empty state.
  void ApplyCellFont(int realCol, int displayCol, fw::TBrush* brush, fw::TFont* font, int row);
  // The cell's graphic (nullptr for none) with its alignment, whether the text is drawn too, and the room
  // the graphic takes.
  TCellGraphic* GetCellGraphicLayout(int realCol, int row, TCellVAlign& vAlign, TCellHAlign& hAlign, bool& drawText,
                                     int& height, int& width);
  // The cell's horizontal alignment (low byte) and vertical alignment (high byte).
  int GetCellAlignment(int col, int row);

  // Looks, style numbers, face colours and the system scheme; cell text formatting and measuring
  // Nothing happens when the look is the current one.
  void SetLook(TGridLook Value);
  virtual void ApplyStylePreset(int Style);
  void ApplyStyleToEditors(int Style);
  // Applies the style of the system's colour scheme when the scheme changed since the last call.
  void ThemeChanged();
  // The scheme ThemeChanged last saw; 10 until it first runs.
  int LastScheme() const { return lastScheme_; }
  // The cell text as shown: numbers through OnGetFloatFormat; a format that fails leaves the text.
  virtual std::string GetFormattedCell(int col, int row);
  // The width (X) and height (Y) the cell's content needs; reserveButton keeps 17 px for a button.
  void GetCellTextExtent(int realCol, int row, fw::TPoint& size, bool reserveButton, bool wrapInWidth);
  void GetCellTextExtentEx(int realCol, int displayCol, fw::TPoint& size, bool reserveButton, bool wrapInWidth,
                           int row);
  TFloatFormatEvent OnGetFloatFormat;
  // Show links with their protocol cut unless URLFull; EnhTextSize ends cut texts in an ellipsis.
  bool URLShow = false;
  bool URLFull = false;
  bool URLUnderlineOnHover = false;
  bool EnhTextSize = false;
  bool SelectionRectangle = false;
  bool SelectionResizer = false;
  // Property writers, flat scroll bars, the metro strips and the small operations beside them
  void SetShowDesignHelper(bool value);
  void SetShowModified(TShowModified* value);
  void SetBalloon(TBalloonSettings* value);
  void SetProgressAppearance(TGridProgressAppearance* value);
  void SetScrollBarAlways(TScrollBarAlways value);
  // Drawn in column 0 of the current row; a write copies the bitmap and repaints that cell.
  fw::TBitmap* RowIndicator() { return rowIndicator_.get(); }
  void SetRowIndicator(fw::TBitmap* value);
  // The colours are the HTML engine's, shared by every grid of the process.
  void SetHighlightColor(fw::TColor value);
  void SetHighlightTextColor(fw::TColor value);
  bool Hovering = false;
  // Registers the window with the theme notifier while on (at run time, with a window, not loading).
  void SetAutoThemeAdapt(bool value);
  void SetActiveCellShow(bool value);
  void SetActiveCellColor(fw::TColor value);
  void SetActiveCellColorTo(fw::TColor value);
  void SetActiveCellFont(fw::TFont* value);
  // kColorNotSet is stored but leaves the bars as they are.
  void SetScrollColor(fw::TColor value);
  void SetScrollWidth(int value);
  void SetScrollProportional(bool value);
  void SetSelectionColorTo(fw::TColor value);
  void SetSelectionMirrorColor(fw::TColor value);
  void SetSelectionMirrorColorTo(fw::TColor value);
  void SetSelectionTextColor(fw::TColor value);
  void SetSelectionColorMixer(bool value);
  void SetSelectionRectangle(bool value);
  void SetSelectionResizer(bool value);
  // Kept within 0..100.
  void SetSelectionColorMixerFactor(int value);
  void SetShowSelection(bool value);
  int MaxEditLength() const { return maxEditLength_; }
  void SetMaxEditLength(int value);
  void SetVAlignment(TVAlignment value);
  // The text-drawing flag VAlignment stands for: DT_TOP, DT_VCENTER or DT_BOTTOM.
  UINT VAlignmentFlag() const { return vAlignmentFlag_; }
  // On (not while loading): every column sized to its content, 10 pixels extra, fixed columns unmeasured.
  void SetAutoSize(bool value);
  void SetFlat(bool value);
  // The common controls' flat scroll bars, each function looked up by name at every call
  // (FlatScrollBarProc); without the library or the function nothing happens. The flat state is on from a
  // successful InitFlatScrollBars to DoneFlatScrollBars, and the calls below it need it on.
  bool FlatScrollBarsOn() const { return flatScrollBarsOn_; }
  void InitFlatScrollBars();
  void DoneFlatScrollBars();
  void SetFlatScrollInfo(int bar, const SCROLLINFO& info, bool redraw);
  void SetFlatScrollProp(int index, INT_PTR value, bool redraw);
  void FlatShowScrollBar(int bar, bool show);
  void SyncFlatVScrollBar();
  void SyncFlatHScrollBar();
  // Style, colour and width, then each bar shown and synchronised while its rows (columns) do not fit.
  void UpdateFlatScrollBars();
  // The metro strips (nullptr unless ScrollType is ssMetro and the window exists).
  TScrollControl* VertScrollControl() const { return vertScrollControl_; }
  TScrollControl* HorzScrollControl() const { return horzScrollControl_; }
  // With ActiveCellShow the headers, where the active cell is marked, repaint too.
  void SetSelection(const fw::TGridRect& rect);
  virtual void AddRow();

  // Cell graphics, check boxes, radio groups and cell objects
  virtual TCellType GetCellType(int col, int row);
  virtual TCellGraphic* GetCellGraphic(int col, int row);
  // A new, empty graphic for the cell; the one it held is freed first (a shared one only detached).
  TCellGraphic* CreateCellGraphic(int col, int row);
  bool RemoveCellGraphic(int col, int row);
  bool RemoveCellGraphicOfType(int col, int row, TCellType kind);
  // The room the graphic takes in the cell; (0, 0) without one.
  virtual void GetCellGraphicSize(int col, int row, int& width, int& height);
  virtual void GetPrintGraphicSize(int col, int row, int targetWidth, int targetHeight, double scale, int& width,
                                   int& height);
  // The grid's row-selection box that column 0 shows while MouseActions.HotmailRowSelect is on.
  TCellGraphic* RowCheckBox() { return rowCheckBox_.get(); }
  // Not owned; forgotten when the list is freed.
  fw::TCustomImageList* GridImages() const { return gridImages_; }
  void SetGridImages(fw::TCustomImageList* value);
  TSizeWhileTyping* SizeWhileTyping() { return sizeWhileTyping_.get(); }
  TColumnSize* ColumnSize() { return columnSize_.get(); }
  THTMLSettings* HTMLSettings() { return htmlSettings_.get(); }
  TPrintSettings* PrintSettings() { return printSettings_.get(); }
  // Kind tests: false for a negative column or row and for a cell without a graphic; all but
  // IsRadioButton and IsControlCell ask the base cell of a merged area.
  bool IsCellOfKinds(int col, int row, fw::Set<TCellType> kinds);
  bool IsRadio(int col, int row);
  bool IsExpand(int col, int row);
  bool IsRating(int col, int row);
  bool IsScrollBarCell(int col, int row);
  bool IsButton(int col, int row);
  bool HasCheckBox(int col, int row);
  bool IsRadioButton(int col, int row);
  bool IsControlCell(int col, int row);
  bool IsScrollBarActive(int col, int row);
  // Readers: a cell of another kind gives false, -1, nil or the neutral value named.
  bool CellHasComment(int col, int row, std::string& comment);
  bool CellIsRotated(int col, int row, int& angle);
  // (0, 0) without a graphic.
  void GetCellMarker(int col, int row, int& position, int& length);
  bool GetBalloonInfo(int col, int row, std::string& title, std::string& text, int& icon);
  // 0x1FFFFFFF when the cell holds no shape.
  fw::TColor GetShapeValue(int col, int row);
  void SetShapeValue(int col, int row, fw::TColor value);
  TIntList* GetCellImageIndexes(int col, int row);
  // Cells sharing one bitmap or icon get equal keys; -1 for kinds without an image.
  std::intptr_t GetCellImageKey(int col, int row);
  // Radio groups and radio buttons.
  bool GetRadioIndex(int col, int row, int& index);
  bool SetRadioIndex(int col, int row, int index);
  fw::TStrings* GetRadioItems(int col, int row);
  void ToggleRadio(int col, int row, bool checkEditing);
  bool SetRadioButtonState(int col, int row, bool checked);
  void SetRadioButtonColumn(int col, int row);
  virtual bool ToggleRadioButton(int col, int row, bool checkEditing);
  // Check boxes of the five kinds; rows named realRow count hidden rows.
  bool GetCheckBoxState(int col, int realRow, bool& state);
  bool SetCheckBoxState(int col, int realRow, bool state);
  bool ChangeCheckBoxState(int col, int row, bool state);
  bool SetTriStateCheckBoxState(int col, int realRow, fw::TCheckBoxState state);
  virtual bool ToggleCheckBox(int col, int row, bool checkEditing);
  // Whether a client point hits the check-box glyph (anywhere in the cell without PreciseCheckBoxCheck).
  bool IsInCheckBox(int col, int row, int x, int y);
  virtual void CheckBoxChange(int col, int row, bool state);
  // Push and expand buttons.
  void SetButtonDown(int displayCol, int row, bool down);
  fw::TRect GetCellGraphicRect(int displayCol, int row);
  fw::TRect GetExpandRect(int col, int row);
  bool ToggleExpand(int col, int row);
  int GetExpandHeight(int col, int row, bool expanded);
  // In-cell scroll bars: -1 and (-1, -1) for other cells.
  void SetScrollBarPosition(int col, int row, int position);
  int GetScrollBarPosition(int col, int row);
  void SetScrollBarRange(int col, int row, TScrollBarRange range);
  TScrollBarRange GetScrollBarRange(int col, int row);
  // Events of cell objects.
  virtual bool RatingChange(int col, int row, double& newRate);
  virtual void ColorSelect();
  virtual void ImageSelect();
  TCheckBoxClickEvent OnCheckBoxChange;
  TRatingChangeEvent OnRatingChange;
  TColorSelectEvent OnColorSelect;
  TImageSelectEvent OnImageSelect;

  // Auto-sizing: columns and rows sized to their content within the size limits. The lower limits become
  // 10 and DefaultRowHeight once the grid is loaded; an upper limit of 0 means none.
  int ColWidthLowerLimit = 0;
  int ColWidthUpperLimit = 0;
  int RowHeightLowerLimit = 0;
  int RowHeightUpperLimit = 0;
  // Sizing one column or row only ever enlarges it.
  bool AutoSizeNoShrink = false;
  // Every column (from FixedCols to before the fixed right columns unless includeFixed), then the extra.
  void AutoSizeColumns(bool includeFixed, int extraWidth);
  void AutoSizeCol(int col, int extraWidth);
  void AutoSizeColInt(int col, bool growOnly);
  void AutoSizeRow(int row, int extraHeight);
  void AutoSizeRowInt(int row, bool growOnly);
  // lines x (h + h / 8) + extra, h the height of "gh" in the font of cell (FixedCols, row).
  void SizeRowToLines(int row, int lines, int extraHeight);
  // Columns and rows together; rows only grow.
  void AutoSizeCells(bool includeFixed, int extraWidth, int extraHeight);
  // The most text lines of the row's cells, at least 1 (1 unless Multilinecells).
  int MaxLinesInRow(int row);
  // The cell inset on both sides.
  int GetXMargins();
  int GetYMargins();
  // The width a column is about to get, offered to OnUpdateColumnSize.
  virtual void UpdateColumnSize(int col, int& width);
  TUpdateColumnSizeEvent OnUpdateColumnSize;
  // Cell renderers: the background picture, link display, the grid's image list and the glyph painters.
  TBackGround* BackGround() { return backGround_.get(); }
  void SetBackGround(TBackGround* value);
  // The link display switches; URLShow and URLShowInText repaint on change, URLColor and URLFull while
  // URLShow is on.
  void SetURLShow(bool value);
  void SetURLColor(fw::TColor value);
  void SetURLFull(bool value);
  void SetURLShowInText(bool value);
  bool URLEdit = false;
  // The image index of a ctImageList cell while GridImages is set; false otherwise.
  bool GetCellImageIndex(int col, int row, int& index);
  void SetCellImageIndex(int col, int row, int index);
  void DrawCheckBoxGlyph(fw::TRect rect, bool checked, fw::TCheckBoxState checkState, bool triState,
                         TControlStyle style, bool grayed, bool enabled);
  // Count items of a radio group (one for a radio button); with index -1 the item equal to the cell text
  // is on.
  void DrawRadioGroup(fw::TCanvas* canvas, fw::TRect rect, bool upward, int zoom, TControlStyle style, int row,
                      int col, bool selected, fw::TStrings* items, bool disabled, bool horizontal, int index,
                      int count);
  void DrawRichTextCell(int col, int row, const fw::TRect& rect, fw::TCanvas* canvas);
  // The client area outside the cells, in the background picture or gradient.
  void PaintBackGroundOutsideCells();
  void DrawBackGroundFixed(const fw::TRect& rect);
  void DrawBackGroundTiled(const fw::TRect& rect);
  // Told of the glyphs, frames, themed parts and shapes the renderers draw (a test seam; null in the
  // program): what was drawn, where, and a number that tells it apart (a style, state or colour).
  static TCellPaintProbe CellPaintProbe;
  // A selected rich-text cell keeps its own text colours.
  bool SelectionRTFKeep = false;
  // The grid's hidden rich-text renderer (none yet) and how a cell's text gets into it.
  fw::TRichEdit* GetRichRenderer();
  void LoadCellIntoRichEdit(int col, int row, fw::TRichEdit* richEdit);
  // Forgets GridImages when it is freed.
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  // Until the node work lands (node_painting_standin.cpp): the node settings and a row's tree-line shape.
  TCellNode* CellNode();
  int GetNodeLine(int row);


 protected:
  void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState state) override;
  // The owner form resized; subscribed at construction.
  virtual void FormResize(fw::TObject* Sender);

  // ---- Window, loading and the framework's hooks -----------------------------------------------------
  void CreateWnd() override;
  void Loaded() override;
  void Resize() override;
  void CalcSizingState(int X, int Y, fw::TGridState& State, int& Index, int& SizingPos, int& SizingOfs) override;
  std::string GetEditMask(int ACol, int ARow) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  // Draws the frame in BorderColor.
  void DrawBorderFrame();
  // The cell selection sets it to skip the next Invalidate.
  bool skipNextInvalidate_ = false;

  // Cell queries: a cell's defaults as the painter resolves them
  void GetCellDefaults(int col, int row, TCellGradientDirection& gradientDirection, bool& wordWrap,
                       TVAlignment& vAlign, fw::TAlignment& hAlign, fw::TColor& colorMirrorTo,
                       fw::TColor& colorMirror, fw::TColor& colorTo, fw::TBrush* brush, fw::TFont* font) override;
  // Typed values and display text: the column-headers hook
  virtual void ColumnHeadersChanged();

  // ---- Cell drawing ----------------------------------------------------------------------------------
  void Paint() override;
  void ResolveCellVisuals(int col, int row, TCellGradientDirection& gradientDirection, bool& wordWrap,
                          TVAlignment& vAlign, fw::TAlignment& hAlign, fw::TFont* font, fw::TColor& colorMirrorTo,
                          fw::TColor& colorMirror, fw::TColor& colorTo, fw::TBrush* brush, bool realColumn,
                          bool withSelection, bool printing, fw::TGridDrawState& state) override;
  // Told at the end of every paint; nothing by default.
  virtual void AfterPaint();
  // The cell's own border lines on the sides its border query asks for.
  void DrawCellBorders(int realCol, int row, const fw::TRect& rect);
  // The text step of the cell content.
  void DrawCellText(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState state);
  // The image list of a cell's image graphics; nullptr for none.
  virtual fw::TCustomImageList* GetCellImageList(int col, int row);
  // Whether a fixed column's header offers a drop-down button.
  bool CanShowFixedDropDown(int col);
  // Set by the editing code while a cell editor is shown: the paint frames the current cell.
  bool editorFrameShown_ = false;
  // Property writers and flat scroll bars: the floating footer's repaint
  void UpdateFloatingFooter() override;

  // Cell renderers: a cell's graphic on its placed rectangle (which it may change for the steps after it)
  // and the background picture inside a cell.
  void DrawCellGraphic(fw::TCanvas* canvas, int col, int row, fw::TRect& rect, TCellGraphic* graphic,
                       TCellVAlign vAlign, fw::TGridDrawState state);
  void DrawCellBackGroundFixed(fw::TCanvas* canvas, const fw::TRect& rect);
  void DrawCellBackGroundTiled(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect);
  void DrawCellBackGroundGradient(fw::TCanvas* canvas, const fw::TRect& rect);
  // The node glyph of a node row's column 0, and the tree lines of the other rows there.
  void DrawNodeGlyph(fw::TCanvas* canvas, int row, const fw::TRect& rect, const TCellGraphic* graphic,
                     fw::TGridDrawState state);
  void DrawTreeLines(fw::TCanvas* canvas, int row, fw::TRect& rect);
  // The width of the text the text step drew in the cell being painted (+ 2; 0 for none).
  int drawnTextWidth_ = 0;
  void KeepDrawnTextWidth(int width);
  // The cell's number for a graphic; a text that is no number reads as 0.
  int CellIntegerOrZero(int realCol, int row);
  double CellFloatOrZero(int realCol, int row);
  void DrawRotatedCellText(fw::TCanvas* canvas, int realCol, int row, const fw::TRect& cell, int angle);
  void DrawCellButton(fw::TCanvas* canvas, int realCol, int row, const fw::TRect& cell, const fw::TRect& inner,
                      const fw::TRect& placed, TCellGraphic* graphic, bool canEdit);
  void DrawCellProgress(fw::TCanvas* canvas, int realCol, int row, fw::TRect rect, TCellGraphic* graphic);
  void PaintCellBackGroundPicture(fw::TCanvas* canvas, int col, int realCol, int row, const fw::TRect& r,
                                  fw::TGridDrawState state, bool fixed);

 private:
  // Makes an owned object and tells the probe.
  template <class T, class... Args>
  T* MakeOwned(std::unique_ptr<T>& slot, const char* name, Args&&... args);
  template <class T>
  void FreeOwned(std::unique_ptr<T>& slot, const char* name);

  // Cell drawing: fixed by the cell's fixed query or by lying in the fixed columns or rows.
  bool IsFixedForDrawing(int displayCol, int realCol, int row);
  bool FixedCellHovered(int col, int row);
  void PaintFixedCellBackground(fw::TCanvas* canvas, int col, int realCol, int row, fw::TRect& r, fw::TColor colorTo,
                                fw::TColor colorMirror, fw::TColor colorMirrorTo);
  void PaintListViewHeader(fw::TCanvas* canvas, int col, int row, const fw::TRect& r);
  void PaintAlwaysVisibleButtons(fw::TCanvas* canvas, int col, int row, fw::TRect& r);
  void PaintFixedLookEdges(fw::TCanvas* canvas, fw::TRect& r);
  bool FaceColorsSet() const { return FaceColors().NormalFill != kColorNotSet; }

  std::unique_ptr<TControlLook> controlLook_;
  std::unique_ptr<TNavigation> navigation_;
  std::unique_ptr<TBands> bands_;
  std::unique_ptr<TMouseActions> mouseActions_;
  std::unique_ptr<fw::TFont> fixedFont_;
  std::unique_ptr<fw::TFont> activeCellFont_;
  std::unique_ptr<TGridProgressAppearance> progressAppearance_;
  std::unique_ptr<TSyncGrid> syncGrid_;
  std::unique_ptr<TBalloonSettings> balloon_;
  std::unique_ptr<TShowModified> showModified_;

  fw::TColor selectionColor_ = 0xEACAB6;
  TFixedCellColors fixedCellColors_;
  fw::TPoint cellMargin_{2, 2};
  std::string checkTrue_ = "Y";
  std::string checkFalse_ = "N";
  char passwordChar_ = '*';
  int currentStyle_ = 6;
  int updateCount_ = 0;
  int rememberedDefaultRowHeight_ = 0;

  fw::TCustomForm* resizeForm_ = nullptr;
  TFormResizeHub::TToken resizeToken_ = 0;

  int largestRowCount_ = 0;
  bool fixedRowAlways_ = false;
  int requestedFixedRows_ = 1;

  // Hidden columns and rows, selection lists and navigation state
  // Copies a grid row's texts, objects and height over all real columns (the column count raised by the
  // hidden columns for the duration) into an item, or back.
  void CopyRowToItem(int row, TGridItem* item);
  void CopyItemToRow(const TGridItem* item, int row);
  // Texts and objects of every real column, without freeing or repainting anything else.
  void CopyRowCells(int from, int to);
  void EmptyRowSlots(int row);
  // At destruction: the hidden rows' cell objects go to store rows beyond the counts, where the base grid
  // frees each once.
  void ReturnHiddenRowObjects();
  // The number of store entries whose index lies below row.
  int HiddenRowsBefore(int row) const;
  // One step of the advance order from (col, row); false when the step ends the advance.
  bool StepAdvance(int& col, int& row, bool forward);
  // Range walks of the highlighting.
  void HighlightWalk(const std::string& text, const std::string& tag, bool caseSensitive, bool highlight, int col1,
                     int row1, int col2, int row2);
  static std::array<std::uint8_t, 513> AllColumnsShown() {
    std::array<std::uint8_t, 513> shown{};
    shown.fill(1);
    return shown;
  }
  std::array<std::uint8_t, 513> columnVisible_ = AllColumnsShown();
  std::array<std::uint16_t, 513> hiddenColumnWidths_{};
  int hiddenColumnCount_ = 0;
  std::unique_ptr<TGridItems> hiddenRows_ = std::make_unique<TGridItems>();
  int hideLevel_ = 0;
  fw::TList rowSelectFlags_;
  fw::TList colSelectFlags_;
  fw::TGridRect savedSelection_{};
  bool selectionHidden_ = false;
  int lastUpdateRow_ = 0;
  fw::TPoint moveOrigin_{};
  bool advancing_ = false;
  bool internalMove_ = false;
  char typedChar_ = 0;
  // ---- Construction, dimensions and platform state ---------------------------------------------------
  void MakeLists();
  void FreeLists();
  void ReadWheelSettings();
  bool Loading() const { return ComponentState().Contains(fw::csLoading); }
  bool VisibleRowsFit();
  bool VisibleColsFit();

  std::unique_ptr<fw::TStringList> columnHeaders_;
  std::unique_ptr<fw::TStringList> rowHeaders_;
  std::unique_ptr<fw::TStringList> lookupItems_;
  std::unique_ptr<fw::TStringList> swapList_;
  std::unique_ptr<fw::TStringList> distinctValues_;
  std::unique_ptr<fw::TFont> spareFont_;
  std::unique_ptr<TIntList> savedColWidths_;
  std::unique_ptr<TIntList> ignoreColumns_;
  std::unique_ptr<TIntList> columnOrder_;
  std::unique_ptr<TIntList> rowIndexes_;
  std::unique_ptr<TIntList> unsortWork_;
  std::unique_ptr<TIntList> mergedColumns_;
  std::unique_ptr<TIntList> disjunctCells_;
  std::unique_ptr<TIntList> disjunctRowSelect_;
  std::unique_ptr<TIntList> modifiedRows_;
  std::unique_ptr<TIntList> disabledRows_;
  std::unique_ptr<TSortIndexList> sortIndexes_;
  std::unique_ptr<TControlList> controlList_;
  TGridPlatformFlags platform_;
  TControlFaceColors faceColors_;
  TGridLook look_ = glXP;
  TScrollType scrollType_ = ssNormal;
  fw::TScrollStyle scrollBars_ = fw::ssBoth;
  fw::TColor borderColor_ = 0x808080;
  fw::TAlignment defaultAlignment_ = fw::taLeftJustify;
  bool gridWordWrap_ = true;
  bool integralHeight_ = false;
  bool fixedColAlways_ = false;
  int requestedFixedCols_ = 1;
  int largestColCount_ = 0;
  int fixedRightCols_ = 0;
  int fixedFooters_ = 0;
  int fixedRowHeight_ = 0;
  UINT wheelMessage_ = WM_MOUSEWHEEL;
  int wheelScrollLines_ = 3;
  bool loadedOnce_ = false;
  int rememberedLeftCol_ = -1;
  int rememberedTopRow_ = -1;
  static constexpr UINT_PTR kGridTimer = 111;


  // Cell queries, zoom and cursor, typed values: owned objects and state
  std::unique_ptr<TVxHintInfo> officeHint_ = std::make_unique<TVxHintInfo>();
  void ColumnHeaderListChanged();
  // Writes a colour into the row's cells from FixedCols on; clNone takes it back where there are
  // properties and frees them once only defaults remain.
  void SetRowColor(int row, fw::TColor color, void (*write)(TCellProperties*, fw::TColor));
  bool HoldsOnlyDefaults(int col, int row, const TCellProperties* props);
  int zoomLevel_ = 0;
  bool zooming_ = false;
  fw::TCursor gridCursor_ = fw::crDefault;

  // Looks and style presets: helpers and the last system scheme
  void SetFixedColorSet(fw::TColor from, fw::TColor to, fw::TColor mirrorFrom, fw::TColor mirrorTo);
  void ApplyPlainLookColors(TGridLook Value);
  void SetPresetColors(fw::TColor activeFrom, fw::TColor activeTo, fw::TColor gridLines, fw::TColor fixedLines);
  int lastScheme_ = 10;

  // Cell graphics and cell objects: the shared row check box, the option objects and what stands in for
  // the node and grouping work
  std::unique_ptr<TCellGraphic> rowCheckBox_;
  fw::TCustomImageList* gridImages_ = nullptr;
  std::unique_ptr<TSizeWhileTyping> sizeWhileTyping_;
  std::unique_ptr<TColumnSize> columnSize_;
  std::unique_ptr<THTMLSettings> htmlSettings_;
  std::unique_ptr<TPrintSettings> printSettings_;
  TCellGraphic* RealRowGraphic(int col, int realRow);
  void RepaintRealRowCell(int col, int realRow);
  void RecordCheckToggle(int col, int row, bool checked);
  bool RowIsNode(int row);
  int NodeSpanOf(int row);
  bool IsNodeContracted(int row);
  int ParentNodeRow(int row);
  bool GroupingAutoCheckGroup();
  fw::TWinControl* GetColorDropDownEditor();
  fw::TWinControl* GetImageDropDownEditor();

  // Cell renderers: the background settings
  std::unique_ptr<TBackGround> backGround_;

  // Property writers, flat scroll bars and the metro strips: state
  void FreeMetroScrollControls();
  void RegisterThemeWindow(bool on);
  std::unique_ptr<fw::TBitmap> rowIndicator_;
  int maxEditLength_ = 0;
  UINT vAlignmentFlag_ = DT_TOP;
  bool flatScrollBarsOn_ = false;
  TScrollControl* vertScrollControl_ = nullptr;
  TScrollControl* horzScrollControl_ = nullptr;
};

}  // namespace ui
