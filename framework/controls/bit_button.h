#pragma once
// TBitBtn: a push button that draws itself with a glyph (a bitmap drawn transparently) beside its
// caption; otherwise a TButton.
#include "framework/controls/button.h"
#include "framework/graphics/bitmap.h"

namespace fw {

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* AOwner);

  TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(TBitmap* value) { glyph_.Assign(value); }
  // Pixels between glyph and caption.
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);

  void Dispatch(TMessage& Message) override;

 protected:
  DWORD ButtonStyle() const override { return BS_OWNERDRAW; }
  void PaintWindow(HDC DC) override;

 private:
  void DrawButton(HDC dc, const TRect& rect, bool pressed, bool focused);

  TBitmap glyph_;
  int spacing_ = 4;
};

}  // namespace fw
