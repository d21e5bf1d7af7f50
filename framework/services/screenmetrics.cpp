#include "framework/services/screenmetrics.h"

namespace fw {

namespace {

SIZE SystemScreenSize() { return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

MonitorArea SystemNearestMonitor(POINT screenPoint) {
  MonitorArea area;
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  HMONITOR monitor = MonitorFromPoint(screenPoint, MONITOR_DEFAULTTONEAREST);
  if (monitor != nullptr && GetMonitorInfoA(monitor, &info)) {
    area.Handle = monitor;
    area.Bounds = info.rcMonitor;
    area.WorkArea = info.rcWork;
    return area;
  }
  const SIZE screen = SystemScreenSize();
  area.Bounds = RECT{0, 0, screen.cx, screen.cy};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area.WorkArea, 0)) area.WorkArea = area.Bounds;
  return area;
}

}  // namespace

constinit Service<SIZE()> ScreenSize{&SystemScreenSize};
constinit Service<MonitorArea(POINT)> NearestMonitor{&SystemNearestMonitor};

}  // namespace fw
