// The image picker drop-down's construction, selection, pop-up and the picture in the edit area.
#include "ui/dropdown/image_picker_dropdown.h"

#include <windows.h>

#include <utility>

#include "framework/controls/control_types.h"
#include "framework/graphics/canvas_scope.h"
#include "framework/graphics/gdi_handles.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui {

namespace {

constexpr unsigned kKeyTimerMs = 500;

}  // namespace

TVxImagePickerDropDown::TVxImagePickerDropDown(fw::TComponent* AOwner) : TVxCustomDropDown(AOwner) {}

TVxImagePickerDropDown::~TVxImagePickerDropDown() {
  if (keyTimer_ != nullptr) keyTimer_->SetEnabled(false);
}

void TVxImagePickerDropDown::AfterConstruction() {
  TVxCustomDropDown::AfterConstruction();
  items_ = std::make_unique<TImageItems>(this);
  items_->OnChange = [](fw::TObject*) {};
  itemAppearance_ = std::make_unique<TItemAppearance>(this);
  columns_ = 1;
  itemIndex_ = -1;
  oldIndex_ = -1;
  layout_ = ilCaptionRight;
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  searchText_.clear();
  keyTimer_ = fw::Create<fw::TTimer>(this);
  keyTimer_->SetEnabled(false);
  keyTimer_->SetInterval(kKeyTimerMs);
  keyTimer_->OnTimer = [this](fw::TObject*) { KeyTimerTick(); };
  SetCursor(fw::crArrow);
}

void TVxImagePickerDropDown::KeyTimerTick() {
  keyTimer_->SetEnabled(false);
  searchText_.clear();
}

// ---- selection ----

void TVxImagePickerDropDown::SetItemIndex(int Value) {
  if (Value < 0) Value = -1;
  if (Value == itemIndex_ || Value >= items_->Count()) return;
  itemIndex_ = Value;
  Invalidate();
  Change();
  if (OnSelect) OnSelect(this);
}

void TVxImagePickerDropDown::AddImagesFromList() {
  fw::TCustomImageList* images = Images();
  if (images == nullptr) return;
  for (int i = 0; i < images->Count(); ++i) items_->Add()->SetImageIndex(i);
}

int TVxImagePickerDropDown::GetSelectedImageIndex() const {
  if (itemIndex_ < 0 || itemIndex_ >= items_->Count()) return -1;
  return items_->Items(itemIndex_)->ImageIndex();
}

void TVxImagePickerDropDown::SetSelectedImageIndex(int ImageIndex) {
  for (int i = 0; i < items_->Count(); ++i) {
    if (items_->Items(i)->ImageIndex() == ImageIndex) {
      SetItemIndex(i);
      return;
    }
  }
  SetItemIndex(-1);
}

void TVxImagePickerDropDown::SelectFirst() {
  if (items_->Count() > 0) SetItemIndex(0);
}

void TVxImagePickerDropDown::SelectLast() {
  if (items_->Count() > 0) SetItemIndex(items_->Count() - 1);
}

void TVxImagePickerDropDown::SelectNext() {
  if (items_->Count() == 0) return;
  if (itemIndex_ < 0) {
    SetItemIndex(0);
  } else if (itemIndex_ + 1 < items_->Count()) {
    SetItemIndex(itemIndex_ + 1);
  }
}

void TVxImagePickerDropDown::SelectPrevious() {
  if (items_->Count() == 0) return;
  if (itemIndex_ < 0) {
    SetItemIndex(0);
  } else if (itemIndex_ > 0) {
    SetItemIndex(itemIndex_ - 1);
  }
}

// ---- the pop-up ----

void TVxImagePickerDropDown::CreateDropDownForm() {
  TVxCustomDropDown::CreateDropDownForm();
  if (DropDownForm() == nullptr) return;
  if (selector_ == nullptr) {
    selector_ = fw::Create<TVxCustomItemSelector>(this);
    selector_->SetParent(DropDownForm());
    selector_->SetSelectorType(stImage);
    selector_->SetBounds(0, 0, selector_->Width(), 150);
  }
  selector_->SetColor(DropDownColor());
  selector_->UpdateLayout();
  SetControl(selector_);
}

void TVxImagePickerDropDown::PrepareSelector() {
  if (selector_ == nullptr) return;
  selector_->OnItemSelect = nullptr;
  selector_->SetColumns(columns_);
  selector_->SetImages(Images());
  selector_->SetItemLayout(layout_);
  selector_->SetColor(DropDownColor());
  selector_->ItemAppearance()->Assign(itemAppearance_.get());
  TSelectorItems* items = selector_->Items();
  items->Clear();
  for (int i = 0; i < items_->Count(); ++i) {
    const TImageItem* source = items_->Items(i);
    TSelectorItem* item = items->Add();
    item->SetCaption(source->Caption());
    item->SetImage(source->Image());
    item->SetImageIndex(source->ImageIndex());
    item->SetHint(source->Hint());
  }
  selector_->UpdateLayout();
  selector_->SetItemIndex(itemIndex_);
  selector_->OnItemSelect = [this](fw::TObject*) { ItemChosen(); };
  selector_->SetShowHint(ShowHint());
}

bool TVxImagePickerDropDown::SelectorStale() const {
  return selector_ != nullptr && selector_->Items()->Count() != items_->Count();
}

void TVxImagePickerDropDown::PrepareClosedSelector() {
  if (!DroppedDown()) PrepareSelector();
}

void TVxImagePickerDropDown::BeforeDropDown() {
  TVxCustomDropDown::BeforeDropDown();
  PrepareSelector();
  if (selector_ != nullptr) {
    if (OnDrawItem) {
      selector_->OnDrawItem = [this](fw::TObject*, fw::TCanvas* Canvas, fw::TRect R, int Index) {
        OnDrawItem(this, Canvas, R, Index);
      };
    } else {
      selector_->OnDrawItem = nullptr;
    }
  }
  oldIndex_ = itemIndex_;
}

void TVxImagePickerDropDown::SizeDropDownForm() {
  if (selector_ == nullptr) {
    TVxCustomDropDown::SizeDropDownForm();
    return;
  }
  selector_->SetAlign(fw::alNone);
  const SIZE panel = selector_->GetPanelSize();
  const int width = DropDownWidth() <= 0 ? panel.cx : selector_->Width();
  const int height = DropDownHeight() <= 0 ? panel.cy : selector_->Height();
  selector_->SetBounds(selector_->Left(), selector_->Top(), width, height);
  TVxCustomDropDown::SizeDropDownForm();
  TDropDownForm* form = DropDownForm();
  if (form == nullptr) return;
  int formWidth = form->Width();
  // The pop-up's frame stands inside its width: a width taken from the list makes room for it, so that
  // the whole panel shows without a horizontal scroll bar.
  if (DropDownWidth() <= 0) formWidth += 2 * DropDownBorderWidth();
  if (selector_->VertScrollBar()->IsScrollBarVisible()) formWidth += GetSystemMetrics(SM_CXVSCROLL);
  form->SetBounds(form->Left(), form->Top(), formWidth, form->Height());
}

void TVxImagePickerDropDown::HideDropDown(bool Cancel) {
  // Only a closing of the open list puts the index back: Esc with the list closed keeps the selection.
  const bool open = DropDownForm() != nullptr && DropDownForm()->Visible();
  TVxCustomDropDown::HideDropDown(Cancel);
  if (Cancel && open && selector_ != nullptr) SetItemIndex(oldIndex_);
}

void TVxImagePickerDropDown::ItemChosen() {
  SetItemIndex(selector_->ItemIndex());
  if (!internalCall_) HideDropDown(false);
}

void TVxImagePickerDropDown::InternalCall(const std::function<void()>& Step) {
  const bool previous = std::exchange(internalCall_, true);
  try {
    Step();
  } catch (...) {
    internalCall_ = previous;
    throw;
  }
  internalCall_ = previous;
}

void TVxImagePickerDropDown::SelectInList(int Index) {
  InternalCall([&] { selector_->SetItemIndex(Index); });
}

// ---- styles ----

void TVxImagePickerDropDown::SetSelectionColorStyle(int Style) {
  TVxCustomDropDown::SetSelectionColorStyle(Style);
  if (selector_ != nullptr) selector_->ItemAppearance()->SetSelectionColorStyle(Style);
}

void TVxImagePickerDropDown::ApplyStyle(int Style) {
  TVxCustomDropDown::ApplyStyle(Style);
  ApplyItemAppearanceStyle(itemAppearance_.get(), Style);
}

// ---- the edit area ----

void TVxImagePickerDropDown::DrawFocusedText() {
  TVxCustomDropDown::DrawFocusedText();
  DrawSelectedImage();
}

void TVxImagePickerDropDown::DrawSelectedImage() {
  if (!HandleAllocated() || items_ == nullptr) return;
  fw::WholeWindowDC dc(Handle());
  if (dc.Get() == nullptr) return;
  fw::TCanvas canvas;
  const fw::CanvasDCScope lend(&canvas, dc.Get());
  const fw::TRect r = GetEditRect();
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, &canvas, r);
  } else if (itemIndex_ >= 0 && itemIndex_ < items_->Count()) {
    const TImageItem* item = items_->Items(itemIndex_);
    const int width = r.Right - r.Left;
    const int height = r.Bottom - r.Top;
    if (!item->Image()->Empty()) {
      canvas.Draw(r.Left + (width - item->Image()->Width()) / 2, r.Top + (height - item->Image()->Height()) / 2,
                  item->Image()->Graphic());
    } else if (Images() != nullptr && item->ImageIndex() >= 0) {
      Images()->Draw(&canvas, r.Left + (width - Images()->Width()) / 2, r.Top + (height - Images()->Height()) / 2,
                     item->ImageIndex(), true);
    }
  }
}

}  // namespace ui
