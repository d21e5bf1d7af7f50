// The item selector's scrolling container: its settings, the operations the owning drop-down calls, and
// scrolling an item into view.
#include "ui/dropdown/item_selector.h"

#include <windows.h>

namespace ui {

TVxCustomItemSelector::TVxCustomItemSelector(fw::TComponent* AOwner)
    : fw::TScrollingWinControl(AOwner),
      items_(std::make_unique<TSelectorItems>(this)),
      itemAppearance_(std::make_unique<TItemAppearance>(this)) {
  items_->OnChange = [this](fw::TObject*) { UpdateLayout(); };
  SetAutoScroll(true);
  panel_ = fw::Create<TCustomItemSelector>(this);
  panel_->SetParent(this);
  panel_->OnSelect = [this](fw::TObject*) {
    if (OnItemSelect) OnItemSelect(this);
  };
  UpdateLayout();
}

TVxCustomItemSelector::~TVxCustomItemSelector() {
  // The items go before the panel, which is freed as a child: nothing may lay them out meanwhile.
  items_->OnChange = nullptr;
}

void TVxCustomItemSelector::SetColumns(int Value) {
  if (Value < 1 || Value == columns_) return;
  columns_ = Value;
  UpdateLayout();
}

void TVxCustomItemSelector::SetSelectorType(TSelectorType Value) {
  if (Value == selectorType_) return;
  selectorType_ = Value;
  UpdateLayout();
}

void TVxCustomItemSelector::SetImages(fw::TCustomImageList* Value) {
  if (Value == images_) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
  UpdateLayout();
}

void TVxCustomItemSelector::SetColorBoxHeight(int Value) {
  if (Value == colorBoxHeight_) return;
  colorBoxHeight_ = Value;
  UpdateLayout();
}

void TVxCustomItemSelector::SetColorBoxWidth(int Value) {
  if (Value == colorBoxWidth_) return;
  colorBoxWidth_ = Value;
  UpdateLayout();
}

void TVxCustomItemSelector::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TScrollingWinControl::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent != nullptr && AComponent == images_ &&
      !ComponentState().Contains(fw::csDestroying)) {
    SetImages(nullptr);
  }
  if (Operation == fw::opRemove && AComponent == panel_) panel_ = nullptr;
}

int TVxCustomItemSelector::ItemIndex() const { return panel_ != nullptr ? panel_->ItemIndex() : -1; }

void TVxCustomItemSelector::SetItemIndex(int Value) {
  if (panel_ == nullptr) return;
  panel_->SelectItem(Value);
  ScrollItemInView(panel_->ItemIndex());
}

int TVxCustomItemSelector::HotIndex() const { return panel_ != nullptr ? panel_->HotIndex() : -1; }

void TVxCustomItemSelector::SelectFirst() {
  if (panel_ == nullptr) return;
  panel_->SelectFirst();
  ScrollItemInView(panel_->ItemIndex());
}

void TVxCustomItemSelector::SelectLast() {
  if (panel_ == nullptr) return;
  panel_->SelectLast();
  ScrollItemInView(panel_->ItemIndex());
}

void TVxCustomItemSelector::SelectNext() {
  if (panel_ == nullptr) return;
  panel_->SelectNext();
  ScrollItemInView(panel_->ItemIndex());
}

void TVxCustomItemSelector::SelectPrevious() {
  if (panel_ == nullptr) return;
  panel_->SelectPrevious();
  ScrollItemInView(panel_->ItemIndex());
}

void TVxCustomItemSelector::HotNext() {
  if (panel_ == nullptr) return;
  panel_->HotNext();
  ScrollItemInView(panel_->HotIndex());
}

void TVxCustomItemSelector::HotPrevious() {
  if (panel_ == nullptr) return;
  panel_->HotPrevious();
  ScrollItemInView(panel_->HotIndex());
}

bool TVxCustomItemSelector::LookupItem(const std::string& Text) {
  return panel_ != nullptr && panel_->LookupItem(Text);
}

int TVxCustomItemSelector::PageItemCount() {
  if (panel_ == nullptr || items_->Count() == 0) return 0;
  const fw::TRect first = items_->Items(0)->ItemRect();
  const int itemHeight = first.Bottom - first.Top;
  // An item size handler may answer a height of 0: no row fits then.
  if (itemHeight <= 0) return 0;
  int height = Height();
  if (HorzScrollBar()->IsScrollBarVisible()) height -= 20;
  return height / itemHeight * columns_;
}

void TVxCustomItemSelector::ScrollItemInView(int Index) {
  if (panel_ == nullptr || Index < 0 || Index >= items_->Count()) return;
  fw::TControlScrollBar* bar = VertScrollBar();
  if (!bar->IsScrollBarVisible()) return;
  fw::TRect r = items_->Items(Index)->ItemRect();
  r.Top -= bar->Margin();
  r.Bottom += bar->Margin();
  // Panel to selector client coordinates: the panel stands where the scrolling moved it.
  r.Top += panel_->Top();
  r.Bottom += panel_->Top();
  const int clientHeight = ClientHeight();
  if (r.Top < 0) {
    bar->SetPosition(bar->Position() + r.Top);
  } else if (r.Bottom > clientHeight) {
    if (r.Bottom - r.Top > clientHeight) {
      bar->SetPosition(bar->Position() + r.Top);
    } else {
      bar->SetPosition(bar->Position() + r.Bottom - clientHeight);
    }
  }
}

void TVxCustomItemSelector::UpdateLayout() {
  if (panel_ != nullptr) panel_->ArrangeItems();
}

SIZE TVxCustomItemSelector::GetPanelSize() const {
  if (panel_ == nullptr) return SIZE{100, 50};
  return SIZE{panel_->Width(), panel_->Height()};
}

void TVxCustomItemSelector::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_VSCROLL: {
      fw::TScrollingWinControl::Dispatch(Message);
      // The list follows the thumb while it is dragged. The thumb position travels in 16 bits.
      if (LOWORD(Message.WParam) == SB_THUMBTRACK && Message.LParam == 0 && VertScrollBar()->MaxPosition() <= 0xFFFF) {
        VertScrollBar()->SetPosition(HIWORD(Message.WParam));
      }
      return;
    }
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
      return;
    default:
      fw::TScrollingWinControl::Dispatch(Message);
  }
}

}  // namespace ui
