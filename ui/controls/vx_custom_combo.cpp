#include "ui/controls/vx_custom_combo.h"

#include "framework/controls/messages.h"
#include "framework/forms/screen.h"
#include "framework/graphics/gdi_handles.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/theme_library.h"

namespace ui {

TVxCustomCombo::TVxCustomCombo(fw::TComponent* AOwner) : fw::TCustomComboBox(AOwner) {
  buttonWidth_ = GetSystemMetrics(SM_CXVSCROLL) + 2;
  xpOrLater_ = IsWinXPOrLater();
  comCtl6_ = ComCtl6FromVersion(GetFileVersionMS("COMCTL32.DLL"));
}


void TVxCustomCombo::SetColor(fw::TColor value) {
  if (ComponentState().Contains(fw::csLoading)) designColor_ = value;
  fw::TCustomComboBox::SetColor(value);
}

void TVxCustomCombo::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  SetCtl3D(!value);
  if (flatParentColor_ && flat_) {
    if (Parent()) fw::TCustomComboBox::SetColor(Parent()->Color());
  } else {
    fw::TCustomComboBox::SetColor(designColor_);
  }
  Invalidate();
}

void TVxCustomCombo::SetEtched(bool value) {
  if (etched_ == value) return;
  etched_ = value;
  Invalidate();
}

void TVxCustomCombo::SetFlatLineColor(fw::TColor value) {
  flatLineColor_ = value;
  Invalidate();
}

void TVxCustomCombo::SetFlatParentColor(bool value) {
  flatParentColor_ = value;
  Invalidate();
}

void TVxCustomCombo::Loaded() {
  fw::TCustomComboBox::Loaded();
  savedColor_ = designColor_;
  if (!flatParentColor_ || flat_) fw::TCustomComboBox::SetColor(designColor_);
}

bool TVxCustomCombo::Themed() const {
  return comCtl6_ && ThemeLib.IsThemeActive != nullptr && ThemeLib.IsThemeActive();
}

bool TVxCustomCombo::ActiveControl() { return fw::Screen && fw::Screen->ActiveControl() == this; }

bool TVxCustomCombo::DrawBorders() {
  if (Enabled() && !flat_) return false;
  if (!HandleAllocated()) return true;
  HWND window = Handle();
  HDC dc = GetWindowDC(window);
  const bool focusFrame = (mouseInside_ || ActiveControl()) && focusBorder_;
  fw::GdiObject<HBRUSH> brushA(CreateSolidBrush(focusFrame ? GetSysColor(COLOR_BTNFACE)
                                                           : fw::ColorToRGB(Parent() ? Parent()->Color() : Color())));
  fw::GdiObject<HBRUSH> brushB(CreateSolidBrush(fw::ColorToRGB(Color())));
  RECT window_rect{};
  GetWindowRect(window, &window_rect);
  RECT r{0, 0, window_rect.right - window_rect.left, window_rect.bottom - window_rect.top};
  if (focusFrame) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    FrameRect(dc, &r, brushA.Get());
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, brushB.Get());
  } else {
    FrameRect(dc, &r, brushA.Get());
    InflateRect(&r, -1, -1);
    r.right -= buttonWidth_;
    FrameRect(dc, &r, brushA.Get());
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, brushB.Get());
    r.right += buttonWidth_;
  }
  if (flat_ && flatLineColor_ != fw::clNone) {
    fw::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, fw::ColorToRGB(flatLineColor_)));
    fw::SelectedObject selected(dc, pen.Get());
    MoveToEx(dc, r.left - 2, Height() - 1, nullptr);
    LineTo(dc, r.right - buttonWidth_ - 1, Height() - 1);
  }
  if (Style() != fw::csDropDown && (!xpOrLater_ || !Themed())) {
    const fw::TRect client = ClientRect();
    ExcludeClipRect(dc, client.Width() - buttonWidth_ + 4, 4, client.Width() - 4, client.Height() - 4);
    RECT s{client.Width() - buttonWidth_ - 2, 0, window_rect.right - window_rect.left,
           window_rect.bottom - window_rect.top};
    InflateRect(&s, -2, -2);
    if (Enabled() && (mouseInside_ || ActiveControl())) {
      UINT flags = BF_RECT;
      if (DroppedDown()) flags |= BF_FLAT;
      DrawEdge(dc, &s, etched_ ? EDGE_ETCHED : EDGE_RAISED, flags);
    } else {
      RECT fill{s.left, s.top + 1, s.right - 1, s.bottom - 1};
      FillRect(dc, &fill, GetSysColorBrush(COLOR_BTNFACE));
    }
    ExcludeClipRect(dc, s.left, s.top, s.right, s.bottom);
  }
  ReleaseDC(window, dc);
  return true;
}

void TVxCustomCombo::PaintFlat(fw::TMessage& Message) {
  HDC given = reinterpret_cast<HDC>(Message.WParam);
  PAINTSTRUCT paint{};
  HDC dc = given ? given : BeginPaint(Handle(), &paint);
  if (Style() != fw::csDropDown) {
    const fw::TRect client = ClientRect();
    RECT all = client.ToRECT();
    fw::GdiObject<HBRUSH> brush(CreateSolidBrush(fw::ColorToRGB(Color())));
    FillRect(dc, &all, brush.Get());
    RECT window_rect{};
    GetWindowRect(Handle(), &window_rect);
    RECT button{client.Width() - buttonWidth_ + 2, 0, window_rect.right - window_rect.left,
                window_rect.bottom - window_rect.top};
    InflateRect(&button, -1, -1);
    const bool mouseDown = (GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0 || (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
    bool drawn = false;
    if (Themed() && ThemeLib.OpenThemeData && ThemeLib.DrawThemeBackground && ThemeLib.CloseThemeData) {
      if (HTHEME theme = ThemeLib.OpenThemeData(Handle(), L"combobox")) {
        const int state = !Enabled()                                  ? 4
                          : mouseDown && DroppedDown()                ? 3
                          : !mouseDown && buttonHot_ && !DroppedDown() ? 2
                                                                      : 1;
        ThemeLib.DrawThemeBackground(theme, dc, 1, state, &button, nullptr);
        ThemeLib.CloseThemeData(theme);
        drawn = true;
      }
    }
    if (!drawn) {
      DrawFrameControl(dc, &button, DFC_SCROLL,
                       Enabled() ? DFCS_SCROLLCOMBOBOX | DFCS_FLAT : DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE);
    }
    ExcludeClipRect(dc, client.Width() - buttonWidth_ - 4, 0, client.Width() + 2, client.Height());
  }
  PaintWindow(dc);
  if (!given) EndPaint(Handle(), &paint);
  DrawBorders();
}

void TVxCustomCombo::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomComboBox::MouseMove(Shift, X, Y);
  const bool hot = Width() - buttonWidth_ < X && X < Width();
  if (hot != buttonHot_) {
    buttonHot_ = hot;
    Invalidate();
  }
}

void TVxCustomCombo::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (flat_) {
        PaintFlat(Message);
        return;
      }
      break;
    case WM_NCPAINT:
      fw::TCustomComboBox::Dispatch(Message);
      if (flat_) DrawBorders();
      return;
    case fw::CM_ENTER:
    case fw::CM_EXIT:
      fw::TCustomComboBox::Dispatch(Message);
      DrawBorders();
      return;
    case WM_KILLFOCUS:
      fw::TCustomComboBox::Dispatch(Message);
      Invalidate();
      return;
    case fw::CM_MOUSEENTER:
      fw::TCustomComboBox::Dispatch(Message);
      if (!mouseInside_ && Enabled()) {
        mouseInside_ = true;
        DrawBorders();
      }
      if (xpOrLater_) Invalidate();
      return;
    case fw::CM_MOUSELEAVE:
      fw::TCustomComboBox::Dispatch(Message);
      if (mouseInside_ && Enabled()) {
        mouseInside_ = false;
        DrawBorders();
      }
      buttonHot_ = false;
      if (xpOrLater_) Invalidate();
      return;
    case fw::CM_ENABLEDCHANGED:
      if (flat_ && !ComponentState().Contains(fw::csLoading)) {
        if (Enabled()) {
          SetParentColor(savedParentColor_);
          fw::TCustomComboBox::SetColor(savedColor_);
        } else {
          savedParentColor_ = ParentColor();
          savedColor_ = Color();
          SetParentColor(true);
        }
      }
      break;
    case fw::CN_COMMAND: {
      fw::TCustomComboBox::Dispatch(Message);
      const WORD code = HIWORD(Message.WParam);
      if ((code == CBN_DROPDOWN || code == CBN_CLOSEUP) && HandleAllocated()) {
        RECT strip = ClientRect().ToRECT();
        strip.left = strip.right - buttonWidth_;
        InvalidateRect(Handle(), &strip, FALSE);
      }
      if (code == CBN_CLOSEUP && OnDropUp) OnDropUp(this);
      return;
    }
    default:
      break;
  }
  fw::TCustomComboBox::Dispatch(Message);
}

}  // namespace ui
