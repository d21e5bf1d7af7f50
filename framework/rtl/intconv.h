// Integers as text and back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/rtl/format.h"

namespace fw {

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal of at least `digits` digits; a negative value as the bit pattern of its own type
// (IntToHex(-1, 2) = "FFFFFFFF" for a 32-bit int).
template <std::integral T>
std::string IntToHex(T value, int digits) {
  return Format("%.*x", digits, value);
}

// Decimal with optional sign, or hexadecimal written "$1F", "0x1F" or "x1F"; leading blanks are allowed,
// anything else (trailing blanks included) is not. Out of range for 32 bits is an error; hexadecimal
// takes the full 32-bit pattern ("$FFFFFFFF" = -1).
std::int32_t StrToInt(std::string_view text);  // EConvertError "'%s' is not a valid integer value"
std::int32_t StrToIntDef(std::string_view text, std::int32_t defaultValue);
bool TryStrToInt(std::string_view text, std::int32_t& value);
std::int64_t StrToInt64(std::string_view text);
std::int64_t StrToInt64Def(std::string_view text, std::int64_t defaultValue);
bool TryStrToInt64(std::string_view text, std::int64_t& value);

}  // namespace fw
