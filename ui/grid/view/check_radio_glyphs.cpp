// Check boxes and radio buttons in cells, in the control look's style: the system's frame controls
// (classic and flat), the glyph bitmaps (XP and NRV), drawn boxes and diamonds (Velkar), the user's glyphs
// and the visual style's parts. csTheme falls back to the classic look where visual styles are off.
#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "ui/foundation/theme_library.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// Theme parts and states of a button.
constexpr int kRadioPart = 2;
constexpr int kCheckPart = 3;
// The button the Velkar, themed and bitmap radio styles draw.
constexpr int kRadioGlyph = 16;

void Probe(const char* what, const fw::TRect& where, int value) {
  if (TVxStringGrid::CellPaintProbe != nullptr) TVxStringGrid::CellPaintProbe(what, where, value);
}

bool ThemeAvailable() {
  return ThemeLib.OpenThemeData != nullptr && ThemeLib.DrawThemeBackground != nullptr &&
         ThemeLib.CloseThemeData != nullptr;
}

// One of the glyph resources, its bottom-left colour left out.
void DrawGlyphResource(fw::TCanvas* canvas, const std::string& name, int x, int y) {
  fw::TBitmap glyph;
  glyph.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  glyph.SetTransparentMode(fw::tmAuto);
  glyph.SetTransparent(true);
  Probe(name.c_str(), fw::TRect{x, y, x + glyph.Width(), y + glyph.Height()}, 0);
  canvas->Draw(x, y, &glyph);
}

// A user glyph drawn transparently (automatic colour), when it is not empty.
void DrawUserGlyph(fw::TCanvas* canvas, fw::TBitmap* glyph, int x, int y) {
  if (glyph == nullptr || glyph->Empty()) return;
  const bool wasTransparent = glyph->Transparent();
  glyph->SetTransparent(true);
  Probe("user glyph", fw::TRect{x, y, x + glyph->Width(), y + glyph->Height()}, 0);
  canvas->Draw(x, y, glyph);
  glyph->SetTransparent(wasTransparent);
}

void DrawThemePart(HWND window, HDC dc, int part, int state, const fw::TRect& box) {
  Probe(part == kCheckPart ? "themed check" : "themed radio", box, state);
  HTHEME theme = ThemeLib.OpenThemeData(window, L"button");
  const RECT r = box.ToRECT();
  ThemeLib.DrawThemeBackground(theme, dc, part, state, &r, nullptr);
  ThemeLib.CloseThemeData(theme);
}

void DrawFrame(HDC dc, const fw::TRect& box, UINT flags, const char* what) {
  Probe(what, box, static_cast<int>(flags));
  RECT r = box.ToRECT();
  DrawFrameControl(dc, &r, DFC_BUTTON, flags);
}

void Line(fw::TCanvas* canvas, int x1, int y1, int x2, int y2) {
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

}  // namespace

void TVxStringGrid::DrawCheckBoxGlyph(fw::TRect rect, bool checked, fw::TCheckBoxState checkState, bool triState,
                                      TControlStyle style, bool grayed, bool enabled) {
  fw::TCanvas* canvas = Canvas();
  TControlLook* look = ControlLook();
  if (look->NoDisabledCheckRadioLook() || look->CheckAlwaysActive()) enabled = true;
  if (triState) {
    checked = checkState == fw::cbChecked;
    grayed = grayed || checkState == fw::cbGrayed;
  }
  if (style == TControlStyle::csTheme && !(PlatformFlags().WinXP && PlatformFlags().ComCtl6 && ThemeAvailable())) {
    style = TControlStyle::csClassic;
  }
  if (UseRightToLeftAlignment()) {
    const int client = ClientWidth();
    rect = fw::TRect{client - rect.Right, rect.Top, client - rect.Left, rect.Bottom};
  }
  const int size = look->CheckSize();
  HDC dc = canvas->Handle();

  switch (style) {
    case TControlStyle::csClassic:
    case TControlStyle::csFlat: {
      const int left = rect.Left + (rect.Width() - size) / 2;
      const int top = rect.Top + (rect.Height() - size) / 2;
      UINT flags = DFCS_BUTTONCHECK;
      if (checked) flags |= DFCS_CHECKED;
      if (grayed) flags |= DFCS_CHECKED | DFCS_BUTTON3STATE;
      if (style == TControlStyle::csFlat) flags |= DFCS_FLAT;
      if (!enabled) flags |= DFCS_INACTIVE;
      DrawFrame(dc, fw::TRect{left, top, left + size, top + size}, flags, "frame check");
      break;
    }
    case TControlStyle::csWinXP:
    case TControlStyle::csNRV: {
      const int first = style == TControlStyle::csNRV ? 1 : 5;
      const int number = first + (checked ? 0 : 1) + (enabled ? 0 : 2);
      DrawGlyphResource(canvas, "ASGCHK0" + std::to_string(number), rect.Left, rect.Top);
      break;
    }
    case TControlStyle::csVelkar: {
      canvas->Brush()->SetColor(enabled ? fw::clBtnFace : fw::clBtnShadow);
      canvas->Pen()->SetColor(fw::clBtnFace);
      canvas->Pen()->SetWidth(1);
      canvas->Rectangle(rect);
      canvas->Pen()->SetColor(fw::clBtnHighlight);
      Line(canvas, rect.Left, rect.Bottom - 1, rect.Left, rect.Top);
      canvas->LineTo(rect.Right - 1, rect.Top);
      canvas->Pen()->SetColor(fw::clBtnShadow);
      canvas->LineTo(rect.Right - 1, rect.Bottom - 1);
      canvas->LineTo(rect.Left, rect.Bottom - 1);
      Probe("velkar check", rect, checked ? 1 : 0);
      if (checked) {
        canvas->Pen()->SetColor(enabled ? look->Color() : 0x808080);
        canvas->Pen()->SetWidth(2);
        const int middle = rect.Top + rect.Height() / 2;
        Line(canvas, rect.Left + 2, middle, rect.Left + 2, rect.Bottom - 1);
        canvas->LineTo(rect.Right - 2, rect.Top + 3);
        canvas->Pen()->SetWidth(1);
      }
      break;
    }
    case TControlStyle::csGlyph:
      DrawUserGlyph(canvas, checked ? look->CheckedGlyph() : look->UnCheckedGlyph(), rect.Left, rect.Top);
      break;
    case TControlStyle::csTheme: {
      int state = checked ? 5 : 1;
      if (grayed) state = 9;
      if (!enabled) state += 3;
      DrawThemePart(Handle(), dc, kCheckPart, state, fw::TRect{rect.Left, rect.Top, rect.Left + size, rect.Top + size});
      break;
    }
  }
}

void TVxStringGrid::DrawRadioGroup(fw::TCanvas* canvas, fw::TRect rect, bool upward, int zoom, TControlStyle style,
                                   int row, int col, bool selected, fw::TStrings* items, bool disabled,
                                   bool horizontal, int index, int count) {
  TControlLook* look = ControlLook();
  if (look->NoDisabledCheckRadioLook() || look->RadioAlwaysActive()) disabled = false;
  if (style == TControlStyle::csTheme && !(PlatformFlags().WinXP && ThemeAvailable())) {
    style = TControlStyle::csClassic;
  }
  HDC dc = canvas->Handle();
  const std::string cellText = GetCellEx(col, row);
  const fw::TColor fontColor = canvas->Font()->Color();
  if (selected && ShowSelection && SelectionTextColor != kColorNotSet) canvas->Font()->SetColor(SelectionTextColor);
  canvas->Brush()->SetStyle(fw::bsClear);

  const bool frameStyle = style == TControlStyle::csClassic || style == TControlStyle::csFlat;
  const bool bitmapStyle = style == TControlStyle::csWinXP || style == TControlStyle::csNRV;
  const int radioSize = look->RadioSize();
  const int button = frameStyle ? radioSize * zoom + (style == TControlStyle::csFlat ? 2 : 0) : kRadioGlyph;
  const int textHeight = canvas->TextHeight("gh");
  const int lineHeight = frameStyle ? textHeight : std::max(kRadioGlyph, textHeight);
  int textsBefore = 0;

  for (int i = 1; i <= count; ++i) {
    const std::string text = items != nullptr && i - 1 < items->Count() ? items->Strings(i - 1) : std::string();
    const bool on = index == -1 ? text == cellText : i == index + 1;
    int bx = 0;
    int by = 0;
    int tx = 0;
    int ty = 0;
    if (horizontal) {
      bx = frameStyle ? rect.Left + 2 + (i - 1) * radioSize + textsBefore : rect.Left + i * kRadioGlyph - 14 + textsBefore;
      by = rect.Top + (rect.Height() - button) / 2;
      tx = bx + (frameStyle ? radioSize * zoom : kRadioGlyph);
      ty = by - (bitmapStyle ? 1 : 2);
      textsBefore += canvas->TextWidth(text);
    } else {
      const int line = upward ? count - i : i - 1;
      by = rect.Top + 2 + line * lineHeight;
      bx = text.empty() ? rect.Left + (rect.Width() - button) / 2 : rect.Left + 2;
      tx = frameStyle ? rect.Left + 2 + (radioSize + 4) * zoom : rect.Left + (bitmapStyle ? 18 : 20);
      ty = rect.Top + line * lineHeight + (bitmapStyle ? 1 : 0);
    }
    const fw::TRect box{bx, by, bx + button, by + button};

    switch (style) {
      case TControlStyle::csClassic:
      case TControlStyle::csFlat: {
        UINT flags = DFCS_BUTTONRADIO;
        if (style == TControlStyle::csFlat) flags |= DFCS_FLAT;
        if (disabled) flags |= DFCS_INACTIVE;
        if (on) flags |= DFCS_CHECKED;
        DrawFrame(dc, box, flags, "frame radio");
        break;
      }
      case TControlStyle::csVelkar: {
        Probe("velkar radio", box, on ? 1 : 0);
        canvas->Brush()->SetStyle(fw::bsSolid);
        canvas->Brush()->SetColor(fw::clBtnFace);
        canvas->Pen()->SetColor(fw::clBtnFace);
        const std::array<fw::TPoint, 4> diamond{fw::TPoint{bx + 2, by + 8}, fw::TPoint{bx + 8, by + 2},
                                                fw::TPoint{bx + 14, by + 8}, fw::TPoint{bx + 8, by + 14}};
        canvas->Polygon(diamond);
        // Lower-left edges grey and upper-right edges white when on, the other way round when off.
        canvas->Pen()->SetColor(on ? 0x808080 : fw::clWhite);
        Line(canvas, bx + 8, by + 14, bx + 2, by + 8);
        canvas->LineTo(bx + 8, by + 2);
        canvas->Pen()->SetColor(on ? fw::clWhite : 0x808080);
        canvas->LineTo(bx + 14, by + 8);
        canvas->LineTo(bx + 8, by + 14);
        if (on) {
          canvas->Brush()->SetColor(look->Color());
          canvas->Pen()->SetColor(look->Color());
          const std::array<fw::TPoint, 4> dot{fw::TPoint{bx + 6, by + 8}, fw::TPoint{bx + 8, by + 6},
                                              fw::TPoint{bx + 10, by + 8}, fw::TPoint{bx + 8, by + 10}};
          canvas->Polygon(dot);
        }
        canvas->Brush()->SetStyle(fw::bsClear);
        break;
      }
      case TControlStyle::csTheme:
        DrawThemePart(Handle(), dc, kRadioPart, (on ? 5 : 1) + (disabled ? 3 : 0), box);
        break;
      case TControlStyle::csWinXP:
      case TControlStyle::csNRV: {
        const int first = style == TControlStyle::csNRV ? 1 : 5;
        DrawGlyphResource(canvas, "ASGRAD0" + std::to_string(first + (on ? 0 : 1) + (disabled ? 2 : 0)), bx, by);
        break;
      }
      case TControlStyle::csGlyph:
        DrawUserGlyph(canvas, on ? look->RadioOnGlyph() : look->RadioOffGlyph(), bx, by);
        break;
    }
    if (!text.empty()) {
      canvas->Brush()->SetStyle(fw::bsClear);
      canvas->TextOut(tx, ty, text);
    }
  }
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Font()->SetColor(fontColor);
}

}  // namespace ui
