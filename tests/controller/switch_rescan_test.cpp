// The main form's switch rescan over the recording board library: the boards and assignments it reads,
// what it replays through the installed switch processing, and its start five seconds after start-up.
#include <algorithm>

#include "framework/messaging/timer.h"
#include "main_form_fixture.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik::testing {
namespace {

using Strings = std::vector<std::string>;

class FormRescanTest : public MainFormTest {
 protected:
  TZedArave* Form(std::vector<FakeBoard> boards) {
    TZedArave* form = DiscoveredForm(std::move(boards));
    // Every replay is recorded, then handled by the installed switch processing.
    auto installed = form->switch_processing;
    form->switch_processing = [this, installed](std::uint32_t id, std::int32_t n, std::int32_t state) {
      replays.push_back(std::to_string(id) + "/" + std::to_string(n) + "/" + std::to_string(state));
      installed(id, n, state);
    };
    form->write_switch_states = [this] { ++gridWrites; };
    return form;
  }
  std::string Replay(std::int32_t session, int n, int state) {
    return std::to_string(session) + "/" + std::to_string(n) + "/" + std::to_string(state);
  }
  Strings replays;
  int gridWrites = 0;
};

TEST_F(FormRescanTest, ReplaysPanelBoardsAndAssignmentsButNoCdu) {
  FakeBoard efis{"03E8EFIS0001", "330B", 6, 0, 0, 0};
  efis.positions = {{1, 1}, {6, 1}};
  efis.unreadable = {4};
  FakeBoard cdu{"3302CDU00001", "3302", 80, 5, 16, 0};
  cdu.positions = {{1, 1}};
  TZedArave* form = Form({efis, cdu});
  const std::int32_t efisSession = form->board_table[1].session;
  const std::int32_t cduSession = form->board_table[2].session;
  form->input_assignments[1] = {};
  form->input_assignments[1].name = "Seatbelt OFF";
  form->input_assignments[1].board = "03E8EFIS0001";
  form->input_assignments[1].switch_no = 6;
  form->input_assignments[2] = {};
  form->input_assignments[2].name = "Reload";
  form->input_assignments[2].board = "03E8EFIS0001";
  form->input_assignments[2].switch_no = 5;
  form->input_assignments[2].cmd_on = "[RESCAN]";

  form->Button11Click();

  // The assignment first, then the board: switch 2 reads open while 1 is closed, switch 4 cannot be read.
  EXPECT_EQ(replays, (Strings{Replay(efisSession, 6, 1), Replay(efisSession, 1, 1), Replay(efisSession, 3, 0),
                              Replay(efisSession, 5, 0), Replay(efisSession, 6, 1)}));
  EXPECT_TRUE(Boards().CallsStartingWith("Switch_Get_State(" + std::to_string(cduSession) + ",").empty());
  EXPECT_EQ(gridWrites, 1);
  EXPECT_TRUE(form->switches_rescanned);
  EXPECT_TRUE(form->output_suspended);
  EXPECT_TRUE(form->knob_flags.mins_turned_while_held_cpt);
  EXPECT_TRUE(form->knob_flags.baro_turned_while_held_cpt);
  EXPECT_TRUE(form->mcp_switches.rescan_pair_flag[0]);
  EXPECT_EQ(form->status_text(0), "Switches Rescanned");
}

TEST_F(FormRescanTest, StartUpTimerRunsTheRescanOnce) {
  TZedArave* form = Form({{"03E8EFIS0001", "330B", 2, 0, 0, 0}});
  form->Timer_resend->SetEnabled(true);
  form->Timer_resendTimer();
  EXPECT_FALSE(form->Timer_resend->Enabled());
  EXPECT_EQ(replays.size(), 2u);
  EXPECT_TRUE(form->switches_rescanned);
}

// The hidden "Refresh Switch States" button runs the same rescan.
TEST_F(FormRescanTest, RefreshSwitchStatesRunsTheRescan) {
  TZedArave* form = Form({{"03E8EFIS0001", "330B", 2, 0, 0, 0}});
  EXPECT_FALSE(form->W7SpeedButton3->Visible());
  EXPECT_EQ(form->W7SpeedButton3->Caption(), "Refresh Switch States");
  form->W7SpeedButton3->OnClick(form->W7SpeedButton3);
  EXPECT_EQ(replays.size(), 2u);
  EXPECT_TRUE(form->switches_rescanned);
}

}  // namespace
}  // namespace trelvik::testing
