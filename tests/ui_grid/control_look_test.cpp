// The grid's control look and progress appearance: their defaults, which writes repaint the grid, the
// fixed-cell gradient setters and the grid's working copy, and Assign.
#include "ui/grid/settings/control_look.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/classes/component.h"
#include "tests/ui_grid/settings_test_support.h"
#include "ui/grid/settings/bands.h"
#include "ui/grid/settings/progress_appearance.h"

namespace ui::testing {
namespace {

constexpr fw::TColor kUntouched = 0x010203;

TFixedCellColors AllUntouched() {
  TFixedCellColors c;
  for (fw::TColor* p :
       {&c.From, &c.To, &c.MirrorFrom, &c.MirrorTo, &c.HoverFrom, &c.HoverTo, &c.HoverMirrorFrom, &c.HoverMirrorTo,
        &c.HoverBorder, &c.DownFrom, &c.DownTo, &c.DownMirrorFrom, &c.DownMirrorTo, &c.DownBorder})
    *p = kUntouched;
  return c;
}

fw::TColor Rgb(fw::TColor system) { return static_cast<fw::TColor>(GetSysColor(system & 0xFF)); }

// A grid component that owns the drop-down bars and a recording owner whose working copy starts as
// kUntouched everywhere, so that whatever the look writes into it shows.
class ControlLookTest : public ::testing::Test {
 protected:
  ControlLookTest() : grid_(new fw::TComponent(nullptr)) { owner_.colors = AllUntouched(); }
  std::unique_ptr<TControlLook> MakeLook() { return std::make_unique<TControlLook>(grid_.get(), &owner_); }

  std::unique_ptr<fw::TComponent> grid_;
  RecordingOwner owner_;
};

TEST_F(ControlLookTest, StartsWithItsDefaultsAndClearsOnlyTheHoverAndPressedMirrorsOfTheWorkingCopy) {
  auto look = MakeLook();
  EXPECT_EQ(look->CheckSize(), 15);
  EXPECT_EQ(look->RadioSize(), 10);
  EXPECT_EQ(look->ControlStyle(), TControlStyle::csTheme);
  EXPECT_EQ(look->Color(), fw::clBlack);
  EXPECT_FALSE(look->FlatButton());
  EXPECT_EQ(look->ProgressMarginX(), 2);
  EXPECT_EQ(look->ProgressMarginY(), 2);
  EXPECT_FALSE(look->ProgressXP() || look->DropDownAlwaysVisible() || look->SpinButtonsAlwaysVisible() ||
               look->NoDisabledCheckRadioLook() || look->NoDisabledButtonLook() || look->FixedDropDownButton() ||
               look->CheckAlwaysActive() || look->RadioAlwaysActive());
  EXPECT_EQ(look->CommentColor(), 255);
  EXPECT_EQ(look->ProgressBorderColor(), 0x808080);
  EXPECT_EQ(look->DropDownCount(), 8);
  for (fw::TBitmap* glyph : {look->CheckedGlyph(), look->UnCheckedGlyph(), look->RadioOnGlyph(), look->RadioOffGlyph()})
    EXPECT_TRUE(glyph->Empty());

  struct Case {
    const char* name;
    fw::TColor look, working, expected;
  };
  const Case gradients[] = {
      {"From", look->FixedGradientFrom(), owner_.colors.From, fw::clNone},
      {"To", look->FixedGradientTo(), owner_.colors.To, fw::clNone},
      {"MirrorFrom", look->FixedGradientMirrorFrom(), owner_.colors.MirrorFrom, fw::clNone},
      {"MirrorTo", look->FixedGradientMirrorTo(), owner_.colors.MirrorTo, fw::clNone},
      {"HoverFrom", look->FixedGradientHoverFrom(), owner_.colors.HoverFrom, 0x808080},
      {"HoverTo", look->FixedGradientHoverTo(), owner_.colors.HoverTo, 0xFFFFFF},
      {"HoverBorder", look->FixedGradientHoverBorder(), owner_.colors.HoverBorder, 0xC0C0C0},
      {"DownFrom", look->FixedGradientDownFrom(), owner_.colors.DownFrom, 0x808080},
      {"DownTo", look->FixedGradientDownTo(), owner_.colors.DownTo, 0xC0C0C0},
      {"DownBorder", look->FixedGradientDownBorder(), owner_.colors.DownBorder, 0x808080},
  };
  for (const Case& c : gradients) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.look, c.expected);
    EXPECT_EQ(c.working, kUntouched);  // stored plainly
  }
  for (fw::TColor mirror :
       {look->FixedGradientHoverMirrorFrom(), look->FixedGradientHoverMirrorTo(), look->FixedGradientDownMirrorFrom(),
        look->FixedGradientDownMirrorTo(), owner_.colors.HoverMirrorFrom, owner_.colors.HoverMirrorTo,
        owner_.colors.DownMirrorFrom, owner_.colors.DownMirrorTo})
    EXPECT_EQ(mirror, fw::clNone);
  EXPECT_EQ(owner_.repaints, 0);

  // The drop-down bars belong to the grid.
  EXPECT_EQ(look->DropDownHeader()->GetOwner(), grid_.get());
  EXPECT_EQ(look->DropDownFooter()->GetOwner(), grid_.get());
  EXPECT_EQ(look->DropDownHeader()->Height(), 22);
  EXPECT_TRUE(look->DropDownFooter()->SizeGrip());
}

TEST_F(ControlLookTest, DrawingSettingsRepaintOnEveryWriteAndPlainFieldsDoNot) {
  auto look = MakeLook();
  fw::TBitmap glyph;
  glyph.SetSize(13, 11);
  THeaderAppearance header(nullptr);
  header.SetCaption("Pick one");
  TFooterAppearance footer(nullptr);
  footer.SetSizeGrip(false);
  struct Case {
    const char* what;
    std::function<void()> write;
    std::function<bool()> stored;
    int repaints;
  };
  const Case cases[] = {
      {"CheckSize", [&] { look->SetCheckSize(15); }, [&] { return look->CheckSize() == 15; }, 1},  // no comparison
      {"RadioSize", [&] { look->SetRadioSize(12); }, [&] { return look->RadioSize() == 12; }, 1},
      {"Color", [&] { look->SetColor(fw::clRed); }, [&] { return look->Color() == fw::clRed; }, 1},
      {"ControlStyle", [&] { look->SetControlStyle(TControlStyle::csGlyph); },
       [&] { return look->ControlStyle() == TControlStyle::csGlyph; }, 1},
      {"CommentColor", [&] { look->SetCommentColor(fw::clBlue); }, [&] { return look->CommentColor() == fw::clBlue; },
       1},
      {"FlatButton", [&] { look->SetFlatButton(true); }, [&] { return look->FlatButton(); }, 1},
      {"NoDisabledCheckRadioLook", [&] { look->SetNoDisabledCheckRadioLook(true); },
       [&] { return look->NoDisabledCheckRadioLook(); }, 1},
      {"NoDisabledButtonLook", [&] { look->SetNoDisabledButtonLook(true); },
       [&] { return look->NoDisabledButtonLook(); }, 1},
      {"ProgressMarginX", [&] { look->SetProgressMarginX(4); }, [&] { return look->ProgressMarginX() == 4; }, 1},
      {"ProgressMarginY", [&] { look->SetProgressMarginY(5); }, [&] { return look->ProgressMarginY() == 5; }, 1},
      {"ProgressXP", [&] { look->SetProgressXP(true); }, [&] { return look->ProgressXP(); }, 1},
      {"DropDownAlwaysVisible", [&] { look->SetDropDownAlwaysVisible(true); },
       [&] { return look->DropDownAlwaysVisible(); }, 1},
      {"SpinButtonsAlwaysVisible", [&] { look->SetSpinButtonsAlwaysVisible(true); },
       [&] { return look->SpinButtonsAlwaysVisible(); }, 1},
      {"CheckedGlyph", [&] { look->SetCheckedGlyph(&glyph); },
       [&] { return look->CheckedGlyph() != &glyph && look->CheckedGlyph()->Width() == 13; }, 1},
      {"UnCheckedGlyph", [&] { look->SetUnCheckedGlyph(&glyph); },
       [&] { return look->UnCheckedGlyph()->Height() == 11; }, 1},
      {"RadioOnGlyph", [&] { look->SetRadioOnGlyph(&glyph); }, [&] { return !look->RadioOnGlyph()->Empty(); }, 1},
      {"RadioOffGlyph", [&] { look->SetRadioOffGlyph(&glyph); }, [&] { return !look->RadioOffGlyph()->Empty(); }, 1},
      {"ProgressBorderColor", [&] { look->SetProgressBorderColor(fw::clGreen); },
       [&] { return look->ProgressBorderColor() == fw::clGreen; }, 0},
      {"FixedDropDownButton", [&] { look->SetFixedDropDownButton(true); }, [&] { return look->FixedDropDownButton(); },
       0},
      {"CheckAlwaysActive", [&] { look->SetCheckAlwaysActive(true); }, [&] { return look->CheckAlwaysActive(); }, 0},
      {"RadioAlwaysActive", [&] { look->SetRadioAlwaysActive(true); }, [&] { return look->RadioAlwaysActive(); }, 0},
      {"DropDownCount", [&] { look->SetDropDownCount(12); }, [&] { return look->DropDownCount() == 12; }, 0},
      {"DropDownHeader", [&] { look->SetDropDownHeader(&header); },
       [&] { return look->DropDownHeader() != &header && look->DropDownHeader()->Caption() == "Pick one"; }, 0},
      {"DropDownFooter", [&] { look->SetDropDownFooter(&footer); }, [&] { return !look->DropDownFooter()->SizeGrip(); },
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    owner_.repaints = 0;
    c.write();
    EXPECT_TRUE(c.stored());
    EXPECT_EQ(owner_.repaints, c.repaints);
  }
}

TEST_F(ControlLookTest, EachKindOfGradientSetterWritesTheWorkingCopyByItsOwnRule) {
  auto look = MakeLook();
  using Setter = void (TControlLook::*)(fw::TColor);
  using Getter = fw::TColor (TControlLook::*)() const;
  struct Case {
    const char* name;
    Setter set;
    Getter get;
    fw::TColor TFixedCellColors::*working;
    fw::TColor value, expectedWorking;
    int repaints;
  };
  const Case cases[] = {
      // Normal From and To: a set colour resolved, with a repaint; clNone only stored.
      {"From", &TControlLook::SetFixedGradientFrom, &TControlLook::FixedGradientFrom, &TFixedCellColors::From,
       fw::clRed, fw::clRed, 1},
      {"From system", &TControlLook::SetFixedGradientFrom, &TControlLook::FixedGradientFrom, &TFixedCellColors::From,
       fw::clBtnFace, Rgb(fw::clBtnFace), 1},
      {"From none", &TControlLook::SetFixedGradientFrom, &TControlLook::FixedGradientFrom, &TFixedCellColors::From,
       fw::clNone, kUntouched, 0},
      {"To system", &TControlLook::SetFixedGradientTo, &TControlLook::FixedGradientTo, &TFixedCellColors::To,
       fw::clHighlight, Rgb(fw::clHighlight), 1},
      {"To none", &TControlLook::SetFixedGradientTo, &TControlLook::FixedGradientTo, &TFixedCellColors::To, fw::clNone,
       kUntouched, 0},
      // Normal mirrors: always, resolved, with a repaint; clNone stays the "not set" it is.
      {"MirrorFrom none", &TControlLook::SetFixedGradientMirrorFrom, &TControlLook::FixedGradientMirrorFrom,
       &TFixedCellColors::MirrorFrom, fw::clNone, fw::clNone, 1},
      {"MirrorTo system", &TControlLook::SetFixedGradientMirrorTo, &TControlLook::FixedGradientMirrorTo,
       &TFixedCellColors::MirrorTo, fw::clBtnShadow, Rgb(fw::clBtnShadow), 1},
      // Hover and pressed: a set colour as it is, no repaint; clNone only stored.
      {"HoverFrom system", &TControlLook::SetFixedGradientHoverFrom, &TControlLook::FixedGradientHoverFrom,
       &TFixedCellColors::HoverFrom, fw::clBtnFace, fw::clBtnFace, 0},
      {"HoverTo", &TControlLook::SetFixedGradientHoverTo, &TControlLook::FixedGradientHoverTo,
       &TFixedCellColors::HoverTo, fw::clGreen, fw::clGreen, 0},
      {"HoverTo none", &TControlLook::SetFixedGradientHoverTo, &TControlLook::FixedGradientHoverTo,
       &TFixedCellColors::HoverTo, fw::clNone, kUntouched, 0},
      {"HoverBorder", &TControlLook::SetFixedGradientHoverBorder, &TControlLook::FixedGradientHoverBorder,
       &TFixedCellColors::HoverBorder, fw::clRed, fw::clRed, 0},
      {"DownFrom none", &TControlLook::SetFixedGradientDownFrom, &TControlLook::FixedGradientDownFrom,
       &TFixedCellColors::DownFrom, fw::clNone, kUntouched, 0},
      {"DownTo", &TControlLook::SetFixedGradientDownTo, &TControlLook::FixedGradientDownTo, &TFixedCellColors::DownTo,
       fw::clBlue, fw::clBlue, 0},
      {"DownBorder none", &TControlLook::SetFixedGradientDownBorder, &TControlLook::FixedGradientDownBorder,
       &TFixedCellColors::DownBorder, fw::clNone, kUntouched, 0},
      // Hover and pressed mirrors: always, as they are, no repaint.
      {"HoverMirrorFrom system", &TControlLook::SetFixedGradientHoverMirrorFrom,
       &TControlLook::FixedGradientHoverMirrorFrom, &TFixedCellColors::HoverMirrorFrom, fw::clBtnFace, fw::clBtnFace,
       0},
      {"HoverMirrorTo none", &TControlLook::SetFixedGradientHoverMirrorTo, &TControlLook::FixedGradientHoverMirrorTo,
       &TFixedCellColors::HoverMirrorTo, fw::clNone, fw::clNone, 0},
      {"DownMirrorFrom", &TControlLook::SetFixedGradientDownMirrorFrom, &TControlLook::FixedGradientDownMirrorFrom,
       &TFixedCellColors::DownMirrorFrom, fw::clRed, fw::clRed, 0},
      {"DownMirrorTo none", &TControlLook::SetFixedGradientDownMirrorTo, &TControlLook::FixedGradientDownMirrorTo,
       &TFixedCellColors::DownMirrorTo, fw::clNone, fw::clNone, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    owner_.colors = AllUntouched();
    owner_.repaints = 0;
    ((*look).*c.set)(c.value);
    EXPECT_EQ(((*look).*c.get)(), c.value);  // the look keeps what was written
    EXPECT_EQ(owner_.colors.*c.working, c.expectedWorking);
    EXPECT_EQ(owner_.repaints, c.repaints);
  }
}

TEST_F(ControlLookTest, SetDefaultsRestoresTheColoursOnly) {
  auto look = MakeLook();
  look->SetCheckSize(20);
  look->SetColor(fw::clRed);
  look->SetCommentColor(fw::clBlue);
  look->SetProgressBorderColor(fw::clGreen);
  look->SetFixedGradientFrom(fw::clRed);
  look->SetFixedGradientHoverMirrorTo(fw::clRed);
  look->SetFixedGradientDownBorder(fw::clRed);
  owner_.repaints = 0;

  look->SetDefaults();
  EXPECT_EQ(look->CheckSize(), 20);
  EXPECT_EQ(look->Color(), fw::clBlack);
  EXPECT_EQ(look->CommentColor(), fw::clRed);
  EXPECT_EQ(look->ProgressBorderColor(), fw::clGray);
  EXPECT_EQ(look->FixedGradientFrom(), fw::clNone);
  EXPECT_EQ(look->FixedGradientDownBorder(), fw::clGray);
  EXPECT_EQ(owner_.colors.From, fw::clRed);  // stored plainly: the working copy keeps it
  EXPECT_EQ(owner_.colors.DownBorder, fw::clRed);
  EXPECT_EQ(owner_.colors.HoverMirrorTo, fw::clNone);  // through the setter
  EXPECT_EQ(owner_.repaints, 0);
}

TEST_F(ControlLookTest, AssignCopiesTheLookButLeavesTheWorkingCopyAndThePaintingAlone) {
  RecordingOwner sourceOwner;
  TControlLook source(grid_.get(), &sourceOwner);
  fw::TBitmap glyph;
  glyph.SetSize(9, 9);
  source.SetCheckSize(18);
  source.SetRadioSize(14);
  source.SetControlStyle(TControlStyle::csFlat);
  source.SetCheckedGlyph(&glyph);
  source.SetRadioOffGlyph(&glyph);
  source.SetProgressMarginX(3);
  source.SetProgressMarginY(4);
  source.SetCommentColor(fw::clBlue);
  source.SetColor(fw::clGreen);
  source.SetProgressBorderColor(fw::clRed);
  source.SetCheckAlwaysActive(true);
  source.SetRadioAlwaysActive(true);
  source.SetFixedGradientFrom(fw::clBtnFace);
  source.SetFixedGradientMirrorTo(fw::clRed);
  source.SetFixedGradientHoverBorder(fw::clBlue);
  source.SetFixedGradientDownMirrorFrom(fw::clGreen);
  source.SetDropDownAlwaysVisible(true);
  source.SetSpinButtonsAlwaysVisible(true);
  source.SetDropDownCount(20);
  source.DropDownHeader()->SetCaption("Head");
  source.DropDownFooter()->SetSizeGrip(false);

  auto look = MakeLook();
  owner_.colors = AllUntouched();
  owner_.repaints = 0;
  look->Assign(&source);
  EXPECT_EQ(look->CheckSize(), 18);
  EXPECT_EQ(look->RadioSize(), 14);
  EXPECT_EQ(look->ControlStyle(), TControlStyle::csFlat);
  EXPECT_EQ(look->CheckedGlyph()->Width(), 9);
  EXPECT_EQ(look->RadioOffGlyph()->Height(), 9);
  EXPECT_TRUE(look->UnCheckedGlyph()->Empty());
  EXPECT_EQ(look->ProgressMarginX(), 3);
  EXPECT_EQ(look->ProgressMarginY(), 4);
  EXPECT_EQ(look->CommentColor(), fw::clBlue);
  EXPECT_EQ(look->Color(), fw::clGreen);
  EXPECT_EQ(look->ProgressBorderColor(), fw::clRed);
  EXPECT_TRUE(look->CheckAlwaysActive() && look->RadioAlwaysActive());
  EXPECT_EQ(look->FixedGradientFrom(), fw::clBtnFace);  // the look's value, not the resolved one
  EXPECT_EQ(look->FixedGradientMirrorTo(), fw::clRed);
  EXPECT_EQ(look->FixedGradientHoverBorder(), fw::clBlue);
  EXPECT_EQ(look->FixedGradientDownMirrorFrom(), fw::clGreen);
  EXPECT_EQ(look->FixedGradientHoverTo(), 0xFFFFFF);
  EXPECT_TRUE(look->DropDownAlwaysVisible() && look->SpinButtonsAlwaysVisible());
  EXPECT_EQ(look->DropDownCount(), 20);
  EXPECT_EQ(look->DropDownHeader()->Caption(), "Head");
  EXPECT_FALSE(look->DropDownFooter()->SizeGrip());

  EXPECT_TRUE(owner_.colors == AllUntouched());
  EXPECT_EQ(owner_.repaints, 0);

  TBands foreign;
  look->Assign(&foreign);
  look->Assign(nullptr);
  EXPECT_EQ(look->CheckSize(), 18);
}

// ---- progress appearance ----

struct ProgressValue {
  const char* name;
  std::int32_t (TGridProgressAppearance::*get)() const;
  void (TGridProgressAppearance::*set)(std::int32_t);
  std::int32_t byDefault;
};

const ProgressValue kProgressValues[] = {
    {"UnCompleteFontColor", &TGridProgressAppearance::UnCompleteFontColor,
     &TGridProgressAppearance::SetUnCompleteFontColor, static_cast<std::int32_t>(0x80000008)},
    {"CompleteColor", &TGridProgressAppearance::CompleteColor, &TGridProgressAppearance::SetCompleteColor, 255},
    {"UnCompleteColor", &TGridProgressAppearance::UnCompleteColor, &TGridProgressAppearance::SetUnCompleteColor,
     0x1FFFFFFF},
    {"CompleteFontColor", &TGridProgressAppearance::CompleteFontColor, &TGridProgressAppearance::SetCompleteFontColor,
     0xFF0000},
    {"Level2Perc", &TGridProgressAppearance::Level2Perc, &TGridProgressAppearance::SetLevel2Perc, 90},
    {"Level1Perc", &TGridProgressAppearance::Level1Perc, &TGridProgressAppearance::SetLevel1Perc, 70},
    {"Steps", &TGridProgressAppearance::Steps, &TGridProgressAppearance::SetSteps, 11},
    {"Level3Color", &TGridProgressAppearance::Level3Color, &TGridProgressAppearance::SetLevel3Color, 255},
    {"Level1Color", &TGridProgressAppearance::Level1Color, &TGridProgressAppearance::SetLevel1Color, 0x00FFFF},
    {"Level0Color", &TGridProgressAppearance::Level0Color, &TGridProgressAppearance::SetLevel0Color, 0x00FF00},
    {"Level3ColorTo", &TGridProgressAppearance::Level3ColorTo, &TGridProgressAppearance::SetLevel3ColorTo, 0xCACAFF},
    {"Level2ColorTo", &TGridProgressAppearance::Level2ColorTo, &TGridProgressAppearance::SetLevel2ColorTo, 0xA8D3FF},
    {"Level0ColorTo", &TGridProgressAppearance::Level0ColorTo, &TGridProgressAppearance::SetLevel0ColorTo, 0xE1FFE1},
    {"Level1ColorTo", &TGridProgressAppearance::Level1ColorTo, &TGridProgressAppearance::SetLevel1ColorTo, 0xCAFFFF},
    {"BorderColor", &TGridProgressAppearance::BorderColor, &TGridProgressAppearance::SetBorderColor, 0},
    {"Level2Color", &TGridProgressAppearance::Level2Color, &TGridProgressAppearance::SetLevel2Color, 0x53A9FF},
};

struct ProgressSwitch {
  const char* name;
  bool (TGridProgressAppearance::*get)() const;
  void (TGridProgressAppearance::*set)(bool);
  bool byDefault;
};

const ProgressSwitch kProgressSwitches[] = {
    {"Stacked", &TGridProgressAppearance::Stacked, &TGridProgressAppearance::SetStacked, false},
    {"ShowPercentage", &TGridProgressAppearance::ShowPercentage, &TGridProgressAppearance::SetShowPercentage, true},
    {"ShowBorder", &TGridProgressAppearance::ShowBorder, &TGridProgressAppearance::SetShowBorder, false},
    {"CompletionSmooth", &TGridProgressAppearance::CompletionSmooth, &TGridProgressAppearance::SetCompletionSmooth,
     true},
    {"ShowGradient", &TGridProgressAppearance::ShowGradient, &TGridProgressAppearance::SetShowGradient, true},
};

TEST(GridProgressAppearance, EveryValueStartsAtItsDefaultAndTellsOnChangeOnlyWhenItChanges) {
  TGridProgressAppearance progress;
  Counter changes;
  progress.OnChange = changes.Handler();
  EXPECT_EQ(progress.Style(), 0);
  for (const ProgressValue& p : kProgressValues) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ((progress.*p.get)(), p.byDefault);
    changes.count = 0;
    (progress.*p.set)(p.byDefault);
    EXPECT_EQ(changes.count, 0);
    (progress.*p.set)(p.byDefault + 1);
    EXPECT_EQ(changes.count, 1);
  }
  for (const ProgressSwitch& s : kProgressSwitches) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ((progress.*s.get)(), s.byDefault);
    changes.count = 0;
    (progress.*s.set)(s.byDefault);
    EXPECT_EQ(changes.count, 0);
    (progress.*s.set)(!s.byDefault);
    EXPECT_EQ(changes.count, 1);
  }
  EXPECT_EQ(changes.lastSender, &progress);
}

TEST(GridProgressAppearance, AssignCopiesEveryValueAndTellsOnChangeOnce) {
  TGridProgressAppearance source, target;
  for (const ProgressValue& p : kProgressValues) (source.*p.set)(p.byDefault + 7);
  for (const ProgressSwitch& s : kProgressSwitches) (source.*s.set)(!s.byDefault);
  Counter changes;
  target.OnChange = changes.Handler();
  target.Assign(&source);
  EXPECT_EQ(changes.count, 1);
  for (const ProgressValue& p : kProgressValues) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ((target.*p.get)(), p.byDefault + 7);
  }
  for (const ProgressSwitch& s : kProgressSwitches) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ((target.*s.get)(), !s.byDefault);
  }

  target.Assign(&source);  // nothing differs, still once
  EXPECT_EQ(changes.count, 2);
  TBands foreign;
  target.Assign(&foreign);
  target.Assign(nullptr);
  EXPECT_EQ(changes.count, 2);
}

}  // namespace
}  // namespace ui::testing
