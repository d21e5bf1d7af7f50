// The main form's overhead outputs: the ELEC panels (3306, 3324) and the IRS display (3322), run by the
// LED pass. Each serves the first slot of its model. GUI thread only.
#include "controller/app/access_fault_guard.h"
#include "controller/app/form_output_sink.h"
#include "controller/app/overhead_outputs.h"
#include "controller/app/zedarave.h"
#include "framework/messaging/timer.h"

namespace trelvik {

namespace {

// The session of the first slot of the model; 0 when there is none or it is not bound.
std::int32_t FirstSessionOf(const BoardSlotArray& slots, const std::string& model) {
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    if (slots[static_cast<std::size_t>(slot)].model == model) return slots[static_cast<std::size_t>(slot)].session;
  }
  return 0;
}

}  // namespace

void TZedArave::Set_ELEC_Panel(const std::string& model) {
  const std::int32_t session = FirstSessionOf(board_table, model);
  if (session == 0) return;
  const OverheadConditions conditions{elec_timer->Enabled(), led_pass_phase};
  FormOutputs out(*this);
  Shielded([&] {
    WriteElecPanel(session, model == "3306", settings_.elec_config_wiring, panel_state, pressurisation, conditions,
                   out);
  });
}

void TZedArave::Set_IRS_Panel(const std::string& model) {
  const std::int32_t session = FirstSessionOf(board_table, model);
  if (session == 0) return;
  const OverheadConditions conditions{irs_timer->Enabled(), led_pass_phase};
  FormOutputs out(*this);
  Shielded([&] { WriteIrsPanel(session, panel_state, conditions, out); });
}

}  // namespace trelvik
