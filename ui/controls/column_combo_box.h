// TColumnComboBox: a drop-down list whose items carry several column texts (Strings; the first is the
// item's text). ItemIndex is the selected item, -1 for none.
#pragma once

#include "framework/classes/collection.h"
#include "framework/classes/stringlist.h"
#include "framework/controls/custom_control.h"

namespace ui {

class TComboItem : public fw::TCollectionItem {
 public:
  explicit TComboItem(fw::TCollection* Collection);
  fw::TStringList* Strings() { return &strings_; }

 private:
  fw::TStringList strings_;
};

class TComboItems : public fw::TCollection {
 public:
  TComboItems();
  TComboItem* Add() { return static_cast<TComboItem*>(fw::TCollection::Add()); }
  TComboItem* Items(int index) const { return static_cast<TComboItem*>(fw::TCollection::Items(index)); }
};

class TColumnComboBox : public fw::TCustomControl {
 public:
  explicit TColumnComboBox(fw::TComponent* AOwner);

  TComboItems* ComboItems() { return &items_; }
  int ItemIndex() const;
  // Selects that item; -1 (or an index outside the list) clears the selection.
  void SetItemIndex(int value);

 protected:
  void Paint() override;

 private:
  TComboItems items_;
  int itemIndex_ = -1;
};

}  // namespace ui
