// The multi-column drop-down's list grid: construction, the cell drawing, the keys, the wheel and the
// mouse presses and releases that pick a row.
#include "ui/dropdown/multi_column_grid.h"

#include <windows.h>

#include "framework/controls/draw_text.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/multi_column_dropdown.h"

namespace ui {

namespace {

// The header's gradient bands.
constexpr int kHeaderGradientSteps = 80;

UINT AlignmentFormat(fw::TAlignment Alignment) {
  switch (Alignment) {
    case fw::taRightJustify: return DT_RIGHT;
    case fw::taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

// Sets a flag for the scope's life and clears it at the end, however the scope ends.
class FlagScope {
 public:
  explicit FlagScope(bool& Flag) : flag_(Flag) { flag_ = true; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;
  ~FlagScope() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

TMultiColumnGrid::TMultiColumnGrid(fw::TComponent* AOwner)
    : fw::TStringGrid(AOwner),
      columns_(std::make_unique<TDropDownColumns>(this)),
      headerFont_(std::make_unique<fw::TFont>()) {
  SetFixedRows(1);
  SetFixedCols(0);
  fw::TGridOptions options = Options();
  options.Include(fw::goHorzLine);
  options.Include(fw::goRowSelect);
  options.Exclude(fw::goRangeSelect);
  options.Exclude(fw::goDrawFocusSelected);
  SetOptions(options);
  SetDefaultDrawing(false);
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetGridLineWidth(0);
  SetBorderStyle(fw::bsNone);
  // The lines this grid draws itself are one pixel wide; the framework's stay at 0.
  gridLineWidth_ = 1;
}

TMultiColumnGrid::~TMultiColumnGrid() = default;

void TMultiColumnGrid::SetImages(fw::TCustomImageList* Value) {
  if (images_ == Value) return;
  images_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TMultiColumnGrid::SetGridLineWidth(int Value) {
  gridLineWidth_ = Value;
  fw::TStringGrid::SetGridLineWidth(0);
  Invalidate();
}

void TMultiColumnGrid::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TStringGrid::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent == images_ && !ComponentState().Contains(fw::csDestroying)) {
    images_ = nullptr;
  }
}

void TMultiColumnGrid::DoSelect() {
  if (OnSelect) OnSelect(this);
}

// ---- keys, wheel and mouse ----

void TMultiColumnGrid::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
      return;
    case WM_MOUSEWHEEL:
      // The list turns its own rows before the pop-up around it sees the wheel.
      Message.Result = Perform(fw::CM_MOUSEWHEEL, Message.WParam, Message.LParam);
      return;
    default:
      break;
  }
  fw::TStringGrid::Dispatch(Message);
}

void TMultiColumnGrid::WndProc(fw::TMessage& Message) {
  // Tab goes nowhere: the key events never see it.
  if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_TAB) return;
  fw::TStringGrid::WndProc(Message);
}

void TMultiColumnGrid::KeyDown(WORD& Key, fw::TShiftState Shift) {
  confirmFlag_ = true;
  if (Shift.Contains(fw::ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
    if (dropDown_ != nullptr && dropDown_->HandleAllocated()) SendMessageA(dropDown_->Handle(), WM_KEYDOWN, Key, 0);
    return;
  }
  fw::TStringGrid::KeyDown(Key, Shift);
  if (Key == VK_RETURN) DoSelect();
}

bool TMultiColumnGrid::DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) {
  const FlagScope wheel(wheelFlag_);
  confirmFlag_ = false;
  return fw::TStringGrid::DoMouseWheelDown(Shift, MousePos);
}

bool TMultiColumnGrid::DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) {
  const FlagScope wheel(wheelFlag_);
  confirmFlag_ = false;
  return fw::TStringGrid::DoMouseWheelUp(Shift, MousePos);
}

void TMultiColumnGrid::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  confirmFlag_ = true;
  fw::TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TMultiColumnGrid::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TStringGrid::MouseUp(Button, Shift, X, Y);
  const int row = MouseCoord(X, Y).Y;
  if (row >= FixedRows() && row <= RowCount() - 1) DoSelect();
}

// ---- drawing ----

void TMultiColumnGrid::DrawCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) {
  if (dropDown_ != nullptr && dropDown_->OnDropDownDrawItem) {
    dropDown_->OnDropDownDrawItem(dropDown_, ACol, ARow, Canvas(), ARect);
    return;
  }
  PaintCell(ACol, ARow, ARect, AState);
}

void TMultiColumnGrid::PaintCell(int ACol, int ARow, const fw::TRect& ARect, fw::TGridDrawState AState) {
  fw::TCanvas* canvas = Canvas();
  fw::TRect r{ARect.Left, ARect.Top, ARect.Left + ColWidths(ACol), ARect.Top + RowHeights(ARow)};
  int segment = 3;
  if (ColCount() == 1) {
    segment = 0;
  } else if (ACol == FixedCols()) {
    segment = 1;
  } else if (ACol == ColCount() - 1) {
    segment = 2;
  }

  std::string text = Cells(ACol, ARow);
  int imageIndex = -1;
  fw::TColor background = Color();
  fw::TAlignment alignment = fw::taLeftJustify;
  bool wrap = false;
  bool ellipsis = false;
  TDropDownColumn* column = ACol < columns_->Count() ? columns_->Items(ACol) : nullptr;
  if (column != nullptr) {
    background = column->Color();
    alignment = column->Alignment();
    wrap = column->Wordwrap();
    ellipsis = column->Ellipsis();
    canvas->SetFont(column->Font());
    TDropDownItems* items = dropDown_ != nullptr ? dropDown_->Items() : nullptr;
    if (ARow > 0 && items != nullptr && ARow - 1 < items->Count()) {
      const TDropDownItem* item = items->Items(ARow - 1);
      if (column->ColumnType() == ctImage) imageIndex = item->ImageIndex();
      if (item->HasLine(ACol)) text = item->Line(ACol);
    }
  } else {
    canvas->SetFont(headerFont_.get());
  }
  if (dropDown_ != nullptr && dropDown_->OnDropDownGetItemText) dropDown_->OnDropDownGetItemText(dropDown_, ACol, ARow, text);

  const bool fixed = AState.Contains(fw::gdFixed);
  const bool selected = !fixed && AState.Contains(fw::gdSelected);
  if (fixed) {
    text = column != nullptr ? column->Header() : std::string();
    imageIndex = -1;
    if (headerColor_ != fw::clNone && headerColorTo_ != fw::clNone) {
      if (dropDown_ != nullptr) {
        dropDown_->DrawGradient(canvas, headerColor_, dropdown::gdVertical, r, kHeaderGradientSteps, headerColorTo_);
      } else {
        dropdown::DrawStepGradient(canvas, headerColor_, headerColorTo_, false, r, kHeaderGradientSteps);
      }
    } else {
      canvas->Brush()->SetColor(headerColor_);
      canvas->Brush()->SetStyle(fw::bsSolid);
      canvas->FillRect(r);
    }
  } else if (selected) {
    if (dropDown_ != nullptr) {
      dropDown_->DrawSelectionBackground(canvas, r, segment, background);
    } else {
      canvas->Brush()->SetColor(fw::clActiveCaption);
      canvas->FillRect(r);
    }
  } else {
    canvas->Brush()->SetColor(background);
    canvas->Brush()->SetStyle(fw::bsSolid);
    canvas->Pen()->SetColor(background);
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(r);
  }

  DrawLines(r, fixed);

  r = fw::TRect{r.Left + gridLineWidth_, r.Top + gridLineWidth_, r.Right - gridLineWidth_, r.Bottom - gridLineWidth_};
  fw::TRect textRect = r;
  fw::TCustomImageList* images = dropDown_ != nullptr ? dropDown_->Images() : nullptr;
  if (images != nullptr && imageIndex >= 0) {
    int y = r.Top;
    if (images->Height() < r.Height()) y += (r.Height() - images->Height()) / 2;
    images->Draw(canvas, r.Left + 2, y, imageIndex);
    textRect.Left += images->Width() + 4;
  } else {
    textRect.Left += 2;
  }
  if (text.empty()) return;
  SetBkMode(canvas->Handle(), TRANSPARENT);
  if (fixed) {
    canvas->SetFont(headerFont_.get());
  } else if (selected && dropDown_ != nullptr) {
    canvas->Font()->SetColor(dropDown_->SelectionTextColor());
  }
  UINT format = DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS | AlignmentFormat(alignment);
  format |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
  if (ellipsis) format |= DT_END_ELLIPSIS;
  fw::DrawCanvasText(canvas, text, textRect, format);
}

void TMultiColumnGrid::DrawLines(const fw::TRect& R, bool Fixed) {
  fw::TCanvas* canvas = Canvas();
  int half = 1;
  if (Fixed) {
    canvas->Pen()->SetColor(fixedLineColor_);
    canvas->Pen()->SetWidth(1);
  } else {
    if (gridLineWidth_ > 0) canvas->Pen()->SetColor(lineColor_);
    canvas->Pen()->SetWidth(gridLineWidth_);
    half = (gridLineWidth_ + 1) / 2;
  }
  const fw::TGridOptions options = Options();
  if (options.Contains(Fixed ? fw::goFixedHorzLine : fw::goHorzLine)) {
    canvas->MoveTo(R.Left - half + 1, R.Bottom - half);
    canvas->LineTo(R.Right - half + 1, R.Bottom - half);
  }
  if (options.Contains(Fixed ? fw::goFixedVertLine : fw::goVertLine)) {
    const int x = UseRightToLeftAlignment() ? R.Right - half + 1 : R.Right - half;
    canvas->MoveTo(x, R.Bottom - half);
    canvas->LineTo(x, R.Top - half);
  }
}

}  // namespace ui
