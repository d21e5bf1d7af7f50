#include "framework/classes/list.h"

#include <algorithm>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

namespace fw {

TList::~TList() {
  // Clear is virtual but does not dispatch from here; derived lists clear themselves in their destructors.
  TList::Clear();
}

void TList::Check(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
}

void TList::SetCount(int value) {
  if (value < 0) throw EListError(Format("List count out of bounds (%d)", value));
  while (Count() > value) Delete(Count() - 1);
  items_.resize(static_cast<std::size_t>(value), nullptr);
}

void TList::SetCapacity(int value) {
  if (value < Count()) throw EListError(Format("List capacity out of bounds (%d)", value));
  items_.reserve(static_cast<std::size_t>(value));
}

void* TList::Items(int index) const {
  Check(index);
  return items_[static_cast<std::size_t>(index)];
}

void TList::SetItems(int index, void* item) {
  Check(index);
  void*& slot = items_[static_cast<std::size_t>(index)];
  if (slot == item) return;
  void* previous = slot;
  slot = item;
  if (previous != nullptr) Notify(previous, lnDeleted);
  if (item != nullptr) Notify(item, lnAdded);
}

int TList::Add(void* item) {
  items_.push_back(item);
  if (item != nullptr) Notify(item, lnAdded);
  return Count() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) throw EListError(Format("List index out of bounds (%d)", index));
  items_.insert(items_.begin() + index, item);
  if (item != nullptr) Notify(item, lnAdded);
}

void TList::Delete(int index) {
  Check(index);
  void* item = items_[static_cast<std::size_t>(index)];
  items_.erase(items_.begin() + index);
  if (item != nullptr) Notify(item, lnDeleted);
}

int TList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  const int index = IndexOf(item);
  if (index < 0) return nullptr;
  items_.erase(items_.begin() + index);
  Notify(item, lnExtracted);
  return item;
}

void TList::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
  items_.shrink_to_fit();
}

int TList::IndexOf(void* item) const {
  const auto found = std::find(items_.begin(), items_.end(), item);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TList::Exchange(int index1, int index2) {
  Check(index1);
  Check(index2);
  std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
}

void TList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  Check(curIndex);
  Check(newIndex);
  void* item = items_[static_cast<std::size_t>(curIndex)];
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, item);
}

void TList::Pack() { items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end()); }

void TList::Sort(const TListSortCompare& compare) {
  std::stable_sort(items_.begin(), items_.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::Notify(void*, TListNotification) {}

}  // namespace fw
