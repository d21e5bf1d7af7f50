// Builds a board's BoardInfo from its configuration memory (board-memory device 1).
#pragma once

#include <cstdint>
#include <functional>

#include "boardapi/include/ventrixAPI.h"

// Reads `count` (1..4) consecutive bytes of the memory from `address` into `bytes`; false when the read failed.
using MemoryReader = std::function<bool(int address, int count, int32_t* bytes)>;

// Fills the counts, ranges, capability bits, further value, model text and (when it is plausible) the date
// text of `info`. A failed read answers false and leaves `info` as it was.
bool ReadBoardDescription(const MemoryReader& read, BoardInfo& info);
