// The GDI+ build of the HTML text engine: its own rules next to the canvas build.
#include "ui/controls/html_text_gdip.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui_controls/styled_test_support.h"
#include "framework/streams/memory_stream.h"
#include "tests/ui_foundation/test_images.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_picture_container.h"
#include "ui/foundation/html_picture.h"

namespace ui {
namespace {

class HtmlTextGdipTest : public ::testing::Test {
 protected:
  HtmlTextGdipTest() : bitmap_(300, 200), graphics_(bitmap_.DC()) {
    font_.SetName("DejaVu Sans");
    font_.SetSize(10);
    font_.SetColor(fw::clBlack);
  }

  THTMLTextParams Params(const std::string& text) {
    THTMLTextParams p;
    p.Text = text;
    p.Bounds = fw::Rect(0, 0, 300, 200);
    return p;
  }
  THTMLTextParams Measure(const std::string& text, int spacing = 0) {
    THTMLTextParams p = Params(text);
    p.MeasureOnly = true;
    DrawHTMLTextGDIP(&graphics_, &font_, p, nullptr, spacing);
    return p;
  }
  // A run's width as the GDI+ wrapper measures it.
  int RunWidth(const std::string& text) {
    fw::TRect r = fw::Rect(0, 0, 300, 200);
    graphics_.DrawText(text, -1, r, &font_, DT_CALCRECT, fw::clNone);
    return r.Width();
  }

  testing::MemoryBitmap bitmap_;
  TGPGraphics graphics_;
  fw::TFont font_;
};

TEST_F(HtmlTextGdipTest, MeasuredSizesCarryTwoExtraPixels) {
  const THTMLTextParams p = Measure("Hello");
  EXPECT_EQ(p.TextWidth, RunWidth("Hello") + 2);
  EXPECT_EQ(p.TextHeight, graphics_.TextHeight("gh", &font_) + 2);
  // A run that is one blank measures nothing.
  EXPECT_EQ(Measure("<B> </B>").TextWidth, 2);
}

TEST_F(HtmlTextGdipTest, AnAmpersandBetweenLettersIsAPrefixUnlessTheTextHasOneStandingAlone) {
  EXPECT_EQ(Measure("a&b").TextWidth, Measure("ab").TextWidth);
  // With " & " somewhere in the text every ampersand is shown.
  EXPECT_GT(Measure("x&y & z").TextWidth, Measure("xy & z").TextWidth);
}

TEST_F(HtmlTextGdipTest, LineSpacingIsAddedBetweenLinesOnly) {
  const std::string text = "one<BR>two<BR>three";
  const int plain = Measure(text, 0).TextHeight;
  EXPECT_EQ(Measure(text, 2).TextHeight, plain + 4);
  EXPECT_EQ(plain, 3 * graphics_.TextHeight("gh", &font_) + 2);
  EXPECT_EQ(Measure("one", 2).TextHeight, Measure("one", 0).TextHeight);
}

TEST_F(HtmlTextGdipTest, ALinkIsNamedByItsFirstQuotedValue) {
  THTMLTextParams p = Params("go <A \"clred\">there</A> <A HREF=\"x\" TITLE=\"t\">x</A>");
  p.HitTestOnly = true;
  p.HitX = 1 + RunWidth("go ") + 4;
  p.HitY = 4;
  EXPECT_TRUE(DrawHTMLTextGDIP(&graphics_, &font_, p, nullptr, 0));
  EXPECT_EQ(p.HitLink, "clred");
  EXPECT_EQ(p.HitLinkIndex, 1);
  EXPECT_EQ(p.HitTitle, "");

  THTMLTextParams second = Params("go <A \"clred\">there</A> <A HREF=\"x\" TITLE=\"t\">x</A>");
  second.MeasureOnly = true;
  DrawHTMLTextGDIP(&graphics_, &font_, second, nullptr, 0);
  EXPECT_EQ(second.LinkCount, 2);
}

TEST_F(HtmlTextGdipTest, TextIsDrawnInTheFontColourOnTheBodyColour) {
  THTMLTextParams p = Params("<BODY BGCOLOR=\"#00FF00\">WWW <FONT COLOR=\"#FF0000\">WWW</FONT>");
  DrawHTMLTextGDIP(&graphics_, &font_, p, nullptr, 0);
  const int h = graphics_.TextHeight("gh", &font_);
  EXPECT_GT(bitmap_.Count(RECT{0, 0, 300, h + 2}, 0x00FF00), 0);
  EXPECT_GT(bitmap_.Count(RECT{RunWidth("WWW "), 0, 300, h + 2}, 0x0000FF), 0);
  EXPECT_EQ(bitmap_.Count(RECT{0, h + 4, 300, 200}, 0x00FF00), 0);
}


TEST_F(HtmlTextGdipTest, HitTestsAfterTheOffsetTagUseTheShiftedPosition) {
  const std::string text = "ab<OF X=\"120\"><A HREF=\"far\">link</A><BR><A HREF=\"next\">line</A>";
  const int h = graphics_.TextHeight("gh", &font_);
  struct Case {
    int x, y;
    const char* link;
  };
  const Case cases[] = {
      {124, h / 2, "far"},  // right of the offset, on the link
      {1 + RunWidth("ab") + 2, h / 2, ""},  // where the link would be without the offset
      {124, h + h / 2, "next"},  // the next line starts at the offset too
      {4, h + h / 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    SCOPED_TRACE(c.y);
    THTMLTextParams p = Params(text);
    p.HitTestOnly = true;
    p.HitX = c.x;
    p.HitY = c.y;
    EXPECT_EQ(DrawHTMLTextGDIP(&graphics_, &font_, p, nullptr, 0), *c.link != '\0');
    EXPECT_EQ(p.HitLink, c.link);
  }
}

// The GDI+ build's pictures come from a GDI+ picture container; the HTML picture container (a class of its
// own with items of the same names in another namespace) sits in the same program.
TEST_F(HtmlTextGdipTest, ContainerPicturesAreDrawnAtTheirOwnOrTheGivenSize) {
  TGDIPPictureContainer* pictures = fw::Create<TGDIPPictureContainer>(nullptr);
  TPictureContainer* htmlPictures = fw::Create<TPictureContainer>(nullptr);
  gdip::TPictureItem* item = pictures->Items()->Add();
  item->SetName("Dot");
  const auto png = testing::MakePng(6, 4, [](int, int) { return 0xFF0000FFu; });  // opaque blue
  fw::TMemoryStream stream;
  stream.WriteBuffer(png.data(), static_cast<std::int32_t>(png.size()));
  stream.SetPosition(0);
  item->Picture()->LoadFromStream(&stream);
  TPictureItem* htmlItem = htmlPictures->Items()->Add();
  htmlItem->SetName("Dot");
  EXPECT_EQ(htmlPictures->FindPicture("dot"), htmlItem->Picture());
  EXPECT_EQ(pictures->FindPicture("dot"), item->Picture());

  struct Case {
    const char* markup;
    int width;
  };
  const Case cases[] = {
      {"<IMG SRC=\"dot\">x", 6 + RunWidth("x")},
      {"<IMG SRC=\"dot\" WIDTH=\"20\" HEIGHT=\"10\">x", 20 + RunWidth("x")},
      {"<IMG SRC=\"dot\" WIDTH=\"20\">x", 6 + RunWidth("x")},  // both sizes or the picture's own
      {"<IMG SRC=\"nothing\">x", RunWidth("x")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.markup);
    THTMLTextParams m = Params(c.markup);
    m.MeasureOnly = true;
    DrawHTMLTextGDIP(&graphics_, &font_, m, pictures, 0);
    EXPECT_EQ(m.TextWidth, c.width + 2);
  }
  THTMLTextParams p = Params("<IMG SRC=\"dot\" WIDTH=\"20\" HEIGHT=\"10\">");
  DrawHTMLTextGDIP(&graphics_, &font_, p, pictures, 0);
  // Stretched to 20 x 10 from the line's start (the edges blend with the white around).
  EXPECT_EQ(bitmap_.Count(RECT{4, 3, 18, 7}, 0xFF0000), 14 * 4);
  EXPECT_EQ(bitmap_.Count(RECT{23, 0, 60, 20}, 0xFF0000), 0);
  EXPECT_EQ(bitmap_.Count(RECT{0, 12, 60, 30}, 0xFF0000), 0);
  htmlPictures->Free();
  pictures->Free();
}

}  // namespace
}  // namespace ui
