// The program's settings: CONFIG.INI in the program's folder, section SETTINGS, read once at start and
// partly written back by Save. The record lives in the main form for the whole run; reading and writing
// need no window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fw {
class TIniFile;
}

namespace trelvik {

inline constexpr const char* kSettingsSection = "SETTINGS";
inline constexpr const char* kConfigFileName = "CONFIG.INI";
inline constexpr const char* kDefaultAssignmentsFile = "ASSIGNMENTS.INI";

// One mode-control encoder's acceleration: pulses before acceleration, window in ms, gain.
struct EncoderSettings {
  std::int32_t count = 8;
  std::int32_t delay = 180;
  std::int32_t gain = 18;
};

struct ProgramSettings {
  bool hide_on_startup = false;
  std::int32_t left = 0;
  std::int32_t top = 100;
  bool use_3_digit_mach = false;
  bool enable_debug_logging = false;
  std::int32_t aircraft_type = 0;  // 0 the 737, 1 the 777
  bool enable_fo_ins_hpa = false;
  bool enable_mcp = true;
  bool enable_cdu = true;
  std::int32_t efis_map_range_option_777 = 0;
  bool cpt_mins_reverse = false;
  bool cpt_baro_reverse = false;
  bool fo_mins_reverse = false;
  bool fo_baro_reverse = false;
  bool cpt_mins_baro_swap = false;
  bool fo_mins_baro_swap = false;
  bool cpt_mins_direction_reverse = false;
  bool cpt_baro_direction_reverse = false;
  bool fo_mins_direction_reverse = false;
  bool fo_baro_direction_reverse = false;
  std::int32_t output_led_timer = 300;
  std::int32_t output_7seg_timer = 500;
  std::int32_t elec_config_wiring = 1;
  bool force_cold_and_dark = false;
  bool hdg_trk_reverse = false;
  bool link_cpt_mins_mode_to_fo = false;
  EncoderSettings crs{8, 180, 18};
  EncoderSettings ias{8, 180, 15};
  EncoderSettings hdg{8, 180, 18};
  EncoderSettings alt{8, 180, 18};
  bool complete_cold_and_dark_777 = false;
  bool old_haldor_mcp = false;
  std::int32_t device_load_delay = 100;
  std::int32_t device_load_delay2 = 180;
};

// The built-in template written when CONFIG.INI is missing: 58 lines, each to be ended by CR LF.
const std::vector<std::string>& ConfigTemplateLines();

// The path of CONFIG.INI in the given folder (which ends with a backslash).
std::string ConfigFilePath(const std::string& programFolder);

// Writes the template to path when no file exists there; raises the run time's file-creation error when
// it cannot be written. Returns whether it wrote the file.
bool EnsureConfigFile(const std::string& path);

// Reads every key in its order. defaultLeft is the centred left edge used when LEFT is absent;
// enableLibraryLog runs at once when ENABLE_DEBUG_LOGGING is true, before the later keys are read.
ProgramSettings ReadSettings(fw::TIniFile& ini, std::int32_t defaultLeft,
                             const std::function<void()>& enableLibraryLog = {});

// The CONFIG.INI half of Save: exactly the keys the window changes, in order; every other line stays.
// left and top are the main window's present position.
void WriteSettings(fw::TIniFile& ini, const ProgramSettings& settings, std::int32_t left, std::int32_t top);

// The assignments file's name from CONFIGURATION_FILE, read anew on every load of the assignments.
std::string ReadAssignmentsFileName(fw::TIniFile& ini);

// SERVER_IP_ADDRESS of section SERVER in "..\TCP_Client\Config.ini" beside the program's folder,
// "127.0.0.1" when the file or the key is missing. The file is only read.
std::string ReadTcpServerAddress(const std::string& programFolder);

}  // namespace trelvik
