// TMultiColumnGrid: the table in the multi-column drop-down's pop-up, on the framework's string grid. A
// header row (one cell per column, a vertical gradient or a plain fill) over one row per item; it draws
// every cell and its grid lines itself from its own copy of the drop-down's columns and the drop-down's
// items, and reports a pick (a release over a data row, Enter) through DoSelect.
//
// The grid keeps two flags the drop-down reads: the wheel flag (on while a wheel step moves the current
// row, which then does not change the drop-down's value) and the confirm flag (the current row may be
// taken as the value when the list closes: set by a press or a key, cleared by a wheel step). It is made
// with the pop-up window, owned by its drop-down, and lives until the drop-down goes. GUI thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/controls/string_grid.h"
#include "framework/graphics/font.h"
#include "framework/graphics/image_list.h"
#include "ui/dropdown/dropdown_columns.h"

namespace ui {

class TVxMultiColumnDropDown;

// Sender is the drop-down; Row counts grid rows (0 is the header, item i is row i + 1).
using TDrawCellEvent =
    std::function<void(fw::TObject* Sender, int Column, int Row, fw::TCanvas* ACanvas, fw::TRect ARect)>;
using TGetCellTextEvent = std::function<void(fw::TObject* Sender, int Column, int Row, std::string& Text)>;
using TGetCellPropEvent = std::function<void(fw::TObject* Sender, int Column, int Row, fw::TFont* Font,
                                             fw::TColor& AColor, fw::TColor& AColorTo)>;

class TMultiColumnGrid : public fw::TStringGrid {
 public:
  explicit TMultiColumnGrid(fw::TComponent* AOwner);
  ~TMultiColumnGrid() override;

  // The owning drop-down; set when the pop-up is made.
  TVxMultiColumnDropDown* DropDown() const { return dropDown_; }
  void SetDropDown(TVxMultiColumnDropDown* Value) { dropDown_ = Value; }

  // A copy of the drop-down's columns, taken at each fill; writing copies.
  TDropDownColumns* Columns() const { return columns_.get(); }
  void SetColumns(TDropDownColumns* Value) { columns_->Assign(Value); }
  fw::TColor HeaderColor() const { return headerColor_; }
  void SetHeaderColor(fw::TColor Value) { headerColor_ = Value; }
  fw::TColor HeaderColorTo() const { return headerColorTo_; }
  void SetHeaderColorTo(fw::TColor Value) { headerColorTo_ = Value; }
  // The data cells' grid lines.
  fw::TColor LineColor() const { return lineColor_; }
  void SetLineColor(fw::TColor Value) { lineColor_ = Value; }
  // The header cells' grid lines.
  fw::TColor FixedLineColor() const { return fixedLineColor_; }
  void SetFixedLineColor(fw::TColor Value) { fixedLineColor_ = Value; }
  // Referenced; forgotten when the image list goes.
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* Value);
  int HeaderHeight() const { return headerHeight_; }
  void SetHeaderHeight(int Value) { headerHeight_ = Value; }
  fw::TFont* HeaderFont() const { return headerFont_.get(); }
  // Copies the settings.
  void SetHeaderFont(fw::TFont* Value) { headerFont_->Assign(Value); }
  // The width of the lines the grid draws itself; the framework's own lines stay at 0. Repaints.
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int Value);

  bool WheelFlag() const { return wheelFlag_; }
  bool ConfirmFlag() const { return confirmFlag_; }

  // Stored; the grid does not fire them (the drop-down's events draw and name the cells).
  TDrawCellEvent OnDrawCell;
  TGetCellPropEvent OnGetCellProp;
  TGetCellTextEvent OnGetCellText;
  // Fired by DoSelect with the grid as sender.
  fw::TNotifyEvent OnSelect;

  virtual void DoSelect();

  void WndProc(fw::TMessage& Message) override;
  void Dispatch(fw::TMessage& Message) override;

 protected:
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  bool DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) override;
  bool DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;

 private:
  // The background, lines and content of one cell (no drawing event assigned).
  void PaintCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState);
  void DrawLines(const fw::TRect& R, bool Fixed);

  TVxMultiColumnDropDown* dropDown_ = nullptr;
  std::unique_ptr<TDropDownColumns> columns_;
  fw::TColor headerColor_ = fw::clWhite;
  fw::TColor headerColorTo_ = 0x808080;
  fw::TColor lineColor_ = 0x808080;
  fw::TCustomImageList* images_ = nullptr;
  int headerHeight_ = 25;
  std::unique_ptr<fw::TFont> headerFont_;
  fw::TColor fixedLineColor_ = 0;
  int gridLineWidth_ = 1;
  bool wheelFlag_ = false;
  bool confirmFlag_ = false;
};

}  // namespace ui
