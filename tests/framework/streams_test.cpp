#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/ole.h"
#include "framework/streams/file_stream.h"
#include "framework/streams/memory_stream.h"
#include "framework/streams/resource_stream.h"
#include "framework/streams/stream_adapter.h"
#include "tests/framework/test_files.h"

using fw::testing::TempFolder;

// The GDI+ flat calls the adapter test makes.
extern "C" {
struct TestGdiplusStartupInput {
  UINT32 GdiplusVersion;
  void* DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};
int WINAPI GdiplusStartup(ULONG_PTR* token, const TestGdiplusStartupInput* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
int WINAPI GdipCreateBitmapFromStream(IStream* stream, void** bitmap);
int WINAPI GdipGetImageWidth(void* image, UINT* width);
int WINAPI GdipGetImageHeight(void* image, UINT* height);
int WINAPI GdipBitmapGetPixel(void* bitmap, INT x, INT y, UINT32* argb);
int WINAPI GdipDisposeImage(void* image);
}

namespace fw {
namespace {

std::string ReadAll(TStream& stream) {
  std::string text(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
  stream.ReadBuffer(text.data(), static_cast<std::int32_t>(text.size()));
  return text;
}

TEST(MemoryStream, WritesReadsBackAndSeeksFromEachOrigin) {
  TMemoryStream stream;
  stream.WriteBuffer("0123456789", 10);
  EXPECT_EQ(stream.Size(), 10);
  EXPECT_EQ(stream.Position(), 10);

  struct Case {
    std::int64_t offset;
    TSeekOrigin origin;
    std::int64_t position;
    char next;
  };
  const Case cases[] = {{3, soBeginning, 3, '3'}, {2, soCurrent, 6, '6'}, {-3, soEnd, 7, '7'}, {-5, soCurrent, 3, '3'}};
  for (const Case& c : cases) {
    EXPECT_EQ(stream.Seek(c.offset, c.origin), c.position);
    char next = 0;
    stream.ReadBuffer(&next, 1);
    EXPECT_EQ(next, c.next) << "seek " << c.offset << " from " << c.origin;
  }

  stream.SetPosition(8);
  char tail[4] = {};
  EXPECT_EQ(stream.Read(tail, 4), 2);  // only what is left
  EXPECT_EQ(stream.Read(tail, 4), 0);
  stream.SetPosition(8);
  EXPECT_THROW(stream.ReadBuffer(tail, 4), EReadError);

  stream.SetPosition(12);  // writing past the end fills the gap with zeros
  stream.WriteBuffer("AB", 2);
  ASSERT_EQ(stream.Size(), 14);
  EXPECT_EQ(std::memcmp(stream.Memory(), "0123456789\0\0AB", 14), 0);

  stream.SetSize(4);
  EXPECT_EQ(stream.Position(), 4);
  stream.SetPosition(0);
  EXPECT_EQ(ReadAll(stream), "0123");
  stream.Clear();
  EXPECT_EQ(stream.Size(), 0);
  EXPECT_EQ(stream.Memory(), nullptr);
}

TEST(MemoryStream, CopyFromTakesTheWholeSourceOrACount) {
  TMemoryStream source;
  source.WriteBuffer("abcdefgh", 8);
  TMemoryStream target;
  EXPECT_EQ(target.CopyFrom(&source, 0), 8);  // 0: all of it, from its start
  source.SetPosition(2);
  EXPECT_EQ(target.CopyFrom(&source, 3), 3);
  target.SetPosition(0);
  EXPECT_EQ(ReadAll(target), "abcdefghcde");
  source.SetPosition(6);
  EXPECT_THROW(target.CopyFrom(&source, 5), EReadError);
}

TEST(FileStream, RoundTripsThroughAFileAndHonoursSharing) {
  TempFolder folder;
  const std::string name = folder.Path("data.bin");
  {
    TFileStream file(name, fmCreate);
    file.WriteBuffer("file bytes", 10);
  }
  TMemoryStream copy;
  copy.LoadFromFile(name);
  EXPECT_EQ(ReadAll(copy), "file bytes");

  TFileStream guard(name, fmOpenRead | fmShareDenyWrite);
  EXPECT_THROW(TFileStream(name, fmOpenReadWrite | fmShareDenyNone), EFOpenError);  // a second writer
  TFileStream reader(name, fmOpenRead | fmShareDenyNone);                             // another reader
  EXPECT_EQ(ReadAll(reader), "file bytes");
  EXPECT_EQ(ReadAll(guard), "file bytes");
}

TEST(FileStream, MissingFilesRaiseOpenAndCreateErrors) {
  TempFolder folder;
  EXPECT_THROW(TFileStream(folder.Path("absent.bin"), fmOpenRead), EFOpenError);
  try {
    TFileStream(folder.Path("no folder\\new.bin"), fmCreate);
    FAIL() << "created a file in a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot create file \""), std::string::npos);
  }
}

TEST(ResourceStream, ReadsALinkedResourceAndRefusesWrites) {
  TResourceStream stream(GetModuleHandleA(nullptr), "TESTDATA", RT_RCDATA);
  EXPECT_EQ(stream.Size(), 14);
  EXPECT_EQ(ReadAll(stream), "resource bytes");
  EXPECT_THROW(stream.WriteBuffer("x", 1), EStreamError);
}

TEST(ResourceStream, MissingNameRaisesResNotFound) {
  try {
    TResourceStream stream(GetModuleHandleA(nullptr), "NO_SUCH_DATA", RT_RCDATA);
    FAIL() << "opened a missing resource";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "Resource NO_SUCH_DATA not found");
  }
}

// A 24-bit bottom-up BMP file of 3 x 2 pixels: bottom row blue, top row red.
std::vector<std::uint8_t> SmallBmpFile() {
  const int width = 3, height = 2, stride = 12;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = stride * height;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::vector<std::uint8_t> bytes(file.bfSize, 0);
  std::memcpy(bytes.data(), &file, sizeof(file));
  std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* pixel = bytes.data() + file.bfOffBits + y * stride + x * 3;
      pixel[0] = y == 0 ? 0xFF : 0x00;  // blue
      pixel[2] = y == 1 ? 0xFF : 0x00;  // red
    }
  }
  return bytes;
}

TEST(StreamAdapter, GdiplusLoadsAnImageFromAMemoryStream) {
  ULONG_PTR token = 0;
  const TestGdiplusStartupInput input{1, nullptr, FALSE, FALSE};
  ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), 0);

  const std::vector<std::uint8_t> bmp = SmallBmpFile();
  TMemoryStream stream;
  stream.WriteBuffer(bmp.data(), static_cast<std::int32_t>(bmp.size()));
  stream.SetPosition(0);
  {
    auto adapter = ComRef<IStream>::Share(new TStreamAdapter(&stream));
    void* image = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromStream(adapter.Get(), &image), 0);
    UINT width = 0, height = 0;
    UINT32 top = 0, bottom = 0;
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
    GdipBitmapGetPixel(image, 1, 0, &top);
    GdipBitmapGetPixel(image, 1, 1, &bottom);
    GdipDisposeImage(image);
    EXPECT_EQ(width, 3u);
    EXPECT_EQ(height, 2u);
    EXPECT_EQ(top, 0xFFFF0000u);
    EXPECT_EQ(bottom, 0xFF0000FFu);

    STATSTG stat{};
    ASSERT_EQ(adapter->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.cbSize.QuadPart, bmp.size());
    EXPECT_EQ(stat.pwcsName, nullptr);
  }
  GdiplusShutdown(token);
}

TEST(StreamAdapter, OwnedStreamGoesWithTheLastReference) {
  static bool freed = false;
  struct WatchedStream : TMemoryStream {
    ~WatchedStream() override { freed = true; }
  };
  freed = false;
  auto* adapter = new TStreamAdapter(new WatchedStream, soOwned);
  adapter->AddRef();
  adapter->AddRef();
  adapter->Release();
  EXPECT_FALSE(freed);
  adapter->Release();
  EXPECT_TRUE(freed);
}

}  // namespace
}  // namespace fw
