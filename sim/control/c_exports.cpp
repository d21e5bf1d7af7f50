#include <algorithm>
#include <cstdio>
#include <string>

#include "sim/hidsim.h"
#include "sim/hidsim_c.h"

extern "C" {

void HidSim_Reset(void) { hidsim::Reset(); }

int HidSim_AddBoard(unsigned short vendorId, unsigned short productId, const char* serial, const char* flags) {
  char ids[16];
  std::snprintf(ids, sizeof(ids), "%04X:%04X:", vendorId, productId);
  const std::string text = std::string(ids) + (serial ? serial : "") + ":" + (flags ? flags : "");
  const int first = hidsim::BoardCount();
  hidsim::AddBoardsFromText(text);
  return hidsim::BoardCount() > first ? first : -1;
}

int HidSim_BoardCount(void) { return hidsim::BoardCount(); }
void HidSim_Unplug(int board) { hidsim::Unplug(board); }
void HidSim_Replug(int board) { hidsim::Replug(board); }
void HidSim_SetSilent(int board, int silent) { hidsim::SetSilent(board, silent != 0); }
void HidSim_SetStallWrites(int board, int stall) { hidsim::SetStallWrites(board, stall != 0); }
void HidSim_InjectAccessViolation(int board, int count) { hidsim::InjectAccessViolation(board, count); }
int HidSim_JournalCount(int board) { return static_cast<int>(hidsim::Journal(board).size()); }

int HidSim_JournalEntry(int board, int index, int* pipe, unsigned char* bytes, int capacity) {
  const auto journal = hidsim::Journal(board);
  if (index < 0 || index >= static_cast<int>(journal.size())) return -1;
  const hidsim::JournalEntry& entry = journal[static_cast<size_t>(index)];
  if (pipe) *pipe = entry.pipe;
  const int length = static_cast<int>(entry.bytes.size());
  if (bytes) std::copy_n(entry.bytes.begin(), std::min(length, std::max(capacity, 0)), bytes);
  return length;
}

void HidSim_ClearJournal(int board) { hidsim::ClearJournal(board); }
int HidSim_ProtocolViolations(int board) { return hidsim::ProtocolViolations(board); }

void HidSim_GetPorts(int board, unsigned char ports[4]) {
  const auto values = hidsim::Ports(board);
  std::copy(values.begin(), values.end(), ports);
}

void HidSim_SetPorts(int board, const unsigned char ports[4]) {
  hidsim::SetPorts(board, {ports[0], ports[1], ports[2], ports[3]});
}

int HidSim_IicModeOn(int board) { return hidsim::IicModeOn(board) ? 1 : 0; }
void HidSim_SetIicNack(int board, unsigned char address, int nack) { hidsim::SetIicNack(board, address, nack != 0); }
int HidSim_LedMatrixOn(int board) { return hidsim::LedMatrixOn(board) ? 1 : 0; }

void HidSim_GetLedRow(int board, int row, unsigned char columns[4]) {
  const auto values = hidsim::LedRow(board, row);
  std::copy(values.begin(), values.end(), columns);
}

int HidSim_KeyMatrixMode(int board) { return hidsim::KeyMatrixMode(board); }

void HidSim_SetSwitchWords(int board, const unsigned short words[8]) {
  std::array<uint16_t, 8> values{};
  std::copy_n(words, values.size(), values.begin());
  hidsim::SetSwitchWords(board, values);
}

void HidSim_SetKeyMatrixReplyOrder(int board, const unsigned char* ids, int count) {
  hidsim::SetKeyMatrixReplyOrder(board, std::vector<uint8_t>(ids, ids + std::max(count, 0)));
}

void HidSim_InjectInput(int board, int pipe, const unsigned char* report, int length) {
  hidsim::InjectInput(board, pipe, std::vector<uint8_t>(report, report + std::max(length, 0)));
}

void HidSim_InjectRawInput(int board, int pipe, const unsigned char* bytes, int length) {
  hidsim::InjectRawInput(board, pipe, std::vector<uint8_t>(bytes, bytes + std::max(length, 0)));
}

int HidSim_OpenHandleCount(int board) { return hidsim::OpenHandleCount(board); }

}  // extern "C"
