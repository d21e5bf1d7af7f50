#include "framework/rtl/ole.h"

#include <cstdio>

namespace fw {

std::string GUIDToString(const GUID& guid) {
  char text[40];
  std::snprintf(text, sizeof(text), "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
                guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
  return text;
}

HRESULT OleCheck(HRESULT result) {
  if (FAILED(result)) {
    std::string message = SysErrorMessage(static_cast<std::uint32_t>(result));
    if (message.empty()) {
      char code[32];
      std::snprintf(code, sizeof(code), "OLE error %08lX", static_cast<unsigned long>(result));
      message = code;
    }
    throw EOleSysError(message, result);
  }
  return result;
}

}  // namespace fw
