#include "boardapi/log/api_log.h"

#include <cstdarg>

namespace {
constexpr int kLevelAlways = 3;
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

  appender_.Append(fileName_, line);
}
