// The export commands and the import wizard on the main form: the file written into a new "Import Files"
// folder with its status line, a write that fails, and an export file imported onto other boards with a
// switch press, a list choice, the relay board designated in advance, a skipped group and a cancel.
#include "controller/app/event_bridge.h"
#include "dialog_fixture.h"
#include "framework/controls/button.h"
#include "framework/controls/label.h"
#include "framework/rtl/filetext.h"
#include "framework/services/filedialogs.h"

namespace trelvik::testing {
namespace {

// The program's built-in settings select the 777, so its sections are the ones written and read.
class ExchangeWizardTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    form_->build_combo_inputs(true);
    form_->build_combo_outputs(true);
  }
  // An input row as the row builder makes it, and an output row's label (this program builds none).
  void InputRow(const char* name, int group) { form_->add_row(name, "", group, true, ""); }
  void OutputRow(int n, const char* name, int group) {
    auto* label = fw::Create<fw::TLabel>(form_);
    label->SetCaption(name);
    label->SetTag(group);
    form_->output_rows[static_cast<std::size_t>(n)].label = label;
    auto* card = fw::Create<fw::TLabel>(form_);
    form_->output_rows[static_cast<std::size_t>(n)].card = card;
  }
  tinput_assignments& In(int n) { return form_->input_assignments[static_cast<std::size_t>(n)]; }
  toutput_assignments& Out(int n) { return form_->output_assignments[static_cast<std::size_t>(n)]; }
  std::string ExportFile(const char* name) {
    return fw::TryReadFileText(folder_.Path() + "Import Files\\" + name).value_or("<missing>");
  }
  // The open dialog answers with a file of the scratch folder (or a cancel) and keeps the request.
  std::optional<std::string> chosenFile_;
  std::vector<fw::FileDialogRequest> opened_;
  fw::ServiceDouble<std::optional<std::string>(const fw::FileDialogRequest&)> openDialog_{
      fw::ShowOpenFileDialog, [this](const fw::FileDialogRequest& r) {
        opened_.push_back(r);
        return chosenFile_;
      }};
};

TEST_F(ExchangeWizardTest, ExportWritesTheGroupIntoANewImportFilesFolderAndSaysSaved) {
  InputRow("Gear Up", 1);
  InputRow("Fuel Cutoff", 2);
  OutputRow(1, "Gear Lamp", 1);
  for (const auto& [row, sw] : {std::pair{1, 4}, std::pair{2, 6}}) {
    In(row).board = "4101SYS0001";
    In(row).switch_no = sw;
    In(row).switch_state = 1;
  }
  Out(1).board = "4101SYS0001";
  Out(1).output_no = 9;
  ASSERT_FALSE(folder_.Exists("Import Files"));
  form_->MIPFile1Click();
  EXPECT_EQ(ExportFile("MAIN_INSTRUMENT_PANEL_EXPORT.INI"),
            "[INPUT_ASSIGNMENTS_777]\r\nGEAR UP=[MIP],4,1,[MIP],0,0\r\n\r\n[OUTPUT_ASSIGNMENTS_777]\r\nGEAR LAMP=[MIP],9\r\n");
  EXPECT_EQ(form_->status_text(1), "MAIN_INSTRUMENT_PANEL_EXPORT.INI - Saved");
  form_->All1Click();
  EXPECT_EQ(form_->status_text(1), "ALL DATA_EXPORT.INI - Saved");
  EXPECT_NE(ExportFile("ALL_DATA_EXPORT.INI").find("FUEL CUTOFF=[PED],6,1,[PED],0,0"), std::string::npos);
  EXPECT_TRUE(Asked().empty());
}

TEST_F(ExchangeWizardTest, AnExportThatCannotBeWrittenSaysSoInsteadOfSaved) {
  folder_.Write("Import Files", "a file where the folder belongs");
  InputRow("Gear Up", 1);
  In(1).board = "4101SYS0001";
  In(1).switch_no = 4;
  form_->PedestalFile1Click();
  EXPECT_EQ(form_->status_text(1), "PEDESTAL_EXPORT.INI - Not Saved");
  const std::vector<std::string> asked = Asked();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].rfind("Unable to save " + folder_.Path() + "Import Files\\PEDESTAL_EXPORT.INI", 0), 0u);
}

// Boards of another cockpit: a general board for the main instrument panel, an overhead board whose
// description holds a "-", and one relay board.
class ImportOntoBoardsTest : public ExchangeWizardTest {
 protected:
  void SetUp() override {
    ExchangeWizardTest::SetUp();
    Slot({1, 101, "4101SYS0001", "4101", "SYS1", 1, 64, 0, 0, 128});
    Slot({2, 102, "3325OVH0002", "3325", "VDK OVHD - OM1", 1, 32, 0, 0, 64});
    Slot({3, 103, "4107RELAY003", "4107", "VTX RELAY", 0, 0, 1, 8, 0});
    InputRow("Gear Up", 1);         // row 1
    InputRow("Apu Start", 3);       // row 2
    InputRow("Beacon Relay", 6);    // row 3
    InputRow("Chrono", 5);          // row 4
    OutputRow(1, "Gear Lamp", 1);
    OutputRow(2, "Apu Lamp", 3);
    OutputRow(3, "Beacon", 6);
    OutputRow(4, "Chrono Lamp", 5);
    folder_.Write("other.ini",
                  "[INPUT_ASSIGNMENTS_777]\r\nGEAR UP=[MIP],4,1,[MIP],5,0\r\nAPU START=[OVH],7,,[MIP],0,0\r\n"
                  "BEACON RELAY=[RELAY],2,1,[RELAY],0,0\r\nCHRONO=[MISC],9,1,[MISC],0,0\r\n"
                  "[OUTPUT_ASSIGNMENTS_777]\r\nGEAR LAMP=[MIP],11\r\nAPU LAMP=[OVH],12\r\nBEACON=[RELAY],3\r\n"
                  "CHRONO LAMP=[MIP],14\r\n");
    chosenFile_ = folder_.Path() + "other.ini";
  }
  void PressSwitch(int session, int number) {
    PostMessageA(form_->Handle(), WM_SWITCH_EVENT, static_cast<WPARAM>(session), MAKELPARAM(number, 1));
  }
  std::vector<std::string> questions_;
  void Question() {
    questions_.push_back(board_selector->Label1->Caption() + "|" + board_selector->Label2->Caption() + "|" +
                         board_selector->Label3->Caption());
  }
};

TEST_F(ImportOntoBoardsTest, EachGroupTakesTheBoardPressedOrChosenAndTheRecordsFollow) {
  {
    ModalScript user(App());
    user.Then(board_selector, [&] {  // [MIP]: a switch pressed on the board
      Question();
      EXPECT_EQ(Texts(board_selector->sys_board),
                (std::vector<std::string>{"SYS1-4101SYS0001", "VDK OVHD - OM1-3325OVH0002"}));
      PressSwitch(101, 33);
    });
    user.Then(board_selector, [&] {  // [OVH]: chosen from the list
      Question();
      Pick(board_selector->sys_board, 1);
      board_selector->BitBtn4->Click();
    });
    user.Then(board_selector, [&] {  // [RELAY]: accepted as designated in advance; a press does not choose
      Question();
      PressSwitch(101, 34);
    });
    form_->ImportFile1Click();
  }
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0].Filter, "Import/Export File|*.ini");
  EXPECT_EQ(opened_[0].InitialDir, folder_.Path() + "Import Files");
  EXPECT_EQ(questions_, (std::vector<std::string>{
                            "Press any button on the MIP|or|Select the MIP Board from the dropdown below",
                            "Press any button on *MAIN* the FWD Overhead|or|"
                            "Select the *MAIN* FWD Overhead Board from the dropdown below",
                            "||Select RELAY Board"}));
  EXPECT_FALSE(form_->import_waiting_for_switch);
  const struct {
    int row;
    const char* board;
    int sw, state;
    const char* board2;
    int sw2, state2;
    const char* desc;
  } inputs[] = {{1, "4101SYS0001", 4, 1, "4101SYS0001", 5, 0, "SYS1"},
                {2, "3325OVH0002", 7, 1, "4101SYS0001", 0, 0, "VDK OVHD - OM1"},
                {3, "4107RELAY003", 2, 1, "4107RELAY003", 0, 0, "VTX RELAY"},
                {4, "[MISC]", 9, 1, "[MISC]", 0, 0, ""}};
  for (const auto& e : inputs) {
    SCOPED_TRACE(e.row);
    EXPECT_EQ(In(e.row).board, e.board);
    EXPECT_EQ(In(e.row).switch_no, e.sw);
    EXPECT_EQ(In(e.row).switch_state, e.state);
    EXPECT_EQ(In(e.row).board2, e.board2);
    EXPECT_EQ(In(e.row).switch2_no, e.sw2);
    EXPECT_EQ(In(e.row).switch2_state, e.state2);
    EXPECT_EQ(In(e.row).board_desc, e.desc);
  }
  EXPECT_EQ(form_->input_rows[2].main.card->Caption(), "VDK OVHD - OM1 : 3325OVH0002");
  const struct {
    int row;
    const char* board;
    int number;
  } outputs[] = {{1, "4101SYS0001", 11}, {2, "3325OVH0002", 12}, {3, "4107RELAY003", 3}, {4, "4101SYS0001", 14}};
  for (const auto& e : outputs) {
    EXPECT_EQ(Out(e.row).board, e.board) << e.row;
    EXPECT_EQ(Out(e.row).output_no, e.number) << e.row;
  }
  EXPECT_EQ(Out(4).board_desc, "SYS1");
  EXPECT_EQ(form_->output_rows[4].card->Caption(), "SYS1 : 4101SYS0001");
  EXPECT_TRUE(form_->save_marked());
  EXPECT_EQ(form_->status_text(1), "other.ini - Imported");
}

TEST_F(ImportOntoBoardsTest, ASkippedGroupGetsNoBoardAndACancelStopsBeforeTheOutputs) {
  form_->import_switch_board = "4101SYS0001";  // a press before the import answers no question of it
  {
    ModalScript user(App());
    user.Then(board_selector, [&] { board_selector->BitBtn4->Click(); });  // MIP: accepted, nothing chosen
    user.Then(board_selector, [&] { board_selector->BitBtn3->Click(); });  // overhead: skipped
    user.Then(board_selector, [&] { board_selector->BitBtn2->Click(); });  // relay: cancelled
    form_->ImportFile1Click();
  }
  EXPECT_EQ(In(1).board, "");
  EXPECT_EQ(In(1).switch_no, 4);
  EXPECT_EQ(In(2).board, "NotAssigned");
  EXPECT_EQ(In(2).switch_no, 7);
  EXPECT_EQ(In(3).name, "BEACON RELAY");
  EXPECT_EQ(In(3).switch_no, 0);
  EXPECT_EQ(Out(1).output_no, 0);
  EXPECT_EQ(Asked(), std::vector<std::string>{"Import Cancelled"});
  EXPECT_NE(form_->status_text(1), "other.ini - Imported");
  EXPECT_FALSE(form_->save_marked());  // the change detection did not run
}

TEST_F(ImportOntoBoardsTest, NothingIsAskedForACancelledOpenOrAFileWithoutTheAircraftsData) {
  chosenFile_.reset();
  form_->ImportFile1Click();
  folder_.Write("only737.ini", "[INPUT_ASSIGNMENTS_737]\r\nGEAR UP=[MIP],4,1,[MIP],0,0\r\n");
  chosenFile_ = folder_.Path() + "only737.ini";
  form_->ImportFile1Click();
  EXPECT_EQ(Asked(), std::vector<std::string>{"File contains no import data for the 777"});
  EXPECT_EQ(In(1).switch_no, 0);
}

}  // namespace
}  // namespace trelvik::testing
