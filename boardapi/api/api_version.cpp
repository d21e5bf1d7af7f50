#include "boardapi/api/api_version.h"

#include <cstring>
#include <string>

#include "boardapi/log/machine_info.h"

ApiStatus CopyVersionText(char* buffer, uint32_t* size) {
  const std::string text = GetOwnFileVersion(LibraryModule());
  const uint32_t required = static_cast<uint32_t>(text.size() + 1);
  if (size == nullptr) return API_ERR_NULL_POINTER;
  if (buffer != nullptr) {
    if (*size < required) return API_ERR_BUFFER_TOO_SMALL;
    std::memcpy(buffer, text.c_str(), required);
  }
  *size = required;
  return API_OK;
}
