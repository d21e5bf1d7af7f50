// The radio family of the switch processing: the NAV/COM/ADF radio boards in their six roles, the
// transponder, and the multicom panels, which edit the standby frequency of whichever radio their mode
// buttons select. Each edits the form's working copies, sends the command, refreshes the board's outputs
// at once and ends with the last-switch and last-board labels. GUI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "controller/aircraft/family_host.h"
#include "controller/aircraft/switch_host.h"

namespace aircraft {

void RunRadioRole(SwitchHost& host, FamilyHost& family, Radio radio, std::int32_t id, std::int32_t switchNumber,
                  std::int32_t state);

void RunTransponder(SwitchHost& host, FamilyHost& family, std::int32_t id, std::int32_t switchNumber,
                    std::int32_t state);

// A multicom in role 0 (captain), 1 (first officer), 2 or 3 (observers); a board of model 3401 uses the
// HALDOR layout, any other the 747 layout.
void RunMulticom(SwitchHost& host, FamilyHost& family, std::int32_t role, const std::string& model, std::int32_t id,
                 std::int32_t switchNumber, std::int32_t state);

// The radio a multicom mode selects: 3401 (HALDOR) layout or the 747 layout; nothing for modes that select
// none. Mode 3 of the HALDOR layout is the ADF with the 737 and COM2 with the 777.
bool MulticomRadio(bool haldorLayout, std::int32_t mode, bool is777, Radio& radio);

}  // namespace aircraft
