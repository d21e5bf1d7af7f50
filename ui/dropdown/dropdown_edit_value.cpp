// The drop-down edit's value: the Text setter, the edit kinds, Precision, the numeric reads and writes,
// the regrouping of thousands, the caret helpers, the modification flag, the focus clean-up and the
// one-shot suppression of a change notification. The separators come from fw::FormatSettings at every use.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/rtl/floattext.h"
#include "framework/rtl/format.h"
#include "framework/rtl/formatsettings.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/dropdown_number_text.h"

namespace ui {

namespace {

// "%.<decimals>f" or, for grouped thousands, "%.<decimals>n".
std::string FixedFormat(int Decimals, bool Grouped) {
  return "%." + std::to_string(Decimals) + (Grouped ? "n" : "f");
}

}  // namespace

void TVxCustomDropDown::SetText(const std::string& Value) {
  std::string value = Value;
  if (value.empty() && NumericKind()) value = "0";
  // "Error" is what the calculator shows after a failed operation: it stays as it is.
  if (precision_ > 0 && !value.empty() && value != "Error") {
    value = fw::Format(FixedFormat(precision_, editType_ == etGrouped), ParseFloat(value));
  }
  fw::TCustomMaskEdit::SetText(value);
  oldText_ = value;
  SetModifiedFlag(false);
}

void TVxCustomDropDown::SetTextDirect(const std::string& Value) { fw::TCustomMaskEdit::SetText(Value); }

void TVxCustomDropDown::SetEditType(int Kind) {
  if (Kind == editType_) return;
  editType_ = Kind;
  SetPasswordChar('\0');
  const int kind = dropdown::ClassifyNumber(Text());
  if (editType_ == etInteger && kind != dropdown::ncInteger) {
    SetIntValue(0);
  } else if (DecimalKind() && kind > dropdown::ncDecimal) {
    SetFloatValue(0);
  }
}

void TVxCustomDropDown::SetPrecision(int Value) {
  if (Value == precision_ || editType_ == etInteger) return;
  precision_ = Value;
  SetFloatValue(dropdown::ClassifyNumber(Text()) > dropdown::ncDecimal ? 0.0 : GetFloatValue());
}

void TVxCustomDropDown::SetFloatValue(double X) {
  SetText(fw::Format(precision_ < 0 ? std::string("%g") : FixedFormat(precision_, false), X));
  if (editType_ == etGrouped) FormatThousands();
  SetModifiedFlag(true);
}

void TVxCustomDropDown::SetIntValue(int N) {
  SetText(std::to_string(N));
  SetModifiedFlag(true);
}

double TVxCustomDropDown::GetFloatValue() {
  std::string text = Text();
  if (editType_ == etGrouped) {
    text = dropdown::StripThousandSeparators(text);
    if (!text.empty() && text.back() == fw::FormatSettings.DecimalSeparator) text.pop_back();
    if (text.empty() || text == "-") return 0;
    return ParseFloat(text);
  }
  if (text.empty() || text == "Error" || text == "-") return 0;
  return ParseFloat(text);
}

double TVxCustomDropDown::ParseFloat(const std::string& S) const {
  double value = 0;
  if (!fw::TryStrToFloat(dropdown::StripThousandSeparators(S), value)) return 0;
  return value;
}

void TVxCustomDropDown::FormatThousands() {
  const std::string text = Text();
  if (text.empty()) return;
  const int caret = SelStart();
  std::string body = text;
  std::string sign;
  if (body.front() == '-') {
    sign = "-";
    body.erase(0, 1);
  }
  const char decimal = fw::FormatSettings.DecimalSeparator;
  const size_t separator = body.find(decimal);
  const std::string fraction = separator == std::string::npos ? std::string() : body.substr(separator, 255);
  std::string integer = fw::Format("%n", std::trunc(std::fabs(GetFloatValue())));
  integer = integer.substr(0, integer.find(decimal));
  const std::string grouped = sign + integer + fraction;
  // The rewrite is the control's own: the keystroke that caused it has reported its change already.
  changeSuppressed_ = grouped != text;
  SetTextDirect(grouped);
  // A window that does not report the rewrite must not swallow the user's next change.
  changeSuppressed_ = false;
  SetSelStart(std::max(0, caret + static_cast<int>(grouped.size()) - static_cast<int>(text.size())));
}

void TVxCustomDropDown::SelectValue() {
  SetSelStart(0);
  SetSelLength(static_cast<int>(Text().size()));
}

void TVxCustomDropDown::CaretAfterDecimal() {
  const size_t separator = Text().find(fw::FormatSettings.DecimalSeparator);
  SetSelStart(separator == std::string::npos ? 0 : static_cast<int>(separator) + 1);
}

void TVxCustomDropDown::CaretBeforeDecimal() {
  const size_t separator = Text().find(fw::FormatSettings.DecimalSeparator);
  SetSelStart(separator == std::string::npos ? 0 : static_cast<int>(separator));
}

void TVxCustomDropDown::SetModifiedFlag(bool Value) {
  if (Loading() || !editorEnabled_ || ReadOnly()) return;
  SetModified(Value);
  modifiedFlag_ = Value;
}

// ---- focus ----

void TVxCustomDropDown::FocusReceived(fw::TMessage& Message) {
  if (Loading()) return;
  fw::TCustomMaskEdit::Dispatch(Message);
  if (editorEnabled_) {
    if (AutoSelect()) {
      SelectValue();
    } else if (DecimalKind()) {
      CaretBeforeDecimal();
    }
    return;
  }
  HideCaret(Handle());
  Invalidate();
}

void TVxCustomDropDown::FocusLost(fw::TMessage& Message) {
  if (Loading()) return;
  if (DecimalKind() && precision_ > 0) {
    const bool modified = modifiedFlag_;
    SetFloatValue(GetFloatValue());
    modifiedFlag_ = modified;
  }
  if (editType_ == etInteger && Text().empty()) SetText("0");
  if (DecimalKind() && Text().empty()) SetFloatValue(0);
  fw::TCustomMaskEdit::Dispatch(Message);
  if (!editorEnabled_) Invalidate();
}

// ---- change notification ----

bool TVxCustomDropDown::ChangeSuppressed(fw::TMessage& Message) {
  if (HIWORD(Message.WParam) != EN_CHANGE || !changeSuppressed_) return false;
  changeSuppressed_ = false;
  return true;
}

}  // namespace ui
