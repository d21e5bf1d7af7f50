// The event bridge from library threads to the main window, the guarded output writes, and the board
// catalogue with its lookups.
#include <windows.h>

#include <atomic>
#include <thread>

#include "controller/app/board_catalogue.h"
#include "controller/app/event_bridge.h"
#include "controller/app/guarded_writes.h"
#include "framework/classes/strings.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

class BridgeTest : public MainFormTest {
 protected:
  // The main form with a switch processing that records what reaches it.
  TZedArave* RecordingForm() {
    TZedArave* form = MakeForm();
    form->switch_processing = [this](std::uint32_t id, std::int32_t number, std::int32_t state) {
      switches_.push_back({id, number, state});
    };
    return form;
  }
  std::vector<std::vector<std::int64_t>> switches_;
};

TEST_F(BridgeTest, SwitchChangesFromOtherThreadsArriveInOrderAndSwitchZeroPostsNothing) {
  TZedArave* form = RecordingForm();
  std::int32_t results[4] = {};
  std::thread reader([&] {
    results[0] = OnBoardSwitch(101, 0, 1);  // the call made when per-switch reporting is enabled
    results[1] = OnBoardSwitch(101, 17, 1);
    results[2] = OnBoardSwitch(101, 17, 0);
    PostJoystickButton(0, 5, 1);
  });
  reader.join();
  Drain();
  // A session of 0 never reaches the switch processing.
  PostMessageA(form->Handle(), WM_SWITCH_EVENT, 0, SwitchEventLParam(3, 1));
  Drain();
  EXPECT_EQ(results[0], 0);
  EXPECT_EQ(results[1], 1);
  EXPECT_EQ(results[2], 1);
  EXPECT_EQ(switches_,
            (std::vector<std::vector<std::int64_t>>{{101, 17, 1}, {101, 17, 0}, {10000, 5, 1}}));
}

TEST_F(BridgeTest, ADeviceChangeHoldsTheDetectorThreadUntilDiscoveryRan) {
  TZedArave* form = RecordingForm();
  form->board_list_lines()->Add("old line");
  Boards().openFails = true;
  std::atomic<bool> returned{false};
  std::atomic<std::size_t> callsWhenReturned{0};
  std::thread detector([&] {
    OnBoardDeviceChange(1);
    callsWhenReturned = Boards().calls.size();
    returned = true;
  });
  // Wait (bounded) until the sent message waits for this thread, then check the detector still waits.
  for (int i = 0; i < 500 && (GetQueueStatus(QS_SENDMESSAGE) & (QS_SENDMESSAGE << 16)) == 0; ++i) Sleep(10);
  EXPECT_FALSE(returned.load());
  Drain();
  detector.join();
  EXPECT_TRUE(returned.load());
  EXPECT_EQ(callsWhenReturned.load(), 3u);  // close, open, re-arm: discovery had run
  EXPECT_EQ(form->board_list_lines()->Count(), 0);  // a removal clears the board list
}

TEST_F(MainFormTest, GuardedWritesSkipWhileSuspendedAndSwallowEveryFailure) {
  GuardedLedSet(true, 101, 3, 1);
  GuardedSevenSegmentSet(true, 101, "123", 1);
  GuardedDatalineSet(true, 101, 6, 1);
  EXPECT_TRUE(Boards().calls.empty());

  GuardedLedSet(false, 0, 3, 1);  // refused by the library: nobody sees it
  GuardedSevenSegmentSet(false, 101, "123", 4);
  GuardedDatalineSet(false, 101, 6, 1);
  Boards().faultOnLedSet = true;  // an access fault inside the library
  GuardedLedSet(false, 101, 4, 1);
  GuardedLedSet(false, 101, 5, 0);  // and the next write is still made
  EXPECT_EQ(Boards().calls, (std::vector<std::string>{"LED_Set(0,3,1)", "7Segment_Display(101,123,4)",
                                                      "Dataline_Set(101,6,1)", "LED_Set(101,4,1)", "LED_Set(101,5,0)"}));
}

TEST(Catalogue, DescriptionsFamiliesAndLookups) {
  int count = 0;
  const BoardModel* models = BoardCatalogue(count);
  EXPECT_EQ(count, 57);
  EXPECT_STREQ(models[56].code, "010C");
  const struct {
    const char* code;
    const char* description;
    BoardFamily family;
  } rows[] = {
      {"330A", "VDK CTRL MCP", BoardFamily::ModeControl},  {"330a", "NotAssigned", BoardFamily::SwitchLed},
      {"", "NotAssigned", BoardFamily::SwitchLed},          {"3311", "VDK 737-MX MCP ", BoardFamily::ModeControl},
      {"4C5A", "VDK 737 NAVCOM", BoardFamily::Radio},       {"331A", "VDK CDU V9", BoardFamily::Cdu},
      {"3322", "VDK IRS", BoardFamily::Irs},                {"3324", "VDK ELEC (OE1)", BoardFamily::OverheadElec},
      {"4107", "VTX RELAY", BoardFamily::SwitchLed},        {"330C", "VDK EFIS FO", BoardFamily::ModeControl},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(Get_Board_Desc(r.code), r.description) << r.code;
    EXPECT_EQ(FamilyOf(r.code), r.family) << r.code;
  }

  BoardSlotArray slots{};
  slots[1] = {"330AABCD0001", 101, "VDK CTRL MCP", "330A"};
  slots[2] = {"330AABCD0001", 102, "second", "330A"};  // the first slot with the name wins
  EXPECT_EQ(Get_Board_session(slots, "330AABCD0001"), 101);
  EXPECT_EQ(Get_Board_session(slots, "03E812345678"), -1);
  EXPECT_EQ(Get_Board_session(slots, "JOYSTICK 1"), -1);
  EXPECT_EQ(Get_Board_session(slots, ""), 0);  // an empty name finds the first free slot
  EXPECT_EQ(Get_Board_Desc2(slots, "330AABCD0001"), "VDK CTRL MCP");
  EXPECT_EQ(Get_Board_Desc2(slots, "03E812345678"), "NotAssigned");
  EXPECT_EQ(Get_Board_Desc2(slots, "JOYSTICK 2"), "");
  EXPECT_EQ(Get_Board_Name(slots, "03E812345678"), "NotAssigned 03E812345678");
  EXPECT_EQ(Get_Board_Name(slots, "JOYSTICK 3"), "");
  EXPECT_EQ(Get_Board_Name(slots, ""), "");
}

}  // namespace
}  // namespace trelvik::testing
