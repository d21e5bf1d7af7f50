// Export files and import lines of the per-function assignments, without windows: the lines each export
// command writes per panel group, the sections it keeps, and the import's questions, designations and
// records.
#include <gtest/gtest.h>

#include "controller/app/assignment_exchange.h"

namespace trelvik::testing {
namespace {

struct Rows {
  AssignmentRows inputRows{};
  AssignmentRows outputRows{};
  InputRecords inputs{};
  OutputRecords outputs{};

  void Input(int row, const char* text, int group, const char* board, int sw, int state, const char* board2 = "",
             int sw2 = 0, int state2 = 0) {
    inputRows[static_cast<std::size_t>(row)] = AssignmentRow{text, group};
    tinput_assignments& r = inputs[static_cast<std::size_t>(row)];
    r.board = board;
    r.switch_no = sw;
    r.switch_state = state;
    r.board2 = board2;
    r.switch2_no = sw2;
    r.switch2_state = state2;
  }
  void Output(int row, const char* text, int group, const char* board, int number) {
    outputRows[static_cast<std::size_t>(row)] = AssignmentRow{text, group};
    outputs[static_cast<std::size_t>(row)].board = board;
    outputs[static_cast<std::size_t>(row)].output_no = number;
  }
};

// One assigned input and output function in each panel group 1..7.
Rows EveryGroup() {
  Rows r;
  const char* names[] = {"", "Gear Up", "Fuel Cutoff", "Apu Start", "Cargo Fire", "Chrono", "Beacon Relay",
                         "Ovh Two"};
  for (int group = 1; group <= 7; ++group) {
    r.Input(group, names[group], group, "4101SYS0001", 10 + group, 1);
    r.Output(group, names[group], group, "4101SYS0001", 20 + group);
  }
  r.inputs[2].board2 = "4102SYS0002";
  r.inputs[2].switch2_no = 5;
  return r;
}

TEST(AssignmentExchange, EachExportCommandWritesItsGroupsUnderTheirTags) {
  const struct {
    ExportKind kind;
    const char* text;
  } cases[] = {
      {ExportKind::kMip,
       "[INPUT_ASSIGNMENTS_737]\r\nGEAR UP=[MIP],11,1,[MIP],0,0\r\n\r\n[OUTPUT_ASSIGNMENTS_737]\r\nGEAR UP=[MIP],21\r\n"},
      {ExportKind::kPedestal,
       "[INPUT_ASSIGNMENTS_737]\r\nFUEL CUTOFF=[PED],12,1,[PED],5,0\r\n\r\n[OUTPUT_ASSIGNMENTS_737]\r\n"
       "FUEL CUTOFF=[PED],22\r\n"},
      {ExportKind::kMainOverhead,
       "[INPUT_ASSIGNMENTS_737]\r\nAPU START=[OVH],13,1,[OVH],0,0\r\nOVH TWO=[OVH2],17,1,[OVH2],0,0\r\n\r\n"
       "[OUTPUT_ASSIGNMENTS_737]\r\nAPU START=[OVH],23\r\n"},
      {ExportKind::kAftOverhead,
       "[INPUT_ASSIGNMENTS_737]\r\nCARGO FIRE=[AFT],14,1,[AFT],0,0\r\n\r\n[OUTPUT_ASSIGNMENTS_737]\r\n"
       "CARGO FIRE=[AFT],24\r\n"},
      {ExportKind::kMisc,
       "[INPUT_ASSIGNMENTS_737]\r\nCHRONO=[MISC],15,1,[MISC],0,0\r\n\r\n[OUTPUT_ASSIGNMENTS_737]\r\nCHRONO=[MIP],25\r\n"},
      {ExportKind::kRelay, "[OUTPUT_ASSIGNMENTS_737]\r\nBEACON RELAY=[RELAY],26\r\n"},
      {ExportKind::kAll,
       "[INPUT_ASSIGNMENTS_737]\r\nGEAR UP=[MIP],11,1,[MIP],0,0\r\nFUEL CUTOFF=[PED],12,1,[PED],5,0\r\n"
       "APU START=[OVH],13,1,[OVH],0,0\r\nCARGO FIRE=[AFT],14,1,[AFT],0,0\r\nCHRONO=[MISC],15,1,[MISC],0,0\r\n"
       "BEACON RELAY=[RELAY],16,1,[RELAY],0,0\r\nOVH TWO=[OVH2],17,1,[OVH2],0,0\r\n\r\n"
       "[OUTPUT_ASSIGNMENTS_737]\r\nGEAR UP=[MIP],21\r\nFUEL CUTOFF=[PED],22\r\nAPU START=[OVH],23\r\n"
       "CARGO FIRE=[AFT],24\r\nCHRONO=[MISC],25\r\nBEACON RELAY=[RELAY],26\r\n"},
  };
  for (const auto& c : cases) {
    Rows r = EveryGroup();
    const ExportCommand& command = ExportCommandOf(c.kind);
    EXPECT_EQ(ExportText("", command, false, r.inputRows, r.outputRows, r.inputs, r.outputs), c.text) << command.file;
  }
  EXPECT_STREQ(ExportCommandOf(ExportKind::kAll).file, "ALL_DATA_EXPORT.INI");
  EXPECT_STREQ(ExportCommandOf(ExportKind::kAll).shownName, "ALL DATA_EXPORT.INI");
}

TEST(AssignmentExchange, ExportLeavesOutFunctionsWithoutBoardAndKeepsTheOtherAircraftsSections) {
  Rows r;
  r.Input(1, "Gear Up", 1, "", 3, 1);           // never assigned: gets "NotAssigned", not written
  r.Input(2, "Gear Down", 1, "NotAssigned", 4, 1);
  r.Input(3, "Taxi Light", 1, "4101SYS0001", 9, 0);  // no second board: gets "NotAssigned"
  r.Output(1, "Gear Lamp", 1, "", 7);
  const std::string old =
      "[INPUT_ASSIGNMENTS_777]\r\nX=[MIP],1,1,[MIP],0,0\r\n\r\n[INPUT_ASSIGNMENTS_737]\r\nSTALE=[MIP],2,1,[MIP],0,0\r\n";
  const std::string text =
      ExportText(old, ExportCommandOf(ExportKind::kMip), false, r.inputRows, r.outputRows, r.inputs, r.outputs);
  EXPECT_EQ(text, "[INPUT_ASSIGNMENTS_777]\r\nX=[MIP],1,1,[MIP],0,0\r\n\r\n[INPUT_ASSIGNMENTS_737]\r\n"
                  "TAXI LIGHT=[MIP],9,0,[MIP],0,0\r\n");
  EXPECT_EQ(r.inputs[1].board, "NotAssigned");
  EXPECT_EQ(r.inputs[1].board2, "NotAssigned");
  EXPECT_EQ(r.inputs[3].board2, "NotAssigned");
  EXPECT_EQ(r.outputs[1].board, "NotAssigned");

  // The 777's export beside it: both aircraft's sections in one file.
  Rows r777;
  r777.Input(1, "Gear Up", 1, "4101SYS0001", 3, 1);
  const std::string both =
      ExportText(text, ExportCommandOf(ExportKind::kMip), true, r777.inputRows, r777.outputRows, r777.inputs, r777.outputs);
  EXPECT_EQ(both, "[INPUT_ASSIGNMENTS_737]\r\nTAXI LIGHT=[MIP],9,0,[MIP],0,0\r\n\r\n[INPUT_ASSIGNMENTS_777]\r\n"
                  "GEAR UP=[MIP],3,1,[MIP],0,0\r\n");
}

class ImportLines : public ::testing::Test {
 protected:
  BoardAnswer Ask(const std::string& tag) {
    asked_.push_back(tag);
    const auto at = answers_.find(tag);
    return at != answers_.end() ? at->second : BoardAnswer{BoardAnswer::kCancel, ""};
  }
  bool Import(const std::vector<std::string>& lines) {
    return ImportInputLines(lines, r_.inputRows, r_.inputs, boards_, [this](const std::string& tag) { return Ask(tag); });
  }
  Rows r_;
  ImportDesignations boards_;
  std::map<std::string, BoardAnswer> answers_;
  std::vector<std::string> asked_;
};

TEST_F(ImportLines, EachGroupIsAskedOnceAtItsFirstLineAndItsBoardGoesIntoTheRecords) {
  for (int row = 1; row <= 6; ++row) r_.inputRows[static_cast<std::size_t>(row)] = AssignmentRow{"", 0};
  r_.inputRows[1]->text = "Gear Up";
  r_.inputRows[2]->text = "gear down";
  r_.inputRows[3]->text = "Chrono";
  r_.inputRows[4]->text = "Apu Start";
  r_.inputRows[6]->text = "Apu Start";  // a second row of the same name: only the first is filled
  answers_["[MIP]"] = {BoardAnswer::kAssign, "4101SYS0001"};
  answers_["[OVH]"] = {BoardAnswer::kSkip, ""};
  ASSERT_TRUE(Import({"GEAR UP=[MIP],3,,[OVH],4,",          // empty states count as 1; [OVH] not asked yet
                      "NOT A ROW=[PED],5,1,[PED],0,0",       // no row of that name: nothing asked
                      "CHRONO=[MISC],7,0,[MIP],8,1",         // [MISC] is never asked and stays as it is
                      "GEAR DOWN=[MIP],0,1,[MIP],0,0",       // switch 0: nothing
                      "APU START=[OVH],9,1,[MIP],2,0"}));
  EXPECT_EQ(asked_, (std::vector<std::string>{"[MIP]", "[OVH]"}));
  const struct {
    int row;
    const char* name;
    const char* board;
    int sw, state;
    const char* board2;
    int sw2, state2;
  } expected[] = {{1, "GEAR UP", "4101SYS0001", 3, 1, "", 4, 1},
                  {2, "", "", 0, 0, "", 0, 0},
                  {3, "CHRONO", "[MISC]", 7, 0, "4101SYS0001", 8, 1},
                  {4, "APU START", "NotAssigned", 9, 1, "4101SYS0001", 2, 0},
                  {6, "", "", 0, 0, "", 0, 0}};
  for (const auto& e : expected) {
    const tinput_assignments& rec = r_.inputs[static_cast<std::size_t>(e.row)];
    SCOPED_TRACE(e.row);
    EXPECT_EQ(rec.name, e.name);
    EXPECT_EQ(rec.board, e.board);
    EXPECT_EQ(rec.switch_no, e.sw);
    EXPECT_EQ(rec.switch_state, e.state);
    EXPECT_EQ(rec.board2, e.board2);
    EXPECT_EQ(rec.switch2_no, e.sw2);
    EXPECT_EQ(rec.switch2_state, e.state2);
  }
}

TEST_F(ImportLines, ACancelledQuestionEndsTheImportKeepingWhatWasFilled) {
  r_.inputRows[1] = AssignmentRow{"Gear Up", 1};
  r_.inputRows[2] = AssignmentRow{"Fuel Cutoff", 2};
  r_.inputRows[3] = AssignmentRow{"Brake", 2};
  answers_["[MIP]"] = {BoardAnswer::kAssign, "4101SYS0001"};
  EXPECT_FALSE(Import({"GEAR UP=[MIP],3,1,[MIP],0,0", "FUEL CUTOFF=[PED],4,1,[PED],0,0", "BRAKE=[MIP],5,1,[MIP],0,0"}));
  EXPECT_EQ(r_.inputs[1].board, "4101SYS0001");
  EXPECT_EQ(r_.inputs[2].name, "FUEL CUTOFF");
  EXPECT_EQ(r_.inputs[2].switch_no, 0);
  EXPECT_EQ(r_.inputs[3].switch_no, 0);
}

TEST_F(ImportLines, OutputsTakeTheDesignatedBoardOfTheirTagWithoutAsking) {
  for (int row = 1; row <= 5; ++row) r_.outputRows[static_cast<std::size_t>(row)] = AssignmentRow{"", 0};
  r_.outputRows[1]->text = "Chrono Lamp";
  r_.outputRows[2]->text = "Gear Lamp";
  r_.outputRows[3]->text = "chrono lamp";  // every row of the name is filled
  r_.outputRows[4]->text = "Aft Lamp";
  r_.outputRows[5]->text = "Ovh2 Lamp";
  boards_.Answer("[MIP]", "4101SYS0001");
  boards_.Answer("[OVH2]", "4102SYS0002");
  ImportOutputLines({"CHRONO LAMP=[MIP],7", "GEAR LAMP=[MIP],0", "AFT LAMP=[AFT],4", "OVH2 LAMP=[OVH2],5",
                     "UNKNOWN=[MIP],3"},
                    r_.outputRows, r_.outputs, boards_);
  EXPECT_EQ(r_.outputs[1].board, "4101SYS0001");
  EXPECT_EQ(r_.outputs[1].output_no, 7);
  EXPECT_EQ(r_.outputs[3].board, "4101SYS0001");
  EXPECT_EQ(r_.outputs[2].output_no, 0);
  EXPECT_EQ(r_.outputs[4].board, "");  // a group no input line asked for
  EXPECT_EQ(r_.outputs[4].output_no, 4);
  EXPECT_EQ(r_.outputs[5].board, "[OVH2]");
}

TEST(AssignmentExchange, TheDeviceOfABoardSelectorItemFollowsItsLastDash) {
  EXPECT_EQ(DeviceOfSelectorItem("SYS1-4101SYS0001"), "4101SYS0001");
  EXPECT_EQ(DeviceOfSelectorItem("VDK OVHD - Captain-3325OVH0003"), "3325OVH0003");
  EXPECT_EQ(DeviceOfSelectorItem("no dash"), "");
}

}  // namespace
}  // namespace trelvik::testing
