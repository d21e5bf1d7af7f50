// TVxGridButton: a windowless push button of the grid's search panel, with glyphs per state, gradient
// colours per state, an optional drop-down part with a menu, toggle (tasCheck) and grouped behaviour, and
// colours that follow the Windows XP colour scheme. TVxGridButtonActionLink links it to an action.
// GUI thread only.
#pragma once

#include <memory>

#include "framework/controls/control_action_link.h"
#include "framework/controls/graphic_control.h"
#include "framework/graphics/bitmap.h"
#include "ui/controls/glow_button_types.h"

namespace fw {
class TPopupMenu;
}

namespace ui {

enum TVxGridButtonStyle { tasButton, tasCheck };

// The 16 bands of a vertical gradient over a height: band i's colour (RGB) and its top and bottom.
struct TGradientBand {
  fw::TColor Color = 0;
  int Top = 0;
  int Bottom = 0;
};
TGradientBand GradientBand(fw::TColor fromRGB, fw::TColor toRGB, int height, int index);
// Draws the 16 bands over rect, and a frame in border unless it is unset.
void DrawButtonGradient(fw::TCanvas* canvas, fw::TColor from, fw::TColor to, fw::TColor border, const fw::TRect& rect);
// The grey of a disabled glyph's pixel: ((R + G + B) div 3) div 2 + 96.
fw::TColor DisabledGlyphGrey(fw::TColor rgb);

class TVxGridButton : public fw::TGraphicControl {
 public:
  // The visual state.
  enum TState { stUp = 0, stDisabled = 1, stPressed = 2, stExclusive = 3 };

  explicit TVxGridButton(fw::TComponent* AOwner);
  ~TVxGridButton() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  bool AutoThemeAdapt() const { return autoThemeAdapt_; }
  void SetAutoThemeAdapt(bool value);
  bool AutoXPStyle = false;
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor value);
  fw::TColor BorderDownColor = 0x1FFFFFFF;
  fw::TColor BorderHotColor = 0x1FFFFFFF;
  // Color is the framework control's.
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor value);
  fw::TColor ColorHot = 0xCAC7C7;
  fw::TColor ColorHotTo = 0x1FFFFFFF;
  fw::TColor ColorDown = 0xD8D3D2;
  fw::TColor ColorDownTo = 0x1FFFFFFF;
  fw::TColor ColorChecked() const { return colorChecked_; }
  void SetColorChecked(fw::TColor value);
  fw::TColor ColorCheckedTo() const { return colorCheckedTo_; }
  void SetColorCheckedTo(fw::TColor value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Down() const { return down_; }
  void SetDown(bool value);
  bool DropDownButton() const { return dropDownButton_; }
  void SetDropDownButton(bool value);
  // Cleared when the menu is freed.
  fw::TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(fw::TPopupMenu* value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  fw::TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(fw::TBitmap* value);
  fw::TBitmap* GlyphHot() { return &glyphHot_; }
  void SetGlyphHot(fw::TBitmap* value) { glyphHot_.Assign(value); }
  fw::TBitmap* GlyphDown() { return &glyphDown_; }
  void SetGlyphDown(fw::TBitmap* value) { glyphDown_.Assign(value); }
  fw::TBitmap* GlyphDisabled() { return &glyphDisabled_; }
  void SetGlyphDisabled(fw::TBitmap* value) { glyphDisabled_.Assign(value); }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  // -1 centres; a value below -1 is refused.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  // -1 spreads glyph and caption evenly.
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  bool Rounded() const { return rounded_; }
  void SetRounded(bool value);
  bool Shaded() const { return shaded_; }
  void SetShaded(bool value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  TVxGridButtonStyle Style() const { return style_; }
  void SetStyle(TVxGridButtonStyle value);

  fw::TNotifyEvent OnDropDown;
  fw::TNotifyEvent OnMouseEnter;
  fw::TNotifyEvent OnMouseLeave;

  TState State() const { return state_; }
  bool MouseInControl() const { return mouseIn_; }
  // The grey silhouette drawn under a shaded glyph (empty until made).
  fw::TBitmap* Shadow() { return &shadow_; }
  // Applies the current XP colour scheme (or the classic set) to the colours.
  void ApplyThemeColors();

  void Click() override;
  void Dispatch(fw::TMessage& Message) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  fw::TControlActionLink* CreateActionLink() override;
  void ActionChange(fw::TObject* Sender, bool CheckDefaults) override;

 private:
  friend class TVxGridButtonActionLink;
  // Tells the buttons of the group on the parent that this one changed.
  void UpdateExclusive();
  void ButtonPressed(TVxGridButton* sender);
  void UpdateTracking();
  void MakeShadow();
  void MakeDisabledGlyph();
  void PaintFace(fw::TCanvas* canvas, fw::TRect& r, bool hot);
  void PaintContent(fw::TCanvas* canvas, const fw::TRect& area, fw::TPoint offset, bool hot);

  bool allowAllUp_ = false;
  bool autoThemeAdapt_ = false;
  fw::TColor borderColor_ = 0x1FFFFFFF;
  fw::TColor colorTo_ = 0x1FFFFFFF;
  fw::TColor colorChecked_ = 0x808080;
  fw::TColor colorCheckedTo_ = 0x1FFFFFFF;
  int groupIndex_ = 0;
  bool down_ = false;
  bool dropDownButton_ = false;
  fw::TPopupMenu* dropDownMenu_ = nullptr;
  bool flat_ = true;
  fw::TBitmap glyph_;
  fw::TBitmap glyphHot_;
  fw::TBitmap glyphDown_;
  fw::TBitmap glyphDisabled_;
  fw::TBitmap shadow_;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool rounded_ = false;
  bool shaded_ = true;
  bool showCaption_ = true;
  TVxGridButtonStyle style_ = tasButton;
  TState state_ = stUp;
  bool mouseIn_ = false;
  bool tracking_ = false;
  bool comCtl6_ = false;
};

// Links Caption (while it equals the action's), Checked to Down (only in a group with AllowAllUp, while
// they agree) and GroupIndex (while equal).
class TVxGridButtonActionLink : public fw::TControlActionLink {
 public:
  explicit TVxGridButtonActionLink(TVxGridButton* AClient);

  bool IsCheckedLinked() const override;
  bool IsGroupIndexLinked() const override;
  void SetChecked(bool value) override;
  void SetGroupIndex(int value) override;

 private:
  TVxGridButton* button_;
};

}  // namespace ui
