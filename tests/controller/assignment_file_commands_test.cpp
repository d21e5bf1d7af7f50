// The hidden File commands New, Load and Save As: the question, the file dialogs (answered by the test) and
// what each leaves of the records, the roles and the assignments file.
#include <optional>

#include "framework/services/filedialogs.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

class AssignmentFileCommandsTest : public MainFormTest {
 protected:
  std::optional<std::string> chosen_;
  std::vector<fw::FileDialogRequest> dialogs_;
  fw::ServiceDouble<std::optional<std::string>(const fw::FileDialogRequest&)> open_{
      fw::ShowOpenFileDialog, [this](const fw::FileDialogRequest& r) {
        dialogs_.push_back(r);
        return chosen_;
      }};
  fw::ServiceDouble<std::optional<std::string>(const fw::FileDialogRequest&)> save_{
      fw::ShowSaveFileDialog, [this](const fw::FileDialogRequest& r) {
        dialogs_.push_back(r);
        return chosen_;
      }};
};

TEST_F(AssignmentFileCommandsTest, NewClearsTheRecordsOnlyOnYesAndLeavesRolesAndFile) {
  TZedArave* form = MakeForm();
  form->input_assignments[3].switch_no = 17;
  form->output_assignments[5].output_no = 9;
  form->input_row_count = 4;
  form->cdu_cpt_board = "3302ABCD0001";
  form->assignments_file = folder_.File("MINE.ini");

  answer_ = IDNO;
  form->NewConfiguration1Click();
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Text, "Are You Sure ?");
  EXPECT_EQ(asked_[0].Caption, "Clear All Assignments");
  EXPECT_EQ(asked_[0].Buttons(), static_cast<UINT>(MB_YESNO));
  EXPECT_EQ(asked_[0].Icon(), static_cast<UINT>(MB_ICONQUESTION));
  EXPECT_EQ(asked_[0].DefaultButton(), 2);
  EXPECT_EQ(form->input_assignments[3].switch_no, 17);

  answer_ = IDYES;
  form->NewConfiguration1Click();
  EXPECT_EQ(form->input_assignments[3].switch_no, 0);
  EXPECT_EQ(form->output_assignments[5].output_no, 0);
  EXPECT_EQ(form->input_row_count, 0);
  EXPECT_EQ(form->cdu_cpt_board, "3302ABCD0001");
  EXPECT_EQ(form->assignments_file, folder_.File("MINE.ini"));
}

TEST_F(AssignmentFileCommandsTest, LoadReadsThePickedFileAndACancelChangesNothing) {
  folder_.Write("OTHER.ini", "[CDU_ASSIGNMENTS]\r\nCPT=3302FFFF0009\r\nFO=331AFFFF0010\r\n");
  TZedArave* form = MakeForm();
  form->assignments_file = folder_.File("ASSIGNMENTS.INI");
  form->input_assignments[2].switch_no = 8;

  chosen_ = std::nullopt;
  form->LoadConfiguration1Click();
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(dialogs_[0].Filter, "Import/Export File|*.ini");
  EXPECT_EQ(form->assignments_file, folder_.File("ASSIGNMENTS.INI"));
  EXPECT_EQ(form->input_assignments[2].switch_no, 8);

  chosen_ = folder_.File("OTHER.ini");
  form->LoadConfiguration1Click();
  EXPECT_EQ(form->assignments_file, folder_.File("OTHER.ini"));
  EXPECT_EQ(form->cdu_cpt_board, "3302FFFF0009");
  EXPECT_EQ(form->cdu_fo_board, "331AFFFF0010");
  EXPECT_EQ(form->input_assignments[2].switch_no, 0);
}

TEST_F(AssignmentFileCommandsTest, SaveAsWritesTheRolesToTheNamedFileWithItsExtension) {
  struct Case {
    const char* typed;
    const char* written;
  };
  // Only an exact lower-case ".ini" counts as the extension.
  const Case cases[] = {{"mine", "mine.ini"}, {"set.ini", "set.ini"}, {"UPPER.INI", "UPPER.INI.ini"}};
  TZedArave* form = MakeForm();
  form->cdu_cpt_board = "3302ABCD0001";
  for (const Case& c : cases) {
    chosen_ = folder_.File(c.typed);
    form->SaveAs1Click();
    EXPECT_EQ(form->assignments_file, folder_.File(c.written)) << c.typed;
    EXPECT_NE(folder_.Read(c.written).find("CPT=3302ABCD0001\r\n"), std::string::npos) << c.typed;
  }
  ASSERT_FALSE(dialogs_.empty());
  EXPECT_EQ(dialogs_[0].Filter, "Assignment Files|*.ini");
  EXPECT_EQ(dialogs_[0].InitialDir, folder_.Path());

  // Cancelled: the file named last stays current and nothing new is written.
  chosen_ = std::nullopt;
  form->SaveAs1Click();
  EXPECT_EQ(form->assignments_file, folder_.File("UPPER.INI.ini"));
}

}  // namespace
}  // namespace trelvik::testing
