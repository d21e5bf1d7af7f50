// The program's first start in an empty folder, end to end.
#include <gtest/gtest.h>

#include <algorithm>

#include "controller/app/settings.h"
#include "tests/program_e2e/program_run.h"

namespace {

bool Holds(const std::vector<std::vector<std::string>>& lists, const std::string& line) {
  for (const auto& list : lists) {
    if (std::find(list.begin(), list.end(), line) != list.end()) return true;
  }
  return false;
}

TEST(ProgramFirstStart, WritesItsFilesListsTheBoardAndClosesWithoutAQuestion) {
  e2e::ProgramRun run("first_start", "1FD1:03E8:E2E00001");
  ASSERT_TRUE(run.Start());
  ASSERT_NE(run.WaitForMainWindow(30000), nullptr);

  // Discovery of the start-up tick logs every board it bound, whatever the "Log" item.
  const std::string log = run.WaitForFileText("VavOzorovoduz.log", "Board Detected : ", 30000);
  EXPECT_NE(log.find(" : Board Detected : "), std::string::npos) << log;
  EXPECT_EQ(log.substr(2, 1), "/");  // "dd/MM/yyyy hh:mm:ss : ..."

  std::string expected;
  for (const std::string& line : trelvik::ConfigTemplateLines()) expected += line + "\r\n";
  EXPECT_EQ(run.ReadFile("CONFIG.INI"), expected);

  // The board list is complete once its summary lines stand (bounded wait for the settling time).
  std::vector<std::vector<std::string>> lists;
  for (int i = 0; i < 300 && !Holds(lists, "1 Device Connected"); ++i) {
    Sleep(50);
    lists = run.ListBoxes();
  }
  std::string shown;
  for (const auto& list : lists) {
    shown += "[";
    for (const std::string& line : list) shown += line + "|";
    shown += "]";
  }
  EXPECT_TRUE(Holds(lists, "SimConnect.dll - Not Found")) << shown;
  EXPECT_TRUE(Holds(lists, "1 Device Connected"));

  EXPECT_TRUE(run.Close(30000));  // no question asked: nothing changed
}

}  // namespace
