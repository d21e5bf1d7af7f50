#include "controller/app/settings.h"

#include "framework/classes/stringlist.h"
#include "framework/ini/inifile.h"
#include "framework/rtl/filenames.h"

#include <windows.h>

namespace trelvik {

const std::vector<std::string>& ConfigTemplateLines() {
  static const std::vector<std::string> lines = {
      "[SETTINGS]",
      "LEFT=2",
      "TOP=2",
      "",
      "HIDE_ON_STARTUP=0",
      "",
      "CONFIGURATION_FILE=ASSIGNMENTS.INI",
      "",
      "// Enable Logging : \\%appdata%\\Brannock Limited\\ventrix API\\ventrix_API.log",
      "ENABLE_DEBUG_LOGGING=0",
      "",
      "// Set Aircraft Type - (Changes Assignment options)",
      "AIRCRAFT_TYPE=B777",
      "",
      "// Allow Range to goto 10 on older VDK MCP's",
      "777_EFIS_MAP_RANGE_OPTION=0",
      "",
      "// Reverse MINS/BARO Selector Directions",
      "CPT_MINS_REVERSE=0",
      "CPT_BARO_REVERSE=0",
      "FO_MINS_REVERSE=0",
      "FO_BARO_REVERSE=0",
      "",
      "// Swap Rotart Encoder Positions",
      "CPT_MINS_BARO_SWAP=0",
      "FO_MINS_BARO_SWAP=0",
      "",
      "// Reverse Rotary Encoder Directions",
      "CPT_MINS_DIRECTION_REVERSE=0",
      "CPT_BARO_DIRECTION_REVERSE=0",
      "FO_MINS_DIRECTION_REVERSE=0",
      "FO_BARO_DIRECTION_REVERSE=0",
      "",
      "// Rotary Acceleration Params",
      "// Count= How many pulses before entering acceleration mode",
      "// Delay= in milliseconds. Once in acceleration mode, all pulses need to be within this time to remain in "
      "acceleration mode.",
      "// Acceleration amount is calculated based on the time between encoder pulses.",
      "MCP_CRS_DELAY=180",
      "MCP_CRS_COUNT=6",
      "MCP_CRS_GAIN=15",
      "MCP_IAS_DELAY=180",
      "MCP_IAS_COUNT=6",
      "MCP_IAS_GAIN=15",
      "MCP_HDG_DELAY=180",
      "MCP_HDG_COUNT=6",
      "MCP_HDG_GAIN=18",
      "MCP_ALT_DELAY=180",
      "MCP_ALT_COUNT=5",
      "MCP_ALT_GAIN=13",
      "",
      "HDG_TRK_REVERSE=0",
      "",
      "// Output Process Time in ms",
      "OUTPUT_LED_TIMER=200",
      "OUTPUT_7SEG_TIMER=250",
      "",
      "// Enable FO Inch/HPA switch when CPT and FO Baro's have been seperated in the ORVA Option Menu",
      "ENABLE_FO_INS_HPA=0",
  };
  return lines;
}

std::string ConfigFilePath(const std::string& programFolder) { return programFolder + kConfigFileName; }

bool EnsureConfigFile(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  fw::TStringList lines;
  for (const std::string& line : ConfigTemplateLines()) lines.Add(line);
  lines.SaveToFile(path);
  return true;
}

ProgramSettings ReadSettings(fw::TIniFile& ini, std::int32_t defaultLeft, const std::function<void()>& enableLibraryLog) {
  const char* const s = kSettingsSection;
  ProgramSettings r;
  const auto readBool = [&](const char* key, bool fallback) { return ini.ReadBool(s, key, fallback); };
  const auto readInt = [&](const char* key, std::int32_t fallback) { return ini.ReadInteger(s, key, fallback); };

  r.hide_on_startup = readBool("HIDE_ON_STARTUP", false);
  r.left = readInt("LEFT", defaultLeft);
  r.top = readInt("TOP", 100);
  r.use_3_digit_mach = readBool("USE_3_DIGIT_MACH", false);
  r.enable_debug_logging = readBool("ENABLE_DEBUG_LOGGING", false);
  if (r.enable_debug_logging && enableLibraryLog) enableLibraryLog();
  r.aircraft_type = ini.ReadString(s, "AIRCRAFT_TYPE", "B737") == "B777" ? 1 : 0;
  r.enable_fo_ins_hpa = readBool("ENABLE_FO_INS_HPA", false);
  r.enable_mcp = readBool("ENABLE_MCP", true);
  r.enable_cdu = readBool("ENABLE_CDU", true);
  r.efis_map_range_option_777 = readInt("777_EFIS_MAP_RANGE_OPTION", 0);
  r.cpt_mins_reverse = readBool("CPT_MINS_REVERSE", false);
  r.cpt_baro_reverse = readBool("CPT_BARO_REVERSE", false);
  r.fo_mins_reverse = readBool("FO_MINS_REVERSE", false);
  r.fo_baro_reverse = readBool("FO_BARO_REVERSE", false);
  r.cpt_mins_baro_swap = readBool("CPT_MINS_BARO_SWAP", false);
  r.fo_mins_baro_swap = readBool("FO_MINS_BARO_SWAP", false);
  r.cpt_mins_direction_reverse = readBool("CPT_MINS_DIRECTION_REVERSE", false);
  r.cpt_baro_direction_reverse = readBool("CPT_BARO_DIRECTION_REVERSE", false);
  r.fo_mins_direction_reverse = readBool("FO_MINS_DIRECTION_REVERSE", false);
  r.fo_baro_direction_reverse = readBool("FO_BARO_DIRECTION_REVERSE", false);
  r.output_led_timer = readInt("OUTPUT_LED_TIMER", 300);
  r.output_7seg_timer = readInt("OUTPUT_7SEG_TIMER", 500);
  r.elec_config_wiring = readInt("ELEC_CONFIG_WIRING", 1);
  r.force_cold_and_dark = readBool("FORCE_COLD_AND_DARK", false);
  r.hdg_trk_reverse = readBool("HDG_TRK_REVERSE", false);
  r.link_cpt_mins_mode_to_fo = readBool("LINK_CPT_MINS_MODE_TO_FO", false);
  r.crs.delay = readInt("MCP_CRS_DELAY", 180);
  r.crs.count = readInt("MCP_CRS_COUNT", 8);
  r.crs.gain = readInt("MCP_CRS_GAIN", 18);
  r.ias.delay = readInt("MCP_IAS_DELAY", 180);
  r.ias.count = readInt("MCP_IAS_COUNT", 8);
  r.ias.gain = readInt("MCP_IAS_GAIN", 15);
  r.hdg.delay = readInt("MCP_HDG_DELAY", 180);
  r.hdg.count = readInt("MCP_HDG_COUNT", 8);
  r.hdg.gain = readInt("MCP_HDG_GAIN", 18);
  r.alt.delay = readInt("MCP_ALT_DELAY", 180);
  r.alt.count = readInt("MCP_ALT_COUNT", 8);
  r.alt.gain = readInt("MCP_ALT_GAIN", 18);
  r.complete_cold_and_dark_777 = readBool("777_COMPLETE_COLD_AND_DARK", false);
  r.old_haldor_mcp = readBool("OLD_HALDOR_MCP", false);
  r.device_load_delay = readInt("DEVICE_LOAD_DELAY", 100);
  r.device_load_delay2 = readInt("DEVICE_LOAD_DELAY2", 180);
  return r;
}

void WriteSettings(fw::TIniFile& ini, const ProgramSettings& settings, std::int32_t left, std::int32_t top) {
  const char* const s = kSettingsSection;
  ini.WriteBool(s, "HIDE_ON_STARTUP", settings.hide_on_startup);
  ini.WriteBool(s, "USE_3_DIGIT_MACH", settings.use_3_digit_mach);
  ini.WriteInteger(s, "LEFT", left);
  ini.WriteInteger(s, "TOP", top);
  const struct {
    const char* name;
    const EncoderSettings& encoder;
  } encoders[] = {{"CRS", settings.crs}, {"IAS", settings.ias}, {"HDG", settings.hdg}, {"ALT", settings.alt}};
  for (const auto& [name, encoder] : encoders) {
    const std::string prefix = std::string("MCP_") + name;
    ini.WriteInteger(s, prefix + "_COUNT", encoder.count);
    ini.WriteInteger(s, prefix + "_DELAY", encoder.delay);
    ini.WriteInteger(s, prefix + "_GAIN", encoder.gain);
  }
  ini.WriteString(s, "AIRCRAFT_TYPE", settings.aircraft_type == 1 ? "B777" : "B737");
}

std::string ReadAssignmentsFileName(fw::TIniFile& ini) {
  return ini.ReadString(kSettingsSection, "CONFIGURATION_FILE", kDefaultAssignmentsFile);
}

std::string ReadTcpServerAddress(const std::string& programFolder) {
  fw::TIniFile ini(programFolder + "..\\TCP_Client\\Config.ini");
  return ini.ReadString("SERVER", "SERVER_IP_ADDRESS", "127.0.0.1");
}

}  // namespace trelvik
