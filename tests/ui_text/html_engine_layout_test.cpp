// What the string grid leans on when it draws, hovers and hit-tests its cells with the text engine: links
// that wrap, hover colours, picture alignment and scaling, right-to-left text and hit-test-only calls.
#include <gtest/gtest.h>

#include <string>

#include "framework/rtl/syslocale.h"
#include "tests/ui_text/html_engine_fixture.h"

using namespace ui;
using namespace html_engine_test;

namespace {

// Suites of their own: gtest under MinGW tells a fixture used from two files apart.
class HtmlLayoutTest : public HtmlEngineTest {};
class HtmlPictureLayoutTest : public HtmlPictureTest {};

// A column of the bitmap: how many of the rows [top, bottom) are black (the dotted focus frame inverts
// white to black).
int BlackIn(const MemoryBitmap& bitmap, int x, int top, int bottom) {
  int black = 0;
  for (int y = top; y < bottom; ++y) black += bitmap.Pixel(x, y) == fw::clBlack ? 1 : 0;
  return black;
}

TEST_F(HtmlLayoutTest, ALinkThatWrapsIsHitAndFramedOnBothLines) {
  const int gh = GhHeight();
  // Room for "go one two " but not for "three": the link wraps after "two".
  const int width = 1 + WidthIn("go one two ") + WidthIn("thr");
  const std::string text = "go <A HREF=\"w\">one two three</A> end";
  const fw::TRect bounds = fw::Rect(0, 0, width, 200);

  THTMLTextParams second = Params(text, bounds);
  second.HitTestOnly = true;
  second.HitX = 1 + 3;
  second.HitY = gh + gh / 2;
  EXPECT_TRUE(Draw(second));
  EXPECT_EQ(second.HitLink, "w");
  EXPECT_EQ(second.HitLinkIndex, 1);
  // The part on the second line: from the line's left edge and top to the link's end.
  EXPECT_EQ(second.HitLinkRect, fw::Rect(1, gh, 1 + WidthIn("three"), 2 * gh));

  THTMLTextParams first = Params(text, bounds);
  first.HitTestOnly = true;
  first.HitX = 1 + WidthIn("go o");
  first.HitY = gh / 2;
  EXPECT_TRUE(Draw(first));
  EXPECT_EQ(first.HitLink, "w");

  // Focused, it is framed on the first line from its start to the end of the line, and on the second line
  // from the line's start.
  THTMLTextParams focused = Params(text, bounds);
  focused.FocusLink = 0;
  Draw(focused);
  EXPECT_EQ(focused.FocusLinkRef, "w");
  const int linkStart = 1 + WidthIn("go ");
  EXPECT_GT(BlackIn(bitmap_, linkStart - 1, 0, gh), 2);
  EXPECT_GT(BlackIn(bitmap_, 1, gh, 2 * gh), 2);
  EXPECT_EQ(BlackIn(bitmap_, linkStart - 1, gh + 2, 2 * gh - 2), 0);
}

TEST_F(HtmlLayoutTest, TheHoveredLinkTakesTheHoverColours) {
  const int gh = GhHeight();
  const std::string text = "<A HREF=\"a\">WWW</A> <A HREF=\"b\">WWW</A>";
  const RECT firstLink{0, 0, 1 + WidthIn("WWW"), gh};
  const RECT secondLink{1 + WidthIn("WWW "), 0, 1 + WidthIn("WWW WWW"), gh};
  struct Case {
    bool hoverOnly;
    int hoverLink;
    bool firstGreen, secondGreen;
  };
  // Without hover-only every link is drawn in the link style, the hover background included.
  const Case cases[] = {{false, 0, true, true}, {true, 2, false, true}, {true, 1, true, false}, {true, 0, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hoverLink);
    bitmap_.Fill(fw::clWhite);
    THTMLTextParams p = Params(text);
    p.HoverOnly = c.hoverOnly;
    p.HoverLink = c.hoverLink;
    p.HoverBackColor = kGreen;
    Draw(p);
    EXPECT_EQ(Count(firstLink, kGreen) > 0, c.firstGreen);
    EXPECT_EQ(Count(secondLink, kGreen) > 0, c.secondGreen);
    EXPECT_EQ(Count(RECT{firstLink.right + 1, 0, secondLink.left - 1, gh}, kGreen), 0);  // the blank between
  }
}

TEST_F(HtmlPictureLayoutTest, PictureAlignmentMovesTheTextAndScalingTheImageListPicture) {
  const int gh = GhHeight();
  ASSERT_LT(gh, 32) << "the fixture font must be lower than the picture";
  const auto inkRows = [&](int left) {
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < 200; ++y) {
      for (int x = left; x < 320; ++x) {
        if (bitmap_.Pixel(x, y) == fw::clBlack) {
          if (top < 0) top = y;
          bottom = y;
          break;
        }
      }
    }
    return std::make_pair(top, bottom);
  };
  struct Case {
    const char* align;
    int lineHeight;  // the picture is 32 high
    int textBottom;  // the text's bottom edge in the 32-pixel line
  };
  const Case cases[] = {{"", 32, 32}, {" ALIGN=\"TOP\"", 32, gh}, {" ALIGN=\"MIDDLE\"", 32, 32 - (32 - gh) / 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.align);
    bitmap_.Fill(fw::clWhite);
    THTMLTextParams p = WithSources(std::string("<IMG SRC=\"quad\" WIDTH=\"32\" HEIGHT=\"32\"") + c.align + ">WWW");
    Draw(p);
    EXPECT_EQ(p.TextHeight, c.lineHeight);
    const auto [top, bottom] = inkRows(40);
    EXPECT_GE(top, c.textBottom - gh);
    EXPECT_LT(bottom, c.textBottom);
    EXPECT_GT(bottom, c.textBottom - gh / 2);
  }

  // Scaled image-list pictures are stretched by the scale; the layout keeps the list's size.
  bitmap_.Fill(fw::clWhite);
  THTMLTextParams scaled = WithSources("<IMG SRC=\"IDX:1\">");
  scaled.ScalePictures = true;
  scaled.PictureScale = 1.5;
  Draw(scaled);
  EXPECT_EQ(bitmap_.Pixel(1 + 23, 23), kGreen);
  EXPECT_EQ(bitmap_.Pixel(1 + 24, 24), fw::clWhite);
  EXPECT_EQ(scaled.TextWidth, 16);
}

TEST_F(HtmlLayoutTest, RightToLeftTextStartsAtTheRightEdgeOnAMiddleEastSystem) {
  const bool wasMiddleEast = fw::SysLocale.MiddleEast;
  fw::SysLocale.MiddleEast = true;
  THTMLTextParams p = Params("WW <B>MM</B>", fw::Rect(0, 0, 200, 100));
  p.BiDiMode = 1;
  Draw(p);
  fw::SysLocale.MiddleEast = wasMiddleEast;
  const int gh = GhHeight();
  // The first run ends at the right edge, the next run ends where the first began.
  EXPECT_EQ(Count(RECT{0, 0, 200 - WidthIn("WW MM") - WidthIn("M", [](fw::TFont* f) {
                                        f->SetStyle(fw::TFontStyles{}.Include(fw::fsBold));
                                      }),
                       gh},
                  fw::clBlack),
            0);
  EXPECT_GT(Count(RECT{200 - WidthIn("WW "), 0, 200, gh}, fw::clBlack), 0);
  const int boldWidth = WidthIn("MM", [](fw::TFont* f) { f->SetStyle(fw::TFontStyles{}.Include(fw::fsBold)); });
  EXPECT_GT(Count(RECT{200 - WidthIn("WW ") - boldWidth, 0, 200 - WidthIn("WW "), gh}, fw::clBlack), 0);

  // Without the Middle-East system the same call reads left to right.
  bitmap_.Fill(fw::clWhite);
  THTMLTextParams plain = Params("WW <B>MM</B>", fw::Rect(0, 0, 200, 100));
  plain.BiDiMode = 1;
  Draw(plain);
  EXPECT_GT(Count(RECT{0, 0, WidthIn("WW"), gh}, fw::clBlack), 0);
  EXPECT_EQ(Count(RECT{120, 0, 200, gh}, fw::clBlack), 0);
}

TEST_F(HtmlLayoutTest, HitTestOnlyCallsReportWithoutDrawing) {
  const int gh = GhHeight();
  const std::string text = "<P ALIGN=\"RIGHT\">x <A HREF=\"r\" TITLE=\"t\">go</A></P><BR><A HREF=\"s\">there</A>";
  struct Case {
    int x, y;
    bool hit;
    const char* link;
    const char* title;
    int index;
  };
  const int goLeft = 320 - WidthIn("x go");
  const Case cases[] = {
      {goLeft + WidthIn("x ") + 1, gh / 2, true, "r", "t", 1},  // the right-aligned link
      {1 + WidthIn("x "), gh / 2, false, "", "", -1},  // where the link would stand without the alignment
      {1 + 2, 2 * gh + gh / 2, false, "", "", -1},  // the last line stays right-aligned too
      {310, 2 * gh + gh / 2, true, "s", "", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    THTMLTextParams p = Params(text);
    p.HitTestOnly = true;
    p.HitX = c.x;
    p.HitY = c.y;
    EXPECT_EQ(Draw(p), c.hit);
    EXPECT_EQ(p.HitLink, c.link);
    EXPECT_EQ(p.HitTitle, c.title);
    EXPECT_EQ(p.HitLinkIndex, c.index);
  }
  EXPECT_EQ(Count(RECT{0, 0, 320, 200}, fw::clWhite), 320 * 200);
}

}  // namespace
