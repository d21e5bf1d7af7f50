// TZedArave: the program's main form. It lives for the whole run and holds the program's run-time state:
// the board table, the settings record, the log, the role sessions, the output flags and panel_state.
// Everything here runs on the GUI thread; the board callbacks and the joystick handler only post or send
// WM_SWITCH_EVENT / WM_BOARDS_CHANGED to its window (event_bridge.h).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controller/app/assignment_records.h"
#include "controller/app/assignment_rows.h"
#include "controller/app/board_catalogue.h"
#include "controller/app/board_table.h"
#include "controller/app/error_reports.h"
#include "controller/app/joystick_axes.h"
#include "controller/app/mcp_windows.h"
#include "controller/app/panel_state.h"
#include "controller/app/program_log.h"
#include "controller/app/settings.h"
#include "controller/app/tcp_records.h"
#include "controller/aircraft/aircraft_host.h"
#include "controller/aircraft/family_host.h"
#include "controller/aircraft/switch_host.h"
#include "framework/forms/form.h"
#include "ui/grid/model/base_grid.h"

namespace fw {
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TListBox;
class TMemo;
class TMenuItem;
class TPanel;
class TStatusBar;
class TStrings;
class TTimer;
class TUpDown;
class TCheckBox;
class TRadioGroup;
class TScrollBox;
}  // namespace fw

namespace input {
class DOVWheel;
class TDxJoystick;
class TJstick;
}  // namespace input

namespace net {
class TNetSocket;
}

namespace ui {
class TColorButton;
class TColumnComboBox;
class TVxGlowButton;
class TVxMainMenu;
class TVxOfficeCheckBox;
class TVxOfficeRadioGroup;
class TVxSmoothLabel;
class TVxSmoothPanel;
class TVxSmoothProgressBar;
class TVxSmoothTabPage;
class TVxSmoothTabPager;
class TVxStringGrid;
class TW7SpeedButton;
}  // namespace ui

namespace trelvik {

inline constexpr const char* kApplicationTitle = "VDK-Trelvik";
inline constexpr const char* kMainCaption = "VDK-Trelvik: VDK to ORVA Hardware Interface - Version 2.00";

class FormSwitchHost;
enum class ExportKind;

struct EncoderControls {
  fw::TEdit* edit = nullptr;
  fw::TUpDown* upDown = nullptr;
};

class TZedArave : public fw::TForm, public aircraft::AircraftHost {
 public:
  explicit TZedArave(fw::TComponent* AOwner);
  ~TZedArave() override;

  // ---- Start-up and shut-down -------------------------------------------------------------------
  void FormCreate();
  void Timer1Timer();
  void LoadAssignmentsTwice();
  void FormCloseQuery(bool& CanClose);
  void FormDestroy();

  // ---- Window messages ---------------------------------------------------------------------------
  void Dispatch(fw::TMessage& Message) override;
  void device_refresh(std::int32_t reason);
  // ---- Assignments file ----------------------------------------------------------------------------
  // Loads an assignments file; an empty name means the one CONFIG.INI names.
  void Load_Input_Assignments(const std::string& file);
  // The Save command: CONFIG.INI's keys and the CDU roles of the assignments file.
  void SaveConfiguration1Click();
  // The hidden File commands: clear every per-function record (after a question), load another assignments
  // file, save to a file the user names.
  void NewConfiguration1Click();
  void LoadConfiguration1Click();
  void SaveAs1Click();
  void Check_for_Change();
  // Unsaved changes: a per-function record differs from its saved copy, or the Save button is red.
  bool AssignmentsChanged() const;
  // Board discovery: mode 2 start-up or arrival, 1 removal.
  void refresh_devices(std::uint8_t flag, std::int32_t mode);
  void Add_Card_Name_To_List();
  // The idle pass, installed as the application's idle handler at the end of every discovery.
  void loop();
  // Runs at the start of every discovery to empty the board choices of the output dialogs.
  std::function<void()> OnClearDialogBoards;

  // ---- Export files and import wizard (zedarave_exchange.cpp) ---------------------------------------
  // Each export writes one panel group's functions (or all of them) into its file in "Import Files".
  void MIPFile1Click();
  void PedestalFile1Click();
  void MainOverheadFile1Click();
  void AFTOverheadFile1Click();
  void MiscItemsFile1Click();
  void RelayFile1Click();
  void All1Click();
  // Reads an export file back, asking which board plays each panel group here.
  void ImportFile1Click();

  // ---- Per-function rows (zedarave_rows.cpp) --------------------------------------------------------
  // Row layout restarts: input and output rows counted from 0 at (10, 5). The flag is not used.
  void build_combo_inputs(bool flag);
  // Also enables the page control.
  void build_combo_outputs(bool flag);
  // Builds the next input row for a function, taking over the commands into its record (or starting one).
  void add_row(const std::string& name, const std::string& cmdOn, std::int32_t group, bool create,
               const std::string& cmdOff);
  // One step of the start-up progress bar.
  void add_row2(const std::string& text);
  // Drives the output of the named output function.
  void set_led(const std::string& name, std::uint8_t state);
  // Input-row handlers; the row is read from the clicked control's name.
  void assign_key(fw::TObject* Sender);
  void clear_key(fw::TObject* Sender);
  void assign_key2(fw::TObject* Sender);
  void clear_key2(fw::TObject* Sender);
  void offset_change(fw::TObject* Sender);
  void offset_length_change(fw::TObject* Sender);
  void offset_value_on_change(fw::TObject* Sender);
  void offset_value_off_change(fw::TObject* Sender);
  // Output-row handlers. Assigning opens the LED selector on the general-purpose boards.
  void assign_key_output(fw::TObject* Sender);
  void clear_key_output(fw::TObject* Sender);
  void offset_output_change(fw::TObject* Sender);
  void offset_output_length_change(fw::TObject* Sender);
  void offset_output_value_on_change(fw::TObject* Sender);
  void Test_Output(fw::TObject* Sender);

  // ---- Main window commands (zedarave_commands.cpp) ------------------------------------------------------
  // The role buttons by their W7SpeedButton number: assign from the last board whose key was pressed (only a
  // bound board), or clear. A CDU role's change marks the Save button.
  void AssignRoleClick(int assignButton);
  void ClearRoleClick(int clearButton);
  void Button35Click();
  void RunMode1Click();
  void ProgramMode1Click();
  // Only after the start-up discovery: reconnects the aircraft link for the chosen type and reloads.
  void aircraft_typeClick();
  void Reload_Assignment_Options();
  void Find1Click();
  // "Show Board Descriptions": the board description dialog, modal.
  void ShowDescriptionsClick();
  // The find dialog's search: the first input (output) row from start whose label holds text in any letter
  // case, else the first from row 1; 0 when none does.
  std::int32_t findpos(std::int32_t start, const std::string& text) const;
  std::int32_t findpos2(std::int32_t start, const std::string& text) const;
  // "Test ALL Outputs" and "Test ALL".
  void CheckBox1Click();
  // "Output Test Panel".
  void Button38Click();
  void reset_testClick();
  void Button36Click();  // Clear All Switch Assignments
  void Button37Click();  // Clear All Output Assignments
  void p_elec_configClick();
  void W7SpeedButton133Click();
  // UpDown1Click ... UpDown12Click: the up-down's position becomes its tuning value.
  void UpDownClick(int upDown);
  void pagecontrol1Changing(int toPage, bool& AllowChange);
  void FormKeyDown(std::uint16_t& Key, fw::TShiftState Shift);
  void MSWheel1IntelliScroll(std::int32_t zdelta);

  // ---- Monitor grids (zedarave_monitor.cpp) --------------------------------------------------------------
  // The output grid's refill, only while the monitor page is shown (the idle loop, once a second). The
  // switch grid's refill is installed as write_switch_states.
  void write_Output_states();
  void stringgrid1DrawCell(int ACol, int ARow, const fw::TRect& Rect, fw::TGridDrawState State);
  void stringgrid2DrawCell(int ACol, int ARow, const fw::TRect& Rect, fw::TGridDrawState State);

  // ---- Guarded writes ----------------------------------------------------------------------------
  void interface_LED_Set(std::int32_t session, std::int32_t led, std::uint8_t state);
  void interface_7Seg_Set(std::int32_t session, const char* text, std::int32_t firstDigit);
  void interface_Dataline_Set(std::int32_t session, std::int32_t line, std::uint8_t state);

  // ---- Lamp tests ----------------------------------------------------------------------------------
  // Every bound board's lamp test on or off, straight to the library (also while output is suspended).
  void light_test(std::uint8_t state);
  // The same without the relay boards ("4107", "4109").
  void light_test2(std::uint8_t state);
  // Ends the lamp test of every board with LEDs and switches each LED of its range off.
  void reset_all_LEDs();

  // ---- Output passes (run by the idle loop) --------------------------------------------------------
  // The lamps of the mode-control panels; toggles led_pass_phase at the end of every completed pass.
  void Output_Loop_LED();
  // Every lamp of the first bound board of `model` (also called by the switch processing).
  void set_mcp_outputs(const std::string& model);
  // The windows of the mode-control panels, the CDU lamp-test marks, then panel_state_prev.
  void Output_Loop_7SEG();
  void set_mcp_outputs_7seg(const std::string& model);
  // The overhead boards: the first bound ELEC panel (3306, 3324) or IRS display (3322) of the model (LED pass).
  void Set_ELEC_Panel(const std::string& model);
  void Set_IRS_Panel(const std::string& model);
  // The radio-family boards of one model (4C5A, 3401, 3318, 3305, 3402): the hidden status lines of the
  // radio page, then every bound board of the model (the radio switches).
  void set_radio_panel(const std::string& model);
  // The status lines once, then the boards of every radio-family model (7-segment pass).
  void set_radio_panels();
  // The working standby frequencies from the aircraft's radios (7-segment pass, without switch activity).
  void RefreshRadioValues();
  // The transponder code and TCAS mode sent while they differ from the aircraft's, and the IDENT blink
  // (idle pass, while the radio family is ticked and a transponder holds its role).
  void transponder_pass();
  // The lamps of every bound board of a CDU model that holds a CDU role (LED pass).
  void Set_CDU_LEDs(const std::string& model);
  // Each CDU role's display brightness from its brightness control, and the level sent to the aircraft
  // when it changed (7-segment pass, while enable_cdu is ticked).
  void SetCduBrightness();

  // ---- Switch rescan -------------------------------------------------------------------------------------
  // Replays the present position of every panel and assigned switch through the switch processing.
  void Button11Click();
  // Five seconds after start-up: once, then the rescan.
  void Timer_resendTimer();
  // The 777 MINS and BARO knobs' release clicks, 200 ms after a turn (one shot each).
  void Stop_CPT_BaroTimer();
  void Stop_FO_BaroTimer();
  void Stop_CPT_MINSTimer();
  void Stop_FO_MINSTimer();

  // ---- Joystick axes (zedarave_axes.cpp; their pages in zedarave_axis_pages.cpp) -------------------------
  // The eight axis values and product name of one DirectInput game controller; all 0 when it is missing,
  // not attached, virtual ("vJoy") or cannot be acquired.
  AxisReading QueryAxisValues(input::TDxJoystick& stick);
  // The axis pass, run by the idle loop: at most every 200 ms, detection while Axis_Detect runs, else the
  // assigned axes' values; the value labels, the dimmer commands every 500 ms and the flight controls.
  void axis_pass();
  // Commands of the axis pages; the clicked control's tag is the axis function.
  void W7SpeedButton42Click(fw::TObject* Sender);   // Detect
  void Axis_DetectTimer();
  void DimmerClearClick(fw::TObject* Sender);       // Clear of a dimmer function 1..11
  void W7SpeedButton55Click(fw::TObject* Sender);   // Clear of a flight control
  void W7SpeedButton96Click(fw::TObject* Sender);   // SET low
  void W7SpeedButton132Click(fw::TObject* Sender);  // SET high
  void j20_nullChange(fw::TObject* Sender);         // every null-zone edit
  void j20_revClick(fw::TObject* Sender);           // every Reverse box
  void W7SpeedButton131Click(fw::TObject* Sender);  // ARM of the speedbrake
  // The loaded assignments in the rows of the axis pages.
  void ShowLoadedAxes();

  // ---- Catalogue and lookups ---------------------------------------------------------------------
  std::string Get_Board_Desc(const std::string& model) const;
  std::int32_t Get_Board_session(const std::string& name) const;
  std::string Get_Board_Desc2(const std::string& name) const;
  std::string Get_Board_Name(const std::string& name) const;

  // ---- Log -----------------------------------------------------------------------------------------
  void log(const std::string& text) { log_.log(text); }
  void force_log(const std::string& text) { log_.force_log(text); }
  void Log1Click();
  void Enable1Click();
  void Clear_Log_Details();
  ProgramLog& program_log() { return log_; }
  // What became of the failures of the program's handlers (the application's exception handler).
  const ErrorReports& error_reports() const { return error_reports_; }

  // ---- Switch events ---------------------------------------------------------------------------------
  // One switch event on the GUI thread: a board session, or 10000 plus the joystick number.
  void process_switch(std::uint32_t id, std::int32_t number, std::int32_t state);
  // The switch processing, installed once it is there; until then switch events go nowhere.
  std::function<void(std::uint32_t id, std::int32_t number, std::int32_t state)> switch_processing;
  // What the switch processing hands on to the parts of the program that serve it: the board selector's
  // "Assign Board" while the import wizard waits for a switch, the per-function input assignments, and the
  // radio, multicom, transponder, EFIS and overhead families (which answer whether they handled the event).
  // Each does nothing while it is not set.
  std::function<void()> OnImportSwitch;
  std::function<void(const std::string& board, std::int32_t number, std::int32_t state)> run_input_assignments;
  std::function<bool(aircraft::SwitchHost::Family family, std::int32_t index, const std::string& model,
                     std::int32_t id, std::int32_t number, std::int32_t state)>
      switch_families;
  // The switch monitor grid's refresh, run at the end of every rescan; nothing while it is not set.
  std::function<void()> write_switch_states;

  // ---- TCP client (Update_Structure; nothing connects it in this program) ---------------------------
  // Connected: the program announces itself to the companion program.
  void Update_StructureSessionConnected(std::uint16_t ErrCode);
  void Update_StructureError();
  // Received bytes cut into records; a failure is shown in a message box.
  void Update_StructureDataAvailable(std::uint16_t ErrCode);
  // The record in tcp_record: "KILL_ZEDARAVE" ends the companion program and this program.
  void process_single_updates();
  TcpRecordReader tcp_reader;
  TcpRecord tcp_record{};

  // ---- What the aircraft link reads and writes (aircraft::AircraftHost) ---------------------------
  bool Is777Selected() const override;
  fw::TStrings& SimInfo() override;
  void SetStatusPanel(int index, const std::string& text) override;
  void SetSimDetected(bool detected) override { sim_detected = detected; }
  void ShowMessage(const std::string& text) override;
  void InstallIdleLoop() override;
  aircraft::KnobPushFlags& KnobFlags() override { return knob_flags; }
  bool SwitchesRescanned() const override { return switches_rescanned; }
  bool EnableFoInsHpa() const override { return settings_.enable_fo_ins_hpa; }
  void StartKnobReleaseTimer(aircraft::KnobReleaseTimer timer) override;

  // ---- What the other parts of the program read and write ---------------------------------------------
  ProgramSettings& settings() { return settings_; }
  fw::TStrings* fs_info_lines();
  fw::TStrings* board_list_lines();
  // Panel `index` (0-based) of the status bar.
  void set_status_text(int index, const std::string& text);
  std::string status_text(int index);
  bool startup_done() const { return startup_done_; }
  // Whether unsaved role assignments are marked on the Save button.
  bool save_marked() const;
  void mark_unsaved();
  void mark_saved();

  // ---- Run-time state ------------------------------------------------------------------------------
  BoardSlotArray board_table{};
  BoardInfoArray board_info{};
  BoardInfoArray board_info_saved{};
  PanelState panel_state{};
  PanelState panel_state_prev{};
  InputRecords input_assignments{};
  InputRecords saved_inputs{};
  OutputRecords output_assignments{};
  OutputRecords saved_outputs{};
  AxisRecords axis_functions{};
  std::string assignments_file;
  // The rows of the input-assignment and output-assignment pages (1..412) and their layout.
  std::array<InputRow, kAssignmentRecords + 1> input_rows{};
  std::array<OutputRow, kAssignmentRecords + 1> output_rows{};
  std::int32_t row_x = 10, row_y = 5;
  std::int32_t input_row_count = 0, output_row_count = 0;
  // Set when an input function's ON command of a main switch sent "PARKING_BRAKE=1"; never cleared.
  bool parking_brake_sent = false;

  std::string tcp_server_address;
  bool family_enabled_mcp = false;
  bool family_enabled_sys = false;
  bool family_enabled_cdu = false;
  bool family_enabled_radio = false;
  bool family_enabled_irs = false;
  bool family_enabled_elec = false;

  // The radio working copies the radio switches edit and the radio outputs show: standby frequencies (MHz,
  // ADF kHz), each radio role's test button (COM1, COM2, NAV1, NAV2, ADF1, ADF2), the multicom modes and
  // the transponder entry. The idle pass sends the keyed code and the TCAS mode and blinks IDENT.
  double com1_standby = 0, com2_standby = 0, nav1_standby = 0, nav2_standby = 0;
  double adf1_standby = 0, adf2_standby = 0;
  std::array<bool, aircraft::kRadioCount> radio_test{};
  std::string xpndr_code_entry;
  std::int32_t xpndr_mode = 0;
  std::int32_t xpndr_selector = 0;
  bool xpndr_ident = false;
  std::uint8_t ident_blink = 0;
  std::int32_t ident_blink_count = 0;
  std::uint32_t ident_blink_tick = 0;
  std::int32_t captain_multicom_mode = 0, fo_multicom_mode = 0, obs1_multicom_mode = 0, obs2_multicom_mode = 0;
  // The pressurisation settings the overhead switches step from and the overhead outputs show; nothing
  // fills them from the aircraft, so they hold 0.
  aircraft::PressurisationValues pressurisation;
  std::array<bool, 11> internal_flag{};  // 1..10

  // Idle-loop state (GetTickCount ticks in ms). The activity flags clear 2000 ms after their tick; the
  // blink phase toggles every 300 ms; each output pass runs on its interval from its last run, which the
  // LED test dialog's 500 ms timer restarts.
  bool switch_activity = false;
  std::uint32_t switch_activity_tick = 0;
  bool multicom_activity = false;
  std::uint32_t multicom_activity_tick = 0;
  std::uint8_t blink_phase = 0;
  std::uint32_t blink_tick = 0;
  std::uint32_t led_pass_tick = 0;
  std::uint32_t seg_pass_tick = 0;
  std::int32_t reload_trigger_prev = 0;  // panel_state.reload_trigger as the last idle pass saw it
  // What the switch processing keeps between events.
  std::uint32_t prev_switch_tick = 0;
  aircraft::LastAssignableInput last_assignable_input;
  aircraft::McpSwitchState mcp_switches;
  std::string import_switch_board;
  bool import_waiting_for_switch = false;
  std::array<std::uint32_t, 3> cdu_key_messages{};
  std::uint32_t switch_message = 0;

  bool discovery_busy = false;
  bool output_suspended = false;
  std::uint32_t output_suspend_tick = 0;
  bool reload_input_assignments = false;
  bool test_mode_active = false;
  aircraft::KnobPushFlags knob_flags;
  bool sim_detected = false;
  bool switches_rescanned = false;
  // check_switch_process_blocked's flags, one per guarded pair of function names.
  std::array<bool, 4> rescan_block_flag{};

  // CDU brightness: the last reading and level, the level of each role (captain, first officer, observers
  // 1 to 3; kept when a reading fails) and the last level sent to the aircraft per sending role.
  std::int32_t cdu_analog_value = 0;
  std::int32_t cdu_brightness_level = 0;
  std::array<std::int32_t, 5> cdu_role_level{};
  std::int32_t cdu_brightness_sent_cpt = 0, cdu_brightness_sent_fo = 0, cdu_brightness_sent_obs = 0;

  // Output passes. The window fields (mcp_switches) follow the aircraft except while switch_activity is
  // set (a switch event in the last 2000 ms), when the switch processing steps them.
  std::uint8_t led_pass_phase = 0;
  bool led_selector_active = false;  // the LED selector dialog drives the LEDs itself
  SpeedFlashState speed_flash;

  // Role names and sessions.
  std::string cdu_cpt_board, cdu_fo_board, cdu_obs1_board, cdu_obs2_board, cdu_obs3_board;
  std::int32_t cdu_cpt_session = 0, cdu_fo_session = 0, cdu_obs1_session = 0, cdu_obs2_session = 0,
               cdu_obs3_session = 0;
  std::string captain_com_board, fo_com_board, captain_nav_board, fo_nav_board, adf1_board, adf2_board,
      transponder_board;
  std::int32_t captain_com_session = 0, fo_com_session = 0, captain_nav_session = 0, fo_nav_session = 0,
               adf1_session = 0, adf2_session = 0, transponder_session = 0;
  std::string captain_multicom_board, fo_multicom_board, obs1_multicom_board, obs2_multicom_board;
  std::int32_t captain_multicom_session = 0, fo_multicom_session = 0, obs1_multicom_session = 0,
               obs2_multicom_session = 0;

  // ---- Controls ------------------------------------------------------------------------------------
  ui::TVxMainMenu* MainMenu1 = nullptr;
  fw::TMenuItem* File1 = nullptr;
  fw::TMenuItem* NewConfiguration1 = nullptr;
  fw::TMenuItem* LoadConfiguration1 = nullptr;
  fw::TMenuItem* SaveConfiguration1 = nullptr;
  fw::TMenuItem* SaveAs1 = nullptr;
  fw::TMenuItem* Exit1 = nullptr;
  fw::TMenuItem* Edit1 = nullptr;
  fw::TMenuItem* OperationMode1 = nullptr;
  fw::TMenuItem* RunMode1 = nullptr;
  fw::TMenuItem* ProgramMode1 = nullptr;
  fw::TMenuItem* Find1 = nullptr;
  fw::TMenuItem* Log1 = nullptr;
  fw::TMenuItem* ImportExport1 = nullptr;
  fw::TMenuItem* Logging1 = nullptr;
  fw::TMenuItem* Enable1 = nullptr;

  ui::TVxSmoothPanel* header_panel = nullptr;
  ui::TVxOfficeRadioGroup* aircraft_type = nullptr;
  ui::TVxGlowButton* VxGlowButton3 = nullptr;  // Save
  ui::TVxGlowButton* VxGlowButton4 = nullptr;  // Find
  ui::TVxGlowButton* VxGlowButton1 = nullptr;  // New
  ui::TVxGlowButton* VxGlowButton2 = nullptr;  // Open
  ui::TVxOfficeCheckBox* Test_Mode1 = nullptr;
  ui::TW7SpeedButton* button35 = nullptr;
  fw::TLabel* Test_Mode_Label = nullptr;

  ui::TVxSmoothTabPager* pagecontrol1 = nullptr;
  std::array<ui::TVxSmoothTabPage*, 8> pages{};
  ui::TVxSmoothTabPage* VxSmoothTabPager11 = nullptr;  // "ZEDArave Status"

  fw::TListBox* board_info_disp = nullptr;
  fw::TListBox* fs_info = nullptr;
  // "Other Options": "Hide On Startup", and the hidden "3 Digit Mach" box and "Show Board Descriptions".
  fw::TGroupBox* other_options = nullptr;
  ui::TVxOfficeCheckBox* hide_on_startup = nullptr;
  fw::TCheckBox* p_3digit_mach = nullptr;
  ui::TW7SpeedButton* show_descriptions = nullptr;
  fw::TGroupBox* encoders_group = nullptr;
  std::array<EncoderControls, 13> encoder_controls{};  // UpDown1..UpDown12 with their edits
  fw::TImage* Image1 = nullptr;
  fw::TImage* Image2 = nullptr;
  fw::TImage* Image3 = nullptr;
  fw::TLabel* dc_power_label = nullptr;
  fw::TLabel* Label5 = nullptr;
  fw::TLabel* Label181 = nullptr;  // "DC Power : ON" / "DC Power : OFF", set by the LED pass
  ui::TVxSmoothLabel* initializing_devices = nullptr;
  ui::TVxSmoothLabel* save_label = nullptr;
  ui::TVxSmoothProgressBar* ProgressBar = nullptr;
  ui::TVxSmoothProgressBar* input_progress = nullptr;
  fw::TPanel* family_panel = nullptr;
  fw::TCheckBox* enable_zedarave = nullptr;
  fw::TCheckBox* enable_mcp = nullptr;
  fw::TCheckBox* enable_cdu = nullptr;
  fw::TCheckBox* enable_radio = nullptr;
  fw::TCheckBox* enable_irs = nullptr;
  fw::TCheckBox* enable_elec = nullptr;
  ui::TVxOfficeCheckBox* complete_cold_and_dark = nullptr;
  fw::TRadioGroup* p_elec_config = nullptr;
  // Hidden: the "A/T Arm Test" box (never ticked here) and the A/T arm indicator of the 3404 and 3311 panels.
  fw::TCheckBox* AT_Test = nullptr;
  fw::TCheckBox* at_arm = nullptr;
  // Hidden: "Refresh Switch States", the switch rescan.
  ui::TW7SpeedButton* W7SpeedButton3 = nullptr;
  fw::TMemo* ini_copy = nullptr;

  // Last switch and board labels of the input and CDU assignment pages; the input page's assign_off box
  // is made with that page.
  fw::TLabel* last_input = nullptr;
  fw::TLabel* last_input2 = nullptr;
  fw::TCheckBox* assign_off = nullptr;
  fw::TScrollBox* ScrollBox1 = nullptr;  // input rows
  // Output page: the rows, the "Test ALL" box and the hidden "Reset Test Mode" button.
  fw::TScrollBox* ScrollBox2 = nullptr;
  ui::TVxOfficeCheckBox* CheckBox1 = nullptr;
  ui::TColorButton* reset_test = nullptr;
  // Dimmer Axis page: the assignment label and Clear of function 12.
  fw::TLabel* Label177 = nullptr;
  ui::TW7SpeedButton* W7SpeedButton133 = nullptr;
  // CDU page.
  std::array<ui::TW7SpeedButton*, 37> speed_buttons{};  // W7SpeedButton1..36 by number
  fw::TLabel* Label9 = nullptr;
  fw::TLabel* Label10 = nullptr;
  fw::TLabel* Label16 = nullptr;
  fw::TLabel* Label17 = nullptr;
  fw::TLabel* Label18 = nullptr;
  std::array<fw::TLabel*, 5> brightness_labels{};  // Label61..Label65: captain, first officer, observers 1-3
  // The hidden "External Program" boxes of the captain, first-officer and observer CDUs (the _REMOTE keys).
  fw::TCheckBox* p_cpt_ext = nullptr;
  fw::TCheckBox* p_fo_ext = nullptr;
  fw::TCheckBox* p_obs_ext = nullptr;

  // Radio page (hidden): the last board whose key was pressed, and the role labels by number.
  fw::TLabel* last_input3 = nullptr;
  std::array<fw::TLabel*, 44> role_labels{};  // Label23 ... Label43, and the CDU page's Label9 ... Label18, by number
  // The radios as the aircraft has them: COM1, COM2, NAV1, NAV2, ADF1, ADF2, XPNDR (set_radio_panel).
  std::array<fw::TLabel*, 7> radio_status_labels{};

  fw::TStatusBar* StatusBar1 = nullptr;

  // "Switch / LED Monitor" page (hidden): the switch and output grids.
  ui::TVxSmoothTabPage* VxSmoothTabPage3 = nullptr;
  ui::TVxStringGrid* stringgrid1 = nullptr;
  ui::TVxStringGrid* stringgrid2 = nullptr;
  std::uint32_t monitor_tick = 0;

  // Axis pages (hidden): one row per axis function, the flight-control channels' output labels.
  std::array<AxisRow, kAxisFunctions + 1> axis_rows{};
  std::array<fw::TLabel*, kAxisChannels> axis_channel_labels{};
  AxisWork axis_work;

  // Components: sixteen multimedia joysticks (joystick numbers 1..16), eight DirectInput game controllers
  // and the TCP client socket.
  std::array<input::TJstick*, 17> Jstick{};         // Jstick1..Jstick16 by number
  std::array<input::TDxJoystick*, 9> DxJoystick{};  // DxJoystick1..DxJoystick8 by number
  net::TNetSocket* Update_Structure = nullptr;
  input::DOVWheel* MSWheel1 = nullptr;
  void Jstick1Button(std::int32_t JoystickID, std::int32_t ButtonID, bool ButtonDown);

  fw::TTimer* Timer1 = nullptr;
  fw::TTimer* reconnect = nullptr;
  fw::TTimer* Timer_resend = nullptr;
  fw::TTimer* save_Timer = nullptr;
  fw::TTimer* progress_clear = nullptr;
  fw::TTimer* Axis_Detect = nullptr;
  fw::TTimer* fs_reconnect = nullptr;
  fw::TTimer* mcp_timer = nullptr;
  fw::TTimer* efis_timer = nullptr;
  fw::TTimer* irs_timer = nullptr;
  fw::TTimer* elec_timer = nullptr;
  fw::TTimer* radio_timer = nullptr;
  fw::TTimer* cdu_cpt_timer = nullptr;
  fw::TTimer* cdu_fo_timer = nullptr;
  fw::TTimer* cdu_obs_timer = nullptr;
  fw::TTimer* Stop_CPT_Baro = nullptr;
  fw::TTimer* Stop_FO_Baro = nullptr;
  fw::TTimer* Stop_CPT_MINS = nullptr;
  fw::TTimer* Stop_FO_MINS = nullptr;

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;

 private:
  void BuildMenu();
  void BuildHeader();
  void BuildPages();
  void StyleFirstPage(ui::TVxSmoothTabPage* page);
  void StyleBanner(ui::TVxSmoothLabel* label);
  void StyleProgressBar(ui::TVxSmoothProgressBar* bar, double maximum, bool percentage,
                        const char* format);
  void BuildStatusPage(ui::TVxSmoothTabPage* page);
  void BuildCduPage(ui::TVxSmoothTabPage* page);
  void BuildRadioPage(ui::TVxSmoothTabPage* page);
  void BuildAssignmentPages();
  void ApplyStoredButtonLooks();
  void BuildAxisPages(ui::TVxSmoothTabPage* dimmer, ui::TVxSmoothTabPage* control);
  AxisReading QueryJoystick(int joystick);  // also kept as the joystick queried last
  void DetectMovedAxis();
  void AxisDetected(int joystick, int axis);
  void RunAxisChannels();
  // SET low or SET high: the function's present value becomes that end of its calibration.
  void SetCalibrationEnd(int function, bool high);
  // FSUIPC requests of the axis pass; a failed one clears sim_detected. Writes only while it is set.
  bool FsuipcDone(std::uint32_t result);
  void FsuipcRead(std::uint32_t offset, std::uint32_t size, void* destination);
  void FsuipcWriteChannel(std::uint32_t offset, std::uint32_t size, std::int64_t value);
  void BuildTimers();
  void BuildComponents();
  void ApplySettings();
  void RunDiscovery(std::int32_t mode);
  void EndDiscoveryEarly();
  void SettleBoard(int steps);
  void ConfigureBoard(const tbuffer_id& entry, std::int32_t mode);
  bool ModelSeenBefore(const std::string& model) const;
  bool FamilyEnabled(BoardFamily family) const;
  bool hide_on_startup_checked() const;
  // The row number in a row control's name: the digits after the last "_", or after a fixed prefix.
  static int RowAfterLastUnderscore(fw::TObject* Sender);
  static int RowAfterPrefix(fw::TObject* Sender, std::size_t prefixLength);
  void ShowInputSwitch(int row, bool second);
  // A row's controls with nothing assigned: the Assign button and "Unassigned" shown, the rest hidden.
  static void ShowUnassigned(const SwitchControls& controls);
  static void ShowUnassigned(const OutputRow& row);
  void AssignInputSwitch(fw::TObject* Sender, bool second);
  void ClearInputSwitch(fw::TObject* Sender, bool second);
  void ShowFsuipcEdits(const FsuipcEdits& edits, bool visible);
  void ResetFsuipcEdits(const FsuipcEdits& edits);
  void InstallInputCommands();
  void ConnectCommands();
  void BuildMonitorPage();
  void FillSwitchGrid();
  void MonitorDrawCell(ui::TVxStringGrid* grid, int ACol, int ARow, const fw::TRect& Rect, fw::TGridDrawState State);
  std::int32_t FindRow(std::int32_t start, const std::string& text, bool outputs) const;
  // "Are You Sure ?" under the title, Yes / No with No the default; true on Yes.
  bool ConfirmClearAll(const char* title);
  // A board in the captain, first-officer, first- or second-observer CDU role: data lines 9-13, 16 and 15 and
  // LEDs 1-5 set to state (guarded writes), and data line 6 low when going dark. Other boards: nothing.
  void SetCduRoleLamps(std::int32_t session, std::uint8_t state);
  // The scroll box of the input or output assignment page while that page is shown, else null.
  fw::TScrollBox* ActiveRowBox() const;
  int aircraft_type_index() const;
  void save_TimerTimer();
  void progress_clearTimer();
  void reconnectTimer();
  // The first bound slot of `model` with its BoardInfo read; 0 when there is none or the read failed
  // (reported once per model until a read succeeds again).
  std::int32_t OutputBoardSession(const std::string& model);
  void ShowRunningLabel();
  // set_radio_panel's two halves: the radio page's status lines, and the bound boards of one model.
  void ShowRadioStatus();
  void WriteRadioBoards(const std::string& model);
  void ExportAssignments(ExportKind kind);

  ProgramSettings settings_;
  ProgramLog log_;
  ErrorReports error_reports_;
  bool reporting_errors_ = false;  // the application's exception handler is this form's
  bool startup_done_ = false;
  std::int32_t pending_discovery_mode_ = 0;
  bool destroyed_ = false;
  std::unique_ptr<FormSwitchHost> switch_host_;
  std::vector<std::string> board_info_errors_;  // models whose failed BoardInfo read was reported
};

// The running main form; set before its creation handler runs.
extern TZedArave* ZedArave;

}  // namespace trelvik
