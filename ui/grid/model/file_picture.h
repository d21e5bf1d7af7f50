// TFilePicture: a picture kept only as a file name. Writing the name loads the file once to learn its size;
// every draw reads the file again and nothing of its pixels is kept. GUI thread only.
#pragma once

#include <string>

#include "framework/classes/persistent.h"
#include "framework/graphics/geometry.h"

namespace fw {
class TCanvas;
}

namespace ui {

class TFilePicture : public fw::TPersistent {
 public:
  const std::string& Filename() const { return filename_; }
  // Loads the file to take Width and Height; a file that cannot be loaded raises the framework's picture
  // error (EFOpenError, EInvalidGraphic) and the name stays written.
  void SetFilename(const std::string& value);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Another TFilePicture: name and size, loading nothing. Other sources go to the framework's rule.
  void Assign(fw::TPersistent* Source) override;
  // Stretch-draws the file into the rectangle; nothing without a name.
  void DrawFromFile(fw::TCanvas* canvas, const fw::TRect& rect);

 private:
  std::string filename_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ui
