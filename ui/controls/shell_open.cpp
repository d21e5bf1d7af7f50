#include "ui/controls/shell_open.h"

#include <windows.h>
#include <shellapi.h>

namespace ui {

namespace {

void OpenWithShell(const std::string& Target) {
  ShellExecuteA(nullptr, "open", Target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

fw::Service<void(const std::string& Target)> ShellOpen(OpenWithShell);

}  // namespace ui
