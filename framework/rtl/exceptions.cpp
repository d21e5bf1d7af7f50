#include "framework/rtl/exceptions.h"

#include <windows.h>

#include "framework/rtl/format.h"

namespace fw {

std::string SysErrorMessage(std::uint32_t errorCode) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      errorCode, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length != 0 ? std::string(buffer, length) : std::string();
  LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

void RaiseLastOSError() { RaiseLastOSError(GetLastError()); }

void RaiseLastOSError(std::uint32_t errorCode) {
  if (errorCode == 0) throw EOSError("A call to an OS function failed", 0);
  throw EOSError(Format("System Error.  Code: %d.\r\n%s", errorCode, SysErrorMessage(errorCode)), errorCode);
}

}  // namespace fw
