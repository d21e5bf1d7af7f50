#include "controller/app/mcp_windows.h"

#include <cmath>
#include <limits>

#include "controller/app/number_text.h"
#include "framework/rtl/arith.h"
#include "framework/rtl/floattext.h"

namespace trelvik {

namespace {

std::int32_t Magnitude(std::int32_t value) {
  if (value == std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::max();
  return value < 0 ? -value : value;
}

// A course rounded half to even; false when it does not fit a window field.
bool CourseValue(double course, std::int32_t& value) {
  if (!std::isfinite(course) || std::fabs(course) > 2147483647.0) return false;
  value = static_cast<std::int32_t>(fw::Round(course));
  return true;
}

class Windows {
 public:
  Windows(OutputSink& sink, std::int32_t session) : sink_(sink), session_(session) {}
  void Text(const std::string& text, std::int32_t digit) { sink_.SevenSegmentSet(session_, text.c_str(), digit); }
  void Led(std::int32_t led, bool on) { sink_.LedSet(session_, led, on ? 1 : 0); }

 private:
  OutputSink& sink_;
  std::int32_t session_;
};

// The flash character at digit 5: "A" over the upper limits, "8" under the lower one, toggling with a
// blank every 250 ms.
void SpeedFlash(Windows& w, const PanelState& p, std::uint32_t now, SpeedFlashState& flash) {
  const double ias = p.mcp_ias;
  const bool over = ias > p.ias_flash_above || ias > p.ias_flash_above2;
  const bool under = !over && ias < p.ias_flash_below;
  if (!over && !under) return w.Text(" ", 5);
  if (now - flash.speed_flash_tick > 250) {
    flash.speed_flash_tick = now;
    if (flash.speed_flash_shown) {
      flash.speed_flash_shown = false;
      w.Text(over ? "A" : "8", 5);
    } else {
      flash.speed_flash_shown = true;
      w.Text(" ", 5);
    }
  } else if (under) {
    w.Text(" ", 5);
  }
}

void Speed737(Windows& w, const PanelState& p, const McpWindowFields& f, std::uint32_t now, SpeedFlashState& flash) {
  if (p.mcp_ias_open != 1) return w.Text("    ", 5);
  SpeedFlash(w, p, now, flash);
  if (p.mcp_mach_mode == 0) {
    w.Text(int_to_str(f.window_ias, 3, "0"), 6);
  } else {
    w.Text("0." + int_to_str(f.window_mach, 2, "0"), 6);
  }
}

void Layout737(Windows& w, const PanelState& p, const McpWindowFields& f, std::uint32_t now, SpeedFlashState& flash) {
  w.Text(int_to_str(f.window_course_cpt, 3, "0"), 1);
  Speed737(w, p, f, now, flash);
  w.Text(int_to_str(f.window_heading, 3, "0"), 9);
  w.Text(int_to_str(f.window_altitude, 5, " "), 12);
  w.Text(p.mcp_vs_lamp == 0 ? "     " : int_to_str(f.window_vs, 5, " "), 17);
  w.Text(int_to_str(f.window_course_fo, 3, "0"), 22);
}

// The sign of a vertical speed on its own minus segment, the four digits after it.
void SignedVerticalSpeed(Windows& w, std::int32_t vs, std::int32_t digit) {
  const std::int32_t minusLed = 8 * (digit - 1) + 7;
  if (vs < 0) {
    w.Led(minusLed, true);
  } else {
    w.Text(" ", digit);
    w.Led(minusLed, false);
  }
  w.Text(int_to_str(Magnitude(vs), 4, "0"), digit + 1);
}

void Layout330A(Windows& w, const PanelState& p, const McpWindowFields& f, std::uint32_t now,
                SpeedFlashState& flash) {
  w.Text(p.mcp_course_cpt == 0.0 ? "360" : int_to_str(f.window_course_cpt, 3, "0"), 1);
  Speed737(w, p, f, now, flash);
  w.Text(int_to_str(f.window_heading, 3, "0"), 9);
  w.Text(int_to_str(f.window_altitude, 5, " "), 12);
  if (p.mcp_vs_lamp == 0) {
    w.Text("     ", 17);
  } else if (p.mcp_vs_fpa_mode == 1) {
    w.Text(FlightPathAngleText(p.mcp_fpa), 17);
  } else {
    SignedVerticalSpeed(w, f.window_vs, 17);
  }
  w.Text(int_to_str(f.window_heading, 3, "0"), 9);
  w.Text(int_to_str(f.window_altitude, 5, " "), 12);
  w.Text(p.mcp_course_fo == 0.0 ? "360" : int_to_str(f.window_course_fo, 3, "0"), 22);
}

void Layout777(Windows& w, const PanelState& p, const McpWindowFields& f, bool vdk, bool threeDigitMach) {
  if (p.mcp_ias_open != 1) {
    w.Text("   ", 1);
  } else if (p.mcp_mach_mode == 0) {
    w.Text(int_to_str(f.window_ias, 3, "0"), 1);
    w.Led(24, false);
  } else if (vdk || threeDigitMach) {
    w.Text(int_to_str(f.window_mach, 3, "0"), 1);
    w.Led(24, true);
  } else {
    w.Text("0." + int_to_str(f.window_mach, 2, "0"), 1);
    w.Led(24, false);
  }
  if (p.mcp_vs_lamp == 0) {
    w.Text("     ", 4);
  } else if (p.mcp_vs_fpa_mode == 1) {
    w.Text(FlightPathAngleText(vdk ? f.window_fpa : p.mcp_fpa), 4);
  } else {
    SignedVerticalSpeed(w, f.window_vs, 4);
  }
  w.Text(int_to_str(f.window_heading, 3, "0"), 9);
  w.Text(int_to_str(f.window_altitude, 5, " "), 12);
}

}  // namespace

void ReloadWindowFields(const PanelState& panel, McpWindowFields& fields) {
  CourseValue(panel.mcp_course_cpt, fields.window_course_cpt);
  fields.window_ias = panel.mcp_ias;
  fields.window_mach = panel.mcp_mach;
  fields.window_heading = panel.mcp_heading;
  fields.window_altitude = panel.mcp_altitude;
  fields.window_vs = panel.mcp_vs;
  fields.window_fpa = panel.mcp_fpa;
  CourseValue(panel.mcp_course_fo, fields.window_course_fo);
}

bool WriteMcpWindows(const std::string& model, std::int32_t session, const PanelState& panel,
                     const McpWindowFields& fields, const WindowConditions& conditions, SpeedFlashState& flash,
                     OutputSink& sink) {
  const bool layout737 = model == "330F" || model == "3311" || model == "3404" || model == "3310";
  const bool layout777 = model == "3327" || model == "3403";
  if (!layout737 && !layout777 && model != "330A") return false;
  if (conditions.family_test) {
    sink.LedTest(session, conditions.phase);
    return true;
  }
  Windows windows(sink, session);
  if (panel.aircraft_power == 0) {
    windows.Text(std::string(24, ' '), 1);
  } else if (layout737) {
    Layout737(windows, panel, fields, conditions.now, flash);
  } else if (layout777) {
    Layout777(windows, panel, fields, model == "3327", conditions.three_digit_mach);
  } else {
    Layout330A(windows, panel, fields, conditions.now, flash);
  }
  return true;
}

std::string FlightPathAngleText(double angle) {
  if (!std::isfinite(angle) || std::fabs(angle) > 1e9) return "      ";
  if (std::fabs(angle) < 0.05) return "   0.0";
  const double shown = static_cast<double>(fw::Round(angle * 10)) * 0.1;
  std::string text = angle > 0 ? "   " : "  ";
  text += fw::FloatToStr(shown);
  if (shown == std::trunc(shown)) text += ".0";
  return text.substr(0, 6);
}

}  // namespace trelvik
