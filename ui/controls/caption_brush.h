// The brush of a smooth control's caption text: solid, a two-colour linear gradient across the text's box,
// a hatch, or the caption picture as a tiled texture. The radial, angle, path and none kinds (and a texture
// without a picture) give no brush: the caption is then not drawn.
#pragma once

#include <memory>

#include "ui/foundation/gdip_values.h"

namespace ui {

class TDecodedImage;
class TGPBrush;
class TVxGDIPPicture;

class TCaptionBrush {
 public:
  // Start and End are the two colours; Box is the text's place (x, y, width, height).
  TCaptionBrush(TVxGradientType Kind, HatchStyle Hatch, TVxGDIPPicture* Picture, ARGB Start, ARGB End,
                const GpRectF& Box);
  ~TCaptionBrush();
  TCaptionBrush(const TCaptionBrush&) = delete;
  TCaptionBrush& operator=(const TCaptionBrush&) = delete;

  // nullptr when the kind draws no text.
  TGPBrush* Get() const { return brush_.get(); }

 private:
  std::unique_ptr<TDecodedImage> texture_;
  std::unique_ptr<TGPBrush> brush_;
};

}  // namespace ui
