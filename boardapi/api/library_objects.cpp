// The library's objects, in one place so that they are built at load in this order and destroyed at unload
// in the reverse order: the API log, the session list, the library object.
#include "boardapi/api/app.h"
#include "boardapi/api/session.h"
#include "boardapi/api/unload_guard.h"
#include "boardapi/log/api_log.h"

CLog theLog;

namespace {
UnloadGuard<SessionList> sessionList;
UnloadGuard<CventrixAPIApp> application;
}  // namespace

SessionList& Sessions() { return sessionList.Get(); }

CventrixAPIApp& theApp = application.Get();
