#include "framework/rtl/ansicase.h"

#include <windows.h>

namespace fw {

std::string AnsiUpperCase(std::string_view text) {
  std::string result(text);
  if (!result.empty()) CharUpperBuffA(result.data(), static_cast<DWORD>(result.size()));
  return result;
}

std::string AnsiLowerCase(std::string_view text) {
  std::string result(text);
  if (!result.empty()) CharLowerBuffA(result.data(), static_cast<DWORD>(result.size()));
  return result;
}

}  // namespace fw
