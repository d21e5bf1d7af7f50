// How many GDI objects the process holds, for tests that check that drawing leaves none behind. Windows
// reports the figure (GetGuiResources); Wine reports none, so there the live entries of GDI's handle
// table are counted: a handle given by its table index alone (no generation in the high word) names the
// entry at that index whatever its generation.
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

}  // namespace testsupport
