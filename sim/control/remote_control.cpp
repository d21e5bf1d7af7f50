#include "sim/control/remote_control.h"

#include <windows.h>
#include <dbt.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sim/bank/sim_bank.h"
#include "sim/board/iic_devices.h"
#include "sim/channel/control_pipe.h"
#include "sim/control/object_counts.h"
#include "sim/hidsim_mirror.h"

namespace hidsim {

namespace {

HidSimMirror* mirror = nullptr;

// How long one window may take over a device-change message: the program may run a whole discovery in it.
constexpr UINT kAnnounceTimeoutMs = 30000;

std::string Reply(bool ok, const char* reason = "") { return ok ? "ok" : std::string("error ") + reason; }

void Snapshot(const Bank& bank, const SimBoard& board, HidSimMirrorBoard& out) {
  out = HidSimMirrorBoard{};
  out.vendorId = board.config.vendorId;
  out.productId = board.config.productId;
  out.model = board.config.model;
  for (std::size_t i = 0; i < board.config.serial.size() && i + 1 < sizeof out.serial; ++i) {
    out.serial[i] = static_cast<char>(board.config.serial[i]);
  }
  out.plugged = board.plugged ? 1 : 0;
  out.ledMatrixOn = board.ledMatrixOn ? 1 : 0;
  out.keyMatrixMode = static_cast<uint8_t>(board.keyMatrixMode);
  out.iicMode = board.iicMode ? 1 : 0;
  for (std::size_t row = 0; row < board.ledRows.size(); ++row) {
    std::copy(board.ledRows[row].begin(), board.ledRows[row].end(), out.ledRows[row]);
  }
  std::copy(board.ports.begin(), board.ports.end(), out.ports);
  out.openHandles = static_cast<int32_t>(std::count_if(
      bank.files.begin(), bank.files.end(), [&](const auto& entry) { return entry.second.board.get() == &board; }));
  out.reportsReceived = static_cast<int32_t>(board.journal.size());
  std::copy(board.reportKinds.begin(), board.reportKinds.end(), out.reportKinds);
  std::copy(board.switchWords.begin(), board.switchWords.end(), out.switchWords);
  constexpr uint8_t kBrightnessDriver = 0xC0;
  constexpr std::size_t kFirstChannelRegister = 2;
  const auto driver = board.iicDevices.find(kBrightnessDriver);
  if (driver != board.iicDevices.end()) {
    if (const auto* brightness = dynamic_cast<const BrightnessDevice*>(driver->second.get())) {
      out.brightness = static_cast<uint8_t>(brightness->registers[kFirstChannelRegister]);
    }
  }
}

// The board's id when the text names one, else -1.
int BoardId(const std::string& text) {
  char* end = nullptr;
  const long id = std::strtol(text.c_str(), &end, 10);
  BankLock lock;
  if (end == text.c_str() || *end != 0 || id < 0 || id >= static_cast<long>(lock.bank().boards.size())) return -1;
  return static_cast<int>(id);
}

// Switch n (1..128) as word and bit of the key matrix (see SetSwitchWords).
bool SwitchBit(int number, std::size_t& word, int& bit) {
  if (number < 1 || number > 128) return false;
  const int index = number <= 64 ? number - 1 : number - 65;
  word = static_cast<std::size_t>(index / 8);
  bit = index % 8 + (number <= 64 ? 0 : 8);
  return true;
}

std::string Press(const std::vector<std::string>& words) {
  const int board = words.size() == 4 ? BoardId(words[1]) : -1;
  if (board < 0) return Reply(false, "usage: press <board> <switch> <0|1>");
  std::size_t word = 0;
  int bit = 0;
  if (!SwitchBit(std::atoi(words[2].c_str()), word, bit)) return Reply(false, "switch out of 1..128");
  BankLock lock;
  SimBoard& target = lock.bank().Board(board);
  std::array<uint16_t, 8> switches = target.switchWords;
  if (words[3] == "1") switches[word] = static_cast<uint16_t>(switches[word] | (1u << bit));
  else switches[word] = static_cast<uint16_t>(switches[word] & ~(1u << bit));
  LARGE_INTEGER changed;
  QueryPerformanceCounter(&changed);
  if (ChangeSwitchWords(target, switches)) lock.bank().Deliver(target, kSpecialInterface);
  return "ok " + std::to_string(changed.QuadPart);
}

// The 12-bit reading of the board's brightness control (its single converter answers high byte first).
std::string Analog(const std::vector<std::string>& words) {
  const int board = words.size() == 3 ? BoardId(words[1]) : -1;
  if (board < 0) return Reply(false, "usage: analog <board> <reading>");
  char* end = nullptr;
  const long reading = std::strtol(words[2].c_str(), &end, 10);
  if (end == words[2].c_str() || *end != 0 || reading < 0 || reading > 4095) return Reply(false, "reading out of 0..4095");
  SetAnalogReading(board, static_cast<uint8_t>(reading >> 8), static_cast<uint8_t>(reading & 0xFF));
  return Reply(true);
}

std::vector<HWND> WindowsOfThisProcess() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM found) -> BOOL {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Tells the process's top-level windows what the system would: the board's interfaces arrived or were removed
// (to whoever registered for them; the simulator cannot tell who did, so every window hears it), then that
// the device nodes changed.
void Announce(const std::vector<std::string>& paths, WPARAM event) {
  const std::vector<HWND> windows = WindowsOfThisProcess();
  for (const std::string& path : paths) {
    const std::size_t size = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) + path.size() + 1;
    auto* broadcast = static_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(std::calloc(1, size));
    if (broadcast == nullptr) continue;
    broadcast->dbcc_size = static_cast<DWORD>(size);
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(broadcast->dbcc_name, path.c_str(), path.size() + 1);
    bool answered = true;
    for (HWND window : windows) {
      DWORD_PTR result = 0;
      answered = SendMessageTimeoutA(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(broadcast),
                                     SMTO_ABORTIFHUNG, kAnnounceTimeoutMs, &result) != 0 && answered;
    }
    // A window that did not answer in time may still read the broadcast: it is left to it.
    if (answered) std::free(broadcast);
  }
  for (HWND window : windows) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0, SMTO_ABORTIFHUNG, kAnnounceTimeoutMs, &result);
  }
}

std::string Plug(const std::vector<std::string>& words, bool plugged) {
  const int board = words.size() == 2 ? BoardId(words[1]) : -1;
  if (board < 0) return Reply(false, "usage: unplug|replug <board>");
  std::vector<std::string> paths;
  {
    BankLock lock;
    const SimBoard& target = lock.bank().Board(board);
    for (int i = 0; i < target.config.interfaceCount; ++i) paths.push_back(lock.bank().PathOf(target, i));
  }
  if (plugged) Replug(board);
  else Unplug(board);
  Announce(paths, plugged ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE);
  return Reply(true);
}

// The process's processor time (kernel and user, 100 ns units) and working set (bytes), as the process itself
// reads them: a process outside cannot under Wine. With "objects", also its handle count and GDI and USER object
// counts (where Wine reports none they are counted, see object_counts.h: that takes a good part of a second, so a
// measure of the processor time asks without them).
std::string Usage(bool withObjects) {
  FILETIME created, ended, kernel, user;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user) ||
      !K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)) {
    return Reply(false, "usage unavailable");
  }
  const auto value = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  std::string reply =
      "ok " + std::to_string(value(kernel)) + " " + std::to_string(value(user)) + " " + std::to_string(memory.WorkingSetSize);
  if (withObjects) {
    reply += " " + std::to_string(testsupport::KernelHandleCount()) + " " + std::to_string(testsupport::GdiObjectCount()) +
             " " + std::to_string(testsupport::UserObjectCount());
  }
  return reply;
}

// A thread's description, or where it started ("winmm.dll+0x1a2b0") when it has none; spaces are written as
// '_' so the reply stays a list of words.
std::string ThreadName(HANDLE thread) {
  using GetThreadDescriptionFn = HRESULT(WINAPI*)(HANDLE, PWSTR*);
  using QueryThreadFn = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  constexpr int kThreadQuerySetWin32StartAddress = 9;
  static const auto describe = reinterpret_cast<GetThreadDescriptionFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetThreadDescription")));
  static const auto query = reinterpret_cast<QueryThreadFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationThread")));
  std::string name;
  PWSTR description = nullptr;
  if (describe != nullptr && SUCCEEDED(describe(thread, &description)) && description != nullptr) {
    for (const wchar_t* unit = description; *unit != 0; ++unit) name += *unit < 128 ? static_cast<char>(*unit) : '?';
    LocalFree(description);
  }
  void* start = nullptr;
  if (name.empty() && query != nullptr &&
      query(thread, kThreadQuerySetWin32StartAddress, &start, sizeof start, nullptr) == 0 && start != nullptr) {
    HMODULE module = nullptr;
    char path[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<const char*>(start), &module)) {
      GetModuleFileNameA(module, path, sizeof path);
    }
    const char* file = std::max(std::strrchr(path, '\\'), std::strrchr(path, '/'));
    char offset[32];
    std::snprintf(offset, sizeof offset, "+0x%llx",
                  static_cast<unsigned long long>(static_cast<const char*>(start) - reinterpret_cast<const char*>(module)));
    name = std::string(file != nullptr ? file + 1 : path) + offset;
  }
  if (name.empty()) name = "?";
  std::replace(name.begin(), name.end(), ' ', '_');
  std::replace(name.begin(), name.end(), ':', '.');
  return name;
}

// Each thread of the process with its processor time (kernel and user, 100 ns units) and its name, the window
// thread first: "ok <window thread id> <id>:<time>:<name> ...". Tells the benchmark which threads an idle
// program's time is spent in.
std::string ThreadTimes() {
  // The window thread: the one that owns most of the process's top-level windows.
  std::vector<std::pair<DWORD, int>> owners;
  for (HWND window : WindowsOfThisProcess()) {
    const DWORD owner = GetWindowThreadProcessId(window, nullptr);
    auto found = std::find_if(owners.begin(), owners.end(), [owner](const auto& o) { return o.first == owner; });
    if (found == owners.end()) owners.emplace_back(owner, 1);
    else ++found->second;
  }
  const auto most = std::max_element(owners.begin(), owners.end(),
                                     [](const auto& a, const auto& b) { return a.second < b.second; });
  const DWORD windowThread = most == owners.end() ? 0 : most->first;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return Reply(false, "threads unavailable");
  std::string reply = "ok " + std::to_string(windowThread);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != GetCurrentProcessId()) continue;
    const HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
    if (thread == nullptr) continue;
    FILETIME created, ended, kernel, user;
    if (GetThreadTimes(thread, &created, &ended, &kernel, &user)) {
      const auto value = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
      };
      reply += " " + std::to_string(entry.th32ThreadID) + ":" + std::to_string(value(kernel) + value(user)) + ":" +
               (entry.th32ThreadID == GetCurrentThreadId() ? std::string("simulated_boards'_control") : ThreadName(thread));
    }
    CloseHandle(thread);
  }
  CloseHandle(snapshot);
  return reply;
}

std::string Handle(const std::string& request) {
  const std::vector<std::string> words = simchannel::RequestWords(request);
  if (words.empty()) return Reply(false, "empty request");
  if (words[0] == "press") return Press(words);
  if (words[0] == "unplug") return Plug(words, false);
  if (words[0] == "replug") return Plug(words, true);
  if (words[0] == "analog") return Analog(words);
  if (words[0] == "delivered") return "ok " + std::to_string(LastInputDelivery());
  if (words[0] == "usage") return Usage(words.size() == 2 && words[1] == "objects");
  if (words[0] == "threads") return ThreadTimes();
  return Reply(false, "unknown request");
}

}  // namespace

void StartRemoteControlFromEnvironment() {
  char name[128];
  const DWORD length = GetEnvironmentVariableA(HIDSIM_CONTROL_VARIABLE, name, sizeof name);
  if (length == 0 || length >= sizeof name) return;
  const std::string mirrorName = std::string(name) + HIDSIM_MIRROR_SUFFIX;
  // The tool made the block first (and keeps it past the program's end); made here when it did not.
  const HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(HidSimMirror),
                                            mirrorName.c_str());
  if (mapping != nullptr) {
    auto* view = static_cast<HidSimMirror*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(HidSimMirror)));
    if (view != nullptr) {
      view->magic = HIDSIM_MIRROR_MAGIC;
      BankLock lock;
      mirror = view;
      PublishMirror(lock.bank());
    }
  }
  simchannel::ServeControlPipe(name, &Handle);
}

void PublishMirror(Bank& bank) {
  if (mirror == nullptr) return;
  HidSimMirror next{};
  next.magic = HIDSIM_MIRROR_MAGIC;
  next.boardCount = static_cast<uint32_t>(std::min<std::size_t>(bank.boards.size(), HIDSIM_MIRROR_BOARDS));
  for (uint32_t i = 0; i < next.boardCount; ++i) Snapshot(bank, *bank.boards[i], next.boards[i]);
  if (mirror->boardCount == next.boardCount &&
      std::memcmp(mirror->boards, next.boards, sizeof next.boards) == 0) {
    return;
  }
  InterlockedIncrement(reinterpret_cast<volatile LONG*>(&mirror->sequence));
  mirror->boardCount = next.boardCount;
  std::memcpy(mirror->boards, next.boards, sizeof next.boards);
  InterlockedIncrement(reinterpret_cast<volatile LONG*>(&mirror->sequence));
}

}  // namespace hidsim
