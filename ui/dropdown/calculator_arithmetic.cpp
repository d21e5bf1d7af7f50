// The calculator drop-down's arithmetic: the pending operation, equals, percent and the keypad's keys.
#include <climits>
#include <cmath>
#include <string>

#include "framework/rtl/floattext.h"
#include "framework/rtl/format.h"
#include "framework/rtl/formatsettings.h"
#include "ui/dropdown/calculator_dropdown.h"

namespace ui {
namespace {

constexpr const char* kError = "Error";

// Key codes (tags) of the keypad.
enum KeyTag : int {
  tgAdd = 10, tgSubtract = 11, tgMultiply = 12, tgDivide = 13, tgSign = 14, tgSeparator = 15, tgClear = 16,
  tgEquals = 17, tgPercent = 18, tgOn = 30, tgBack = 31, tgClearEntry = 32, tgMemoryClear = 33,
  tgMemoryRecall = 34, tgMemoryStore = 35, tgMemoryAdd = 36, tgSquareRoot = 37, tgReciprocal = 38
};

bool ResetsDivisor(int Tag) {
  return (Tag >= tgAdd && Tag <= tgSign) || (Tag >= tgClear && Tag <= tgPercent) || Tag == tgOn ||
         Tag == tgClearEntry;
}

}  // namespace

double TVxCalculatorDropdown::NumberOfText() { return ParseFloat(Text()); }

void TVxCalculatorDropdown::CalcPending() {
  if (Text().empty() || Text() == kError) SetText("0");
  const double x = NumberOfText();
  double result = previous_;
  switch (pending_) {
    case coAdd: result = previous_ + x; break;
    case coMultiply: result = previous_ * x; break;
    case coSubtract: result = previous_ - x; break;
    case coDivide:
      if (x == 0) {
        previous_ = 0;
        SetText(kError);
        return;
      }
      result = previous_ / x;
      break;
    case coNone: result = x; break;
  }
  // An overflow leaves 0 as the running result.
  previous_ = std::isfinite(result) ? result : 0;
  SetFloatValue(previous_);
  newValue_ = true;
}

void TVxCalculatorDropdown::CalcOperator(TCalcOperation Operation) {
  CalcPending();
  pending_ = Operation;
}

void TVxCalculatorDropdown::CalcEquals() {
  CalcPending();
  if (Text().empty()) SetText("0");
  pending_ = coNone;
  if (Text() != kError) previous_ = NumberOfText();
}

void TVxCalculatorDropdown::CalcPercent() {
  if (Text().empty() || Text() == kError) SetText("0");
  SetText(fw::Format("%g", previous_ * NumberOfText() / 100));
}

bool TVxCalculatorDropdown::AtMaxLength() {
  return MaxLength() > 0 && static_cast<int>(Text().size()) >= MaxLength();
}

void TVxCalculatorDropdown::ClearAll() {
  SetText("0");
  previous_ = 0;
  pending_ = coNone;
}

void TVxCalculatorDropdown::DigitClicked(int Digit) {
  // Digits grow the magnitude: after a sign change they extend a negative number downwards.
  const bool negative = !Text().empty() && Text().front() == '-';
  const double value = GetFloatValue();
  if ((value == 0 && decimalDivisor_ == 0) || newValue_) {
    SetText((negative && !newValue_ ? "-" : "") + std::to_string(Digit));
    newValue_ = false;
    return;
  }
  const double digit = negative ? -Digit : Digit;
  if (decimalDivisor_ > 0) {
    SetFloatValue(value + digit / decimalDivisor_);
    // Decimals beyond the divisor's range add nothing.
    if (decimalDivisor_ <= INT_MAX / 10) decimalDivisor_ *= 10;
  } else {
    SetFloatValue(value * 10 + digit);
  }
}

void TVxCalculatorDropdown::SignClicked() {
  const std::string text = Text();
  SetText(text.find('-') != std::string::npos ? text.substr(1) : "-" + text);
}

void TVxCalculatorDropdown::SeparatorClicked() {
  const char decimal = fw::FormatSettings.DecimalSeparator;
  if (Text().find(decimal) == std::string::npos) SetText(Text() + decimal);
  decimalDivisor_ = 10;
  if (newValue_) SetText("0");
  newValue_ = false;
}

void TVxCalculatorDropdown::CalcKeyClick(fw::TObject*, int Index) {
  if (keypad_ == nullptr || Index < 0 || Index >= keypad_->Keys()->Count()) return;
  CalcKeyHook();
  const int tag = keypad_->Keys()->Items(Index)->Tag();
  if (ResetsDivisor(tag)) decimalDivisor_ = 0;
  if ((tag <= 9 || tag == tgSign || tag == tgSeparator) && AtMaxLength()) return;
  if (tag >= 0 && tag <= 9) {
    DigitClicked(tag);
  } else {
    switch (tag) {
      case tgAdd: CalcOperator(coAdd); break;
      case tgSubtract: CalcOperator(coSubtract); break;
      case tgMultiply: CalcOperator(coMultiply); break;
      case tgDivide: CalcOperator(coDivide); break;
      case tgSign: SignClicked(); break;
      case tgSeparator: SeparatorClicked(); break;
      case tgClear:
      case tgOn:
      case tgClearEntry: ClearAll(); break;
      case tgEquals: CalcEquals(); break;
      case tgPercent: CalcPercent(); break;
      case tgBack:
        if (pending_ == coNone) {
          std::string text = fw::FloatToStr(GetFloatValue());
          text.pop_back();
          SetText(text);
        }
        break;
      case tgMemoryClear: memory_ = 0; break;
      case tgMemoryRecall: SetFloatValue(memory_); break;
      case tgMemoryStore: memory_ = NumberOfText(); break;
      case tgMemoryAdd: memory_ += NumberOfText(); break;
      case tgSquareRoot: {
        const double value = GetFloatValue();
        if (value < 0)
          SetText(kError);
        else
          SetFloatValue(std::sqrt(value));
        break;
      }
      case tgReciprocal: {
        const double value = GetFloatValue();
        if (value == 0)
          SetText(kError);
        else
          SetFloatValue(1 / value);
        break;
      }
      default: break;
    }
  }
  SetModifiedFlag(true);
}

}  // namespace ui
