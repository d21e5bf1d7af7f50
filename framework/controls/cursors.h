#pragma once
// The system cursor behind a framework cursor identifier.
#include <windows.h>

#include "framework/controls/control_types.h"

namespace fw {

HCURSOR CursorHandle(TCursor cursor);

}  // namespace fw
