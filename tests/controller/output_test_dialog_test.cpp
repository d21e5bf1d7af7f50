// The output test form: a board's outputs listed from 1, single LEDs switched on and off straight through
// the library (also while output is suspended), and the choices it needs first.
#include "controller/app/dialogs.h"
#include "dialog_fixture.h"
#include "framework/controls/button.h"
#include "framework/controls/label.h"

namespace trelvik::testing {
namespace {

using OutputTestDialogTest = DialogTest;

TEST_F(OutputTestDialogTest, ChosenBoardsOutputsAreListedFromOneAndSwitchedOnAndOff) {
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 5, 7});
  Slot({2, 102, "4102SYS0002", "4102", "SYS2", 0, 0});
  for (const char* item : {"4101SYS0001:SYS1", "4102SYS0002:SYS2", "9999GONE0009:Gone"}) {
    AddComboText(TestLED->outputboard, item);
  }
  form_->output_suspended = true;  // the test form writes regardless
  {
    ModalScript user(App());
    user.Then(TestLED, [&] {
      Pick(TestLED->outputboard, 0);
      EXPECT_EQ(Texts(TestLED->Output), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
      EXPECT_FALSE(TestLED->Label4->Visible());
      Pick(TestLED->Output, 5);
      TestLED->Button1->Click();
      TestLED->Button2->Click();
      // A board whose last LED is below 1 has nothing to list; a board no longer bound is not written.
      Pick(TestLED->outputboard, 1);
      EXPECT_TRUE(Texts(TestLED->Output).empty());
      Pick(TestLED->outputboard, 2);
      EXPECT_TRUE(Texts(TestLED->Output).empty());
      TestLED->Output->ComboItems()->Add()->Strings()->Add("3");
      Pick(TestLED->Output, 0);
      TestLED->Button1->Click();
      TestLED->Close();
    });
    TestLED->ShowModal();
  }
  EXPECT_EQ(Boards().calls, (std::vector<std::string>{"LED_Set(101,6,1)", "LED_Set(101,6,0)"}));
  EXPECT_TRUE(Asked().empty());
}

TEST_F(OutputTestDialogTest, OnAndOffWithoutABoardAndOutputAskForThemAndWriteNothing) {
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 2});
  AddComboText(TestLED->outputboard, "4101SYS0001:SYS1");
  TestLED->Button1->Click();
  Pick(TestLED->outputboard, 0);
  TestLED->Button2->Click();
  EXPECT_EQ(Asked(), (std::vector<std::string>{"Select an Output Card AND Output", "Select an Output Card AND Output"}));
  EXPECT_TRUE(Boards().calls.empty());
}

}  // namespace
}  // namespace trelvik::testing
