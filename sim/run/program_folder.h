// The folder a run of the program uses: Trelvik.exe, the board library, the simulated boards' DLL and the
// SimConnect.dll stand-in copied from beside the tool, the settings for the aircraft and the CDU's role, and
// the variables that put the simulators behind it.
#pragma once

#include <string>

#include "sim/run/program_process.h"

namespace trelvikrun {

// The folder of the running tool, ending with a backslash.
std::string ToolFolder();

// Empties the folder of an earlier run's files and puts the program and its settings there; an empty text when
// it succeeded, else what failed.
std::string PrepareProgramFolder(const std::string& folder, bool is777, const std::string& cduBoard);
// The CONFIG.INI of a run: the aircraft and the template's output pass intervals (LED 200 ms, 7-segment 250 ms).
std::string ProgramSettings(bool is777);

struct SimulatorNames {
  std::string boards;           // VENTRIX_HIDSIM_BOARDS
  std::string boardControl;     // VENTRIX_HIDSIM_CONTROL
  std::string simulatorControl; // TRELVIK_SIMCONNECT_CONTROL
};
// The program's variables; the stand-in journals to JournalFile(folder).
ProgramProcess::Variables ProgramVariables(const std::string& folder, const SimulatorNames& names);
std::string JournalFile(const std::string& folder);
// An add-on event the program sent, read from its journal line (SimConnect_TransmitClientEvent); false for any
// other line.
bool ParseAddonEvent(const std::string& line, unsigned& event, unsigned& data);

}  // namespace trelvikrun
