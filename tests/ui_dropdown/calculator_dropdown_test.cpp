// The calculator drop-down: chains of operations from the keypad, decimals, the "Error" results and the
// recovery from them, the memory, the sign, MaxLength, the keyboard with the pop-up closed and open,
// Escape, CalcResult, the thousand separators and the colours taken from the style.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "framework/rtl/formatsettings.h"
#include "tests/ui_dropdown/popup_test_support.h"
#include "ui/dropdown/calculator_dropdown.h"

namespace ui {
namespace {

using Calc = TVxCalculatorDropdown;

class CalculatorTest : public testing::PopupTest {
 protected:
  void SetUp() override {
    PopupTest::SetUp();
    saved_ = fw::FormatSettings;
    fw::FormatSettings.DecimalSeparator = '.';
    fw::FormatSettings.ThousandSeparator = ',';
  }
  void TearDown() override {
    fw::FormatSettings = saved_;
    PopupTest::TearDown();
  }
  Calc* MakeCalc() {
    Calc* calc = MakeDropDown<Calc>();
    Form()->Show();
    ProcessMessages();
    return calc;
  }
  // The key named "BTN_" + Name.
  static int KeyIndex(Calc* calc, const std::string& Name) {
    TButtonItems* keys = calc->Keypad()->Keys();
    for (int i = 0; i < keys->Count(); ++i) {
      if (keys->Items(i)->KeyName() == "BTN_" + Name) return i;
    }
    ADD_FAILURE() << "no key " << Name;
    return -1;
  }
  // Clicks the keys of a space-separated list of key names ("1 2 + 3 =") through the keypad's click event.
  static void Click(Calc* calc, const std::string& Keys) {
    std::istringstream names(Keys);
    for (std::string name; names >> name;) calc->Keypad()->KeyClick(KeyIndex(calc, name));
  }
  // A character typed into the edit's window.
  static void Type(Calc* calc, const std::string& Chars) {
    for (char c : Chars) SendMessageA(calc->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
  }

  fw::TFormatSettings saved_;
};

TEST_F(CalculatorTest, StartsAsADecimalEditWithTwoDecimalsAndNoBars) {
  Calc* calc = MakeCalc();
  EXPECT_EQ(calc->Text(), "0.00");
  EXPECT_EQ(calc->EditType(), TVxCustomDropDown::etDecimal);
  EXPECT_EQ(calc->Precision(), 2);
  EXPECT_EQ(calc->DropDownWidth(), 230);
  EXPECT_EQ(calc->DropDownColor(), fw::clWhite);
  EXPECT_FALSE(calc->DropDownHeader()->Visible());
  EXPECT_FALSE(calc->DropDownFooter()->Visible());
  EXPECT_EQ(calc->PendingOperation(), Calc::coNone);
  EXPECT_TRUE(calc->CalculatorClosed());
  ASSERT_NE(calc->Keypad(), nullptr);
  EXPECT_EQ(calc->Keypad()->DropDown(), calc);
  EXPECT_EQ(calc->Keypad()->Keys()->Count(), 28);
}

TEST_F(CalculatorTest, ChainsOfOperationsDecimalsAndClearKeys) {
  struct Case {
    const char* keys;
    const char* text;
  };
  const Case cases[] = {
      {"1 2 + 3 =", "15.00"},
      {"2 + 3 * 4 =", "20.00"},          // each operator applies the pending one first
      {"9 - 4 / 2 =", "2.50"},
      {". 5 + 1 . 2 5 =", "1.75"},       // decimals typed with the separator key
      {"7 + . 5 =", "7.50"},             // "." after an operator starts the new number at 0
      {"5 0 + 1 0 % =", "55.00"},        // 10 % of 50 is 5
      {"1 2 3 BACK", "12.00"},
      {"1 6 sqrt", "4.00"},
      {"4 1/x", "0.25"},
      {"5 + 3 C 2 =", "2.00"},
      {"5 + 3 CE 2 =", "2.00"},
      {"5 + 3 ON 2 =", "2.00"},          // the empty top-left key clears like C
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Calc* calc = MakeCalc();
    Click(calc, c.keys);
    EXPECT_EQ(calc->Text(), c.text);
  }
  Calc* calc = MakeCalc();
  Click(calc, "1 2 + 3 =");
  EXPECT_EQ(calc->PendingOperation(), Calc::coNone);
  EXPECT_TRUE(calc->NewValue());
  EXPECT_DOUBLE_EQ(calc->PreviousValue(), 15);
}

TEST_F(CalculatorTest, ErrorResultsAndTheNextDigitStartsANewNumber) {
  const char* const failing[] = {"8 / 0 =", "5 +/- sqrt", "0 1/x"};
  for (const char* keys : failing) {
    SCOPED_TRACE(keys);
    Calc* calc = MakeCalc();
    Click(calc, keys);
    EXPECT_EQ(calc->Text(), "Error");
    Click(calc, "7");
    EXPECT_EQ(calc->Text(), "7.00");
    Click(calc, "+ 1 =");
    EXPECT_EQ(calc->Text(), "8.00");
  }
  // An operator after "Error" reads it as 0.
  Calc* calc = MakeCalc();
  Click(calc, "8 / 0 = + 3 =");
  EXPECT_EQ(calc->Text(), "3.00");
}

TEST_F(CalculatorTest, MemoryStoreRecallAddAndClear) {
  Calc* calc = MakeCalc();
  Click(calc, "5 MS C");
  EXPECT_DOUBLE_EQ(calc->Memory(), 5);
  EXPECT_EQ(calc->Text(), "0.00");
  Click(calc, "MR");
  EXPECT_EQ(calc->Text(), "5.00");
  Click(calc, "C 2 M+ MR");
  EXPECT_DOUBLE_EQ(calc->Memory(), 7);
  EXPECT_EQ(calc->Text(), "7.00");
  Click(calc, "MC MR");
  EXPECT_DOUBLE_EQ(calc->Memory(), 0);
  EXPECT_EQ(calc->Text(), "0.00");
}

TEST_F(CalculatorTest, DigitsAfterASignChangeGrowTheMagnitude) {
  struct Case {
    const char* keys;
    const char* text;
  };
  const Case cases[] = {
      {"5 +/- 3", "-53.00"}, {"5 +/- 3 2", "-532.00"}, {"5 +/- . 2", "-5.20"}, {"5 +/- +/- 3", "53.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Calc* calc = MakeCalc();
    Click(calc, c.keys);
    EXPECT_EQ(calc->Text(), c.text);
  }
}

TEST_F(CalculatorTest, ATextThatIsNoNumberCountsAsZero) {
  Calc* calc = MakeCalc();
  Click(calc, "2 +");
  calc->SetTextDirect("abc");
  EXPECT_NO_THROW(Click(calc, "="));
  EXPECT_EQ(calc->Text(), "2.00");
  calc->SetTextDirect("x");
  EXPECT_NO_THROW(Click(calc, "%"));
  EXPECT_EQ(calc->Text(), "0.00");
}

TEST_F(CalculatorTest, MaxLengthStopsDigitsSignAndSeparatorWithoutMarkingModified) {
  Calc* calc = MakeCalc();
  Click(calc, "1");
  calc->SetMaxLength(4);  // "1.00" has four characters
  calc->SetText(calc->Text());  // clears the modified flag
  ASSERT_FALSE(calc->GetModifiedFlag());
  Click(calc, "5 +/- .");
  EXPECT_EQ(calc->Text(), "1.00");
  EXPECT_FALSE(calc->GetModifiedFlag());
  // Operators are not held back, and mark the edit modified.
  Click(calc, "+");
  EXPECT_TRUE(calc->GetModifiedFlag());
  EXPECT_EQ(calc->PendingOperation(), Calc::coAdd);
}

TEST_F(CalculatorTest, TypedOperatorsApplyWhileTheCalculatorIsClosed) {
  Calc* calc = MakeCalc();
  Type(calc, "6*7=");
  EXPECT_EQ(calc->Text(), "42.00");
  EXPECT_EQ(calc->PendingOperation(), Calc::coNone);
  Type(calc, "+8\r");
  EXPECT_EQ(calc->Text(), "50.00");
  Type(calc, "/");
  EXPECT_EQ(calc->PendingOperation(), Calc::coDivide);
  // "C" starts over without touching the previous value; letters are dropped.
  Type(calc, "Cx");
  EXPECT_EQ(calc->Text(), "0.00");
  EXPECT_EQ(calc->PendingOperation(), Calc::coNone);
  EXPECT_DOUBLE_EQ(calc->PreviousValue(), 50);
}

TEST_F(CalculatorTest, CalcResultFinishesThePendingOperation) {
  Calc* calc = MakeCalc();
  Click(calc, "6 * 7");
  calc->CalcResult();
  EXPECT_EQ(calc->Text(), "42.00");
  EXPECT_EQ(calc->PendingOperation(), Calc::coNone);
}

TEST_F(CalculatorTest, EscapeInTheOpenPopupRestoresTheTextButKeepsTheCalculation) {
  Calc* calc = MakeCalc();
  Click(calc, "3 MS C 2 *");
  Open(calc);
  ASSERT_TRUE(calc->DroppedDown());
  EXPECT_FALSE(calc->CalculatorClosed());
  EXPECT_TRUE(calc->NewValue());
  Click(calc, "7 =");
  EXPECT_EQ(calc->Text(), "14.00");
  char escape = 27;
  calc->DropDownFormKeyPress(escape);
  EXPECT_FALSE(calc->DroppedDown());
  EXPECT_EQ(calc->Text(), "2.00");
  EXPECT_DOUBLE_EQ(calc->PreviousValue(), 14);
  EXPECT_DOUBLE_EQ(calc->Memory(), 3);

  // Enter in the pop-up finishes the operation and closes keeping the value.
  Click(calc, "*");
  Open(calc);
  char three = '3', enter = '\r';
  calc->DropDownFormKeyPress(three);
  calc->DropDownFormKeyPress(enter);
  EXPECT_FALSE(calc->DroppedDown());
  EXPECT_EQ(calc->Text(), "6.00");
}

TEST_F(CalculatorTest, MouseClicksOnKeyCentresInTheOpenPopupCompute) {
  Calc* calc = MakeCalc();
  Open(calc);
  ASSERT_TRUE(calc->DroppedDown());
  TCustomButtonPanel* keypad = calc->Keypad();
  ASSERT_GT(keypad->GetKeyRect(KeyIndex(calc, "=")).Right, 0);
  for (const char* name : {"9", "+", "1", "="}) {
    const fw::TRect r = keypad->GetKeyRect(KeyIndex(calc, name));
    const LPARAM at = MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    keypad->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    keypad->Perform(WM_LBUTTONUP, 0, at);
  }
  EXPECT_EQ(calc->Text(), "10.00");
  EXPECT_TRUE(calc->GetModifiedFlag());
}

TEST_F(CalculatorTest, DeleteTurnsErrorIntoZero) {
  Calc* calc = MakeCalc();
  Click(calc, "8 / 0 =");
  ASSERT_EQ(calc->Text(), "Error");
  SendMessageA(calc->Handle(), WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(calc->Text(), "0.00");
}

TEST_F(CalculatorTest, ThousandSeparatorsRewriteTheValueWhichStillReadsBack) {
  Calc* calc = MakeCalc();
  calc->SetText("1234567.5");
  calc->SetShowThousandSeparator(true);
  EXPECT_EQ(calc->EditType(), TVxCustomDropDown::etGrouped);
  EXPECT_EQ(calc->Text(), "1,234,567.50");
  Click(calc, "+ 1 =");
  EXPECT_EQ(calc->Text(), "1,234,568.50");
  calc->SetShowThousandSeparator(false);
  EXPECT_EQ(calc->Text(), "1234568.50");
}

TEST_F(CalculatorTest, TheStyleGivesTheKeysTheButtonColoursAndGlows) {
  Calc* calc = MakeCalc();
  for (int style : {4, 13}) {
    SCOPED_TRACE(style);
    calc->ApplyStyle(style);
    const TVxButtonAppearance* button = calc->ButtonAppearance();
    const TCalcButtonAppearance* keys = calc->CalcButtonAppearance();
    EXPECT_EQ(keys->Color(), button->Color());
    EXPECT_EQ(keys->ColorTo(), button->ColorTo());
    EXPECT_EQ(keys->ColorHot(), button->ColorHot());
    EXPECT_EQ(keys->ColorDownTo(), button->ColorDownTo());
    EXPECT_EQ(keys->BorderColorDown(), button->BorderColorDown());
    EXPECT_EQ(keys->GlowColorHot(), style == 13 ? button->ColorHot() : button->ColorDownTo());
    EXPECT_EQ(keys->GlowColorDown(), style == 13 ? button->ColorHot() : fw::TColor{0x00D5C244});
  }
  // The keypad takes the colours when the pop-up opens.
  Open(calc);
  EXPECT_EQ(calc->Keypad()->KeyAppearance()->GlowColorHot(), calc->CalcButtonAppearance()->GlowColorHot());
  EXPECT_EQ(calc->Keypad()->Color(), calc->DropDownColor());
}

}  // namespace
}  // namespace ui
