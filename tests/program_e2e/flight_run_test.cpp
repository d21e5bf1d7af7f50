// The README's run command, headless: trelvik_run flies the scripted flight with the real program and its
// account says what crossed in both directions.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/program_e2e/program_run.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"

namespace {

bool Has(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

// The account's lines from the step whose line holds `marker` up to the next step (a line with "->" that is not
// the add-on following a knob).
std::vector<std::string> StepLines(const std::vector<std::string>& account, const std::string& marker) {
  auto start = std::find_if(account.begin(), account.end(), [&](const std::string& l) { return Has(l, marker); });
  if (start == account.end()) return {};
  auto end = std::find_if(start + 1, account.end(),
                          [](const std::string& l) { return Has(l, " -> ") && !Has(l, "the add-on follows"); });
  return std::vector<std::string>(start, end);
}

int CountWith(const std::vector<std::string>& lines, const std::string& part) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return Has(l, part); }));
}

struct FlightCase {
  const char* aircraft;
  const char* mcp;
  // What each step must have shown: the step's text, then lines its part of the account must hold.
  std::vector<std::pair<std::string, std::vector<std::string>>> steps;
};

class FlightRun : public ::testing::TestWithParam<FlightCase> {};

TEST_P(FlightRun, FliesTheScriptedFlightAndAccountsForWhatCrossed) {
  const FlightCase& flight = GetParam();
  trelvik::testing::ScratchFolder folder(std::string("flight_") + flight.aircraft);
  testsupport::ChildProcess run("trelvik_run.exe",
                                std::string("--aircraft ") + flight.aircraft + " --seconds 0 --folder " + folder.Path());
  ASSERT_TRUE(run.Started());
  ASSERT_TRUE(run.Wait(180000)) << run.Output();
  const std::string& text = run.Output();
  EXPECT_EQ(run.ExitCode(), 0u) << text;
  const std::vector<std::string> account = e2e::Lines(text);
  EXPECT_EQ(CountWith(account, "FAILED"), 0) << text;

  for (const auto& [step, expected] : flight.steps) {
    const std::vector<std::string> lines = StepLines(account, step);
    ASSERT_FALSE(lines.empty()) << "no step \"" << step << "\" in\n" << text;
    for (const std::string& line : expected) {
      EXPECT_GE(CountWith(lines, line), 1) << "step \"" << step << "\" lacks \"" << line << "\" in\n" << text;
    }
  }
  // Every detent of the knob sends its rotation, the window moves on (at once, or with the add-on following)
  // through each heading in turn.
  const std::vector<std::string> knob = StepLines(account, "heading knob turned 3 detents right");
  EXPECT_EQ(CountWith(knob, "data 0x80000000"), 3) << text;
  auto from = knob.begin();
  for (const char* heading : {"HDG \"091\"", "HDG \"092\"", "HDG \"093\""}) {
    from = std::find_if(from, knob.end(), [&](const std::string& l) { return Has(l, heading); });
    EXPECT_NE(from, knob.end()) << heading << " in turn in\n" << text;
  }

  // At close every board is dark and released by the program.
  for (const char* board : {flight.mcp, "EFIS-CA 330B", "EFIS-FO 330C", "CDU 3302"}) {
    EXPECT_EQ(CountWith(account, std::string(board) + " LED matrix off, released at close"), 1) << board << "\n" << text;
  }
  EXPECT_TRUE(Has(account.back(), "counts: 6 switch presses, ")) << account.back();
  EXPECT_TRUE(Has(account.back(), " 9 data changes, ")) << account.back();
  EXPECT_TRUE(Has(account.back(), "exit 0: the program ran and closed cleanly")) << account.back();
}

INSTANTIATE_TEST_SUITE_P(
    Aircraft, FlightRun,
    ::testing::Values(
        FlightCase{"737",
                   "MCP 330F",
                   {{"board list: 4 Devices Connected", {}},
                    {"power on", {"MCP 330F HDG \"090\"", "MCP 330F ALT \" 5000\"", "MCP 330F IAS \" 160\"",
                                  "F/D CPT (LED 225) on"}},
                    {"autothrottle armed, N1", {"N1 (LED 193) on", "A/T ARM (LED 226) on"}},
                    {"HDG SEL pressed", {"add-on event 70024 data 0x20000000", "add-on event 70024 data 0x00020000"}},
                    {"heading select engaged", {"HDG SEL (LED 197) on"}},
                    {"heading knob turned", {"add-on event 70022 data 0x80000000"}},
                    {"CMD A pressed", {"add-on event 70034 data 0x20000000"}},
                    {"autopilot engaged", {"CMD A (LED 204) on"}},
                    {"climb: ALT 24000", {"MCP 330F ALT \"24000\"", "MCP 330F IAS \" 250\"", "LVL CHG (LED 196) on"}},
                    {"vertical speed 1500",
                     {"LVL CHG (LED 196) off", "V/S (LED 203) on", "SPEED (LED 194) on", "MCP 330F V/S \" 1500\""}},
                    {"captain's CDU key 1 pressed", {"add-on event 70188 data 0x20000000"}}}},
        FlightCase{"777",
                   "MCP 3403",
                   {{"power on", {"MCP 3403 HDG \"090\"", "MCP 3403 IAS \"160\""}},
                    {"autothrottle armed, N1", {"A/T (LED 146) on"}},
                    {"HDG HOLD pressed", {"add-on event 69851 data 0x20000000"}},
                    {"heading hold engaged", {"HDG HOLD (LED 150) on"}},
                    {"heading knob turned", {"add-on event 71812 data 0x80000000"}},
                    {"A/P pressed", {"add-on event 69835 data 0x20000000"}},
                    {"autopilot engaged", {"A/P L (LED 145) on", "A/P R (LED 155) on"}},
                    {"climb: ALT 24000", {"MCP 3403 ALT \"24000\"", "FLCH (LED 149) on"}},
                    {"vertical speed 1500", {"V/S (LED 151) on", "MCP 3403 V/S \" 1500\""}}}}),
    [](const ::testing::TestParamInfo<FlightCase>& info) { return std::string("B") + info.param.aircraft; });

}  // namespace

namespace {

// The run's exit status tells a program that never started, and bad options, apart from a clean run.
TEST(FlightRunFailures, AProgramThatCannotStartAndBadOptionsEndTheRunNonZero) {
  trelvik::testing::ScratchFolder lone("flight_lone");
  ASSERT_TRUE(CopyFileA(testsupport::ProgramFolderFile("trelvik_run.exe").c_str(), lone.File("trelvik_run.exe").c_str(),
                        FALSE));
  struct Case {
    std::string program;
    std::string arguments;
    DWORD exitCode;
    const char* says;
  };
  const Case cases[] = {
      // Nothing beside it to run: the program does not start.
      {lone.File("trelvik_run.exe"), "--seconds 0 --folder " + lone.File("run"), 2u, "cannot copy Trelvik.exe"},
      {"trelvik_run.exe", "--aircraft 747", 5u, "usage: trelvik_run"},
      {"trelvik_run.exe", "--seconds soon", 5u, "usage: trelvik_run"},
  };
  for (const Case& c : cases) {
    testsupport::ChildProcess run(c.program, c.arguments);
    ASSERT_TRUE(run.Started()) << c.arguments;
    ASSERT_TRUE(run.Wait(30000)) << c.arguments;
    EXPECT_EQ(run.ExitCode(), c.exitCode) << c.arguments << "\n" << run.Output();
    EXPECT_NE(run.Output().find(c.says), std::string::npos) << c.arguments << "\n" << run.Output();
  }
}

}  // namespace
