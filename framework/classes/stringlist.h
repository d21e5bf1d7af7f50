// TStringList: the string list that stores its strings and objects itself, optionally sorted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/classes/events.h"
#include "framework/classes/strings.h"

namespace fw {

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  void Clear() override;
  void Delete(int index) override;
  // On a sorted list Insert raises EStringListError "Operation not allowed on sorted list"; Add puts the
  // string in its place, and for a string already present returns the existing index (dupIgnore), adds
  // it again (dupAccept) or raises "String list does not allow duplicates" (dupError).
  void Insert(int index, const std::string& s) override;
  void InsertObject(int index, const std::string& s, TObject* object) override;
  int Add(const std::string& s) override;
  int AddObject(const std::string& s, TObject* object) override;
  void Exchange(int index1, int index2) override;
  int IndexOf(const std::string& s) const override;

  // Binary search of a sorted list: true when found; index is the match or the place to insert.
  virtual bool Find(const std::string& s, int& index) const;
  // Sort the strings of an unsorted list (stable); a sorted list keeps its order.
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates value) { duplicates_ = value; }
  // Comparisons ignore case unless CaseSensitive; changing it re-sorts a sorted list.
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  TObject* GetObjectAt(int index) const override;
  void PutObjectAt(int index, TObject* object) override;
  void SetUpdateState(bool updating) override;
  int CompareStrings(const std::string& s1, const std::string& s2) const override;
  // Fire OnChanging before and OnChange after every change, unless an update is in progress.
  virtual void Changing();
  virtual void Changed();

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };
  void Check(int index) const;
  void InsertItem(int index, const std::string& s, TObject* object);
  void SortItems();
  void SortItems(const TStringListSortCompare& compare);

  std::vector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = dupIgnore;
};

}  // namespace fw
