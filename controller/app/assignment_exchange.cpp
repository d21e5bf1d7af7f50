#include "controller/app/assignment_exchange.h"

#include "controller/app/board_catalogue.h"
#include "controller/app/fs_module.h"
#include "controller/app/number_text.h"
#include "framework/ini/inidocument.h"
#include "framework/rtl/ansicase.h"

namespace trelvik {

namespace {

constexpr const char* kGroupTags[] = {"", "[MIP]", "[PED]", "[OVH]", "[AFT]", "[MISC]", "[RELAY]", "[OVH2]"};

bool SameName(const std::string& label, const std::string& key) {
  return fw::AnsiUpperCase(label) == fw::AnsiUpperCase(key);
}

std::string NotAssignedIfEmpty(const std::string& board) { return board.empty() ? kNotAssigned : board; }

}  // namespace

std::string GroupTag(int group) {
  if (group < 1 || group > 7) return std::string();
  return kGroupTags[group];
}

const ExportCommand& ExportCommandOf(ExportKind kind) {
  static const ExportCommand kCommands[] = {
      {"MAIN_INSTRUMENT_PANEL_EXPORT.INI", "MAIN_INSTRUMENT_PANEL_EXPORT.INI", {1}, {{1, "[MIP]"}}},
      {"PEDESTAL_EXPORT.INI", "PEDESTAL_EXPORT.INI", {2}, {{2, "[PED]"}}},
      {"OVERHEAD_EXPORT.INI", "OVERHEAD_EXPORT.INI", {3, 7}, {{3, "[OVH]"}}},
      {"AFT_OVERHEAD_EXPORT.INI", "AFT_OVERHEAD_EXPORT.INI", {4}, {{4, "[AFT]"}}},
      // The miscellaneous items' outputs travel as the main instrument panel's.
      {"MISC_EXPORT.INI", "MISC_EXPORT.INI", {5}, {{5, "[MIP]"}}},
      {"RELAY_EXPORT.INI", "RELAY_EXPORT.INI", {}, {{6, "[RELAY]"}}},
      {"ALL_DATA_EXPORT.INI",
       "ALL DATA_EXPORT.INI",
       {1, 2, 3, 4, 5, 6, 7},
       {{1, "[MIP]"}, {2, "[PED]"}, {3, "[OVH]"}, {4, "[AFT]"}, {5, "[MISC]"}, {6, "[RELAY]"}}},
  };
  return kCommands[static_cast<int>(kind)];
}

const char* InputSection(bool b777) { return b777 ? "INPUT_ASSIGNMENTS_777" : "INPUT_ASSIGNMENTS_737"; }
const char* OutputSection(bool b777) { return b777 ? "OUTPUT_ASSIGNMENTS_777" : "OUTPUT_ASSIGNMENTS_737"; }

std::string ExportText(const std::string& oldText, const ExportCommand& command, bool b777,
                       const AssignmentRows& inputRows, const AssignmentRows& outputRows, InputRecords& inputs,
                       OutputRecords& outputs) {
  fw::IniDocument document(oldText);
  document.EraseSection(InputSection(b777));
  document.EraseSection(OutputSection(b777));
  for (int row = 1; row <= kAssignmentRecords; ++row) {
    const std::optional<AssignmentRow>& label = inputRows[static_cast<std::size_t>(row)];
    if (!label) continue;
    for (int group : command.inputGroups) {
      if (label->group != group) continue;
      tinput_assignments& record = inputs[static_cast<std::size_t>(row)];
      record.board = NotAssignedIfEmpty(record.board);
      record.board2 = NotAssignedIfEmpty(record.board2);
      if (record.board == kNotAssigned) continue;
      const std::string tag = GroupTag(group);
      document.Set(InputSection(b777), fw::AnsiUpperCase(label->text),
                   tag + "," + std::to_string(record.switch_no) + "," + std::to_string(record.switch_state) + "," +
                       tag + "," + std::to_string(record.switch2_no) + "," + std::to_string(record.switch2_state));
    }
  }
  for (int row = 1; row <= kAssignmentRecords; ++row) {
    const std::optional<AssignmentRow>& label = outputRows[static_cast<std::size_t>(row)];
    if (!label) continue;
    for (const auto& [group, tag] : command.outputGroups) {
      if (label->group != group) continue;
      toutput_assignments& record = outputs[static_cast<std::size_t>(row)];
      record.board = NotAssignedIfEmpty(record.board);
      if (record.board == kNotAssigned) continue;
      document.Set(OutputSection(b777), fw::AnsiUpperCase(label->text), tag + "," + std::to_string(record.output_no));
    }
  }
  return document.Text();
}

bool IsAskedGroup(const std::string& tag) {
  return tag == "[MIP]" || tag == "[PED]" || tag == "[OVH]" || tag == "[AFT]" || tag == "[RELAY]" || tag == "[OVH2]";
}

void ImportDesignations::Answer(const std::string& tag, const std::string& board) {
  asked_[tag] = true;
  boards_[tag] = board;
}

std::optional<std::string> ImportDesignations::BoardOf(const std::string& tag) const {
  if (!IsAskedGroup(tag)) return std::nullopt;
  const auto at = boards_.find(tag);
  return at != boards_.end() ? at->second : std::string();
}

bool ImportInputLines(const std::vector<std::string>& lines, const AssignmentRows& rows, InputRecords& inputs,
                      ImportDesignations& boards, const std::function<BoardAnswer(const std::string& tag)>& ask) {
  const std::size_t count = std::min<std::size_t>(lines.size(), kAssignmentRecords);
  for (std::size_t line = 0; line < count; ++line) {
    std::string key;
    std::string value;
    SplitAt(lines[line], "=", key, value);
    std::string parts[6];
    for (int i = 0; i < 5; ++i) SplitAt(value, ",", parts[i], value);
    parts[5] = value;
    std::string& tag1 = parts[0];
    std::string& tag2 = parts[3];
    if (parts[2].empty()) parts[2] = "1";
    if (parts[5].empty()) parts[5] = "1";
    const std::int32_t switch1 = strtoint_t(parts[1]);
    if (switch1 == 0) continue;
    for (int row = 1; row <= kAssignmentRecords; ++row) {
      const std::optional<AssignmentRow>& label = rows[static_cast<std::size_t>(row)];
      if (!label || !SameName(label->text, key)) continue;
      tinput_assignments& record = inputs[static_cast<std::size_t>(row)];
      record.name = key;
      if (IsAskedGroup(tag1) && !boards.Asked(tag1)) {
        const BoardAnswer answer = ask(tag1);
        if (answer.kind == BoardAnswer::kCancel) return false;
        boards.Answer(tag1, answer.kind == BoardAnswer::kSkip ? std::string(kNotAssigned) : answer.board);
      }
      // Only tag 1 is asked for; a tag 2 of another group takes what that group has been given so far.
      const std::string board1 = boards.BoardOf(tag1).value_or(tag1);
      const std::string board2 = boards.BoardOf(tag2).value_or(tag2);
      if (switch1 > 0) {
        record.board = board1;
        record.switch_no = switch1;
        record.switch_state = strtoint_t(parts[2]);
        record.board2 = board2;
        record.switch2_no = strtoint_t(parts[4]);
        record.switch2_state = strtoint_t(parts[5]);
        break;
      }
    }
  }
  return true;
}

void ImportOutputLines(const std::vector<std::string>& lines, const AssignmentRows& rows, OutputRecords& outputs,
                       const ImportDesignations& boards) {
  const std::size_t count = std::min<std::size_t>(lines.size(), kAssignmentRecords);
  for (std::size_t line = 0; line < count; ++line) {
    std::string key;
    std::string tag;
    std::string number;
    SplitAt(lines[line], "=", key, number);
    SplitAt(number, ",", tag, number);
    const std::int32_t output = strtoint_t(number);
    if (output <= 0) continue;
    // The second forward overhead's outputs are exported with the first's; its tag stays as it is.
    const std::string board = tag == "[OVH2]" ? tag : boards.BoardOf(tag).value_or(tag);
    for (int row = 1; row <= kAssignmentRecords; ++row) {
      const std::optional<AssignmentRow>& label = rows[static_cast<std::size_t>(row)];
      if (!label || !SameName(label->text, key)) continue;
      toutput_assignments& record = outputs[static_cast<std::size_t>(row)];
      record.name = key;
      record.board = board;
      record.output_no = output;
    }
  }
}

std::string DeviceOfSelectorItem(const std::string& item) {
  const std::size_t dash = item.rfind('-');
  return dash == std::string::npos ? std::string() : item.substr(dash + 1);
}

}  // namespace trelvik
