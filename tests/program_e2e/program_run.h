// One run of the real Trelvik.exe: a scratch folder holding the program, the board library and the
// simulated boards' DLL; the program started there, found by its main window's caption, closed with
// WM_CLOSE. Every wait is bounded. Every message box the program shows is noticed, and a run that showed
// one fails when it goes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "sim/channel/remote_boards.h"
#include "sim/run/message_boxes.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"

namespace e2e {

// An event the program sent to the add-on, as the stand-in journaled it.
struct AddonEvent {
  unsigned event;
  unsigned data;
  bool operator==(const AddonEvent&) const = default;
};

// Polls until the condition holds or the time is up; whether it held.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return condition();
    Sleep(20);
  }
  return true;
}

class ProgramRun {
 public:
  // boards: simulated boards as the simulator's environment text ("1FD1:03E8:serial;...").
  ProgramRun(const std::string& name, const std::string& boards);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  const std::string& Folder() const { return folder_; }
  // Puts the SimConnect.dll stand-in beside the program (before Start); it journals to kSimJournal and is
  // steered through Simulator.
  void AddSimConnectStandIn();
  static constexpr const char* kSimJournal = "simconnect.journal";
  // One control request to the stand-in ("data <area> <hex>", "aircraft <text>", "simstart"); true on "ok".
  bool Simulator(const std::string& request) const;
  // Waits (bounded) for the program's simulator session, then loads the add-on's aircraft and starts a flight.
  bool StartFlight(const std::string& aircraft, DWORD timeoutMs);
  // The add-on events sent so far, in order.
  std::vector<AddonEvent> Events() const;
  // A panel of the main window's status bar.
  std::string StatusText(int panel = 0) const;
  // The simulated boards seen and steered from the test (sim/hidsim_mirror.h): made before Start; their last
  // state stays readable after the program ended.
  simchannel::RemoteBoards& ControlBoards();
  std::string ReadFile(const std::string& name) const;
  // A file put in the folder before the program starts.
  void WriteFile(const std::string& name, const std::string& text) const;
  bool Start();
  // What the program wrote to its standard output and error (complete once it ended).
  std::string Output() const;
  // The main window, once it exists (bounded wait).
  HWND WaitForMainWindow(DWORD timeoutMs);
  // Waits until the file holds text (bounded); returns what it holds then.
  std::string WaitForFileText(const std::string& name, const std::string& text, DWORD timeoutMs);
  // The lines of every list box of the main window, in window order.
  std::vector<std::vector<std::string>> ListBoxes();
  // Waits (bounded) until some list box holds the line; returns every list box's lines then.
  std::vector<std::vector<std::string>> WaitForListLine(const std::string& line, DWORD timeoutMs);
  // Posts WM_CLOSE and waits for the process to end; true when it ended in time.
  bool Close(DWORD timeoutMs);
  // The message boxes shown so far ("caption: text").
  std::vector<std::string> MessageBoxes() const { return boxes_.Seen(); }

 private:
  std::string name_;
  trelvik::testing::ScratchFolder scratch_;
  std::string folder_;
  std::string boards_;
  testsupport::ChildProcess::Variables variables_;
  std::unique_ptr<simchannel::RemoteBoards> remote_;
  std::string simulatorPipe_;
  std::unique_ptr<testsupport::ChildProcess> process_;
  trelvikrun::MessageBoxWatch boxes_;
  HWND window_ = nullptr;
};

using ListLines = std::vector<std::vector<std::string>>;
// Whether any of the lists holds the line.
bool ListsHold(const ListLines& lists, const std::string& line);

// Where a run that watches the panels begins: the program started with the template's settings (pass intervals
// 200 and 250 ms) and the SimConnect stand-in, its boards listed ("1 Device Connected", ...), a 737 flight
// started, and the rescan that follows the discovery (it pauses the outputs) done. Empty when it got there,
// otherwise the step that failed.
std::string StartFlyingAfterRescan(ProgramRun& run, const std::string& boardsLine);
// What keeps the board from being dark and released by the program (its LED matrix off or nothing lit, no
// device file open, its switches no longer reported); empty when nothing does.
std::string NotDarkAndReleased(const HidSimMirrorBoard& board);

// A text's lines, without their line ends.
std::vector<std::string> Lines(const std::string& text);
// The lists as one text, for a failure message: "[line|line|][...]".
std::string DescribeLists(const ListLines& lists);

}  // namespace e2e
