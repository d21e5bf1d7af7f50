// Text helpers. Text is 8-bit ANSI in std::string; Pos, Copy, Delete and Insert count characters
// from 1 as the framework's functions do.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

using AnsiString = std::string;

// Trim: removes control characters and blanks (everything up to ' ') at both ends.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
// ASCII case mapping and ordinal comparisons (<0, 0, >0).
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// Comparisons by the system's ANSI collation, as lists sort.
int AnsiCompareStr(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);

// 1-based: Pos gives 0 when absent (and for an empty needle); Copy clips to the text.
int Pos(std::string_view needle, std::string_view text);
std::string Copy(std::string_view text, std::int64_t index, std::int64_t count);
void Delete(std::string& text, std::int64_t index, std::int64_t count);
void Insert(std::string_view source, std::string& text, std::int64_t index);

enum TReplaceFlag : unsigned { rfReplaceAll = 1, rfIgnoreCase = 2 };
std::string StringReplace(std::string_view text, std::string_view oldPattern, std::string_view newPattern,
                          unsigned flags);

}  // namespace fw
