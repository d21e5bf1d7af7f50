#include <gtest/gtest.h>

#include <cstdlib>

#include "boardapi/log/log_line.h"
#include "tests/boardapi/controller_board_fixture.h"

namespace {

// Set for the child process that the cross-process test starts: the boards the child must see, and the event
// it sets once its checks ran (a filter that matched nothing would also exit with 0).
constexpr char kChildVariable[] = "VENTRIX_TEST_BIND_CHILD";
constexpr char kChildDoneVariable[] = "VENTRIX_TEST_BIND_CHILD_DONE";
constexpr char kChildTest[] = "ControllerBindChild.DISABLED_BoardBoundByTheParentIsHeld";

// Runs this test program again with only the child test; true when it ran its checks and passed.
bool ChildProcessPasses(const std::string& boards) {
  const std::string doneName = logline::Text("ventrix-bind-child-done-%lu", GetCurrentProcessId());
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, doneName.c_str());
  char program[MAX_PATH];
  GetModuleFileNameA(nullptr, program, sizeof program);
  std::string commandLine =
      std::string("\"") + program + "\" --gtest_also_run_disabled_tests --gtest_filter=" + kChildTest;
  SetEnvironmentVariableA(kChildVariable, boards.c_str());
  SetEnvironmentVariableA(kChildDoneVariable, doneName.c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      &startup, &process);
  SetEnvironmentVariableA(kChildVariable, nullptr);
  SetEnvironmentVariableA(kChildDoneVariable, nullptr);
  DWORD exitCode = static_cast<DWORD>(-1);
  if (started) {
    CloseHandle(process.hThread);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process.hProcess, &exitCode);
    }
    CloseHandle(process.hProcess);
  }
  const bool ran = WaitForSingleObject(done, 0) == WAIT_OBJECT_0;
  CloseHandle(done);
  return ran && exitCode == 0;
}

using ControllerBindTest = ControllerTest;

TEST_F(ControllerBindTest, BindHoldsTheNamedLockOnce) {
  ASSERT_EQ(controller_->Bind(), 0u);
  EXPECT_EQ(controller_->Bind(), static_cast<DWORD>(ERROR_LOCKED));
  EXPECT_TRUE(controller_->IsBoundElsewhere());
  HANDLE lock = OpenMutexA(SYNCHRONIZE, FALSE, "3e8-00000001:Locked");
  EXPECT_NE(lock, nullptr);
  if (lock) CloseHandle(lock);

  CventrixController other(device_);
  EXPECT_EQ(other.Bind(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));

  controller_->Unbind();
  EXPECT_FALSE(controller_->IsBoundElsewhere());
  EXPECT_EQ(other.Bind(), 0u);
}

TEST_F(ControllerBindTest, SecondProcessCannotTakeABoundBoard) {
  ASSERT_EQ(controller_->Bind(), 0u);

  hidsim::BoardConfig board;
  board.serial = L"00000001";
  EXPECT_TRUE(ChildProcessPasses(hidsim::EnvironmentText({board})));

  // The first process keeps its binding.
  EXPECT_EQ(controller_->Bind(), static_cast<DWORD>(ERROR_LOCKED));
  EXPECT_TRUE(controller_->IsBoundElsewhere());
}

// Runs only as the child of SecondProcessCannotTakeABoundBoard (hence disabled in ordinary runs).
using ControllerBindChild = SimLayerTest;

TEST_F(ControllerBindChild, DISABLED_BoardBoundByTheParentIsHeld) {
  const char* boards = std::getenv(kChildVariable);
  ASSERT_NE(boards, nullptr) << "runs as the child of SecondProcessCannotTakeABoundBoard";
  hidsim::AddBoardsFromText(boards);
  HidDeviceHandle device = OpenLayer();
  ASSERT_NE(device, nullptr);
  CventrixController controller(device);

  EXPECT_TRUE(controller.IsBoundElsewhere());
  EXPECT_EQ(controller.Bind(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));

  if (HANDLE done = OpenEventA(EVENT_MODIFY_STATE, FALSE, std::getenv(kChildDoneVariable))) {
    SetEvent(done);
    CloseHandle(done);
  }
}

}  // namespace
