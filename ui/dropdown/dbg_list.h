// The list of buttons a pop-up bar keeps: a pointer list that names the fault when an item past its end is
// read, so a bar that lost track of its buttons says so instead of reading a stale slot.
#pragma once

#include "framework/classes/list.h"

namespace ui {

class TDbgList : public fw::TList {
 public:
  // An index not below Count raises "Index out of bounds in list read access"; a negative index gets the
  // list's own error.
  void* Items(int Index) const;
  void* operator[](int Index) const { return Items(Index); }
};

}  // namespace ui
