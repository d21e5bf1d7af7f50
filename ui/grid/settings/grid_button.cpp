// The grid button's properties, groups, mouse and keys, XP colour schemes and action link.
#include "ui/grid/settings/grid_button.h"

#include <windowsx.h>

#include "framework/actions/action.h"
#include "framework/controls/accelerators.h"
#include "framework/controls/win_control.h"
#include "framework/menus/menu.h"
#include "ui/foundation/style_detection.h"
#include "ui/grid/model/cell_properties.h"
#include "ui/grid/model/grid_platform.h"

namespace ui {

namespace {

constexpr int kDropDownWidth = 12;
// The framework's notification that the colour scheme changed.
constexpr UINT kSchemeChangedNotification = 0xB035;

}  // namespace

TVxGridButton::TVxGridButton(fw::TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBoundsFields(0, 0, 22, 23);
  controlStyle_ = fw::TControlStyle{fw::csCaptureMouse, fw::csDoubleClicks};
  SetColor(fw::clBtnFace);
  SetParentFont(true);
  const std::int32_t comctl = GetFileVersion("COMCTL32.DLL");
  comCtl6_ = comctl != -1 && ((static_cast<std::uint32_t>(comctl) >> 16) & 0xFFFF) > 5;
  glyph_.SetTransparent(true);
  glyph_.OnChange = [this](fw::TObject*) { Invalidate(); };
}

TVxGridButton::~TVxGridButton() { glyph_.OnChange = nullptr; }

void TVxGridButton::SetAllowAllUp(bool value) {
  if (value == allowAllUp_) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TVxGridButton::SetAutoThemeAdapt(bool value) {
  autoThemeAdapt_ = value;
  if (value) ApplyThemeColors();
}

void TVxGridButton::SetBorderColor(fw::TColor value) {
  borderColor_ = value;
  Invalidate();
}

void TVxGridButton::SetColorTo(fw::TColor value) {
  colorTo_ = value;
  Invalidate();
}

void TVxGridButton::SetColorChecked(fw::TColor value) {
  colorChecked_ = value;
  Invalidate();
}

void TVxGridButton::SetColorCheckedTo(fw::TColor value) {
  colorCheckedTo_ = value;
  Invalidate();
}

void TVxGridButton::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  UpdateExclusive();
}

// A button of no group is down only as a tasCheck button; in a group one button at a time is down, and
// the down one comes up only with AllowAllUp.
void TVxGridButton::SetDown(bool value) {
  if (groupIndex_ == 0) {
    if (style_ != tasCheck) return;
    down_ = value;
    Invalidate();
    return;
  }
  if (value == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = value;
  state_ = value ? stExclusive : stUp;
  Invalidate();
  if (value) UpdateExclusive();
}

void TVxGridButton::SetDropDownButton(bool value) {
  dropDownButton_ = value;
  Invalidate();
}

void TVxGridButton::SetDropDownMenu(fw::TPopupMenu* value) {
  dropDownMenu_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TVxGridButton::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TVxGridButton::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  Invalidate();
}

void TVxGridButton::SetGlyph(fw::TBitmap* value) {
  glyph_.Assign(value);
  if (glyphDisabled_.Empty()) MakeDisabledGlyph();
  Invalidate();
}

void TVxGridButton::SetLayout(TButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TVxGridButton::SetMargin(int value) {
  if (value == margin_ || value < -1) return;
  margin_ = value;
  Invalidate();
}

void TVxGridButton::SetSpacing(int value) {
  if (value == spacing_) return;
  spacing_ = value;
  Invalidate();
}

void TVxGridButton::SetRounded(bool value) {
  rounded_ = value;
  Invalidate();
}

void TVxGridButton::SetShaded(bool value) {
  shaded_ = value;
  if (value && !ComponentState().Contains(fw::csLoading)) MakeShadow();
}

void TVxGridButton::SetShowCaption(bool value) {
  if (value == showCaption_) return;
  showCaption_ = value;
  Invalidate();
}

void TVxGridButton::SetStyle(TVxGridButtonStyle value) {
  style_ = value;
  Invalidate();
}

void TVxGridButton::Loaded() {
  TGraphicControl::Loaded();
  if (shaded_) MakeShadow();
  if (autoThemeAdapt_) ApplyThemeColors();
}

// Each pixel becomes ((R + G + B) div 3) div 2 + 96.
fw::TColor DisabledGlyphGrey(fw::TColor rgb) {
  const unsigned sum = GetRValue(rgb) + GetGValue(rgb) + GetBValue(rgb);
  const unsigned grey = (sum / 3) / 2 + 96;
  return static_cast<fw::TColor>(RGB(grey, grey, grey));
}

void TVxGridButton::MakeDisabledGlyph() {
  glyphDisabled_.Assign(&glyph_);
  if (glyphDisabled_.Empty()) return;
  fw::TCanvas* canvas = glyphDisabled_.Canvas();
  for (int y = 0; y < glyphDisabled_.Height(); ++y) {
    for (int x = 0; x < glyphDisabled_.Width(); ++x) {
      canvas->SetPixels(x, y, DisabledGlyphGrey(static_cast<fw::TColor>(fw::ColorToRGB(canvas->Pixels(x, y)))));
    }
  }
  glyphDisabled_.SetTransparent(true);
}

// A grey silhouette of the glyph on the glyph's own transparent colour.
void TVxGridButton::MakeShadow() {
  if (glyph_.Empty()) {
    shadow_.SetSize(0, 0);
    return;
  }
  const int width = glyph_.Width();
  const int height = glyph_.Height();
  fw::TCanvas* source = glyph_.Canvas();
  const fw::TColor transparent = source->Pixels(0, height - 1);
  const fw::TColor background = transparent == 0x808080 ? 0xFFFFFF : transparent;
  shadow_.SetSize(width, height);
  fw::TCanvas* target = shadow_.Canvas();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      target->SetPixels(x, y, source->Pixels(x, y) == transparent ? background : 0x808080);
    }
  }
  shadow_.SetTransparentColor(background);
  shadow_.SetTransparent(true);
}

void TVxGridButton::UpdateExclusive() {
  if (groupIndex_ == 0 || Parent() == nullptr) return;
  fw::TMessage message{fw::CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this), 0};
  Parent()->Broadcast(message);
}

void TVxGridButton::ButtonPressed(TVxGridButton* sender) {
  if (sender == this) return;
  if (sender->down_ && down_) {
    down_ = false;
    state_ = stUp;
    if (auto* action = dynamic_cast<fw::TCustomAction*>(Action())) action->SetChecked(false);
    Invalidate();
  }
  allowAllUp_ = sender->allowAllUp_;
}

void TVxGridButton::UpdateTracking() {
  if (!Enabled() || Parent() == nullptr || !Parent()->HandleAllocated()) {
    mouseIn_ = false;
    return;
  }
  POINT cursor{};
  if (!::GetCursorPos(&cursor)) return;
  const fw::TPoint local = ScreenToClient(fw::TPoint{cursor.x, cursor.y});
  const bool inside = ClientRect().Contains(local);
  if (inside == mouseIn_) return;
  mouseIn_ = inside;
  Invalidate();
}

void TVxGridButton::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != fw::mbLeft || !Enabled()) return;
  if (dropDownButton_ && X > Width() - kDropDownWidth) {
    state_ = stUp;
    Invalidate();
    if (OnDropDown) OnDropDown(this);
    if (dropDownMenu_ != nullptr) {
      const fw::TPoint at = ClientToScreen(fw::TPoint{0, Height()});
      dropDownMenu_->Popup(at.X, at.Y);
    }
    return;
  }
  if (!down_) state_ = stPressed;
  tracking_ = true;
  Invalidate();
}

void TVxGridButton::MouseMove(fw::TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!tracking_) {
    UpdateTracking();
    return;
  }
  const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight();
  TState next = inside ? stPressed : stUp;
  if (down_ && groupIndex_ != 0) next = stExclusive;
  if (next == state_) return;
  state_ = next;
  Invalidate();
}

void TVxGridButton::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!tracking_) return;
  tracking_ = false;
  const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight();
  if (groupIndex_ == 0) {
    state_ = stUp;
    if (inside && style_ == tasCheck) SetDown(!down_);
  } else if (inside) {
    SetDown(!down_);
  }
  if (!down_ || groupIndex_ == 0) {
    if (state_ != stExclusive) state_ = stUp;
  }
  Invalidate();
  if (inside) Click();
  UpdateTracking();
}

void TVxGridButton::Click() { TGraphicControl::Click(); }

void TVxGridButton::DblClick() {
  if (down_) TGraphicControl::DblClick();
}

void TVxGridButton::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case fw::CM_BUTTONPRESSED:
      if (static_cast<int>(Message.WParam) == groupIndex_) {
        auto* control = reinterpret_cast<fw::TControl*>(Message.LParam);
        if (auto* sender = dynamic_cast<TVxGridButton*>(control)) ButtonPressed(sender);
      }
      return;
    case fw::CM_DIALOGCHAR:
      if (fw::IsAccel(Message.WParam, Caption()) && Enabled() && Visible() && Parent() != nullptr && Parent()->Showing()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case fw::CM_MOUSEENTER:
      if (Enabled() && DragMode() != fw::dmAutomatic && !MouseCapture()) {
        mouseIn_ = true;
        Invalidate();
      }
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case fw::CM_MOUSELEAVE:
      if (!tracking_) {
        mouseIn_ = false;
        Invalidate();
      }
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    case fw::CM_TEXTCHANGED:
    case fw::CM_FONTCHANGED:
    case WM_SYSCOLORCHANGE:
      Invalidate();
      break;
    case fw::CM_ENABLEDCHANGED:
      UpdateTracking();
      Invalidate();
      break;
    case WM_THEMECHANGED:
    case kSchemeChangedNotification:
      if (autoThemeAdapt_) ApplyThemeColors();
      break;
    default:
      break;
  }
  TGraphicControl::Dispatch(Message);
}

void TVxGridButton::ApplyThemeColors() {
  const int scheme = IsWinXPOrLater() ? GetXPThemeColor() : 0;
  if (scheme == 0) {
    SetColor(fw::clBtnFace);
    colorTo_ = kColorNotSet;
    ColorHot = 0xEED2C1;
    ColorHotTo = kColorNotSet;
    ColorDown = 0xE2B598;
    ColorDownTo = kColorNotSet;
    colorChecked_ = 0xE8E6E1;
    colorCheckedTo_ = kColorNotSet;
    BorderDownColor = 0xC56A31;
    BorderHotColor = 0xC56A31;
  } else {
    switch (scheme) {
      case 2:  // olive
        SetColor(0xCFF0EA);
        colorTo_ = 0x8CC0B1;
        break;
      case 3:  // silver
        SetColor(0xECE2E1);
        colorTo_ = 0xB39698;
        break;
      default:  // blue
        SetColor(0xFDEADA);
        colorTo_ = 0xE4AE88;
        break;
    }
    ColorHot = 0xCCF4FF;
    ColorHotTo = 0x91D0FF;
    ColorDown = 0x4E91FE;
    ColorDownTo = 0x8ED3FF;
    colorChecked_ = 0x8ED3FF;
    colorCheckedTo_ = 0x55ADFF;
    BorderDownColor = 0;
    BorderHotColor = 0;
  }
  borderColor_ = kColorNotSet;
  rounded_ = false;
  flat_ = true;
  Invalidate();
}

fw::TControlActionLink* TVxGridButton::CreateActionLink() { return fw::Create<TVxGridButtonActionLink>(this); }

void TVxGridButton::ActionChange(fw::TObject* Sender, bool CheckDefaults) {
  TGraphicControl::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<fw::TCustomAction*>(Sender);
  if (action == nullptr) return;
  if (!CheckDefaults || groupIndex_ == 0) SetGroupIndex(action->GroupIndex());
  if (!CheckDefaults || !down_) SetDown(action->Checked());
}

TVxGridButtonActionLink::TVxGridButtonActionLink(TVxGridButton* AClient)
    : fw::TControlActionLink(AClient), button_(AClient) {}

bool TVxGridButtonActionLink::IsCheckedLinked() const {
  const fw::TCustomAction* action = CustomAction();
  return action != nullptr && button_->groupIndex_ != 0 && button_->allowAllUp_ &&
         action->Checked() == button_->down_;
}

bool TVxGridButtonActionLink::IsGroupIndexLinked() const {
  const fw::TCustomAction* action = CustomAction();
  return action != nullptr && action->GroupIndex() == button_->groupIndex_;
}

void TVxGridButtonActionLink::SetChecked(bool value) {
  if (IsCheckedLinked()) button_->SetDown(value);
}

void TVxGridButtonActionLink::SetGroupIndex(int value) {
  if (IsGroupIndexLinked()) button_->SetGroupIndex(value);
}

}  // namespace ui
