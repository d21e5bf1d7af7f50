#pragma once
// TRadioGroup: a group box with one radio button per line of Items, laid out in Columns. ItemIndex is
// the checked button (-1: none); a change of it, by the user or by the program, fires OnClick (not
// while the form is loading).
#include <vector>

#include "framework/classes/stringlist.h"
#include "framework/controls/check_box.h"
#include "framework/controls/group_box.h"

namespace fw {

class TCustomRadioGroup : public TCustomGroupBox {
 public:
  explicit TCustomRadioGroup(TComponent* AOwner);
  ~TCustomRadioGroup() override;

  TStrings* Items() { return &items_; }
  void SetItems(TStrings* value) { items_.Assign(value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // The radio button of an item (made with the items).
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

 protected:
  void Loaded() override;
  void BoundsChanged() override;
  void ButtonClicked(int index);

 private:
  void UpdateButtons();
  void ArrangeButtons();

  TStringList items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  using TCustomRadioGroup::TCustomRadioGroup;
};

}  // namespace fw
