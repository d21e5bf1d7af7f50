// The main form as the input functions' commands see it: its records, lamp tests, switch grid, rescan, the
// parking-brake flag and the FSUIPC client. GUI thread.
#include <memory>

#include "controller/aircraft/command_translation.h"
#include "controller/aircraft/fsuipc_client.h"
#include "controller/aircraft/input_commands.h"
#include "controller/app/zedarave.h"

namespace trelvik {

namespace {

class FormInputCommandHost final : public aircraft::InputCommandHost {
 public:
  explicit FormInputCommandHost(TZedArave& form) : form_(form) {}

  const aircraft::InputRecords& Inputs() const override { return form_.input_assignments; }
  void SendCommand(const std::string& command) override { aircraft::SendServerMessage(command); }
  void LightTest(bool on) override { form_.light_test(on ? 1 : 0); }
  void LightTest2(bool on) override { form_.light_test2(on ? 1 : 0); }
  void WriteSwitchStates() override {
    if (form_.write_switch_states) form_.write_switch_states();
  }
  void Rescan() override { form_.Button11Click(); }
  bool& ParkingBrakeSent() override { return form_.parking_brake_sent; }
  bool& SimDetected() override { return form_.sim_detected; }
  std::uint32_t FsuipcWrite(std::uint32_t offset, std::uint32_t size, const void* data) override {
    std::uint32_t result = 0;
    aircraft::FpcWrite(offset, size, data, result);
    return result;
  }
  std::uint32_t FsuipcProcess() override {
    std::uint32_t result = 0;
    aircraft::FpcProcess(result);
    return result;
  }

 private:
  TZedArave& form_;
};

}  // namespace

void TZedArave::InstallInputCommands() {
  run_input_assignments = [this](const std::string& board, std::int32_t number, std::int32_t state) {
    FormInputCommandHost host(*this);
    aircraft::RunInputAssignments(host, board, number, state);
  };
}

}  // namespace trelvik
