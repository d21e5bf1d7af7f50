// TCellGraphic: freeing what its kind owns, copying from another graphic, and the size of a picture.
#include "ui/grid/model/cell_graphic.h"

#include <algorithm>

#include "framework/graphics/picture.h"
#include "framework/rtl/arith.h"
#include "ui/grid/model/file_picture.h"

namespace ui {

namespace {

void FreeContent(TCellContent& content) {
  fw::TObject* object = content.Object();
  content = TCellContent();
  if (object != nullptr) object->Free();
}

// Both sides scaled by the smaller of the two ratios: the side whose ratio is smaller fills its space.
void FitAspect(double rw, double rh, int pw, int ph, int w, int h, int& width, int& height) {
  if (rw >= rh) {
    width = static_cast<int>(fw::Round(pw * rh));
    height = h;
  } else {
    width = w;
    height = static_cast<int>(fw::Round(ph * rw));
  }
}

}  // namespace

bool TCellVariant::AsBoolean() const {
  if (const bool* value = std::get_if<bool>(&value_)) return *value;
  if (const int* value = std::get_if<int>(&value_)) return *value != 0;
  return false;
}

int TCellVariant::AsInteger() const {
  if (const bool* value = std::get_if<bool>(&value_)) return *value ? -1 : 0;
  if (const int* value = std::get_if<int>(&value_)) return *value;
  return 0;
}

TCellGraphic::~TCellGraphic() {
  switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      if (CellCreated) FreeContent(CellContent);
      break;
    case ctIcon:
      if (CellCreated) FreeContent(CellIconContent);
      break;
    case ctImages:
    case ctBalloon:
      FreeContent(CellContent);
      break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
      if (CellAngle == 1) FreeContent(CellContent);
      break;
    default:
      break;
  }
}

void TCellGraphic::Assign(fw::TPersistent* Source) {
  const auto* source = static_cast<const TCellGraphic*>(Source);
  CellType = source->CellType;
  CellVAlign = source->CellVAlign;
  CellHAlign = source->CellHAlign;
  CellIndex = source->CellIndex;
  CellTransparent = source->CellTransparent;
  CellValue = source->CellValue;
  CellAngle = source->CellAngle;
  CellBoolean = source->CellBoolean;
  CellErrFrom = source->CellErrFrom;
  CellErrLen = source->CellErrLen;
  CellText = source->CellText;
  CellCreated = source->CellCreated;
}

void TCellGraphic::GetPictureSize(int availableWidth, int availableHeight, int& width, int& height) const {
  int pw = 0;
  int ph = 0;
  if (CellType == ctPicture) {
    const auto* picture = CellContent.As<fw::TPicture>();
    if (picture != nullptr) {
      pw = picture->Width();
      ph = picture->Height();
    }
  } else if (CellType == ctFilePicture) {
    const auto* picture = CellContent.As<TFilePicture>();
    if (picture != nullptr) {
      pw = picture->Width();
      ph = picture->Height();
    }
  } else {
    return;
  }
  const int w = availableWidth - CellIndex;
  const int h = availableHeight - CellIndex;
  const double rw = pw > 0 ? static_cast<double>(w) / pw : 1.0;
  const double rh = ph > 0 ? static_cast<double>(h) / ph : 1.0;
  switch (static_cast<std::uint8_t>(CellAngle & 0xFF)) {
    case psStretch:
      width = w;
      height = h;
      break;
    case psShrink:
      if (pw > w || ph > h) {
        width = w;
        height = h;
      } else {
        width = pw;
        height = ph;
      }
      break;
    case psStretchAspect:
      FitAspect(rw, rh, pw, ph, w, h, width, height);
      break;
    case psShrinkAspect:
      if (pw <= w && ph <= h) {
        width = pw;
        height = ph;
      } else {
        FitAspect(std::min(rw, 1.0), std::min(rh, 1.0), pw, ph, w, h, width, height);
      }
      break;
    default:
      width = pw;
      height = ph;
      break;
  }
}

}  // namespace ui
