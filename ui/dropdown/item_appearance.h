// TItemAppearance: the colours and the caption font of the items of an item selector and of the list
// pickers built on it (detail, image and colour pickers). A hot (hovered) and a selected item each get a
// rounded face in two gradient halves framed by a border and two inner lines; setting the top line to
// clNone, or a hot/selected border colour, switches that item to a plain gradient face with a one-pixel
// frame instead (see TCustomItemSelector::DrawItem).
//
// SelectionColorStyle 1, 2 and 3 load a preset of twelve face colours; a new appearance starts with style 1.
// Every setter is a plain store: nothing is repainted. GUI thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"

namespace ui {

class TItemAppearance : public fw::TPersistent {
 public:
  // Owner: the control the appearance belongs to (returned by GetOwner).
  explicit TItemAppearance(fw::TPersistent* Owner);
  ~TItemAppearance() override;

  // Another appearance: its twelve preset colours and its font, then its SelectionColorStyle through the
  // setter (a differing style of 1-3 therefore loads its preset over the copied colours), then the text
  // and the hot/selected border colours. Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;
  fw::TPersistent* GetOwner() const override { return owner_; }

  // Nothing when Value is the current style; otherwise stored, and 1, 2 and 3 load their presets.
  int SelectionColorStyle() const { return selectionColorStyle_; }
  void SetSelectionColorStyle(int Value);

  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor Value) { borderColor_ = Value; }
  fw::TColor BorderColorTop() const { return borderColorTop_; }
  void SetBorderColorTop(fw::TColor Value) { borderColorTop_ = Value; }
  fw::TColor BorderColorBottom() const { return borderColorBottom_; }
  void SetBorderColorBottom(fw::TColor Value) { borderColorBottom_ = Value; }
  fw::TColor BorderColorHot() const { return borderColorHot_; }
  void SetBorderColorHot(fw::TColor Value) { borderColorHot_ = Value; }
  fw::TColor BorderColorSelected() const { return borderColorSelected_; }
  void SetBorderColorSelected(fw::TColor Value) { borderColorSelected_ = Value; }
  fw::TColor ColorHot() const { return colorHot_; }
  void SetColorHot(fw::TColor Value) { colorHot_ = Value; }
  fw::TColor ColorHotTo() const { return colorHotTo_; }
  void SetColorHotTo(fw::TColor Value) { colorHotTo_ = Value; }
  fw::TColor ColorHotText() const { return colorHotText_; }
  void SetColorHotText(fw::TColor Value) { colorHotText_ = Value; }
  fw::TColor ColorMirrorHot() const { return colorMirrorHot_; }
  void SetColorMirrorHot(fw::TColor Value) { colorMirrorHot_ = Value; }
  fw::TColor ColorMirrorHotTo() const { return colorMirrorHotTo_; }
  void SetColorMirrorHotTo(fw::TColor Value) { colorMirrorHotTo_ = Value; }
  fw::TColor ColorSelected() const { return colorSelected_; }
  void SetColorSelected(fw::TColor Value) { colorSelected_ = Value; }
  fw::TColor ColorSelectedTo() const { return colorSelectedTo_; }
  void SetColorSelectedTo(fw::TColor Value) { colorSelectedTo_ = Value; }
  fw::TColor ColorMirrorSelected() const { return colorMirrorSelected_; }
  void SetColorMirrorSelected(fw::TColor Value) { colorMirrorSelected_ = Value; }
  fw::TColor ColorMirrorSelectedTo() const { return colorMirrorSelectedTo_; }
  void SetColorMirrorSelectedTo(fw::TColor Value) { colorMirrorSelectedTo_ = Value; }
  fw::TColor ColorSelectedText() const { return colorSelectedText_; }
  void SetColorSelectedText(fw::TColor Value) { colorSelectedText_ = Value; }
  fw::TColor EdgeColor() const { return edgeColor_; }
  void SetEdgeColor(fw::TColor Value) { edgeColor_ = Value; }
  // Owned; writing copies the given font.
  fw::TFont* Font() const { return font_.get(); }
  void SetFont(fw::TFont* Value) { font_->Assign(Value); }

 private:
  fw::TPersistent* owner_;
  fw::TColor borderColor_ = fw::clNone;
  fw::TColor borderColorTop_ = fw::clNone;
  fw::TColor borderColorBottom_ = fw::clNone;
  fw::TColor borderColorHot_ = fw::clNone;
  fw::TColor borderColorSelected_ = fw::clNone;
  fw::TColor colorHot_ = fw::clNone;
  fw::TColor colorHotTo_ = fw::clNone;
  fw::TColor colorHotText_ = fw::clBlack;
  fw::TColor colorMirrorHot_ = fw::clNone;
  fw::TColor colorMirrorHotTo_ = fw::clNone;
  fw::TColor colorSelected_ = fw::clNone;
  fw::TColor colorSelectedTo_ = fw::clNone;
  fw::TColor colorMirrorSelected_ = fw::clNone;
  fw::TColor colorMirrorSelectedTo_ = fw::clNone;
  fw::TColor colorSelectedText_ = fw::clBlack;
  fw::TColor edgeColor_ = fw::clNone;
  std::unique_ptr<fw::TFont> font_;
  int selectionColorStyle_ = 0;
};

}  // namespace ui
