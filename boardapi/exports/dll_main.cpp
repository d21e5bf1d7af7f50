// Entry point of ventrixAPI.dll. The library's objects are static objects of the core (built in order at
// load, destroyed in reverse at unload, after this entry point has seen the detach); the entry point only
// tells them how the library is being unloaded.
#include <windows.h>

#include "boardapi/base/process_exit.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // A non-null reserved pointer at detach means ExitProcess, not FreeLibrary.
  if (reason == DLL_PROCESS_DETACH) NoteUnloading(reserved != nullptr);
  return TRUE;
}
