// The grid unit's start-up and shut-down: two runs pair up, the format and the messages are registered
// once, the stop undoes OLE and the thread hook and clears the hint font name; and the visual-style test
// of the grid's controls.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/classes/class_registry.h"
#include "framework/services/service.h"
#include "ui/grid/model/grid_focus_hook.h"
#include "ui/grid/model/grid_platform.h"
#include "ui/grid/settings/grid_unit.h"

namespace ui::testing {
namespace {

// Whether OLE is initialised for this thread: a second initialisation says so (and is undone at once).
bool OleRunsOnThisThread() {
  const HRESULT result = ::OleInitialize(nullptr);
  if (SUCCEEDED(result)) ::OleUninitialize();
  return result == S_FALSE;
}

TEST(GridUnitTest, TwoRunsPairUpAndTheStopUndoesWhatTheStartDid) {
  ASSERT_EQ(GridUnitStarts(), 0);
  ASSERT_FALSE(OleRunsOnThisThread());
  const fw::ServiceDouble<std::int32_t(const std::string&)> comctl(GetFileVersion,
                                                                   [](const std::string&) { return 0x00040046; });
  StartGridUnit();
  const UINT format = GridCellsClipboardFormat();
  const UINT editDone = GridEditDoneMessage();
  const UINT shiftFocus = DTPShiftFocusMessage();
  EXPECT_EQ(format, ::RegisterClipboardFormatA("TVxStringGrid Cells"));
  EXPECT_EQ(editDone, ::RegisterWindowMessageA("GridEditDone"));
  EXPECT_EQ(shiftFocus, ::RegisterWindowMessageA("DTPShiftFocus"));
  EXPECT_NE(editDone, shiftFocus);
  EXPECT_TRUE(ComCtrlOK());  // 4.70
  EXPECT_TRUE(OleRunsOnThisThread());
  EXPECT_TRUE(FocusWindowHookInstalled());
  EXPECT_NE(fw::GetClass("TVxStringGrid"), nullptr);
  GridHintFontName = "Tahoma";

  // A second run only counts.
  StartGridUnit();
  EXPECT_EQ(GridUnitStarts(), 2);
  StopGridUnit();
  EXPECT_TRUE(OleRunsOnThisThread());
  EXPECT_TRUE(FocusWindowHookInstalled());
  EXPECT_EQ(GridHintFontName, "Tahoma");

  StopGridUnit();
  EXPECT_EQ(GridUnitStarts(), 0);
  EXPECT_FALSE(OleRunsOnThisThread());
  EXPECT_FALSE(FocusWindowHookInstalled());
  EXPECT_EQ(GridHintFontName, "");
  // A stop without a start changes nothing.
  StopGridUnit();
  EXPECT_EQ(GridUnitStarts(), 0);
}

TEST(GridUnitTest, TheCommonControlsFlagNeedsVersionFourSeventy) {
  struct Case {
    std::int32_t version;
    bool ok;
  };
  for (const Case c : {Case{0x00040045, false}, Case{0x00040046, true}, Case{0x00060000, true}, Case{-1, false}}) {
    SCOPED_TRACE(c.version);
    const fw::ServiceDouble<std::int32_t(const std::string&)> comctl(GetFileVersion,
                                                                     [&](const std::string&) { return c.version; });
    StartGridUnit();
    EXPECT_EQ(ComCtrlOK(), c.ok);
    StopGridUnit();
  }
}

TEST(GridUnitTest, VisualStylesNeedXPActiveThemesAndComCtlSix) {
  struct Case {
    unsigned major, minor;
    bool active;
    std::int32_t comctl;
    bool expected;
  };
  const Case cases[] = {{5, 1, true, 0x00060000, true},  {5, 0, true, 0x00060000, false},
                        {6, 1, false, 0x00060000, false}, {6, 1, true, 0x00050052, false},
                        {6, 1, true, -1, false}};
  for (const Case& c : cases) {
    const fw::ServiceDouble<TWindowsVersion()> version(GridWindowsVersion, [&] { return TWindowsVersion{c.major, c.minor}; });
    const fw::ServiceDouble<bool()> themes(GridThemeActive, [&] { return c.active; });
    const fw::ServiceDouble<std::int32_t(const std::string&)> comctl(GetFileVersion,
                                                                     [&](const std::string&) { return c.comctl; });
    EXPECT_EQ(VisualStylesInUse(), c.expected) << c.major << "." << c.minor << " " << c.active << " " << c.comctl;
  }
}

}  // namespace
}  // namespace ui::testing
