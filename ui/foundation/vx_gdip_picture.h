#pragma once
// TVxGDIPPicture: the picture of the GDI+ controls (fills, picture containers, smooth controls). It keeps
// the image file's bytes, takes its size from the file header when loaded from a file, and draws through
// GDI+; a transparent BMP leaves out its key colour (the bottom-left pixel's unless set).
#include <cstdint>

#include "framework/graphics/canvas.h"
#include "ui/foundation/encoded_picture.h"
#include "ui/foundation/gdip_graphics.h"

namespace ui {

class TVxGDIPPicture : public TEncodedPicture {
 public:
  TVxGDIPPicture() = default;

  // Nothing (cleared), another TVxGDIPPicture (its bytes), any graphic or a picture's graphic (the bytes
  // it saves itself as); any other source leaves the bytes and reports empty. OnChange; nil also OnClear.
  void Assign(fw::TPersistent* Source) override;
  fw::TGraphic* NewGraphic() const override;

  // A BMP at its natural size at Rect's top-left through the framework's bitmap (transparent on its
  // bottom-left pixel); any other format stretched into Rect.
  void Draw(fw::TCanvas* ACanvas, const fw::TRect& Rect) override;
  void LoadFromStream(fw::TStream* Stream) override;
  // Never raises: a file that cannot be read leaves the picture empty.
  void LoadFromFile(const std::string& FileName) override;

  // Draws on a GDI+ surface: a transparent BMP keyed and at natural size, anything else stretched into Rect.
  void GDIPDraw(TGPGraphics* Graphics, const fw::TRect& Rect);
  // Tiles the decoded image over a path or rectangle.
  void FillPathWithPicture(TGPGraphics* Graphics, TGPGraphicsPath* Path);
  void FillRectWithPicture(TGPGraphics* Graphics, const GpRectF& Rect);

  // 0: the key colour is the bottom-left pixel's; otherwise TransparentColor.
  std::uint8_t TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(std::uint8_t value) { transparentMode_ = value; }
  fw::TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(fw::TColor value) { transparentColor_ = value; }

  // What the last GDI+ draw found in the image.
  int BitsPerPixel() const { return bitsPerPixel_; }
  bool HasAlpha() const { return hasAlpha_; }
  bool IsIndexed() const { return isIndexed_; }
  PixelFormat ImagePixelFormat() const { return pixelFormat_; }

 protected:
  void ReadData(fw::TStream* Stream) override;

 private:
  std::uint8_t transparentMode_ = 0;
  fw::TColor transparentColor_ = fw::clWhite;
  int bitsPerPixel_ = 0;
  bool hasAlpha_ = false;
  bool isIndexed_ = false;
  PixelFormat pixelFormat_ = 0;
};

}  // namespace ui
