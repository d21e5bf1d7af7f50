#include "components/net/send_buffer.h"

#include <algorithm>
#include <cstring>

namespace net {

TBuffer::TBuffer(std::int32_t Size) { Resize(Size); }

TBuffer::~TBuffer() { delete[] data_; }

void TBuffer::Resize(std::int32_t NewSize) {
  if (NewSize <= 0) NewSize = kDefaultSize;
  if (NewSize == capacity_) return;
  if (NewSize < writeCount_) return;  // would cut pending bytes off
  auto* block = new std::uint8_t[static_cast<std::size_t>(NewSize)];
  if (writeCount_ > readCount_) std::memcpy(block, data_, static_cast<std::size_t>(writeCount_));
  delete[] data_;
  data_ = block;
  capacity_ = NewSize;
}

std::int32_t TBuffer::Write(const void* Data, std::int32_t Len) {
  const std::int32_t room = capacity_ - writeCount_;
  if (room <= 0 || Len <= 0) return 0;
  const std::int32_t count = std::min(room, Len);
  std::memcpy(data_ + writeCount_, Data, static_cast<std::size_t>(count));
  writeCount_ += count;
  return count;
}

const std::uint8_t* TBuffer::Peek(std::int32_t& Len) const {
  if (writeCount_ > readCount_) {
    Len = writeCount_ - readCount_;
    return data_ + readCount_;
  }
  Len = 0;
  return nullptr;
}

std::int32_t TBuffer::Remove(std::int32_t Len) {
  if (writeCount_ <= readCount_) return 0;
  const std::int32_t count = std::clamp(Len, 0, writeCount_ - readCount_);
  readCount_ += count;
  if (readCount_ >= writeCount_) {
    readCount_ = 0;
    writeCount_ = 0;
  }
  return count;
}

}  // namespace net
