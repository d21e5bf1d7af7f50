#include "ui/dropdown/uni_flat_combo.h"

#include <optional>

#include "framework/forms/screen.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/services/keystate.h"
#include "ui/foundation/theme_library.h"

namespace ui {

namespace {

constexpr int kMinButtonWidth = 14;
constexpr int kMaxButtonWidth = 32;
constexpr int kThemeDropButton = 1;  // CP_DROPDOWNBUTTON
constexpr int kThemeNormal = 1;      // CBXS_NORMAL
constexpr int kThemePressed = 3;     // CBXS_PRESSED

void FrameIn(HDC dc, const RECT& rect, fw::TColor color) {
  const fw::GdiObject<HBRUSH> brush(CreateSolidBrush(fw::ColorToRGB(color)));
  FrameRect(dc, &rect, brush.Get());
}

}  // namespace

TASGUniCustomCombo::TASGUniCustomCombo(fw::TComponent* AOwner)
    : TCustomUNIComboBox(AOwner),
      savedColor_(Color()),
      savedParentColor_(ParentColor()),
      buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 4) {}

void TASGUniCustomCombo::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  SetCtl3D(!value);
  Invalidate();
}

void TASGUniCustomCombo::SetEtched(bool value) {
  if (etched_ == value) return;
  etched_ = value;
  Invalidate();
}

void TASGUniCustomCombo::SetButtonWidth(int value) {
  if (value < kMinButtonWidth || value > kMaxButtonWidth) return;
  buttonWidth_ = value;
  Invalidate();
}

void TASGUniCustomCombo::SetDropWidth(int value) {
  dropWidth_ = value;
  if (value > 0 && HandleAllocated()) SendMessageW(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(value), 0);
}

void TASGUniCustomCombo::CreateWnd() {
  TCustomUNIComboBox::CreateWnd();
  // A width set before there was a window reaches the new one.
  if (dropWidth_ > 0) SendMessageW(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(dropWidth_), 0);
}

bool TASGUniCustomCombo::ActiveControl() const { return fw::Screen != nullptr && fw::Screen->ActiveControl() == this; }

bool TASGUniCustomCombo::FrameHighlighted() {
  return !ComponentState().Contains(fw::csDesigning) && (mouseInControl_ || ActiveControl()) && focusBorder_;
}

bool TASGUniCustomCombo::ButtonHighlighted() {
  if (ComponentState().Contains(fw::csDesigning)) return Enabled();
  return mouseInControl_ || ActiveControl();
}

RECT TASGUniCustomCombo::WindowRectAtOrigin() const {
  RECT window{};
  GetWindowRect(const_cast<TASGUniCustomCombo*>(this)->Handle(), &window);
  return RECT{0, 0, window.right - window.left, window.bottom - window.top};
}

void TASGUniCustomCombo::PaintFrames() {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  const RECT rect = WindowRectAtOrigin();
  PaintControlFrame(dc, rect, FrameHighlighted());
  if (Style() != fw::csSimple) PaintButtonFrame(dc, rect);
  ReleaseDC(window, dc);
}

void TASGUniCustomCombo::PaintControlFrame(HDC DC, RECT Rect, bool Highlighted) {
  if (Highlighted) {
    DrawEdge(DC, &Rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    FrameIn(DC, Rect, fw::clBtnFace);
  } else {
    const fw::TColor parent = Parent() != nullptr ? Parent()->Brush()->Color() : Color();
    FrameIn(DC, Rect, parent);
    InflateRect(&Rect, -1, -1);
    FrameIn(DC, Rect, parent);
  }
  InflateRect(&Rect, -1, -1);
  FrameIn(DC, Rect, Color());
}

void TASGUniCustomCombo::PaintButtonFrame(HDC DC, RECT Rect) {
  const fw::TRect client = ClientRect();
  ExcludeClipRect(DC, client.Width() - buttonWidth_ + 4, 4, client.Width() - 4, client.Height() - 4);
  Rect.left = client.Width() - buttonWidth_ - 2;
  InflateRect(&Rect, -2, -2);
  if (ButtonHighlighted()) {
    const UINT flags = BF_RECT | (DroppedDown() ? BF_FLAT : 0);
    DrawEdge(DC, &Rect, etched_ ? EDGE_ETCHED : EDGE_RAISED, flags);
  } else {
    const RECT fill{Rect.left, Rect.top + 1, Rect.right - 1, Rect.bottom - 1};
    FillRect(DC, &fill, GetSysColorBrush(COLOR_BTNFACE));
  }
  ExcludeClipRect(DC, Rect.left, Rect.top, Rect.right, Rect.bottom);
}

void TASGUniCustomCombo::DrawButton(HDC DC) {
  const fw::TRect client = ClientRect();
  RECT rect = WindowRectAtOrigin();
  rect.left = client.Width() - buttonWidth_;
  InflateRect(&rect, -1, -1);
  // Themed only while the theme library is there; without it the classic button stands in.
  if (isWinXP_ && ThemeLib.OpenThemeData != nullptr && ThemeLib.DrawThemeBackground != nullptr &&
      ThemeLib.CloseThemeData != nullptr) {
    if (HTHEME theme = ThemeLib.OpenThemeData(Handle(), L"combobox")) {
      const bool mouseDown =
          (fw::AsyncKeyState(VK_LBUTTON) & 0x8000) != 0 || (fw::AsyncKeyState(VK_RBUTTON) & 0x8000) != 0;
      ThemeLib.DrawThemeBackground(theme, DC, kThemeDropButton, mouseDown ? kThemePressed : kThemeNormal, &rect,
                                   nullptr);
      ThemeLib.CloseThemeData(theme);
      return;
    }
  }
  DrawFrameControl(DC, &rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
  ExcludeClipRect(DC, client.Width() - buttonWidth_ - 4, 0, client.Width() + 2, client.Height());
}

void TASGUniCustomCombo::PaintFlat(fw::TMessage& Message) {
  const auto given = reinterpret_cast<HDC>(Message.WParam);
  {
    std::optional<fw::PaintSession> session;
    if (given == nullptr) session.emplace(Handle());
    const HDC dc = given != nullptr ? given : session->DC();
    if (Style() != fw::csSimple) {
      const RECT client = ClientRect().ToRECT();
      FillRect(dc, &client, Brush()->Handle());
      DrawButton(dc);
    }
    PaintWindow(dc);
  }
  PaintFrames();
}

void TASGUniCustomCombo::EnabledChanged() {
  if (!flat_) return;
  if (Enabled()) {
    SetParentColor(savedParentColor_);
    SetColor(savedColor_);
  } else {
    savedParentColor_ = ParentColor();
    savedColor_ = Color();
    SetParentColor(true);
  }
}

void TASGUniCustomCombo::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (flat_) {
        PaintFlat(Message);
        return;
      }
      break;
    case WM_NCPAINT:
      TCustomUNIComboBox::Dispatch(Message);
      if (flat_) PaintFrames();
      return;
    case fw::CM_ENTER:
    case fw::CM_EXIT:
      TCustomUNIComboBox::Dispatch(Message);
      if (!ComponentState().Contains(fw::csDesigning)) PaintFrames();
      return;
    case fw::CM_MOUSEENTER:
      TCustomUNIComboBox::Dispatch(Message);
      if (!mouseInControl_ && Enabled()) {
        mouseInControl_ = true;
        PaintFrames();
      }
      if (autoFocus_ && CanFocus()) SetFocus();
      return;
    case fw::CM_MOUSELEAVE:
      TCustomUNIComboBox::Dispatch(Message);
      if (mouseInControl_ && Enabled()) {
        mouseInControl_ = false;
        PaintFrames();
      }
      return;
    case fw::CM_ENABLEDCHANGED:
      EnabledChanged();
      break;
    case fw::CN_COMMAND: {
      TCustomUNIComboBox::Dispatch(Message);
      const WORD code = HIWORD(Message.WParam);
      if ((code == CBN_DROPDOWN || code == CBN_CLOSEUP) && HandleAllocated()) {
        const fw::TRect client = ClientRect();
        const RECT button{client.Width() - buttonWidth_, 0, client.Width(), client.Height()};
        InvalidateRect(Handle(), &button, FALSE);
      }
      return;
    }
    default:
      break;
  }
  TCustomUNIComboBox::Dispatch(Message);
}

}  // namespace ui
