#include "ui/foundation/html_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/streams/memory_stream.h"
#include "sim/control/object_counts.h"
#include "tests/ui_text/html_engine_fixture.h"
#include "ui/foundation/html_controls.h"
#include "ui/foundation/html_text_routines.h"
#include "ui/foundation/theme_library.h"

using namespace ui;
using namespace html_engine_test;

namespace {


TEST_F(HtmlEngineTest, TagsSetTheFontOfTheTextThatFollows) {
  struct Case {
    const char* markup;
    const char* text;
    std::function<void(fw::TFont*)> font;
  };
  const auto style = [](fw::TFontStyle s) {
    return [s](fw::TFont* f) { f->SetStyle(fw::TFontStyles{}.Include(s)); };
  };
  const auto size = [](int points) { return [points](fw::TFont* f) { f->SetSize(points); }; };
  const Case cases[] = {
      {"<B>Wide text</B>", "Wide text", style(fw::fsBold)},
      {"<BX>Wide text", "Wide text", nullptr},  // B and another letter: no known tag
      {"<I>Wide text</I>", "Wide text", style(fw::fsItalic)},
      {"<FONT SIZE=\"5\">Wide text</FONT>", "Wide text", size(16)},
      {"<FONT SIZE=\"2\">Wide text</FONT>", "Wide text", size(10)},
      {"<FONT SIZE=\"22\">Wide text</FONT>", "Wide text", size(22)},
      {"<FACE-IS-IGNORED SIZE=\"4\">Wide text", "Wide text", size(14)},  // the leading F decides
      {"<B>W</B>ide text", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.markup);
    const THTMLTextParams p = Measure(c.markup);
    if (c.text) {
      EXPECT_EQ(p.TextWidth, WidthIn(c.text, c.font));
    } else {
      EXPECT_EQ(p.TextWidth, WidthIn("W", style(fw::fsBold)) + WidthIn("ide text"));
    }
  }
}

TEST_F(HtmlEngineTest, FontStateDoesNotNestAndClosingTagsReturnToTheBaseFont) {
  const THTMLTextParams nested = Measure("<FONT SIZE=\"5\"><FONT SIZE=\"4\">ab</FONT>cd</FONT>");
  EXPECT_EQ(nested.TextWidth, WidthIn("ab", [](fw::TFont* f) { f->SetSize(14); }) + WidthIn("cd"));
  EXPECT_EQ(nested.PlainText, "abcd");
}

TEST_F(HtmlEngineTest, EntitiesAndFieldMarkers) {
  struct Case {
    const char* markup;
    const char* plain;
    const char* shown;  // what the width is measured of ("&&" shows one ampersand)
  };
  const Case cases[] = {
      {"a&amp;b", "a&&b", "a&b"},
      {"&lt;B&gt;x", "<B>x", "<B>x"},  // the brackets are text, nothing turns bold
      {"x&nbsp;y", "x y", "x y"},
      {"&COPY; &euro;", "\xA9 \x80", "\xA9 \x80"},
      {"<#Field>", "#Field", "#Field"},
      {"1&quot;2", "1\"2", "1\"2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.markup);
    const THTMLTextParams p = Measure(c.markup);
    EXPECT_EQ(p.PlainText, c.plain);
    EXPECT_EQ(p.TextWidth, WidthIn(c.shown));
  }
}

TEST_F(HtmlEngineTest, WordWrapMovesWordsToTheNextLine) {
  const int gh = GhHeight();
  const int two = WidthIn("alpha beta");
  // Room for "alpha beta" but not for "alpha beta gamma": gamma opens the second line.
  THTMLTextParams p = Measure("alpha beta gamma", fw::Rect(0, 0, two + 6, 200));
  EXPECT_EQ(p.TextHeight, 2 * gh);
  EXPECT_EQ(p.TextWidth, two);  // the trailing blank is not counted
  EXPECT_EQ(p.PlainText, "alpha beta gamma");  // every run once, in text order

  // A word wider than the line stays on its own line; the next word starts a new line.
  p = Measure("extraordinarily ok", fw::Rect(0, 0, WidthIn("extra"), 200));
  EXPECT_EQ(p.TextHeight, 2 * gh);
  EXPECT_EQ(p.TextWidth, WidthIn("extraordinarily"));

  // A word continued after a tag is not split from its start, even when it passes the edge.
  p = Measure("ab cd<B>ef</B>", fw::Rect(0, 0, WidthIn("ab cd") + 2, 200));
  EXPECT_EQ(p.TextHeight, gh);
  EXPECT_EQ(p.TextWidth,
            WidthIn("ab cd") + WidthIn("ef", [](fw::TFont* f) { f->SetStyle(fw::TFontStyles{}.Include(fw::fsBold)); }));
}

TEST_F(HtmlEngineTest, WithoutWordWrapTheTextEndsWithTheFirstRunThatDoesNotFit) {
  const int width = WidthIn("short and a tail") - 4;
  THTMLTextParams p = Params("short <B>and a tail</B><BR>next line", fw::Rect(0, 0, width, 200));
  p.WordWrap = false;
  Draw(p);
  EXPECT_EQ(p.TextHeight, GhHeight());
  EXPECT_EQ(p.PlainText, "short and a tail");
  // The run that passes the edge is cut with an ellipsis inside the rectangle.
  EXPECT_EQ(Count(RECT{width + 1, 0, 320, 200}, fw::clBlack), 0);
  EXPECT_EQ(Count(RECT{0, GhHeight(), 320, 200}, fw::clBlack), 0);
  EXPECT_GT(Count(RECT{0, 0, width, GhHeight()}, fw::clBlack), 0);
}

TEST_F(HtmlEngineTest, MeasuringDrawsNothingAndAnEmptyTextIsOneLineHigh) {
  THTMLTextParams p = Params("<B>Bold</B> and <FONT COLOR=\"clred\">red</FONT>");
  p.MeasureOnly = true;
  EXPECT_FALSE(Draw(p));
  EXPECT_EQ(Count(RECT{0, 0, 320, 200}, fw::clWhite), 320 * 200);
  EXPECT_EQ(p.TextWidth, WidthIn("Bold", [](fw::TFont* f) { f->SetStyle(fw::TFontStyles{}.Include(fw::fsBold)); }) +
                             WidthIn(" and red"));

  THTMLTextParams empty = Params("");
  EXPECT_FALSE(Draw(empty));
  EXPECT_EQ(empty.TextHeight, GhHeight());
  EXPECT_EQ(empty.TextWidth, 0);
}

TEST_F(HtmlEngineTest, LineBreaksAndListsMakeLines) {
  const int gh = GhHeight();
  EXPECT_EQ(Measure("one<BR>two\r\nthree").TextHeight, 3 * gh);
  EXPECT_EQ(Measure("one<BR>two").PlainText, "one\rtwo");
  EXPECT_EQ(Measure("a<HR>b").TextHeight, 2 * gh);
  // A list opens a line, each item of a level is indented by 12 pixels per level.
  const THTMLTextParams list = Measure("<UL><LI>x<LI>y</UL>");
  EXPECT_EQ(list.TextHeight, 3 * gh);
  EXPECT_EQ(list.TextWidth, 12 + WidthIn("x"));
  EXPECT_EQ(Measure("<UL><UL><LI>x</UL></UL>").TextWidth, 24 + WidthIn("x"));
}

TEST_F(HtmlEngineTest, ParagraphAlignmentHoldsForTheFollowingLines) {
  const int gh = GhHeight();
  THTMLTextParams p = Params("left<BR><P ALIGN=\"CENTER\">mid</P>again<BR><P ALIGN=\"RIGHT\">end");
  Draw(p);
  const int inner = 319;  // lines start one pixel inside the left edge
  EXPECT_NEAR(FirstInkColumn(0, gh), 1, 2);
  EXPECT_NEAR(FirstInkColumn(gh, 2 * gh), 1 + (inner - WidthIn("mid")) / 2, 2);
  EXPECT_NEAR(FirstInkColumn(2 * gh, 3 * gh), 1 + (inner - WidthIn("again")) / 2, 2);
  EXPECT_NEAR(FirstInkColumn(3 * gh, 4 * gh), 320 - WidthIn("end"), 2);
}

TEST_F(HtmlEngineTest, ColoursOfFontParagraphAndBody) {
  const int gh = GhHeight();
  THTMLTextParams p = Params("<P BGCOLOR=\"#00FF00\">x</P>plain");
  Draw(p);
  // The paragraph band covers the whole width of its line; the next line keeps the white.
  EXPECT_EQ(Count(RECT{200, 0, 320, gh}, kGreen), 120 * gh);
  EXPECT_EQ(Count(RECT{200, gh, 320, 2 * gh}, kGreen), 0);

  bitmap_.Fill(fw::clWhite);
  p = Params("<BODY BGCOLOR=\"clBlue\">x", fw::Rect(10, 10, 110, 60));
  Draw(p);
  EXPECT_EQ(bitmap_.Pixel(100, 55), kBlue);
  EXPECT_EQ(bitmap_.Pixel(9, 9), fw::clWhite);

  // FONT BGCOLOR paints the text opaque on that colour; KeepColors ignores it.
  bitmap_.Fill(fw::clWhite);
  p = Params("<FONT BGCOLOR=\"#0000FF\">WWW</FONT>");
  Draw(p);
  EXPECT_GT(Count(RECT{0, 0, 40, gh}, kBlue), 0);
  bitmap_.Fill(fw::clWhite);
  p.KeepColors = true;
  Draw(p);
  EXPECT_EQ(Count(RECT{0, 0, 40, gh}, kBlue), 0);

  bitmap_.Fill(fw::clWhite);
  p = Params("<FONT COLOR=\"clRed\">WWW</FONT>WWW");
  Draw(p);
  const int w = WidthIn("WWW");
  EXPECT_GT(Count(RECT{0, 0, w, gh}, kRed), 0);
  EXPECT_EQ(Count(RECT{w + 1, 0, 2 * w + 2, gh}, kRed), 0);  // back to the base colour
}

TEST_F(HtmlEngineTest, HighlightShadowAndErrorMarkingPaint) {
  const int gh = GhHeight();
  SetHighlightColors(kGreen, fw::clBlack);
  THTMLTextParams p = Params("<HI>WW</HI>");
  Draw(p);
  EXPECT_GT(Count(RECT{0, 0, 40, gh}, kGreen), 0);
  SetHighlightColors(fw::clHighlight, fw::clHighlightText);

  bitmap_.Fill(fw::clWhite);
  p = Params("<SHAD>WW</SHAD>");
  p.ShadowColor = kRed;
  p.ShadowOffset = 2;
  Draw(p);
  EXPECT_GT(Count(RECT{0, 0, 40, gh + 2}, kRed), 0);

  bitmap_.Fill(fw::clWhite);
  p = Params("<E>WWW</E>");
  Draw(p);
  // The zigzag runs one pixel above and below the text bottom.
  EXPECT_GT(Count(RECT{0, gh - 1, 30, gh + 2}, kRed), 4);
}

TEST_F(HtmlEngineTest, LinksAreNumberedAndHitTested) {
  const std::string text = "go <A HREF=\"first\" TITLE=\"One\">here</A> or <A HREF=\"Second\">there</A>";
  THTMLTextParams m = Measure(text);
  EXPECT_EQ(m.LinkCount, 2);

  const int gh = GhHeight();
  const int start = 1 + WidthIn("go here or ");
  THTMLTextParams hit = Params(text);
  hit.HitTestOnly = true;
  hit.HitX = start + 3;
  hit.HitY = gh / 2;
  EXPECT_TRUE(Draw(hit));
  EXPECT_EQ(hit.HitLink, "Second");
  EXPECT_EQ(hit.HitLinkIndex, 2);
  EXPECT_EQ(hit.HitLinkRect, fw::Rect(start, 0, start + WidthIn("there"), gh));
  EXPECT_EQ(Count(RECT{0, 0, 320, 200}, fw::clWhite), 320 * 200);  // hit-testing draws nothing

  THTMLTextParams first = Params(text);
  first.HitTestOnly = true;
  first.HitX = 1 + WidthIn("go ") + 2;
  first.HitY = gh / 2;
  EXPECT_TRUE(Draw(first));
  EXPECT_EQ(first.HitLink, "first");
  EXPECT_EQ(first.HitTitle, "One");
  EXPECT_EQ(first.HitLinkIndex, 1);

  THTMLTextParams miss = Params(text);
  miss.HitTestOnly = true;
  miss.HitX = 2;
  miss.HitY = gh / 2;
  miss.HitLinkRect = fw::Rect(7, 7, 7, 7);
  EXPECT_FALSE(Draw(miss));
  EXPECT_EQ(miss.HitLinkIndex, -1);
  EXPECT_EQ(miss.HitLinkRect, fw::Rect(7, 7, 7, 7));
}

TEST_F(HtmlEngineTest, LinksTakeTheLinkColourAndTheFocusLinkIsFramed) {
  const int gh = GhHeight();
  THTMLTextParams p = Params("<A HREF=\"a\">WWW</A> <A HREF=\"b\">WWW</A>");
  p.LinkColor = kRed;
  p.FocusLink = 1;  // 0-based: the second link
  Draw(p);
  EXPECT_EQ(p.FocusLinkRef, "b");
  EXPECT_GT(Count(RECT{0, 0, WidthIn("WWW"), gh}, kRed), 0);
  // The focus frame is dotted (inverted) one pixel outside the second link's text.
  const int left = 1 + WidthIn("WWW ") - 1;
  int framed = 0;
  for (int y = 0; y < gh; ++y) framed += bitmap_.Pixel(left, y) == fw::clBlack ? 1 : 0;
  EXPECT_GT(framed, 2);

  // Hover-only: only the hovered link is coloured with the hover text colour.
  bitmap_.Fill(fw::clWhite);
  p = Params("<A HREF=\"a\">WWW</A> <A HREF=\"b\">WWW</A>");
  p.HoverOnly = true;
  p.HoverLink = 2;
  p.HoverTextColor = kGreen;
  p.LinkColor = kRed;
  Draw(p);
  EXPECT_EQ(Count(RECT{0, 0, WidthIn("WWW"), gh + 2}, kGreen), 0);
  EXPECT_GT(Count(RECT{WidthIn("WWW "), 0, 320, gh + 2}, kGreen), 0);
}

TEST_F(HtmlEngineTest, DrawingStopsAtTheFirstLineThatDoesNotFitMeasuringDoesNot) {
  const int gh = GhHeight();
  const std::string text = "one<BR>two<BR>three<BR>four";
  THTMLTextParams p = Params(text, fw::Rect(0, 0, 320, 2 * gh + 1));
  Draw(p);
  EXPECT_EQ(p.TextHeight, 2 * gh);
  EXPECT_EQ(Measure(text, fw::Rect(0, 0, 320, 2 * gh + 1)).TextHeight, 4 * gh);
}

TEST_F(HtmlEngineTest, SubscriptAndSuperscriptExtendTheLine) {
  const int gh = GhHeight();
  const int quarter = canvas_.TextHeight("2") / 4;
  EXPECT_EQ(Measure("H<SUB>2</SUB>O").TextHeight, gh + quarter);
  EXPECT_EQ(Measure("x<SUP>2</SUP>").TextHeight, gh + quarter);
  EXPECT_EQ(Measure("a<Z>hidden</Z>b").PlainText, "ahiddenb");
  EXPECT_EQ(Measure("a<Z>hidden</Z>b").TextWidth, WidthIn("ab"));
}


TEST_F(HtmlPictureTest, ImageListPicturesAreDrawnAndTakeTheirSpace) {
  THTMLTextParams p = WithSources("<IMG SRC=\"IDX:1\">x");
  Draw(p);
  EXPECT_EQ(bitmap_.Pixel(1, 0), kGreen);
  EXPECT_EQ(bitmap_.Pixel(16, 15), kGreen);
  EXPECT_EQ(bitmap_.Pixel(17, 0), fw::clWhite);
  EXPECT_EQ(p.TextWidth, 16 + WidthIn("x"));
  EXPECT_EQ(p.TextHeight, std::max(16, GhHeight()));

  // An index equal to the count draws nothing and takes no space; so does a missing list.
  THTMLTextParams beyond = WithSources("<IMG SRC=\"IDX:2\">x");
  beyond.MeasureOnly = true;
  Draw(beyond);
  EXPECT_EQ(beyond.TextWidth, WidthIn("x"));
  THTMLTextParams none = Params("<IMG SRC=\"IDX:0\">x");
  none.MeasureOnly = true;
  Draw(none);
  EXPECT_EQ(none.TextWidth, WidthIn("x"));
}

TEST_F(HtmlPictureTest, PicturesThatDoNotFitMoveToTheNextLine) {
  const int gh = std::max(16, GhHeight());
  // Room for two squares: the third moves down.
  THTMLTextParams p = WithSources("<IMG SRC=\"IDX:0\"><IMG SRC=\"IDX:0\"><IMG SRC=\"IDX:1\">", fw::Rect(0, 0, 40, 200));
  Draw(p);
  EXPECT_EQ(p.TextHeight, 2 * gh);
  EXPECT_EQ(bitmap_.Pixel(1, gh), kGreen);
  // A picture wider than the whole line stays on its line.
  THTMLTextParams wide = WithSources("<IMG SRC=\"IDX:0\">", fw::Rect(0, 0, 10, 200));
  wide.MeasureOnly = true;
  Draw(wide);
  EXPECT_EQ(wide.TextHeight, gh);
}

TEST_F(HtmlPictureTest, ContainerAndCachePicturesAreSizedAndFitted) {
  THTMLTextParams p = WithSources("<IMG SRC=\"quad\" WIDTH=\"8\" HEIGHT=\"8\"><IMG SRC=\"RES://TWOBYTWO\">");
  Draw(p);
  // Stretched to 8 x 8: four 4 x 4 quadrants.
  EXPECT_EQ(bitmap_.Pixel(1 + 1, 1), kBlue);
  EXPECT_EQ(bitmap_.Pixel(1 + 6, 1), fw::clWhite);
  EXPECT_EQ(bitmap_.Pixel(1 + 1, 6), kRed);
  EXPECT_EQ(bitmap_.Pixel(1 + 6, 6), kGreen);
  // The URL picture at its own size after the first; it stays in the cache.
  EXPECT_EQ(bitmap_.Pixel(9, 0), kBlue);
  EXPECT_EQ(bitmap_.Pixel(10, 1), kGreen);
  EXPECT_EQ(cache_.Count(), 1);
  EXPECT_EQ(p.TextWidth, 10);

  struct Case {
    const char* tag;
    int width;
  };
  const Case cases[] = {
      {"<IMG SRC=\"QUAD\" WIDTH=\"6\">", 6}, {"<IMG SRC=\"QUAD\" HEIGHT=\"10\">", 10},
      {"<IMG SRC=\"QUAD\">", 2},           {"<IMG SRC=\"missing\">", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    THTMLTextParams m = WithSources(c.tag);
    m.MeasureOnly = true;
    Draw(m);
    EXPECT_EQ(m.TextWidth, c.width);
  }
}

TEST_F(HtmlPictureTest, PicturesAreHitOnlyInsideLinksAndShowTheirAltPicture) {
  THTMLTextParams outside = WithSources("<IMG SRC=\"IDX:0\">");
  outside.HitTestOnly = true;
  outside.HitX = 8;
  outside.HitY = 8;
  EXPECT_FALSE(Draw(outside));
  EXPECT_EQ(outside.HitLink, "");

  THTMLTextParams inside = WithSources("<A HREF=\"pic\"><IMG SRC=\"IDX:0\" ALT=\"IDX:1\"></A>");
  inside.HitX = 8;
  inside.HitY = 8;
  EXPECT_TRUE(Draw(inside));
  EXPECT_EQ(inside.HitLink, "pic");
  // The measuring pass found the picture under the point, so the drawing shows the ALT picture.
  EXPECT_EQ(bitmap_.Pixel(8, 8), kGreen);
}

TEST_F(HtmlPictureTest, BodyBackgroundIsTiledOverTheRectangle) {
  THTMLTextParams p = WithSources("<BODY BACKGROUND=\"quad\">", fw::Rect(4, 4, 13, 13));
  Draw(p);
  EXPECT_EQ(bitmap_.Pixel(4, 4), kBlue);
  EXPECT_EQ(bitmap_.Pixel(6, 6), kBlue);
  EXPECT_EQ(bitmap_.Pixel(7, 7), kGreen);
  EXPECT_EQ(bitmap_.Pixel(12, 12), kBlue);
  EXPECT_EQ(bitmap_.Pixel(13, 13), fw::clWhite);  // clipped to the rectangle
  EXPECT_EQ(bitmap_.Pixel(3, 3), fw::clWhite);
}

TEST_F(HtmlPictureTest, ShellIconsTakeTheSizeOfTheSystemImageList) {
  THTMLTextParams p = WithSources("<IMG SRC=\"SSYS:0\">");
  p.MeasureOnly = true;
  Draw(p);
  EXPECT_EQ(p.TextWidth, GetSystemMetrics(SM_CXSMICON));
  THTMLTextParams large = WithSources("<IMG SRC=\"LSYS:file.txt\">");
  large.MeasureOnly = true;
  Draw(large);
  EXPECT_EQ(large.TextWidth, GetSystemMetrics(SM_CXICON));
}

TEST_F(HtmlEngineTest, FormControlsTakeTheirSpaceAndAreHit) {
  const int gh = GhHeight();
  // Without WIDTH a control takes no space and cannot be hit.
  THTMLTextParams bare = Params("a<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\">b");
  bare.HitX = 1 + WidthIn("a");
  bare.HitY = 3;
  EXPECT_FALSE(Draw(bare));
  EXPECT_EQ(bare.TextWidth, WidthIn("ab"));
  EXPECT_EQ(bare.ControlId, "");

  struct Case {
    const char* tag;
    int width;
    int height;
  };
  const Case cases[] = {
      {"<CONTROL TYPE=\"CHECK\" ID=\"c\" WIDTH=\"40\">", 16, 16},
      {"<CONTROL TYPE=\"RADIO\" ID=\"r\" WIDTH=\"40\">", 16, 16},
      {"<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"50\">", 50, std::max(23, gh + 10)},
      {"<CONTROL TYPE=\"COMBO\" ID=\"c\" WIDTH=\"60\">", 60, 25},
      {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"70\" HEIGHT=\"40\">", 70, 38},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    const THTMLTextParams m = Measure(c.tag);
    EXPECT_EQ(m.TextWidth, c.width);
    EXPECT_EQ(m.TextHeight, c.height);
  }

  const std::string text = "x<CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"J&eacute;r&ocirc;me\" WIDTH=\"60\">"
                           "<CONTROL TYPE=\"CHECK\" ID=\"ok\" VALUE=\"TRUE\" WIDTH=\"20\">";
  const int x = 1 + WidthIn("x");
  THTMLTextParams hit = Params(text);
  hit.HitX = x + 62;
  hit.HitY = 5;
  EXPECT_TRUE(Draw(hit));
  EXPECT_EQ(hit.HitLink, "ctrl");
  EXPECT_EQ(hit.ControlId, "ok");
  EXPECT_EQ(hit.ControlType, "CHECK");
  EXPECT_EQ(hit.ControlValue, "TRUE");
  EXPECT_EQ(hit.ControlRect, fw::Rect(x + 60, 0, x + 76, 16));

  // Hit-testing locates a control by its ID.
  THTMLTextParams locate = Params(text);
  locate.HitTestOnly = true;
  locate.ControlId = "name";
  EXPECT_TRUE(Draw(locate));
  EXPECT_EQ(locate.ControlValue, "J\xE9r\xF4me");
  EXPECT_EQ(locate.ControlRect.Left, x);
  EXPECT_EQ(locate.ControlRect.Right, x + 60);
}

TEST_F(HtmlEngineTest, FormControlsAreDrawnWithoutThemes) {
  const std::string text = "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"50\">";
  THTMLTextParams p = Params(text);
  Draw(p);
  // The frame is grey (0x808080) without themes, filled white.
  EXPECT_GT(Count(RECT{0, 0, 52, 30}, 0x808080), 50);

  bitmap_.Fill(fw::clWhite);
  THTMLTextParams check = Params("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\">");
  Draw(check);
  EXPECT_GT(Count(RECT{0, 0, 20, 20}, fw::clBlack) + Count(RECT{0, 0, 20, 20}, 0x808080), 10);
}

TEST_F(HtmlEngineTest, ThemedFormControlsSmokeTest) {
  BindThemeLibrary();
  const auto active = ThemeLib.IsThemeActive;
  ThemeLib.IsThemeActive = []() -> BOOL { return TRUE; };
  THTMLTextParams p = Params(
      "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"50\"><CONTROL TYPE=\"COMBO\" ID=\"c\" WIDTH=\"60\">"
      "<CONTROL TYPE=\"CHECK\" ID=\"k\" WIDTH=\"20\"><CONTROL TYPE=\"RADIO\" ID=\"r\" WIDTH=\"20\">"
      "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"40\">");
  Draw(p);
  ThemeLib.IsThemeActive = active;
  FreeThemeLibrary();
  // Themed frames are drawn in the themed border colour.
  EXPECT_GT(Count(RECT{0, 0, 52, 30}, 0xB99D7F), 50);
  EXPECT_EQ(p.TextWidth, 50 + 60 + 16 + 16 + 40);
}


// ---- robustness: what the caller's canvas looks like, and markup that used to throw, leak or lie ----

// The caller's view of its canvas: the canvas objects and the DC settings the engine touches.
struct CanvasLook {
  std::string fontName;
  int fontSize;
  bool bold;
  fw::TColor fontColor, penColor, brushColor;
  int penWidth, brushStyle, backMode;
  COLORREF textColor, backColor;
  LONG dcFontEscapement;
  bool dcFontValid;
  bool operator==(const CanvasLook&) const = default;
};

CanvasLook LookOf(fw::TCanvas& c) {
  LOGFONTA font{};
  const HDC dc = c.Handle();
  const bool valid = GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font) == sizeof(font);
  return CanvasLook{c.Font()->Name(),          c.Font()->Size(),   c.Font()->Style().Contains(fw::fsBold),
                    c.Font()->Color(),         c.Pen()->Color(),   c.Brush()->Color(),
                    c.Pen()->Width(),          static_cast<int>(c.Brush()->Style()), GetBkMode(dc),
                    GetTextColor(dc),          GetBkColor(dc),     font.lfEscapement,
                    valid};
}

TEST_F(HtmlPictureTest, HostileMarkupThrowsNothingAndLeavesTheCanvasAsItWas) {
  // A broken picture in the container: bytes that start like a PNG and are not one.
  TPictureItem* broken = container_->Items()->Add();
  broken->SetName("Broken");
  try {
    fw::TMemoryStream junk;
    const char bytes[] = "\x89PNG\r\n\x1A\n-not-a-picture-";
    junk.WriteBuffer(bytes, sizeof(bytes));
    junk.SetPosition(0);
    broken->Picture()->LoadFromStream(&junk);
  } catch (...) {
  }
  const char* const cases[] = {
      "<FONT SIZE=\"99999999999999999999\">big</FONT>",
      "<FONT SIZE=\"2147483647\">big",
      "<IND X=\"2147483648\">x<IND X=\"-2147483649\">y",
      "<P INDENT=\"-2147483648\">x</P><P INDENT=\"2147483647\">y",
      "<CONTROL TYPE=\"EDIT\" ID=\"a\" WIDTH=\"99999999999\" HEIGHT=\"2147483648\">",
      "<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"2147483647\" HEIGHT=\"4294967296\" VALUE=\"Go\">",
      "<IMG SRC=\"IDX:99999999999\"><IMG SRC=\"SSYS:4294967296\"><IMG SRC=\"quad\" WIDTH=\"-5\" HEIGHT=\"99999\">",
      "<IMG SRC=\"Broken\"><IMG SRC=\"res://NOTTHERE\"><IMG SRC=\"file://Z:/none.png\"><BODY BACKGROUND=\"Broken\">",
      "<R A=\"90\">turned<B>bold</B>and <FONT SIZE=\"14\">big</FONT></R>after",
      "<R A=\"2147483647\">unclosed turn",
      "<B><I><U><A HREF=\"x\"><FONT COLOR=\"#GG\" BGCOLOR=\"#\"><HI><SHAD><E><SUB><SUP>unclosed",
      "</A></B></FONT></P></HI></R></UL></Z>closing only",
      "<A HREF=\"x\"<B>a<</",
      "<P BGCOLOR=\"clRed\"><BODY BGCOLOR=\"#00FF00\">fills",
  };
  for (const char* markup : cases) {
    SCOPED_TRACE(markup);
    canvas_.Font()->SetColor(fw::clBlack);
    canvas_.Pen()->SetColor(kGreen);
    canvas_.Pen()->SetWidth(3);
    canvas_.Brush()->SetColor(kBlue);
    canvas_.Brush()->SetStyle(fw::bsSolid);
    SetBkMode(canvas_.Handle(), OPAQUE);
    const CanvasLook before = LookOf(canvas_);
    for (bool measure : {false, true}) {
      THTMLTextParams p = WithSources(markup);
      p.MeasureOnly = measure;
      p.HitX = 20;
      p.HitY = 5;
      EXPECT_NO_THROW(Draw(p));
      EXPECT_TRUE(LookOf(canvas_) == before);
    }
  }
}

TEST_F(HtmlEngineTest, TheRotationTagTurnsTheTextWithoutLeakingOrLeavingItsFont) {
  const auto gdiObjects = [] { return testsupport::GdiObjectCount(); };
  THTMLTextParams warm = Params("<R A=\"90\">a<B>b</B></R>");
  Draw(warm);
  const long before = gdiObjects();
  for (int i = 0; i < 20; ++i) {
    THTMLTextParams p = Params("<R A=\"90\">ab<B>cd</B><FONT SIZE=\"12\">ef</FONT>gh</R><R A=\"45\">open");
    Draw(p);
  }
  EXPECT_EQ(gdiObjects(), before);
  LOGFONTA font{};
  ASSERT_EQ(GetObjectA(GetCurrentObject(canvas_.Handle(), OBJ_FONT), sizeof(font), &font), sizeof(font));
  EXPECT_EQ(font.lfEscapement, 0);

}

TEST_F(HtmlPictureTest, TheRotationTagTurnsTheText) {
  // A 64 pixel high picture makes the line tall enough to show text turned upwards from its baseline.
  const int gh = GhHeight();
  const auto highestInk = [&](const std::string& markup) {
    bitmap_.Fill(fw::clWhite);
    THTMLTextParams p = WithSources("<IMG SRC=\"quad\" WIDTH=\"4\" HEIGHT=\"64\">" + markup);
    Draw(p);
    for (int y = 0; y < 64; ++y) {
      if (Count(RECT{6, y, 320, y + 1}, fw::clBlack) > 0) return y;
    }
    return -1;
  };
  EXPECT_GE(highestInk("WWWW"), 64 - gh);
  const int turned = highestInk("<R A=\"90\">WWWW</R>");
  EXPECT_GE(turned, 0);
  EXPECT_LT(turned, 64 - gh - 8);
}

TEST_F(HtmlEngineTest, ControlValuesSurviveTheEntityPassAndTheValueCodec) {
  const char* const values[] = {"a & b", "say \"hi\"", "<", ">", "", "&amp;", "x&quot;y", "&&", "\xE9t\xE9"};
  for (const char* value : values) {
    SCOPED_TRACE(value);
    std::string text = "pick <CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"old\" WIDTH=\"80\"> &amp; go";
    ASSERT_TRUE(SetHTMLControlValue(text, "e", value));
    THTMLTextParams p = Params(text);
    p.HitTestOnly = true;
    p.ControlId = "e";
    EXPECT_TRUE(Draw(p));
    EXPECT_EQ(p.ControlValue, value);
    // Written back unchanged, the text is unchanged.
    std::string again = text;
    ASSERT_TRUE(SetHTMLControlValue(again, "e", p.ControlValue));
    EXPECT_EQ(again, text);
    // The text around the control still has its entities read.
    EXPECT_EQ(Measure(text).PlainText, "pick  && go");
  }
}

TEST_F(HtmlEngineTest, LocatingAControlNeedsAnId) {
  const std::string text = "<CONTROL TYPE=\"EDIT\" WIDTH=\"50\"><CONTROL TYPE=\"CHECK\" ID=\"\" WIDTH=\"20\">";
  THTMLTextParams p = Params(text);
  p.HitTestOnly = true;
  p.HitX = 300;
  p.HitY = 150;
  EXPECT_FALSE(Draw(p));
  EXPECT_EQ(p.ControlRect, fw::TRect{});
  EXPECT_EQ(p.ControlType, "");
}

TEST_F(HtmlEngineTest, SubscriptAndSuperscriptEndWithTheLine) {
  const int gh = GhHeight();
  const int quarter = canvas_.TextHeight("2") / 4;
  // Only the first line carries the extent; the next starts as normal text.
  EXPECT_EQ(Measure("H<SUB>2<BR>O").TextHeight, 2 * gh + quarter);
  EXPECT_EQ(Measure("x<SUP>2<BR>y<BR>z").TextHeight, 3 * gh + quarter);
}

}  // namespace
