#include "framework/streams/resource_stream.h"

#include <algorithm>
#include <cstring>

#include "framework/rtl/exceptions.h"

namespace fw {

TResourceStream::TResourceStream(HINSTANCE Instance, const std::string& ResName, LPCSTR ResType) {
  Initialize(Instance, ResName.c_str(), ResType, ResName);
}

TResourceStream::TResourceStream(HINSTANCE Instance, int ResID, LPCSTR ResType) {
  Initialize(Instance, MAKEINTRESOURCEA(ResID), ResType, std::to_string(ResID));
}

// A loaded resource lives as long as its module; nothing is freed here.
void TResourceStream::Initialize(HINSTANCE instance, LPCSTR name, LPCSTR type, const std::string& shownName) {
  HRSRC info = FindResourceA(instance, name, type);
  HGLOBAL loaded = info ? LoadResource(instance, info) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) throw EResNotFound("Resource " + shownName + " not found");
  data_ = static_cast<const std::uint8_t*>(bytes);
  size_ = SizeofResource(instance, info);
}

std::int32_t TResourceStream::Read(void* Buffer, std::int32_t Count) {
  if (Count <= 0 || position_ < 0 || position_ >= size_) return 0;
  const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(Count, size_ - position_));
  std::memcpy(Buffer, data_ + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

std::int32_t TResourceStream::Write(const void*, std::int32_t) {
  throw EStreamError("Can't write to a read-only resource stream");
}

std::int64_t TResourceStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  switch (Origin) {
    case soBeginning: position_ = Offset; break;
    case soCurrent: position_ += Offset; break;
    case soEnd: position_ = size_ + Offset; break;
  }
  return position_;
}

}  // namespace fw
