// Device files on the bank's boards, with the system's overlapped semantics: completion routines run as APCs
// on the issuing thread during its alertable waits, CancelIo ends the calling thread's reads on a handle, and
// closing a handle ends every read on it. Handles that are not the bank's go to the system's own functions.
#include <cstring>

#include "sim/bank/sim_bank.h"
#include "sim/platform/sim_platform.h"

using hidsim::Bank;
using hidsim::BankLock;
using hidsim::PendingIo;
using hidsim::SimFile;

namespace {

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

// Whether an overlapped read or write may start on the file; sets the last error when not.
bool CheckIo(const SimFile& file, bool allowed, const void* buffer, const OVERLAPPED* overlapped) {
  if (file.dead) return Fail(ERROR_DEVICE_NOT_CONNECTED);
  if (!allowed) return Fail(ERROR_ACCESS_DENIED);
  if (!file.overlapped || !overlapped || !buffer) return Fail(ERROR_INVALID_PARAMETER);
  return true;
}

HANDLE CurrentThread() {
  HANDLE thread = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &thread, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  return thread;
}

bool IsSimPath(const char* path) {
  return std::strncmp(path, "\\\\?\\hid#", 8) == 0 && std::strstr(path, "#7&sim") != nullptr;
}

// A write through a null pointer: the fault a broken driver raises inside the call.
[[gnu::noinline]] void RaiseAccessViolation() {
  volatile int* volatile nowhere = nullptr;
  *nowhere = 1;
}

// Takes one of the faults a test injected into the board's writes (or reads).
bool TakeInjectedFault(HANDLE handle, int hidsim::SimBoard::*faults) {
  BankLock lock;
  SimFile* file = lock.bank().File(handle);
  if (!file || file->dead || (*file->board).*faults == 0) return false;
  --((*file->board).*faults);
  return true;
}

}  // namespace

extern "C" {

HANDLE WINAPI Sim_CreateFileA(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                              DWORD disposition, DWORD flags, HANDLE templateFile) {
  if (!path || !IsSimPath(path)) {
    return ::CreateFileA(path, access, share, security, disposition, flags, templateFile);
  }
  BankLock lock;
  Bank& bank = lock.bank();
  for (const auto& board : bank.boards) {
    for (int i = 0; i < board->config.interfaceCount; ++i) {
      if (!board->plugged || _stricmp(bank.PathOf(*board, i).c_str(), path) != 0) continue;
      HANDLE handle = CreateEventW(nullptr, TRUE, FALSE, nullptr);
      SimFile& file = bank.files[handle];
      file.board = board;
      file.interfaceIndex = i;
      file.readable = (access & GENERIC_READ) != 0;
      file.writable = (access & GENERIC_WRITE) != 0;
      file.overlapped = (flags & FILE_FLAG_OVERLAPPED) != 0;
      SetLastError(ERROR_SUCCESS);
      return handle;
    }
  }
  SetLastError(ERROR_FILE_NOT_FOUND);
  return INVALID_HANDLE_VALUE;
}

BOOL WINAPI Sim_ReadFileEx(HANDLE handle, LPVOID buffer, DWORD length, LPOVERLAPPED overlapped,
                           LPOVERLAPPED_COMPLETION_ROUTINE completion) {
  if (TakeInjectedFault(handle, &hidsim::SimBoard::readAccessViolations)) RaiseAccessViolation();
  BankLock lock;
  Bank& bank = lock.bank();
  SimFile* file = bank.File(handle);
  if (!file) return ::ReadFileEx(handle, buffer, length, overlapped, completion);
  if (!CheckIo(*file, file->readable, buffer, overlapped)) return FALSE;
  if (length < static_cast<DWORD>(hidsim::kReportLength[file->interfaceIndex])) {
    return Fail(ERROR_INVALID_USER_BUFFER);
  }
  overlapped->Internal = hidsim::kStatusPending;
  overlapped->InternalHigh = 0;
  bank.pendingIo.push_back({handle, buffer, length, overlapped, completion, GetCurrentThreadId(),
                            CurrentThread(), false});
  bank.Deliver(*file->board, file->interfaceIndex);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WINAPI Sim_WriteFileEx(HANDLE handle, LPCVOID buffer, DWORD length, LPOVERLAPPED overlapped,
                            LPOVERLAPPED_COMPLETION_ROUTINE completion) {
  if (TakeInjectedFault(handle, &hidsim::SimBoard::accessViolations)) RaiseAccessViolation();
  BankLock lock;
  Bank& bank = lock.bank();
  SimFile* file = bank.File(handle);
  if (!file) return ::WriteFileEx(handle, buffer, length, overlapped, completion);
  if (!CheckIo(*file, file->writable, buffer, overlapped)) return FALSE;
  const int interfaceIndex = file->interfaceIndex;
  const DWORD reportLength = static_cast<DWORD>(hidsim::kReportLength[interfaceIndex]);
  if (length != reportLength) return Fail(ERROR_INVALID_USER_BUFFER);

  hidsim::SimBoard& board = *file->board;
  if (!board.stallWrites) {
    uint8_t report[8] = {};
    std::memcpy(report, buffer, length);
    board.journal.push_back({interfaceIndex, hidsim::Bytes(report, report + length), false});
    ++board.reportKinds[hidsim::KindOfReport(interfaceIndex, report[0])];
    hidsim::HandleReport(board, interfaceIndex, report);
    for (int i = 0; i < 2; ++i) bank.Deliver(board, i);
  }

  overlapped->Internal = hidsim::kStatusPending;
  const PendingIo write{handle, const_cast<void*>(buffer), length, overlapped, completion, GetCurrentThreadId(),
                        CurrentThread(), true};
  if (board.stallWrites) bank.pendingIo.push_back(write);  // ends only by a cancel, a close or an unplug
  else bank.Complete(write, ERROR_SUCCESS, length);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WINAPI Sim_GetOverlappedResult(HANDLE handle, LPOVERLAPPED overlapped, LPDWORD transferred, BOOL wait) {
  BankLock lock;
  Bank& bank = lock.bank();
  if (!bank.File(handle)) return ::GetOverlappedResult(handle, overlapped, transferred, wait);
  if (!overlapped || !transferred) return Fail(ERROR_INVALID_PARAMETER);
  while (overlapped->Internal == hidsim::kStatusPending) {
    if (!wait) return Fail(ERROR_IO_INCOMPLETE);
    bank.WaitForCompletion();
  }
  *transferred = static_cast<DWORD>(overlapped->InternalHigh);
  const DWORD error = hidsim::DecodeStatus(overlapped->Internal);
  if (error != ERROR_SUCCESS) return Fail(error);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WINAPI Sim_CancelIo(HANDLE handle) {
  BankLock lock;
  Bank& bank = lock.bank();
  if (!bank.File(handle)) return ::CancelIo(handle);
  const DWORD thread = GetCurrentThreadId();
  bank.Abort([&](const PendingIo& read) { return read.file == handle && read.threadId == thread; },
             ERROR_OPERATION_ABORTED);
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WINAPI Sim_CloseHandle(HANDLE object) {
  {
    BankLock lock;
    Bank& bank = lock.bank();
    if (bank.File(object)) {
      bank.Abort([&](const PendingIo& read) { return read.file == object; }, ERROR_OPERATION_ABORTED);
      bank.files.erase(object);
    }
  }
  return ::CloseHandle(object);
}

}  // extern "C"
