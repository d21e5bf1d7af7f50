// The string grid's window and lifecycle: window creation (timer, theme flag), loading, copying another
// grid, the skipped repaint, the scroll bars kept shown, the edit mask, the parent form and the wheel
// component moving a real grid's row.
#include <string>

#include "components/input/mswheel.h"
#include "framework/controls/panel.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/grid_platform.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using GridWindowTest = fw::testing::StdControlTest;

// Opens the protected members a test needs.
class OpenGrid : public TVxStringGrid {
 public:
  using TVxStringGrid::TVxStringGrid;
  using TVxStringGrid::GetEditMask;
  void SkipNextInvalidate() { skipNextInvalidate_ = true; }
};

TEST_F(GridWindowTest, CreatingTheWindowStartsTheGridTimerAndChecksTheTheme) {
  for (bool themesActive : {true, false}) {
    SCOPED_TRACE(themesActive ? "themes active" : "themes off");
    const fw::ServiceDouble<TWindowsVersion()> version(GridWindowsVersion, [] { return TWindowsVersion{6, 1}; });
    const fw::ServiceDouble<bool()> themes(GridThemeActive, [&] { return themesActive; });
    auto* grid = Make<TVxStringGrid>();
    const HWND window = grid->Handle();
    EXPECT_EQ(grid->PlatformFlags().WinXP, themesActive);  // Windows 7: set until the theme says otherwise
    // KillTimer succeeds only for a running timer.
    EXPECT_TRUE(KillTimer(window, 111));
    EXPECT_FALSE(KillTimer(window, 111));
    EXPECT_EQ(grid->WheelMessage(), static_cast<UINT>(WM_MOUSEWHEEL));
    EXPECT_GT(grid->WheelScrollLines(), 0);
    grid->Free();
  }
}

TEST_F(GridWindowTest, LoadingTakesTheStoredFixedAreasAndMovesTheAlwaysEditOption) {
  const fw::ServiceDouble<TWindowsVersion()> version(GridWindowsVersion, [] { return TWindowsVersion{5, 0}; });
  fw::BeginLoading(Form());
  auto* grid = Make<TVxStringGrid>();
  grid->SetFixedRowAlways(true);
  grid->SetRowCount(7);
  grid->SetFixedRows(2);  // while loading: taken from the framework at the end
  grid->SetOptions(fw::TGridOptions(grid->Options()).Include(fw::goAlwaysShowEditor));
  EXPECT_FALSE(grid->LoadedOnce());
  fw::EndLoading(Form());

  EXPECT_TRUE(grid->LoadedOnce());
  EXPECT_FALSE(grid->Options().Contains(fw::goAlwaysShowEditor));
  EXPECT_TRUE(grid->Navigation()->AlwaysEdit());
  EXPECT_EQ(grid->LargestRowCount(), 7);
  EXPECT_EQ(grid->ColumnOrder()->CommaText(), "0,1,2,3,4");
  // Without visual styles a themed control look falls back to the classic one.
  EXPECT_EQ(grid->ControlLook()->ControlStyle(), TControlStyle::csClassic);
  // The loaded fixed rows are the request that comes back when the grid grows again.
  grid->SetRowCount(2);
  EXPECT_EQ(grid->FixedRows(), 1);
  grid->SetRowCount(5);
  EXPECT_EQ(grid->FixedRows(), 2);
}

TEST_F(GridWindowTest, AssignCopiesAnotherStringGridSoThatEverySizeLands) {
  auto* source = Make<TVxStringGrid>();
  source->SetFixedRowAlways(true);
  source->SetColCount(8);
  source->SetRowCount(12);
  source->SetFixedRows(2);
  source->SetDefaultColWidth(40);
  source->SetDefaultRowHeight(18);
  source->SetFixedRowHeight(25);
  source->SetColWidths(7, 90);  // a column the target gains only through the count
  source->SetRowHeights(11, 35);  // a height the default row height would reset
  source->ColumnHeaders()->Add("Name");
  source->ActiveCellColor = 0x123456;
  source->InvalidEntryTitle = "Bad";
  source->ScrollBarAlways = saVert;
  source->SetScrollType(ssFlat);
  source->Navigation()->SetAlwaysEdit(true);
  source->Font()->SetName("Arial");

  auto* target = Make<TVxStringGrid>();
  target->Assign(source);
  struct Case {
    const char* name;
    long long actual, expected;
  };
  const Case cases[] = {
      {"ColCount", target->ColCount(), 8},
      {"RowCount", target->RowCount(), 12},
      {"FixedRows", target->FixedRows(), 2},
      {"FixedRowAlways", target->FixedRowAlways(), 1},
      {"DefaultColWidth", target->DefaultColWidth(), 40},
      {"DefaultRowHeight", target->DefaultRowHeight(), 18},
      {"FixedRowHeight", target->FixedRowHeight(), 25},
      {"fixed row height", target->RowHeights(1), 25},
      {"last column's width", target->ColWidths(7), 90},
      {"last row's height", target->RowHeights(11), 35},
      {"ActiveCellColor", target->ActiveCellColor, 0x123456},
      {"ScrollBarAlways", target->ScrollBarAlways, saVert},
      {"ScrollType", target->ScrollType(), ssFlat},
      {"Navigation", target->Navigation()->AlwaysEdit(), 1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
  EXPECT_EQ(target->ColumnHeaders()->Strings(0), "Name");
  EXPECT_EQ(target->InvalidEntryTitle, "Bad");
  EXPECT_EQ(target->Font()->Name(), "Arial");

  // Anything but a string grid changes nothing.
  auto* other = Make<TVxStringGrid>();
  other->Assign(source->Font());
  other->Assign(Make<fw::TStringGrid>());
  EXPECT_EQ(other->RowCount(), 10);
  EXPECT_EQ(other->ColCount(), 5);
  EXPECT_NE(other->Font()->Name(), "Arial");
}

TEST_F(GridWindowTest, ASkippedInvalidationSwallowsOneRepaint) {
  Form()->Show();
  auto* grid = Make<OpenGrid>();
  ProcessMessages();
  ValidateRect(grid->Handle(), nullptr);
  grid->SkipNextInvalidate();
  grid->Invalidate();
  EXPECT_FALSE(GetUpdateRect(grid->Handle(), nullptr, FALSE));
  grid->Invalidate();
  EXPECT_TRUE(GetUpdateRect(grid->Handle(), nullptr, FALSE));
}

bool BarShown(HWND window, LONG bar) { return (GetWindowLongA(window, GWL_STYLE) & bar) != 0; }
bool BarDisabled(HWND window, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  return GetScrollBarInfo(window, object, &info) && (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
}

TEST_F(GridWindowTest, ScrollBarsAlwaysStayShownDisabledWhileEverythingFits) {
  Form()->Show();
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(2);
  grid->SetRowCount(3);
  const HWND window = grid->Handle();
  EXPECT_FALSE(BarShown(window, WS_VSCROLL));
  grid->ScrollBarAlways = saVert;
  grid->UpdateScrollBarsAlways(false);
  EXPECT_TRUE(BarShown(window, WS_VSCROLL));
  EXPECT_TRUE(BarDisabled(window, OBJID_VSCROLL));
  EXPECT_FALSE(BarShown(window, WS_HSCROLL));
  // More rows than fit: the bar is enabled.
  grid->SetRowCount(40);
  EXPECT_TRUE(BarShown(window, WS_VSCROLL));
  EXPECT_FALSE(BarDisabled(window, OBJID_VSCROLL));
  // Without the setting a forced update hides the bar of content that fits.
  grid->SetRowCount(3);
  grid->ScrollBarAlways = saNone;
  grid->UpdateScrollBarsAlways(true);
  EXPECT_FALSE(BarShown(window, WS_VSCROLL));
}

TEST_F(GridWindowTest, EditMaskStartsFromTheGridsTextAndTheEventMayChangeIt) {
  auto* grid = Make<OpenGrid>();
  grid->EditMask = "999";
  EXPECT_EQ(grid->GetEditMask(1, 2), "999");
  grid->OnGetEditMask = [grid](fw::TObject* Sender, int ACol, int ARow, std::string& Value) {
    EXPECT_EQ(Sender, grid);
    Value += "/" + std::to_string(ACol) + "," + std::to_string(ARow);
  };
  EXPECT_EQ(grid->GetEditMask(1, 2), "999/1,2");
}

TEST_F(GridWindowTest, ParentFormIsTheNearestFormOfTheParentChain) {
  auto* panel = Make<fw::TPanel>();
  auto* grid = Make<TVxStringGrid>(fw::TRect{}, panel);
  EXPECT_EQ(TVxStringGrid::GetParentForm(grid), Form());
  EXPECT_EQ(TVxStringGrid::GetParentForm(Form()), Form());
  auto* loose = fw::Create<TVxStringGrid>(Form());
  EXPECT_EQ(TVxStringGrid::GetParentForm(loose), nullptr);
  // A form inside another form is its controls' form.
  auto* inner = fw::Create<fw::TForm>(Form());
  inner->SetParent(Form());
  loose->SetParent(inner);
  EXPECT_EQ(TVxStringGrid::GetParentForm(loose), inner);
}

TEST_F(GridWindowTest, TheWheelComponentMovesARealGridsRow) {
  auto* wheel = fw::Create<input::DOVWheel>(Form());
  wheel->SetAuto(true);
  wheel->OnWheelEvent = [](std::int32_t, std::int32_t, std::int32_t, std::int32_t) {};
  auto* grid = Make<TVxStringGrid>();
  grid->SetRowCount(50);
  Form()->Show();
  ProcessMessages();
  const int lines = wheel->ScrollLines();
  ASSERT_GT(lines, 0);
  const fw::TPoint at = grid->ClientToScreen(fw::TPoint{30, 60});
  const auto roll = [&](int zdelta) {
    SendMessageA(Form()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(zdelta))),
                 MAKELPARAM(at.X, at.Y));
  };
  EXPECT_EQ(grid->Row(), 1);
  roll(-120);
  EXPECT_EQ(grid->Row(), 1 + lines);
  roll(120 * 100);
  EXPECT_EQ(grid->Row(), grid->FixedRows());
  roll(-120 * 100);
  EXPECT_EQ(grid->Row(), grid->RowCount() - 1);
}

}  // namespace
}  // namespace ui::testing
