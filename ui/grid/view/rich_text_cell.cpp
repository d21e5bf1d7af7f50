// A rich-text cell: the cell's text laid out by the grid's hidden rich-edit renderer straight onto the
// canvas, inside the cell margins.
#include <windows.h>
#include <richedit.h>

#include "framework/controls/rich_edit.h"
#include "framework/graphics/canvas.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

constexpr int kTwipsPerInch = 1440;

int ToTwips(int pixels, int pixelsPerInch) { return MulDiv(pixels, kTwipsPerInch, pixelsPerInch); }

}  // namespace

void TVxStringGrid::DrawRichTextCell(int col, int row, const fw::TRect& rect, fw::TCanvas* canvas) {
  if (ComponentState().Contains(fw::csDesigning)) return;
  fw::TRichEdit* renderer = GetRichRenderer();
  if (renderer == nullptr) return;
  LoadCellIntoRichEdit(col, row, renderer);
  HWND window = renderer->Handle();
  SendMessageA(window, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_WINDOW)));
  HDC dc = canvas->Handle();

  const fw::TGridRect selection = Selection();
  const int displayCol = RealToDisplCol(col);
  const bool inRange = displayCol >= selection.Left && displayCol <= selection.Right && row >= selection.Top &&
                       row <= selection.Bottom && !(displayCol == Col() && row == Row() && Focused());
  const bool disjunct = (MouseActions()->DisjunctRowSelect() && GetRowSelect(row)) ||
                        (MouseActions()->DisjunctColSelect() && GetColSelect(col));
  if ((inRange || disjunct) && SelectionTextColor != kColorNotSet && !SelectionRTFKeep &&
      GetMapMode(dc) == MM_TEXT) {
    SendMessageA(window, EM_SETSEL, 0, -1);
    CHARFORMAT2A format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = fw::ColorToRGB(SelectionTextColor);
    SendMessageA(window, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  }

  POINT corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
  LPtoDP(dc, corners, 2);
  const int ppiX = GetDeviceCaps(dc, LOGPIXELSX);
  const int ppiY = GetDeviceCaps(dc, LOGPIXELSY);
  const fw::TPoint margin = CellMargin();
  const int insetX = ToTwips(MulDiv(margin.X, ppiX, 96), ppiX);
  const int insetY = ToTwips(MulDiv(margin.Y, ppiY, 96), ppiY);
  FORMATRANGE range{};
  range.hdc = dc;
  range.hdcTarget = dc;
  range.rc = RECT{ToTwips(corners[0].x, ppiX) + insetX, ToTwips(corners[0].y, ppiY) + insetY,
                  ToTwips(corners[1].x, ppiX) - insetX, ToTwips(corners[1].y, ppiY) - insetY};
  range.rcPage = range.rc;
  range.chrg.cpMin = 0;
  range.chrg.cpMax = -1;
  const int oldMapMode = SetMapMode(dc, MM_TEXT);
  SendMessageA(window, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  SendMessageA(window, EM_FORMATRANGE, FALSE, 0);
  SetMapMode(dc, oldMapMode);
}

}  // namespace ui
