// The simulator quitting and coming back while the program runs, and the output passes' pace without the
// pass intervals in CONFIG.INI: the 737 and one HALDOR mode control panel (330F), through the SimConnect.dll
// stand-in. Every run here fails if the program shows a message box (program_run.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/program_e2e/addon_area737.h"
#include "tests/program_e2e/program_run.h"

namespace {

constexpr std::size_t kHeading = 268;  // the heading window's word in the data area
constexpr std::size_t kVnav = 285;     // the VNAV lamp's flag; LED 195 of the 330F
constexpr int kVnavLed = 195;

// The 330F's heading window (digits 9 to 11).
std::string HeadingWindow(const HidSimMirrorBoard& board) {
  std::string text;
  for (int digit = 9; digit <= 11; ++digit) text += simchannel::DigitText(simchannel::DigitSegments(board, digit));
  return text;
}

class SimulatorRestart : public ::testing::Test {
 protected:
  SimulatorRestart() : run_("simrestart", "1FD1:03E8:MCP00001::330F") {}

  // Starts the program with the settings text and opens the first flight; the panel is watched once the
  // switch rescan's output pause is over.
  void StartWith(const std::string& settings) {
    run_.WriteFile("CONFIG.INI", settings);
    run_.AddSimConnectStandIn();
    ASSERT_TRUE(run_.ControlBoards().Ready());
    ASSERT_TRUE(run_.Start());
    ASSERT_NE(run_.WaitForMainWindow(30000), nullptr);
    ASSERT_TRUE(e2e::ListsHold(run_.WaitForListLine("1 Device Connected", 60000), "1 Device Connected"));
    ASSERT_TRUE(run_.StartFlight("ORVA 737", 30000));
    ASSERT_TRUE(e2e::WaitUntil([&] { return run_.StatusText() == "Switches Rescanned"; }, 30000)) << run_.StatusText();
  }

  // Waits (bounded) until the panel shows the heading and the VNAV lamp so.
  bool PanelShows(const std::string& heading, bool vnav, DWORD timeoutMs) {
    return e2e::WaitUntil([&] {
      const auto boards = run_.ControlBoards().Boards();
      return boards.size() == 1 && HeadingWindow(boards[0]) == heading && simchannel::LedLit(boards[0], kVnavLed) == vnav;
    }, timeoutMs);
  }
  std::string PanelText() {
    const auto boards = run_.ControlBoards().Boards();
    if (boards.empty()) return "no board";
    return "heading \"" + HeadingWindow(boards[0]) + "\" VNAV " + (simchannel::LedLit(boards[0], kVnavLed) ? "lit" : "dark");
  }
  std::size_t Opens() {
    const std::vector<std::string> journal = e2e::Lines(run_.ReadFile(e2e::ProgramRun::kSimJournal));
    return static_cast<std::size_t>(std::count_if(journal.begin(), journal.end(), [](const std::string& line) {
      return line.starts_with("SimConnect_Open(");
    }));
  }

  e2e::ProgramRun run_;
};

TEST_F(SimulatorRestart, TheLinkReopensAfterEachQuitAndTheLampsFollowTheAircraftAgain) {
  StartWith("[SETTINGS]\r\nAIRCRAFT_TYPE=B737\r\nOUTPUT_LED_TIMER=200\r\nOUTPUT_7SEG_TIMER=250\r\n");
  ASSERT_TRUE(e2e::WaitUntil([&] { return run_.StatusText(3) == "Flight Sim Detected"; }, 10000)) << run_.StatusText(3);
  e2e::Area737 area;
  area.Powered(true).Word(kHeading, 90);
  ASSERT_TRUE(run_.Simulator(area.Request()));
  ASSERT_TRUE(PanelShows("090", false, 20000)) << PanelText();

  for (int restart = 1; restart <= 2; ++restart) {
    SCOPED_TRACE("restart " + std::to_string(restart));
    const std::size_t opens = Opens();
    ASSERT_TRUE(run_.Simulator("quit"));
    // The quit empties the simulator list down to its one line and drops the session without a close.
    e2e::ListLines lists;
    EXPECT_TRUE(e2e::WaitUntil([&] {
      lists = run_.ListBoxes();
      return e2e::ListsHold(lists, "Flight Sim Closed") || Opens() > opens;
    }, 10000)) << e2e::DescribeLists(lists);
    // The reconnect timer (every 5 s) opens a new session within its next period; the simulator answers it.
    EXPECT_TRUE(e2e::WaitUntil([&] { return Opens() == opens + 1; }, 10000)) << Opens();
    EXPECT_TRUE(e2e::WaitUntil([&] {
      lists = run_.ListBoxes();
      return e2e::ListsHold(lists, "Flight Sim Detected") && !e2e::ListsHold(lists, "Flight Sim Closed") &&
             run_.StatusText(3) == "Flight Sim Detected";
    }, 10000)) << e2e::DescribeLists(lists) << " panel 3: " << run_.StatusText(3);
    const std::string journal = run_.ReadFile(e2e::ProgramRun::kSimJournal);
    EXPECT_EQ(journal.find("SimConnect_Close("), std::string::npos) << journal.substr(0, 2000);
  }

  // The third session carries the aircraft to the panel.
  area.Word(kHeading, 123).Flag(kVnav, true);
  ASSERT_TRUE(run_.Simulator(area.Request()));
  EXPECT_TRUE(PanelShows("123", true, 20000)) << PanelText();
  EXPECT_TRUE(run_.Close(30000));
  for (const HidSimMirrorBoard& board : run_.ControlBoards().Boards()) EXPECT_EQ(e2e::NotDarkAndReleased(board), "");
  EXPECT_EQ(run_.MessageBoxes(), std::vector<std::string>{});
}

// An older CONFIG.INI without the pass intervals: the 7-segment pass runs every 500 ms, so a window follows
// the aircraft within a second.
TEST_F(SimulatorRestart, WithoutTheIntervalKeysAWindowChangeReachesThePanelWithinASecond) {
  StartWith("[SETTINGS]\r\nAIRCRAFT_TYPE=B737\r\n");
  e2e::Area737 area;
  area.Powered(true).Word(kHeading, 90);
  ASSERT_TRUE(run_.Simulator(area.Request()));
  ASSERT_TRUE(PanelShows("090", false, 20000)) << PanelText();
  for (const std::uint16_t heading : {91, 92, 93}) {
    ASSERT_TRUE(run_.Simulator(area.Word(kHeading, heading).Request()));
    EXPECT_TRUE(PanelShows("0" + std::to_string(heading), false, 1000)) << heading << ": " << PanelText();
  }
  EXPECT_TRUE(run_.Close(30000));
  EXPECT_EQ(run_.MessageBoxes(), std::vector<std::string>{});
}

}  // namespace
