// Text and value routines of the grid and the drop-downs: searching and cutting strings, classifying cell
// texts and numbers, the grid's line-break encodings, the "|\" encoding of 16-bit text inside 8-bit
// strings, URL detection and linking, proper-casing, dates and a few integer routines.
// Text is 8-bit ANSI, positions are 1-based (0 = not found). Routines that depend on the separators or the
// short date format read the framework's process-wide FormatSettings at each call. No state is kept.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/graphics/geometry.h"
#include "framework/rtl/datetime.h"

namespace ui {

// A block of grid cells, both corners included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// Cell-text kinds of CellTextType.
constexpr std::uint8_t kCellPlain = 0;
constexpr std::uint8_t kCellHTML = 1;
constexpr std::uint8_t kCellRTF = 2;
constexpr std::uint8_t kCellFormula = 3;
constexpr std::uint8_t kCellUnicode = 5;

// Number kinds of NumericTextType.
constexpr std::uint8_t kNumberInteger = 0;
constexpr std::uint8_t kNumberFloat = 1;
constexpr std::uint8_t kNumberNone = 2;
constexpr std::uint8_t kNumberScientific = 5;

// Integers and grid blocks.
int MaxOf(int A, int B);
int MinOf(int A, int B);
// Value kept within Lower..Upper, a limit of 0 or less being ignored; Value itself when the limits are equal.
int CheckLimits(int Value, int Lower, int Upper);
bool IsInGridRect(const TGridRect& Rect, int Col, int Row);

// Searching and cutting.
int VarPos(std::string_view SubStr, std::string_view S, int& Position);
int VarCharPos(char Ch, std::string_view S, int& Position);  // Position written only when found
int CharPos(char Ch, std::string_view S);
int PosInUpperCase(std::string_view SubStr, std::string_view S);  // SubStr is passed in capitals
int WidePos(std::wstring_view SubStr, std::wstring_view S);
// Part := the text before the delimiter, which S loses with the delimiter; Part := '' without one.
void CutAtDelimiter(std::string& S, std::string_view Delimiter, std::string& Part);
// Line := the text before the first CR; S loses it with the CR (and a following LF), and is emptied
// unless KeepRest.
void CutFirstLine(std::string& S, bool KeepRest, std::string& Line);
int LineCount(std::string_view S, bool MultiLine);
int CharCount(char Ch, std::string_view S);
int FindUnpairedChar(char Ch, std::string_view S, int& Position);
int CountUnpairedChar(char Ch, std::string_view S);
void RemoveDoubledChar(char Ch, std::string_view S, std::string& R);

// Classification.
bool IsDigit(char Ch);
bool IsDigitOrMinus(char Ch);
bool IsNumberChar(char Ch);
bool IsFloatChar(char Ch);
bool IsNumberOrSignChar(char Ch);
std::uint8_t CellTextType(std::string_view S, bool AllowHTML);
std::uint8_t NumericTextType(std::string_view S);
bool LooksLikeDate(std::string_view S);
bool IsURL(std::string_view S);

// Conversions.
void StripNumberFormatting(std::string_view S, std::string& R);
void StripURLProtocol(std::string& S);
void DecodeNewLineEscapes(std::string_view S, std::string& R);
void EncodeCellLineBreaks(std::string& S);
void DecodeCellLineBreaks(std::string& S);
void DecodeTildeLineBreaks(std::string& S);
void EscapeLineBreaks(std::string_view S, std::string& R);
void UnescapeLineBreaks(std::string_view S, bool MultiLine, std::string& R);
void CRToLF(std::string_view S, std::string& R);
void FillWithChar(std::string& S, char Ch);
void OemToAnsiString(std::string& S);
void DecodeUnicodeText(std::string_view S, std::wstring& W);
void EncodeUnicodeText(std::wstring_view W, std::string& S);
void ProperCase(std::string_view S, std::string& R);
bool AutoLinkURL(std::string_view S, std::string_view Prefix, std::string& R);
// "R<row>C<col>" into P (X = column, Y = row).
bool ParseRowColReference(std::string_view S, fw::TPoint& P);

// Dates: 0 when the text does not parse; an impossible date raises the framework's EConvertError.
fw::TDateTime ParseDateMDY(std::string_view S);
fw::TDateTime ParseDateDMY(std::string_view S);
fw::TDateTime IncDateParts(std::int16_t Years, std::int16_t Months, std::int16_t Days, fw::TDateTime Date,
                           double Step);

}  // namespace ui
