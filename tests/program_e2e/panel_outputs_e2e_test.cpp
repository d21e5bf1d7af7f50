// The lamps and windows of two mode-control panels (a 330F and a 330A) following the 737 add-on's data area,
// fed through the SimConnect.dll stand-in, as the simulated boards show them; and a switch and a knob of the
// panel reaching the add-on.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>

#include "sim/run/flight.h"
#include "sim/run/program_folder.h"
#include "tests/program_e2e/addon_area737.h"
#include "tests/program_e2e/program_run.h"

namespace {

enum : int { k330F = 0, k330A = 1 };

using e2e::Area737;

// Courses 045 and 270, IAS 160, HDG 090, ALT 5000, V/S -800 in V/S mode, flight director (captain),
// autothrottle armed, N1, LVL CHG, HDG SEL and CMD A.
Area737 Climbing() {
  Area737 area;
  area.Powered(true).Word(256, 45).Word(258, 270).Speed(160.0f).Word(268, 90).Word(270, 5000);
  area.Word(272, static_cast<std::uint16_t>(-800));
  for (std::size_t lamp : {277u, 280u, 283u, 286u, 287u, 292u, 293u}) area.Flag(lamp, true);
  return area;
}

std::set<int> Range(int first, int last, int step = 1) {
  std::set<int> leds;
  for (int led = first; led <= last; led += step) leds.insert(led);
  return leds;
}

std::set<int> Union(std::initializer_list<std::set<int>> sets) {
  std::set<int> all;
  for (const auto& s : sets) all.insert(s.begin(), s.end());
  return all;
}

// The lamps (LEDs 193 to 256) and the 24 window digits a board must show.
struct Panel {
  std::set<int> lamps;
  std::string digits;
};

// The climb on the HALDOR panel: backlights, N1, LVL CHG, HDG SEL, V/S, CMD A, F/D captain, A/T arm, 233-248.
Panel Climbing330F() {
  return {Union({Range(209, 215), Range(217, 223), {193, 196, 197, 203, 204, 225, 226}, Range(233, 248)}),
          "045" " " " " "160" "090" " 5000" " -800" "270"};
}

// The same on the VDK panel, whose V/S window has its own minus segment.
Panel Climbing330A() {
  return {Union({Range(193, 219, 2), {194, 200, 202, 210, 216, 227, 231}, Range(233, 248)}),
          "045" " " " " "160" "090" " 5000" "-" "0800" "270"};
}

std::string Digits(const HidSimMirrorBoard& board) {
  std::string text;
  for (int digit = 1; digit <= 24; ++digit) text += simchannel::DigitText(simchannel::DigitSegments(board, digit));
  return text;
}

// How the board differs from the panel; empty when it shows exactly the panel.
std::string Differences(const HidSimMirrorBoard& board, const Panel& panel) {
  std::string differences;
  for (int led = 193; led <= 256; ++led) {
    const bool lit = simchannel::LedLit(board, led);
    if (lit != (panel.lamps.count(led) != 0)) differences += " LED " + std::to_string(led) + (lit ? " lit" : " dark");
  }
  if (Digits(board) != panel.digits) differences += " windows \"" + Digits(board) + "\"";
  return differences;
}

bool AllDark(const HidSimMirrorBoard& board) {
  for (int led = 1; led <= 256; ++led) {
    if (simchannel::LedLit(board, led)) return false;
  }
  return true;
}

int ChangedRows(const HidSimMirrorBoard& before, const HidSimMirrorBoard& after) {
  int rows = 0;
  for (int row = 0; row < 8; ++row) rows += std::memcmp(before.ledRows[row], after.ledRows[row], 4) != 0 ? 1 : 0;
  return rows;
}

class PanelOutputs : public ::testing::Test {
 protected:
  PanelOutputs() : run_("panels737", "1FD1:03E8:MCP00001::330F;1FD1:03E8:MCP00002::330A") {}

  void SetUp() override {
    // The template's pass intervals (200 and 250 ms); the run without the keys is the restart test's. The rescan
    // five seconds after discovery pauses the outputs; the panels are watched once it is done.
    const std::string failed = e2e::StartFlyingAfterRescan(run_, "2 Devices Connected");
    ASSERT_TRUE(failed.empty()) << failed;
  }

  const simchannel::RemoteBoards& boards() { return run_.ControlBoards(); }

  // Waits (bounded) until both panels show exactly what they must; the boards as they were then.
  std::vector<HidSimMirrorBoard> WaitForPanels(const Panel& f, const Panel& a) {
    std::vector<HidSimMirrorBoard> now;
    e2e::WaitUntil([&] {
      now = boards().Boards();
      return now.size() == 2 && Differences(now[k330F], f).empty() && Differences(now[k330A], a).empty();
    }, 60000);
    return now;
  }

  e2e::ProgramRun run_;
};

TEST_F(PanelOutputs, The737DataAreaLightsExactlyItsLampsAndWindowsWritesOnlyChangesAndGoesDarkWithoutPower) {
  ASSERT_TRUE(run_.Simulator(Climbing().Request()));
  std::vector<HidSimMirrorBoard> shown = WaitForPanels(Climbing330F(), Climbing330A());
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(Differences(shown[k330F], Climbing330F()), "");
  EXPECT_EQ(Differences(shown[k330A], Climbing330A()), "");
  // The autothrottle arm lamp also drives data lines 1 and 2 of the 330F and 16 of the 330A.
  EXPECT_TRUE(simchannel::LineOn(shown[k330F], 1) && simchannel::LineOn(shown[k330F], 2));
  EXPECT_TRUE(simchannel::LineOn(shown[k330A], 16));

  // Both passes rewrite every lamp and window all the time, yet only rows that changed reach a board: the same
  // area again, then one more lamp (VNAV), then one heading digit, each cost exactly the rows they changed.
  ASSERT_TRUE(run_.Simulator(Climbing().Request()));
  Area737 vnav = Climbing();
  vnav.Flag(285, true);
  ASSERT_TRUE(run_.Simulator(vnav.Request()));
  Panel f = Climbing330F(), a = Climbing330A();
  f.lamps.insert(195);
  a.lamps.insert(212);
  std::vector<HidSimMirrorBoard> after = WaitForPanels(f, a);
  ASSERT_EQ(after.size(), 2u);
  for (int board : {k330F, k330A}) {
    EXPECT_EQ(Differences(after[board], board == k330F ? f : a), "") << board;
    EXPECT_EQ(ChangedRows(shown[board], after[board]), 1) << board;
    EXPECT_EQ(after[board].reportKinds[HIDSIM_REPORT_LED_ROW] - shown[board].reportKinds[HIDSIM_REPORT_LED_ROW], 1) << board;
    EXPECT_EQ(after[board].reportKinds[HIDSIM_REPORT_PORTS], shown[board].reportKinds[HIDSIM_REPORT_PORTS]) << board;
  }
  shown = after;
  vnav.Word(268, 91);
  ASSERT_TRUE(run_.Simulator(vnav.Request()));
  f.digits.replace(8, 3, "091");
  a.digits.replace(8, 3, "091");
  after = WaitForPanels(f, a);
  ASSERT_EQ(after.size(), 2u);
  for (int board : {k330F, k330A}) {
    EXPECT_EQ(Differences(after[board], board == k330F ? f : a), "") << board;
    const int rows = ChangedRows(shown[board], after[board]);
    EXPECT_EQ(rows, 4) << board;  // '0' to '1': segments a, d, e and f
    EXPECT_EQ(after[board].reportKinds[HIDSIM_REPORT_LED_ROW] - shown[board].reportKinds[HIDSIM_REPORT_LED_ROW], rows) << board;
  }

  // No power: every lamp and window of both panels dark.
  Area737 dark = vnav;
  ASSERT_TRUE(run_.Simulator(dark.Powered(false).Request()));
  EXPECT_TRUE(e2e::WaitUntil([&] {
    const auto now = boards().Boards();
    return now.size() == 2 && AllDark(now[k330F]) && AllDark(now[k330A]);
  }, 60000));
  EXPECT_TRUE(run_.Close(30000));
  for (const HidSimMirrorBoard& board : boards().Boards()) EXPECT_EQ(e2e::NotDarkAndReleased(board), "") << board.serial;
}

TEST_F(PanelOutputs, APanelButtonAndAKnobDetentReachTheAddOnAndTheKnobStepsItsWindowAtOnce) {
  ASSERT_TRUE(run_.Simulator(Climbing().Request()));
  ASSERT_EQ(WaitForPanels(Climbing330F(), Climbing330A()).size(), 2u);

  // HDG SEL (switch 12 of the 330F): one click of its add-on event.
  std::size_t before = run_.Events().size();
  ASSERT_TRUE(boards().Press(k330F, 12, true));
  ASSERT_TRUE(boards().Press(k330F, 12, false));
  const std::vector<e2e::AddonEvent> click = {{70024, 0x20000000}, {70024, 0x00020000}};
  EXPECT_TRUE(e2e::WaitUntil([&] { return run_.Events().size() >= before + 2; }, 10000));
  std::vector<e2e::AddonEvent> events = run_.Events();
  EXPECT_EQ(std::vector<e2e::AddonEvent>(events.begin() + static_cast<long>(before), events.end()), click);

  // One detent of the heading knob (switch 38): one right turn of the add-on's heading knob, and the window
  // shows 091 at once, before the add-on answers; the aircraft's 090 comes back once the knob rests.
  before = run_.Events().size();
  ASSERT_TRUE(boards().Press(k330F, 38, true));
  ASSERT_TRUE(boards().Press(k330F, 38, false));
  EXPECT_TRUE(e2e::WaitUntil([&] {
    const auto now = boards().Boards();
    return now.size() == 2 && Digits(now[k330F]).substr(8, 3) == "091";
  }, 10000)) << Digits(boards().Boards()[k330F]);
  EXPECT_TRUE(e2e::WaitUntil([&] { return run_.Events().size() >= before + 2; }, 10000));
  events = run_.Events();
  const std::vector<e2e::AddonEvent> turn = {{70022, 0x80000000}, {70022, 0x00080000}};
  EXPECT_EQ(std::vector<e2e::AddonEvent>(events.begin() + static_cast<long>(before), events.end()), turn);
  EXPECT_TRUE(e2e::WaitUntil([&] {
    const auto now = boards().Boards();
    return now.size() == 2 && Digits(now[k330F]).substr(8, 3) == "090";
  }, 10000)) << Digits(boards().Boards()[k330F]);
  EXPECT_TRUE(run_.Close(30000));
}

}  // namespace
