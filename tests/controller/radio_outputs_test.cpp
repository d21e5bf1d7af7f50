// The radio-family outputs: frequency texts, the NAV/COM/ADF panel per role, both multicom layouts, the
// transponder; then the form's set_radio_panel over its slots, the radio refresh of the 7-segment pass and
// the transponder's idle work.
#include <algorithm>

#include "controller/app/radio_outputs.h"
#include "controller/app/server_command.h"
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"
#include "output_recorder.h"

namespace trelvik::testing {
namespace {

using aircraft::Radio;
using Texts = std::vector<std::pair<std::string, int>>;

PanelState Powered() {
  PanelState panel;
  panel.aircraft_power = 1;
  return panel;
}

TEST(RadioOutputs, FrequencyTextsFromTheAircraftsWords) {
  const struct {
    std::uint32_t word;
    const char* two;
    const char* three;
  } cases[] = {
      {0x0000, "100.00", "100.000"}, {0x1845, "118.45", "118.450"}, {0x0805, "108.05", "108.050"},
      {0x3697, "136.97", "136.970"}, {0x1A00, "0.00", "0.000"},  // hexadecimal letters are no frequency
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BcdFrequencyText(c.word, 2), c.two) << std::hex << c.word;
    EXPECT_EQ(BcdFrequencyText(c.word, 3), c.three) << std::hex << c.word;
  }
}

TEST(RadioOutputs, StatusLinesShowTheWorkingStandbyOnlyWhileAMulticomIsBusy) {
  PanelState panel;
  panel.vhf_active_bcd = {0x1845, 0x2150, 0x0805, 0x1390};
  panel.vhf_standby_bcd = {0x1900, 0, 0, 0};
  panel.adf_active = {350.5, 1750};
  panel.adf_standby = {351, 0};
  panel.transponder_code = 7000;
  panel.transponder_mode = 3;
  RadioWorkingValues working;
  working.standby = {121.5, 0, 0, 0, 0, 0};
  const auto quiet = RadioStatusLines(panel, working, false);
  EXPECT_EQ(quiet, (std::array<std::string, 7>{"COM1 Freq: 118.45  119.00", "COM2 Freq: 121.50  100.00",
                                               "NAV1 Freq: 108.05  100.00", "NAV2 Freq: 113.90  100.00",
                                               "ADF1 Freq: 350.5  351.0", "ADF2 Freq: 1750.0  0.0",
                                               "XPNDR: 7000  Mode: 3"}));
  EXPECT_EQ(RadioStatusLines(panel, working, true)[0], "COM1 Freq: 118.45  121.50");
}

TEST(RadioOutputs, RadioPanelPerRoleTestButtonAndPower) {
  const struct {
    const char* label;
    std::optional<Radio> role;
    bool test;
    bool powered;
    Texts texts;
    int led81;
  } cases[] = {
      {"COM1", Radio::kCom1, false, true, {{"118.45", 1}, {"121.50", 6}}, 1},
      {"COM1 test", Radio::kCom1, true, true, {{"888.88", 1}, {"888.88", 6}}, 1},
      {"NAV2", Radio::kNav2, false, true, {{"113.90", 1}, {"108.05", 6}}, 1},
      {"ADF1", Radio::kAdf1, false, true, {{"0350.5", 1}, {"1750.0", 6}}, 1},
      {"ADF1 test", Radio::kAdf1, true, true, {{"8888.8", 1}, {"8888.8", 6}}, 1},
      // The second ADF keeps its leading zero like the first, so its digits stay in place.
      {"ADF2", Radio::kAdf2, false, true, {{"0201.0", 1}, {"0399.9", 6}}, 1},
      {"ADF2 test", Radio::kAdf2, true, true, {{"888.88", 1}, {"888.88", 6}}, 1},
      {"no role", std::nullopt, false, true, {}, 1},
      {"unpowered", Radio::kCom1, false, false, {{"          ", 1}}, 0},
  };
  for (const auto& c : cases) {
    PanelState panel = Powered();
    panel.aircraft_power = c.powered ? 1 : 0;
    panel.vhf_active_bcd = {0x1845, 0, 0, 0x1390};
    panel.adf_active = {350.5, 201};
    RadioWorkingValues working;
    working.standby = {121.5, 0, 0, 108.05, 1750, 399.9};
    if (c.role) working.test[static_cast<std::size_t>(*c.role)] = c.test;
    OutputRecorder out;
    WriteRadioPanel(7, c.role, panel, working, out);
    EXPECT_EQ(out.texts, c.texts) << c.label;
    EXPECT_EQ(out.leds, (std::map<int, int>{{81, c.led81}})) << c.label;
  }
}

TEST(RadioOutputs, HaldorMulticomPerAircraftAndMode) {
  const struct {
    bool is777;
    std::int32_t mode;
    Texts texts;
    std::vector<int> lines;  // 9, 10, 11; empty when none written
    const char* status;      // nullptr when none
  } cases[] = {
      {false, 0, {{"             ", 1}}, {0, 0, 0}, "MultiCom OFF"},
      {false, 1, {{"118.450", 1}, {"121.500", 7}}, {0, 1, 1}, "MultiCom COM1"},
      {false, 2, {{"100.000", 1}, {"122.800", 7}}, {1, 0, 1}, "MultiCom COM2"},
      {false, 3, {{"  350.5", 1}, {"   00.0", 7}}, {0, 0, 1}, "MultiCom ADF"},
      {false, 4, {{"108.050", 1}, {"110.300", 7}}, {1, 1, 0}, "MultiCom NAV1"},
      {false, 5, {{"100.000", 1}, {"117.950", 7}}, {0, 1, 0}, "MultiCom NAV2"},
      {false, 6, {}, {}, nullptr},
      {true, 0, {{"             ", 1}}, {0, 0, 0}, "MultiCom OFF"},
      {true, 1, {{"118.450", 1}, {"121.500", 7}}, {0, 1, 1}, "MultiCom COM1"},
      {true, 2, {{"dA7A  ", 1}, {"136.850", 7}}, {1, 0, 1}, "MultiCom ADF"},
      {true, 3, {{"100.000", 1}, {"122.800", 7}}, {0, 0, 1}, "MultiCom COM2"},
      {true, 4, {{"------", 1}, {"------", 7}}, {1, 1, 0}, "MultiCom NAV1"},
      {true, 5, {{"------", 1}, {"------", 7}}, {0, 1, 0}, "MultiCom NAV2"},
      {true, 6, {{"------", 1}, {"------", 7}}, {1, 0, 0}, "MultiCom Blank"},
      {true, 7, {}, {}, nullptr},
      {true, -1, {}, {}, nullptr},
  };
  for (const auto& c : cases) {
    PanelState panel = Powered();
    panel.vhf_active_bcd = {0x1845, 0, 0x0805, 0};
    panel.adf_active = {350.5, 0};
    RadioWorkingValues working;
    working.standby = {121.5, 122.8, 110.3, 117.95, 0, 0};
    OutputRecorder out;
    const auto status = WriteMulticomPanel(5, true, 0, {c.mode, 0, 0, 0}, c.is777, panel, working, out);
    const std::string label = std::string(c.is777 ? "777" : "737") + " mode " + std::to_string(c.mode);
    EXPECT_EQ(out.texts, c.texts) << label;
    std::vector<int> lines;
    for (const auto& [line, state] : out.lines) lines.push_back(state);
    EXPECT_EQ(lines, c.lines) << label;
    EXPECT_EQ(status.value_or("<none>"), c.status ? c.status : "<none>") << label;
    // Every powered multicom lights its lamps 105 to 120.
    EXPECT_EQ(out.Leds(105, 120), std::vector<int>(16, 1)) << label;
  }
}

TEST(RadioOutputs, SevenFourSevenMulticomLampsAndOffSideLamp) {
  const struct {
    int role;
    std::array<std::int32_t, 4> modes;
    int offSide;
    int lamp;  // the mode lamp lit, 0 for none
    Texts texts;
    const char* status;
  } cases[] = {
      {0, {1, 2, 3, 3}, 0, 98, {{"118.450", 1}, {"121.500", 7}}, "MultiCom VHF L"},
      {0, {1, 1, 3, 3}, 1, 98, {{"118.450", 1}, {"121.500", 7}}, "MultiCom VHF L"},  // the FO took VHF L
      {1, {1, 3, 3, 3}, 1, 100, {{"dA7A  ", 1}, {"136.850", 7}}, "MultiCom VHF C"},
      {1, {1, 2, 3, 3}, 0, 99, {{"100.000", 1}, {"122.800", 7}}, "MultiCom VHF R"},
      {2, {1, 2, 3, 3}, 1, 100, {{"dA7A  ", 1}, {"136.850", 7}}, "MultiCom VHF C"},  // both observers on VHF C
      {3, {1, 2, 4, 3}, 0, 100, {{"dA7A  ", 1}, {"136.850", 7}}, "MultiCom VHF C"},
      {2, {1, 2, 4, 1}, 1, 101, {{"------", 1}, {"------", 7}}, "MultiCom HF1"},
      {2, {1, 2, 5, 1}, 1, 102, {{"------", 1}, {"------", 7}}, "MultiCom AM"},
      {2, {1, 2, 6, 1}, 1, 103, {{"------", 1}, {"------", 7}}, "MultiCom HF2"},
      {0, {0, 2, 3, 3}, 1, 0, {{"             ", 1}}, "MultiCom OFF"},
  };
  for (const auto& c : cases) {
    PanelState panel = Powered();
    panel.vhf_active_bcd = {0x1845, 0, 0, 0};
    RadioWorkingValues working;
    working.standby = {121.5, 122.8, 0, 0, 0, 0};
    OutputRecorder out;
    const auto status = WriteMulticomPanel(5, false, c.role, c.modes, false, panel, working, out);
    const std::string label = "role " + std::to_string(c.role) + " mode " + std::to_string(c.modes[c.role]);
    EXPECT_EQ(out.leds[97], c.offSide) << label;
    std::vector<int> lamps(6, 0);
    if (c.lamp) lamps[static_cast<std::size_t>(c.lamp - 98)] = 1;
    EXPECT_EQ(out.Leds(98, 103), lamps) << label;
    EXPECT_EQ(out.texts, c.texts) << label;
    EXPECT_EQ(status.value_or("<none>"), c.status) << label;
  }
  // A mode outside the table leaves the windows and lamps as they were.
  OutputRecorder out;
  EXPECT_FALSE(WriteMulticomPanel(5, false, 0, {9, 2, 3, 3}, false, Powered(), {}, out));
  EXPECT_TRUE(out.texts.empty());
  EXPECT_EQ(out.Leds(97, 104), (std::vector<int>{1, -1, -1, -1, -1, -1, -1, -1}));
}

TEST(RadioOutputs, DarkMulticomsAndTransponders) {
  OutputRecorder multicom;
  EXPECT_FALSE(WriteMulticomPanel(5, true, 0, {1, 0, 0, 0}, false, PanelState{}, {}, multicom));
  EXPECT_EQ(multicom.texts, (Texts{{"             ", 1}}));
  EXPECT_EQ(multicom.Leds(97, 120), std::vector<int>(24, 0));
  EXPECT_TRUE(multicom.lines.empty());

  for (bool inRole : {true, false}) {
    OutputRecorder xpndr;
    WriteTransponderPanel(5, inRole, PanelState{}, "1234", false, xpndr);
    EXPECT_EQ(xpndr.texts, (Texts{{"    ", 2}}));
    EXPECT_EQ(xpndr.Leds(41, 49), std::vector<int>(9, 0));
  }
  OutputRecorder shown, blinking, other;
  WriteTransponderPanel(5, true, Powered(), "12--", false, shown);
  WriteTransponderPanel(5, true, Powered(), "1234", true, blinking);
  WriteTransponderPanel(5, false, Powered(), "1234", false, other);
  EXPECT_EQ(shown.texts, (Texts{{"12--", 2}}));
  EXPECT_EQ(shown.Leds(41, 49), std::vector<int>(9, 1));
  EXPECT_EQ(blinking.texts, (Texts{{"    ", 2}}));
  EXPECT_TRUE(other.texts.empty() && other.leds.empty());
}

class RadioPanelFormTest : public MainFormTest {
 protected:
  // A form with radio-family boards put into slots by hand (discovery releases them in this program).
  TZedArave* Form() {
    TZedArave* form = DiscoveredForm({});
    Place(form, 3, 301, "4C5A", 96, 16);
    Place(form, 4, 302, "4C5A", 96, 16);
    Place(form, 5, 303, "4C5A", 0, 0);  // no outputs
    Place(form, 6, 0, "4C5A", 96, 16);  // not bound
    Place(form, 7, 304, "3401", 120, 16);
    Place(form, 8, 305, "3305", 49, 8);
    form->captain_nav_session = 302;
    form->adf1_session = 303;
    form->captain_multicom_session = 304;
    form->transponder_session = 305;
    form->panel_state.aircraft_power = 1;
    return form;
  }
  static void Place(TZedArave* form, int slot, std::int32_t session, const char* model, int leds, int digits) {
    form->board_table[static_cast<std::size_t>(slot)] = {std::string(model) + "SLOT" + std::to_string(slot), session,
                                                         "", model};
    BoardInfo& info = form->board_info[static_cast<std::size_t>(slot)];
    info.ledCount = leds;
    info.digitCount = digits;
  }
  std::vector<std::string> CallsTo(std::int32_t session) {
    std::vector<std::string> calls;
    for (const std::string& call : Boards().calls) {
      if (call.find("(" + std::to_string(session) + ",") != std::string::npos) calls.push_back(call);
    }
    return calls;
  }
};

TEST_F(RadioPanelFormTest, ServesEveryBoundBoardOfTheModelWithOutputs) {
  TZedArave* form = Form();
  form->nav1_standby = 113.9;
  form->set_radio_panel("4C5A");
  EXPECT_EQ(CallsTo(301), (std::vector<std::string>{"LED_Set(301,81,1)"}));  // in no radio role
  EXPECT_EQ(CallsTo(302), (std::vector<std::string>{"7Segment_Display(302,100.00,1)",
                                                    "7Segment_Display(302,113.90,6)", "LED_Set(302,81,1)"}));
  EXPECT_TRUE(CallsTo(303).empty());
  EXPECT_TRUE(CallsTo(304).empty());
  EXPECT_EQ(form->radio_status_labels[2]->Caption(), "NAV1 Freq: 100.00  100.00");

  // The radio family's lamp test flashes every such board instead.
  Boards().calls.clear();
  form->radio_timer->SetEnabled(true);
  form->led_pass_phase = 1;
  form->set_radio_panel("4C5A");
  EXPECT_EQ(Boards().calls, (std::vector<std::string>{"LED_Test(301,1)", "LED_Test(302,1)"}));
  form->radio_timer->SetEnabled(false);

  // The multicom's mode text goes to the status bar; the transponder shows the entry.
  form->set_radio_panel("3401");
  EXPECT_EQ(form->status_text(2), "MultiCom COM1");
  form->xpndr_code_entry = "12--";
  form->set_radio_panel("3305");
  EXPECT_EQ(CallsTo(305).front(), "7Segment_Display(305,12--,2)");
  form->Free();
}

TEST_F(RadioPanelFormTest, RadioSwitchesRefreshTheirPanelAtOnce) {
  TZedArave* form = Form();
  form->nav1_standby = 113.90;
  form->process_switch(302, 30, 1);
  EXPECT_EQ(form->nav1_standby, 113.90 + 0.02);
  EXPECT_EQ(CallsTo(302), (std::vector<std::string>{"7Segment_Display(302,100.00,1)",
                                                    "7Segment_Display(302,113.92,6)", "LED_Set(302,81,1)"}));
  EXPECT_EQ(form->last_input->Caption(), "NAV1 - Input: 30 ON");
  form->Free();
}

TEST_F(RadioPanelFormTest, TheSevenSegmentPassReloadsTheStandbyCopiesUnlessASwitchIsBusy) {
  TZedArave* form = Form();
  form->panel_state.vhf_standby_bcd = {0x1900, 0x2000, 0x0900, 0x1000};
  form->panel_state.adf_standby = {350.5, 1750};
  form->switch_activity = true;
  form->Output_Loop_7SEG();
  EXPECT_EQ(form->com1_standby, 888.88);
  EXPECT_TRUE(CallsTo(302).empty());
  form->switch_activity = false;
  form->Output_Loop_7SEG();
  EXPECT_NEAR(form->com1_standby, 119.0, 1e-9);
  EXPECT_NEAR(form->com2_standby, 120.0, 1e-9);
  EXPECT_NEAR(form->nav1_standby, 109.0, 1e-9);
  EXPECT_NEAR(form->nav2_standby, 110.0, 1e-9);
  EXPECT_EQ(form->adf1_standby, 350.5);
  EXPECT_EQ(form->adf2_standby, 1750);
  EXPECT_FALSE(CallsTo(302).empty());
  EXPECT_FALSE(CallsTo(304).empty());
  EXPECT_FALSE(CallsTo(305).empty());
  form->Free();
}

TEST_F(RadioPanelFormTest, TransponderCodeModeAndIdentBlink) {
  std::uint32_t now = 100000;
  fw::ServiceDouble<std::uint32_t()> clock{fw::TickCount, [&] { return now; }};
  std::vector<std::string> sent;
  fw::ServiceDouble<void(const std::string&)> send{SendServerCommand, [&](const std::string& c) { sent.push_back(c); }};
  TZedArave* form = Form();
  // Nothing while the radio family is not ticked.
  form->xpndr_code_entry = "1234";
  form->transponder_pass();
  EXPECT_TRUE(sent.empty());

  form->enable_radio->SetChecked(true);
  const struct {
    const char* code;
    std::int32_t mode, selector;
    std::array<std::uint8_t, 3> flags;
    std::uint8_t aircraftMode;
    std::vector<std::string> expected;
  } cases[] = {
      {"1234", 3, 1, {0, 0, 0}, 0, {"TCAS_MODE_SWITCH=3", "TRANSPONDER_SET=1234"}},
      {"12--", 3, 1, {0, 0, 0}, 3, {}},
      {"####", 0, 1, {0, 0, 0}, 0, {"TCAS_MODE_SWITCH=1"}},
      {"7000", 4, 2, {0, 0, 1}, 0, {}},  // TA/RA held at 0 by the aircraft's flags; code matches
      {"7000", 4, 2, {0, 1, 1}, 0, {"TCAS_MODE_SWITCH=4"}},
      {"7000", 4, 0, {0, 0, 0}, 4, {"TCAS_MODE_SWITCH=0"}},
  };
  for (const auto& c : cases) {
    sent.clear();
    form->xpndr_code_entry = c.code;
    form->xpndr_mode = c.mode;
    form->xpndr_selector = c.selector;
    form->panel_state.tcas_flags = c.flags;
    form->panel_state.tcas_mode_switch = c.aircraftMode;
    form->panel_state.transponder_code = 7000;
    form->transponder_pass();
    EXPECT_EQ(sent, c.expected) << c.code << " mode " << c.mode << " selector " << c.selector;
  }

  // IDENT: two blinks of 250 ms, then the flag clears.
  form->xpndr_ident = true;
  form->ident_blink_tick = now;
  std::vector<int> phases;
  for (int i = 0; i < 6 && form->xpndr_ident; ++i) {
    now += 251;
    form->transponder_pass();
    phases.push_back(form->ident_blink);
  }
  EXPECT_EQ(phases, (std::vector<int>{1, 0, 1, 0}));
  EXPECT_FALSE(form->xpndr_ident);
  form->Free();
}

}  // namespace
}  // namespace trelvik::testing
