// The windows and lamps of the radio-family boards, one board per call: the NAV/COM/ADF radio panel 4C5A
// in its roles, the multicom panels 3401 (HALDOR) and 3318 (747), and the transponders 3305 and 3402.
// Values come from panel_state (the aircraft's radios) and the form's working copies; no state here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controller/aircraft/family_host.h"
#include "controller/app/output_sink.h"
#include "controller/app/panel_state.h"

namespace trelvik {

// What the radio switches edit: the standby frequencies and test buttons of the six radio roles.
struct RadioWorkingValues {
  std::array<double, aircraft::kRadioCount> standby{};
  std::array<bool, aircraft::kRadioCount> test{};
};

// A VHF frequency from the aircraft's binary-coded-decimal word (0x1845 is 118.45 MHz; 0 is 100.00).
double BcdFrequency(std::uint32_t word);
// The same as text with 2 (radio panel) or 3 (multicom) decimals.
std::string BcdFrequencyText(std::uint32_t word, int decimals);

// The hidden status lines of the radio page, in order: COM1, COM2, NAV1, NAV2, ADF1, ADF2, XPNDR. While
// multicom_activity is set the VHF standby texts show the working copies, otherwise the aircraft's words.
std::array<std::string, 7> RadioStatusLines(const PanelState& panel, const RadioWorkingValues& working,
                                            bool multicomActivity);

// A 4C5A radio panel in `role` (none: a board in no radio role).
void WriteRadioPanel(std::int32_t session, std::optional<aircraft::Radio> role, const PanelState& panel,
                     const RadioWorkingValues& working, OutputSink& sink);

// A multicom panel in one multicom role (0 captain, 1 first officer, 2 and 3 observers; none: in no role)
// with the mode of every role. Returns the status bar's mode text when the mode wrote one.
std::optional<std::string> WriteMulticomPanel(std::int32_t session, bool haldorLayout, std::optional<int> role,
                                              const std::array<std::int32_t, 4>& modes, bool is777,
                                              const PanelState& panel, const RadioWorkingValues& working,
                                              OutputSink& sink);

// A transponder board; only the board in the transponder role shows the code entry. The code is blanked
// while IDENT blinks off.
void WriteTransponderPanel(std::int32_t session, bool inRole, const PanelState& panel, const std::string& codeEntry,
                           bool blankCode, OutputSink& sink);

}  // namespace trelvik
