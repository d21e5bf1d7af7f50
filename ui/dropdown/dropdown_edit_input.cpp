// The drop-down edit's keys, mouse, focus, borders and the highlighted value of the editor-disabled mode.
#include <windows.h>
#include <windowsx.h>

#include <utility>

#include "framework/forms/form.h"
#include "framework/forms/screen.h"
#include "framework/graphics/canvas.h"
#include "framework/services/keystate.h"
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

namespace {

// The window DC (border included) of a window, released at the end of the scope.
class WholeWindowDC {
 public:
  explicit WholeWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  WholeWindowDC(const WholeWindowDC&) = delete;
  WholeWindowDC& operator=(const WholeWindowDC&) = delete;
  ~WholeWindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The nearest form among the control's parents; null when the chain holds none.
fw::TCustomForm* NearestForm(fw::TControl* control) {
  for (fw::TWinControl* parent = control->Parent(); parent != nullptr; parent = parent->Parent()) {
    if (auto* form = dynamic_cast<fw::TCustomForm*>(parent)) return form;
  }
  return nullptr;
}

void PostKeyTo(HWND window, WORD key) {
  PostMessageA(window, WM_KEYDOWN, key, 0);
  PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000000u));
}

}  // namespace

// ---- keys ----

void TVxCustomDropDown::WndProc(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
      if (!Designing() && KeyDownSwallowed(Message)) return;
      break;
    case WM_GETDLGCODE:
      // The edit's own answer: the framework's handlers have no say.
      DefaultHandler(Message);
      return;
    case EM_SETREADONLY:
      fw::TCustomMaskEdit::WndProc(Message);
      if (button_ != nullptr) button_->Button()->Invalidate();
      return;
    default:
      break;
  }
  fw::TCustomMaskEdit::WndProc(Message);
}

bool TVxCustomDropDown::KeyDownSwallowed(fw::TMessage& Message) {
  const auto key = static_cast<WORD>(Message.WParam);
  if (fw::IsKeyDown(VK_MENU) && (key == VK_UP || key == VK_DOWN)) {
    if (droppedDown_) {
      HideDropDown(false);
    } else {
      ShowDropDown();
    }
  }
  if (!editorEnabled_ && Enabled()) {
    if (!ReadOnly()) {
      if (key == VK_RETURN) HideDropDown(false);
      if (key == VK_ESCAPE) HideDropDown(true);
      if (key == VK_F4) ToggleDropDown();
    }
    // Only Enter and Esc go on; nothing else moves the caret or reaches the key events.
    return key != VK_RETURN && key != VK_ESCAPE;
  }
  if (fw::IsKeyDown(VK_CONTROL) && (key == VK_TAB || key == VK_RETURN)) return false;
  if (key == VK_DELETE) SetModifiedFlag(true);
  fw::TCustomMaskEdit::WndProc(Message);
  if (key == VK_DELETE && editType_ == 7) FormatThousands();
  if (key == VK_RETURN) HideDropDown(false);
  if (key == VK_ESCAPE) HideDropDown(true);
  if (key == VK_F4) ToggleDropDown();
  return true;
}

void TVxCustomDropDown::ToggleDropDown() {
  if (droppedDown_) {
    HideDropDown(false);
  } else {
    ShowDropDown();
  }
}

void TVxCustomDropDown::KeyDown(WORD& Key, fw::TShiftState Shift) {
  fw::TCustomMaskEdit::KeyDown(Key, Shift);
  if (Shift.Contains(fw::ssAlt) && (Key == VK_UP || Key == VK_DOWN)) ToggleDropDown();
}

void TVxCustomDropDown::KeyPress(char& Key) {
  fw::TCustomMaskEdit::KeyPress(Key);
  // The edit would beep at Enter.
  if (Key == '\r') Key = 0;
}

void TVxCustomDropDown::WantSpecialKey(fw::TMessage& Message) {
  fw::TCustomForm* form = NearestForm(this);
  if (form == nullptr) return;  // not handled: the control does not claim the key
  const auto key = static_cast<WORD>(Message.WParam);
  if (!form->KeyPreview()) {
    if (key == VK_ESCAPE) {
      SelectValue();
      modifiedFlag_ = false;
      Message.WParam = 0;
      Message.Result = 0;
      if (Parent() != nullptr) PostKeyTo(Parent()->Handle(), VK_ESCAPE);
    } else if (key == VK_RETURN && Parent() != nullptr && Parent()->HandleAllocated()) {
      // The form's default button answers Enter: it goes to the parent while the focus is in it.
      const HWND parent = Parent()->Handle();
      const HWND focus = GetFocus();
      if (focus == parent || IsChild(parent, focus)) PostKeyTo(parent, VK_RETURN);
    }
  }
  fw::TCustomMaskEdit::Dispatch(Message);
  if (key == VK_ESCAPE && droppedDown_) Message.Result = 1;
}

// ---- messages ----

void TVxCustomDropDown::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      fw::TCustomMaskEdit::Dispatch(Message);
      UpdateButtonBounds();
      return;
    case WM_CHAR: CharTyped(Message); return;
    case WM_CUT: case WM_COPY: case WM_PASTE: ClipboardMessage(Message); return;
    case WM_SETFOCUS: FocusReceived(Message); return;
    case WM_KILLFOCUS: FocusLost(Message); return;
    case fw::CN_COMMAND:
      if (ChangeSuppressed(Message)) return;
      break;
    case WM_LBUTTONDOWN: LeftButtonDown(Message); return;
    case WM_LBUTTONUP: LeftButtonUp(Message); return;
    case WM_PAINT:
      fw::TCustomMaskEdit::Dispatch(Message);
      DrawFocusedText();
      if (borderColor_ != fw::clNone || focusBorderColor_ != fw::clNone || (!Enabled() && disabledBorder_)) {
        DrawBorders();
      }
      return;
    case WM_NCPAINT:
      fw::TCustomMaskEdit::Dispatch(Message);
      if (borderColor_ != fw::clNone || focusBorderColor_ != fw::clNone) DrawBorders();
      return;
    case fw::CM_ENABLEDCHANGED:
      fw::TCustomMaskEdit::Dispatch(Message);
      if (button_ != nullptr) button_->SetEnabled(Enabled());
      return;
    case fw::CM_ENTER:
      if (AutoSelect() && !fw::IsKeyDown(VK_LBUTTON)) SelectValue();
      fw::TCustomMaskEdit::Dispatch(Message);
      DrawBorders();
      return;
    case fw::CM_EXIT: {
      fw::TCustomMaskEdit::Dispatch(Message);
      // The window may still hold the focus while it is told that it loses it.
      const bool leaving = std::exchange(focusLeaving_, true);
      try {
        DrawBorders();
      } catch (...) {
        focusLeaving_ = leaving;
        throw;
      }
      focusLeaving_ = leaving;
      return;
    }
    case fw::CM_MOUSEENTER:
    case fw::CM_MOUSELEAVE:
      fw::TCustomMaskEdit::Dispatch(Message);
      if (reinterpret_cast<fw::TControl*>(Message.LParam) == this || Message.LParam == 0) {
        MouseInside(Message.Msg == fw::CM_MOUSEENTER);
      }
      return;
    case fw::CM_PARENTFONTCHANGED:
      fw::TCustomMaskEdit::Dispatch(Message);
      if (label_ != nullptr && ParentFont()) {
        label_->Font()->Assign(Font());
        UpdateLabel();
      }
      return;
    case fw::CM_FONTCHANGED:
      fw::TCustomMaskEdit::Dispatch(Message);
      if (HandleAllocated()) SetEditRect();
      return;
    case fw::CM_VISIBLECHANGED:
      fw::TCustomMaskEdit::Dispatch(Message);
      if (label_ != nullptr && !label_->Caption().empty()) label_->SetVisible(Visible());
      return;
    case fw::CM_WANTSPECIALKEY:
      WantSpecialKey(Message);
      return;
    default:
      break;
  }
  fw::TCustomMaskEdit::Dispatch(Message);
}

void TVxCustomDropDown::DoEnter() {
  SetEditRect();
  fw::TCustomMaskEdit::DoEnter();
}

// ---- mouse ----

void TVxCustomDropDown::LeftButtonDown(fw::TMessage& Message) {
  if (!editorEnabled_) {
    fw::TCustomMaskEdit::Dispatch(Message);
    TryShowDropDown();
    return;
  }
  const fw::TPoint point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  const int index = CharFromPos(point);
  const int start = SelStart();
  const int length = SelLength();
  if (length > 0 && index >= start && index <= start + length && Focused()) {
    // A press inside the selection keeps it (the start of dragging it elsewhere).
    buttonDownInSelection_ = true;
    Message.Result = 0;
    return;
  }
  fw::TCustomMaskEdit::Dispatch(Message);
}

void TVxCustomDropDown::LeftButtonUp(fw::TMessage& Message) {
  if (!editorEnabled_ || ReadOnly()) DrawFocusedText();
  if (buttonDownInSelection_) {
    const int index = CharFromPos(fw::TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
    SetSelStart(index);
    SetSelLength(0);
  }
  buttonDownInSelection_ = false;
  fw::TCustomMaskEdit::Dispatch(Message);
}

bool TVxCustomDropDown::DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) {
  const bool handled = fw::TCustomMaskEdit::DoMouseWheelDown(Shift, MousePos);
  SelectNextItem();
  return handled;
}

bool TVxCustomDropDown::DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) {
  const bool handled = fw::TCustomMaskEdit::DoMouseWheelUp(Shift, MousePos);
  SelectPreviousItem();
  return handled;
}

void TVxCustomDropDown::MouseInside(bool Value) {
  if (!Enabled() || mouseInside_ == Value) return;
  mouseInside_ = Value;
  DrawBorders();
}

// ---- painting ----

void TVxCustomDropDown::DrawFocusedText() {
  if (editorEnabled_ || !focusDraw_ || Designing() || !HandleAllocated() || GetFocus() != Handle()) return;
  const WholeWindowDC dc(Handle());
  fw::TCanvas canvas;
  canvas.SetHandle(dc.Get());
  fw::TRect r{2, 2, Width() - buttonWidth_ - 1, Height() - 2};
  canvas.Pen()->SetColor(fw::clBlack);
  canvas.Brush()->SetColor(fw::clHighlight);
  canvas.Rectangle(r);
  r.Left += 2;
  r.Right -= 3;
  canvas.SetFont(Font());
  canvas.Font()->SetColor(fw::clHighlightText);
  SetBkMode(canvas.Handle(), TRANSPARENT);
  RECT text = r.ToRECT();
  const std::string value = Text();
  DrawTextA(canvas.Handle(), value.c_str(), static_cast<int>(value.size()), &text, DT_SINGLELINE | DT_VCENTER);
  canvas.SetHandle(nullptr);
}

bool TVxCustomDropDown::Hot() {
  if (Designing()) return false;
  return mouseInside_ || fw::Screen->ActiveControl() == this;
}

void TVxCustomDropDown::DrawBorders() {
  if (Enabled() && borderColor_ == fw::clNone && focusBorderColor_ == fw::clNone) return;
  if (HandleAllocated()) {
    const WholeWindowDC dc(Handle());
    DrawBorder(dc.Get());
  }
  if (button_ != nullptr) {
    button_->Button()->SetFocused(Designing() ? Enabled() : mouseInside_ || fw::Screen->ActiveControl() == this);
  }
}

void TVxCustomDropDown::DrawBorder(HDC DC) {
  if (Designing()) return;
  RECT window{};
  GetWindowRect(Handle(), &window);
  RECT r{0, 0, window.right - window.left, window.bottom - window.top};
  const bool focused = GetFocus() == Handle() && !focusLeaving_;
  auto frame = [&](fw::TColor color) {
    const fw::GdiObject<HBRUSH> brush(CreateSolidBrush(fw::ColorToRGB(color)));
    FrameRect(DC, &r, brush.Get());
  };
  if (!Enabled() && themed_ && disabledBorder_) {
    frame(0xC0C0C0);
  } else if (borderColor_ != fw::clNone && (!focused || focusBorderColor_ == fw::clNone)) {
    frame(borderColor_);
  } else if (focusBorderColor_ != fw::clNone) {
    if (focused) frame(focusBorderColor_);
  } else {
    const bool hot = Hot();
    const fw::TColor color = hot ? fw::clBtnFace : (Parent() != nullptr ? Parent()->Brush()->Color() : fw::clBtnFace);
    if (hot) {
      DrawEdge(DC, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      frame(color);
    } else {
      frame(color);
      InflateRect(&r, -1, -1);
      frame(color);
    }
  }
}

}  // namespace ui
