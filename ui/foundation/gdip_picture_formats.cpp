#include "ui/foundation/gdip_picture_formats.h"

#include <cstring>

#include "framework/classes/object.h"
#include "framework/graphics/picture_formats.h"
#include "ui/foundation/gdip_picture.h"

namespace ui {

namespace {

// A test that the data begins with the given bytes.
template <size_t N>
auto StartsWith(const unsigned char (&magic)[N]) {
  return [&magic](const unsigned char* data, size_t size) { return size >= N && std::memcmp(data, magic, N) == 0; };
}

const unsigned char kJpeg[] = {0xFF, 0xD8, 0xFF};
const unsigned char kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
const unsigned char kGif[] = {'G', 'I', 'F', '8'};
const unsigned char kTiffIntel[] = {'I', 'I', 0x2A, 0x00};
const unsigned char kTiffMotorola[] = {'M', 'M', 0x00, 0x2A};

fw::TGraphic* NewGDIPPicture() { return fw::Create<TGDIPPicture>(); }

bool IsTiff(const unsigned char* data, size_t size) {
  return StartsWith(kTiffIntel)(data, size) || StartsWith(kTiffMotorola)(data, size);
}

}  // namespace

void RegisterGDIPPictureFormats() {
  for (const char* extension : {"jpg", "jpeg", "jpe"}) {
    fw::RegisterPictureFormat({extension, "JPEG images", StartsWith(kJpeg), &NewGDIPPicture});
  }
  fw::RegisterPictureFormat({"png", "PNG images", StartsWith(kPng), &NewGDIPPicture});
  fw::RegisterPictureFormat({"gif", "GIF images", StartsWith(kGif), &NewGDIPPicture});
  for (const char* extension : {"tif", "tiff"}) {
    fw::RegisterPictureFormat({extension, "TIFF images", &IsTiff, &NewGDIPPicture});
  }
}

}  // namespace ui
