#include "ui/controls/menu_styler.h"

#include "framework/forms/screen.h"
#include "framework/menus/menu.h"
#include "ui/controls/menu_style_host.h"

namespace ui {

TCustomVxMenuStyler::TCustomVxMenuStyler(fw::TComponent* AOwner)
    : fw::TComponent(AOwner),
      sideBar_(std::make_unique<TSideBar>()),
      background_(std::make_unique<TBackground>()),
      iconBar_(std::make_unique<TIconBar>()),
      selectedItem_(std::make_unique<TSelectedItem>()),
      rootItem_(std::make_unique<TRootItem>()),
      glyphs_(std::make_unique<TMenuGlyphs>()),
      separator_(std::make_unique<TSeparator>()),
      buttonAppearance_(std::make_unique<TButtonAppearance>()),
      menuBorderColor_(MenuRGB(148, 124, 124)) {
  font_.Assign(fw::Screen->MenuFont());
  notesFont_.Assign(fw::Screen->MenuFont());
  notesFont_.SetSize(notesFont_.Size() - 2);
  notesFont_.SetColor(MenuRGB(128, 128, 128));
}

TCustomVxMenuStyler::~TCustomVxMenuStyler() = default;

void TCustomVxMenuStyler::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TVxMenuStyler*>(Source);
  if (source == nullptr) {
    fw::TComponent::Assign(Source);
    return;
  }
  SetBackground(source->Background());
  SetIconBar(source->IconBar());
  SetSelectedItem(source->SelectedItem());
  SetRootItem(source->RootItem());
  SetGlyphs(source->Glyphs());
  SetSideBar(source->SideBar());
  SetSeparator(source->Separator());
  font_.Assign(source->Font());
  useSystemFont_ = source->UseSystemFont();
}

void TCustomVxMenuStyler::SetMenu(fw::TMenu* Value) {
  menu_ = Value;
  background_->SetMenu(Value);
  iconBar_->SetMenu(Value);
  selectedItem_->SetMenu(Value);
  rootItem_->SetMenu(Value);
  glyphs_->SetMenu(Value);
  sideBar_->SetMenu(Value);
  separator_->SetMenu(Value);
  if (Value != nullptr) Value->FreeNotification(this);
  RequestMenuRefresh(menu_);
}

void TCustomVxMenuStyler::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TComponent::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && menu_ != nullptr && AComponent == menu_) SetMenu(nullptr);
}

void TCustomVxMenuStyler::SetBackground(TBackground* Value) {
  background_->Assign(Value);
  RequestMenuRefresh(menu_);
}

void TCustomVxMenuStyler::SetIconBar(TIconBar* Value) {
  iconBar_->Assign(Value);
  RequestMenuRefresh(menu_);
}

void TCustomVxMenuStyler::SetSelectedItem(TSelectedItem* Value) {
  selectedItem_->Assign(Value);
  RequestMenuRefresh(menu_);
}

void TCustomVxMenuStyler::SetRootItem(TRootItem* Value) {
  rootItem_->Assign(Value);
  RequestMenuRefresh(menu_);
}

void TCustomVxMenuStyler::SetSeparator(TSeparator* Value) {
  separator_->Assign(Value);
  RequestMenuRefresh(menu_);
}

void TCustomVxMenuStyler::SetGlyphs(TMenuGlyphs* Value) {
  glyphs_->Assign(Value);
  RequestMenuRefresh(menu_);
}

void TCustomVxMenuStyler::SetSideBar(TSideBar* Value) {
  sideBar_->Assign(Value);
  RequestMenuRebuild(menu_);
}

void TCustomVxMenuStyler::SetButtonAppearance(TButtonAppearance* Value) { buttonAppearance_->Assign(Value); }

void TCustomVxMenuStyler::SetFont(fw::TFont* Value) {
  font_.Assign(Value);
  RequestMenuRebuild(menu_);
}

void TCustomVxMenuStyler::SetNotesFont(fw::TFont* Value) {
  notesFont_.Assign(Value);
  RequestMenuRebuild(menu_);
}

void TCustomVxMenuStyler::SetUseSystemFont(bool Value) {
  useSystemFont_ = Value;
  RequestMenuRebuild(menu_);
}

void TCustomVxMenuStyler::SetAntiAlias(TAntiAlias Value) {
  antiAlias_ = Value;
  RequestMenuRebuild(menu_);
}

}  // namespace ui
