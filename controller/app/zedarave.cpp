#include "controller/app/zedarave.h"

#include <windows.h>
#include <optional>

#include "controller/aircraft/fsuipc_client.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/switch_families.h"
#include "controller/aircraft/switch_frame.h"
#include "controller/app/form_switch_host.h"
#include "controller/app/board_api.h"
#include "controller/app/board_catalogue.h"
#include "controller/app/event_bridge.h"
#include "controller/app/guarded_writes.h"
#include "components/input/dx_joystick.h"
#include "components/input/jstick.h"
#include "components/input/mswheel.h"
#include "components/net/net_socket.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/list_box.h"
#include "framework/controls/memo.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/up_down.h"
#include "framework/forms/application.h"
#include "framework/ini/inifile.h"
#include "framework/menus/menu_item.h"
#include "framework/messaging/exception_boundary.h"
#include "framework/services/timing_trace.h"
#include "framework/messaging/timer.h"
#include "framework/services/clock.h"
#include "framework/services/messagebox.h"
#include "framework/services/programfolder.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/office_check_box.h"
#include "ui/controls/office_radio_group.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik {

TZedArave* ZedArave = nullptr;

namespace {

constexpr fw::TColor kUnsavedColor = 255;
constexpr fw::TColor kUnsavedColorTo = 0xFFFF;
constexpr fw::TColor kSavedColor = 0xFFFFFF;

}  // namespace

TZedArave::TZedArave(fw::TComponent* AOwner)
    : fw::TForm(AOwner),
      error_reports_([this](const std::string& text) { log_.force_log(text); },
                     [](const std::string& text) {
                       fw::ShowExceptionMessage(fw::Application != nullptr ? fw::Application->Title() : "",
                                                fw::Exception(text));
                     }) {
  SetName("ZedArave");
  SetBorderStyle(fw::bsToolWindow);
  SetBounds(0, 100, 790, 115);
  BuildMenu();
  BuildHeader();
  BuildPages();
  ApplyStoredButtonLooks();
  switch_host_ = std::make_unique<FormSwitchHost>(*this);
  switch_processing = [this](std::uint32_t id, std::int32_t number, std::int32_t state) {
    aircraft::ProcessSwitch(*switch_host_, static_cast<std::int32_t>(id), number, state);
  };
  switch_families = [this](aircraft::SwitchHost::Family family, std::int32_t index, const std::string& model,
                           std::int32_t id, std::int32_t number, std::int32_t state) {
    return aircraft::RunSwitchFamily(*switch_host_, *switch_host_, family, index, model, id, number, state);
  };
  InstallInputCommands();
  StatusBar1 = fw::Create<fw::TStatusBar>(this);
  StatusBar1->SetName("StatusBar1");
  StatusBar1->SetParent(this);
  StatusBar1->SetAlign(fw::alTop);
  // Panel 0 the last switch or rescan, 1 the loaded aircraft and the file commands, 2 the multicom mode,
  // 3 the simulator (the last panel takes the rest of the bar).
  for (const int width : {190, 260, 170, 170}) StatusBar1->Panels()->Add()->SetWidth(width);
  BuildTimers();
  BuildComponents();
  ConnectCommands();
  OnCreate = [this](fw::TObject*) { FormCreate(); };
  OnDestroy = [this](fw::TObject*) { FormDestroy(); };
  OnCloseQuery = [this](fw::TObject*, bool& CanClose) { FormCloseQuery(CanClose); };
}

TZedArave::~TZedArave() {
  if (fw::Application != nullptr && reporting_errors_) fw::Application->OnException = nullptr;
  if (aircraft::AttachedAircraftHost() == this) aircraft::AttachAircraftHost(nullptr);
  if (ZedArave == this) ZedArave = nullptr;
}

void TZedArave::CreateWnd() {
  fw::TForm::CreateWnd();
  SetBridgeWindow(Handle());
}

void TZedArave::DestroyWnd() {
  SetBridgeWindow(nullptr);
  fw::TForm::DestroyWnd();
}

// ---- Start-up ------------------------------------------------------------------------------------

void TZedArave::FormCreate() {
  fw::TraceScope trace(fw::TraceKind::kStartup, fw::kStartupFormCreate);
  ZedArave = this;
  // Every handler's failure from here on: logged, and shown once (error_reports.h).
  if (fw::Application != nullptr) {
    fw::Application->OnException = [this](fw::TObject*, fw::Exception& E) { error_reports_.Report(E.Message()); };
    reporting_errors_ = true;
  }
  aircraft::AttachAircraftHost(this);
  SetCaption(kMainCaption);
  SetTop(100);
  SetLeft((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2);
  SetHeight(115);
  switch_message = RegisterWindowMessageA("ZEDARAVE_SWITCH");
  const std::string folder = fw::ProgramFolder();
  std::optional<fw::TraceScope> step(std::in_place, fw::TraceKind::kStartup, fw::kStartupSettings);
  tcp_server_address = ReadTcpServerAddress(folder);
  const std::string configPath = ConfigFilePath(folder);
  if (GetFileAttributesA(configPath.c_str()) == INVALID_FILE_ATTRIBUTES) ini_copy->Lines()->SaveToFile(configPath);
  {
    fw::TIniFile ini(configPath);
    settings_ = ReadSettings(ini, (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2, [] { Api().EnableLogging(1); });
  }
  ApplySettings();
  com1_standby = com2_standby = nav1_standby = nav2_standby = 888.88;
  adf1_standby = adf2_standby = 8888.8;
  xpndr_code_entry = "####";
  pagecontrol1->SetActivePage(VxSmoothTabPager11);
  captain_multicom_mode = 1;
  fo_multicom_mode = 3;
  obs1_multicom_mode = 2;
  obs2_multicom_mode = 2;
  log_.Open(folder + kProgramLogName);
  internal_flag.fill(false);
  ResetAxisFunctions(axis_functions);
  step.emplace(fw::TraceKind::kStartup, fw::kStartupWindow);
  HandleNeeded();  // the joystick polling threads post to this window
  step.emplace(fw::TraceKind::kStartup, fw::kStartupInputs);
  MSWheel1 = fw::Create<input::DOVWheel>(this);
  MSWheel1->SetName("MSWheel1");
  MSWheel1->OnIntelliScroll = [this](std::int32_t zdelta, std::int32_t, std::int32_t, std::int32_t) {
    MSWheel1IntelliScroll(zdelta);
  };
  for (int i = 1; i <= 16; ++i) {
    input::TJstick* stick = Jstick[static_cast<std::size_t>(i)];
    if (!stick->EnablePolling() && stick->IsPresent()) stick->SetEnablePolling(true);
  }
  Image1->SetHint("The number of clicks required\rbefore Acceleration mode is Enabled.");
  Image2->SetHint("The time in milliseconds that clicks must be within\rto remain in Acceleration mode.");
  Image3->SetHint("Acceleration Gain\rIncrease the value to make the encoder change faster.");
  if (fw::Application != nullptr) fw::Application->SetHintHidePause(8000);
  cdu_key_messages = {RegisterWindowMessageA("VDK-CDU-KEY-1-SYS"), RegisterWindowMessageA("VDK-CDU-KEY-2-SYS"),
                      RegisterWindowMessageA("VDK-CDU-KEY-3-SYS")};
  switch_activity_tick = fw::TickCount();
  // SimConnect.dll by its full path from this folder, or "SimConnect.dll - Not Found" in fs_info.
  step.emplace(fw::TraceKind::kStartup, fw::kStartupSimLink);
  if (aircraft::StartSimLink()) reconnect->SetEnabled(true);
  step.reset();
  Timer1->SetEnabled(true);
  fw::TracePoint(fw::TraceKind::kStartup, fw::kStartupTimer);
}

void TZedArave::ApplySettings() {
  const ProgramSettings& s = settings_;
  hide_on_startup->SetChecked(s.hide_on_startup);
  if (s.hide_on_startup) SetWindowState(fw::wsMinimized);
  SetLeft(s.left);
  SetTop(s.top);
  p_3digit_mach->SetChecked(s.use_3_digit_mach);
  aircraft_type->SetItemIndex(s.aircraft_type);
  family_enabled_mcp = family_enabled_sys = family_enabled_cdu = false;
  family_enabled_radio = family_enabled_irs = family_enabled_elec = false;
  family_enabled_mcp = s.enable_mcp;
  family_enabled_cdu = s.enable_cdu;
  enable_zedarave->SetChecked(family_enabled_sys);
  enable_mcp->SetChecked(family_enabled_mcp);
  enable_cdu->SetChecked(family_enabled_cdu);
  enable_radio->SetChecked(family_enabled_radio);
  enable_irs->SetChecked(family_enabled_irs);
  enable_elec->SetChecked(family_enabled_elec);
  p_elec_config->SetItemIndex(s.elec_config_wiring);
  complete_cold_and_dark->SetChecked(s.complete_cold_and_dark_777);
  const std::pair<int, std::int32_t> encoders[] = {
      {1, s.crs.count}, {2, s.crs.delay}, {3, s.ias.count}, {4, s.ias.delay},  {5, s.hdg.count},  {6, s.hdg.delay},
      {7, s.alt.count}, {8, s.alt.delay}, {9, s.alt.gain},  {10, s.hdg.gain}, {11, s.ias.gain}, {12, s.crs.gain}};
  for (const auto& [upDown, value] : encoders) {
    const EncoderControls& c = encoder_controls[static_cast<std::size_t>(upDown)];
    c.edit->SetText(std::to_string(value));
    c.upDown->SetPosition(static_cast<std::int16_t>(value));
  }
}

void TZedArave::Timer1Timer() {
  Timer1->SetEnabled(false);
  knob_flags.mins_turned_while_held_cpt = true;
  knob_flags.baro_turned_while_held_cpt = true;
  {
    fw::TraceScope trace(fw::TraceKind::kStartup, fw::kStartupJoysticks);
    for (int i = 1; i <= 8; ++i) DxJoystick[static_cast<std::size_t>(i)]->SetDevice(i);
  }
  ProgressBar->SetMaximum(1648);
  ProgressBar->GoToMinimum();
  ProgressBar->SetVisible(true);
  Label5->SetVisible(true);
  {
    fw::TraceScope trace(fw::TraceKind::kStartup, fw::kStartupAssignments);
    LoadAssignmentsTwice();
  }
  Label5->SetVisible(false);
  ProgressBar->SetVisible(false);
  refresh_devices(0, 2);
  startup_done_ = true;
  Timer_resend->SetEnabled(true);
}

// The start-up load: the assignments and the rows built twice, the first time with the build flag set.
void TZedArave::LoadAssignmentsTwice() {
  for (const bool first : {true, false}) {
    Load_Input_Assignments("");
    build_combo_inputs(first);
    build_combo_outputs(first);
  }
}

// ---- Shut-down -----------------------------------------------------------------------------------

void TZedArave::FormCloseQuery(bool& CanClose) {
  CanClose = true;
  if (!AssignmentsChanged()) return;
  fw::MessageBoxRequest request;
  request.Owner = HandleAllocated() ? Handle() : nullptr;
  request.Text = "Save Before Closing ?";
  request.Caption = "Changes Detected";
  request.Flags = MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3;
  switch (fw::ShowMessageBox(request)) {
    case IDYES:
      SaveConfiguration1Click();
      break;
    case IDNO:
      break;
    default:
      CanClose = false;
      break;
  }
}

void TZedArave::FormDestroy() {
  if (fw::Application != nullptr) fw::Application->OnIdle = nullptr;
  progress_clear->SetEnabled(false);
  Axis_Detect->SetEnabled(false);
  input_progress->SetVisible(false);
  const BoardApi& api = Api();
  api.EnableLogging(0);
  api.Enable_DeviceChange_Notification_Callback(0, &OnBoardDeviceChange);
  fs_reconnect->SetEnabled(false);
  fw::SleepMs(1000);
  // The dark writes below must reach the CDUs even within two seconds of a discovery.
  output_suspended = false;
  for (int i = 1; i <= kBoardSlots; ++i) {
    const tbuffer_id& slot = board_table[static_cast<std::size_t>(i)];
    if (slot.session == 0) continue;  // every bound slot, not only those before the first free one
    const std::int32_t session = slot.session;
    SetCduRoleLamps(session, 0);
    const BoardInfo& info = board_info[static_cast<std::size_t>(i)];
    api.Switch_Enable_Callback(session, 0, &OnBoardSwitch);
    if (info.ledCount > 0) api.LED_Enable(session, 0);
    if (info.datalineCount > 0) api.Dataline_Enable(session, 0);
    if (info.digitCount > 0) api.SevenSegment_Enable(session, 0);
    api.UnBind(session);
  }
  for (int i = 1; i <= 16; ++i) Jstick[static_cast<std::size_t>(i)]->SetEnablePolling(false);
  fw::SleepMs(500);
  api.CloseControllers();
  fw::SleepMs(500);
  Update_Structure->Close();
  aircraft::FpcClose();
  log_.Close();
}

// ---- Window messages -----------------------------------------------------------------------------

void TZedArave::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_SWITCH_EVENT: {
      const auto id = static_cast<std::uint32_t>(Message.WParam);
      if (id != 0) process_switch(id, LOWORD(Message.LParam), HIWORD(Message.LParam));
      Message.Result = 0;
      return;
    }
    case WM_BOARDS_CHANGED:
      device_refresh(static_cast<std::int32_t>(Message.LParam));
      Message.Result = 0;
      return;
    default:
      fw::TForm::Dispatch(Message);
  }
}

void TZedArave::device_refresh(std::int32_t reason) {
  if (reason != 2) board_info_disp->Items()->Clear();
  refresh_devices(0, reason);
}

// Runs on a joystick's polling thread: only posts the button change to the window.
void TZedArave::Jstick1Button(std::int32_t JoystickID, std::int32_t ButtonID, bool ButtonDown) {
  PostJoystickButton(JoystickID, ButtonID, ButtonDown ? 1 : 0);
}

// ---- Guarded writes ------------------------------------------------------------------------------

void TZedArave::interface_LED_Set(std::int32_t session, std::int32_t led, std::uint8_t state) {
  GuardedLedSet(output_suspended, session, led, state);
}

void TZedArave::interface_7Seg_Set(std::int32_t session, const char* text, std::int32_t firstDigit) {
  GuardedSevenSegmentSet(output_suspended, session, text, firstDigit);
}

void TZedArave::interface_Dataline_Set(std::int32_t session, std::int32_t line, std::uint8_t state) {
  GuardedDatalineSet(output_suspended, session, line, state);
}

// ---- Catalogue and lookups -----------------------------------------------------------------------

std::string TZedArave::Get_Board_Desc(const std::string& model) const { return trelvik::Get_Board_Desc(model); }

std::int32_t TZedArave::Get_Board_session(const std::string& name) const {
  return trelvik::Get_Board_session(board_table, name);
}

std::string TZedArave::Get_Board_Desc2(const std::string& name) const {
  return trelvik::Get_Board_Desc2(board_table, name);
}

std::string TZedArave::Get_Board_Name(const std::string& name) const {
  return trelvik::Get_Board_Name(board_table, name);
}

// ---- Log and lists -------------------------------------------------------------------------------

void TZedArave::Log1Click() {
  Log1->SetChecked(!Log1->Checked());
  log_.SetLogging(Log1->Checked());
}

void TZedArave::Enable1Click() {
  Enable1->SetChecked(!Enable1->Checked());
  const bool on = Enable1->Checked();
  Api().EnableLogging(on ? 1 : 0);
  Enable1->SetCaption(on ? "Disable" : "Enable");
}

void TZedArave::Clear_Log_Details() { fs_info->Items()->Clear(); }

fw::TStrings* TZedArave::fs_info_lines() { return fs_info->Items(); }

fw::TStrings* TZedArave::board_list_lines() { return board_info_disp->Items(); }

void TZedArave::set_status_text(int index, const std::string& text) {
  if (switch_host_) switch_host_->ShowEntrySteps();  // an event's status line comes before any later text
  StatusBar1->Panels()->Items(index)->SetText(text);
}

std::string TZedArave::status_text(int index) { return StatusBar1->Panels()->Items(index)->Text(); }

int TZedArave::aircraft_type_index() const { return aircraft_type->ItemIndex(); }

bool TZedArave::hide_on_startup_checked() const { return hide_on_startup->Checked(); }

bool TZedArave::save_marked() const { return VxGlowButton3->Appearance()->Color() == kUnsavedColor; }

void TZedArave::mark_unsaved() {
  ui::TGlowButtonAppearance* a = VxGlowButton3->Appearance();
  a->SetColor(kUnsavedColor);
  a->SetColorTo(kUnsavedColorTo);
  a->SetColorMirror(kUnsavedColor);
  a->SetColorMirrorTo(kUnsavedColorTo);
}

void TZedArave::mark_saved() {
  ui::TGlowButtonAppearance* a = VxGlowButton3->Appearance();
  a->SetColor(kSavedColor);
  a->SetColorTo(kSavedColor);
  a->SetColorMirror(kSavedColor);
  a->SetColorMirrorTo(kSavedColor);
}

// ---- Timers of the window ------------------------------------------------------------------------

void TZedArave::save_TimerTimer() {
  save_Timer->SetEnabled(false);
  save_label->SetVisible(false);
  initializing_devices->SetVisible(false);
  Label5->SetVisible(true);
  set_status_text(1, "");
  button35->SetEnabled(true);
}

void TZedArave::progress_clearTimer() {
  if (input_progress->Visible()) input_progress->SetPosition(0);
}

void TZedArave::reconnectTimer() { aircraft::ReconnectTimerTick(); }

// ---- Switch events and the aircraft link's view of the form --------------------------------------

void TZedArave::process_switch(std::uint32_t id, std::int32_t number, std::int32_t state) {
  // What an outer event (a rescan replays switches from inside one) still holds is shown first; this event's own
  // entry steps are shown at the latest when it ends, however it ends.
  switch_host_->ShowEntrySteps();
  struct ShowAtEnd {
    FormSwitchHost& host;
    ~ShowAtEnd() { host.ShowEntrySteps(); }
  } showAtEnd{*switch_host_};
  if (switch_processing) switch_processing(id, number, state);
}

bool TZedArave::Is777Selected() const { return aircraft_type_index() == 1; }

fw::TStrings& TZedArave::SimInfo() { return *fs_info->Items(); }

void TZedArave::SetStatusPanel(int index, const std::string& text) { set_status_text(index, text); }

void TZedArave::ShowMessage(const std::string& text) {
  fw::MessageBoxRequest request;
  request.Owner = HandleAllocated() ? Handle() : nullptr;
  request.Text = text;
  request.Caption = fw::Application != nullptr ? fw::Application->Title() : std::string();
  request.Flags = MB_OK;
  fw::ShowMessageBox(request);
}

void TZedArave::StartKnobReleaseTimer(aircraft::KnobReleaseTimer timer) {
  switch (timer) {
    case aircraft::KnobReleaseTimer::kCaptainMins: Stop_CPT_MINS->SetEnabled(true); break;
    case aircraft::KnobReleaseTimer::kCaptainBaro: Stop_CPT_Baro->SetEnabled(true); break;
    case aircraft::KnobReleaseTimer::kFirstOfficerMins: Stop_FO_MINS->SetEnabled(true); break;
    case aircraft::KnobReleaseTimer::kFirstOfficerBaro: Stop_FO_Baro->SetEnabled(true); break;
  }
}

}  // namespace trelvik
