// The grid's property writers (value kept, clamping, repaints), the flat scroll-bar layer seen through
// its lookup, the metro strips that ScrollType switches, and AutoThemeAdapt with the theme notifier.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/framework/stdctrl_test_support.h"
#include "tests/support/office_keys.h"
#include "ui/foundation/html_text_routines.h"
#include "ui/foundation/theme_notifier.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/settings/flat_scroll_bar_lookup.h"
#include "ui/grid/settings/scroll_control.h"

namespace ui::testing {
namespace {

using SetterTest = fw::testing::StdControlTest;

// Counts the repaints the writers ask for.
class CountingGrid : public TVxStringGrid {
 public:
  using TVxStringGrid::TVxStringGrid;
  void Invalidate() override {
    ++repaints;
    TVxStringGrid::Invalidate();
  }
  int repaints = 0;
};

struct WriterCase {
  const char* name;
  std::function<void(TVxStringGrid&)> write;
  std::function<std::int64_t(TVxStringGrid&)> read;
  std::int64_t expected;
  bool repaints;
};

TEST_F(SetterTest, WritersKeepTheirValueAndRepaintAsEachOneShould) {
  auto* grid = Make<CountingGrid>(fw::TRect{0, 0, 200, 100});
  const WriterCase cases[] = {
      {"ShowDesignHelper changed", [](TVxStringGrid& g) { g.SetShowDesignHelper(false); },
       [](TVxStringGrid& g) { return g.ShowDesignHelper; }, false, true},
      {"ShowDesignHelper unchanged", [](TVxStringGrid& g) { g.SetShowDesignHelper(false); },
       [](TVxStringGrid& g) { return g.ShowDesignHelper; }, false, false},
      {"SelectionColorTo", [](TVxStringGrid& g) { g.SetSelectionColorTo(0x123456); },
       [](TVxStringGrid& g) { return g.SelectionColorTo; }, 0x123456, true},
      {"SelectionMirrorColor unchanged", [](TVxStringGrid& g) { g.SetSelectionMirrorColor(kColorNotSet); },
       [](TVxStringGrid& g) { return g.SelectionMirrorColor; }, kColorNotSet, false},
      {"SelectionMirrorColorTo", [](TVxStringGrid& g) { g.SetSelectionMirrorColorTo(0xABCDEF); },
       [](TVxStringGrid& g) { return g.SelectionMirrorColorTo; }, 0xABCDEF, true},
      {"SelectionTextColor", [](TVxStringGrid& g) { g.SetSelectionTextColor(0xFFFFFF); },
       [](TVxStringGrid& g) { return g.SelectionTextColor; }, 0xFFFFFF, true},
      {"SelectionColorMixer", [](TVxStringGrid& g) { g.SetSelectionColorMixer(true); },
       [](TVxStringGrid& g) { return g.SelectionColorMixer; }, true, true},
      {"SelectionRectangle", [](TVxStringGrid& g) { g.SetSelectionRectangle(true); },
       [](TVxStringGrid& g) { return g.SelectionRectangle; }, true, true},
      {"SelectionResizer unchanged", [](TVxStringGrid& g) { g.SetSelectionResizer(false); },
       [](TVxStringGrid& g) { return g.SelectionResizer; }, false, false},
      {"mixer factor above 100", [](TVxStringGrid& g) { g.SetSelectionColorMixerFactor(150); },
       [](TVxStringGrid& g) { return g.SelectionColorMixerFactor; }, 100, true},
      {"mixer factor below 0", [](TVxStringGrid& g) { g.SetSelectionColorMixerFactor(-5); },
       [](TVxStringGrid& g) { return g.SelectionColorMixerFactor; }, 0, true},
      {"mixer factor unchanged", [](TVxStringGrid& g) { g.SetSelectionColorMixerFactor(0); },
       [](TVxStringGrid& g) { return g.SelectionColorMixerFactor; }, 0, false},
      {"ShowSelection reaches the base grid", [](TVxStringGrid& g) { g.SetShowSelection(false); },
       [](TVxStringGrid& g) { return g.ShowSelectionFlag; }, false, true},
      {"ActiveCellShow unchanged still repaints", [](TVxStringGrid& g) { g.SetActiveCellShow(false); },
       [](TVxStringGrid& g) { return g.ActiveCellShow; }, false, true},
      {"ActiveCellColor unchanged still repaints", [](TVxStringGrid& g) { g.SetActiveCellColor(0x808080); },
       [](TVxStringGrid& g) { return g.ActiveCellColor; }, 0x808080, true},
      {"ActiveCellColorTo", [](TVxStringGrid& g) { g.SetActiveCellColorTo(0x00FF00); },
       [](TVxStringGrid& g) { return g.ActiveCellColorTo; }, 0x00FF00, true},
      {"VAlignment centre", [](TVxStringGrid& g) { g.SetVAlignment(vtaCenter); },
       [](TVxStringGrid& g) { return g.VAlignmentFlag(); }, DT_VCENTER, true},
      {"VAlignment bottom", [](TVxStringGrid& g) { g.SetVAlignment(vtaBottom); },
       [](TVxStringGrid& g) { return g.VAlignmentFlag(); }, DT_BOTTOM, true},
      {"Flat", [](TVxStringGrid& g) { g.SetFlat(true); }, [](TVxStringGrid& g) { return g.Flat; }, true, true},
      {"MaxEditLength only stores", [](TVxStringGrid& g) { g.SetMaxEditLength(12); },
       [](TVxStringGrid& g) { return g.MaxEditLength(); }, 12, false},
      {"ScrollBarAlways", [](TVxStringGrid& g) { g.SetScrollBarAlways(saBoth); },
       [](TVxStringGrid& g) { return g.ScrollBarAlways; }, saBoth, false},
      {"ScrollColor unset is stored", [](TVxStringGrid& g) { g.SetScrollColor(kColorNotSet); },
       [](TVxStringGrid& g) { return g.ScrollColor; }, kColorNotSet, false},
      {"ScrollWidth", [](TVxStringGrid& g) { g.SetScrollWidth(9); },
       [](TVxStringGrid& g) { return g.ScrollWidth; }, 9, false},
      {"ScrollProportional", [](TVxStringGrid& g) { g.SetScrollProportional(true); },
       [](TVxStringGrid& g) { return g.ScrollProportional; }, true, false},
      {"AddRow", [](TVxStringGrid& g) { g.AddRow(); }, [](TVxStringGrid& g) { return g.RowCount(); }, 11, true},
  };
  for (const WriterCase& c : cases) {
    SCOPED_TRACE(c.name);
    grid->repaints = 0;
    c.write(*grid);
    EXPECT_EQ(c.read(*grid), c.expected);
    EXPECT_EQ(grid->repaints > 0, c.repaints);
  }
  // While updates are suspended the alignment is stored without a repaint.
  grid->BeginUpdate();
  grid->repaints = 0;
  grid->SetVAlignment(vtaTop);
  EXPECT_EQ(grid->VAlignmentFlag(), static_cast<UINT>(DT_TOP));
  EXPECT_EQ(grid->repaints, 0);
  grid->EndUpdate();
}

TEST_F(SetterTest, AutoSizeSizesTheColumnsOnlyOutsideLoading) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 300, 200});
  const std::string wide(40, 'W');
  grid->SetCells(0, 1, wide);
  grid->SetCells(1, 1, wide);
  const int fixedWidth = grid->ColWidths(0);
  const int normalWidth = grid->ColWidths(1);

  fw::BeginLoading(Form());
  grid->SetAutoSize(true);
  EXPECT_TRUE(grid->AutoSize);
  EXPECT_EQ(grid->ColWidths(1), normalWidth);
  grid->SetAutoSize(false);
  fw::EndLoading(Form());

  grid->SetAutoSize(true);
  EXPECT_GT(grid->ColWidths(1), normalWidth);
  EXPECT_EQ(grid->ColWidths(0), fixedWidth);  // fixed columns are not measured
}

TEST_F(SetterTest, HighlightColoursAreSharedByTheWholeProcess) {
  const fw::TColor savedBack = HighlightColor();
  const fw::TColor savedText = HighlightTextColor();
  auto* first = Make<TVxStringGrid>(fw::TRect{0, 0, 100, 100});
  Make<TVxStringGrid>(fw::TRect{100, 0, 100, 100});
  first->SetHighlightColor(0x00FFFF);
  first->SetHighlightTextColor(0x0000FF);
  EXPECT_EQ(HighlightColor(), 0x00FFFF);
  EXPECT_EQ(HighlightTextColor(), 0x0000FF);
  SetHighlightColors(savedBack, savedText);
}

// ---- The flat scroll-bar functions, seen through the lookup ----------------------------------------

std::vector<std::string> flatCalls;

BOOL WINAPI RecordInitialize(HWND) {
  flatCalls.push_back("init");
  return TRUE;
}
HRESULT WINAPI RecordUninitialize(HWND) {
  flatCalls.push_back("done");
  return S_OK;
}
int WINAPI RecordSetInfo(HWND, int bar, LPSCROLLINFO info, BOOL) {
  flatCalls.push_back("info " + std::to_string(bar) + (info->fMask & SIF_RANGE ? " range" : ""));
  return 0;
}
BOOL WINAPI RecordSetProp(HWND, UINT index, INT_PTR value, BOOL) {
  flatCalls.push_back("prop " + std::to_string(index) + "=" + std::to_string(value));
  return TRUE;
}
BOOL WINAPI RecordShow(HWND, int bar, BOOL show) {
  flatCalls.push_back("show " + std::to_string(bar) + (show ? " on" : " off"));
  return TRUE;
}

FARPROC RecordingLookup(const char* name) {
  const std::string n = name;
  void* found = nullptr;
  if (n == "InitializeFlatSB") found = reinterpret_cast<void*>(&RecordInitialize);
  if (n == "UninitializeFlatSB") found = reinterpret_cast<void*>(&RecordUninitialize);
  if (n == "FlatSB_SetScrollInfo") found = reinterpret_cast<void*>(&RecordSetInfo);
  if (n == "FlatSB_SetScrollProp") found = reinterpret_cast<void*>(&RecordSetProp);
  if (n == "FlatSB_ShowScrollBar") found = reinterpret_cast<void*>(&RecordShow);
  return reinterpret_cast<FARPROC>(found);
}

std::string Prop(int index, std::int64_t value) { return "prop " + std::to_string(index) + "=" + std::to_string(value); }

TEST_F(SetterTest, WithoutTheFlatFunctionsEveryFlatCallDoesNothing) {
  const fw::ServiceDouble<FARPROC(const char*)> none(FlatScrollBarProc, [](const char*) -> FARPROC { return nullptr; });
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  grid->SetScrollType(ssFlat);
  EXPECT_EQ(grid->ScrollType(), ssFlat);
  EXPECT_FALSE(grid->FlatScrollBarsOn());
  grid->SetScrollColor(0x00FF00);
  grid->SetScrollWidth(10);
  grid->FlatShowScrollBar(SB_VERT, true);
  grid->SyncFlatVScrollBar();
  grid->SyncFlatHScrollBar();
  grid->SetFlatScrollInfo(SB_VERT, SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 10, 1, 0, 0}, true);
  grid->UpdateFlatScrollBars();
  grid->DoneFlatScrollBars();
  EXPECT_FALSE(grid->FlatScrollBarsOn());
  EXPECT_EQ(grid->ScrollColor, 0x00FF00);
  EXPECT_EQ(grid->ScrollWidth, 10);
}

TEST_F(SetterTest, TheFlatFunctionsAreReachedWhileTheFlatStateIsOn) {
  const fw::ServiceDouble<FARPROC(const char*)> lookup(FlatScrollBarProc, &RecordingLookup);
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 390, 100});
  grid->HandleNeeded();
  grid->SetRowCount(40);  // rows do not fit, the five columns do
  grid->SetScrollWidth(12);
  flatCalls.clear();

  grid->SetScrollType(ssFlat);
  EXPECT_TRUE(grid->FlatScrollBarsOn());
  const std::vector<std::string> flat = {"init",
                                         Prop(WSB_PROP_VSTYLE, FSB_FLAT_MODE),
                                         Prop(WSB_PROP_HSTYLE, FSB_FLAT_MODE),
                                         Prop(WSB_PROP_CXVSCROLL, 12),
                                         Prop(WSB_PROP_CYHSCROLL, 12),
                                         "show " + std::to_string(SB_VERT) + " on",
                                         "info " + std::to_string(SB_VERT) + " range",
                                         "show " + std::to_string(SB_HORZ) + " off",
                                         Prop(WSB_PROP_VSTYLE, FSB_FLAT_MODE),
                                         Prop(WSB_PROP_HSTYLE, FSB_FLAT_MODE)};
  EXPECT_EQ(flatCalls, flat);

  // The same type again only applies the style again.
  flatCalls.clear();
  grid->SetScrollType(ssFlat);
  EXPECT_EQ(flatCalls, (std::vector<std::string>{flat[8], flat[9]}));

  // An unset colour is stored but leaves the bars; a set one reaches both.
  flatCalls.clear();
  grid->SetScrollColor(kColorNotSet);
  EXPECT_TRUE(flatCalls.empty());
  grid->SetScrollColor(0x0000FF);
  EXPECT_EQ(flatCalls, (std::vector<std::string>{Prop(WSB_PROP_VBKGCOLOR, 0xFF), Prop(WSB_PROP_HBKGCOLOR, 0xFF)}));

  // A horizontal bar the scroll bars leave out is never shown.
  grid->SetScrollBars(fw::ssVertical);
  flatCalls.clear();
  grid->FlatShowScrollBar(SB_HORZ, true);
  grid->SyncFlatHScrollBar();
  EXPECT_TRUE(flatCalls.empty());

  // Back to normal: switched off, and nothing reaches the bars any more.
  flatCalls.clear();
  grid->SetScrollType(ssNormal);
  EXPECT_FALSE(grid->FlatScrollBarsOn());
  EXPECT_EQ(flatCalls, (std::vector<std::string>{"done"}));
  grid->SetScrollWidth(20);
  EXPECT_EQ(flatCalls.size(), 1u);
}

TEST_F(SetterTest, ScrollTypeMetroSwapsTheScrollBarsForTheStripsAndBack) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  grid->HandleNeeded();
  grid->SetScrollType(ssMetro);
  TScrollControl* vertical = grid->VertScrollControl();
  TScrollControl* horizontal = grid->HorzScrollControl();
  ASSERT_NE(vertical, nullptr);
  ASSERT_NE(horizontal, nullptr);
  EXPECT_EQ(vertical->Parent(), grid);
  EXPECT_EQ(vertical->Direction, sdVertical);
  EXPECT_EQ(vertical->Width(), 6);
  EXPECT_EQ(vertical->Align(), fw::alRight);
  EXPECT_EQ(horizontal->Direction, sdHorizontal);
  EXPECT_EQ(horizontal->Height(), 6);
  EXPECT_EQ(horizontal->Align(), fw::alBottom);
  EXPECT_TRUE(vertical->DoubleBuffered());
  EXPECT_EQ(grid->ScrollBars(), fw::ssNone);

  grid->SetScrollType(ssNormal);
  EXPECT_EQ(grid->VertScrollControl(), nullptr);
  EXPECT_EQ(grid->HorzScrollControl(), nullptr);
  EXPECT_EQ(grid->ScrollBars(), fw::ssBoth);
  EXPECT_EQ(grid->ControlCount(), 0);
}

TEST_F(SetterTest, MetroBeforeTheWindowLeavesTheStripsToTheWindowsCreation) {
  auto* grid = fw::Create<TVxStringGrid>(Form());
  grid->SetScrollType(ssMetro);
  EXPECT_EQ(grid->VertScrollControl(), nullptr);
  grid->SetParent(Form());
  grid->HandleNeeded();
  EXPECT_NE(grid->VertScrollControl(), nullptr);
  EXPECT_NE(grid->HorzScrollControl(), nullptr);
}

using testsupport::OfficeKeys;

TEST_F(SetterTest, AutoThemeAdaptRegistersTheWindowWithTheThemeNotifier) {
  OfficeKeys keys;
  if (keys.AlreadyThere()) GTEST_SKIP() << "Office keys exist in this prefix";
  keys.CreateGeneral("12.0");
  keys.SetTheme("12.0", 1);
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 200, 100});
  grid->HandleNeeded();
  TThemeNotifier* notifier = GetThemeNotifier(grid);
  ASSERT_TRUE(notifier->Monitoring());
  grid->SetAutoThemeAdapt(true);
  EXPECT_TRUE(notifier->IsRegistered(grid->Handle()));
  EXPECT_NE(grid->LastScheme(), 10);  // the scheme was applied
  grid->SetAutoThemeAdapt(false);
  EXPECT_FALSE(notifier->IsRegistered(grid->Handle()));
  notifier->Free();
}

}  // namespace
}  // namespace ui::testing
