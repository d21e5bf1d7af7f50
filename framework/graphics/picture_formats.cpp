#include "framework/graphics/picture_formats.h"

#include <vector>

#include "framework/classes/object.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/rtl/textutils.h"

namespace fw {

namespace {

std::vector<TPictureFormat>& Formats() {
  static std::vector<TPictureFormat> formats{
      {"bmp", "Bitmaps", [](const unsigned char* data, size_t size) { return size >= 2 && data[0] == 'B' && data[1] == 'M'; },
       [] { return static_cast<TGraphic*>(Create<TBitmap>()); }},
      {"ico", "Icons", &TIcon::IsIconData, [] { return static_cast<TGraphic*>(Create<TIcon>()); }},
  };
  return formats;
}

std::string Normalized(const std::string& extension) {
  return LowerCase(!extension.empty() && extension[0] == '.' ? extension.substr(1) : extension);
}

}  // namespace

void RegisterPictureFormat(const TPictureFormat& Format) {
  TPictureFormat format = Format;
  format.Extension = Normalized(Format.Extension);
  for (TPictureFormat& known : Formats()) {
    if (known.Extension == format.Extension) {
      known = std::move(format);
      return;
    }
  }
  Formats().push_back(std::move(format));
}

const TPictureFormat* PictureFormatForExtension(const std::string& Extension) {
  const std::string wanted = Normalized(Extension);
  if (wanted.empty()) return nullptr;
  for (const TPictureFormat& format : Formats()) {
    if (format.Extension == wanted) return &format;
  }
  return nullptr;
}

const TPictureFormat* PictureFormatForBytes(const unsigned char* Data, size_t Size) {
  for (const TPictureFormat& format : Formats()) {
    if (format.MatchesBytes && format.MatchesBytes(Data, Size)) return &format;
  }
  return nullptr;
}

}  // namespace fw
