#pragma once
// The coloured areas of a styled menu: the gradient-bar base and the icon bar, the highlighted item, the
// menu bar's items and the separators. Each holds the menu it serves (not owned; null until its styler
// is attached to a menu) only to tell that menu of a change: a refresh for colours the painting reads
// as it goes, a rebuild (every item measured again) for whatever changes sizes.
#include <cstdint>

#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "ui/controls/menu_util.h"

namespace fw {
class TMenu;
}

namespace ui {

// gdVertical: the colour changes from top to bottom; gdHorizontal: from left to right.
enum TGradientDirection : std::uint8_t { gdVertical, gdHorizontal };
// At which end(s) of a separator or splitter band the colour fades.
enum TGradientType : std::uint8_t { gtLeft, gtRight, gtBoth };

class TGradientBar : public fw::TPersistent {
 public:
  TGradientBar() = default;
  // From another gradient bar: Color, ColorTo and GradientDirection.
  void Assign(fw::TPersistent* Source) override;

  // Index 0 Color, 1 ColorTo; EInvalidPropertyIndex for any other. Writing stores, nothing more.
  fw::TColor Colors(int Index) const;
  void SetColors(int Index, fw::TColor Value);
  fw::TColor Color() const { return Colors(0); }
  void SetColor(fw::TColor Value) { SetColors(0, Value); }
  // clNone: the area is one solid colour.
  fw::TColor ColorTo() const { return Colors(1); }
  void SetColorTo(fw::TColor Value) { SetColors(1, Value); }
  TGradientDirection GradientDirection() const { return gradientDirection_; }
  void SetGradientDirection(TGradientDirection Value) { gradientDirection_ = Value; }

  fw::TMenu* Menu() const { return menu_; }
  void SetMenu(fw::TMenu* Value) { menu_ = Value; }

 protected:
  // Descendants start from their own colours.
  TGradientBar(fw::TColor color, fw::TColor colorTo, TGradientDirection direction)
      : gradientDirection_(direction), color_(color), colorTo_(colorTo) {}
  void Refresh() const;
  void Rebuild() const;

 private:
  TGradientDirection gradientDirection_ = gdVertical;
  fw::TMenu* menu_ = nullptr;
  fw::TColor color_ = MenuRGB(175, 189, 216);
  fw::TColor colorTo_ = fw::clNone;
};

// The check and radio boxes drawn behind a glyph: shared by the icon bar and the highlighted item.
class TGlyphBoxBar : public TGradientBar {
 public:
  // Index 0 CheckColor / RadioColor, 1 CheckColorTo / RadioColorTo; writing refreshes the menu.
  fw::TColor CheckColors(int Index) const;
  void SetCheckColors(int Index, fw::TColor Value);
  fw::TColor RadioColors(int Index) const;
  void SetRadioColors(int Index, fw::TColor Value);
  fw::TColor CheckColor() const { return CheckColors(0); }
  void SetCheckColor(fw::TColor Value) { SetCheckColors(0, Value); }
  fw::TColor CheckColorTo() const { return CheckColors(1); }
  void SetCheckColorTo(fw::TColor Value) { SetCheckColors(1, Value); }
  fw::TColor RadioColor() const { return RadioColors(0); }
  void SetRadioColor(fw::TColor Value) { SetRadioColors(0, Value); }
  fw::TColor RadioColorTo() const { return RadioColors(1); }
  void SetRadioColorTo(fw::TColor Value) { SetRadioColors(1, Value); }
  fw::TColor CheckBorder() const { return checkBorder_; }
  void SetCheckBorder(fw::TColor Value) { checkBorder_ = Value; }
  fw::TColor RadioBorder() const { return radioBorder_; }
  void SetRadioBorder(fw::TColor Value) { radioBorder_ = Value; }
  TGradientDirection CheckGradientDirection() const { return checkGradientDirection_; }
  void SetCheckGradientDirection(TGradientDirection Value) { checkGradientDirection_ = Value; }
  TGradientDirection RadioGradientDirection() const { return radioGradientDirection_; }
  void SetRadioGradientDirection(TGradientDirection Value) { radioGradientDirection_ = Value; }

 protected:
  TGlyphBoxBar(fw::TColor color, fw::TColor colorTo, TGradientDirection direction, fw::TColor boxColor);
  // The check and radio settings of another bar; the check border only when asked.
  void CopyGlyphBoxes(const TGlyphBoxBar& Source, bool WithCheckBorder);

 private:
  fw::TColor radioBorder_;
  fw::TColor checkBorder_;
  fw::TColor radioColor_;
  fw::TColor radioColorTo_ = fw::clNone;
  fw::TColor checkColor_;
  fw::TColor checkColorTo_ = fw::clNone;
  TGradientDirection checkGradientDirection_ = gdVertical;
  TGradientDirection radioGradientDirection_ = gdVertical;
};

// The column left of the captions that holds glyphs and check marks.
class TIconBar : public TGlyphBoxBar {
 public:
  TIconBar();
  // From another icon bar its check, radio, size and separator settings (not its own colours); any other
  // source as a gradient bar.
  void Assign(fw::TPersistent* Source) override;

  // Width of the column in pixels; stores at least 16 and rebuilds the menu.
  int Size() const { return size_; }
  void SetSize(int Value);
  // The one-pixel line along the column's right edge; clNone for none.
  fw::TColor SeparatorColor() const { return separatorColor_; }
  void SetSeparatorColor(fw::TColor Value) { separatorColor_ = Value; }

 private:
  int size_ = 24;
  fw::TColor separatorColor_ = fw::clNone;
};

// The highlighted item of a drop-down menu, and the box behind the glyph of a highlighted item.
class TSelectedItem : public TGlyphBoxBar {
 public:
  TSelectedItem();
  // From another highlighted item: mirror colours, border, font, UseSystemFont and the check and radio
  // settings except the check border; any other source as a gradient bar.
  void Assign(fw::TPersistent* Source) override;

  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor Value) { borderColor_ = Value; }
  fw::TColor ColorMirror() const { return colorMirror_; }
  void SetColorMirror(fw::TColor Value) { colorMirror_ = Value; }
  fw::TColor ColorMirrorTo() const { return colorMirrorTo_; }
  void SetColorMirrorTo(fw::TColor Value) { colorMirrorTo_ = Value; }
  // Fonts and UseSystemFont change sizes: writing them rebuilds the menu.
  fw::TFont* Font() { return &font_; }
  void SetFont(fw::TFont* Value);
  fw::TFont* NotesFont() { return &notesFont_; }
  void SetNotesFont(fw::TFont* Value);
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool Value);

 private:
  fw::TColor borderColor_;
  fw::TFont font_;
  bool useSystemFont_ = true;
  fw::TColor colorMirror_ = fw::clNone;
  fw::TColor colorMirrorTo_ = fw::clNone;
  fw::TFont notesFont_;
};

// The top-level items of a menu bar; their normal background is the bar's gradient.
class TRootItem : public TGradientBar {
 public:
  TRootItem();
  // From another root item its font, UseSystemFont and selected and hover settings (not its own colours
  // nor the hover mirror colours); any other source as a gradient bar.
  void Assign(fw::TPersistent* Source) override;

  fw::TFont* Font() { return &font_; }
  void SetFont(fw::TFont* Value);
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool Value);

  // Index 0 colour, 1 colour to, 2 mirror, 3 mirror to; EInvalidPropertyIndex for any other. Writing
  // rebuilds the menu.
  fw::TColor SelectedColors(int Index) const;
  void SetSelectedColors(int Index, fw::TColor Value);
  fw::TColor HoverColors(int Index) const;
  void SetHoverColors(int Index, fw::TColor Value);
  fw::TColor SelectedColor() const { return SelectedColors(0); }
  void SetSelectedColor(fw::TColor Value) { SetSelectedColors(0, Value); }
  fw::TColor SelectedColorTo() const { return SelectedColors(1); }
  void SetSelectedColorTo(fw::TColor Value) { SetSelectedColors(1, Value); }
  fw::TColor SelectedColorMirror() const { return SelectedColors(2); }
  void SetSelectedColorMirror(fw::TColor Value) { SetSelectedColors(2, Value); }
  fw::TColor SelectedColorMirrorTo() const { return SelectedColors(3); }
  void SetSelectedColorMirrorTo(fw::TColor Value) { SetSelectedColors(3, Value); }
  fw::TColor HoverColor() const { return HoverColors(0); }
  void SetHoverColor(fw::TColor Value) { SetHoverColors(0, Value); }
  fw::TColor HoverColorTo() const { return HoverColors(1); }
  void SetHoverColorTo(fw::TColor Value) { SetHoverColors(1, Value); }
  fw::TColor HoverColorMirror() const { return HoverColors(2); }
  void SetHoverColorMirror(fw::TColor Value) { SetHoverColors(2, Value); }
  fw::TColor HoverColorMirrorTo() const { return HoverColors(3); }
  void SetHoverColorMirrorTo(fw::TColor Value) { SetHoverColors(3, Value); }

  fw::TColor SelectedBorderColor() const { return selectedBorderColor_; }
  void SetSelectedBorderColor(fw::TColor Value) { selectedBorderColor_ = Value; }
  fw::TColor SelectedTextColor() const { return selectedTextColor_; }
  void SetSelectedTextColor(fw::TColor Value) { selectedTextColor_ = Value; }
  fw::TColor HoverBorderColor() const { return hoverBorderColor_; }
  void SetHoverBorderColor(fw::TColor Value) { hoverBorderColor_ = Value; }
  fw::TColor HoverTextColor() const { return hoverTextColor_; }
  void SetHoverTextColor(fw::TColor Value) { hoverTextColor_ = Value; }
  TGradientDirection SelectedGradientDirection() const { return selectedGradientDirection_; }
  void SetSelectedGradientDirection(TGradientDirection Value) { selectedGradientDirection_ = Value; }
  TGradientDirection HoverGradientDirection() const { return hoverGradientDirection_; }
  void SetHoverGradientDirection(TGradientDirection Value) { hoverGradientDirection_ = Value; }

 private:
  fw::TFont font_;
  fw::TColor selectedBorderColor_;
  fw::TColor selectedTextColor_ = fw::clWindowText;
  bool useSystemFont_ = true;
  fw::TColor hoverTextColor_ = fw::clWindowText;
  fw::TColor hoverBorderColor_;
  fw::TColor selected_[4];
  fw::TColor hover_[4];
  TGradientDirection hoverGradientDirection_ = gdVertical;
  TGradientDirection selectedGradientDirection_ = gdVertical;
};

// Separator items: a line Width pixels thick, Margin pixels short of both ends, fading over GradientWidth
// pixels at the GradientType end(s). Its gradient runs horizontally.
class TSeparator : public TGradientBar {
 public:
  TSeparator();
  // Any gradient bar: from a separator first its own settings, then for every source the colours.
  void Assign(fw::TPersistent* Source) override;

  TGradientType GradientType() const { return gradientType_; }
  void SetGradientType(TGradientType Value) { gradientType_ = Value; }
  int GradientWidth() const { return gradientWidth_; }
  void SetGradientWidth(int Value) { gradientWidth_ = Value; }
  int Margin() const { return margin_; }
  void SetMargin(int Value) { margin_ = Value; }
  int Width() const { return width_; }
  void SetWidth(int Value) { width_ = Value; }

 private:
  TGradientType gradientType_ = gtBoth;
  int gradientWidth_ = 0;
  int margin_ = 2;
  int width_ = 1;
};

}  // namespace ui
