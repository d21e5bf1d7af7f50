// The main form's switch rescan: the form's boards, input assignments and flags as the rescan reads them,
// and the timer that runs it five seconds after start-up. GUI thread.
#include <string>

#include "controller/aircraft/switch_rescan.h"
#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "controller/app/zedarave.h"
#include "framework/messaging/timer.h"

namespace trelvik {

namespace {

class FormRescanHost final : public aircraft::RescanHost {
 public:
  explicit FormRescanHost(TZedArave& form) : form_(form) {}

  aircraft::KnobPushFlags& PushFlags() override { return form_.knob_flags; }
  void SuspendOutput(std::uint32_t tick) override {
    form_.output_suspended = true;
    form_.output_suspend_tick = tick;
  }
  std::vector<aircraft::RescanAssignment> Assignments() const override {
    std::vector<aircraft::RescanAssignment> records;
    for (int i = 1; i <= kAssignmentRecords; ++i) {
      const tinput_assignments& r = form_.input_assignments[static_cast<std::size_t>(i)];
      if (r.switch_no <= 0 && r.switch2_no <= 0) continue;
      const bool keyword = r.cmd_on.find('[') != std::string::npos || r.cmd_off.find('[') != std::string::npos;
      records.push_back({r.name, r.board, r.switch_no, r.board2, r.switch2_no, keyword});
    }
    return records;
  }
  std::int32_t SessionOfBoard(const std::string& board) const override { return form_.Get_Board_session(board); }
  std::vector<aircraft::RescanBoard> BoundBoards() const override {
    std::vector<aircraft::RescanBoard> boards;
    for (int slot = 1; slot <= kBoardSlots; ++slot) {
      const tbuffer_id& entry = form_.board_table[static_cast<std::size_t>(slot)];
      if (entry.session == 0) continue;
      const BoardInfo& info = form_.board_info[static_cast<std::size_t>(slot)];
      boards.push_back({entry.session, ModelOf(info), info.firstSwitch, info.lastSwitch});
    }
    return boards;
  }
  std::optional<std::int32_t> ReadSwitch(std::int32_t session, std::int32_t switchNumber) override {
    std::int32_t state = 0;
    ApiStatus status = API_ERR_DEVICE_IO;
    Shielded([&] { status = Api().Switch_Get_State(session, switchNumber, &state); });
    if (status != API_OK) return std::nullopt;
    return state;
  }
  void Replay(std::int32_t session, std::int32_t switchNumber, std::int32_t state) override {
    form_.process_switch(static_cast<std::uint32_t>(session), switchNumber, state);
  }
  void WriteSwitchStates() override {
    if (form_.write_switch_states) form_.write_switch_states();
  }
  bool Is777Selected() const override { return form_.Is777Selected(); }
  std::array<bool, 4>& PairFlags() override { return form_.mcp_switches.rescan_pair_flag; }
  aircraft::RescanBlockFlags& BlockFlags() override { return form_.rescan_block_flag; }
  void SetSwitchesRescanned() override { form_.switches_rescanned = true; }
  void SetStatus(const std::string& text) override { form_.set_status_text(0, text); }

 private:
  TZedArave& form_;
};

}  // namespace

void TZedArave::Button11Click() {
  FormRescanHost host(*this);
  aircraft::RescanSwitches(host);
}

void TZedArave::Timer_resendTimer() {
  Timer_resend->SetEnabled(false);
  Button11Click();
}

}  // namespace trelvik
