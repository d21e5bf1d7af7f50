#include "framework/controls/radio_group.h"

#include <algorithm>

namespace fw {

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner) : TCustomGroupBox(AOwner) {
  items_.OnChange = [this](TObject*) { UpdateButtons(); };
}

// The buttons are children: TWinControl's destructor frees them.
TCustomRadioGroup::~TCustomRadioGroup() { items_.OnChange = nullptr; }

void TCustomRadioGroup::UpdateButtons() {
  updating_ = true;
  while (buttons_.size() > static_cast<size_t>(items_.Count())) {
    buttons_.back()->Free();
    buttons_.pop_back();
  }
  while (buttons_.size() < static_cast<size_t>(items_.Count())) {
    auto* button = Create<TRadioButton>(nullptr);
    const int index = static_cast<int>(buttons_.size());
    button->OnClick = [this, index](TObject*) { ButtonClicked(index); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetCaption(items_[static_cast<int>(i)]);
    buttons_[i]->SetEnabled(Enabled());
  }
  if (itemIndex_ >= items_.Count() && !ComponentState().Contains(csLoading)) itemIndex_ = -1;
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == itemIndex_);
  updating_ = false;
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int top = CaptionHeight();
  const TRect client = ClientRect();
  const int columnWidth = std::max(1, (client.Width() - 10) / columns_);
  const int rowHeight = std::max(1, (client.Height() - top - 4) / rows);
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    buttons_[static_cast<size_t>(i)]->SetBounds(8 + column * columnWidth, top + row * rowHeight, columnWidth - 4,
                                                std::min(rowHeight, 17 + 4));
  }
}

void TCustomRadioGroup::ButtonClicked(int index) {
  if (updating_) return;
  itemIndex_ = index;
  if (!ComponentState().Contains(csLoading)) Click();
}

void TCustomRadioGroup::SetItemIndex(int value) {
  // While loading the items may come later: Loaded checks the index against them.
  if (ComponentState().Contains(csLoading)) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, items_.Count() - 1);
  if (value == itemIndex_) return;
  if (value < 0) {
    updating_ = true;
    buttons_[static_cast<size_t>(itemIndex_)]->SetChecked(false);
    updating_ = false;
    itemIndex_ = -1;
    return;
  }
  buttons_[static_cast<size_t>(value)]->SetChecked(true);  // clicks through ButtonClicked
}

void TCustomRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (columns_ == value) return;
  columns_ = value;
  ArrangeButtons();
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  UpdateButtons();
}

void TCustomRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  ArrangeButtons();
}

}  // namespace fw
