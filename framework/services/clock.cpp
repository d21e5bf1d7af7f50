#include "framework/services/clock.h"

#include <windows.h>

namespace fw {

namespace {

std::uint32_t SystemTickCount() { return GetTickCount(); }

void SystemSleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

bool SystemWaitForMessage(std::uint32_t milliseconds) {
  return MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0;
}

TDateTime SystemNow() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return EncodeDate(local.wYear, local.wMonth, local.wDay) +
         EncodeTime(local.wHour, local.wMinute, local.wSecond, local.wMilliseconds);
}

}  // namespace

constinit Service<std::uint32_t()> TickCount{&SystemTickCount};
constinit Service<void(std::uint32_t)> SleepMs{&SystemSleep};
constinit Service<bool(std::uint32_t)> WaitForMessageMs{&SystemWaitForMessage};
constinit Service<TDateTime()> Now{&SystemNow};

}  // namespace fw
