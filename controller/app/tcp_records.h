// The TCP client's receive side: the byte stream cut into fixed 357-byte records (a length byte, the text
// in the next 355 bytes, one further byte), handed on as soon as a record's last byte arrived. The socket is
// reached through a receive function, so tests feed the bytes themselves. GUI thread only.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace trelvik {

inline constexpr std::int32_t kTcpRecordSize = 357;
inline constexpr std::int32_t kTcpReceiveCapacity = 262136;
// A read of exactly this many bytes is the companion's acknowledgement, not part of a record: it is dropped.
inline constexpr std::int32_t kTcpAcknowledgementSize = 19;

using TcpRecord = std::array<std::uint8_t, kTcpRecordSize>;

// The record's text: its first n bytes after the length byte n (at most 355).
std::string TcpRecordText(const TcpRecord& record);

class TcpRecordReader {
 public:
  // The socket's Receive: up to size bytes into buffer; the count, or 0 or less for none.
  using Receive = std::function<std::int32_t(void* buffer, std::int32_t size)>;
  using RecordHandler = std::function<void(const TcpRecord& record)>;

  // One data event of the socket: one read, then the record it completed, if any.
  void DataAvailable(const Receive& receive, const RecordHandler& handle);

  std::int32_t filled() const { return filled_; }
  std::int32_t capacity() const { return static_cast<std::int32_t>(buffer_.size()); }

 private:
  std::vector<std::uint8_t> buffer_;
  std::int32_t filled_ = 0;
};

}  // namespace trelvik
