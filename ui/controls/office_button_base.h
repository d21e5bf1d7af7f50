// What the Office-style check box and radio button share: a glyph and an HTML caption drawn over the
// parent's image by the Office build of the text engine, anchors that act while the control is focused
// (addresses open through the shell service, any other anchor raises OnAnchorClick), hot and pressed
// looks, the dotted focus frame. GUI thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/controls/custom_control.h"
#include "framework/controls/std_types.h"
#include "ui/foundation/version_info.h"

namespace fw {
class TCustomImageList;
}

namespace ui {

class THTMLPictureCache;
class TPictureContainer;
struct THTMLTextParams;

using TAnchorClick = std::function<void(fw::TObject* Sender, const std::string& Anchor)>;

class TVxOfficeButtonBase : public fw::TCustomControl, public TVersionedComponent {
 public:
  explicit TVxOfficeButtonBase(fw::TComponent* AOwner);
  ~TVxOfficeButtonBase() override;

  bool Down() const { return down_; }
  void SetDown(bool value) { down_ = value; }  // only stores
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value);
  bool ReturnIsTab() const { return returnIsTab_; }
  void SetReturnIsTab(bool value) { returnIsTab_ = value; }
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* value);
  TPictureContainer* PictureContainer() const { return pictureContainer_; }
  void SetPictureContainer(TPictureContainer* value);
  fw::TColor URLColor() const { return urlColor_; }
  void SetURLColor(fw::TColor value);
  fw::TTextLayout ButtonVertAlign() const { return buttonVertAlign_; }
  void SetButtonVertAlign(fw::TTextLayout value);
  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment value);
  bool Ellipsis() const { return ellipsis_; }
  void SetEllipsis(bool value);
  int ShadowOffset() const { return shadowOffset_; }
  void SetShadowOffset(int value);
  fw::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(fw::TColor value);
  fw::TColor DisabledFontColor() const { return disabledFontColor_; }
  void SetDisabledFontColor(fw::TColor value);
  bool Themed() const { return themed_; }
  void SetThemed(bool value);
  // Paint the parent's image behind the control (on at construction).
  bool ParentBackground() const { return background_; }
  void SetParentBackground(bool value) { background_ = value; }
  bool Hot() const { return hot_; }

  std::uint32_t GetVersionNr() const override { return MakeVersionNr(1, 3, 4, 1); }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The anchor of the caption under a point; empty when none.
  std::string IsAnchor(int X, int Y);

  TAnchorClick OnAnchorClick;
  TAnchorClick OnAnchorEnter;
  TAnchorClick OnAnchorExit;

 protected:
  // Return moves on like Tab when ReturnIsTab; Space presses the button until its release.
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void Dispatch(fw::TMessage& Message) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;

  // The glyph of the control's state on the canvas.
  virtual void DrawButton() = 0;
  // Resource names: Base + "D" (down), "H" (hot) or nothing.
  void DrawBitmapGlyph(const std::string& Base, int TextHeight);
  // The themed glyph (part, state) at Top; false when the "button" class cannot be opened.
  bool DrawThemedGlyph(int Part, int State, int Top);
  bool UseThemes() const;
  // Anchor under the point while focused: opens or reports it; true when one was hit.
  bool ClickAnchor(int X, int Y);
  void InvalidateGlyphStrip(int Right);
  void PaintParentBackground();
  THTMLTextParams CaptionParams(const fw::TRect& Bounds);
  // The text rectangle of the caption: the client rectangle moved in by Indent beside the glyph.
  fw::TRect TextRect(int Indent);
  virtual int TextIndent() const = 0;
  // The bitmap glyph's top for the vertical alignment (Top as computed for the check box).
  virtual int GlyphTop(int Top, int /*Height*/) const { return Top; }
  virtual int EngineBiDiMode() const { return 0; }
  // Draws the caption (plain or HTML) and returns its measured size.
  fw::TSize DrawCaption(fw::TRect& Text);

  bool focused_ = false;
  bool hot_ = false;
  bool pressed_ = false;
  bool down_ = false;
  bool background_ = true;

 private:
  bool showFocus_ = true;
  bool returnIsTab_ = false;
  fw::TCustomImageList* images_ = nullptr;
  TPictureContainer* pictureContainer_ = nullptr;
  std::unique_ptr<THTMLPictureCache> pictureCache_;
  std::string currentAnchor_;
  fw::TColor urlColor_ = fw::clBlue;
  fw::TTextLayout buttonVertAlign_ = fw::tlTop;
  fw::TAlignment alignment_ = fw::taLeftJustify;
  bool ellipsis_ = false;
  int shadowOffset_ = 1;
  fw::TColor shadowColor_ = fw::clGray;
  fw::TColor disabledFontColor_ = fw::clGray;
  bool themed_ = false;
  fw::TCursor savedCursor_ = fw::crDefault;
};

}  // namespace ui
