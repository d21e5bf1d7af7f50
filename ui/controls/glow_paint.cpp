// How a glow button paints: the parent's image where it is transparent, the face colours of its state,
// the glyph source and font, the auto-size pass, the face, and the parent again under rounded corners.
#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/messaging/timer.h"
#include "ui/controls/custom_glow_button.h"
#include "ui/controls/glow_face.h"
#include "ui/controls/transparent_painting.h"
#include "ui/foundation/style_detection.h"

namespace ui {

bool TVxCustomGlowButton::Fading() const { return fadeTimer_ != nullptr && fadeTimer_->Enabled(); }

TGlowFaceState TVxCustomGlowButton::FaceState() {
  TGlowFaceState s;
  s.ButtonState = buttonState_;
  s.Enabled = Enabled();
  s.ShowDisabled = showDisabled_;
  s.Style = style_;
  s.GroupIndex = groupIndex_;
  s.Fading = Fading();
  s.HotFade = hotFade_;
  s.DownFade = downFade_;
  s.MouseInControl = mouseInControl_;
  s.MouseInside = mouseInside_;
  s.MouseDown = mouseDown_;
  s.PressedGlow = pressedGlow_;
  s.HotColors = hotColors_;
  s.HotFocus = focused_ && (focusType_ == ftHot || focusType_ == ftHotBorder);
  s.Transparent = transparent_;
  s.Position = position_;
  return s;
}

void TVxCustomGlowButton::PaintParentUnder(HDC DC, bool CornersOnly) {
  const fw::TRect client = ClientRect();
  if (!CornersOnly) {
    const fw::GdiObject<HRGN> region(CreateRectRgn(client.Left, client.Top, client.Right, client.Bottom));
    PaintParentImageInRegion(this, DC, region.Get());
    return;
  }
  const int w = client.Width();
  const int h = client.Height();
  const bool left = position_ == bpStandalone || position_ == bpLeft;
  const bool right = position_ == bpStandalone || position_ == bpRight;
  const fw::GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  auto addPixel = [&](int x, int y) {
    const fw::GdiObject<HRGN> pixel(CreateRectRgn(x, y, x + 1, y + 1));
    CombineRgn(region.Get(), region.Get(), pixel.Get(), RGN_OR);
  };
  if (left) {
    addPixel(0, 0);
    addPixel(0, h - 1);
  }
  if (right) {
    addPixel(w - 1, 0);
    addPixel(w - 1, h - 1);
  }
  PaintParentImageInRegion(this, DC, region.Get());
}

void TVxCustomGlowButton::Paint() {
  if (painting_) return;
  painting_ = true;
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{painting_};

  fw::TCanvas* canvas = Canvas();
  if (transparent_ && (appearance_->HotTransparent() || !mouseInside_)) PaintParentUnder(canvas->Handle(), false);

  if (!Enabled()) pressPending_ = false;
  buttonState_ = PaintedButtonState(buttonState_, Enabled(), down_, groupIndex_, style_);
  const TGlowFaceState state = FaceState();

  TGlowFace face;
  face.Colors = GlowFaceColors(*appearance_, state);

  // Glyph sources.
  if (Enabled() || disabledImages_ == nullptr) {
    face.Images = hotColors_ && hotImages_ != nullptr ? hotImages_ : images_;
    face.ImagesEnabled = Enabled();
  } else {
    face.Images = disabledImages_;
    face.ImagesEnabled = true;
  }
  if (!Enabled() && !disabledPicture_->Empty()) face.Picture = disabledPicture_.get();
  else if (hotColors_ && !hotPicture_->Empty()) face.Picture = hotPicture_.get();
  else face.Picture = picture_.get();
  face.Caption = showCaption_ ? Caption() : std::string();
  face.DropDownState = dropDownButton_ && (mouseInControl_ || mouseDown_) ? (overDropDown_ ? 1 : 2) : 0;
  face.FocusBorder = HasFocusBorder();
  face.TransparentFace = transparent_ && !mouseInside_ && !state.HotFocus && buttonState_ != gbsPressed;

  fw::TFont font;
  font.Assign(Font());
  if (hotColors_) font.SetColor(appearance_->TextColorHot());
  if (buttonState_ == gbsPressed) font.SetColor(appearance_->TextColorDown());
  if (!ParentFont() && appearance_->SystemFont()) font.SetName(GetDefaultFontName());
  face.Font = &font;

  fw::TBitmap glyph;
  glyph.SetSize(1, 1);
  PrepareDropDownGlyph(&glyph);
  face.DropDownGlyph = &glyph;

  if (fw::TCustomImageList* actionImages = ActionImages()) {
    if (face.Images == nullptr || imageListType_ == ipActionList) {
      face.Images = actionImages;
      face.ImagesEnabled = Enabled();
    }
    imageIndex_ = dynamic_cast<fw::TCustomAction*>(Action())->ImageIndex();
  }
  face.ImageIndex = imageIndex_;
  if (autoSize_ && (sizeState_ == bsGlyph || sizeState_ == bsLabel)) {
    face.GlyphSize = fw::TSize{16, 16};
    if (face.Images != nullptr && imageIndex_ >= 0) face.Picture = nullptr;
    if (sizeState_ == bsGlyph) face.Caption.clear();
  }

  face.Layout = layout_;
  face.DropDownButton = dropDownButton_;
  face.Enabled = Enabled();
  face.DropDownPosition = dropDownPosition_;
  face.AntiAlias = antiAlias_;
  face.MouseInside = mouseInside_;
  face.Position = position_;
  face.DropDownSplit = dropDownSplit_;
  face.Border = HasBorder();
  face.WordWrap = wordWrap_;
  face.Rounded = rounded_;
  face.ArrowDown = dropDownDirection_ == ddDown;
  face.Spacing = spacing_;
  face.Trimming = trimming_;
  face.Notes = notes_.get();
  face.NotesFont = notesFont_.get();
  face.Down = down_;
  face.MenuShowing = menuShowing_;
  face.HotTransparentOn = appearance_->HotTransparent() && transparent_;

  if (sizing_ || (sizePending_ && autoSize_)) {
    face.R = ClientRect();
    face.MeasureOnly = true;
    const fw::TSize measured = DrawGlowButton(canvas, face);
    if (autoSize_) {
      const fw::TSize size = AutoSizeFor(measured);
      if (size.cx != Width()) SetWidth(size.cx);
      if (size.cy != Height()) SetHeight(size.cy);
    }
    sizePending_ = false;
    face.MeasureOnly = false;
  }
  face.R = ClientRect();
  DrawGlowButton(canvas, face);
  DrawAfter();
  if (OnDrawButton) {
    const TGlowButtonState drawState = buttonState_ == gbsPressed ? 2 : mouseInside_ ? 1 : 0;
    OnDrawButton(this, canvas, face.R, drawState);
  }

  if (Parent() != nullptr && rounded_ &&
      (!transparent_ || mouseInside_ || buttonState_ == gbsPressed || hotColors_) && position_ != bpMiddle) {
    PaintParentUnder(canvas->Handle(), true);
  }
}

}  // namespace ui
