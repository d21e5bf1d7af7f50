#include "ui/foundation/html_picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/streams/memory_stream.h"
#include "ui/foundation/encoded_picture.h"

using namespace ui;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A 4 x 4 GIF with three 1 x 1 frames: red at (0,0), blue at (1,2), red at (3,1). The decoder shows the first
// frame it finds, alone, at the top-left.
Bytes ThreeFrameGif() {
  Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 4, 0, 4, 0, 0x80, 1, 0, 0xFF, 0, 0, 0, 0, 0xFF};
  struct Frame {
    std::uint8_t left, top, colour;
  };
  for (const Frame f : {Frame{0, 0, 0}, Frame{1, 2, 1}, Frame{3, 1, 0}}) {
    const Bytes block = {0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,  // graphic control
                         0x2C, f.left, 0, f.top, 0, 1, 0, 1, 0, 0x00,     // image descriptor
                         0x02, 0x02, static_cast<std::uint8_t>(f.colour == 0 ? 0x44 : 0x4C), 0x01, 0x00};
    gif.insert(gif.end(), block.begin(), block.end());
  }
  gif.push_back(0x3B);
  return gif;
}

// 2 x 2, 24 bits: top row blue, white; bottom row red, green.
// The same picture is linked into the tests as the resource TWOBYTWO.
Bytes TwoByTwoBmp() {
  Bytes bmp = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                 // file header
               40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,    // info header
               16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const Bytes rows = {0, 0, 255, 0, 255, 0, 0, 0,         // bottom row: red, green (stored blue, green, red)
                      255, 0, 0, 255, 255, 255, 0, 0};    // top row: blue, white
  bmp.insert(bmp.end(), rows.begin(), rows.end());
  return bmp;
}

fw::TMemoryStream* StreamOf(const Bytes& bytes) {
  auto* stream = fw::Create<fw::TMemoryStream>();
  stream->WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  stream->SetPosition(0);
  return stream;
}

THTMLPicture* PictureOf(const Bytes& bytes) {
  THTMLPicture* picture = fw::Create<THTMLPicture>();
  fw::TMemoryStream* stream = StreamOf(bytes);
  picture->LoadFromStream(stream);
  stream->Free();
  return picture;
}

// The colour drawn at (x, y) when the picture is drawn at its natural size on white.
COLORREF PixelDrawn(THTMLPicture* picture, int x, int y) {
  fw::TBitmap* bitmap = fw::Create<fw::TBitmap>();
  bitmap->SetWidth(8);
  bitmap->SetHeight(8);
  fw::TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetColor(fw::clWhite);
  canvas->FillRect(fw::TRect{0, 0, 8, 8});
  picture->Draw(canvas, fw::TRect{0, 0, 8, 8});
  const COLORREF colour = GetPixel(canvas->Handle(), x, y);
  bitmap->Free();
  return colour;
}

}  // namespace

TEST(HtmlPicture, AGifCountsItsFramesAndDecodesTheChosenOne) {
  THTMLPicture* picture = PictureOf(ThreeFrameGif());
  EXPECT_FALSE(picture->Empty());
  EXPECT_EQ(picture->GetFrameCount(), 3);
  EXPECT_EQ(picture->AnimWidth(), 4);
  EXPECT_EQ(picture->AnimHeight(), 4);
  EXPECT_EQ(picture->GetMaxWidth(), 4);
  EXPECT_EQ(picture->FrameLeft(), 0);

  int frameChanges = 0;
  picture->OnFrameChange = [&frameChanges](fw::TObject*) { ++frameChanges; };
  picture->SetFrame(2);
  EXPECT_EQ(frameChanges, 1);
  EXPECT_EQ(picture->FrameLeft(), 1);
  EXPECT_EQ(picture->FrameTop(), 2);
  EXPECT_EQ(picture->FrameWidth(), 1);
  EXPECT_EQ(PixelDrawn(picture, 0, 0), RGB(0, 0, 255)) << "the second frame is shown";

  picture->SetFrame(3);
  EXPECT_EQ(picture->FrameLeft(), 3);
  EXPECT_EQ(picture->FrameTop(), 1);
  EXPECT_EQ(PixelDrawn(picture, 0, 0), RGB(255, 0, 0)) << "the third frame is shown";
  picture->SetFrame(1);
  EXPECT_EQ(picture->FrameLeft(), 0);
  EXPECT_EQ(PixelDrawn(picture, 0, 0), RGB(255, 0, 0));
  picture->Free();
}

TEST(HtmlPicture, OtherPicturesHaveNoFramesAndDrawAtTheirSize) {
  THTMLPicture* picture = PictureOf(TwoByTwoBmp());
  EXPECT_EQ(picture->GetFrameCount(), -1);
  EXPECT_EQ(picture->Width(), 2);
  EXPECT_EQ(picture->Height(), 2);
  EXPECT_EQ(picture->GetMaxWidth(), picture->Width());
  EXPECT_EQ(picture->GetMaxHeight(), picture->Height());
  EXPECT_EQ(picture->AnimWidth(), 0);
  EXPECT_EQ(PixelDrawn(picture, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(PixelDrawn(picture, 1, 1), RGB(0, 255, 0));
  EXPECT_EQ(PixelDrawn(picture, 0, 1), RGB(255, 0, 0));
  EXPECT_EQ(PixelDrawn(picture, 2, 2), RGB(255, 255, 255)) << "natural size, not stretched";
  picture->SetStretch(true);
  EXPECT_EQ(PixelDrawn(picture, 7, 7), RGB(0, 255, 0)) << "stretched over the whole rectangle";
  EXPECT_EQ(PixelDrawn(picture, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(PixelDrawn(picture, 0, 7), RGB(255, 0, 0));

  fw::TMemoryStream* saved = fw::Create<fw::TMemoryStream>();
  picture->SaveToStream(saved);
  EXPECT_EQ(saved->Size(), 70);
  saved->Free();
  picture->Free();
}

TEST(HtmlPicture, LoadingFailuresAndAssignment) {
  THTMLPicture* picture = fw::Create<THTMLPicture>();
  EXPECT_TRUE(picture->Empty());
  EXPECT_EQ(picture->Width(), 0);
  picture->LoadFromStream(nullptr);
  EXPECT_TRUE(picture->Empty());
  fw::TMemoryStream* junk = StreamOf({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
  try {
    picture->LoadFromStream(junk);
    ADD_FAILURE() << "junk decoded";
  } catch (const fw::Exception& e) {
    EXPECT_EQ(e.Message(), "Could not load image. Invalid format");
  }
  junk->Free();
  {
    fw::ServiceDouble noMemory(ImageMemoryAllocate, [](UINT, SIZE_T) -> HGLOBAL { return nullptr; });
    fw::TMemoryStream* bmp = StreamOf(TwoByTwoBmp());
    try {
      picture->LoadFromStream(bmp);
      ADD_FAILURE() << "decoded without memory";
    } catch (const fw::Exception& e) {
      EXPECT_EQ(e.Message(), "Could not allocate memory for image");
    }
    bmp->Free();
  }
  picture->LoadFromFile("C:\\no\\such\\picture.gif");
  EXPECT_TRUE(picture->Empty()) << "a failing file load is swallowed";

  THTMLPicture* source = PictureOf(ThreeFrameGif());
  source->SetFrame(2);
  source->SetID("RES://GIF");
  source->SetStretch(true);
  int changes = 0;
  picture->OnChange = [&changes](fw::TObject*) { ++changes; };
  picture->Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(picture->Empty());
  EXPECT_EQ(picture->Frame(), 2);
  EXPECT_EQ(picture->FrameLeft(), 1);
  EXPECT_EQ(picture->ID(), "RES://GIF");
  EXPECT_TRUE(picture->Stretch());
  EXPECT_EQ(picture->GetFrameCount(), 3);
  picture->Assign(nullptr);
  EXPECT_TRUE(picture->Empty());
  EXPECT_EQ(picture->Frame(), 1);
  EXPECT_EQ(picture->Width(), 0);

  // An empty picture copies as an empty picture (its ID with it), whatever the target held before.
  picture->Assign(source);
  THTMLPicture* empty = fw::Create<THTMLPicture>();
  empty->SetID("blank");
  EXPECT_NO_THROW(picture->Assign(empty));
  EXPECT_TRUE(picture->Empty());
  EXPECT_EQ(picture->ID(), "blank");
  EXPECT_EQ(picture->Width(), 0);
  empty->Free();
  source->Free();
  picture->Free();
}

TEST(HtmlPicture, URLPrefixesInAnyCase) {
  THTMLPicture* picture = fw::Create<THTMLPicture>();
  picture->LoadFromURL("res://TWOBYTWO");
  EXPECT_EQ(picture->ID(), "res://TWOBYTWO");
  EXPECT_FALSE(picture->Empty());
  EXPECT_EQ(picture->Width(), 2);
  picture->Free();

  picture = fw::Create<THTMLPicture>();
  picture->LoadFromURL("Res://");
  EXPECT_EQ(picture->ID(), "Res://");
  EXPECT_TRUE(picture->Empty());
  picture->LoadFromURL("RES://NOSUCHRESOURCE");
  EXPECT_TRUE(picture->Empty());

  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "trelvik_html_picture.bmp";
  const Bytes bmp = TwoByTwoBmp();
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(bmp.data(), 1, bmp.size(), file);
  std::fclose(file);
  picture->LoadFromURL("File://" + path);
  EXPECT_EQ(picture->ID(), "File://" + path);
  EXPECT_EQ(picture->Height(), 2);
  std::remove(path.c_str());
  picture->Free();

  picture = fw::Create<THTMLPicture>();
  picture->LoadFromURL("FILE://");
  EXPECT_TRUE(picture->Empty());
  picture->SetAsynchronous(false);
  picture->LoadFromURL("http://example.com/a.gif");
  EXPECT_EQ(picture->ID(), "http://example.com/a.gif");
  EXPECT_EQ(picture->DownloadURL(), "http://example.com/a.gif");
  EXPECT_TRUE(picture->Empty());
  picture->Free();

  picture = fw::Create<THTMLPicture>();
  EXPECT_TRUE(picture->Asynchronous());
  picture->LoadFromURL("http://example.com/first.gif");
  picture->LoadFromURL("http://example.com/second.gif");
  EXPECT_EQ(picture->DownloadURL(), "http://example.com/first.gif") << "later asynchronous loads are ignored";
  EXPECT_EQ(picture->ID(), "");
  EXPECT_TRUE(picture->Empty());
  picture->Free();
}

TEST(HtmlPictureLookup, CacheWithCaseContainerWithout) {
  THTMLPictureCache* cache = fw::Create<THTMLPictureCache>();
  THTMLPicture* first = cache->AddPicture();
  first->SetID("http://a/Pic.gif");
  THTMLPicture* second = cache->AddPicture();
  second->SetID("http://a/pic.gif");
  EXPECT_EQ(cache->Count(), 2);
  EXPECT_EQ(cache->Items(1), second);
  EXPECT_EQ(cache->FindPicture("http://a/pic.gif"), second);
  EXPECT_EQ(cache->FindPicture("http://a/Pic.gif"), first);
  EXPECT_EQ(cache->FindPicture("HTTP://A/PIC.GIF"), nullptr);
  cache->ClearPictures();
  EXPECT_EQ(cache->Count(), 0);
  cache->AddPicture();
  cache->Free();  // frees what it holds

  TPictureContainer* container = fw::Create<TPictureContainer>(nullptr);
  EXPECT_EQ(container->Version(), "1.0.0.0");
  container->SetVersion("2");
  EXPECT_EQ(container->Version(), "1.0.0.0");
  TPictureItem* item = container->Items()->Add();
  item->SetName("Logo");
  item->SetTag(7);
  THTMLPicture* bmp = PictureOf(TwoByTwoBmp());
  item->SetPicture(bmp);
  bmp->Free();
  EXPECT_EQ(container->FindPicture("LOGO"), item->Picture());
  EXPECT_EQ(container->FindPicture("logo"), item->Picture());
  EXPECT_EQ(container->FindPicture("other"), nullptr);
  EXPECT_EQ(item->Picture()->Width(), 2);

  TPictureContainer* copy = fw::Create<TPictureContainer>(nullptr);
  copy->SetItems(container->Items());
  ASSERT_EQ(copy->Items()->Count(), 1);
  EXPECT_EQ(copy->Items()->Items(0)->Name(), "Logo");
  EXPECT_EQ(copy->Items()->Items(0)->Tag(), 7);
  EXPECT_NE(copy->Items()->Items(0)->Picture(), item->Picture()) << "copied, not shared";
  EXPECT_EQ(copy->FindPicture("logo")->Height(), 2);
  copy->Free();
  container->Free();
}
