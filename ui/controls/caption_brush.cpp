#include "ui/controls/caption_brush.h"

#include "ui/foundation/encoded_picture.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {

TCaptionBrush::TCaptionBrush(TVxGradientType Kind, HatchStyle Hatch, TVxGDIPPicture* Picture, ARGB Start, ARGB End,
                             const GpRectF& Box) {
  const float x = Box.X;
  const float y = Box.Y;
  switch (Kind) {
    case gtSolid: brush_ = std::make_unique<TGPSolidBrush>(Start); break;
    case gtVertical:
      brush_ = std::make_unique<TGPLinearGradientBrush>(MakePointF(x, y), MakePointF(x, y + Box.Height), Start, End);
      break;
    case gtHorizontal:
      brush_ = std::make_unique<TGPLinearGradientBrush>(MakePointF(x, y), MakePointF(x + Box.Width, y), Start, End);
      break;
    case gtForwardDiagonal:
      brush_ = std::make_unique<TGPLinearGradientBrush>(MakePointF(x, y), MakePointF(x + Box.Width, y + Box.Height),
                                                        Start, End);
      break;
    case gtBackwardDiagonal:
      brush_ = std::make_unique<TGPLinearGradientBrush>(MakePointF(x, y + Box.Height), MakePointF(x + Box.Width, y),
                                                        End, Start);
      break;
    case gtHatch: brush_ = std::make_unique<TGPHatchBrush>(Hatch, Start, End); break;
    case gtTexture:
      if (Picture != nullptr && !Picture->Empty()) {
        texture_ = std::make_unique<TDecodedImage>(Picture->Data());
        if (texture_->Decoded()) brush_ = std::make_unique<TGPTextureBrush>(&texture_->Image(), WrapModeTile);
      }
      break;
    default: break;  // radial, angle, path and none draw no caption text
  }
}

// The brush goes before the image it tiles (member order).
TCaptionBrush::~TCaptionBrush() = default;

}  // namespace ui
