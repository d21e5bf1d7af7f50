// The settings of a drop-down's header and footer bars: gradient background, border, caption, image and a
// row of buttons. A drop-down owns one of each, and the grid's control look keeps a pair that it hands to
// its drop-down editors. Only Visible tells OnChange (and only when it changes); every other setter is a
// plain store, and a button that changes tells OnButtonsChange. GUI thread only.
#pragma once

#include <string>

#include "framework/classes/component.h"
#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "ui/dropdown/dropdown_appearance_types.h"
#include "ui/dropdown/dropdown_bar_buttons.h"

namespace ui {

// What the header and the footer appearance have in common; the owner component is what GetOwner returns
// and owns the button collection.
class TBarAppearance : public fw::TPersistent {
 public:
  fw::TPersistent* GetOwner() const override { return owner_; }

  // Background from Color to ColorTo (clNone: one plain colour).
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value) { color_ = Value; }
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor Value) { colorTo_ = Value; }
  // HTML-subset text.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { caption_ = Value; }
  // Owned; the setter copies the given font.
  fw::TFont* Font() { return &font_; }
  void SetFont(fw::TFont* Value) { font_.Assign(Value); }
  dropdown::TGradientDirection GradientDirection() const { return gradientDirection_; }
  void SetGradientDirection(dropdown::TGradientDirection Value) { gradientDirection_ = Value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  int Height() const { return height_; }
  void SetHeight(int Value) { height_ = Value; }
  // clNone, or a width of 0 or less: no border.
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor Value) { borderColor_ = Value; }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int Value) { borderWidth_ = Value; }
  // An image of the drop-down's image list drawn before the caption; negative: none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  TButtonAlignment ButtonAlignment() const { return buttonAlignment_; }
  void SetButtonAlignment(TButtonAlignment Value) { buttonAlignment_ = Value; }

  // Set by the owning object only (sender: this appearance).
  fw::TNotifyEvent OnChange;
  fw::TNotifyEvent OnButtonsChange;

 protected:
  explicit TBarAppearance(fw::TComponent* Owner);
  // What both bars' Assign copy: every value stored directly, then Visible through its setter (so OnChange
  // only when it differs), then the button alignment.
  void CopyBar(TBarAppearance& source);
  // Turns the buttons' change into OnButtonsChange.
  void WatchButtons(TBarButtons& Buttons);

  fw::TComponent* owner_;
  fw::TColor color_ = fw::clSilver;
  fw::TColor colorTo_ = fw::clWhite;
  std::string caption_;
  fw::TFont font_;
  dropdown::TGradientDirection gradientDirection_ = dropdown::gdVertical;
  bool visible_ = true;
  int height_ = 22;
  fw::TColor borderColor_ = fw::clBlack;
  int borderWidth_ = 1;
  int imageIndex_ = -1;
  TButtonAlignment buttonAlignment_ = baRight;
};

// The header bar above the drop-down's control in its pop-up; its font is Tahoma.
class THeaderAppearance : public TBarAppearance {
 public:
  explicit THeaderAppearance(fw::TComponent* Owner);

  // Another header appearance: every value stored directly, Visible through its setter, the buttons by
  // collection assign. Any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  THeaderButtons* Buttons() { return &buttons_; }
  void SetButtons(THeaderButtons* Value) { buttons_.Assign(Value); }

 private:
  THeaderButtons buttons_;
};

// The footer bar below the drop-down's control; its font keeps the framework's default face.
class TFooterAppearance : public TBarAppearance {
 public:
  explicit TFooterAppearance(fw::TComponent* Owner);

  // Another footer appearance: every value stored directly, Visible through its setter, the buttons by
  // collection assign. Any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  // Shown when this is on and the owning drop-down's pop-up can be sized.
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool Value) { sizeGrip_ = Value; }
  TFooterButtons* Buttons() { return &buttons_; }
  void SetButtons(TFooterButtons* Value) { buttons_.Assign(Value); }

 private:
  bool sizeGrip_ = true;
  TFooterButtons buttons_;
};

}  // namespace ui
