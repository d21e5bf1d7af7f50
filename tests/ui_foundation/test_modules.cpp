#include "tests/support/test_modules.h"

#include "ui/foundation/foundation_modules.h"

void RegisterTestModules() { ui::RegisterFoundationModules(); }
