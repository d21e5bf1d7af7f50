#include "framework/messaging/exception_boundary.h"

#include <utility>

#include "framework/rtl/filenames.h"
#include "framework/services/messagebox.h"

namespace fw {

namespace {

TExceptionBoundaryHandler& InstalledHandler() {
  static TExceptionBoundaryHandler handler;
  return handler;
}

std::string ModuleTitle() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof(path));
  return ChangeFileExt(ExtractFileName(path), "");
}

}  // namespace

void ShowExceptionMessage(const std::string& caption, const Exception& E) {
  ShowMessageBox(MessageBoxRequest{GetActiveWindow(), E.Message(), caption, MB_OK | MB_ICONSTOP});
}

void HandleException(TObject* Sender) noexcept {
  try {
    if (const TExceptionBoundaryHandler& handler = InstalledHandler()) {
      handler(Sender);
    } else {
      WithCurrentException([](Exception& e) { ShowExceptionMessage(ModuleTitle(), e); });
    }
  } catch (...) {
    // The handler itself failed; there is no one left to tell, and Win32 must not see it.
  }
}

TExceptionBoundaryHandler SetExceptionBoundaryHandler(TExceptionBoundaryHandler handler) {
  return std::exchange(InstalledHandler(), std::move(handler));
}

}  // namespace fw
