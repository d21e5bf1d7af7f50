#include <algorithm>
#include <cctype>
#include <string>

#include "boardapi/api/detector.h"
#include "boardapi/board/parse_hex.h"

namespace {

// The text between `marker` and the next `end`, or empty without the marker.
std::string_view Field(std::string_view path, std::string_view marker, char end) {
  const size_t start = path.find(marker);
  if (start == std::string_view::npos) return {};
  std::string_view rest = path.substr(start + marker.size());
  return rest.substr(0, rest.find(end));
}

}  // namespace

bool IsBoardInterface(std::string_view path, uint32_t interfaceNumber) {
  std::string upper(path);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  const uint32_t vendor = ParseHex(Field(upper, "VID_", '&'));
  const uint32_t product = ParseHex(Field(upper, "PID_", '&'));
  const uint32_t interface = ParseHex(Field(upper, "MI_", '#'));
  const bool boardVendor = vendor == 0x1FD1 || vendor == 0x07C0;
  const bool boardProduct = product == 0x03E8 || product == 0x03EA || product == 0x1583;
  return boardVendor && boardProduct && interface == interfaceNumber;
}
