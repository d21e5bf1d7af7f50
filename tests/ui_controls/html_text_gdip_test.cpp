// The GDI+ build of the HTML text engine: its own rules next to the canvas build.
#include "ui/controls/html_text_gdip.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui_controls/styled_test_support.h"
#include "ui/foundation/gdip_graphics.h"

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

}  // namespace
}  // namespace ui
