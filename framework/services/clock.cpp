#include "framework/services/clock.h"

#include <windows.h>

namespace fw {

namespace {

std::uint32_t SystemTickCount() { return GetTickCount(); }

void SystemSleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

TDateTime SystemNow() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return EncodeDate(local.wYear, local.wMonth, local.wDay) +
         EncodeTime(local.wHour, local.wMinute, local.wSecond, local.wMilliseconds);
}

}  // namespace

constinit Service<std::uint32_t()> TickCount{&SystemTickCount};
constinit Service<void(std::uint32_t)> SleepMs{&SystemSleep};
constinit Service<TDateTime()> Now{&SystemNow};

}  // namespace fw
