#include "ui/foundation/html_markup.h"

#include <windows.h>

#include <array>

#include "framework/rtl/ansicase.h"
#include "framework/rtl/textutils.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

std::string HTMLTagValue(std::string_view Tag, std::string_view UpperTag, std::string_view Keyword) {
  const std::size_t at = UpperTag.find(Keyword);
  if (at == std::string_view::npos) return {};
  const std::size_t open = UpperTag.find('"', at + Keyword.size());
  if (open == std::string_view::npos) return {};
  const std::size_t close = UpperTag.find('"', open + 1);
  const std::size_t end = close == std::string_view::npos ? Tag.size() : close;
  if (open + 1 >= Tag.size()) return {};
  return std::string(Tag.substr(open + 1, end - open - 1));
}

bool HTMLTagHas(std::string_view UpperTag, std::string_view Keyword) {
  return UpperTag.find(Keyword) != std::string_view::npos;
}

fw::TColor HTMLColorValue(std::string_view Value) {
  if (!Value.empty() && Value[0] == '#') return HTMLHexColor(Value);
  std::string lower(Value);
  if (!lower.empty()) CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  return HTMLColorByName(lower);
}

fw::TColor HTMLBodyColorValue(std::string_view Value) {
  if (Value.find("CL") != std::string_view::npos) {
    std::string lower(Value);
    CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    return HTMLColorByName(lower);
  }
  const std::size_t hash = Value.find('#');
  if (hash != std::string_view::npos) return HTMLHexColor(Value.substr(hash));
  return HTMLColorValue(Value);
}

namespace {
constexpr int kMaxFontPoints = 1638;
}  // namespace

int HTMLFontSize(std::string_view Value) {
  std::size_t digits = 0;
  while (digits < Value.size() && Value[digits] >= '0' && Value[digits] <= '9') ++digits;
  int size = 0;
  // Sizes beyond what a font can be are the largest one: GDI would fail or crawl on them.
  if (!ReadWholeInteger(Value.substr(0, digits), size, false) || size > kMaxFontPoints) {
    size = digits == 0 ? 0 : kMaxFontPoints;
  }
  switch (size) {
    case 1: return 8;
    case 2: return 10;
    case 3: return 12;
    case 4: return 14;
    case 5: return 16;
    default: return size;
  }
}

namespace {

struct Entity {
  const char* name;
  const char* replacement;
};

constexpr std::array<Entity, 9> kTextEntities{{
    {"&amp;", "&&"},
    {"&quot;", "\""},
    {"&sect;", "\xA7"},
    {"&permil;", "\x89"},
    {"&reg;", "\xAE"},
    {"&copy;", "\xA9"},
    {"&para;", "\xB6"},
    {"&trade;", "\x99"},
    {"&euro;", "\x80"},
}};

}  // namespace

namespace {

std::string ReplaceEntitiesIn(std::string Text) {
  bool replaced = true;
  while (replaced) {
    replaced = false;
    for (const Entity& entity : kTextEntities) {
      if (ReplaceFirstNoCase(entity.name, entity.replacement, Text)) replaced = true;
    }
  }
  return Text;
}

}  // namespace

std::string ReplaceHTMLEntities(std::string Text) {
  if (Text.find('&') == std::string::npos) return Text;
  // A CONTROL tag keeps its entities: its VALUE and PROP are encoded and decoded by the control value
  // codec, and an "&quot;" turned into a quote here would cut the value short.
  const std::string upper = fw::AnsiUpperCase(Text);
  std::string result;
  result.reserve(Text.size());
  std::size_t from = 0;
  while (from < Text.size()) {
    const std::size_t control = upper.find("<CONTROL ", from);
    const std::size_t textEnd = control == std::string::npos ? Text.size() : control;
    result += ReplaceEntitiesIn(Text.substr(from, textEnd - from));
    if (control == std::string::npos) break;
    const std::size_t close = Text.find('>', control);
    const std::size_t tagEnd = close == std::string::npos ? Text.size() : close + 1;
    result.append(Text, control, tagEnd - control);
    from = tagEnd;
  }
  return result;
}

std::string ReplaceRunEntities(std::string Run) {
  if (Run.find('&') == std::string::npos) return Run;
  for (const auto& [entity, text] : {std::pair{"&nbsp;", " "}, std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"}}) {
    Run = fw::StringReplace(Run, entity, text, fw::rfReplaceAll);
  }
  return Run;
}

std::string RemoveFieldMarkerBrackets(std::string Text) { return RemoveFieldMarkers(Text); }

std::string LineBreaksToTags(std::string_view Text) {
  std::string result;
  result.reserve(Text.size());
  for (char c : Text) {
    if (c == '\r') result += "<BR>";
    else if (c != '\n') result += c;
  }
  return result;
}

std::string NextHTMLTextRun(std::string_view Markup, bool WordWrap) {
  const std::size_t tag = Markup.find('<');
  std::string_view run = Markup.substr(0, tag == std::string_view::npos ? Markup.size() : tag);
  if (WordWrap) {
    const std::size_t blank = run.find(' ');
    if (blank != std::string_view::npos) run = run.substr(0, blank + 1);
  }
  return std::string(run);
}

std::size_t HTMLTagLength(std::string_view Markup) {
  const std::size_t close = Markup.find('>');
  return close == std::string_view::npos ? Markup.size() : close + 1;
}

}  // namespace ui
