// The 777 with the captain's EFIS panel and two CDUs (captain and first officer): the switch rescan five
// seconds after start-up, the MINS knob's release clicks, and each CDU's lamps, lamp lines and display
// brightness, as the add-on and the simulated boards see them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "sim/run/flight.h"
#include "sim/run/program_folder.h"
#include "tests/program_e2e/program_run.h"

namespace {

enum : int { kEfis = 0, kCaptainCdu = 1, kFirstOfficerCdu = 2 };

using Events = std::vector<e2e::AddonEvent>;

Events From(const Events& events, std::size_t first) {
  return first < events.size() ? Events(events.begin() + static_cast<long>(first), events.end()) : Events();
}

std::string Describe(const Events& events) {
  std::string text;
  for (const e2e::AddonEvent& e : events) {
    char line[40];
    std::snprintf(line, sizeof line, "(%u, 0x%X) ", e.event, e.data);
    text += line;
  }
  return text;
}

// The 777 data area: power and the CDU lamp bytes (left, right, centre CDU in threes from 377).
std::string Area777(bool powered, std::initializer_list<std::size_t> lampBytes) {
  std::vector<std::uint8_t> area(395, 0);
  area[31] = powered ? 1 : 0;
  for (std::size_t at : lampBytes) area[at] = 1;
  return trelvikrun::ClientDataRequest("ORVA_777X_Data", area);
}

// What a CDU shows of its role's lamps: LEDs 1 to 5 and their lines 9 to 13, and the power lines 15, 16 and 6.
struct CduLamps {
  std::vector<int> litLamps;  // lamp n is LED n
  bool power;
};

std::string CduDifferences(const HidSimMirrorBoard& board, const CduLamps& expected) {
  static const int kLampLine[] = {0, 9, 10, 12, 11, 13};  // lamp 1..5 to its data line
  std::string differences;
  for (int lamp = 1; lamp <= 5; ++lamp) {
    const bool lit = std::find(expected.litLamps.begin(), expected.litLamps.end(), lamp) != expected.litLamps.end();
    if (simchannel::LedLit(board, lamp) != lit) differences += " LED " + std::to_string(lamp);
    if (simchannel::LineOn(board, kLampLine[lamp]) != lit) differences += " line " + std::to_string(kLampLine[lamp]);
  }
  for (int line : {15, 16, 6}) {
    if (simchannel::LineOn(board, line) != expected.power) differences += " line " + std::to_string(line);
  }
  return differences;
}

TEST(EfisAndCdus777, RescanReleaseClicksCduLampsPerRoleAndBrightnessFromEachCdusControl) {
  e2e::ProgramRun run("efis_cdu", "1FD1:03E8:EFS00001::330B;1FD1:03EA:CDU00001::3302;1FD1:03EA:CDU00002::3302");
  // The template's pass intervals (brightness is set by the 7-segment pass).
  run.WriteFile("CONFIG.INI", trelvikrun::ProgramSettings(true));
  run.WriteFile("ASSIGNMENTS.INI", "[CDU_ASSIGNMENTS]\r\nCPT=03EACDU00001\r\nFO=03EACDU00002\r\n");
  run.AddSimConnectStandIn();
  const simchannel::RemoteBoards& boards = run.ControlBoards();
  ASSERT_TRUE(boards.Ready());
  ASSERT_TRUE(run.Start());
  ASSERT_NE(run.WaitForMainWindow(30000), nullptr);
  ASSERT_TRUE(e2e::ListsHold(run.WaitForListLine("3 Devices Connected", 60000), "3 Devices Connected"));
  // Before the rescan: the left VOR/ADF selector stands in position 1 (switch 1 closed, switch 2 open).
  ASSERT_TRUE(boards.Press(kEfis, 1, true));
  ASSERT_TRUE(run.StartFlight("ORVA 777", 30000));

  // The rescan replays the panel: switch 1 closed (ND_CAPTAIN_RADIO_L=1), not switch 2's open position behind
  // it, the right selector's two open positions (ND_CAPTAIN_RADIO_R=0 twice); then the release clicks of the
  // four 777 knobs; its status line comes last.
  ASSERT_TRUE(e2e::WaitUntil([&] { return run.StatusText() == "Switches Rescanned"; }, 30000)) << run.StatusText();
  const Events rescan = run.Events();
  const Events replayed = {{69816, 0},       {69821, 1},       {69821, 1},       {69823, 0x20000}, {69823, 0x80000},
                           {69889, 0x20000}, {69889, 0x80000}, {69814, 0x20000}, {69814, 0x80000}, {69881, 0x20000},
                           {69881, 0x80000}};
  ASSERT_GE(rescan.size(), replayed.size()) << Describe(rescan);
  EXPECT_EQ(From(rescan, rescan.size() - replayed.size()), replayed) << Describe(rescan);

  // Three detents of the captain's MINS knob (switch 41) 50 ms apart: three rotations, then one pair of release
  // clicks, since the release timer keeps its first expiry.
  const DWORD start = GetTickCount();
  for (int detent = 0; detent < 3; ++detent) {
    while (GetTickCount() - start < static_cast<DWORD>(50 * detent)) Sleep(1);
    ASSERT_TRUE(boards.Press(kEfis, 41, true));
    ASSERT_TRUE(boards.Press(kEfis, 41, false));
  }
  const Events mins = {{69814, 10}, {69814, 10}, {69814, 10}, {69814, 0x20000}, {69814, 0x80000}};
  EXPECT_TRUE(e2e::WaitUntil([&] { return run.Events().size() >= rescan.size() + mins.size(); }, 10000));
  EXPECT_EQ(From(run.Events(), rescan.size()), mins) << Describe(run.Events());

  // Each CDU shows its own role's lamps: the captain's lamps 1 and 4 (bytes 377, 383), the first officer's
  // lamps 2 and 5 (bytes 381, 390), both powered.
  ASSERT_TRUE(run.Simulator(Area777(true, {377, 383, 381, 390})));
  const CduLamps captain{{1, 4}, true}, firstOfficer{{2, 5}, true};
  std::vector<HidSimMirrorBoard> now;
  EXPECT_TRUE(e2e::WaitUntil([&] {
    now = boards.Boards();
    return now.size() == 3 && CduDifferences(now[kCaptainCdu], captain).empty() &&
           CduDifferences(now[kFirstOfficerCdu], firstOfficer).empty();
  }, 15000));
  ASSERT_EQ(now.size(), 3u);
  EXPECT_EQ(CduDifferences(now[kCaptainCdu], captain), "");
  EXPECT_EQ(CduDifferences(now[kFirstOfficerCdu], firstOfficer), "");

  // Each CDU's display follows its own brightness control: 1608 / 16 = 100.5 rounds to 100, 24 / 16 to 2.
  ASSERT_TRUE(boards.SetAnalog(kCaptainCdu, 1608));
  ASSERT_TRUE(boards.SetAnalog(kFirstOfficerCdu, 24));
  EXPECT_TRUE(e2e::WaitUntil([&] {
    now = boards.Boards();
    return now.size() == 3 && now[kCaptainCdu].brightness == 100 && now[kFirstOfficerCdu].brightness == 2;
  }, 15000));
  ASSERT_EQ(now.size(), 3u);
  EXPECT_EQ(now[kCaptainCdu].brightness, 100);
  EXPECT_EQ(now[kFirstOfficerCdu].brightness, 2);

  // Without power the displays go dark and the power lines low; the lamps still follow their bytes.
  ASSERT_TRUE(run.Simulator(Area777(false, {377, 383, 381, 390})));
  const CduLamps captainUnpowered{{1, 4}, false}, firstOfficerUnpowered{{2, 5}, false};
  EXPECT_TRUE(e2e::WaitUntil([&] {
    now = boards.Boards();
    return now.size() == 3 && now[kCaptainCdu].brightness == 0 && now[kFirstOfficerCdu].brightness == 0 &&
           CduDifferences(now[kCaptainCdu], captainUnpowered).empty() &&
           CduDifferences(now[kFirstOfficerCdu], firstOfficerUnpowered).empty();
  }, 15000));
  ASSERT_EQ(now.size(), 3u);
  EXPECT_EQ(CduDifferences(now[kCaptainCdu], captainUnpowered), "");
  EXPECT_EQ(now[kFirstOfficerCdu].brightness, 0);

  // Nothing since the knob reached the add-on: brightness is no command the add-on knows, and no later
  // release pair came.
  EXPECT_EQ(From(run.Events(), rescan.size()), mins) << Describe(run.Events());

  // At close every board is dark and released, the CDUs' lamp lines let go.
  EXPECT_TRUE(run.Close(30000));
  const std::vector<HidSimMirrorBoard> left = boards.Boards();
  for (const HidSimMirrorBoard& board : left) EXPECT_EQ(e2e::NotDarkAndReleased(board), "") << board.serial;
  ASSERT_EQ(left.size(), 3u);
  for (int cdu : {kCaptainCdu, kFirstOfficerCdu}) EXPECT_EQ(CduDifferences(left[cdu], {{}, false}), "") << cdu;
}

}  // namespace
