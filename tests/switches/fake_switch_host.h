// A main form for the switch processing that records what it is told: commands, window writes, LED
// writes, labels, log lines. Slots and roles are set by the test; the clock is the test's.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "controller/aircraft/switch_frame.h"
#include "framework/services/clock.h"

namespace switches_test {

struct SegmentWrite {
  std::int32_t session;
  std::string text;
  std::int32_t digit;
  bool operator==(const SegmentWrite&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const SegmentWrite& w) {
  return out << "(" << w.session << ", \"" << w.text << "\", " << w.digit << ")";
}

class FakeSwitchHost : public aircraft::SwitchHost {
 public:
  struct Slot {
    std::int32_t session;
    std::string name;
    std::string model;
  };

  // ---- Set by the test ----
  std::vector<Slot> slots;
  aircraft::SwitchRoles roles;
  bool is777 = false;
  aircraft::McpTuning tuning;
  aircraft::McpReadback readback{true, false, true, false, false, 0};
  aircraft::EfisSettings efis;
  std::map<std::int32_t, bool> contacts;  // switch number -> closed
  bool import_waiting = false;
  bool family_handles = true;

  // ---- Recorded ----
  std::vector<std::string> commands;
  std::vector<SegmentWrite> segments;
  std::vector<std::pair<std::int32_t, bool>> leds;
  std::vector<std::string> logLines;
  std::vector<std::string> ledPasses;
  std::vector<std::string> assignmentRuns;
  std::vector<std::string> familyRuns;
  std::string statusText;
  std::map<aircraft::SwitchLabel, std::string> labels;
  int progress = 0;
  int assignOffUnchecks = 0;
  int importAssigns = 0;
  std::string importBoard;
  bool switchActivity = false;
  std::uint32_t switchActivityTick = 0;
  std::uint32_t prevTick = 0;
  aircraft::LastAssignableInput lastInput;
  aircraft::McpSwitchState mcp;
  aircraft::KnobPushFlags pushFlags;

  void ShowSwitchReceived(const std::string& text) override { statusText = text; }
  void Log(const std::string& text) override { logLines.push_back(text); }
  void AdvanceInputProgress() override {
    if (progress < 100) ++progress;
  }
  void SetLabel(aircraft::SwitchLabel label, const std::string& text) override { labels[label] = text; }
  aircraft::SwitchRoles Roles() const override { return roles; }
  std::optional<std::string> ModelOfSession(std::int32_t id) const override {
    for (const Slot& s : slots) {
      if (s.session == id) return s.model;
    }
    return std::nullopt;
  }
  std::string DeviceNameOfSession(std::int32_t id) const override {
    for (const Slot& s : slots) {
      if (s.session == id) return s.name;
    }
    return " Unknown Board";
  }
  void SendCommand(const std::string& command) override { commands.push_back(command); }
  bool Is777Selected() const override { return is777; }
  void SevenSegmentSet(std::int32_t session, const std::string& text, std::int32_t digit) override {
    segments.push_back({session, text, digit});
  }
  void LedSet(std::int32_t, std::int32_t led, bool on) override { leds.emplace_back(led, on); }
  bool SwitchClosed(std::int32_t, std::int32_t number) override {
    auto it = contacts.find(number);
    return it != contacts.end() && it->second;
  }
  void RunMcpLedPass(const std::string& model) override { ledPasses.push_back(model); }
  void MarkSwitchActivity(std::uint32_t tick) override {
    switchActivity = true;
    switchActivityTick = tick;
  }
  void ClearSwitchActivity() override { switchActivity = false; }
  void SetSwitchActivityTick(std::uint32_t tick) override { switchActivityTick = tick; }
  std::uint32_t& PrevSwitchTick() override { return prevTick; }
  aircraft::LastAssignableInput& LastInput() override { return lastInput; }
  aircraft::McpSwitchState& Mcp() override { return mcp; }
  aircraft::KnobPushFlags& PushFlags() override { return pushFlags; }
  aircraft::McpTuning Tuning() const override { return tuning; }
  aircraft::McpReadback Readback() const override { return readback; }
  aircraft::EfisSettings Efis() const override { return efis; }
  void UncheckAssignOff() override { ++assignOffUnchecks; }
  void SetImportSwitchBoard(const std::string& board) override { importBoard = board; }
  bool ImportWaitingForSwitch() const override { return import_waiting; }
  void AssignImportBoard() override { ++importAssigns; }
  void RunInputAssignments(const std::string& board, std::int32_t number, std::int32_t state) override {
    assignmentRuns.push_back(board + " " + std::to_string(number) + " " + std::to_string(state));
  }
  bool RunFamily(Family family, std::int32_t index, const std::string& model, std::int32_t, std::int32_t,
                 std::int32_t) override {
    familyRuns.push_back(std::to_string(static_cast<int>(family)) + "/" + std::to_string(index) + "/" + model);
    return family_handles;
  }

  std::string Label(aircraft::SwitchLabel label) const {
    auto it = labels.find(label);
    return it == labels.end() ? std::string("<unset>") : it->second;
  }
};

// The test's clock: TickCount() returns now.
struct FakeClock {
  std::uint32_t now = 1000000;
  fw::ServiceDouble<std::uint32_t()> tick{fw::TickCount, [this] { return now; }};
};

}  // namespace switches_test
