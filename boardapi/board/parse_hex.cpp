#include "boardapi/board/parse_hex.h"

#include <cctype>

uint32_t ParseHex(std::string_view text) {
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
  uint32_t value = 0;
  for (const char c : text) {
    const int upper = std::toupper(static_cast<unsigned char>(c));
    int digit;
    if (upper >= '0' && upper <= '9') {
      digit = upper - '0';
    } else if (upper >= 'A' && upper <= 'F') {
      digit = upper - 'A' + 10;
    } else {
      break;
    }
    value = (value << 4) | static_cast<uint32_t>(digit);
  }
  return value;
}
