// Knob detents turned on a simulated mode-control panel behind the real board library, with a fake clock:
// each detent travels the library's switch callback to the main form, which steps its window by the
// accelerated amount and writes the digits through its guarded writes onto the board at once. No output pass
// runs unless a test runs one, so what the board shows after a detent came from the knob.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"
#include "sim/channel/remote_boards.h"
#include "tests/boardapi/fixtures/switch_calls.h"
#include "tests/boardapi_dll/fixtures/simulated_bank.h"

namespace trelvik::testing {
namespace {

constexpr DWORD kWaitMs = 15000;

// Pumps the form's messages until done() holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message != WM_QUIT) DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

class KnobDetentsOnBoardTest : public MainFormTest {
 protected:
  // One simulated panel of the model, discovered by the form over the real library; settings pin the knobs'
  // tuning so the accelerated steps are the formulas' at count 8, delay 180 ms, gain 18.
  void Discover(const char* model, const char* aircraft) {
    const dlltest::SimulatedBank& bank = dlltest::Bank();
    bank.Reset();
    board_ = bank.AddBoard(0x1FD1, 0x03E8, "KNB00001", (std::string(":") + model).c_str());
    ASSERT_GE(board_, 0);
    std::string ini = "[SETTINGS]\r\nDEVICE_LOAD_DELAY=2\r\nAIRCRAFT_TYPE=" + std::string(aircraft) + "\r\n";
    for (const char* knob : {"CRS", "IAS", "HDG", "ALT"}) {
      ini += std::string("MCP_") + knob + "_COUNT=8\r\nMCP_" + knob + "_DELAY=180\r\nMCP_" + knob + "_GAIN=18\r\n";
    }
    folder_.Write("CONFIG.INI", ini);
    form_ = MakeForm();
    // The form's start-up as its timers run it, each run at once so none falls among the detents: assignments
    // and discovery, the end of the panel family's lamp flash for the newly found board, the switch rescan.
    form_->Timer1Timer();
    form_->mcp_timer->OnTimer(form_->mcp_timer);
    form_->Timer_resendTimer();
    ASSERT_EQ(form_->board_table[1].model, model);
    ASSERT_NE(form_->board_table[1].session, 0);
    // The board's first reading reports every switch of its 64, open ones too; the detents come after it.
    ASSERT_TRUE(PumpUntil([&] { return form_->last_input->Caption() == "MCP - Input: 64 OFF"; }))
        << form_->last_input->Caption();
    form_->output_suspended = false;
  }
  void TearDown() override {
    if (form_ != nullptr) FreeForm(form_);
    MainFormTest::TearDown();
  }

  // One detent afterMs after the previous: the knob's switch closes and opens again on the board, and the
  // form has taken both changes.
  void Detent(int sw, std::uint32_t afterMs) {
    now_ += afterMs;
    Switch(sw, true);
    Switch(sw, false);
  }
  // The switch alone closed, or every switch open, on the board; returns once the form has taken the change.
  void Switch(int sw, bool closed) {
    const std::array<uint16_t, 8> words = closed ? ClosedSwitches({sw}) : ClosedSwitches({});
    dlltest::Bank().SetSwitchWords(board_, words.data());
    const std::string caption = "MCP - Input: " + std::to_string(sw) + (closed ? " ON" : " OFF");
    ASSERT_TRUE(PumpUntil([&] { return form_->last_input->Caption() == caption; }))
        << "waiting for \"" << caption << "\", the form shows \"" << form_->last_input->Caption() << "\"";
  }

  // The text digits first..last of the board show now.
  std::string Digits(int first, int last) const {
    HidSimMirrorBoard board{};
    for (int row = 0; row < 8; ++row) dlltest::Bank().GetLedRow(board_, row, board.ledRows[row]);
    std::string text;
    for (int digit = first; digit <= last; ++digit) text += simchannel::DigitText(simchannel::DigitSegments(board, digit));
    return text;
  }

  std::uint32_t now_ = 1000000;
  fw::ServiceDouble<std::uint32_t()> clock_{fw::TickCount, [this] { return now_; }};
  BoardApiDouble realLibrary_{RealBoardApi()};
  int board_ = -1;
  TZedArave* form_ = nullptr;
};

struct Step {
  std::uint32_t afterMs;
  std::int32_t window;  // the form's window value after the detent
  const char* shown;    // what the window's digits show on the board
};

TEST_F(KnobDetentsOnBoardTest, HeadingKnobAcceleratesAfterTheCountAndTheBoardShowsEachStep) {
  Discover("330F", "B737");
  form_->mcp_switches.window_heading = 90;
  const Step steps[] = {{1000, 91, "091"}, {50, 92, "092"}, {50, 93, "093"}, {50, 94, "094"}, {50, 95, "095"},
                        {50, 96, "096"},   {50, 97, "097"}, {50, 98, "098"}, {50, 99, "099"},
                        // The ninth fast detent in a row: 7 degrees at 90 ms.
                        {90, 106, "106"},
                        // A pause as long as the delay starts the count again.
                        {180, 107, "107"}};
  for (const Step& step : steps) {
    Detent(38, step.afterMs);
    EXPECT_EQ(form_->mcp_switches.window_heading, step.window);
    EXPECT_EQ(Digits(9, 11), step.shown) << "after " << step.afterMs << " ms";
  }
  EXPECT_EQ(Digits(1, 8), "        ");  // the other windows untouched
}

TEST_F(KnobDetentsOnBoardTest, AltitudeKnobStepsHundredsThenThousands) {
  Discover("3404", "B737");
  // Powered: the lamp pass each of this panel's switches runs leaves the windows alone.
  form_->panel_state.aircraft_power = 1;
  form_->mcp_switches.window_altitude = 5000;
  const Step steps[] = {{1000, 5100, " 5100"}, {90, 5200, " 5200"}, {90, 5300, " 5300"}, {90, 5400, " 5400"},
                        {90, 5500, " 5500"},   {90, 5600, " 5600"}, {90, 5700, " 5700"}, {90, 5800, " 5800"},
                        {90, 5900, " 5900"},   {90, 6900, " 6900"}, {90, 7900, " 7900"}};
  for (const Step& step : steps) {
    Detent(42, step.afterMs);
    EXPECT_EQ(form_->mcp_switches.window_altitude, step.window);
    EXPECT_EQ(Digits(12, 16), step.shown) << "after " << step.window;
  }
}

TEST_F(KnobDetentsOnBoardTest, TripleSevenHeadingOnTheCtrlPanelWrapsWithinOneTo360) {
  Discover("330A", "B777");
  form_->mcp_switches.window_heading = 359;
  const struct {
    int sw;
    const char* shown;
  } steps[] = {{52, "360"}, {52, "001"}, {51, "360"}, {51, "359"}};
  for (const auto& step : steps) {
    Detent(step.sw, 1000);
    EXPECT_EQ(Digits(9, 11), step.shown) << "switch " << step.sw;
  }
}

TEST_F(KnobDetentsOnBoardTest, TripleSevenSpeedKnobWithTheWindowClosedBlanksOnlyTheSpeedDigits) {
  Discover("330A", "B777");
  // The panel as the window pass draws it: course 045, speed 250 (window open), heading 090, altitude 5000,
  // vertical speed off, first officer's course 270.
  PanelState& panel = form_->panel_state;
  panel.aircraft_power = 1;
  panel.mcp_course_cpt = 45.0;
  panel.mcp_course_fo = 270.0;
  panel.mcp_ias_open = 1;
  aircraft::McpSwitchState& windows = form_->mcp_switches;
  windows.window_course_cpt = 45;
  windows.window_ias = 250;
  windows.window_heading = 90;
  windows.window_altitude = 5000;
  windows.window_course_fo = 270;
  form_->set_mcp_outputs_7seg("330A");
  ASSERT_EQ(Digits(1, 24), "045" "  250" "090" " 5000" "     " "270");

  Detent(49, 1000);  // speed down
  EXPECT_EQ(Digits(1, 24), "045" "  249" "090" " 5000" "     " "270");
  panel.mcp_ias_open = 0;
  Detent(49, 1000);
  EXPECT_EQ(Digits(1, 24), "045" "     " "090" " 5000" "     " "270");
  EXPECT_EQ(windows.window_ias, 249);
}

}  // namespace
}  // namespace trelvik::testing
