#include "framework/graphics/pen.h"

#include <algorithm>

namespace fw {

void TPen::SetColor(TColor value) { Update(color_, value); }
// A pen is at least one pixel wide.
void TPen::SetWidth(int value) { Update(width_, std::max(value, 1)); }
void TPen::SetStyle(TPenStyle value) { Update(style_, value); }

void TPen::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TPen*>(Source);
  if (!other) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  color_ = other->color_;
  width_ = other->width_;
  style_ = other->style_;
  HandleChanged();
}

HPEN TPen::Handle() {
  return handle_.Get([this] {
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    return CreatePen(kStyles[style_], width_, ColorToRGB(color_));
  });
}

}  // namespace fw
