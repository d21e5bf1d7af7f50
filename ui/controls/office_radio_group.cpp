#include "ui/controls/office_radio_group.h"

#include <algorithm>

#include "framework/controls/messages.h"
#include "framework/forms/application.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/messaging/exception_boundary.h"
#include "ui/foundation/html_picture.h"

namespace ui {

// ---- buttons ----

TVxGroupButton::TVxGroupButton(TCustomVxOfficeRadioGroup* Group) : TVxOfficeRadioButton(Group), group_(Group) {
  group_->buttons_.push_back(this);
  SetVisible(false);
  SetEnabled(group_->Enabled());
  SetParentShowHint(false);
  OnClick = [group = group_](fw::TObject* Sender) { group->ButtonClick(Sender); };
  SetParent(group_);
}

TVxGroupButton::~TVxGroupButton() {
  auto& list = group_->buttons_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TVxGroupButton::Dispatch(fw::TMessage& Message) {
  if (Message.Msg == fw::CN_COMMAND) {
    if (inClick_) return;
    const WORD code = HIWORD(Message.WParam);
    if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && group_->CanModify()) {
      inClick_ = true;
      try {
        TVxOfficeRadioButton::Dispatch(Message);
      } catch (...) {
        fw::HandleException(this);
      }
      inClick_ = false;
    }
    return;
  }
  TVxOfficeRadioButton::Dispatch(Message);
}

void TVxGroupButton::MouseMove(fw::TShiftState Shift, int X, int Y) {
  TVxOfficeRadioButton::MouseMove(Shift, X, Y);
  if (group_->OnMouseMove) group_->OnMouseMove(group_, Shift, X + Left(), Y + Top());
}

void TVxGroupButton::KeyDown(WORD& Key, fw::TShiftState Shift) {
  TVxOfficeRadioButton::KeyDown(Key, Shift);
  group_->KeyDown(Key, Shift);
}

void TVxGroupButton::KeyPress(char& Key) {
  TVxOfficeRadioButton::KeyPress(Key);
  group_->KeyPress(Key);
  if ((Key == '\b' || Key == ' ') && !group_->CanModify()) Key = '\0';
}

// ---- group ----

TCustomVxOfficeRadioGroup::TCustomVxOfficeRadioGroup(fw::TComponent* AOwner) : TVxGroupBox(AOwner) {
  SetControlStyle(fw::TControlStyle{}.Include(fw::csSetCaption));
  items_.OnChange = [this](fw::TObject*) { ItemsChanged(); };
}

TCustomVxOfficeRadioGroup::~TCustomVxOfficeRadioGroup() {
  SetButtonCount(0);
  items_.OnChange = nullptr;
}

void TCustomVxOfficeRadioGroup::SetItemIndex(int value) {
  if (reading_) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(false);
  itemIndex_ = value;
  if (itemIndex_ >= 0) buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(true);
}

void TCustomVxOfficeRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (columns_ == value) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TCustomVxOfficeRadioGroup::SetAlignment(fw::TAlignment value) {
  alignment_ = value;
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::SetButtonVertAlign(fw::TTextLayout value) {
  buttonVertAlign_ = value;
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::SetImages(fw::TCustomImageList* value) {
  TVxGroupBox::SetImages(value);
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::SetPictureContainer(TPictureContainer* value) {
  pictureContainer_ = value;
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::SetEllipsis(bool value) {
  ellipsis_ = value;
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::SetShadowOffset(int value) {
  shadowOffset_ = value;
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::SetShadowColor(fw::TColor value) {
  shadowColor_ = value;
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::SetShowFocus(bool value) {
  if (showFocus_ == value) return;
  showFocus_ = value;
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::SetThemed(bool value) {
  if (themed_ == value) return;
  themed_ = value;
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::ItemsChanged() {
  if (reading_) return;
  if (itemIndex_ >= items_.Count()) itemIndex_ = items_.Count() - 1;
  UpdateButtons();
}

void TCustomVxOfficeRadioGroup::SetButtonCount(int count) {
  while (ButtonCount() < count) fw::Create<TVxGroupButton>(this);
  while (ButtonCount() > count) buttons_.back()->Free();
}

void TCustomVxOfficeRadioGroup::UpdateButtons() {
  SetButtonCount(items_.Count());
  for (int i = 0; i < ButtonCount(); ++i) buttons_[static_cast<std::size_t>(i)]->SetCaption(items_.Strings(i));
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) {
    updatingCheck_ = true;
    buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(true);
    updatingCheck_ = false;
  }
  ArrangeButtons();
  Invalidate();
}

void TCustomVxOfficeRadioGroup::ButtonClick(fw::TObject* Sender) {
  if (updatingCheck_ || !CanModify()) return;
  const auto at = std::find(buttons_.begin(), buttons_.end(), Sender);
  if (at == buttons_.end()) return;
  itemIndex_ = static_cast<int>(at - buttons_.begin());
  if (Parent()) Parent()->Perform(fw::CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
  Click();
}

void TCustomVxOfficeRadioGroup::ReadState(fw::TReader* Reader) {
  reading_ = true;
  try {
    TVxGroupBox::ReadState(Reader);
  } catch (...) {
    reading_ = false;
    throw;
  }
  reading_ = false;
  // The stored index is checked by UpdateButtons without a click; one past the stored items is pulled
  // back as an items change does.
  itemIndex_ = std::max(itemIndex_, -1);
  ItemsChanged();
}

void TCustomVxOfficeRadioGroup::Loaded() {
  TVxGroupBox::Loaded();
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::CreateWnd() {
  TVxGroupBox::CreateWnd();
  ArrangeButtons();
}

void TCustomVxOfficeRadioGroup::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  TVxGroupBox::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent == static_cast<fw::TComponent*>(pictureContainer_)) {
    pictureContainer_ = nullptr;
  }
}

void TCustomVxOfficeRadioGroup::ArrangeButtons() {
  if (ComponentState().Contains(fw::csLoading) || !HandleAllocated() || buttons_.empty() || reading_) return;
  int textHeight = 0;
  {
    fw::WindowDC screen(nullptr);
    fw::SelectedObject font(screen.Get(), Font()->Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.Get(), &metrics);
    textHeight = metrics.tmHeight;
  }
  const int count = ButtonCount();
  const int perColumn = (count + columns_ - 1) / columns_;
  const int buttonWidth = (Width() - 10) / columns_;
  const int inner = Height() - textHeight - 5;
  const int buttonHeight = inner / perColumn;
  int topMargin = (inner % perColumn) / 2 + textHeight + 1;
  if (Caption().empty()) topMargin -= textHeight / 2;
  HDWP positions = BeginDeferWindowPos(count);
  try {
    for (int i = 0; i < count; ++i) {
      TVxGroupButton* button = buttons_[static_cast<std::size_t>(i)];
      button->SetBiDiMode(BiDiMode());
      button->SetParentBackground(false);
      button->SetAlignment(alignment_ == fw::taRightJustify ? fw::taRightJustify : fw::taLeftJustify);
      button->SetButtonVertAlign(buttonVertAlign_);
      button->SetImages(Images());
      button->SetPictureContainer(pictureContainer_);
      button->SetEllipsis(ellipsis_);
      button->SetShadowOffset(shadowOffset_);
      button->SetShadowColor(shadowColor_);
      button->SetShowFocus(showFocus_);
      button->SetDisabledFontColor(disabledFontColor_);
      button->SetThemed(themed_);
      bool enabled = Enabled();
      if (OnIsEnabled) OnIsEnabled(this, i, enabled);
      button->SetEnabled(enabled);
      int left = (i / perColumn) * buttonWidth + 8;
      if (button->UseRightToLeftReading()) left = ClientWidth() - left - buttonWidth;
      const int top = (i % perColumn) * buttonHeight + topMargin;
      // A button with a window moves with the others at the end (its bounds follow WM_WINDOWPOSCHANGED);
      // one without, or when the deferral failed, takes its bounds at once.
      if (positions && button->HandleAllocated()) {
        positions = DeferWindowPos(positions, button->Handle(), nullptr, left, top, buttonWidth, buttonHeight,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
      }
      if (!positions || !button->HandleAllocated()) button->SetBounds(left, top, buttonWidth, buttonHeight);
      button->SetVisible(true);
    }
  } catch (...) {
    if (positions) EndDeferWindowPos(positions);
    throw;
  }
  if (positions) EndDeferWindowPos(positions);
}

void TCustomVxOfficeRadioGroup::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case fw::CM_ENABLEDCHANGED:
      TVxGroupBox::Dispatch(Message);
      for (TVxGroupButton* button : buttons_) button->SetEnabled(Enabled());
      return;
    case fw::CM_FONTCHANGED:
    case WM_SIZE:
      TVxGroupBox::Dispatch(Message);
      ArrangeButtons();
      return;
    default:
      break;
  }
  TVxGroupBox::Dispatch(Message);
}

}  // namespace ui
