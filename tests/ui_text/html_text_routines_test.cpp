#include "ui/foundation/html_text_routines.h"

#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/syslocale.h"

using namespace ui;

TEST(HtmlColors, NamesAndHexColors) {
  struct Case {
    const char* name;
    fw::TColor expected;
  };
  for (const Case c : {Case{"cl3ddkshadow", static_cast<fw::TColor>(0x80000015)},
                       Case{"clgraytext", static_cast<fw::TColor>(0x80000011)}, Case{"clred", 0x0000FF},
                       Case{"clnavy", 0x800000}, Case{"clinfobk", static_cast<fw::TColor>(0x80000018)},
                       Case{"clbackground", static_cast<fw::TColor>(0x80000001)}, Case{"clRed", 0},
                       Case{"nocolour", 0}}) {
    EXPECT_EQ(HTMLColorByName(c.name), c.expected) << c.name;
  }
  EXPECT_EQ(HTMLHexColor("#FF0000"), 0x0000FF) << "pure red";
  EXPECT_EQ(HTMLHexColor("#00FF80"), 0x80FF00);
  EXPECT_EQ(HTMLHexColor("#12"), 0x12) << "missing pairs give 0";
  EXPECT_EQ(HexPairValue("7F"), 0x7F);
  EXPECT_EQ(HexPairValue("A"), 0);
  EXPECT_EQ(HexPairValue("ff"), 16 * ('f' - 55) + ('f' - 55)) << "lower-case digits are not read as hex";
}

TEST(HtmlStrings, SearchReplaceAndIntegers) {
  EXPECT_EQ(PosNoCase("bc", "aBCd"), 2);
  int position = -1;
  EXPECT_EQ(PosUpper("BC", "abc", position), 2);
  EXPECT_EQ(position, 2);
  EXPECT_EQ(PosOut("BC", "abc", position), 0);
  EXPECT_EQ(position, 0);
  std::string text = "one <Br> two <br>";
  EXPECT_TRUE(ReplaceFirstNoCase("<bR>", "|", text));
  EXPECT_EQ(text, "one | two <br>");
  EXPECT_FALSE(ReplaceFirstNoCase("<hr>", "|", text));

  struct Case {
    const char* text;
    int expected;
  };
  for (const Case c : {Case{"42", 42}, Case{"  -17", -17}, Case{"-17px", 17}, Case{"12px", 12}, Case{"$1F", 31},
                       Case{"0x1f", 31}, Case{"X10", 16}, Case{"x1Fzz", 31}, Case{"", 0}, Case{"abc", 0},
                       Case{"4 2", 4}}) {
    EXPECT_EQ(IntOfText(c.text), c.expected) << c.text;
  }
}

TEST(HtmlStrings, LineBreaksAndFieldMarkers) {
  EXPECT_EQ(LineBreaksToBR("a\r\nb\rc\n", true), "a<BR>b<BR>c");
  EXPECT_EQ(LineBreaksToBR("a\r\nb", false), "ab");
  EXPECT_EQ(RemoveFieldMarkers("x<#name>y<#b>"), "x#namey#b");
  EXPECT_EQ(RemoveFieldMarkers("<#open"), "#open");
}

TEST(HtmlStrings, BiDiFlagsOnBothKindsOfLocale) {
  const fw::TSysLocale saved = fw::SysLocale;
  fw::SysLocale.MiddleEast = false;
  EXPECT_EQ(BiDiTextFlags(DT_LEFT, 1), static_cast<UINT>(DT_LEFT));
  EXPECT_EQ(BiDiTextFlags(DT_RIGHT | DT_VCENTER, 2), static_cast<UINT>(DT_RIGHT | DT_VCENTER));
  fw::SysLocale.MiddleEast = true;
  struct Case {
    UINT flags;
    int mode;
    UINT expected;
  };
  for (const Case c : {Case{DT_LEFT, 1, DT_RIGHT | DT_RTLREADING}, Case{DT_RIGHT, 1, DT_RTLREADING},
                       Case{DT_CENTER, 1, DT_CENTER | DT_RTLREADING}, Case{DT_LEFT, 2, DT_RTLREADING},
                       Case{DT_RIGHT, 0, DT_RIGHT}}) {
    EXPECT_EQ(BiDiTextFlags(c.flags, c.mode), c.expected) << c.flags << " mode " << c.mode;
  }
  fw::SysLocale = saved;
}

TEST(HtmlStrip, TagsBreaksAndUnclosedTags) {
  struct Case {
    const char* text;
    const char* expected;
  };
  for (const Case c : {Case{"<b>bold</b> text", "bold text"}, Case{"a<br>b<BR>c", "a\r\nb\r\nc"},
                       Case{"x<hr>y", "x\r\ny"}, Case{"a<b>c < d", "ac < d"}, Case{"&lt;kept&gt;", "&lt;kept&gt;"},
                       Case{"plain", "plain"}, Case{"", ""}}) {
    EXPECT_EQ(StripHTML(c.text), c.expected) << c.text;
  }
}

TEST(HtmlHighlight, MarksEveryMatchAndUnmarksThem) {
  struct Case {
    const char* text;
    const char* search;
    bool caseSensitive;
    const char* expected;
  };
  const Case cases[] = {
      {"abcabc", "b", true, "a<hi>b</hi>ca<hi>b</hi>c"},
      {"aaaa", "aa", true, "<hi>aa</hi><hi>aa</hi>"},  // adjacent matches
      {"xAx", "a", false, "x<hi>A</hi>x"},
      {"xAx", "a", true, "xAx"},
      {"<b>bold</b> bold", "old", true, "<b>b<hi>old</b></hi> b<hi>old</hi>"},  // closed before the next visible character
      {"2 > 1 <i>x</i>", "2", true, "<hi>2</hi> &gt; 1 x"},  // a literal ">" drops the markup
      {"abc", "", true, "abc"},
  };
  for (const Case& c : cases) {
    std::string marked;
    HighlightText(c.text, c.search, "hi", marked, c.caseSensitive);
    EXPECT_EQ(marked, c.expected) << c.text << " / " << c.search;
  }

  std::string marked, back;
  HighlightText("one two one", "one", "mark", marked, true);
  UnhighlightText(marked, "Mark", back);
  EXPECT_EQ(back, "one two one");
  UnhighlightText("a &lt;b&gt; <MARK>c</mark>", "mark", back);
  EXPECT_EQ(back, "a <b> c");
}

TEST(HtmlHighlight, VisiblePositions) {
  EXPECT_EQ(VisibleToTextPos("<b>ab</b>c", 1), 4);
  EXPECT_EQ(VisibleToTextPos("<b>ab</b>c", 3), 10);
  EXPECT_EQ(VisibleToTextPos("<b>ab</b>c", 4), 11);
  EXPECT_EQ(VisibleToTextPos("<b>ab</b>c", 5), 0);
  int position = 0;
  EXPECT_TRUE(FindTextFrom("b", "abab", 2, position, true));
  EXPECT_EQ(position, 4);
  EXPECT_FALSE(FindTextFrom("B", "abab", 2, position, true));
  EXPECT_TRUE(FindTextFrom("B", "abab", 0, position, false));
  EXPECT_EQ(position, 2);
}

TEST(HtmlFonts, RotatedFontIsSelectedAndRestored) {
  fw::TBitmap* bitmap = fw::Create<fw::TBitmap>();
  bitmap->SetWidth(10);
  bitmap->SetHeight(10);
  fw::TCanvas* canvas = bitmap->Canvas();
  HFONT before = static_cast<HFONT>(GetCurrentObject(canvas->Handle(), OBJ_FONT));
  TRotatedFontState state;
  SelectRotatedFont(canvas, 90, state);
  LOGFONTA font{};
  GetObjectA(GetCurrentObject(canvas->Handle(), OBJ_FONT), sizeof(font), &font);
  EXPECT_EQ(font.lfEscapement, 900);
  EXPECT_EQ(font.lfOrientation, 900);
  RestoreRotatedFont(canvas, state);
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_FONT), before);
  bitmap->Free();

  SetHighlightColors(fw::clRed, fw::clWhite);
  EXPECT_EQ(HighlightColor(), fw::clRed);
  EXPECT_EQ(HighlightTextColor(), fw::clWhite);
  SetHighlightColors(fw::clHighlight, fw::clHighlightText);
  EXPECT_TRUE(ThemeSupport()) << "Wine reports a Windows later than 5.0";
}
