#include "framework/services/messagebox.h"

namespace fw {

namespace {
int ShowWin32MessageBox(const MessageBoxRequest& request) {
  return MessageBoxA(request.Owner, request.Text.c_str(), request.Caption.c_str(), request.Flags);
}
}  // namespace

Service<int(const MessageBoxRequest&)> ShowMessageBox(&ShowWin32MessageBox);

}  // namespace fw
