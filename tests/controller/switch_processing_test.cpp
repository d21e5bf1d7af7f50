// The main form's switch processing as installed: a posted switch event reaches the CDU keys and the
// mode-control branch, which write the form's labels, window values and the panel's digits.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "controller/app/event_bridge.h"
#include "framework/controls/label.h"
#include "framework/controls/status_bar.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

class SwitchProcessingTest : public MainFormTest {
 protected:
  TZedArave* FormWithBoard(std::int32_t session, const char* model) {
    TZedArave* form = MakeForm();
    form->board_table[1].name = std::string(model) + "00A1";
    form->board_table[1].session = session;
    std::memcpy(form->board_info[1].model, model, 4);
    return form;
  }
  void Post(TZedArave* form, std::int32_t id, int number, int state) {
    PostMessageA(form->Handle(), WM_SWITCH_EVENT, static_cast<WPARAM>(id), SwitchEventLParam(number, state));
    Drain();
  }
  bool Called(const std::string& call) {
    return std::find(Boards().calls.begin(), Boards().calls.end(), call) != Boards().calls.end();
  }
};

TEST_F(SwitchProcessingTest, CduKeyOfTheCaptainsRoleIsReportedOnTheForm) {
  TZedArave* form = FormWithBoard(12, "3302");
  form->cdu_cpt_session = 12;
  Post(form, 12, 7, 1);
  EXPECT_EQ(form->status_text(0), "Switch Received 12 7 1");
  EXPECT_TRUE(form->switch_activity);
  EXPECT_EQ(form->last_input->Caption(), "CDU CPT - Input: 7 ON");
  EXPECT_EQ(form->last_input2->Caption(), "330200A1");
}

TEST_F(SwitchProcessingTest, AltitudeDetentStepsTheWindowAndWritesTheDigitsAtOnce) {
  TZedArave* form = FormWithBoard(9, "3404");
  form->mcp_switches.window_altitude = 5000;
  Post(form, 9, 42, 1);
  EXPECT_EQ(form->mcp_switches.window_altitude, 5100);
  EXPECT_TRUE(Called("7Segment_Display(9, 5100,12)")) << ::testing::PrintToString(Boards().calls);
  EXPECT_EQ(form->last_input->Caption(), "MCP - Input: 42 ON");
}

TEST_F(SwitchProcessingTest, SelectorPositionIsReadBackFromTheBoard) {
  TZedArave* form = FormWithBoard(9, "3404");
  Post(form, 9, 69, 1);
  EXPECT_TRUE(Called("Switch_Get_State(9,69)")) << ::testing::PrintToString(Boards().calls);
}

}  // namespace
}  // namespace trelvik::testing
