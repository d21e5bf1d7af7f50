// Loading a system library by its full path in the system folder, never by bare name: a bare name is searched
// in the host program's folder first, where any file of that name would be taken.
#pragma once

#include <windows.h>

// The module, or null with the last error set (also for a name that does not fit a path).
HMODULE LoadSystemLibrary(const char* fileName);
