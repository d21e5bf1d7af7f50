#include "framework/streams/file_stream.h"

#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

DWORD AccessOf(std::uint16_t mode) {
  if ((mode & 0xFF00) == fmCreate) return GENERIC_READ | GENERIC_WRITE;
  switch (mode & 0x3) {
    case fmOpenWrite: return GENERIC_WRITE;
    case fmOpenReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
  }
}

DWORD SharingOf(std::uint16_t mode) {
  switch (mode & 0xF0) {
    case fmShareDenyWrite: return FILE_SHARE_READ;
    case fmShareDenyRead: return FILE_SHARE_WRITE;
    case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;  // exclusive and compatibility
  }
}

}  // namespace

TFileStream::TFileStream(const std::string& FileName, std::uint16_t Mode) : fileName_(FileName) {
  const bool create = (Mode & 0xFF00) == fmCreate;
  handle_ = CreateFileA(FileName.c_str(), AccessOf(Mode), SharingOf(Mode), nullptr,
                        create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) {
    const std::string reason = SysErrorMessage(GetLastError());
    if (create) throw EFCreateError("Cannot create file \"" + FileName + "\". " + reason);
    throw EFOpenError("Cannot open file \"" + FileName + "\". " + reason);
  }
}

TFileStream::~TFileStream() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

std::int32_t TFileStream::Read(void* Buffer, std::int32_t Count) {
  DWORD done = 0;
  if (Count <= 0 || !ReadFile(handle_, Buffer, static_cast<DWORD>(Count), &done, nullptr)) return 0;
  return static_cast<std::int32_t>(done);
}

std::int32_t TFileStream::Write(const void* Buffer, std::int32_t Count) {
  DWORD done = 0;
  if (Count <= 0 || !WriteFile(handle_, Buffer, static_cast<DWORD>(Count), &done, nullptr)) return 0;
  return static_cast<std::int32_t>(done);
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  static constexpr DWORD kMethods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  LARGE_INTEGER distance;
  distance.QuadPart = Offset;
  LARGE_INTEGER moved{};
  if (!SetFilePointerEx(handle_, distance, &moved, kMethods[Origin])) return -1;
  return moved.QuadPart;
}

void TFileStream::SetSize(std::int64_t NewSize) {
  const std::int64_t position = Position();
  SetPosition(NewSize);
  if (!SetEndOfFile(handle_)) {
    SetPosition(position);
    RaiseLastOSError();
  }
  if (position < NewSize) SetPosition(position);
}

}  // namespace fw
