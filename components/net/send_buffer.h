// TBuffer: one fixed-size chunk of a socket's send queue. The bytes between the read count and the write
// count are pending. It has no lock; the socket guards its queue with the send-queue lock.
#pragma once

#include <cstdint>

#include "framework/classes/object.h"

namespace net {

class TBuffer : public fw::TObject {
 public:
  // Size 0 or less gives the default of 1514 bytes.
  explicit TBuffer(std::int32_t Size);
  ~TBuffer() override;

  // Changes the capacity. A size below the pending data's write count is refused (nothing is lost).
  void Resize(std::int32_t NewSize);
  // Appends at most the free room; returns the number of bytes taken (0 when full).
  std::int32_t Write(const void* Data, std::int32_t Len);
  // The first pending byte and their count, or nullptr and 0.
  const std::uint8_t* Peek(std::int32_t& Len) const;
  // Drops up to Len pending bytes; returns how many were dropped. Both counts reset once all are gone.
  std::int32_t Remove(std::int32_t Len);

  std::int32_t Size() const { return capacity_; }
  std::int32_t WriteCount() const { return writeCount_; }
  std::int32_t ReadCount() const { return readCount_; }

  static constexpr std::int32_t kDefaultSize = 1514;

 private:
  std::uint8_t* data_ = nullptr;
  std::int32_t capacity_ = 0;
  std::int32_t writeCount_ = 0;
  std::int32_t readCount_ = 0;
};

}  // namespace net
