// How a cell's text is aligned, formatted and measured.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/graphics/canvas.h"
#include "framework/rtl/format.h"
#include "framework/rtl/textutils.h"
#include "ui/foundation/html_engine.h"
#include "ui/foundation/text_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

bool IsNumberType(std::uint8_t type) {
  return type == kNumberInteger || type == kNumberFloat || type == kNumberScientific;
}

// A formula starts with "=", in an encoded Unicode text as its fourth character.
bool IsFormulaText(const std::string& text) {
  if (!text.empty() && text[0] == '=') return true;
  return text.size() > 3 && text.compare(0, 2, "|\\") == 0 && text[3] == '=';
}

}  // namespace

int TVxStringGrid::GetCellAlignment(int col, int row) {
  fw::TAlignment hAlign = defaultAlignment_;
  TVAlignment vAlign = VAlignment;
  std::string text = GetCellEx(col, row);
  const bool formula = IsFormulaText(text);
  if (AutoNumAlign) {
    if (formula) GetCellForFilter(col, row, text);
    if (IsNumberType(NumericTextType(fw::Trim(text)))) hAlign = fw::taRightJustify;
  }
  const fw::TPoint base = BaseCellOf(col, row);
  if (!formula && HasCellProperties(base.X, base.Y)) hAlign = GetCellProperties(base.X, base.Y)->Alignment;
  GetAlignment(col, row, hAlign, vAlign);
  return static_cast<int>(hAlign) | (static_cast<int>(vAlign) << 8);
}

std::string TVxStringGrid::GetFormattedCell(int col, int row) {
  std::string text = GetCellEx(col, row);
  if (!OnGetFloatFormat || !IsNumberType(NumericTextType(text))) return text;
  bool isFloat = true;
  std::string format = FloatFormat;
  OnGetFloatFormat(this, col, row, isFloat, format);
  if (!isFloat || format.empty()) return text;
  try {
    if (format.find('d') != std::string::npos) return fw::Format(format, GetInts(col, row));
    return fw::Format(format, static_cast<double>(GetFloats(col, row)));
  } catch (const std::exception&) {
    // A value the format does not fit is shown as it is.
    return text;
  }
}

void TVxStringGrid::GetCellTextExtent(int realCol, int row, fw::TPoint& size, bool reserveButton, bool wrapInWidth) {
  GetCellTextExtentEx(realCol, RealToDisplCol(realCol), size, reserveButton, wrapInWidth, row);
}

void TVxStringGrid::GetCellTextExtentEx(int realCol, int displayCol, fw::TPoint& size, bool reserveButton,
                                        bool wrapInWidth, int row) {
  std::string text = GetFormattedCell(realCol, row);
  std::uint8_t kind = CellTextType(text, EnableHTML);
  fw::TCanvas* canvas = Canvas();
  ApplyCellFont(realCol, displayCol, canvas->Brush(), canvas->Font(), row);
  canvas->Font()->SetSize(canvas->Font()->Size() + ZoomLevel());
  if (kind == kCellFormula) {
    GetCellForFilter(realCol, row, text);
    kind = CellTextType(text, EnableHTML);
  }

  const fw::TPoint area = CellSize(displayCol, row);
  const fw::TPoint margin = CellMargin();
  fw::TRect r{margin.X, margin.Y, area.X - margin.X, area.Y - margin.Y};
  if (reserveButton) r.Right -= 17;
  size = fw::TPoint{0, 0};

  if (kind == kCellHTML) {
    if (!wrapInWidth) r.Right = r.Bottom = 65535;
    THTMLTextParams params;
    params.Text = text;
    params.Bounds = r;
    params.MeasureOnly = true;
    params.ImageList = GetCellImageList(realCol, row);
    params.ThemeWindow = HandleAllocated() ? Handle() : nullptr;
    DrawHTMLText(canvas, params);
    size = fw::TPoint{params.TextWidth + 2, params.TextHeight + 2};
    return;
  }
  // A rich text is measured by the rich-text renderer, which the grid does not have yet.
  if (kind == kCellRTF) return;

  canvas->TextExtent("");  // the cell font into the DC for the direct measures below
  const bool rotated = GetCellType(realCol, row) == ctRotated;
  int w = 0;
  int h = 0;
  if (kind == kCellUnicode) {
    std::wstring wide;
    DecodeUnicodeText(text, wide);
    RECT measured{r.Left, r.Top, r.Right, r.Bottom};
    const UINT flags = WordWrap() || Multilinecells ? DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX
                                                      : DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX;
    DrawTextExW(canvas->Handle(), wide.data(), static_cast<int>(wide.size()), &measured, flags, nullptr);
    w = measured.right - measured.left;
    h = measured.bottom - measured.top;
  } else if (wrapInWidth) {
    r.Right -= 2;
    if (EditorMode() && realCol == RealColIndex(Col()) && row == Row() && !text.empty() && text.back() == '\n') {
      text += "w";
    }
    RECT measured{r.Left, r.Top, r.Right, r.Bottom};
    const UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL |
                       static_cast<UINT>(rotated ? DT_SINGLELINE : DT_WORDBREAK);
    DrawTextExA(canvas->Handle(), text.data(), static_cast<int>(text.size()), &measured, flags, nullptr);
    w = measured.right - measured.left;
    h = measured.bottom - measured.top;
  } else {
    int lines = 0;
    std::string rest = text;
    do {
      std::string line;
      if (Multilinecells) {
        CutFirstLine(rest, true, line);
      } else {
        line = rest;
        rest.clear();
      }
      if (URLShow && !URLFull && IsURL(line)) StripURLProtocol(line);
      w = std::max(w, canvas->TextWidth(line));
      ++lines;
    } while (!rest.empty());
    h = lines * canvas->TextHeight("gh");
  }

  if (rotated) {
    const TCellGraphic* graphic = GetCellGraphic(realCol, row);
    const double angle = (graphic != nullptr ? graphic->CellAngle : 0) * 3.14159265358979323846 / 180.0;
    // The box the turned text covers: both projections of width and height add up.
    const int sinH = static_cast<int>(std::trunc(std::sin(angle) * h));
    const int cosW = static_cast<int>(std::trunc(std::cos(angle) * w));
    const int cosH = static_cast<int>(std::trunc(std::cos(angle) * h));
    const int sinW = static_cast<int>(std::trunc(std::sin(angle) * w));
    size.X = std::abs(sinH) + std::abs(cosW) + 12;
    size.Y = std::abs(cosH) + std::abs(sinW) + 12;
    return;
  }
  size = fw::TPoint{w, h};
}

}  // namespace ui
