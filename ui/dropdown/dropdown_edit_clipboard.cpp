// The drop-down edit's cut, copy and paste: a paste goes in only when it fits MaxLength and the edit kind.
#include <windows.h>

#include <string>

#include "framework/clipboard/clipboard.h"
#include "framework/rtl/formatsettings.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/dropdown_number_text.h"

namespace ui {

void TVxCustomDropDown::ClipboardMessage(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_CUT:
      if (editorEnabled_ && !ReadOnly()) fw::TCustomMaskEdit::Dispatch(Message);
      return;
    case WM_PASTE:
      PasteText();
      return;
    default:
      fw::TCustomMaskEdit::Dispatch(Message);
      return;
  }
}

void TVxCustomDropDown::PasteText() {
  if (ReadOnly()) return;
  fw::TClipboard* clipboard = fw::Clipboard();
  if (!clipboard->HasFormat(CF_TEXT)) {
    TextEdited();
    return;
  }
  const std::string pasted = clipboard->AsText();
  const std::string text = Text();
  const int start = SelStart();
  const int length = SelLength();
  const std::string value =
      text.substr(0, static_cast<size_t>(start)) + pasted + text.substr(static_cast<size_t>(start + length));
  const int pastedLength = static_cast<int>(pasted.size());
  const int targetStart = length > 0 ? start : start + pastedLength;
  const int targetLength = length > 0 ? pastedLength : 0;
  if (MaxLength() > 0 && MaxLength() < pastedLength + static_cast<int>(text.size()) - length) return;

  const bool hasMinus = value.find('-') != std::string::npos;
  switch (editType_) {
    case etInteger:
      if (dropdown::ClassifyNumber(value) == dropdown::ncInteger && !hasMinus) {
        SetText(value);
        SetModifiedFlag(true);
      }
      break;
    case etDecimal:
    case etGrouped: {
      const bool decimalPasted = pasted.find(fw::FormatSettings.DecimalSeparator) != std::string::npos;
      if (dropdown::ClassifyNumber(value) > dropdown::ncDecimal || (precision_ == 0 && decimalPasted) || hasMinus) {
        break;
      }
      SetText(value);
      SetFloatValue(GetFloatValue());
      SetModifiedFlag(true);
      break;
    }
    default:
      SetText(value);
      break;
  }
  if (editType_ == etGrouped && Text().size() > 3) {
    SelectValue();
  } else {
    SetSelStart(targetStart);
    SetSelLength(targetLength);
  }
  if (editType_ == etText) SetModifiedFlag(true);
  TextEdited();
}

}  // namespace ui
