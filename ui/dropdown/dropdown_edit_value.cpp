// The drop-down edit's value: the Text setter and the value operations the keys and focus handling call.
// The typed value editing (edit kinds, formatting, filtering, the clipboard) is not built yet: the text
// is written as given and kept as the old text, and the value operations do nothing.
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

void TVxCustomDropDown::SetText(const std::string& Value) {
  fw::TCustomMaskEdit::SetText(Value);
  oldText_ = Value;
}

void TVxCustomDropDown::SelectValue() {}
void TVxCustomDropDown::SetModifiedFlag(bool) {}
void TVxCustomDropDown::FormatThousands() {}

}  // namespace ui
