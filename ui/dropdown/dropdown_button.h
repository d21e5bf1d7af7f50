// The button at the right edge of every drop-down edit: a small window of its own inside the edit (the
// edit's text ends left of it) holding one speed button that paints the arrow. A left press on the arrow
// fires the edit button's OnClick at once, so the pop-up opens on the press and not on the release.
//
// The arrow has three looks: styled, from the fill colours a style preset gives the edit button (a fill
// other than clNone chooses it); themed, the visual style's combo-box button; and classic. A glyph, when
// set, replaces the arrow entirely. The themed and classic looks show a read-only drop-down as disabled.
// GUI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "framework/controls/speed_button.h"
#include "framework/controls/win_control.h"
#include "framework/graphics/bitmap.h"
#include "framework/services/service.h"

namespace ui {

class TVxCustomDropDown;

// Whether the common controls draw with visual styles (their version 6 or later); read when a drop-down or
// its button is made. A test replaces it to reach the themed look.
extern fw::Service<bool()> DropDownThemedControls;

enum TButtonStyle : std::uint8_t { bsButton, bsDropDown };
// How many images a glyph bitmap holds side by side (1 to 4).
using TNumGlyphs = int;

class TVxDropDownSpeedButton : public fw::TSpeedButton {
 public:
  explicit TVxDropDownSpeedButton(fw::TComponent* AOwner);

  // Stored only; the drop-down look does not show it.
  bool Etched() const { return etched_; }
  void SetEtched(bool Value);
  // Set while the mouse is over the drop-down or the drop-down is the active control; no visible effect.
  bool Focused() const { return focused_; }
  void SetFocused(bool Value);
  // bsDropDown: the arrow looks; bsButton: a plain push-button face with the arrow. Writing repaints.
  TButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TButtonStyle Value);
  TNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TNumGlyphs Value);
  // The mouse is over the button.
  bool Hot() const { return hot_; }
  bool Themed() const { return themed_; }

  void Dispatch(fw::TMessage& Message) override;

 protected:
  void Paint() override;

 private:
  // The edit button this one sits on, and its drop-down (either may be missing).
  class TDropDownEditButton* EditButton() const;
  TVxCustomDropDown* DropDown() const;
  void PaintStyled(TDropDownEditButton& owner);
  void PaintGlyph();
  void PaintThemed();
  void PaintClassic();
  // The arrow: a filled triangle under the middle of the button's top.
  void DrawArrow(fw::TColor Color);

  bool etched_ = false;
  bool focused_ = false;
  bool hot_ = false;
  bool themed_ = false;
  TButtonStyle buttonStyle_ = bsDropDown;
  TNumGlyphs numGlyphs_ = 1;
};

class TDropDownEditButton : public fw::TWinControl {
 public:
  explicit TDropDownEditButton(fw::TComponent* AOwner);

  TVxDropDownSpeedButton* Button() const { return button_; }

  // Read and written through the speed button.
  fw::TBitmap* Glyph() { return button_->Glyph(); }
  void SetGlyph(fw::TBitmap* Value) { button_->SetGlyph(Value); }
  std::string ButtonCaption() { return button_->Caption(); }
  void SetButtonCaption(const std::string& Value) { button_->SetCaption(Value); }
  TNumGlyphs NumGlyphs() const { return button_->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs Value) { button_->SetNumGlyphs(Value); }

  // The drop-down the button belongs to; cleared when that component goes.
  fw::TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(fw::TWinControl* Value);

  // The width the button keeps whatever it is given (the drop-down keeps it equal to its
  // DropDownButtonWidth).
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int Value) { buttonWidth_ = Value; }

  // The styled look's colours, set by the drop-down's style presets; clNone fill: not styled. The border
  // colour is kept but not painted; nothing in the program sets the arrow colours (clNone draws black).
  fw::TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(fw::TColor Value) { SetLookColor(buttonColor_, Value); }
  fw::TColor ButtonColorHot() const { return buttonColorHot_; }
  void SetButtonColorHot(fw::TColor Value) { SetLookColor(buttonColorHot_, Value); }
  fw::TColor ButtonColorDown() const { return buttonColorDown_; }
  void SetButtonColorDown(fw::TColor Value) { SetLookColor(buttonColorDown_, Value); }
  fw::TColor ButtonBorderColor() const { return buttonBorderColor_; }
  void SetButtonBorderColor(fw::TColor Value) { buttonBorderColor_ = Value; }
  fw::TColor ArrowColor() const { return arrowColor_; }
  void SetArrowColor(fw::TColor Value) { SetLookColor(arrowColor_, Value); }
  fw::TColor ArrowColorHot() const { return arrowColorHot_; }
  void SetArrowColorHot(fw::TColor Value) { SetLookColor(arrowColorHot_, Value); }
  fw::TColor ArrowColorDown() const { return arrowColorDown_; }
  void SetArrowColorDown(fw::TColor Value) { SetLookColor(arrowColorDown_, Value); }

  // The width is always the button width, and the speed button fills the height.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Dispatch(fw::TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;

 private:
  // Fits a proposed size: the width becomes the button width, the speed button gets the height. False
  // (nothing changed) while loading or without the speed button.
  bool AdjustSize(int& Width, int Height);
  // Applies the fitting to the current size; moves the window only when that changes it.
  void ReadjustSize();
  void SetLookColor(fw::TColor& Field, fw::TColor Value);
  // The press on the arrow: OnClick with this button as sender.
  void ArrowPressed(fw::TObject* Sender, fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y);

  TVxDropDownSpeedButton* button_ = nullptr;
  fw::TWinControl* focusControl_ = nullptr;
  int buttonWidth_ = 16;
  fw::TColor buttonColor_ = fw::clNone;
  fw::TColor buttonColorHot_ = fw::clNone;
  fw::TColor buttonColorDown_ = fw::clNone;
  fw::TColor buttonBorderColor_ = fw::clNone;
  fw::TColor arrowColor_ = fw::clNone;
  fw::TColor arrowColorHot_ = fw::clNone;
  fw::TColor arrowColorDown_ = fw::clNone;
};

}  // namespace ui
