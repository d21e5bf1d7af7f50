// Command texts into the add-on's events, for both aircraft, against the stand-in's journal: every row of
// both vocabularies, the CDU keys per column, the knob push-and-turn flags, and texts that send nothing.
#include <cstdio>
#include <set>

#include "controller/aircraft/command_translation.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_binding.h"
#include "tests/aircraft/standin_fixture.h"

namespace aircraft_test {
namespace {

using namespace aircraft;

struct Event {
  std::uint32_t event;
  std::uint32_t data;
  bool operator==(const Event&) const = default;
};
using Events = std::vector<Event>;

std::ostream& operator<<(std::ostream& out, const Event& e) {
  char text[40];
  std::snprintf(text, sizeof text, "(%u, 0x%08X)", e.event, e.data);
  return out << text;
}

constexpr std::uint32_t kLeftPress = 0x20000000, kLeftRelease = 0x00020000;
constexpr std::uint32_t kRightPress = 0x80000000, kRightRelease = 0x00080000;

Events Click(std::uint32_t e) { return {{e, kLeftPress}, {e, kLeftRelease}}; }
Events Value(std::uint32_t e, std::uint32_t data) { return {{e, data}}; }
Events Right(std::uint32_t e, int clicks) {
  Events events;
  for (int i = 0; i < clicks; ++i) events.insert(events.end(), {{e, kRightPress}, {e, kRightRelease}});
  return events;
}
Events Left(std::uint32_t e, int clicks) {
  Events events;
  for (int i = 0; i < clicks; ++i) events.insert(events.end(), {{e, kLeftPress}, {e, kLeftRelease}});
  return events;
}

struct Case {
  std::string command;
  Events sent;
};
using Cases = std::vector<Case>;

Cases Clicks(std::initializer_list<std::pair<const char*, std::uint32_t>> rows) {
  Cases cases;
  for (const auto& [command, event] : rows) cases.push_back({command, Click(event)});
  return cases;
}
// A command with each of its values and the data each sends to one event.
Cases Values(const std::string& name, std::uint32_t event, std::initializer_list<std::pair<const char*, int>> values) {
  Cases cases;
  for (const auto& [value, data] : values) {
    cases.push_back({name + "=" + value, Value(event, static_cast<std::uint32_t>(data))});
  }
  return cases;
}
Cases Ranges(const std::string& name, std::uint32_t event) {
  Cases cases;
  for (int range = 0; range <= 7; ++range) {
    cases.push_back({name + "=" + std::to_string(range), Value(event, static_cast<std::uint32_t>(range))});
  }
  return cases;
}
void Append(Cases& cases, const Cases& more) { cases.insert(cases.end(), more.begin(), more.end()); }

// Every 737 row with the knob pushes not held.
Cases Rows737() {
  Cases cases = Clicks({{"MCP_TOGGLE_AUTOTHROTTLE_ENGAGED=1", 70014}, {"MCP_ENGAGED=1", 70034},
                        {"MCP_ENGAGED_CMD_B=1", 70035}, {"MCP_CLB_CON=1", 70013}, {"MCP_VS_ENGAGED=1", 70027},
                        {"MCP_ALT_HOLD_ENGAGED=1", 70026}, {"MCP_APP=1", 70025}, {"MCP_LOC=1", 70028},
                        {"MCP_HDG_SELECT_ENGAGED=1", 70024}, {"MCP_VNAV=1", 70018}, {"MCP_LNAV=1", 70029},
                        {"MCP_FLCH=1", 70023}, {"MCP_ENGAGED_CWS_A=1", 70036}, {"MCP_ENGAGED_CWS_B=1", 70037},
                        {"MCP_ALT_SELECT_ENGAGED=1", 70517}, {"MCP_TOGGLE_MACH_SPEED_SELECTOR=1", 70015},
                        {"MCP_TOGGLE_SPEED_WINDOW=1", 70019}, {"ND_CAPTAIN_FPV=1", 69995},
                        {"ND_CAPTAIN_MTRS=1", 69996}, {"ND_CAPTAIN_CENTRED=1", 69992}, {"ND_CAPTAIN_TFC=1", 69994},
                        {"ND_CAPTAIN_WXR=1", 70001}, {"ND_CAPTAIN_STA=1", 70002}, {"ND_CAPTAIN_WPT=1", 70003},
                        {"ND_CAPTAIN_APT=1", 70004}, {"ND_CAPTAIN_DATA=1", 70005}, {"ND_CAPTAIN_POS=1", 70006},
                        {"ND_CAPTAIN_TER=1", 70007}, {"ND_FO_FPV=1", 70051}, {"ND_FO_MTRS=1", 70052},
                        {"ND_FO_CENTRED=1", 70048}, {"ND_FO_TFC=1", 70050}, {"ND_FO_WXR=1", 70057},
                        {"ND_FO_STA=1", 70058}, {"ND_FO_WPT=1", 70059}, {"ND_FO_APT=1", 70060},
                        {"ND_FO_DATA=1", 70061}, {"ND_FO_POS=1", 70062}, {"ND_FO_TER=1", 70063},
                        {"STD_SET_FO=2", 70055}, {"MF=532", 70045}});
  Append(cases, {{"MCP_KILL=1", Value(70038, 1)},
                 {"MCP_KILL=-1", Value(70038, 0xFFFFFFFF)},
                 {"NAV1_RADIO_COURSE_DECREASE=2", Left(70008, 2)},
                 {"NAV1_RADIO_COURSE_INCREASE=2", Right(70008, 2)},
                 {"NAV2_RADIO_COURSE_DECREASE=1", Left(70041, 1)},
                 {"NAV2_RADIO_COURSE_INCREASE=3", Right(70041, 3)},
                 {"MCP_SPEED_DECREASE=1", Left(70016, 1)},
                 {"MCP_SPEED_INCREASE=10", Right(70016, 10)},
                 {"MCP_HDG_DECREASE=5", Left(70022, 5)},
                 {"MCP_HDG_INCREASE=1", Right(70022, 1)},
                 {"MCP_HDG_INCREASE=-2", Left(70022, 2)},
                 {"MCP_HDG_INCREASE=0", Value(70022, 0)},
                 // One click per full 100 feet.
                 {"MCP_ALTITUDE_DECREASE=250", Left(70032, 2)},
                 {"MCP_ALTITUDE_INCREASE=1000", Right(70032, 10)},
                 {"MCP_ALTITUDE_DECREASE=50", Value(70032, 0)},
                 {"MCP_ALTITUDE_INCREASE=-199", Left(70032, 1)},
                 // The vertical-speed wheel turns the other way round.
                 {"MCP_VERTICAL_SPEED_DECREASE=2", Right(70033, 2)},
                 {"MCP_VERTICAL_SPEED_INCREASE=3", Left(70033, 3)},
                 {"NAV1_RADIO_COURSE_SET=123", Value(70008, 123)},
                 {"MCP_SPEED=250", Value(70016, 250)},
                 {"MCP_HDG=90", Value(70022, 90)},
                 {"MCP_VERTICAL_SPEED=-1500", Value(70033, static_cast<std::uint32_t>(-1500))},
                 {"MCP_ALTITUDE=35000", Value(70032, 35000)},
                 {"NAV2_RADIO_COURSE_SET=270", Value(70041, 270)},
                 {"MINIMUMS_DECREASE=1", Left(69987, 1)},
                 {"MINIMUMS_INCREASE=2", Right(69987, 2)},
                 {"CAPT_BARO_DECREASE=1", Left(69997, 1)},
                 {"CAPT_BARO_INCREASE=1", Right(69997, 1)},
                 {"MINIMUMS_FO_DECREASE=1", Left(70043, 1)},
                 {"MINIMUMS_FO_INCREASE=1", Right(70043, 1)},
                 {"FO_BARO_DECREASE=2", Left(70053, 2)},
                 {"FO_BARO_INCREASE=1", Right(70053, 1)}});
  Append(cases, Values("MCP_FLTDIR_L", 70010, {{"0", 1}, {"1", 0}}));
  Append(cases, Values("MCP_FLTDIR_R", 70039, {{"0", 1}, {"1", 0}}));
  Append(cases, Values("MCP_AUTOTHROTTLE_ARM_L", 70012, {{"0", 1}, {"1", 0}}));
  Append(cases, Values("MCP_BANK_ANGLE", 70021, {{"10", 0}, {"15", 1}, {"20", 2}, {"25", 3}, {"30", 4}}));
  Append(cases, Values("ND_CAPTAIN_MODE", 69991, {{"0", 3}, {"1", 2}, {"2", 1}, {"3", 0}}));
  Append(cases, Ranges("ND_CAPTAIN_RANGE", 69993));
  Append(cases, Values("MINIMUMS_MODE_CPT", 69988, {{"0", 0}, {"1", 1}}));
  Append(cases, Values("CAPT_BARO_INS_HPA", 69998, {{"0", 1}, {"1", 0}}));
  Append(cases, Values("ND_CAPTAIN_RADIO_L", 69990, {{"0", 1}, {"1", 0}, {"2", 2}}));
  Append(cases, Values("ND_CAPTAIN_RADIO_R", 70000, {{"0", 1}, {"1", 0}, {"2", 2}}));
  Append(cases, Values("ND_FO_MODE", 70047, {{"0", 3}, {"1", 2}, {"2", 1}, {"3", 0}}));
  Append(cases, Ranges("ND_FO_RANGE", 70049));
  Append(cases, Values("MINIMUMS_MODE_FO", 70044, {{"0", 0}, {"1", 1}}));
  Append(cases, Values("FO_BARO_INS_HPA", 70054, {{"0", 0}, {"1", 1}}));
  Append(cases, Values("ND_FO_RADIO_L", 70046, {{"0", 0}, {"1", 1}, {"2", 2}}));
  Append(cases, Values("ND_FO_RADIO_R", 70056, {{"0", 0}, {"1", 1}, {"2", 2}}));
  return cases;
}

// Every 777 row with the knob pushes not held, after the first rescan, ENABLE_FO_INS_HPA on.
Cases Rows777() {
  Cases cases = Clicks({{"MCP_TOGGLE_AUTOTHROTTLE_ENGAGED=1", 69839}, {"MCP_ENGAGED=1", 69835},
                        {"MCP_ENGAGED_CMD_B=1", 69861}, {"MCP_CLB_CON=1", 69838}, {"MCP_VS_ENGAGED=1", 69855},
                        {"MCP_ALT_HOLD_ENGAGED=1", 69858}, {"MCP_APP=1", 69860}, {"MCP_LOC=1", 69859},
                        {"MCP_HDG_SELECT_ENGAGED=1", 69850}, {"MCP_HDG_HOLD_ENGAGED=1", 69851},
                        {"MCP_VNAV=1", 69844}, {"MCP_LNAV=1", 69843}, {"MCP_FLCH=1", 69845},
                        {"MCP_ALT_SELECT_ENGAGED=1", 71883}, {"MCP_TOGGLE_MACH_SPEED_SELECTOR=1", 69840},
                        {"MCP_TOGGLE_SPEED_WINDOW=1", 71732}, {"MCP_TOGGLE_HDG_TRACK_SELECTOR=1", 69848},
                        {"MCP_TOGGLE_VS_FPA_SELECTOR=1", 69852}, {"ND_CAPTAIN_FPV=1", 69825},
                        {"ND_CAPTAIN_MTRS=1", 69826}, {"ND_CAPTAIN_CENTRED=1", 69818}, {"ND_CAPTAIN_TFC=1", 69820},
                        {"ND_CAPTAIN_WXR=1", 69827}, {"ND_CAPTAIN_STA=1", 69828}, {"ND_CAPTAIN_WPT=1", 69829},
                        {"ND_CAPTAIN_APT=1", 69830}, {"ND_CAPTAIN_DATA=1", 69831}, {"ND_CAPTAIN_POS=1", 69832},
                        {"ND_CAPTAIN_TER=1", 69833}, {"ND_FO_FPV=1", 69892}, {"ND_FO_MTRS=1", 69893},
                        {"ND_FO_CENTRED=1", 69885}, {"ND_FO_TFC=1", 69887}, {"ND_FO_WXR=1", 69894},
                        {"ND_FO_STA=1", 69895}, {"ND_FO_WPT=1", 69896}, {"ND_FO_APT=1", 69897},
                        {"ND_FO_DATA=1", 69898}, {"ND_FO_POS=1", 69899}, {"ND_FO_TER=1", 69900},
                        {"STD_SET_FO=2", 69891}, {"MF=532", 69882}});
  Append(cases, {{"MCP_KILL=1", Value(69846, 1)},
                 {"MCP_FLTDIR_L=0", Value(69834, 0)},
                 {"MCP_FLTDIR_R=1", Value(69862, 1)},
                 {"MCP_AUTOTHROTTLE_ARM_L=1", Value(69836, 1)},
                 {"MCP_AUTOTHROTTLE_ARM_R=0", Value(69837, 0)},
                 {"MCP_ALTITUDE_CH_UNIT=1", Value(69857, 1)},
                 {"MCP_SPEED_DECREASE=2", Left(69842, 2)},
                 {"MCP_SPEED_INCREASE=1", Right(69842, 1)},
                 {"MCP_HDG_DECREASE=1", Left(71812, 1)},
                 {"MCP_HDG_INCREASE=4", Right(71812, 4)},
                 // No scaling of the altitude on the 777.
                 {"MCP_ALTITUDE_DECREASE=2", Left(71882, 2)},
                 {"MCP_ALTITUDE_INCREASE=1", Right(71882, 1)},
                 {"MCP_VERTICAL_SPEED_DECREASE=1", Right(69854, 1)},
                 {"MCP_VERTICAL_SPEED_INCREASE=3", Left(69854, 3)},
                 {"MCP_SPEED=180", Value(69842, 180)},
                 {"MCP_HDG=360", Value(71812, 360)},
                 {"MCP_VERTICAL_SPEED=-800", Value(69854, static_cast<std::uint32_t>(-800))},
                 {"MCP_ALTITUDE=12000", Value(69857, 12000)},
                 // The MINS and BARO knobs turn by value; FO knobs turn the same way both directions.
                 {"MINIMUMS_DECREASE=-1", Value(69814, 0xFFFFFFFF)},
                 {"MINIMUMS_INCREASE=1", Value(69814, 1)},
                 {"CAPT_BARO_DECREASE=-1", Value(69823, 0xFFFFFFFF)},
                 {"CAPT_BARO_INCREASE=1", Value(69823, 1)},
                 {"MINIMUMS_FO_DECREASE=-1", Left(69881, 1)},
                 {"MINIMUMS_FO_INCREASE=2", Right(69881, 2)},
                 {"FO_BARO_DECREASE=-2", Left(69889, 2)},
                 {"FO_BARO_INCREASE=1", Right(69889, 1)},
                 {"MFD_DISPLAY=10", Value(69876, 1)},
                 {"MFD_DISPLAY=11", Value(69877, 1)},
                 {"MFD_DISPLAY=12", Value(69878, 1)},
                 {"EICAS_RECALL=1", Value(69879, 1)}});
  for (int display = 1; display <= 9; ++display) {
    cases.push_back({"MFD_DISPLAY=" + std::to_string(display), Value(69865 + static_cast<std::uint32_t>(display), 1)});
  }
  Append(cases, Values("MCP_BANK_ANGLE", 71813, {{"30", 0}, {"5", 1}, {"10", 2}, {"15", 3}, {"20", 4}, {"25", 5}}));
  Append(cases, Values("ND_CAPTAIN_MODE", 69817, {{"0", 3}, {"1", 2}, {"2", 1}, {"3", 0}}));
  Append(cases, Ranges("ND_CAPTAIN_RANGE", 69819));
  Append(cases, Values("MINIMUMS_MODE_CPT", 69813, {{"0", 0}, {"1", 1}}));
  Append(cases, Values("CAPT_BARO_INS_HPA", 69822, {{"0", 1}, {"1", 0}}));
  Append(cases, Values("ND_CAPTAIN_RADIO_L", 69816, {{"0", 1}, {"1", 0}, {"2", 2}}));
  Append(cases, Values("ND_CAPTAIN_RADIO_R", 69821, {{"0", 1}, {"1", 0}, {"2", 2}}));
  Append(cases, Values("ND_FO_MODE", 69884, {{"0", 3}, {"1", 2}, {"2", 1}, {"3", 0}}));
  Append(cases, Ranges("ND_FO_RANGE", 69886));
  Append(cases, Values("MINIMUMS_MODE_FO", 69880, {{"0", 0}, {"1", 1}}));
  Append(cases, Values("FO_BARO_INS_HPA", 69890, {{"0", 0}, {"1", 1}}));
  Append(cases, Values("ND_FO_RADIO_L", 69883, {{"0", 0}, {"1", 1}, {"2", 2}}));
  Append(cases, Values("ND_FO_RADIO_R", 69888, {{"0", 0}, {"1", 1}, {"2", 2}}));
  cases.push_back({"MFD_DISPLAY_POSITION=1", Value(69863, 1)});
  cases.push_back({"MFD_DISPLAY_POSITION=0", Value(69865, 1)});
  cases.push_back({"MFD_DISPLAY_POSITION=2", Value(69864, 1)});
  return cases;
}

class TranslationTest : public StandInTest {
 protected:
  // Opens the aircraft's session and keeps the events it mapped.
  void Select(bool is777) {
    ForgetSimSession();
    StandIn().Reset();
    BindStandIn();
    host_.is777 = is777;
    is777 ? OpenSim777() : OpenSim737();
    mapped_.clear();
    for (const std::string& line : Journal()) {
      unsigned event = 0;
      if (std::sscanf(line.c_str(), "SimConnect_MapClientEventToSimEvent(1, %u,", &event) == 1) mapped_.insert(event);
    }
    StandIn().ClearJournal();
  }

  // The events a command sent, each checked to go to the user aircraft at the highest priority.
  Events Send(const std::string& command) {
    StandIn().ClearJournal();
    SendServerMessage(command);
    Events sent;
    for (const std::string& line : Journal()) {
      char session[8] = {};
      unsigned object = 0, event = 0, data = 0, group = 0, flags = 0;
      EXPECT_EQ(std::sscanf(line.c_str(), "SimConnect_TransmitClientEvent(%7[^,], %u, %u, 0x%X, %u, %u)", session,
                            &object, &event, &data, &group, &flags),
                6)
          << line;
      EXPECT_STREQ(session, SimSession() != nullptr ? "1" : "0");
      EXPECT_EQ(object, 0u);
      EXPECT_EQ(group, 1u);
      EXPECT_EQ(flags, 16u);
      sent.push_back({event, data});
    }
    return sent;
  }

  void ExpectAllRows(const Cases& cases) {
    for (const Case& c : cases) {
      EXPECT_EQ(Send(c.command), c.sent) << c.command;
      for (const Event& e : c.sent) EXPECT_TRUE(mapped_.contains(e.event)) << c.command << " sends unmapped " << e;
    }
  }

  std::set<unsigned> mapped_;
};

TEST_F(TranslationTest, Every737Row) {
  Select(false);
  ExpectAllRows(Rows737());
  EXPECT_TRUE(host_.timersStarted.empty());
}

TEST_F(TranslationTest, Every777Row) {
  Select(true);
  host_.rescanned = true;
  host_.foInsHpa = true;
  ExpectAllRows(Rows777());
}

TEST_F(TranslationTest, CduKeysPerColumnAndAircraft) {
  struct CduCase {
    bool is777;
    const char* command;
    Events sent;
  };
  const CduCase cases[] = {
      {false, "CDU_CAPTAIN_INPUT=1", Value(70188, kLeftPress)},
      {false, "CDU_CAPTAIN_INPUT=70", Value(70182, kLeftPress)},
      {false, "CDU_CAPTAIN_INPUT=57", Value(70166, kLeftPress)},
      {false, "CDU_FO_INPUT=1", Value(70188 + 72, kLeftPress)},
      {false, "CDU_FO_INPUT=49", Value(70234 + 72, kLeftPress)},
      {false, "CDU_CAPTAIN_INPUT=253", Value(70234, kLeftPress)},
      {false, "CDU_CAPTAIN_INPUT=254", Value(70234, kLeftRelease)},
      {false, "CDU_FO_INPUT=254", Value(70234 + 72, kLeftRelease)},
      {false, "CDU_OBS_INPUT=1", {}},  // the 737 has no observer column
      {true, "CDU_CAPTAIN_INPUT=3", Value(73103, kLeftPress)},
      {true, "CDU_CAPTAIN_INPUT=253", Value(70027, kLeftPress)},
      {true, "CDU_CAPTAIN_INPUT=254", Value(70027, kLeftRelease)},
      {true, "CDU_FO_INPUT=3", Value(73103 + 73, kLeftPress)},
      {true, "CDU_FO_INPUT=70", Value(69976 + 73, kLeftPress)},
      {true, "CDU_OBS_INPUT=1", Value(70306, kLeftPress)},
      {true, "CDU_OBS_INPUT=3", Value(73428, kLeftPress)},
      {true, "CDU_OBS_INPUT=254", Value(70027 + 325, kLeftRelease)},
  };
  for (const bool is777 : {false, true}) {
    Select(is777);
    for (const CduCase& c : cases) {
      if (c.is777 != is777) continue;
      EXPECT_EQ(Send(c.command), c.sent) << c.command;
      for (const Event& e : c.sent) EXPECT_TRUE(mapped_.contains(e.event)) << c.command;
    }
    for (const char* nothing : {"CDU_FO_INPUT=24", "CDU_CAPTAIN_INPUT=0", "CDU_CAPTAIN_INPUT=71",
                                "CDU_CAPTAIN_INPUT=-1", "CDU_CAPTAIN_INPUT=", "CDU_OBS_INPUT=x", "CDU_CAPTAIN_INPUT"}) {
      EXPECT_EQ(Send(nothing), Events{}) << nothing;
    }
  }
}

TEST_F(TranslationTest, UnknownNamesAndValuesSendNothing) {
  const char* const nothing[] = {"PARKING_BRAKE=1", "MCP_BANK_ANGLE=35", "ND_CAPTAIN_RANGE=8", "mcp_vnav=1", "=1", "", "MF=531", "EICAS_RECALL=0", "MCP_SPEED=",
                                 "MCP_SPEED=fast", "MCP_HDG_INCREASE=1.5", "MCP_ALTITUDE=99999999999",
                                 "MCP_SPEED_INCREASE=12x", "DEDIZORI_CLIENT=1", "MFD_DISPLAY=13"};
  for (const bool is777 : {false, true}) {
    Select(is777);
    host_.rescanned = true;
    for (const char* command : nothing) EXPECT_EQ(Send(command), Events{}) << command;
  }
  Select(false);
  // The 777-only names and values do nothing on the 737.
  for (const char* command : {"MCP_BANK_ANGLE=5", "MCP_FLTDIR_L=2", "MFD_DISPLAY=1", "MCP_AUTOTHROTTLE_ARM_R=1", "EICAS_RECALL=1"}) {
    EXPECT_EQ(Send(command), Events{}) << command;
  }
  Select(true);
  for (const char* command : {"MCP_ENGAGED_CWS_A=1", "NAV1_RADIO_COURSE_SET=10"}) {
    EXPECT_EQ(Send(command), Events{}) << command;
  }
}

TEST_F(TranslationTest, TheValueIsEverythingAfterTheFirstEquals) {
  Select(false);
  EXPECT_EQ(Send("MCP_SPEED=2=3"), Events{});
  EXPECT_EQ(Send("MCP_VNAV=1=2"), Click(70018));  // a click takes any value
  EXPECT_EQ(Send("MCP_VNAV"), Click(70018));      // no "=": the empty value
}

TEST_F(TranslationTest, RotationsAreCappedAndComputedIn64Bits) {
  Select(false);
  EXPECT_EQ(Send("MCP_HDG_INCREASE=2147483647").size(), 2u * kMaxClicksPerCommand);
  const Events down = Send("MCP_HDG_DECREASE=-2147483648");  // -(-2^31) clicks right
  ASSERT_EQ(down.size(), 2u * kMaxClicksPerCommand);
  EXPECT_EQ(down[0], (Event{70022, kRightPress}));
  EXPECT_EQ(Send("MCP_ALTITUDE_INCREASE=2147483647").size(), 2u * kMaxClicksPerCommand);
}

TEST_F(TranslationTest, KnobPushHeldSendsTheModeInsteadOfTheTurn) {
  struct HeldCase {
    bool is777;
    bool mins;  // else BARO held
    const char* command;
    Events sent;
  };
  const HeldCase cases[] = {
      {false, true, "MINIMUMS_DECREASE=1", Value(69988, 0)},   {false, true, "MINIMUMS_INCREASE=1", Value(69988, 1)},
      {false, true, "MINIMUMS_FO_DECREASE=1", Value(70044, 0)}, {false, true, "MINIMUMS_FO_INCREASE=1", Value(70044, 1)},
      {false, false, "CAPT_BARO_DECREASE=1", Value(69998, 0)}, {false, false, "CAPT_BARO_INCREASE=1", Value(69998, 0)},
      {false, false, "FO_BARO_DECREASE=1", Value(70054, 0)},   {false, false, "FO_BARO_INCREASE=1", Value(70054, 0)},
      {true, true, "MINIMUMS_DECREASE=1", Value(69813, 0)},    {true, true, "MINIMUMS_INCREASE=x", Value(69813, 1)},
      {true, true, "MINIMUMS_FO_DECREASE=1", Value(69880, 0)}, {true, true, "MINIMUMS_FO_INCREASE=1", Value(69880, 1)},
      {true, false, "CAPT_BARO_DECREASE=1", Value(69822, 0)},  {true, false, "CAPT_BARO_INCREASE=1", Value(69822, 0)},
      {true, false, "FO_BARO_DECREASE=1", Value(69890, 0)},    {true, false, "FO_BARO_INCREASE=1", Value(69890, 0)},
  };
  for (const HeldCase& c : cases) {
    Select(c.is777);
    host_.rescanned = true;
    host_.flags = {};
    (c.mins ? host_.flags.mins_push_held_cpt : host_.flags.baro_push_held_cpt) = true;
    EXPECT_EQ(Send(c.command), c.sent) << c.command;
    EXPECT_TRUE(host_.timersStarted.empty()) << c.command;  // no release timer for a mode change
  }
}

TEST_F(TranslationTest, PushReleaseClicksUnlessTurnedWhileHeld) {
  for (const bool is777 : {false, true}) {
    Select(is777);
    const std::uint32_t reset = is777 ? 69815 : 69989;
    const std::uint32_t standard = is777 ? 69824 : 69999;
    // Start-up and every rescan leave the turn flags set: the first release clicks nothing and clears them.
    host_.flags.mins_turned_while_held_cpt = true;
    host_.flags.baro_turned_while_held_cpt = true;
    EXPECT_EQ(Send("MF=530"), Events{});
    EXPECT_EQ(Send("STD_SET_CAPT=2"), Events{});
    EXPECT_EQ(Send("MF=530"), Click(reset));
    EXPECT_EQ(Send("STD_SET_CAPT=2"), Click(standard));

    EXPECT_EQ(Send("ND_CAPTAIN_RST_PUSH=1"), Events{});
    EXPECT_TRUE(host_.flags.mins_push_held_cpt);
    host_.flags.mins_turned_while_held_cpt = true;  // the switch processing saw a detent
    EXPECT_EQ(Send("MF=530"), Events{});
    EXPECT_FALSE(host_.flags.mins_push_held_cpt);
    EXPECT_FALSE(host_.flags.mins_turned_while_held_cpt);

    host_.flags.baro_turned_while_held_cpt = true;
    EXPECT_EQ(Send("ND_CAPTAIN_STD_PUSH=1"), Events{});  // a push clears the turn flag
    EXPECT_TRUE(host_.flags.baro_push_held_cpt);
    EXPECT_FALSE(host_.flags.baro_turned_while_held_cpt);
    EXPECT_EQ(Send("STD_SET_CAPT=2"), Click(standard));
    EXPECT_FALSE(host_.flags.baro_push_held_cpt);
  }
}

TEST_F(TranslationTest, The777KnobTurnsWaitForTheRescanAndStartTheirReleaseTimers) {
  Select(true);
  for (const char* command : {"CAPT_BARO_INCREASE=1", "CAPT_BARO_DECREASE=1", "MINIMUMS_FO_INCREASE=1",
                              "MINIMUMS_FO_DECREASE=1"}) {
    EXPECT_EQ(Send(command), Events{}) << command;
  }
  EXPECT_EQ(Send("FO_BARO_INS_HPA=1"), Events{});  // ENABLE_FO_INS_HPA off
  EXPECT_TRUE(host_.timersStarted.empty());

  host_.rescanned = true;
  const std::pair<const char*, KnobReleaseTimer> turns[] = {
      {"MINIMUMS_INCREASE=1", KnobReleaseTimer::kCaptainMins},
      {"MINIMUMS_DECREASE=1", KnobReleaseTimer::kCaptainMins},
      {"CAPT_BARO_INCREASE=1", KnobReleaseTimer::kCaptainBaro},
      {"CAPT_BARO_DECREASE=1", KnobReleaseTimer::kCaptainBaro},
      {"MINIMUMS_FO_INCREASE=1", KnobReleaseTimer::kFirstOfficerMins},
      {"MINIMUMS_FO_DECREASE=1", KnobReleaseTimer::kFirstOfficerMins},
      {"FO_BARO_INCREASE=1", KnobReleaseTimer::kFirstOfficerBaro},
      {"FO_BARO_DECREASE=1", KnobReleaseTimer::kFirstOfficerBaro}};
  for (const auto& [command, timer] : turns) {
    host_.timersStarted.clear();
    EXPECT_FALSE(Send(command).empty()) << command;
    EXPECT_EQ(host_.timersStarted, std::vector<KnobReleaseTimer>{timer}) << command;
  }
  host_.timersStarted.clear();
  EXPECT_EQ(Send("MINIMUMS_INCREASE=up"), Events{});  // nothing sent, no timer
  EXPECT_TRUE(host_.timersStarted.empty());
}

TEST_F(TranslationTest, WithoutASessionEventsGoToTheNullHandle) {
  Select(false);
  ForgetSimSession();
  EXPECT_EQ(Send("MCP_VNAV=1"), Click(70018));
}

}  // namespace
}  // namespace aircraft_test
