#include "ui/grid/settings/control_look.h"

namespace ui {

namespace {

// The working copy holds plain RGB for the normal state: system colours resolved, clNone kept as the
// "not set" it is (the painting draws no mirror half for it).
fw::TColor ResolvedColor(fw::TColor value) {
  return fw::IsSystemColor(value) ? static_cast<fw::TColor>(fw::ColorToRGB(value)) : value;
}

}  // namespace

TControlLook::TControlLook(fw::TComponent* Grid, IGridSettingsOwner* Owner)
    : owner_(Owner), dropDownHeader_(Grid), dropDownFooter_(Grid) {
  SetDefaults();
}

void TControlLook::SetDefaults() {
  color_ = fw::clBlack;
  commentColor_ = fw::clRed;
  progressBorderColor_ = fw::clGray;
  gradients_.To = fw::clNone;
  gradients_.From = fw::clNone;
  gradients_.MirrorTo = fw::clNone;
  gradients_.MirrorFrom = fw::clNone;
  gradients_.HoverTo = fw::clWhite;
  gradients_.HoverFrom = fw::clGray;
  SetFixedGradientHoverMirrorTo(fw::clNone);
  SetFixedGradientHoverMirrorFrom(fw::clNone);
  gradients_.HoverBorder = fw::clSilver;
  gradients_.DownTo = fw::clSilver;
  gradients_.DownFrom = fw::clGray;
  SetFixedGradientDownMirrorTo(fw::clNone);
  SetFixedGradientDownMirrorFrom(fw::clNone);
  gradients_.DownBorder = fw::clGray;
}

void TControlLook::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TControlLook*>(Source);
  if (source == nullptr) return;
  checkSize_ = source->checkSize_;
  radioSize_ = source->radioSize_;
  controlStyle_ = source->controlStyle_;
  checkedGlyph_.Assign(&source->checkedGlyph_);
  unCheckedGlyph_.Assign(&source->unCheckedGlyph_);
  radioOnGlyph_.Assign(&source->radioOnGlyph_);
  radioOffGlyph_.Assign(&source->radioOffGlyph_);
  progressMarginX_ = source->progressMarginX_;
  progressMarginY_ = source->progressMarginY_;
  commentColor_ = source->commentColor_;
  color_ = source->color_;
  progressBorderColor_ = source->progressBorderColor_;
  checkAlwaysActive_ = source->checkAlwaysActive_;
  radioAlwaysActive_ = source->radioAlwaysActive_;
  gradients_ = source->gradients_;
  dropDownAlwaysVisible_ = source->dropDownAlwaysVisible_;
  spinButtonsAlwaysVisible_ = source->spinButtonsAlwaysVisible_;
  dropDownCount_ = source->dropDownCount_;
  dropDownFooter_.Assign(&source->dropDownFooter_);
  dropDownHeader_.Assign(&source->dropDownHeader_);
}

void TControlLook::CopyGlyph(fw::TBitmap& glyph, fw::TBitmap* value) {
  glyph.Assign(value);
  owner_->RepaintGrid();
}

void TControlLook::StoreNormal(fw::TColor& field, fw::TColor& working, fw::TColor value, bool unsetToo) {
  field = value;
  if (value == fw::clNone && !unsetToo) return;
  working = ResolvedColor(value);
  owner_->RepaintGrid();
}

void TControlLook::StoreSet(fw::TColor& field, fw::TColor& working, fw::TColor value) {
  field = value;
  if (value != fw::clNone) working = value;
}

void TControlLook::StoreAlways(fw::TColor& field, fw::TColor& working, fw::TColor value) {
  field = value;
  working = value;
}

}  // namespace ui
