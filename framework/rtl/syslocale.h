// What the runtime knows of the system's locale. Filled by the framework's start-up pair (see
// startup/modules.h); until then every flag is off. Tests may set the flags for a scope.
#pragma once

namespace fw {

struct TSysLocale {
  // The system supports right-to-left (Middle-East) reading.
  bool MiddleEast = false;
};

extern TSysLocale SysLocale;

// Reads the flags from the system into SysLocale.
void ReadSysLocale();

}  // namespace fw
