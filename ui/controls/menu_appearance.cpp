#include "ui/controls/menu_appearance.h"

#include <algorithm>

#include "framework/forms/screen.h"
#include "ui/controls/menu_style_host.h"

namespace ui {

namespace {

// The index into a group of Count colours; EInvalidPropertyIndex outside it.
size_t CheckedIndex(int Index, size_t Count) {
  if (Index < 0 || static_cast<size_t>(Index) >= Count) throw EInvalidPropertyIndex(Index);
  return static_cast<size_t>(Index);
}

template <typename Color, size_t N>
Color& Indexed(Color* const (&group)[N], int Index) {
  return *group[CheckedIndex(Index, N)];
}

// The screen's menu font in the colour clWindowText, and its copy two points smaller for note lines.
void UseMenuFont(fw::TFont& font, int smallerBy) {
  font.Assign(fw::Screen->MenuFont());
  if (smallerBy != 0) font.SetSize(font.Size() - smallerBy);
  font.SetColor(fw::clWindowText);
}

}  // namespace

// ---- TGradientBar

fw::TColor TGradientBar::Colors(int Index) const {
  const fw::TColor* const group[] = {&color_, &colorTo_};
  return Indexed(group, Index);
}

void TGradientBar::SetColors(int Index, fw::TColor Value) {
  fw::TColor* const group[] = {&color_, &colorTo_};
  Indexed(group, Index) = Value;
}

void TGradientBar::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TGradientBar*>(Source);
  if (source == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  color_ = source->color_;
  colorTo_ = source->colorTo_;
  gradientDirection_ = source->gradientDirection_;
}

void TGradientBar::Refresh() const { RequestMenuRefresh(menu_); }
void TGradientBar::Rebuild() const { RequestMenuRebuild(menu_); }

// ---- TGlyphBoxBar

TGlyphBoxBar::TGlyphBoxBar(fw::TColor color, fw::TColor colorTo, TGradientDirection direction, fw::TColor boxColor)
    : TGradientBar(color, colorTo, direction),
      radioBorder_(MenuRGB(75, 75, 111)),
      checkBorder_(MenuRGB(75, 75, 111)),
      radioColor_(boxColor),
      checkColor_(boxColor) {}

fw::TColor TGlyphBoxBar::CheckColors(int Index) const {
  const fw::TColor* const group[] = {&checkColor_, &checkColorTo_};
  return Indexed(group, Index);
}

void TGlyphBoxBar::SetCheckColors(int Index, fw::TColor Value) {
  fw::TColor* const group[] = {&checkColor_, &checkColorTo_};
  Indexed(group, Index) = Value;
  Refresh();
}

fw::TColor TGlyphBoxBar::RadioColors(int Index) const {
  const fw::TColor* const group[] = {&radioColor_, &radioColorTo_};
  return Indexed(group, Index);
}

void TGlyphBoxBar::SetRadioColors(int Index, fw::TColor Value) {
  fw::TColor* const group[] = {&radioColor_, &radioColorTo_};
  Indexed(group, Index) = Value;
  Refresh();
}

void TGlyphBoxBar::CopyGlyphBoxes(const TGlyphBoxBar& Source, bool WithCheckBorder) {
  SetCheckColor(Source.checkColor_);
  SetCheckColorTo(Source.checkColorTo_);
  if (WithCheckBorder) checkBorder_ = Source.checkBorder_;
  checkGradientDirection_ = Source.checkGradientDirection_;
  SetRadioColor(Source.radioColor_);
  SetRadioColorTo(Source.radioColorTo_);
  radioBorder_ = Source.radioBorder_;
  radioGradientDirection_ = Source.radioGradientDirection_;
}

// ---- TIconBar

TIconBar::TIconBar() : TGlyphBoxBar(MenuRGB(249, 249, 255), MenuRGB(161, 160, 187), gdHorizontal, MenuRGB(255, 192, 111)) {}

void TIconBar::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TIconBar*>(Source);
  if (source == nullptr) {
    TGradientBar::Assign(Source);
    return;
  }
  CopyGlyphBoxes(*source, true);
  SetSize(source->size_);
  separatorColor_ = source->separatorColor_;
}

void TIconBar::SetSize(int Value) {
  size_ = std::max(Value, 16);
  Rebuild();
}

// ---- TSelectedItem

TSelectedItem::TSelectedItem()
    : TGlyphBoxBar(MenuRGB(255, 238, 194), fw::clNone, gdVertical, MenuRGB(254, 128, 62)),
      borderColor_(MenuRGB(75, 75, 111)) {
  UseMenuFont(font_, 0);
  UseMenuFont(notesFont_, 2);
}

void TSelectedItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TSelectedItem*>(Source);
  if (source == nullptr) {
    TGradientBar::Assign(Source);
    return;
  }
  colorMirror_ = source->colorMirror_;
  colorMirrorTo_ = source->colorMirrorTo_;
  borderColor_ = source->borderColor_;
  SetFont(&source->font_);
  SetUseSystemFont(source->useSystemFont_);
  CopyGlyphBoxes(*source, false);
}

void TSelectedItem::SetFont(fw::TFont* Value) {
  font_.Assign(Value);
  Rebuild();
}

void TSelectedItem::SetNotesFont(fw::TFont* Value) {
  notesFont_.Assign(Value);
  Rebuild();
}

void TSelectedItem::SetUseSystemFont(bool Value) {
  useSystemFont_ = Value;
  Rebuild();
}

// ---- TRootItem

TRootItem::TRootItem()
    : TGradientBar(MenuRGB(215, 215, 229), MenuRGB(242, 242, 247), gdHorizontal),
      selectedBorderColor_(MenuRGB(124, 124, 148)),
      hoverBorderColor_(MenuRGB(75, 75, 111)),
      selected_{MenuRGB(232, 232, 242), MenuRGB(185, 184, 205), fw::clNone, fw::clNone},
      hover_{MenuRGB(255, 246, 207), MenuRGB(255, 216, 157), fw::clNone, fw::clNone} {
  font_.Assign(fw::Screen->MenuFont());
}

void TRootItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TRootItem*>(Source);
  if (source == nullptr) {
    TGradientBar::Assign(Source);
    return;
  }
  SetFont(&source->font_);
  SetUseSystemFont(source->useSystemFont_);
  SetSelectedColor(source->SelectedColor());
  SetSelectedColorTo(source->SelectedColorTo());
  selectedGradientDirection_ = source->selectedGradientDirection_;
  selectedBorderColor_ = source->selectedBorderColor_;
  selectedTextColor_ = source->selectedTextColor_;
  SetHoverColor(source->HoverColor());
  SetHoverColorTo(source->HoverColorTo());
  hoverGradientDirection_ = source->hoverGradientDirection_;
  hoverBorderColor_ = source->hoverBorderColor_;
  hoverTextColor_ = source->hoverTextColor_;
  SetSelectedColorMirror(source->SelectedColorMirror());
  SetSelectedColorMirrorTo(source->SelectedColorMirrorTo());
}

void TRootItem::SetFont(fw::TFont* Value) {
  font_.Assign(Value);
  Rebuild();
}

void TRootItem::SetUseSystemFont(bool Value) {
  useSystemFont_ = Value;
  Rebuild();
}

fw::TColor TRootItem::SelectedColors(int Index) const {
  return selected_[CheckedIndex(Index, 4)];
}

void TRootItem::SetSelectedColors(int Index, fw::TColor Value) {
  selected_[CheckedIndex(Index, 4)] = Value;
  Rebuild();
}

fw::TColor TRootItem::HoverColors(int Index) const {
  return hover_[CheckedIndex(Index, 4)];
}

void TRootItem::SetHoverColors(int Index, fw::TColor Value) {
  hover_[CheckedIndex(Index, 4)] = Value;
  Rebuild();
}

// ---- TSeparator

TSeparator::TSeparator() : TGradientBar(MenuRGB(110, 109, 143), fw::clNone, gdHorizontal) {}

void TSeparator::Assign(fw::TPersistent* Source) {
  if (auto* source = dynamic_cast<TSeparator*>(Source)) {
    width_ = source->width_;
    gradientType_ = source->gradientType_;
    gradientWidth_ = source->gradientWidth_;
    margin_ = source->margin_;
  }
  TGradientBar::Assign(Source);
}

}  // namespace ui
