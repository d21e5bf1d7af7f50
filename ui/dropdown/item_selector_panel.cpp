// The item selector's inner panel: selection, hot item, navigation, type-ahead lookup, layout and mouse.
#include <windows.h>

#include <algorithm>

#include "framework/controls/control_canvas.h"
#include "framework/controls/messages.h"
#include "framework/forms/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/ansicase.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/textutils.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/item_selector.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

namespace {

// The box item captions are measured in.
constexpr fw::TRect kMeasureBox{0, 0, 1000, 500};

}  // namespace

TCustomItemSelector::TCustomItemSelector(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {
  selector_ = dynamic_cast<TVxCustomItemSelector*>(AOwner);
  if (selector_ == nullptr) throw fw::EComponentError("Invalid parent");
  SetParentColor(true);
}

int TCustomItemSelector::Count() const { return selector_->Items()->Count(); }

bool TCustomItemSelector::ValidIndex(int Index) const { return Index >= 0 && Index < Count(); }

// ---- selection and hot item ----

void TCustomItemSelector::SelectItem(int Index) {
  if (itemIndex_ != Index && itemIndex_ >= 0) {
    const int previous = itemIndex_;
    itemIndex_ = -1;
    InvalidateItem(previous);
  }
  itemIndex_ = Index;
  if (Index < 0) return;
  DrawItemOnWindow(Index);
  if (OnSelect) OnSelect(this);
}

void TCustomItemSelector::SetHotItem(int Index) {
  if (Index == hotIndex_) return;
  if (hotIndex_ >= 0) {
    const int previous = hotIndex_;
    hotIndex_ = -1;
    InvalidateItem(previous);
  }
  hotIndex_ = Index;
  if (Index >= 0) DrawItemOnWindow(Index);
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
  for (int i = 0; i < Count(); ++i) {
    if (selector_->Items()->Items(i)->ItemRect().Contains(fw::TPoint{X, Y})) return i;
  }
  return -1;
}

fw::TRect TCustomItemSelector::GetItemRect(int Index) const {
  if (!ValidIndex(Index)) return fw::TRect{-1, -1, -1, -1};
  return selector_->Items()->Items(Index)->ItemRect();
}

// ---- navigation ----

void TCustomItemSelector::SelectFirst() {
  if (Count() > 0) SelectItem(0);
}

void TCustomItemSelector::SelectLast() {
  if (Count() > 0) SelectItem(Count() - 1);
}

void TCustomItemSelector::SelectNext() {
  if (Count() == 0) return;
  if (itemIndex_ < 0) {
    SelectItem(0);
  } else if (itemIndex_ + 1 < Count()) {
    SelectItem(itemIndex_ + 1);
  }
}

void TCustomItemSelector::SelectPrevious() {
  if (Count() == 0) return;
  if (itemIndex_ < 0) {
    SelectItem(0);
  } else if (itemIndex_ - 1 >= 0) {
    SelectItem(itemIndex_ - 1);
  }
}

void TCustomItemSelector::HotNext() {
  if (Count() == 0) return;
  if (hotIndex_ < 0) {
    SetHotItem(0);
  } else if (hotIndex_ + 1 < Count()) {
    SetHotItem(hotIndex_ + 1);
  }
}

void TCustomItemSelector::HotPrevious() {
  if (Count() == 0) return;
  if (hotIndex_ < 0) {
    SetHotItem(0);
  } else if (hotIndex_ - 1 >= 0) {
    SetHotItem(hotIndex_ - 1);
  }
}

bool TCustomItemSelector::LookupItem(const std::string& Text) {
  for (int i = 0; i < Count(); ++i) {
    const std::string caption = fw::AnsiUpperCase(fw::Trim(StripHTML(selector_->Items()->Items(i)->Caption())));
    if (caption.compare(0, Text.size(), Text) == 0) {
      SelectItem(i);
      return true;
    }
  }
  return false;
}

// ---- layout ----

void TCustomItemSelector::GetItemArea(fw::TRect& Area) {
  const fw::TRect client = ClientRect();
  Area = fw::TRect{client.Left + marginX_, client.Top + marginY_, client.Right - marginX_, client.Bottom - marginY_};
}

void TCustomItemSelector::GetItemSize(SIZE& Size) {
  if (selector_->OnItemSize) {
    selector_->OnItemSize(this, Size);
    return;
  }
  const bool colorBoxes = selector_->SelectorType() == stColor;
  int pw = colorBoxes ? selector_->ColorBoxWidth() : 0;
  int ph = colorBoxes ? selector_->ColorBoxHeight() : 0;
  int tw = 0;
  int th = 0;
  fw::TCustomImageList* images = selector_->Images();
  // Captions are measured on a bitmap of their own: the panel may have no window yet.
  fw::TBitmap measure;
  measure.SetSize(1, 1);
  fw::TCanvas* canvas = measure.Canvas();
  canvas->SetFont(selector_->ItemAppearance()->Font());
  for (int i = 0; i < Count(); ++i) {
    const TSelectorItem* item = selector_->Items()->Items(i);
    if (!colorBoxes) {
      if (!item->Image()->Empty()) {
        pw = std::max(pw, item->Image()->Width());
        ph = std::max(ph, item->Image()->Height());
      } else if (images != nullptr && item->ImageIndex() >= 0) {
        pw = std::max(pw, images->Width());
        ph = std::max(ph, images->Height());
      }
    }
    SIZE extent{};
    dropdown::MeasureHTMLText(canvas, item->Caption(), kMeasureBox, extent, HandleAllocated() ? Handle() : nullptr,
                              true, images);
    tw = std::max(tw, static_cast<int>(extent.cx));
    th = std::max(th, static_cast<int>(extent.cy));
  }
  if (tw > 0) tw += 4;
  const TItemLayout layout = selector_->ItemLayout();
  if (layout == ilCaptionLeft || layout == ilCaptionRight) {
    int width = 2 * itemInsetX_;
    if (pw > 0) width += pw;
    if (pw > 0 && tw > 0) width += captionSpacing_;
    if (tw > 0) width += tw;
    Size = SIZE{width, std::max(th, ph) + 2 * itemInsetY_};
  } else {
    int height = 2 * itemInsetY_;
    if (ph > 0) height += ph;
    if (ph > 0 && th >= 1) height += captionSpacing_;
    if (th >= 1) height += th;
    Size = SIZE{std::max(tw, pw) + 2 * itemInsetX_, height};
  }
}

void TCustomItemSelector::ArrangeItems() {
  const int count = Count();
  if (count == 0) {
    SetBounds(Left(), Top(), 100, 50);
    return;
  }
  hotIndex_ = -1;
  SIZE size{};
  GetItemSize(size);
  const int w = size.cx;
  const int h = size.cy;
  fw::TRect area;
  GetItemArea(area);
  int x = area.Left;
  int y = area.Top;
  int column = 0;
  int widest = 0;
  for (int i = 0; i < count; ++i) {
    selector_->Items()->Items(i)->SetItemRect(fw::TRect{x, y, x + w, y + h});
    ++column;
    if (i == count - 1) break;
    if (column >= selector_->Columns()) {
      widest = std::max(widest, x);
      x = area.Left;
      y += h;
      column = 0;
    } else {
      x += w;
    }
  }
  widest = std::max(widest, x);
  SetBounds(Left(), Top(), widest + w + area.Left, y + h + area.Top);
}

void TCustomItemSelector::InvalidateItem(int Index) {
  if (!ValidIndex(Index) || !HandleAllocated()) return;
  const fw::TRect r = selector_->Items()->Items(Index)->ItemRect();
  const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
  ::InvalidateRect(Handle(), &rect, TRUE);
}

// ---- mouse ----

void TCustomItemSelector::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
  const int index = ItemAtPos(X, Y);
  if (index >= 0) SelectItem(index);
}

void TCustomItemSelector::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseMove(Shift, X, Y);
  const int index = ItemAtPos(X, Y);
  if (index >= 0) {
    if (index == hotIndex_) return;
    SetHotItem(index);
    SetHint(selector_->Items()->Items(index)->Hint());
    // The hint shown for the previous item goes, so that this item's shows.
    if (fw::Application != nullptr) fw::Application->CancelHint();
  } else if (hotIndex_ >= 0) {
    SetHotItem(-1);
  }
}

void TCustomItemSelector::Dispatch(fw::TMessage& Message) {
  fw::TCustomControl::Dispatch(Message);
  if (Message.Msg == fw::CM_MOUSELEAVE) SetHotItem(-1);
}

}  // namespace ui
