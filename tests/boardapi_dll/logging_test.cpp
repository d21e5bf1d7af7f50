#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "boardapi/include/ventrixAPI.h"
#include "tests/boardapi_dll/fixtures/board_api_test.h"

namespace {

std::string LogPath() {
  char appData[MAX_PATH] = {};
  EXPECT_TRUE(SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE));
  return std::string(appData) + "\\Brannock Limited\\ventrix API\\ventrix API.log";
}

// The lines appended to the API log since the reader was made.
class LogTail {
 public:
  LogTail() : path_(LogPath()) {
    std::ifstream file(path_, std::ios::binary | std::ios::ate);
    start_ = file ? static_cast<std::streamoff>(file.tellg()) : 0;
  }
  std::vector<std::string> NewLines() {
    std::vector<std::string> lines;
    std::ifstream file(path_, std::ios::binary);
    if (!file) return lines;
    file.seekg(start_);
    for (std::string line; std::getline(file, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    file.clear();
    start_ = static_cast<std::streamoff>(file.tellg());
    return lines;
  }

 private:
  std::string path_;
  std::streamoff start_ = 0;
};

// "MM/DD/YY HH:MM:SS 0 [<name right-aligned in 25>] <message>"
std::string LinePattern(const std::string& name, const std::string& message) {
  const std::string padding(name.size() < 25 ? 25 - name.size() : 0, ' ');
  return R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d 0 \[)" + padding + name + R"(\] )" + message;
}

TEST(ApiLog, OneLinePerCallWhileOnAndTheBannerWhenTurnedOn) {
  ventrix_EnableLogging(0);
  LogTail tail;

  ASSERT_EQ(ventrix_EnableLogging(1), API_OK);
  std::vector<std::string> banner = tail.NewLines();
  ASSERT_GE(banner.size(), 20u);
  const std::regex bannerLine(LinePattern("DumpMachineInfoToLog", R"(.*)"));
  for (const std::string& line : banner) EXPECT_TRUE(std::regex_match(line, bannerLine)) << line;
  EXPECT_TRUE(std::regex_match(banner.front(), std::regex(LinePattern("DumpMachineInfoToLog", R"(\*{78})"))));
  EXPECT_TRUE(std::regex_match(banner[13], std::regex(LinePattern("DumpMachineInfoToLog",
                                                                  R"(\* File Version: 1\.10\.13\.0)"))));

  // Already on: -16, its own line, no second banner. Only the low byte counts.
  EXPECT_EQ(ventrix_EnableLogging(0x301), API_ERR_ALREADY_ENABLED);
  uint32_t size = 0;
  EXPECT_EQ(ventrix_GetAPIVersion_std(nullptr, &size), API_OK);
  std::vector<std::string> lines = tail.NewLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(std::regex_match(lines[0], std::regex(LinePattern("ventrixAPI", R"(ventrix_EnableLogging\(1\))"))))
      << lines[0];
  char expected[64];
  snprintf(expected, sizeof(expected), "ventrix_GetAPIVersion\\(0x00000000, 0x%.08X\\)",
           static_cast<unsigned>(reinterpret_cast<uintptr_t>(&size)));
  EXPECT_TRUE(std::regex_match(lines[1], std::regex(LinePattern("ventrixAPI", expected)))) << lines[1];

  // Turning it off logs the call itself (low byte 0x00), then nothing more is written.
  EXPECT_EQ(ventrix_EnableLogging(0x200), API_OK);
  EXPECT_EQ(ventrix_GetAPIVersion(nullptr, &size), API_OK);
  EXPECT_EQ(ventrix_EnableLogging(0), API_OK);
  lines = tail.NewLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(std::regex_match(lines[0], std::regex(LinePattern("ventrixAPI", R"(ventrix_EnableLogging\(0\))"))))
      << lines[0];
}

std::string Hex(const void* pointer) {
  char text[16];
  snprintf(text, sizeof(text), "0x%.08X", static_cast<unsigned>(reinterpret_cast<uintptr_t>(pointer)));
  return text;
}

int32_t WINAPI NoChange(int32_t) { return 0; }

using ApiLogLines = dlltest::BoardApiTest;

TEST_F(ApiLogLines, EveryCallWritesOneLineWithItsRawArgumentsFailedOnesToo) {
  ASSERT_EQ(ventrix_EnableLogging(1), API_OK);
  char buffer[8];
  uint32_t size = sizeof(buffer);
  int32_t count = 0;
  BoardInfo info{};
  const char* name = "03E800000001";
  struct Case {
    std::function<ApiStatus()> call;
    std::string message;
  };
  const Case cases[] = {
      {[] { return ventrix_OpenControllers(); }, "ventrix_OpenControllers()"},
      {[] { return ventrix_CloseControllers(); }, "ventrix_CloseControllers()"},
      {[&] { return ventrix_GetDeviceList(buffer, &size, "ZZ"); },
       "ventrix_GetDeviceList(" + Hex(buffer) + ", " + Hex(&size) + ", " + Hex("ZZ") + ")"},
      {[] { return ventrix_GetTotalControllers(nullptr); }, "ventrix_GetTotalControllers(0x00000000)"},
      {[&] { return ventrix_GetTotalControllers_std(&count); }, "ventrix_GetTotalControllers(" + Hex(&count) + ")"},
      {[&] { return ventrix_GetAPIVersion(nullptr, &size); },
       "ventrix_GetAPIVersion(0x00000000, " + Hex(&size) + ")"},
      {[&] { return ventrix_Bind(name, nullptr); }, "ventrix_Bind(" + Hex(name) + ", 0x00000000)"},
      {[] { return ventrix_UnBind(-2); }, "ventrix_UnBind(0xFFFFFFFE)"},
      {[] { return ventrix_UnBind_std(3); }, "ventrix_UnBind(0x00000003)"},
      {[&] { return ventrix_GetBoardInfo(7, &info); }, "ventrix_GetBoardInfo(0x00000007, " + Hex(&info) + ")"},
      {[] { return ventrix_SetBoardOptions(0x10, -5); }, "ventrix_SetBoardOptions(0x00000010, -5)"},
      {[] { return ventrix_Enable_DeviceChange_Notification_Callback(0x1FF, nullptr); },
       "ventrix_Enable_DeviceChange_Notification_Callback(255, 0x00000000)"},
      {[] { return ventrix_Enable_DeviceChange_Notification_Callback(0x300, &NoChange); },
       "ventrix_Enable_DeviceChange_Notification_Callback(0, " +
           Hex(reinterpret_cast<const void*>(&NoChange)) + ")"},
  };
  LogTail tail;
  for (const Case& c : cases) {
    c.call();
    const std::vector<std::string> lines = tail.NewLines();
    ASSERT_EQ(lines.size(), 1u) << c.message;
    const std::string line = lines[0];
    EXPECT_TRUE(std::regex_match(line, std::regex(LinePattern("ventrixAPI", R"(.*)"))));
    const std::string suffix = "[" + std::string(15, ' ') + "ventrixAPI] " + c.message;
    EXPECT_EQ(line.substr(line.size() - std::min(line.size(), suffix.size())), suffix);
  }
  ventrix_EnableLogging(0);
}

}  // namespace
