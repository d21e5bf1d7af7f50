// The switch tables of the mode-control panels, one per panel variant, built once.
#include <string>
#include <vector>

#include "controller/aircraft/mcp_panels.h"
#include "framework/services/clock.h"

namespace aircraft {

namespace {

using D = Direction;

McpAction Button(std::string command) {
  return [command](McpEvent& e) {
    if (e.state == 1) e.host.SendCommand(command);
  };
}

McpAction Maintained(std::string onClose, std::string onOpen) {
  return [onClose, onOpen](McpEvent& e) { e.host.SendCommand(e.state == 1 ? onClose : onOpen); };
}

// Buttons on consecutive switches from first, one command each.
void Buttons(McpTable& t, std::int32_t first, const std::vector<std::string>& commands) {
  for (const std::string& command : commands) t[first++] = Button(command);
}

// name=from .. name=to on consecutive switches from first.
void Numbered(McpTable& t, std::int32_t first, const std::string& name, int from, int to) {
  for (int value = from; value <= to; ++value) t[first++] = Button(name + std::to_string(value));
}

McpAction Course(bool first, D d) {
  return [first, d](McpEvent& e) {
    if (e.state == 1) CourseDetent(e, first, d);
  };
}
McpAction Speed(D d) {
  return [d](McpEvent& e) {
    if (e.state == 1) SpeedDetent(e, d);
  };
}
McpAction Heading(D d) {
  return [d](McpEvent& e) {
    if (e.state == 1) HeadingDetent(e, d);
  };
}
McpAction Altitude(D d) {
  return [d](McpEvent& e) {
    if (e.state == 1) AltitudeDetent(e, d);
  };
}
McpAction VerticalSpeed(D d) {
  return [d](McpEvent& e) {
    if (e.state == 1) VerticalSpeedDetent(e, d);
  };
}

// The speed-mode buttons of the HALDOR and MX 737 panels also let the idle loop end the switch activity at
// once, so the next 7-segment pass shows the aircraft's new speed.
McpAction SpeedModeButton(std::string command) {
  return [command](McpEvent& e) {
    if (e.state != 1) return;
    e.host.SendCommand(command);
    e.host.SetSwitchActivityTick(fw::TickCount() - 10000);
  };
}

McpAction BankAngleMode(bool onClose, bool onOpen) {
  return [onClose, onOpen](McpEvent& e) {
    if (e.state == 1 && onClose) e.host.Mcp().bank_angle_mode = true;
    if (e.state != 1 && onOpen) e.host.Mcp().bank_angle_mode = false;
  };
}

// Push-and-turn knobs: MINS or BARO of the captain or the first officer.
enum class Pilot { kCaptain, kFirstOfficer };
enum class KnobKind { kMins, kBaro };

struct PushFlags {
  bool& held;
  bool& turned;
};

PushFlags FlagsOf(KnobPushFlags& f, Pilot pilot, KnobKind kind) {
  if (pilot == Pilot::kCaptain) {
    return kind == KnobKind::kMins ? PushFlags{f.mins_push_held_cpt, f.mins_turned_while_held_cpt}
                                   : PushFlags{f.baro_push_held_cpt, f.baro_turned_while_held_cpt};
  }
  return kind == KnobKind::kMins ? PushFlags{f.mins_push_held_fo, f.mins_turned_while_held_fo}
                                 : PushFlags{f.baro_push_held_fo, f.baro_turned_while_held_fo};
}

// The mode command a pushed knob sends in place of its value change.
std::string PushedCommand(Pilot pilot, KnobKind kind, D d) {
  const bool dec = d == D::kDecrease;
  if (kind == KnobKind::kMins) {
    return std::string(pilot == Pilot::kCaptain ? "MINIMUMS_MODE_CPT=" : "MINIMUMS_MODE_FO=") + (dec ? "0" : "1");
  }
  return std::string(pilot == Pilot::kCaptain ? "CAPT_BARO_INS_HPA=" : "FO_BARO_INS_HPA=") + (dec ? "1" : "0");
}

McpAction PushTurnDetent(Pilot pilot, KnobKind kind, D d, std::string plain) {
  return [pilot, kind, d, plain](McpEvent& e) {
    if (e.state != 1) return;
    PushFlags flags = FlagsOf(e.host.PushFlags(), pilot, kind);
    e.host.SendCommand(flags.held ? PushedCommand(pilot, kind, d) : plain);
    flags.turned = true;
  };
}

McpAction PushSwitch(Pilot pilot, KnobKind kind) {
  return [pilot, kind](McpEvent& e) {
    PushFlags flags = FlagsOf(e.host.PushFlags(), pilot, kind);
    if (e.state == 1) {
      flags.turned = false;
      flags.held = true;
      if (pilot == Pilot::kCaptain) {
        e.host.SendCommand(kind == KnobKind::kMins ? "ND_CAPTAIN_RST_PUSH=1" : "ND_CAPTAIN_STD_PUSH=1");
      }
      return;
    }
    flags.held = false;
    if (!flags.turned) {
      if (pilot == Pilot::kCaptain) {
        e.host.SendCommand(kind == KnobKind::kMins ? "MF=530" : "STD_SET_CAPT=2");
      } else {
        e.host.SendCommand(kind == KnobKind::kMins ? "MF=532" : "STD_SET_FO=2");
      }
    }
    flags.turned = false;
  };
}

// One position of a VOR/ADF selector: its value on closing, 0 on opening.
McpAction SelectorPosition(std::string name, int position) {
  return [name, position](McpEvent& e) { e.host.SendCommand(name + (e.state == 1 ? std::to_string(position) : "0")); };
}

void Selectors(McpTable& t, std::int32_t first, const std::string& left, const std::string& right) {
  t[first] = SelectorPosition(left, 1);
  t[first + 1] = SelectorPosition(left, 2);
  t[first + 2] = SelectorPosition(right, 1);
  t[first + 3] = SelectorPosition(right, 2);
}

// ---- The CTRL MCP ------------------------------------------------------------------------------------

McpTable Ctrl737() {
  McpTable t;
  t[1] = Maintained("MCP_KILL=1", "MCP_KILL=0");
  t[2] = Maintained("MCP_FLTDIR_L=1", "MCP_FLTDIR_L=0");
  t[3] = Maintained("MCP_FLTDIR_R=1", "MCP_FLTDIR_R=0");
  t[4] = Maintained("MCP_AUTOTHROTTLE_ARM_L=1", "MCP_AUTOTHROTTLE_ARM_L=0");
  Buttons(t, 6,
          {"MCP_CLB_CON=1", "MCP_TOGGLE_AUTOTHROTTLE_ENGAGED=1", "MCP_ENGAGED_CMD_B=1", "MCP_ENGAGED=1",
           "MCP_VS_ENGAGED=1", "MCP_ALT_HOLD_ENGAGED=1", "MCP_APP=1", "MCP_LOC=1", "MCP_HDG_SELECT_ENGAGED=1",
           "MCP_VNAV=1", "MCP_LNAV=1", "MCP_FLCH=1", "MCP_ENGAGED_CWS_A=1", "MCP_ENGAGED_CWS_B=1",
           "MCP_ALT_SELECT_ENGAGED=1", "MCP_TOGGLE_MACH_SPEED_SELECTOR=1", "MCP_TOGGLE_SPEED_WINDOW=1"});
  Buttons(t, 25, {"MCP_BANK_ANGLE=10", "MCP_BANK_ANGLE=15", "MCP_BANK_ANGLE=20", "MCP_BANK_ANGLE=25",
                  "MCP_BANK_ANGLE=30"});
  t[49] = Speed(D::kDecrease), t[50] = Speed(D::kIncrease);
  t[51] = Heading(D::kDecrease), t[52] = Heading(D::kIncrease);
  t[53] = Altitude(D::kDecrease), t[54] = Altitude(D::kIncrease);
  t[55] = VerticalSpeed(D::kDecrease), t[56] = VerticalSpeed(D::kIncrease);
  t[57] = Course(false, D::kDecrease), t[58] = Course(false, D::kIncrease);
  t[59] = Course(true, D::kDecrease), t[60] = Course(true, D::kIncrease);
  return t;
}

McpTable Ctrl777() {
  McpTable t;
  t[1] = Maintained("MCP_KILL=1", "MCP_KILL=0");
  t[2] = Maintained("MCP_FLTDIR_L=0", "MCP_FLTDIR_L=1");
  t[3] = Maintained("MCP_FLTDIR_R=0", "MCP_FLTDIR_R=1");
  t[4] = Button("MCP_TOGGLE_VS_FPA_SELECTOR=1");
  t[5] = Maintained("MCP_ALTITUDE_CH_UNIT=1", "MCP_ALTITUDE_CH_UNIT=0");
  Buttons(t, 6,
          {"MCP_CLB_CON=1", "MCP_TOGGLE_AUTOTHROTTLE_ENGAGED=1", "MCP_ENGAGED=1", "MCP_ENGAGED=1",
           "MCP_VS_ENGAGED=1", "MCP_ALT_HOLD_ENGAGED=1", "MCP_APP=1", "MCP_LOC=1", "MCP_HDG_HOLD_ENGAGED=1",
           "MCP_VNAV=1", "MCP_LNAV=1", "MCP_FLCH=1", "MCP_TOGGLE_HDG_TRACK_SELECTOR=1",
           "MCP_TOGGLE_SPEED_WINDOW=1", "MCP_ALT_SELECT_ENGAGED=1", "MCP_TOGGLE_MACH_SPEED_SELECTOR=1",
           "MCP_HDG_SELECT_ENGAGED=1"});
  t[23] = Maintained("MCP_AUTOTHROTTLE_ARM_L=0", "MCP_AUTOTHROTTLE_ARM_L=1");
  t[24] = Maintained("MCP_AUTOTHROTTLE_ARM_R=0", "MCP_AUTOTHROTTLE_ARM_R=1");
  Buttons(t, 25, {"MCP_BANK_ANGLE=30", "MCP_BANK_ANGLE=5", "MCP_BANK_ANGLE=10", "MCP_BANK_ANGLE=15",
                  "MCP_BANK_ANGLE=20", "MCP_BANK_ANGLE=25"});
  Buttons(t, 33, {"MFD_DISPLAY_POSITION=1", "MFD_DISPLAY_POSITION=0", "MFD_DISPLAY_POSITION=2"});
  Numbered(t, 36, "MFD_DISPLAY=", 1, 12);
  t[48] = Button("EICAS_RECALL=1");
  t[49] = Speed(D::kDecrease), t[50] = Speed(D::kIncrease);
  t[51] = Heading(D::kDecrease), t[52] = Heading(D::kIncrease);
  t[53] = Altitude(D::kDecrease), t[54] = Altitude(D::kIncrease);
  t[55] = VerticalSpeed(D::kDecrease), t[56] = VerticalSpeed(D::kIncrease);
  return t;
}

// ---- The 737 panels: HALDOR, MX, HALDOR-VDK and ELVL --------------------------------------------------

McpTable Panel737(McpPanel p) {
  const bool haldor = p == McpPanel::kHaldor737, mx = p == McpPanel::kMx737, vdk = p == McpPanel::kHaldorVdk,
             elvl = p == McpPanel::kElvl;
  McpTable t;
  t[2] = Maintained("MCP_FLTDIR_L=1", "MCP_FLTDIR_L=0");
  t[3] = Maintained("MCP_AUTOTHROTTLE_ARM_L=1", "MCP_AUTOTHROTTLE_ARM_L=0");
  t[4] = Button("MCP_CLB_CON=1");
  t[5] = Button("MCP_TOGGLE_AUTOTHROTTLE_ENGAGED=1");
  t[6] = (haldor || mx) ? SpeedModeButton("MCP_TOGGLE_MACH_SPEED_SELECTOR=1")
                        : Button("MCP_TOGGLE_MACH_SPEED_SELECTOR=1");
  if (haldor) t[7] = SpeedModeButton("MCP_TOGGLE_SPEED_WINDOW=1");
  if (vdk || elvl) t[7] = Button("MCP_TOGGLE_SPEED_WINDOW=1");
  if (mx) t[8] = SpeedModeButton("MCP_TOGGLE_SPEED_WINDOW=1");
  if (vdk) t[8] = Button("MCP_TOGGLE_SPEED_WINDOW=1");
  t[9] = Button("MCP_VNAV=1");
  t[10] = Button("MCP_FLCH=1");
  if (haldor) t[11] = BankAngleMode(true, true);
  if (mx) t[11] = BankAngleMode(true, false);
  if (vdk) t[11] = BankAngleMode(false, true);
  if (elvl) t[11] = Button("MCP_HDG_SELECT_ENGAGED=1");
  t[12] = Button("MCP_HDG_SELECT_ENGAGED=1");
  t[13] = Button("MCP_LNAV=1");
  t[14] = Button("MCP_LOC=1");
  t[15] = Button("MCP_APP=1");
  if (!mx) t[16] = Button("MCP_ALT_SELECT_ENGAGED=1");
  t[17] = Button("MCP_ALT_HOLD_ENGAGED=1");
  if (mx || vdk) t[18] = Button("MCP_ALT_SELECT_ENGAGED=1");
  t[19] = Button("MCP_VS_ENGAGED=1");
  t[20] = Button("MCP_ENGAGED=1");
  t[21] = Button("MCP_ENGAGED_CWS_A=1");
  t[22] = Maintained("MCP_KILL=1", "MCP_KILL=0");
  t[23] = Button("MCP_ENGAGED_CMD_B=1");
  t[24] = Button("MCP_ENGAGED_CWS_B=1");
  t[25] = Maintained("MCP_FLTDIR_R=1", "MCP_FLTDIR_R=0");
  if (mx || vdk) {
    Buttons(t, 26, {"MCP_BANK_ANGLE=10", "MCP_BANK_ANGLE=15", "MCP_BANK_ANGLE=20", "MCP_BANK_ANGLE=25",
                    "MCP_BANK_ANGLE=30"});
  }
  t[33] = Course(true, D::kDecrease), t[34] = Course(true, D::kIncrease);
  t[35] = Speed(D::kDecrease), t[36] = Speed(D::kIncrease);
  if (elvl) {
    t[37] = [](McpEvent& e) {
      if (e.state != 1) return;
      if (!e.host.Mcp().bank_angle_mode) return HeadingDetent(e, D::kIncrease);
      static const int kNext[][2] = {{10, 15}, {15, 20}, {20, 25}, {25, 30}};
      for (const auto& step : kNext) {
        if (e.host.Readback().bank_angle_limit == step[0]) e.host.SendCommand("MCP_BANK_ANGLE=" + std::to_string(step[1]));
      }
    };
    t[38] = [](McpEvent& e) {
      if (e.state != 1) return;
      if (!e.host.Mcp().bank_angle_mode) return HeadingDetent(e, D::kDecrease);
      static const int kNext[][2] = {{30, 25}, {25, 20}, {20, 15}, {15, 10}};
      for (const auto& step : kNext) {
        if (e.host.Readback().bank_angle_limit == step[0]) e.host.SendCommand("MCP_BANK_ANGLE=" + std::to_string(step[1]));
      }
    };
    t[45] = Course(false, D::kIncrease), t[46] = Course(false, D::kDecrease);
  } else {
    t[37] = Heading(D::kDecrease), t[38] = Heading(D::kIncrease);
    t[45] = Course(false, D::kDecrease), t[46] = Course(false, D::kIncrease);
  }
  t[41] = Altitude(D::kDecrease), t[42] = Altitude(D::kIncrease);
  t[43] = VerticalSpeed(D::kDecrease), t[44] = VerticalSpeed(D::kIncrease);
  if (elvl) return t;

  // The EFIS controls these boards carry.
  const Pilot cpt = Pilot::kCaptain, fo = Pilot::kFirstOfficer;
  if (mx) {
    t[57] = Button("MINIMUMS_DECREASE=10"), t[58] = Button("MINIMUMS_INCREASE=10");
    t[59] = Button("CAPT_BARO_DECREASE=1"), t[60] = Button("CAPT_BARO_INCREASE=1");
    t[61] = Button("MINIMUMS_FO_INCREASE=10"), t[62] = Button("MINIMUMS_FO_DECREASE=10");
    t[63] = Button("FO_BARO_DECREASE=1"), t[64] = Button("FO_BARO_INCREASE=1");
  } else {
    t[57] = PushTurnDetent(cpt, KnobKind::kMins, D::kDecrease, "MINIMUMS_DECREASE=10");
    t[58] = PushTurnDetent(cpt, KnobKind::kMins, D::kIncrease, "MINIMUMS_INCREASE=10");
    t[59] = PushTurnDetent(cpt, KnobKind::kBaro, D::kDecrease, "CAPT_BARO_DECREASE=1");
    t[60] = PushTurnDetent(cpt, KnobKind::kBaro, D::kIncrease, "CAPT_BARO_INCREASE=1");
  }
  if (vdk) {
    t[61] = PushTurnDetent(fo, KnobKind::kMins, D::kDecrease, "MINIMUMS_FO_DECREASE=10");
    t[62] = PushTurnDetent(fo, KnobKind::kMins, D::kIncrease, "MINIMUMS_FO_INCREASE=10");
    t[63] = PushTurnDetent(fo, KnobKind::kBaro, D::kDecrease, "FO_BARO_DECREASE=1");
    t[64] = PushTurnDetent(fo, KnobKind::kBaro, D::kIncrease, "FO_BARO_INCREASE=1");
  }
  Buttons(t, 65, {"ND_CAPTAIN_MODE=3", "ND_CAPTAIN_MODE=2", "ND_CAPTAIN_MODE=1", "ND_CAPTAIN_MODE=0"});
  Selectors(t, 69, "ND_CAPTAIN_RADIO_L=", "ND_CAPTAIN_RADIO_R=");
  Buttons(t, 73, {"ND_CAPTAIN_FPV=2", "ND_CAPTAIN_MTRS=2", "ND_CAPTAIN_CENTRED=2", "ND_CAPTAIN_TFC=2"});
  if (mx) {
    t[77] = Button("MF=530");
    t[78] = Button("STD_SET_CAPT=2");
    t[79] = Maintained("MINIMUMS_MODE_CPT=0", "MINIMUMS_MODE_CPT=1");
    t[80] = Maintained("CAPT_BARO_INS_HPA=1", "CAPT_BARO_INS_HPA=0");
  } else {
    t[77] = PushSwitch(cpt, KnobKind::kMins);
    t[78] = PushSwitch(cpt, KnobKind::kBaro);
  }
  Buttons(t, 81, {"ND_CAPTAIN_WXR=2", "ND_CAPTAIN_STA=2", "ND_CAPTAIN_WPT=2", "ND_CAPTAIN_APT=2",
                  "ND_CAPTAIN_DATA=2", "ND_CAPTAIN_POS=2", "ND_CAPTAIN_TER=2"});
  Numbered(t, 89, "ND_CAPTAIN_RANGE=", 0, 7);
  if (haldor) return t;

  Buttons(t, 97, {"ND_FO_MODE=3", "ND_FO_MODE=2", "ND_FO_MODE=1", "ND_FO_MODE=0"});
  Selectors(t, 101, "ND_FO_RADIO_L=", "ND_FO_RADIO_R=");
  if (mx) {
    Buttons(t, 105, {"ND_FO_FPV=2", "ND_FO_MTRS=2", "ND_FO_CENTRED=2", "ND_FO_TFC=2", "MF=532", "STD_SET_FO=2"});
    t[111] = Maintained("MINIMUMS_MODE_FO=0", "MINIMUMS_MODE_FO=1");
    t[112] = Maintained("FO_BARO_INS_HPA=0", "FO_BARO_INS_HPA=1");
  } else {
    t[105] = Button("ND_FO_FPV=2"), t[106] = Button("ND_FO_MTRS=2");
    t[107] = PushSwitch(fo, KnobKind::kMins), t[108] = PushSwitch(fo, KnobKind::kBaro);
    t[109] = Button("ND_FO_CENTRED=2"), t[110] = Button("ND_FO_TFC=2");
    t[111] = Button("MINIMUMS_MODE_FO=0"), t[112] = Button("FO_BARO_INS_HPA=1");
  }
  Buttons(t, 113, {"ND_FO_WXR=2", "ND_FO_STA=2", "ND_FO_WPT=2", "ND_FO_APT=2", "ND_FO_DATA=2", "ND_FO_POS=2",
                   "ND_FO_TER=2"});
  Numbered(t, 121, "ND_FO_RANGE=", 0, 7);
  return t;
}

// ---- The 777 panels: HALDOR 777 and MX 777 -------------------------------------------------------------

McpTable Panel777(McpPanel p) {
  const bool mx = p == McpPanel::kMx777;
  const Pilot cpt = Pilot::kCaptain;
  McpTable t;
  t[1] = PushTurnDetent(cpt, KnobKind::kMins, D::kDecrease, "MINIMUMS_DECREASE=0");
  t[2] = PushTurnDetent(cpt, KnobKind::kMins, D::kIncrease, "MINIMUMS_INCREASE=2");
  t[3] = PushTurnDetent(cpt, KnobKind::kBaro, D::kDecrease, "CAPT_BARO_DECREASE=0");
  t[4] = PushTurnDetent(cpt, KnobKind::kBaro, D::kIncrease, "CAPT_BARO_INCREASE=2");
  t[5] = Speed(D::kDecrease), t[6] = Speed(D::kIncrease);
  t[7] = Heading(D::kDecrease), t[8] = Heading(D::kIncrease);
  t[9] = VerticalSpeed(D::kDecrease), t[10] = VerticalSpeed(D::kIncrease);
  t[11] = [](McpEvent& e) {
    if (e.state == 1) {
      AltitudeDetent(e, D::kDecrease);
    } else {
      e.host.Mcp().bank_angle_mode = false;
    }
  };
  t[12] = Altitude(D::kIncrease);
  t[17] = Maintained("MCP_FLTDIR_L=0", "MCP_FLTDIR_L=1");
  t[18] = Maintained("MCP_AUTOTHROTTLE_ARM_L=0", "MCP_AUTOTHROTTLE_ARM_L=1");
  t[19] = Maintained("MCP_AUTOTHROTTLE_ARM_R=0", "MCP_AUTOTHROTTLE_ARM_R=1");
  t[20] = Button("MCP_TOGGLE_MACH_SPEED_SELECTOR=1");
  t[21] = Maintained("MCP_KILL=1", "MCP_KILL=0");
  t[22] = Button("MCP_TOGGLE_HDG_TRACK_SELECTOR=1");
  t[23] = Button("MCP_TOGGLE_VS_FPA_SELECTOR=1");
  t[24] = Maintained("MCP_FLTDIR_R=0", "MCP_FLTDIR_R=1");
  Buttons(t, 25, {"MCP_ENGAGED=1", "MCP_CLB_CON=1", "MCP_TOGGLE_AUTOTHROTTLE_ENGAGED=1", "MCP_LNAV=1",
                  "MCP_VNAV=1", "MCP_FLCH=1", "MCP_HDG_HOLD_ENGAGED=1", "MCP_VS_ENGAGED=1",
                  "MCP_ALT_HOLD_ENGAGED=1", "MCP_LOC=1", "MCP_APP=1", "MCP_ENGAGED=1"});
  if (mx) t[38] = Maintained("MCP_ALTITUDE_CH_UNIT=1", "MCP_ALTITUDE_CH_UNIT=0");
  t[39] = Button("MCP_TOGGLE_SPEED_WINDOW=1");
  Buttons(t, 41, {"MFD_DISPLAY_POSITION=1", "MFD_DISPLAY_POSITION=0", "MFD_DISPLAY_POSITION=2"});
  Numbered(t, 44, "MFD_DISPLAY=", 1, 12);
  t[56] = Button("EICAS_RECALL=1");
  if (mx) {
    t[58] = Maintained("MCP_BANK_ANGLE=5", "MCP_BANK_ANGLE=30");
    Buttons(t, 59, {"MCP_BANK_ANGLE=10", "MCP_BANK_ANGLE=15", "MCP_BANK_ANGLE=20", "MCP_BANK_ANGLE=25"});
  }
  t[63] = Button("MCP_HDG_SELECT_ENGAGED=1");
  t[64] = Button("MCP_ALT_SELECT_ENGAGED=1");

  // The EFIS controls.
  Buttons(t, 65, {"ND_CAPTAIN_MODE=3", "ND_CAPTAIN_MODE=2", "ND_CAPTAIN_MODE=1", "ND_CAPTAIN_MODE=0"});
  Selectors(t, 69, "ND_CAPTAIN_RADIO_L=", "ND_CAPTAIN_RADIO_R=");
  Numbered(t, 73, "ND_CAPTAIN_RANGE=", 0, 6);
  t[81] = Maintained("MINIMUMS_MODE_CPT=0", "MINIMUMS_MODE_CPT=1");
  t[82] = Maintained("CAPT_BARO_INS_HPA=1", "CAPT_BARO_INS_HPA=0");
  t[83] = Button("ND_CAPTAIN_FPV=2"), t[84] = Button("ND_CAPTAIN_MTRS=2");
  t[85] = PushSwitch(cpt, KnobKind::kMins), t[86] = PushSwitch(cpt, KnobKind::kBaro);
  t[87] = Button("ND_CAPTAIN_CENTRED=2"), t[88] = Button("ND_CAPTAIN_TFC=2");
  Buttons(t, 89, {"ND_CAPTAIN_WXR=2", "ND_CAPTAIN_STA=2", "ND_CAPTAIN_WPT=2", "ND_CAPTAIN_APT=2",
                  "ND_CAPTAIN_DATA=2", "ND_CAPTAIN_POS=2", "ND_CAPTAIN_TER=2"});
  Buttons(t, 97, {"ND_FO_MODE=3", "ND_FO_MODE=2", "ND_FO_MODE=1", "ND_FO_MODE=0"});
  Selectors(t, 101, "ND_FO_RADIO_L=", "ND_FO_RADIO_R=");
  Numbered(t, 105, "ND_FO_RANGE=", 0, 6);
  t[113] = Maintained("MINIMUMS_MODE_FO=0", "MINIMUMS_MODE_FO=1");
  t[114] = Maintained("FO_BARO_INS_HPA=1", "FO_BARO_INS_HPA=0");
  Buttons(t, 115, {"ND_FO_FPV=2", "ND_FO_MTRS=2", "MF=532", "STD_SET_FO=2", "ND_FO_CENTRED=2", "ND_FO_TFC=2"});
  Buttons(t, 121, {"ND_FO_WXR=2", "ND_FO_STA=2", "ND_FO_WPT=2", "ND_FO_APT=2", "ND_FO_DATA=2", "ND_FO_POS=2",
                   "ND_FO_TER=2"});
  return t;
}

}  // namespace

const McpTable& McpTableOf(McpPanel panel) {
  static const McpTable kCtrl737 = Ctrl737(), kCtrl777 = Ctrl777(), kHaldor737 = Panel737(McpPanel::kHaldor737),
                        kMx737 = Panel737(McpPanel::kMx737), kHaldorVdk = Panel737(McpPanel::kHaldorVdk),
                        kElvl = Panel737(McpPanel::kElvl), kHaldor777 = Panel777(McpPanel::kHaldor777),
                        kMx777 = Panel777(McpPanel::kMx777);
  switch (panel) {
    case McpPanel::kCtrl737: return kCtrl737;
    case McpPanel::kCtrl777: return kCtrl777;
    case McpPanel::kHaldor737: return kHaldor737;
    case McpPanel::kMx737: return kMx737;
    case McpPanel::kHaldorVdk: return kHaldorVdk;
    case McpPanel::kElvl: return kElvl;
    case McpPanel::kHaldor777: return kHaldor777;
    case McpPanel::kMx777: break;
  }
  return kMx777;
}

}  // namespace aircraft
