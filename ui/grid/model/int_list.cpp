#include "ui/grid/model/int_list.h"

#include <memory>

#include "framework/classes/stringlist.h"
#include "framework/rtl/intconv.h"

namespace ui {

namespace {

// The integers live in the pointer slots.
void* ToSlot(std::int32_t value) { return reinterpret_cast<void*>(static_cast<std::intptr_t>(value)); }
std::int32_t FromSlot(void* slot) { return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(slot)); }

}  // namespace

// ---- TIntList --------------------------------------------------------------------------------------------

void TIntList::Changed() {
  if (OnChange) OnChange(this, colTag_, rowTag_);
}

std::int32_t TIntList::GetItem(int index) const { return FromSlot(Items(index)); }

void TIntList::SetItem(int index, std::int32_t value) {
  SetItems(index, ToSlot(value));
  Changed();
}

int TIntList::Add(std::int32_t value) {
  const int index = TList::Add(ToSlot(value));
  Changed();
  return index;
}

void TIntList::Insert(int index, std::int32_t value) { TList::Insert(index, ToSlot(value)); }

void TIntList::Delete(int index) {
  TList::Delete(index);
  Changed();
}

void TIntList::RemoveValue(std::int32_t value) {
  const int index = IndexOf(ToSlot(value));
  if (index >= 0) Delete(index);
}

bool TIntList::HasValue(std::int32_t value) const { return IndexOf(ToSlot(value)) >= 0; }

std::string TIntList::CommaText() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) text += ',';
    text += std::to_string(GetItem(i));
  }
  return text;
}

void TIntList::SetCommaText(std::string_view text) {
  fw::TStringList pieces;
  pieces.SetCommaText(text);
  TList::Clear();
  for (int i = 0; i < pieces.Count(); ++i) Add(fw::StrToInt(pieces.Strings(i)));
}

// ---- TSortIndexList --------------------------------------------------------------------------------------

void TSortIndexList::AddSortColumn(int col, bool ascending) {
  const std::uint32_t entry = static_cast<std::uint32_t>(col) | (ascending ? 0u : kDescending);
  Add(static_cast<std::int32_t>(entry));
}

int TSortIndexList::FindSortColumn(int col) const {
  for (int i = 0; i < Count(); ++i) {
    if (ColumnAt(i) == col) return i;
  }
  return -1;
}

int TSortIndexList::ColumnAt(int position) const {
  return static_cast<int>(static_cast<std::uint32_t>(GetItem(position)) & ~kDescending);
}

void TSortIndexList::ToggleIndex(int col) {
  const int position = FindSortColumn(col);
  if (position < 0) return;
  SetItem(position, static_cast<std::int32_t>(static_cast<std::uint32_t>(GetItem(position)) ^ kDescending));
}

// ---- TControlList ----------------------------------------------------------------------------------------

TControlList::~TControlList() {
  // The base's destructor clears without reaching Notify here: free the items first.
  while (Count() > 0) TList::Delete(0);
}

TControlItem* TControlList::Add(int col, int row, fw::TControl* control) {
  auto item = std::make_unique<TControlItem>(col, row, control);
  TList::Add(item.get());
  return item.release();
}

void TControlList::Notify(void* Ptr, fw::TListNotification Action) {
  TList::Notify(Ptr, Action);
  if (Action == fw::lnDeleted) delete static_cast<TControlItem*>(Ptr);
}

}  // namespace ui
