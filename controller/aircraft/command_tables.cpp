#include "controller/aircraft/command_tables.h"

#include <algorithm>
#include <iterator>

namespace aircraft {

namespace {

constexpr CommandRow Click(const char* name, std::uint32_t event) {
  return {name, nullptr, SendForm::kClick, event, 0};
}
constexpr CommandRow ClickOn(const char* name, const char* value, std::uint32_t event) {
  return {name, value, SendForm::kClick, event, 0};
}
constexpr CommandRow Value(const char* name, const char* value, std::uint32_t event, std::int32_t data) {
  return {name, value, SendForm::kValue, event, data};
}
constexpr CommandRow ValueAny(const char* name, std::uint32_t event, std::int32_t data) {
  return {name, nullptr, SendForm::kValue, event, data};
}
constexpr CommandRow ValueN(const char* name, std::uint32_t event) {
  return {name, nullptr, SendForm::kValueN, event, 0};
}
constexpr CommandRow Rotate(const char* name, std::uint32_t event, std::int32_t direction) {
  return {name, nullptr, SendForm::kRotateN, event, direction};
}
constexpr CommandRow RotateHundreds(const char* name, std::uint32_t event, std::int32_t direction) {
  return {name, nullptr, SendForm::kRotateHundredsN, event, direction};
}
constexpr CommandRow Special(const char* name, const char* value, SendForm form, std::uint32_t event) {
  return {name, value, form, event, 0};
}

constexpr auto kMinsHeld = Hold::kMinsHeld;
constexpr auto kMinsFree = Hold::kMinsNotHeld;
constexpr auto kBaroHeld = Hold::kBaroHeld;
constexpr auto kBaroFree = Hold::kBaroNotHeld;
constexpr auto kRescanned = Gate::kSwitchesRescanned;

const CommandRow kTable737[] = {
    Click("MCP_TOGGLE_AUTOTHROTTLE_ENGAGED", 70014),
    Click("MCP_ENGAGED", 70034),
    Click("MCP_ENGAGED_CMD_B", 70035),
    Click("MCP_CLB_CON", 70013),
    Click("MCP_VS_ENGAGED", 70027),
    Click("MCP_ALT_HOLD_ENGAGED", 70026),
    Click("MCP_APP", 70025),
    Click("MCP_LOC", 70028),
    Click("MCP_HDG_SELECT_ENGAGED", 70024),
    Click("MCP_VNAV", 70018),
    Click("MCP_LNAV", 70029),
    Click("MCP_FLCH", 70023),
    Click("MCP_ENGAGED_CWS_A", 70036),
    Click("MCP_ENGAGED_CWS_B", 70037),
    Click("MCP_ALT_SELECT_ENGAGED", 70517),
    Click("MCP_TOGGLE_MACH_SPEED_SELECTOR", 70015),
    Click("MCP_TOGGLE_SPEED_WINDOW", 70019),
    Click("ND_CAPTAIN_FPV", 69995),
    Click("ND_CAPTAIN_MTRS", 69996),
    Click("ND_CAPTAIN_CENTRED", 69992),
    Click("ND_CAPTAIN_TFC", 69994),
    Click("ND_CAPTAIN_WXR", 70001),
    Click("ND_CAPTAIN_STA", 70002),
    Click("ND_CAPTAIN_WPT", 70003),
    Click("ND_CAPTAIN_APT", 70004),
    Click("ND_CAPTAIN_DATA", 70005),
    Click("ND_CAPTAIN_POS", 70006),
    Click("ND_CAPTAIN_TER", 70007),
    Click("ND_FO_FPV", 70051),
    Click("ND_FO_MTRS", 70052),
    Click("ND_FO_CENTRED", 70048),
    Click("ND_FO_TFC", 70050),
    Click("ND_FO_WXR", 70057),
    Click("ND_FO_STA", 70058),
    Click("ND_FO_WPT", 70059),
    Click("ND_FO_APT", 70060),
    Click("ND_FO_DATA", 70061),
    Click("ND_FO_POS", 70062),
    Click("ND_FO_TER", 70063),
    Click("STD_SET_FO", 70055),
    ClickOn("MF", "532", 70045),

    ValueN("MCP_KILL", 70038),
    Value("MCP_FLTDIR_L", "0", 70010, 1),
    Value("MCP_FLTDIR_L", "1", 70010, 0),
    Value("MCP_FLTDIR_R", "0", 70039, 1),
    Value("MCP_FLTDIR_R", "1", 70039, 0),
    Value("MCP_AUTOTHROTTLE_ARM_L", "0", 70012, 1),
    Value("MCP_AUTOTHROTTLE_ARM_L", "1", 70012, 0),
    Rotate("NAV1_RADIO_COURSE_DECREASE", 70008, -1),
    Rotate("NAV1_RADIO_COURSE_INCREASE", 70008, 1),
    Rotate("NAV2_RADIO_COURSE_DECREASE", 70041, -1),
    Rotate("NAV2_RADIO_COURSE_INCREASE", 70041, 1),
    Rotate("MCP_SPEED_DECREASE", 70016, -1),
    Rotate("MCP_SPEED_INCREASE", 70016, 1),
    Rotate("MCP_HDG_DECREASE", 70022, -1),
    Rotate("MCP_HDG_INCREASE", 70022, 1),
    RotateHundreds("MCP_ALTITUDE_DECREASE", 70032, -1),
    RotateHundreds("MCP_ALTITUDE_INCREASE", 70032, 1),
    // The vertical-speed wheel turns the other way round.
    Rotate("MCP_VERTICAL_SPEED_DECREASE", 70033, 1),
    Rotate("MCP_VERTICAL_SPEED_INCREASE", 70033, -1),
    ValueN("NAV1_RADIO_COURSE_SET", 70008),
    ValueN("MCP_SPEED", 70016),
    ValueN("MCP_HDG", 70022),
    ValueN("MCP_VERTICAL_SPEED", 70033),
    ValueN("MCP_ALTITUDE", 70032),
    ValueN("NAV2_RADIO_COURSE_SET", 70041),
    Value("MCP_BANK_ANGLE", "10", 70021, 0),
    Value("MCP_BANK_ANGLE", "15", 70021, 1),
    Value("MCP_BANK_ANGLE", "20", 70021, 2),
    Value("MCP_BANK_ANGLE", "25", 70021, 3),
    Value("MCP_BANK_ANGLE", "30", 70021, 4),
    Value("ND_CAPTAIN_MODE", "0", 69991, 3),
    Value("ND_CAPTAIN_MODE", "1", 69991, 2),
    Value("ND_CAPTAIN_MODE", "2", 69991, 1),
    Value("ND_CAPTAIN_MODE", "3", 69991, 0),
    Value("ND_CAPTAIN_RANGE", "0", 69993, 0),
    Value("ND_CAPTAIN_RANGE", "1", 69993, 1),
    Value("ND_CAPTAIN_RANGE", "2", 69993, 2),
    Value("ND_CAPTAIN_RANGE", "3", 69993, 3),
    Value("ND_CAPTAIN_RANGE", "4", 69993, 4),
    Value("ND_CAPTAIN_RANGE", "5", 69993, 5),
    Value("ND_CAPTAIN_RANGE", "6", 69993, 6),
    Value("ND_CAPTAIN_RANGE", "7", 69993, 7),
    ValueAny("MINIMUMS_DECREASE", 69988, 0).When(kMinsHeld),
    Rotate("MINIMUMS_DECREASE", 69987, -1).When(kMinsFree),
    ValueAny("MINIMUMS_INCREASE", 69988, 1).When(kMinsHeld),
    Rotate("MINIMUMS_INCREASE", 69987, 1).When(kMinsFree),
    Value("MINIMUMS_MODE_CPT", "0", 69988, 0),
    Value("MINIMUMS_MODE_CPT", "1", 69988, 1),
    Special("ND_CAPTAIN_RST_PUSH", nullptr, SendForm::kMinsPush, 0),
    Special("MF", "530", SendForm::kMinsRelease, 69989),
    ValueAny("CAPT_BARO_DECREASE", 69998, 0).When(kBaroHeld),
    Rotate("CAPT_BARO_DECREASE", 69997, -1).When(kBaroFree),
    ValueAny("CAPT_BARO_INCREASE", 69998, 0).When(kBaroHeld),
    Rotate("CAPT_BARO_INCREASE", 69997, 1).When(kBaroFree),
    Value("CAPT_BARO_INS_HPA", "0", 69998, 1),
    Value("CAPT_BARO_INS_HPA", "1", 69998, 0),
    Special("ND_CAPTAIN_STD_PUSH", nullptr, SendForm::kBaroPush, 0),
    Special("STD_SET_CAPT", nullptr, SendForm::kBaroRelease, 69999),
    Value("ND_CAPTAIN_RADIO_L", "0", 69990, 1),
    Value("ND_CAPTAIN_RADIO_L", "1", 69990, 0),
    Value("ND_CAPTAIN_RADIO_L", "2", 69990, 2),
    Value("ND_CAPTAIN_RADIO_R", "0", 70000, 1),
    Value("ND_CAPTAIN_RADIO_R", "1", 70000, 0),
    Value("ND_CAPTAIN_RADIO_R", "2", 70000, 2),
    Value("ND_FO_MODE", "0", 70047, 3),
    Value("ND_FO_MODE", "1", 70047, 2),
    Value("ND_FO_MODE", "2", 70047, 1),
    Value("ND_FO_MODE", "3", 70047, 0),
    Value("ND_FO_RANGE", "0", 70049, 0),
    Value("ND_FO_RANGE", "1", 70049, 1),
    Value("ND_FO_RANGE", "2", 70049, 2),
    Value("ND_FO_RANGE", "3", 70049, 3),
    Value("ND_FO_RANGE", "4", 70049, 4),
    Value("ND_FO_RANGE", "5", 70049, 5),
    Value("ND_FO_RANGE", "6", 70049, 6),
    Value("ND_FO_RANGE", "7", 70049, 7),
    // The first officer's knobs follow the captain's push flags.
    ValueAny("MINIMUMS_FO_DECREASE", 70044, 0).When(kMinsHeld),
    Rotate("MINIMUMS_FO_DECREASE", 70043, -1).When(kMinsFree),
    ValueAny("MINIMUMS_FO_INCREASE", 70044, 1).When(kMinsHeld),
    Rotate("MINIMUMS_FO_INCREASE", 70043, 1).When(kMinsFree),
    Value("MINIMUMS_MODE_FO", "0", 70044, 0),
    Value("MINIMUMS_MODE_FO", "1", 70044, 1),
    ValueAny("FO_BARO_DECREASE", 70054, 0).When(kBaroHeld),
    Rotate("FO_BARO_DECREASE", 70053, -1).When(kBaroFree),
    ValueAny("FO_BARO_INCREASE", 70054, 0).When(kBaroHeld),
    Rotate("FO_BARO_INCREASE", 70053, 1).When(kBaroFree),
    Value("FO_BARO_INS_HPA", "0", 70054, 0),
    Value("FO_BARO_INS_HPA", "1", 70054, 1),
    Value("ND_FO_RADIO_L", "0", 70046, 0),
    Value("ND_FO_RADIO_L", "1", 70046, 1),
    Value("ND_FO_RADIO_L", "2", 70046, 2),
    Value("ND_FO_RADIO_R", "0", 70056, 0),
    Value("ND_FO_RADIO_R", "1", 70056, 1),
    Value("ND_FO_RADIO_R", "2", 70056, 2),
};

constexpr auto kCptMinsTimer = KnobReleaseTimer::kCaptainMins;
constexpr auto kCptBaroTimer = KnobReleaseTimer::kCaptainBaro;
constexpr auto kFoMinsTimer = KnobReleaseTimer::kFirstOfficerMins;
constexpr auto kFoBaroTimer = KnobReleaseTimer::kFirstOfficerBaro;

const CommandRow kTable777[] = {
    Click("MCP_TOGGLE_AUTOTHROTTLE_ENGAGED", 69839),
    Click("MCP_ENGAGED", 69835),
    Click("MCP_ENGAGED_CMD_B", 69861),
    Click("MCP_CLB_CON", 69838),
    Click("MCP_VS_ENGAGED", 69855),
    Click("MCP_ALT_HOLD_ENGAGED", 69858),
    Click("MCP_APP", 69860),
    Click("MCP_LOC", 69859),
    Click("MCP_HDG_SELECT_ENGAGED", 69850),
    Click("MCP_HDG_HOLD_ENGAGED", 69851),
    Click("MCP_VNAV", 69844),
    Click("MCP_LNAV", 69843),
    Click("MCP_FLCH", 69845),
    Click("MCP_ALT_SELECT_ENGAGED", 71883),
    Click("MCP_TOGGLE_MACH_SPEED_SELECTOR", 69840),
    Click("MCP_TOGGLE_SPEED_WINDOW", 71732),
    Click("MCP_TOGGLE_HDG_TRACK_SELECTOR", 69848),
    Click("MCP_TOGGLE_VS_FPA_SELECTOR", 69852),
    Click("ND_CAPTAIN_FPV", 69825),
    Click("ND_CAPTAIN_MTRS", 69826),
    Click("ND_CAPTAIN_CENTRED", 69818),
    Click("ND_CAPTAIN_TFC", 69820),
    Click("ND_CAPTAIN_WXR", 69827),
    Click("ND_CAPTAIN_STA", 69828),
    Click("ND_CAPTAIN_WPT", 69829),
    Click("ND_CAPTAIN_APT", 69830),
    Click("ND_CAPTAIN_DATA", 69831),
    Click("ND_CAPTAIN_POS", 69832),
    Click("ND_CAPTAIN_TER", 69833),
    Click("ND_FO_FPV", 69892),
    Click("ND_FO_MTRS", 69893),
    Click("ND_FO_CENTRED", 69885),
    Click("ND_FO_TFC", 69887),
    Click("ND_FO_WXR", 69894),
    Click("ND_FO_STA", 69895),
    Click("ND_FO_WPT", 69896),
    Click("ND_FO_APT", 69897),
    Click("ND_FO_DATA", 69898),
    Click("ND_FO_POS", 69899),
    Click("ND_FO_TER", 69900),
    Click("STD_SET_FO", 69891),
    ClickOn("MF", "532", 69882),

    ValueN("MCP_KILL", 69846),
    ValueN("MCP_FLTDIR_L", 69834),
    ValueN("MCP_FLTDIR_R", 69862),
    ValueN("MCP_AUTOTHROTTLE_ARM_L", 69836),
    ValueN("MCP_AUTOTHROTTLE_ARM_R", 69837),
    ValueN("MCP_ALTITUDE_CH_UNIT", 69857),
    Rotate("MCP_SPEED_DECREASE", 69842, -1),
    Rotate("MCP_SPEED_INCREASE", 69842, 1),
    Rotate("MCP_HDG_DECREASE", 71812, -1),
    Rotate("MCP_HDG_INCREASE", 71812, 1),
    Rotate("MCP_ALTITUDE_DECREASE", 71882, -1),
    Rotate("MCP_ALTITUDE_INCREASE", 71882, 1),
    Rotate("MCP_VERTICAL_SPEED_DECREASE", 69854, 1),
    Rotate("MCP_VERTICAL_SPEED_INCREASE", 69854, -1),
    ValueN("MCP_SPEED", 69842),
    ValueN("MCP_HDG", 71812),
    ValueN("MCP_VERTICAL_SPEED", 69854),
    ValueN("MCP_ALTITUDE", 69857),
    Value("MCP_BANK_ANGLE", "30", 71813, 0),
    Value("MCP_BANK_ANGLE", "5", 71813, 1),
    Value("MCP_BANK_ANGLE", "10", 71813, 2),
    Value("MCP_BANK_ANGLE", "15", 71813, 3),
    Value("MCP_BANK_ANGLE", "20", 71813, 4),
    Value("MCP_BANK_ANGLE", "25", 71813, 5),
    Value("ND_CAPTAIN_MODE", "0", 69817, 3),
    Value("ND_CAPTAIN_MODE", "1", 69817, 2),
    Value("ND_CAPTAIN_MODE", "2", 69817, 1),
    Value("ND_CAPTAIN_MODE", "3", 69817, 0),
    Value("ND_CAPTAIN_RANGE", "0", 69819, 0),
    Value("ND_CAPTAIN_RANGE", "1", 69819, 1),
    Value("ND_CAPTAIN_RANGE", "2", 69819, 2),
    Value("ND_CAPTAIN_RANGE", "3", 69819, 3),
    Value("ND_CAPTAIN_RANGE", "4", 69819, 4),
    Value("ND_CAPTAIN_RANGE", "5", 69819, 5),
    Value("ND_CAPTAIN_RANGE", "6", 69819, 6),
    Value("ND_CAPTAIN_RANGE", "7", 69819, 7),
    // The MINS and BARO knobs turn by value; their release timer sends the button releases.
    ValueAny("MINIMUMS_DECREASE", 69813, 0).When(kMinsHeld),
    ValueN("MINIMUMS_DECREASE", 69814).When(kMinsFree).Starts(kCptMinsTimer),
    ValueAny("MINIMUMS_INCREASE", 69813, 1).When(kMinsHeld),
    ValueN("MINIMUMS_INCREASE", 69814).When(kMinsFree).Starts(kCptMinsTimer),
    Value("MINIMUMS_MODE_CPT", "0", 69813, 0),
    Value("MINIMUMS_MODE_CPT", "1", 69813, 1),
    Special("ND_CAPTAIN_RST_PUSH", nullptr, SendForm::kMinsPush, 0),
    Special("MF", "530", SendForm::kMinsRelease, 69815),
    ValueAny("CAPT_BARO_DECREASE", 69822, 0).When(kBaroHeld).Only(kRescanned),
    ValueN("CAPT_BARO_DECREASE", 69823).When(kBaroFree).Only(kRescanned).Starts(kCptBaroTimer),
    ValueAny("CAPT_BARO_INCREASE", 69822, 0).When(kBaroHeld).Only(kRescanned),
    ValueN("CAPT_BARO_INCREASE", 69823).When(kBaroFree).Only(kRescanned).Starts(kCptBaroTimer),
    Value("CAPT_BARO_INS_HPA", "0", 69822, 1),
    Value("CAPT_BARO_INS_HPA", "1", 69822, 0),
    Special("ND_CAPTAIN_STD_PUSH", nullptr, SendForm::kBaroPush, 0),
    Special("STD_SET_CAPT", nullptr, SendForm::kBaroRelease, 69824),
    Value("ND_CAPTAIN_RADIO_L", "0", 69816, 1),
    Value("ND_CAPTAIN_RADIO_L", "1", 69816, 0),
    Value("ND_CAPTAIN_RADIO_L", "2", 69816, 2),
    Value("ND_CAPTAIN_RADIO_R", "0", 69821, 1),
    Value("ND_CAPTAIN_RADIO_R", "1", 69821, 0),
    Value("ND_CAPTAIN_RADIO_R", "2", 69821, 2),
    Value("ND_FO_MODE", "0", 69884, 3),
    Value("ND_FO_MODE", "1", 69884, 2),
    Value("ND_FO_MODE", "2", 69884, 1),
    Value("ND_FO_MODE", "3", 69884, 0),
    Value("ND_FO_RANGE", "0", 69886, 0),
    Value("ND_FO_RANGE", "1", 69886, 1),
    Value("ND_FO_RANGE", "2", 69886, 2),
    Value("ND_FO_RANGE", "3", 69886, 3),
    Value("ND_FO_RANGE", "4", 69886, 4),
    Value("ND_FO_RANGE", "5", 69886, 5),
    Value("ND_FO_RANGE", "6", 69886, 6),
    Value("ND_FO_RANGE", "7", 69886, 7),
    // The first officer's knobs follow the captain's push flags.
    ValueAny("MINIMUMS_FO_DECREASE", 69880, 0).When(kMinsHeld).Only(kRescanned),
    Rotate("MINIMUMS_FO_DECREASE", 69881, 1).When(kMinsFree).Only(kRescanned).Starts(kFoMinsTimer),
    ValueAny("MINIMUMS_FO_INCREASE", 69880, 1).When(kMinsHeld).Only(kRescanned),
    Rotate("MINIMUMS_FO_INCREASE", 69881, 1).When(kMinsFree).Only(kRescanned).Starts(kFoMinsTimer),
    Value("MINIMUMS_MODE_FO", "0", 69880, 0),
    Value("MINIMUMS_MODE_FO", "1", 69880, 1),
    ValueAny("FO_BARO_DECREASE", 69890, 0).When(kBaroHeld),
    Rotate("FO_BARO_DECREASE", 69889, 1).When(kBaroFree).Starts(kFoBaroTimer),
    ValueAny("FO_BARO_INCREASE", 69890, 0).When(kBaroHeld),
    Rotate("FO_BARO_INCREASE", 69889, 1).When(kBaroFree).Starts(kFoBaroTimer),
    Value("FO_BARO_INS_HPA", "0", 69890, 0).Only(Gate::kFoInsHpaEnabled),
    Value("FO_BARO_INS_HPA", "1", 69890, 1).Only(Gate::kFoInsHpaEnabled),
    Value("ND_FO_RADIO_L", "0", 69883, 0),
    Value("ND_FO_RADIO_L", "1", 69883, 1),
    Value("ND_FO_RADIO_L", "2", 69883, 2),
    Value("ND_FO_RADIO_R", "0", 69888, 0),
    Value("ND_FO_RADIO_R", "1", 69888, 1),
    Value("ND_FO_RADIO_R", "2", 69888, 2),
    Value("MFD_DISPLAY_POSITION", "1", 69863, 1),
    Value("MFD_DISPLAY_POSITION", "0", 69865, 1),
    Value("MFD_DISPLAY_POSITION", "2", 69864, 1),
    Value("MFD_DISPLAY", "1", 69866, 1),
    Value("MFD_DISPLAY", "2", 69867, 1),
    Value("MFD_DISPLAY", "3", 69868, 1),
    Value("MFD_DISPLAY", "4", 69869, 1),
    Value("MFD_DISPLAY", "5", 69870, 1),
    Value("MFD_DISPLAY", "6", 69871, 1),
    Value("MFD_DISPLAY", "7", 69872, 1),
    Value("MFD_DISPLAY", "8", 69873, 1),
    Value("MFD_DISPLAY", "9", 69874, 1),
    Value("MFD_DISPLAY", "10", 69876, 1),
    Value("MFD_DISPLAY", "11", 69877, 1),
    Value("MFD_DISPLAY", "12", 69878, 1),
    Value("EICAS_RECALL", "1", 69879, 1),
};

// CDU keys 1 to 70 (24 has no event): the captain's events; the other columns are offsets from them.
constexpr std::uint32_t kCduKeys737[71] = {
    0,     70188, 70187, 70186, 70181, 70185, 70184, 70183, 70180, 70209, 70208, 70207, 70206, 70205, 70190,
    70189, 70179, 70214, 70213, 70212, 70211, 70210, 70192, 70191, 0,     70219, 70218, 70217, 70216, 70215,
    70195, 70194, 70193, 70224, 70223, 70222, 70221, 70220, 70198, 70197, 70196, 70229, 70228, 70227, 70226,
    70225, 70201, 70200, 70199, 70234, 70233, 70232, 70231, 70230, 70204, 70203, 70202, 70166, 70167, 70168,
    70169, 70170, 70171, 70178, 70172, 70173, 70174, 70175, 70176, 70177, 70182};
constexpr std::uint32_t kCduKeys777[71] = {
    0,     69981, 69980, 73103, 69975, 69979, 69978, 69977, 69974, 70002, 70001, 70000, 69999, 69998, 69983,
    69982, 69973, 70007, 70006, 70005, 70004, 70003, 69985, 69984, 0,     70012, 70011, 70010, 70009, 70008,
    69988, 69987, 69986, 70017, 70016, 70015, 70014, 70013, 69991, 69990, 69989, 70022, 70021, 70020, 70019,
    70018, 69994, 69993, 69992, 70027, 70026, 70025, 70024, 70023, 69997, 69996, 69995, 69960, 69961, 69962,
    69963, 69964, 69965, 69972, 69966, 69967, 69968, 69969, 69970, 69971, 69976};
constexpr std::uint32_t kColumnOffsets737[] = {0, 72};
constexpr std::uint32_t kColumnOffsets777[] = {0, 73, 325};

}  // namespace

std::span<const CommandRow> CommandTable(bool is777) {
  if (is777) return kTable777;
  return kTable737;
}

std::uint32_t CduKeyEvent(bool is777, int column, int key) {
  if (key < 1 || key >= static_cast<int>(std::size(kCduKeys737)) || column < 0) return 0;
  const std::uint32_t base = is777 ? kCduKeys777[key] : kCduKeys737[key];
  if (base == 0) return 0;
  if (is777) {
    return column < static_cast<int>(std::size(kColumnOffsets777)) ? base + kColumnOffsets777[column] : 0;
  }
  return column < static_cast<int>(std::size(kColumnOffsets737)) ? base + kColumnOffsets737[column] : 0;
}

std::vector<std::uint32_t> AddonEvents(bool is777) {
  std::vector<std::uint32_t> events;
  for (const CommandRow& row : CommandTable(is777)) {
    if (row.event != 0) events.push_back(row.event);
  }
  for (int column = kCduColumnCaptain; column <= kCduColumnObserver; ++column) {
    for (int key = 1; key <= 70; ++key) {
      if (const std::uint32_t event = CduKeyEvent(is777, column, key)) events.push_back(event);
    }
  }
  std::sort(events.begin(), events.end());
  events.erase(std::unique(events.begin(), events.end()), events.end());
  return events;
}

}  // namespace aircraft
