#pragma once
// TBarCaption: a caption drawn along a bar; TSideBar: the band along the left edge of drop-down menus
// with its rotated caption, its two background layers, border and splitter.
#include <cstdint>
#include <string>

#include "framework/classes/persistent.h"
#include "framework/controls/std_types.h"
#include "framework/graphics/font.h"
#include "ui/controls/menu_background.h"

namespace fw {
class TMenu;
}

namespace ui {

// Reading direction of the side-bar caption.
enum TDirection : std::uint8_t { dDownToUp, dUpToDown };
// Which drop-down menus show the side bar.
enum TSideBarVisibleIn : std::uint8_t { viFirstVisible, viFirstLevel, viAnyLevel };

class TBarCaption : public fw::TPersistent {
 public:
  TBarCaption();
  // From another bar caption: alignment, caption, font, shadow colour, depth and direction.
  void Assign(fw::TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { caption_ = Value; }
  fw::TFont* Font() { return &font_; }
  // Copies the font. A caption serves no menu of its own (a side bar's menu is the side bar's), so this
  // notifies nothing.
  void SetFont(fw::TFont* Value) { font_.Assign(Value); }
  TDirection Direction() const { return direction_; }
  void SetDirection(TDirection Value) { direction_ = Value; }
  // clNone: no shadow.
  fw::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(fw::TColor Value) { shadowColor_ = Value; }
  // Offset of the shadow in pixels.
  int Depth() const { return depth_; }
  void SetDepth(int Value) { depth_ = Value; }
  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment Value) { alignment_ = Value; }

 private:
  std::string caption_;
  fw::TFont font_;
  TDirection direction_ = dDownToUp;
  fw::TColor shadowColor_ = fw::clNone;
  int depth_ = 1;
  fw::TAlignment alignment_ = fw::taLeftJustify;
};

class TSideBar : public TBarCaption {
 public:
  TSideBar();
  // Any bar caption: from a side bar first its visibility, layers, size, splitter geometry and border
  // (not the splitter colours nor VisibleIn), then for every source the caption settings.
  void Assign(fw::TPersistent* Source) override;

  bool Visible() const { return visible_; }
  // Rebuilds the menu when it is a menu bar whose window exists.
  void SetVisible(bool Value);
  TSideBarVisibleIn VisibleIn() const { return visibleIn_; }
  void SetVisibleIn(TSideBarVisibleIn Value) { visibleIn_ = Value; }
  // Width of the band in pixels.
  int Size() const { return size_; }
  void SetSize(int Value) { size_ = Value; }
  // The two layers; they serve no menu of their own.
  TBackground* Background() { return &background_; }
  // Copies the layer (its work bitmap drawn transparently when the copy holds a bitmap); rebuilds.
  void SetBackground(TBackground* Value);
  TBackground* Image() { return &image_; }
  void SetImage(TBackground* Value);
  fw::TColor SplitterColor() const { return splitterColor_; }
  void SetSplitterColor(fw::TColor Value) { splitterColor_ = Value; }
  fw::TColor SplitterColorTo() const { return splitterColorTo_; }
  void SetSplitterColorTo(fw::TColor Value) { splitterColorTo_ = Value; }
  int SplitterWidth() const { return splitterWidth_; }
  void SetSplitterWidth(int Value) { splitterWidth_ = Value; }
  int SplitterMargin() const { return splitterMargin_; }
  void SetSplitterMargin(int Value) { splitterMargin_ = Value; }
  int SplitterGradientWidth() const { return splitterGradientWidth_; }
  void SetSplitterGradientWidth(int Value) { splitterGradientWidth_ = Value; }
  TGradientType SplitterGradientType() const { return splitterGradientType_; }
  void SetSplitterGradientType(TGradientType Value) { splitterGradientType_ = Value; }
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor Value) { borderColor_ = Value; }

  fw::TMenu* Menu() const { return menu_; }
  void SetMenu(fw::TMenu* Value) { menu_ = Value; }

 private:
  bool visible_ = false;
  TBackground background_;
  TBackground image_;
  int splitterWidth_ = 1;
  int size_ = 24;
  int splitterMargin_ = 0;
  int splitterGradientWidth_ = 0;
  TGradientType splitterGradientType_ = gtBoth;
  fw::TColor borderColor_;
  fw::TColor splitterColor_;
  fw::TColor splitterColorTo_ = fw::clBlack;
  TSideBarVisibleIn visibleIn_ = viFirstVisible;
  fw::TMenu* menu_ = nullptr;
};

}  // namespace ui
