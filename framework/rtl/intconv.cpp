#include "framework/rtl/intconv.h"

#include <limits>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

namespace fw {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Parses text into a value of `bits` bits (32 or 64). Decimal must fit the signed range; hexadecimal may
// use every bit and is read as the two's-complement pattern.
bool ParseInteger(std::string_view text, int bits, std::int64_t& value) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  unsigned base = 10;
  if (at < text.size() && text[at] == '$') {
    base = 16;
    ++at;
  } else if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
    base = 16;
    at += 2;
  } else if (at < text.size() && (text[at] == 'x' || text[at] == 'X')) {
    base = 16;
    ++at;
  }
  if (at >= text.size()) return false;
  const std::uint64_t hexLimit = bits == 64 ? std::numeric_limits<std::uint64_t>::max() : 0xFFFFFFFFull;
  const std::uint64_t decimalLimit = (bits == 64 ? 0x8000000000000000ull : 0x80000000ull) - (negative ? 0 : 1);
  const std::uint64_t limit = base == 16 ? hexLimit : decimalLimit;
  std::uint64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    const int digit = HexDigit(text[at]);
    if (digit < 0 || static_cast<unsigned>(digit) >= base) return false;
    if (magnitude > (limit - static_cast<unsigned>(digit)) / base) return false;
    magnitude = magnitude * base + static_cast<unsigned>(digit);
  }
  if (base == 16 && bits == 32) magnitude = static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(magnitude)));
  const std::uint64_t result = negative ? 0 - magnitude : magnitude;
  value = static_cast<std::int64_t>(result);
  return true;
}

// Parses into T (32 or 64 bits), raising EConvertError or falling back to a default.
template <class T>
bool TryParse(std::string_view text, T& value) {
  std::int64_t parsed = 0;
  if (!ParseInteger(text, sizeof(T) * 8, parsed)) return false;
  value = static_cast<T>(parsed);
  return true;
}

template <class T>
T ParseOrRaise(std::string_view text) {
  T value = 0;
  if (!TryParse(text, value)) throw EConvertError(Format("'%s' is not a valid integer value", text));
  return value;
}

template <class T>
T ParseOrDefault(std::string_view text, T defaultValue) {
  T value = 0;
  return TryParse(text, value) ? value : defaultValue;
}

}  // namespace

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

bool TryStrToInt(std::string_view text, std::int32_t& value) { return TryParse(text, value); }
std::int32_t StrToInt(std::string_view text) { return ParseOrRaise<std::int32_t>(text); }
std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue) { return ParseOrDefault(text, defaultValue); }

bool TryStrToInt64(std::string_view text, std::int64_t& value) { return TryParse(text, value); }
std::int64_t StrToInt64(std::string_view text) { return ParseOrRaise<std::int64_t>(text); }
std::int64_t StrToInt64Def(std::string_view text, std::int64_t defaultValue) { return ParseOrDefault(text, defaultValue); }

}  // namespace fw
