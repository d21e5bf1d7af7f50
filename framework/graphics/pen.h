#pragma once
// The outline of shapes and lines: colour, width and style.
#include "framework/graphics/colors.h"
#include "framework/graphics/graphics_object.h"

namespace fw {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGdiGraphicsObject<HPEN> {
 public:
  void Assign(TPersistent* Source) override;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);

  HPEN Handle();

 private:
   TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
};

}  // namespace fw
