// Export files and import of the per-function assignments: the panel groups and their tags, the lines an
// export writes for one group (or all), and the reading of an export file back into the records with
// boards that the user designates for each group. No windows here; the main form asks the questions
// (zedarave_exchange.cpp).
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "controller/app/assignment_records.h"

namespace trelvik {

// A function row of an assignment page as the exports see it: its label's text and panel group
// (1 main instrument panel, 2 pedestal, 3 forward overhead, 4 aft overhead, 5 miscellaneous, 6 relay,
// 7 second forward overhead). Rows 1..412; a row that was never built has none.
struct AssignmentRow {
  std::string text;
  int group = 0;
};
using AssignmentRows = std::array<std::optional<AssignmentRow>, kAssignmentRecords + 1>;

// The tag of a panel group ("[MIP]" ... "[OVH2]"); empty for any other number.
std::string GroupTag(int group);

// One export command: its file in the "Import Files" folder, the name its status line shows, the groups
// of its input lines and the groups of its output lines with the tag each is written under.
struct ExportCommand {
  const char* file;
  const char* shownName;
  std::vector<int> inputGroups;
  std::vector<std::pair<int, std::string>> outputGroups;
};
enum class ExportKind { kMip, kPedestal, kMainOverhead, kAftOverhead, kMisc, kRelay, kAll };
const ExportCommand& ExportCommandOf(ExportKind kind);

inline constexpr const char* kImportFolder = "Import Files";
const char* InputSection(bool b777);
const char* OutputSection(bool b777);

// The export file's new text: the selected aircraft's two sections of `oldText` erased and written again
// with the command's rows, everything else kept. A written row's record gets "NotAssigned" for an empty
// board (and board2), and a record still without board is left out.
std::string ExportText(const std::string& oldText, const ExportCommand& command, bool b777,
                       const AssignmentRows& inputRows, const AssignmentRows& outputRows, InputRecords& inputs,
                       OutputRecords& outputs);

// The user's answer to "which board plays this group here".
struct BoardAnswer {
  enum Kind { kAssign, kSkip, kCancel } kind = kCancel;
  std::string board;  // the device name chosen (kAssign)
};

// The boards designated for the groups during one import, by tag; a group asked once keeps its answer.
class ImportDesignations {
 public:
  // Designates a board before any question (the one relay board); the question is still asked.
  void Preset(const std::string& tag, const std::string& board) { boards_[tag] = board; }
  bool Asked(const std::string& tag) const { return asked_.count(tag) != 0; }
  void Answer(const std::string& tag, const std::string& board);
  // The board designated so far (empty when none); nullopt for a tag that is no designated group.
  std::optional<std::string> BoardOf(const std::string& tag) const;

 private:
  std::map<std::string, std::string> boards_;
  std::map<std::string, bool> asked_;
};

// Whether the tag is one the wizard asks a board for ("[MISC]" and unknown tags are not).
bool IsAskedGroup(const std::string& tag);

// The input lines ("KEY=tag,switch,state,tag,switch,state", at most 412, in file order) into the records
// of the rows whose label matches the key, asking for each group's board at its first tag-1 line.
// False when the user cancelled a question; the records changed until then stay changed.
bool ImportInputLines(const std::vector<std::string>& lines, const AssignmentRows& rows, InputRecords& inputs,
                      ImportDesignations& boards, const std::function<BoardAnswer(const std::string& tag)>& ask);
// The output lines ("KEY=tag,number", at most 412) into the records of every row whose label matches.
void ImportOutputLines(const std::vector<std::string>& lines, const AssignmentRows& rows, OutputRecords& outputs,
                       const ImportDesignations& boards);

// The device name of a board selector item ("description-device"): the text after its last "-", since
// descriptions may hold "-" and device names never do.
std::string DeviceOfSelectorItem(const std::string& item);

}  // namespace trelvik
