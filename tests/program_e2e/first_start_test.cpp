// The program's first start in an empty folder, end to end.
#include <gtest/gtest.h>

#include <algorithm>

#include "controller/app/settings.h"
#include "tests/program_e2e/program_run.h"

namespace {

TEST(ProgramFirstStart, WritesItsFilesListsTheBoardsAndClosesWithoutAQuestionLeavingThemDarkAndReleased) {
  e2e::ProgramRun run("first_start", "1FD1:03E8:E2E00001;1FD1:03EA:E2E00003::3302");
  const simchannel::RemoteBoards& boards = run.ControlBoards();
  ASSERT_TRUE(boards.Ready());
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
  for (int i = 0; i < 300 && !e2e::ListsHold(lists, "2 Devices Connected"); ++i) {
    Sleep(50);
    lists = run.ListBoxes();
  }
  const std::string shown = e2e::DescribeLists(lists);
  EXPECT_TRUE(e2e::ListsHold(lists, "SimConnect.dll - Not Found")) << shown;
  EXPECT_TRUE(e2e::ListsHold(lists, "2 Devices Connected"));
  EXPECT_TRUE(e2e::WaitUntil([&] {
    const auto now = boards.Boards();
    return now.size() == 2 && now[0].openHandles > 0 && now[1].openHandles > 0 && now[1].keyMatrixMode != 0;
  }, 10000));

  EXPECT_TRUE(run.Close(30000));  // no question asked: nothing changed
  const std::vector<HidSimMirrorBoard> left = boards.Boards();
  ASSERT_EQ(left.size(), 2u);
  for (const HidSimMirrorBoard& board : left) EXPECT_EQ(e2e::NotDarkAndReleased(board), "") << board.serial;
}

}  // namespace
