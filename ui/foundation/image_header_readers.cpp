#include "ui/foundation/image_header_readers.h"

#include <cstdlib>

#include "framework/rtl/filenames.h"
#include "framework/rtl/textutils.h"
#include "framework/streams/file_stream.h"

namespace ui {

namespace {

class HeaderFile {
 public:
  explicit HeaderFile(const std::string& name) : file_(name, fw::fmOpenRead | fw::fmShareDenyWrite) {}

  bool Byte(std::uint8_t& value) { return file_.Read(&value, 1) == 1; }
  bool Bytes(void* buffer, std::int32_t count) { return file_.Read(buffer, count) == count; }
  bool BigEndian16(std::uint16_t& value) {
    std::uint8_t b[2];
    if (!Bytes(b, 2)) return false;
    value = static_cast<std::uint16_t>((b[0] << 8) | b[1]);
    return true;
  }
  void Skip(std::int64_t count) { file_.Seek(count, fw::soCurrent); }
  void SeekTo(std::int64_t offset) { file_.Seek(offset, fw::soBeginning); }

 private:
  fw::TFileStream file_;
};

std::uint16_t LittleEndian16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t LittleEndian32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

}  // namespace

bool ReadJpegSize(const std::string& FileName, TImageHeaderSize& Size) {
  HeaderFile file(FileName);
  std::uint8_t soi[2];
  if (!file.Bytes(soi, 2) || soi[0] != 0xFF || soi[1] != 0xD8) return false;
  std::uint8_t next = 0;
  if (!file.Byte(next)) return false;
  while (next == 0xFF) {
    std::uint8_t marker = 0;
    if (!file.Byte(marker)) return false;
    while (marker == 0xFF) {  // fill bytes
      if (!file.Byte(marker)) return false;
    }
    if (marker >= 0xC0 && marker <= 0xC2) {  // start of frame: baseline, extended, progressive
      std::uint16_t height = 0, width = 0;
      file.Skip(3);
      if (!file.BigEndian16(height) || !file.BigEndian16(width)) return false;
      Size.Width = width;
      Size.Height = height;
      return true;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a segment
      if (!file.Byte(next)) return false;
      continue;
    }
    std::uint16_t length = 0;
    if (!file.BigEndian16(length)) return false;
    file.Skip(static_cast<std::int64_t>(length) - 2);
    if (!file.Byte(next)) return false;
  }
  return false;
}

bool ReadPngSize(const std::string& FileName, TImageHeaderSize& Size) {
  static constexpr std::uint8_t kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
  HeaderFile file(FileName);
  std::uint8_t header[24];
  if (!file.Bytes(header, 24)) return false;
  for (int i = 0; i < 8; ++i) {
    if (header[i] != kSignature[i]) return false;
  }
  Size.Width = static_cast<std::uint16_t>((header[18] << 8) | header[19]);
  Size.Height = static_cast<std::uint16_t>((header[22] << 8) | header[23]);
  return true;
}

bool ReadBmpSize(const std::string& FileName, TImageHeaderSize& Size) {
  HeaderFile file(FileName);
  std::uint8_t header[26];
  if (!file.Bytes(header, 26) || header[0] != 'B' || header[1] != 'M') return false;
  Size.Width = static_cast<std::uint16_t>(LittleEndian32(header + 18));
  Size.Height = static_cast<std::uint16_t>(LittleEndian32(header + 22));
  return true;
}

bool ReadTiffSize(const std::string& FileName, TImageHeaderSize& Size) {
  HeaderFile file(FileName);
  std::uint8_t header[8];
  if (!file.Bytes(header, 8)) return false;
  file.SeekTo(LittleEndian32(header + 4));
  std::uint8_t countBytes[2];
  if (!file.Bytes(countBytes, 2)) return false;
  const int count = LittleEndian16(countBytes);
  bool haveWidth = false, haveHeight = false;
  std::int32_t width = 0, height = 0;
  for (int i = 0; i < count; ++i) {
    std::uint8_t entry[12];
    if (!file.Bytes(entry, 12)) return false;
    const std::uint16_t tag = LittleEndian16(entry);
    const auto value = static_cast<std::int32_t>(LittleEndian32(entry + 8));
    if (tag == 256) {
      width = value;
      haveWidth = true;
    } else if (tag == 257) {
      height = value;
      haveHeight = true;
    }
    if (haveWidth && haveHeight) {
      Size.Width = static_cast<std::uint16_t>(std::abs(width));
      Size.Height = static_cast<std::uint16_t>(std::abs(height));
      return true;
    }
  }
  return false;
}

bool ReadGifSize(const std::string& FileName, TImageHeaderSize& Size) {
  HeaderFile file(FileName);
  std::uint8_t header[13];
  if (!file.Bytes(header, 13) || header[0] != 'G' || header[1] != 'I' || header[2] != 'F') return false;
  if ((header[10] & 0x80) != 0) file.Skip(3 * (1 << ((header[10] & 7) + 1)));  // global colour table
  std::uint8_t b = 0;
  while (file.Byte(b)) {
    if (b != 0x2C) continue;
    std::uint8_t descriptor[10];
    if (!file.Bytes(descriptor, 10)) return false;
    Size.Width = LittleEndian16(descriptor + 4);
    Size.Height = LittleEndian16(descriptor + 6);
    return true;
  }
  return false;
}

TImageHeaderSize ReadImageHeaderSize(const std::string& FileName) {
  TImageHeaderSize size;
  const std::string ext = fw::UpperCase(fw::ExtractFileExt(FileName));
  if (ext == ".JPG" || ext == ".JPEG") {
    ReadJpegSize(FileName, size);
  } else if (ext == ".PNG") {
    ReadPngSize(FileName, size);
  } else if (ext == ".BMP") {
    ReadBmpSize(FileName, size);
  } else if (ext == ".TIFF" || ext == ".TIF") {
    ReadTiffSize(FileName, size);
  } else if (ext == ".GIF") {
    ReadGifSize(FileName, size);
  }
  return size;
}

}  // namespace ui
