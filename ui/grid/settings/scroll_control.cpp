#include "ui/grid/settings/scroll_control.h"

#include <algorithm>

#include "framework/rtl/arith.h"
#include "ui/controls/transparent_painting.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

constexpr int kMinThumbLength = 20;

int RoundToInt(double value) { return static_cast<int>(fw::Round(value)); }

}  // namespace

TScrollThumb ScrollThumbGeometry(int extent, int lead, int trail, int first, int fixed, int visible, int count) {
  const int track = extent - lead - trail;
  TScrollThumb thumb;
  const int scrollable = count - fixed;
  thumb.Start = lead + (scrollable > 0 ? RoundToInt(static_cast<double>(track) * (first - fixed) / scrollable) : 0);
  thumb.Length = count > 0 ? RoundToInt(static_cast<double>(track) * visible / count) : track;
  thumb.Length = std::max(thumb.Length, kMinThumbLength);
  if (thumb.Start + thumb.Length > extent) thumb.Start = extent - thumb.Length;
  return thumb;
}

TScrollControl::TScrollControl(fw::TComponent* AOwner) : TCustomControl(AOwner) {
  TControl::SetColor(0xC0C0C0);
}

TVxStringGrid* TScrollControl::Grid() const { return dynamic_cast<TVxStringGrid*>(Parent()); }

int TScrollControl::First() const {
  TVxStringGrid* grid = Grid();
  return Direction == sdVertical ? grid->TopRow() : grid->LeftCol();
}

void TScrollControl::SetFirst(int value) {
  TVxStringGrid* grid = Grid();
  if (Direction == sdVertical) {
    grid->SetTopRow(value);
  } else {
    grid->SetLeftCol(value);
  }
  Invalidate();
}

bool TScrollControl::ThumbShown() const {
  TVxStringGrid* grid = Grid();
  if (grid == nullptr) return false;
  if (Direction == sdVertical) return grid->VisibleRowCount() < grid->RowCount() - grid->TBaseGrid::FixedRows();
  return grid->VisibleColCount() < grid->ColCount() - grid->FixedCols();
}

TScrollThumb TScrollControl::Thumb() const {
  TVxStringGrid* grid = Grid();
  if (grid == nullptr) return {};
  if (Direction == sdVertical) {
    const int fixed = grid->TBaseGrid::FixedRows();
    int lead = 0;
    for (int row = 0; row < fixed; ++row) lead += grid->RowHeights(row);
    int trail = 0;
    for (int row = std::max(fixed, grid->RowCount() - grid->FixedFooters()); row < grid->RowCount(); ++row) {
      trail += grid->RowHeights(row);
    }
    return ScrollThumbGeometry(Height(), lead, trail, grid->TopRow(), fixed, grid->VisibleRowCount(),
                               grid->RowCount());
  }
  const int fixed = grid->FixedCols();
  int lead = 0;
  for (int col = 0; col < fixed; ++col) lead += grid->ColWidths(col);
  int trail = 0;
  for (int col = std::max(fixed, grid->ColCount() - grid->FixedRightCols()); col < grid->ColCount(); ++col) {
    trail += grid->ColWidths(col);
  }
  return ScrollThumbGeometry(Width(), lead, trail, grid->LeftCol(), fixed, grid->VisibleColCount(), grid->ColCount());
}

void TScrollControl::Paint() {
  if (!ThumbShown()) return;
  const TScrollThumb thumb = Thumb();
  fw::TCanvas* canvas = Canvas();
  canvas->Pen()->SetColor(Color());
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(fw::bsSolid);
  if (Direction == sdVertical) {
    canvas->Rectangle(0, thumb.Start, ScrollWidth, thumb.Start + thumb.Length);
  } else {
    canvas->Rectangle(thumb.Start, 0, thumb.Start + thumb.Length, ScrollWidth);
  }
}

// The strip lies over the grid: its background is the grid's own image under it.
void TScrollControl::WndProc(fw::TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  if (Message.Msg == WM_PAINT && Grid() != nullptr) {
    PaintTransparently(this, Message, [this](fw::TMessage& m) { TCustomControl::WndProc(m); });
    return;
  }
  TCustomControl::WndProc(Message);
}

void TScrollControl::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  TVxStringGrid* grid = Grid();
  if (grid == nullptr) return;
  const TScrollThumb thumb = Thumb();
  const int at = Direction == sdVertical ? Y : X;
  const int fixed = Direction == sdVertical ? grid->TBaseGrid::FixedRows() : grid->FixedCols();
  const int visible = Direction == sdVertical ? grid->VisibleRowCount() : grid->VisibleColCount();
  const int count = Direction == sdVertical ? grid->RowCount() : grid->ColCount();
  if (at < thumb.Start) {
    SetFirst(std::max(fixed, First() - visible));
  } else if (at >= thumb.Start + thumb.Length) {
    SetFirst(std::min(First() + visible, count - visible));
  } else {
    dragging_ = true;
    dragStart_ = at;
    dragFirst_ = First();
    SetMouseCapture(true);
  }
}

void TScrollControl::MouseMove(fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  TVxStringGrid* grid = Grid();
  if (!dragging_ || grid == nullptr) return;
  const bool vertical = Direction == sdVertical;
  const int extent = vertical ? Height() - grid->RowHeights(0) : Width() - grid->ColWidths(0);
  // A strip no longer than the first row (column) has no track to drag along.
  if (extent <= 0) return;
  const int fixed = vertical ? grid->TBaseGrid::FixedRows() : grid->FixedCols();
  const int visible = vertical ? grid->VisibleRowCount() : grid->VisibleColCount();
  const int count = vertical ? grid->RowCount() : grid->ColCount();
  const int moved = (vertical ? Y : X) - dragStart_;
  const int step = RoundToInt(static_cast<double>(moved) / extent * count);
  SetFirst(std::max(fixed, std::min(step + dragFirst_, count - visible)));
}

void TScrollControl::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (!dragging_) return;
  dragging_ = false;
  SetMouseCapture(false);
}

}  // namespace ui
