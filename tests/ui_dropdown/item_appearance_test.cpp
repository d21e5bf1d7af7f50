// The item appearance: its colour-style presets, the order in which Assign copies (a differing style's
// preset replaces the copied colours), and the drop-down's item colour presets by style number.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/ui_dropdown/dropdown_test_support.h"
#include "ui/dropdown/item_appearance.h"

namespace ui {
namespace {

// Every colour of an appearance, in property order.
std::array<fw::TColor, 16> Colors(const TItemAppearance& a) {
  return {a.BorderColor(),         a.BorderColorTop(),  a.BorderColorBottom(),   a.BorderColorHot(),
          a.BorderColorSelected(), a.ColorHot(),        a.ColorHotTo(),          a.ColorHotText(),
          a.ColorMirrorHot(),      a.ColorMirrorHotTo(), a.ColorSelected(),      a.ColorSelectedTo(),
          a.ColorMirrorSelected(), a.ColorMirrorSelectedTo(), a.ColorSelectedText(), a.EdgeColor()};
}

TEST(ItemAppearance, StartsWithColourStyleOneAndLoadsPresetsOneToThree) {
  TItemAppearance look(nullptr);
  EXPECT_EQ(look.SelectionColorStyle(), 1);
  EXPECT_EQ(Colors(look), (std::array<fw::TColor, 16>{0x8DD7D3, 0xF4FEFF, 0xCAF8FF, fw::clNone, fw::clNone,
                                                      0xD7FFFD, 0x58D4FC, 0x000000, 0x58D4FC, 0xB3F1FC, 0xA6FFFB,
                                                      0x04B9F4, 0x15C1FB, 0x68E3F9, 0x000000, 0xC3D9DF}));
  EXPECT_EQ(look.Font()->Name(), "Tahoma");

  look.SetSelectionColorStyle(2);
  EXPECT_EQ(look.ColorHot(), 0xFDF8F1);
  EXPECT_EQ(look.ColorMirrorHot(), fw::clNone);
  EXPECT_EQ(look.BorderColor(), 0xFDDE99);
  EXPECT_EQ(look.ColorSelectedTo(), 0xFAE3B4);
  look.SetSelectionColorStyle(3);
  EXPECT_EQ(look.ColorHot(), 0xFCEBDC);
  EXPECT_EQ(look.EdgeColor(), 0xE0C5AE);
  EXPECT_EQ(look.ColorSelected(), 0xF9D8B9);

  // Other styles are only stored; the same style again loads nothing.
  look.SetColorHot(0x123456);
  look.SetSelectionColorStyle(3);
  EXPECT_EQ(look.ColorHot(), 0x123456);
  const auto before = Colors(look);
  look.SetSelectionColorStyle(7);
  EXPECT_EQ(look.SelectionColorStyle(), 7);
  EXPECT_EQ(Colors(look), before);
}

TEST(ItemAppearance, AssignCopiesThenLoadsTheSourcesDifferingPreset) {
  TItemAppearance source(nullptr);
  source.SetSelectionColorStyle(2);
  source.SetColorHot(0x111111);  // a change of the twelve preset colours
  source.SetColorHotText(0x222222);
  source.SetBorderColorHot(0x333333);
  source.SetBorderColorSelected(0x444444);
  source.SetColorSelectedText(0x555555);
  source.Font()->SetSize(14);

  {
    SCOPED_TRACE("differing style: the preset replaces the copied colours");
    TItemAppearance target(nullptr);
    target.Assign(&source);
    EXPECT_EQ(target.SelectionColorStyle(), 2);
    EXPECT_EQ(target.ColorHot(), 0xFDF8F1);
    EXPECT_EQ(target.ColorHotText(), 0x222222);
    EXPECT_EQ(target.BorderColorHot(), 0x333333);
    EXPECT_EQ(target.BorderColorSelected(), 0x444444);
    EXPECT_EQ(target.ColorSelectedText(), 0x555555);
    EXPECT_EQ(target.Font()->Size(), 14);
  }
  {
    SCOPED_TRACE("same style: the copied colours stay");
    TItemAppearance target(nullptr);
    target.SetSelectionColorStyle(2);
    target.Assign(&source);
    EXPECT_EQ(Colors(target), Colors(source));
  }
  {
    SCOPED_TRACE("a style without preset: copied colours stay, the style is taken");
    TItemAppearance plain(nullptr);
    plain.SetSelectionColorStyle(0);
    plain.SetColorSelected(0x666666);
    TItemAppearance target(nullptr);
    target.Assign(&plain);
    EXPECT_EQ(target.SelectionColorStyle(), 0);
    EXPECT_EQ(target.ColorSelected(), 0x666666);
  }
  TItemAppearance target(nullptr);
  fw::TFont font;
  EXPECT_THROW(target.Assign(&font), fw::EConvertError);
}

class ItemStyleTest : public testing::DropDownTest {};

TEST_F(ItemStyleTest, StylePresetsForItemColours) {
  struct Case {
    int style;
    fw::TColor colorHot, colorMirrorHot, colorSelected, colorSelectedTo, borderColor, borderColorTop, edgeColor,
        selectedText;
  };
  const Case cases[] = {
      {0, 0xEBFDFF, 0x59DAFF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, fw::clNone, fw::clNone, fw::clBlack},
      {7, 0xEBFDFF, 0x59DAFF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, fw::clNone, fw::clNone, fw::clBlack},
      {4, 0xEBFDFF, 0x59DAFF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF4FEFF, 0xC3D9DF, fw::clBlack},
      {9, 0xEBFDFF, 0x59DAFF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF4FEFF, 0xC3D9DF, fw::clBlack},
      {3, 0xD2BDB6, fw::clNone, 0xB59285, 0xB59285, 0x808080, fw::clNone, fw::clNone, fw::clBlack},
      {6, 0xEFD3C6, fw::clNone, fw::clHighlight, fw::clNone, fw::clHighlight, fw::clNone, fw::clNone,
       fw::clHighlightText},
      {10, 0xFFFDF9, fw::clNone, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFDFBF6, 0xFCEDCB, fw::clBlack},
      {11, 0xFDFBFA, fw::clNone, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFDF4EB, 0xE0C5AE, fw::clBlack},
      {12, 0xC0C0C0, fw::clNone, fw::clHighlight, fw::clNone, 0x808080, fw::clNone, fw::clNone,
       fw::clHighlightText},
      {14, 0xD9F9FD, 0x8AE3FD, 0x7BEEFF, 0x6CD0FF, 0x308AC2, fw::clNone, fw::clNone, fw::clBlack},
  };
  TVxCustomDropDown* dropDown = MakeDropDown();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    TItemAppearance look(nullptr);
    look.SetBorderColorHot(0x010101);
    look.SetBorderColorSelected(0x020202);
    look.SetColorHotText(0x030303);
    dropDown->ApplyItemAppearanceStyle(&look, c.style);
    EXPECT_EQ(look.ColorHot(), c.colorHot);
    EXPECT_EQ(look.ColorMirrorHot(), c.colorMirrorHot);
    EXPECT_EQ(look.ColorSelected(), c.colorSelected);
    EXPECT_EQ(look.ColorSelectedTo(), c.colorSelectedTo);
    EXPECT_EQ(look.BorderColor(), c.borderColor);
    EXPECT_EQ(look.BorderColorTop(), c.borderColorTop);
    EXPECT_EQ(look.EdgeColor(), c.edgeColor);
    EXPECT_EQ(look.ColorSelectedText(), c.selectedText);
    EXPECT_EQ(look.BorderColorHot(), fw::clNone);
    EXPECT_EQ(look.BorderColorSelected(), fw::clNone);
    EXPECT_EQ(look.ColorHotText(), fw::clBlack);
  }
}

TEST_F(ItemStyleTest, StyleEightChangesNothingAndUnknownStylesResetOnlyTextAndFrames) {
  TVxCustomDropDown* dropDown = MakeDropDown();
  TItemAppearance look(nullptr);
  look.SetBorderColorHot(0x010101);
  look.SetColorHotText(0x030303);
  look.SetColorSelectedText(0x040404);
  const auto before = Colors(look);
  dropDown->ApplyItemAppearanceStyle(&look, 8);
  EXPECT_EQ(Colors(look), before);

  dropDown->ApplyItemAppearanceStyle(&look, 20);
  auto expected = before;
  expected[3] = fw::clNone;     // BorderColorHot
  expected[7] = fw::clBlack;    // ColorHotText
  expected[14] = fw::clBlack;   // ColorSelectedText
  EXPECT_EQ(Colors(look), expected);
  dropDown->ApplyItemAppearanceStyle(nullptr, 4);  // no appearance: nothing
}

}  // namespace
}  // namespace ui
