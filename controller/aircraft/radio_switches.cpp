#include "controller/aircraft/radio_switches.h"

#include "controller/aircraft/model_code.h"
#include "controller/aircraft/radio_frequency.h"
#include "controller/aircraft/switch_frame.h"
#include "framework/services/clock.h"

namespace aircraft {

namespace {

struct RadioNames {
  const char* transfer;
  const char* frequency;
  const char* label;
};

const RadioNames kRadioNames[kRadioCount] = {
    {"COM1_TRANSFER=1", "COM1_RADIO_STANDBY_FREQUENCY_SET=", "COM1 - Input: "},
    {"COM2_TRANSFER=1", "COM2_RADIO_STANDBY_FREQUENCY_SET=", "COM2 - Input: "},
    {"NAV1_TRANSFER=1", "NAV1_RADIO_STANDBY_FREQUENCY_SET=", "NAV1 - Input: "},
    {"NAV2_TRANSFER=1", "NAV2_RADIO_STANDBY_FREQUENCY_SET=", "NAV2 - Input: "},
    {"ADF1_TRANSFER=1", "ADF1_RADIO_STANDBY_FREQUENCY=", "ADF1 - Input: "},
    {"ADF2_TRANSFER=1", "ADF2_RADIO_STANDBY_FREQUENCY=", "ADF2 - Input: "},
};

const RadioNames& NamesOf(Radio radio) { return kRadioNames[static_cast<int>(radio)]; }

bool IsAdf(Radio radio) { return radio == Radio::kAdf1 || radio == Radio::kAdf2; }

// Steps the radio's standby frequency and sends it.
void StepAndSend(SwitchHost& host, FamilyHost& family, Radio radio, FrequencyStep step) {
  double& f = family.Standby(radio);
  const RadioNames& names = NamesOf(radio);
  if (IsAdf(radio)) {
    f = StepAdf(f, step);
    host.SendCommand(names.frequency + AdfSendText(f));
    return;
  }
  const bool com = radio == Radio::kCom1 || radio == Radio::kCom2;
  f = StepVhf(f, com ? kComBand : kNavBand, step);
  host.SendCommand(names.frequency + VhfSendDigits(f));
}

// The frame's ending for the radio family: the last-switch label, the board on the radio page, and the
// assignment capture cleared.
void EndRadioEvent(SwitchHost& host, const char* prefix, std::int32_t id, std::int32_t switchNumber,
                   std::int32_t state) {
  host.SetLabel(SwitchLabel::kLastInput, SwitchLabelText(prefix, switchNumber, state));
  host.SetLabel(SwitchLabel::kLastBoardRadio, host.DeviceNameOfSession(id));
  host.LastInput() = LastAssignableInput{};
}

// The knob switches of a radio board (29 to 32) and of a multicom (9 to 16, two knobs): the step they make.
bool RadioKnobStep(std::int32_t switchNumber, FrequencyStep& step) {
  switch (switchNumber) {
    case 29: step = FrequencyStep::kFineDown; return true;
    case 30: step = FrequencyStep::kFineUp; return true;
    case 31: step = FrequencyStep::kCoarseDown; return true;
    case 32: step = FrequencyStep::kCoarseUp; return true;
    default: return false;
  }
}

bool MulticomKnobStep(std::int32_t switchNumber, FrequencyStep& step) {
  if (switchNumber < 9 || switchNumber > 16) return false;
  static const FrequencyStep kSteps[] = {FrequencyStep::kFineDown, FrequencyStep::kFineUp, FrequencyStep::kCoarseDown,
                                         FrequencyStep::kCoarseUp};
  step = kSteps[(switchNumber - 9) % 4];
  return true;
}

void RadioClosed(SwitchHost& host, FamilyHost& family, Radio radio, std::int32_t switchNumber) {
  FrequencyStep step{};
  switch (switchNumber) {
    case 1:
      host.SendCommand(NamesOf(radio).transfer);
      family.ClearOutputSuspended();
      host.ClearSwitchActivity();
      return;
    case 2:
      family.RadioTest(radio) = true;
      if (radio == Radio::kNav1) host.SendCommand("NAV1_TEST_MODE=1");
      if (radio == Radio::kNav2) host.SendCommand("NAV2_TEST_MODE=1");
      return;
    case 12:
      if (radio == Radio::kAdf1) host.SendCommand("AUDIO_ADF_1_VOL=1");
      return;
    default:
      if (RadioKnobStep(switchNumber, step)) StepAndSend(host, family, radio, step);
      return;
  }
}

void RadioOpened(SwitchHost& host, FamilyHost& family, Radio radio, std::int32_t switchNumber) {
  switch (switchNumber) {
    case 1:
      host.ClearSwitchActivity();
      return;
    case 2:
      family.RadioTest(radio) = false;
      host.ClearSwitchActivity();
      return;
    case 12:
      if (radio == Radio::kAdf1) host.SendCommand("AUDIO_ADF_1_VOL=0");
      return;
    default:
      return;
  }
}

void TransponderClosed(FamilyHost& family, SwitchHost& host, std::int32_t switchNumber) {
  if (switchNumber >= 1 && switchNumber <= 8) {
    // Digit keys fill the first missing digit; a complete entry (or "####" before CLR) takes none.
    std::string& entry = family.XpndrCodeEntry();
    const std::size_t missing = entry.find('-');
    if (missing != std::string::npos) entry[missing] = static_cast<char>('0' + switchNumber - 1);
    return;
  }
  switch (switchNumber) {
    case 11: family.XpndrCodeEntry() = "----"; return;
    case 12:
      host.SendCommand("XPNDR_IDENT=1");
      family.XpndrIdent() = true;
      return;
    case 17: family.XpndrMode() = 1; return;
    case 18: family.XpndrMode() = 3; return;
    case 19: family.XpndrMode() = 4; return;
    case 20: family.XpndrMode() = 5; return;
    case 21: family.XpndrMode() = 2; return;
    case 23: family.XpndrSelector() = 2; return;
    case 24: family.XpndrSelector() = 1; return;
    default: return;
  }
}

// set_multicom_switches (HALDOR 3401) and set_multicom_switches_747.
void MulticomSwitch(SwitchHost& host, FamilyHost& family, bool haldorLayout, std::int32_t& mode,
                    std::int32_t switchNumber, std::int32_t state) {
  if (state != 1) {
    if (switchNumber == 1) host.ClearSwitchActivity();
    return;
  }
  Radio radio{};
  const bool selected = MulticomRadio(haldorLayout, mode, host.Is777Selected(), radio);
  FrequencyStep step{};
  if (switchNumber == 1) {
    if (selected) {
      host.SendCommand(NamesOf(radio).transfer);
      family.ClearOutputSuspended();
    }
    host.ClearSwitchActivity();
    family.RederiveB777();
  } else if (switchNumber >= 2 && switchNumber <= 8) {
    // The 747 panel has its second and third radio buttons the other way round.
    static const std::int32_t k747Modes[] = {0, 1, 3, 2, 4, 5, 6};
    mode = haldorLayout ? switchNumber - 2 : k747Modes[switchNumber - 2];
  } else if (MulticomKnobStep(switchNumber, step) && selected) {
    StepAndSend(host, family, radio, step);
  }
}

}  // namespace

bool MulticomRadio(bool haldorLayout, std::int32_t mode, bool is777, Radio& radio) {
  switch (mode) {
    case 1: radio = Radio::kCom1; return true;
    case 2: radio = Radio::kCom2; return true;
    case 3: radio = haldorLayout && is777 ? Radio::kCom2 : Radio::kAdf1; return true;
    case 4: radio = Radio::kNav1; return true;
    case 5: radio = Radio::kNav2; return haldorLayout;
    case 6: radio = Radio::kNav2; return !haldorLayout;
    default: return false;
  }
}

void RunRadioRole(SwitchHost& host, FamilyHost& family, Radio radio, std::int32_t id, std::int32_t switchNumber,
                  std::int32_t state) {
  if (state == 1) {
    RadioClosed(host, family, radio, switchNumber);
  } else {
    RadioOpened(host, family, radio, switchNumber);
  }
  family.ShowRadioPanel("4C5A");
  EndRadioEvent(host, NamesOf(radio).label, id, switchNumber, state);
}

void RunTransponder(SwitchHost& host, FamilyHost& family, std::int32_t id, std::int32_t switchNumber,
                    std::int32_t state) {
  if (state == 1) {
    TransponderClosed(family, host, switchNumber);
  } else if (switchNumber == 23) {
    family.XpndrSelector() = 0;
  }
  family.ShowRadioPanel("3305");
  family.ShowRadioPanel("3402");
  EndRadioEvent(host, "XPNDR - Input: ", id, switchNumber, state);
}

void RunMulticom(SwitchHost& host, FamilyHost& family, std::int32_t role, const std::string& model, std::int32_t id,
                 std::int32_t switchNumber, std::int32_t state) {
  static const char* const kLabels[] = {"CPT MULTICOM - Input: ", "FO MULTICOM - Input: ", "OBS1 MULTICOM - Input: ",
                                        "OBS2 MULTICOM - Input: "};
  const bool haldorLayout = HasModelCode(model, "3401");
  MulticomSwitch(host, family, haldorLayout, family.MulticomMode(role), switchNumber, state);
  family.MarkMulticomActivity(fw::TickCount());
  if (state == 1) family.ShowRadioPanel(haldorLayout ? "3401" : "3318");
  EndRadioEvent(host, kLabels[role], id, switchNumber, state);
}

}  // namespace aircraft
