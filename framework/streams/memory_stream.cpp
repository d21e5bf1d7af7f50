#include "framework/streams/memory_stream.h"

#include <algorithm>
#include <cstring>

#include "framework/rtl/exceptions.h"
#include "framework/streams/file_stream.h"

namespace fw {

std::int32_t TMemoryStream::Read(void* Buffer, std::int32_t Count) {
  const auto size = static_cast<std::int64_t>(data_.size());
  if (Count <= 0 || position_ < 0 || position_ >= size) return 0;
  const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(Count, size - position_));
  std::memcpy(Buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

std::int32_t TMemoryStream::Write(const void* Buffer, std::int32_t Count) {
  if (Count <= 0 || position_ < 0) return 0;
  const std::int64_t end = position_ + Count;
  if (end > static_cast<std::int64_t>(data_.size())) data_.resize(static_cast<size_t>(end));
  std::memcpy(data_.data() + position_, Buffer, static_cast<size_t>(Count));
  position_ = end;
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  switch (Origin) {
    case soBeginning: position_ = Offset; break;
    case soCurrent: position_ += Offset; break;
    case soEnd: position_ = static_cast<std::int64_t>(data_.size()) + Offset; break;
  }
  return position_;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  if (NewSize < 0) throw EStreamError("Stream size cannot be negative");
  data_.resize(static_cast<size_t>(NewSize));
  if (position_ > NewSize) position_ = NewSize;
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  const std::int64_t count = Stream->Size();
  std::vector<std::uint8_t> bytes(static_cast<size_t>(count));
  if (count > 0) Stream->ReadBuffer(bytes.data(), static_cast<std::int32_t>(count));
  data_ = std::move(bytes);
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

void TMemoryStream::SaveToStream(TStream* Stream) {
  if (!data_.empty()) Stream->WriteBuffer(data_.data(), static_cast<std::int32_t>(data_.size()));
}

void TMemoryStream::SaveToFile(const std::string& FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

}  // namespace fw
