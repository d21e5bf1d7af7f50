// TVxStringGrid: the string grid as the program's windows use it: cell texts by column and row (the base
// cell inside a merged area), the row count with its fixed header row, a row's texts as the framework's
// row list, and OnDrawCell, through which a window paints over each cell after the grid drew it.
//
// Ownership: the grid owns its settings objects and fonts for its whole life; it makes them at
// construction in a fixed order and frees each once in its destructor. The settings objects keep a
// reference to the grid (as IGridSettingsOwner) that they do not own. On a form, the grid subscribes to
// the form's resize through TFormResizeHub and unsubscribes when freed. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "ui/foundation/control_style.h"
#include "ui/grid/model/base_grid.h"
#include "ui/grid/model/form_resize_hub.h"
#include "ui/grid/settings/balloon_settings.h"
#include "ui/grid/settings/bands.h"
#include "ui/grid/settings/control_look.h"
#include "ui/grid/settings/grid_settings_owner.h"
#include "ui/grid/settings/mouse_actions.h"
#include "ui/grid/settings/navigation.h"
#include "ui/grid/settings/progress_appearance.h"
#include "ui/grid/settings/show_modified.h"
#include "ui/grid/settings/sync_grid.h"
#include "ui/grid/view/cell_draw_events.h"
#include "ui/grid/view/cell_drawing_standin.h"

namespace fw {
class TCustomForm;
class TCustomImageList;
class TPen;
}

namespace ui {

// Told of every object the grid makes and frees, by name and in order (a test seam; null in the program).
using TOwnedObjectProbe = void (*)(const char* Name, bool Made);

class TVxStringGrid : public TBaseGrid, public IGridSettingsOwner {
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
  int FixedRows() const;
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

  // ---- Stand-ins of members the sibling work brings (view/cell_drawing_standin.cpp) -------------------
  TGridLook Look() const { return look_; }
  TGridLook look_ = glXP;
  bool ShowSelection = true;
  bool Flat = false;
  bool SelectionColorMixer = false;
  bool ActiveCellShow = false;
  THoverFixedCells HoverFixedCells = hfNone;
  int FixedRightCols() const { return 0; }
  int FixedFooters() const { return 0; }
  int GetAllColCount() { return GetColCountEx(); }
  const TGridPlatformFlags& PlatformFlags() const { return platform_; }
  TGridPlatformFlags platform_;
  const TControlFaceColors& FaceColors() const { return faceColors_; }
  TControlFaceColors faceColors_;
  virtual void GetCellColor(int col, int row, fw::TFont* font, fw::TBrush* brush, fw::TGridDrawState state);
  virtual void GetCellPrintColor(int col, int row, fw::TBrush* brush, fw::TFont* font, fw::TGridDrawState state);
  virtual void GetCellBorder(int col, int row, TCellBorders& borders, fw::TPen* pen);
  virtual void IsFixedCell(int col, int row, bool& fixed);
  virtual void CanEditCellEx(int col, int row, bool& canEdit);
  virtual void DoGetWordWrap(int col, int row, bool& wordWrap);
  virtual bool HasComboBox(int col, int row);
  virtual bool HasSpinEdit(int col, int row);
  virtual TCellType GetCellType(int col, int row);
  virtual TCellGraphic* GetCellGraphic(int col, int row);
  int ZoomLevel() const { return 0; }
  int RealColIndex(int col) const { return col; }
  int DisplToRealRow(int row) const { return row; }
  bool GetRowSelect(int row);
  bool GetColSelect(int col);
  bool IsSelected(int col, int row);
  bool GetRowModified(int row) const;

 protected:
  void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState state) override;
  // The owner form resized; subscribed at construction.
  virtual void FormResize(fw::TObject* Sender);

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
  bool IsDisjunctCellSelected(int realCol, int row);

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
};

}  // namespace ui
