// CONFIG.INI: the template written byte for byte, defaults for absent or unreadable keys, and Save
// writing its keys only.
#include <gtest/gtest.h>

#include "controller/app/settings.h"
#include "framework/ini/inifile.h"
#include "tests/support/scratch_folder.h"

namespace trelvik {
namespace {

using testing::ScratchFolder;

TEST(Settings, FirstStartWritesTheTemplateByteForByteAndReadsIt) {
  ScratchFolder folder("settings_first");
  const std::string path = ConfigFilePath(folder.Path());
  EXPECT_TRUE(EnsureConfigFile(path));

  const std::string text = folder.Read("CONFIG.INI");
  ASSERT_EQ(ConfigTemplateLines().size(), 58u);
  std::string expected;
  for (const std::string& line : ConfigTemplateLines()) expected += line + "\r\n";
  EXPECT_EQ(text, expected);
  // A few lines as the user sees them, the literal backslash and the spelling included.
  EXPECT_TRUE(text.starts_with("[SETTINGS]\r\nLEFT=2\r\nTOP=2\r\n\r\nHIDE_ON_STARTUP=0\r\n"));
  EXPECT_NE(text.find("\r\n// Enable Logging : \\%appdata%\\Brannock Limited\\ventrix API\\ventrix_API.log\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\n// Swap Rotart Encoder Positions\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("seperated in the ORVA Option Menu\r\nENABLE_FO_INS_HPA=0\r\n"));

  fw::TIniFile ini(path);
  int libraryLogCalls = 0;
  const ProgramSettings s = ReadSettings(ini, 400, [&] { ++libraryLogCalls; });
  EXPECT_EQ(s.aircraft_type, 1);
  EXPECT_EQ(s.left, 2);
  EXPECT_EQ(s.top, 2);
  EXPECT_EQ(s.output_led_timer, 200);
  EXPECT_EQ(s.output_7seg_timer, 250);
  EXPECT_EQ((std::vector<int>{s.crs.count, s.ias.count, s.hdg.count, s.alt.count}), (std::vector<int>{6, 6, 6, 5}));
  EXPECT_EQ((std::vector<int>{s.crs.gain, s.ias.gain, s.hdg.gain, s.alt.gain}), (std::vector<int>{15, 15, 18, 13}));
  EXPECT_TRUE(s.enable_mcp);
  EXPECT_TRUE(s.enable_cdu);
  EXPECT_EQ(libraryLogCalls, 0);
  EXPECT_EQ(ReadAssignmentsFileName(ini), "ASSIGNMENTS.INI");

  // An existing file is never overwritten.
  folder.Write("CONFIG.INI", "[SETTINGS]\r\nTOP=7\r\n");
  EXPECT_FALSE(EnsureConfigFile(path));
  EXPECT_EQ(folder.Read("CONFIG.INI"), "[SETTINGS]\r\nTOP=7\r\n");
}

TEST(Settings, AbsentAndUnreadableKeysGiveTheirDefaults) {
  ScratchFolder folder("settings_defaults");
  folder.Write("CONFIG.INI", "[SETTINGS]\r\n; nothing set\r\n");
  fw::TIniFile ini(folder.File("CONFIG.INI"));
  const ProgramSettings s = ReadSettings(ini, 321);
  EXPECT_EQ(s.aircraft_type, 0);
  EXPECT_EQ(s.left, 321);
  EXPECT_EQ(s.top, 100);
  EXPECT_EQ(s.output_led_timer, 300);
  EXPECT_EQ(s.output_7seg_timer, 500);
  EXPECT_EQ((std::vector<int>{s.crs.count, s.ias.count, s.hdg.count, s.alt.count}), (std::vector<int>{8, 8, 8, 8}));
  EXPECT_EQ((std::vector<int>{s.crs.gain, s.ias.gain, s.hdg.gain, s.alt.gain}), (std::vector<int>{18, 15, 18, 18}));
  EXPECT_EQ(s.elec_config_wiring, 1);
  EXPECT_EQ(s.device_load_delay, 100);
  EXPECT_EQ(s.device_load_delay2, 180);
  EXPECT_TRUE(s.enable_mcp && s.enable_cdu);
  EXPECT_EQ(ReadAssignmentsFileName(ini), "ASSIGNMENTS.INI");

  struct Case {
    const char* line;
    bool hide;
    int aircraft;
    int top;
  };
  const Case cases[] = {
      {"AIRCRAFT_TYPE=b777", false, 0, 100},  // case-sensitive
      {"AIRCRAFT_TYPE=B777", false, 1, 100},
      {"AIRCRAFT_TYPE=A320", false, 0, 100},
      {"HIDE_ON_STARTUP=2", true, 0, 100},     // any non-zero integer
      {"HIDE_ON_STARTUP=yes", false, 0, 100},  // not a number: the default
      {"top=12", false, 0, 12},                // keys match in any letter case
      {"TOP=12px", false, 0, 100},
  };
  for (const Case& c : cases) {
    folder.Write("CONFIG.INI", std::string("[SETTINGS]\r\n") + c.line + "\r\n");
    fw::TIniFile file(folder.File("CONFIG.INI"));
    const ProgramSettings read = ReadSettings(file, 0);
    EXPECT_EQ(read.hide_on_startup, c.hide) << c.line;
    EXPECT_EQ(read.aircraft_type, c.aircraft) << c.line;
    EXPECT_EQ(read.top, c.top) << c.line;
  }
}

TEST(Settings, DebugLoggingStartsTheLibraryLogWhileReading) {
  ScratchFolder folder("settings_debug");
  folder.Write("CONFIG.INI", "[SETTINGS]\r\nENABLE_DEBUG_LOGGING=1\r\nENABLE_MCP=0\r\n");
  fw::TIniFile ini(folder.File("CONFIG.INI"));
  int calls = 0;
  const ProgramSettings s = ReadSettings(ini, 0, [&] { ++calls; });
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(s.enable_debug_logging);
  EXPECT_FALSE(s.enable_mcp);
  EXPECT_TRUE(s.enable_cdu);
}

TEST(Settings, SaveWritesItsKeysAndLeavesEveryOtherLine) {
  ScratchFolder folder("settings_save");
  const std::string original =
      "; my cockpit\r\n"
      "[SETTINGS]\r\n"
      "LEFT=2\r\n"
      "TOP=2\r\n"
      "\r\n"
      "// Output Process Time in ms\r\n"
      "OUTPUT_LED_TIMER=150\r\n"
      "ENABLE_DEBUG_LOGGING=1\r\n"
      "MY_OWN_KEY=kept\r\n"
      "AIRCRAFT_TYPE=B777\r\n"
      "\r\n"
      "[OTHER]\r\n"
      "X=1\r\n";
  folder.Write("CONFIG.INI", original);
  fw::TIniFile ini(folder.File("CONFIG.INI"));
  ProgramSettings s = ReadSettings(ini, 0);
  s.aircraft_type = 0;
  s.hide_on_startup = true;
  s.alt.gain = 21;
  WriteSettings(ini, s, 640, 33);

  const std::string expected =
      "; my cockpit\r\n"
      "[SETTINGS]\r\n"
      "LEFT=640\r\n"
      "TOP=33\r\n"
      "\r\n"
      "// Output Process Time in ms\r\n"
      "OUTPUT_LED_TIMER=150\r\n"
      "ENABLE_DEBUG_LOGGING=1\r\n"
      "MY_OWN_KEY=kept\r\n"
      "AIRCRAFT_TYPE=B737\r\n"
      "HIDE_ON_STARTUP=1\r\n"
      "USE_3_DIGIT_MACH=0\r\n"
      "MCP_CRS_COUNT=8\r\n"
      "MCP_CRS_DELAY=180\r\n"
      "MCP_CRS_GAIN=18\r\n"
      "MCP_IAS_COUNT=8\r\n"
      "MCP_IAS_DELAY=180\r\n"
      "MCP_IAS_GAIN=15\r\n"
      "MCP_HDG_COUNT=8\r\n"
      "MCP_HDG_DELAY=180\r\n"
      "MCP_HDG_GAIN=18\r\n"
      "MCP_ALT_COUNT=8\r\n"
      "MCP_ALT_DELAY=180\r\n"
      "MCP_ALT_GAIN=21\r\n"
      "\r\n"
      "[OTHER]\r\n"
      "X=1\r\n";
  EXPECT_EQ(folder.Read("CONFIG.INI"), expected);
}

TEST(Settings, TcpServerAddressComesFromTheNeighbouringClientFolder) {
  ScratchFolder program("tcp_program");
  EXPECT_EQ(ReadTcpServerAddress(program.Path()), "127.0.0.1");
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string client = std::string(temp) + "TCP_Client\\";
  CreateDirectoryA(client.c_str(), nullptr);
  fw::WriteFileText(client + "Config.ini", "[SERVER]\r\nSERVER_IP_ADDRESS=10.0.0.7\r\n");
  EXPECT_EQ(ReadTcpServerAddress(program.Path()), "10.0.0.7");
  EXPECT_EQ(fw::ReadFileText(client + "Config.ini"), "[SERVER]\r\nSERVER_IP_ADDRESS=10.0.0.7\r\n");
  DeleteFileA((client + "Config.ini").c_str());
  RemoveDirectoryA(client.c_str());
}

}  // namespace
}  // namespace trelvik
