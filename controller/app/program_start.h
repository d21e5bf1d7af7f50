// The program's main block: the application object and its title, the fixed locale settings, the eight
// forms in their order (main form first), then the message loop until the main form closes.
#pragma once

namespace trelvik {

// Fixes the separators and date formats that every number and date of the program uses.
void ApplyProgramFormatSettings();

int RunProgram();

}  // namespace trelvik
