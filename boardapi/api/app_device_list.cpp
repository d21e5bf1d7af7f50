#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "boardapi/api/app.h"
#include "boardapi/log/log_line.h"

namespace {
constexpr uint32_t kNameBytes = 13;  // twelve characters and a NUL
}

ApiStatus CventrixAPIApp::GetDeviceList(char* buffer, uint32_t* size, const char* modelFilter) {
  if (!controllers_.IsOpen()) return API_ERR_NOT_OPEN;

  // By serial text: the list comes out sorted by serial, each serial once.
  std::map<std::string, CventrixController*> boards;
  if (modelFilter != nullptr) {
    const std::string filter = modelFilter;
    if (filter.size() != 4) return API_ERR_BAD_FILTER;
    boards = controllers_.FilterByModel(filter.substr(0, 2), filter.substr(2, 2));
  } else {
    for (int32_t index = 0; index < controllers_.Count(); ++index) {
      if (CventrixController* board = controllers_.ControllerByIndex(index)) boards[board->GetSerialText()] = board;
    }
  }

  const uint32_t required = kNameBytes * static_cast<uint32_t>(boards.size()) + 1;
  if (size == nullptr) return API_ERR_NULL_POINTER;
  if (buffer == nullptr) {
    *size = required;
    return API_OK;
  }
  if (required > *size) return API_ERR_BUFFER_TOO_SMALL;
  std::memset(buffer, 0, *size);
  *size = required;
  char* name = buffer;
  for (const auto& [serial, board] : boards) {
    const std::string text = logline::Text("%.04X%s", board->GetProductId(), serial.c_str());
    std::memcpy(name, text.c_str(), std::min<size_t>(text.size(), kNameBytes - 1));
    name += kNameBytes;
  }
  return API_OK;
}
