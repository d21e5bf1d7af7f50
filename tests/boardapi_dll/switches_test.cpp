// Switch events through ventrixAPI.dll with simulated boards: the enables and their errors, per-switch and
// whole-state reporting by callback, the poll queue, one switch's state, refresh, and unbinding.
#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "boardapi/board/key_matrix_names.h"
#include "tests/boardapi/fixtures/switch_calls.h"
#include "tests/boardapi_dll/fixtures/board_api_test.h"

namespace dlltest {
namespace {

SwitchCalls calls;
std::atomic<int32_t> stoppingSession{0};  // the session whose callback answers 0

int32_t VENTRIX_STDCALL RecordCallback(int32_t session, int32_t number, int32_t direction) {
  calls.Add(session, number, direction);
  return session == stoppingSession ? 0 : 1;
}

// Serials of their own: the reader's events are named from the serial alone, and other test programs may run
// readers at the same time.
std::vector<SwitchCall> From(const std::vector<SwitchCall>& all, size_t first) {
  return std::vector<SwitchCall>(all.begin() + static_cast<std::ptrdiff_t>(first), all.end());
}

class Switches : public BoardApiTest {
 protected:
  void SetUp() override {
    BoardApiTest::SetUp();
    calls.Clear();
    stoppingSession = 0;
  }

  // A board whose configuration memory describes a switch matrix from firstSwitch to lastSwitch (or no
  // switches at all). Add every board before Open().
  int AddSwitchBoard(uint16_t productId, const std::string& serial, int firstSwitch = 1, int lastSwitch = 128,
                     bool hasSwitches = true) {
    const int board = AddBoard(productId, serial);
    unsigned char memory[256] = {};
    memory[101] = hasSwitches ? 0x01 : 0x00;
    memory[105] = static_cast<unsigned char>(firstSwitch);
    memory[106] = static_cast<unsigned char>(lastSwitch);
    memory[128] = 0x33;
    memory[129] = 0x0E;
    memory[131] = memory[132] = memory[133] = 1;
    Sim().SetMemory(board, 1, memory);
    serials_.push_back(serial);
    return board;
  }
  void SetSwitches(int board, std::initializer_list<int> closed) {
    const std::array<uint16_t, 8> words = ClosedSwitches(closed);
    Sim().SetSwitchWords(board, words.data());
  }
  // Takes every queued change; stops at the first status other than 0, which is returned in *last.
  std::vector<SwitchCall> TakeQueue(int32_t session, ApiStatus* last) {
    std::vector<SwitchCall> taken;
    int32_t number = 0, direction = 0;
    while ((*last = ventrix_Switch_Get_Item(session, &number, &direction)) == API_OK) {
      taken.push_back({session, number, direction, 0});
    }
    return taken;
  }
  // Waits, within a bound, until count changes are queued; answers them.
  std::vector<SwitchCall> WaitQueued(int32_t session, size_t count) {
    std::vector<SwitchCall> taken;
    ApiStatus last = API_OK;
    for (int round = 0; round < 500 && taken.size() < count; ++round) {
      const std::vector<SwitchCall> more = TakeQueue(session, &last);
      taken.insert(taken.end(), more.begin(), more.end());
      if (last != API_ERR_QUEUE_EMPTY) break;
      if (taken.size() < count) Sleep(10);
    }
    return taken;
  }

  std::vector<std::string> serials_;
};

TEST_F(Switches, EnableChecksInOrder) {
  AddSwitchBoard(0x03E8, "5B000001");
  AddSwitchBoard(0x03E8, "5B000002", 0, 0, false);
  AddSwitchBoard(0x03E8, "5B000003");
  Open();
  const int32_t session = Bind(DeviceName(0x03E8, "5B000001"));
  const int32_t noSwitches = Bind(DeviceName(0x03E8, "5B000002"));

  EXPECT_EQ(ventrix_Switch_Enable_Callback(0, 1, RecordCallback), API_ERR_NO_SESSION);
  EXPECT_EQ(ventrix_Switch_Enable_Poll(session + 100, 1), API_ERR_NO_SESSION);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(noSwitches, 1, nullptr), API_ERR_NO_FEATURE);
  EXPECT_EQ(ventrix_Switch_Enable_Poll(noSwitches, 1), API_ERR_NO_FEATURE);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(session, 1, nullptr), API_ERR_NULL_CALLBACK);
  ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 0x101, RecordCallback), API_OK);  // low byte 1: on
  EXPECT_EQ(ventrix_Switch_Enable_Callback(session, 1, nullptr), API_ERR_ALREADY_ENABLED);
  EXPECT_EQ(ventrix_Switch_Enable_Poll(session, 1), API_ERR_ALREADY_ENABLED);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(session, 0, nullptr), API_OK);
  // Off while off: the board refuses.
  EXPECT_EQ(ventrix_Switch_Enable_Poll(session, 0), API_ERR_DEVICE_IO);

  // A session whose board the list deleted.
  const int32_t closed = Bind(DeviceName(0x03E8, "5B000003"));
  BoardInfo info{};
  ASSERT_EQ(ventrix_GetBoardInfo(closed, &info), API_OK);
  ASSERT_EQ(ventrix_CloseControllers(), API_OK);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(closed, 1, RecordCallback), API_ERR_NO_BOARD);
}

TEST_F(Switches, EnableFailsWhenTheReaderCannotStart) {
  AddSwitchBoard(0x03E8, "5B000001");
  Open();
  const int32_t session = Bind(DeviceName(0x03E8, "5B000001"));
  // Another kind of object under the start event's name: the event cannot be created.
  HANDLE blocker = CreateMutexA(nullptr, FALSE, KeyMatrixStartEventName("5B000001").c_str());
  ASSERT_NE(blocker, nullptr);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(session, 1, RecordCallback), API_ERR_DEVICE_IO);
  CloseHandle(blocker);
  EXPECT_EQ(calls.Count(session), 0u);
  int32_t state = -1;
  EXPECT_EQ(ventrix_Switch_Get_State(session, 1, &state), API_ERR_NOT_ENABLED);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(session, 1, RecordCallback), API_OK);
  EXPECT_TRUE(calls.WaitFor(session, 65));
}

TEST_F(Switches, PerSwitchCallbackGetsSwitchZeroThenEverySwitchOfTheModeThenChanges) {
  struct Case {
    uint16_t productId;
    int32_t options;
    int switches;
  } cases[] = {{0x03E8, 0, 64}, {0x03EA, 0, 128}, {0x03EA, OPT_SWITCHES_64, 64}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.productId << " options " << c.options);
    TearDown();
    SetUp();
    const int board = AddSwitchBoard(c.productId, "5B000001");
    SetSwitches(board, {3, 12, 100});
    Open();
    const int32_t session = Bind(DeviceName(c.productId, "5B000001"));
    ASSERT_EQ(ventrix_SetBoardOptions(session, c.options), API_OK);
    ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 1, RecordCallback), API_OK);
    const std::vector<SwitchCall> atEnable = calls.Of(session);
    ASSERT_GE(atEnable.size(), 1u);
    EXPECT_EQ(atEnable[0], (SwitchCall{session, 0, 0, 0}));
    EXPECT_EQ(atEnable[0].thread, GetCurrentThreadId());

    const size_t first = static_cast<size_t>(c.switches) + 1;
    ASSERT_TRUE(calls.WaitFor(session, first));
    EXPECT_EQ(From(calls.Of(session), 1), c.switches == 128 ? EverySwitch(session, 1, 128, {3, 12, 100})
                                                            : EverySwitch(session, 1, 64, {3, 12}));
    int32_t state = -1;
    EXPECT_EQ(ventrix_Switch_Get_State(session, 12, &state), API_OK);
    EXPECT_EQ(state, 1);

    SetSwitches(board, {3, 5, 100});
    ASSERT_TRUE(calls.WaitFor(session, first + 2));
    EXPECT_EQ(From(calls.Of(session), first), (std::vector<SwitchCall>{{session, 5, 1, 0}, {session, 12, 0, 0}}));
    EXPECT_EQ(ventrix_Switch_Get_State(session, 12, &state), API_OK);
    EXPECT_EQ(state, 0);
  }
}

TEST_F(Switches, PerSwitchPollQueueHoldsEveryReportInOrder) {
  const int board = AddSwitchBoard(0x03E8, "5B000001");
  SetSwitches(board, {2, 64});
  Open();
  const int32_t session = Bind(DeviceName(0x03E8, "5B000001"));
  int32_t number = 0, direction = 0;
  EXPECT_EQ(ventrix_Switch_Get_Item(session, &number, &direction), API_ERR_NOT_ENABLED);
  ASSERT_EQ(ventrix_Switch_Enable_Poll(session, 1), API_OK);

  const std::vector<SwitchCall> first = WaitQueued(session, 64);
  EXPECT_EQ(first, EverySwitch(session, 1, 64, {2, 64}));
  EXPECT_EQ(ventrix_Switch_Get_Item(session, &number, &direction), API_ERR_QUEUE_EMPTY);

  SetSwitches(board, {2, 7});
  EXPECT_EQ(WaitQueued(session, 2), (std::vector<SwitchCall>{{session, 7, 1, 0}, {session, 64, 0, 0}}));
  SetSwitches(board, {2});
  EXPECT_EQ(WaitQueued(session, 1), (std::vector<SwitchCall>{{session, 7, 0, 0}}));
  SetSwitches(board, {1});
  // Unchecked pointers would crash the caller: a queued change waits for valid ones.
  for (int round = 0; round < 500 && ventrix_Switch_Get_Item(session, nullptr, &direction) == API_ERR_QUEUE_EMPTY;
       ++round) {
    Sleep(10);
  }
  EXPECT_EQ(ventrix_Switch_Get_Item(session, nullptr, &direction), API_ERR_NULL_POINTER);
  EXPECT_EQ(WaitQueued(session, 2), (std::vector<SwitchCall>{{session, 1, 1, 0}, {session, 2, 0, 0}}));

  // Turned off, the queue is served no more; in callback mode neither.
  ASSERT_EQ(ventrix_Switch_Enable_Poll(session, 0), API_OK);
  EXPECT_EQ(ventrix_Switch_Get_Item(session, &number, &direction), API_ERR_NOT_ENABLED);
  ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 1, RecordCallback), API_OK);
  EXPECT_EQ(ventrix_Switch_Get_Item(session, &number, &direction), API_ERR_NOT_ENABLED);
}

TEST_F(Switches, WholeStateReportsClosedSwitchesThenDecodesTheEncoders) {
  const int board = AddSwitchBoard(0x03E8, "5B000001");
  SetSwitches(board, {3, 12});
  Open();
  const int32_t session = Bind(DeviceName(0x03E8, "5B000001"));
  ASSERT_EQ(ventrix_SetBoardOptions(session, OPT_WHOLE_STATE), API_OK);
  ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 1, RecordCallback), API_OK);
  ASSERT_TRUE(calls.WaitFor(session, 2));
  EXPECT_EQ(calls.Of(session), (std::vector<SwitchCall>{{session, 3, 1, 0}, {session, 12, 1, 0}}));

  // Word 7 bits 0-2 are encoder 1 (switches 57-63), bits 3-5 encoder 2 (64-70).
  struct Step {
    std::initializer_list<int> closed;  // besides 3 and 12
    int32_t options;
    SwitchCall report;
  } steps[] = {
      {{57, 58}, OPT_WHOLE_STATE, {session, 59, 1, 0}},   // encoder 1: 000 -> 011
      {{}, OPT_WHOLE_STATE, {session, 59, 0, 0}},         // back to 000: the same switch opens
      {{62}, OPT_WHOLE_STATE, {session, 67, 1, 0}},       // encoder 2: 000 -> 100
      {{62, 57}, OPT_WHOLE_STATE, {session, 57, 1, 0}},   // encoder 1: 000 -> 001
      {{62, 58}, OPT_WHOLE_STATE, {session, 58, 0, 0}},   // 001 -> 010: lowest changed bit opened
      {{57, 58, 59, 60}, OPT_WHOLE_STATE, {session, 63, 1, 0}},  // 010 -> 111, and encoder 2 100 -> 001: 64
      {{58, 59, 60}, 0, {session, 57, 0, 0}},             // without option bit 0: six plain switches
      {{57, 58, 59, 60}, 0, {session, 57, 1, 0}},
  };
  size_t expected = 2;
  for (const Step& step : steps) {
    ASSERT_EQ(ventrix_SetBoardOptions(session, step.options), API_OK);
    std::array<uint16_t, 8> words = ClosedSwitches({3, 12});
    for (int n : step.closed) words[7] |= static_cast<uint16_t>(1u << (n - 57));
    Sim().SetSwitchWords(board, words.data());
    ++expected;
    ASSERT_TRUE(calls.WaitFor(session, expected)) << step.report.number;
    EXPECT_EQ(calls.Of(session)[expected - 1], step.report);
    if (step.report.number == 63) {
      ++expected;
      ASSERT_TRUE(calls.WaitFor(session, expected));
      EXPECT_EQ(calls.Of(session)[expected - 1], (SwitchCall{session, 64, 1, 0}));
    }
  }
}

TEST_F(Switches, WholeStatePollQueueAndAscendingBoardsLastDetent) {
  const int board = AddSwitchBoard(0x03E8, "5B000001");
  const unsigned char ascending[] = {0x19, 0x1A, 0x1B, 0x1C};
  Sim().SetKeyMatrixReplyOrder(board, ascending, 4);
  Open();
  const int32_t session = Bind(DeviceName(0x03E8, "5B000001"));
  ASSERT_EQ(ventrix_SetBoardOptions(session, OPT_WHOLE_STATE), API_OK);
  ASSERT_EQ(ventrix_Switch_Enable_Poll(session, 1), API_OK);
  // The encoder's bits come with 0x1A, after the 0x19 of their reading.
  SetSwitches(board, {4, 57});
  EXPECT_EQ(WaitQueued(session, 2), (std::vector<SwitchCall>{{session, 4, 1, 0}, {session, 57, 1, 0}}));
  SetSwitches(board, {4});
  EXPECT_EQ(WaitQueued(session, 1), (std::vector<SwitchCall>{{session, 57, 0, 0}}));
}

TEST_F(Switches, ZeroFromTheWholeStateCallbackStopsOnlyThatBoard) {
  const int stopping = AddSwitchBoard(0x03E8, "5B000001");
  const int going = AddSwitchBoard(0x03E8, "5B000002");
  Open();
  const int32_t stopped = Bind(DeviceName(0x03E8, "5B000001"));
  const int32_t other = Bind(DeviceName(0x03E8, "5B000002"));
  stoppingSession = stopped;
  for (const int32_t session : {stopped, other}) {
    ASSERT_EQ(ventrix_SetBoardOptions(session, OPT_WHOLE_STATE), API_OK);
    ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 1, RecordCallback), API_OK);
  }
  SetSwitches(stopping, {1});
  ASSERT_TRUE(calls.WaitFor(stopped, 1));
  SetSwitches(stopping, {1, 2});
  SetSwitches(going, {1});
  ASSERT_TRUE(calls.WaitFor(other, 1));
  SetSwitches(going, {1, 2});
  ASSERT_TRUE(calls.WaitFor(other, 2));
  EXPECT_FALSE(calls.WaitFor(stopped, 2, 300));
  int32_t state = -1;
  EXPECT_EQ(ventrix_Switch_Get_State(stopped, 2, &state), API_OK);
  EXPECT_EQ(state, 0);
  // The stopped board's reporting stays on until it is turned off.
  EXPECT_EQ(ventrix_Switch_Enable_Callback(stopped, 1, RecordCallback), API_ERR_ALREADY_ENABLED);
  EXPECT_EQ(ventrix_Switch_Enable_Callback(stopped, 0, nullptr), API_OK);
}

TEST_F(Switches, RefreshEventSetByNameReportsEverySwitchAgain) {
  const int board = AddSwitchBoard(0x03E8, "5B000001");
  SetSwitches(board, {33});
  Open();
  const int32_t session = Bind(DeviceName(0x03E8, "5B000001"));
  ASSERT_EQ(ventrix_Switch_Enable_Callback(session, 1, RecordCallback), API_OK);
  ASSERT_TRUE(calls.WaitFor(session, 65));
  HANDLE refresh = CreateEventA(nullptr, FALSE, FALSE, KeyMatrixRefreshEventName("5B000001").c_str());
  ASSERT_NE(refresh, nullptr);
  SetEvent(refresh);
  CloseHandle(refresh);
  ASSERT_TRUE(calls.WaitFor(session, 129));
  EXPECT_EQ(From(calls.Of(session), 65), EverySwitch(session, 1, 64, {33}));
}

TEST_F(Switches, GetStateChecksTheSwitchNumber) {
  AddSwitchBoard(0x03E8, "5B000001", 1, 64);
  AddSwitchBoard(0x03E8, "5B000002", 1, 200);
  Open();
  const int32_t session = Bind(DeviceName(0x03E8, "5B000001"));
  const int32_t wide = Bind(DeviceName(0x03E8, "5B000002"));
  int32_t state = -1;
  EXPECT_EQ(ventrix_Switch_Get_State(session + 100, 1, &state), API_ERR_NO_SESSION);
  EXPECT_EQ(ventrix_Switch_Get_State(session, 1, &state), API_ERR_NOT_ENABLED);
  ASSERT_EQ(ventrix_Switch_Enable_Poll(session, 1), API_OK);
  ASSERT_EQ(ventrix_Switch_Enable_Poll(wide, 1), API_OK);
  struct Case {
    int32_t session;
    int32_t number;
    ApiStatus status;
  } cases[] = {{session, 0, API_ERR_OUT_OF_RANGE},    {session, 1, API_OK},
               {session, 64, API_OK},                 {session, 65, API_ERR_OUT_OF_RANGE},
               {session, -1, API_ERR_OUT_OF_RANGE},   {wide, 128, API_OK},
               {wide, 129, API_ERR_OUT_OF_RANGE},     {wide, 200, API_ERR_OUT_OF_RANGE},
               {wide, INT32_MIN, API_ERR_OUT_OF_RANGE}};
  for (const Case& c : cases) {
    state = -1;
    EXPECT_EQ(ventrix_Switch_Get_State(c.session, c.number, &state), c.status) << c.number;
    if (c.status == API_OK) {
      EXPECT_EQ(state, 0) << c.number;
    }
  }
  EXPECT_EQ(ventrix_Switch_Get_State(session, 1, nullptr), API_ERR_NULL_POINTER);
}

TEST_F(Switches, UnbindStopsTheReaderSoTheBoardCanBeEnabledAgain) {
  const int board = AddSwitchBoard(0x03E8, "5B000001");
  SetSwitches(board, {5});
  Open();
  const std::string name = DeviceName(0x03E8, "5B000001");
  const int32_t first = Bind(name);
  ASSERT_EQ(ventrix_Switch_Enable_Callback(first, 1, RecordCallback), API_OK);
  ASSERT_TRUE(calls.WaitFor(first, 65));
  ASSERT_EQ(ventrix_UnBind(first), API_OK);
  bound_.clear();
  EXPECT_EQ(Sim().KeyMatrixMode(board), 0);

  const int32_t second = Bind(name);
  ASSERT_EQ(ventrix_Switch_Enable_Callback(second, 1, RecordCallback), API_OK);
  ASSERT_TRUE(calls.WaitFor(second, 65));
  EXPECT_EQ(From(calls.Of(second), 1), EverySwitch(second, 1, 64, {5}));
}

}  // namespace
}  // namespace dlltest
