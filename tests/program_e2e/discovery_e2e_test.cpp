// Board discovery of the running program over simulated boards with their model codes.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/program_e2e/program_run.h"

namespace {

// The one list that holds the line, or an empty list.
std::vector<std::string> ListWith(const std::vector<std::vector<std::string>>& lists, const std::string& line) {
  for (const auto& list : lists) {
    for (const std::string& held : list) {
      if (held == line) return list;
    }
  }
  return {};
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST(ProgramDiscovery, KeepsMcpAndCduBoardsReleasesOthersAndListsThem) {
  e2e::ProgramRun run("discovery", "1FD1:03E8:MCP00001::330A;1FD1:03E8:NAV00001::4C5A;1FD1:03EA:CDU00001::3302");
  run.WriteFile("ASSIGNMENTS.INI", "[CDU_ASSIGNMENTS]\r\nCPT=03EACDU00001\r\n");
  ASSERT_TRUE(run.Start());
  ASSERT_NE(run.WaitForMainWindow(30000), nullptr);
  const std::vector<std::string> list = ListWith(run.WaitForListLine("3 Devices Connected", 60000), "3 Devices Connected");
  ASSERT_EQ(list.size(), 7u) << ::testing::PrintToString(list);
  EXPECT_TRUE(StartsWith(list[0], "API Version : ")) << list[0];
  EXPECT_EQ(list[1], "");
  // The kept boards in the library's list order; the radio board has no line.
  const bool mcpFirst = StartsWith(list[2], "VDK CTRL MCP");
  EXPECT_TRUE(StartsWith(list[mcpFirst ? 2 : 3], "VDK CTRL MCP    330A 03E8MCP00001 : Switches: ")) << list[2];
  EXPECT_TRUE(StartsWith(list[mcpFirst ? 3 : 2], "VDK CDU         3302 03EACDU00001 : Switches: ")) << list[3];
  EXPECT_EQ(list[4], " ");
  EXPECT_EQ(list[5], "3 Devices Connected");
  EXPECT_EQ(list[6], " ");
  const std::string log = run.ReadFile("VavOzorovoduz.log");
  EXPECT_NE(log.find(" : Board Detected : 330A - VDK CTRL MCP\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(" : Board Detected : 4C5A - VDK 737 NAVCOM\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(" : Board Detected : 3302 - VDK CDU\r\n"), std::string::npos) << log;
  EXPECT_TRUE(run.Close(30000));
}

TEST(ProgramDiscovery, FamiliesSwitchedOffInTheSettingsAreReleased) {
  e2e::ProgramRun run("families", "1FD1:03E8:MCP00001::330A;1FD1:03E8:EFS00001::330B;1FD1:03EA:CDU00001::3302");
  run.WriteFile("CONFIG.INI", "[SETTINGS]\r\nENABLE_MCP=0\r\nENABLE_CDU=0\r\n");
  ASSERT_TRUE(run.Start());
  ASSERT_NE(run.WaitForMainWindow(30000), nullptr);
  const std::vector<std::string> list = ListWith(run.WaitForListLine("2 Devices Ignored", 60000), "2 Devices Ignored");
  EXPECT_EQ(list.size(), 6u) << ::testing::PrintToString(list);
  if (list.size() == 6u) {
    EXPECT_EQ(list[3], "3 Devices Connected");
    EXPECT_EQ(list[4], "2 Devices Ignored");
  }
  EXPECT_TRUE(run.Close(30000));
}

}  // namespace

namespace {

// Waits (bounded) until the board's state as the simulator last published it meets the condition.
template <class Condition>
bool BoardBecomes(const simchannel::RemoteBoards& boards, int board, Condition condition, DWORD timeoutMs) {
  return e2e::WaitUntil([&] {
    const std::vector<HidSimMirrorBoard> now = boards.Boards();
    return static_cast<int>(now.size()) > board && condition(now[static_cast<size_t>(board)]);
  }, timeoutMs);
}

bool Bound(const HidSimMirrorBoard& board) { return board.openHandles > 0 && board.keyMatrixMode != 0; }

// Presses and lets go a key of a CDU board; true when the add-on then got the expected key event (each CDU
// role has its own column of events, so the event tells the role).
bool KeyReachesTheAddOn(e2e::ProgramRun& run, const simchannel::RemoteBoards& boards, int board, int key,
                        const e2e::AddonEvent& expected) {
  const size_t before = run.Events().size();
  if (!boards.Press(board, key, true) || !boards.Press(board, key, false)) return false;
  return e2e::WaitUntil([&] {
    const std::vector<e2e::AddonEvent> events = run.Events();
    return std::find(events.begin() + static_cast<long>(before), events.end(), expected) != events.end();
  }, 10000);
}

TEST(ProgramDiscovery, AnUnpluggedBoardLeavesTheListAndIsBoundAgainWithItsRoleWhenPluggedBackIn) {
  e2e::ProgramRun run("replug", "1FD1:03E8:MCP00001::330A;1FD1:03EA:CDU00001::3302");
  run.WriteFile("ASSIGNMENTS.INI", "[CDU_ASSIGNMENTS]\r\nCPT=03EACDU00001\r\n");
  run.AddSimConnectStandIn();  // the template selects the 777: the captain's CDU keys are its left column
  const simchannel::RemoteBoards& boards = run.ControlBoards();
  ASSERT_TRUE(boards.Ready());
  ASSERT_TRUE(run.Start());
  ASSERT_NE(run.WaitForMainWindow(30000), nullptr);
  ASSERT_TRUE(e2e::ListsHold(run.WaitForListLine("2 Devices Connected", 60000), "2 Devices Connected"));
  ASSERT_TRUE(BoardBecomes(boards, 0, Bound, 10000));
  ASSERT_TRUE(run.StartFlight("ORVA 777", 30000));

  // The removal reaches the program as the system reports it: the board is let go and leaves the list.
  ASSERT_TRUE(boards.Unplug(0));
  const e2e::ListLines after = run.WaitForListLine("1 Device Connected", 60000);
  const std::vector<std::string> list = ListWith(after, "1 Device Connected");
  ASSERT_FALSE(list.empty()) << e2e::DescribeLists(after);
  EXPECT_TRUE(std::none_of(list.begin(), list.end(), [](const std::string& l) { return StartsWith(l, "VDK CTRL MCP"); }))
      << e2e::DescribeLists(after);
  EXPECT_TRUE(std::any_of(list.begin(), list.end(), [](const std::string& l) { return StartsWith(l, "VDK CDU"); }))
      << e2e::DescribeLists(after);
  EXPECT_TRUE(BoardBecomes(boards, 0, [](const HidSimMirrorBoard& b) { return b.openHandles == 0; }, 10000));
  // The discovery of the removal kept the captain's CDU in its role.
  EXPECT_TRUE(KeyReachesTheAddOn(run, boards, 1, 1, {69981, 0x20000000}));

  // Plugged back in, it is discovered, bound and reporting its switches again, beside the CDU it never lost.
  ASSERT_TRUE(boards.Replug(0));
  const e2e::ListLines again = run.WaitForListLine("2 Devices Connected", 60000);
  EXPECT_TRUE(e2e::ListsHold(again, "2 Devices Connected")) << e2e::DescribeLists(again);
  EXPECT_TRUE(BoardBecomes(boards, 0, Bound, 10000));
  EXPECT_TRUE(BoardBecomes(boards, 1, Bound, 10000));
  const std::string log = run.ReadFile("VavOzorovoduz.log");
  size_t detected = 0;
  for (size_t at = log.find("Board Detected : 330A"); at != std::string::npos; at = log.find("Board Detected : 330A", at + 1)) {
    ++detected;
  }
  EXPECT_EQ(detected, 2u) << log;

  // The CDU itself unplugged and plugged back in comes back as the captain's CDU.
  ASSERT_TRUE(boards.Unplug(1));
  EXPECT_TRUE(e2e::ListsHold(run.WaitForListLine("1 Device Connected", 60000), "1 Device Connected"));
  EXPECT_TRUE(BoardBecomes(boards, 1, [](const HidSimMirrorBoard& b) { return b.openHandles == 0; }, 10000));
  ASSERT_TRUE(boards.Replug(1));
  EXPECT_TRUE(e2e::ListsHold(run.WaitForListLine("2 Devices Connected", 60000), "2 Devices Connected"));
  EXPECT_TRUE(BoardBecomes(boards, 1, Bound, 10000));
  EXPECT_TRUE(KeyReachesTheAddOn(run, boards, 1, 2, {69980, 0x20000000}));

  // At the end every board is dark (no LED lit, or its LED matrix off) and released.
  EXPECT_TRUE(run.Close(30000));
  for (const HidSimMirrorBoard& board : boards.Boards()) EXPECT_EQ(e2e::NotDarkAndReleased(board), "") << board.serial;
}

}  // namespace
