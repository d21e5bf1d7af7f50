// The collections of the list pickers' items: a changed value that the list shows (a caption, an image
// index, a colour) fires the collection's OnChange, which the owning selector or drop-down points at its
// handler. Adding and deleting items fires nothing. GUI thread only.
#pragma once

#include <utility>

#include "framework/classes/collection.h"
#include "framework/classes/events.h"

namespace ui {

class TNotifyingCollection : public fw::TCollection {
 public:
  using fw::TCollection::TCollection;

  // Sender: the collection.
  fw::TNotifyEvent OnChange;
};

// Typed Add and Items over the item class T; the owner is returned by GetOwner.
template <class T>
class TNotifyingItems : public TNotifyingCollection {
 public:
  explicit TNotifyingItems(fw::TPersistent* Owner) : TNotifyingCollection(fw::ItemClass<T>(), Owner) {}
  T* Add() { return static_cast<T*>(fw::TCollection::Add()); }
  // EListError for an index outside the list.
  T* Items(int Index) const { return static_cast<T*>(fw::TCollection::Items(Index)); }
};

class TNotifyingItem : public fw::TCollectionItem {
 public:
  using fw::TCollectionItem::TCollectionItem;

 protected:
  // Stores a changed value and fires the collection's OnChange; an equal value changes nothing.
  template <class V>
  void StoreShown(V& Field, V Value) {
    if (Field == Value) return;
    Field = std::move(Value);
    auto* items = dynamic_cast<TNotifyingCollection*>(Collection());
    if (items != nullptr && items->OnChange) items->OnChange(items);
  }
};

}  // namespace ui
