// Reports as the simulated board received them, for exact comparisons.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "sim/hidsim.h"

using ReportBytes = std::vector<uint8_t>;

// An 8-byte report of pipe 1 from its leading bytes (the rest zero).
inline ReportBytes Special(std::initializer_list<uint8_t> bytes) {
  ReportBytes report(bytes);
  report.resize(8);
  return report;
}

// A 5-byte port report of pipe 0.
inline ReportBytes PortReport(uint8_t p0, uint8_t p1, uint8_t p2, uint8_t p3) { return {0x00, p0, p1, p2, p3}; }

// What the board received since its journal was last cleared, and clears it.
inline std::vector<ReportBytes> TakeJournal(int board) {
  std::vector<ReportBytes> reports;
  for (const hidsim::JournalEntry& entry : hidsim::Journal(board)) reports.push_back(entry.bytes);
  hidsim::ClearJournal(board);
  return reports;
}
