// The board selector's three endings, a switch press ending it while the import waits for one, and the
// description form's Close.
#include "controller/app/event_bridge.h"
#include "dialog_fixture.h"
#include "framework/controls/button.h"
#include "framework/controls/group_box.h"
#include "framework/messaging/timer.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik::testing {
namespace {

using SelectionDialogsTest = DialogTest;

TEST_F(SelectionDialogsTest, BoardSelectorEndsWithTheResultOfItsButtonOrOfASwitchPress) {
  const struct {
    fw::TButton* button;
    fw::TModalResult result;
  } buttons[] = {{board_selector->BitBtn4, fw::mrOk}, {board_selector->BitBtn2, fw::mrCancel},
                 {board_selector->BitBtn3, fw::mrIgnore}};
  for (const auto& b : buttons) {
    ModalScript user(App());
    user.Then(board_selector, [&] { b.button->Click(); });
    EXPECT_EQ(board_selector->ShowModal(), b.result) << b.button->Caption();
  }

  // A switch closing on a board while the wizard waits ends the dialog as "Assign Board" does, with no
  // board chosen in the list; the board is kept for the wizard.
  Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 8, 0, 0, 64});
  form_->import_waiting_for_switch = true;
  {
    ModalScript user(App());
    user.Then(board_selector, [&] { PostMessageA(form_->Handle(), WM_SWITCH_EVENT, 101, MAKELPARAM(17, 1)); });
    EXPECT_EQ(board_selector->ShowModal(), fw::mrOk);
  }
  EXPECT_EQ(board_selector->sys_board->ItemIndex(), -1);
  EXPECT_EQ(form_->import_switch_board, "4101SYS0001");

  // Without the wait a press leaves the dialog alone.
  form_->import_waiting_for_switch = false;
  {
    ModalScript user(App());
    user.Then(board_selector, [&] { PostMessageA(form_->Handle(), WM_SWITCH_EVENT, 101, MAKELPARAM(18, 1)); });
    user.Then(board_selector, [&] {  // the press has been handled by now (the queue ran empty)
      EXPECT_EQ(form_->import_switch_board, "4101SYS0001");
      board_selector->BitBtn2->Click();
    });
    EXPECT_EQ(board_selector->ShowModal(), fw::mrCancel);
  }
}

TEST_F(SelectionDialogsTest, DescriptionFormClosesWithItsButton) {
  auto* close = dynamic_cast<fw::TButton*>(Form8->FindComponent("Button1"));
  ASSERT_NE(close, nullptr);
  ModalScript user(App());
  user.Then(Form8, [&] { close->Click(); });
  EXPECT_EQ(Form8->ShowModal(), fw::mrClose);
}

// The hidden "Show Board Descriptions" button of the status page's "Other Options" opens the same form.
TEST_F(SelectionDialogsTest, ShowBoardDescriptionsOpensTheDescriptionForm) {
  auto* close = dynamic_cast<fw::TButton*>(Form8->FindComponent("Button1"));
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(form_->show_descriptions->Parent(), form_->other_options);
  EXPECT_EQ(form_->other_options->Caption(), "Other Options");
  EXPECT_FALSE(form_->show_descriptions->Visible());
  bool shown = false;
  {
    ModalScript user(App());
    user.Then(Form8, [&] {
      shown = true;
      close->Click();
    });
    form_->show_descriptions->OnClick(form_->show_descriptions);
  }
  EXPECT_TRUE(shown);
  EXPECT_FALSE(Form8->Visible());
}

}  // namespace
}  // namespace trelvik::testing
