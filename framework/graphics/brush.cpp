#include "framework/graphics/brush.h"

namespace fw {

void TBrush::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  // A coloured fill is a solid one unless it is hatched.
  if (style_ == bsClear) style_ = bsSolid;
  HandleChanged();
}

void TBrush::SetStyle(TBrushStyle value) { Update(style_, value); }

void TBrush::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TBrush*>(Source);
  if (!other) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  color_ = other->color_;
  style_ = other->style_;
  HandleChanged();
}

HBRUSH TBrush::Handle() {
  return handle_.Get([this]() -> HBRUSH {
    LOGBRUSH brush{};
    brush.lbColor = ColorToRGB(color_);
    switch (style_) {
      case bsSolid: brush.lbStyle = BS_SOLID; break;
      case bsClear: brush.lbStyle = BS_NULL; break;
      default:
        brush.lbStyle = BS_HATCHED;
        brush.lbHatch = style_ == bsHorizontal  ? HS_HORIZONTAL
                        : style_ == bsVertical  ? HS_VERTICAL
                        : style_ == bsFDiagonal ? HS_FDIAGONAL
                        : style_ == bsBDiagonal ? HS_BDIAGONAL
                        : style_ == bsCross     ? HS_CROSS
                                                : HS_DIAGCROSS;
    }
    return CreateBrushIndirect(&brush);
  });
}

}  // namespace fw
