// What the program costs and how fast it answers, with the real Trelvik.exe over simulated boards and the
// SimConnect.dll stand-in (three boards: the 737 MCP, an EFIS panel, a CDU). Each run starts the program anew;
// every figure is the median of the runs, with the smallest and largest beside it.
//
//   program_bench [--runs N] [--presses N] [--changes N] [--idle-seconds N]
//
// - switch to add-on event: from the moment the simulated board's switches changed to the moment the stand-in
//   was asked to send the event (one clock for both processes), for a per-switch board (the MCP's HDG SEL) and
//   a whole-state board (a CDU key);
// - add-on data change to board reports: heading steps of one degree; LED-matrix row and data-line reports the
//   boards received against the fewest that show the change (a row report per changed row, one port report
//   when a data line changed);
// - idle: nothing changing, everything bound and the simulator connected: the program's CPU time as a share of
//   one core, its working set, and the reports the boards received per second by kind;
// - start-up: from the program's start to its first board opened, and the discovery after that per board.
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
#include "sim/run/flight.h"
#include "sim/run/program_folder.h"
#include "sim/run/program_process.h"
#include "sim/run/program_windows.h"

namespace {

using trelvikrun::FlightState;

constexpr char kBoards[] = "1FD1:03E8:MCP00001::330F;1FD1:03E8:EFS00001::330B;1FD1:03EA:CDU00001::3302";
constexpr int kBoardCount = 3;
constexpr int kMcp = 0;
constexpr int kCdu = 2;
constexpr int kHdgSelSwitch = 12;
constexpr int kCduKey = 1;
constexpr DWORD kWaitMs = 60000;
constexpr DWORD kAfterRescanMs = 3000;  // the outputs' two-second pause after the rescan, and their passes

double Frequency() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(frequency.QuadPart);
}

long long Ticks() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double Milliseconds(long long ticks) { return static_cast<double>(ticks) * 1000.0 / Frequency(); }

double Percentile(std::vector<double> samples, double share) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  return samples[static_cast<std::size_t>(share * static_cast<double>(samples.size() - 1) + 0.5)];
}

// One run's figures by name.
using Figures = std::map<std::string, double>;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class BenchRun {
 public:
  BenchRun(int index, int presses, int changes, int idleSeconds)
      : presses_(presses), changes_(changes), idleSeconds_(idleSeconds),
        tag_(std::to_string(GetCurrentProcessId()) + "-" + std::to_string(index)),
        boards_("bench-boards-" + tag_), simulatorPipe_("bench-simulator-" + tag_),
        folder_(trelvikrun::ToolFolder() + "bench_run\\") {}

  std::optional<Figures> Measure() {
    const std::string prepared = trelvikrun::PrepareProgramFolder(folder_, false, trelvikrun::kCduBoardName);
    if (!prepared.empty()) return Fail(prepared);
    const long long start = Ticks();
    if (!program_.Start(folder_, trelvikrun::ProgramVariables(folder_, {kBoards, boards_.Name(), simulatorPipe_}),
                        folder_ + "program-output.txt")) {
      return Fail("the program did not start");
    }
    // Start-up: the first board opened, then the board list complete.
    const long long deadline = start + static_cast<long long>(Frequency() * kWaitMs / 1000);
    long long firstOpen = 0;
    while (firstOpen == 0 && Ticks() < deadline && program_.Running()) {
      for (const HidSimMirrorBoard& board : boards_.Boards()) {
        if (board.openHandles > 0) firstOpen = Ticks();
      }
      Sleep(1);
    }
    if (firstOpen == 0 || program_.WaitForMainWindow(kWaitMs) == nullptr ||
        !program_.WaitForListLine(std::to_string(kBoardCount) + " Devices Connected", kWaitMs)) {
      return Fail("the boards were not discovered");
    }
    const long long listed = Ticks();
    figures_["startup_first_board_ms"] = Milliseconds(firstOpen - start);
    figures_["discovery_per_board_ms"] = Milliseconds(listed - firstOpen) / kBoardCount;

    if (!WaitForSession()) return Fail("no simulator session");
    Simulator(trelvikrun::AircraftRequest("ORVA 737"));
    Simulator("simstart");
    state_.power = true, state_.course = 45, state_.speed = 160, state_.heading = 90, state_.altitude = 5000;
    if (!SetData() || !WaitForHeading("090")) return Fail("the MCP never showed the aircraft's heading");
    // Five seconds after discovery the program replays the panels' switches and pauses its outputs for two
    // seconds; idle starts once that is over and the passes after it are done.
    if (!WaitForRescan()) return Fail("the program never rescanned its switches");
    Sleep(kAfterRescanMs);

    if (!MeasureIdle()) return Fail("the idle figures could not be read");
    if (!MeasureChanges()) return Fail("a heading change never reached the MCP");
    if (!MeasureLatency(kMcp, kHdgSelSwitch, "latency_per_switch") ||
        !MeasureLatency(kCdu, kCduKey, "latency_whole_state")) {
      return Fail("a switch never reached the simulator");
    }
    program_.RequestClose();
    if (!program_.WaitForEnd(30000)) return Fail("the program did not close");
    return figures_;
  }

 private:
  std::optional<Figures> Fail(const std::string& what) {
    std::fprintf(stderr, "program_bench: %s\n", what.c_str());
    return std::nullopt;
  }

  bool Simulator(const std::string& request) {
    const auto reply = simchannel::CallControlPipe(simulatorPipe_, request, 10000);
    return reply && reply->rfind("ok", 0) == 0;
  }

  bool WaitForSession() {
    const ULONGLONG deadline = GetTickCount64() + kWaitMs;
    while (GetTickCount64() < deadline) {
      if (ReadAll(trelvikrun::JournalFile(folder_)).find("SimConnect_RequestSystemState(") != std::string::npos) {
        return true;
      }
      Sleep(50);
    }
    return false;
  }

  bool WaitForRescan() const {
    const ULONGLONG deadline = GetTickCount64() + kWaitMs;
    while (trelvikrun::StatusPanelText(program_.MainWindow(), 0) != "Switches Rescanned") {
      if (GetTickCount64() >= deadline || !program_.Running()) return false;
      Sleep(20);
    }
    return true;
  }

  bool SetData() { return Simulator(trelvikrun::DataRequest(false, state_)); }

  std::string Heading() const {
    const std::vector<HidSimMirrorBoard> now = boards_.Boards();
    if (now.empty()) return std::string();
    std::string text;
    for (int digit = 9; digit <= 11; ++digit) text += simchannel::DigitText(simchannel::DigitSegments(now[kMcp], digit));
    return text;
  }

  bool WaitForHeading(const std::string& heading) const {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (Heading() != heading) {
      if (GetTickCount64() >= deadline) return false;
      Sleep(5);
    }
    return true;
  }

  // Reports of each kind over every board.
  std::vector<long long> ReportKinds() const {
    std::vector<long long> kinds(4, 0);
    for (const HidSimMirrorBoard& board : boards_.Boards()) {
      for (int kind = 0; kind < 4; ++kind) kinds[static_cast<std::size_t>(kind)] += board.reportKinds[kind];
    }
    return kinds;
  }

  // The program's processor time in ms and its working set in bytes, as it reads them itself (through the
  // simulated boards' control: Wine does not give another process's times).
  std::optional<std::pair<double, double>> Usage() const {
    const auto reply = boards_.Request("usage", 10000);
    unsigned long long kernel = 0, user = 0, workingSet = 0;
    if (!reply || std::sscanf(reply->c_str(), "ok %llu %llu %llu", &kernel, &user, &workingSet) != 3) {
      return std::nullopt;
    }
    return std::make_pair(static_cast<double>(kernel + user) / 10000.0, static_cast<double>(workingSet));
  }

  bool MeasureIdle() {
    const std::vector<long long> before = ReportKinds();
    const long long start = Ticks();
    const auto first = Usage();
    Sleep(static_cast<DWORD>(idleSeconds_) * 1000);  // the measurement: nothing happens meanwhile
    const auto last = Usage();
    const double wallMs = Milliseconds(Ticks() - start);
    const std::vector<long long> after = ReportKinds();
    if (!first || !last) return false;
    figures_["idle_cpu_percent"] = 100.0 * (last->first - first->first) / wallMs;
    figures_["working_set_mb"] = last->second / (1024.0 * 1024.0);
    const char* const names[] = {"idle_led_rows_per_s", "idle_ports_per_s", "idle_key_matrix_per_s",
                                 "idle_other_per_s"};
    for (std::size_t kind = 0; kind < 4; ++kind) {
      figures_[names[kind]] = static_cast<double>(after[kind] - before[kind]) * 1000.0 / wallMs;
    }
    return true;
  }

  // The fewest reports that show the change from before to after on every board.
  static long long MinimumReports(const std::vector<HidSimMirrorBoard>& before, const std::vector<HidSimMirrorBoard>& after) {
    long long minimum = 0;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
      for (int row = 0; row < 8; ++row) {
        if (std::memcmp(before[i].ledRows[row], after[i].ledRows[row], 4) != 0) ++minimum;
      }
      if (std::memcmp(before[i].ports, after[i].ports, 4) != 0) ++minimum;
    }
    return minimum;
  }

  bool MeasureChanges() {
    std::vector<double> ratios;
    long long sent = 0, fewest = 0;
    for (int change = 0; change < changes_; ++change) {
      const std::vector<HidSimMirrorBoard> before = boards_.Boards();
      const std::vector<long long> kindsBefore = ReportKinds();
      state_.heading = 91 + change % 200;
      char heading[8];
      std::snprintf(heading, sizeof heading, "%03d", state_.heading);
      if (!SetData() || !WaitForHeading(heading)) return false;
      Sleep(1200);  // two 7-segment passes and more: whatever the change still causes is counted
      const std::vector<HidSimMirrorBoard> after = boards_.Boards();
      const std::vector<long long> kindsAfter = ReportKinds();
      const long long reports = kindsAfter[HIDSIM_REPORT_LED_ROW] - kindsBefore[HIDSIM_REPORT_LED_ROW] +
                                kindsAfter[HIDSIM_REPORT_PORTS] - kindsBefore[HIDSIM_REPORT_PORTS];
      const long long minimum = MinimumReports(before, after);
      sent += reports;
      fewest += minimum;
      if (minimum > 0) ratios.push_back(static_cast<double>(reports) / static_cast<double>(minimum));
    }
    figures_["reports_per_change"] = static_cast<double>(sent) / changes_;
    figures_["minimum_reports_per_change"] = static_cast<double>(fewest) / changes_;
    figures_["reports_over_minimum_max"] = ratios.empty() ? 0 : *std::max_element(ratios.begin(), ratios.end());
    return true;
  }

  std::vector<long long> EventTimes(std::size_t from) {
    const auto reply = simchannel::CallControlPipe(simulatorPipe_, "eventtimes " + std::to_string(from), 10000);
    std::vector<long long> times;
    if (!reply) return times;
    std::istringstream in(reply->substr(std::min<std::size_t>(2, reply->size())));
    for (long long time; in >> time;) times.push_back(time);
    return times;
  }

  bool MeasureLatency(int board, int switchNumber, const std::string& name) {
    std::size_t seen = 0;
    for (std::vector<long long> all = EventTimes(0); !all.empty(); all = EventTimes(seen)) seen += all.size();
    std::vector<double> samples;
    std::vector<double> program;
    for (int press = 0; press < presses_; ++press) {
      const std::optional<long long> changed = boards_.PressAt(board, switchNumber, true);
      if (!changed) return false;
      std::vector<long long> events;
      const ULONGLONG deadline = GetTickCount64() + 5000;
      while ((events = EventTimes(seen)).empty() && GetTickCount64() < deadline) Sleep(0);
      if (events.empty()) return false;
      samples.push_back(Milliseconds(events.front() - *changed));
      // The program's share: from the reading's arrival on the board library's reader thread to the event.
      const auto delivered = boards_.Request("delivered", 10000);
      if (delivered && delivered->rfind("ok ", 0) == 0) {
        const long long arrived = std::stoll(delivered->substr(3));
        if (arrived >= *changed && arrived <= events.front()) program.push_back(Milliseconds(events.front() - arrived));
      }
      if (!boards_.Press(board, switchNumber, false)) return false;
      Sleep(40);  // the opening is taken in before the next press; whatever it sends is not a sample
      for (std::vector<long long> more = EventTimes(seen); !more.empty(); more = EventTimes(seen)) seen += more.size();
    }
    figures_[name + "_p50_ms"] = Percentile(samples, 0.5);
    figures_[name + "_p99_ms"] = Percentile(samples, 0.99);
    figures_[name + "_max_ms"] = Percentile(samples, 1.0);
    figures_[name + "_program_p50_ms"] = Percentile(program, 0.5);
    figures_[name + "_program_p99_ms"] = Percentile(program, 0.99);
    return true;
  }

  int presses_;
  int changes_;
  int idleSeconds_;
  std::string tag_;
  simchannel::RemoteBoards boards_;
  std::string simulatorPipe_;
  std::string folder_;
  trelvikrun::ProgramProcess program_;
  FlightState state_;
  Figures figures_;
};

// The floor under Wine: a thread that does nothing but what frames every idle pass (look for a message, sleep
// 1 ms), as a share of one core.
double EmptyPassCpuPercent(int seconds) {
  const auto cpuMs = [] {
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    const auto value = [](const FILETIME& time) {
      return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (value(kernel) + value(user)) / 10000.0;
  };
  const double startCpu = cpuMs();
  const long long start = Ticks();
  const long long end = start + static_cast<long long>(Frequency()) * seconds;
  MSG message;
  while (Ticks() < end) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(1);
  }
  return 100.0 * (cpuMs() - startCpu) / Milliseconds(Ticks() - start);
}

struct Row {
  const char* label;
  const char* figure;
  const char* unit;
  const char* limit;  // the physical limit or the target, shown beside
};

const Row kRows[] = {
    {"switch -> add-on event, per-switch board  p50", "latency_per_switch_p50_ms", "ms", "USB interval 1 ms"},
    {"                                          p99", "latency_per_switch_p99_ms", "ms", "target: poll + 2 ms"},
    {"                                          max", "latency_per_switch_max_ms", "ms", ""},
    {"  program's share (reading -> event)      p50", "latency_per_switch_program_p50_ms", "ms", ""},
    {"                                          p99", "latency_per_switch_program_p99_ms", "ms", "target: 2 ms"},
    {"switch -> add-on event, whole-state board p50", "latency_whole_state_p50_ms", "ms", "USB interval 1 ms"},
    {"                                          p99", "latency_whole_state_p99_ms", "ms", "target: poll + 2 ms"},
    {"                                          max", "latency_whole_state_max_ms", "ms", ""},
    {"  program's share (reading -> event)      p50", "latency_whole_state_program_p50_ms", "ms", ""},
    {"                                          p99", "latency_whole_state_program_p99_ms", "ms", "target: 2 ms"},
    {"data change -> reports per change", "reports_per_change", "", ""},
    {"  fewest reports that show it", "minimum_reports_per_change", "", "target: equal"},
    {"  worst change, reports / fewest", "reports_over_minimum_max", "x", "target: 1.0"},
    {"idle: program CPU, share of one core", "idle_cpu_percent", "%", "target: <= 1 %"},
    {"  floor: an empty 1 ms pass under this Wine", "empty_pass_cpu_percent", "%", "no program work"},
    {"idle: working set", "working_set_mb", "MiB", ""},
    {"idle: LED-row reports per second", "idle_led_rows_per_s", "/s", "target: 0"},
    {"idle: data-line reports per second", "idle_ports_per_s", "/s", "target: 0"},
    {"idle: other reports per second", "idle_other_per_s", "/s", "target: 0"},
    {"idle: key-matrix requests per second", "idle_key_matrix_per_s", "/s", "the reader's poll"},
    {"start-up: program start -> first board open", "startup_first_board_ms", "ms", ""},
    {"start-up: discovery per board", "discovery_per_board_ms", "ms", "incl. settling waits"},
};

}  // namespace

int main(int argc, char** argv) {
  int runs = 3, presses = 100, changes = 10, idleSeconds = 20;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const int value = std::max(1, std::atoi(argv[i + 1]));
    if (option == "--runs") runs = value;
    else if (option == "--presses") presses = value;
    else if (option == "--changes") changes = value;
    else if (option == "--idle-seconds") idleSeconds = value;
    else {
      std::fprintf(stderr, "usage: program_bench [--runs N] [--presses N] [--changes N] [--idle-seconds N]\n");
      return 2;
    }
  }
  std::vector<Figures> results;
  for (int run = 0; run < runs; ++run) {
    std::fprintf(stderr, "program_bench: run %d of %d\n", run + 1, runs);
    BenchRun bench(run, presses, changes, idleSeconds);
    std::optional<Figures> figures = bench.Measure();
    if (!figures) return 1;
    (*figures)["empty_pass_cpu_percent"] = EmptyPassCpuPercent(5);
    results.push_back(*figures);
  }
  std::printf("Trelvik.exe over simulated boards (737 MCP, EFIS, CDU) and the SimConnect stand-in: median of %d runs "
              "[min .. max]\n", runs);
  std::printf("%-46s %10s %-22s %s\n", "figure", "median", "[spread]", "limit / target");
  for (const Row& row : kRows) {
    std::vector<double> values;
    for (const Figures& figures : results) {
      const auto found = figures.find(row.figure);
      if (found != figures.end()) values.push_back(found->second);
    }
    if (values.empty()) continue;
    char spread[64];
    std::snprintf(spread, sizeof spread, "[%.2f .. %.2f]", *std::min_element(values.begin(), values.end()),
                  *std::max_element(values.begin(), values.end()));
    std::printf("%-46s %10.2f %-3s %-18s %s\n", row.label, Percentile(values, 0.5), row.unit, spread, row.limit);
  }
  return 0;
}
