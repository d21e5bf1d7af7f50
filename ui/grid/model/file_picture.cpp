#include "ui/grid/model/file_picture.h"

#include "framework/graphics/canvas.h"
#include "framework/graphics/picture.h"

namespace ui {

void TFilePicture::SetFilename(const std::string& value) {
  filename_ = value;
  fw::TPicture picture;
  picture.LoadFromFile(value);
  width_ = picture.Width();
  height_ = picture.Height();
}

void TFilePicture::Assign(fw::TPersistent* Source) {
  if (const auto* source = dynamic_cast<TFilePicture*>(Source)) {
    filename_ = source->filename_;
    width_ = source->width_;
    height_ = source->height_;
    return;
  }
  TPersistent::Assign(Source);
}

void TFilePicture::DrawFromFile(fw::TCanvas* canvas, const fw::TRect& rect) {
  if (filename_.empty()) return;
  fw::TPicture picture;
  picture.LoadFromFile(filename_);
  canvas->StretchDraw(rect, picture.Graphic());
}

}  // namespace ui
