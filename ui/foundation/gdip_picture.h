#pragma once
// TGDIPPicture: the picture the glow buttons and hint descriptions keep (PNG glyphs with transparency).
// It keeps the image file's bytes and the last file name; a BMP is drawn through the framework's bitmap
// (transparent on its bottom-left pixel, stretched), any other format through GDI+.
#include <string>

#include "framework/graphics/canvas.h"
#include "ui/foundation/encoded_picture.h"

namespace ui {

class TGDIPPicture : public TEncodedPicture {
 public:
  TGDIPPicture() = default;

  // Nothing (cleared, OnChange then OnClear), another TGDIPPicture (its bytes), a bitmap or a picture's
  // graphic (the bytes it saves itself as); measured afterwards. Other sources are ignored.
  void Assign(fw::TPersistent* Source) override;
  fw::TGraphic* NewGraphic() const override;

  void Draw(fw::TCanvas* ACanvas, const fw::TRect& Rect) override;
  void LoadFromStream(fw::TStream* Stream) override;
  // Never raises: a file that cannot be read leaves the picture empty.
  void LoadFromFile(const std::string& FileName) override;

  const std::string& FileName() const { return fileName_; }

 protected:
  // The stored bytes as they are: neither measured nor announced.
  void ReadData(fw::TStream* Stream) override;

 private:
  std::string fileName_;
};

}  // namespace ui
