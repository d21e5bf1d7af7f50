// The small routines under the HTML-subset text engine: colour names and hex colours, case-insensitive
// search and replace, integer reading, line-break and field-marker pre-processing, right-to-left flags,
// the rotated font; and the three routines other parts call on markup texts: StripHTML (markup to plain
// text), HighlightText and UnhighlightText (mark and unmark the matches of a search text with a tag).
// Text is 8-bit ANSI with 1-based positions. GUI thread (the highlight colours are process-wide).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/graphics/colors.h"

namespace fw {
class TCanvas;
}

namespace ui {

// The colour of a lower-case name ("clred", "clbtnface", ...); black for any other name.
fw::TColor HTMLColorByName(std::string_view Name);
// 16 * first + second of the first two characters as upper-case hexadecimal digits; 0 when shorter.
int HexPairValue(std::string_view Text);
// "#RRGGBB" as a colour (red in the low byte).
fw::TColor HTMLHexColor(std::string_view Text);

int PosNoCase(std::string_view Pattern, std::string_view Text);
int PosUpper(std::string_view Pattern, std::string_view Text, int& Position);  // Pattern in capitals
int PosOut(std::string_view Pattern, std::string_view Text, int& Position);
bool ReplaceFirstNoCase(std::string_view Pattern, std::string_view Replacement, std::string& Text);
// The leading integer of a text: blanks skipped, "$", "x", "X" or "0x" for hexadecimal. When other
// characters follow, the digits read so far without a sign.
int IntOfText(std::string_view Text);
// The toolkit's strict integer reader: the whole text is decimal digits (after one sign when Signed)
// and the number fits an int. False, and Value untouched, for anything else: empty, blanks, other
// characters, too large. Never throws.
bool ReadWholeInteger(std::string_view Text, int& Value, bool Signed = true);
std::string LineBreaksToBR(std::string_view Text, bool BreakToBR);
std::string RemoveFieldMarkers(std::string_view Text);
// DrawText flags for right-to-left text; unchanged unless the system locale reads right to left.
UINT BiDiTextFlags(UINT Flags, int BiDiMode);

// The canvas font turned by Angle degrees, selected into the canvas until RestoreRotatedFont.
struct TRotatedFontState {
  HFONT Previous = nullptr;
};
void SelectRotatedFont(fw::TCanvas* Canvas, int Angle, TRotatedFontState& State);
void RestoreRotatedFont(fw::TCanvas* Canvas, TRotatedFontState& State);

// Windows 5.1 or later (themes available); detected at the first question.
void DetectThemeSupport();
bool ThemeSupport();

void SetHighlightColors(fw::TColor Background, fw::TColor Text);
fw::TColor HighlightColor();
fw::TColor HighlightTextColor();

std::string StripHTML(std::string_view Text);
void HighlightText(std::string_view Text, std::string_view Search, std::string_view TagName, std::string& Result,
                   bool CaseSensitive);
void UnhighlightText(std::string_view Text, std::string_view TagName, std::string& Result);

// The parts of HighlightText.
std::string StripTagsForSearch(std::string_view Text);
// The markup position of visible character number Index; the text length + 1 one past the last; 0 else.
int VisibleToTextPos(std::string_view Text, int Index);
// Finds Search in Text after its first Offset characters; Position = Offset + the position in the rest.
bool FindTextFrom(std::string_view Search, std::string_view Text, int Offset, int& Position, bool CaseSensitive);

}  // namespace ui
