// The drop-down family's plain routines: colour shading and blending, banded and filled rectangles on a
// memory bitmap, text fitting and casing, and the classification of number texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/rtl/arith.h"
#include "framework/rtl/formatsettings.h"
#include "tests/ui_dropdown/dropdown_test_support.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/dropdown_number_text.h"

namespace ui::dropdown {
namespace {

using ui::testing::BitmapCanvas;

// Sets the separators for a test and puts the previous ones back.
class Separators {
 public:
  Separators(char decimal, char thousands)
      : decimal_(fw::FormatSettings.DecimalSeparator), thousands_(fw::FormatSettings.ThousandSeparator) {
    fw::FormatSettings.DecimalSeparator = decimal;
    fw::FormatSettings.ThousandSeparator = thousands;
  }
  ~Separators() {
    fw::FormatSettings.DecimalSeparator = decimal_;
    fw::FormatSettings.ThousandSeparator = thousands_;
  }

 private:
  char decimal_;
  char thousands_;
};

TEST(DropDownColours, ShadeColorPerChannel) {
  struct Case {
    fw::TColor color;
    int r, g, b;
    fw::TColor expected;
  };
  const std::vector<Case> cases{
      {0xF5F0E1, -10, -10, 0, 0xF5D8CA},  // 225 * 0.9 = 202.5 goes to the even 202
      {0x808080, -50, -25, 0, 0x806040},
      {0x102030, 20, 20, 20, 0x102030},   // lifting leaves non-zero channels alone
      {0x000000, 40, -5, 300, 0xFF0028},  // zero channels take the percentage, kept to 0-255
      {fw::clWhite, -100, -100, -100, 0x000000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShadeColor(c.color, c.r, c.g, c.b), c.expected) << std::hex << c.color << " " << std::dec << c.r;
  }
}

TEST(DropDownColours, BlendColorRoundsHalvesToEven) {
  struct Case {
    fw::TColor c1, c2;
    int percent;
    fw::TColor expected;
  };
  const std::vector<Case> cases{
      {fw::clWhite, fw::clBlack, 50, 0x808080},  // 127.5 goes to 128
      {0x030303, 0x000000, 50, 0x020202},        // 1.5 goes to 2
      {0x050505, 0x000000, 50, 0x020202},        // 2.5 goes to 2
      {0x0000FF, 0xFF0000, 25, 0xBF0040},        // 63.75 and 191.25
      {0x123456, 0x654321, 100, 0x123456},
      {0x123456, 0x654321, 150, 0x123456},
      {0x123456, 0x654321, 0, 0x654321},
      {0x123456, 0x654321, -5, 0x654321},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BlendColor(c.c1, c.c2, c.percent), c.expected) << std::hex << c.c1 << " " << c.c2 << " " << std::dec
                                                             << c.percent;
  }
}

TEST(DropDownDrawing, StepGradientBandsAndTheirEnds) {
  BitmapCanvas paper(100, 40);
  DrawStepGradient(paper.Canvas(), fw::clBlack, fw::clWhite, true, fw::TRect{0, 0, 81, 10}, 80);
  EXPECT_EQ(paper.Pixel(0, 5), fw::clBlack);
  EXPECT_EQ(paper.Pixel(40, 5), 0x808080);  // band 40 of 80: 127.5 to even
  EXPECT_EQ(paper.Pixel(80, 5), 0xFCFCFC);  // the last band stops a step short of white
  EXPECT_EQ(paper.Pixel(81, 5), fw::clWhite);

  // No steps count as one: the start colour over the whole rectangle.
  BitmapCanvas single(40, 40);
  DrawStepGradient(single.Canvas(), 0x0000FF, fw::clWhite, false, fw::TRect{0, 0, 20, 20}, 0);
  EXPECT_EQ(single.Pixel(0, 0), 0x0000FF);
  EXPECT_EQ(single.Pixel(19, 19), 0x0000FF);
  EXPECT_EQ(single.Pixel(20, 20), fw::clWhite);

  // 128 bands down 129 rows: one row each, the channel rising by round(i * 255 / 128), halves to even.
  BitmapCanvas tall(10, 140);
  DrawStepGradient(tall.Canvas(), fw::clBlack, fw::clWhite, false, fw::TRect{0, 0, 10, 129}, 128);
  for (int i : {0, 1, 64, 127}) {
    const int channel = static_cast<int>(fw::Round(i * 255.0 / 128));
    EXPECT_EQ(tall.Pixel(5, i), static_cast<fw::TColor>(RGB(channel, channel, channel))) << "band " << i;
  }
  EXPECT_EQ(tall.Pixel(5, 129), fw::clWhite);  // the band edge stops at the reduced bottom + 1
}

TEST(DropDownDrawing, FilledRectWithAndWithoutEndColourAndBorder) {
  const fw::TRect r{2, 2, 83, 22};
  {
    SCOPED_TRACE("plain");
    BitmapCanvas paper(100, 40);
    DrawFilledRect(paper.Canvas(), r, 0x0000FF, 0, 1, fw::clNone, fw::clNone);
    EXPECT_EQ(paper.Pixel(2, 2), 0x0000FF);
    EXPECT_EQ(paper.Pixel(82, 21), 0x0000FF);
    EXPECT_EQ(paper.Pixel(83, 22), fw::clWhite);
  }
  {
    SCOPED_TRACE("gradient across, 80 bands");
    BitmapCanvas paper(100, 40);
    DrawFilledRect(paper.Canvas(), r, fw::clBlack, 0, 0, fw::clRed, fw::clWhite);
    EXPECT_EQ(paper.Pixel(2, 10), fw::clBlack);
    EXPECT_EQ(paper.Pixel(42, 10), 0x808080);
  }
  {
    SCOPED_TRACE("gradient down");
    BitmapCanvas tall(40, 100);
    DrawFilledRect(tall.Canvas(), fw::TRect{2, 2, 22, 83}, fw::clBlack, 1, 0, fw::clNone, fw::clWhite);
    EXPECT_EQ(tall.Pixel(10, 2), fw::clBlack);
    EXPECT_EQ(tall.Pixel(10, 42), 0x808080);
    EXPECT_EQ(tall.Pixel(21, 42), 0x808080);
    EXPECT_EQ(tall.Pixel(22, 42), fw::clWhite);
  }
  {
    SCOPED_TRACE("border only, 2 wide");
    BitmapCanvas paper(100, 40);
    DrawFilledRect(paper.Canvas(), r, fw::clNone, 0, 2, 0xFF0000, fw::clNone);
    EXPECT_EQ(paper.Pixel(2, 2), 0xFF0000);
    EXPECT_EQ(paper.Pixel(2, 12), 0xFF0000);
    EXPECT_EQ(paper.Pixel(40, 2), 0xFF0000);
    EXPECT_EQ(paper.Pixel(40, 12), fw::clWhite);
  }
  {
    SCOPED_TRACE("fill with a border of width 0");
    BitmapCanvas paper(100, 40);
    DrawFilledRect(paper.Canvas(), r, 0x00FF00, 0, 0, 0xFF0000, fw::clNone);
    EXPECT_EQ(paper.Pixel(2, 2), 0x00FF00);
  }
  DrawFilledRect(nullptr, r, 0x00FF00, 0, 1, 0xFF0000, fw::clWhite);
}

// The columns of the bitmap's row range that hold a pixel of the colour, as [first, last]; {-1, -1} for none.
std::pair<int, int> ColumnsWith(const BitmapCanvas& paper, int width, int top, int bottom, fw::TColor color) {
  std::pair<int, int> found{-1, -1};
  for (int x = 0; x < width; ++x) {
    for (int y = top; y < bottom; ++y) {
      if (paper.Pixel(x, y) != color) continue;
      if (found.first < 0) found.first = x;
      found.second = x;
    }
  }
  return found;
}

TEST(DropDownText, ImageTextCentresWithoutAnImageAndFollowsOne) {
  const fw::TRect r{0, 0, 200, 20};
  {
    SCOPED_TRACE("no image: centred");
    BitmapCanvas paper(200, 20);
    DrawImageText(paper.Canvas(), r, "WWW", 0, nullptr);
    const auto text = ColumnsWith(paper, 200, 0, 20, fw::clBlack);
    ASSERT_GE(text.first, 0);
    EXPECT_LE(std::abs((text.first + text.second) - 200), 4);
  }
  {
    SCOPED_TRACE("an image 4 pixels in, vertically centred, the text 4 pixels after it");
    fw::TImageList* images = fw::Create<fw::TImageList>(nullptr);
    images->SetSize(16, 16);
    fw::TBitmap red;
    red.SetSize(16, 16);
    red.Canvas()->Brush()->SetColor(fw::clRed);
    red.Canvas()->FillRect(fw::TRect{0, 0, 16, 16});
    images->Add(&red, nullptr);
    BitmapCanvas paper(200, 20);
    DrawImageText(paper.Canvas(), r, "WWW", 0, images);
    EXPECT_EQ(ColumnsWith(paper, 200, 0, 20, fw::clRed), std::make_pair(4, 19));
    EXPECT_EQ(paper.Pixel(10, 1), fw::clWhite);
    EXPECT_EQ(paper.Pixel(10, 2), fw::clRed);
    EXPECT_EQ(paper.Pixel(10, 17), fw::clRed);
    const auto text = ColumnsWith(paper, 200, 0, 20, fw::clBlack);
    EXPECT_GE(text.first, 24);
    EXPECT_LE(text.first, 26);
    images->Free();
  }
}

TEST(DropDownText, MeasuredHtmlCaptions) {
  BitmapCanvas paper(10, 10);
  SIZE size{1, 1};
  MeasureHTMLText(paper.Canvas(), "", fw::TRect{0, 0, 1000, 500}, size, nullptr, false, nullptr);
  EXPECT_EQ(size.cx, 0);
  EXPECT_EQ(size.cy, 0);
  SIZE plain{};
  GetTextSize(paper.Canvas(), "Caption", plain);
  MeasureHTMLText(paper.Canvas(), "Caption", fw::TRect{0, 0, 1000, 500}, size, nullptr, false, nullptr);
  EXPECT_EQ(size.cx, plain.cx);
  SIZE bold{};
  MeasureHTMLText(paper.Canvas(), "<B>Caption</B>", fw::TRect{0, 0, 1000, 500}, bold, nullptr, false, nullptr);
  EXPECT_GT(bold.cx, 0);
  EXPECT_GT(bold.cy, 0);
  // Measuring draws nothing.
  EXPECT_EQ(paper.Pixel(2, 2), fw::clWhite);
}

TEST(DropDownText, FitTextShortensFromTheEnd) {
  BitmapCanvas paper(10, 10);
  fw::TCanvas* canvas = paper.Canvas();
  const std::string text = "Hello world";
  SIZE full{};
  GetTextSize(canvas, text, full);
  ASSERT_GT(full.cx, 0);
  SIZE size{};
  GetTextSize(canvas, "", size);
  EXPECT_EQ(size.cx, 0);
  EXPECT_EQ(size.cy, 0);

  std::string result;
  FitText(canvas, text, full.cx, result, true);
  EXPECT_EQ(result, text);

  SIZE shortened{};
  GetTextSize(canvas, "Hello w...", shortened);
  FitText(canvas, text, shortened.cx + 1, result, true);
  EXPECT_EQ(result, "Hello w...");

  SIZE hello{};
  GetTextSize(canvas, "Hello", hello);
  FitText(canvas, text, hello.cx + 1, result, false);
  EXPECT_EQ(result, "Hello");

  // Narrower than the ellipsis alone: nothing fits, the text stays whole.
  FitText(canvas, text, 2, result, true);
  EXPECT_EQ(result, text);
}

TEST(DropDownText, CaseTextUpperCasesUnlessKept) {
  std::string result;
  CaseText("Mixed case 1", false, result);
  EXPECT_EQ(result, "MIXED CASE 1");
  CaseText("Mixed case 1", true, result);
  EXPECT_EQ(result, "Mixed case 1");
}

TEST(DropDownNumbers, ClassifyNumberOverIntegerGroupedHexadecimalAndMalformedTexts) {
  struct Case {
    const char* text;
    int expected;
  };
  {
    const Separators separators('.', ',');
    const std::vector<Case> cases{
        {"", ncOther},          {"123", ncInteger},      {"-12", ncInteger},       {"12.5", ncDecimal},
        {"1,234", ncDecimal},   {"1,234,567.25", ncDecimal}, {"12,345", ncDecimal}, {",123", ncOther},
        {"1,2,3", ncOther},     {"12a", ncHexadecimal},  {"FF", ncHexadecimal},    {"-ff", ncHexadecimal},
        {"1-2-3", ncOther},     {"1.2.3", ncOther},      {"12 3", ncOther},        {"1e5x", ncOther},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyNumber(c.text), c.expected) << c.text;
    EXPECT_EQ(StripThousandSeparators("1,234,567.5"), "1234567.5");
  }
  {
    // The separators are read at every call.
    const Separators separators(',', '.');
    const std::vector<Case> cases{{"1.234,5", ncDecimal}, {".123", ncOther}, {"1,2,3", ncOther}, {"1,234", ncDecimal}};
    for (const Case& c : cases) EXPECT_EQ(ClassifyNumber(c.text), c.expected) << c.text;
    EXPECT_EQ(StripThousandSeparators("1.234.567,5"), "1234567,5");
  }
}

}  // namespace
}  // namespace ui::dropdown
