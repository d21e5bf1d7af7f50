// Timing trace for the benchmark: when the environment variable TRELVIK_TIMING_TRACE names a shared memory block
// that the benchmark created, the program writes what its GUI thread does into it (spans with their start and end
// on the performance counter, one clock for every process) and the moment of the last switch message posted.
// Without the variable every call is one test of a pointer; nothing is written and nothing changes.
#pragma once

#include <cstdint>

namespace fw {

enum class TraceKind : std::int32_t {
  kNone = 0,
  kDispatch = 1,       // one message dispatched by the application's loop; detail: the message number
  kIdlePass = 2,       // one pass of the idle handler
  kLedPass = 3,        // the LED output pass
  kSegmentPass = 4,    // the 7-segment output pass
  kCommand = 5,        // a command text formed and handed to the translation (a point: begin = end)
  kReportWrite = 6,    // one output write to a board; detail: the session
  kDiscovery = 7,      // a step of the board discovery; detail: the step (DiscoveryStep)
  kStartup = 8,        // a step of the program's start-up; detail: the step (StartupStep)
};

enum DiscoveryStep : std::int32_t {
  kDiscoveryOpen = 1,       // the unbinds, closing and opening the controllers
  kDiscoveryList = 2,       // the version and the device list
  kDiscoveryBind = 3,       // one board bound
  kDiscoveryInfo = 4,       // its description read
  kDiscoveryEnable = 5,     // its configuration and enables
  kDiscoverySettle = 6,     // its settling wait
};

// From WinMain to the discovery: points (begin = end) and spans, in this order.
enum StartupStep : std::int32_t {
  kStartupMain = 1,         // WinMain entered (a point)
  kStartupModules = 2,      // the modules started (GDI+, the theme library, Winsock, the menus)
  kStartupMainForm = 3,     // the main form made, its OnCreate included
  kStartupFormCreate = 4,   // the main form's OnCreate
  kStartupDialogs = 5,      // the other forms made
  kStartupTimer = 6,        // the start-up timer started (a point)
  kStartupJoysticks = 7,    // the start-up timer's tick: the game controllers looked for
  kStartupAssignments = 8,  // the start-up timer's tick: the assignments and the rows built twice
  kStartupSettings = 9,     // inside OnCreate: the settings read and applied, the log opened
  kStartupInputs = 10,      // inside OnCreate: the wheel component and the joysticks' polling
  kStartupSimLink = 11,     // inside OnCreate: SimConnect.dll loaded and the link started
  kStartupWindow = 12,      // inside OnCreate: the main form's window made, with its controls' windows
};

// The shared block, as the benchmark reads it. One writer for the spans (the GUI thread); `posted` is written by
// the thread that posts a switch message.
struct TimingTraceBlock {
  static constexpr std::int32_t kSpans = 8192;
  struct Span {
    std::int64_t begin;
    std::int64_t end;
    std::int32_t kind;
    std::int32_t detail;
  };
  volatile std::int64_t posted;  // the last switch message posted
  volatile std::int64_t count;   // spans written so far; span n is at n % kSpans
  Span spans[kSpans];
};

constexpr char kTimingTraceVariable[] = "TRELVIK_TIMING_TRACE";

// True when the trace is on (the block was found at the first call).
bool TimingTraceOn();
std::int64_t TraceNow();
void TraceSpan(TraceKind kind, std::int32_t detail, std::int64_t begin, std::int64_t end);
void TracePoint(TraceKind kind, std::int32_t detail);
void TraceSwitchPosted();

// A span from construction to destruction.
class TraceScope {
 public:
  explicit TraceScope(TraceKind kind, std::int32_t detail = 0)
      : kind_(kind), detail_(detail), begin_(TimingTraceOn() ? TraceNow() : 0) {}
  ~TraceScope() {
    if (begin_ != 0) TraceSpan(kind_, detail_, begin_, TraceNow());
  }
  TraceScope(const TraceScope&) = delete;
  TraceScope& operator=(const TraceScope&) = delete;

 private:
  TraceKind kind_;
  std::int32_t detail_;
  std::int64_t begin_;
};

// Consecutive spans of one kind: each Lap records the time since the previous one (or the construction).
class TraceLap {
 public:
  explicit TraceLap(TraceKind kind) : kind_(kind), last_(TimingTraceOn() ? TraceNow() : 0) {}
  void Lap(std::int32_t detail) {
    if (last_ == 0) return;
    const std::int64_t now = TraceNow();
    TraceSpan(kind_, detail, last_, now);
    last_ = now;
  }

 private:
  TraceKind kind_;
  std::int64_t last_;
};

}  // namespace fw
