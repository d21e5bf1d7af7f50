// TSizeWhileTyping: whether the cell editors grow the row (Height) or the column (Width) while the user
// types. Owned by the grid. GUI thread only.
#pragma once

#include "framework/classes/persistent.h"

namespace ui {

class TSizeWhileTyping : public fw::TPersistent {
 public:
  bool Height = false;
  bool Width = false;
};

}  // namespace ui
