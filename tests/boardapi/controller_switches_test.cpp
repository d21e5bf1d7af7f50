// The board's key-matrix reader against a simulated board: mode choice, the call at enable, the first reading
// and later changes switch by switch, the whole-state hand-over, refresh, readings out of sync, a board that
// sends 0x19 first, handler results, and the start event.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

#include "boardapi/board/controller.h"
#include "boardapi/board/key_matrix_names.h"
#include "tests/boardapi/fixtures/sim_layer_fixture.h"
#include "tests/boardapi/fixtures/switch_calls.h"

namespace {

constexpr int32_t kUser = 7;
constexpr wchar_t kSerial[] = L"5A000001";

SwitchCalls calls;
std::atomic<int32_t> resultSwitch{-1};  // the switch at which the per-switch handler answers resultValue
std::atomic<int32_t> resultValue{1};

int32_t WINAPI RecordSwitch(const char*, int32_t number, int32_t direction, int32_t user) {
  calls.Add(user, number, direction);
  return number == resultSwitch ? resultValue.load() : 1;
}

// Whole-state hand-overs: std::nullopt for the call at enable.
struct WholeStates {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::optional<KeyMatrixState>> states;
  std::vector<DWORD> threads;
  std::atomic<int32_t> result{1};

  bool WaitFor(size_t count) {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(5), [&] { return states.size() >= count; });
  }
} wholeStates;

int32_t WINAPI RecordWholeState(const char*, const KeyMatrixState* state, int32_t) {
  // The answer is taken before the test can see this call: a test that changes it after seeing the call
  // means the next call.
  const int32_t answer = wholeStates.result;
  {
    std::lock_guard<std::mutex> lock(wholeStates.mutex);
    wholeStates.states.push_back(state ? std::optional<KeyMatrixState>(*state) : std::nullopt);
    wholeStates.threads.push_back(GetCurrentThreadId());
  }
  wholeStates.changed.notify_all();
  return answer;
}

std::vector<SwitchCall> From(const std::vector<SwitchCall>& all, size_t first) {
  return std::vector<SwitchCall>(all.begin() + static_cast<std::ptrdiff_t>(first), all.end());
}

// True once the condition holds, polling within a bound.
template <typename Condition>
bool Eventually(Condition condition) {
  for (int i = 0; i < 500; ++i) {
    if (condition()) return true;
    Sleep(10);
  }
  return condition();
}

class SwitchReaderTest : public SimLayerTest {
 protected:
  SwitchReaderTest() {
    calls.Clear();
    resultSwitch = -1;
    resultValue = 1;
    std::lock_guard<std::mutex> lock(wholeStates.mutex);
    wholeStates.states.clear();
    wholeStates.threads.clear();
    wholeStates.result = 1;
  }

  // A fresh bank with one board, the layer open on it, and its board object.
  std::unique_ptr<CventrixController> NewBoard(uint16_t productId = 0x03E8) {
    board_.reset();
    HidLayer_Close();
    hidsim::Reset();
    calls.Clear();
    // A serial of its own: the reader's events are named from the serial alone, and other test programs may
    // run readers at the same time.
    sim_ = hidsim::AddBoard(BoardOf(productId, kSerial));
    if (OpenLayer() == nullptr) return nullptr;
    return std::make_unique<CventrixController>(HidLayer_Device(1));
  }

  // The key-matrix modes the board was sent, in order.
  std::vector<int> ModeReports() {
    std::vector<int> modes;
    for (const hidsim::JournalEntry& entry : hidsim::Journal(sim_)) {
      if (entry.pipe == 1 && entry.bytes[0] == kKeyMatrixModeReport) modes.push_back(entry.bytes[1]);
    }
    return modes;
  }

  int sim_ = -1;
  std::unique_ptr<CventrixController> board_;
};

TEST_F(SwitchReaderTest, PerSwitchReportsSwitchZeroAtEnableThenEverySwitchThenOnlyChanges) {
  auto board = NewBoard();
  ASSERT_TRUE(board);
  hidsim::SetSwitchWords(sim_, ClosedSwitches({3, 12}));
  ASSERT_TRUE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, true));

  // The call at enable has come, on this thread, before the enable returned.
  const std::vector<SwitchCall> atEnable = calls.Of(kUser);
  ASSERT_GE(atEnable.size(), 1u);
  EXPECT_EQ(atEnable[0], (SwitchCall{kUser, 0, 0, 0}));
  EXPECT_EQ(atEnable[0].thread, GetCurrentThreadId());

  ASSERT_TRUE(calls.WaitFor(kUser, 65));
  EXPECT_EQ(From(calls.Of(kUser), 1), EverySwitch(kUser, 1, 64, {3, 12}));
  EXPECT_NE(calls.Of(kUser)[1].thread, GetCurrentThreadId());

  // 5 closes and 12 opens in one reading; then 64 closes.
  hidsim::SetSwitchWords(sim_, ClosedSwitches({3, 5}));
  ASSERT_TRUE(calls.WaitFor(kUser, 67));
  hidsim::SetSwitchWords(sim_, ClosedSwitches({3, 5, 64}));
  ASSERT_TRUE(calls.WaitFor(kUser, 68));
  EXPECT_EQ(From(calls.Of(kUser), 65),
            (std::vector<SwitchCall>{{kUser, 5, 1, 0}, {kUser, 12, 0, 0}, {kUser, 64, 1, 0}}));

  EXPECT_TRUE(board->DisableSwitches());
  EXPECT_EQ(ModeReports(), (std::vector<int>{1, 0}));
  EXPECT_FALSE(board->SwitchReaderRunning());
}

TEST_F(SwitchReaderTest, ModeTwoOnlyOnProduct03EAWhenAllowed) {
  struct Case {
    uint16_t productId;
    bool allowMode2;
    int mode;
  } cases[] = {{0x03EA, true, 2}, {0x03EA, false, 1}, {0x03E8, true, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.productId << " allow " << c.allowMode2);
    auto board = NewBoard(c.productId);
    ASSERT_TRUE(board);
    hidsim::SetSwitchWords(sim_, ClosedSwitches({1, 128}));
    ASSERT_TRUE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, c.allowMode2));
    EXPECT_EQ(board->KeyMatrixMode(), c.mode);
    EXPECT_EQ(hidsim::KeyMatrixMode(sim_), c.mode);
    const size_t switches = c.mode == 2 ? 128 : 64;
    ASSERT_TRUE(calls.WaitFor(kUser, switches + 1));
    EXPECT_EQ(From(calls.Of(kUser), 1),
              c.mode == 2 ? EverySwitch(kUser, 1, 128, {1, 128}) : EverySwitch(kUser, 1, 64, {1}));
  }
}

TEST_F(SwitchReaderTest, RefreshReportsEverySwitchAgain) {
  auto board = NewBoard();
  ASSERT_TRUE(board);
  hidsim::SetSwitchWords(sim_, ClosedSwitches({9}));
  ASSERT_TRUE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, true));
  ASSERT_TRUE(calls.WaitFor(kUser, 65));
  RequestKeyMatrixRefresh(*board);
  ASSERT_TRUE(calls.WaitFor(kUser, 129));
  EXPECT_EQ(From(calls.Of(kUser), 65), EverySwitch(kUser, 1, 64, {9}));
}

TEST_F(SwitchReaderTest, HighBytesAfterAModeReportWaitForTheNextCompleteReading) {
  auto board = NewBoard(0x03EA);
  ASSERT_TRUE(board);
  ASSERT_TRUE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, true));
  ASSERT_TRUE(calls.WaitFor(kUser, 129));

  hidsim::InjectInput(sim_, 1, {kKeyMatrixModeReport, 2});
  hidsim::SetSwitchWords(sim_, ClosedSwitches({2, 66}));
  ASSERT_TRUE(calls.WaitFor(kUser, 130));
  hidsim::SetSwitchWords(sim_, ClosedSwitches({2, 3, 66}));
  ASSERT_TRUE(calls.WaitFor(kUser, 132));
  EXPECT_EQ(From(calls.Of(kUser), 129),
            (std::vector<SwitchCall>{{kUser, 2, 1, 0}, {kUser, 3, 1, 0}, {kUser, 66, 1, 0}}));
}

TEST_F(SwitchReaderTest, ABoardThatSends19FirstHasItsLastRepliesReported) {
  auto board = NewBoard(0x03EA);
  ASSERT_TRUE(board);
  hidsim::SetKeyMatrixReplyOrder(sim_, {0x19, 0x1A, 0x1B, 0x1C});
  ASSERT_TRUE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, true));
  ASSERT_TRUE(calls.WaitFor(kUser, 129));

  // Switch 60 is carried by 0x1A and switch 128 by 0x1C, both after the 0x19 of their reading.
  hidsim::SetSwitchWords(sim_, ClosedSwitches({60, 128}));
  ASSERT_TRUE(calls.WaitFor(kUser, 131));
  EXPECT_EQ(From(calls.Of(kUser), 129), (std::vector<SwitchCall>{{kUser, 60, 1, 0}, {kUser, 128, 1, 0}}));
}

TEST_F(SwitchReaderTest, PerSwitchResultZeroStopsTheReaderAndOtherValuesEndTheReading) {
  auto board = NewBoard();
  ASSERT_TRUE(board);
  resultSwitch = 10;
  resultValue = 2;
  ASSERT_TRUE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, true));
  ASSERT_TRUE(calls.WaitFor(kUser, 11));
  // The reading ended at 10 but counts as reported: the next one brings only its changes, and 0 at the
  // first of them stops the reader before the second.
  resultSwitch = 20;
  resultValue = 0;
  hidsim::SetSwitchWords(sim_, ClosedSwitches({20, 21}));
  ASSERT_TRUE(calls.WaitFor(kUser, 12));
  std::vector<SwitchCall> expected = EverySwitch(kUser, 1, 10, {});
  expected.push_back({kUser, 20, 1, 0});
  EXPECT_TRUE(Eventually([&] { return !board->SwitchReaderRunning(); }));
  EXPECT_EQ(From(calls.Of(kUser), 1), expected);

  // Reporting stays on: enabling again is refused until it is turned off, which sends mode 0.
  EXPECT_TRUE(board->SwitchReportingOn());
  EXPECT_FALSE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, true));
  EXPECT_TRUE(board->DisableSwitches());
  EXPECT_FALSE(board->DisableSwitches());
  EXPECT_EQ(ModeReports(), (std::vector<int>{1, 0}));
}

TEST_F(SwitchReaderTest, WholeStateGetsNoBlockAtEnableThenEachReadingAndZeroStops) {
  auto board = NewBoard(0x03EA);
  ASSERT_TRUE(board);
  hidsim::SetSwitchWords(sim_, ClosedSwitches({3, 70}));
  ASSERT_TRUE(board->EnableSwitchesWholeState(true, RecordWholeState, kUser, true));
  {
    std::lock_guard<std::mutex> lock(wholeStates.mutex);
    ASSERT_EQ(wholeStates.states.size(), 1u);
    EXPECT_FALSE(wholeStates.states[0].has_value());
    EXPECT_EQ(wholeStates.threads[0], GetCurrentThreadId());
  }
  ASSERT_TRUE(wholeStates.WaitFor(2));
  wholeStates.result = 0;
  hidsim::SetSwitchWords(sim_, ClosedSwitches({4}));
  ASSERT_TRUE(wholeStates.WaitFor(3));
  EXPECT_TRUE(Eventually([&] { return !board->SwitchReaderRunning(); }));
  std::lock_guard<std::mutex> lock(wholeStates.mutex);
  const auto words = [](const KeyMatrixState& state) { return std::to_array(state.words); };
  EXPECT_EQ(wholeStates.states[1]->mode, 2);
  EXPECT_EQ(words(*wholeStates.states[1]), ClosedSwitches({3, 70}));
  EXPECT_EQ(words(*wholeStates.states[2]), ClosedSwitches({4}));
}

TEST_F(SwitchReaderTest, NoStartEventMeansNoReaderAndTheKeyMatrixOffAgain) {
  auto board = NewBoard();
  ASSERT_TRUE(board);
  // Another kind of object under the start event's name makes the event impossible to create.
  HANDLE blocker = CreateMutexA(nullptr, FALSE, KeyMatrixStartEventName(board->GetSerialText()).c_str());
  ASSERT_NE(blocker, nullptr);
  EXPECT_FALSE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, true));
  CloseHandle(blocker);
  EXPECT_EQ(calls.Count(kUser), 0u);
  EXPECT_FALSE(board->SwitchReportingOn());
  EXPECT_FALSE(board->SwitchReaderRunning());
  EXPECT_EQ(ModeReports(), (std::vector<int>{1, 0}));

  ASSERT_TRUE(board->EnableSwitchesPerSwitch(true, RecordSwitch, kUser, true));
  EXPECT_TRUE(calls.WaitFor(kUser, 65));
}

TEST_F(SwitchReaderTest, BoardsOfOneSerialUnderTwoProductsReportAndStopApart) {
  const int firstSim = hidsim::AddBoard(BoardOf(0x03E8, kSerial));
  const int secondSim = hidsim::AddBoard(BoardOf(0x03EA, kSerial));
  ASSERT_NE(OpenLayer(), nullptr);
  ASSERT_EQ(HidLayer_Count(), 2);
  auto first = std::make_unique<CventrixController>(HidLayer_Device(1));
  auto second = std::make_unique<CventrixController>(HidLayer_Device(2));
  if (first->GetProductId() != 0x03E8) std::swap(first, second);
  ASSERT_TRUE(first->EnableSwitchesPerSwitch(true, RecordSwitch, 1, false));
  ASSERT_TRUE(second->EnableSwitchesPerSwitch(true, RecordSwitch, 2, false));
  ASSERT_TRUE(calls.WaitFor(1, 65));
  ASSERT_TRUE(calls.WaitFor(2, 65));

  // Stopping one reader ends its watcher, whichever of the two takes the shared end event.
  EXPECT_TRUE(first->DisableSwitches());
  hidsim::SetSwitchWords(secondSim, ClosedSwitches({8}));
  ASSERT_TRUE(calls.WaitFor(2, 66));
  EXPECT_EQ(calls.Of(2).back(), (SwitchCall{2, 8, 1, 0}));
  EXPECT_EQ(hidsim::KeyMatrixMode(firstSim), 0);
  EXPECT_TRUE(second->DisableSwitches());
}

}  // namespace
