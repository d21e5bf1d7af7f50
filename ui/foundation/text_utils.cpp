#include "ui/foundation/text_utils.h"

#include <windows.h>

#include <vector>

#include "framework/rtl/formatsettings.h"
#include "framework/rtl/intconv.h"
#include "framework/rtl/textutils.h"

namespace ui {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

int PosOf(char ch, std::string_view s) {
  const std::size_t at = s.find(ch);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// A complete conversion to a 16-bit value.
bool TryWord(std::string_view text, int& value) {
  std::int32_t parsed = 0;
  if (!fw::TryStrToInt(text, parsed) || parsed < 0 || parsed > 0xFFFF) return false;
  value = parsed;
  return true;
}

// The two short-date parsers: the first number, the second number and the year, or false.
bool SplitDate(std::string_view s, int& first, int& second, int& year) {
  char separator = 0;
  for (const char candidate : {'/', '.', '-'}) {
    if (s.find(candidate) != std::string_view::npos) {
      separator = candidate;
      break;
    }
  }
  if (separator == 0) return false;
  const std::size_t p = s.find(separator);
  const std::string_view rest = s.substr(p + 1);
  const std::size_t q = rest.find(separator);
  if (q == std::string_view::npos) return false;
  const std::string_view yearText = rest.substr(q + 1);
  if (!TryWord(s.substr(0, p), first) || !TryWord(rest.substr(0, q), second) || !TryWord(yearText, year)) {
    return false;
  }
  // One or two digits carry no century; longer years stand as written.
  if (fw::Trim(yearText).size() <= 2) year += year > 25 ? 1900 : 2000;
  return true;
}

}  // namespace

int MaxOf(int A, int B) { return A > B ? A : B; }
int MinOf(int A, int B) { return A < B ? A : B; }

int CheckLimits(int Value, int Lower, int Upper) {
  if (Lower == Upper) return Value;
  const int r = (Value < Lower && Lower > 0) ? Lower : Value;
  return (Value > Upper && Upper > 0) ? Upper : r;
}

bool IsInGridRect(const TGridRect& Rect, int Col, int Row) {
  return Rect.Left <= Col && Col <= Rect.Right && Rect.Top <= Row && Row <= Rect.Bottom;
}

int VarPos(std::string_view SubStr, std::string_view S, int& Position) {
  Position = fw::Pos(SubStr, S);
  return Position;
}

int VarCharPos(char Ch, std::string_view S, int& Position) {
  const int at = PosOf(Ch, S);
  if (at > 0) Position = at;
  return at;
}

int CharPos(char Ch, std::string_view S) { return PosOf(Ch, S); }

int PosInUpperCase(std::string_view SubStr, std::string_view S) { return fw::Pos(SubStr, fw::UpperCase(S)); }

int WidePos(std::wstring_view SubStr, std::wstring_view S) {
  if (SubStr.empty() || SubStr.size() > S.size()) return 0;
  const std::size_t at = S.find(SubStr);
  return at == std::wstring_view::npos ? 0 : static_cast<int>(at) + 1;
}

void CutAtDelimiter(std::string& S, std::string_view Delimiter, std::string& Part) {
  Part.clear();
  const int p = fw::Pos(Delimiter, S);
  if (p > 0) {
    Part = S.substr(0, p - 1);
    S.erase(0, p);
  }
}

void CutFirstLine(std::string& S, bool KeepRest, std::string& Line) {
  const std::size_t cr = S.find(CR);
  if (cr == std::string::npos) {
    Line = S;
    S.clear();
    return;
  }
  Line = S.substr(0, cr);
  S.erase(0, cr + 1);
  if (!S.empty() && S[0] == LF) S.erase(0, 1);
  if (!KeepRest) S.clear();
}

int LineCount(std::string_view S, bool MultiLine) { return MultiLine ? 1 + CharCount(CR, S) : 1; }

int CharCount(char Ch, std::string_view S) {
  int count = 0;
  for (const char c : S) count += c == Ch ? 1 : 0;
  return count;
}

int FindUnpairedChar(char Ch, std::string_view S, int& Position) {
  const int length = static_cast<int>(S.size());
  int i = 1;
  while (i <= length) {
    if (S[i - 1] != Ch) {
      ++i;
      continue;
    }
    const int start = i;
    while (i <= length && S[i - 1] == Ch) ++i;
    if (i > length) return Position = length;               // the run reaches the end
    if ((i - start) % 2 == 1) return Position = i - 1;      // an odd run ends before i
  }
  return Position = 0;
}

int CountUnpairedChar(char Ch, std::string_view S) {
  std::string rest(S);
  int count = 0;
  int position = 0;
  while (FindUnpairedChar(Ch, rest, position) > 0) {
    ++count;
    rest.erase(0, static_cast<std::size_t>(position));
  }
  return count;
}

void RemoveDoubledChar(char Ch, std::string_view S, std::string& R) {
  if (S.find(Ch) == std::string_view::npos) {
    R = S;
    return;
  }
  R.clear();
  for (std::size_t i = 0; i < S.size(); ++i) {
    R += S[i];
    if (S[i] == Ch && i + 1 < S.size() && S[i + 1] == Ch) ++i;
  }
}

bool IsDigit(char Ch) { return Ch >= '0' && Ch <= '9'; }
bool IsDigitOrMinus(char Ch) { return Ch == '-' || IsDigit(Ch); }

bool IsNumberChar(char Ch) {
  return IsDigit(Ch) || Ch == 'E' || Ch == 'e' || Ch == fw::FormatSettings.ThousandSeparator ||
         Ch == fw::FormatSettings.DecimalSeparator;
}

bool IsFloatChar(char Ch) { return Ch == '+' || Ch == '-' || Ch == '.' || IsDigit(Ch) || Ch == 'E' || Ch == 'e'; }
bool IsNumberOrSignChar(char Ch) { return IsNumberChar(Ch) || Ch == '+' || Ch == '-'; }

std::uint8_t CellTextType(std::string_view S, bool AllowHTML) {
  const std::string text = std::string(S) + ' ';
  if (text[0] == '=') return kCellFormula;
  if (StartsWith(text, "|\\")) {
    return (text.size() > 4 && text[3] == '=' && text[4] == '\0') ? kCellFormula : kCellUnicode;
  }
  if (StartsWith(text, "{\\")) return kCellRTF;
  if (AllowHTML) {
    for (const char* tag : {"</", "<B", "<I", "<C"}) {
      if (text.find(tag) != std::string::npos) return kCellHTML;
    }
  }
  return kCellPlain;
}

std::uint8_t NumericTextType(std::string_view S) {
  if (S.empty()) return kNumberNone;
  const char thousand = fw::FormatSettings.ThousandSeparator;
  const char decimal = fw::FormatSettings.DecimalSeparator;
  bool allInteger = true, floating = true, exponentValid = true, hasExponent = false;
  int lastThousand = -1, decimals = 0, minuses = 0;
  const int length = static_cast<int>(S.size());
  for (int i = 1; i <= length; ++i) {
    const char c = S[i - 1];
    const bool isE = c == 'e' || c == 'E';
    if (!IsDigitOrMinus(c)) allInteger = false;
    if (isE) {
      if (hasExponent) exponentValid = false;
      hasExponent = true;
    }
    if (i > 1 && c == '-') allInteger = floating = false;
    if (i == 1 && isE) exponentValid = false;
    if (i == length && (isE || c == '+' || c == '-')) exponentValid = false;
    if (!IsDigit(c) && c != '-' && c != thousand && c != decimal) floating = false;
    if (!IsNumberOrSignChar(c) || c == thousand) exponentValid = false;
    if (c == thousand) {
      if (lastThousand != -1 && i - lastThousand < 4) floating = false;
      lastThousand = i;
    }
    if (c == decimal) ++decimals;
    if (c == '-') ++minuses;
  }
  if (allInteger) return kNumberInteger;
  std::uint8_t result = kNumberNone;
  if (floating && !hasExponent) {
    result = kNumberFloat;
  } else if (exponentValid && hasExponent) {
    result = kNumberScientific;
    if (minuses == 2) minuses = 1;
  }
  if (minuses > 1 || decimals > 1) result = kNumberNone;
  return result;
}

bool LooksLikeDate(std::string_view S) {
  const char separator = fw::FormatSettings.DateSeparator;
  const int first = PosOf(separator, S);
  if (first <= 1) return false;
  return PosOf(separator, S.substr(static_cast<std::size_t>(first))) > 1;
}

bool IsURL(std::string_view S) {
  return S.find("://") != std::string_view::npos || S.find("mailto:") != std::string_view::npos;
}

void StripNumberFormatting(std::string_view S, std::string& R) {
  R.clear();
  std::string text = fw::Trim(S);
  if (text.empty()) return;
  bool negative = text.front() == '(' && text.back() == ')';
  while (text.size() >= 2 && !IsNumberChar(text[0])) {
    if (text[0] == '-') negative = true;
    text.erase(0, 1);
  }
  for (const char c : text) {
    if (c == fw::FormatSettings.ThousandSeparator) continue;
    if (c == fw::FormatSettings.DecimalSeparator) {
      R += '.';
    } else if (IsFloatChar(c)) {
      R += c;
    } else {
      break;
    }
  }
  if (negative) R.insert(R.begin(), '-');
}

void StripURLProtocol(std::string& S) {
  for (const char* marker : {"://", "mailto:"}) {
    const std::size_t at = S.find(marker);
    if (at != std::string::npos) {
      S.erase(0, at + std::string_view(marker).size());
      return;
    }
  }
}

void DecodeNewLineEscapes(std::string_view S, std::string& R) { R = fw::StringReplace(S, "\\n", std::string(1, CR), fw::rfReplaceAll); }

void EncodeCellLineBreaks(std::string& S) { S = '"' + fw::StringReplace(S, "\r\n", "\x0B", fw::rfReplaceAll) + '"'; }

void DecodeCellLineBreaks(std::string& S) {
  if (S.find('\x0B') != std::string::npos) S = fw::StringReplace(S, "\x0B", "\r\n", fw::rfReplaceAll);
}

void DecodeTildeLineBreaks(std::string& S) {
  S = fw::StringReplace(S, "~", "\r\n", fw::rfReplaceAll);
  if (S == "^") S.clear();
}

void EscapeLineBreaks(std::string_view S, std::string& R) {
  R = S;
  if (S.find(CR) == std::string_view::npos) return;
  for (char& c : R) {
    if (c == CR) c = '\x09';
    else if (c == LF) c = '\x08';
    else if (c == '\0') c = '\x01';
  }
}

void UnescapeLineBreaks(std::string_view S, bool MultiLine, std::string& R) {
  R = S;
  if (S.find('\x08') != std::string_view::npos) {
    for (char& c : R) {
      if (c == '\x09') c = CR;
      else if (c == '\x08') c = LF;
      else if (c == '\x01') c = '\0';
    }
  }
  if (!MultiLine) {
    std::string line;
    CutFirstLine(R, false, line);
    R = line;
  }
}

void CRToLF(std::string_view S, std::string& R) {
  R = S;
  for (char& c : R) {
    if (c == CR) c = LF;
  }
}

void FillWithChar(std::string& S, char Ch) { S.assign(S.size(), Ch); }

void OemToAnsiString(std::string& S) {
  std::vector<char> source(S.begin(), S.end());
  source.push_back('\0');
  std::vector<char> target(source.size(), '\0');
  OemToCharA(source.data(), target.data());
  S.assign(target.data(), S.size());
}

void DecodeUnicodeText(std::string_view S, std::wstring& W) {
  W.clear();
  if (StartsWith(S, "|\\")) {
    for (std::size_t i = 2; i + 1 < S.size(); i += 2) {
      const auto high = static_cast<unsigned char>(S[i]);
      const auto low = static_cast<unsigned char>(S[i + 1]);
      W += static_cast<wchar_t>((high << 8) | low);
    }
    return;
  }
  if (S.empty()) return;
  const int size = MultiByteToWideChar(CP_ACP, 0, S.data(), static_cast<int>(S.size()), nullptr, 0);
  W.resize(static_cast<std::size_t>(size));
  MultiByteToWideChar(CP_ACP, 0, S.data(), static_cast<int>(S.size()), W.data(), size);
}

void EncodeUnicodeText(std::wstring_view W, std::string& S) {
  S = "|\\";
  for (const wchar_t c : W) {
    S += static_cast<char>((static_cast<unsigned>(c) >> 8) & 0xFF);
    S += static_cast<char>(static_cast<unsigned>(c) & 0xFF);
  }
}

void ProperCase(std::string_view S, std::string& R) {
  R = S;
  bool capitalise = true;
  const int length = static_cast<int>(S.size());
  for (int i = 1; i <= length; ++i) {
    const char c = S[i - 1];
    if (c == ' ' || c == '\'' || c == ',' || c == '-' || c == '.') {
      capitalise = true;
    } else if (capitalise) {
      R[i - 1] = AsciiUpper(c);
      capitalise = false;
    } else {
      R[i - 1] = AsciiLower(c);
    }
    if (R.compare(0, static_cast<std::size_t>(i), "Mc") == 0) capitalise = true;
    if (i > 2 && i == fw::Pos(" Mc", R) + 2) capitalise = true;
    if (i > length - 3 && (fw::Copy(R, i - 1, 2) == " I" || fw::Copy(R, i - 2, 3) == " II")) capitalise = true;
  }
}

bool AutoLinkURL(std::string_view S, std::string_view Prefix, std::string& R) {
  if (fw::Pos(Prefix, fw::UpperCase(S)) == 0) return false;
  R = fw::StringReplace(fw::StringReplace(S, "<", "&lt;", fw::rfReplaceAll), ">", "&gt;", fw::rfReplaceAll);
  const int p = fw::Pos(Prefix, fw::UpperCase(R));
  const auto inLink = [](char c) {
    return c == '%' || c == '(' || c == ')' || c == '-' || c == '.' || c == '/' || IsDigit(c) || c == ':' ||
           c == '@' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '\\' || c == '_' || c == '{' ||
           c == '}';
  };
  int end = p;
  while (end <= static_cast<int>(R.size()) && inLink(R[end - 1])) ++end;
  const std::string link = R.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(end - p));
  fw::Insert("<a href=\"" + link + "\">", R, p);
  fw::Insert("</a>", R, p + 2 * static_cast<int>(link.size()) + 11);
  return true;
}

bool ParseRowColReference(std::string_view S, fw::TPoint& P) {
  std::string text = fw::UpperCase(S);
  if (text.size() <= 3 || text[0] != 'R') return false;
  text.erase(0, 1);
  const std::size_t c = text.find('C');
  if (c == std::string::npos) return false;
  std::int32_t row = 0, col = 0;
  if (!fw::TryStrToInt(text.substr(0, c), row) || !fw::TryStrToInt(text.substr(c + 1), col)) return false;
  P.X = col;
  P.Y = row;
  return true;
}

fw::TDateTime ParseDateMDY(std::string_view S) {
  int month = 0, day = 0, year = 0;
  if (!SplitDate(S, month, day, year)) return 0;
  return fw::EncodeDate(year, month, day);
}

fw::TDateTime ParseDateDMY(std::string_view S) {
  int day = 0, month = 0, year = 0;
  if (!SplitDate(S, day, month, year)) return 0;
  return fw::EncodeDate(year, month, day);
}

fw::TDateTime IncDateParts(std::int16_t Years, std::int16_t Months, std::int16_t Days, fw::TDateTime Date,
                           double Step) {
  std::uint16_t year = 0, month = 0, day = 0;
  fw::DecodeDate(Date, year, month, day);
  if (Days != 0 && Years == 0 && Months == 0) return Date + Days;
  if (Years != 0 && Months == 0 && Days == 0) return fw::EncodeDate(year + Years, month, day);
  if (Months != 0 && Years == 0 && Days == 0) {
    int newYear = year;
    int newMonth = month + Months;
    if (newMonth == 0) {
      newMonth = 12;
      --newYear;
    } else if (newMonth > 12) {
      newMonth -= 12;
      ++newYear;
    }
    return fw::EncodeDate(newYear, newMonth, day);
  }
  return Date + Step;
}

}  // namespace ui
