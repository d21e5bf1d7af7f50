#include "framework/services/filedialogs.h"

#include <algorithm>
#include <commdlg.h>
#include <vector>

namespace fw {

namespace {

template <class Run>
std::optional<std::string> RunFileDialog(const FileDialogRequest& request, DWORD extraOptions, Run run) {
  // The filter in the dialog's form: each part ended by a NUL, the whole by a second one.
  std::string filter = request.Filter;
  std::replace(filter.begin(), filter.end(), '|', '\0');
  filter.append(2, '\0');
  std::vector<char> path(32768, '\0');
  std::copy_n(request.FileName.begin(), std::min(request.FileName.size(), path.size() - 1), path.begin());

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = request.Owner;
  dialog.lpstrFilter = request.Filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(request.FilterIndex);
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = request.InitialDir.empty() ? nullptr : request.InitialDir.c_str();
  dialog.lpstrTitle = request.Title.empty() ? nullptr : request.Title.c_str();
  dialog.lpstrDefExt = request.DefaultExt.empty() ? nullptr : request.DefaultExt.c_str();
  dialog.Flags = request.Options | extraOptions | OFN_EXPLORER;
  if (!run(&dialog)) return std::nullopt;
  return std::string(path.data());
}

std::optional<std::string> OpenWithWin32(const FileDialogRequest& request) {
  return RunFileDialog(request, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, &GetOpenFileNameA);
}

std::optional<std::string> SaveWithWin32(const FileDialogRequest& request) {
  return RunFileDialog(request, OFN_HIDEREADONLY, &GetSaveFileNameA);
}

}  // namespace

Service<std::optional<std::string>(const FileDialogRequest&)> ShowOpenFileDialog(&OpenWithWin32);
Service<std::optional<std::string>(const FileDialogRequest&)> ShowSaveFileDialog(&SaveWithWin32);

}  // namespace fw
