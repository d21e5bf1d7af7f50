// Second process for the tests through ventrixAPI.dll. Loads the library by name and runs one scenario:
//   first-open                 prints "open=<status>" of the library's first open
//   bind NAME READY RELEASE    opens, binds NAME, prints "bind=<status>", sets event READY, waits for RELEASE,
//                              then unbinds and closes
//   exit-open NAME             leaves the controllers open, NAME bound and the detector running, and ends
//                              the process by returning from main
//   free-open NAME             the same, then unloads the library with FreeLibrary and prints "freed"
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "boardapi/include/ventrixAPI.h"

namespace {

struct Library {
  HMODULE module = nullptr;
  decltype(&ventrix_OpenControllers) open = nullptr;
  decltype(&ventrix_CloseControllers) close = nullptr;
  decltype(&ventrix_Bind) bind = nullptr;
  decltype(&ventrix_UnBind) unbind = nullptr;
  decltype(&ventrix_Enable_DeviceChange_Notification_Callback) notify = nullptr;
};

template <typename Function>
void Resolve(HMODULE module, const char* name, Function& slot) {
  slot = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool Load(Library& library) {
  library.module = LoadLibraryA("ventrixAPI.dll");
  if (library.module == nullptr) return false;
  Resolve(library.module, "ventrix_OpenControllers", library.open);
  Resolve(library.module, "ventrix_CloseControllers", library.close);
  Resolve(library.module, "ventrix_Bind", library.bind);
  Resolve(library.module, "ventrix_UnBind", library.unbind);
  Resolve(library.module, "ventrix_Enable_DeviceChange_Notification_Callback", library.notify);
  return library.open && library.close && library.bind && library.unbind && library.notify;
}

int32_t WINAPI IgnoreChange(int32_t) { return 0; }

// Opens, binds and starts the detector; prints each status.
bool LeaveEverythingOpen(Library& library, const char* name) {
  int32_t session = 0;
  const ApiStatus open = library.open();
  const ApiStatus bind = library.bind(name, &session);
  const ApiStatus notify = library.notify(1, &IgnoreChange);
  std::printf("open=%d bind=%d notify=%d\n", open, bind, notify);
  std::fflush(stdout);
  return open == API_OK && bind == API_OK && notify == API_OK;
}

}  // namespace

int main(int argc, char** argv) {
  Library library;
  if (argc < 2 || !Load(library)) return 2;
  const char* scenario = argv[1];

  if (std::strcmp(scenario, "first-open") == 0) {
    std::printf("open=%d\n", library.open());
    return 0;
  }
  if (std::strcmp(scenario, "bind") == 0 && argc == 5) {
    library.open();
    int32_t session = 0;
    const ApiStatus bind = library.bind(argv[2], &session);
    std::printf("bind=%d\n", bind);
    std::fflush(stdout);
    const HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    const HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[4]);
    if (ready == nullptr || release == nullptr) return 3;
    SetEvent(ready);
    WaitForSingleObject(release, 30000);
    if (bind == API_OK) library.unbind(session);
    library.close();
    return 0;
  }
  if (std::strcmp(scenario, "exit-open") == 0 && argc == 3) {
    return LeaveEverythingOpen(library, argv[2]) ? 0 : 4;
  }
  if (std::strcmp(scenario, "free-open") == 0 && argc == 3) {
    if (!LeaveEverythingOpen(library, argv[2])) return 4;
    FreeLibrary(library.module);
    std::printf("freed\n");
    return 0;
  }
  return 2;
}
