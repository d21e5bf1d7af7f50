// The library's objects, in one place so that they are built at load in this order and destroyed at unload
// in the reverse order.
#include "boardapi/log/api_log.h"

CLog theLog;
