// Pieces shared by the library's log lines: the C library's local date and time texts, the bounded message
// formatting, and the trailing newline.
#pragma once

#include <cstdarg>
#include <string>

namespace logline {

// Longest message a log line carries; a longer one is dropped, not cut.
constexpr int kMaxMessageChars = 499;

// "MM/DD/YY" and "HH:MM:SS" (24-hour), local time, as the C library gives them.
std::string DateText();
std::string TimeText();

// Formats the message; false when formatting fails or the result exceeds kMaxMessageChars.
bool FormatBounded(std::string& message, const char* format, va_list args);

// printf-style text of any length; empty when formatting fails.
std::string Text(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Appends "\n" unless the line already ends with one.
void EndWithNewline(std::string& line);

}  // namespace logline
