#include "ui/controls/styled_menu.h"

namespace ui {

template <class Base>
TStyledMenu<Base>::~TStyledMenu() {
  if (menuStyler_ != nullptr) menuStyler_->RemoveFreeNotification(this);
  menuStyler_ = nullptr;
  currentStyler_ = nullptr;
  fw::FreeAndNil(defaultStyler_);
}

template <class Base>
void TStyledMenu<Base>::AfterConstruction() {
  Base::AfterConstruction();
  this->SetOwnerDraw(true);
  MakeDefaultStyler();
}

template <class Base>
void TStyledMenu<Base>::MakeDefaultStyler() {
  defaultStyler_ = NewDefaultStyler();
  defaultStyler_->SetName("InternalMenuStyler");
  currentStyler_ = defaultStyler_;
  StylerChanged();
}

template <class Base>
void TStyledMenu<Base>::SetMenuStyler(TCustomVxMenuStyler* Value) {
  if (Value == menuStyler_) return;
  if (menuStyler_ != nullptr && menuStyler_ != defaultStyler_) menuStyler_->RemoveFreeNotification(this);
  if (Value != nullptr) {
    // A default styler still being read is freed when the menu has loaded.
    if (defaultStyler_ != nullptr && !defaultStyler_->ComponentState().Contains(fw::csLoading)) {
      fw::FreeAndNil(defaultStyler_);
    }
    menuStyler_ = Value;
    currentStyler_ = Value;
    Value->FreeNotification(this);
  } else {
    menuStyler_ = nullptr;
    if (defaultStyler_ == nullptr) {
      MakeDefaultStyler();
    } else {
      currentStyler_ = defaultStyler_;
    }
  }
  currentStyler_->SetMenu(this);
  StylerChanged();
}

template <class Base>
void TStyledMenu<Base>::SetDisabledImages(fw::TCustomImageList* Value) {
  if (disabledImages_ == Value) return;
  if (disabledImages_ != nullptr) disabledImages_->RemoveFreeNotification(this);
  disabledImages_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

template <class Base>
void TStyledMenu<Base>::Loaded() {
  Base::Loaded();
  this->SetOwnerDraw(true);
  InstallAllHandlers();
  if (currentStyler_ != defaultStyler_) fw::FreeAndNil(defaultStyler_);
}

template <class Base>
void TStyledMenu<Base>::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  Base::Notification(AComponent, Operation);
  if (Operation != fw::opRemove || AComponent == nullptr) return;
  if (AComponent == menuStyler_) {
    menuStyler_ = nullptr;
    if (AComponent->Owner() != this && !this->ComponentState().Contains(fw::csDestroying)) {
      MakeDefaultStyler();
    } else {
      currentStyler_ = defaultStyler_;
    }
  }
  if (AComponent == defaultStyler_) {
    defaultStyler_ = nullptr;
    if (currentStyler_ == AComponent) currentStyler_ = nullptr;
  }
  if (AComponent == disabledImages_) disabledImages_ = nullptr;
}

template <class Base>
void TStyledMenu<Base>::InstallHandlers(fw::TMenuItem* Item) {
  if (this->ComponentState().Contains(fw::csLoading)) return;
  const TMenuDrawHandler draw = DrawHandler();
  const auto* installed = Item->OnAdvancedDrawItem.template target<TMenuDrawHandler>();
  if (installed != nullptr && *installed == draw) return;
  if (!Item->OnMeasureItem) Item->OnMeasureItem = &MeasureMenuItem;
  if (!Item->OnAdvancedDrawItem && !Item->OnDrawItem) Item->OnAdvancedDrawItem = draw;
}

template <class Base>
void TStyledMenu<Base>::InstallBelow(fw::TMenuItem* Item) {
  for (int i = 0; i < Item->Count(); ++i) {
    InstallHandlers(Item->Items(i));
    InstallBelow(Item->Items(i));
  }
}

template <class Base>
void TStyledMenu<Base>::InstallAllHandlers() {
  InstallBelow(this->Items());
}

template <class Base>
void TStyledMenu<Base>::InstallHandlersFor(fw::TMenuItem* Source) {
  if (Source != nullptr) {
    InstallHandlers(Source);
  } else {
    InstallAllHandlers();
  }
}

template class TStyledMenu<fw::TMainMenu>;
template class TStyledMenu<fw::TPopupMenu>;

}  // namespace ui
