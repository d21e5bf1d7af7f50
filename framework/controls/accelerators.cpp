#include "framework/controls/accelerators.h"

#include <cctype>

namespace fw {

namespace {

// The character after the accelerator '&', or 0 when the caption has none.
char AccelOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;  // "&&" is a literal '&'
  }
  return 0;
}

}  // namespace

bool IsAccel(WPARAM character, const std::string& caption) {
  const char accel = AccelOf(caption);
  return accel != 0 && character < 0x100 &&
         std::toupper(static_cast<unsigned char>(accel)) == std::toupper(static_cast<int>(character));
}

std::string StripHotkey(const std::string& caption) {
  std::string shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 == caption.size()) break;
      ++i;
    }
    shown += caption[i];
  }
  return shown;
}

}  // namespace fw
