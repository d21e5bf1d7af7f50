#include "tests/support/test_modules.h"

#include "components/net/winsock_binding.h"

void RegisterTestModules() { net::RegisterSocketModules(); }
