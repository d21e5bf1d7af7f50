// The C++ control surface of the bank for tests.
#include <algorithm>

#include "sim/bank/sim_bank.h"

namespace hidsim {

namespace {

// Marks the board's files dead and ends their reads, as a vanished device does.
void Detach(Bank& bank, SimBoard& board) {
  for (auto& [handle, file] : bank.files) {
    if (file.board.get() == &board) file.dead = true;
  }
  bank.Abort([&](const PendingIo& read) { return bank.File(read.file)->board.get() == &board; },
             ERROR_DEVICE_NOT_CONNECTED);
  for (SimInterface& iface : board.interfaces) iface.input.clear();
}

// Waits, with the bank's lock held between looks, until done() answers true or the time is up.
template <typename Done>
bool WaitUntil(Bank& bank, DWORD timeoutMs, Done&& done) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    bank.WaitForCompletion();
  }
}

}  // namespace

void Reset() {
  BankLock lock;
  Bank& bank = lock.bank();
  for (const auto& board : bank.boards) Detach(bank, *board);
  bank.boards.clear();
}

int AddBoard(const BoardConfig& config) {
  BankLock lock;
  return AddBoardLocked(lock.bank(), config);
}

int BoardCount() {
  BankLock lock;
  return static_cast<int>(lock.bank().boards.size());
}

void Unplug(int board) {
  BankLock lock;
  SimBoard& target = lock.bank().Board(board);
  target.plugged = false;
  Detach(lock.bank(), target);
}

void Replug(int board) {
  BankLock lock;
  lock.bank().Board(board).plugged = true;
}

void SetSilent(int board, bool silent) {
  BankLock lock;
  lock.bank().Board(board).silent = silent;
}

void SetStallWrites(int board, bool stall) {
  BankLock lock;
  lock.bank().Board(board).stallWrites = stall;
}

void InjectAccessViolation(int board, int count) {
  BankLock lock;
  lock.bank().Board(board).accessViolations = count;
}

void InjectReadAccessViolation(int board, int count) {
  BankLock lock;
  lock.bank().Board(board).readAccessViolations = count;
}

std::vector<JournalEntry> Journal(int board) {
  BankLock lock;
  return lock.bank().Board(board).journal;
}

void ClearJournal(int board) {
  BankLock lock;
  lock.bank().Board(board).journal.clear();
}

int ProtocolViolations(int board) {
  BankLock lock;
  const auto& journal = lock.bank().Board(board).journal;
  return static_cast<int>(std::count_if(journal.begin(), journal.end(),
                                        [](const JournalEntry& entry) { return entry.protocolViolation; }));
}

std::array<uint8_t, 4> Ports(int board) {
  BankLock lock;
  return lock.bank().Board(board).ports;
}

void SetPorts(int board, const std::array<uint8_t, 4>& ports) {
  BankLock lock;
  lock.bank().Board(board).ports = ports;
}

bool IicModeOn(int board) {
  BankLock lock;
  return lock.bank().Board(board).iicMode;
}

void AttachIicDevice(int board, uint8_t address, std::shared_ptr<IicDevice> device) {
  BankLock lock;
  lock.bank().Board(board).iicDevices[static_cast<uint8_t>(address & 0xFE)] = std::move(device);
}

void SetIicNack(int board, uint8_t address, bool nack) {
  BankLock lock;
  auto& nacked = lock.bank().Board(board).iicNack;
  if (nack) nacked.insert(static_cast<uint8_t>(address & 0xFE));
  else nacked.erase(static_cast<uint8_t>(address & 0xFE));
}

bool LedMatrixOn(int board) {
  BankLock lock;
  return lock.bank().Board(board).ledMatrixOn;
}

std::array<uint8_t, 4> LedRow(int board, int row) {
  BankLock lock;
  return lock.bank().Board(board).ledRows.at(static_cast<size_t>(row));
}

int KeyMatrixMode(int board) {
  BankLock lock;
  return lock.bank().Board(board).keyMatrixMode;
}

void SetSwitchWords(int board, const std::array<uint16_t, 8>& words) {
  BankLock lock;
  SimBoard& target = lock.bank().Board(board);
  if (ChangeSwitchWords(target, words)) lock.bank().Deliver(target, kSpecialInterface);
}

void SetKeyMatrixReplyOrder(int board, const std::vector<uint8_t>& ids) {
  BankLock lock;
  lock.bank().Board(board).keyMatrixReplyOrder = ids;
}

void InjectInput(int board, int pipe, const std::vector<uint8_t>& report) {
  Bytes padded(static_cast<size_t>(kReportLength[pipe]), 0);
  std::copy_n(report.begin(), std::min(report.size(), padded.size()), padded.begin());
  InjectRawInput(board, pipe, padded);
}

void InjectRawInput(int board, int pipe, const std::vector<uint8_t>& bytes) {
  BankLock lock;
  SimBoard& target = lock.bank().Board(board);
  if (!target.plugged) return;
  target.Send(pipe, Bytes(bytes));
  lock.bank().Deliver(target, pipe);
}

bool WaitInputTaken(int board, int pipe, DWORD timeoutMs) {
  BankLock lock;
  Bank& bank = lock.bank();
  SimBoard& target = bank.Board(board);
  return WaitUntil(bank, timeoutMs, [&] {
    const bool readPending = std::any_of(bank.pendingIo.begin(), bank.pendingIo.end(), [&](auto& read) {
      const SimFile* file = bank.File(read.file);
      return !read.write && file->board.get() == &target && file->interfaceIndex == pipe;
    });
    return target.interfaces[pipe].input.empty() && readPending;
  });
}

bool WaitWritePending(int board, DWORD timeoutMs) {
  BankLock lock;
  Bank& bank = lock.bank();
  SimBoard& target = bank.Board(board);
  return WaitUntil(bank, timeoutMs, [&] {
    return std::any_of(bank.pendingIo.begin(), bank.pendingIo.end(),
                       [&](auto& io) { return io.write && bank.File(io.file)->board.get() == &target; });
  });
}

int OpenHandleCount(int board) {
  BankLock lock;
  Bank& bank = lock.bank();
  SimBoard& target = bank.Board(board);
  return static_cast<int>(std::count_if(bank.files.begin(), bank.files.end(),
                                        [&](const auto& entry) { return entry.second.board.get() == &target; }));
}

}  // namespace hidsim
