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

  fw::TColor BorderColor() const { return face_.borderColor; }
  void SetBorderColor(fw::TColor Value) { face_.borderColor = Value; }
  fw::TColor BorderColorTop() const { return face_.borderColorTop; }
  void SetBorderColorTop(fw::TColor Value) { face_.borderColorTop = Value; }
  fw::TColor BorderColorBottom() const { return face_.borderColorBottom; }
  void SetBorderColorBottom(fw::TColor Value) { face_.borderColorBottom = Value; }
  fw::TColor BorderColorHot() const { return borderColorHot_; }
  void SetBorderColorHot(fw::TColor Value) { borderColorHot_ = Value; }
  fw::TColor BorderColorSelected() const { return borderColorSelected_; }
  void SetBorderColorSelected(fw::TColor Value) { borderColorSelected_ = Value; }
  fw::TColor ColorHot() const { return face_.colorHot; }
  void SetColorHot(fw::TColor Value) { face_.colorHot = Value; }
  fw::TColor ColorHotTo() const { return face_.colorHotTo; }
  void SetColorHotTo(fw::TColor Value) { face_.colorHotTo = Value; }
  fw::TColor ColorHotText() const { return colorHotText_; }
  void SetColorHotText(fw::TColor Value) { colorHotText_ = Value; }
  fw::TColor ColorMirrorHot() const { return face_.colorMirrorHot; }
  void SetColorMirrorHot(fw::TColor Value) { face_.colorMirrorHot = Value; }
  fw::TColor ColorMirrorHotTo() const { return face_.colorMirrorHotTo; }
  void SetColorMirrorHotTo(fw::TColor Value) { face_.colorMirrorHotTo = Value; }
  fw::TColor ColorSelected() const { return face_.colorSelected; }
  void SetColorSelected(fw::TColor Value) { face_.colorSelected = Value; }
  fw::TColor ColorSelectedTo() const { return face_.colorSelectedTo; }
  void SetColorSelectedTo(fw::TColor Value) { face_.colorSelectedTo = Value; }
  fw::TColor ColorMirrorSelected() const { return face_.colorMirrorSelected; }
  void SetColorMirrorSelected(fw::TColor Value) { face_.colorMirrorSelected = Value; }
  fw::TColor ColorMirrorSelectedTo() const { return face_.colorMirrorSelectedTo; }
  void SetColorMirrorSelectedTo(fw::TColor Value) { face_.colorMirrorSelectedTo = Value; }
  fw::TColor ColorSelectedText() const { return colorSelectedText_; }
  void SetColorSelectedText(fw::TColor Value) { colorSelectedText_ = Value; }
  fw::TColor EdgeColor() const { return face_.edgeColor; }
  void SetEdgeColor(fw::TColor Value) { face_.edgeColor = Value; }
  // Owned; writing copies the given font.
  fw::TFont* Font() const { return font_.get(); }
  void SetFont(fw::TFont* Value) { font_->Assign(Value); }

 // The twelve colours a selection colour style sets.
  struct FaceColors {
    fw::TColor colorHot, colorHotTo, colorMirrorHot, colorMirrorHotTo;
    fw::TColor borderColorTop, borderColorBottom, borderColor, edgeColor;
    fw::TColor colorSelected, colorSelectedTo, colorMirrorSelected, colorMirrorSelectedTo;
  };

 private:
  fw::TPersistent* owner_;
  FaceColors face_{fw::clNone, fw::clNone, fw::clNone, fw::clNone, fw::clNone, fw::clNone,
                   fw::clNone, fw::clNone, fw::clNone, fw::clNone, fw::clNone, fw::clNone};
  fw::TColor borderColorHot_ = fw::clNone;
  fw::TColor borderColorSelected_ = fw::clNone;
  fw::TColor colorHotText_ = fw::clBlack;
  fw::TColor colorSelectedText_ = fw::clBlack;
  std::unique_ptr<fw::TFont> font_;
  int selectionColorStyle_ = 0;
};

}  // namespace ui
