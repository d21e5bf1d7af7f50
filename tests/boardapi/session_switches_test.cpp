// The session's switch handlers where no board is needed: unknown sessions, and changes that no callback takes
// going to the poll queue.
#include <gtest/gtest.h>

#include "boardapi/api/session_switches.h"

namespace {

class SwitchHandlers : public ::testing::Test {
 protected:
  SwitchHandlers() : session_(Sessions().Create()) {
    session_->featureEnabled[BOARD_CAP_SWITCHES] = 1;
  }
  ~SwitchHandlers() override { Sessions().Delete(session_->handle); }

  std::vector<std::pair<int32_t, int32_t>> Queue() {
    session_->pollMode = 1;
    std::vector<std::pair<int32_t, int32_t>> taken;
    int32_t number = 0, direction = 0;
    while (GetSwitchItem(session_->handle, &number, &direction) == API_OK) taken.emplace_back(number, direction);
    return taken;
  }

  SessionPtr session_;
};

TEST_F(SwitchHandlers, UnknownSessionsReportNothing) {
  const KeyMatrixState state{1, {0xFFFF}};
  EXPECT_EQ(OnSwitchChange("", 1, 1, 0), 0);
  EXPECT_EQ(OnSwitchMatrixState("", &state, 0), 0);
  EXPECT_EQ(OnSwitchChange("", 1, 1, session_->handle + 1000), 1);
  EXPECT_EQ(OnSwitchMatrixState("", &state, session_->handle + 1000), 1);
}

TEST_F(SwitchHandlers, WithoutACallbackEveryChangeIsQueued) {
  // Whole state, callback mode but no callback: nothing is called through null.
  session_->options = OPT_WHOLE_STATE;
  const KeyMatrixState state{1, {0x0004, 0, 0, 0, 0, 0, 0, 0x0003}};
  EXPECT_EQ(OnSwitchMatrixState("", nullptr, session_->handle), 1);
  EXPECT_EQ(OnSwitchMatrixState("", &state, session_->handle), 1);
  // Per switch: the call at enable has no switch to queue.
  EXPECT_EQ(OnSwitchChange("", 0, 0, session_->handle), 1);
  EXPECT_EQ(OnSwitchChange("", 9, 1, session_->handle), 1);
  EXPECT_EQ(Queue(), (std::vector<std::pair<int32_t, int32_t>>{{3, 1}, {59, 1}, {9, 1}}));
}

}  // namespace
