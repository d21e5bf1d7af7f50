#pragma once
// The registry of picture formats a TPicture loads: each format names its file extension, a test of a
// file's leading bytes and the graphic class that reads it. BMP and ICO are registered from the start;
// libraries above the framework register theirs at their module start (on the main thread, before any
// picture loads). Registering an extension again replaces the earlier format for it.
#include <cstddef>
#include <functional>
#include <string>

namespace fw {

class TGraphic;

struct TPictureFormat {
  std::string Extension;    // without the dot, any case ("bmp")
  std::string Description;  // "Bitmaps"
  // Whether the leading bytes (all the file has, at most Size) are of this format.
  std::function<bool(const unsigned char* Data, size_t Size)> MatchesBytes;
  // A new, empty graphic that reads the format (made with Create<T>).
  std::function<TGraphic*()> NewGraphic;
};

void RegisterPictureFormat(const TPictureFormat& Format);
// nullptr when no format has the extension (with or without its dot).
const TPictureFormat* PictureFormatForExtension(const std::string& Extension);
// The first format, in order of registration, whose byte test accepts the data; nullptr when none does.
const TPictureFormat* PictureFormatForBytes(const unsigned char* Data, size_t Size);

}  // namespace fw
