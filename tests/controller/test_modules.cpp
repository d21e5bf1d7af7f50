// The program's tests make the main form, which owns the TCP client socket: the socket unit starts too.
#include "components/net/winsock_binding.h"
#include "tests/support/test_modules.h"

void RegisterTestModules() { net::RegisterSocketModules(); }
