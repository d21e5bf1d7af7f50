// Classifying and cleaning the number texts of the drop-down's numeric edit kinds.
#include "ui/dropdown/dropdown_number_text.h"

#include <algorithm>

#include "framework/rtl/formatsettings.h"

namespace ui::dropdown {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexLetter(char c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

}  // namespace

int ClassifyNumber(std::string_view S) {
  if (S.empty()) return ncOther;
  const char thousands = fw::FormatSettings.ThousandSeparator;
  bool integer = true;
  bool decimal = true;
  bool hexadecimal = true;
  int previousSeparator = -1;
  for (size_t i = 0; i < S.size(); ++i) {
    const char c = S[i];
    const int position = static_cast<int>(i) + 1;
    if (c != '-' && !IsDigit(c)) integer = false;
    if (c != ',' && c != '-' && c != '.' && !IsDigit(c)) decimal = false;
    if (c == thousands) {
      if (position - previousSeparator < 3) decimal = false;
      previousSeparator = position;
    }
    if (c != '-' && !IsDigit(c) && !IsHexLetter(c)) hexadecimal = false;
  }
  int result = ncOther;
  if (hexadecimal && !integer) {
    result = ncHexadecimal;
  } else if (integer) {
    result = ncInteger;
  } else if (decimal) {
    result = ncDecimal;
  }
  const auto minus = std::count(S.begin(), S.end(), '-');
  const auto separators = std::count(S.begin(), S.end(), fw::FormatSettings.DecimalSeparator);
  if (minus > 1 || separators > 1) result = ncOther;
  return result;
}

std::string StripThousandSeparators(std::string_view S) {
  std::string result(S);
  std::erase(result, fw::FormatSettings.ThousandSeparator);
  return result;
}

}  // namespace ui::dropdown
