// One simulated board: its identity, its two interfaces' input queues, what it received, the faults set on
// it and the state of each report family. Guarded by the bank's lock (see sim/bank/sim_bank.h).
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "sim/hidsim.h"

namespace hidsim {

constexpr int kPortInterface = 0;     // 5-byte reports
constexpr int kSpecialInterface = 1;  // 8-byte reports
constexpr int kReportLength[2] = {5, 8};
constexpr ULONG kDefaultInputBuffers = 32;

using Bytes = std::vector<uint8_t>;

struct SimInterface {
  std::deque<Bytes> input;  // reports the board sent that no read has taken yet
  ULONG inputBuffers = kDefaultInputBuffers;
};

struct SimBoard {
  BoardConfig config;
  int instance = 0;  // unique over the life of the process; names the board's paths and device nodes
  bool plugged = true;
  bool silent = false;
  bool stallWrites = false;
  int accessViolations = 0;      // writes that fault
  int readAccessViolations = 0;  // reads that fault
  std::array<SimInterface, 2> interfaces;
  std::vector<JournalEntry> journal;
  // Reports received by kind (ReportKind), counted as they come: what a benchmark compares with the minimum.
  std::array<int32_t, 4> reportKinds{};

  // Sends a report on an interface (dropped while the board is silent).
  void Send(int interfaceIndex, Bytes report);
  void Reply(std::initializer_list<uint8_t> bytes);  // an 8-byte reply on the special interface
  void CountViolation() { journal.back().protocolViolation = true; }

  // Ports (pipe 0 writes; the status reply answers them).
  std::array<uint8_t, 4> ports{0xFF, 0xFF, 0xFF, 0xFF};

  // IIC.
  bool iicMode = false;
  std::map<uint8_t, std::shared_ptr<IicDevice>> iicDevices;
  std::set<uint8_t> iicNack;

  // LED matrix.
  bool ledMatrixOn = false;
  std::array<std::array<uint8_t, 4>, 8> ledRows{};

  // Key matrix.
  int keyMatrixMode = 0;
  std::array<uint16_t, 8> switchWords{};
  std::vector<uint8_t> keyMatrixReplyOrder{0x1A, 0x1B, 0x1C, 0x19};
  bool keyMatrixReporting = false;  // a request was answered in the current mode: changes send readings
};

// What a received report is for: LED-matrix rows, the data-line ports (every report of the 5-byte interface), the
// key matrix (mode and reading requests), anything else.
enum ReportKind : int { kReportLedRow = 0, kReportPorts = 1, kReportKeyMatrix = 2, kReportOther = 3 };
inline ReportKind KindOfReport(int interfaceIndex, uint8_t id) {
  if (interfaceIndex == kPortInterface) return kReportPorts;
  if (id == 0x15) return kReportLedRow;
  if (id == 0x18 || id == 0x19) return kReportKeyMatrix;
  return kReportOther;
}

// Sets the switch words as the board's matrix reads them; a board that reports sends a new reading when they
// changed. True when it sent one.
bool ChangeSwitchWords(SimBoard& board, const std::array<uint16_t, 8>& words);

// Acts on one output report the board received on an interface (already journaled).
void HandleReport(SimBoard& board, int interfaceIndex, const uint8_t* report);

}  // namespace hidsim
