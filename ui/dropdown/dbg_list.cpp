#include "ui/dropdown/dbg_list.h"

#include "framework/rtl/exceptions.h"

namespace ui {

void* TDbgList::Items(int Index) const {
  if (Index >= Count()) throw fw::Exception("Index out of bounds in list read access");
  return fw::TList::Items(Index);
}

}  // namespace ui
