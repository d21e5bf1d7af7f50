#pragma once
// TColorButton: a push button that paints its own face: a back colour that becomes HoverColor while the
// pointer is over it, a caption colour, up and down bitmaps, an optional grey arrow mark, and a caption
// syntax: "First|Second" draws two lines; "*Title|Value" draws the title, the value and the control's Hint
// in a white box at the bottom. The platform button keeps focus, click, default and cancel handling.
// Painting never changes the button's properties.
#include <string>
#include <utility>

#include "framework/controls/button.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"

namespace ui {

class TColorButton : public fw::TButton {
 public:
  explicit TColorButton(fw::TComponent* AOwner);
  ~TColorButton() override;
  void WndProc(fw::TMessage& Message) override;
  void Dispatch(fw::TMessage& Message) override;

  // While the pointer is inside, BackColor holds HoverColor; leaving puts the saved value back.
  fw::TColor BackColor() const { return backColor_; }
  void SetBackColor(fw::TColor Value) { Change(backColor_, Value); }
  fw::TColor ForeColor() const { return foreColor_; }
  void SetForeColor(fw::TColor Value) { Change(foreColor_, Value); }
  fw::TColor HoverColor() const { return hoverColor_; }
  void SetHoverColor(fw::TColor Value) { Change(hoverColor_, Value); }
  int ButtonIndex() const { return buttonIndex_; }
  void SetButtonIndex(int Value) { Change(buttonIndex_, Value); }
  // 1: a triangle pointing up at the top right; 2: pointing right at the top right; 3: pointing right at the
  // bottom right; other values: none.
  int ArrowStyle() const { return arrowStyle_; }
  void SetArrowStyle(int Value) { Change(arrowStyle_, Value); }
  // Stretched over the face when up (covering the mark) or when pressed.
  fw::TBitmap* Bitmap_Up() { return &bitmapUp_; }
  void SetBitmap_Up(fw::TBitmap* Value) { bitmapUp_.Assign(Value); }
  fw::TBitmap* Bitmap_Down() { return &bitmapDown_; }
  void SetBitmap_Down(fw::TBitmap* Value) { bitmapDown_.Assign(Value); }

  // Whether the button is the one Enter clicks as the focus stands.
  bool IsDefault() const { return isDefault_; }

  // The part of Text before the first Separator (all of it when there is none) and the part after it.
  static std::pair<std::string, std::string> SplitCaption(const std::string& Text, char Separator);

 protected:
  void CreateParams(fw::TCreateParams& Params) override;
  void SetButtonStyle(bool ADefault) override;

 private:
  template <typename T>
  void Change(T& field, T Value) {
    if (field == Value) return;
    field = Value;
    Invalidate();
  }
  void DrawFace(fw::TRect R, UINT State);

  fw::TColor savedBackColor_ = fw::clBtnFace;
  fw::TCanvas canvas_;
  bool isDefault_ = false;
  fw::TColor backColor_ = fw::clBtnFace;
  fw::TColor foreColor_ = fw::clBtnText;
  fw::TColor hoverColor_ = fw::clBtnFace;
  int buttonIndex_ = 0;
  int arrowStyle_ = 0;
  fw::TBitmap bitmapUp_;
  fw::TBitmap bitmapDown_;
};

}  // namespace ui
