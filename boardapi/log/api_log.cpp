#include "boardapi/log/api_log.h"

#include <cstdarg>
#include <cstdio>

#include "boardapi/log/log_line.h"

namespace {
constexpr int kLevelAlways = 3;
}

CLog::CLog() { InitializeCriticalSection(&lock_); }

CLog::~CLog() { DeleteCriticalSection(&lock_); }

void CLog::SetFileName(const std::string& path) {
  EnterCriticalSection(&lock_);
  fileName_ = path;
  LeaveCriticalSection(&lock_);
}

void CLog::Write(int level, const char* name, const char* format, ...) {
  if (level != kLevelAlways && enabled_ != 1) return;

  std::string message;
  va_list args;
  va_start(args, format);
  const bool formatted = logline::FormatBounded(message, format, args);
  va_end(args);
  if (!formatted) return;

  std::string line = logline::Text("%s %s %d [%25s] %s", logline::DateText().c_str(),
                                   logline::TimeText().c_str(), level, name, message.c_str());
  logline::EndWithNewline(line);

  OutputDebugStringA(line.c_str());

  EnterCriticalSection(&lock_);
  if (FILE* file = std::fopen(fileName_.c_str(), "a")) {
    std::fputs(line.c_str(), file);
    std::fflush(file);
    std::fclose(file);
  }
  LeaveCriticalSection(&lock_);
}
