// Board discovery: release every board, reopen the library's controllers, list, bind, describe, keep or
// release by family, configure and enable the kept boards, and rebuild the board table and board list.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "controller/app/board_api.h"
#include "controller/app/board_catalogue.h"
#include "controller/app/event_bridge.h"
#include "controller/app/fs_module.h"
#include "controller/app/number_text.h"
#include "controller/app/zedarave.h"
#include "framework/controls/label.h"
#include "framework/controls/list_box.h"
#include "framework/forms/application.h"
#include "framework/messaging/exception_boundary.h"
#include "framework/messaging/timer.h"
#include "framework/rtl/textutils.h"
#include "framework/services/clock.h"
#include "framework/services/messagebox.h"
#include "framework/services/timing_trace.h"
#include "ui/controls/smooth_label.h"

namespace trelvik {
namespace {

constexpr int kMaxListedBoards = 20;
constexpr std::uint32_t kSettleStepMs = 10;
// A board's settling wait in 10 ms steps is bounded (30 s): a delay from CONFIG.INI beyond it would keep the
// outputs suspended and the discovery running for days.
constexpr int kMaxSettleSteps = 3000;

std::string PadRight(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

bool IsOneOf(const std::string& model, std::initializer_list<const char*> models) {
  for (const char* m : models) {
    if (model == m) return true;
  }
  return false;
}

}  // namespace

bool TZedArave::ModelSeenBefore(const std::string& model) const {
  for (int i = 1; i <= kBoardSlots; ++i) {
    if (ModelOf(board_info_saved[static_cast<std::size_t>(i)]) == model) return true;
  }
  return false;
}

bool TZedArave::FamilyEnabled(BoardFamily family) const {
  switch (family) {
    case BoardFamily::ModeControl: return family_enabled_mcp;
    case BoardFamily::Radio: return family_enabled_radio;
    case BoardFamily::Cdu: return family_enabled_cdu;
    case BoardFamily::Irs: return family_enabled_irs;
    case BoardFamily::OverheadElec: return family_enabled_elec;
    case BoardFamily::SwitchLed: return family_enabled_sys;
  }
  return false;
}

void TZedArave::refresh_devices(std::uint8_t /*flag*/, std::int32_t mode) {
  if (discovery_busy) {
    // A change while a discovery runs (a board plugged in during a settling wait) is run after it.
    pending_discovery_mode_ = pending_discovery_mode_ == 2 || mode == 2 ? 2 : 1;
    return;
  }
  std::int32_t runMode = mode;
  for (;;) {
    pending_discovery_mode_ = 0;
    RunDiscovery(runMode);
    if (pending_discovery_mode_ == 0) break;
    runMode = pending_discovery_mode_;
  }
}

// Ends a discovery that could not list the boards: the next device change can discover again.
void TZedArave::EndDiscoveryEarly() {
  save_Timer->SetEnabled(true);
  Api().Enable_DeviceChange_Notification_Callback(1, &OnBoardDeviceChange);
  discovery_busy = false;
  initializing_devices->SetVisible(false);
}

// The settling wait: `steps` steps of 10 ms, each followed by the pending messages. Each step sleeps only up to its
// own end on the clock, so the time the messages took is not added to the wait.
void TZedArave::SettleBoard(int steps) {
  const std::uint32_t start = fw::TickCount();
  for (int n = 1; n <= steps; ++n) {
    const std::uint32_t stepEnd = static_cast<std::uint32_t>(n) * kSettleStepMs;
    const std::uint32_t elapsed = fw::TickCount() - start;
    if (elapsed < stepEnd) fw::SleepMs(stepEnd - elapsed);
    if (fw::Application != nullptr) fw::Application->ProcessMessages();
  }
}

void TZedArave::RunDiscovery(std::int32_t mode) {
  const BoardApi& api = Api();
  fw::TraceLap lap(fw::TraceKind::kDiscovery);
  discovery_busy = true;
  output_suspended = true;
  output_suspend_tick = fw::TickCount();
  if (fw::Application != nullptr) fw::Application->OnIdle = nullptr;

  Label5->SetVisible(false);
  initializing_devices->Caption()->SetText("Initializing Devices");
  initializing_devices->SetVisible(true);
  if (OnClearDialogBoards) OnClearDialogBoards();

  for (int i = 1; i <= kBoardSlots; ++i) {
    const std::int32_t session = board_table[static_cast<std::size_t>(i)].session;
    if (session != 0) api.UnBind(session);  // every bound slot, past a failed bind too
  }
  board_table = BoardSlotArray{};
  board_info = BoardInfoArray{};

  if (api.CloseControllers() != 0 || api.OpenControllers() != 0) {
    EndDiscoveryEarly();
    return;
  }
  lap.Lap(fw::kDiscoveryOpen);
  reload_input_assignments = true;
  fw::TStrings* list = board_info_disp->Items();
  list->Clear();

  std::uint32_t size = 0;
  if (api.GetAPIVersion(nullptr, &size) != 0) {
    ShowMessage("Unable to API Version Size");
    EndDiscoveryEarly();
    return;
  }
  std::vector<char> version(size + 1, '\0');
  if (api.GetAPIVersion(version.data(), &size) != 0) {
    ShowMessage("Unable to Get API Version");
    EndDiscoveryEarly();
    return;
  }
  list->Add("API Version : " + std::string(version.data()));
  list->Add("");

  size = 0;
  if (api.GetDeviceList(nullptr, &size, nullptr) != 0) {
    ShowMessage("Unable to Get Device List Size");
    EndDiscoveryEarly();
    return;
  }
  std::vector<char> names(size + 1, '\0');
  if (api.GetDeviceList(names.data(), &size, nullptr) != 0) {
    ShowMessage("Unable to Get Device List");
    EndDiscoveryEarly();
    return;
  }
  std::string rest(names.data(), std::min<std::size_t>(size, names.size() - 1));
  for (int i = 1; i <= kMaxListedBoards && !rest.empty(); ++i) {
    std::string name;
    SplitAt(rest, std::string(1, '\0'), name, rest);
    board_table[static_cast<std::size_t>(i)].name = name;
  }

  lap.Lap(fw::kDiscoveryList);
  int ignored = 0;
  int slot = 1;
  for (; slot <= kBoardSlots; ++slot) {
    tbuffer_id& entry = board_table[static_cast<std::size_t>(slot)];
    BoardInfo& info = board_info[static_cast<std::size_t>(slot)];
    if (entry.name.empty()) break;
    output_suspend_tick = fw::TickCount();
    std::int32_t session = 0;
    if (api.Bind(entry.name.c_str(), &session) != 0) {
      entry.session = 0;
      entry.description = trelvik::Get_Board_Desc(ModelOf(info));
      entry.model = ModelOf(info);
      list->Add(PadRight(entry.description, 15) + " " + fw::Trim(entry.model) + "     " + fw::Trim(entry.name) +
                " : Unable to Bind to Device");
      continue;
    }
    entry.session = session;
    lap.Lap(fw::kDiscoveryBind);
    if (api.GetBoardInfo(session, &info) != 0) {
      ShowMessage("Unable to get Board Info");
      continue;
    }
    lap.Lap(fw::kDiscoveryInfo);
    const std::string model = ModelOf(info);
    const std::string description = trelvik::Get_Board_Desc(fw::Trim(model));
    force_log("Board Detected : " + model + " - " + description);

    const BoardFamily family = FamilyOf(model);
    if (!FamilyEnabled(family)) {
      api.UnBind(session);
      entry = tbuffer_id{};
      info = BoardInfo{};
      if (family == BoardFamily::ModeControl) ++ignored;
      continue;
    }

    entry.description = description;
    initializing_devices->Caption()->SetText("Initializing Device :" + description);
    entry.model = model;
    list->Add(PadRight(description, 15) + " " + fw::Trim(model) + " " + fw::Trim(entry.name) +
              " : Switches: " + int_to_str(info.switchCount, 3, " ") + " / LEDs: " + int_to_str(info.ledCount, 3, " ") +
              " / DataLines: " + int_to_str(info.datalineCount, 2, " ") +
              " / 7 Segs: " + int_to_str(info.digitCount, 2, " ") +
              " / Servo: " + int_to_str(ServoCountOf(info), 2, " "));
    ConfigureBoard(entry, mode);

    if (info.switchCount > 0) api.Switch_Enable_Callback(session, 1, &OnBoardSwitch);
    if (info.ledCount > 0) api.LED_Enable(session, 1);
    if (info.datalineCount > 0) api.Dataline_Enable(session, 1);
    if (info.digitCount > 0) api.SevenSegment_Enable(session, 1);

    lap.Lap(fw::kDiscoveryEnable);
    const int settle = std::min(kMaxSettleSteps, IsOneOf(model, {"4101", "4102", "4103"}) ? settings_.device_load_delay2
                                                                                        : settings_.device_load_delay);
    SettleBoard(settle);
    lap.Lap(fw::kDiscoverySettle);
  }

  const int connected = slot - 1;
  list->Add(" ");
  list->Add(std::to_string(connected) + (connected <= 1 ? " Device Connected" : " Devices Connected"));
  if (ignored > 0) list->Add(std::to_string(ignored) + (ignored == 1 ? " Device Ignored" : " Devices Ignored"));
  list->Add(" ");
  initializing_devices->Caption()->SetText("Finalizing");

  // Pack the kept boards toward slot 1 in their order.
  int next = 1;
  for (int i = 1; i <= kBoardSlots; ++i) {
    if (board_table[static_cast<std::size_t>(i)].name.empty()) continue;
    if (i != next) {
      board_table[static_cast<std::size_t>(next)] = board_table[static_cast<std::size_t>(i)];
      board_info[static_cast<std::size_t>(next)] = board_info[static_cast<std::size_t>(i)];
      board_table[static_cast<std::size_t>(i)] = tbuffer_id{};
      board_info[static_cast<std::size_t>(i)] = BoardInfo{};
    }
    ++next;
  }
  Add_Card_Name_To_List();
  board_info_saved = board_info;

  output_suspend_tick = fw::TickCount();
  save_Timer->SetEnabled(true);
  api.Enable_DeviceChange_Notification_Callback(1, &OnBoardDeviceChange);
  InstallIdleLoop();
  discovery_busy = false;
}

void TZedArave::ConfigureBoard(const tbuffer_id& entry, std::int32_t mode) {
  const BoardApi& api = Api();
  const std::string& model = entry.model;
  const std::int32_t session = entry.session;
  if (model == "330A") api.SetBoardOptions(session, 2);
  if (mode == 2 && !ModelSeenBefore(model)) {
    if (IsOneOf(model, {"330A", "330F", "3403", "3327", "3311", "3404", "3310"})) mcp_timer->SetEnabled(true);
    if (IsOneOf(model, {"330B", "330C"})) efis_timer->SetEnabled(true);
    if (model == "3322") irs_timer->SetEnabled(true);
    if (IsOneOf(model, {"3306", "3324"})) elec_timer->SetEnabled(true);
  }
  if (model == "3322" && mode == 2) api.SetBoardOptions(session, 1);
  if (model == "4C5A") {
    const std::pair<const std::string&, std::int32_t&> radios[] = {
        {captain_com_board, captain_com_session}, {fo_com_board, fo_com_session},
        {captain_nav_board, captain_nav_session}, {fo_nav_board, fo_nav_session},
        {adf1_board, adf1_session},               {adf2_board, adf2_session}};
    for (const auto& [board, roleSession] : radios) {
      if (board == entry.name) roleSession = session;
    }
  }
  if (IsOneOf(model, {"3305", "3402"}) && transponder_board == entry.name) transponder_session = session;
  if (IsOneOf(model, {"3401", "3318"})) {
    if (captain_multicom_board == entry.name) captain_multicom_session = session;
    if (fo_multicom_board == entry.name) {
      fo_multicom_session = session;
      fo_multicom_mode = 2;
    }
    if (obs1_multicom_board == entry.name) obs1_multicom_session = session;
    if (obs2_multicom_board == entry.name) obs2_multicom_session = session;
    api.SetBoardOptions(session, 2);
  }
  if (IsOneOf(model, {"4107", "4109"})) {
    api.SetBoardOptions(session, 2);
    api.Dataline_Enable(session, 1);
  }
  // CDUs get their roles, options and enables on every discovery, a removal's included, so their keys and
  // brightness keep working after any unplug.
  if (IsOneOf(model, {"3302", "331A"})) {
    if (mode == 2 && !ModelSeenBefore(model)) {
      panel_state_prev.cdu_cpt_state = 9;
      panel_state_prev.cdu_fo_state = 9;
      panel_state_prev.cdu_obs_state = 9;
    }
    const std::pair<const std::string&, std::int32_t&> cdus[] = {
        {cdu_cpt_board, cdu_cpt_session}, {cdu_fo_board, cdu_fo_session}, {cdu_obs1_board, cdu_obs1_session},
        {cdu_obs2_board, cdu_obs2_session}, {cdu_obs3_board, cdu_obs3_session}};
    for (const auto& [board, roleSession] : cdus) {
      if (board == entry.name) roleSession = session;
    }
    if (model == "3302") api.SetBoardOptions(session, 1);
    api.Brightness_Enable(session, 1);
    api.Analog_Enable(session, 1);
  }
}

void TZedArave::Add_Card_Name_To_List() {
  const auto describe = [this](std::string& description, const std::string& board, fw::TLabel* card) {
    const int slot = SlotOfDevice(board_table, board);
    if (slot == 0) return;
    const tbuffer_id& entry = board_table[static_cast<std::size_t>(slot)];
    description = entry.description;
    if (card != nullptr) card->SetCaption(entry.description + " : " + entry.name);
  };
  for (int n = 1; n <= kAssignmentRecords; ++n) {
    tinput_assignments& record = input_assignments[static_cast<std::size_t>(n)];
    if (record.switch_no > 0) describe(record.board_desc, record.board, input_rows[static_cast<std::size_t>(n)].main.card);
  }
  for (int n = 1; n <= kAssignmentRecords; ++n) {
    toutput_assignments& record = output_assignments[static_cast<std::size_t>(n)];
    if (record.output_no > 0) describe(record.board_desc, record.board, output_rows[static_cast<std::size_t>(n)].card);
  }
}

void TZedArave::InstallIdleLoop() {
  if (fw::Application == nullptr) return;
  // Each pass follows a wait of at most a millisecond, as it always has: a wait that a message ended still
  // runs its pass, and only then is the message dispatched. While the waits time out the passes follow one
  // another without a look at the queue: such a look would cost more than the pass. A pass that fails is
  // reported (once, error_reports.h) and the next pass starts from its top.
  fw::Application->OnIdle = [this](fw::TObject*, bool& Done) {
    bool message = false;
    do {
      message = fw::WaitForMessageMs(1);
      try {
        const fw::TraceScope trace(fw::TraceKind::kIdlePass);
        loop();
      } catch (...) {
        fw::HandleException(this);
      }
    } while (!message);
    Done = false;
  };
}

}  // namespace trelvik
