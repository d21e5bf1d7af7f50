// The mode-control branch of the switch processing: the switch tables of the seven mode-control panel
// models (and of the EFIS controls they carry), their knobs with the windows stepped at once on the panel,
// and the tail every event of these boards runs (LED pass, last-switch label, assignment capture cleared).
#pragma once

#include <cstdint>
#include <string>

#include "controller/aircraft/switch_host.h"

namespace aircraft {

// Whether the model code (its first four characters) is one of the mode-control panels.
bool IsModeControlModel(const std::string& model);

// One event of a mode-control board; the model must be one IsModeControlModel accepts.
void RunModeControlPanel(SwitchHost& host, const std::string& model, std::int32_t session,
                         std::int32_t switchNumber, std::int32_t state);

}  // namespace aircraft
