// The calculator drop-down's construction, properties, pop-up and style.
#include "ui/dropdown/calculator_dropdown.h"

#include "ui/dropdown/dropdown_form.h"

namespace ui {

TVxCalculatorDropdown::TVxCalculatorDropdown(fw::TComponent* AOwner)
    : TVxCustomDropDown(AOwner), calcButtonAppearance_(std::make_unique<TCalcButtonAppearance>()) {}

TVxCalculatorDropdown::~TVxCalculatorDropdown() = default;

void TVxCalculatorDropdown::AfterConstruction() {
  TVxCustomDropDown::AfterConstruction();
  SetDropDownColor(fw::clWhite);
  SetDropDownWidth(230);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetEditType(etDecimal);
  pending_ = coNone;
  SetPrecision(2);
  decimalDivisor_ = 0;
  calculatorClosed_ = true;
  memory_ = 0;
}

void TVxCalculatorDropdown::SetShowThousandSeparator(bool Value) {
  if (Value == showThousandSeparator_) return;
  showThousandSeparator_ = Value;
  // Read in the kind the text is written in, then written back in the new one.
  const double value = GetFloatValue();
  SetEditType(Value ? etGrouped : etDecimal);
  SetFloatValue(value);
}

void TVxCalculatorDropdown::CreateDropDownForm() {
  TVxCustomDropDown::CreateDropDownForm();
  if (DropDownForm() == nullptr) return;
  if (keypad_ == nullptr) {
    keypad_ = fw::Create<TCustomButtonPanel>(this);
    keypad_->SetParent(DropDownForm());
    keypad_->SetDropDown(this);
    keypad_->SetHeight(150);
    keypad_->CreateKeys();
  }
  SetControl(keypad_);
  keypad_->OnKeyClick = [this](fw::TObject* Sender, int Index) { CalcKeyClick(Sender, Index); };
}

void TVxCalculatorDropdown::BeforeDropDown() {
  TVxCustomDropDown::BeforeDropDown();
  // Closing the pop-up by activating another window keeps the value.
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeactivate(false);
  if (keypad_ != nullptr) {
    keypad_->SetKeyAppearance(calcButtonAppearance_.get());
    keypad_->SetColor(DropDownColor());
    keypad_->ArrangeKeys();
  }
  newValue_ = true;
  decimalDivisor_ = 0;
  calculatorClosed_ = false;
  textBeforeDropDown_ = Text();
}

void TVxCalculatorDropdown::HideDropDown(bool Cancel) {
  // The keypad writes every result through the Text setter, so the base's remembered text is the latest
  // result: a cancelled pop-up puts back the text it opened with instead.
  if (Cancel && DropDownForm() != nullptr && DropDownForm()->Visible()) SetText(textBeforeDropDown_);
  TVxCustomDropDown::HideDropDown(Cancel);
}

void TVxCalculatorDropdown::ApplyStyle(int Style) {
  TVxCustomDropDown::ApplyStyle(Style);
  const TVxButtonAppearance* button = ButtonAppearance();
  TCalcButtonAppearance* keys = calcButtonAppearance_.get();
  keys->SetBorderColor(button->BorderColor());
  keys->SetBorderColorHot(button->BorderColorHot());
  keys->SetBorderColorDown(button->BorderColorDown());
  keys->SetColor(button->Color());
  keys->SetColorTo(button->ColorTo());
  keys->SetColorDown(button->ColorDown());
  keys->SetColorDownTo(button->ColorDownTo());
  keys->SetColorHot(button->ColorHot());
  keys->SetColorHotTo(button->ColorHotTo());
  if (Style >= 13 && Style <= 15) {
    keys->SetGlowColorDown(button->ColorHot());
    keys->SetGlowColorHot(button->ColorHot());
  } else {
    keys->SetGlowColorDown(0x00D5C244);
    keys->SetGlowColorHot(button->ColorDownTo());
  }
}

}  // namespace ui
