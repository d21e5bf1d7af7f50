// The long run: the real Trelvik.exe with the 737 mode-control panel and the SimConnect.dll stand-in, driven
// with random add-on data changes, button presses, knob turns, board unplugs/replugs and simulator quits and
// restarts for a count of actions or a time. After each
// action what it must show is checked: the add-on's heading in the HDG window and its mode lamps on the panel,
// an event at the add-on for a press or a detent. Every few seconds the program's handle count, GDI and USER
// objects, working set and processor time are sampled; growth that does not level off fails the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "sim/run/flight.h"
#include "sim/run/program_folder.h"
#include "tests/program_e2e/program_run.h"
#include "tests/support/soak_run.h"

namespace {

using trelvik::testing::SoakRun;

constexpr int kMcp = 0;
// The 330F's lamps (LEDs) and buttons (switches) of the 737.
constexpr int kLedLevelChange = 196, kLedHeading = 197, kLedVerticalSpeed = 203, kLedCommand = 204;
constexpr int kSwitchHeading = 12, kSwitchCommand = 20, kSwitchHeadingUp = 38;

struct Sample {
  double seconds;
  unsigned long long cpu100ns, workingSet, handles, gdi, user;
};

// Whether a measure grew without levelling off: the highest value of the last third of the samples is above the
// highest of the middle third by more than the allowance (the first third is the warm-up).
bool Grows(const std::vector<Sample>& samples, unsigned long long Sample::*field, unsigned long long allowance) {
  if (samples.size() < 6) return false;
  const std::size_t third = samples.size() / 3;
  unsigned long long middle = 0, last = 0;
  for (std::size_t i = third; i < 2 * third; ++i) middle = std::max(middle, samples[i].*field);
  for (std::size_t i = 2 * third; i < samples.size(); ++i) last = std::max(last, samples[i].*field);
  return last > middle + allowance;
}

class LongRun : public ::testing::Test {
 protected:
  LongRun() : run_("longrun", "1FD1:03E8:MCP00001::330F") {}

  void SetUp() override {
    const std::string failed = e2e::StartFlyingAfterRescan(run_, "1 Device Connected");
    ASSERT_TRUE(failed.empty()) << failed;
    started_ = GetTickCount64();
  }
  void TearDown() override { EXPECT_TRUE(run_.Close(30000)); }

  const simchannel::RemoteBoards& boards() { return run_.ControlBoards(); }

  std::optional<Sample> Measure() {
    const auto reply = boards().Request("usage objects", 10000);
    Sample s{static_cast<double>(GetTickCount64() - started_) / 1000.0, 0, 0, 0, 0, 0};
    unsigned long long kernel = 0, user = 0;
    if (!reply || std::sscanf(reply->c_str(), "ok %llu %llu %llu %llu %llu %llu", &kernel, &user, &s.workingSet,
                              &s.handles, &s.gdi, &s.user) != 6) {
      return std::nullopt;
    }
    s.cpu100ns = kernel + user;
    return s;
  }

  // What the panel must show for the state; empty when it does.
  std::string Differences(const trelvikrun::FlightState& state) {
    const std::vector<HidSimMirrorBoard> now = boards().Boards();
    if (now.empty()) return "no board";
    const HidSimMirrorBoard& board = now[kMcp];
    std::string differences;
    // The HDG window: digits 9 to 11 of the 330F.
    char heading[8];
    std::snprintf(heading, sizeof heading, "%03d", state.heading);
    std::string shown;
    for (int digit = 9; digit <= 11; ++digit) shown += simchannel::DigitText(simchannel::DigitSegments(board, digit));
    if (shown != heading) differences += " HDG \"" + shown + "\"";
    const std::pair<int, bool> lamps[] = {{kLedHeading, state.headingSelect}, {kLedCommand, state.commandA},
                                          {kLedLevelChange, state.levelChange},
                                          {kLedVerticalSpeed, state.verticalSpeedMode}};
    for (auto [led, lit] : lamps) {
      if (simchannel::LedLit(board, led) != lit) differences += " LED " + std::to_string(led);
    }
    return differences;
  }

  // Presses and releases a switch; whether the add-on got an event for it.
  bool PressReaches(int switchNumber) {
    const std::size_t before = run_.Events().size();
    if (!boards().Press(kMcp, switchNumber, true) || !boards().Press(kMcp, switchNumber, false)) return false;
    return e2e::WaitUntil([&] { return run_.Events().size() > before; }, 15000);
  }

  e2e::ProgramRun run_;
  ULONGLONG started_ = 0;
};

TEST_F(LongRun, RandomFlyingLeavesNothingGrowingAndEveryActionShown) {
  SoakRun run("longrun", 5506, 40);
  std::vector<Sample> samples;
  ULONGLONG lastSample = 0;
  trelvikrun::FlightState state;
  state.power = true, state.course = 45, state.speed = 160, state.heading = 90, state.altitude = 5000;
  while (run.Next()) {
    const int action = run.Between(0, 99);
    std::string what;
    if (action < 45) {  // the add-on's data change
      const int previous = state.heading;
      while (state.heading == previous) state.heading = run.Between(0, 359);  // a change the window must show
      state.headingSelect = run.Between(0, 1) == 1;
      state.commandA = run.Between(0, 1) == 1;
      state.levelChange = run.Between(0, 1) == 1;
      state.verticalSpeedMode = !state.levelChange && run.Between(0, 1) == 1;
      what = "data heading " + std::to_string(state.heading);
      run.SetInput(what);
      if (!run_.Simulator(trelvikrun::DataRequest(false, state))) {
        run.Fail("the stand-in refused the data");
      } else {
        std::string differences;
        if (!e2e::WaitUntil([&] { return (differences = Differences(state)).empty(); }, 15000)) {
          run.Fail("the panel does not show the data:" + differences);
        } else {
          run.Count("lamp-checks");
        }
      }
    } else if (action < 80) {  // a button
      const int button = run.Between(0, 1) == 0 ? kSwitchHeading : kSwitchCommand;
      run.SetInput("press " + std::to_string(button));
      if (!PressReaches(button)) run.Fail("a press did not reach the add-on");
      else run.Count("events-checked");
    } else if (action < 92) {  // the heading knob, a detent
      run.SetInput("detent");
      if (!PressReaches(kSwitchHeadingUp)) {
        run.Fail("a detent did not reach the add-on");
      } else {
        run.Count("events-checked");
        // The add-on's heading follows the detent, as the aircraft's does.
        state.heading = (state.heading + 1) % 360;
        std::string differences;
        if (!run_.Simulator(trelvikrun::DataRequest(false, state)) ||
            !e2e::WaitUntil([&] { return (differences = Differences(state)).empty(); }, 15000)) {
          run.Fail("the heading after a detent is not shown:" + differences);
        }
      }
    } else if (action < 97) {  // the board unplugged and plugged in again
      run.SetInput("unplug");
      if (!boards().Unplug(kMcp) || !boards().Replug(kMcp)) {
        run.Fail("the unplug or replug was not taken");
      } else if (!e2e::WaitUntil([&] { return PressReaches(kSwitchHeading); }, 60000)) {
        run.Fail("the replugged board's presses do not reach the add-on");
      } else {
        run.Count("replugs");
        run.Count("events-checked");
        // Its lamps are the add-on's again.
        std::string differences;
        if (!e2e::WaitUntil([&] { return (differences = Differences(state)).empty(); }, 30000)) {
          run.Fail("the replugged panel does not show the data:" + differences);
        }
      }
    } else {  // the simulator quits and comes back
      run.SetInput("simulator restart");
      if (!run_.Simulator("quit") || !run_.StartFlight("ORVA 737", 60000) ||
          !run_.Simulator(trelvikrun::DataRequest(false, state)) ||
          !e2e::WaitUntil([&] { return Differences(state).empty(); }, 30000)) {
        run.Fail("the program did not fly again after the simulator came back");
      } else {
        run.Count("simulator-restarts");
      }
    }
    const ULONGLONG now = GetTickCount64();
    if (lastSample == 0 || now - lastSample >= 3000) {
      lastSample = now;
      if (const std::optional<Sample> s = Measure()) samples.push_back(*s);
      else run.Fail("the program's usage could not be read");
    }
  }
  ASSERT_FALSE(samples.empty());
  const Sample& first = samples.front();
  const Sample& last = samples.back();
  std::printf("SOAK-MEASURE longrun handles=%llu->%llu gdi=%llu->%llu user=%llu->%llu working-set-kb=%llu->%llu "
              "cpu-ms=%llu seconds=%.0f samples=%u\n",
              first.handles, last.handles, first.gdi, last.gdi, first.user, last.user, first.workingSet / 1024,
              last.workingSet / 1024, (last.cpu100ns - first.cpu100ns) / 10000, last.seconds, static_cast<unsigned>(samples.size()));
  EXPECT_FALSE(Grows(samples, &Sample::handles, 25)) << "handles grow";
  EXPECT_FALSE(Grows(samples, &Sample::gdi, 25)) << "GDI objects grow";
  EXPECT_FALSE(Grows(samples, &Sample::user, 25)) << "USER objects grow";
  EXPECT_FALSE(Grows(samples, &Sample::workingSet, 16ull << 20)) << "the working set grows";
}

}  // namespace
