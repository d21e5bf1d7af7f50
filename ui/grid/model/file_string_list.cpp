#include "ui/grid/model/file_string_list.h"

namespace ui {

void TFileStringList::ReadLine(std::string& text) {
  text = Strings(position_);
  ++position_;
}

}  // namespace ui
