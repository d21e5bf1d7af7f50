// Board discovery of the running program over simulated boards with their model codes.
#include <gtest/gtest.h>

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
