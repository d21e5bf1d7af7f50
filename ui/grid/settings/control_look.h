// TControlLook: how the controls the grid draws inside cells look (check boxes, radio buttons, cell
// buttons, progress bars, comment marks), which drop-down and spin buttons always show, the header and
// footer of the drop-down editors and the fixed cells' gradient colours in their normal, hover and pressed
// states. GUI thread only.
//
// The grid paints fixed cells from its own working copy of the gradient colours (IGridSettingsOwner::
// FixedCellColors), which the look presets also write. The gradient setters keep that copy up to date,
// each by its own rule (see the setters); Assign and the plain stores of SetDefaults leave it alone.
#pragma once

#include <cstdint>

#include "framework/classes/component.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/colors.h"
#include "ui/dropdown/dropdown_bar_appearance.h"
#include "ui/grid/settings/grid_settings_owner.h"

namespace ui {

// How check boxes and radio buttons in cells are drawn; csGlyph draws the look's four glyph bitmaps.
// Scoped, because the style detection's colour-scheme codes have a csClassic of their own.
enum class TControlStyle : std::uint8_t { csClassic, csFlat, csWinXP, csVelkar, csNRV, csGlyph, csTheme };

class TControlLook : public fw::TPersistent {
 public:
  // Grid owns the drop-down header and footer; Owner is told of repaints and keeps the working copy. Both
  // are the owning grid and outlive the look.
  TControlLook(fw::TComponent* Grid, IGridSettingsOwner* Owner);

  // The colour defaults (the style presets call it before they apply their own colours): Color,
  // CommentColor, ProgressBorderColor and the gradient colours, all stored directly except the four
  // hover and pressed mirror colours, which go through their setters (so the working copy's mirrors are
  // cleared too).
  void SetDefaults();
  // Another control look: every value copied directly (the glyphs, header and footer by their own
  // Assign), so the working copy is not touched and nothing repaints. FlatButton, ProgressXP, the two
  // NoDisabled switches and FixedDropDownButton are not copied. Any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  // ---- these repaint the grid on every write ----
  int CheckSize() const { return checkSize_; }
  void SetCheckSize(int Value) { StoreAndRepaint(checkSize_, Value); }
  int RadioSize() const { return radioSize_; }
  void SetRadioSize(int Value) { StoreAndRepaint(radioSize_, Value); }
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle Value) { StoreAndRepaint(controlStyle_, Value); }
  // Pen and brush of the check boxes and radio buttons the grid draws itself.
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value) { StoreAndRepaint(color_, Value); }
  fw::TColor CommentColor() const { return commentColor_; }
  void SetCommentColor(fw::TColor Value) { StoreAndRepaint(commentColor_, Value); }
  bool FlatButton() const { return flatButton_; }
  void SetFlatButton(bool Value) { StoreAndRepaint(flatButton_, Value); }
  bool NoDisabledCheckRadioLook() const { return noDisabledCheckRadioLook_; }
  void SetNoDisabledCheckRadioLook(bool Value) { StoreAndRepaint(noDisabledCheckRadioLook_, Value); }
  bool NoDisabledButtonLook() const { return noDisabledButtonLook_; }
  void SetNoDisabledButtonLook(bool Value) { StoreAndRepaint(noDisabledButtonLook_, Value); }
  int ProgressMarginX() const { return progressMarginX_; }
  void SetProgressMarginX(int Value) { StoreAndRepaint(progressMarginX_, Value); }
  int ProgressMarginY() const { return progressMarginY_; }
  void SetProgressMarginY(int Value) { StoreAndRepaint(progressMarginY_, Value); }
  bool ProgressXP() const { return progressXP_; }
  void SetProgressXP(bool Value) { StoreAndRepaint(progressXP_, Value); }
  bool DropDownAlwaysVisible() const { return dropDownAlwaysVisible_; }
  void SetDropDownAlwaysVisible(bool Value) { StoreAndRepaint(dropDownAlwaysVisible_, Value); }
  bool SpinButtonsAlwaysVisible() const { return spinButtonsAlwaysVisible_; }
  void SetSpinButtonsAlwaysVisible(bool Value) { StoreAndRepaint(spinButtonsAlwaysVisible_, Value); }

  // Owned bitmaps (empty at first; an empty one draws nothing); the setters copy and repaint.
  fw::TBitmap* CheckedGlyph() { return &checkedGlyph_; }
  void SetCheckedGlyph(fw::TBitmap* Value) { CopyGlyph(checkedGlyph_, Value); }
  fw::TBitmap* UnCheckedGlyph() { return &unCheckedGlyph_; }
  void SetUnCheckedGlyph(fw::TBitmap* Value) { CopyGlyph(unCheckedGlyph_, Value); }
  fw::TBitmap* RadioOnGlyph() { return &radioOnGlyph_; }
  void SetRadioOnGlyph(fw::TBitmap* Value) { CopyGlyph(radioOnGlyph_, Value); }
  fw::TBitmap* RadioOffGlyph() { return &radioOffGlyph_; }
  void SetRadioOffGlyph(fw::TBitmap* Value) { CopyGlyph(radioOffGlyph_, Value); }

  // ---- plain stores ----
  fw::TColor ProgressBorderColor() const { return progressBorderColor_; }
  void SetProgressBorderColor(fw::TColor Value) { progressBorderColor_ = Value; }
  bool FixedDropDownButton() const { return fixedDropDownButton_; }
  void SetFixedDropDownButton(bool Value) { fixedDropDownButton_ = Value; }
  bool CheckAlwaysActive() const { return checkAlwaysActive_; }
  void SetCheckAlwaysActive(bool Value) { checkAlwaysActive_ = Value; }
  bool RadioAlwaysActive() const { return radioAlwaysActive_; }
  void SetRadioAlwaysActive(bool Value) { radioAlwaysActive_ = Value; }
  // Visible items of the combo editors' lists.
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int Value) { dropDownCount_ = Value; }

  // Owned, handed to every drop-down editor; the setters copy without repainting.
  THeaderAppearance* DropDownHeader() { return &dropDownHeader_; }
  void SetDropDownHeader(THeaderAppearance* Value) { dropDownHeader_.Assign(Value); }
  TFooterAppearance* DropDownFooter() { return &dropDownFooter_; }
  void SetDropDownFooter(TFooterAppearance* Value) { dropDownFooter_.Assign(Value); }

  // ---- fixed-cell gradients ----
  // Normal state From and To: a set colour goes into the working copy with system colours resolved, and
  // the grid repaints; clNone is only stored.
  fw::TColor FixedGradientFrom() const { return gradients_.From; }
  void SetFixedGradientFrom(fw::TColor Value) { StoreNormal(gradients_.From, WorkingCopy().From, Value, false); }
  fw::TColor FixedGradientTo() const { return gradients_.To; }
  void SetFixedGradientTo(fw::TColor Value) { StoreNormal(gradients_.To, WorkingCopy().To, Value, false); }
  // Normal state mirror (lower half): always into the working copy (system colours resolved), repaint.
  fw::TColor FixedGradientMirrorFrom() const { return gradients_.MirrorFrom; }
  void SetFixedGradientMirrorFrom(fw::TColor Value) {
    StoreNormal(gradients_.MirrorFrom, WorkingCopy().MirrorFrom, Value, true);
  }
  fw::TColor FixedGradientMirrorTo() const { return gradients_.MirrorTo; }
  void SetFixedGradientMirrorTo(fw::TColor Value) {
    StoreNormal(gradients_.MirrorTo, WorkingCopy().MirrorTo, Value, true);
  }
  // Hover and pressed From, To and Border: a set colour goes into the working copy as it is; no repaint
  // (the next hover or press paints with it).
  fw::TColor FixedGradientHoverFrom() const { return gradients_.HoverFrom; }
  void SetFixedGradientHoverFrom(fw::TColor Value) { StoreSet(gradients_.HoverFrom, WorkingCopy().HoverFrom, Value); }
  fw::TColor FixedGradientHoverTo() const { return gradients_.HoverTo; }
  void SetFixedGradientHoverTo(fw::TColor Value) { StoreSet(gradients_.HoverTo, WorkingCopy().HoverTo, Value); }
  fw::TColor FixedGradientHoverBorder() const { return gradients_.HoverBorder; }
  void SetFixedGradientHoverBorder(fw::TColor Value) {
    StoreSet(gradients_.HoverBorder, WorkingCopy().HoverBorder, Value);
  }
  fw::TColor FixedGradientDownFrom() const { return gradients_.DownFrom; }
  void SetFixedGradientDownFrom(fw::TColor Value) { StoreSet(gradients_.DownFrom, WorkingCopy().DownFrom, Value); }
  fw::TColor FixedGradientDownTo() const { return gradients_.DownTo; }
  void SetFixedGradientDownTo(fw::TColor Value) { StoreSet(gradients_.DownTo, WorkingCopy().DownTo, Value); }
  fw::TColor FixedGradientDownBorder() const { return gradients_.DownBorder; }
  void SetFixedGradientDownBorder(fw::TColor Value) {
    StoreSet(gradients_.DownBorder, WorkingCopy().DownBorder, Value);
  }
  // Hover and pressed mirrors: always into the working copy as they are; no repaint.
  fw::TColor FixedGradientHoverMirrorFrom() const { return gradients_.HoverMirrorFrom; }
  void SetFixedGradientHoverMirrorFrom(fw::TColor Value) {
    StoreAlways(gradients_.HoverMirrorFrom, WorkingCopy().HoverMirrorFrom, Value);
  }
  fw::TColor FixedGradientHoverMirrorTo() const { return gradients_.HoverMirrorTo; }
  void SetFixedGradientHoverMirrorTo(fw::TColor Value) {
    StoreAlways(gradients_.HoverMirrorTo, WorkingCopy().HoverMirrorTo, Value);
  }
  fw::TColor FixedGradientDownMirrorFrom() const { return gradients_.DownMirrorFrom; }
  void SetFixedGradientDownMirrorFrom(fw::TColor Value) {
    StoreAlways(gradients_.DownMirrorFrom, WorkingCopy().DownMirrorFrom, Value);
  }
  fw::TColor FixedGradientDownMirrorTo() const { return gradients_.DownMirrorTo; }
  void SetFixedGradientDownMirrorTo(fw::TColor Value) {
    StoreAlways(gradients_.DownMirrorTo, WorkingCopy().DownMirrorTo, Value);
  }

 private:
  TFixedCellColors& WorkingCopy() { return owner_->FixedCellColors(); }
  template <class T>
  void StoreAndRepaint(T& field, T value) {
    field = value;
    owner_->RepaintGrid();
  }
  void CopyGlyph(fw::TBitmap& glyph, fw::TBitmap* value);
  // Stores; a set colour (any colour when unsetToo) also goes into the working copy with system colours
  // resolved, and the grid repaints.
  void StoreNormal(fw::TColor& field, fw::TColor& working, fw::TColor value, bool unsetToo);
  // Stores; a set colour also goes into the working copy as it is.
  static void StoreSet(fw::TColor& field, fw::TColor& working, fw::TColor value);
  // Stores and puts the value into the working copy as it is.
  static void StoreAlways(fw::TColor& field, fw::TColor& working, fw::TColor value);

  IGridSettingsOwner* owner_;
  int checkSize_ = 15;
  fw::TBitmap unCheckedGlyph_;
  fw::TBitmap checkedGlyph_;
  TControlStyle controlStyle_ = TControlStyle::csTheme;
  fw::TColor color_ = fw::clBlack;
  int radioSize_ = 10;
  fw::TBitmap radioOffGlyph_;
  fw::TBitmap radioOnGlyph_;
  bool flatButton_ = false;
  int progressMarginY_ = 2;
  int progressMarginX_ = 2;
  bool progressXP_ = false;
  bool dropDownAlwaysVisible_ = false;
  bool spinButtonsAlwaysVisible_ = false;
  bool noDisabledCheckRadioLook_ = false;
  bool noDisabledButtonLook_ = false;
  fw::TColor commentColor_ = fw::clRed;
  fw::TColor progressBorderColor_ = fw::clGray;
  // The look's own fourteen gradient colours (the grid's working copy has the same shape).
  TFixedCellColors gradients_;
  bool fixedDropDownButton_ = false;
  bool checkAlwaysActive_ = false;
  bool radioAlwaysActive_ = false;
  int dropDownCount_ = 8;
  THeaderAppearance dropDownHeader_;
  TFooterAppearance dropDownFooter_;
};

}  // namespace ui
