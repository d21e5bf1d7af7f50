// The drop-down edit's typed characters, filtered by its edit kind: plain text, integers, decimal numbers
// with at most Precision decimals, and decimal numbers whose thousands are regrouped while typing.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "framework/rtl/formatsettings.h"
#include "framework/services/keystate.h"
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A thousands or decimal separator may go at caret p (0-based) of S only where the nearest thousands
// separator already in S lies exactly 3 characters away; anywhere when S holds none.
bool GroupSpacingAllows(std::string S, int p) {
  const char thousands = fw::FormatSettings.ThousandSeparator;
  if (S.find(thousands) == std::string::npos) return true;
  int smallest = static_cast<int>(S.size());
  for (size_t found = S.find(thousands); found != std::string::npos; found = S.find(thousands)) {
    const int q = static_cast<int>(found) + 1;
    const int d = std::abs(q - p);
    if (d < smallest) smallest = d;
    if (d < 3) return false;
    if (q < p) p -= q;
    S.erase(0, static_cast<size_t>(q));
  }
  return smallest <= 3;
}

}  // namespace

void TVxCustomDropDown::CharTyped(fw::TMessage& Message) {
  // With the editor off the value is chosen in the pop-up only.
  if (!editorEnabled_) return;
  const char key = static_cast<char>(Message.WParam & 0xFF);
  const bool ctrl = fw::IsKeyDown(VK_CONTROL);
  if (key == '\r') {
    // OnKeyPress has seen Enter in the key-press step; the edit would only beep at it.
    Message.Result = ctrl ? 1 : 0;
    return;
  }
  if (ctrl && (key == 3 || key == 22 || key == 24)) {
    fw::TCustomMaskEdit::Dispatch(Message);
    return;
  }
  if (key == '\b') {
    BackspaceTyped(Message);
    return;
  }
  if (ctrl && key == '\n') return;
  if (key == '-' && NumericKind()) return;
  switch (editType_) {
    case etText:
      SetModifiedFlag(true);
      fw::TCustomMaskEdit::Dispatch(Message);
      break;
    case etInteger:
      if (IsDigit(key) || key == '\b' || key == '\t' || key == '\r' || fw::IsKeyDown(VK_LCONTROL) ||
          fw::IsKeyDown(VK_RCONTROL)) {
        fw::TCustomMaskEdit::Dispatch(Message);
      }
      break;
    case etDecimal:
      if (!DecimalCharTyped(Message, key)) return;
      break;
    case etGrouped:
      if (!GroupedCharTyped(Message, key)) return;
      break;
    default:
      fw::TCustomMaskEdit::Dispatch(Message);
      break;
  }
  if (Modified()) SetModifiedFlag(true);
  TextEdited();
}

void TVxCustomDropDown::BackspaceTyped(fw::TMessage& Message) {
  const std::string text = Text();
  const int start = SelStart();
  const int length = SelLength();
  // What should remain: the selection (or one character) deleted at the caret's 1-based position, so a
  // selection that starts the text leaves the text whole.
  std::string remainder = text;
  if (start >= 1 && start <= static_cast<int>(text.size())) {
    remainder.erase(static_cast<size_t>(start) - 1, static_cast<size_t>(length > 0 ? length : 1));
  }
  const bool wholeText = !text.empty() && length == static_cast<int>(text.size());
  // Deleting the whole selected text reports its change once, below, in place of the window's.
  changeSuppressed_ = wholeText;
  fw::TCustomMaskEdit::Dispatch(Message);
  changeSuppressed_ = false;
  if (wholeText && Text().empty() && !remainder.empty()) Change();
}

bool TVxCustomDropDown::DecimalCharTyped(fw::TMessage& Message, char Key) {
  const char decimal = fw::FormatSettings.DecimalSeparator;
  const char thousands = fw::FormatSettings.ThousandSeparator;
  if ((Key == ',' || Key == '.') && decimal != Key && thousands != Key) return false;
  if (!IsDigit(Key) && Key != '\b' && Key != '\t' && Key != '\r' && Key != ',' && Key != '-' && Key != '.') return true;
  const std::string text = Text();
  const int start = SelStart();
  const int length = SelLength();
  const std::string selected = text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
  if (Key == decimal && selected.find(decimal) == std::string::npos &&
      (text.find(decimal) != std::string::npos || precision_ == 0)) {
    if (precision_ > 0) CaretAfterDecimal();
    return false;
  }
  if (Key == ',' && thousands != ',') {
    for (size_t i = text.find(','); i != std::string::npos; i = text.find(',', i + 1)) {
      const int at = static_cast<int>(i);
      if (at < start || at >= start + length) return false;
    }
  }
  if ((Key == thousands || Key == decimal) && !GroupSpacingAllows(text, start)) return false;
  if (PrecisionLimitDrops(Key)) return false;
  if (StartsDecimalFraction(Key)) return false;
  fw::TCustomMaskEdit::Dispatch(Message);
  return true;
}

bool TVxCustomDropDown::GroupedCharTyped(fw::TMessage& Message, char Key) {
  const char decimal = fw::FormatSettings.DecimalSeparator;
  const std::string text = Text();
  if (Key == decimal && (text.find(decimal) != std::string::npos || precision_ == 0)) {
    if (precision_ > 0) {
      // Over the whole value the separator starts it again at zero.
      if (SelLength() == static_cast<int>(text.size())) SetText("0,0");
      CaretAfterDecimal();
    }
    return false;
  }
  if (!IsDigit(Key) && Key != '\b' && Key != '\t' && Key != '\r' && Key != '-' && Key != decimal) return true;
  if (Key == decimal && !GroupSpacingAllows(text, SelStart())) return false;
  if (PrecisionLimitDrops(Key)) return false;
  if (StartsDecimalFraction(Key)) return false;
  fw::TCustomMaskEdit::Dispatch(Message);
  const std::string typed = Text();
  if (!typed.empty() && typed != "-" && Key != decimal) {
    if (Modified()) SetModifiedFlag(true);
    FormatThousands();
  }
  return true;
}

bool TVxCustomDropDown::PrecisionLimitDrops(char Key) {
  if (precision_ <= 0) return false;
  const std::string text = Text();
  const size_t separator = text.find(fw::FormatSettings.DecimalSeparator);
  if (separator == std::string::npos) return false;
  const int length = static_cast<int>(text.size());
  const int position = static_cast<int>(separator) + 1;
  const int caret = SelStart();
  if (caret < position || length - position < precision_ || length - caret > precision_ || SelLength() != 0) {
    return false;
  }
  if (Key == fw::FormatSettings.DecimalSeparator) return true;
  if (!IsDigit(Key)) return false;
  if (caret == length) return true;
  SetSelLength(1);
  return false;
}

bool TVxCustomDropDown::StartsDecimalFraction(char Key) {
  const char decimal = fw::FormatSettings.DecimalSeparator;
  if (Key != decimal || !Text().empty() || SelStart() != 0) return false;
  SetTextDirect(std::string("0") + decimal);
  SetSelStart(2);
  SetModifiedFlag(true);
  return true;
}

}  // namespace ui
