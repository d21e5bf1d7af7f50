// The main form as the switch processing sees it: the role sessions, slots, labels, outputs and fields of
// TZedArave behind aircraft::SwitchHost, and its radio and overhead values behind aircraft::FamilyHost.
// Owned by the form, used on the GUI thread.
#pragma once

#include "controller/aircraft/family_host.h"
#include "controller/aircraft/switch_host.h"

namespace trelvik {

class TZedArave;

class FormSwitchHost final : public aircraft::SwitchHost, public aircraft::FamilyHost {
 public:
  explicit FormSwitchHost(TZedArave& form) : form_(form) {}

  void ShowSwitchReceived(const std::string& text) override;
  void Log(const std::string& text) override;
  void AdvanceInputProgress() override;
  void SetLabel(aircraft::SwitchLabel label, const std::string& text) override;
  aircraft::SwitchRoles Roles() const override;
  std::optional<std::string> ModelOfSession(std::int32_t id) const override;
  std::string DeviceNameOfSession(std::int32_t id) const override;
  void SendCommand(const std::string& command) override;
  bool Is777Selected() const override;
  void SevenSegmentSet(std::int32_t session, const std::string& text, std::int32_t firstDigit) override;
  void LedSet(std::int32_t session, std::int32_t led, bool on) override;
  bool SwitchClosed(std::int32_t session, std::int32_t switchNumber) override;
  void RunMcpLedPass(const std::string& model) override;
  void MarkSwitchActivity(std::uint32_t tick) override;
  void ClearSwitchActivity() override;
  void SetSwitchActivityTick(std::uint32_t tick) override;
  std::uint32_t& PrevSwitchTick() override;
  aircraft::LastAssignableInput& LastInput() override;
  aircraft::McpSwitchState& Mcp() override;
  aircraft::KnobPushFlags& PushFlags() override;
  aircraft::McpTuning Tuning() const override;
  aircraft::McpReadback Readback() const override;
  aircraft::EfisSettings Efis() const override;
  void UncheckAssignOff() override;
  void SetImportSwitchBoard(const std::string& board) override;
  bool ImportWaitingForSwitch() const override;
  void AssignImportBoard() override;
  void RunInputAssignments(const std::string& board, std::int32_t switchNumber, std::int32_t state) override;
  bool RunFamily(Family family, std::int32_t index, const std::string& model, std::int32_t id,
                 std::int32_t switchNumber, std::int32_t state) override;

  double& Standby(aircraft::Radio radio) override;
  bool& RadioTest(aircraft::Radio radio) override;
  std::int32_t& MulticomMode(std::int32_t role) override;
  std::string& XpndrCodeEntry() override;
  std::int32_t& XpndrMode() override;
  std::int32_t& XpndrSelector() override;
  bool& XpndrIdent() override;
  void ClearOutputSuspended() override;
  void MarkMulticomActivity(std::uint32_t tick) override;
  void ShowRadioPanel(const std::string& model) override;
  void RederiveB777() override;
  std::int32_t ElecConfigWiring() const override;
  aircraft::PressurisationValues Pressurisation() const override;

  // The entry steps' window changes (the status line, the progress bar) wait until the event's first command has
  // left, or the event ended, so the window's work never delays the aircraft. Shown in the order they came, before
  // any later status text.
  void ShowEntrySteps() noexcept;

 private:
  TZedArave& form_;
  std::optional<std::string> pendingReceived_;
  int pendingProgress_ = 0;
};

}  // namespace trelvik
