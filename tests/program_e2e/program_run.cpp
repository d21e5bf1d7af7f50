#include "tests/program_e2e/program_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "framework/rtl/filetext.h"
#include "sim/channel/control_pipe.h"
#include "sim/run/flight.h"
#include "sim/run/program_folder.h"
#include "sim/run/program_windows.h"

namespace e2e {

ProgramRun::ProgramRun(const std::string& name, const std::string& boards)
    : name_(name), scratch_("e2e_" + name), folder_(scratch_.Path()) {
  const std::string bin = trelvikrun::ToolFolder();
  for (const char* file : {"Trelvik.exe", "ventrixAPI.dll", "ventrix_hidsim.dll"}) {
    CopyFileA((bin + file).c_str(), (folder_ + file).c_str(), FALSE);
  }
  boards_ = boards;
}

// A program still running is ended by its ChildProcess before the scratch folder goes.
ProgramRun::~ProgramRun() {
  boxes_.Stop();
  process_.reset();
  for (const std::string& box : boxes_.Seen()) ADD_FAILURE() << name_ << ": the program showed a message box: " << box;
}

std::string ProgramRun::ReadFile(const std::string& name) const {
  return fw::TryReadFileText(folder_ + name).value_or(std::string("<missing>"));
}

void ProgramRun::WriteFile(const std::string& name, const std::string& text) const {
  fw::WriteFileText(folder_ + name, text);
}

std::vector<std::vector<std::string>> ProgramRun::WaitForListLine(const std::string& line, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  std::vector<std::vector<std::string>> lists;
  while (GetTickCount() - start < timeoutMs) {
    lists = ListBoxes();
    for (const auto& list : lists) {
      for (const std::string& held : list) {
        if (held == line) return lists;
      }
    }
    Sleep(50);
  }
  return lists;
}

void ProgramRun::AddSimConnectStandIn() {
  CopyFileA((trelvikrun::ToolFolder() + "simconnect\\SimConnect.dll").c_str(), (folder_ + "SimConnect.dll").c_str(), FALSE);
  variables_.push_back({"TRELVIK_SIMCONNECT_JOURNAL", folder_ + kSimJournal});
  simulatorPipe_ = "e2e-sim-" + name_ + "-" + std::to_string(GetCurrentProcessId());
  variables_.push_back({"TRELVIK_SIMCONNECT_CONTROL", simulatorPipe_});
}

bool ProgramRun::Simulator(const std::string& request) const {
  return !simulatorPipe_.empty() &&
         simchannel::CallControlPipe(simulatorPipe_, request, 10000) == std::optional<std::string>("ok");
}

bool ProgramRun::StartFlight(const std::string& aircraft, DWORD timeoutMs) {
  // The session's last opening call subscribes to the flight's start.
  if (WaitForFileText(kSimJournal, "SimConnect_SubscribeToSystemEvent(", timeoutMs).find(
          "SimConnect_SubscribeToSystemEvent(") == std::string::npos) {
    return false;
  }
  return Simulator(trelvikrun::AircraftRequest(aircraft)) && Simulator("simstart");
}

std::vector<AddonEvent> ProgramRun::Events() const {
  std::vector<AddonEvent> events;
  for (const std::string& line : Lines(ReadFile(kSimJournal))) {
    unsigned event = 0, data = 0;
    if (trelvikrun::ParseAddonEvent(line, event, data)) events.push_back({event, data});
  }
  return events;
}

std::string ProgramRun::StatusText(int panel) const { return trelvikrun::StatusPanelText(window_, panel); }

simchannel::RemoteBoards& ProgramRun::ControlBoards() {
  if (!remote_) {
    remote_ = std::make_unique<simchannel::RemoteBoards>("e2e-" + name_ + "-" + std::to_string(GetCurrentProcessId()));
    variables_.push_back({HIDSIM_CONTROL_VARIABLE, remote_->Name()});
  }
  return *remote_;
}

bool ProgramRun::Start() {
  testsupport::ChildProcess::Variables variables{{"VENTRIX_HID_SIMULATOR", folder_ + "ventrix_hidsim.dll"},
                                                 {"VENTRIX_HIDSIM_BOARDS", boards_}};
  variables.insert(variables.end(), variables_.begin(), variables_.end());
  process_ = std::make_unique<testsupport::ChildProcess>(folder_ + "Trelvik.exe", "", variables);
  if (!process_->Started()) return false;
  boxes_.Start(process_->ProcessId());
  return true;
}

std::string ProgramRun::Output() const { return process_ ? process_->Output() : std::string(); }

// The program's own main window: tests of other areas may show a main form with the same caption meanwhile.
HWND ProgramRun::WaitForMainWindow(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    window_ = trelvikrun::FindMainWindow(process_ ? process_->ProcessId() : 0);
    if (window_ != nullptr) return window_;
    Sleep(20);
  }
  return nullptr;
}

std::string ProgramRun::WaitForFileText(const std::string& name, const std::string& text, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  std::string content;
  while (GetTickCount() - start < timeoutMs) {
    content = ReadFile(name);
    if (content.find(text) != std::string::npos) break;
    Sleep(20);
  }
  return content;
}

std::vector<std::vector<std::string>> ProgramRun::ListBoxes() { return trelvikrun::ListBoxLines(window_); }

bool ProgramRun::Close(DWORD timeoutMs) {
  if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
  return process_ != nullptr && process_->Wait(timeoutMs);
}

std::string NotDarkAndReleased(const HidSimMirrorBoard& board) {
  std::string wrong;
  bool lit = false;
  for (int led = 1; led <= 256; ++led) lit = lit || simchannel::LedLit(board, led);
  if (board.ledMatrixOn != 0 && lit) wrong += " lit";
  if (board.openHandles != 0) wrong += " open";
  if (board.keyMatrixMode != 0) wrong += " reporting";
  return wrong;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool ListsHold(const ListLines& lists, const std::string& line) {
  for (const auto& list : lists) {
    if (std::find(list.begin(), list.end(), line) != list.end()) return true;
  }
  return false;
}

std::string StartFlyingAfterRescan(ProgramRun& run, const std::string& boardsLine) {
  run.WriteFile("CONFIG.INI", trelvikrun::ProgramSettings(false));
  run.AddSimConnectStandIn();
  if (!run.ControlBoards().Ready()) return "the simulated boards are not ready";
  if (!run.Start()) return "the program did not start";
  if (run.WaitForMainWindow(30000) == nullptr) return "no main window";
  const ListLines lists = run.WaitForListLine(boardsLine, 60000);
  if (!ListsHold(lists, boardsLine)) return "no \"" + boardsLine + "\" line: " + DescribeLists(lists);
  if (!run.StartFlight("ORVA 737", 30000)) return "the flight did not start";
  if (!WaitUntil([&] { return run.StatusText() == "Switches Rescanned"; }, 30000)) {
    return "no rescan after the discovery; the status line reads \"" + run.StatusText() + "\"";
  }
  return "";
}

std::string DescribeLists(const ListLines& lists) {
  std::string shown;
  for (const auto& list : lists) {
    shown += "[";
    for (const std::string& line : list) shown += line + "|";
    shown += "]";
  }
  return shown;
}

}  // namespace e2e
