// TGridItem: one hidden row of the string grid, kept in the grid's hidden-row store while the row is out of
// the grid: its index, its height, its cell texts with their cell objects (one entry per real column) and
// the hide level it belongs to. TGridItems is the store, a collection that owns its items. GUI thread only.
#pragma once

#include <memory>

#include "framework/classes/collection.h"
#include "framework/classes/stringlist.h"

namespace ui {

class TGridItem : public fw::TCollectionItem {
 public:
  explicit TGridItem(fw::TCollection* Collection);
  ~TGridItem() override;

  // The row's real index (HideRows), or its index in the grid when it was hidden (HideRowList).
  int Idx() const { return idx_; }
  void SetIdx(int value) { idx_ = value; }
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }
  // The texts with the cells' objects. The item owns the list, never the objects it names.
  fw::TStrings* Items() const { return items_.get(); }
  // The item takes the list over.
  void SetItems(fw::TStrings* value);
  // 0 for rows hidden outside the hide levels and for the first level.
  int Level() const { return level_; }
  void SetLevel(int value) { level_ = value; }

 private:
  int idx_ = 0;
  int height_ = 0;
  std::unique_ptr<fw::TStrings> items_;
  int level_ = 0;
};

class TGridItems : public fw::TCollection {
 public:
  TGridItems() : fw::TCollection(fw::ItemClass<TGridItem>()) {}
  TGridItem* Item(int index) const { return static_cast<TGridItem*>(Items(index)); }
  TGridItem* AddItem() { return static_cast<TGridItem*>(Add()); }
  TGridItem* InsertItem(int index) { return static_cast<TGridItem*>(Insert(index)); }
};

}  // namespace ui
