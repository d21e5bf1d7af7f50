#include "boardapi/board/key_matrix_refresh_watcher.h"

#include <windows.h>

#include "boardapi/board/key_matrix_names.h"
#include "boardapi/base/unique_handle.h"

namespace {
constexpr DWORD kEndCheckMs = 500;
}  // namespace

void KeyMatrixRefreshWatcher(std::atomic<bool>* sendRequest, const std::atomic<bool>* readerEnded,
                             const std::string& serial, HANDLE wake) {
  UniqueHandle end(CreateEventA(nullptr, FALSE, FALSE, KeyMatrixEndEventName(serial).c_str()));
  UniqueHandle refresh(CreateEventA(nullptr, FALSE, FALSE, KeyMatrixRefreshEventName(serial).c_str()));
  if (!end) return;
  // The end event comes first, so a refresh asked for while the reader ends is not taken.
  const HANDLE events[] = {end.get(), refresh.get()};
  const DWORD count = refresh ? 2 : 1;
  while (!*readerEnded) {
    const DWORD woken = WaitForMultipleObjects(count, events, FALSE, kEndCheckMs);
    if (woken == WAIT_OBJECT_0 + 1) {
      *sendRequest = true;
      if (wake != nullptr) SetEvent(wake);
    } else if (woken != WAIT_TIMEOUT) {
      return;
    }
  }
}
