#include <gtest/gtest.h>

#include "tests/boardapi/controller_board_fixture.h"
#include "tests/support/child_entry.h"
#include "tests/support/child_process.h"

namespace {

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

// Run as the second process of the test below: the board the first process bound is held there.
CHILD_ENTRY(BoardBoundByTheParentIsHeld) {
  ScopedHidPlatform platform(hidsim::PlatformTable());
  HidDeviceHandle device = HidLayer_Open();
  CHILD_CHECK(device != nullptr);
  bool heldElsewhere = false;
  DWORD bind = 0;
  {
    CventrixController controller(device);
    heldElsewhere = controller.IsBoundElsewhere();
    bind = controller.Bind();
  }
  HidLayer_Close();
  CHILD_CHECK(heldElsewhere);
  CHILD_CHECK(bind == ERROR_ALREADY_EXISTS);
  return 0;
}

TEST_F(ControllerBindTest, SecondProcessCannotTakeABoundBoard) {
  ASSERT_EQ(controller_->Bind(), 0u);

  testsupport::ChildProcess child = testsupport::StartChildEntry(
      "BoardBoundByTheParentIsHeld",
      {{hidsim::kBoardsVariable, hidsim::EnvironmentText({BoardOf(0x03E8, L"00000001")})}});
  ASSERT_TRUE(child.Started());
  ASSERT_TRUE(child.Wait(30000)) << child.Output();
  EXPECT_EQ(child.ExitCode(), 0u) << child.Output();

  // The first process keeps its binding.
  EXPECT_EQ(controller_->Bind(), static_cast<DWORD>(ERROR_LOCKED));
  EXPECT_TRUE(controller_->IsBoundElsewhere());
}

}  // namespace
