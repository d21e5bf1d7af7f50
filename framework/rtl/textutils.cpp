#include "framework/rtl/textutils.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace fw {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

int Sign(int value) { return (value > 0) - (value < 0); }

int CollationCompare(std::string_view a, std::string_view b, DWORD flags) {
  const int result = CompareStringA(LOCALE_USER_DEFAULT, flags, a.data(), static_cast<int>(a.size()), b.data(),
                                    static_cast<int>(b.size()));
  return result == 0 ? 0 : result - CSTR_EQUAL;
}

// Index clamped into [1, length + 1], as a 0-based offset.
std::size_t Offset(std::string_view text, std::int64_t index) {
  return static_cast<std::size_t>(std::clamp<std::int64_t>(index, 1, static_cast<std::int64_t>(text.size()) + 1) - 1);
}

}  // namespace

std::string Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

std::string TrimLeft(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return std::string(text);
}

std::string TrimRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), AsciiUpper);
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return result;
}

int CompareStr(std::string_view a, std::string_view b) { return Sign(a.compare(b)); }

int CompareText(std::string_view a, std::string_view b) { return CompareStr(UpperCase(a), UpperCase(b)); }

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

int AnsiCompareStr(std::string_view a, std::string_view b) { return CollationCompare(a, b, 0); }

int AnsiCompareText(std::string_view a, std::string_view b) { return CollationCompare(a, b, NORM_IGNORECASE); }

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }

int Pos(std::string_view needle, std::string_view text) {
  if (needle.empty()) return 0;
  const std::size_t at = text.find(needle);
  return at == std::string_view::npos ? 0 : static_cast<int>(at + 1);
}

std::string Copy(std::string_view text, std::int64_t index, std::int64_t count) {
  if (count <= 0) return std::string();
  return std::string(text.substr(Offset(text, index), static_cast<std::size_t>(count)));
}

void Delete(std::string& text, std::int64_t index, std::int64_t count) {
  if (index < 1 || index > static_cast<std::int64_t>(text.size()) || count <= 0) return;
  text.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

void Insert(std::string_view source, std::string& text, std::int64_t index) {
  text.insert(Offset(text, index), source);
}

std::string StringReplace(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                          unsigned flags) {
  if (oldPattern.empty()) return std::string(text);
  const bool ignoreCase = (flags & rfIgnoreCase) != 0;
  const std::string haystack = ignoreCase ? UpperCase(text) : std::string(text);
  const std::string needle = ignoreCase ? UpperCase(oldPattern) : std::string(oldPattern);
  std::string result;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = haystack.find(needle, from);
    if (at == std::string::npos) break;
    result.append(text.substr(from, at - from)).append(newPattern);
    from = at + needle.size();
    if ((flags & rfReplaceAll) == 0) break;
  }
  return result.append(text.substr(from));
}

}  // namespace fw
