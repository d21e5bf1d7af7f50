// The CDU outputs: lamps per role from the aircraft's CDU lamp block (with the lamp tests), and the display
// brightness from each role's brightness control, alone and through the main form's passes.
#include <algorithm>

#include "controller/aircraft/cockpit_state.h"
#include "controller/app/cdu_outputs.h"
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

using Strings = std::vector<std::string>;

// Writes in order as "D<line>=<state>" and "L<led>=<state>", per session.
struct OrderedWrites : OutputSink {
  std::map<int, Strings> writes;
  void LedSet(std::int32_t s, std::int32_t led, std::uint8_t state) override {
    writes[s].push_back("L" + std::to_string(led) + "=" + std::to_string(state));
  }
  void DatalineSet(std::int32_t s, std::int32_t line, std::uint8_t state) override {
    writes[s].push_back("D" + std::to_string(line) + "=" + std::to_string(state));
  }
  void SevenSegmentSet(std::int32_t, const char*, std::int32_t) override { writes[-1].push_back("7seg"); }
  void LedTest(std::int32_t, std::uint8_t) override { writes[-1].push_back("test"); }
};

std::array<aircraft::CduLamps, 3> Lamps() {
  std::array<aircraft::CduLamps, 3> lamps{};
  // Captain: powered with lamps 1 and 3; first officer: power field 2 (sent as it is), lamp 5 at 7 (sent
  // as 1); observers: lamp 2.
  lamps[0] = {1, 1, 1, 0, 0, 0, 1};
  lamps[1] = {2, 2, 0, 0, 0, 7, 0};
  lamps[2] = {0, 0, 0, 0, 1, 0, 0};
  return lamps;
}

TEST(CduLamps, EachRoleFromItsEntryAndTheLampTests) {
  const Strings captain{"D9=1", "D10=0", "D11=0", "D12=1", "D13=0", "D16=1", "D15=1",
                        "L1=1", "L2=0",  "L4=0",  "L3=1",  "L5=0",  "D6=1"};
  const Strings firstOfficer{"D9=0", "D10=0", "D11=0", "D12=0", "D13=1", "D16=1", "D15=2",
                             "L1=0", "L2=0",  "L4=0",  "L3=0",  "L5=1",  "D6=2"};
  const Strings observer{"D9=0", "D10=1", "D11=0", "D12=0", "D13=0", "D16=0", "D15=0",
                         "L1=0", "L2=1",  "L4=0",  "L3=0",  "L5=0",  "D6=0"};
  const Strings captainTest{"D9=1", "D10=1", "D11=1", "D12=1", "D13=1", "D16=1", "D15=1",
                            "L1=1", "L2=1",  "L3=1",  "L4=1",  "L5=1",  "D6=1"};
  const Strings otherTest{"D9=1", "D10=1", "D11=1", "D12=1", "D13=1", "D16=1", "D15=1"};
  const CduRoleSessions roles{11, 12, 13, 14, 12};  // board 12 is first officer and observer 3
  const auto lamps = Lamps();
  struct {
    CduLampTests tests;
    std::int32_t session;
    Strings expected;
  } cases[] = {
      {{}, 11, captain},
      {{}, 12, [&] {
         Strings both = firstOfficer;
         both.insert(both.end(), observer.begin(), observer.end());
         return both;
       }()},
      {{}, 13, observer},
      {{}, 14, observer},
      {{}, 15, {}},
      {{true, false, false}, 11, captainTest},
      {{false, true, false}, 12, [&] {
         Strings both = otherTest;
         both.insert(both.end(), observer.begin(), observer.end());
         return both;
       }()},
      {{false, false, true}, 13, otherTest},
  };
  for (const auto& c : cases) {
    OrderedWrites out;
    WriteCduLamps(c.session, roles, c.tests, 1, lamps, out);
    EXPECT_EQ(out.writes[c.session], c.expected) << c.session;
    EXPECT_EQ(out.writes.size(), 1u) << "only the given board is written, session " << c.session;
  }
  // During a test the phase is what flashes.
  OrderedWrites dark;
  WriteCduLamps(11, roles, {true, false, false}, 0, lamps, dark);
  EXPECT_EQ(dark.writes[11], (Strings{"D9=0", "D10=0", "D11=0", "D12=0", "D13=0", "D16=1", "D15=0", "L1=0", "L2=0",
                                      "L3=0", "L4=0", "L5=0", "D6=1"}));
}

TEST(CduBrightness, LevelFromTheReading) {
  const struct {
    std::int32_t reading;
    bool powered;
    std::int32_t level;
  } cases[] = {{0, true, 0},   {7, true, 0},     {8, true, 0},      {24, true, 2},
               {40, true, 2},  {56, true, 4},    {4095, true, 255}, {4095, false, 0},
               {9999, true, 255}};
  for (const auto& c : cases) {
    EXPECT_EQ(CduBrightnessLevel(c.reading, c.powered), c.level) << c.reading << " " << c.powered;
  }
}

class CduPassTest : public MainFormTest {
 protected:
  void TearDown() override {
    aircraft::ResetCockpitState();
    MainFormTest::TearDown();
  }
  // Two CDUs and a third in no role, all bound; captain, first officer and observer 1 to 3 roles set.
  TZedArave* Form() {
    TZedArave* form = DiscoveredForm({{"3302CDU00001", "3302", 80, 5, 16, 0},
                                      {"331ACDU00002", "331A", 80, 5, 16, 0},
                                      {"3302CDU00003", "3302", 80, 5, 16, 0}});
    for (fw::TTimer* t : {form->cdu_cpt_timer, form->cdu_fo_timer, form->cdu_obs_timer, form->mcp_timer}) {
      t->SetEnabled(false);
    }
    cpt = form->board_table[1].session;
    fo = form->board_table[2].session;
    spare = form->board_table[3].session;
    form->cdu_cpt_session = cpt;
    form->cdu_fo_session = fo;
    form->panel_state.aircraft_power = 1;
    form->enable_cdu->SetChecked(true);
    Boards().calls.clear();
    return form;
  }
  Strings CallsTo(const char* name, std::int32_t session) {
    return Boards().CallsStartingWith(std::string(name) + "(" + std::to_string(session) + ",");
  }
  FakeBoard& Board(int index) { return Boards().boards[static_cast<std::size_t>(index)]; }
  std::int32_t cpt = 0, fo = 0, spare = 0;
};

TEST_F(CduPassTest, TheLedPassLightsEveryCduInARoleFromThe737DataArea) {
  TZedArave* form = Form();
  aircraft::AddonData737 area{};
  area[85] = 1;    // captain CDU powered
  area[101] = 1;   // the aircraft's four power bytes all set: first officer's CDU dark
  area[102] = 1;
  area[103] = 1;
  area[104] = 1;
  area[377] = 1;   // captain lamp 1
  area[386] = 1;   // first officer lamp 5
  aircraft::StoreData737(area.data());
  form->Output_Loop_LED();
  const auto s = [](std::int32_t session, int line, int state) {
    return "(" + std::to_string(session) + "," + std::to_string(line) + "," + std::to_string(state) + ")";
  };
  EXPECT_EQ(CallsTo("Dataline_Set", cpt),
            (Strings{"Dataline_Set" + s(cpt, 9, 1), "Dataline_Set" + s(cpt, 10, 0), "Dataline_Set" + s(cpt, 11, 0),
                     "Dataline_Set" + s(cpt, 12, 0), "Dataline_Set" + s(cpt, 13, 0), "Dataline_Set" + s(cpt, 16, 1),
                     "Dataline_Set" + s(cpt, 15, 1), "Dataline_Set" + s(cpt, 6, 1)}));
  EXPECT_EQ(CallsTo("LED_Set", cpt), (Strings{"LED_Set" + s(cpt, 1, 1), "LED_Set" + s(cpt, 2, 0),
                                              "LED_Set" + s(cpt, 4, 0), "LED_Set" + s(cpt, 3, 0),
                                              "LED_Set" + s(cpt, 5, 0)}));
  // The 331A in the first officer's role: lamp 5 lit, unpowered.
  const Strings foLines = CallsTo("Dataline_Set", fo);
  EXPECT_NE(std::find(foLines.begin(), foLines.end(), "Dataline_Set" + s(fo, 13, 1)), foLines.end());
  EXPECT_NE(std::find(foLines.begin(), foLines.end(), "Dataline_Set" + s(fo, 15, 0)), foLines.end());
  // A CDU in no role gets nothing.
  EXPECT_TRUE(CallsTo("Dataline_Set", spare).empty());
  EXPECT_TRUE(CallsTo("LED_Set", spare).empty());
}

TEST_F(CduPassTest, BrightnessFollowsEachRolesControlAndIsSentWhenItChanges) {
  TZedArave* form = Form();
  form->cdu_obs2_session = spare;
  Board(0).analog = 24;    // level 2
  Board(1).analog = 4095;  // level 255
  Board(2).analog = 8;     // level 0
  form->Output_Loop_7SEG();
  EXPECT_EQ(CallsTo("Brightness_Set", cpt), (Strings{"Brightness_Set(" + std::to_string(cpt) + ",2)"}));
  EXPECT_EQ(CallsTo("Brightness_Set", fo), (Strings{"Brightness_Set(" + std::to_string(fo) + ",255)"}));
  EXPECT_EQ(CallsTo("Brightness_Set", spare), (Strings{"Brightness_Set(" + std::to_string(spare) + ",0)"}));
  EXPECT_EQ(form->brightness_labels[0]->Caption(), "Brightness : 2");
  EXPECT_EQ(form->brightness_labels[1]->Caption(), "Brightness : 255");
  EXPECT_EQ(form->brightness_labels[3]->Caption(), "Brightness : 0");
  EXPECT_EQ(form->brightness_labels[2]->Caption(), "");  // observer 1 has no board
  EXPECT_EQ(form->cdu_brightness_sent_cpt, 2);
  EXPECT_EQ(form->cdu_brightness_sent_fo, 255);
  EXPECT_EQ(form->cdu_brightness_sent_obs, 0);

  // A failed read keeps the role's level; without power every served CDU goes dark.
  Board(0).analogFails = true;
  Boards().calls.clear();
  form->Output_Loop_7SEG();
  EXPECT_EQ(CallsTo("Brightness_Set", cpt), (Strings{"Brightness_Set(" + std::to_string(cpt) + ",2)"}));
  EXPECT_EQ(form->cdu_brightness_sent_cpt, 2);
  form->panel_state.aircraft_power = 0;
  Boards().calls.clear();
  form->Output_Loop_7SEG();
  EXPECT_EQ(CallsTo("Brightness_Set", cpt), (Strings{"Brightness_Set(" + std::to_string(cpt) + ",0)"}));
  EXPECT_EQ(CallsTo("Brightness_Set", fo), (Strings{"Brightness_Set(" + std::to_string(fo) + ",0)"}));
  EXPECT_EQ(form->cdu_brightness_sent_cpt, 0);
  EXPECT_EQ(form->cdu_brightness_sent_fo, 0);
}

TEST_F(CduPassTest, WithoutTheCduBoxNoBrightnessButTheLampsStill) {
  TZedArave* form = Form();
  Board(0).analog = 400;
  form->enable_cdu->SetChecked(false);
  form->Output_Loop_7SEG();
  form->Output_Loop_LED();
  EXPECT_TRUE(Boards().CallsStartingWith("Analog_GetValue").empty());
  EXPECT_TRUE(Boards().CallsStartingWith("Brightness_Set").empty());
  EXPECT_EQ(form->cdu_brightness_sent_cpt, 0);
  EXPECT_FALSE(CallsTo("Dataline_Set", cpt).empty());
}

TEST_F(CduPassTest, TheCaptainsLampTestFlashesItsLeds) {
  TZedArave* form = Form();
  form->cdu_cpt_timer->SetEnabled(true);
  form->cdu_fo_timer->SetEnabled(true);
  // The aircraft's lamps are all dark; the test lights them with the phase.
  form->led_pass_phase = 1;
  form->Output_Loop_LED();
  const std::uint8_t phase = 1;
  for (int led = 1; led <= 5; ++led) {
    const std::string call = "LED_Set(" + std::to_string(cpt) + "," + std::to_string(led) + "," +
                             std::to_string(phase) + ")";
    EXPECT_EQ(std::count(Boards().calls.begin(), Boards().calls.end(), call), 1) << call;
  }
  EXPECT_TRUE(CallsTo("LED_Set", fo).empty());
  EXPECT_EQ(CallsTo("Dataline_Set", fo).size(), 7u);
}

}  // namespace
}  // namespace trelvik::testing
