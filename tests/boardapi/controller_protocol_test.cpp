#include <gtest/gtest.h>
#include <windows.h>

#include <future>
#include <vector>

#include "tests/boardapi/controller_board_fixture.h"

namespace {

// Sends reports of the board's own accord once the layer's reads have come back empty `reads` more times.
std::future<void> InjectAfterEmptyReads(int board, std::vector<std::vector<uint8_t>> reports, int reads) {
  const int target = HidLayer_EmptyReads() + reads;
  return std::async(std::launch::async, [=] {
    const ULONGLONG deadline = GetTickCount64() + 20000;
    while (HidLayer_EmptyReads() < target && GetTickCount64() < deadline) Sleep(1);
    for (const auto& report : reports) hidsim::InjectInput(board, kPipeSpecial, report);
  });
}

using ControllerProtocolTest = ControllerTest;

TEST_F(ControllerProtocolTest, StatusRequestRoundTripsThroughTheBoard) {
  hidsim::SetPorts(board_, {0x12, 0x34, 0x56, 0x78});
  int32_t ports[4] = {-1, -1, -1, -1};

  ASSERT_TRUE(controller_->ReadStatus(&ports[0], &ports[1], &ports[2], &ports[3]));

  EXPECT_EQ(ports[0], 0x12);
  EXPECT_EQ(ports[1], 0x34);
  EXPECT_EQ(ports[2], 0x56);
  EXPECT_EQ(ports[3], 0x78);
  const auto journal = hidsim::Journal(board_);
  ASSERT_EQ(journal.size(), 1u);
  EXPECT_EQ(journal[0].pipe, kPipeSpecial);
  EXPECT_EQ(journal[0].bytes, (std::vector<uint8_t>{0xFF, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(ControllerProtocolTest, ReplyOfAnotherQueueIsKeptForItsReader) {
  hidsim::InjectInput(board_, kPipeSpecial, {0x03, 0x82, 0xAB, 0xCD, 0, 0, 0, 0});
  hidsim::InjectInput(board_, kPipeSpecial, {0x33, 1, 2, 3, 4, 5, 6, 7});  // no queue: dropped
  int32_t port0 = -1;
  ASSERT_TRUE(controller_->ReadStatus(&port0));

  // The board no longer answers, so only the queue can deliver the IIC reply.
  hidsim::SetSilent(board_, true);
  uint8_t reply[8] = {};
  ASSERT_EQ(controller_->ReadWithQueue(kQueueIic, kPipeSpecial, reply, sizeof reply), 8);
  EXPECT_EQ(reply[0], 0x03);
  EXPECT_EQ(reply[2], 0xAB);
  EXPECT_EQ(reply[3], 0xCD);
  EXPECT_EQ(controller_->ReadWithQueue(kQueueIic, kPipeSpecial, reply, sizeof reply), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TIMEOUT));
}

TEST_F(ControllerProtocolTest, KeyMatrixReadGivesUpAfterOneEmptyReadWhileOtherQueuesReadOn) {
  // No request is sent, so only the reports the test sends arrive.
  controller_->SetReadTimeout(10);
  uint8_t reply[8] = {};

  const int before = HidLayer_EmptyReads();
  EXPECT_EQ(controller_->ReadWithQueue(kQueueKeyMatrix, kPipeSpecial, reply, sizeof reply), 0);
  EXPECT_EQ(HidLayer_EmptyReads() - before, 1);

  // The status wait outlasts empty reads of the device's own time-out; a key-matrix reply that comes first is
  // filed on the way.
  auto late = InjectAfterEmptyReads(board_, {{0x19, 1, 2, 3, 4, 0, 0, 0}, {0xFF, 9, 8, 7, 6, 0, 0, 0}}, 2);
  EXPECT_EQ(controller_->ReadWithQueue(kQueueStatus, kPipeSpecial, reply, sizeof reply), 8);
  EXPECT_EQ(reply[0], 0xFF);
  EXPECT_EQ(reply[1], 9);
  late.get();
  // The late key-matrix reply waits for its reader.
  EXPECT_EQ(controller_->ReadWithQueue(kQueueKeyMatrix, kPipeSpecial, reply, sizeof reply), 8);
  EXPECT_EQ(reply[0], 0x19);
  // A bounded wait gives the device its own read time-out back.
  EXPECT_EQ(HidLayer_ReadTimeout(device_), 10);
}

TEST_F(ControllerProtocolTest, SilentBoardFailsAStatusRequestWithinItsBound) {
  hidsim::SetSilent(board_, true);
  int32_t port0 = -1;
  // The device's own read time-out is infinite after enumeration; the request must not be.
  ASSERT_EQ(HidLayer_ReadTimeout(device_), -1);

  EXPECT_FALSE(controller_->ReadStatus(&port0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TIMEOUT));
  EXPECT_EQ(port0, -1);
}

TEST_F(ControllerProtocolTest, QueueTypeOutsideOneToEightIsRefused) {
  uint8_t reply[8] = {};
  EXPECT_EQ(controller_->ReadWithQueue(0, kPipeSpecial, reply, sizeof reply), -1);
  EXPECT_EQ(controller_->ReadWithQueue(kQueueSpareIic, kPipeSpecial, reply, sizeof reply), -1);
}

TEST_F(ControllerProtocolTest, UnpluggedBoardFailsWith87And1460UntilTheLayerDropsItThen55) {
  hidsim::Unplug(board_);
  const Report request{0xFF};
  uint8_t reply[8] = {};

  EXPECT_NE(controller_->Write(kPipeSpecial, request.data(), kSpecialReportBytes), kSpecialReportBytes);
  EXPECT_EQ(controller_->NormaliseWriteError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  int32_t port0 = -1;
  EXPECT_FALSE(controller_->ReadStatus(&port0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(controller_->ReadWithQueue(kQueueStatus, kPipeSpecial, reply, sizeof reply), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_TIMEOUT));

  HidLayer_Close();
  EXPECT_NE(controller_->Write(kPipeSpecial, request.data(), kSpecialReportBytes), kSpecialReportBytes);
  EXPECT_EQ(controller_->NormaliseWriteError(), static_cast<DWORD>(ERROR_DEV_NOT_EXIST));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DEV_NOT_EXIST));
  EXPECT_EQ(controller_->ReadWithQueue(kQueueStatus, kPipeSpecial, reply, sizeof reply), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DEV_NOT_EXIST));
}

}  // namespace
