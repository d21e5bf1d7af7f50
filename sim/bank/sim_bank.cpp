#include "sim/bank/sim_bank.h"
#include "sim/board/iic_devices.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace hidsim {

namespace {

struct CompletionCall {
  LPOVERLAPPED_COMPLETION_ROUTINE completion;
  DWORD error;
  DWORD transferred;
  OVERLAPPED* overlapped;
  bool input;
};

std::atomic<LONGLONG> lastInputDelivery{0};

void CALLBACK RunCompletion(ULONG_PTR parameter) {
  auto* call = reinterpret_cast<CompletionCall*>(parameter);
  if (call->input && call->transferred > 0) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    lastInputDelivery = now.QuadPart;
  }
  if (call->completion) call->completion(call->error, call->transferred, call->overlapped);
  delete call;
}

constexpr ULONG_PTR kErrorFlag = 0xE0000000;

}  // namespace

LONGLONG LastInputDelivery() { return lastInputDelivery.load(); }

ULONG_PTR EncodeStatus(DWORD error) { return error == ERROR_SUCCESS ? 0 : (kErrorFlag | error); }

DWORD DecodeStatus(ULONG_PTR status) {
  return status == 0 ? ERROR_SUCCESS : static_cast<DWORD>(status & ~kErrorFlag);
}

Bank::Bank() {
  InitializeCriticalSection(&lock_);
  InitializeConditionVariable(&completed_);
}

SimBoard& Bank::Board(int id) {
  if (id < 0 || id >= static_cast<int>(boards.size())) {
    std::fprintf(stderr, "hidsim: no board %d\n", id);
    std::abort();
  }
  return *boards[static_cast<size_t>(id)];
}

SimFile* Bank::File(HANDLE handle) {
  auto found = files.find(handle);
  return found == files.end() ? nullptr : &found->second;
}

std::vector<ListedInterface> Bank::PresentInterfaces() {
  std::vector<ListedInterface> listed;
  for (const auto& board : boards) {
    if (!board->plugged) continue;
    const int count = board->config.interfaceCount;
    for (int i = 0; i < count; ++i) {
      const int index = (board->config.pipe1First && count == 2) ? 1 - i : i;
      listed.push_back({board, index});
    }
  }
  return listed;
}

std::string Bank::PathOf(const SimBoard& board, int interfaceIndex) const {
  char path[160];
  std::snprintf(path, sizeof(path),
                "\\\\?\\hid#vid_%04x&pid_%04x&mi_%02d#7&sim%d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
                board.config.vendorId, board.config.productId, interfaceIndex, board.instance);
  return path;
}

DEVINST Bank::CompositeNode(const SimBoard& board) const { return 0x10000 + 8 * board.instance; }

DEVINST Bank::HidNode(const SimBoard& board, int interfaceIndex) const {
  return CompositeNode(board) + 3 + interfaceIndex;
}

void Bank::Deliver(SimBoard& board, int interfaceIndex) {
  SimInterface& source = board.interfaces[interfaceIndex];
  for (auto it = pendingIo.begin(); it != pendingIo.end() && !source.input.empty();) {
    const SimFile* file = File(it->file);
    if (it->write || !file || file->board.get() != &board || file->interfaceIndex != interfaceIndex) {
      ++it;
      continue;
    }
    const Bytes& report = source.input.front();
    const DWORD length = static_cast<DWORD>(report.size()) < it->length ? static_cast<DWORD>(report.size())
                                                                         : it->length;
    std::memcpy(it->buffer, report.data(), length);
    source.input.pop_front();
    Complete(*it, ERROR_SUCCESS, length);
    it = pendingIo.erase(it);
  }
}

void Bank::Complete(const PendingIo& read, DWORD error, DWORD transferred) {
  read.overlapped->InternalHigh = transferred;
  read.overlapped->Internal = EncodeStatus(error);
  auto* call = new CompletionCall{read.completion, error, transferred, read.overlapped, !read.write};
  if (!QueueUserAPC(RunCompletion, read.thread, reinterpret_cast<ULONG_PTR>(call))) delete call;
  ::CloseHandle(read.thread);
  AnnounceCompletion();
}

}  // namespace hidsim

namespace hidsim {

Bank& Bank::Get() {
  // Never destroyed: device files may still be closed while the process ends.
  static Bank* const bank = [] {
    // The DLL form stays loaded once used: completions may still be queued to threads of the process.
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCSTR>(&Bank::Get), &self);
    auto* created = new Bank();
    char text[4096];
    DWORD length = GetEnvironmentVariableA(kBoardsVariable, text, sizeof(text));
    if (length > 0 && length < sizeof(text)) {
      for (const BoardConfig& config : ParseBoards(text)) AddBoardLocked(*created, config);
    }
    return created;
  }();
  // Control from another process starts once the bank exists (it takes the bank's lock itself).
  static std::atomic<bool> controlStarted{false};
  if (!controlStarted.load(std::memory_order_relaxed) && !controlStarted.exchange(true)) {
    StartRemoteControlFromEnvironment();
  }
  return *bank;
}

int AddBoardLocked(Bank& bank, const BoardConfig& config) {
  auto board = std::make_shared<SimBoard>();
  board->config = config;
  board->instance = bank.nextInstance++;
  AttachStandardIicDevices(*board);
  if (config.model != 0xFFFF) ProgramModel(*board, config.model);
  bank.boards.push_back(std::move(board));
  return static_cast<int>(bank.boards.size()) - 1;
}

}  // namespace hidsim
