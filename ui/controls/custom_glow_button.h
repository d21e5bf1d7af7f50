// TVxCustomGlowButton: a push button whose face is two gradient halves (an upper half and a lower "mirror"
// half) in the colours of its Appearance for the normal, hot, down, checked and disabled looks. It shows a
// caption, a glyph (image list or picture), notes and an optional drop-down part with a pop-up menu; it can
// be a check button or one of a group of mutually exclusive buttons, and size itself to its content.
// GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/stringlist.h"
#include "framework/controls/custom_control.h"
#include "framework/forms/form_types.h"
#include "framework/graphics/image_list.h"
#include "ui/controls/glow_action_link.h"
#include "ui/controls/glow_appearance.h"
#include "ui/controls/glow_button_types.h"
#include "ui/foundation/control_style.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/gdip_picture.h"
#include "ui/foundation/gdip_values.h"
#include "ui/foundation/hint_info.h"
#include "ui/foundation/version_info.h"

namespace fw {
class TBitmap;
class TPopupMenu;
class TTimer;
}  // namespace fw

namespace ui {

struct TGlowFaceState;

class TVxCustomGlowButton : public fw::TCustomControl,
                            public IControlStyle,
                            public IControlFaceColors,
                            public TVersionedComponent {
 public:
  explicit TVxCustomGlowButton(fw::TComponent* AOwner);
  ~TVxCustomGlowButton() override;

  // Another glow button's properties through their setters (not its appearance, toggle, group, layout,
  // size-state or drop-down properties); any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  TAntiAlias AntiAlias() const { return antiAlias_; }
  void SetAntiAlias(TAntiAlias value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  fw::TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(fw::TFormBorderStyle value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* value);
  fw::TCustomImageList* DisabledImages() const { return disabledImages_; }
  void SetDisabledImages(fw::TCustomImageList* value);
  fw::TCustomImageList* HotImages() const { return hotImages_; }
  void SetHotImages(fw::TCustomImageList* value);
  TGDIPPicture* Picture() { return picture_.get(); }
  void SetPicture(TGDIPPicture* value);
  TGDIPPicture* DisabledPicture() { return disabledPicture_.get(); }
  void SetDisabledPicture(TGDIPPicture* value);
  TGDIPPicture* HotPicture() { return hotPicture_.get(); }
  void SetHotPicture(TGDIPPicture* value);
  TFocusType FocusType() const { return focusType_; }
  void SetFocusType(TFocusType value) { focusType_ = value; }
  TImageListType ImageListType() const { return imageListType_; }
  void SetImageListType(TImageListType value);
  int MarginVert() const { return marginVert_; }
  void SetMarginVert(int value);
  int MarginHorz() const { return marginHorz_; }
  void SetMarginHorz(int value);
  fw::TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(fw::TModalResult value) { modalResult_ = value; }
  fw::TStrings* Notes() { return notes_.get(); }
  void SetNotes(fw::TStrings* value);
  fw::TFont* NotesFont() { return notesFont_.get(); }
  void SetNotesFont(fw::TFont* value);
  TVxHintInfo* OfficeHint() { return officeHint_.get(); }
  void SetOfficeHint(TVxHintInfo* value) { officeHint_->Assign(value); }
  TButtonPosition Position() const { return position_; }
  void SetPosition(TButtonPosition value);
  int InitRepeatPause() const { return initRepeatPause_; }
  void SetInitRepeatPause(int value) { initRepeatPause_ = value; }
  int RepeatPause() const { return repeatPause_; }
  void SetRepeatPause(int value) { repeatPause_ = value; }
  bool RepeatClick() const { return repeatClick_; }
  void SetRepeatClick(bool value) { repeatClick_ = value; }
  bool Rounded() const { return rounded_; }
  void SetRounded(bool value);
  const std::string& ShortCutHint() const { return shortCutHint_; }
  void SetShortCutHint(const std::string& value) { shortCutHint_ = value; }
  TShortCutHintPos ShortCutHintPos() const { return shortCutHintPos_; }
  void SetShortCutHintPos(TShortCutHintPos value) { shortCutHintPos_ = value; }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool value);
  bool ShowDisabled() const { return showDisabled_; }
  void SetShowDisabled(bool value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  StringTrimming Trimming() const { return trimming_; }
  void SetTrimming(StringTrimming value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  // "2.1.0.7"; writes are ignored.
  std::uint32_t GetVersionNr() const override;

  // Style presets 0-15 and a set of face colours (the toolkit's style interfaces).
  void ApplyStyle(int Style);
  void ApplyStyleColors(const TControlFaceColors& Colors);
  void SetComponentStyle(int Style) override { ApplyStyle(Style); }
  void SetColors(const TControlFaceColors& Colors) override { ApplyStyleColors(Colors); }

  // The fade timer's handler: one step of the running hot or pressed fade.
  void FadeTimerTick();
  // The auto-repeat timer's handler: after the first pause the repeat pause; a click while the button is
  // held (pressed glow and mouse capture). A click that raises stops the timer.
  virtual void RepeatTimerTick();
  // A fade timer runs (the face blends between looks).
  bool Fading() const;
  int HotFade() const { return hotFade_; }
  int DownFade() const { return downFade_; }
  fw::TTimer* RepeatTimer() const { return repeatTimer_; }
  // The state the next face is painted in (glow_face_colors.h).
  TGlowFaceState FaceState();

  fw::TNotifyEvent OnMouseEnter;
  fw::TNotifyEvent OnMouseLeave;
  TGlowButtonDrawEvent OnDrawButton;

 protected:
  // Shown by TVxGlowButton.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  TGlowButtonAppearance* Appearance() { return appearance_.get(); }
  void SetAppearance(TGlowButtonAppearance* value) { appearance_->Assign(value); }
  bool Down() const { return down_; }
  void SetDown(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  TVxButtonStyle Style() const { return style_; }
  void SetStyle(TVxButtonStyle value) { style_ = value; }
  TButtonSizeState MaxButtonSizeState() const { return maxButtonSizeState_; }
  void SetMaxButtonSizeState(TButtonSizeState value);
  TButtonSizeState MinButtonSizeState() const { return minButtonSizeState_; }
  void SetMinButtonSizeState(TButtonSizeState value);
  bool DropDownButton() const { return dropDownButton_; }
  void SetDropDownButton(bool value);
  TDropDownPosition DropDownPosition() const { return dropDownPosition_; }
  void SetDropDownPosition(TDropDownPosition value);
  TDropDownDirection DropDownDirection() const { return dropDownDirection_; }
  void SetDropDownDirection(TDropDownDirection value);
  bool DropDownSplit() const { return dropDownSplit_; }
  void SetDropDownSplit(bool value) { dropDownSplit_ = value; }
  fw::TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(fw::TPopupMenu* value);
  fw::TNotifyEvent OnDropDown;

  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void CreateWnd() override;
  void Dispatch(fw::TMessage& Message) override;
  void Paint() override;
  void DoEnter() override;
  void DoExit() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void KeyUp(WORD& Key, fw::TShiftState Shift) override;
  void KeyPress(char& Key) override;
  fw::TControlActionLink* CreateActionLink() override;
  // After the inherited step: the action's GroupIndex (while defaults are being checked, or the button has
  // none), then a sizing paint when auto-sized.
  void ActionChange(fw::TObject* Sender, bool CheckDefaults) override;
  // The parent form takes ModalResult, then OnClick.
  void Click() override;

  // Called after each face is drawn.
  virtual void DrawAfter() {}
  // Given a 1 x 1 bitmap before each face is drawn; a bitmap made larger is drawn in place of the glyph.
  virtual void PrepareDropDownGlyph(fw::TBitmap* /*Glyph*/) {}
  // True would make the whole button a drop-down without a drop-down part.
  virtual bool DropDownOnly() const { return false; }
  virtual bool HasBorder() const { return borderStyle_ == fw::bsSingle; }
  virtual bool HasFocusBorder() const { return focused_ && (focusType_ == ftBorder || focusType_ == ftHotBorder); }

  // Auto size: with AutoSize a sizing paint now, else a repaint.
  void RefreshSize();
  void SetSizeState(TButtonSizeState value);
  // Tells the other members of the group (the parent's children) that this one went down.
  void UpdateExclusive();
  // The size auto size gives for a measured content size.
  fw::TSize AutoSizeFor(fw::TSize Content) const;
  // Opens the drop-down menu (F4, Alt + accelerator, a keyboard click of a drop-down button).
  void DoDropDown();
  // Enter or Esc as default or cancel button.
  void KeyboardClick();
  // Whether the pointer is over this button, told by CM_MOUSEENTER or CM_MOUSELEAVE when that changed.
  void UpdateTracking();

 private:
  // Run-time state: the press, hover, fade, repeat and auto-size state machines of this class own it.
  bool activeDefault_ = false;
  bool pressedGlow_ = false;
  bool pressedOutside_ = false;
  bool mouseDown_ = false;
  fw::TTimer* fadeTimer_ = nullptr;
  int hotFade_ = 0;
  int downFade_ = 0;
  int fadeStep_ = 0;
  std::uint8_t fadeMode_ = 2;
  std::uint8_t buttonState_ = gbsUp;
  bool mouseInControl_ = false;
  bool mouseInside_ = false;
  bool downAtLoad_ = false;
  bool pressPending_ = false;
  bool overDropDown_ = false;
  bool checkedLinked_ = false;
  bool groupIndexLinked_ = false;
  bool menuShowing_ = false;
  bool sizing_ = false;
  bool sizePending_ = true;
  fw::TTimer* repeatTimer_ = nullptr;
  bool painting_ = false;
  TButtonSizeState sizeState_ = bsLarge;
  TButtonLayout savedLayout_ = blGlyphLeft;
  TDropDownPosition savedDropDownPosition_ = dpRight;
  bool leftDown_ = false;
  bool focused_ = false;
  bool hotColors_ = false;

  void AppearanceChanged();
  void SetImageList(fw::TCustomImageList*& field, fw::TChangeLink* link, fw::TCustomImageList* value);
  void ButtonPressed(fw::TMessage& Message);
  void StartFadeTimer();
  void StopFadeTimer();
  void MouseEntered();
  void MouseLeft();
  void LeftButtonReleased(fw::TMessage& Message);
  bool DialogKey(fw::TMessage& Message);
  bool DialogChar(fw::TMessage& Message);
  void FocusChanged(fw::TMessage& Message);
  // The menu opened by a press on the drop-down part (or anywhere on a button that is all drop-down).
  void PressOpensMenu();
  // Where the menu pops up: under the button (ddDown) or beside it (ddRight), in screen coordinates.
  fw::TPoint DropDownPoint();
  bool InsideClient(int X, int Y);
  // The images of the linked action's list when the action shows an image, else null.
  fw::TCustomImageList* ActionImages() const;
  // The release's inherited handling (a click when the press was one and the release is inside).
  void InheritedRelease(fw::TMessage& Message);
  // The parent's image under the client rectangle, or under the corner pixels of a rounded face.
  void PaintParentUnder(HDC DC, bool CornersOnly);

  TAntiAlias antiAlias_ = aaClearType;
  bool autoSize_ = false;
  fw::TFormBorderStyle borderStyle_ = fw::bsSingle;
  bool cancel_ = false;
  bool default_ = false;
  int imageIndex_ = -1;
  fw::TCustomImageList* images_ = nullptr;
  fw::TCustomImageList* disabledImages_ = nullptr;
  fw::TCustomImageList* hotImages_ = nullptr;
  std::unique_ptr<TGDIPPicture> picture_;
  std::unique_ptr<TGDIPPicture> disabledPicture_;
  std::unique_ptr<TGDIPPicture> hotPicture_;
  TFocusType focusType_ = ftBorder;
  TImageListType imageListType_ = ipActionList;
  int marginVert_ = 1;
  int marginHorz_ = 1;
  fw::TModalResult modalResult_ = fw::mrNone;
  std::unique_ptr<fw::TStringList> notes_;
  std::unique_ptr<fw::TFont> notesFont_;
  std::unique_ptr<TVxHintInfo> officeHint_;
  TButtonPosition position_ = bpStandalone;
  int initRepeatPause_ = 400;
  int repeatPause_ = 100;
  bool repeatClick_ = false;
  bool rounded_ = true;
  std::string shortCutHint_;
  TShortCutHintPos shortCutHintPos_ = shpTop;
  bool showCaption_ = true;
  bool showDisabled_ = true;
  int spacing_ = 2;
  bool transparent_ = false;
  StringTrimming trimming_ = StringTrimmingNone;
  bool wordWrap_ = true;

  bool allowAllUp_ = false;
  std::unique_ptr<TGlowButtonAppearance> appearance_;
  bool down_ = false;
  int groupIndex_ = 0;
  TButtonLayout layout_ = blGlyphLeft;
  TVxButtonStyle style_ = bsButton;
  TButtonSizeState maxButtonSizeState_ = bsLarge;
  TButtonSizeState minButtonSizeState_ = bsGlyph;
  bool dropDownButton_ = false;
  TDropDownPosition dropDownPosition_ = dpRight;
  TDropDownDirection dropDownDirection_ = ddDown;
  bool dropDownSplit_ = true;
  fw::TPopupMenu* dropDownMenu_ = nullptr;

  std::unique_ptr<fw::TChangeLink> imageChangeLink_;
  std::unique_ptr<fw::TChangeLink> disabledImageChangeLink_;
  std::unique_ptr<fw::TChangeLink> hotImageChangeLink_;

  friend class TVxGlowButtonActionLink;
};

}  // namespace ui
