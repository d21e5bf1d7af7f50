// TVxCustomDropDown: the base of every drop-down control. A one-line masked edit with a drop-down button at
// its right edge that opens a borderless pop-up window holding a picker (track bar, memo, calculator,
// clock, lists, colours, images, grid) supplied by a descendant. This class is the control: its state,
// the properties every descendant publishes, the protocol of virtual operations the descendants fill, its
// keys, mouse and focus handling, its borders, the attached caption label and the edit area's geometry.
// The pop-up window and the open/close sequence, the typed value editing and the style presets live in
// their own files (dropdown_edit_popup.cpp, dropdown_edit_value.cpp, dropdown_edit_style.cpp).
//
// Construction, for every picker. C++ does not dispatch to a derived class from a base constructor, so a
// drop-down is made with fw::Create<T>(owner), which runs the virtual AfterConstruction once every
// constructor is done:
//   - the base constructor sets the plain defaults, the size (200 x 21) and the button width (17);
//   - the base AfterConstruction then calls, through the virtual table and in this order,
//     CreateDropDownForm, CreateDropDownButton, SetText(""), SetSelectionColorStyle(1) and ApplyStyle(4),
//     and makes the header, footer and button appearances and the label font in between (see the .cpp);
//   - a descendant makes, in its own constructor, everything its overrides of those five touch (its
//     picker control, its own appearances), so they find their parts in place;
//   - a descendant sets the defaults its own description gives (EditorEnabled off, another DropPosition,
//     ...) in its AfterConstruction override after calling the inherited one, so no base default or style
//     preset overwrites them.
// The control is abstract in use: forms place descendants. GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/events.h"
#include "framework/controls/label.h"
#include "framework/controls/mask_edit.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/font.h"
#include "framework/graphics/image_list.h"
#include "ui/controls/attached_label.h"
#include "ui/dropdown/dropdown_appearance_types.h"
#include "ui/dropdown/dropdown_bar_appearance.h"
#include "ui/dropdown/dropdown_button.h"
#include "ui/dropdown/dropdown_button_appearance.h"
#include "ui/foundation/control_style.h"
#include "ui/foundation/version_info.h"

namespace ui {

class TDropDownForm;
class TItemAppearance;

// Where the pop-up opens: below the control, above it, or below unless there is no room there.
enum TDropPosition : std::uint8_t { dpAuto, dpDown, dpUp };

// After the pop-up was placed; setting AcceptDrop false cancels the opening.
using TDropDown = std::function<void(fw::TObject* Sender, bool& AcceptDrop)>;
// After the pop-up was hidden.
using TDropUp = std::function<void(fw::TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(fw::TObject* Sender, int ButtonIndex)>;
// A custom background for the pop-up's header or footer bar.
using TDrawBackGroundEvent = std::function<void(fw::TObject* Sender, fw::TCanvas* ACanvas, fw::TRect ARect)>;
// The caption of the pop-up's header or footer bar.
using TGetTextEvent = std::function<void(fw::TObject* Sender, std::string& Text)>;

class TVxCustomDropDown : public fw::TCustomMaskEdit,
                          public IControlStyle,
                          public IControlFaceColors,
                          public TVersionedComponent {
 public:
  explicit TVxCustomDropDown(fw::TComponent* AOwner);
  ~TVxCustomDropDown() override;
  void AfterConstruction() override;

  // ---- the inherited slots ----
  void DefineProperties(fw::TFiler* Filer) override;
  // Copies from another drop-down only; anything else changes nothing.
  void Assign(fw::TPersistent* Source) override;
  void WndProc(fw::TMessage& Message) override;
  void Dispatch(fw::TMessage& Message) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // ---- the style interfaces ----
  void SetComponentStyle(int Style) override { ApplyStyle(Style); }
  void SetColors(const TControlFaceColors& Colors) override { ApplyStyleColors(Colors); }
  std::uint32_t GetVersionNr() const override { return GetVersionNumber(); }

  // ---- operations ----
  // Open and close the pop-up (the grid drop-down uses them).
  void DropDown() { ShowDropDown(); }
  void CloseUp(bool Cancel) { HideDropDown(Cancel); }
  // The picker shown in the pop-up; a different control is stored and placed in the pop-up.
  void SetControl(fw::TWinControl* Control);
  fw::TWinControl* Control() const { return dropDownControl_; }
  // The style number last given to ApplyStyle.
  int GetStyle() const { return style_; }
  // The formatting rectangle last given to the edit.
  fw::TRect GetEditRect() const { return editRect_; }
  // The character index under a client point (the edit's EM_CHARFROMPOS).
  int CharFromPos(fw::TPoint P);
  // Places the label by LabelPosition and gives it the control's visibility; nothing without a label.
  void UpdateLabel();
  // The one-pixel frame (BorderColor, FocusBorderColor, the disabled grey) over the window's border.
  void DrawBorders();
  // The minimum height for the control's font: f + min(s, f) div 4 with f the font's and s the system
  // font's text height.
  int GetMinHeight();
  std::string GetDropDownButtonCaption();
  void SetDropDownButtonCaption(const std::string& Value);

  // ---- state ----
  bool DroppedDown() const { return droppedDown_; }
  bool Themed() const { return themed_; }
  TDropDownForm* DropDownForm() const { return dropDownForm_; }
  TDropDownEditButton* Button() const { return button_; }
  fw::TLabel* Label() const { return label_; }
  // The pop-up's size when it last closed; -1: none.
  int UserWidth() const { return userWidth_; }
  int UserHeight() const { return userHeight_; }
  // The control focused when the pop-up opens (the grid drop-down sets it).
  fw::TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(fw::TWinControl* Value);
  // The pop-up background's second colour (clNone: plain), set by the style presets.
  fw::TColor DropDownColorTo() const { return dropDownColorTo_; }
  void SetDropDownColorTo(fw::TColor Value) { dropDownColorTo_ = Value; }
  dropdown::TGradientDirection GradientDirection() const { return gradientDirection_; }
  // DrawFocusedText paints only while set (the grid's time-picker editor clears it).
  bool FocusDraw() const { return focusDraw_; }
  void SetFocusDraw(bool Value) { focusDraw_ = Value; }
  // The pop-up casts its shadow even where it would not (the track-bar drop-down sets it).
  bool ForcedShadow() const { return forcedShadow_; }
  void SetForcedShadow(bool Value) { forcedShadow_ = Value; }
  // Read only by the track-bar drop-down.
  bool DropDownEnabled() const { return dropDownEnabled_; }
  void SetDropDownEnabled(bool Value) { dropDownEnabled_ = Value; }
  // The selected-item colour preset (0 plain, 1-3), stored with the form as "SelectionColorStyle".
  int SelectionColorStyle() const { return selectionColorStyle_; }
  int EditType() const { return editType_; }
  int Precision() const { return precision_; }
  const std::string& OldText() const { return oldText_; }

  // ---- the published base set ----
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor Value);
  fw::TColor FocusBorderColor() const { return focusBorderColor_; }
  void SetFocusBorderColor(fw::TColor Value);
  bool DisabledBorder() const { return disabledBorder_; }
  void SetDisabledBorder(bool Value);
  fw::TColor DropDownColor() const { return dropDownColor_; }
  void SetDropDownColor(fw::TColor Value) { dropDownColor_ = Value; }
  fw::TColor DropDownBorderColor() const { return dropDownBorderColor_; }
  void SetDropDownBorderColor(fw::TColor Value) { dropDownBorderColor_ = Value; }
  int DropDownBorderWidth() const { return dropDownBorderWidth_; }
  void SetDropDownBorderWidth(int Value) { dropDownBorderWidth_ = Value; }
  bool DropDownShadow() const { return dropDownShadow_; }
  void SetDropDownShadow(bool Value) { dropDownShadow_ = Value; }
  // 0 or less: computed. Writing another value forgets the remembered user size of that dimension.
  int DropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(int Value);
  int DropDownHeight() const { return dropDownHeight_; }
  void SetDropDownHeight(int Value);
  TDropPosition DropPosition() const { return dropPosition_; }
  void SetDropPosition(TDropPosition Value) { dropPosition_ = Value; }
  int DropDownButtonWidth() const { return buttonWidth_; }
  void SetDropDownButtonWidth(int Value);
  const std::string& DropDownButtonHint() const { return dropDownButtonHint_; }
  void SetDropDownButtonHint(const std::string& Value);
  // The button's glyph (none without a button); writing copies the bitmap.
  fw::TBitmap* DropDownButtonGlyph();
  void SetDropDownButtonGlyph(fw::TBitmap* Value);
  bool DropDownSizeable() const { return dropDownSizeable_; }
  void SetDropDownSizeable(bool Value) { dropDownSizeable_ = Value; }
  // Referenced; dropped when the image list goes.
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* Value);
  TVxButtonAppearance* ButtonAppearance() const { return buttonAppearance_.get(); }
  void SetButtonAppearance(TVxButtonAppearance* Value) { buttonAppearance_->Assign(Value); }
  THeaderAppearance* DropDownHeader() const { return dropDownHeader_.get(); }
  void SetDropDownHeader(THeaderAppearance* Value) { dropDownHeader_->Assign(Value); }
  TFooterAppearance* DropDownFooter() const { return dropDownFooter_.get(); }
  void SetDropDownFooter(TFooterAppearance* Value) { dropDownFooter_->Assign(Value); }
  // False: the value is chosen in the pop-up only; the edit shows it highlighted while focused.
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool Value);
  // The first write makes the label; reads empty while there is none.
  std::string LabelCaption() const;
  void SetLabelCaption(const std::string& Value);
  TLabelPosition LabelPosition() const { return labelPosition_; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return labelMargin_; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return labelTransparent_; }
  void SetLabelTransparent(bool Value);
  // Off: Loaded gives the label the control's Enabled state.
  bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
  void SetLabelAlwaysEnabled(bool Value) { labelAlwaysEnabled_ = Value; }
  // The label's font unless the control follows its parent's font; ignored while ParentFont is on.
  fw::TFont* LabelFont() { return labelFont_.get(); }
  void SetLabelFont(fw::TFont* Value);
  fw::TColor SelectionColor() const { return selectionColor_; }
  void SetSelectionColor(fw::TColor Value) { selectionColor_ = Value; }
  fw::TColor SelectionColorTo() const { return selectionColorTo_; }
  void SetSelectionColorTo(fw::TColor Value) { selectionColorTo_ = Value; }

  fw::TNotifyEvent OnBeforeDropDown;
  TDropDown OnDropDown;
  TDropUp OnDropUp;
  TDropDownButtonItemClick OnDropDownHeaderButtonClick;
  TDropDownButtonItemClick OnDropDownFooterButtonClick;
  TDrawBackGroundEvent OnDrawHeader;
  TDrawBackGroundEvent OnDrawFooter;
  TGetTextEvent OnGetHeaderText;
  TGetTextEvent OnGetFooterText;
  // Called by DoLabelClick and DoLabelDblClick; no published property sets them.
  fw::TNotifyEvent OnLabelClick;
  fw::TNotifyEvent OnLabelDblClick;

  // ---- the protocol, in slot order ----
  virtual void DoLabelClick();
  virtual void DoLabelDblClick();
  virtual std::uint32_t GetVersionNumber() const;
  virtual void CreateDropDownForm();
  virtual void CreateDropDownButton();
  virtual void UpdateDropDownButton();
  virtual void BeforeDropDown();
  virtual void FocusDropDownControl();
  virtual void ShowDropDown();
  virtual void PlaceDropDownControl();
  virtual void SizeDropDownForm();
  virtual void HideDropDown(bool Cancel);
  virtual void AfterDropUp();
  virtual void DropDownFormDestroyed() {}
  virtual void DropDownFormWheelDown() { SelectNextItem(); }
  virtual void DropDownFormWheelUp() { SelectPreviousItem(); }
  virtual void DropDownFormKeyPress(char& Key);
  virtual void DropDownFormKeyDown(WORD& Key, fw::TShiftState Shift);
  virtual void DropDownFormKeyUp(WORD& Key, fw::TShiftState Shift);
  virtual void DropDownControlKeyDown(WORD& Key, fw::TShiftState Shift);
  virtual void DropDownControlKeyUp(WORD& Key, fw::TShiftState Shift);
  virtual void DropDownControlKeyPress(char& Key);
  // After each sizing step of the pop-up.
  virtual void DropDownFormSizing() {}
  // List descendants step their selection.
  virtual void SelectNextItem() {}
  virtual void SelectPreviousItem() {}
  virtual void DrawFocusedText();
  virtual void SetEditRect();
  virtual void UpdateButtonBounds();
  // The Text setter.
  virtual void SetText(const std::string& Value);
  virtual void SetSelectionColorStyle(int Style);
  virtual void DrawSelectionBackground(fw::TCanvas* Canvas, const fw::TRect& R, int Segment, fw::TColor CornerColor);
  virtual void DrawGradient(fw::TCanvas* Canvas, fw::TColor FromColor, dropdown::TGradientDirection Direction,
                            const fw::TRect& R, int Steps, fw::TColor ToColor);
  virtual void ApplyStyle(int Style);
  virtual void ApplyStyleColors(const TControlFaceColors& Colors);

  // ---- value editing ----
  void SelectValue();
  void SetModifiedFlag(bool Value);
  void FormatThousands();
  // The pop-up opens through the button's rule (not while read-only or already open).
  void TryShowDropDown();

  // ---- typed values: edit kinds, numbers, caret and modification ----
  // The edit kinds a descendant chooses with SetEditType.
  static constexpr int etText = 0;
  static constexpr int etInteger = 1;
  static constexpr int etDecimal = 2;
  static constexpr int etGrouped = 7;
  // Writes the edit's text as given: no formatting, no old text, no flag change.
  void SetTextDirect(const std::string& Value);
  // Decimals of the decimal kinds; a change rewrites the value (ignored by the integer kind).
  void SetPrecision(int Value);
  void SetFloatValue(double X);
  void SetIntValue(int N);
  double GetFloatValue();
  // The text as a number without its thousands separators; 0 when it is none.
  double ParseFloat(const std::string& S) const;
  void CaretAfterDecimal();
  void CaretBeforeDecimal();
  bool GetModifiedFlag() const { return modifiedFlag_; }

  // ---- the list pickers' item colours ----
  // The style's hot and selected item colours into Appearance (nothing without one); style 8 changes
  // nothing, numbers above 15 only the text and hot/selected border colours.
  void ApplyItemAppearanceStyle(TItemAppearance* Appearance, int Style);

 protected:
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void CreateParams(fw::TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoEnter() override;
  bool DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) override;
  bool DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) override;

  // The state the pop-up window's sequence keeps.
  void SetDroppedDown(bool Value) { droppedDown_ = Value; }
  void SetUserSize(int Width, int Height) {
    userWidth_ = Width;
    userHeight_ = Height;
  }

  // ---- typed values ----
  // Sets the edit kind (etText, etInteger, etDecimal, etGrouped); a text the new kind cannot read becomes 0.
  void SetEditType(int Kind);
  // Called after a typed character or a paste was handled.
  virtual void TextEdited() {}

 private:
  bool Designing() const { return ComponentState().Contains(fw::csDesigning); }
  bool Loading() const { return ComponentState().Contains(fw::csLoading); }
  // Steps 1-3 of WM_KEYDOWN; true when the key goes no further.
  bool KeyDownSwallowed(fw::TMessage& Message);
  // F4: closes the pop-up when it is open, else opens it.
  void ToggleDropDown();
  void WantSpecialKey(fw::TMessage& Message);
  void LeftButtonDown(fw::TMessage& Message);
  void LeftButtonUp(fw::TMessage& Message);
  void CreateLabel();
  void LabelFontChanged();
  void MouseInside(bool Value);
  // The mouse is over the control or the control is the screen's active control.
  bool Hot();
  // The frame of DrawBorders, on a window DC.
  void DrawBorder(HDC DC);
  void ButtonClicked(fw::TObject* Sender);
  // The pop-up's bars follow a change of the header or footer appearance while it is shown.
  void BarsChanged(fw::TObject* Sender);
  void DestroyDropDownForm();

  fw::TLabel* label_ = nullptr;
  std::unique_ptr<fw::TFont> labelFont_;
  bool parentFontCopy_ = false;
  int dropDownWidth_ = 0;
  int dropDownHeight_ = 0;
  int userWidth_ = -1;
  int userHeight_ = -1;
  bool editorEnabled_ = true;
  TDropPosition dropPosition_ = dpAuto;
  fw::TCustomImageList* images_ = nullptr;
  bool dropDownShadow_ = true;
  int dropDownBorderWidth_ = 1;
  std::string dropDownButtonHint_;
  fw::TColor dropDownColorTo_ = fw::clNone;
  fw::TColor dropDownColor_ = fw::clWhite;
  fw::TColor dropDownBorderColor_ = fw::clBlack;
  int buttonWidth_ = 17;
  bool mouseInside_ = false;
  fw::TWinControl* focusControl_ = nullptr;
  std::unique_ptr<THeaderAppearance> dropDownHeader_;
  std::unique_ptr<TFooterAppearance> dropDownFooter_;
  std::unique_ptr<TVxButtonAppearance> buttonAppearance_;
  fw::TWinControl* dropDownControl_ = nullptr;
  dropdown::TGradientDirection gradientDirection_ = dropdown::gdHorizontal;
  bool dropDownSizeable_ = true;
  fw::TColor selectionColor_ = 0xD7FFFD;
  fw::TColor selectionColorTo_ = 0x58D4FC;
  int selectionColorStyle_ = 0;
  int editType_ = 0;
  int precision_ = 0;
  std::string oldText_;
  bool modifiedFlag_ = false;
  bool buttonDownInSelection_ = false;
  // Set while CM_EXIT draws the frame: the control counts as unfocused then.
  bool focusLeaving_ = false;
  fw::TRect editRect_;
  bool dropDownEnabled_ = false;
  bool droppedDown_ = false;
  bool focusDraw_ = true;
  bool forcedShadow_ = false;
  int style_ = 0;
  TLabelPosition labelPosition_ = lpLeftTop;
  int labelMargin_ = 0;
  bool labelAlwaysEnabled_ = false;
  bool labelTransparent_ = false;
  fw::TColor borderColor_ = fw::clNone;
  fw::TColor focusBorderColor_ = fw::clNone;
  bool disabledBorder_ = true;
  TDropDownForm* dropDownForm_ = nullptr;
  TDropDownEditButton* button_ = nullptr;
  bool themed_ = false;

  // ---- typed values ----
  // WM_CHAR, WM_CUT/WM_COPY/WM_PASTE, WM_SETFOCUS, WM_KILLFOCUS and CN_COMMAND of the value editing.
  void CharTyped(fw::TMessage& Message);
  void BackspaceTyped(fw::TMessage& Message);
  // The decimal and grouped kinds' rules; false when the character was dropped and nothing follows.
  bool DecimalCharTyped(fw::TMessage& Message, char Key);
  bool GroupedCharTyped(fw::TMessage& Message, char Key);
  // A digit or separator past the last allowed decimal: true when it is dropped; a digit before the end
  // selects the next character so that it overwrites it.
  bool PrecisionLimitDrops(char Key);
  // A decimal separator typed into an empty text: "0" and the separator, caret after it.
  bool StartsDecimalFraction(char Key);
  void ClipboardMessage(fw::TMessage& Message);
  void PasteText();
  void FocusReceived(fw::TMessage& Message);
  void FocusLost(fw::TMessage& Message);
  // True when an EN_CHANGE is swallowed by the one-shot suppression.
  bool ChangeSuppressed(fw::TMessage& Message);
  bool DecimalKind() const { return editType_ == etDecimal || editType_ == etGrouped; }
  bool NumericKind() const { return editType_ == etInteger || DecimalKind(); }

  // The next EN_CHANGE raises no OnChange (the text was rewritten by the control itself).
  bool changeSuppressed_ = false;

  // ---- the pop-up window ----
  // Sends a key the pop-up or its picker received on to the edit's window (lParam 0).
  void SendKey(UINT Message, WPARAM Key);
};

}  // namespace ui
