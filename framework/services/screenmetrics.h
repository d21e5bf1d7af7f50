// The display as the program reads it: the primary screen's size and the monitor nearest a point with
// its work area (the part the task bar and docked bars leave free). Tests set up screens by replacing them.
#pragma once

#include <windows.h>

#include "framework/services/service.h"

namespace fw {

struct MonitorArea {
  HMONITOR Handle = nullptr;  // null when the system reported no monitor
  RECT Bounds{};
  RECT WorkArea{};
};

// The primary screen's width and height in pixels.
extern Service<SIZE()> ScreenSize;
// The monitor nearest to a screen point. When the system names none, the primary screen's bounds and
// the system's work area stand for it.
extern Service<MonitorArea(POINT screenPoint)> NearestMonitor;

}  // namespace fw
