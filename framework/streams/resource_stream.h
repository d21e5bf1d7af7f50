// The bytes of a module's resource as a read-only stream: a name and a type (RT_RCDATA, RT_BITMAP, ...).
// A missing resource raises EResNotFound "Resource <name> not found".
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/streams/stream.h"

namespace fw {

class TResourceStream : public TStream {
 public:
  TResourceStream(HINSTANCE Instance, const std::string& ResName, LPCSTR ResType);
  // A resource named by number.
  TResourceStream(HINSTANCE Instance, int ResID, LPCSTR ResType);

  std::int32_t Read(void* Buffer, std::int32_t Count) override;
  // Resources are read-only: EStreamError "Can't write to a read-only resource stream".
  std::int32_t Write(const void* Buffer, std::int32_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override { return size_; }

  const void* Memory() const { return data_; }

 private:
  void Initialize(HINSTANCE instance, LPCSTR name, LPCSTR type, const std::string& shownName);

  const std::uint8_t* data_ = nullptr;
  std::int64_t size_ = 0;
  std::int64_t position_ = 0;
};

}  // namespace fw
