// trelvik_run: Trelvik.exe flying a scripted flight against simulated panels and the SimConnect.dll stand-in,
// with an account of everything that crossed. scripts/run.sh builds and starts it; see --help.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sim/channel/control_pipe.h"
#include "sim/channel/remote_boards.h"
#include "sim/run/account.h"
#include "sim/run/flight.h"
#include "sim/run/message_boxes.h"
#include "sim/run/panels.h"
#include "sim/run/program_folder.h"
#include "sim/run/program_process.h"
#include "sim/run/program_windows.h"
#include "sim/run/screenshot.h"

namespace trelvikrun {
namespace {

enum ExitCode : int { kOk = 0, kChecksFailed = 1, kNotStarted = 2, kCrashed = 3, kNotClosed = 4, kUsage = 5 };

constexpr DWORD kStartMs = 60000;        // the main window
constexpr DWORD kDiscoveryMs = 60000;    // every board bound
constexpr DWORD kSimulatorMs = 30000;    // the program's simulator session (first attempt 5 s after start)
constexpr DWORD kCheckMs = 10000;        // what a step must show
constexpr DWORD kRescanMs = 20000;       // the switch rescan, five seconds after discovery
constexpr DWORD kOutputPauseMs = 2100;   // the outputs' pause from the rescan's start, and a little more
constexpr DWORD kEventMs = 5000;         // the event a switch sends
constexpr DWORD kQuietMs = 300;          // nothing more changed for this long: the step is complete
constexpr DWORD kCloseMs = 30000;        // the program's end after its window was closed
constexpr DWORD kInteractiveMs = 3600000;
constexpr DWORD kResizeMs = 5000;        // the window's new height after a mode change

// Where a user clicks in the main window's client area: the header's "Enable Program Mode" button, and the
// tabs of the "ZEDArave Status" and "CDU      Assignments" pages.
constexpr POINT kModeButton{715, 28};
constexpr POINT kStatusTab{77, 82};
constexpr POINT kCduTab{227, 82};

// The program-mode picture beside the main window's: "x.bmp" gives "x-program-mode.bmp".
std::string ProgramModeScreenshot(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of("\\/");
  const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (extension ? path.substr(0, dot) : path) + "-program-mode" + (extension ? path.substr(dot) : ".bmp");
}

int WindowHeight(HWND window) {
  RECT area{};
  return GetWindowRect(window, &area) ? area.bottom - area.top : 0;
}

// Dark pixels (text) inside a rectangle of the window's client area, as the picture shows it.
int TextPixels(HWND window, const WindowPicture& picture, const RECT& client) {
  RECT frame{};
  POINT origin{0, 0};
  if (!GetWindowRect(window, &frame) || !ClientToScreen(window, &origin)) return 0;
  const int dx = origin.x - frame.left;
  const int dy = origin.y - frame.top;
  int count = 0;
  for (int y = client.top + dy; y < client.bottom + dy && y < picture.height; ++y) {
    for (int x = client.left + dx; x < client.right + dx && x < picture.width; ++x) {
      const char* p = &picture.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.Stride()) +
                                      static_cast<std::size_t>(x) * 3];
      const auto channel = [](char c) { return static_cast<unsigned char>(c); };
      if (channel(p[0]) < 0x60 && channel(p[1]) < 0x60 && channel(p[2]) < 0x60) ++count;
    }
  }
  return count;
}

// Clicks the mode button and waits until the window has changed its height.
bool SwitchMode(HWND window) {
  const int before = WindowHeight(window);
  if (!ClickAt(window, kModeButton)) return false;
  const ULONGLONG deadline = GetTickCount64() + kResizeMs;
  while (WindowHeight(window) == before) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(50);
  }
  return true;
}

// Program mode as a user opens it: the status page, then the CDU page, one picture below the other; the
// window is back in basic mode on the status page afterwards. Empty when written, else what failed.
std::string SaveProgramMode(HWND window, const std::string& path) {
  if (!SwitchMode(window)) return "the window did not change to program mode";
  std::vector<WindowPicture> pages(2);
  std::string failure = CaptureWindow(window, pages[0]);
  // Each tab must show its caption: text pixels well inside the tab.
  for (const POINT tab : {kStatusTab, kCduTab}) {
    if (failure.empty() && TextPixels(window, pages[0], RECT{tab.x - 60, tab.y - 16, tab.x + 60, tab.y + 16}) < 20) {
      failure = "a tab shows no caption";
    }
  }
  if (failure.empty() && !ClickAt(window, kCduTab)) failure = "the CDU page's tab did not take the click";
  if (failure.empty()) failure = CaptureWindow(window, pages[1]);
  ClickAt(window, kStatusTab);
  if (!SwitchMode(window) && failure.empty()) failure = "the window did not return to basic mode";
  return failure.empty() ? SavePictures(pages, path) : failure;
}

struct Options {
  bool is777 = false;
  int seconds = 20;
  bool interactive = false;
  std::string screenshot;
  std::string folder;
};

void Usage() {
  std::printf(
      "usage: trelvik_run [--aircraft 737|777] [--seconds N] [--interactive] [--screenshot FILE.bmp] "
      "[--folder DIR]\n"
      "  Runs Trelvik.exe with simulated panels (mode control panel, two EFIS panels, a CDU) and the SimConnect\n"
      "  stand-in playing a scripted flight; prints what crossed in both directions and the counts.\n"
      "  --seconds N    spread the flight over about N seconds (0: each step as soon as the last one settled)\n"
      "  --interactive  after the flight keep the program running until its window is closed\n"
      "  --screenshot   write the main window to this bitmap file before closing\n"
      "  --folder       the program's folder (default: run\\ beside this program); emptied of earlier files\n"
      "Exit codes: 0 ok, 1 a check failed, 2 the program did not start, 3 it crashed or ended by itself,\n"
      "4 it did not close.\n");
}

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == "--aircraft" && hasValue) {
      const std::string type = argv[++i];
      if (type != "737" && type != "777") return std::nullopt;
      options.is777 = type == "777";
    } else if (option == "--seconds" && hasValue) {
      char* end = nullptr;
      const long seconds = std::strtol(argv[++i], &end, 10);
      if (*end != 0 || seconds < 0 || seconds > 3600) return std::nullopt;
      options.seconds = static_cast<int>(seconds);
    } else if (option == "--interactive") {
      options.interactive = true;
    } else if (option == "--screenshot" && hasValue) {
      options.screenshot = argv[++i];
    } else if (option == "--folder" && hasValue) {
      options.folder = argv[++i];
    } else {
      return std::nullopt;
    }
  }
  if (!options.folder.empty() && options.folder.back() != '\\' && options.folder.back() != '/') options.folder += '\\';
  return options;
}

// New whole lines of a file another process appends to.
class FileTail {
 public:
  explicit FileTail(std::string path) : path_(std::move(path)) {}
  std::vector<std::string> NewLines() {
    std::vector<std::string> lines;
    std::ifstream in(path_, std::ios::binary);
    if (!in) return lines;
    in.seekg(static_cast<std::streamoff>(offset_));
    std::string line;
    while (std::getline(in, line)) {
      if (in.eof()) break;  // not ended yet: read again next time
      offset_ += line.size() + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    return lines;
  }

 private:
  std::string path_;
  std::size_t offset_ = 0;
};

// Everything the run watches, printed as it changes.
class Watch {
 public:
  Watch(Account& account, const simchannel::RemoteBoards& boards, const std::string& journal)
      : account_(account), boards_(boards), journal_(journal) {}

  // Prints what changed since the last call; true when anything did.
  bool Poll() {
    bool changed = false;
    for (const std::string& line : journal_.NewLines()) {
      journalText_ += line + "\n";
      unsigned event = 0, data = 0;
      if (ParseAddonEvent(line, event, data)) {
        char text[96];
        std::snprintf(text, sizeof text, "add-on event %u data 0x%08X", event, data);
        account_.Line("event", Direction::kOutOfProgram, text);
        account_.Event();
        ++events_;
        changed = true;
      }
    }
    const std::vector<HidSimMirrorBoard> now = StableBoards();
    for (std::size_t i = 0; i < now.size(); ++i) {
      // A board seen for the first time is told as plugged in (and opened), not as every port it holds.
      HidSimMirrorBoard before = now[i];
      if (i < shown_.size()) {
        before = shown_[i];
      } else {
        before.plugged = 0;
        before.openHandles = 0;
      }
      const Panel panel = PanelOf(now[i]);
      for (const PanelChange& change : Changes(panel, before, now[i])) {
        // A window caught between two rows and back is told once for what it shows.
        if (!change.window.empty()) {
          std::string& told = toldWindows_[change.window];
          if (told == change.shows) continue;
          told = change.shows;
        }
        account_.Line(change.kind, change.kind == std::string("board") ? Direction::kNone : Direction::kOutOfProgram,
                      change.text);
        if (change.kind == std::string("window")) account_.Window();
        account_.Lamps(change.lamps);
        changed = true;
      }
    }
    if (!now.empty()) shown_ = now;
    return changed;
  }

  // Polls until the condition holds or the time is up; then until nothing changed for kQuietMs. True when the
  // condition held.
  template <class Condition>
  bool Until(Condition condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    bool held = false;
    while (!(held = condition()) && GetTickCount64() < deadline) {
      Poll();
      Sleep(15);
    }
    Settle();
    return held || condition();
  }

  void Settle() {
    ULONGLONG quietSince = GetTickCount64();
    const ULONGLONG deadline = quietSince + 5000;
    while (GetTickCount64() - quietSince < kQuietMs && GetTickCount64() < deadline) {
      if (Poll()) quietSince = GetTickCount64();
      Sleep(15);
    }
  }

  // The boards once two readings a moment apart agree: a window is written a matrix row at a time, and a
  // reading between two rows would show digits that were never meant.
  std::vector<HidSimMirrorBoard> StableBoards() const {
    std::vector<HidSimMirrorBoard> last = boards_.Boards();
    for (int attempt = 0; attempt < 20; ++attempt) {
      Sleep(15);
      std::vector<HidSimMirrorBoard> next = boards_.Boards();
      if (next.size() == last.size() &&
          std::equal(next.begin(), next.end(), last.begin(), [](const auto& a, const auto& b) {
            return std::memcmp(&a, &b, sizeof a) == 0;
          })) {
        break;
      }
      last = std::move(next);
    }
    return last;
  }

  int Events() const { return events_; }
  const std::string& JournalText() const { return journalText_; }
  const std::vector<HidSimMirrorBoard>& Shown() const { return shown_; }

 private:
  Account& account_;
  const simchannel::RemoteBoards& boards_;
  FileTail journal_;
  std::string journalText_;
  std::vector<HidSimMirrorBoard> shown_;
  std::map<std::string, std::string> toldWindows_;
  int events_ = 0;
};

bool CheckHolds(const Check& check, const std::vector<HidSimMirrorBoard>& boards) {
  if (check.board >= static_cast<int>(boards.size())) return false;
  const HidSimMirrorBoard& board = boards[static_cast<std::size_t>(check.board)];
  if (check.window.empty()) return simchannel::LedLit(board, check.led) == check.lit;
  for (const PanelWindow& window : PanelOf(board).windows) {
    if (check.window == window.name) return WindowText(board, window) == check.text;
  }
  return false;
}

std::string CheckText(const Check& check, const std::vector<HidSimMirrorBoard>& boards) {
  const std::string board = check.board < static_cast<int>(boards.size())
                                ? PanelOf(boards[static_cast<std::size_t>(check.board)]).name
                                : "board " + std::to_string(check.board);
  if (!check.window.empty()) return board + " " + check.window + " \"" + check.text + "\"";
  return board + " LED " + std::to_string(check.led) + (check.lit ? " on" : " off");
}

class Run {
 public:
  Run(const Options& options, Account& account) : options_(options), account_(account) {}

  int Play() {
    folder_ = options_.folder.empty() ? ToolFolder() + "run\\" : options_.folder;
    const std::string prepared = PrepareProgramFolder(folder_, options_.is777, kCduBoardName);
    if (!prepared.empty()) return Fail(kNotStarted, prepared);

    const std::string tag = std::to_string(GetCurrentProcessId());
    simchannel::RemoteBoards boards("trelvik-run-boards-" + tag);
    simulatorPipe_ = "trelvik-run-simulator-" + tag;
    if (!boards.Ready()) return Fail(kNotStarted, "cannot make the boards' state block");
    const std::string journal = JournalFile(folder_);
    Watch watch(account_, boards, journal);

    account_.Line("run", Direction::kNone, std::string("aircraft ") + (options_.is777 ? "777" : "737") + ", program folder " + folder_);
    const ProgramProcess::Variables variables =
        ProgramVariables(folder_, {BoardsText(options_.is777), boards.Name(), simulatorPipe_});
    const std::string output = folder_ + "program-output.txt";
    if (!program_.Start(folder_, variables, output)) return Fail(kNotStarted, "Trelvik.exe did not start");
    boxes_.Start(GetProcessId(program_.Handle()));
    if (program_.WaitForMainWindow(kStartMs) == nullptr) return Fail(kNotStarted, "no main window within 60 s");
    account_.Line("program", Direction::kNone,
                  "started: main window shown (process " + std::to_string(GetProcessId(program_.Handle())) + ")");

    const std::string connected = "4 Devices Connected";
    if (!program_.WaitForListLine(connected, kDiscoveryMs)) return Ended(watch, output, "the boards were not all bound");
    watch.Settle();
    account_.Line("program", Direction::kNone, "board list: " + connected);

    // The program opens its session on its reconnect timer; the loaded aircraft and a flight start follow.
    if (!watch.Until([&] { return watch.JournalText().find("SimConnect_RequestSystemState(") != std::string::npos; },
                     kSimulatorMs)) {
      return Ended(watch, output, "the program opened no simulator session");
    }
    const std::string addon = options_.is777 ? "ORVA 777" : "ORVA 737";
    Simulator(AircraftRequest(addon));
    Simulator("simstart");
    account_.Line("sim", Direction::kIntoProgram, "flight started, aircraft loaded: " + addon);
    if (!program_.WaitForListLine(addon + " Aircraft Detected", kCheckMs)) account_.Failed(addon + " not detected");

    // Five seconds after its discovery the program replays every panel switch to the aircraft and pauses its
    // outputs for two seconds from the replay's start; the flight begins once both are over.
    if (!watch.Until([&] { return StatusPanelText(program_.MainWindow(), 0) == "Switches Rescanned"; },
                     kRescanMs)) {
      account_.Failed("no switch rescan");
    }
    const ULONGLONG rescanned = GetTickCount64();
    watch.Until([&] { return GetTickCount64() - rescanned >= kOutputPauseMs; }, kOutputPauseMs + 1000);
    account_.Line("program", Direction::kNone, "switches rescanned");

    const std::vector<Step> steps = Flight(options_.is777);
    const DWORD stepMs = static_cast<DWORD>(options_.seconds) * 1000 / static_cast<DWORD>(steps.size());
    for (const Step& step : steps) {
      const ULONGLONG started = GetTickCount64();
      if (!program_.Running()) return Ended(watch, output, "the program ended during the flight");
      PlayStep(step, boards, watch);
      while (GetTickCount64() - started < stepMs && program_.Running()) {
        watch.Poll();
        Sleep(20);
      }
    }

    if (!options_.screenshot.empty()) {
      const std::string failure = SaveWindowBitmap(program_.MainWindow(), options_.screenshot);
      if (failure.empty()) {
        account_.Line("run", Direction::kNone, "screenshot of the main window: " + options_.screenshot);
      } else {
        account_.Failed("no screenshot written to " + options_.screenshot + ": " + failure);
      }
      const std::string programMode = ProgramModeScreenshot(options_.screenshot);
      const std::string modeFailure = SaveProgramMode(program_.MainWindow(), programMode);
      if (modeFailure.empty()) {
        account_.Line("run", Direction::kNone, "screenshot of program mode, both pages: " + programMode);
      } else {
        account_.Failed("no program-mode screenshot written to " + programMode + ": " + modeFailure);
      }
    }
    if (options_.interactive) {
      account_.Line("run", Direction::kNone, "paused: close the program's window to end");
      const ULONGLONG deadline = GetTickCount64() + kInteractiveMs;
      while (program_.Running() && GetTickCount64() < deadline) {
        watch.Poll();
        Sleep(50);
      }
      if (!program_.Running()) return Closed(watch, output);
    }

    account_.Line("run", Direction::kNone, "closing the main window");
    program_.RequestClose();
    if (!program_.WaitForEnd(kCloseMs)) {
      program_.Terminate();
      watch.Poll();
      return Fail(kNotClosed, "the program did not close within 30 s");
    }
    return Closed(watch, output);
  }

 private:
  void Simulator(const std::string& request) {
    const auto reply = simchannel::CallControlPipe(simulatorPipe_, request, 10000);
    if (reply != std::optional<std::string>("ok")) account_.Failed("simulator request \"" + request.substr(0, 40) + "\": " + reply.value_or("no answer"));
  }

  void PlayStep(const Step& step, const simchannel::RemoteBoards& boards, Watch& watch) {
    const std::string panel = watch.Shown().size() > static_cast<std::size_t>(step.board)
                                  ? PanelOf(watch.Shown()[static_cast<std::size_t>(step.board)]).name
                                  : "board";
    const int eventsBefore = watch.Events();
    switch (step.kind) {
      case Step::Kind::kData:
        account_.Line("data", Direction::kIntoProgram, step.description);
        account_.Data();
        Simulator(DataRequest(options_.is777, step.state));
        break;
      case Step::Kind::kPress:
        account_.Line("switch", Direction::kIntoProgram, panel + " switch " + std::to_string(step.switchNumber) + ": " + step.description);
        account_.Press();
        if (!boards.Press(step.board, step.switchNumber, true)) account_.Failed("switch not pressed");
        watch.Until([&] { return watch.Events() > eventsBefore; }, kEventMs);
        if (!boards.Press(step.board, step.switchNumber, false)) account_.Failed("switch not released");
        break;
      case Step::Kind::kKnob:
        account_.Line("knob", Direction::kIntoProgram, panel + " switch " + std::to_string(step.switchNumber) + " x" + std::to_string(step.detents) + ": " + step.description);
        for (int detent = 0; detent < step.detents; ++detent) {
          account_.Press();
          const int before = watch.Events();
          if (!boards.Press(step.board, step.switchNumber, true) || !boards.Press(step.board, step.switchNumber, false)) {
            account_.Failed("knob detent not made");
          }
          watch.Until([&] { return watch.Events() > before; }, kEventMs);
          if (step.headingStep != 0 && watch.Events() > before) {
            FlightState follows = step.state;
            follows.heading = step.state.heading + step.headingStep * (detent + 1);
            char text[64];
            std::snprintf(text, sizeof text, "the add-on follows: heading %03d", follows.heading);
            account_.Line("data", Direction::kIntoProgram, text);
            account_.Data();
            Simulator(DataRequest(options_.is777, follows));
          }
        }
        break;
    }
    if (step.sendsEvent && watch.Events() == eventsBefore) account_.Failed("no add-on event for: " + step.description);
    // Each check is judged on the boards as they stand once the step settled (or its time ran out).
    watch.Until([&] {
      const std::vector<HidSimMirrorBoard> now = boards.Boards();
      return std::all_of(step.checks.begin(), step.checks.end(), [&](const Check& c) { return CheckHolds(c, now); });
    }, kCheckMs);
    const std::vector<HidSimMirrorBoard> now = boards.Boards();
    for (const Check& check : step.checks) {
      if (CheckHolds(check, now)) account_.Line("check", Direction::kNone, CheckText(check, now) + ": shown");
      else account_.Failed(CheckText(check, now) + " not shown");
    }
  }

  // The program ended after its window was closed: it must have ended cleanly and left every board dark and
  // released.
  int Closed(Watch& watch, const std::string& output) {
    watch.Poll();
    NoMessageBoxes();
    if (Crashed(output)) return Fail(kCrashed, "the program crashed (see " + output + ")");
    const DWORD code = program_.ExitCode();
    if (code != 0) return Fail(kCrashed, "the program ended with exit code " + std::to_string(code));
    account_.Line("program", Direction::kNone, "closed cleanly");
    // Dark: the LED matrix switched off (the board shows nothing, whatever its rows hold) or nothing lit.
    for (const HidSimMirrorBoard& board : watch.Shown()) {
      bool unlit = true;
      for (int led = 1; led <= 256; ++led) unlit = unlit && !simchannel::LedLit(board, led);
      const bool dark = board.ledMatrixOn == 0 || unlit;
      const std::string name = PanelOf(board).name;
      if (dark && board.openHandles == 0) {
        account_.Line("board", Direction::kNone,
                      name + (board.ledMatrixOn == 0 ? " LED matrix off" : " no LED lit") + ", released at close");
      } else {
        account_.Failed(name + (dark ? "" : " still lit") + (board.openHandles != 0 ? " still open" : "") + " at close");
      }
    }
    return account_.Failures() == 0 ? kOk : kChecksFailed;
  }

  // The program ended, or could not go on, before the run closed it.
  int Ended(Watch& watch, const std::string& output, const std::string& what) {
    watch.Poll();
    NoMessageBoxes();
    if (!program_.Running()) {
      return Fail(kCrashed, what + (Crashed(output) ? ": the program crashed (see " + output + ")" : ": the program ended by itself"));
    }
    program_.RequestClose();
    if (!program_.WaitForEnd(kCloseMs)) {
      program_.Terminate();
      return Fail(kNotClosed, what + "; then the program did not close");
    }
    return Fail(kChecksFailed, what);
  }

  // The program runs unattended here: any message box it showed is a failure.
  void NoMessageBoxes() {
    boxes_.Stop();
    for (const std::string& box : boxes_.Seen()) account_.Failed("message box shown: " + box);
  }

  bool Crashed(const std::string& output) const {
    std::ifstream in(output, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str().find("Unhandled") != std::string::npos;
  }

  int Fail(int code, const std::string& what) {
    account_.Failed(what);
    return code;
  }

  const Options& options_;
  Account& account_;
  ProgramProcess program_;
  MessageBoxWatch boxes_;
  std::string folder_;
  std::string simulatorPipe_;
};

const char* Outcome(int code) {
  switch (code) {
    case kOk: return "the program ran and closed cleanly";
    case kChecksFailed: return "the program ran, but checks failed";
    case kNotStarted: return "the program did not start";
    case kCrashed: return "the program crashed or ended by itself";
    case kNotClosed: return "the program did not close";
    default: return "usage";
  }
}

}  // namespace
}  // namespace trelvikrun

int main(int argc, char** argv) {
  using namespace trelvikrun;
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    Usage();
    return kUsage;
  }
  Account account(stdout);
  int code = kChecksFailed;
  {
    Run run(*options, account);
    code = run.Play();
  }
  account.Totals(std::string("exit ") + std::to_string(code) + ": " + Outcome(code));
  return code;
}
