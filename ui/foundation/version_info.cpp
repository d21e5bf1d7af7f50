#include "ui/foundation/version_info.h"

namespace ui {

std::string VersionText(std::uint32_t VersionNr) {
  return std::to_string((VersionNr >> 24) & 0xFF) + "." + std::to_string((VersionNr >> 16) & 0xFF) + "." +
         std::to_string((VersionNr >> 8) & 0xFF) + "." + std::to_string(VersionNr & 0xFF);
}

}  // namespace ui
