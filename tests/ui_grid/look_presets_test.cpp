// The grid's looks, style numbers, face-colour appearance and the system scheme: each preset compared on
// a fresh grid with the values it writes, the look setter with and without loading, and ThemeChanged with
// the scheme forced through the Office keys of the test prefix.
#include <windows.h>

#include <string>

#include "tests/framework/stdctrl_test_support.h"
#include "tests/support/office_keys.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/style_detection.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using LookTest = fw::testing::StdControlTest;

constexpr fw::TColor kNone = fw::clNone;

fw::TColor BtnFace() { return static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)); }

// What a style writes on what the grid has now.
struct PresetRow {
  int style;
  TGridLook look;
  fw::TColor fixedFrom, fixedTo, mirrorFrom, mirrorTo;
  fw::TColor activeFrom, activeTo;
  fw::TColor selection, selectionTo, selectionText;
  fw::TColor gridLines, fixedLines;
  int selectionStyle;
};

TEST_F(LookTest, EveryStyleNumberWritesItsColoursOnAFreshGrid) {
  auto* reference = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  const TFixedCellColors start = reference->FixedCellColors();
  const fw::TColor hl = fw::clHighlight, hlText = fw::clHighlightText;
  const fw::TColor bf = BtnFace();
  const PresetRow rows[] = {
      {0, glXP, 0xFCE1CB, 0xE0A57D, kNone, kNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0, 0xC0C0C0, 0x808080, 0},
      {1, glXP, 0xECE2E1, 0xB39698, kNone, kNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0, 0xC0C0C0, 0x808080, 0},
      {2, glXP, 0xCFF0EA, 0x8CC0B1, kNone, kNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0, 0xC0C0C0, 0x808080, 0},
      {3, glXP, 0xFFFFFF, 0xCCD4D8, start.MirrorFrom, start.MirrorTo, 0xD8D5D4, 0xD8D5D4, hl, kNone, hlText, 0xC0C0C0,
       0x808080, 0},
      {4, glOffice2007, 0xFBF9F6, 0xE8DBD2, kNone, kNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, kNone, 0, 0xF1EDEB, 0xD1BBA4,
       3},
      {5, glOffice2007, 0xF7F7F7, 0xDEDEDE, kNone, kNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, kNone, 0, 0xE5D7D0, 0x808080,
       3},
      {6, glXP, bf, bf, start.MirrorFrom, start.MirrorTo, fw::clBtnFace, fw::clBtnFace, hl, kNone, hlText, 0xC0C0C0,
       0x808080, 0},
      {7, glXP, 0xFFFFFF, bf, start.MirrorFrom, start.MirrorTo, 0x94E6FB, 0x1595EE, hl, kNone, hlText, 0xC0C0C0,
       0x808080, 0},
      {8, glXP, start.From, start.To, start.MirrorFrom, start.MirrorTo, reference->ActiveCellColor,
       reference->ActiveCellColorTo, hl, kNone, hlText, reference->GridLineColor(), reference->GridFixedLineColor(), 0},
      {9, glOffice2007, 0xF3F3F1, 0xCAC9C8, kNone, kNone, 0x99CCFF, 0x699CFF, 0x95C7F5, kNone, 0, 0xE5D7D0, 0x808080,
       3},
      {10, glVista, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, kNone, 0, 0xECECF0, 0xD4D2D1,
       1},
      {11, glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, kNone, 0, 0xECECF0, 0xD4D2D1,
       2},
      {12, glStandard, bf, kNone, kNone, kNone, 0x808080, kNone, hl, kNone, hlText, 0xC0C0C0, 0x808080, 0},
      {13, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, kNone, 0, 0xC0C0C0,
       0xC7B0A0, 0},
      {14, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, kNone, 0, 0xC0C0C0,
       0xBAB5B1, 0},
      {15, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, kNone, 0, 0xC0C0C0,
       0x444444, 0},
  };
  for (const PresetRow& row : rows) {
    auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
    grid->ApplyStyle(row.style);
    const TFixedCellColors& set = grid->FixedCellColors();
    SCOPED_TRACE("style " + std::to_string(row.style));
    EXPECT_EQ(grid->CurrentStyle(), row.style);
    EXPECT_EQ(grid->Look(), row.look);
    EXPECT_EQ(set.From, row.fixedFrom);
    EXPECT_EQ(set.To, row.fixedTo);
    EXPECT_EQ(set.MirrorFrom, row.mirrorFrom);
    EXPECT_EQ(set.MirrorTo, row.mirrorTo);
    EXPECT_EQ(grid->ActiveCellColor, row.activeFrom);
    EXPECT_EQ(grid->ActiveCellColorTo, row.activeTo);
    EXPECT_EQ(grid->SelectionColor(), row.selection);
    EXPECT_EQ(grid->SelectionColorTo, row.selectionTo);
    EXPECT_EQ(grid->SelectionTextColor, row.selectionText);
    EXPECT_EQ(grid->GridLineColor(), row.gridLines);
    EXPECT_EQ(grid->GridFixedLineColor(), row.fixedLines);
    EXPECT_EQ(grid->SelectionStyle(), row.selectionStyle);
  }
}

TEST_F(LookTest, StylesWriteTheControlLookHoverAndPressedColours) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  TControlLook* look = grid->ControlLook();
  grid->ApplyStyle(4);
  EXPECT_EQ(look->FixedGradientFrom(), 0xFBF9F6);  // the control look follows the fixed colours
  EXPECT_EQ(look->FixedGradientHoverBorder(), 0xB79F87);
  EXPECT_EQ(look->FixedGradientDownBorder(), 0xE4C19D);
  grid->ApplyStyle(10);
  EXPECT_EQ(look->FixedGradientFrom(), kNone);  // then not set again
  EXPECT_EQ(grid->FixedCellColors().HoverMirrorTo, 0xFBE7B7);
  EXPECT_EQ(look->FixedGradientDownMirrorTo(), 0xF5D18A);
  grid->ApplyStyle(11);
  EXPECT_EQ(grid->FixedCellColors().HoverFrom, 0xFEFBF8);  // the control look's hover wins over the grid's own
  EXPECT_EQ(grid->FixedCellColors().HoverBorder, 0xEEE8E3);
  grid->ApplyStyle(14);
  EXPECT_EQ(look->FixedGradientMirrorTo(), 0xE8E3DF);
  EXPECT_EQ(grid->FixedCellColors().DownBorder, 0x308AC2);
}

TEST_F(LookTest, StyleEightKeepsMetroScrollingAndStyleSevenKeepsTheLook) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  grid->SetLook(glSoft);
  grid->ApplyStyle(7);
  EXPECT_EQ(grid->Look(), glSoft);
  grid->SetScrollType(ssMetro);
  grid->ApplyStyle(8);
  EXPECT_EQ(grid->ScrollType(), ssMetro);
  EXPECT_EQ(grid->Look(), glSoft);
  grid->ApplyStyle(3);
  EXPECT_EQ(grid->ScrollType(), ssNormal);
}

TEST_F(LookTest, EveryLookWritesItsColoursAndTheCommonFrame) {
  const struct {
    TGridLook look;
    fw::TColor selection;
    int style, selectionStyle;
  } cases[] = {
      {glStandard, fw::clHighlight, 6, 0}, {glSoft, fw::clHighlight, 6, 0}, {glClassic, fw::clHighlight, 6, 0},
      {glNRV, 0xEACAB6, 6, 0},              {glListView, fw::clHighlight, 6, 0}, {glVista, 0xEACAB6, 10, 1},
      {glWin7, 0xEACAB6, 11, 2},            {glOffice2007, 0x5EC1F1, 4, 3},   {glXP, 0xEACAB6, 6, 0},
  };
  for (const auto& c : cases) {
    auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
    grid->SetLook(glCustom);  // away from the starting look, so every case changes the look
    grid->SetSelectionColor(0x123456);
    grid->SetBorderStyle(fw::bsNone);
    grid->SetScrollType(ssMetro);
    grid->SetLook(c.look);
    SCOPED_TRACE(static_cast<int>(c.look));
    EXPECT_EQ(grid->Look(), c.look);
    EXPECT_EQ(grid->SelectionColor(), c.selection);
    EXPECT_EQ(grid->CurrentStyle(), c.style);
    EXPECT_EQ(grid->SelectionStyle(), c.selectionStyle);
    EXPECT_EQ(grid->ScrollType(), ssNormal);
    EXPECT_EQ(grid->BorderStyle(), fw::bsSingle);
    EXPECT_EQ(grid->BorderColor(), 0xB99D7F);
    if (c.look == glStandard) {
      EXPECT_EQ(grid->FixedColor(), fw::clBtnFace);
    }
    if (c.look == glNRV) {
      EXPECT_EQ(grid->ControlLook()->FixedGradientTo(), 0xC0C0C0);
    }
    if (c.look == glXP) {
      EXPECT_EQ(grid->ControlLook()->FixedGradientDownMirrorTo(), 0x627376);
    }
  }

  // The custom look clears nothing and writes no colour.
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  const TFixedCellColors before = grid->FixedCellColors();
  grid->SetSelectionColor(0x123456);
  grid->SetLook(glCustom);
  EXPECT_EQ(grid->SelectionColor(), 0x123456);
  EXPECT_TRUE(grid->FixedCellColors() == before);

  // The current look again changes nothing, even after the colours changed.
  grid->SetLook(glCustom);
  grid->SetBorderStyle(fw::bsNone);
  grid->SetLook(glCustom);
  EXPECT_EQ(grid->BorderStyle(), fw::bsNone);
}

TEST_F(LookTest, ALookStoredWhileLoadingKeepsTheStoredColours) {
  fw::BeginLoading(Form());
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  grid->SetSelectionColor(0x123456);
  grid->SetFixedColor(0x654321);
  grid->SetLook(glStandard);
  EXPECT_EQ(grid->Look(), glStandard);
  EXPECT_EQ(grid->SelectionColor(), 0x123456);
  EXPECT_EQ(grid->FixedColor(), 0x654321);
  EXPECT_EQ(grid->BorderColor(), 0xB99D7F);  // the frame is every look's
  fw::EndLoading(Form());
}

TEST_F(LookTest, FaceColoursMakeTheGridClassicFlatAndMetro) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  TControlFaceColors colors;
  colors.NormalFill = 0x101010;
  colors.NormalBorder = 0x202020;
  colors.NormalText = 0x303030;
  colors.HeaderFill = 0x80A0C0;
  colors.HeaderText = 0x505050;
  colors.DownFill = 0x606060;
  colors.DownText = 0x707070;
  grid->SetColors(colors);

  EXPECT_EQ(grid->Look(), glClassic);
  EXPECT_TRUE(grid->Flat);
  EXPECT_EQ(grid->ScrollType(), ssMetro);
  EXPECT_EQ(grid->FaceColors().HeaderFill, 0x80A0C0);
  EXPECT_EQ(grid->FixedColor(), 0x80A0C0);
  EXPECT_EQ(grid->FixedFont()->Color(), 0x505050);
  EXPECT_EQ(grid->FixedFont()->Name(), GetDefaultFontName());
  EXPECT_EQ(grid->Color(), 0x101010);
  EXPECT_EQ(grid->Font()->Color(), 0x303030);
  EXPECT_EQ(grid->SelectionColor(), 0x606060);
  EXPECT_EQ(grid->SelectionTextColor, 0x707070);
  EXPECT_EQ(grid->SelectionColorTo, kNone);
  EXPECT_EQ(grid->GridLineColor(), 0xE6E6E6);
  EXPECT_EQ(grid->GridFixedLineColor(), BrightenColor(0x80A0C0, -20));
  EXPECT_EQ(grid->BorderStyle(), fw::bsNone);
  TControlLook* look = grid->ControlLook();
  EXPECT_EQ(look->ControlStyle(), TControlStyle::csGlyph);
  EXPECT_TRUE(look->FlatButton());
  for (fw::TBitmap* glyph : {look->CheckedGlyph(), look->UnCheckedGlyph(), look->RadioOnGlyph(), look->RadioOffGlyph()}) {
    EXPECT_EQ(glyph->Width(), 16);
    EXPECT_EQ(glyph->Height(), 16);
  }
  // The metro strips stay with style 8 only.
  grid->ApplyStyle(8);
  EXPECT_EQ(grid->ScrollType(), ssMetro);
}

using testsupport::OfficeKeys;

TEST_F(LookTest, ThemeChangedAppliesTheSchemesStyleOncePerNewScheme) {
  OfficeKeys keys;
  if (keys.AlreadyThere()) GTEST_SKIP() << "Office keys exist in this prefix";
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  EXPECT_EQ(grid->LastScheme(), 10);

  keys.SetTheme("12.0", 2);  // scheme 5
  grid->ThemeChanged();
  EXPECT_EQ(grid->LastScheme(), 5);
  EXPECT_EQ(grid->CurrentStyle(), 9);
  EXPECT_EQ(grid->SelectionColor(), 0x95C7F5);

  grid->SetSelectionColor(0x123456);
  grid->ThemeChanged();  // the same scheme: nothing applied again
  EXPECT_EQ(grid->SelectionColor(), 0x123456);

  keys.SetTheme("14.0", 3);  // scheme 9
  grid->ThemeChanged();
  EXPECT_EQ(grid->LastScheme(), 9);
  EXPECT_EQ(grid->CurrentStyle(), 15);
  EXPECT_EQ(grid->GridFixedLineColor(), 0x444444);
}

}  // namespace
}  // namespace ui::testing
