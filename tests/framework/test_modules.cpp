// The framework tests start one pair of their own, so a test can see that main ran the list before it.
#include "tests/support/test_modules.h"

#include "framework/startup/modules.h"
#include "tests/framework/test_module_probe.h"

namespace fw::testing {
bool probeModuleStarted = false;
}

void RegisterTestModules() {
  fw::Modules().Register({"Test probe", [] { fw::testing::probeModuleStarted = true; },
                          [] { fw::testing::probeModuleStarted = false; }});
}
