#include "controller/app/mcp_lamps.h"

#include <initializer_list>

namespace trelvik {

namespace {

// One board's writes: a lamp is lit while its value is not 0.
class Lamps {
 public:
  Lamps(OutputSink& sink, std::int32_t session) : sink_(sink), session_(session) {}

  template <class Value>
  void Set(std::int32_t led, Value value) {
    sink_.LedSet(session_, led, value != 0 ? 1 : 0);
  }
  template <class Value>
  void SetNot(std::int32_t led, Value value) {
    Set(led, value == 0);
  }
  template <class Value>
  void Line(std::int32_t line, Value value) {
    sink_.DatalineSet(session_, line, value != 0 ? 1 : 0);
  }
  void Range(std::int32_t first, std::int32_t last, bool on, std::int32_t step = 1) {
    for (std::int32_t led = first; led <= last; led += step) Set(led, on);
  }
  void Test(std::uint8_t phase) { sink_.LedTest(session_, phase); }

 private:
  OutputSink& sink_;
  std::int32_t session_;
};

bool N1Rule(const PanelState& p) { return p.mcp_at_mode == 1; }
bool SpeedRule(const PanelState& p) { return p.mcp_at_mode == 7; }

// LEDs 195 to 207 of the Haldor 737 panels (no LED 200).
void Haldor737ModeLamps(Lamps& l, const PanelState& p) {
  l.Set(195, p.mcp_vnav_lamp);
  l.Set(196, p.mcp_lvl_chg_lamp);
  l.Set(197, p.mcp_hdg_sel_lamp);
  l.Set(198, p.mcp_lnav_lamp);
  l.Set(199, p.mcp_vor_loc_lamp);
  l.Set(201, p.mcp_app_lamp);
  l.Set(202, p.mcp_alt_hold_lamp);
  l.Set(203, p.mcp_vs_lamp);
  l.Set(204, p.mcp_cmd_a_lamp);
  l.Set(205, p.mcp_cws_a_lamp);
  l.Set(206, p.mcp_cmd_b_lamp);
  l.Set(207, p.mcp_cws_b_lamp);
}

void Ctrl330A(Lamps& l, const PanelState& p, const LampConditions& c) {
  if (c.at_test) {
    l.Set(231, 1);
    l.Set(277, 1);
    l.Line(16, 1);
    return;
  }
  if (c.family_test) return l.Test(c.phase);
  if (p.aircraft_power == 0) {
    l.Range(1, 255, false);
    l.Line(1, 0);
    l.Line(2, 0);
    return;
  }
  if (!c.b777) {
    l.Range(193, 219, true, 2);
    l.Set(194, N1Rule(p));
    l.Set(196, SpeedRule(p));
    l.Set(198, p.mcp_cmd_b_lamp);
    l.Set(200, p.mcp_cmd_a_lamp);
    l.Set(202, p.mcp_vs_lamp);
    l.Set(204, p.mcp_alt_hold_lamp);
    l.Set(206, p.mcp_app_lamp);
    l.Set(208, p.mcp_vor_loc_lamp);
    l.Set(210, p.mcp_hdg_sel_lamp);
    l.Set(212, p.mcp_vnav_lamp);
    l.Set(214, p.mcp_lnav_lamp);
    l.Set(216, p.mcp_lvl_chg_lamp);
    l.Set(218, p.mcp_cws_a_lamp);
    l.Set(220, p.mcp_cws_b_lamp);
    l.Set(227, p.mcp_fd_lamp_cpt);
    l.Set(229, p.mcp_fd_lamp_fo);
    l.Set(231, p.mcp_at_arm_lamp);
    l.Set(277, p.mcp_at_arm_lamp);
    l.Line(16, p.mcp_at_arm_lamp);
  } else {
    l.Range(193, 215, true, 2);
    l.Set(194, 1);
    l.Set(196, SpeedRule(p));
    l.Set(198, p.mcp_cmd_a_lamp);
    l.Set(200, p.mcp_cmd_a_lamp);
    l.Set(202, p.mcp_vs_lamp);
    l.Set(204, p.mcp_alt_hold_lamp);
    l.Set(206, p.mcp_app_lamp);
    l.Set(208, p.mcp_vor_loc_lamp);
    l.Set(210, p.mcp_hdg_hold_lamp);
    l.Set(212, p.mcp_vnav_lamp);
    l.Set(214, p.mcp_lnav_lamp);
    l.Set(216, p.mcp_lvl_chg_lamp);
    const bool track = (p.mcp_hdg_trk_mode != 0) != c.hdg_trk_reverse;
    l.Set(217, !track);
    l.Set(218, track);
    l.SetNot(223, p.mcp_mach_mode);
    l.Set(224, p.mcp_mach_mode);
    l.SetNot(231, p.mcp_vs_fpa_mode);
    l.Set(232, p.mcp_vs_fpa_mode);
    l.Set(225, 0);
    l.Set(227, 1);
    l.Set(229, 0);
  }
  l.Range(233, 248, true);
}

void Haldor737(Lamps& l, const PanelState& p, const LampConditions& c) {
  if (c.at_test) {
    l.Set(226, 1);
    l.Set(277, 1);
    l.Line(1, 1);
    l.Line(2, 1);
    return;
  }
  if (c.family_test) return l.Test(c.phase);
  if (p.aircraft_power == 0) return l.Range(1, 255, false);
  l.Range(209, 215, true);
  l.Range(217, 223, true);
  l.Set(193, N1Rule(p));
  l.Set(194, SpeedRule(p));
  Haldor737ModeLamps(l, p);
  l.Set(225, p.mcp_fd_lamp_cpt);
  l.Set(227, p.mcp_fd_lamp_fo);
  l.Set(226, p.mcp_at_arm_lamp);
  l.Set(277, p.mcp_at_arm_lamp);
  l.Line(1, p.mcp_at_arm_lamp);
  l.Line(2, p.mcp_at_arm_lamp);
  l.Range(233, 248, true);
}

void Vdk737(Lamps& l, const PanelState& p, const LampConditions& c, bool& at_arm) {
  if (c.family_test) return l.Test(c.phase);
  if (p.aircraft_power == 0) return l.Range(1, 255, false);
  l.Range(209, 215, true);
  l.Range(217, 223, true);
  l.Range(233, 240, true);
  l.Set(193, N1Rule(p));
  l.Set(194, SpeedRule(p));
  Haldor737ModeLamps(l, p);
  l.Set(225, p.mcp_fd_lamp_cpt);
  l.Set(226, p.mcp_fd_lamp_fo);
  l.Set(227, p.mcp_at_arm_lamp);
  l.Line(5, p.mcp_at_arm_lamp);
  at_arm = p.mcp_at_arm_lamp != 0;
}

void Panel777(Lamps& l, const PanelState& p, const LampConditions& c) {
  if (c.family_test) return l.Test(c.phase);
  if (p.aircraft_power == 0) return l.Range(1, 255, false);
  l.Range(129, 141, true);
  l.Range(161, 184, true);
  l.Set(145, p.mcp_cmd_a_lamp);
  l.Set(155, p.mcp_cmd_a_lamp);
  l.Set(146, p.mcp_speed_lamp);
  l.Set(147, p.mcp_lnav_lamp);
  l.Set(148, p.mcp_vnav_lamp);
  l.Set(149, p.mcp_lvl_chg_lamp);
  l.Set(150, p.mcp_hdg_hold_lamp);
  l.Set(151, p.mcp_vs_lamp);
  l.Set(152, p.mcp_alt_hold_lamp);
  l.Set(153, p.mcp_vor_loc_lamp);
  l.Set(154, p.mcp_app_lamp);
  l.Set(142, 0);
  l.Set(143, 1);
  l.Set(144, 0);
  l.SetNot(185, p.mcp_mach_mode);
  l.Set(186, p.mcp_mach_mode);
  l.SetNot(189, p.mcp_hdg_trk_mode);
  l.Set(190, p.mcp_hdg_trk_mode);
  l.SetNot(187, p.mcp_vs_fpa_mode);
  l.Set(188, p.mcp_vs_fpa_mode);
}

void Elvl737(Lamps& l, const PanelState& p, const LampConditions& c) {
  if (c.family_test) return l.Test(c.phase);
  if (p.aircraft_power == 0) return l.Range(1, 256, false);
  l.Set(195, p.mcp_n1_lamp);
  l.Set(196, SpeedRule(p));
  l.Set(199, p.mcp_vnav_lamp);
  l.Set(201, p.mcp_lvl_chg_lamp);
  l.Set(202, p.mcp_hdg_sel_lamp);
  l.Set(203, p.mcp_lnav_lamp);
  l.Set(204, p.mcp_vor_loc_lamp);
  l.Set(205, p.mcp_app_lamp);
  l.Set(206, p.mcp_alt_hold_lamp);
  l.Set(207, p.mcp_vs_lamp);
  l.Set(210, p.mcp_cmd_a_lamp);
  l.Set(211, p.mcp_cmd_b_lamp);
  l.Set(212, p.mcp_cws_a_lamp);
  l.Set(213, p.mcp_cws_b_lamp);
  l.Set(193, 0);
  l.Set(215, 0);
  l.Set(194, p.mcp_at_arm_lamp);
  l.Set(277, p.mcp_at_arm_lamp);
}

}  // namespace

bool WriteMcpLamps(const std::string& model, std::int32_t session, const PanelState& panel,
                   const LampConditions& conditions, OutputSink& sink, bool& at_arm) {
  Lamps lamps(sink, session);
  if (model == "330A") {
    Ctrl330A(lamps, panel, conditions);
  } else if (model == "330F") {
    Haldor737(lamps, panel, conditions);
  } else if (model == "3404" || model == "3311") {
    Vdk737(lamps, panel, conditions, at_arm);
  } else if (model == "3403" || model == "3327") {
    Panel777(lamps, panel, conditions);
  } else if (model == "3310") {
    Elvl737(lamps, panel, conditions);
  } else {
    return false;
  }
  return true;
}

void WriteEfisLamps(std::int32_t session, const PanelState& panel, bool efisTest, std::uint8_t phase,
                    OutputSink& sink) {
  Lamps lamps(sink, session);
  if (efisTest) {
    for (std::int32_t led = 1; led <= 16; ++led) lamps.Set(led, phase);
  } else if (panel.aircraft_power == 0) {
    lamps.Range(1, 17, false);
  } else {
    lamps.Range(1, 16, true);
  }
}

}  // namespace trelvik
