// Control of the simulated board bank for tests: boards behind the USB layer's device-access table, each
// answering the board's report protocol, with a journal of what it received and injectable faults.
// Board ids are small integers handed out by AddBoard; Reset forgets every board.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct HidPlatform;

namespace hidsim {

enum class SerialKind {
  Normal,        // the configured serial string
  Missing,       // the serial-string request fails
  Empty,         // an empty serial string
  LanguageList,  // the board answers its language list (the same as string 0) in place of a serial
};

struct BoardConfig {
  uint16_t vendorId = 0x1FD1;
  uint16_t productId = 0x03E8;
  uint16_t version = 0x0100;
  std::wstring serial = L"00000001";
  SerialKind serialKind = SerialKind::Normal;
  int interfaceCount = 2;   // 1: only the 5-byte interface is present
  bool pipe1First = false;  // enumerate the 8-byte interface before the 5-byte one
  int claimedReportLength = 0;  // when set, the 8-byte interface's capabilities claim reports of this length
  uint16_t model = 0xFFFF;      // the two model bytes of configuration memory 1 (0xFFFF: unprogrammed)
};

struct JournalEntry {
  int pipe = 0;                // 0: the 5-byte interface, 1: the 8-byte interface
  std::vector<uint8_t> bytes;  // the whole output report, report id first
  bool protocolViolation = false;
};

// A device on a board's IIC bus, keyed by its 8-bit address (bit 0 clear).
class IicDevice {
 public:
  virtual ~IicDevice() = default;
  // The bytes after the address byte of a write; false when the device does not acknowledge.
  virtual bool Write(const uint8_t* data, int count, bool stop) = 0;
  // Fills count bytes for a read; false answers the read with its error bit.
  virtual bool Read(uint8_t* data, int count) = 0;
};

// The device-access table that puts the bank behind the USB layer in this process.
const HidPlatform& PlatformTable();

void Reset();
int AddBoard(const BoardConfig& config = {});
int BoardCount();

// Faults.
void Unplug(int board);  // handles fail like a vanished device; enumeration no longer lists it
void Replug(int board);  // listed again; handles opened before stay dead
void SetSilent(int board, bool silent);                  // writes complete, nothing answers
void SetStallWrites(int board, bool stall);              // writes are taken by nobody: they stay pending
void InjectAccessViolation(int board, int count = 1);    // the next count WriteFileEx calls fault
void InjectReadAccessViolation(int board, int count = 1);  // the next count ReadFileEx calls fault

// What the board received.
std::vector<JournalEntry> Journal(int board);
void ClearJournal(int board);
int ProtocolViolations(int board);

// Board state.
std::array<uint8_t, 4> Ports(int board);
void SetPorts(int board, const std::array<uint8_t, 4>& ports);
bool IicModeOn(int board);
void AttachIicDevice(int board, uint8_t address, std::shared_ptr<IicDevice> device);
void SetIicNack(int board, uint8_t address, bool nack);
bool LedMatrixOn(int board);
std::array<uint8_t, 4> LedRow(int board, int row);
int KeyMatrixMode(int board);
// Closed switches as set bits (bits 0-7 of word k: switches 8k+1..8k+8, bits 8-15: 65+8k..72+8k). Once the
// board has answered a key-matrix request in its current mode, a change sends a new reading at once; several
// switches changed in one call make one reading.
void SetSwitchWords(int board, const std::array<uint16_t, 8>& words);
// The ids a reading is sent with, in order (default 0x1A, 0x1B, 0x1C, 0x19; a board may send 0x19 first).
void SetKeyMatrixReplyOrder(int board, const std::vector<uint8_t>& ids);

// Input reports the board sends of its own accord (pipe 0: 5 bytes, pipe 1: 8 bytes).
void InjectInput(int board, int pipe, const std::vector<uint8_t>& report);
// As a faulty board or driver might: the read completes with exactly these bytes (none, a few, more than a
// report: the reader's buffer takes what fits).
void InjectRawInput(int board, int pipe, const std::vector<uint8_t>& bytes);
// Waits until the board's queued input of a pipe has been handed out and a read is pending again.
bool WaitInputTaken(int board, int pipe, DWORD timeoutMs);
// Waits until a write to the board is pending (one the board does not take, see SetStallWrites).
bool WaitWritePending(int board, DWORD timeoutMs);
// Device handles of the board that are open (both interfaces, any access).
int OpenHandleCount(int board);
// When the most recent input report reached the thread that read it (its completion ran there), in
// QueryPerformanceCounter ticks; 0 before the first. For measuring what happens after the board.
LONGLONG LastInputDelivery();

// Boards described in VENTRIX_HIDSIM_BOARDS are added when the bank is first used in a process, so a child
// process sees the same boards. Entries "VVVV:PPPP:serial[:flags[:model]]" joined by ';' (hex ids; flags: r =
// 8-byte interface first, 1 = one interface, n = no serial, e = empty serial, l = language list as serial,
// w = the 8-byte interface claims 65-byte reports;
// model: four hex digits written as the board's two model bytes, as "330A").
constexpr char kBoardsVariable[] = "VENTRIX_HIDSIM_BOARDS";
std::string EnvironmentText(const std::vector<BoardConfig>& boards);
void AddBoardsFromText(const std::string& text);

}  // namespace hidsim
