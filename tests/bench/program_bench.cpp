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
// - start-up: from the program's start to its first board opened, and the discovery after that per board;
// - the program's share broken down, from the program's own timing trace (a shared block the program writes when
//   TRELVIK_TIMING_TRACE names it): reading arrived -> switch message posted -> taken by the GUI thread -> command
//   formed -> event sent -> painting done, and for the slowest presses what the GUI thread was doing while the
//   switch message waited (an output pass and its report writes, a paint, a timer, another message).
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
#include "framework/services/timing_trace.h"
#include "sim/run/program_windows.h"

namespace {

using trelvikrun::FlightState;

// The simulated boards' control thread, as the thread list names it.
constexpr char kControlThread[] = "simulated boards' control";
constexpr char kBoards[] = "1FD1:03E8:MCP00001::330F;1FD1:03E8:EFS00001::330B;1FD1:03EA:CDU00001::3302";
constexpr int kBoardCount = 3;
constexpr int kMcp = 0;
constexpr int kCdu = 2;
constexpr int kHdgSelSwitch = 12;
constexpr int kCduKey = 1;
constexpr DWORD kWaitMs = 60000;
constexpr DWORD kAfterRescanMs = 3000;
constexpr DWORD kPaintWaitMs = 15;  // after a press's event, before its trace is read  // the outputs' two-second pause after the rescan, and their passes

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
        folder_(trelvikrun::ToolFolder() + "bench_run\\"), traceName_("bench-trace-" + tag_),
        traceMapping_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                         sizeof(fw::TimingTraceBlock), traceName_.c_str())),
        trace_(traceMapping_ != nullptr ? static_cast<const fw::TimingTraceBlock*>(
                                              MapViewOfFile(traceMapping_, FILE_MAP_READ, 0, 0, 0))
                                        : nullptr) {}

  ~BenchRun() {
    if (trace_ != nullptr) UnmapViewOfFile(trace_);
    if (traceMapping_ != nullptr) CloseHandle(traceMapping_);
  }
  BenchRun(const BenchRun&) = delete;
  BenchRun& operator=(const BenchRun&) = delete;

  std::optional<Figures> Measure() {
    const std::string prepared = trelvikrun::PrepareProgramFolder(folder_, false, trelvikrun::kCduBoardName);
    if (!prepared.empty()) return Fail(prepared);
    const long long start = Ticks();
    trelvikrun::ProgramProcess::Variables variables =
        trelvikrun::ProgramVariables(folder_, {kBoards, boards_.Name(), simulatorPipe_});
    if (trace_ != nullptr) variables.emplace_back(fw::kTimingTraceVariable, traceName_);
    if (!program_.Start(folder_, variables, folder_ + "program-output.txt")) {
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
    DiscoverySteps(start);
    StartupSteps(start);

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

  // The window thread's id and each thread's processor time (100 ns units) and name: the thread's description
  // (the board library names its workers), or the module and offset where it started.
  struct ThreadTimes {
    unsigned long windowThread = 0;
    std::map<unsigned long, unsigned long long> times;
    std::map<unsigned long, std::string> names;
  };
  std::optional<ThreadTimes> Threads() const {
    const auto reply = boards_.Request("threads", 10000);
    if (!reply || reply->rfind("ok ", 0) != 0) return std::nullopt;
    std::istringstream in(reply->substr(3));
    ThreadTimes threads;
    if (!(in >> threads.windowThread)) return std::nullopt;
    for (std::string entry; in >> entry;) {
      const std::size_t colon = entry.find(':');
      const std::size_t second = entry.find(':', colon + 1);
      if (colon == std::string::npos || second == std::string::npos) continue;
      const unsigned long id = std::stoul(entry.substr(0, colon));
      threads.times[id] = std::stoull(entry.substr(colon + 1, second - colon - 1));
      std::string name = entry.substr(second + 1);
      std::replace(name.begin(), name.end(), '_', ' ');
      threads.names[id] = name;
    }
    return threads;
  }

  // Where an idle program's processor time goes: the window thread (the idle passes, the output passes) and
  // the others (the board library's readers and scans, the USB layer's pipe readers, the aircraft link).
  void SplitIdleTime(const ThreadTimes& first, const ThreadTimes& last, double wallMs) {
    double window = 0, others = 0, busiest = 0;
    int busy = 0;
    for (const auto& [id, time] : last.times) {
      const auto before = first.times.find(id);
      const double share = 100.0 * static_cast<double>(time - (before == first.times.end() ? 0 : before->second)) /
                           10000.0 / wallMs;
      if (id == last.windowThread) {
        window = share;
        threadShares_["the window thread (idle and output passes)"] += share;
        continue;
      }
      const auto name = last.names.find(id);
      const std::string named = name == last.names.end() ? "?" : name->second;
      threadShares_[named] += share;
      if (named == kControlThread) continue;  // answers the benchmark's own requests, the thread list among them
      others += share;
      busiest = std::max(busiest, share);
      if (share >= 0.1) ++busy;
    }
    figures_["idle_window_thread_percent"] = window;
    figures_["idle_other_threads_percent"] = others;
    figures_["idle_busiest_other_thread_percent"] = busiest;
    figures_["idle_busy_other_threads"] = busy;
  }

  bool MeasureIdle() {
    const long long traceBefore = trace_ != nullptr ? trace_->count : 0;
    const std::vector<long long> before = ReportKinds();
    const long long start = Ticks();
    const auto first = Usage();
    const auto firstThreads = Threads();
    Sleep(static_cast<DWORD>(idleSeconds_) * 1000);  // the measurement: nothing happens meanwhile
    const auto lastThreads = Threads();
    const auto last = Usage();
    const double wallMs = Milliseconds(Ticks() - start);
    if (firstThreads && lastThreads) SplitIdleTime(*firstThreads, *lastThreads, wallMs);
    const std::vector<long long> after = ReportKinds();
    if (!first || !last) return false;
    figures_["idle_cpu_percent"] = 100.0 * (last->first - first->first) / wallMs;
    figures_["working_set_mb"] = last->second / (1024.0 * 1024.0);
    const char* const names[] = {"idle_led_rows_per_s", "idle_ports_per_s", "idle_key_matrix_per_s",
                                 "idle_other_per_s"};
    for (std::size_t kind = 0; kind < 4; ++kind) {
      figures_[names[kind]] = static_cast<double>(after[kind] - before[kind]) * 1000.0 / wallMs;
    }
    // The idle passes themselves (the newest of them, as many as the trace keeps).
    if (trace_ != nullptr) {
      const long long traceAfter = trace_->count;
      double busyMs = 0;
      long long passes = 0;
      for (long long n = std::max(traceBefore, traceAfter - fw::TimingTraceBlock::kSpans + 16); n < traceAfter; ++n) {
        const auto& span = trace_->spans[n % fw::TimingTraceBlock::kSpans];
        if (span.kind != static_cast<int>(fw::TraceKind::kIdlePass)) continue;
        busyMs += Milliseconds(span.end - span.begin);
        ++passes;
      }
      if (passes > 0) figures_["idle_pass_mean_us"] = 1000.0 * busyMs / static_cast<double>(passes);
      figures_["idle_passes_per_s"] = static_cast<double>(traceAfter - traceBefore) * 1000.0 / wallMs;
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
        if (arrived >= *changed && arrived <= events.front()) {
          program.push_back(Milliseconds(events.front() - arrived));
          Sleep(kPaintWaitMs);  // the painting that the press causes follows its event
          Breakdown(arrived, events.front(), name);
        }
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
    SummariseBreakdown(name);
    return true;
  }

  // The discovery's steps from the trace: the start-up up to it, the opening and the list once, each board's
  // steps as a mean over the boards.
  void DiscoverySteps(long long start) {
    if (trace_ == nullptr) return;
    static const char* const kSteps[] = {"", "open", "list", "bind", "info", "enable", "settle"};
    std::map<int, std::pair<double, int>> steps;  // step -> total ms, count
    long long first = 0;
    for (long long n = 0; n < trace_->count && n < fw::TimingTraceBlock::kSpans; ++n) {
      const auto& span = trace_->spans[n];
      if (span.kind != static_cast<int>(fw::TraceKind::kDiscovery) || span.detail < 1 || span.detail > 6) continue;
      if (first == 0) first = span.begin;
      steps[span.detail].first += Milliseconds(span.end - span.begin);
      ++steps[span.detail].second;
    }
    if (first != 0) figures_["startup_to_discovery_ms"] = Milliseconds(first - start);
    for (const auto& [step, total] : steps) {
      figures_[std::string("discovery_") + kSteps[step] + "_ms"] = total.first / total.second;
    }
  }

  // From the program's start to the discovery, from the trace's start-up steps: where the time before the
  // start-up timer goes (the process and its libraries before WinMain, the modules, the forms, the first show),
  // the timer's own wait and what its tick does before the discovery.
  void StartupSteps(long long start) {
    if (trace_ == nullptr) return;
    std::map<int, fw::TimingTraceBlock::Span> steps;
    long long discovery = 0;
    for (long long n = 0; n < trace_->count && n < fw::TimingTraceBlock::kSpans; ++n) {
      const auto& span = trace_->spans[n];
      if (span.kind == static_cast<int>(fw::TraceKind::kStartup)) steps[span.detail] = span;
      if (span.kind == static_cast<int>(fw::TraceKind::kDiscovery) && discovery == 0) discovery = span.begin;
    }
    for (int step = fw::kStartupMain; step <= fw::kStartupAssignments; ++step) {
      if (steps.count(step) == 0) return;
    }
    // The loop's first message or idle pass after the forms were made: the main form has been shown.
    long long loop = 0;
    const long long formsMade = steps[fw::kStartupDialogs].end;
    for (long long n = 0; n < trace_->count && n < fw::TimingTraceBlock::kSpans; ++n) {
      const auto& span = trace_->spans[n];
      const bool looped = span.kind == static_cast<int>(fw::TraceKind::kDispatch) ||
                          span.kind == static_cast<int>(fw::TraceKind::kIdlePass);
      if (looped && span.begin >= formsMade && (loop == 0 || span.begin < loop)) loop = span.begin;
    }
    const auto length = [](const fw::TimingTraceBlock::Span& span) { return Milliseconds(span.end - span.begin); };
    figures_["startup_to_main_ms"] = Milliseconds(steps[fw::kStartupMain].begin - start);
    figures_["startup_modules_ms"] = length(steps[fw::kStartupModules]);
    figures_["startup_main_form_ms"] = length(steps[fw::kStartupMainForm]) - length(steps[fw::kStartupFormCreate]);
    figures_["startup_form_create_ms"] = length(steps[fw::kStartupFormCreate]);
    for (const auto& [step, key] : {std::pair{fw::kStartupSettings, "startup_settings_ms"},
                                    std::pair{fw::kStartupWindow, "startup_window_ms"},
                                    std::pair{fw::kStartupInputs, "startup_inputs_ms"},
                                    std::pair{fw::kStartupSimLink, "startup_sim_link_ms"}}) {
      if (steps.count(step) != 0) figures_[key] = length(steps[step]);
    }
    figures_["startup_dialogs_ms"] = length(steps[fw::kStartupDialogs]);
    if (loop != 0) figures_["startup_first_show_ms"] = Milliseconds(loop - formsMade);
    figures_["startup_to_timer_ms"] = Milliseconds(steps[fw::kStartupTimer].begin - start);
    figures_["startup_timer_wait_ms"] = Milliseconds(steps[fw::kStartupJoysticks].begin - steps[fw::kStartupTimer].begin);
    figures_["startup_joysticks_ms"] = length(steps[fw::kStartupJoysticks]);
    figures_["startup_assignments_ms"] = length(steps[fw::kStartupAssignments]);
    if (discovery != 0) {
      figures_["startup_tick_rest_ms"] = Milliseconds(discovery - steps[fw::kStartupJoysticks].begin) -
                                         length(steps[fw::kStartupJoysticks]) - length(steps[fw::kStartupAssignments]);
    }
  }

  // One press's road through the program, from the trace.
  struct Road {
    double handOver = 0;    // reading arrived -> switch message posted (the library's hand-over)
    double queued = 0;      // posted -> taken by the GUI thread
    double frame = 0;       // taken -> command formed
    double send = 0;        // command formed -> event sent
    double paint = 0;       // event sent -> painting done (the later of the message handled and its paints)
    double total = 0;       // arrived -> event sent
    std::map<std::string, double> waitedOn;  // while queued: what the GUI thread did, ms by kind
    double longestWrite = 0;                 // the longest report write while the message waited
  };

  static std::string KindName(const fw::TimingTraceBlock::Span& span) {
    switch (static_cast<fw::TraceKind>(span.kind)) {
      case fw::TraceKind::kLedPass: return "LED pass";
      case fw::TraceKind::kSegmentPass: return "7-segment pass";
      case fw::TraceKind::kIdlePass: return "idle pass (rest)";
      case fw::TraceKind::kDispatch:
        if (span.detail == WM_PAINT) return "WM_PAINT";
        if (span.detail == WM_TIMER) return "WM_TIMER";
        if (span.detail == WM_USER + 3) return "another switch message";
        return "other message";
      default: return "";
    }
  }

  void Breakdown(long long arrived, long long sent, const std::string& name) {
    if (trace_ == nullptr) return;
    const long long posted = trace_->posted;
    const long long count = trace_->count;
    std::vector<fw::TimingTraceBlock::Span> spans;
    for (long long n = std::max(0LL, count - fw::TimingTraceBlock::kSpans + 16); n < count; ++n) {
      spans.push_back(trace_->spans[n % fw::TimingTraceBlock::kSpans]);
    }
    if (posted < arrived || posted > sent) return;
    long long taken = 0, handled = 0, command = 0, painted = 0;
    for (const auto& span : spans) {
      if (taken == 0 && span.kind == static_cast<int>(fw::TraceKind::kDispatch) && span.detail == WM_USER + 3 &&
          span.begin >= posted) {
        taken = span.begin, handled = span.end;
      }
    }
    if (taken == 0) return;
    for (const auto& span : spans) {
      if (command == 0 && span.kind == static_cast<int>(fw::TraceKind::kCommand) && span.begin >= taken) command = span.begin;
      if (span.kind == static_cast<int>(fw::TraceKind::kDispatch) && span.detail == WM_PAINT && span.begin >= taken &&
          span.begin < handled + Frequency() / 100) {
        painted = std::max(painted, span.end);
      }
    }
    if (command == 0 || command > sent) return;
    Road road;
    road.handOver = Milliseconds(posted - arrived);
    road.queued = Milliseconds(taken - posted);
    road.frame = Milliseconds(command - taken);
    road.send = Milliseconds(sent - command);
    road.paint = Milliseconds(std::max(handled, painted) - sent);
    road.total = Milliseconds(sent - arrived);
    // What filled the wait: each span's overlap with it; passes count without the writes and passes inside them.
    const auto overlap = [&](const fw::TimingTraceBlock::Span& span) {
      return Milliseconds(std::max(0LL, std::min(span.end, taken) - std::max(span.begin, posted)));
    };
    double covered = 0;
    for (const auto& span : spans) {
      const double ms = overlap(span);
      if (ms <= 0) continue;
      if (span.kind == static_cast<int>(fw::TraceKind::kReportWrite)) road.longestWrite = std::max(road.longestWrite, ms);
      const std::string kind = KindName(span);
      if (kind.empty()) continue;
      road.waitedOn[kind] += ms;
    }
    // Nested spans: an idle pass holds the output passes, which hold the writes.
    road.waitedOn["idle pass (rest)"] -= road.waitedOn["LED pass"] + road.waitedOn["7-segment pass"];
    for (const auto& [kind, ms] : road.waitedOn) covered += ms;
    road.waitedOn["waiting for a message"] = std::max(0.0, road.queued - covered);
    roads_[name].push_back(road);
  }

  void SummariseBreakdown(const std::string& name) {
    std::vector<Road>& roads = roads_[name];
    if (roads.empty()) return;
    const auto field = [&](double Road::*member, const std::string& figure) {
      std::vector<double> values;
      for (const Road& road : roads) values.push_back(road.*member);
      figures_[name + "_" + figure + "_p50_ms"] = Percentile(values, 0.5);
      figures_[name + "_" + figure + "_p99_ms"] = Percentile(values, 0.99);
    };
    field(&Road::handOver, "handover");
    field(&Road::queued, "queued");
    field(&Road::frame, "frame");
    field(&Road::send, "send");
    field(&Road::paint, "paint");
    field(&Road::longestWrite, "longest_write");
    // The slowest presses (the worst 5 %, at least one): what the GUI thread did while their message waited.
    std::sort(roads.begin(), roads.end(), [](const Road& a, const Road& b) { return a.total > b.total; });
    const std::size_t slow = std::max<std::size_t>(1, roads.size() / 20);
    std::map<std::string, double> sums;
    for (std::size_t i = 0; i < slow; ++i) {
      for (const auto& [kind, ms] : roads[i].waitedOn) sums[kind] += ms;
    }
    for (const auto& [kind, ms] : sums) stalls_[name][kind] = ms / static_cast<double>(slow);
    figures_[name + "_slow_total_ms"] = 0;
    for (std::size_t i = 0; i < slow; ++i) figures_[name + "_slow_total_ms"] += roads[i].total / static_cast<double>(slow);
  }

 public:
  // What the slowest presses waited on, ms by kind, per board type.
  const std::map<std::string, std::map<std::string, double>>& Stalls() const { return stalls_; }
  // The idle processor time by thread name (threads of one name together), share of one core.
  const std::map<std::string, double>& ThreadShares() const { return threadShares_; }

 private:

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
  std::string traceName_;
  HANDLE traceMapping_;
  const fw::TimingTraceBlock* trace_;
  std::map<std::string, std::vector<Road>> roads_;
  std::map<std::string, std::map<std::string, double>> stalls_;
  std::map<std::string, double> threadShares_;
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

// The idle processor time by thread, busiest first: the median of the runs (a thread missing from a run counts
// as 0 there), down to what no longer shows against the floor's noise.
void PrintThreadShares(const std::map<std::string, std::vector<double>>& shares, int runs) {
  constexpr double kShownPercent = 0.02;
  std::vector<std::pair<double, std::string>> rows;
  for (auto [name, values] : shares) {
    values.resize(static_cast<std::size_t>(runs), 0.0);
    rows.emplace_back(Percentile(values, 0.5), name);
  }
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::printf("\nIdle: processor time by thread (share of one core, median of the runs; threads of one name together)\n");
  for (const auto& [share, name] : rows) {
    if (share < kShownPercent) break;
    std::printf("  %-58s %6.2f %%\n", name.c_str(), share);
  }
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
    {"  reading -> posted (library hand-over)   p50", "latency_per_switch_handover_p50_ms", "ms", ""},
    {"                                          p99", "latency_per_switch_handover_p99_ms", "ms", ""},
    {"  posted -> taken by the GUI thread       p50", "latency_per_switch_queued_p50_ms", "ms", ""},
    {"                                          p99", "latency_per_switch_queued_p99_ms", "ms", ""},
    {"  taken -> command formed                 p50", "latency_per_switch_frame_p50_ms", "ms", ""},
    {"                                          p99", "latency_per_switch_frame_p99_ms", "ms", ""},
    {"  command formed -> event sent            p50", "latency_per_switch_send_p50_ms", "ms", ""},
    {"                                          p99", "latency_per_switch_send_p99_ms", "ms", ""},
    {"  event sent -> painting done             p50", "latency_per_switch_paint_p50_ms", "ms", ""},
    {"                                          p99", "latency_per_switch_paint_p99_ms", "ms", ""},
    {"  longest report write while queued      p99", "latency_per_switch_longest_write_p99_ms", "ms", "target: one write"},
    {"  slowest 5 %, reading -> event (mean)", "latency_per_switch_slow_total_ms", "ms", "see the stalls below"},
    {"switch -> add-on event, whole-state board p50", "latency_whole_state_p50_ms", "ms", "USB interval 1 ms"},
    {"                                          p99", "latency_whole_state_p99_ms", "ms", "target: poll + 2 ms"},
    {"                                          max", "latency_whole_state_max_ms", "ms", ""},
    {"  program's share (reading -> event)      p50", "latency_whole_state_program_p50_ms", "ms", ""},
    {"                                          p99", "latency_whole_state_program_p99_ms", "ms", "target: 2 ms"},
    {"  reading -> posted (library hand-over)   p50", "latency_whole_state_handover_p50_ms", "ms", ""},
    {"                                          p99", "latency_whole_state_handover_p99_ms", "ms", ""},
    {"  posted -> taken by the GUI thread       p50", "latency_whole_state_queued_p50_ms", "ms", ""},
    {"                                          p99", "latency_whole_state_queued_p99_ms", "ms", ""},
    {"  taken -> command formed                 p50", "latency_whole_state_frame_p50_ms", "ms", ""},
    {"                                          p99", "latency_whole_state_frame_p99_ms", "ms", ""},
    {"  command formed -> event sent            p50", "latency_whole_state_send_p50_ms", "ms", ""},
    {"                                          p99", "latency_whole_state_send_p99_ms", "ms", ""},
    {"  event sent -> painting done             p50", "latency_whole_state_paint_p50_ms", "ms", ""},
    {"                                          p99", "latency_whole_state_paint_p99_ms", "ms", ""},
    {"  longest report write while queued      p99", "latency_whole_state_longest_write_p99_ms", "ms", "target: one write"},
    {"  slowest 5 %, reading -> event (mean)", "latency_whole_state_slow_total_ms", "ms", "see the stalls below"},
    {"data change -> reports per change", "reports_per_change", "", ""},
    {"  fewest reports that show it", "minimum_reports_per_change", "", "target: equal"},
    {"  worst change, reports / fewest", "reports_over_minimum_max", "x", "target: 1.0"},
    {"idle: program CPU, share of one core", "idle_cpu_percent", "%", "target: <= 1 %"},
    {"  floor: an empty 1 ms pass under this Wine", "empty_pass_cpu_percent", "%", "no program work"},
    {"  the window thread", "idle_window_thread_percent", "%", "idle and output passes"},
    {"  the other threads together", "idle_other_threads_percent", "%", "board library, USB layer, link"},
    {"  the busiest other thread", "idle_busiest_other_thread_percent", "%", ""},
    {"  other threads using 0.1 % or more", "idle_busy_other_threads", "", ""},
    {"  traced GUI-thread spans per second", "idle_passes_per_s", "/s", "about one pass per 1 ms wait"},
    {"  time in one idle pass, mean", "idle_pass_mean_us", "us", ""},
    {"idle: working set", "working_set_mb", "MiB", ""},
    {"idle: LED-row reports per second", "idle_led_rows_per_s", "/s", "target: 0"},
    {"idle: data-line reports per second", "idle_ports_per_s", "/s", "target: 0"},
    {"idle: other reports per second", "idle_other_per_s", "/s", "kept: CDU brightness read + set per 7-seg pass"},
    {"idle: key-matrix requests per second", "idle_key_matrix_per_s", "/s", "the reader's poll"},
    {"start-up: program start -> first board open", "startup_first_board_ms", "ms", ""},
    {"start-up: discovery per board", "discovery_per_board_ms", "ms", "incl. settling waits"},
    {"  program start -> discovery begins", "startup_to_discovery_ms", "ms", "start-up timer 1000 ms"},
    {"  program start -> WinMain", "startup_to_main_ms", "ms", "process, libraries, static data"},
    {"  modules started", "startup_modules_ms", "ms", "GDI+, themes, Winsock, menus"},
    {"  main form made (without its OnCreate)", "startup_main_form_ms", "ms", ""},
    {"  the main form's OnCreate", "startup_form_create_ms", "ms", ""},
    {"    settings read and applied, log opened", "startup_settings_ms", "ms", ""},
    {"    main form's window, its controls' windows", "startup_window_ms", "ms", ""},
    {"    wheel component and joysticks' polling", "startup_inputs_ms", "ms", ""},
    {"    SimConnect.dll loaded, link started", "startup_sim_link_ms", "ms", ""},
    {"  the other forms made", "startup_dialogs_ms", "ms", ""},
    {"  forms made -> message loop (first show)", "startup_first_show_ms", "ms", ""},
    {"  program start -> start-up timer started", "startup_to_timer_ms", "ms", ""},
    {"  the start-up timer's wait", "startup_timer_wait_ms", "ms", "1000 ms"},
    {"  its tick: game controllers looked for", "startup_joysticks_ms", "ms", ""},
    {"  its tick: assignments and rows built twice", "startup_assignments_ms", "ms", ""},
    {"  its tick: the rest before the discovery", "startup_tick_rest_ms", "ms", ""},
    {"  unbinds, close and open the controllers", "discovery_open_ms", "ms", "once"},
    {"  version and device list", "discovery_list_ms", "ms", "once"},
    {"  bind, per board", "discovery_bind_ms", "ms", ""},
    {"  description read, per board", "discovery_info_ms", "ms", ""},
    {"  configuration and enables, per board", "discovery_enable_ms", "ms", ""},
    {"  settling wait, per board", "discovery_settle_ms", "ms", "DEVICE_LOAD_DELAY x 10 ms"},
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
  std::map<std::string, std::map<std::string, std::vector<double>>> stalls;  // board type -> kind -> per run
  std::map<std::string, std::vector<double>> threadShares;  // thread name -> per run
  for (int run = 0; run < runs; ++run) {
    std::fprintf(stderr, "program_bench: run %d of %d\n", run + 1, runs);
    BenchRun bench(run, presses, changes, idleSeconds);
    std::optional<Figures> figures = bench.Measure();
    if (!figures) return 1;
    for (const auto& [board, kinds] : bench.Stalls()) {
      for (const auto& [kind, ms] : kinds) stalls[board][kind].push_back(ms);
    }
    for (const auto& [name, share] : bench.ThreadShares()) threadShares[name].push_back(share);
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
  std::printf("\nThe slowest 5 %% of presses: what the GUI thread did while the switch message waited (ms, mean of "
              "those presses, median of the runs)\n");
  for (const auto& [board, kinds] : stalls) {
    std::printf("  %s\n", board == "latency_per_switch" ? "per-switch board" : "whole-state board");
    for (const auto& [kind, values] : kinds) {
      std::printf("    %-42s %10.2f ms\n", kind.c_str(), Percentile(values, 0.5));
    }
  }
  PrintThreadShares(threadShares, runs);
  return 0;
}
