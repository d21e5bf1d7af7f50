// The engine's builds paint with GDI+: the toolkit foundation starts with the tests.
#include "tests/support/test_modules.h"
#include "ui/foundation/foundation_modules.h"

void RegisterTestModules() { ui::RegisterFoundationModules(); }
