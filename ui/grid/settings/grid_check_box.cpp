#include "ui/grid/settings/grid_check_box.h"

#include <windowsx.h>

#include "framework/controls/accelerators.h"
#include "framework/controls/messages.h"
#include "ui/controls/transparent_painting.h"
#include "ui/foundation/theme_library.h"
#include "ui/grid/model/grid_platform.h"
#include "ui/grid/settings/grid_unit.h"

namespace ui {

namespace {

constexpr int kBoxArea = 20;

}  // namespace

TVxCheckBox::TVxCheckBox(fw::TComponent* AOwner) : TCustomControl(AOwner) {
  SetBoundsFields(0, 0, 98, 20);
  // The control fires its click itself.
  controlStyle_ = fw::TControlStyle{fw::csCaptureMouse, fw::csDoubleClicks, fw::csSetCaption};
  SetCaption("TVxCheckBox");
  SetTabStop(true);
  const TWindowsVersion version = GridWindowsVersion();
  winXP_ = version.Major > 5 || (version.Major == 5 && version.Minor > 0);
}

void TVxCheckBox::SetAlignment(fw::TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TVxCheckBox::SetButtonVertAlign(fw::TTextLayout value) {
  if (value == buttonVertAlign_) return;
  buttonVertAlign_ = value;
  Invalidate();
}

void TVxCheckBox::SetChecked(bool value) {
  SetState(value ? fw::cbChecked : fw::cbUnchecked);
  Invalidate();
}

void TVxCheckBox::SetState(fw::TCheckBoxState value) {
  if (value == state_) return;
  state_ = value;
  InvalidateBox(kBoxArea);
}

void TVxCheckBox::SetEllipsis(bool value) {
  ellipsis_ = value;
  Invalidate();
}

void TVxCheckBox::SetTransparent(bool value) {
  transparent_ = value;
  backgroundValid_ = false;
  Invalidate();
}

void TVxCheckBox::SetTransparentCaching(bool value) {
  caching_ = value;
  backgroundValid_ = false;
}

void TVxCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft != Left() || ATop != Top() || AWidth != Width() || AHeight != Height()) backgroundValid_ = false;
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TVxCheckBox::Toggle() {
  if (ReadOnly) return;
  SetChecked(!Checked());
}

bool TVxCheckBox::Themed() const { return VisualStylesInUse(); }

// The strip of the given width at the box's side, full height.
void TVxCheckBox::InvalidateBox(int size) {
  if (!HandleAllocated()) return;
  const int width = ClientWidth();
  const RECT area = alignment_ == fw::taRightJustify ? RECT{width - size, 0, width, ClientHeight()}
                                                       : RECT{0, 0, size, ClientHeight()};
  ::InvalidateRect(Handle(), &area, TRUE);
}

fw::TRect TVxCheckBox::BoxRect() {
  const int width = ClientWidth();
  const int height = ClientHeight();
  const bool themed = Themed();
  const int size = themed ? 14 : 13;
  const int x = alignment_ == fw::taRightJustify ? width - (themed ? 15 : 13) : 0;
  int y = 4;
  if (buttonVertAlign_ == fw::tlCenter) y = height / 2 - 6;
  if (buttonVertAlign_ == fw::tlBottom) y = height - (themed ? 14 : 17);
  return fw::Bounds(x, y, size, size);
}

void TVxCheckBox::PaintBackground(fw::TCanvas* canvas) {
  if (!transparent_ || Parent() == nullptr) {
    canvas->Brush()->SetStyle(fw::bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    return;
  }
  if (!caching_) {
    PaintParentImage(this, canvas->Handle());
    return;
  }
  if (!backgroundValid_) {
    background_.SetSize(Width(), Height());
    PaintParentImage(this, background_.Canvas()->Handle());
    backgroundValid_ = true;
  }
  canvas->Draw(0, 0, &background_);
}

void TVxCheckBox::Paint() {
  fw::TCanvas* canvas = Canvas();
  PaintBackground(canvas);
  // The box.
  const fw::TRect box = BoxRect();
  RECT square = box.ToRECT();
  bool drawn = false;
  if (Themed() && ThemeLib.OpenThemeData && ThemeLib.DrawThemeBackground && ThemeLib.CloseThemeData) {
    if (HTHEME theme = ThemeLib.OpenThemeData(Handle(), L"button")) {
      int stateId = state_ == fw::cbChecked ? 5 : (state_ == fw::cbGrayed ? 9 : 1);
      if (!Enabled()) {
        stateId += 3;
      } else if (pressed_) {
        stateId += 2;
      } else if (hot_) {
        stateId += 1;
      }
      ThemeLib.DrawThemeBackground(theme, canvas->Handle(), 3, stateId, &square, nullptr);
      ThemeLib.CloseThemeData(theme);
      drawn = true;
    }
  }
  if (!drawn) {
    UINT flags = DFCS_BUTTONCHECK;
    if (!Enabled() || state_ == fw::cbGrayed) flags |= DFCS_INACTIVE;
    if (state_ == fw::cbChecked) flags |= DFCS_CHECKED;
    ::DrawFrameControl(canvas->Handle(), &square, DFC_BUTTON, flags);
  }
  // The caption.
  fw::TRect r = ClientRect();
  if (alignment_ == fw::taRightJustify) {
    r.Right -= 9;
  } else {
    r.Left += 9;
  }
  r.Top += 4;
  r.Left += 6;
  canvas->SetFont(Font());
  canvas->Brush()->SetStyle(fw::bsClear);
  HDC dc = canvas->Handle();
  const std::string caption = Caption();
  UINT flags = DT_LEFT | DT_TOP | DT_SINGLELINE;
  if (ellipsis_) flags |= DT_END_ELLIPSIS;
  ::SetBkMode(dc, TRANSPARENT);
  RECT text = r.ToRECT();
  if (!Enabled()) {
    RECT raised{text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::DrawTextA(dc, caption.c_str(), -1, &raised, flags);
    ::SetTextColor(dc, RGB(0x80, 0x80, 0x80));
  } else {
    ::SetTextColor(dc, fw::ColorToRGB(Font()->Color()));
  }
  ::DrawTextA(dc, caption.c_str(), -1, &text, flags);
  if (focused_ && !caption.empty()) {
    RECT measure = r.ToRECT();
    ::DrawTextA(dc, caption.c_str(), -1, &measure, flags | DT_CALCRECT);
    const RECT focus{measure.left - 2, measure.top, measure.right + 1, measure.bottom + 1};
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::DrawFocusRect(dc, &focus);
  }
}

void TVxCheckBox::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != fw::mbLeft) return;
  mouseDown_ = true;
  if (!Focused() && CanFocus()) SetFocus();
  SetMouseCapture(true);
  pressed_ = true;
  if (winXP_) InvalidateBox(16);
}

void TVxCheckBox::MouseMove(fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!MouseCapture()) return;
  const bool inside = ClientRect().Contains(fw::TPoint{X, Y});
  if (inside == pressed_) return;
  pressed_ = inside;
  InvalidateBox(16);
}

void TVxCheckBox::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != fw::mbLeft) return;
  SetMouseCapture(false);
  pressed_ = false;
  const bool inside = ClientRect().Contains(fw::TPoint{X, Y});
  if (inside && Focused() && mouseDown_) {
    Toggle();
    Click();
  }
  mouseDown_ = false;
  InvalidateBox(16);
}

void TVxCheckBox::KeyDown(WORD& Key, fw::TShiftState Shift) {
  if (Key == VK_SPACE) {
    pressed_ = true;
    InvalidateBox(16);
  } else if (Key == VK_RETURN && ReturnIsTab) {
    Key = VK_TAB;
    if (HandleAllocated()) ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TVxCheckBox::KeyUp(WORD& Key, fw::TShiftState Shift) {
  if (Key == VK_SPACE && pressed_) {
    pressed_ = false;
    Toggle();
    Click();
    InvalidateBox(16);
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TVxCheckBox::WndProc(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      if (transparent_) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      focused_ = Message.Msg == WM_SETFOCUS;
      Invalidate();
      break;
    case fw::CM_ENABLEDCHANGED:
    case fw::CM_TEXTCHANGED:
      Invalidate();
      break;
    case fw::CM_MOUSEENTER:
    case fw::CM_MOUSELEAVE:
      hot_ = Message.Msg == fw::CM_MOUSEENTER;
      InvalidateBox(16);
      break;
    case fw::CM_DIALOGCHAR:
      if (fw::IsAccel(Message.WParam, Caption()) && CanFocus()) {
        Toggle();
        if (TabStop()) SetFocus();
        Message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

}  // namespace ui
