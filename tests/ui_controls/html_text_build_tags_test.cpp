// The tags only the Office or the GDI+ build of the text engine knows: list bullet shapes, the coloured
// rule, pictures from a GDI+ container, corner pictures, image-list and shell backgrounds and the
// paragraph gradient band. (The GDI+ build's link underline across blanks is not seen here: Wine's GDI+
// draws no underlines.)
#include <gtest/gtest.h>

#include <string>

#include "framework/streams/memory_stream.h"
#include "tests/support/square_image_list.h"
#include "tests/ui_controls/styled_test_support.h"
#include "tests/ui_foundation/test_images.h"
#include "ui/controls/html_text_gdip.h"
#include "ui/controls/html_text_office.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_picture_container.h"

namespace ui {
namespace {

constexpr fw::TColor kRed = 0x0000FF;
constexpr fw::TColor kGreen = 0x00FF00;
constexpr fw::TColor kBlue = 0xFF0000;

// A 200 x 60 white bitmap with a canvas and a GDI+ surface, an image list of a red and a green 16 x 16
// square, and a GDI+ picture container with a 6 x 4 blue picture named "dot".
class BuildTagsTest : public ::testing::Test {
 protected:
  BuildTagsTest()
      : bitmap_(200, 60),
        graphics_(bitmap_.DC()),
        list_(testsupport::MakeSquareImageList({kRed, kGreen})),
        pictures_(fw::Create<TGDIPPictureContainer>(nullptr)) {
    canvas_.SetHandle(bitmap_.DC());
    canvas_.Font()->SetName("DejaVu Sans");
    canvas_.Font()->SetSize(10);
    canvas_.Font()->SetColor(fw::clBlack);
    font_.Assign(canvas_.Font());
    gdip::TPictureItem* dot = pictures_->Items()->Add();
    dot->SetName("dot");
    const auto png = testing::MakePng(6, 4, [](int, int) { return 0xFF0000FFu; });
    fw::TMemoryStream stream;
    stream.WriteBuffer(png.data(), static_cast<std::int32_t>(png.size()));
    stream.SetPosition(0);
    dot->Picture()->LoadFromStream(&stream);
  }
  ~BuildTagsTest() override {
    canvas_.SetHandle(nullptr);
    list_->Free();
    pictures_->Free();
  }
  THTMLTextParams Params(const std::string& text) {
    THTMLTextParams p;
    p.Text = text;
    p.Bounds = fw::Rect(0, 0, 200, 60);
    p.ImageList = list_;
    return p;
  }
  void Office(const std::string& text) {
    THTMLTextParams p = Params(text);
    DrawHTMLTextOffice(&canvas_, p, 0);
  }
  void Gdip(const std::string& text) {
    THTMLTextParams p = Params(text);
    DrawHTMLTextGDIP(&graphics_, &font_, p, pictures_, 0);
  }
  int Count(const RECT& r, fw::TColor c) { return bitmap_.Count(r, c); }
  int Gh() { return canvas_.TextHeight("gh"); }

  testing::MemoryBitmap bitmap_;
  fw::TCanvas canvas_;
  TGPGraphics graphics_;
  fw::TFont font_;
  fw::TImageList* list_;
  TGDIPPictureContainer* pictures_;
};

TEST_F(BuildTagsTest, ListBulletShapesInTheirColourInBothBuilds) {
  for (bool gdip : {false, true}) {
    SCOPED_TRACE(gdip ? "GDI+" : "Office");
    for (const char* type : {"SQUARE", "CIRCLE"}) {
      SCOPED_TRACE(type);
      bitmap_.Fill(fw::clWhite);
      // One list level: the bullet stands 12 pixels in, 2 below the line top, 8 x 8.
      const std::string text = std::string("<UL><LI TYPE=\"") + type + "\" COLOR=\"#FF0000\">item</UL>";
      gdip ? Gdip(text) : Office(text);
      const int line = Gh();
      const int red = Count(RECT{0, 0, 200, 60}, kRed);
      EXPECT_GT(red, 20);
      EXPECT_EQ(Count(RECT{0, 0, 12, 60}, kRed), 0);
      EXPECT_EQ(red, Count(RECT{12, line, 22, line + 12}, kRed));
    }
  }
  // A picture bullet from the GDI+ container.
  bitmap_.Fill(fw::clWhite);
  Gdip("<UL><LI TYPE=\"IMAGE\" NAME=\"dot\">item</UL>");
  EXPECT_GT(Count(RECT{12, 0, 20, 30}, kBlue), 10);
}

TEST_F(BuildTagsTest, TheOfficeRuleTakesItsColour) {
  Office("x<HR COLOR=\"#FF0000\">");
  const int row = Gh() + 1;
  EXPECT_GT(Count(RECT{0, row, 200, row + 1}, kRed), 150);
  bitmap_.Fill(fw::clWhite);
  Office("x<HR>");
  EXPECT_EQ(Count(RECT{0, 0, 200, 60}, kRed), 0);
  EXPECT_GT(Count(RECT{0, row, 200, row + 1}, fw::clBlack), 150);
}

TEST_F(BuildTagsTest, OfficeBodyPicturesFromTheImageListAndInTheCorners) {
  Office("<BODY BACKGROUND=\"IDX:1\">");
  EXPECT_EQ(bitmap_.Pixel(1, 0), kGreen);
  EXPECT_EQ(bitmap_.Pixel(16, 15), kGreen);

  bitmap_.Fill(fw::clWhite);
  Office("<BR><BODY BGTOPLEFT=\"IDX:0\" BGTOPRIGHT=\"IDX:1\">");
  EXPECT_EQ(bitmap_.Pixel(0, 0), kRed);
  EXPECT_EQ(bitmap_.Pixel(15, 15), kRed);
  EXPECT_EQ(bitmap_.Pixel(184, 0), kGreen);
  EXPECT_EQ(bitmap_.Pixel(199, 15), kGreen);
  EXPECT_EQ(bitmap_.Pixel(183, 0), fw::clWhite);

  // A shell icon as background: drawn at the line's start, somewhere in the icon's square.
  bitmap_.Fill(fw::clWhite);
  Office("<BODY BACKGROUND=\"SSYS:0\">");
  const int icon = GetSystemMetrics(SM_CXSMICON);
  EXPECT_LT(Count(RECT{0, 0, icon + 2, icon + 1}, fw::clWhite), (icon + 2) * (icon + 1));
  EXPECT_EQ(Count(RECT{icon + 2, 0, 200, 60}, fw::clWhite), (200 - icon - 2) * 60);
}

TEST_F(BuildTagsTest, TheOfficeParagraphGradientIsABandOverItsLine) {
  Office("<P BGCOLOR=\"#000000\" BGCOLORTO=\"#FF0000\">x</P>");
  const int y = Gh() / 2;
  EXPECT_EQ(bitmap_.Pixel(0, y), 0x000000);
  EXPECT_GT(bitmap_.Pixel(190, y) & 0xFF, 0xE0);  // redder to the right
  EXPECT_EQ(bitmap_.Pixel(190, y) & 0xFFFF00, 0u);
  EXPECT_EQ(bitmap_.Pixel(100, Gh() + 4), fw::clWhite);  // only the paragraph's line
}

}  // namespace
}  // namespace ui
