#include "framework/services/imeresult.h"

#include <imm.h>

namespace fw {

namespace {

std::string SystemImeResultString(HWND Window) {
  HIMC context = ImmGetContext(Window);
  if (context == nullptr) return {};
  std::string text;
  const LONG bytes = ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0);
  if (bytes > 0) {
    text.resize(static_cast<size_t>(bytes));
    const LONG read = ImmGetCompositionStringA(context, GCS_RESULTSTR, text.data(), static_cast<DWORD>(bytes));
    text.resize(read > 0 ? static_cast<size_t>(read) : 0);
  }
  ImmReleaseContext(Window, context);
  return text;
}

std::optional<std::wstring> SystemImeResultStringW(HWND Window) {
  HIMC context = ImmGetContext(Window);
  if (context == nullptr) return std::nullopt;
  std::wstring text;
  const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
  if (bytes > 0) {
    text.resize(static_cast<size_t>(bytes) / sizeof(wchar_t));
    const LONG read = ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), static_cast<DWORD>(bytes));
    text.resize(read > 0 ? static_cast<size_t>(read) / sizeof(wchar_t) : 0);
  }
  ImmReleaseContext(Window, context);
  return text;
}

}  // namespace

constinit Service<std::string(HWND)> ImeResultString{&SystemImeResultString};
constinit Service<std::optional<std::wstring>(HWND)> ImeResultStringW{&SystemImeResultStringW};

}  // namespace fw
