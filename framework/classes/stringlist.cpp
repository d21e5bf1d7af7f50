#include "framework/classes/stringlist.h"

#include <algorithm>
#include <numeric>

#include "framework/rtl/textutils.h"

namespace fw {

namespace {
constexpr const char* kIndexError = "List index out of bounds (%d)";
constexpr const char* kSortedError = "Operation not allowed on sorted list";
}  // namespace

void TStringList::Check(int index) const {
  if (index < 0 || index >= Count()) Error(kIndexError, index);
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::Delete(int index) {
  Check(index);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
  if (sorted_) Error(kSortedError, 0);
  if (index < 0 || index > Count()) Error(kIndexError, index);
  InsertItem(index, s, object);
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* object) {
  int index = Count();
  if (sorted_ && Find(s, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) Error("String list does not allow duplicates", 0);
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
  Changing();
  items_.insert(items_.begin() + index, Item{s, object});
  Changed();
}

void TStringList::Exchange(int index1, int index2) {
  Check(index1);
  Check(index2);
  Changing();
  std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
  Changed();
}

int TStringList::IndexOf(const std::string& s) const {
  if (!sorted_) return TStrings::IndexOf(s);
  int index = 0;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const {
  // With duplicates accepted the search ends on the first of equal strings.
  bool found = false;
  int low = 0;
  int high = Count() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int compared = CompareStrings(items_[static_cast<std::size_t>(middle)].text, s);
    if (compared < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (compared == 0) {
        found = true;
        if (duplicates_ != dupAccept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

void TStringList::Sort() {
  if (!sorted_) SortItems();
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
  if (!sorted_) SortItems(compare);
}

void TStringList::SortItems() {
  SortItems([](TStringList* list, int a, int b) { return list->CompareStrings(list->Get(a), list->Get(b)); });
}

void TStringList::SortItems(const TStringListSortCompare& compare) {
  if (Count() < 2) return;
  Changing();
  // The comparison names items by index, so the items stay in place while the order is worked out.
  std::vector<int> order(items_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(this, a, b) < 0; });
  std::vector<Item> sorted;
  sorted.reserve(items_.size());
  for (const int index : order) sorted.push_back(std::move(items_[static_cast<std::size_t>(index)]));
  items_ = std::move(sorted);
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (sorted_ == value) return;
  if (value) SortItems();
  sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (caseSensitive_ == value) return;
  caseSensitive_ = value;
  if (sorted_) SortItems();
}

std::string TStringList::Get(int index) const {
  Check(index);
  return items_[static_cast<std::size_t>(index)].text;
}

void TStringList::Put(int index, const std::string& s) {
  if (sorted_) Error(kSortedError, 0);
  Check(index);
  Changing();
  items_[static_cast<std::size_t>(index)].text = s;
  Changed();
}

TObject* TStringList::GetObjectAt(int index) const {
  Check(index);
  return items_[static_cast<std::size_t>(index)].object;
}

void TStringList::PutObjectAt(int index, TObject* object) {
  Check(index);
  Changing();
  items_[static_cast<std::size_t>(index)].object = object;
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) {
    Changing();
  } else {
    Changed();
  }
}

int TStringList::CompareStrings(const std::string& s1, const std::string& s2) const {
  return caseSensitive_ ? AnsiCompareStr(s1, s2) : AnsiCompareText(s1, s2);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

}  // namespace fw
