// The main form's export commands and import wizard: the rows of the assignment pages as the exports see
// them, the export file written in one piece into the "Import Files" folder, and the board questions of
// the import through the board selector.
#include <windows.h>

#include "controller/app/assignment_exchange.h"
#include "controller/app/dialog_boards.h"
#include "controller/app/dialogs.h"
#include "controller/app/zedarave.h"
#include "framework/classes/stringlist.h"
#include "framework/controls/label.h"
#include "framework/ini/inifile.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filenames.h"
#include "framework/rtl/filetext.h"
#include "framework/services/filedialogs.h"
#include "framework/services/programfolder.h"
#include "ui/controls/column_combo_box.h"

namespace trelvik {

namespace {

template <class Row, std::size_t N>
AssignmentRows LabelledRows(const std::array<Row, N>& rows) {
  AssignmentRows result{};
  for (int n = 1; n <= kAssignmentRecords; ++n) {
    if (fw::TLabel* label = rows[static_cast<std::size_t>(n)].label) {
      result[static_cast<std::size_t>(n)] = AssignmentRow{label->Caption(), static_cast<int>(label->Tag())};
    }
  }
  return result;
}

std::vector<std::string> LinesOf(fw::TStrings& strings) {
  std::vector<std::string> lines;
  for (int i = 0; i < strings.Count(); ++i) lines.push_back(strings.Strings(i));
  return lines;
}

// The board selector's three texts for a group.
struct GroupQuestion {
  const char* tag;
  const char* first;
  const char* second;
  const char* third;
};
constexpr GroupQuestion kQuestions[] = {
    {"[OVH]", "Press any button on *MAIN* the FWD Overhead", "or",
     "Select the *MAIN* FWD Overhead Board from the dropdown below"},
    {"[OVH2]", "Press any button on the *SECOND* FWD Overhead", "or",
     "Select the *SECOND* FWD Overhead Board from the dropdown below"},
    {"[AFT]", "Press any button on the AFT Overhead", "or", "Select the AFT Overhead Board from the dropdown below"},
    {"[MIP]", "Press any button on the MIP", "or", "Select the MIP Board from the dropdown below"},
    {"[PED]", "Press any button on the PEDESTAL", "or", "Select the PEDESTAL Board from the dropdown below"},
    {"[RELAY]", "", "", "Select RELAY Board"},
};

// The models whose boards the board selector offers.
bool IsImportBoardModel(const std::string& model) {
  static constexpr const char* kModels[] = {"32E1", "32E2", "32E0", "32E3", "3323", "4101", "4102", "4103",
                                            "4105", "4106", "4107", "4109", "4108", "3325", "010C"};
  for (const char* m : kModels) {
    if (model == m) return true;
  }
  return false;
}

}  // namespace

void TZedArave::ExportAssignments(ExportKind kind) {
  const ExportCommand& command = ExportCommandOf(kind);
  const std::string folder = fw::ProgramFolder() + kImportFolder;
  const std::string path = folder + "\\" + command.file;
  std::uint32_t error = 0;
  bool written = fw::DirectoryExists(folder) || CreateDirectoryA(folder.c_str(), nullptr) != 0;
  if (!written) error = GetLastError();
  std::optional<std::string> old;
  if (written) {
    old = fw::TryReadFileText(path, &error);
    // A file that is there but cannot be read would lose the other aircraft's sections.
    written = old.has_value() || error == ERROR_FILE_NOT_FOUND;
  }
  if (written) {
    const std::string text = ExportText(old.value_or(std::string()), command, Is777Selected(),
                                        LabelledRows(input_rows), LabelledRows(output_rows), input_assignments,
                                        output_assignments);
    written = fw::TryReplaceFileText(path, text, &error);
  }
  if (written) {
    set_status_text(1, std::string(command.shownName) + " - Saved");
    return;
  }
  set_status_text(1, std::string(command.shownName) + " - Not Saved");
  ShowMessage("Unable to save " + path + "\r\n" + fw::SysErrorMessage(error));
}

void TZedArave::MIPFile1Click() { ExportAssignments(ExportKind::kMip); }
void TZedArave::PedestalFile1Click() { ExportAssignments(ExportKind::kPedestal); }
void TZedArave::MainOverheadFile1Click() { ExportAssignments(ExportKind::kMainOverhead); }
void TZedArave::AFTOverheadFile1Click() { ExportAssignments(ExportKind::kAftOverhead); }
void TZedArave::MiscItemsFile1Click() { ExportAssignments(ExportKind::kMisc); }
void TZedArave::RelayFile1Click() { ExportAssignments(ExportKind::kRelay); }
void TZedArave::All1Click() { ExportAssignments(ExportKind::kAll); }

void TZedArave::ImportFile1Click() {
  if (board_selector == nullptr) return;
  fw::FileDialogRequest request;
  request.Owner = HandleAllocated() ? Handle() : nullptr;
  request.Filter = "Import/Export File|*.ini";
  request.InitialDir = fw::ProgramFolder() + kImportFolder;
  const std::optional<std::string> chosen = fw::ShowOpenFileDialog(request);
  if (!chosen) return;

  const bool b777 = Is777Selected();
  fw::TStringList inputs;
  fw::TStringList outputs;
  {
    fw::TIniFile file(*chosen);
    file.ReadSectionValues(InputSection(b777), &inputs);
    file.ReadSectionValues(OutputSection(b777), &outputs);
  }
  if (inputs.Count() == 0 && outputs.Count() == 0) {
    ShowMessage(b777 ? "File contains no import data for the 777" : "File contains no import data for the 737");
    return;
  }

  ui::TColumnComboBox* list = board_selector->sys_board;
  list->ComboItems()->Clear();
  ImportDesignations boards;
  std::string relayBoard;
  int relayBoards = 0;
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const tbuffer_id& entry = board_table[static_cast<std::size_t>(slot)];
    const BoardInfo& info = board_info[static_cast<std::size_t>(slot)];
    const std::string model = ModelOf(info);
    if (IsImportBoardModel(model) && info.switchCount >= 1) AddComboText(list, entry.description + "-" + entry.name);
    if (entry.session != 0 && IsRelayModel(model)) {
      ++relayBoards;
      relayBoard = entry.name;
    }
  }
  // The one relay board is designated in advance; the question is still asked.
  if (relayBoards == 1) boards.Preset("[RELAY]", relayBoard);

  const auto ask = [&](const std::string& tag) {
    for (const GroupQuestion& q : kQuestions) {
      if (tag != q.tag) continue;
      board_selector->Label1->SetCaption(q.first);
      board_selector->Label2->SetCaption(q.second);
      board_selector->Label3->SetCaption(q.third);
    }
    // The answer is what the user does for this question: no choice or press of an earlier one counts.
    list->SetItemIndex(-1);
    import_switch_board.clear();
    import_waiting_for_switch = true;
    const fw::TModalResult result = board_selector->ShowModal();
    if (result == fw::mrOk) {
      import_waiting_for_switch = false;
      if (HasChoice(list)) return BoardAnswer{BoardAnswer::kAssign, DeviceOfSelectorItem(ChosenText(list))};
      // Only the list chooses the relay board; a switch press keeps what was designated before.
      if (tag == "[RELAY]") return BoardAnswer{BoardAnswer::kAssign, boards.BoardOf(tag).value_or(std::string())};
      return BoardAnswer{BoardAnswer::kAssign, import_switch_board};
    }
    if (result == fw::mrIgnore) {
      import_waiting_for_switch = false;
      return BoardAnswer{BoardAnswer::kSkip, std::string()};
    }
    return BoardAnswer{BoardAnswer::kCancel, std::string()};
  };
  if (!ImportInputLines(LinesOf(inputs), LabelledRows(input_rows), input_assignments, boards, ask)) {
    ShowMessage("Import Cancelled");
    return;
  }
  ImportOutputLines(LinesOf(outputs), LabelledRows(output_rows), output_assignments, boards);

  build_combo_inputs(false);
  build_combo_outputs(false);
  Add_Card_Name_To_List();
  Check_for_Change();
  set_status_text(1, fw::ExtractFileName(*chosen) + " - Imported");
}

}  // namespace trelvik
