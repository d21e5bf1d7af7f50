#include "ui/dropdown/wide_text.h"

#include <windows.h>

#include "ui/foundation/gdip_graphics.h"

namespace ui {

std::wstring WidenText(std::string_view Text) { return AnsiToWide(Text); }

std::string NarrowText(std::wstring_view Text) {
  if (Text.empty()) return {};
  const int size = static_cast<int>(Text.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, Text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, Text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace ui
