// A wide string list kept in memory, with objects, for the list tests: it also counts how often its
// update state was switched on and off.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "ui/dropdown/wide_strings.h"

namespace ui::testing {

class TMemoryWideStrings : public TWideStrings {
 public:
  std::wstring Get(int Index) const override { return items_.at(Checked(Index)).first; }
  int GetCount() const override { return static_cast<int>(items_.size()); }
  void Clear() override { items_.clear(); }
  void Delete(int Index) override { items_.erase(items_.begin() + Checked(Index)); }
  void Insert(int Index, const std::wstring& S) override {
    if (Index < 0 || Index > GetCount()) throw fw::EListError("List index out of bounds");
    items_.insert(items_.begin() + Index, {S, nullptr});
  }
  fw::TObject* GetObjectAt(int Index) const override { return items_.at(Checked(Index)).second; }
  void PutObjectAt(int Index, fw::TObject* AObject) override { items_.at(Checked(Index)).second = AObject; }

  int updatesOn = 0;
  int updatesOff = 0;

 protected:
  void SetUpdateState(bool Updating) override { ++(Updating ? updatesOn : updatesOff); }

 private:
  size_t Checked(int Index) const {
    if (Index < 0 || Index >= GetCount()) throw fw::EListError("List index out of bounds");
    return static_cast<size_t>(Index);
  }
  std::vector<std::pair<std::wstring, fw::TObject*>> items_;
};

}  // namespace ui::testing
