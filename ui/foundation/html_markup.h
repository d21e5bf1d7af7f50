// Reading the HTML-subset markup: attribute values of a tag, colour and size values, the entity pass
// over a whole text, the three in-run entities and the next text run. Shared by every build of the
// text engine (canvas, GDI+ and Office), so they read a text the same way. 8-bit ANSI text.
#pragma once

#include <string>
#include <string_view>

#include "framework/graphics/colors.h"

namespace ui {

// The text between the first and the second double quote after the first occurrence of Keyword (upper
// case) in UpperTag; Tag is the text the value is cut from (UpperTag itself, or the tag in its own case
// at the same positions). Empty without the keyword or the first quote; to the end without the second.
std::string HTMLTagValue(std::string_view Tag, std::string_view UpperTag, std::string_view Keyword);
inline std::string HTMLTagValue(std::string_view UpperTag, std::string_view Keyword) {
  return HTMLTagValue(UpperTag, UpperTag, Keyword);
}
bool HTMLTagHas(std::string_view UpperTag, std::string_view Keyword);

// A FONT or P colour value: "#RRGGBB" in hexadecimal, else a colour name (lower-cased), black for an
// unknown name.
fw::TColor HTMLColorValue(std::string_view Value);
// A BODY colour value: a name when it contains "CL", hexadecimal when it contains "#".
fw::TColor HTMLBodyColorValue(std::string_view Value);
// A FONT SIZE value (its leading digits): 1..5 are 8, 10, 12, 14, 16 points; other numbers are points,
// at most 1638.
int HTMLFontSize(std::string_view Value);

// The entity pass over a whole text before layout ("&amp;" becomes "&&", "&quot;", "&sect;", ...),
// repeated until nothing is replaced. CONTROL tags keep their entities: their values are the control
// value codec's (html_controls.h).
std::string ReplaceHTMLEntities(std::string Text);
// "&nbsp;", "&lt;" and "&gt;" inside one text run.
std::string ReplaceRunEntities(std::string Run);
// The "<" of every "<#" removed together with the next ">".
std::string RemoveFieldMarkerBrackets(std::string Text);
// Every CR becomes "<BR>", every LF is dropped.
std::string LineBreaksToTags(std::string_view Text);

// The next text run at the start of Markup: everything before the next "<"; with WordWrap a word and
// its trailing blank when a blank comes first.
std::string NextHTMLTextRun(std::string_view Markup, bool WordWrap);
// The length of the tag at the start of Markup (a "<"), its ">" included; the rest of the text when it
// has no ">".
std::size_t HTMLTagLength(std::string_view Markup);

}  // namespace ui
