// Pieces shared by the library's two logs: the C library's local date and time texts, the bounded message
// formatting, the trailing newline, the per-user application-data folder, and the locked append of one piece
// of text to a log file.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

namespace logline {

// Longest message a log line carries; a longer one is dropped, not cut.
constexpr int kMaxMessageChars = 499;

// "MM/DD/YY" and "HH:MM:SS" (24-hour), local time, as the C library gives them after refreshing the time zone.
std::string DateText();
std::string TimeText();

// Formats the message; false when formatting fails or the result exceeds kMaxMessageChars.
bool FormatBounded(std::string& message, const char* format, va_list args);

// printf-style text of any length; empty when formatting fails.
std::string Text(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends "\n" unless the line already ends with one.
void EndWithNewline(std::string& line);

// The per-user application-data folder (CSIDL_APPDATA, not created); empty when it cannot be found.
std::string AppDataFolder(HWND owner);

// Serialises the appends of one log object: each append opens the file for appending in text mode, writes,
// flushes and closes it. A file that cannot be opened loses the text silently.
class Appender {
 public:
  Appender() { InitializeCriticalSection(&section_); }
  ~Appender() { DeleteCriticalSection(&section_); }
  Appender(const Appender&) = delete;
  Appender& operator=(const Appender&) = delete;

  void Append(const std::string& path, const std::string& text);

 private:
  CRITICAL_SECTION section_;
};

}  // namespace logline
