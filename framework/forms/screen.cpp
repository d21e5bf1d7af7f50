#include "framework/forms/screen.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/controls/cursors.h"
#include "framework/forms/form.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/cursorpos.h"
#include "framework/services/screenmetrics.h"

namespace fw {

namespace {

TScreen screenInstance;

int CALLBACK AddFontFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) {
  // Names starting with '@' are the vertical variants of the same families.
  if (font->lfFaceName[0] != '@') reinterpret_cast<TStringList*>(list)->Add(font->lfFaceName);
  return 1;
}

}  // namespace

TScreen* Screen = &screenInstance;

TScreen::TScreen() : TComponent(nullptr) {
  fonts_.SetSorted(true);
  fonts_.SetDuplicates(dupIgnore);
}

int TScreen::Width() const { return ScreenSize().cx; }

int TScreen::Height() const { return ScreenSize().cy; }

TMonitor TScreen::MonitorFromPoint(TPoint Point) const {
  const MonitorArea area = NearestMonitor(Point.ToPOINT());
  return TMonitor{area.Handle, TRect::FromRECT(area.Bounds), TRect::FromRECT(area.WorkArea)};
}

HCURSOR TScreen::Cursors(TCursor Index) const { return CursorHandle(Index); }

void TScreen::SetCursors(TCursor Index, HCURSOR Handle) {
  RegisterApplicationCursor(Index, Handle);
  // A control showing that number shows the new cursor from the next mouse move on; the screen's own at once.
  if (Index == cursor_ && cursor_ != crDefault) ::SetCursor(CursorHandle(cursor_));
}

void TScreen::LoadCursors(TCursor Index, HINSTANCE Module, const char* Name) {
  auto* cursor = static_cast<HCURSOR>(LoadImageA(Module, Name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
  if (cursor == nullptr) {
    throw EResNotFound(IS_INTRESOURCE(Name) ? "Cursor resource " + std::to_string(reinterpret_cast<uintptr_t>(Name)) + " not found"
                                            : std::string("Cursor resource ") + Name + " not found");
  }
  SetCursors(Index, cursor);
}

int TScreen::PixelsPerInch() const {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

TStrings* TScreen::Fonts() {
  if (!fontsRead_) {
    WindowDC screen(nullptr);
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen.Get(), &wanted, &AddFontFamily, reinterpret_cast<LPARAM>(&fonts_), 0);
    fontsRead_ = true;
  }
  return &fonts_;
}

TFont* TScreen::MenuFont() {
  if (!menuFont_) {
    auto font = std::make_unique<TFont>();
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
      const LOGFONTA& menu = metrics.lfMenuFont;
      font->SetName(menu.lfFaceName);
      if (menu.lfHeight != 0) font->SetHeight(menu.lfHeight);
      TFontStyles style;
      if (menu.lfWeight >= FW_BOLD) style.Include(fsBold);
      if (menu.lfItalic) style.Include(fsItalic);
      if (menu.lfUnderline) style.Include(fsUnderline);
      if (menu.lfStrikeOut) style.Include(fsStrikeOut);
      font->SetStyle(style);
      font->SetCharset(menu.lfCharSet);
    }
    menuFont_ = std::move(font);
  }
  return menuFont_.get();
}

void TScreen::SetCursor(TCursor value) {
  if (cursor_ == value) return;
  cursor_ = value;
  if (value != crDefault) {
    ::SetCursor(CursorHandle(value));
    return;
  }
  // Let the window under the mouse choose its cursor again.
  const POINT p = CursorPos();
  SetCursorPos(p.x, p.y);
}

void TScreen::RemoveForm(TCustomForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

TCustomForm* TScreen::ActiveForm() const {
  const HWND active = GetActiveWindow();
  if (active == nullptr) return nullptr;
  for (TCustomForm* form : forms_) {
    if (form->HandleAllocated() && const_cast<TCustomForm*>(form)->Handle() == active) return form;
  }
  return nullptr;
}

TWinControl* TScreen::ActiveControl() const { return FindControl(GetFocus()); }

}  // namespace fw
