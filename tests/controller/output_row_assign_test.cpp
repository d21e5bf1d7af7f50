// Assigning an output row: the LED selector opened with the row's function as its heading, and the found
// LED written into the row's record and controls.
#include "controller/app/dialogs.h"
#include "dialog_fixture.h"
#include "framework/controls/bit_button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik::testing {
namespace {

using OutputRowAssignTest = DialogTest;

TEST_F(OutputRowAssignTest, WithoutAGeneralPurposeBoardNothingOpens) {
  Slot({1, 101, "330AMCP0001", "330A", "VDK CTRL MCP", 1, 40});
  auto* assign = fw::Create<ui::TW7SpeedButton>(form_);
  assign->SetName("Outputbuttonassign_3");
  form_->output_assignments[3].name = "Gear Light";
  form_->assign_key_output(assign);
  EXPECT_EQ(Asked(), (std::vector<std::string>{"No assignable board connected"}));
  EXPECT_EQ(LED_Selector->Label1->Caption(), "Assigning LED to : Gear Light");
  EXPECT_EQ(manual_assignment->Label1->Caption(), "Assigning LED to : Gear Light");
  EXPECT_EQ(Relay_Selector->Label1->Caption(), "Assigning LED to : Gear Light");
  EXPECT_FALSE(form_->led_selector_active);
  EXPECT_EQ(form_->output_assignments[3].output_no, 0);
}

TEST_F(OutputRowAssignTest, TheFoundLedBecomesTheRowsOutput) {
  Slot({3, 103, "4101SYS0001", "4101", "SYS1", 1, 64});
  OutputRow& row = form_->output_rows[3];
  row.label = fw::Create<fw::TLabel>(form_);
  row.label->SetCaption("FSUIPC Beacon");
  row.assign = fw::Create<ui::TW7SpeedButton>(form_);
  row.assign->SetName("Outputbuttonassign_3");
  row.clear = fw::Create<ui::TW7SpeedButton>(form_);
  row.clear->SetVisible(false);
  row.card = fw::Create<fw::TLabel>(form_);
  row.number = fw::Create<fw::TLabel>(form_);
  row.number->SetVisible(false);
  row.test = fw::Create<fw::TCheckBox>(form_);
  row.test->SetVisible(false);
  row.fsuipc.offset = fw::Create<fw::TEdit>(form_);
  row.fsuipc.offset->SetVisible(false);
  {
    ModalScript user(App());
    user.Then(LED_Selector, [&] {
      EXPECT_TRUE(form_->led_selector_active);
      // The user picks an output by hand; the dialog hands back its board and number.
      LED_Selector->selected_led = 37;
      LED_Selector->BitBtn4->Click();
    });
    form_->assign_key_output(row.assign);
  }
  const toutput_assignments& r = form_->output_assignments[3];
  EXPECT_EQ(r.name, "FSUIPC Beacon");
  EXPECT_EQ(r.board, "4101SYS0001");
  EXPECT_EQ(r.output_no, 37);
  EXPECT_EQ(r.board_desc, "SYS1");
  EXPECT_FALSE(row.assign->Visible());
  EXPECT_TRUE(row.clear->Visible());
  EXPECT_EQ(row.card->Caption(), "SYS1 : 4101SYS0001");
  EXPECT_EQ(row.number->Caption(), "37");
  EXPECT_TRUE(row.number->Visible() && row.test->Visible() && row.fsuipc.offset->Visible());
  EXPECT_FALSE(form_->led_selector_active);
  EXPECT_TRUE(form_->save_marked());
}

}  // namespace
}  // namespace trelvik::testing
