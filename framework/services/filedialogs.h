// The open and save file dialog services: a test scripts the path chosen (or a cancel) and sees the
// request.
#pragma once

#include <optional>
#include <string>
#include <windows.h>

#include "framework/services/service.h"

namespace fw {

struct FileDialogRequest {
  HWND Owner = nullptr;
  std::string Title;
  // Pairs of description and pattern separated by '|': "INI files (*.ini)|*.ini|All files|*.*".
  std::string Filter;
  int FilterIndex = 1;
  std::string InitialDir;
  std::string FileName;
  std::string DefaultExt;
  DWORD Options = 0;  // OFN_* flags
};

// The chosen path, or nothing when the user cancelled.
extern Service<std::optional<std::string>(const FileDialogRequest&)> ShowOpenFileDialog;
extern Service<std::optional<std::string>(const FileDialogRequest&)> ShowSaveFileDialog;

}  // namespace fw
