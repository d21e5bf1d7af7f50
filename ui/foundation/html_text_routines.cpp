#include "ui/foundation/html_text_routines.h"

#include <array>
#include <climits>
#include <cstdint>

#include "framework/graphics/canvas.h"
#include "framework/rtl/ansicase.h"
#include "framework/rtl/syslocale.h"
#include "framework/rtl/textutils.h"
#include "ui/foundation/style_detection.h"

namespace ui {

namespace {

struct NamedColor {
  const char* name;
  fw::TColor color;
};

constexpr fw::TColor System(int index) { return static_cast<fw::TColor>(0x80000000u | static_cast<unsigned>(index)); }

constexpr std::array<NamedColor, 40> kColorNames = {{
    {"clred", 0x0000FF},         {"clblack", 0x000000},       {"clblue", 0xFF0000},
    {"clgreen", 0x008000},       {"claqua", 0xFFFF00},        {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},     {"clwhite", 0xFFFFFF},       {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},      {"clgray", 0x808080},        {"clolive", 0x008080},
    {"clnavy", 0x800000},        {"clpurple", 0x800080},      {"clteal", 0x808000},
    {"clmaroon", 0x000080},      {"clbackground", System(1)}, {"clactivecaption", System(2)},
    {"clinactivecaption", System(3)}, {"clmenu", System(4)},  {"clwindow", System(5)},
    {"clwindowframe", System(6)}, {"clmenutext", System(7)},  {"clwindowtext", System(8)},
    {"clcaptiontext", System(9)}, {"clactiveborder", System(10)}, {"clinactiveborder", System(11)},
    {"clappworkspace", System(12)}, {"clhighlight", System(13)}, {"clhighlighttext", System(14)},
    {"clbtnface", System(15)},   {"clbtnshadow", System(16)}, {"clgraytext", System(17)},
    {"clbtntext", System(18)},   {"clinactivecaptiontext", System(19)}, {"clbtnhighlight", System(20)},
    {"cl3ddkshadow", System(21)}, {"cl3dlight", System(22)},  {"clinfotext", System(23)},
    {"clinfobk", System(24)},
}};

fw::TColor highlightColor = fw::clHighlight;
fw::TColor highlightTextColor = fw::clHighlightText;
int themeSupport = -1;  // not yet detected

// "<" to the next ">" is a tag; a "<" without one is text.
std::size_t TagEnd(std::string_view text, std::size_t open) { return text.find('>', open); }

// Text outside tags; a "<" without a ">" after it keeps the rest as it is.
std::string WalkOutsideTags(std::string_view text) {
  std::string result;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t open = text.find('<', i);
    if (open == std::string_view::npos) {
      result += text.substr(i);
      break;
    }
    result += text.substr(i, open - i);
    const std::size_t close = TagEnd(text, open);
    if (close == std::string_view::npos) {
      result += text.substr(open);
      break;
    }
    i = close + 1;
  }
  return result;
}

std::string Escape(std::string_view text) {
  return fw::StringReplace(fw::StringReplace(text, "<", "&lt;", fw::rfReplaceAll), ">", "&gt;", fw::rfReplaceAll);
}

}  // namespace

fw::TColor HTMLColorByName(std::string_view Name) {
  for (const NamedColor& entry : kColorNames) {
    if (Name == entry.name) return entry.color;
  }
  return fw::clBlack;
}

int HexPairValue(std::string_view Text) {
  if (Text.size() < 2) return 0;
  const auto digit = [](char c) {
    const int code = static_cast<unsigned char>(c);
    return code <= 64 ? code - 48 : code - 55;
  };
  return 16 * digit(Text[0]) + digit(Text[1]);
}

fw::TColor HTMLHexColor(std::string_view Text) {
  const auto pair = [&Text](std::size_t at) { return at < Text.size() ? HexPairValue(Text.substr(at)) : 0; };
  return pair(1) + pair(3) * 256 + pair(5) * 65536;
}

int PosNoCase(std::string_view Pattern, std::string_view Text) {
  return fw::Pos(fw::UpperCase(Pattern), fw::UpperCase(Text));
}

int PosUpper(std::string_view Pattern, std::string_view Text, int& Position) {
  Position = fw::Pos(Pattern, fw::UpperCase(Text));
  return Position;
}

int PosOut(std::string_view Pattern, std::string_view Text, int& Position) {
  Position = fw::Pos(Pattern, Text);
  return Position;
}

bool ReplaceFirstNoCase(std::string_view Pattern, std::string_view Replacement, std::string& Text) {
  const int at = PosNoCase(Pattern, Text);
  if (at == 0) return false;
  Text.replace(static_cast<std::size_t>(at - 1), Pattern.size(), Replacement);
  return true;
}

int IntOfText(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) negative = Text[i++] == '-';
  int base = 10;
  if (i < Text.size() && (Text[i] == '$' || Text[i] == 'x' || Text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < Text.size() && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  std::uint32_t value = 0;
  for (; i < Text.size(); ++i) {
    const char c = Text[i];
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0) return static_cast<int>(value);  // other characters follow: the digits so far, unsigned
    value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
  }
  return static_cast<int>(negative ? 0u - value : value);  // unsigned: no overflow at the int limits
}

bool ReadWholeInteger(std::string_view Text, int& Value, bool Signed) {
  std::size_t i = 0;
  bool negative = false;
  if (Signed && !Text.empty() && (Text[0] == '-' || Text[0] == '+')) negative = Text[i++] == '-';
  if (i == Text.size()) return false;
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
  std::int64_t value = 0;
  for (; i < Text.size(); ++i) {
    if (Text[i] < '0' || Text[i] > '9') return false;
    value = value * 10 + (Text[i] - '0');
    if (value > limit) return false;
  }
  Value = static_cast<int>(negative ? -value : value);
  return true;
}

std::string LineBreaksToBR(std::string_view Text, bool BreakToBR) {
  std::string result;
  for (const char c : Text) {
    if (c == '\r' && BreakToBR) result += "<BR>";
    else if (c != '\r' && c != '\n') result += c;
  }
  return result;
}

std::string RemoveFieldMarkers(std::string_view Text) {
  std::string result(Text);
  std::size_t from = 0;
  for (std::size_t at; (at = result.find("<#", from)) != std::string::npos; from = at) {
    result.erase(at, 1);
    const std::size_t close = result.find('>', at);
    if (close != std::string::npos) result.erase(close, 1);
  }
  return result;
}

UINT BiDiTextFlags(UINT Flags, int BiDiMode) {
  if (!fw::SysLocale.MiddleEast) return Flags;
  if (BiDiMode == 1) {
    if ((Flags & DT_RIGHT) != 0) Flags &= ~static_cast<UINT>(DT_RIGHT);
    else if ((Flags & DT_CENTER) == 0) Flags |= DT_RIGHT;
  }
  if (BiDiMode != 0) Flags |= DT_RTLREADING;
  return Flags;
}

void SelectRotatedFont(fw::TCanvas* Canvas, int Angle, TRotatedFontState& State) {
  LOGFONTA font{};
  GetObjectA(Canvas->Font()->Handle(), sizeof(font), &font);
  font.lfEscapement = Angle * 10;
  font.lfOrientation = Angle * 10;
  HFONT rotated = CreateFontIndirectA(&font);
  State.Previous = static_cast<HFONT>(SelectObject(Canvas->Handle(), rotated));
}

void RestoreRotatedFont(fw::TCanvas* Canvas, TRotatedFontState& State) {
  if (State.Previous == nullptr) return;
  HGDIOBJ rotated = SelectObject(Canvas->Handle(), State.Previous);
  DeleteObject(rotated);
  State.Previous = nullptr;
}

void DetectThemeSupport() { themeSupport = IsWinXPOrLater() ? 1 : 0; }

bool ThemeSupport() {
  if (themeSupport < 0) DetectThemeSupport();
  return themeSupport == 1;
}

void SetHighlightColors(fw::TColor Background, fw::TColor Text) {
  highlightColor = Background;
  highlightTextColor = Text;
}

fw::TColor HighlightColor() { return highlightColor; }
fw::TColor HighlightTextColor() { return highlightTextColor; }

std::string StripHTML(std::string_view Text) {
  std::string text(Text);
  while (ReplaceFirstNoCase("<BR>", "\r\n", text)) {
  }
  while (ReplaceFirstNoCase("<HR>", "\r\n", text)) {
  }
  return WalkOutsideTags(text);
}

std::string StripTagsForSearch(std::string_view Text) { return WalkOutsideTags(Text); }

int VisibleToTextPos(std::string_view Text, int Index) {
  int visible = 0;
  std::size_t i = 0;
  while (i < Text.size()) {
    if (Text[i] == '<') {
      const std::size_t close = TagEnd(Text, i);
      if (close != std::string_view::npos) {
        i = close + 1;
        continue;
      }
    }
    if (++visible == Index) return static_cast<int>(i) + 1;
    ++i;
  }
  return Index == visible + 1 ? static_cast<int>(Text.size()) + 1 : 0;
}

bool FindTextFrom(std::string_view Search, std::string_view Text, int Offset, int& Position, bool CaseSensitive) {
  const std::string_view rest = Text.substr(std::min<std::size_t>(static_cast<std::size_t>(Offset), Text.size()));
  const int at = CaseSensitive ? fw::Pos(Search, rest) : fw::Pos(fw::AnsiUpperCase(Search), fw::AnsiUpperCase(rest));
  if (at == 0) return false;
  Position = Offset + at;
  return true;
}

void HighlightText(std::string_view Text, std::string_view Search, std::string_view TagName, std::string& Result,
                   bool CaseSensitive) {
  Result = Text;
  std::string search(Search);
  std::string visible = StripTagsForSearch(Result);
  if (fw::Pos(search, Result) > 0 && visible.find_first_of("<>") != std::string::npos) {
    // Literal "<" and ">" in the text: the markup is given up for the escaped visible text.
    Result = Escape(visible);
    search = Escape(search);
    visible = StripTagsForSearch(Result);
  }
  const std::string openTag = "<" + std::string(TagName) + ">";
  const std::string closeTag = "</" + std::string(TagName) + ">";
  const int length = static_cast<int>(search.size());
  int offset = 0;
  int position = 0;
  while (length > 0 && FindTextFrom(search, visible, offset, position, CaseSensitive)) {
    fw::Insert(openTag, Result, VisibleToTextPos(Result, position));
    fw::Insert(closeTag, Result, VisibleToTextPos(Result, position + length));
    offset = position + length - 1;  // the next search starts right after this match
  }
}

void UnhighlightText(std::string_view Text, std::string_view TagName, std::string& Result) {
  Result = Text;
  const std::string name = fw::UpperCase(TagName);
  while (ReplaceFirstNoCase("<" + name + ">", "", Result)) {
  }
  while (ReplaceFirstNoCase("</" + name + ">", "", Result)) {
  }
  Result = fw::StringReplace(fw::StringReplace(Result, "&lt;", "<", fw::rfReplaceAll), "&gt;", ">", fw::rfReplaceAll);
}

}  // namespace ui
