// The seven dialogs: made after the main form in their order, with their captions and the controls the
// program reaches by name.
#include "controller/app/dialogs.h"
#include "framework/controls/bit_button.h"
#include "framework/controls/button.h"
#include "framework/controls/label.h"
#include "framework/controls/memo.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"
#include "ui/controls/column_combo_box.h"

namespace trelvik::testing {
namespace {

TEST_F(MainFormTest, DialogsFollowTheMainFormWithTheirCaptionsAndControls) {
  MakeForm();
  CreateDialogs(App());
  const struct {
    fw::TForm* form;
    const char* caption;
  } dialogs[] = {{find, "Find"},
                 {LED_Selector, "LED Selector"},
                 {Relay_Selector, "Relay Assignment"},
                 {board_selector, "SYS Board Import Assignment"},
                 {TestLED, "Test Output"},
                 {manual_assignment, "Manual Assignment"},
                 {Form8, "Descriptions"}};
  for (std::size_t i = 0; i < std::size(dialogs); ++i) {
    ASSERT_NE(dialogs[i].form, nullptr) << i;
    EXPECT_EQ(dialogs[i].form->Caption(), dialogs[i].caption);
    EXPECT_EQ(dialogs[i].form->ComponentIndex(), static_cast<int>(i) + 1);  // the main form is first
  }
  EXPECT_EQ(LED_Selector->step->Caption(), "Step 1 / 10");
  EXPECT_FALSE(LED_Selector->BitBtn4->Enabled());
  EXPECT_FALSE(LED_Selector->flash_timer->Enabled());
  EXPECT_EQ(LED_Selector->flash_timer->Interval(), 250u);
  EXPECT_TRUE(TestLED->Timer1->Enabled());
  EXPECT_EQ(TestLED->Timer1->Interval(), 500u);
  const struct {
    const char* name;
    fw::TModalResult result;
  } selectorButtons[] = {{"BitBtn4", fw::mrOk}, {"BitBtn2", fw::mrCancel}, {"BitBtn3", fw::mrIgnore}};
  for (const auto& b : selectorButtons) {
    auto* button = dynamic_cast<fw::TButton*>(board_selector->FindComponent(b.name));
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->ModalResult(), b.result) << b.name;
  }
  auto* memo = dynamic_cast<fw::TMemo*>(Form8->FindComponent("Memo3"));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Lines()->Strings(1), "     VDK CDU V9 : Vardek CDU with integrated VGA Screen.");

  // Every discovery empties the board choices of the output dialogs.
  TestLED->outputboard->ComboItems()->Add()->Strings()->Add("330AABCD0001:VDK CTRL MCP");
  TestLED->Output->ComboItems()->Add()->Strings()->Add("12");
  manual_assignment->Output->ComboItems()->Add();
  Boards().openFails = true;
  ZedArave->refresh_devices(0, 2);
  EXPECT_EQ(TestLED->outputboard->ComboItems()->Count(), 0);
  EXPECT_EQ(TestLED->Output->ComboItems()->Count(), 0);
  EXPECT_EQ(manual_assignment->Output->ComboItems()->Count(), 0);
}

}  // namespace
}  // namespace trelvik::testing
