// What the switch processing needs of the main form: the role sessions, the board slots, the labels and
// status line it reports on, the log, the commands it sends, the outputs it writes at once, and the
// form's fields it keeps between events. The main form implements it; everything runs on the GUI thread.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "controller/aircraft/aircraft_host.h"
#include "controller/aircraft/mcp_switch_state.h"

namespace aircraft {

// The main window's labels the switch handlers write.
enum class SwitchLabel {
  kLastInput,       // "Last Switch Detection" (input-assignment page)
  kLastBoardCdu,    // "Last Board Detection :" (CDU assignments page)
  kLastBoardRadio,  // "Last Board Detection :" (radio assignments page)
};

// The role sessions of the main form; 0 or -1 name no board.
struct SwitchRoles {
  // Captain, first officer, observers 1 to 3.
  std::array<std::int32_t, 5> cdu{};
  // Captain, first officer, observers 1 and 2.
  std::array<std::int32_t, 4> multicom{};
  // COM1, COM2, NAV1, NAV2, ADF1, ADF2.
  std::array<std::int32_t, 6> radio{};
  std::int32_t transponder = 0;
};

// The last assignable input: what the generic path captured for the input-assignment rows.
struct LastAssignableInput {
  std::string board;
  std::int32_t switch_number = 0;
  std::int32_t state = 0;
};

// The tuning of one accelerated knob (CONFIG.INI's MCP_<knob>_DELAY, _COUNT and _GAIN).
struct KnobTuning {
  std::int32_t count = 8;
  std::int32_t delay = 180;
  std::int32_t gain = 18;
};

struct McpTuning {
  KnobTuning course;
  KnobTuning speed;
  KnobTuning heading;
  KnobTuning altitude;
  bool old_haldor_mcp = false;
};

// The EFIS panels' CONFIG.INI settings: per side, which contacts and knob directions are wired the other way
// round; whether a first officer's MINS mode selection also sets the captain's; the 777's range option.
struct EfisSideSettings {
  bool baro_reverse = false;
  bool mins_reverse = false;
  bool mins_direction_reverse = false;
  bool baro_direction_reverse = false;
};

struct EfisSettings {
  EfisSideSettings captain;
  EfisSideSettings first_officer;
  bool link_cpt_mins_mode_to_fo = false;
  // 777_EFIS_MAP_RANGE_OPTION: 1 keeps the 737's range positions with the 777.
  std::int32_t map_range_option_777 = 0;
};

// The aircraft values the mode-control knobs look at (filled from the add-on by the aircraft link).
struct McpReadback {
  bool ias_open = false;
  bool mach_mode = false;
  bool vs_lamp = false;
  bool vs_fpa_mode = false;
  bool alt_change_unit = false;
  std::int32_t bank_angle_limit = 0;
};

class SwitchHost {
 public:
  virtual ~SwitchHost() = default;

  // ---- Reporting -------------------------------------------------------------------------------------
  // Repaints the status bar and sets its panel 0.
  virtual void ShowSwitchReceived(const std::string& text) = 0;
  virtual void Log(const std::string& text) = 0;
  // Adds 1 to input_progress while it is below 100.
  virtual void AdvanceInputProgress() = 0;
  virtual void SetLabel(SwitchLabel label, const std::string& text) = 0;

  // ---- Who sent the event -------------------------------------------------------------------------------
  virtual SwitchRoles Roles() const = 0;
  // The model code (first four characters of the BoardInfo) of the first slot 1..50 holding session id;
  // nothing when no slot holds it.
  virtual std::optional<std::string> ModelOfSession(std::int32_t id) const = 0;
  // The device name of the first slot holding session id; " Unknown Board" when none does.
  virtual std::string DeviceNameOfSession(std::int32_t id) const = 0;

  // ---- Commands and outputs ------------------------------------------------------------------------------
  // Send_Server_Message: the command translation for the selected aircraft.
  virtual void SendCommand(const std::string& command) = 0;
  virtual bool Is777Selected() const = 0;
  virtual void SevenSegmentSet(std::int32_t session, const std::string& text, std::int32_t firstDigit) = 0;
  virtual void LedSet(std::int32_t session, std::int32_t led, bool on) = 0;
  // The present contact of a board switch; false when it cannot be read.
  virtual bool SwitchClosed(std::int32_t session, std::int32_t switchNumber) = 0;
  // The LED pass of one mode-control model (set_mcp_outputs).
  virtual void RunMcpLedPass(const std::string& model) = 0;

  // ---- The form's fields -------------------------------------------------------------------------------
  // switch_activity := 1 with its tick.
  virtual void MarkSwitchActivity(std::uint32_t tick) = 0;
  virtual void ClearSwitchActivity() = 0;
  virtual void SetSwitchActivityTick(std::uint32_t tick) = 0;
  virtual std::uint32_t& PrevSwitchTick() = 0;
  virtual LastAssignableInput& LastInput() = 0;
  virtual McpSwitchState& Mcp() = 0;
  virtual KnobPushFlags& PushFlags() = 0;
  virtual McpTuning Tuning() const = 0;
  virtual McpReadback Readback() const = 0;
  virtual EfisSettings Efis() const = 0;

  // ---- Assignment pages and the import wizard ----------------------------------------------------------
  virtual void UncheckAssignOff() = 0;
  virtual void SetImportSwitchBoard(const std::string& board) = 0;
  virtual bool ImportWaitingForSwitch() const = 0;
  // The board selector's "Assign Board" handler, then its modal result := 1.
  virtual void AssignImportBoard() = 0;
  // The per-function input assignments for a board text, switch and state.
  virtual void RunInputAssignments(const std::string& board, std::int32_t switchNumber, std::int32_t state) = 0;

  // ---- Families built elsewhere ------------------------------------------------------------------------
  // The radio, multicom, transponder and overhead handlers; false when the family has no handler yet.
  enum class Family { kMulticom, kRadio, kTransponder, kOverhead };
  virtual bool RunFamily(Family family, std::int32_t index, const std::string& model, std::int32_t id,
                         std::int32_t switchNumber, std::int32_t state) = 0;
};

}  // namespace aircraft
