// Boards described by text, so that a child process can be given the same boards through its environment.
#include <cstdio>
#include <sstream>

#include "sim/bank/sim_bank.h"

namespace hidsim {

namespace {

// What a board described with 'w' claims for its 8-byte interface's reports: one byte past the layer's buffers.
constexpr int kOversizedReport = 65;

char SerialFlag(SerialKind kind) {
  switch (kind) {
    case SerialKind::Missing: return 'n';
    case SerialKind::Empty: return 'e';
    case SerialKind::LanguageList: return 'l';
    case SerialKind::Normal: break;
  }
  return 0;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

}  // namespace

std::string EnvironmentText(const std::vector<BoardConfig>& boards) {
  std::string text;
  for (const BoardConfig& config : boards) {
    char ids[16];
    std::snprintf(ids, sizeof(ids), "%04X:%04X:", config.vendorId, config.productId);
    if (!text.empty()) text += ';';
    text += ids;
    for (wchar_t c : config.serial) text += static_cast<char>(c);
    std::string flags;
    if (config.pipe1First) flags += 'r';
    if (config.interfaceCount == 1) flags += '1';
    if (char serial = SerialFlag(config.serialKind)) flags += serial;
    if (config.claimedReportLength == kOversizedReport) flags += 'w';
    if (!flags.empty() || config.model != 0xFFFF) text += ':' + flags;
    if (config.model != 0xFFFF) {
      char model[8];
      std::snprintf(model, sizeof(model), ":%04X", config.model);
      text += model;
    }
  }
  return text;
}

std::vector<BoardConfig> ParseBoards(const std::string& text) {
  std::vector<BoardConfig> boards;
  for (const std::string& entry : Split(text, ';')) {
    const std::vector<std::string> fields = Split(entry, ':');
    if (fields.size() < 3) continue;
    BoardConfig config;
    config.vendorId = static_cast<uint16_t>(std::stoul(fields[0], nullptr, 16));
    config.productId = static_cast<uint16_t>(std::stoul(fields[1], nullptr, 16));
    config.serial.assign(fields[2].begin(), fields[2].end());
    for (char flag : fields.size() > 3 ? fields[3] : std::string()) {
      if (flag == 'r') config.pipe1First = true;
      if (flag == '1') config.interfaceCount = 1;
      if (flag == 'n') config.serialKind = SerialKind::Missing;
      if (flag == 'e') config.serialKind = SerialKind::Empty;
      if (flag == 'l') config.serialKind = SerialKind::LanguageList;
      if (flag == 'w') config.claimedReportLength = kOversizedReport;
    }
    if (fields.size() > 4 && !fields[4].empty()) config.model = static_cast<uint16_t>(std::stoul(fields[4], nullptr, 16));
    boards.push_back(config);
  }
  return boards;
}

void AddBoardsFromText(const std::string& text) {
  BankLock lock;
  for (const BoardConfig& config : ParseBoards(text)) AddBoardLocked(lock.bank(), config);
}

}  // namespace hidsim
