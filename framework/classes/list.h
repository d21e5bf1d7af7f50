// TList: a list of untyped pointers. Indexes out of range raise EListError "List index out of bounds (%d)".
#pragma once

#include <functional>
#include <vector>

#include "framework/classes/object.h"

namespace fw {

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// <0, 0, >0 as the first item sorts before, with or after the second.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

class TList : public TObject {
 public:
  ~TList() override;

  int Count() const { return static_cast<int>(items_.size()); }
  void SetCount(int value);  // grows with null items, shrinks by deleting from the end
  int Capacity() const { return static_cast<int>(items_.capacity()); }
  void SetCapacity(int value);
  void* Items(int index) const;
  void SetItems(int index, void* item);
  void* operator[](int index) const { return Items(index); }
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  int Remove(void* item);     // the first occurrence; its former index or -1
  void* Extract(void* item);  // as Remove, but reported as extracted; the item or null
  virtual void Clear();
  int IndexOf(void* item) const;
  void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  void Pack();  // removes the null items
  void Sort(const TListSortCompare& compare);  // stable

 protected:
  // Called after an item was added and before it is deleted or extracted.
  virtual void Notify(void* Ptr, TListNotification Action);

 private:
  void Check(int index) const;
  std::vector<void*> items_;
};

}  // namespace fw
