// A stream in memory that grows as it is written. Memory() points at the bytes until the next change
// of size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/streams/stream.h"

namespace fw {

class TMemoryStream : public TStream {
 public:
  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
  // Keeps the bytes that still fit (new ones are zero); the position stays unless beyond the end.
  void SetSize(std::int64_t NewSize) override;

  void* Memory() { return data_.empty() ? nullptr : data_.data(); }
  void Clear();

  // The whole of Stream (from its start), or of the file; replaces the contents, position 0.
  void LoadFromStream(TStream* Stream);
  void LoadFromFile(const std::string& FileName);
  // Writes the whole contents, whatever the position.
  void SaveToStream(TStream* Stream);
  void SaveToFile(const std::string& FileName);

 private:
  std::vector<std::uint8_t> data_;
  std::int64_t position_ = 0;
};

}  // namespace fw
