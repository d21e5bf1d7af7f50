#include "framework/services/cursorpos.h"

namespace fw {

namespace {

POINT SystemCursorPos() {
  POINT p{};
  if (!::GetCursorPos(&p)) p = POINT{};
  return p;
}

HWND SystemWindowAtPoint(POINT screenPoint) { return ::WindowFromPoint(screenPoint); }

}  // namespace

constinit Service<POINT()> CursorPos{&SystemCursorPos};
constinit Service<HWND(POINT)> WindowAtPoint{&SystemWindowAtPoint};

}  // namespace fw
