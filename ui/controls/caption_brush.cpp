#include "ui/controls/caption_brush.h"

#include "framework/rtl/ole.h"
#include "framework/streams/memory_stream.h"
#include "ui/foundation/fixed_stream_adapter.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_image.h"
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
        textureBytes_ = fw::Create<fw::TMemoryStream>();
        Picture->SaveToStream(textureBytes_);
        textureBytes_->SetPosition(0);
        // The adapter starts without references: the ComRef takes the first.
        const fw::ComRef<IStream> stream =
            fw::ComRef<IStream>::Share(new TFixedStreamAdapter(textureBytes_, fw::soReference));
        texture_ = std::make_unique<TGPBitmap>(stream.Get(), false);
        brush_ = std::make_unique<TGPTextureBrush>(texture_.get(), WrapModeTile);
      }
      break;
    default: break;  // radial, angle, path and none draw no caption text
  }
}

TCaptionBrush::~TCaptionBrush() {
  brush_.reset();
  texture_.reset();
  if (textureBytes_ != nullptr) textureBytes_->Free();
}

}  // namespace ui
