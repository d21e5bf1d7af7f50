// Cells read and written as integers, floating values and dates, with fixed rules and exact errors; the
// text the grid shows for a cell; and the version.
#include <array>

#include "framework/rtl/datetime.h"
#include "framework/rtl/floattext.h"
#include "framework/rtl/format.h"
#include "framework/rtl/formatsettings.h"
#include "framework/rtl/intconv.h"
#include "framework/rtl/textutils.h"
#include "ui/foundation/text_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// The prefixes a link in a cell text may start with, tried in this order.
constexpr std::array<const char*, 7> kLinkPrefixes{"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://",
                                                   "FTP://"};

// An empty text and a lone minus read as 0.
bool ReadsAsZero(const std::string& text) { return text.empty() || text == "-"; }

// A displayed number (thousand separators, parentheses, a currency sign) as a floating value.
long double FloatOfText(const std::string& text) {
  const std::string trimmed = fw::Trim(text);
  if (ReadsAsZero(trimmed)) return 0;
  std::string plain;
  StripNumberFormatting(trimmed, plain);
  // The plain text has "." for its decimal point whatever the separators are.
  for (char& ch : plain) {
    if (ch == '.') ch = fw::FormatSettings.DecimalSeparator;
  }
  double value = 0;
  if (plain.empty() || !fw::TryStrToFloat(plain, value)) throw EVxGridError("Cell does not contain a float value");
  return value;
}

}  // namespace

void TVxStringGrid::SetInts(int col, int row, int value) {
  SetCellEx(col, row, fw::IntToStr(value));
  if (GetColCountEx() > ColCount()) RepaintCell(DisplayColumnOf(col), row);
}

int TVxStringGrid::GetInts(int col, int row) {
  const std::string text = fw::Trim(GetCellEx(col, row));
  if (ReadsAsZero(text)) return 0;
  std::int32_t value = 0;
  if (!fw::TryStrToInt(text, value)) throw EVxGridError("Cell does not contain integer value");
  return value;
}

void TVxStringGrid::SetFloats(int col, int row, double value) { SetCellEx(col, row, fw::Format(FloatFormat, value)); }

long double TVxStringGrid::GetFloats(int col, int row) { return FloatOfText(GetCellEx(col, row)); }

long double TVxStringGrid::GetRealRowFloats(int col, int realRow) { return FloatOfText(RealRowText(col, realRow)); }

void TVxStringGrid::SetDates(int col, int row, fw::TDateTime value) { SetCellEx(col, row, fw::DateToStr(value)); }

void TVxStringGrid::GetDisplText(int col, int row, std::string& text) {
  TBaseGrid::GetDisplText(col, row, text);
  if (URLShowInText) {
    for (const char* prefix : kLinkPrefixes) {
      std::string linked;
      if (AutoLinkURL(text, prefix, linked)) {
        text = linked;
        break;
      }
    }
  }
  // Node rows show the count of their data rows here once the grid groups rows.
}

bool TVxStringGrid::CellIsWide(int col, int row) { return GetCellEx(col, row).starts_with("|\\"); }

bool TVxStringGrid::IsSortIndicatorCell(int col, int row) {
  if (IsMergedCell(col, row)) row += CellSpan(col, row).Y;
  // No sort settings yet: the indicator row is 0 and not shown.
  constexpr int kSortRow = 0;
  constexpr bool kSortShow = false;
  return row == kSortRow && kSortShow && FixedRows() + 1 < RowCount();
}

std::string TVxStringGrid::Version() {
  const std::uint32_t number = VersionAsNumber();
  return fw::Format("%d.%d.%d.%d", static_cast<int>((number >> 24) & 0xFF), static_cast<int>((number >> 16) & 0xFF),
                    static_cast<int>((number >> 8) & 0xFF), static_cast<int>(number & 0xFF));
}

void TVxStringGrid::RichEditSelectionChanged() {
  if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
}

}  // namespace ui
