// Test areas that start nothing beyond the framework's own pairs.
#include "tests/support/test_modules.h"

void RegisterTestModules() {}
