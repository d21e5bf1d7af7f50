// The radio family of the switch processing: frequency steps and their send texts for every radio kind,
// the radio roles' other switches, the transponder entry and the two multicom layouts.
#include <gtest/gtest.h>

#include <cmath>

#include "controller/aircraft/radio_frequency.h"
#include "tests/switches/fake_family_host.h"

namespace switches_test {
namespace {

using aircraft::ProcessSwitch;
using aircraft::Radio;
using aircraft::SwitchLabel;
using Strings = std::vector<std::string>;

// Sessions: the six radio roles 11..16, the transponder 17, the four multicom roles 21..24.
class RadioSwitchTest : public ::testing::Test {
 protected:
  RadioSwitchTest() {
    host.roles.radio = {11, 12, 13, 14, 15, 16};
    host.roles.transponder = 17;
    host.roles.multicom = {21, 22, 23, 24};
    for (std::int32_t s = 11; s <= 16; ++s) host.slots.push_back({s, "RADIO" + std::to_string(s), "4C5A"});
    host.slots.push_back({17, "XPNDR17", "3305"});
    host.slots.push_back({21, "MULTI21", "3401"});
    host.slots.push_back({22, "MULTI22", "3318"});
    host.slots.push_back({23, "MULTI23", "3318"});
    host.slots.push_back({24, "MULTI24", "3401"});
  }
  static std::int32_t SessionOf(Radio radio) { return 11 + static_cast<std::int32_t>(radio); }
  void Clear() {
    host.commands.clear();
    host.radioPanels.clear();
  }
  FakeClock clock;
  FakeFamilyHost host;
};

const char* Name(Radio radio) {
  static const char* const kNames[] = {"COM1", "COM2", "NAV1", "NAV2", "ADF1", "ADF2"};
  return kNames[static_cast<int>(radio)];
}

TEST_F(RadioSwitchTest, KnobsStepTheStandbyFrequencyAndSendIt) {
  const struct {
    Radio radio;
    double from;
    std::int32_t sw;  // 29 fine down, 30 fine up, 31 coarse down, 32 coarse up
    double to;
    const char* sent;
  } cases[] = {
      {Radio::kCom1, 118.00, 29, 118.97, "COM1_RADIO_STANDBY_FREQUENCY_SET=1897"},
      {Radio::kCom1, 118.97, 30, 118.00, "COM1_RADIO_STANDBY_FREQUENCY_SET=1800"},
      {Radio::kCom1, 118.05, 29, 118.02, "COM1_RADIO_STANDBY_FREQUENCY_SET=1802"},
      {Radio::kCom1, 118.02, 29, 118.00, "COM1_RADIO_STANDBY_FREQUENCY_SET=1800"},
      {Radio::kCom2, 121.50, 30, 121.52, "COM2_RADIO_STANDBY_FREQUENCY_SET=2152"},
      {Radio::kCom2, 121.52, 30, 121.55, "COM2_RADIO_STANDBY_FREQUENCY_SET=2155"},
      {Radio::kCom1, 136.50, 32, 118.50, "COM1_RADIO_STANDBY_FREQUENCY_SET=1850"},
      {Radio::kCom1, 118.50, 31, 136.50, "COM1_RADIO_STANDBY_FREQUENCY_SET=3650"},
      {Radio::kCom2, 135.95, 32, 136.95, "COM2_RADIO_STANDBY_FREQUENCY_SET=3695"},
      {Radio::kNav1, 108.50, 31, 116.50, "NAV1_RADIO_STANDBY_FREQUENCY_SET=1650"},
      {Radio::kNav1, 117.50, 32, 109.50, "NAV1_RADIO_STANDBY_FREQUENCY_SET=0950"},
      {Radio::kNav2, 108.07, 29, 108.05, "NAV2_RADIO_STANDBY_FREQUENCY_SET=0805"},
      {Radio::kNav2, 108.00, 29, 108.97, "NAV2_RADIO_STANDBY_FREQUENCY_SET=0897"},
      // The top channel above the band's end wraps inside the MHz.
      {Radio::kNav1, 117.95, 30, 117.02, "NAV1_RADIO_STANDBY_FREQUENCY_SET=1702"},
      // ADF in kHz: fine steps wrap inside the 10 kHz decade, and only a step below it wraps.
      {Radio::kAdf1, 350.0, 29, 359.9, "ADF1_RADIO_STANDBY_FREQUENCY=359.9"},
      {Radio::kAdf1, 359.9, 30, 350.0, "ADF1_RADIO_STANDBY_FREQUENCY=350"},
      {Radio::kAdf1, 350.1, 29, 350.0, "ADF1_RADIO_STANDBY_FREQUENCY=350"},
      {Radio::kAdf2, 350.5, 30, 350.6, "ADF2_RADIO_STANDBY_FREQUENCY=350.6"},
      {Radio::kAdf2, 351.0, 29, 350.9, "ADF2_RADIO_STANDBY_FREQUENCY=350.9"},
      {Radio::kAdf1, 350.0, 31, 340.0, "ADF1_RADIO_STANDBY_FREQUENCY=340"},
      {Radio::kAdf1, 5.5, 31, 994.5, "ADF1_RADIO_STANDBY_FREQUENCY=994.5"},
      {Radio::kAdf2, 1745.0, 32, 1755.0, "ADF2_RADIO_STANDBY_FREQUENCY=1755"},
      {Radio::kAdf2, 9995.0, 32, 9006.0, "ADF2_RADIO_STANDBY_FREQUENCY=9006"},
  };
  for (const auto& c : cases) {
    Clear();
    host.standby[static_cast<std::size_t>(c.radio)] = c.from;
    ProcessSwitch(host, SessionOf(c.radio), c.sw, 1);
    EXPECT_NEAR(host.standby[static_cast<std::size_t>(c.radio)], c.to, 1e-9) << Name(c.radio) << " " << c.from << " " << c.sw;
    EXPECT_EQ(host.commands, Strings{c.sent}) << Name(c.radio) << " " << c.from << " " << c.sw;
    EXPECT_EQ(host.radioPanels, Strings{"4C5A"});
  }
}

// Every fine step of a MHz, both ways round twice, sends the channel's exact digits: the value drifts by a
// few units in the last binary place per step, which the 15-digit text does not show.
TEST_F(RadioSwitchTest, FineStepsWalkTheChannelsOfOneMegahertz) {
  static const int kUnits[] = {0, 2, 5, 7};
  for (std::int32_t sw : {30, 29}) {
    Clear();
    host.standby[0] = 124.00;
    for (int i = 0; i < 80; ++i) ProcessSwitch(host, SessionOf(Radio::kCom1), sw, 1);
    ASSERT_EQ(host.commands.size(), 80u);
    for (int i = 0; i < 80; ++i) {
      // Channel k of the 40 in the MHz (x.00, x.02, x.05, x.07, x.10 ...).
      const int k = sw == 30 ? (i + 1) % 40 : (40 - (i + 1) % 40) % 40;
      const std::string expected =
          "COM1_RADIO_STANDBY_FREQUENCY_SET=24" + std::to_string(k / 4) + std::to_string(kUnits[k % 4]);
      EXPECT_EQ(host.commands[static_cast<std::size_t>(i)], expected) << "switch " << sw << " step " << i;
    }
    EXPECT_NEAR(host.standby[0], 124.00, 1e-9);
  }
}

TEST_F(RadioSwitchTest, TransferTestAndVolumeSwitchesOfTheRadioRoles) {
  const struct {
    Radio radio;
    std::int32_t sw;
    std::int32_t state;
    Strings sent;
    bool testAfter;          // the role's test flag afterwards (it starts set for releases of switch 2)
    bool activityCleared;    // switch_activity cleared at once
    bool suspensionCleared;  // output_suspended cleared
  } cases[] = {
      {Radio::kCom1, 1, 1, {"COM1_TRANSFER=1"}, false, true, true},
      {Radio::kNav2, 1, 1, {"NAV2_TRANSFER=1"}, false, true, true},
      {Radio::kAdf2, 1, 1, {"ADF2_TRANSFER=1"}, false, true, true},
      {Radio::kCom2, 1, 0, {}, false, true, false},
      {Radio::kNav1, 2, 1, {"NAV1_TEST_MODE=1"}, true, false, false},
      {Radio::kNav2, 2, 1, {"NAV2_TEST_MODE=1"}, true, false, false},
      {Radio::kCom1, 2, 1, {}, true, false, false},
      {Radio::kNav1, 2, 0, {}, false, true, false},
      {Radio::kAdf1, 12, 1, {"AUDIO_ADF_1_VOL=1"}, false, false, false},
      {Radio::kAdf1, 12, 0, {"AUDIO_ADF_1_VOL=0"}, false, false, false},
      {Radio::kAdf2, 12, 1, {}, false, false, false},
      {Radio::kCom1, 12, 0, {}, false, false, false},
      {Radio::kCom1, 29, 0, {}, false, false, false},
      {Radio::kNav1, 7, 1, {}, false, false, false},
  };
  for (const auto& c : cases) {
    Clear();
    const std::size_t i = static_cast<std::size_t>(c.radio);
    host.radioTest = {};
    if (c.sw == 2 && c.state == 0) host.radioTest[i] = true;
    host.outputSuspended = true;
    const double before = host.standby[i];
    ProcessSwitch(host, SessionOf(c.radio), c.sw, c.state);
    EXPECT_EQ(host.commands, c.sent) << Name(c.radio) << " " << c.sw << "/" << c.state;
    EXPECT_EQ(host.radioTest[i], c.testAfter) << Name(c.radio) << " " << c.sw << "/" << c.state;
    EXPECT_EQ(!host.switchActivity, c.activityCleared) << Name(c.radio) << " " << c.sw << "/" << c.state;
    EXPECT_EQ(!host.outputSuspended, c.suspensionCleared) << Name(c.radio) << " " << c.sw << "/" << c.state;
    EXPECT_EQ(host.standby[i], before);
    EXPECT_EQ(host.radioPanels, Strings{"4C5A"});
  }
}

TEST_F(RadioSwitchTest, RadioEventsEndWithTheirLabelsAndClearTheCapture) {
  host.lastInput = {"someone", 3, 1};
  ProcessSwitch(host, SessionOf(Radio::kNav2), 30, 0);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "NAV2 - Input: 30 OFF");
  EXPECT_EQ(host.Label(SwitchLabel::kLastBoardRadio), "RADIO14");
  EXPECT_EQ(host.lastInput.board, "");
  ProcessSwitch(host, 17, 11, 1);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "XPNDR - Input: 11 ON");
  EXPECT_EQ(host.Label(SwitchLabel::kLastBoardRadio), "XPNDR17");
  ProcessSwitch(host, 22, 3, 1);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "FO MULTICOM - Input: 3 ON");
  EXPECT_EQ(host.Label(SwitchLabel::kLastBoardRadio), "MULTI22");
  ProcessSwitch(host, 24, 3, 0);
  EXPECT_EQ(host.Label(SwitchLabel::kLastInput), "OBS2 MULTICOM - Input: 3 OFF");
}

TEST_F(RadioSwitchTest, TransponderCodeIsKeyedAfterClearAndModesFollowTheirSwitches) {
  const struct {
    std::int32_t sw;
    std::int32_t state;
    const char* code;
    std::int32_t mode;
    std::int32_t selector;
  } steps[] = {
      {3, 1, "####", 0, 0},   // before CLR the digits take nothing
      {11, 1, "----", 0, 0},  // CLR
      {2, 1, "1---", 0, 0},   {3, 1, "12--", 0, 0},  {11, 0, "12--", 0, 0}, {4, 1, "123-", 0, 0},
      {8, 1, "1237", 0, 0},   {5, 1, "1237", 0, 0},  // a fifth digit changes nothing
      {1, 0, "1237", 0, 0},   {11, 1, "----", 0, 0}, {1, 1, "0---", 0, 0},
      {17, 1, "0---", 1, 0},  {18, 1, "0---", 3, 0}, {19, 1, "0---", 4, 0}, {20, 1, "0---", 5, 0},
      {21, 1, "0---", 2, 0},  {17, 0, "0---", 2, 0}, {23, 1, "0---", 2, 2}, {24, 1, "0---", 2, 1},
      {24, 0, "0---", 2, 1},  {23, 0, "0---", 2, 0}, {9, 1, "0---", 2, 0},
  };
  for (const auto& s : steps) {
    Clear();
    ProcessSwitch(host, 17, s.sw, s.state);
    EXPECT_EQ(host.xpndrCode, s.code) << s.sw << "/" << s.state;
    EXPECT_EQ(host.xpndrMode, s.mode) << s.sw << "/" << s.state;
    EXPECT_EQ(host.xpndrSelector, s.selector) << s.sw << "/" << s.state;
    EXPECT_TRUE(host.commands.empty()) << s.sw << "/" << s.state;
    EXPECT_EQ(host.radioPanels, (Strings{"3305", "3402"}));
  }
  ProcessSwitch(host, 17, 12, 1);
  EXPECT_EQ(host.commands, Strings{"XPNDR_IDENT=1"});
  EXPECT_TRUE(host.xpndrIdent);
  ProcessSwitch(host, 17, 12, 0);
  EXPECT_EQ(host.commands, Strings{"XPNDR_IDENT=1"});
}

TEST_F(RadioSwitchTest, MulticomTransferAndKnobsServeTheSelectedRadio) {
  const struct {
    std::int32_t session;  // 21 is a 3401, 22 a 3318
    bool is777;
    std::int32_t mode;
    std::int32_t sw;
    Strings sent;
  } cases[] = {
      {21, false, 1, 1, {"COM1_TRANSFER=1"}},
      {21, false, 2, 1, {"COM2_TRANSFER=1"}},
      {21, false, 3, 1, {"ADF1_TRANSFER=1"}},
      {21, true, 3, 1, {"COM2_TRANSFER=1"}},
      {21, true, 3, 10, {"COM2_RADIO_STANDBY_FREQUENCY_SET=1852"}},
      {21, false, 3, 14, {"ADF1_RADIO_STANDBY_FREQUENCY=350.6"}},
      {21, false, 4, 1, {"NAV1_TRANSFER=1"}},
      {21, false, 5, 1, {"NAV2_TRANSFER=1"}},
      {21, false, 6, 1, {}},
      {21, false, 0, 9, {}},
      {21, false, 1, 9, {"COM1_RADIO_STANDBY_FREQUENCY_SET=1847"}},
      {21, false, 1, 13, {"COM1_RADIO_STANDBY_FREQUENCY_SET=1847"}},
      {21, false, 1, 11, {"COM1_RADIO_STANDBY_FREQUENCY_SET=3650"}},
      {21, false, 1, 16, {"COM1_RADIO_STANDBY_FREQUENCY_SET=1950"}},
      {21, false, 4, 12, {"NAV1_RADIO_STANDBY_FREQUENCY_SET=0950"}},
      {21, false, 7, 1, {}},
      {22, false, 3, 1, {"ADF1_TRANSFER=1"}},
      {22, true, 3, 1, {"ADF1_TRANSFER=1"}},
      {22, false, 5, 1, {}},
      {22, false, 6, 1, {"NAV2_TRANSFER=1"}},
      {22, false, 6, 15, {"NAV2_RADIO_STANDBY_FREQUENCY_SET=1650"}},
      {22, false, 2, 10, {"COM2_RADIO_STANDBY_FREQUENCY_SET=1852"}},
  };
  for (const auto& c : cases) {
    Clear();
    host.is777 = c.is777;
    host.standby = {118.50, 118.50, 117.50, 117.50, 350.5, 350.5};
    const std::size_t role = static_cast<std::size_t>(c.session - 21);
    host.multicomModes[role] = c.mode;
    host.outputSuspended = true;
    host.b777Derivations = 0;
    ProcessSwitch(host, c.session, c.sw, 1);
    const std::string label = std::to_string(c.session) + (c.is777 ? "/777" : "/737") + " mode " +
                              std::to_string(c.mode) + " switch " + std::to_string(c.sw);
    EXPECT_EQ(host.commands, c.sent) << label;
    EXPECT_EQ(host.multicomModes[role], c.mode) << label;
    if (c.sw == 1) {
      // A transfer that was sent ends the suspension; every transfer press re-derives the 777's values.
      EXPECT_EQ(host.outputSuspended, c.sent.empty()) << label;
      EXPECT_FALSE(host.switchActivity) << label;
      EXPECT_EQ(host.b777Derivations, 1) << label;
    }
    EXPECT_EQ(host.radioPanels, Strings{c.session == 21 ? "3401" : "3318"}) << label;
  }
}

TEST_F(RadioSwitchTest, MulticomModeButtonsOfBothLayouts) {
  const std::int32_t haldor[] = {0, 1, 2, 3, 4, 5, 6};
  const std::int32_t panel747[] = {0, 1, 3, 2, 4, 5, 6};
  for (std::int32_t sw = 2; sw <= 8; ++sw) {
    ProcessSwitch(host, 21, sw, 1);
    ProcessSwitch(host, 23, sw, 1);
    EXPECT_EQ(host.multicomModes[0], haldor[sw - 2]) << sw;
    EXPECT_EQ(host.multicomModes[2], panel747[sw - 2]) << sw;
  }
  // Releases: only the transfer's acts (switch activity cleared); no panel refresh, but the activity mark.
  host.multicomModes[0] = 1;
  Clear();
  host.multicomActivityMarks = 0;
  for (std::int32_t sw : {1, 3, 10}) {
    host.switchActivity = true;
    ProcessSwitch(host, 21, sw, 0);
    EXPECT_EQ(host.switchActivity, sw != 1) << sw;
  }
  EXPECT_EQ(host.multicomModes[0], 1);
  EXPECT_TRUE(host.commands.empty());
  EXPECT_TRUE(host.radioPanels.empty());
  EXPECT_EQ(host.multicomActivityMarks, 3);
  EXPECT_EQ(host.b777Derivations, 0);
}

}  // namespace
}  // namespace switches_test
