// The FSUIPC client: reads and writes of FSUIPC offsets are queued in the link's shared buffer and sent to
// the FSUIPC window in one exchange, after which the read results are copied to the callers' variables.
// This program has no operation that opens the link, so it stays closed for the whole run: every request
// answers kFpcNotOpen, nothing reaches the simulator and closing finds nothing to release. Callers rely
// only on the result codes. GUI thread only; one link for the whole run.
#pragma once

#include <cstdint>

namespace aircraft {

enum FpcResult : std::uint32_t {
  kFpcOk = 0,
  kFpcNotOpen = 9,
  kFpcNothingQueued = 10,
  kFpcNoAnswer = 11,          // no answer after 10 tries, and the system reports no error
  kFpcNoAnswerError = 12,     // no answer after 10 tries, with a system error
  kFpcAnswerNotOne = 13,
  kFpcDoesNotFit = 15,
};

// The queue's limit: what is queued, the closing 0 word included, never passes this many bytes.
inline constexpr std::uint32_t kFpcBufferLimit = 0x7F00;

// Queues a read of `size` bytes at `offset`; `destination` is written only by the next FpcProcess that gets
// an answer, so it must stay valid until then. True exactly when `result` is set to kFpcOk.
bool FpcRead(std::uint32_t offset, std::uint32_t size, void* destination, std::uint32_t& result);
// Queues a write of the `size` bytes at `source` (copied now).
bool FpcWrite(std::uint32_t offset, std::uint32_t size, const void* source, std::uint32_t& result);
// Sends the queue and copies the read results.
bool FpcProcess(std::uint32_t& result);
// Releases the link; nothing happens when it was never open.
void FpcClose();

}  // namespace aircraft
