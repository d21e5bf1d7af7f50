// The string grid's life: its starting settings, the objects it owns (made in order, each freed once) and
// its subscription to the owner form's resize, with grids freed in either order.
#include <string>
#include <vector>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/model/grid_platform.h"

namespace ui::testing {
namespace {

using GridTest = fw::testing::StdControlTest;

TEST_F(GridTest, NewGridHasItsPublishedAndInternalDefaults) {
  auto* grid = Make<TVxStringGrid>();
  struct Case {
    const char* name;
    long long actual, expected;
  };
  const Case cases[] = {
      {"RowCount", grid->RowCount(), 10},
      {"ColCount", grid->ColCount(), 5},
      {"Width", grid->Width(), 400},
      {"Height", grid->Height(), 250},
      {"DefaultRowHeight", grid->DefaultRowHeight(), 22},
      {"RememberedDefaultRowHeight", grid->RememberedDefaultRowHeight(), 22},
      {"SelectionColor", grid->SelectionColor(), 0xEACAB6},
      {"SelectionColorTo", grid->SelectionColorTo, 0x1FFFFFFF},
      {"SelectionMirrorColor", grid->SelectionMirrorColor, 0x1FFFFFFF},
      {"SelectionMirrorColorTo", grid->SelectionMirrorColorTo, 0x1FFFFFFF},
      {"SelectionTextColor", grid->SelectionTextColor, 0},
      {"SelectionColorMixerFactor", grid->SelectionColorMixerFactor, 50},
      {"ActiveCellColor", grid->ActiveCellColor, 0x808080},
      {"ActiveCellColorTo", grid->ActiveCellColorTo, 0x1FFFFFFF},
      {"HintColor", grid->HintColor, static_cast<fw::TColor>(0x80000018)},
      {"HighlightColor", grid->HighlightColor, static_cast<fw::TColor>(0x8000000D)},
      {"HighlightTextColor", grid->HighlightTextColor, static_cast<fw::TColor>(0x8000000E)},
      {"URLColor", grid->URLColor, 0xFF0000},
      {"DisabledFontColor", grid->DisabledFontColor, 0xC0C0C0},
      {"ScrollColor", grid->ScrollColor, 0x1FFFFFFF},
      {"EnableHTML", grid->EnableHTML, 1},
      {"EnableWheel", grid->EnableWheel, 1},
      {"IntelliZoom", grid->IntelliZoom, 1},
      {"HideFocusRect", grid->HideFocusRect, 0},
      {"FixedAsButtons", grid->FixedAsButtons, 0},
      {"UseInternalHintClass", grid->UseInternalHintClass, 1},
      {"FilterNormalCellsOnly", grid->FilterNormalCellsOnly, 1},
      {"AutoFilterUpdate", grid->AutoFilterUpdate, 1},
      {"ShowDesignHelper", grid->ShowDesignHelper, 1},
      {"EnhRowColMove", grid->EnhRowColMove, 1},
      {"GridLineColor (inherited)", grid->GridLineColor(), 0xC0C0C0},
      {"WordWrap (inherited)", grid->WordWrap(), 1},
      {"CellMargin.X", grid->CellMargin().X, 2},
      {"CellMargin.Y", grid->CellMargin().Y, 2},
      {"PasswordChar", grid->PasswordChar(), '*'},
      {"CurrentStyle", grid->CurrentStyle(), 6},
      {"UpdateCount", grid->UpdateCount(), 0},
      {"FixedCellColors.From", grid->FixedCellColors().From, 0xFFFFFF},
      {"FixedCellColors.To", grid->FixedCellColors().To, static_cast<long long>(fw::ColorToRGB(fw::clBtnFace))},
      {"FixedCellColors.HoverFrom", grid->FixedCellColors().HoverFrom, fw::clNone},
      {"FixedFont bold", grid->FixedFont()->Style().Contains(fw::fsBold), 1},
      {"ActiveCellFont bold", grid->ActiveCellFont()->Style().Contains(fw::fsBold), 1},
      {"Look", grid->Look(), glXP},
      {"ScrollType", grid->ScrollType(), ssNormal},
      {"ScrollWidth", grid->ScrollWidth, GetSystemMetrics(SM_CXVSCROLL)},
      {"ScrollBars", grid->ScrollBars(), fw::ssBoth},
      {"ScrollBarAlways", grid->ScrollBarAlways, saNone},
      {"VAlignment", grid->VAlignment, vtaTop},
      {"DefaultEditor", grid->DefaultEditor, edNormal},
      {"DefaultAlignment", grid->DefaultAlignment(), fw::taLeftJustify},
      {"HoverFixedCells", grid->HoverFixedCells, hfNone},
      {"InvalidEntryIcon", grid->InvalidEntryIcon, ieWarning},
      {"FilterDropDownColumns", grid->FilterDropDownColumns, fdNormal},
      {"ShowSelection", grid->ShowSelection, 1},
      {"AutoSize", grid->AutoSize, 0},
      {"FixedRightCols", grid->FixedRightCols(), 0},
      {"FixedFooters", grid->FixedFooters(), 0},
      {"IntegralHeight", grid->IntegralHeight(), 0},
      {"SaveFixedCells", grid->SaveFixedCells, 1},
      {"SaveFixedCols", grid->SaveFixedCols, 0},
      {"SaveFixedRows", grid->SaveFixedRows, 0},
      {"BorderColor", grid->BorderColor(), grid->PlatformFlags().WinXP ? 0xB99D7F : 0x808080},
      {"FaceColors unset", grid->FaceColors().NormalFill, 0x1FFFFFFF},
      {"ColumnOrder empty", grid->ColumnOrder()->Count(), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
  EXPECT_EQ(grid->FloatFormat, "%.2f");
  EXPECT_EQ(grid->FilterDropDownClear, "(All)");
  EXPECT_EQ(grid->CheckTrue(), "Y");
  EXPECT_EQ(grid->CheckFalse(), "N");
  EXPECT_EQ(grid->FixedFont()->Name(), "Tahoma");
  // The settings objects answer to this grid as their owner.
  EXPECT_TRUE(grid->IsSettingsOwner(grid));
  EXPECT_FALSE(grid->IsSettingsOwner(Make<TVxStringGrid>()));
}

std::vector<std::string>* probeLog = nullptr;
void RecordOwnedObject(const char* name, bool made) {
  if (probeLog != nullptr) probeLog->push_back(std::string(made ? "+" : "-") + name);
}

TEST_F(GridTest, OwnedObjectsAreMadeInOrderAndEachFreedOnce) {
  std::vector<std::string> log;
  probeLog = &log;
  TVxStringGrid::OwnedObjectProbe = RecordOwnedObject;
  auto* grid = Make<TVxStringGrid>();
  const std::vector<std::string> made = {
      "+SpareFont",     "+PrintSettings", "+HTMLSettings", "+ControlLook",  "+Navigation",
      "+ColumnSize",    "+Bands",        "+SizeWhileTyping", "+MouseActions",
      "+ColumnHeaders", "+SavedColWidths", "+FixedFont",  "+ActiveCellFont", "+RowHeaders",
      "+SwapList",      "+LookupItems",  "+SortIndexes",  "+RowIndexes",    "+UnsortWork",
      "+MergedColumns", "+DisjunctCells", "+DisjunctRowSelect", "+ModifiedRows", "+DisabledRows",
      "+BackGround",    "+ControlList",   "+ProgressAppearance", "+SyncGrid", "+Balloon",     "+ShowModified",
      "+ColumnOrder",   "+RowCheckBox",  "+IgnoredColumns", "+DistinctValues"};
  EXPECT_EQ(log, made);
  log.clear();
  grid->Free();
  TVxStringGrid::OwnedObjectProbe = nullptr;
  probeLog = nullptr;
  std::vector<std::string> freed;
  for (const std::string& name : made) freed.push_back("-" + name.substr(1));
  EXPECT_EQ(log, freed);
}

TEST_F(GridTest, GridsOnOneFormFreedInEitherOrderKeepTheFormsOwnResizeHandler) {
  for (bool firstFreedFirst : {true, false}) {
    SCOPED_TRACE(firstFreedFirst ? "freed in creation order" : "freed in reverse order");
    int formResizes = 0;
    Form()->OnResize = [&formResizes](fw::TObject*) { ++formResizes; };
    auto* first = Make<TVxStringGrid>();
    auto* second = Make<TVxStringGrid>();
    EXPECT_EQ(TFormResizeHub::SubscriberCount(Form()), 2);
    (firstFreedFirst ? first : second)->Free();
    Form()->SetBounds(0, 0, 420 + formResizes, 300);
    EXPECT_EQ(formResizes, 1);
    (firstFreedFirst ? second : first)->Free();
    EXPECT_EQ(TFormResizeHub::SubscriberCount(Form()), 0);
    Form()->SetBounds(0, 0, 400, 320);
    EXPECT_EQ(formResizes, 2);  // the form's own handler is back in place, and no freed grid is called
  }
  // A form without a handler has none again once its grids are gone.
  Form()->OnResize = nullptr;
  Make<TVxStringGrid>()->Free();
  EXPECT_FALSE(Form()->OnResize);
}

TEST_F(GridTest, ResizeSubscriberFreedDuringTheResizeIsNotCalled) {
  int calls = 0;
  TFormResizeHub::TToken second = 0;
  const TFormResizeHub::TToken first = TFormResizeHub::Subscribe(Form(), [&](fw::TObject*) {
    ++calls;
    TFormResizeHub::Unsubscribe(Form(), second);
  });
  second = TFormResizeHub::Subscribe(Form(), [&](fw::TObject*) { calls += 100; });
  Form()->SetBounds(0, 0, 450, 300);
  EXPECT_EQ(calls, 1);
  TFormResizeHub::Unsubscribe(Form(), first);
  TFormResizeHub::Unsubscribe(Form(), 12345);  // unknown token: ignored
  EXPECT_EQ(TFormResizeHub::SubscriberCount(Form()), 0);
}

TEST_F(GridTest, FormDestroyedWithItsGridsFreesThemWithoutTouchingTheForm) {
  auto* form = fw::Create<fw::TForm>(&App());
  fw::testing::MakeChild<TVxStringGrid>(form, form, fw::TRect{});
  fw::testing::MakeChild<TVxStringGrid>(form, form, fw::TRect{});
  EXPECT_EQ(TFormResizeHub::SubscriberCount(form), 2);
  form->Free();
  EXPECT_EQ(TFormResizeHub::SubscriberCount(form), 0);
}

TEST_F(GridTest, EveryNewGridSetsTheProcessWideAnchorCursorAgain) {
  TVxStringGrid::AnchorCursor = fw::crDefault;
  Make<TVxStringGrid>();
  EXPECT_EQ(TVxStringGrid::AnchorCursor, fw::crHandPoint);
}

TEST_F(GridTest, PlatformFlagsFollowTheSystemAndNeverFailWithoutVersionResourceOrThemes) {
  struct Case {
    const char* name;
    TWindowsVersion version;
    std::int32_t comctl;  // the file version's high double word, -1 without a version resource
    bool winXP, win7, vista, comctl6;
    fw::TColor border;
  };
  const Case cases[] = {
      {"2000, no version resource", {5, 0}, -1, false, false, false, false, 0x808080},
      {"XP, common controls 5.82", {5, 1}, 0x00050052, true, false, false, false, 0xB99D7F},
      {"Vista, common controls 6.0", {6, 0}, 0x00060000, true, false, true, true, 0xB99D7F},
      {"7, no version resource", {6, 1}, -1, true, true, true, false, 0xB99D7F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string asked;
    const fw::ServiceDouble<TWindowsVersion()> version(GridWindowsVersion, [&] { return c.version; });
    const fw::ServiceDouble<std::int32_t(const std::string&)> file(GetFileVersion, [&](const std::string& name) {
      asked = name;
      return c.comctl;
    });
    auto* grid = Make<TVxStringGrid>();
    EXPECT_EQ(asked, "COMCTL32.DLL");
    EXPECT_EQ(grid->PlatformFlags().WinXP, c.winXP);
    EXPECT_EQ(grid->PlatformFlags().Win7, c.win7);
    EXPECT_EQ(grid->PlatformFlags().Vista, c.vista);
    EXPECT_EQ(grid->PlatformFlags().ComCtl6, c.comctl6);
    EXPECT_EQ(grid->BorderColor(), c.border);
    grid->Free();
  }
}

}  // namespace
}  // namespace ui::testing
