#include "framework/rtl/syslocale.h"

#include <windows.h>

namespace fw {

constinit TSysLocale SysLocale{};

void ReadSysLocale() { SysLocale.MiddleEast = GetSystemMetrics(SM_MIDEASTENABLED) != 0; }

}  // namespace fw
