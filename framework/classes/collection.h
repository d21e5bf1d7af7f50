// TCollection and TCollectionItem: an owned, ordered list of items of one class, as settings objects and
// column lists keep them. The collection frees its items; an item freed on its own leaves its collection.
//
// Items are made by the collection's item factory (ItemClass<T>() makes T with Create<T>), so the
// collection hears of a new item (Notify cnAdded, then Update) only once the item is complete.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/classes/persistent.h"

namespace fw {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;
  void AfterConstruction() override;

  TCollection* Collection() const { return collection_; }
  // Moves the item to another collection (or none).
  void SetCollection(TCollection* value);
  int ID() const { return id_; }
  int Index() const;  // -1 without collection
  virtual void SetIndex(int value);
  // The class name unless a descendant names its items.
  virtual std::string DisplayName() const { return ClassName(); }
  virtual void SetDisplayName(const std::string&) { Changed(false); }
  TPersistent* GetOwner() const override;

 protected:
  // Tells the collection (Update) that this item, or with AllItems every item, changed.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

using TCollectionItemFactory = std::function<TCollectionItem*(TCollection*)>;

template <class T>
TCollectionItemFactory ItemClass() {
  return [](TCollection* collection) -> TCollectionItem* { return Create<T>(collection); };
}

class TCollection : public TPersistent {
 public:
  explicit TCollection(TCollectionItemFactory itemClass, TPersistent* owner = nullptr);
  ~TCollection() override;

  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;  // EListError when out of range
  void SetItems(int index, TCollectionItem* value) { Items(index)->Assign(value); }
  TCollectionItem* FindItemID(int id) const;
  // Changes made between BeginUpdate and the outermost EndUpdate give one Update(nullptr) at the end.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int UpdateCount() const { return updateCount_; }
  // Copies another collection's items (each by its Assign).
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() const override { return owner_; }

 protected:
  // Item changed (null: the whole collection), unless an update is in progress.
  virtual void Update(TCollectionItem* Item);
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);

  TCollectionItemFactory itemClass_;
  TPersistent* owner_;
  std::vector<TCollectionItem*> items_;
  int updateCount_ = 0;
  int nextId_ = 0;
};

}  // namespace fw
