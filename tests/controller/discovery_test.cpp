// Board discovery over the recording board library: the board list text, families, roles, failures,
// and a change that arrives while a discovery runs.
#include <algorithm>

#include "controller/app/event_bridge.h"
#include "framework/classes/strings.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

class DiscoveryTest : public MainFormTest {
 protected:
  TZedArave* Form(const std::string& config = "[SETTINGS]\r\nDEVICE_LOAD_DELAY=2\r\n") {
    folder_.Write("CONFIG.INI", config);
    TZedArave* form = MakeForm();
    form->Load_Input_Assignments("");
    return form;
  }
};

TEST_F(DiscoveryTest, KeepsEnabledFamiliesListsThemAndGivesTheCdusTheirRoles) {
  folder_.Write("ASSIGNMENTS.INI", "[CDU_ASSIGNMENTS]\r\nFO=3302CDU00002\r\n");
  Boards().boards = {{"03E8MCP00001", "330A", 64, 100, 0, 24},
                     {"03E8NAV00001", "4C5A", 30, 10, 0, 12},
                     {"03E8BAD00001", "330B", 0, 0, 0, 0, true},
                     {"3302CDU00002", "3302", 80, 5, 16, 0}};
  TZedArave* form = Form();
  form->refresh_devices(0, 2);

  EXPECT_EQ(Lines(form->board_list_lines()),
            (std::vector<std::string>{
                "API Version : 2.0.0.7", "",
                "VDK CTRL MCP    330A 03E8MCP00001 : Switches:  64 / LEDs: 100 / DataLines:  0 / 7 Segs: 24 / Servo:  0",
                "NotAssigned          03E8BAD00001 : Unable to Bind to Device",
                "VDK CDU         3302 3302CDU00002 : Switches:  80 / LEDs:   5 / DataLines: 16 / 7 Segs:  0 / Servo:  0",
                " ", "4 Devices Connected", " "}));
  // Packed in order; the failed bind keeps its name with session 0; the radio board was released.
  EXPECT_EQ(form->board_table[1].model, "330A");
  EXPECT_EQ(form->board_table[2].name, "03E8BAD00001");
  EXPECT_EQ(form->board_table[2].session, 0);
  EXPECT_EQ(form->board_table[3].model, "3302");
  EXPECT_TRUE(form->board_table[4].name.empty());
  EXPECT_EQ(form->cdu_fo_session, form->board_table[3].session);
  EXPECT_EQ(form->panel_state_prev.cdu_cpt_state, 9);  // a CDU model seen for the first time
  EXPECT_TRUE(form->mcp_timer->Enabled());
  const std::string log = folder_.Read("VavOzorovoduz.log");
  EXPECT_NE(log.find(" : Board Detected : 4C5A - VDK 737 NAVCOM\r\n"), std::string::npos);
  EXPECT_NE(log.find(" : Board Detected : 3302 - VDK CDU\r\n"), std::string::npos);
  const int cdu = form->board_table[3].session;
  const int mcp = form->board_table[1].session;
  for (const std::string& call : {"SetBoardOptions(" + std::to_string(mcp) + ",2)",
                                  "SetBoardOptions(" + std::to_string(cdu) + ",1)",
                                  "Brightness_Enable(" + std::to_string(cdu) + ",1)",
                                  "Analog_Enable(" + std::to_string(cdu) + ",1)",
                                  "Switch_Enable_Callback(" + std::to_string(cdu) + ",1)",
                                  "7Segment_Enable(" + std::to_string(mcp) + ",1)"}) {
    EXPECT_NE(std::find(Boards().calls.begin(), Boards().calls.end(), call), Boards().calls.end()) << call;
  }
  EXPECT_EQ(Boards().calls.back(), "Enable_DeviceChange_Notification_Callback(1)");
  EXPECT_TRUE(static_cast<bool>(App().OnIdle));
  EXPECT_FALSE(form->discovery_busy);

  // A removal renews the CDU's role with its new session, and unbinds every bound slot first.
  Boards().calls.clear();
  form->device_refresh(1);
  const std::vector<std::string> unbinds = Boards().CallsStartingWith("UnBind");
  ASSERT_EQ(unbinds.size(), 3u);  // the two bound slots, then the radio board released again
  EXPECT_EQ(unbinds[0], "UnBind(" + std::to_string(mcp) + ")");
  EXPECT_EQ(unbinds[1], "UnBind(" + std::to_string(cdu) + ")");
  EXPECT_EQ(form->cdu_fo_session, form->board_table[3].session);
  EXPECT_NE(form->cdu_fo_session, cdu);
}

TEST_F(DiscoveryTest, CountsMcpBoardsIgnoredWhileTheirFamilyIsOff) {
  const struct {
    int boards;
    const char* connected;
    const char* ignored;
  } cases[] = {{1, "1 Device Connected", "1 Device Ignored"}, {2, "2 Devices Connected", "2 Devices Ignored"}};
  for (const auto& c : cases) {
    Boards().boards.clear();
    for (int i = 0; i < c.boards; ++i) Boards().boards.push_back({"03E8MCP0000" + std::to_string(i), "330C", 8, 8});
    TZedArave* form = Form("[SETTINGS]\r\nENABLE_MCP=0\r\nDEVICE_LOAD_DELAY=0\r\n");
    form->refresh_devices(0, 2);
    EXPECT_EQ(Lines(form->board_list_lines()),
              (std::vector<std::string>{"API Version : 2.0.0.7", "", " ", c.connected, c.ignored, " "}));
    EXPECT_TRUE(form->board_table[1].name.empty());
    form->Free();
  }
}

TEST_F(DiscoveryTest, AFailedListingEndsCleanlySoTheNextChangeDiscoversAgain) {
  const struct {
    bool version, list;
    const char* message;
  } cases[] = {{true, false, "Unable to API Version Size"}, {false, true, "Unable to Get Device List Size"}};
  for (const auto& c : cases) {
    Boards().versionFails = c.version;
    Boards().deviceListFails = c.list;
    asked_.clear();
    Boards().calls.clear();
    TZedArave* form = Form();
    form->refresh_devices(0, 2);
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].Text, c.message);
    EXPECT_FALSE(form->discovery_busy);
    EXPECT_EQ(Boards().calls.back(), "Enable_DeviceChange_Notification_Callback(1)");
    form->Free();
  }
}

TEST_F(DiscoveryTest, ABoardWithoutDescriptionIsReportedAndKeptBound) {
  Boards().boards = {{"03E8MCP00001", "330A", 64, 100, 0, 24, false, true}};
  TZedArave* form = Form();
  form->refresh_devices(0, 2);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Text, "Unable to get Board Info");
  EXPECT_NE(form->board_table[1].session, 0);
  EXPECT_EQ(Lines(form->board_list_lines()),
            (std::vector<std::string>{"API Version : 2.0.0.7", "", " ", "1 Device Connected", " "}));
}

TEST_F(DiscoveryTest, AChangeDuringADiscoveryRunsOneMoreWhenItEnds) {
  Boards().boards = {{"03E8MCP00001", "330A", 64, 100, 0, 24}};
  TZedArave* form = Form();
  int opens = 0;
  Boards().onOpen = [&] {
    if (++opens == 1) form->device_refresh(2);  // a board plugged in meanwhile
  };
  form->refresh_devices(0, 2);
  EXPECT_EQ(opens, 2);
  EXPECT_FALSE(form->discovery_busy);
  EXPECT_EQ(form->board_table[1].model, "330A");
}


TEST_F(DiscoveryTest, ASettlingDelayFromTheFileIsBoundedToThirtySecondsPerBoard) {
  // Found by the files generator: a DEVICE_LOAD_DELAY near the integer's top kept a discovery settling for days.
  Boards().boards = {{"03E8MCP00001", "330A", 64, 100, 0, 24}};
  TZedArave* form = Form("[SETTINGS]\r\nDEVICE_LOAD_DELAY=2147483647\r\n");
  int sleeps = 0;
  fw::ServiceDouble<void(std::uint32_t)> counted{fw::SleepMs, [&](std::uint32_t) { ++sleeps; }};
  form->refresh_devices(0, 2);
  EXPECT_GE(sleeps, 3000);
  EXPECT_LT(sleeps, 3100);
  EXPECT_EQ(form->board_table[1].model, "330A");
  form->Free();
}

}  // namespace
}  // namespace trelvik::testing
