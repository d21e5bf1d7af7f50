// TVxCalculatorDropdown: a numeric drop-down edit whose pop-up holds a calculator keypad. It computes the
// way a pocket calculator does, with one pending operation and one memory register, from the keypad or
// the keyboard, with the pop-up open or closed; the result stays in the edit.
//
// The displayed number is the edit's text: "the value" is the base's numeric value (GetFloatValue /
// SetFloatValue, formatted with Precision); every other change of the text goes through the Text setter.
// A failed operation (division by zero, square root of a negative value, 1/x of zero) shows "Error",
// which every later step reads as 0. A text that is not a number also counts as 0.
//
// Construction follows the drop-down base: the keypad appearance is made in the constructor, the defaults
// in AfterConstruction after the base's; the keypad itself comes with the pop-up window. GUI thread only.
#pragma once

#include <memory>

#include "ui/dropdown/button_panel.h"
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

class TVxCalculatorDropdown : public TVxCustomDropDown {
 public:
  // The pending operation.
  enum TCalcOperation : int { coNone = -1, coAdd = 0, coMultiply = 1, coSubtract = 2, coDivide = 3 };

  explicit TVxCalculatorDropdown(fw::TComponent* AOwner);
  ~TVxCalculatorDropdown() override;
  void AfterConstruction() override;

  // Finishes the pending operation as the "=" key does.
  void CalcResult() { CalcEquals(); }

  // Key colours and font, given to the keypad at each drop-down; writing assigns into the owned object.
  TCalcButtonAppearance* CalcButtonAppearance() const { return calcButtonAppearance_.get(); }
  void SetCalcButtonAppearance(TCalcButtonAppearance* Value) { calcButtonAppearance_->Assign(Value); }
  // On: the value is shown with thousand separators (the grouped edit kind).
  bool ShowThousandSeparator() const { return showThousandSeparator_; }
  void SetShowThousandSeparator(bool Value);

  // The calculator's state.
  TCustomButtonPanel* Keypad() const { return keypad_; }
  double PreviousValue() const { return previous_; }
  TCalcOperation PendingOperation() const { return pending_; }
  double Memory() const { return memory_; }
  bool NewValue() const { return newValue_; }
  int DecimalDivisor() const { return decimalDivisor_; }
  bool CalculatorClosed() const { return calculatorClosed_; }

  // The keypad's OnKeyClick: acts on the tag of the key at Index.
  void CalcKeyClick(fw::TObject* Sender, int Index);

  // ---- the drop-down protocol ----
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void HideDropDown(bool Cancel) override;
  void DropDownFormKeyPress(char& Key) override;
  void DropDownFormKeyDown(WORD& Key, fw::TShiftState Shift) override;
  void ApplyStyle(int Style) override;
  // Called at the start of every keypad click and of every key typed in the pop-up; nothing here.
  virtual void CalcKeyHook() {}

 protected:
  void KeyPress(char& Key) override;
  void Dispatch(fw::TMessage& Message) override;

 private:
  // The text without thousand separators as a number; a text that is not one counts as 0.
  double NumberOfText();
  // Applies the pending operation to the previous value and shows the result.
  void CalcPending();
  void CalcOperator(TCalcOperation Operation);
  void CalcEquals();
  void CalcPercent();
  void DigitClicked(int Digit);
  void SignClicked();
  void SeparatorClicked();
  void ClearAll();
  // The calculator counts as closed before the first drop-down and while the pop-up is hidden.
  bool Closed() const;
  // The caret after the first character, nothing selected.
  void CaretAfterFirst();
  // A text of MaxLength characters takes no more digits.
  bool AtMaxLength();

  TCustomButtonPanel* keypad_ = nullptr;
  int decimalDivisor_ = 0;
  bool newValue_ = false;
  double previous_ = 0;
  TCalcOperation pending_ = coNone;
  bool calculatorClosed_ = true;
  std::unique_ptr<TCalcButtonAppearance> calcButtonAppearance_;
  double memory_ = 0;
  bool showThousandSeparator_ = false;
  // The text shown when the pop-up opened, written back when it closes cancelled.
  std::string textBeforeDropDown_;
};

}  // namespace ui
