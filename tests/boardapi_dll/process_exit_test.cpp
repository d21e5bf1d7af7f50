#include <string>

#include "tests/boardapi_dll/fixtures/board_api_test.h"
#include "tests/boardapi_dll/fixtures/child_process.h"

namespace dlltest {
namespace {

// A second process that binds a board, leaves the controllers open and the detector running, and then ends.
class LeftOpen : public BoardApiTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LeftOpen, ProcessEndsAndReleasesTheBoard) {
  const std::string name = DeviceName(0x03E8, "0000EX1T");
  ChildProcess child =
      StartBoardApiChild(std::string(GetParam()) + " " + name, {{"VENTRIX_HIDSIM_BOARDS", "1FD1:03E8:0000EX1T"}});
  ASSERT_TRUE(child.Started());
  ASSERT_TRUE(child.Wait(20000)) << "the process did not end: " << child.Output();
  EXPECT_EQ(child.ExitCode(), 0u) << child.Output();
  EXPECT_EQ(child.Output().rfind("open=0 bind=0 notify=0\n", 0), 0u) << child.Output();

  // Its bind lock went with it.
  AddBoard(0x03E8, "0000EX1T");
  Open();
  EXPECT_GT(Bind(name), 0);
}

INSTANTIATE_TEST_SUITE_P(ByExitAndByFreeLibrary, LeftOpen, ::testing::Values("exit-open", "free-open"));

}  // namespace
}  // namespace dlltest
