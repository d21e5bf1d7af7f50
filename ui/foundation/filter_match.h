// The filter-condition language of the grid's filter and search: a left-to-right chain of operands joined
// by "&" (and) and "|", ";", "^" (or), with parenthesised groups; each operand is a comparison (">", ">=",
// "<", "<=" by number, date or text) or a wildcard pattern ("*", "?"), possibly negated with "!". Double
// quotes group text. Numbers and dates follow the framework's FormatSettings, read at each call.
#pragma once

#include <string>
#include <string_view>

#include "framework/rtl/datetime.h"

namespace ui {

bool MatchFilterCondition(std::string_view Condition, std::string_view Value, bool CaseSensitive);
// One operand; without CaseSensitive both texts are upper-cased by the locale first.
bool MatchFilterOperand(std::string_view Operand, std::string_view Value, bool CaseSensitive);
// Comparisons and wildcards of one operand (both texts end at a zero character).
bool MatchPattern(std::string_view Pattern, std::string_view Value);
// A date in the order of the short date format, optionally followed by a blank and a time.
bool ParseFilterDateTime(std::string_view S, fw::TDateTime& DT);
// The first character of S in CharSet outside double quotes, with its 1-based Position; the zero
// character and Position -1 when there is none.
char FindCharOutsideQuotes(std::string_view CharSet, std::string_view S, int& Position);
std::string RemoveBlanksOutsideQuotes(std::string_view S);
// The first ")" at which as many ")" as "(" have been seen, 0 when none.
int MatchingParenPosition(std::string_view S);
// The decimal separator written as "." and thousand separators removed.
std::string NormalizeNumberText(std::string_view S);

}  // namespace ui
