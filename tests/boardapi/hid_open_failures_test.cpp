// Opening a board's pipes when one of their kernel objects cannot be made, and interfaces whose reports would
// not fit the layer's report buffers.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/boardapi/fixtures/sim_layer_fixture.h"

namespace {

class HidOpenFailures : public SimLayerTest {
 protected:
  ~HidOpenFailures() override { HidLayer_FailPipeObject(-1); }
};

DWORD WINAPI OpenOnThread(void* result) {
  *static_cast<HidDeviceHandle*>(result) = HidLayer_Open();
  return 0;
}

TEST_F(HidOpenFailures, APipeObjectThatCannotBeMadeFailsTheBoardPromptly) {
  // Each pipe makes three events and then four mutexes; pipe 0's come first.
  struct Case {
    const char* name;
    int index;
  };
  const Case cases[] = {{"pipe 0 data event", 0}, {"pipe 0 end event", 2},  {"pipe 0 first mutex", 3},
                        {"pipe 0 last mutex", 6}, {"pipe 1 data event", 7}, {"pipe 1 last mutex", 13}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HidLayer_Close();
    hidsim::Reset();
    const int board = AddBoards(1);
    HidLayer_FailPipeObject(c.index);
    HidDeviceHandle opened = reinterpret_cast<HidDeviceHandle>(1);
    HANDLE thread = CreateThread(nullptr, 0, OpenOnThread, &opened, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    const bool returned = WaitForSingleObject(thread, 5000) == WAIT_OBJECT_0;
    CloseHandle(thread);
    ASSERT_TRUE(returned) << "the open did not come back";
    EXPECT_EQ(opened, nullptr);
    EXPECT_EQ(HidLayer_Count(), 0);
    EXPECT_EQ(hidsim::OpenHandleCount(board), 0);
    // Nothing of the failed open stays in the way of the next one.
    HidLayer_Close();
    EXPECT_NE(OpenLayer(), nullptr);
    EXPECT_EQ(Exchange(HidLayer_Device(1), {0xFF}).size(), 8u);
  }
}

TEST_F(HidOpenFailures, InterfacesWithReportsLongerThanTheBuffersAreNotListed) {
  struct Case {
    int claimed;
    bool listed;
  };
  for (const Case c : {Case{64, true}, Case{65, false}, Case{4096, false}}) {
    SCOPED_TRACE(c.claimed);
    HidLayer_Close();
    hidsim::Reset();
    hidsim::BoardConfig config = BoardOf(0x03E8, L"00000001");
    config.claimedReportLength = c.claimed;
    const int board = hidsim::AddBoard(config);
    EXPECT_EQ(OpenLayer() != nullptr, c.listed);
    EXPECT_EQ(HidLayer_Count(), c.listed ? 1 : 0);
    EXPECT_EQ(hidsim::OpenHandleCount(board), c.listed ? 4 : 0);
  }
}

}  // namespace
