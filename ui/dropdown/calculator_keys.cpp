// The calculator drop-down's keyboard: keys typed in the edit (pop-up closed or open) and in the pop-up.
#include <windows.h>

#include <cctype>
#include <string>

#include "framework/controls/messages.h"
#include "framework/rtl/formatsettings.h"
#include "framework/services/keystate.h"
#include "ui/dropdown/calculator_dropdown.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui {
namespace {

bool IsDigitChar(char Key) { return Key >= '0' && Key <= '9'; }

}  // namespace

bool TVxCalculatorDropdown::Closed() const {
  return calculatorClosed_ || (DropDownForm() != nullptr && !DropDownForm()->Visible());
}

void TVxCalculatorDropdown::CaretAfterFirst() {
  SetSelStart(1);
  SetSelLength(0);
}

void TVxCalculatorDropdown::KeyPress(char& Key) {
  if (Closed()) {
    switch (Key) {
      case '\r':
      case '=': CalcEquals(); break;
      case '%': CalcPercent(); break;
      case '*': CalcOperator(coMultiply); break;
      case '+': CalcOperator(coAdd); break;
      case '-': CalcOperator(coSubtract); break;
      case '/': CalcOperator(coDivide); break;
      case 'C':
      case 'c':
        SetText("0");
        newValue_ = true;
        pending_ = coNone;
        break;
      default: break;
    }
  }
  const char decimal = fw::FormatSettings.DecimalSeparator;
  if (Key != '\b' && Key != '-' && !IsDigitChar(Key) && Key != decimal) {
    Key = 0;
    return;
  }
  if ((Text() == "0" || newValue_) && IsDigitChar(Key)) {
    SetText(std::string(1, Key));
    Key = 0;
    CaretAfterFirst();
    newValue_ = false;
    return;
  }
  if (Text().size() == 1 && Key == '\b') {
    SetText("0");
    Key = 0;
    CaretAfterFirst();
    return;
  }
  if (Key == fw::FormatSettings.ThousandSeparator) Key = 0;
  if (Key == decimal && Text().find(decimal) != std::string::npos) Key = 0;
  if (Key == 0) return;
  TVxCustomDropDown::KeyPress(Key);
}

void TVxCalculatorDropdown::DropDownFormKeyPress(char& Key) {
  TVxCustomDropDown::DropDownFormKeyPress(Key);
  CalcKeyHook();
  const char decimal = fw::FormatSettings.DecimalSeparator;
  if (Key == decimal && Text().find(decimal) == std::string::npos) SetText(Text() + decimal);
  if (IsDigitChar(Key) && MaxLength() > 0 && static_cast<int>(Text().size()) >= MaxLength()) return;
  switch (Key) {
    case '\r':
      CalcEquals();
      HideDropDown(false);
      break;
    case 27:
      HideDropDown(true);
      break;
    case '&':
      if (fw::IsKeyDown(VK_MENU)) HideDropDown(true);
      break;
    case '%': CalcPercent(); break;
    case '*': CalcOperator(coMultiply); break;
    case '+': CalcOperator(coAdd); break;
    case '-': CalcOperator(coSubtract); break;
    case '/': CalcOperator(coDivide); break;
    case '=': CalcEquals(); break;
    case 'C':
    case 'c':
      SetText("0");
      previous_ = 0;
      newValue_ = true;
      pending_ = coNone;
      break;
    default:
      if (IsDigitChar(Key) && (Text() == "0" || newValue_)) newValue_ = false;
      break;
  }
}

void TVxCalculatorDropdown::DropDownFormKeyDown(WORD& Key, fw::TShiftState Shift) {
  TVxCustomDropDown::DropDownFormKeyDown(Key, Shift);
  if (Key == VK_TAB || Key == VK_F4) {
    HideDropDown(false);
  } else if (Key == VK_BACK) {
    const std::string text = Text();
    const std::string shorter = text.size() > 1 ? text.substr(0, text.size() - 1) : std::string();
    SetText(shorter.empty() || text == "Error" ? std::string("0") : shorter);
  }
}

void TVxCalculatorDropdown::Dispatch(fw::TMessage& Message) {
  if (Message.Msg != WM_KEYDOWN || Message.WParam != VK_DELETE) {
    TVxCustomDropDown::Dispatch(Message);
    return;
  }
  // Delete never leaves an empty text or "Error" behind, even when it edits "Error" itself.
  const bool wasError = Text() == "Error";
  TVxCustomDropDown::Dispatch(Message);
  if (wasError || Text().empty() || Text() == "Error") SetText("0");
}

}  // namespace ui
