// The knobs of the mode-control panels: each detent steps the form's window value, writes the predicted
// window on the panel at once and sends the knob's command.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "controller/aircraft/knob_acceleration.h"
#include "controller/aircraft/mcp_panels.h"
#include "framework/rtl/arith.h"

namespace aircraft {

namespace {

std::string Digits(const char* format, long long value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

bool Is777Panel(McpPanel p) { return p == McpPanel::kHaldor777 || p == McpPanel::kMx777; }

const char* Sign(Direction d, const char* decrease, const char* increase) {
  return d == Direction::kDecrease ? decrease : increase;
}

std::int32_t Wrap(std::int32_t value, std::int32_t low, std::int32_t high) {
  if (value < low) value += 360;
  if (value > high) value -= 360;
  return value;
}

}  // namespace

void CourseDetent(McpEvent& e, bool first, Direction direction) {
  McpSwitchState& mcp = e.host.Mcp();
  const std::int64_t s = KnobDetentStep(mcp, first ? Knob::kCourseFirst : Knob::kCourseSecond,
                                        static_cast<int>(direction), e.now, Acceleration::kA, e.host.Tuning().course);
  if (e.panel != McpPanel::kElvl) {
    std::int32_t& window = first ? mcp.window_course_cpt : mcp.window_course_fo;
    const auto step = static_cast<std::int32_t>(s);
    window = Wrap(direction == Direction::kDecrease ? window - step : window + step, 0, 359);
    e.host.SevenSegmentSet(e.session, Digits("%03lld", window), first ? 1 : 22);
  }
  const std::string name = first ? "NAV1_RADIO_COURSE_" : "NAV2_RADIO_COURSE_";
  e.host.SendCommand(name + Sign(direction, "DECREASE=", "INCREASE=") + std::to_string(s));
}

void SpeedDetent(McpEvent& e, Direction direction) {
  McpSwitchState& mcp = e.host.Mcp();
  const McpReadback aircraft = e.host.Readback();
  Acceleration variant = Acceleration::kA;
  if (e.panel == McpPanel::kCtrl777) variant = Acceleration::kB;
  if (Is777Panel(e.panel)) variant = Acceleration::kG;
  const std::int64_t s = KnobDetentStep(mcp, Knob::kSpeed, static_cast<int>(direction), e.now, variant,
                                        e.host.Tuning().speed);
  const int sign = direction == Direction::kDecrease ? -1 : 1;
  const bool digitOne = Is777Panel(e.panel);
  if (aircraft.ias_open && !aircraft.mach_mode) {
    mcp.window_ias = static_cast<std::int32_t>(std::clamp<std::int64_t>(mcp.window_ias + sign * s, 100, 360));
    const std::string digits = Digits("%03lld", mcp.window_ias);
    if (digitOne) {
      e.host.SevenSegmentSet(e.session, digits, 1);
    } else if (e.panel == McpPanel::kCtrl777) {
      e.host.SevenSegmentSet(e.session, digits, 6);
    } else {
      e.host.SevenSegmentSet(e.session, " " + digits, 5);
    }
  }
  if (aircraft.mach_mode) {
    // Mach moves by one hundredth per detent, however fast the knob turns.
    mcp.window_mach = std::clamp(mcp.window_mach + sign, 30, 87);
    e.host.SevenSegmentSet(e.session, "0." + Digits("%02lld", mcp.window_mach), digitOne ? 1 : 6);
  }
  if (!aircraft.ias_open) {
    switch (e.panel) {
      case McpPanel::kCtrl737:
      case McpPanel::kElvl:
        e.host.SevenSegmentSet(e.session, "    ", 5);
        break;
      case McpPanel::kHaldor737:
      case McpPanel::kMx737:
      case McpPanel::kHaldorVdk:
        e.host.SevenSegmentSet(e.session, " ", 5);
        break;
      case McpPanel::kHaldor777:
      case McpPanel::kMx777:
        e.host.SevenSegmentSet(e.session, "    ", 1);
        break;
      case McpPanel::kCtrl777:
        // This board's speed window is the three digits from 6; the course digits stay as they are.
        e.host.SevenSegmentSet(e.session, "   ", 6);
        break;
    }
  }
  e.host.SendCommand(std::string("MCP_SPEED_") + Sign(direction, "DECREASE=", "INCREASE=") + std::to_string(s));
}

void HeadingDetent(McpEvent& e, Direction direction) {
  McpSwitchState& mcp = e.host.Mcp();
  Acceleration variant = Acceleration::kH;
  std::int32_t low = 0, high = 359;
  if (e.panel == McpPanel::kCtrl777) variant = Acceleration::kH40, low = 1, high = 360;
  if (Is777Panel(e.panel)) variant = Acceleration::kG, low = 1, high = 360;
  if (e.panel == McpPanel::kElvl) variant = Acceleration::kE, low = 1, high = 359;
  const std::int64_t s = KnobDetentStep(mcp, Knob::kHeading, static_cast<int>(direction), e.now, variant,
                                        e.host.Tuning().heading);
  const auto step = static_cast<std::int32_t>(s);
  mcp.window_heading =
      Wrap(direction == Direction::kDecrease ? mcp.window_heading - step : mcp.window_heading + step, low, high);
  e.host.SevenSegmentSet(e.session, Digits("%03lld", mcp.window_heading), 9);
  e.host.SendCommand(std::string("MCP_HDG_") + Sign(direction, "DECREASE=", "INCREASE=") + std::to_string(s));
}

void AltitudeDetent(McpEvent& e, Direction direction) {
  McpSwitchState& mcp = e.host.Mcp();
  const int sign = direction == Direction::kDecrease ? -1 : 1;
  const std::string name = std::string("MCP_ALTITUDE_") + Sign(direction, "DECREASE=", "INCREASE=");
  std::int64_t feet = 0;
  std::int64_t value = 0;
  std::int32_t upper = 43000;
  if (e.panel == McpPanel::kCtrl777) {
    // No acceleration here: the change unit picks 1000 or 100 feet, the add-on gets one click.
    feet = e.host.Readback().alt_change_unit ? 1000 : 100;
    value = 1;
    upper = 50000;
  } else if (Is777Panel(e.panel)) {
    value = KnobDetentStep(mcp, Knob::kAltitude, static_cast<int>(direction), e.now, Acceleration::kG,
                           e.host.Tuning().altitude);
    feet = 100 * value;
  } else {
    value = 100 * KnobDetentStep(mcp, Knob::kAltitude, static_cast<int>(direction), e.now, Acceleration::kA,
                                 e.host.Tuning().altitude);
    feet = value;
  }
  if (e.panel != McpPanel::kElvl) {
    mcp.window_altitude =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(mcp.window_altitude + sign * feet, 0, upper));
    e.host.SevenSegmentSet(e.session, Digits("%5lld", mcp.window_altitude), 12);
  }
  e.host.SendCommand(name + std::to_string(value));
}

namespace {

// The 737 rule: fifty feet a minute near zero, a hundred beyond a thousand.
void VerticalSpeed737(McpEvent& e, Direction direction) {
  McpSwitchState& mcp = e.host.Mcp();
  std::int32_t& vs = mcp.window_vs;
  const bool hundreds = e.panel == McpPanel::kHaldor777;
  if (direction == Direction::kDecrease) {
    vs -= (!hundreds && vs > -1000 && vs <= 1000) ? 50 : 100;
  } else {
    vs += (!hundreds && vs >= -1000 && vs < 1000) ? 50 : 100;
  }
  vs = std::clamp(vs, -7900, 6000);
  e.host.SevenSegmentSet(e.session, Digits("%5lld", vs), hundreds ? 4 : 17);
}

// The 777 rule: the window follows the VS/FPA selector and the add-on's VS lamp.
void VerticalSpeed777(McpEvent& e, Direction direction) {
  McpSwitchState& mcp = e.host.Mcp();
  const McpReadback aircraft = e.host.Readback();
  const bool ctrl = e.panel == McpPanel::kCtrl777;
  const std::int32_t firstDigit = ctrl ? 17 : 4;
  if (aircraft.vs_fpa_mode) {
    mcp.window_fpa = std::clamp(mcp.window_fpa + (direction == Direction::kDecrease ? -0.1 : 0.1), -99.0, 99.0);
    if (!aircraft.vs_lamp) {
      e.host.SevenSegmentSet(e.session, "     ", firstDigit);
      return;
    }
    std::string text = "  ";
    if (mcp.window_fpa > 0) text += " ";
    const double tenths = static_cast<double>(fw::Round(mcp.window_fpa * 10));
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", tenths * 0.1);
    text += number;
    if (std::fabs(mcp.window_fpa) < 0.05) text = "   0.0";
    e.host.SevenSegmentSet(e.session, text.substr(0, 6), firstDigit);
    return;
  }
  mcp.window_vs = std::clamp(mcp.window_vs + (direction == Direction::kDecrease ? -100 : 100), -7900, 6000);
  if (!aircraft.vs_lamp) {
    e.host.SevenSegmentSet(e.session, "     ", firstDigit);
    return;
  }
  const std::int32_t firstLed = ctrl ? 129 : 25;
  if (mcp.window_vs < 0) {
    e.host.LedSet(e.session, ctrl ? 135 : 31, true);
  } else {
    for (std::int32_t led = firstLed; led < firstLed + 8; ++led) e.host.LedSet(e.session, led, false);
  }
  e.host.SevenSegmentSet(e.session, Digits("%04lld", std::abs(mcp.window_vs)), ctrl ? 18 : 5);
}

}  // namespace

void VerticalSpeedDetent(McpEvent& e, Direction direction) {
  if (e.panel == McpPanel::kCtrl777 || e.panel == McpPanel::kMx777) {
    VerticalSpeed777(e, direction);
  } else if (e.panel != McpPanel::kElvl) {
    VerticalSpeed737(e, direction);
  }
  e.host.SendCommand(std::string("MCP_VERTICAL_SPEED_") + Sign(direction, "DECREASE=1", "INCREASE=1"));
}

}  // namespace aircraft
