#include "controller/app/tcp_records.h"

#include <algorithm>
#include <cstring>

namespace trelvik {

std::string TcpRecordText(const TcpRecord& record) {
  const std::size_t length = std::min<std::size_t>(record[0], kTcpRecordSize - 2);
  return std::string(reinterpret_cast<const char*>(record.data() + 1), length);
}

void TcpRecordReader::DataAvailable(const Receive& receive, const RecordHandler& handle) {
  // Reads never go past the record being filled, so the buffer holds at most one record and a read completes
  // at most one: the buffer is made once and never grows.
  if (buffer_.empty()) buffer_.resize(kTcpReceiveCapacity);
  const std::int32_t count = receive(buffer_.data() + filled_, kTcpRecordSize - filled_);
  if (count <= 0 || count == kTcpAcknowledgementSize) return;
  filled_ += std::min(count, kTcpRecordSize - filled_);
  if (filled_ < kTcpRecordSize) return;
  TcpRecord record;
  std::memcpy(record.data(), buffer_.data(), kTcpRecordSize);
  // Emptied before the record is handled, so a handler that fails leaves the reader ready for the next.
  filled_ = 0;
  handle(record);
}

}  // namespace trelvik
