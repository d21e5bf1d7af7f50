// The grid's small bookkeeping lists: TIntList (signed 32-bit integers kept in a pointer list, announcing
// changes with two tags that let one handler serve several lists), TSortIndexList (sort columns with their
// direction in bit 31) and TControlList (the controls embedded in cells, as owned records that merely
// name the controls). Plain objects, GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "framework/classes/list.h"

namespace fw {
class TControl;
}

namespace ui {

class TIntList;

// Sender, then the list's column and row tags.
using TIntListChangeEvent = std::function<void(TIntList* Sender, std::int32_t ACol, std::int32_t ARow)>;

// Index errors are the framework list's (EListError). Add, SetItem, Delete and RemoveValue announce the
// change through OnChange; Insert and the inherited Clear do not.
class TIntList : public fw::TList {
 public:
  TIntList(std::int32_t colTag, std::int32_t rowTag) : colTag_(colTag), rowTag_(rowTag) {}

  std::int32_t GetItem(int index) const;
  void SetItem(int index, std::int32_t value);
  int Add(std::int32_t value);
  void Insert(int index, std::int32_t value);
  void Delete(int index);
  // The first entry equal to the value goes (announced); nothing when there is none.
  void RemoveValue(std::int32_t value);
  bool HasValue(std::int32_t value) const;
  // The entries in decimal joined by "," ("" for an empty list).
  std::string CommaText() const;
  // Split like a string list's comma text; the list is emptied silently, then each piece is added. A piece
  // that is no integer raises EConvertError with the pieces before it kept.
  void SetCommaText(std::string_view text);

  std::int32_t ColTag() const { return colTag_; }
  std::int32_t RowTag() const { return rowTag_; }

  TIntListChangeEvent OnChange;

 protected:
  void Changed();

 private:
  std::int32_t colTag_;
  std::int32_t rowTag_;
};

// Entries are column indices; bit 31 set marks a descending column, so a descending entry reads negative.
class TSortIndexList : public TIntList {
 public:
  static constexpr std::uint32_t kDescending = 0x80000000u;

  using TIntList::TIntList;

  void AddSortColumn(int col, bool ascending);
  // The position of the first entry of the column, -1 when it has none.
  int FindSortColumn(int col) const;
  int ColumnAt(int position) const;
  // Flips the direction of the column's first entry (announced); nothing when the column is absent.
  void ToggleIndex(int col);
};

// A control shown in a cell. The item names the control; it never frees it.
class TControlItem : public fw::TObject {
 public:
  TControlItem(int col, int row, fw::TControl* control) : Col(col), Row(row), Control(control) {}

  int Col;
  int Row;
  fw::TControl* Control;
};

// Owns its items: deleting, clearing or freeing the list frees them (never the controls they name).
class TControlList : public fw::TList {
 public:
  ~TControlList() override;

  TControlItem* Add(int col, int row, fw::TControl* control);
  TControlItem* GetItem(int index) const { return static_cast<TControlItem*>(Items(index)); }

 protected:
  void Notify(void* Ptr, fw::TListNotification Action) override;
};

}  // namespace ui
