// TBaseGrid: the framework's string grid with a TCellProperties per cell, made on the cell's first use and
// kept in the cell's object slot; merged areas built on them; the merge-aware cell text every user of the
// grid reads and writes; the grid-line, active-row, hover-row and selection settings; and the cell painter
// that fills a cell's background, draws its grid lines and hands the content to PaintCellContent. The
// counts, sizes, fixed areas, current cell, scrolling and paint loop are the framework grid's; its own
// grid lines and default drawing stay off. GUI thread only.
//
// Who owns a cell's properties: the slot. A TCellProperties in a slot is freed only by FreeCellPropsInRect,
// FreeCellProps, FreeAllCellProps, ReplaceCellProperties or the grid's destruction (which frees every one
// the grid holds, in rows and columns beyond the counts too). DetachCellObject, DetachRowObjects and
// DetachColumnObjects empty slots without freeing, for an operation that has already handed the object to
// another slot: row and column operations move the objects with their cells and leave each one in exactly
// one slot. The framework's raw access (SetRawCellObject, Objects, the Rows/Cols lists, whose Clear and
// Assign write the slots, and DeleteRow/DeleteColumn, which drop a line's slots) never frees either: whoever
// empties, overwrites or drops a slot that way frees its properties first or owns them. A slot may also hold an object of another class, put there raw: the grid treats such a cell as
// one without properties and never frees that object.
#pragma once

#include <functional>
#include <string>

#include "framework/controls/grid_types.h"
#include "framework/graphics/brush.h"
#include "framework/graphics/font.h"
#include "framework/rtl/exceptions.h"
#include "ui/grid/model/cell_properties.h"
#include "ui/grid/model/obj_string_grid.h"

namespace ui {

// Bad row or column numbers, and texts that are not the number asked for.
class EVxGridError : public fw::Exception {
 public:
  using Exception::Exception;
};

class TVxGridUndoRedo;

// What the painter resolves for one cell besides its font and brush, starting from the plain defaults.
struct TCellVisuals {
  TCellGradientDirection gradientDirection = GradientVertical;
  bool wordWrap = false;
  TVAlignment vAlign = vtaTop;
  fw::TAlignment hAlign = fw::taLeftJustify;
  fw::TColor colorMirrorTo = kColorNotSet;
  fw::TColor colorMirror = kColorNotSet;
  fw::TColor colorTo = kColorNotSet;
};

// Sender, the cell (real column), and the text shown for it, to be changed in place.
using TGetDisplTextEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetDisplWideTextEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, std::wstring& Value)>;

class TBaseGrid : public TObjStringGrid {
 public:
  explicit TBaseGrid(fw::TComponent* AOwner);
  ~TBaseGrid() override;

  // ---- Cell store ------------------------------------------------------------------------------------
  // A TCellProperties in the slot of a cell inside the grid (column below GetColCountEx, row below RowCount).
  bool HasCellProperties(int col, int row);
  // The cell's properties; missing ones are made with the cell's defaults (GetCellDefaults). No bounds
  // check: a negative index raises the cell store's EListError, and a cell beyond the counts gets its
  // properties in the store. EVxGridError when the slot holds an object of another class.
  TCellProperties* GetCellProperties(int col, int row);
  // Frees the properties in the slot and puts props (or nothing) there.
  void ReplaceCellProperties(int col, int row, TCellProperties* props);
  // The user's object of the cell; nullptr for a cell without properties (none are made).
  fw::TObject* GetCellUserObject(int col, int row);
  // Stores the user's object in the cell's properties; the cell's text stays as it was.
  void SetCellUserObject(int col, int row, fw::TObject* object);
  fw::TObject* GetCellGraphicObject(int col, int row);
  // Ignored while the grid is being destroyed.
  void SetCellGraphicObject(int col, int row, fw::TObject* graphic);
  static fw::TObject* PropsGraphicObject(const TCellProperties* props) {
    return props != nullptr ? props->GraphicObject : nullptr;
  }
  // The framework's cell string and object slot, without merges, display text or ownership.
  std::string GetRawCellText(int col, int row) const { return fw::TStringGrid::Cells(col, row); }
  void SetRawCellText(int col, int row, const std::string& text) { fw::TStringGrid::SetCells(col, row, text); }
  fw::TObject* GetRawCellObject(int col, int row) const { return Objects(col, row); }
  void SetRawCellObject(int col, int row, fw::TObject* object) { SetObjects(col, row, object); }
  // Empty the text and the slot of a cell (of every cell of a row or column) without freeing the object.
  void DetachCellObject(int col, int row);
  void DetachRowObjects(int row);
  void DetachColumnObjects(int col);
  // Frees the properties of the cells in the rectangle (and their graphics when those are cell graphics);
  // texts and user objects stay. Nothing before the grid made its first properties.
  void FreeCellPropsInRect(int left, int top, int right, int bottom);
  // Frees the cell's properties, not its graphic.
  void FreeCellProps(int col, int row);
  void FreeAllCellProps() { FreeCellPropsInRect(0, 0, ColCount() - 1, RowCount() - 1); }
  bool CellPropsUsed() const { return cellPropsUsed_; }
  void SetCellPropsUsed(bool value) { cellPropsUsed_ = value; }

  // ---- Merged cells ----------------------------------------------------------------------------------
  fw::TPoint BaseCellOf(int col, int row);
  bool IsBaseCell(int col, int row);
  // The cell has properties and spans of its own above 0 (any cell of a larger area).
  bool IsMergedCell(int col, int row);
  // A merged cell that is not the area's base.
  bool IsXMergedCell(int col, int row);
  bool SpansColumns(int col, int row);
  bool SpansRows(int col, int row);
  // The base cell's spans, (0, 0) outside a merged area.
  fw::TPoint CellSpan(int col, int row);
  // Wherever both rows lie in areas that span rows, those areas start on the same row (and there is one).
  bool RowsInSameMerge(int row1, int row2);
  int MergedAreaCount() const { return mergedAreaCount_; }

  // ---- Geometry --------------------------------------------------------------------------------------
  // The cell's rectangle from the widths and heights alone, placed for the current LeftCol and TopRow
  // (outside the client area when scrolled out of view).
  fw::TRect CellRectFromSizes(int col, int row);
  // The rectangle the cell shows in: its whole merged area, the cell's own otherwise.
  fw::TRect CellRectEx(int col, int row);
  // Width and height of the cell's merged area, or of the cell.
  fw::TPoint CellSize(int col, int row);
  // Repaints the cell's whole merged area (with erasing) when the window exists.
  void InvalidateCellArea(int col, int row);

  // ---- Cell text -------------------------------------------------------------------------------------
  // The text of the cell's base cell, through the display-text events for rows below DataRowCount.
  std::string GetCellEx(int col, int row);
  // Writes the base cell's text and repaints the area.
  void SetCellEx(int col, int row, const std::string& text);

  // ---- Settings --------------------------------------------------------------------------------------
  // Kept here; the framework's default drawing stays off.
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value);
  // Drawn by the cell painter; the framework's line width stays 0.
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int value);
  fw::TColor GridLineColor() const { return gridLineColor_; }
  void SetGridLineColor(fw::TColor value);
  fw::TColor GridFixedLineColor() const { return gridFixedLineColor_; }
  void SetGridFixedLineColor(fw::TColor value);
  bool ActiveRowShow() const { return activeRowShow_; }
  void SetActiveRowShow(bool value);
  fw::TColor ActiveRowColor() const { return activeRowColor_; }
  void SetActiveRowColor(fw::TColor value);
  fw::TColor ActiveRowColorTo = kColorNotSet;
  fw::TColor ActiveRowMirrorColor = kColorNotSet;
  fw::TColor ActiveRowMirrorColorTo = kColorNotSet;
  // 0 plain; 1, 2, 3 the button-face selections.
  int SelectionStyle() const { return selectionStyle_; }
  void SetSelectionStyle(int value);
  int HoverRowIndex = -1;
  bool HoverRow = false;
  fw::TColor HoverRowColor = fw::clInfoBk;
  fw::TColor HoverRowColorTo = kColorNotSet;
  bool ShowSelectionFlag = true;
  // The default of new cells' word wrap.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { wordWrap_ = value; }
  // The last row is covered by the floating footer.
  bool ReserveLastRow = false;
  // The row count last set through the string grid's RowCount; rows at or beyond it are scratch rows.
  int DataRowCount() const { return dataRowCount_; }
  int PaintPass() const { return paintPass_; }
  // The undo/redo recorder that records this grid's changes; not owned. The write links the recorder to
  // this grid; each side forgets the other when the other is freed.
  TVxGridUndoRedo* UndoRedo() const { return undoRedo_; }
  void SetUndoRedo(TVxGridUndoRedo* value);

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

  // ---- Virtual operations, in the order derived grids rely on ----------------------------------------
  virtual bool IsFixed(int col, int row);
  virtual int NodeIndent(int row);
  virtual bool GridHasNodes();

  // Cell painter entries: the whole cell as the paint loop paints it, or its background and lines alone
  // (for a picture of the cell in another canvas, such as a drag image).
  void PaintCellWithContent(fw::TCanvas* canvas, int col, fw::TGridDrawState state, const fw::TRect& rect, int row);
  void PaintCellBackground(fw::TCanvas* canvas, int col, fw::TGridDrawState state, const fw::TRect& rect, int row);

 protected:
  // The cell's content: the base grid draws its text on one line, centred both ways.
  virtual void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect,
                                fw::TGridDrawState state);
  virtual void UpdateFloatingFooter();
  virtual void GetDisplText(int col, int row, std::string& text);
  virtual void GetDisplWideText(int col, int row, std::wstring& text);
  // A new cell's defaults: the grid's font and colour, no gradient, top left, the grid's word wrap.
  virtual void GetCellDefaults(int col, int row, TCellGradientDirection& gradientDirection, bool& wordWrap,
                               TVAlignment& vAlign, fw::TAlignment& hAlign, fw::TColor& colorMirrorTo,
                               fw::TColor& colorMirror, fw::TColor& colorTo, fw::TBrush* brush, fw::TFont* font);
  virtual void UpdateScrollBarCell(int col, int row);
  virtual bool HasCellBorderEvent();
  // Everything the painter needs of one cell; the base grid leaves the values as given.
  virtual void ResolveCellVisuals(int col, int row, TCellGradientDirection& gradientDirection, bool& wordWrap,
                                  TVAlignment& vAlign, fw::TAlignment& hAlign, fw::TFont* font,
                                  fw::TColor& colorMirrorTo, fw::TColor& colorMirror, fw::TColor& colorTo,
                                  fw::TBrush* brush, bool realColumn, bool withSelection, bool printing,
                                  fw::TGridDrawState& state);

 public:
  virtual int DisplayColumnOf(int col);
  // Makes the area of colCount x rowCount cells from (col, row) one cell shown by its top-left cell.
  // Earlier areas it overlaps are overwritten cell by cell; counts below 1 change no cell.
  virtual void MergeCells(int col, int row, int colCount, int rowCount);
  // Splits the area the cell lies in; the texts of its other cells show again.
  virtual void UnmergeCells(int col, int row);
  virtual int GetColCountEx();

 protected:
  // ---- The framework's hooks -------------------------------------------------------------------------
  void Paint() override;
  void DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void TopLeftChanged() override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  bool DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) override;
  bool DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) override;

  // Moves the current cell to its base cell.
  void MoveToBaseCell();
  // The properties in the cell's slot, without making any (nullptr for a slot holding another class).
  TCellProperties* PropsAt(int col, int row);

  int dataRowCount_ = 0;

  // Undo recorder link: a recorder being freed is forgotten
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;

 private:
  TCellProperties* NewCellProperties(int col, int row);
  // The rectangles of a merged area's base cell and far corner cell; false for a cell outside an area.
  bool AreaCornerRects(int col, int row, fw::TRect& first, fw::TRect& last);
  // The base cell's properties of a cell with properties; nullptr otherwise.
  TCellProperties* BasePropsOf(int col, int row, fw::TPoint& base);
  // Runs the user's object or graphic write with a blank in an empty cell, as the cell-object writers do.
  template <class Write>
  void WithNonEmptyText(int col, int row, Write write);
  // The current cell moves without scrolling (the framework's step that follows scrolls).
  void PlaceCurrent(int col, int row);
  // Before the framework's step of an arrow key or wheel turn: out of a merged area in that direction.
  void LeaveAreaForward(bool columns);
  void LeaveAreaBackward(bool columns);
  // The cell painter: painting on draws the whole cell on the grid's canvas (its rectangle taken from the
  // grid), painting off only the background and lines into the rectangle given.
  void RunCellPainter(fw::TCanvas* canvas, int col, int row, bool painting, fw::TGridDrawState state, fw::TRect rect);
  void PaintCellFill(fw::TCanvas* canvas, int col, fw::TGridDrawState state, const fw::TRect& rect,
                     TCellGradientDirection gradientDirection, fw::TColor colorTo, fw::TColor colorMirror,
                     fw::TColor colorMirrorTo);
  void PaintCellGridLines(fw::TCanvas* canvas, int col, bool fixed, const fw::TRect& rect);
  // Frees every property object the store holds, beyond the counts too, each once.
  void FreeEveryCellProps();

  bool defaultDrawing_ = false;
  int gridLineWidth_ = 1;
  fw::TColor gridLineColor_ = 0xC0C0C0;
  fw::TColor gridFixedLineColor_ = 0x808080;
  bool activeRowShow_ = false;
  fw::TColor activeRowColor_ = fw::clInfoBk;
  int selectionStyle_ = 0;
  bool wordWrap_ = true;
  bool cellPropsUsed_ = false;
  int mergedAreaCount_ = 0;
  int paintPass_ = 1;
  TVxGridUndoRedo* undoRedo_ = nullptr;
};

}  // namespace ui
