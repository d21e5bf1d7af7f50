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

namespace fw {
class TCustomForm;
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

 protected:
  void PaintCellContent(fw::TCanvas* canvas, int col, int row, const fw::TRect& rect, fw::TGridDrawState state) override;
  // The owner form resized; subscribed at construction.
  virtual void FormResize(fw::TObject* Sender);

 private:
  // Makes an owned object and tells the probe.
  template <class T, class... Args>
  T* MakeOwned(std::unique_ptr<T>& slot, const char* name, Args&&... args);
  template <class T>
  void FreeOwned(std::unique_ptr<T>& slot, const char* name);

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
