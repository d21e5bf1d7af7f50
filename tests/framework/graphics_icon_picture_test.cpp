// Icons as graphics (streams, files, drawing) and pictures choosing their graphic class by the file's
// extension or its leading bytes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/picture.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/memory_stream.h"
#include "tests/framework/test_files.h"
#include "tests/framework/test_pictures.h"

namespace fw {
namespace {

using testing::BitmapFileBytes;
using testing::IconFileBytes;
using testing::WriteBytes;

void WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  TMemoryStream stream;
  WriteBytes(&stream, bytes);
  stream.SaveToFile(path);
}

// Draws the graphic into the middle of a white 24 x 24 bitmap and reads the colour at its centre.
TColor DrawnCentre(TGraphic& graphic) {
  TBitmap target;
  target.SetSize(24, 24);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(Rect(0, 0, 24, 24));
  target.Canvas()->Draw(4, 4, &graphic);
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), clWhite);
  return target.Canvas()->Pixels(12, 12);
}

TEST(Icon, LoadsFromAStreamDrawsAndSavesTheSameBytes) {
  const std::vector<unsigned char> bytes = IconFileBytes(16, 0x00FF00);
  TMemoryStream stream;
  WriteBytes(&stream, bytes);
  TIcon icon;
  int changes = 0;
  icon.OnChange = [&](TObject*) { ++changes; };
  icon.LoadFromStream(&stream);
  EXPECT_EQ(changes, 1);
  ASSERT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Height(), 16);
  EXPECT_EQ(DrawnCentre(icon), clLime);
  EXPECT_THROW(icon.SetWidth(32), EInvalidGraphicOperation);

  TMemoryStream saved;
  icon.SaveToStream(&saved);
  const auto* data = static_cast<const unsigned char*>(saved.Memory());
  EXPECT_EQ(std::vector<unsigned char>(data, data + saved.Size()), bytes);
}

TEST(Icon, LoadsFromAFileAndKeepsItsImageWhenBytesAreNoIcon) {
  testing::TempFolder folder;
  WriteFile(folder.Path("gear.ico"), IconFileBytes(20, 0xFF0000));
  TIcon icon;
  icon.LoadFromFile(folder.Path("gear.ico"));
  EXPECT_EQ(icon.Width(), 20);
  EXPECT_EQ(DrawnCentre(icon), clRed);

  std::vector<unsigned char> truncated = IconFileBytes(16, 0x0000FF);
  truncated.resize(100);  // the entry promises more than the file holds
  const std::vector<std::vector<unsigned char>> bad = {truncated, BitmapFileBytes(4, 4, clBlue), {0, 0, 1}};
  for (const auto& bytes : bad) {
    TMemoryStream stream;
    WriteBytes(&stream, bytes);
    EXPECT_THROW(icon.LoadFromStream(&stream), EInvalidGraphic);
    EXPECT_EQ(icon.Width(), 20);
    EXPECT_EQ(DrawnCentre(icon), clRed);
  }
  TIcon copy;
  copy.Assign(&icon);
  EXPECT_EQ(DrawnCentre(copy), clRed);
}

TEST(Picture, ChoosesTheGraphicClassByExtensionOrByLeadingBytes) {
  testing::TempFolder folder;
  struct Case {
    const char* name;
    std::vector<unsigned char> bytes;
    bool icon;
  };
  const Case cases[] = {
      {"panel.bmp", BitmapFileBytes(3, 2, clBlue), false},
      {"panel.ICO", IconFileBytes(16, 0x0000FF), true},
      {"panel.dat", IconFileBytes(16, 0x0000FF), true},  // unknown extension: by the bytes
      {"panel", BitmapFileBytes(3, 2, clBlue), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(folder.Path(c.name), c.bytes);
    TPicture fromFile;
    fromFile.LoadFromFile(folder.Path(c.name));
    EXPECT_EQ(dynamic_cast<TIcon*>(fromFile.Graphic()) != nullptr, c.icon);
    EXPECT_EQ(dynamic_cast<TBitmap*>(fromFile.Graphic()) != nullptr, !c.icon);

    TMemoryStream stream;
    WriteBytes(&stream, c.bytes);
    TPicture fromStream;
    fromStream.LoadFromStream(&stream);
    EXPECT_EQ(dynamic_cast<TIcon*>(fromStream.Graphic()) != nullptr, c.icon);
    EXPECT_EQ(fromStream.Width(), c.icon ? 16 : 3);
  }
}

TEST(Picture, UnknownOrBrokenPicturesRaiseAndLeaveThePictureAsItWas) {
  testing::TempFolder folder;
  TPicture picture;
  picture.Bitmap()->SetSize(7, 5);
  TGraphic* held = picture.Graphic();
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };

  const std::vector<unsigned char> unknown = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
  TMemoryStream stream;
  WriteBytes(&stream, unknown);
  EXPECT_THROW(picture.LoadFromStream(&stream), EInvalidGraphic);
  TMemoryStream empty;
  EXPECT_THROW(picture.LoadFromStream(&empty), EInvalidGraphic);
  WriteFile(folder.Path("panel.xyz"), unknown);
  EXPECT_THROW(picture.LoadFromFile(folder.Path("panel.xyz")), EInvalidGraphic);
  WriteFile(folder.Path("broken.ico"), BitmapFileBytes(2, 2, clRed));  // the extension's format refuses it
  EXPECT_THROW(picture.LoadFromFile(folder.Path("broken.ico")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile(folder.Path("missing.bmp")), EFOpenError);

  EXPECT_EQ(picture.Graphic(), held);
  EXPECT_EQ(picture.Width(), 7);
  EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace fw
