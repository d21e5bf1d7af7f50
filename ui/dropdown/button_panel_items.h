// The keys of a button panel and the colours and font they are drawn with.
//
// TButtonItem is one key: what it shows (caption, image), its code (Tag), its name and its rectangle in
// panel coordinates, which the panel's layout sets. TButtonItems is the panel's owned key list.
// TCalcButtonAppearance holds the key colours per state (normal, hot, pressed), the glow and shine colours,
// the caption font and the two caption colours. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/classes/collection.h"
#include "framework/classes/events.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "framework/graphics/geometry.h"
#include "framework/graphics/picture.h"

namespace ui {

class TButtonItem : public fw::TCollectionItem {
 public:
  explicit TButtonItem(fw::TCollection* Collection);
  ~TButtonItem() override;

  // Another key: caption, caption colour, tag, image index, image (a copy), enabled and key name; the
  // rectangle and the special flag stay. Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  // None of the setters repaints the panel.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { caption_ = Value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  // A disabled key is never hot or pressed.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  fw::TPicture* Image() const { return image_.get(); }
  void SetImage(fw::TPicture* Value) { image_->Assign(Value); }
  // The key's code, which the calculator acts on.
  int Tag() const { return tag_; }
  void SetTag(int Value) { tag_ = Value; }
  // Kept and copied only: captions take their colour from the panel's appearance.
  fw::TColor CaptionColor() const { return captionColor_; }
  void SetCaptionColor(fw::TColor Value) { captionColor_ = Value; }
  // The key's identifier, such as "BTN_7".
  const std::string& KeyName() const { return keyName_; }
  void SetKeyName(const std::string& Value) { keyName_ = Value; }
  // The caption is drawn in the appearance's SpecialTextColor.
  bool Special() const { return special_; }
  void SetSpecial(bool Value) { special_ = Value; }

  // The key's rectangle in panel coordinates (left, top, left + width, top + height).
  fw::TRect KeyRect() const { return fw::TRect{left_, top_, left_ + width_, top_ + height_}; }
  void SetKeyBounds(int Left, int Top, int Width, int Height);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  std::unique_ptr<fw::TPicture> image_;
  int tag_ = 0;
  int height_ = 0;
  int left_ = 0;
  int width_ = 0;
  int top_ = 0;
  std::string keyName_;
  fw::TColor captionColor_ = fw::clWhite;
  bool special_ = false;
};

// The panel's keys; the collection reports the panel as its owner.
class TButtonItems : public fw::TCollection {
 public:
  explicit TButtonItems(fw::TPersistent* Owner) : fw::TCollection(fw::ItemClass<TButtonItem>(), Owner) {}
  TButtonItem* Add() { return static_cast<TButtonItem*>(fw::TCollection::Add()); }
  // EListError for an index outside the list.
  TButtonItem* Items(int Index) const { return static_cast<TButtonItem*>(fw::TCollection::Items(Index)); }
};

class TCalcButtonAppearance : public fw::TPersistent {
 public:
  TCalcButtonAppearance();
  ~TCalcButtonAppearance() override;

  // Another appearance: every colour and the font. Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  // Each setter fires OnChange when the value changes, except ShineColor's and SetFont.
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor Value) { Store(borderColor_, Value); }
  fw::TColor BorderColorHot() const { return borderColorHot_; }
  void SetBorderColorHot(fw::TColor Value) { Store(borderColorHot_, Value); }
  fw::TColor BorderColorDown() const { return borderColorDown_; }
  void SetBorderColorDown(fw::TColor Value) { Store(borderColorDown_, Value); }
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value) { Store(color_, Value); }
  fw::TColor ColorTo() const { return colorTo_; }
  void SetColorTo(fw::TColor Value) { Store(colorTo_, Value); }
  fw::TColor ColorHot() const { return colorHot_; }
  void SetColorHot(fw::TColor Value) { Store(colorHot_, Value); }
  fw::TColor ColorHotTo() const { return colorHotTo_; }
  void SetColorHotTo(fw::TColor Value) { Store(colorHotTo_, Value); }
  fw::TColor ColorDown() const { return colorDown_; }
  void SetColorDown(fw::TColor Value) { Store(colorDown_, Value); }
  fw::TColor ColorDownTo() const { return colorDownTo_; }
  void SetColorDownTo(fw::TColor Value) { Store(colorDownTo_, Value); }
  fw::TColor GlowColorHot() const { return glowColorHot_; }
  void SetGlowColorHot(fw::TColor Value) { Store(glowColorHot_, Value); }
  fw::TColor GlowColorDown() const { return glowColorDown_; }
  void SetGlowColorDown(fw::TColor Value) { Store(glowColorDown_, Value); }
  fw::TColor ShineColor() const { return shineColor_; }
  void SetShineColor(fw::TColor Value) { shineColor_ = Value; }
  fw::TFont* Font() const { return font_.get(); }
  void SetFont(fw::TFont* Value) { font_->Assign(Value); }
  fw::TColor TextColor() const { return textColor_; }
  void SetTextColor(fw::TColor Value) { Store(textColor_, Value); }
  fw::TColor SpecialTextColor() const { return specialTextColor_; }
  void SetSpecialTextColor(fw::TColor Value) { Store(specialTextColor_, Value); }

  fw::TNotifyEvent OnChange;

 private:
  void Store(fw::TColor& Field, fw::TColor Value);

  fw::TColor borderColor_ = fw::clBlack;
  fw::TColor borderColorHot_ = fw::clBlack;
  fw::TColor borderColorDown_ = fw::clBlack;
  fw::TColor color_ = 0x009A915F;
  fw::TColor colorTo_ = 0x00B0A170;
  fw::TColor colorHot_ = 0x009F6F1C;
  fw::TColor colorHotTo_ = 0x00D5C244;
  fw::TColor colorDown_ = 0x004B2F08;
  fw::TColor colorDownTo_ = 0x00ADB514;
  fw::TColor glowColorHot_ = 0x00D5C244;
  fw::TColor glowColorDown_ = 0x00D5C244;
  fw::TColor shineColor_ = fw::clWhite;
  std::unique_ptr<fw::TFont> font_;
  fw::TColor textColor_ = fw::clBlack;
  fw::TColor specialTextColor_ = 0x00000080;
};

}  // namespace ui
