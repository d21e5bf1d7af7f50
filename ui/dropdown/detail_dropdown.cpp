// The detail drop-down's construction, selection, pop-up and list rows.
#include "ui/dropdown/detail_dropdown.h"

#include <windows.h>

#include <utility>

#include "framework/controls/control_types.h"
#include "framework/graphics/bitmap.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui {

namespace {

constexpr unsigned kKeyTimerMs = 500;
constexpr int kSelectorHeight = 150;
constexpr int kListHeight = 100;

}  // namespace

TVxDetailDropDown::~TVxDetailDropDown() {
  if (keyTimer_ != nullptr) keyTimer_->SetEnabled(false);
}

void TVxDetailDropDown::AfterConstruction() {
  TVxCustomDropDown::AfterConstruction();
  items_ = std::make_unique<TDetailItems>(this);
  items_->OnChange = [](fw::TObject*) {};
  itemAppearance_ = std::make_unique<TItemAppearance>(this);
  itemIndex_ = -1;
  oldIndex_ = -1;
  layout_ = ilCaptionRight;
  SetEditorEnabled(true);
  SetDropDownEnabled(true);
  searchText_.clear();
  keyTimer_ = fw::Create<fw::TTimer>(this);
  keyTimer_->SetEnabled(false);
  keyTimer_->SetInterval(kKeyTimerMs);
  keyTimer_->OnTimer = [this](fw::TObject*) { KeyTimerTick(); };
  itemHeight_ = 22;
  captionFont_ = std::make_unique<fw::TFont>();
  captionFont_->Assign(Font());
  notesFont_ = std::make_unique<fw::TFont>();
  notesFont_->Assign(Font());
  autoCompletion_ = true;
}

void TVxDetailDropDown::KeyTimerTick() {
  keyTimer_->SetEnabled(false);
  searchText_.clear();
}

// ---- selection ----

void TVxDetailDropDown::SetItemIndex(int Value) {
  if (Value != itemIndex_ && Value >= 0 && Value < items_->Count()) {
    itemIndex_ = Value;
    SetText(items_->Items(Value)->Caption());
    SelectAll();
    Invalidate();
    if (selector_ != nullptr) selector_->Invalidate();
    if (OnSelect) OnSelect(this);
  }
  if (Value != itemIndex_ && Value == -1) {
    SetText("");
    itemIndex_ = -1;
  }
}

void TVxDetailDropDown::SelectFirst() {
  if (items_->Count() > 0) SetItemIndex(0);
}

void TVxDetailDropDown::SelectLast() {
  if (items_->Count() > 0) SetItemIndex(items_->Count() - 1);
}

void TVxDetailDropDown::SelectNext() {
  if (itemIndex_ < 0) {
    SetItemIndex(0);
  } else if (itemIndex_ + 1 < items_->Count()) {
    SetItemIndex(itemIndex_ + 1);
  }
}

void TVxDetailDropDown::SelectPrevious() {
  if (itemIndex_ < 0) {
    SetItemIndex(0);
  } else if (itemIndex_ > 0) {
    SetItemIndex(itemIndex_ - 1);
  }
}

// ---- the pop-up ----

void TVxDetailDropDown::CreateDropDownForm() {
  TVxCustomDropDown::CreateDropDownForm();
  if (DropDownForm() == nullptr) return;
  if (selector_ == nullptr) {
    selector_ = fw::Create<TVxCustomItemSelector>(this);
    selector_->SetParent(DropDownForm());
    selector_->SetSelectorType(stImage);
    selector_->SetBounds(0, 0, selector_->Width(), kSelectorHeight);
    selector_->SetDoubleBuffered(true);
    selector_->OnDrawItem = [this](fw::TObject*, fw::TCanvas* Canvas, fw::TRect R, int Index) {
      DrawRow(Canvas, R, Index);
    };
    selector_->OnItemSize = [this](fw::TObject*, SIZE& Size) { RowSize(Size); };
    selector_->OnResize = [this](fw::TObject*) { selector_->UpdateLayout(); };
  }
  selector_->SetColor(DropDownColor());
  selector_->UpdateLayout();
  SetControl(selector_);
}

void TVxDetailDropDown::PrepareSelector() {
  if (selector_ == nullptr) return;
  selector_->OnItemSelect = nullptr;
  selector_->SetColumns(1);
  selector_->SetImages(Images());
  selector_->SetItemLayout(layout_);
  selector_->SetColor(DropDownColor());
  selector_->ItemAppearance()->Assign(itemAppearance_.get());
  TSelectorItems* items = selector_->Items();
  items->Clear();
  for (int i = 0; i < items_->Count(); ++i) {
    const TDetailItem* source = items_->Items(i);
    TSelectorItem* item = items->Add();
    item->SetCaption(source->Caption());
    item->SetImage(source->Image());
    item->SetImageIndex(source->ImageIndex());
  }
  selector_->UpdateLayout();
  selector_->SetItemIndex(itemIndex_);
  selector_->OnItemSelect = [this](fw::TObject*) { ItemChosen(); };
}

void TVxDetailDropDown::BeforeDropDown() {
  TVxCustomDropDown::BeforeDropDown();
  PrepareSelector();
  oldIndex_ = itemIndex_;
}

void TVxDetailDropDown::ShowDropDown() {
  TVxCustomDropDown::ShowDropDown();
  if (selector_ != nullptr && DroppedDown() && selector_->CanFocus()) selector_->SetFocus();
}

void TVxDetailDropDown::SizeDropDownForm() {
  if (selector_ != nullptr) {
    selector_->SetAlign(fw::alNone);
    const int width = DropDownWidth() <= 0 ? Width() : selector_->Width();
    const int height = DropDownHeight() <= 0 ? kListHeight : selector_->Height();
    selector_->SetBounds(selector_->Left(), selector_->Top(), width, height);
  }
  TVxCustomDropDown::SizeDropDownForm();
}

void TVxDetailDropDown::HideDropDown(bool Cancel) {
  // Only a closing of the open list puts the index back: Esc with the list closed keeps the selection.
  const bool open = DropDownForm() != nullptr && DropDownForm()->Visible();
  TVxCustomDropDown::HideDropDown(Cancel);
  if (Cancel && open && selector_ != nullptr && oldIndex_ != -1) SetItemIndex(oldIndex_);
}

void TVxDetailDropDown::DropDownFormSizing() {
  TVxCustomDropDown::DropDownFormSizing();
  if (selector_ != nullptr) selector_->UpdateLayout();
}

void TVxDetailDropDown::ItemChosen() {
  const int index = selector_->ItemIndex();
  SetItemIndex(index);
  if (index >= 0 && index < items_->Count()) {
    SetText(items_->Items(index)->Caption());
    SelectAll();
  }
  if (!internalCall_) HideDropDown(false);
}

void TVxDetailDropDown::SelectInList(int Index) {
  const bool previous = std::exchange(internalCall_, true);
  try {
    selector_->SetItemIndex(Index);
    selector_->ScrollItemInView(Index);
  } catch (...) {
    internalCall_ = previous;
    throw;
  }
  internalCall_ = previous;
}

// ---- the rows ----

void TVxDetailDropDown::RowSize(SIZE& Size) {
  int width = DropDownWidth() > 0 ? DropDownWidth() : (DropDownForm() != nullptr ? DropDownForm()->Width() : Width());
  if (selector_ != nullptr && selector_->VertScrollBar()->IsScrollBarVisible()) {
    width -= GetSystemMetrics(SM_CXVSCROLL);
  }
  Size.cx = width - 2 * GetSystemMetrics(SM_CXBORDER) - 4;
  Size.cy = itemHeight_;
}

void TVxDetailDropDown::SetRowFont(fw::TCanvas* Canvas, fw::TFont* Font, int Index) {
  Canvas->Font()->Assign(Font);
  if (selector_ != nullptr && Index == selector_->HotIndex()) {
    Canvas->Font()->SetColor(itemAppearance_->ColorHotText());
  }
  if (Index == itemIndex_) Canvas->Font()->SetColor(itemAppearance_->ColorSelectedText());
}

void TVxDetailDropDown::DrawRow(fw::TCanvas* Canvas, fw::TRect R, int Index) {
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, Canvas, R);
    return;
  }
  if (Index < 0 || Index >= items_->Count()) return;
  const TDetailItem* item = items_->Items(Index);
  const int rowWidth = R.Right - R.Left;
  const int rowHeight = R.Bottom - R.Top;
  fw::TPicture* picture = item->Image();
  if (!picture->Empty()) {
    const int x = item->Caption().empty() ? R.Left + (rowWidth - picture->Width()) / 2 : R.Left + 2;
    if (auto* bitmap = dynamic_cast<fw::TBitmap*>(picture->Graphic())) bitmap->SetTransparentMode(fw::tmAuto);
    Canvas->Draw(x, R.Top + (rowHeight - picture->Height()) / 2, picture->Graphic());
    R.Left += picture->Width() + 4;
  } else if (Images() != nullptr && item->ImageIndex() >= 0) {
    const int x = item->Caption().empty() ? R.Left + (rowWidth - Images()->Width()) / 2 : R.Left + 2;
    Images()->Draw(Canvas, x, R.Top + (rowHeight - Images()->Height()) / 2, item->ImageIndex(), true);
    R.Left += Images()->Width() + 4;
  }
  SetRowFont(Canvas, captionFont_.get(), Index);
  Canvas->Brush()->SetStyle(fw::bsClear);
  R.Left += 4;
  R.Top += 2;
  R.Right -= 4;
  RECT text{R.Left, R.Top, R.Right, R.Bottom};
  DrawTextA(Canvas->Handle(), item->Caption().c_str(), static_cast<int>(item->Caption().size()), &text,
            DT_END_ELLIPSIS);
  if (item->Notes().empty()) return;
  R.Top += Canvas->TextHeight("gh");
  SetRowFont(Canvas, notesFont_.get(), Index);
  dropdown::DrawHTMLCaption(Canvas, item->Notes(), R, Handle(), false, Images());
}

// ---- styles ----

void TVxDetailDropDown::SetSelectionColorStyle(int Style) {
  TVxCustomDropDown::SetSelectionColorStyle(Style);
  if (selector_ != nullptr) selector_->ItemAppearance()->SetSelectionColorStyle(Style);
}

void TVxDetailDropDown::ApplyStyle(int Style) {
  TVxCustomDropDown::ApplyStyle(Style);
  ApplyItemAppearanceStyle(itemAppearance_.get(), Style);
}

}  // namespace ui
