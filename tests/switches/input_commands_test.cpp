// The input functions' commands over a recording main form: which function an event runs, the keyword
// table per section, the parking-brake rule and the FSUIPC writes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controller/aircraft/input_commands.h"

namespace switches_test {
namespace {

using aircraft::InputRecords;
using aircraft::tinput_assignments;

// Records everything the commands do, in order, as short texts.
class RecordingCommandHost : public aircraft::InputCommandHost {
 public:
  InputRecords records{};
  bool parkingBrakeSent = false;
  bool simDetected = true;
  std::uint32_t processResult = 0;
  std::vector<std::string> actions;

  const InputRecords& Inputs() const override { return records; }
  void SendCommand(const std::string& command) override { actions.push_back("send " + command); }
  void LightTest(bool on) override { actions.push_back(on ? "light_test on" : "light_test off"); }
  void LightTest2(bool on) override { actions.push_back(on ? "light_test2 on" : "light_test2 off"); }
  void WriteSwitchStates() override { actions.push_back("grid"); }
  void Rescan() override { actions.push_back("rescan"); }
  bool& ParkingBrakeSent() override { return parkingBrakeSent; }
  bool& SimDetected() override { return simDetected; }
  std::uint32_t FsuipcWrite(std::uint32_t offset, std::uint32_t size, const void* data) override {
    std::string bytes;
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::uint32_t i = 0; i < size; ++i) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%02X", p[i]);
      bytes += hex;
    }
    char head[32];
    std::snprintf(head, sizeof head, "write %04X/%u ", offset, size);
    actions.push_back(head + bytes);
    return 0;
  }
  std::uint32_t FsuipcProcess() override {
    actions.push_back("process");
    return processResult;
  }
};

// A function on board "3308AAAA0001": its main switch is 5, its second switch 6 (both turn it on when
// closed), with the same command as its ON and OFF command.
tinput_assignments Function(const std::string& command) {
  tinput_assignments f;
  f.name = "FUNCTION";
  f.board = f.board2 = "3308AAAA0001";
  f.switch_no = 5;
  f.switch_state = 1;
  f.switch2_no = 6;
  f.switch2_state = 1;
  f.cmd_on = f.cmd_off = command;
  return f;
}

enum Section { A, B, C, D };  // main ON, main OFF, second ON, second OFF

struct KeywordCase {
  const char* command;
  Section section;
  std::vector<std::string> actions;
};

TEST(InputCommands, KeywordsActBySection) {
  const KeywordCase cases[] = {
      {"[LIGHT_TEST_ON]:MCP_KILL=1", A,
       {"light_test on", "send MIP_LIGHT_TEST_SWITCH=1", "send MCP_KILL=1", "grid"}},
      {"[LIGHT_TEST_ON]:MCP_KILL=1", C, {"light_test on", "send MCP_KILL=1", "grid"}},
      {"[LIGHT_TEST_OFF2]", B, {"light_test2 off", "send MIP_LIGHT_TEST_SWITCH=0", "grid"}},
      {"[LIGHT_TEST_OFF2]", D, {"light_test2 off", "grid"}},
      {"MCP_KILL=1:[LIGHT_TEST_ON2]", B,
       {"send MCP_KILL=1", "light_test2 on", "send MIP_LIGHT_TEST_SWITCH=1", "grid"}},
      {"MCP_KILL=1:[LIGHT_TEST_ON2]", D, {"send MCP_KILL=1", "light_test2 on", "grid"}},
      {"[RESCAN]", C, {"rescan", "grid"}},
      {"GEAR=1:[RESCAN]", D, {"send GEAR=1", "rescan", "grid"}},
      {"[FLTDECK_DOOR]", A, {"grid"}},
      {"[FLTDECK_DOOR]:[FLTDECK_DOOR]", D, {"grid"}},
      // Keywords of the left part have no meaning on the right.
      {"[FLTDECK_DOOR]:PARKING_BRAKE=0", B, {"send PARKING_BRAKE=0", "grid"}},
      {"GEAR=1:[INTERNAL_1_ON]", A, {"send GEAR=1", "send [INTERNAL_1_ON]", "grid"}},
      {"[INTERNAL_3_ON]", A, {"grid"}},
      {"[INTERNAL_3_ON]", B, {"send [INTERNAL_3_ON]", "grid"}},
      {"[INTERNAL_3_ON]", C, {"grid"}},
      {"[INTERNAL_3_ON]", D, {"send [INTERNAL_3_ON]", "grid"}},
      {"[INTERNAL_10_OFF] DOOR", A, {"send [INTERNAL_10_OFF] DOOR", "grid"}},
      {"[INTERNAL_10_OFF] DOOR", B, {"grid"}},
      {"[INTERNAL_10_OFF] DOOR", D, {"grid"}},
      {"[INTERNAL_11_ON]", A, {"send [INTERNAL_11_ON]", "grid"}},
      {"[FSUIPC_GEAR]", C, {"send [FSUIPC_GEAR]", "grid"}},
      {"AUTOBRAKE=2", D, {"send AUTOBRAKE=2", "grid"}},
  };
  for (const KeywordCase& c : cases) {
    SCOPED_TRACE(std::string(c.command) + " in section " + "ABCD"[c.section]);
    RecordingCommandHost host;
    host.records[1] = Function(c.command);
    const int switchNumber = c.section == A || c.section == B ? 5 : 6;
    const int state = c.section == A || c.section == C ? 1 : 0;
    aircraft::RunInputAssignments(host, "3308AAAA0001", switchNumber, state);
    EXPECT_EQ(host.actions, c.actions);
  }
}

TEST(InputCommands, FunctionsAreMatchedUpToTheFirstWithoutAName) {
  RecordingCommandHost host;
  host.records[1] = Function("FIRST=1");
  host.records[1].board = "NotAssigned";  // skipped, second switch included
  host.records[2] = Function("SECOND=1");
  host.records[2].board = "3308aaaa0001";  // case matters
  host.records[2].board2 = "JOYSTICK 2";
  host.records[2].switch2_no = 5;
  host.records[4] = Function("FOURTH=1");  // after the nameless third: never examined
  aircraft::RunInputAssignments(host, "3308AAAA0001", 5, 1);
  EXPECT_TRUE(host.actions.empty());

  // The joystick text names the third joystick only.
  aircraft::RunInputAssignments(host, "JOYSTICK 1", 5, 1);
  EXPECT_TRUE(host.actions.empty());
  aircraft::RunInputAssignments(host, "JOYSTICK 2", 5, 1);
  EXPECT_EQ(host.actions, (std::vector<std::string>{"send SECOND=1", "grid"}));
}

TEST(InputCommands, OneEventRunsEveryMatchingSwitchAndTheStateChoosesTheCommand) {
  RecordingCommandHost host;
  host.records[1] = Function("");
  host.records[1].switch2_no = 5;  // main and second switch are the same
  host.records[1].switch2_state = 0;
  host.records[1].cmd_on = "ON=1";
  host.records[1].cmd_off = "OFF=1";
  host.records[2] = Function("OTHER=1");
  aircraft::RunInputAssignments(host, "3308AAAA0001", 5, 1);
  EXPECT_EQ(host.actions, (std::vector<std::string>{"send ON=1", "grid", "send OFF=1", "grid", "send OTHER=1",
                                                    "grid"}));
}

TEST(InputCommands, AnEmptyCommandRefreshesTheGridForTheMainSwitchOnly) {
  RecordingCommandHost host;
  host.records[1] = Function("");
  aircraft::RunInputAssignments(host, "3308AAAA0001", 5, 1);
  EXPECT_EQ(host.actions, (std::vector<std::string>{"grid"}));
  host.actions.clear();
  aircraft::RunInputAssignments(host, "3308AAAA0001", 6, 1);
  EXPECT_TRUE(host.actions.empty());
}

TEST(InputCommands, ParkingBrakeReleaseWaitsForAnOnCommandOfAMainSwitch) {
  RecordingCommandHost host;
  host.records[1] = Function("");
  host.records[1].cmd_on = "PARKING_BRAKE=1";
  host.records[1].cmd_off = "PARKING_BRAKE=0:[RESCAN]";
  host.records[1].switch2_no = 5;  // its second switch would run the ON command on an OFF event
  host.records[1].switch2_state = 0;
  host.records[2] = Function("");
  host.records[2].switch_no = 7;
  host.records[2].cmd_on = "PARKING_BRAKE=1";

  // Before any brake was sent: nothing for this function, not even its second switch or the grid.
  aircraft::RunInputAssignments(host, "3308AAAA0001", 5, 0);
  EXPECT_TRUE(host.actions.empty());

  // A second switch's ON command sends the brake without arming the release.
  aircraft::RunInputAssignments(host, "3308AAAA0001", 6, 1);
  EXPECT_EQ(host.actions, (std::vector<std::string>{"send PARKING_BRAKE=1", "grid"}));
  EXPECT_FALSE(host.parkingBrakeSent);

  host.actions.clear();
  aircraft::RunInputAssignments(host, "3308AAAA0001", 5, 1);
  EXPECT_TRUE(host.parkingBrakeSent);
  EXPECT_EQ(host.actions, (std::vector<std::string>{"send PARKING_BRAKE=1", "grid", "send PARKING_BRAKE=0", "rescan",
                                                    "grid"}));
  host.actions.clear();
  aircraft::RunInputAssignments(host, "3308AAAA0001", 5, 0);
  EXPECT_EQ(host.actions, (std::vector<std::string>{"send PARKING_BRAKE=0", "rescan", "grid",
                                                    "send PARKING_BRAKE=1", "grid"}));
}

struct FsuipcCase {
  const char* offset;
  std::uint8_t size;
  double value;
  std::vector<std::string> actions;
};

TEST(InputCommands, FsuipcKeywordWritesTheValueBySizeAtTheHexOffset) {
  double float64 = -1.5;
  unsigned char raw[8];
  std::memcpy(raw, &float64, 8);
  char floatBytes[17];
  for (int i = 0; i < 8; ++i) std::snprintf(floatBytes + 2 * i, 3, "%02X", raw[i]);
  const FsuipcCase cases[] = {
      {"0BC0", 1, 300.7, {"write 0BC0/1 2C", "process", "grid"}},
      {"bc0", 2, -2.9, {"write 0BC0/2 FEFF", "process", "grid"}},
      {"66C0", 4, 70000, {"write 66C0/4 70110100", "process", "grid"}},
      {"3BFA", 8, -1.5, {std::string("write 3BFA/8 ") + floatBytes, "process", "grid"}},
      {"0BC0", 3, 1, {"process", "grid"}},  // no such size: nothing written
      // Text that is not hexadecimal names no offset: nothing is written (not offset 0).
      {"12G4", 1, 1, {"grid"}},
      {"", 1, 1, {"grid"}},
      {"$0BC", 1, 1, {"grid"}},
  };
  for (const FsuipcCase& c : cases) {
    SCOPED_TRACE(std::string(c.offset) + " size " + std::to_string(c.size));
    RecordingCommandHost host;
    host.records[1] = Function("[FSUIPC]");
    host.records[1].fsuipc_offset = c.offset;
    host.records[1].fsuipc_size = c.size;
    host.records[1].value_on = c.value;
    aircraft::RunInputAssignments(host, "3308AAAA0001", 5, 1);
    EXPECT_EQ(host.actions, c.actions);
  }
}

TEST(InputCommands, FsuipcWritesOnlyWhileTheSimulatorIsDetectedAndAFailureClearsIt) {
  RecordingCommandHost host;
  host.records[1] = Function("[FSUIPC]");
  host.records[1].fsuipc_offset = "0BC0";
  host.records[1].fsuipc_size = 1;
  host.records[1].value_off = 7;
  host.processResult = 9;  // the link is not open
  aircraft::RunInputAssignments(host, "3308AAAA0001", 5, 0);
  EXPECT_EQ(host.actions, (std::vector<std::string>{"write 0BC0/1 07", "process", "grid"}));
  EXPECT_FALSE(host.simDetected);
  host.actions.clear();
  aircraft::RunInputAssignments(host, "3308AAAA0001", 6, 0);  // section D writes value_off too
  EXPECT_EQ(host.actions, (std::vector<std::string>{"grid"}));
}

}  // namespace
}  // namespace switches_test
