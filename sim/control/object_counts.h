// How many GDI objects, kernel handles and windows the process holds, for tests and soak runs that check that
// nothing is left behind. Windows reports the first two (GetGuiResources, GetProcessHandleCount); Wine reports
// neither, so there they are counted: the live entries of GDI's handle table (a handle given by its table index
// alone names the entry at that index whatever its generation) and the handle values the process can query.
#pragma once

#include <windows.h>

namespace testsupport {

inline long GdiObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<long>(reported);
  GdiFlush();
  long live = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
  }
  return live;
}

// Kernel handles; where the system reports none, the open handle values below 64 Ki (handle values are
// multiples of four and handed out lowest first).
inline long KernelHandleCount() {
  DWORD reported = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &reported) && reported != 0) return static_cast<long>(reported);
  long open = 0;
  DWORD flags = 0;
  for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++open;
  }
  return open;
}

// USER objects; where the system reports none, the process's windows (top-level and child, message-only ones
// included), which is where this program's USER objects would grow.
inline long UserObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (reported != 0) return static_cast<long>(reported);
  struct Count {
    long windows = 0;
    static BOOL CALLBACK Child(HWND, LPARAM count) {
      ++reinterpret_cast<Count*>(count)->windows;
      return TRUE;
    }
    static BOOL CALLBACK TopLevel(HWND window, LPARAM count) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process != GetCurrentProcessId()) return TRUE;
      ++reinterpret_cast<Count*>(count)->windows;
      EnumChildWindows(window, Child, count);
      return TRUE;
    }
  } count;
  EnumWindows(Count::TopLevel, reinterpret_cast<LPARAM>(&count));
  // Message-only windows are not top-level windows: they are found under their own parent.
  for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
       window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
    Count::TopLevel(window, reinterpret_cast<LPARAM>(&count));
  }
  return count.windows;
}

}  // namespace testsupport
