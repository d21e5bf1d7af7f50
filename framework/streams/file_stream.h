// A stream over a file. The mode joins one access value with one sharing value:
//   fmCreate (create or empty the file, read and write), fmOpenRead, fmOpenWrite, fmOpenReadWrite;
//   fmShareExclusive, fmShareDenyWrite, fmShareDenyRead, fmShareDenyNone (fmShareCompat: as exclusive).
// Failing to open raises EFOpenError, failing to create EFCreateError, both with the system's reason.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/streams/stream.h"

namespace fw {

constexpr std::uint16_t fmCreate = 0xFF00;
constexpr std::uint16_t fmOpenRead = 0x0000;
constexpr std::uint16_t fmOpenWrite = 0x0001;
constexpr std::uint16_t fmOpenReadWrite = 0x0002;
constexpr std::uint16_t fmShareCompat = 0x0000;
constexpr std::uint16_t fmShareExclusive = 0x0010;
constexpr std::uint16_t fmShareDenyWrite = 0x0020;
constexpr std::uint16_t fmShareDenyRead = 0x0030;
constexpr std::uint16_t fmShareDenyNone = 0x0040;

class TFileStream : public TStream {
 public:
  TFileStream(const std::string& FileName, std::uint16_t Mode);
  ~TFileStream() override;

  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(std::int64_t NewSize) override;

  const std::string& FileName() const { return fileName_; }
  HANDLE Handle() const { return handle_; }

 private:
  std::string fileName_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace fw
