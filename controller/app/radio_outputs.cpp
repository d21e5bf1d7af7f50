#include "controller/app/radio_outputs.h"

#include <iterator>

#include "framework/rtl/floattext.h"
#include "framework/rtl/intconv.h"

namespace trelvik {

namespace {

using aircraft::Radio;

constexpr const char* kBlank13 = "             ";

std::size_t Index(Radio radio) { return static_cast<std::size_t>(radio); }

std::string Fixed(double value, int precision, int decimals) {
  return fw::FloatToStrF(value, fw::ffFixed, precision, decimals);
}

// An ADF window of the radio panel: one decimal, zeros in front up to six characters ("0350.5").
std::string AdfWindowText(double khz) {
  std::string text = Fixed(khz, 15, 1);
  while (text.size() <= 5) text = "0" + text;
  return text;
}

// An ADF window of the multicom: at least four characters with zeros, then blanks in front up to seven.
std::string MulticomAdfText(double khz, int precision) {
  std::string text = Fixed(khz, precision, 1);
  while (text.size() <= 3) text = "0" + text;
  while (text.size() <= 6) text = " " + text;
  return text;
}

void Lines(OutputSink& sink, std::int32_t session, int line9, int line10, int line11) {
  sink.DatalineSet(session, 9, static_cast<std::uint8_t>(line9));
  sink.DatalineSet(session, 10, static_cast<std::uint8_t>(line10));
  sink.DatalineSet(session, 11, static_cast<std::uint8_t>(line11));
}

void Windows(OutputSink& sink, std::int32_t session, const std::string& active, const std::string& standby) {
  sink.SevenSegmentSet(session, active.c_str(), 1);
  sink.SevenSegmentSet(session, standby.c_str(), 7);
}

// A VHF radio in the multicom's windows: the aircraft's active frequency and the working standby copy.
void VhfWindows(OutputSink& sink, std::int32_t session, Radio radio, const PanelState& panel,
                const RadioWorkingValues& working) {
  Windows(sink, session, BcdFrequencyText(panel.vhf_active_bcd[Index(radio)], 3),
          Fixed(working.standby[Index(radio)], 6, 3));
}

// One mode of the HALDOR multicom 3401: what its windows show, its data lines 9 to 11 and the status text.
struct HaldorMode {
  enum Show { kBlank, kVhf, kAdf, kFixed } show;
  Radio radio;          // kVhf
  const char* active;   // kFixed
  const char* standby;  // kFixed
  int line9, line10, line11;
  const char* status;
};

const HaldorMode kHaldor737[] = {
    {HaldorMode::kBlank, Radio::kCom1, nullptr, nullptr, 0, 0, 0, "MultiCom OFF"},
    {HaldorMode::kVhf, Radio::kCom1, nullptr, nullptr, 0, 1, 1, "MultiCom COM1"},
    {HaldorMode::kVhf, Radio::kCom2, nullptr, nullptr, 1, 0, 1, "MultiCom COM2"},
    {HaldorMode::kAdf, Radio::kAdf1, nullptr, nullptr, 0, 0, 1, "MultiCom ADF"},
    {HaldorMode::kVhf, Radio::kNav1, nullptr, nullptr, 1, 1, 0, "MultiCom NAV1"},
    {HaldorMode::kVhf, Radio::kNav2, nullptr, nullptr, 0, 1, 0, "MultiCom NAV2"},
};

const HaldorMode kHaldor777[] = {
    {HaldorMode::kBlank, Radio::kCom1, nullptr, nullptr, 0, 0, 0, "MultiCom OFF"},
    {HaldorMode::kVhf, Radio::kCom1, nullptr, nullptr, 0, 1, 1, "MultiCom COM1"},
    {HaldorMode::kFixed, Radio::kCom1, "dA7A  ", "136.850", 1, 0, 1, "MultiCom ADF"},
    {HaldorMode::kVhf, Radio::kCom2, nullptr, nullptr, 0, 0, 1, "MultiCom COM2"},
    {HaldorMode::kFixed, Radio::kCom1, "------", "------", 1, 1, 0, "MultiCom NAV1"},
    {HaldorMode::kFixed, Radio::kCom1, "------", "------", 0, 1, 0, "MultiCom NAV2"},
    {HaldorMode::kFixed, Radio::kCom1, "------", "------", 1, 0, 0, "MultiCom Blank"},
};

// set_multicom_outputs: the HALDOR multicom 3401.
std::optional<std::string> WriteHaldorMulticom(std::int32_t session, std::int32_t mode, bool is777,
                                               const PanelState& panel, const RadioWorkingValues& working,
                                               OutputSink& sink) {
  const auto modes = static_cast<std::int32_t>(is777 ? std::size(kHaldor777) : std::size(kHaldor737));
  if (mode < 0 || mode >= modes) return std::nullopt;
  const HaldorMode& row = (is777 ? kHaldor777 : kHaldor737)[mode];
  switch (row.show) {
    case HaldorMode::kBlank: sink.SevenSegmentSet(session, kBlank13, 1); break;
    case HaldorMode::kVhf: VhfWindows(sink, session, row.radio, panel, working); break;
    case HaldorMode::kAdf:
      Windows(sink, session, MulticomAdfText(panel.adf_active[0], 5),
              MulticomAdfText(working.standby[Index(Radio::kAdf1)], 4));
      break;
    case HaldorMode::kFixed: Windows(sink, session, row.active, row.standby); break;
  }
  Lines(sink, session, row.line9, row.line10, row.line11);
  return row.status;
}

// set_multicom_outputs_747: the 747 radio management panel 3318 in role 0..3.
std::optional<std::string> Write747Multicom(std::int32_t session, int role, const std::array<std::int32_t, 4>& modes,
                                            const PanelState& panel, const RadioWorkingValues& working,
                                            OutputSink& sink) {
  // Each role's own radio: captain VHF L (1), first officer VHF R (2), the observers VHF C (3).
  const std::int32_t own = role == 0 ? 1 : role == 1 ? 2 : 3;
  const std::int32_t mode = modes[static_cast<std::size_t>(role)];
  bool offSide = mode != own;
  for (int other = 0; other < 4; ++other) {
    if (other != role && modes[static_cast<std::size_t>(other)] == own) offSide = true;
  }
  sink.LedSet(session, 97, offSide ? 1 : 0);
  static const char* const kTexts[] = {"MultiCom OFF", "MultiCom VHF L", "MultiCom VHF R", "MultiCom VHF C",
                                       "MultiCom HF1",  "MultiCom AM",    "MultiCom HF2"};
  if (mode < 0 || mode > 6) return std::nullopt;
  switch (mode) {
    case 0: sink.SevenSegmentSet(session, kBlank13, 1); break;
    case 1: VhfWindows(sink, session, Radio::kCom1, panel, working); break;
    case 2: VhfWindows(sink, session, Radio::kCom2, panel, working); break;
    case 3: Windows(sink, session, "dA7A  ", "136.850"); break;
    default: Windows(sink, session, "------", "------"); break;
  }
  for (std::int32_t lamp = 1; lamp <= 6; ++lamp) sink.LedSet(session, 97 + lamp, lamp == mode ? 1 : 0);
  return kTexts[mode];
}

}  // namespace

double BcdFrequency(std::uint32_t word) {
  std::string text = "1" + fw::IntToHex(word, 4);
  while (text.size() < 5) text += "0";
  double value = 0;
  // A word with hexadecimal letters is no frequency; it reads as 0.
  if (!fw::TryStrToFloat(text, value)) return 0;
  return value * 0.01;
}

std::string BcdFrequencyText(std::uint32_t word, int decimals) {
  return Fixed(BcdFrequency(word), decimals + 3, decimals);
}

std::array<std::string, 7> RadioStatusLines(const PanelState& panel, const RadioWorkingValues& working,
                                            bool multicomActivity) {
  static const char* const kVhfNames[] = {"COM1 Freq: ", "COM2 Freq: ", "NAV1 Freq: ", "NAV2 Freq: "};
  std::array<std::string, 7> lines;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::string standby = multicomActivity ? Fixed(working.standby[i], 5, 2)
                                                 : BcdFrequencyText(panel.vhf_standby_bcd[i], 2);
    lines[i] = kVhfNames[i] + BcdFrequencyText(panel.vhf_active_bcd[i], 2) + "  " + standby;
  }
  for (std::size_t i = 0; i < 2; ++i) {
    lines[4 + i] = std::string(i == 0 ? "ADF1 Freq: " : "ADF2 Freq: ") + Fixed(panel.adf_active[i], 15, 1) + "  " +
                   Fixed(panel.adf_standby[i], 15, 1);
  }
  lines[6] = "XPNDR: " + std::to_string(panel.transponder_code) + "  Mode: " + std::to_string(panel.transponder_mode);
  return lines;
}

void WriteRadioPanel(std::int32_t session, std::optional<Radio> role, const PanelState& panel,
                     const RadioWorkingValues& working, OutputSink& sink) {
  if (panel.aircraft_power == 0) {
    sink.SevenSegmentSet(session, "          ", 1);
    sink.LedSet(session, 81, 0);
    return;
  }
  if (role) {
    const std::size_t i = Index(*role);
    const bool adf = *role == Radio::kAdf1 || *role == Radio::kAdf2;
    std::string active, standby;
    if (working.test[i]) {
      active = standby = *role == Radio::kAdf1 ? "8888.8" : "888.88";
    } else if (adf) {
      // Both ADF windows keep their leading zero, so the digits stay in their places.
      active = AdfWindowText(panel.adf_active[i - Index(Radio::kAdf1)]);
      standby = AdfWindowText(working.standby[i]);
    } else {
      active = BcdFrequencyText(panel.vhf_active_bcd[i], 2);
      standby = Fixed(working.standby[i], 5, 2);
    }
    sink.SevenSegmentSet(session, active.c_str(), 1);
    sink.SevenSegmentSet(session, standby.c_str(), 6);
  }
  sink.LedSet(session, 81, 1);
}

std::optional<std::string> WriteMulticomPanel(std::int32_t session, bool haldorLayout, std::optional<int> role,
                                              const std::array<std::int32_t, 4>& modes, bool is777,
                                              const PanelState& panel, const RadioWorkingValues& working,
                                              OutputSink& sink) {
  if (panel.aircraft_power == 0) {
    sink.SevenSegmentSet(session, kBlank13, 1);
    for (std::int32_t led = 97; led <= 120; ++led) sink.LedSet(session, led, 0);
    return std::nullopt;
  }
  std::optional<std::string> status;
  if (role) {
    status = haldorLayout
                 ? WriteHaldorMulticom(session, modes[static_cast<std::size_t>(*role)], is777, panel, working, sink)
                 : Write747Multicom(session, *role, modes, panel, working, sink);
  }
  for (std::int32_t led = 105; led <= 120; ++led) sink.LedSet(session, led, 1);
  return status;
}

void WriteTransponderPanel(std::int32_t session, bool inRole, const PanelState& panel, const std::string& codeEntry,
                           bool blankCode, OutputSink& sink) {
  if (panel.aircraft_power == 0) {
    sink.SevenSegmentSet(session, "    ", 2);
    for (std::int32_t led = 41; led <= 49; ++led) sink.LedSet(session, led, 0);
    return;
  }
  if (!inRole) return;
  sink.SevenSegmentSet(session, blankCode ? "    " : codeEntry.c_str(), 2);
  for (std::int32_t led = 41; led <= 49; ++led) sink.LedSet(session, led, 1);
}

}  // namespace trelvik
