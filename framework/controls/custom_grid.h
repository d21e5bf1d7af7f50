#pragma once
// TCustomGrid: the base of every grid. It holds the structure (column and row counts, fixed columns at the
// left and fixed rows at the top, the widths and heights), the view (the first scrollable column and row in
// view, LeftCol and TopRow, and the window's scroll bars), the current cell with the selection, and the
// paint loop that hands each cell in view to DrawCell. It keeps no cell contents: TStringGrid does.
//
// Cells are laid out from the top left: the fixed columns, then the normal columns from LeftCol on, each
// followed by a grid line of GridLineWidth pixels (rows likewise). A column of negative width is hidden.
// The current cell moves only after SelectCell allowed it, whoever moves it (code included); structural
// changes that take its cell away put it back inside the grid without asking. GUI thread only.
#include "framework/controls/custom_control.h"
#include "framework/controls/grid_axis.h"
#include "framework/controls/grid_types.h"
#include "framework/controls/std_types.h"
#include "framework/forms/form_types.h"

namespace fw {

class TInplaceEdit;

class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* AOwner);

  // ---- Structure -------------------------------------------------------------------------------------
  int ColCount() const { return cols_.Count(); }
  // At least 1; fixed columns not below the new count are reduced to one less.
  void SetColCount(int value);
  int RowCount() const { return rows_.Count(); }
  void SetRowCount(int value);
  int FixedCols() const { return cols_.FixedCount(); }
  // Raises EInvalidGridOperation for a negative count or one not below ColCount.
  void SetFixedCols(int value);
  int FixedRows() const { return rows_.FixedCount(); }
  void SetFixedRows(int value);
  int DefaultColWidth() const { return cols_.DefaultSize(); }
  // Every column takes the new width.
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return rows_.DefaultSize(); }
  // Every row takes the new height.
  void SetDefaultRowHeight(int value);
  // Raise EInvalidGridOperation for an index outside the grid. Any value is stored; below 0 hides the cell.
  int ColWidths(int index) const { return cols_.Size(index); }
  void SetColWidths(int index, int value);
  int RowHeights(int index) const { return rows_.Size(index); }
  void SetRowHeights(int index, int value);
  // 0 leaves no room between cells.
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor value);
  // The row (column) goes and the ones after it move up (left); the count drops by one. Raise
  // EInvalidGridOperation for an index outside the grid.
  virtual void DeleteRow(int ARow);
  virtual void DeleteColumn(int ACol);
  // The column (row) at FromIndex takes place ToIndex with its size; ColumnMoved (RowMoved) follows.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);

  // ---- Drawing ---------------------------------------------------------------------------------------
  // The grid fills each cell's background (and draws the focus rectangle and the fixed cells' edges)
  // around DrawCell; without it DrawCell paints the whole cell.
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions value);
  // The cell's rectangle in the client area (without its lines); empty for a cell out of view.
  TRect CellRect(int ACol, int ARow) const;
  void InvalidateCell(int ACol, int ARow);

  // ---- View and selection ----------------------------------------------------------------------------
  int TopRow() const { return rows_.First(); }
  // Kept between the first normal row and the last top row that still fills the view.
  void SetTopRow(int value);
  int LeftCol() const { return cols_.First(); }
  void SetLeftCol(int value);
  // Normal rows (columns) fully in view from TopRow (LeftCol); at least 1.
  int VisibleRowCount() const;
  int VisibleColCount() const;
  // The cell under a client point; -1 for a coordinate outside the cells.
  TGridCoord MouseCoord(int X, int Y) const;
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  // The current cell. Setting it asks SelectCell, collapses the selection onto it and scrolls it into
  // view; a refusal leaves everything as it was. Raise EInvalidGridOperation outside the grid.
  int Col() const { return current_.X; }
  void SetCol(int value);
  int Row() const { return current_.Y; }
  void SetRow(int value);
  // The block between the anchor and the current cell (whole rows with goRowSelect).
  TGridRect Selection() const;
  // The current cell becomes Left/Top (asked of SelectCell), the anchor Right/Bottom. Cells outside the
  // grid are taken as they are: a selection moved off the grid shows nowhere.
  void SetSelection(const TGridRect& value);
  TGridState GridState() const { return gridState_; }

  // ---- In-place editor (custom_grid_editor.cpp) ------------------------------------------------------
  // True while the editor is shown over the current cell.
  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool value);
  // Shows the editor over the current cell when CanEditShow allows it, filled by GetEditText.
  void ShowEditor();
  // Shows the editor and types Ch into it, in place of the cell's text.
  void ShowEditorChar(char Ch);
  void HideEditor();
  // The editor once made (it stays for the grid's life); nullptr before.
  TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }

  // ---- Scrolling -------------------------------------------------------------------------------------
  // A bar shows only when there is something to scroll. While a bar has no more steps than the thumb's
  // 128 positions, a position is a row (column) past the first normal one; beyond that the thumb runs
  // over 0..127 for the whole range and maps proportionally onto TopRow (LeftCol).
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  // bsSingle (a sunken edge, the default) or bsNone.
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  // Scales every width and height and the defaults by M / D.
  virtual void ChangeScale(int M, int D);

  void Dispatch(TMessage& Message) override;

  // The last thumb position; positions beyond it map proportionally.
  static constexpr int kThumbMax = 127;
  // The scroll timer's id: it runs while selecting or moving with the mouse outside the client area.
  static constexpr UINT_PTR kScrollTimer = 1;

 protected:
  // ---- Hooks -----------------------------------------------------------------------------------------
  // Paints one cell in view; the canvas has the cell's colours and font set.
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Asked before the current cell moves to (ACol, ARow); false keeps it.
  virtual bool SelectCell(int ACol, int ARow);
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);
  // After ColCount or RowCount changed.
  virtual void SizeChanged(int OldColCount, int OldRowCount);
  // After widths (heights) changed: the base updates the scroll bars and repaints.
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  // After LeftCol or TopRow changed.
  virtual void TopLeftChanged();
  // Whether the point (client coordinates) starts sizing: gsColSizing (gsRowSizing) near the right
  // (bottom) border of a column (row) while the point lies in the fixed rows (columns) and goColSizing
  // (goRowSizing) is on; Index is the line being sized, SizingPos the border's position and SizingOfs the
  // distance from the point to it. gsNormal otherwise.
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);

  // ---- Editor protocol (custom_grid_editor.cpp) ------------------------------------------------------
  // Makes the in-place editor; asked once, the first time the editor shows.
  virtual TInplaceEdit* CreateEditor();
  // Asked before the editor shows: goEditing on, goRowSelect off and the current cell a normal one.
  virtual bool CanEditShow();
  // The text the editor starts with, its mask and its length limit (0: none).
  virtual std::string GetEditText(int ACol, int ARow);
  // The editor's text changed (every change, as it is typed).
  virtual void SetEditText(int ACol, int ARow, const std::string& Value);
  virtual std::string GetEditMask(int ACol, int ARow);
  virtual int GetEditLimit();
  // Lays the editor over the current cell again (after a move or a scroll) and refills it.
  void UpdateEditor();

  // ---- Input (custom_grid_keys.cpp, custom_grid_mouse.cpp) -------------------------------------------
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

  // Moves the current cell to (ACol, ARow) once SelectCell allowed it: with MoveAnchor (or without
  // goRangeSelect) the selection collapses onto it, else the anchor stays and the selection spans both.
  // Show scrolls the cell into view. False when SelectCell refused. Raises EInvalidGridOperation outside
  // the grid.
  bool MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  // Scrolls so that the cell is in view (a normal cell that does not fit becomes the first in view).
  void ScrollInView(int ACol, int ARow);
  // Raise EInvalidGridOperation for an index outside the grid.
  void CheckCol(int ACol) const;
  void CheckRow(int ARow) const;
  void InvalidateGridRect(const TGridRect& cells);

  void Paint() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void BoundsChanged() override;

  TGridState gridState_ = gsNormal;

 private:
  friend class TInplaceEdit;

  // Mouse (custom_grid_mouse.cpp): the grid's own handling before MouseDown/MouseMove/MouseUp run.
  void GridMouseDown(TShiftState shift, int x, int y);
  void GridMouseMove(int x, int y);
  void GridMouseUp(int x, int y);
  void GridScrollTimer();
  // Ends whatever the mouse was doing (capture lost, the grid disabled).
  void CancelGridState();
  // Draws or removes the line that shows a size or a move target (drawn inverted: twice removes it).
  void InvertTrackLine();
  // The line (column or row) of the fixed cells a move would drop on.
  int MoveTargetAt(int x, int y) const;
  bool OutsideClient(int x, int y);
  void StopScrollTimer();
  // Keys (custom_grid_keys.cpp).
  // Moves the current cell; Extend keeps the anchor (Shift with goRangeSelect).
  void MoveByKey(int col, int row, bool extend);
  bool TabToNextCell(bool backwards);
  // The paint loop's steps (custom_grid_paint.cpp).
  void PaintCell(int col, int row, const TRect& rect, const TRect& clip);
  void PaintLines(int col, int row, const TRect& rect, bool fixed);
  TGridDrawState DrawStateOf(int col, int row);
  // The client extent along an axis.
  int ClientExtent(const TGridAxis& axis) const;
  void ChangeCount(TGridAxis& axis, int value);
  // tooMany: the message for a count not below the axis's count.
  void ChangeFixedCount(TGridAxis& axis, int value, int& current, int& anchor, const char* tooMany);
  void DeleteLine(TGridAxis& axis, int index);
  // Counts or fixed counts changed: the current cell, the view and the window follow.
  void StructureChanged(int oldCols, int oldRows);
  // Puts a coordinate that fell out of a shrunk axis (or into its fixed cells) back inside.
  static void KeepInside(int& coordinate, int oldCount, const TGridAxis& axis);
  // Sets LeftCol and TopRow (clamped); TopLeftChanged when either changed.
  void MoveTopLeft(int leftCol, int topRow);
  // Sizes or the line width changed: the view, the scroll bars and the picture follow.
  void LayoutChanged();
  // Clamps the view after the structure or the client area changed.
  void ClampView() { MoveTopLeft(LeftCol(), TopRow()); }

  // Scrolling (custom_grid_scroll.cpp).
  void UpdateScrollRange();
  void ScrollMessage(TGridAxis& axis, WPARAM wParam);
  int ScrollSteps(const TGridAxis& axis) const;
  int ThumbOf(const TGridAxis& axis) const;
  int FirstOfThumb(const TGridAxis& axis, int thumb) const;

  TGridAxis cols_;
  TGridAxis rows_;
  int gridLineWidth_ = 1;
  TColor fixedColor_ = clBtnFace;
  bool defaultDrawing_ = true;
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  TScrollStyle scrollBars_ = ssBoth;
  TFormBorderStyle borderStyle_ = bsSingle;
  bool updatingScrollBars_ = false;
  // Mouse state: the line being sized or moved, the sizing border, the move target, the tracking line
  // shown, the last mouse point (for the scroll timer) and whether the timer runs.
  int sizingIndex_ = 0;
  int sizingPos_ = 0;
  int sizingOfs_ = 0;
  int moveIndex_ = 0;
  int movePos_ = 0;
  bool trackLineShown_ = false;
  TPoint lastMouse_{};
  bool scrollTimerOn_ = false;
  // Editor.
  TInplaceEdit* inplaceEdit_ = nullptr;
  bool editorMode_ = false;
  TGridCoord editCell_{-1, -1};  // the cell the editor was filled for
};

}  // namespace fw
