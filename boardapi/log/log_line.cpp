#include "boardapi/log/log_line.h"

#include <shlobj.h>

#include <cstdio>
#include <ctime>

namespace logline {

std::string DateText() {
  _tzset();
  char text[16] = {};
  _strdate(text);
  return text;
}

std::string TimeText() {
  _tzset();
  char text[16] = {};
  _strtime(text);
  return text;
}

bool FormatBounded(std::string& message, const char* format, va_list args) {
  char buffer[kMaxMessageChars + 1];
  const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
  if (length < 0 || length > kMaxMessageChars) return false;
  message.assign(buffer, static_cast<size_t>(length));
  return true;
}

std::string Text(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, args);
    text.resize(static_cast<size_t>(length));
  }
  va_end(args);
  return text;
}

void EndWithNewline(std::string& line) {
  if (line.empty() || line.back() != '\n') line.push_back('\n');
}

std::string AppDataFolder(HWND owner) {
  char folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(owner, folder, CSIDL_APPDATA, FALSE)) return {};
  return folder;
}

void Appender::Append(const std::string& path, const std::string& text) {
  EnterCriticalSection(&section_);
  if (FILE* file = std::fopen(path.c_str(), "a")) {
    std::fputs(text.c_str(), file);
    std::fflush(file);
    std::fclose(file);
  }
  LeaveCriticalSection(&section_);
}

}  // namespace logline
