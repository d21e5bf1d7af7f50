#pragma once
// The fill of shapes and the background of text: a colour and a style (bsClear draws no fill and makes
// text transparent).
#include "framework/graphics/colors.h"
#include "framework/graphics/graphics_object.h"

namespace fw {

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGdiGraphicsObject<HBRUSH> {
 public:
  void Assign(TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);

  HBRUSH Handle();

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

}  // namespace fw
