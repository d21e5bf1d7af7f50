#include "ui/foundation/filter_match.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "framework/rtl/ansicase.h"
#include "framework/rtl/formatsettings.h"
#include "framework/rtl/intconv.h"
#include "framework/rtl/textutils.h"

namespace ui {

namespace {

constexpr std::size_t kMaxBound = 255;
constexpr std::string_view kSeparators = "&|;^(";

// A zero character ends the text, as it ends the texts this language was made for.
std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

bool TryWord(std::string_view text, int& value) {
  std::int32_t parsed = 0;
  if (!fw::TryStrToInt(text, parsed) || parsed < 0 || parsed > 0xFFFF) return false;
  value = parsed;
  return true;
}

// A complete conversion of a normalised number text ("." as decimal point).
bool TryNumber(std::string_view text, double& value) {
  const std::string trimmed = fw::Trim(text);
  if (trimmed.empty()) return false;
  const char* first = trimmed.data();
  const char* last = first + trimmed.size();
  if (*first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

int CompareBytes(std::string_view a, std::string_view b) {
  a = a.substr(0, kMaxBound);
  b = b.substr(0, kMaxBound);
  const int common = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
  if (common != 0) return common;
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// The bound of a comparison clause, starting right after its ">" or "<" (and "=").
std::string BoundText(std::string_view pattern, std::size_t start, bool blankEndsInQuotes) {
  std::size_t i = start;
  while (i < pattern.size() && pattern[i] == ' ') ++i;
  std::string bound;
  int quotes = 0;
  if (i < pattern.size() && pattern[i] == '"') {
    ++quotes;
    ++i;
  }
  for (; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const bool even = quotes % 2 == 0;
    if (c == ' ' && (even || blankEndsInQuotes)) break;
    if ((c == '&' || c == '|') && even) break;
    if (c == '"') ++quotes;
    bound += c;
  }
  if (!bound.empty() && bound.back() == '"') bound.pop_back();
  return bound.substr(0, kMaxBound);
}

// Compares the value with a bound: by number when both are numbers and neither a date, else by date when
// both are dates, else by bytes. <0, 0, >0 as value is below, equal to or above the bound.
int CompareWithBound(std::string_view value, std::string_view bound) {
  double valueNumber = 0, boundNumber = 0;
  fw::TDateTime valueDate = 0, boundDate = 0;
  const bool valueIsDate = ParseFilterDateTime(value, valueDate);
  const bool boundIsDate = ParseFilterDateTime(bound, boundDate);
  if (TryNumber(NormalizeNumberText(value), valueNumber) && TryNumber(NormalizeNumberText(bound), boundNumber) &&
      !valueIsDate && !boundIsDate) {
    return valueNumber < boundNumber ? -1 : valueNumber > boundNumber ? 1 : 0;
  }
  if (valueIsDate && boundIsDate) return valueDate < boundDate ? -1 : valueDate > boundDate ? 1 : 0;
  return CompareBytes(value, bound);
}

// The wildcard walk: "!" negates, quotes are skipped, "*" tries every tail, "?" takes one character.
bool WildcardWalk(std::string_view pattern, std::string_view value, bool& negate) {
  std::size_t p = 0, v = 0;
  while (p < pattern.size()) {
    const char c = pattern[p];
    if (c == '!') {
      negate = true;
      ++p;
      continue;
    }
    if (c == '"') {
      ++p;
      continue;
    }
    if (c == '*') {
      while (p < pattern.size() && pattern[p] == '*') ++p;
      const std::string_view rest = pattern.substr(p);
      const std::string_view remaining = value.substr(v);
      for (std::size_t tail = 0; tail <= remaining.size(); ++tail) {
        if (WildcardWalk(rest, remaining.substr(remaining.size() - tail), negate)) return true;
      }
      return false;
    }
    if (v >= value.size()) return false;
    if (c != '?' && c != value[v]) return false;
    ++p;
    ++v;
  }
  return v == value.size();
}

}  // namespace

std::string NormalizeNumberText(std::string_view S) {
  std::string result;
  for (const char c : S) {
    if (c == fw::FormatSettings.ThousandSeparator) continue;
    result += c == fw::FormatSettings.DecimalSeparator ? '.' : c;
  }
  return result;
}

char FindCharOutsideQuotes(std::string_view CharSet, std::string_view S, int& Position) {
  int quotes = 0;
  for (std::size_t i = 0; i < S.size(); ++i) {
    if (S[i] == '"') ++quotes;
    if (quotes % 2 == 0 && CharSet.find(S[i]) != std::string_view::npos) {
      Position = static_cast<int>(i) + 1;
      return S[i];
    }
  }
  Position = -1;
  return '\0';
}

std::string RemoveBlanksOutsideQuotes(std::string_view S) {
  std::string result;
  int quotes = 0;
  for (const char c : S) {
    if (c == '"') ++quotes;
    if (c == ' ' && quotes % 2 == 0) continue;
    result += c;
  }
  return result;
}

int MatchingParenPosition(std::string_view S) {
  int open = 0, close = 0;
  for (std::size_t i = 0; i < S.size(); ++i) {
    if (S[i] == '(') ++open;
    if (S[i] == ')' && ++close == open) return static_cast<int>(i) + 1;
  }
  return 0;
}

bool ParseFilterDateTime(std::string_view S, fw::TDateTime& DT) {
  const std::string format = fw::UpperCase(fw::FormatSettings.ShortDateFormat);
  const char separator = fw::FormatSettings.DateSeparator;
  // The fields in the order their letters appear in the short date format.
  std::array<std::pair<std::size_t, char>, 3> order = {
      std::pair{format.find('D'), 'D'}, std::pair{format.find('M'), 'M'}, std::pair{format.find('Y'), 'Y'}};
  std::stable_sort(order.begin(), order.end());

  const std::size_t first = S.find(separator);
  if (first == std::string_view::npos) return false;
  const std::string_view rest = S.substr(first + 1);
  const std::size_t second = rest.find(separator);
  if (second == std::string_view::npos) return false;
  std::string third = fw::Trim(rest.substr(second + 1));
  std::string timeText;
  const std::size_t blank = third.find(' ');
  if (blank != std::string::npos) {
    timeText = fw::Trim(std::string_view(third).substr(blank + 1));
    third.resize(blank);
  }
  const std::string_view parts[3] = {S.substr(0, first), rest.substr(0, second), third};
  int day = 0, month = 0, year = 0;
  for (int i = 0; i < 3; ++i) {
    int value = 0;
    if (!TryWord(parts[i], value)) return false;
    (order[i].second == 'D' ? day : order[i].second == 'M' ? month : year) = value;
  }
  if (day > 31 || month > 12) return false;
  fw::TDateTime date = 0;
  if (!fw::TryEncodeDate(year, month, day, date)) return false;
  if (timeText.empty()) {
    DT = date;
    return true;
  }

  const char timeSeparator = fw::FormatSettings.TimeSeparator;
  const std::size_t hourEnd = timeText.find(timeSeparator);
  if (hourEnd == std::string::npos) return false;
  int hour = 0, minute = 0, secondValue = 0;
  if (!TryWord(std::string_view(timeText).substr(0, hourEnd), hour) || hour > 23) return false;
  const std::string_view afterHour = std::string_view(timeText).substr(hourEnd + 1);
  const std::size_t minuteEnd = afterHour.find(timeSeparator);
  if (minuteEnd == std::string_view::npos) {
    if (!TryWord(afterHour, minute)) return false;
  } else if (!TryWord(afterHour.substr(0, minuteEnd), minute) ||
             !TryWord(afterHour.substr(minuteEnd + 1), secondValue) || secondValue > 60) {
    return false;
  }
  if (minute > 59) return false;
  fw::TDateTime time = 0;
  if (!fw::TryEncodeTime(hour, minute, secondValue, 0, time)) return false;
  DT = date + time;
  return true;
}

bool MatchPattern(std::string_view Pattern, std::string_view Value) {
  const std::string_view pattern = UpToZero(Pattern);
  const std::string_view value = UpToZero(Value);
  bool greaterPresent = false, lessPresent = false;
  bool greater = true, less = true;  // a clause not evaluated counts as holding

  const std::size_t gt = pattern.find('>');
  if (gt != std::string_view::npos) {
    const bool inclusive = gt + 1 < pattern.size() && pattern[gt + 1] == '=';
    const int order = CompareWithBound(value, BoundText(pattern, gt + (inclusive ? 2 : 1), false));
    greater = inclusive ? order >= 0 : order > 0;
    greaterPresent = true;
  }
  const std::size_t lt = pattern.find('<');
  if (lt != std::string_view::npos) {
    const bool inclusive = lt + 1 < pattern.size() && pattern[lt + 1] == '=';
    const int order = CompareWithBound(value, BoundText(pattern, lt + (inclusive ? 2 : 1), true));
    less = inclusive ? order <= 0 : order < 0;
    lessPresent = true;
  }
  if (pattern.find('!') != std::string_view::npos) greaterPresent = lessPresent = true;

  const auto has = [&pattern](char c) { return pattern.find(c) != std::string_view::npos; };
  if (has('^') && (greaterPresent || lessPresent)) return greater || less;
  if (has('&') && greaterPresent && lessPresent) return greater && less;
  if (has('>') && greater) return true;
  if (has('<') && less) return true;

  bool negate = false;
  const bool matched = WildcardWalk(pattern, value, negate);
  return negate ? !matched : matched;
}

bool MatchFilterOperand(std::string_view Operand, std::string_view Value, bool CaseSensitive) {
  if (CaseSensitive) return MatchPattern(Operand, Value);
  return MatchPattern(fw::AnsiUpperCase(Operand), fw::AnsiUpperCase(Value));
}

bool MatchFilterCondition(std::string_view Condition, std::string_view Value, bool CaseSensitive) {
  std::string condition = RemoveBlanksOutsideQuotes(fw::Trim(Condition));
  if (!condition.empty() && condition[0] == '=') condition.erase(0, 1);

  bool result = true;
  char pending = '\0';
  const auto combine = [&result, &pending](bool operand) {
    switch (pending) {
      case '\0': result = operand; break;
      case '&': result = result && operand; break;
      case '(': break;  // the empty operand after a group
      default: result = result || operand; break;
    }
  };

  for (;;) {
    int position = -1;
    const char separator = FindCharOutsideQuotes(kSeparators, condition, position);
    if (position == -1) break;
    if (condition[0] == '(') {
      // A group up to its matching ")"; without one, the rest of the condition is the group.
      const int close = MatchingParenPosition(condition);
      const std::size_t end = close > 0 ? static_cast<std::size_t>(close) : condition.size();
      const std::string inside = condition.substr(1, close > 0 ? end - 2 : std::string::npos);
      combine(MatchFilterCondition(inside, Value, CaseSensitive));
      condition.erase(0, end);
    } else {
      combine(MatchFilterOperand(std::string_view(condition).substr(0, static_cast<std::size_t>(position) - 1),
                                 Value, CaseSensitive));
      condition.erase(0, static_cast<std::size_t>(position));
    }
    pending = separator;
  }
  combine(MatchFilterOperand(condition, Value, CaseSensitive));
  return result;
}

}  // namespace ui
