#include <gtest/gtest.h>

#include "tests/boardapi/controller_board_fixture.h"

namespace {

using ControllerShutdownTest = ControllerTest;

TEST_F(ControllerShutdownTest, SwitchesTheLedMatrixOffAndDropsTheIicMarkerWithoutLeavingIicMode) {
  ASSERT_TRUE(controller_->EnableLedMatrix(true));
  ASSERT_TRUE(controller_->SetIicMode(true));
  ASSERT_TRUE(controller_->IsIicEnabled());
  hidsim::ClearJournal(board_);

  controller_->Shutdown();

  EXPECT_FALSE(hidsim::LedMatrixOn(board_));
  // Neither the IIC-off report nor a port write goes out at shut-down.
  EXPECT_TRUE(hidsim::IicModeOn(board_));
  const auto journal = hidsim::Journal(board_);
  ASSERT_EQ(journal.size(), 1u);
  EXPECT_EQ(journal[0].bytes, (std::vector<uint8_t>{0x14, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(controller_->IsIicEnabled());
}

TEST_F(ControllerShutdownTest, BoardObjectOutlivingTheLayerShutsDownAndGivesItsBindLockBack) {
  ASSERT_TRUE(controller_->EnableLedMatrix(true));
  ASSERT_EQ(controller_->Bind(), 0u);
  HidLayer_Close();

  controller_->Shutdown();
  controller_.reset();

  // The destructor gave the bind lock back.
  EXPECT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, "3e8-00000001:Locked"), nullptr);
}

}  // namespace
