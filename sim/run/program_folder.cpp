#include "sim/run/program_folder.h"

#include <windows.h>

#include <cstdio>
#include <fstream>

#include "sim/hidsim_mirror.h"

namespace trelvikrun {

namespace {

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

std::string ToolFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path);
  return text.substr(0, text.find_last_of('\\') + 1);
}

std::string PrepareProgramFolder(const std::string& folder, bool is777, const std::string& cduBoard) {
  const std::string bin = ToolFolder();
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* old : {"CONFIG.INI", "ASSIGNMENTS.INI", "VavOzorovoduz.log", "simconnect.journal"}) {
    DeleteFileA((folder + old).c_str());
  }
  for (const char* file : {"Trelvik.exe", "ventrixAPI.dll", "ventrix_hidsim.dll"}) {
    if (!CopyFileA((bin + file).c_str(), (folder + file).c_str(), FALSE)) return std::string("cannot copy ") + file;
  }
  if (!CopyFileA((bin + "simconnect\\SimConnect.dll").c_str(), (folder + "SimConnect.dll").c_str(), FALSE)) {
    return "cannot copy SimConnect.dll";
  }
  if (!WriteText(folder + "CONFIG.INI", ProgramSettings(is777)) ||
      !WriteText(folder + "ASSIGNMENTS.INI", "[CDU_ASSIGNMENTS]\r\nCPT=" + cduBoard + "\r\n")) {
    return "cannot write the settings";
  }
  return std::string();
}

std::string ProgramSettings(bool is777) {
  return std::string("[SETTINGS]\r\nAIRCRAFT_TYPE=") + (is777 ? "B777" : "B737") +
         "\r\nOUTPUT_LED_TIMER=200\r\nOUTPUT_7SEG_TIMER=250\r\n";
}

ProgramProcess::Variables ProgramVariables(const std::string& folder, const SimulatorNames& names) {
  return {{"VENTRIX_HID_SIMULATOR", folder + "ventrix_hidsim.dll"},
          {"VENTRIX_HIDSIM_BOARDS", names.boards},
          {HIDSIM_CONTROL_VARIABLE, names.boardControl},
          {"TRELVIK_SIMCONNECT_JOURNAL", JournalFile(folder)},
          {"TRELVIK_SIMCONNECT_CONTROL", names.simulatorControl}};
}

std::string JournalFile(const std::string& folder) { return folder + "simconnect.journal"; }

bool ParseAddonEvent(const std::string& line, unsigned& event, unsigned& data) {
  unsigned session = 0, object = 0;
  return std::sscanf(line.c_str(), "SimConnect_TransmitClientEvent(%u, %u, %u, 0x%x", &session, &object, &event,
                     &data) == 4;
}

}  // namespace trelvikrun
