#include "ui/dropdown/dropdown_button.h"

#include <windows.h>

#include <algorithm>
#include <array>

#include "framework/graphics/gdi_handles.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/theme_library.h"

namespace ui {

namespace {

bool ComCtlVersion6() { return IsComCtlVersion6(); }

// The combo box's drop-down button part and its states in the visual style.
constexpr int kDropDownButtonPart = 1;
enum ThemeState { kNormal = 1, kHot = 2, kPressed = 3, kDisabled = 4 };

}  // namespace

fw::Service<bool()> DropDownThemedControls(&ComCtlVersion6);

// ---- the speed button ----

TVxDropDownSpeedButton::TVxDropDownSpeedButton(fw::TComponent* AOwner)
    : fw::TSpeedButton(AOwner), themed_(DropDownThemedControls()) {}

void TVxDropDownSpeedButton::SetEtched(bool Value) {
  if (etched_ == Value) return;
  etched_ = Value;
  Invalidate();
}

void TVxDropDownSpeedButton::SetFocused(bool Value) {
  if (focused_ == Value) return;
  focused_ = Value;
  Invalidate();
}

void TVxDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
  buttonStyle_ = Value;
  Invalidate();
}

void TVxDropDownSpeedButton::SetNumGlyphs(TNumGlyphs Value) { numGlyphs_ = std::clamp(Value, 1, 4); }

void TVxDropDownSpeedButton::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case fw::CM_MOUSEENTER:
    case fw::CM_MOUSELEAVE:
      fw::TSpeedButton::Dispatch(Message);
      hot_ = Message.Msg == fw::CM_MOUSEENTER;
      Invalidate();
      return;
    default:
      break;
  }
  fw::TSpeedButton::Dispatch(Message);
}

TDropDownEditButton* TVxDropDownSpeedButton::EditButton() const { return dynamic_cast<TDropDownEditButton*>(Parent()); }

TVxCustomDropDown* TVxDropDownSpeedButton::DropDown() const {
  TDropDownEditButton* owner = EditButton();
  return owner != nullptr ? dynamic_cast<TVxCustomDropDown*>(owner->Parent()) : nullptr;
}

void TVxDropDownSpeedButton::Paint() {
  if (buttonStyle_ == bsButton) {
    fw::TSpeedButton::Paint();
    DrawArrow(fw::clBlack);
    return;
  }
  TDropDownEditButton* owner = EditButton();
  if (owner != nullptr && owner->ButtonColor() != fw::clNone) {
    PaintStyled(*owner);
    return;
  }
  if (!Glyph()->Empty()) {
    PaintGlyph();
    return;
  }
  if (TVxCustomDropDown* dropDown = DropDown()) SetEnabled(dropDown->Enabled() && !dropDown->ReadOnly());
  if (themed_ && ThemeLib.IsThemeActive != nullptr && ThemeLib.IsThemeActive()) {
    PaintThemed();
  } else {
    PaintClassic();
  }
}

void TVxDropDownSpeedButton::PaintStyled(TDropDownEditButton& owner) {
  fw::TCanvas* canvas = Canvas();
  const bool pressed = Sunken();
  fw::TColor fill = hot_ ? owner.ButtonColorHot() : owner.ButtonColor();
  fw::TColor arrow = hot_ ? owner.ArrowColorHot() : owner.ArrowColor();
  if (pressed) {
    fill = owner.ButtonColorDown();
    arrow = owner.ArrowColorDown();
  }
  const fw::TRect client = ClientRect();
  canvas->Brush()->SetColor(fill);
  canvas->Pen()->SetColor(fill);
  canvas->Rectangle(client);
  // The separator towards the edit, in the drop-down's frame colour (none while that is not set).
  if (TVxCustomDropDown* dropDown = DropDown(); dropDown != nullptr && dropDown->BorderColor() != fw::clNone) {
    canvas->Pen()->SetColor(dropDown->BorderColor());
    canvas->MoveTo(0, client.Top);
    canvas->LineTo(0, client.Bottom);
  }
  DrawArrow(arrow);
}

void TVxDropDownSpeedButton::PaintGlyph() {
  fw::TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(fw::clBtnFace);
  canvas->Pen()->SetColor(fw::clGray);
  canvas->Rectangle(ClientRect());
  // A copied glyph brings its own transparency: the button draws it transparent all the same.
  Glyph()->SetTransparent(true);
  Glyph()->SetTransparentMode(fw::tmAuto);
  canvas->Draw(0, 0, Glyph());
}

void TVxDropDownSpeedButton::PaintThemed() {
  if (ThemeLib.OpenThemeData == nullptr || ThemeLib.DrawThemeBackground == nullptr) {
    PaintClassic();
    return;
  }
  HWND window = Parent() != nullptr && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr;
  const HTHEME theme = ThemeLib.OpenThemeData(window, L"combobox");
  if (theme == nullptr) {
    PaintClassic();
    return;
  }
  RECT r = ClientRect().ToRECT();
  if (IsWinVistaOrLater()) {
    ++r.left;
  } else {
    InflateRect(&r, 1, 1);
    r.left += 2;
  }
  int state = kNormal;
  if (!Enabled()) {
    state = kDisabled;
  } else if (Sunken()) {
    state = kPressed;
  } else if (hot_) {
    state = kHot;
  }
  ThemeLib.DrawThemeBackground(theme, Canvas()->Handle(), kDropDownButtonPart, state, &r, nullptr);
  if (ThemeLib.CloseThemeData != nullptr) ThemeLib.CloseThemeData(theme);
}

void TVxDropDownSpeedButton::PaintClassic() {
  fw::TSpeedButton::Paint();
  fw::TCanvas* canvas = Canvas();
  const int w = Width();
  const int h = Height();
  canvas->Pen()->SetColor(fw::clBtnFace);
  canvas->MoveTo(w - 2, 0);
  canvas->LineTo(0, 0);
  canvas->LineTo(0, h - 1);
  canvas->Pen()->SetColor(fw::clWhite);
  canvas->MoveTo(w - 3, 1);
  canvas->LineTo(1, 1);
  canvas->LineTo(1, h - 2);
  DrawArrow(fw::clBlack);
}

void TVxDropDownSpeedButton::DrawArrow(fw::TColor Color) {
  // Nothing sets the arrow colours of the styled look: unset draws black, as the classic arrow.
  const fw::TColor color = Color == fw::clNone ? fw::clBlack : Color;
  fw::TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(color);
  canvas->Pen()->SetColor(color);
  const std::array<fw::TPoint, 3> arrow{fw::TPoint{5, 7}, fw::TPoint{11, 7}, fw::TPoint{8, 10}};
  canvas->Polygon(arrow);
}

// ---- the edit button ----

TDropDownEditButton::TDropDownEditButton(fw::TComponent* AOwner) : fw::TWinControl(AOwner) {
  controlStyle_.Exclude(fw::csAcceptsControls).Exclude(fw::csSetCaption).Include(fw::csOpaque);
  button_ = fw::Create<TVxDropDownSpeedButton>(this);
  button_->SetParent(this);
  button_->OnClick = [](fw::TObject*) {};
  button_->OnMouseDown = [this](fw::TObject* Sender, fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
    ArrowPressed(Sender, Button, Shift, X, Y);
  };
  button_->SetVisible(true);
  button_->SetEnabled(Enabled());
  button_->SetCaption("");
  button_->SetButtonStyle(bsDropDown);
  button_->Glyph()->Assign(nullptr);
  SetBoundsFields(Left(), Top(), 16, 25);
  buttonWidth_ = 16;
}

void TDropDownEditButton::ArrowPressed(fw::TObject* Sender, fw::TMouseButton Button, fw::TShiftState, int, int) {
  if (Button == fw::mbLeft && Sender == button_ && OnClick) OnClick(this);
}

void TDropDownEditButton::SetFocusControl(fw::TWinControl* Value) {
  focusControl_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TDropDownEditButton::SetLookColor(fw::TColor& Field, fw::TColor Value) {
  if (Field == Value) return;
  Field = Value;
  button_->Invalidate();
}

bool TDropDownEditButton::AdjustSize(int& Width, int Height) {
  if (button_ == nullptr) return false;
  if (ComponentState().Contains(fw::csLoading) && !ComponentState().Contains(fw::csDesigning)) return false;
  Width = buttonWidth_;
  button_->SetBounds(0, 0, buttonWidth_, Height);
  return true;
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AdjustSize(AWidth, AHeight);
  fw::TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDropDownEditButton::ReadjustSize() {
  int width = Width();
  const int height = Height();
  if (AdjustSize(width, height) && width != Width()) fw::TWinControl::SetBounds(Left(), Top(), width, height);
}

void TDropDownEditButton::Loaded() {
  fw::TWinControl::Loaded();
  ReadjustSize();
}

void TDropDownEditButton::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TWinControl::Notification(AComponent, Operation);
  if (Operation != fw::opRemove) return;
  if (AComponent == focusControl_) focusControl_ = nullptr;
  if (AComponent == button_) button_ = nullptr;
}

void TDropDownEditButton::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      fw::TWinControl::Dispatch(Message);
      ReadjustSize();
      Message.Result = 0;
      return;
    case fw::CM_ENABLEDCHANGED:
      fw::TWinControl::Dispatch(Message);
      if (button_ != nullptr && !ComponentState().Contains(fw::csDesigning)) button_->SetEnabled(Enabled());
      return;
    default:
      break;
  }
  fw::TWinControl::Dispatch(Message);
}

}  // namespace ui
