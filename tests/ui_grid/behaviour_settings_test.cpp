// The grid's behaviour settings: navigation, mouse actions, the synchronised grid, row bands, balloon
// tooltips and the modified-row marker: their defaults, the setters with side effects, which writes tell
// the grid and Assign.
#include <gtest/gtest.h>

#include <functional>

#include "framework/controls/string_grid.h"
#include "tests/framework/stdctrl_test_support.h"
#include "tests/ui_grid/settings_test_support.h"
#include "ui/grid/settings/balloon_settings.h"
#include "ui/grid/settings/bands.h"
#include "ui/grid/settings/mouse_actions.h"
#include "ui/grid/settings/navigation.h"
#include "ui/grid/settings/show_modified.h"
#include "ui/grid/settings/sync_grid.h"

namespace ui::testing {
namespace {

template <class T>
struct Switch {
  const char* name;
  bool (T::*get)() const;
  void (T::*set)(bool);
  bool byDefault;
};

const Switch<TNavigation> kNavigationSwitches[] = {
    {"AllowInsertRow", &TNavigation::AllowInsertRow, &TNavigation::SetAllowInsertRow, false},
    {"AllowDeleteRow", &TNavigation::AllowDeleteRow, &TNavigation::SetAllowDeleteRow, false},
    {"AdvanceOnEnter", &TNavigation::AdvanceOnEnter, &TNavigation::SetAdvanceOnEnter, false},
    {"AdvanceInsert", &TNavigation::AdvanceInsert, &TNavigation::SetAdvanceInsert, false},
    {"AutoGotoWhenSorted", &TNavigation::AutoGotoWhenSorted, &TNavigation::SetAutoGotoWhenSorted, false},
    {"AutoGotoIncremental", &TNavigation::AutoGotoIncremental, &TNavigation::SetAutoGotoIncremental, false},
    {"AutoComboDropSize", &TNavigation::AutoComboDropSize, &TNavigation::SetAutoComboDropSize, false},
    {"AllowClipboardShortCuts", &TNavigation::AllowClipboardShortCuts, &TNavigation::SetAllowClipboardShortCuts, false},
    {"AllowRTFClipboard", &TNavigation::AllowRTFClipboard, &TNavigation::SetAllowRTFClipboard, false},
    {"AllowSmartClipboard", &TNavigation::AllowSmartClipboard, &TNavigation::SetAllowSmartClipboard, false},
    {"AllowClipboardAlways", &TNavigation::AllowClipboardAlways, &TNavigation::SetAllowClipboardAlways, false},
    {"AllowClipboardColGrow", &TNavigation::AllowClipboardColGrow, &TNavigation::SetAllowClipboardColGrow, true},
    {"AllowClipboardRowGrow", &TNavigation::AllowClipboardRowGrow, &TNavigation::SetAllowClipboardRowGrow, true},
    {"CopyHTMLTagsToClipboard", &TNavigation::CopyHTMLTagsToClipboard, &TNavigation::SetCopyHTMLTagsToClipboard, true},
    {"AdvanceAuto", &TNavigation::AdvanceAuto, &TNavigation::SetAdvanceAuto, false},
    {"AdvanceAutoEdit", &TNavigation::AdvanceAutoEdit, &TNavigation::SetAdvanceAutoEdit, true},
    {"CursorWalkEditor", &TNavigation::CursorWalkEditor, &TNavigation::SetCursorWalkEditor, false},
    {"CursorWalkAlwaysEdit", &TNavigation::CursorWalkAlwaysEdit, &TNavigation::SetCursorWalkAlwaysEdit, true},
    {"MoveRowOnSort", &TNavigation::MoveRowOnSort, &TNavigation::SetMoveRowOnSort, false},
    {"KeepScrollOnSort", &TNavigation::KeepScrollOnSort, &TNavigation::SetKeepScrollOnSort, false},
    {"ImproveMaskSel", &TNavigation::ImproveMaskSel, &TNavigation::SetImproveMaskSel, false},
    {"AlwaysEdit", &TNavigation::AlwaysEdit, &TNavigation::SetAlwaysEdit, false},
    {"LineFeedOnEnter", &TNavigation::LineFeedOnEnter, &TNavigation::SetLineFeedOnEnter, false},
    {"KeepHorizScroll", &TNavigation::KeepHorizScroll, &TNavigation::SetKeepHorizScroll, false},
    {"AllowFmtClipboard", &TNavigation::AllowFmtClipboard, &TNavigation::SetAllowFmtClipboard, false},
    {"TabToNextAtEnd", &TNavigation::TabToNextAtEnd, &TNavigation::SetTabToNextAtEnd, false},
    {"EditSelectAll", &TNavigation::EditSelectAll, &TNavigation::SetEditSelectAll, true},
    {"SkipFixedCells", &TNavigation::SkipFixedCells, &TNavigation::SetSkipFixedCells, true},
    {"SkipDisabledRows", &TNavigation::SkipDisabledRows, &TNavigation::SetSkipDisabledRows, true},
    {"AllowCtrlEnter", &TNavigation::AllowCtrlEnter, &TNavigation::SetAllowCtrlEnter, true},
    {"AppendOnArrowDown", &TNavigation::AppendOnArrowDown, &TNavigation::SetAppendOnArrowDown, false},
    {"LeftRightRowSelect", &TNavigation::LeftRightRowSelect, &TNavigation::SetLeftRightRowSelect, true},
    {"MoveScrollOnly", &TNavigation::MoveScrollOnly, &TNavigation::SetMoveScrollOnly, false},
    {"ComboGetUpDown", &TNavigation::ComboGetUpDown, &TNavigation::SetComboGetUpDown, true},
    {"AdvanceOnEnterLoop", &TNavigation::AdvanceOnEnterLoop, &TNavigation::SetAdvanceOnEnterLoop, true},
};

const Switch<TMouseActions> kMouseSwitches[] = {
    {"ColSelect", &TMouseActions::ColSelect, &TMouseActions::SetColSelect, false},
    {"RowSelect", &TMouseActions::RowSelect, &TMouseActions::SetRowSelect, false},
    {"AllSelect", &TMouseActions::AllSelect, &TMouseActions::SetAllSelect, false},
    {"DirectEdit", &TMouseActions::DirectEdit, &TMouseActions::SetDirectEdit, false},
    {"DirectComboDrop", &TMouseActions::DirectComboDrop, &TMouseActions::SetDirectComboDrop, false},
    {"DirectComboClose", &TMouseActions::DirectComboClose, &TMouseActions::SetDirectComboClose, false},
    {"DirectDateClose", &TMouseActions::DirectDateClose, &TMouseActions::SetDirectDateClose, false},
    {"DirectDateDrop", &TMouseActions::DirectDateDrop, &TMouseActions::SetDirectDateDrop, false},
    {"DisjunctRowSelect", &TMouseActions::DisjunctRowSelect, &TMouseActions::SetDisjunctRowSelect, false},
    {"DisjunctColSelect", &TMouseActions::DisjunctColSelect, &TMouseActions::SetDisjunctColSelect, false},
    {"AllColumnSize", &TMouseActions::AllColumnSize, &TMouseActions::SetAllColumnSize, false},
    {"AllRowSize", &TMouseActions::AllRowSize, &TMouseActions::SetAllRowSize, false},
    {"CaretPositioning", &TMouseActions::CaretPositioning, &TMouseActions::SetCaretPositioning, false},
    {"SizeFixedCol", &TMouseActions::SizeFixedCol, &TMouseActions::SetSizeFixedCol, false},
    {"SizeFixedRow", &TMouseActions::SizeFixedRow, &TMouseActions::SetSizeFixedRow, false},
    {"DisjunctCellSelect", &TMouseActions::DisjunctCellSelect, &TMouseActions::SetDisjunctCellSelect, false},
    {"HotmailRowSelect", &TMouseActions::HotmailRowSelect, &TMouseActions::SetHotmailRowSelect, false},
    {"RangeSelectAndEdit", &TMouseActions::RangeSelectAndEdit, &TMouseActions::SetRangeSelectAndEdit, false},
    {"NoAutoRangeScroll", &TMouseActions::NoAutoRangeScroll, &TMouseActions::SetNoAutoRangeScroll, false},
    {"PreciseCheckBoxCheck", &TMouseActions::PreciseCheckBoxCheck, &TMouseActions::SetPreciseCheckBoxCheck, false},
    {"PreciseNodeClick", &TMouseActions::PreciseNodeClick, &TMouseActions::SetPreciseNodeClick, true},
    {"CheckAllCheck", &TMouseActions::CheckAllCheck, &TMouseActions::SetCheckAllCheck, false},
    {"NodeAllExpandContract", &TMouseActions::NodeAllExpandContract, &TMouseActions::SetNodeAllExpandContract, false},
    {"MoveRowOnNodeClick", &TMouseActions::MoveRowOnNodeClick, &TMouseActions::SetMoveRowOnNodeClick, false},
    {"RowSelectPersistent", &TMouseActions::RowSelectPersistent, &TMouseActions::SetRowSelectPersistent, false},
    {"SelectOnRightClick", &TMouseActions::SelectOnRightClick, &TMouseActions::SetSelectOnRightClick, false},
    {"NoScrollOnPartialRow", &TMouseActions::NoScrollOnPartialRow, &TMouseActions::SetNoScrollOnPartialRow, false},
    {"AutoSizeColOnDblClick", &TMouseActions::AutoSizeColOnDblClick, &TMouseActions::SetAutoSizeColOnDblClick, true},
    {"EditOnDblClickOnly", &TMouseActions::EditOnDblClickOnly, &TMouseActions::SetEditOnDblClickOnly, false},
    {"DisjunctRowSelectNoCtrl", &TMouseActions::DisjunctRowSelectNoCtrl, &TMouseActions::SetDisjunctRowSelectNoCtrl,
     false},
};

// Every switch of the table at its default, then (on a second object) every switch turned over, which is
// what Assign must carry.
template <class T, std::size_t N>
void ExpectSwitchDefaults(T& settings, const Switch<T> (&table)[N]) {
  for (const Switch<T>& s : table) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ((settings.*s.get)(), s.byDefault);
  }
}
template <class T, std::size_t N>
void TurnEverySwitchOver(T& settings, const Switch<T> (&table)[N]) {
  for (const Switch<T>& s : table) (settings.*s.set)(!s.byDefault);
}
template <class T, std::size_t N>
void ExpectEverySwitchTurnedOver(T& settings, const Switch<T> (&table)[N]) {
  for (const Switch<T>& s : table) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ((settings.*s.get)(), !s.byDefault);
  }
}

// ---- navigation ----

TEST(Navigation, StartsWithItsDefaults) {
  TNavigation navigation;
  ExpectSwitchDefaults(navigation, kNavigationSwitches);
  EXPECT_EQ(navigation.ClipboardPasteAction(), paReplace);
  EXPECT_EQ(navigation.AdvanceDirection(), adLeftRight);
  EXPECT_EQ(navigation.InsertPosition(), pInsertBefore);
  EXPECT_EQ(navigation.HomeEndKey(), heFirstLastColumn);
  EXPECT_EQ(navigation.TabAdvanceDirection(), adLeftRight);
  EXPECT_EQ(navigation.CursorAdvance(), caDefault);
}

TEST(Navigation, AdvanceAutoSwitchesOnAdvanceOnEnterButNeverOff) {
  TNavigation navigation;
  navigation.SetAdvanceAuto(true);
  EXPECT_TRUE(navigation.AdvanceOnEnter());
  navigation.SetAdvanceAuto(false);
  EXPECT_TRUE(navigation.AdvanceOnEnter());
  EXPECT_FALSE(navigation.AdvanceAuto());

  // Unchanged, it does nothing: AdvanceOnEnter switched off in between stays off.
  navigation.SetAdvanceOnEnter(false);
  navigation.SetAdvanceAuto(false);
  EXPECT_FALSE(navigation.AdvanceOnEnter());
}

TEST(Navigation, OnlyAChangedAdvanceDirectionOrAdvanceInsertTellsTheGrid) {
  TNavigation navigation;
  Counter changes;
  navigation.OnChange = changes.Handler();
  struct Case {
    const char* what;
    std::function<void()> write;
    int tells;
  };
  const Case cases[] = {
      {"direction", [&] { navigation.SetAdvanceDirection(adTopBottom); }, 1},
      {"same direction", [&] { navigation.SetAdvanceDirection(adTopBottom); }, 0},
      {"insert", [&] { navigation.SetAdvanceInsert(true); }, 1},
      {"same insert", [&] { navigation.SetAdvanceInsert(true); }, 0},
      {"advance auto", [&] { navigation.SetAdvanceAuto(true); }, 0},
      {"every switch", [&] { TurnEverySwitchOver(navigation, kNavigationSwitches); }, 0},  // AdvanceInsert stays on
      {"insert off", [&] { navigation.SetAdvanceInsert(false); }, 1},
      {"tab direction", [&] { navigation.SetTabAdvanceDirection(adTopBottom); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    changes.count = 0;
    c.write();
    EXPECT_EQ(changes.count, c.tells);
  }
  EXPECT_EQ(changes.lastSender, &navigation);
}

TEST(Navigation, AssignCopiesEverySwitchWithoutTellingAndIgnoresAnotherClass) {
  TNavigation source, target;
  TurnEverySwitchOver(source, kNavigationSwitches);
  source.SetClipboardPasteAction(paInsert);
  source.SetAdvanceDirection(adTopBottom);
  source.SetInsertPosition(pInsertAfter);
  source.SetHomeEndKey(heFirstLastCell);
  source.SetTabAdvanceDirection(adTopBottom);
  source.SetCursorAdvance(caSnake);
  Counter sourceChanges, changes;
  source.OnChange = sourceChanges.Handler();
  target.OnChange = changes.Handler();

  target.Assign(&source);
  ExpectEverySwitchTurnedOver(target, kNavigationSwitches);
  EXPECT_EQ(target.ClipboardPasteAction(), paInsert);
  EXPECT_EQ(target.AdvanceDirection(), adTopBottom);
  EXPECT_EQ(target.InsertPosition(), pInsertAfter);
  EXPECT_EQ(target.HomeEndKey(), heFirstLastCell);
  EXPECT_EQ(target.TabAdvanceDirection(), adTopBottom);
  EXPECT_EQ(target.CursorAdvance(), caSnake);
  EXPECT_EQ(changes.count, 0);
  target.SetAdvanceInsert(false);
  EXPECT_EQ(changes.count, 1);  // its own handler stayed
  EXPECT_EQ(sourceChanges.count, 0);

  TNavigation fresh;
  TBands foreign;
  fresh.Assign(&foreign);
  fresh.Assign(nullptr);
  ExpectSwitchDefaults(fresh, kNavigationSwitches);
}

// ---- mouse actions ----

TEST(MouseActions, StartsWithItsDefaults) {
  TMouseActions mouse;
  ExpectSwitchDefaults(mouse, kMouseSwitches);
  EXPECT_EQ(mouse.FixedRowsEdit(), fceNone);
  EXPECT_EQ(mouse.FixedColsEdit(), fceNone);
  EXPECT_EQ(mouse.FixedRowsEditor(), fceEdit);
  EXPECT_EQ(mouse.FixedColsEditor(), fceEdit);
  EXPECT_EQ(mouse.WheelIncrement(), 0);
  EXPECT_EQ(mouse.WheelAction(), waMoveSelection);
  EXPECT_EQ(mouse.FixedComboValues()->Count(), 0);
}

TEST(MouseActions, HotmailRowSelectTurnsOnTheRowCheckBoxesAndAlwaysAsksForARepaint) {
  TMouseActions mouse;
  Counter repaints;
  mouse.OnRepaint = repaints.Handler();
  mouse.SetHotmailRowSelect(true);
  EXPECT_TRUE(mouse.DisjunctRowSelect());
  EXPECT_TRUE(mouse.CheckAllCheck());
  EXPECT_EQ(repaints.count, 1);
  mouse.SetHotmailRowSelect(true);
  EXPECT_EQ(repaints.count, 2);
  mouse.SetHotmailRowSelect(false);
  EXPECT_EQ(repaints.count, 3);
  EXPECT_TRUE(mouse.DisjunctRowSelect());  // switching off leaves them
  EXPECT_TRUE(mouse.CheckAllCheck());
  EXPECT_EQ(repaints.lastSender, &mouse);
}

TEST(MouseActions, WheelActionTellsWhenItChangesAndEditOnDblClickOnlyWhenSwitchedOn) {
  TMouseActions mouse;
  Counter changes, editOffs;
  mouse.OnChange = changes.Handler();
  mouse.OnEditOff = editOffs.Handler();
  mouse.SetWheelAction(waMoveSelection);
  EXPECT_EQ(changes.count, 0);
  mouse.SetWheelAction(waScroll);
  EXPECT_EQ(changes.count, 1);
  mouse.SetEditOnDblClickOnly(true);
  mouse.SetEditOnDblClickOnly(true);
  mouse.SetEditOnDblClickOnly(false);
  EXPECT_EQ(editOffs.count, 2);
  EXPECT_FALSE(mouse.EditOnDblClickOnly());

  // At run time the disjunct selection kinds combine.
  mouse.SetDisjunctRowSelect(true);
  mouse.SetDisjunctColSelect(true);
  mouse.SetDisjunctCellSelect(true);
  EXPECT_TRUE(mouse.DisjunctRowSelect());
  EXPECT_TRUE(mouse.DisjunctColSelect());
  EXPECT_EQ(changes.count, 1);
}

TEST(MouseActions, FixedComboValuesAndAssignCopyTheItemsIntoTheOwnList) {
  fw::TStringList values;
  values.Add("Alpha");
  values.Add("Bravo");
  TMouseActions source;
  source.SetFixedComboValues(&values);
  values.Add("Charlie");
  ASSERT_EQ(source.FixedComboValues()->Count(), 2);
  EXPECT_EQ(source.FixedComboValues()->Strings(1), "Bravo");

  TurnEverySwitchOver(source, kMouseSwitches);
  source.SetFixedRowsEdit(fceRightClick);
  source.SetFixedColsEdit(fceDblClick);
  source.SetFixedRowsEditor(fceComboList);
  source.SetFixedColsEditor(fceComboEdit);
  source.SetWheelIncrement(3);
  source.SetWheelAction(waScroll);
  TMouseActions target;
  Counter changes, repaints;
  target.OnChange = changes.Handler();
  target.OnRepaint = repaints.Handler();
  target.Assign(&source);
  ExpectEverySwitchTurnedOver(target, kMouseSwitches);
  EXPECT_EQ(target.FixedRowsEdit(), fceRightClick);
  EXPECT_EQ(target.FixedColsEdit(), fceDblClick);
  EXPECT_EQ(target.FixedRowsEditor(), fceComboList);
  EXPECT_EQ(target.FixedColsEditor(), fceComboEdit);
  EXPECT_EQ(target.WheelIncrement(), 3);
  EXPECT_EQ(target.WheelAction(), waScroll);
  ASSERT_EQ(target.FixedComboValues()->Count(), 2);
  EXPECT_NE(target.FixedComboValues(), source.FixedComboValues());
  EXPECT_EQ(changes.count + repaints.count, 0);

  source.FixedComboValues()->Clear();
  EXPECT_EQ(target.FixedComboValues()->Strings(0), "Alpha");
  TNavigation foreign;
  target.Assign(&foreign);
  EXPECT_EQ(target.WheelIncrement(), 3);
}

// ---- synchronised grid ----

using SyncGridTest = fw::testing::StdControlTest;

TEST_F(SyncGridTest, RefusesTheOwningGridAndKeepsThePreviousOne) {
  RecordingOwner owner;
  owner.self = Make<fw::TStringGrid>();
  auto* other = Make<fw::TStringGrid>();
  TSyncGrid sync(&owner);
  EXPECT_EQ(sync.Grid(), nullptr);
  EXPECT_FALSE(sync.ScrollHorizontal() || sync.ScrollVertical() || sync.SelectionRow() || sync.SelectionColumn() ||
               sync.MoveRow() || sync.MoveColumn());

  sync.SetGrid(other);
  EXPECT_EQ(sync.Grid(), other);
  sync.SetGrid(owner.self);
  EXPECT_EQ(sync.Grid(), other);
  sync.SetGrid(nullptr);
  EXPECT_EQ(sync.Grid(), nullptr);
}

TEST_F(SyncGridTest, AssignSetsTheGridThroughItsSetterAndCopiesTheSwitches) {
  RecordingOwner owner, otherOwner;
  owner.self = Make<fw::TStringGrid>();
  otherOwner.self = Make<fw::TStringGrid>();
  auto* third = Make<fw::TStringGrid>();
  TSyncGrid source(&otherOwner), target(&owner);
  source.SetGrid(owner.self);  // the target's own grid: the target refuses it
  source.SetScrollHorizontal(true);
  source.SetScrollVertical(true);
  source.SetSelectionRow(true);
  source.SetSelectionColumn(true);
  source.SetMoveRow(true);
  source.SetMoveColumn(true);
  target.SetGrid(third);

  target.Assign(&source);
  EXPECT_EQ(target.Grid(), third);
  EXPECT_TRUE(target.ScrollHorizontal() && target.ScrollVertical() && target.SelectionRow() &&
              target.SelectionColumn() && target.MoveRow() && target.MoveColumn());

  source.SetGrid(otherOwner.self);  // refused by the source itself
  EXPECT_EQ(source.Grid(), owner.self);
  source.SetGrid(third);
  target.SetGrid(nullptr);
  target.Assign(&source);
  EXPECT_EQ(target.Grid(), third);
  TBands foreign;
  target.Assign(&foreign);
  EXPECT_EQ(target.Grid(), third);
}

// ---- bands ----

TEST(Bands, StartWithOneRowEachInTooltipAndWindowColour) {
  TBands bands;
  EXPECT_FALSE(bands.Print());
  EXPECT_FALSE(bands.Active());
  EXPECT_EQ(bands.PrimaryLength(), 1);
  EXPECT_EQ(bands.SecondaryLength(), 1);
  EXPECT_EQ(bands.BandPeriod(), 2);
  EXPECT_EQ(bands.PrimaryColor(), static_cast<fw::TColor>(0x80000018));
  EXPECT_EQ(bands.SecondaryColor(), static_cast<fw::TColor>(0x80000005));
}

TEST(Bands, ThePeriodIsTheSumOfTheLengthsAndTheFirstPrimaryLengthRowsArePrimary) {
  TBands bands;
  bands.SetPrimaryColor(fw::clRed);
  bands.SetSecondaryColor(fw::clBlue);
  bands.SetPrimaryLength(3);
  EXPECT_EQ(bands.BandPeriod(), 4);
  const fw::TColor expected[] = {fw::clRed, fw::clRed, fw::clRed, fw::clBlue,
                                 fw::clRed, fw::clRed, fw::clRed, fw::clBlue};
  for (int offset = 0; offset < 8; ++offset) {
    SCOPED_TRACE(offset);
    fw::TColor color = fw::clNone;
    ASSERT_TRUE(bands.BandColorAt(offset, color));
    EXPECT_EQ(color, expected[offset]);
  }

  // No period, no bands; negative lengths are taken as they are.
  fw::TColor color = fw::clNone;
  bands.SetPrimaryLength(0);
  bands.SetSecondaryLength(0);
  EXPECT_EQ(bands.BandPeriod(), 0);
  EXPECT_FALSE(bands.BandColorAt(0, color));
  bands.SetPrimaryLength(-2);
  EXPECT_EQ(bands.PrimaryLength(), -2);
  EXPECT_EQ(bands.BandPeriod(), -2);
  EXPECT_FALSE(bands.BandColorAt(5, color));
  bands.SetSecondaryLength(4);
  ASSERT_TRUE(bands.BandColorAt(0, color));
  EXPECT_EQ(color, fw::clBlue);
}

TEST(Bands, ColoursAndLengthsTellTheGridOnlyWhileActive) {
  TBands bands;
  Counter changes;
  bands.OnChange = changes.Handler();
  struct Case {
    const char* what;
    std::function<void()> write;
    int tells;
  };
  const Case cases[] = {
      {"colour while inactive", [&] { bands.SetPrimaryColor(fw::clRed); }, 0},
      {"length while inactive", [&] { bands.SetSecondaryLength(2); }, 0},
      {"print", [&] { bands.SetPrint(true); }, 0},
      {"active", [&] { bands.SetActive(true); }, 1},
      {"same active", [&] { bands.SetActive(true); }, 0},
      {"colour while active", [&] { bands.SetSecondaryColor(fw::clGreen); }, 1},
      {"same colour", [&] { bands.SetSecondaryColor(fw::clGreen); }, 0},
      {"primary length", [&] { bands.SetPrimaryLength(5); }, 1},
      {"same length", [&] { bands.SetPrimaryLength(5); }, 0},
      {"inactive", [&] { bands.SetActive(false); }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    changes.count = 0;
    c.write();
    EXPECT_EQ(changes.count, c.tells);
  }
  EXPECT_EQ(bands.BandPeriod(), 7);
}

TEST(Bands, AssignCopiesTheValuesAndKeepsThePeriodTheSum) {
  TBands source, target;
  source.SetPrint(true);
  source.SetActive(true);
  source.SetPrimaryLength(2);
  source.SetSecondaryLength(3);
  source.SetPrimaryColor(fw::clRed);
  source.SetSecondaryColor(fw::clBlue);
  Counter changes;
  target.OnChange = changes.Handler();
  target.Assign(&source);
  EXPECT_TRUE(target.Print());
  EXPECT_TRUE(target.Active());
  EXPECT_EQ(target.PrimaryLength(), 2);
  EXPECT_EQ(target.SecondaryLength(), 3);
  EXPECT_EQ(target.BandPeriod(), 5);
  EXPECT_EQ(target.PrimaryColor(), fw::clRed);
  EXPECT_EQ(target.SecondaryColor(), fw::clBlue);
  EXPECT_EQ(changes.count, 0);
  TShowModified foreign;
  target.Assign(&foreign);
  EXPECT_EQ(target.BandPeriod(), 5);
}

// ---- balloon and modified-row marker ----

TEST(BalloonSettings, StartUnsetAndEveryEnableWriteTellsTheGrid) {
  TBalloonSettings balloon;
  EXPECT_FALSE(balloon.Initialised());
  EXPECT_EQ(balloon.BackgroundColor(), fw::clNone);
  EXPECT_EQ(balloon.TextColor(), fw::clNone);
  EXPECT_EQ(balloon.ReshowDelay(), -1);
  EXPECT_EQ(balloon.InitialDelay(), -1);
  EXPECT_EQ(balloon.AutoHideDelay(), -1);
  EXPECT_EQ(balloon.Transparency(), 0);
  EXPECT_FALSE(balloon.Enable());

  Counter changes;
  balloon.OnEnableChange = changes.Handler();
  balloon.SetEnable(false);
  balloon.SetEnable(true);
  balloon.SetEnable(true);
  balloon.SetInitialDelay(200);
  EXPECT_EQ(changes.count, 3);
  EXPECT_TRUE(balloon.Enable());

  TBalloonSettings copy;
  Counter copyChanges;
  copy.OnEnableChange = copyChanges.Handler();
  balloon.SetTextColor(fw::clRed);
  balloon.SetTransparency(40);
  balloon.SetInitialised(true);
  copy.Assign(&balloon);
  EXPECT_TRUE(copy.Enable());
  EXPECT_EQ(copy.InitialDelay(), 200);
  EXPECT_EQ(copy.TextColor(), fw::clRed);
  EXPECT_EQ(copy.Transparency(), 40);
  EXPECT_FALSE(copy.Initialised());  // the copy has no balloon window of its own
  EXPECT_EQ(copyChanges.count, 0);
}

TEST(ShowModified, StartsOffInYellowAndEveryColourWriteTellsTheGrid) {
  TShowModified marker;
  EXPECT_FALSE(marker.Enabled());
  EXPECT_EQ(marker.Color(), 0x0000FFFF);
  Counter changes;
  marker.OnChange = changes.Handler();
  marker.SetColor(fw::clYellow);
  marker.SetColor(fw::clRed);
  marker.SetEnabled(true);
  EXPECT_EQ(changes.count, 2);

  TShowModified copy;
  Counter copyChanges;
  copy.OnChange = copyChanges.Handler();
  copy.Assign(&marker);
  EXPECT_TRUE(copy.Enabled());
  EXPECT_EQ(copy.Color(), fw::clRed);
  EXPECT_EQ(copyChanges.count, 0);
  TBands foreign;
  copy.Assign(&foreign);
  EXPECT_EQ(copy.Color(), fw::clRed);
}

}  // namespace
}  // namespace ui::testing
