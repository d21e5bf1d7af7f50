// The bank of simulated boards and the device files opened on them. One bank per process, created on first
// use (and then filled from VENTRIX_HIDSIM_BOARDS); every access goes through its lock.
#pragma once

#include <windows.h>
#include <cfgmgr32.h>

#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/board/sim_board.h"
#include "sim/control/remote_control.h"

namespace hidsim {

// An overlapped read waiting for a report of its interface, or a write the board has not taken yet.
struct PendingIo {
  HANDLE file = nullptr;
  void* buffer = nullptr;
  DWORD length = 0;
  OVERLAPPED* overlapped = nullptr;
  LPOVERLAPPED_COMPLETION_ROUTINE completion = nullptr;
  DWORD threadId = 0;
  HANDLE thread = nullptr;  // where the completion routine runs
  bool write = false;
};

// A device file: an interface of a board opened with CreateFileA. Its handle is a kernel event that the sim
// owns, so its value can never collide with another handle of the process.
struct SimFile {
  std::shared_ptr<SimBoard> board;
  int interfaceIndex = 0;
  bool readable = false;
  bool writable = false;
  bool overlapped = false;
  bool dead = false;  // the board vanished after the file was opened
};

// One interface of a board as enumeration lists it.
struct ListedInterface {
  std::shared_ptr<SimBoard> board;
  int interfaceIndex = 0;
};

class Bank {
 public:
  static Bank& Get();

  void Lock() { EnterCriticalSection(&lock_); }
  // Whatever changed under the lock reaches the mirror of another process, when one is open.
  void Unlock() {
    PublishMirror(*this);
    LeaveCriticalSection(&lock_);
  }
  // Waits for a completion; the bank's lock is held on entry and on return.
  void WaitForCompletion() { SleepConditionVariableCS(&completed_, &lock_, 50); }
  void AnnounceCompletion() { WakeAllConditionVariable(&completed_); }

  std::vector<std::shared_ptr<SimBoard>> boards;
  std::map<HANDLE, SimFile> files;
  std::list<PendingIo> pendingIo;
  std::map<void*, std::vector<ListedInterface>> deviceSets;  // HDEVINFO → what it listed
  int nextInstance = 1;

  SimBoard& Board(int id);  // an id that AddBoard did not give is a test fault: it terminates
  SimFile* File(HANDLE handle);
  std::vector<ListedInterface> PresentInterfaces();
  std::string PathOf(const SimBoard& board, int interfaceIndex) const;
  // Device nodes: a board's composite node, the USB interface nodes under it, the HID nodes under those.
  DEVINST CompositeNode(const SimBoard& board) const;
  DEVINST HidNode(const SimBoard& board, int interfaceIndex) const;

  // Hands queued input of the board's interface to its pending reads.
  void Deliver(SimBoard& board, int interfaceIndex);
  // Completes a read by queueing its completion routine to the issuing thread.
  void Complete(const PendingIo& read, DWORD error, DWORD transferred);
  // Ends every pending read that matches with the given error.
  template <typename Match>
  void Abort(Match&& match, DWORD error) {
    for (auto it = pendingIo.begin(); it != pendingIo.end();) {
      if (match(*it)) {
        Complete(*it, error, 0);
        it = pendingIo.erase(it);
      } else {
        ++it;
      }
    }
  }

 private:
  Bank();
  CRITICAL_SECTION lock_;
  CONDITION_VARIABLE completed_;
};

class BankLock {
 public:
  BankLock() : bank_(Bank::Get()) { bank_.Lock(); }
  ~BankLock() { bank_.Unlock(); }
  BankLock(const BankLock&) = delete;
  BankLock& operator=(const BankLock&) = delete;
  Bank& bank() { return bank_; }

 private:
  Bank& bank_;
};

int AddBoardLocked(Bank& bank, const BoardConfig& config);
std::vector<BoardConfig> ParseBoards(const std::string& text);

// Overlapped status kept in OVERLAPPED::Internal while the sim owns the I/O.
constexpr ULONG_PTR kStatusPending = 0x103;  // STATUS_PENDING
ULONG_PTR EncodeStatus(DWORD error);
DWORD DecodeStatus(ULONG_PTR status);

}  // namespace hidsim
