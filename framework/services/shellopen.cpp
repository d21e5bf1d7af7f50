#include "framework/services/shellopen.h"

#include <shellapi.h>

namespace fw {

namespace {

void OpenWithShell(HWND Owner, const std::string& Target) {
  ShellExecuteA(Owner, "open", Target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

constinit Service<void(HWND, const std::string&)> ShellOpen{&OpenWithShell};

}  // namespace fw
