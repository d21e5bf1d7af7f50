// The smooth tab pager and its pages: tab geometry for every position, page switches and their events,
// keys and accelerators, removing and moving pages, re-parenting, the presets, transparent painting.
#include "ui/controls/smooth_tab_pager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/rtl/exceptions.h"
#include "tests/ui_controls/styled_test_support.h"
#include "ui/foundation/gdip_button.h"
#include "ui/foundation/gdip_fill.h"

namespace ui {
namespace {

constexpr fw::TColor kRed = 0x0000FF;
constexpr fw::TColor kGreen = 0x00FF00;
constexpr fw::TColor kBlue = 0xFF0000;
const fw::TRect kNoTab{-1, -1, -1, -1};

class SmoothTabPagerTest : public testing::StyledControlTest {
 protected:
  // A 300 x 200 pager with fixed 50-pixel tabs 20 deep; the pages' tabs are visible as given.
  TVxSmoothTabPager* MakePager(const std::vector<bool>& tabs, fw::TRect bounds = fw::Rect(0, 0, 300, 200)) {
    TVxSmoothTabPager* pager = Make<TVxSmoothTabPager>(bounds);
    pager->TabSettings()->SetWidth(50);
    pager->TabSettings()->SetHeight(20);
    for (std::size_t i = 0; i < tabs.size(); ++i) {
      auto* page = fw::Create<TVxSmoothTabPage>(Form());
      page->SetCaption("Page " + std::to_string(i));
      page->SetTabPager(pager);
      page->SetTabVisible(tabs[i]);
    }
    return pager;
  }

  // Every event of the pager and its pages, in order.
  void Record(TVxSmoothTabPager* pager, bool allow = true) {
    pager->OnChanging = [this, allow](fw::TObject*, int from, int to, bool& ok) {
      log_.push_back("changing " + std::to_string(from) + ">" + std::to_string(to));
      ok = allow;
    };
    pager->OnChange = [this](fw::TObject*) { log_.push_back("change"); };
    pager->OnTabMoved = [this](fw::TObject*, int from, int to) {
      log_.push_back("moved " + std::to_string(from) + ">" + std::to_string(to));
    };
    for (int i = 0; i < pager->PageCount(); ++i) {
      TVxSmoothTabPage* page = pager->Pages(i);
      const std::string name = page->Caption();
      page->OnHide = [this, name](fw::TObject*) { log_.push_back("hide " + name); };
      page->OnShow = [this, name](fw::TObject*) { log_.push_back("show " + name); };
    }
  }
  int Count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& entry : log_) n += entry.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }

  std::vector<std::string> log_;
};

TEST_F(SmoothTabPagerTest, TabRectanglesAndHitTestsForEveryPosition) {
  struct Case {
    TVxSmoothTabPosition position;
    fw::TRect first, third, page;
  };
  // Tabs 0 and 2 visible, 1 hidden (it takes no room); 50 long, 4 apart, the strip 4 from its edge and
  // 5 (start margin and page margin) from its start.
  const Case cases[] = {
      {tpTopLeft, fw::Rect(5, 4, 55, 24), fw::Rect(59, 4, 109, 24), fw::Rect(1, 20, 299, 198)},
      {tpTopRight, fw::Rect(192, 4, 242, 24), fw::Rect(246, 4, 296, 24), fw::Rect(1, 20, 299, 198)},
      {tpTopCenter, fw::Rect(96, 4, 146, 24), fw::Rect(150, 4, 200, 24), fw::Rect(1, 20, 299, 198)},
      {tpBottomLeft, fw::Rect(5, 176, 55, 196), fw::Rect(59, 176, 109, 196), fw::Rect(1, 2, 299, 180)},
      {tpBottomRight, fw::Rect(192, 176, 242, 196), fw::Rect(246, 176, 296, 196), fw::Rect(1, 2, 299, 180)},
      {tpBottomCenter, fw::Rect(96, 176, 146, 196), fw::Rect(150, 176, 200, 196), fw::Rect(1, 2, 299, 180)},
      {tpLeftTop, fw::Rect(4, 5, 24, 55), fw::Rect(4, 59, 24, 109), fw::Rect(20, 2, 299, 198)},
      {tpLeftBottom, fw::Rect(4, 92, 24, 142), fw::Rect(4, 146, 24, 196), fw::Rect(20, 2, 299, 198)},
      {tpLeftCenter, fw::Rect(4, 46, 24, 96), fw::Rect(4, 100, 24, 150), fw::Rect(20, 2, 299, 198)},
      {tpRightTop, fw::Rect(276, 5, 296, 55), fw::Rect(276, 59, 296, 109), fw::Rect(1, 2, 280, 198)},
      {tpRightBottom, fw::Rect(276, 92, 296, 142), fw::Rect(276, 146, 296, 196), fw::Rect(1, 2, 280, 198)},
      {tpRightCenter, fw::Rect(276, 46, 296, 96), fw::Rect(276, 100, 296, 150), fw::Rect(1, 2, 280, 198)},
  };
  TVxSmoothTabPager* pager = MakePager({true, false, true});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    pager->SetTabPosition(c.position);
    EXPECT_EQ(pager->GetTabRect(0), c.first);
    EXPECT_EQ(pager->GetTabRect(1), kNoTab);
    EXPECT_EQ(pager->GetTabRect(2), c.third);
    EXPECT_EQ(pager->GetTabRect(3), kNoTab);
    EXPECT_EQ(pager->Pages(1)->BoundsRect(), c.page);
    EXPECT_EQ(pager->TabAtPos(c.first.Left, c.first.Top), 0);
    EXPECT_EQ(pager->TabAtPos(c.third.Right - 1, c.third.Bottom - 1), 2);
    EXPECT_EQ(pager->TabAtPos(c.first.Right, c.first.Bottom), -1);  // right and bottom edges lie outside
  }
  pager->TabSettings()->SetHeight(0);
  EXPECT_EQ(pager->Pages(0)->BoundsRect(), fw::Rect(0, 0, 300, 200));
}

TEST_F(SmoothTabPagerTest, TheMainWindowsTabsAndTabsSizedByTheirCaptions) {
  TVxSmoothTabPager* pager = MakePager({true, false, false, true, false, false, false, false},
                                       fw::Rect(0, 0, 600, 300));
  pager->SetTabPosition(tpTopLeft);
  pager->TabSettings()->SetHeight(45);
  pager->TabSettings()->SetWidth(146);
  EXPECT_EQ(pager->GetTabRect(0), fw::Rect(5, 4, 151, 49));
  EXPECT_EQ(pager->GetTabRect(3), fw::Rect(155, 4, 301, 49));

  pager->TabSettings()->SetWidth(0);
  pager->Pages(0)->SetCaption("A");
  pager->Pages(3)->SetCaption("A much longer caption");
  const auto measured = [&](TVxSmoothTabPage* page) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, page->TabAppearance()->Appearance()->Font()->Handle());
    RECT r{0, 0, 1000, 100};
    const std::string caption = page->Caption();
    DrawTextA(dc, caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    return 4 + (r.right - r.left) + 10 + 4;
  };
  const int first = measured(pager->Pages(0));
  const int second = measured(pager->Pages(3));
  ASSERT_LT(first, second);
  EXPECT_EQ(pager->GetTabRect(0), fw::Rect(5, 4, 5 + first, 49));
  EXPECT_EQ(pager->GetTabRect(3), fw::Rect(5 + first + 4, 4, 5 + first + 4 + second, 49));
}

TEST_F(SmoothTabPagerTest, NoVisibleTabMeansNoRectanglesNoHitsAndNoArrowMoves) {
  TVxSmoothTabPager* pager = MakePager({false, false});
  pager->SetActivePage(pager->Pages(0));
  for (int i = 0; i < 2; ++i) EXPECT_EQ(pager->GetTabRect(i), kNoTab);
  EXPECT_EQ(pager->TabAtPos(10, 10), -1);
  pager->SelectNextPage(true);
  EXPECT_EQ(pager->ActivePageIndex(), 0);
}

TEST_F(SmoothTabPagerTest, PageSwitchesAskFirstHideTheOldPageThenShowTheNewOne) {
  TVxSmoothTabPager* pager = MakePager({true, true, false});
  Record(pager);
  EXPECT_EQ(pager->ActivePage(), nullptr);  // pages added without a selection stay hidden
  pager->SetActivePage(pager->Pages(0));
  EXPECT_EQ(log_, (std::vector<std::string>{"changing -1>0", "show Page 0", "change"}));
  log_.clear();
  pager->SetActivePage(pager->Pages(1));
  EXPECT_EQ(log_, (std::vector<std::string>{"changing 0>1", "hide Page 0", "show Page 1", "change"}));
  EXPECT_FALSE(pager->Pages(0)->Visible());
  EXPECT_TRUE(pager->Pages(1)->Visible());

  log_.clear();
  pager->SetActivePage(pager->Pages(1));  // already active
  pager->SetActivePage(nullptr);
  TVxSmoothTabPager* other = MakePager({true});
  pager->SetActivePage(other->Pages(0));  // a foreign page
  EXPECT_TRUE(log_.empty());

  // A page without a tab can be shown by the program, with both events.
  pager->SetActivePage(pager->Pages(2));
  EXPECT_EQ(log_, (std::vector<std::string>{"changing 1>2", "hide Page 1", "show Page 2", "change"}));
  EXPECT_EQ(pager->ActivePage(), pager->Pages(2));

  log_.clear();
  Record(pager, false);
  pager->SetActivePage(pager->Pages(0));
  EXPECT_EQ(log_, (std::vector<std::string>{"changing 2>0"}));
  EXPECT_EQ(pager->ActivePageIndex(), 2);
  EXPECT_TRUE(pager->Pages(2)->Visible());
  EXPECT_FALSE(pager->Pages(0)->Visible());
}

TEST_F(SmoothTabPagerTest, APagerLoadingWithItsFormSwitchesSilently) {
  fw::BeginLoading(Form());
  auto* pager = fw::Create<TVxSmoothTabPager>(Form());
  pager->SetParent(Form());
  for (int i = 0; i < 2; ++i) {
    auto* page = fw::Create<TVxSmoothTabPage>(Form());
    page->SetCaption("Page " + std::to_string(i));
    page->SetTabPager(pager);
  }
  Record(pager);
  pager->SetActivePage(pager->Pages(1));
  EXPECT_EQ(log_, (std::vector<std::string>{"show Page 1"}));
  fw::EndLoading(Form());
  pager->SetActivePage(pager->Pages(0));
  EXPECT_EQ(Count("changing 1>0"), 1);
  EXPECT_EQ(Count("change"), 1);
}

TEST_F(SmoothTabPagerTest, ClicksSwitchToEnabledTabsAndOnlyPressTheActiveOne) {
  TVxSmoothTabPager* pager = MakePager({true, true, true});
  pager->SetTabPosition(tpTopLeft);
  pager->SetActivePage(pager->Pages(0));
  pager->Pages(2)->SetTabEnabled(false);
  Record(pager);
  pager->MouseDown(fw::mbLeft, fw::TShiftState{}, 10, 10);  // the active tab
  EXPECT_EQ(pager->DownIndex(), 0);
  EXPECT_TRUE(log_.empty());
  pager->MouseUp(fw::mbLeft, fw::TShiftState{}, 10, 10);
  EXPECT_EQ(pager->DownIndex(), -1);
  pager->MouseDown(fw::mbLeft, fw::TShiftState{}, 120, 10);  // disabled
  EXPECT_TRUE(log_.empty());
  pager->MouseDown(fw::mbLeft, fw::TShiftState{}, 60, 10);
  EXPECT_EQ(pager->ActivePageIndex(), 1);
  EXPECT_EQ(Count("changing 0>1"), 1);
  pager->MouseDown(fw::mbLeft, fw::TShiftState{}, 200, 10);  // in the band, on no tab
  EXPECT_EQ(pager->DownIndex(), -1);

  pager->MouseMove(fw::TShiftState{}, 10, 10);
  EXPECT_EQ(pager->HotIndex(), 0);
  pager->MouseMove(fw::TShiftState{}, 120, 10);  // a disabled tab never becomes hot
  EXPECT_EQ(pager->HotIndex(), -1);
}

TEST_F(SmoothTabPagerTest, ArrowKeysCycleThroughVisibleEnabledTabs) {
  TVxSmoothTabPager* pager = MakePager({true, false, true, true, true});
  pager->Pages(3)->SetTabEnabled(false);
  pager->SetActivePage(pager->Pages(0));
  struct Step {
    WPARAM key;
    int expected;
  };
  const Step steps[] = {{VK_RIGHT, 2}, {VK_DOWN, 4}, {VK_RIGHT, 0}, {VK_LEFT, 4}, {VK_UP, 2}, {VK_LEFT, 0}};
  for (const Step& s : steps) {
    pager->Perform(WM_KEYDOWN, s.key);
    EXPECT_EQ(pager->ActivePageIndex(), s.expected) << s.key;
  }
  EXPECT_EQ(pager->Perform(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(SmoothTabPagerTest, AcceleratorsChooseTheFirstMatchingVisibleTab) {
  TVxSmoothTabPager* pager = MakePager({true, true, true, false});
  pager->Pages(0)->SetCaption("&Alpha");
  pager->Pages(1)->SetCaption("&Beta");
  pager->Pages(2)->SetCaption("&Bravo");
  pager->Pages(3)->SetCaption("&Gamma");
  pager->Pages(1)->SetTabEnabled(false);  // not consulted for accelerators
  pager->SetActivePage(pager->Pages(0));
  Form()->Show();
  EXPECT_EQ(pager->Perform(fw::CM_DIALOGCHAR, 'b'), 1);
  EXPECT_EQ(pager->ActivePageIndex(), 1);
  EXPECT_EQ(pager->Perform(fw::CM_DIALOGCHAR, 'g'), 0);  // its tab is hidden
  EXPECT_EQ(pager->ActivePageIndex(), 1);
  pager->SetVisible(false);  // a pager that cannot take the focus ignores accelerators
  EXPECT_EQ(pager->Perform(fw::CM_DIALOGCHAR, 'a'), 0);
  EXPECT_EQ(pager->ActivePageIndex(), 1);
}

TEST_F(SmoothTabPagerTest, RemovingAndMovingPagesFireEventsOnlyWhenTheShownPageChanges) {
  enum Op { kRemove, kMove };
  struct Case {
    const char* name;
    std::vector<bool> tabs;
    int active;
    Op op;
    int a, b;
    const char* expectedActive;  // caption, or "" for none
    int changes;                 // OnChanging, OnChange and OnHide each
    int moved;
  };
  const Case cases[] = {
      {"remove before the active page", {true, true, true, true}, 1, kRemove, 0, 0, "Page 1", 0, 0},
      {"remove after the active page", {true, true, true, true}, 1, kRemove, 3, 0, "Page 1", 0, 0},
      {"remove the active page", {true, true, false, true}, 1, kRemove, 1, 0, "Page 2", 1, 0},
      {"remove the last, active page", {false, true, true, true}, 3, kRemove, 3, 0, "Page 1", 1, 0},
      {"remove the only page with a tab", {false, false, true}, 2, kRemove, 2, 0, "", 0, 0},
      {"move the active tab", {true, true, true, true}, 1, kMove, 1, 3, "Page 1", 0, 1},
      {"move another tab across it", {true, true, true, true}, 1, kMove, 0, 2, "Page 1", 0, 1},
      {"move outside the list", {true, true, true, true}, 1, kMove, 0, 4, "Page 1", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TVxSmoothTabPager* pager = MakePager(c.tabs);
    pager->SetActivePage(pager->Pages(c.active));
    Record(pager);
    TVxSmoothTabPage* removed = c.op == kRemove ? pager->Pages(c.a) : nullptr;
    if (c.op == kRemove) {
      pager->RemovePage(removed);
      EXPECT_EQ(removed->TabPager(), nullptr);
      EXPECT_EQ(pager->IndexOfPage(removed), -1);
    } else {
      pager->MoveTab(c.a, c.b);
    }
    TVxSmoothTabPage* active = pager->ActivePage();
    EXPECT_EQ(active != nullptr ? active->Caption() : std::string(), c.expectedActive);
    if (active != nullptr) {
      EXPECT_TRUE(active->Visible());
      EXPECT_EQ(pager->Pages(pager->ActivePageIndex()), active);
    } else {
      EXPECT_EQ(pager->ActivePageIndex(), -1);
    }
    EXPECT_EQ(Count("changing"), c.changes);
    EXPECT_EQ(Count("change"), c.changes);
    EXPECT_EQ(Count("hide"), c.changes);
    EXPECT_EQ(Count("moved"), c.moved);
    log_.clear();
  }
}

TEST_F(SmoothTabPagerTest, ThePageListRefusesBadIndexesAndPagersRefuseAPagerAsParent) {
  TVxSmoothTabPager* pager = MakePager({true, true});
  try {
    pager->Pages(2);
    FAIL() << "no error";
  } catch (const fw::Exception& e) {
    EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
  }
  EXPECT_THROW(pager->Pages(-1), fw::EListError);
  TVxSmoothTabPager* inner = MakePager({true});
  try {
    inner->SetParent(pager);
    FAIL() << "no error";
  } catch (const fw::Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid Parent");
  }
  EXPECT_EQ(inner->Parent(), Form());
  inner->SetParent(pager->Pages(0));  // on a page of a pager is fine
  EXPECT_EQ(inner->Parent(), pager->Pages(0));
}

TEST_F(SmoothTabPagerTest, APageMadeAtRunTimeLooksLikeTheFormerLastPage) {
  TVxSmoothTabPager* pager = MakePager({true});
  TVxSmoothTabPage* first = pager->Pages(0);
  EXPECT_EQ(first->TabAppearance()->Color(), fw::TColor(0xC0C0C0));  // the first keeps its defaults
  first->TabAppearance()->SetColor(kGreen);
  first->TabAppearance()->SetShadow(true);
  first->PageAppearance()->SetColor(kBlue);
  auto* added = fw::Create<TVxSmoothTabPage>(Form());
  added->SetTabPager(pager);
  EXPECT_EQ(added->TabAppearance()->Color(), kGreen);
  EXPECT_TRUE(added->TabAppearance()->Shadow());
  EXPECT_EQ(added->PageAppearance()->Color(), kBlue);
  EXPECT_EQ(added->Parent(), pager);
  EXPECT_EQ(added->BoundsRect(), pager->GetPageRect());
}

TEST_F(SmoothTabPagerTest, PagesMoveInTheTabOrderAndToOtherPagers) {
  TVxSmoothTabPager* pager = MakePager({true, true, true});
  TVxSmoothTabPage* page = pager->Pages(0);
  pager->SetActivePage(page);
  page->SetPageIndex(2);
  EXPECT_EQ(page->PageIndex(), 2);
  EXPECT_EQ(pager->ActivePage(), page);
  page->SetPageIndex(3);  // outside the list
  page->SetPageIndex(-1);
  EXPECT_EQ(page->PageIndex(), 2);

  // Dropped on another page of its pager, the page takes that page's place.
  page->SetParent(pager->Pages(0));
  EXPECT_EQ(page->PageIndex(), 0);
  EXPECT_EQ(page->Parent(), pager);

  TVxSmoothTabPager* other = MakePager({true});
  page->SetParent(other);
  EXPECT_EQ(page->TabPager(), other);
  EXPECT_EQ(page->PageIndex(), 1);
  EXPECT_EQ(pager->PageCount(), 2);
  EXPECT_EQ(pager->IndexOfPage(page), -1);
  page->SetParent(pager->Pages(1));  // a page of the first pager: back there, in that page's place
  EXPECT_EQ(page->TabPager(), pager);
  EXPECT_EQ(page->PageIndex(), 1);

  page->SetTabPager(nullptr);
  EXPECT_EQ(page->Parent(), nullptr);
  EXPECT_EQ(page->PageIndex(), -1);
}

TEST_F(SmoothTabPagerTest, TheSixteenPresetsOfThePagerItsPagesAndTheirTabs) {
  struct Preset {
    int style;
    fw::TColor pagerColor, pagerColorTo, pagerBorder, tabColor, tabDown, tabBevelDown, tabHot, pageColor, pageMirror;
  };
  constexpr fw::TColor N = fw::clNone;
  const Preset presets[] = {
      {0, 0xFCE1CB, 0xE0A57D, 0x962D00, 0xE3B28D, 0xAAD9FF, 0x962D00, 0xFFFFFF, 0xFCE1CB, N},
      {1, 0xECE2E1, 0xB39698, 0x947C7C, 0xECE2E1, 0xAAD9FF, 0x927476, 0xFFFFFF, 0xECE2E1, N},
      {2, 0xCFF0EA, 0x8CC0B1, 0x588060, 0xCFF0EA, 0xAAD9FF, 0x447A63, 0xFFFFFF, 0xCFF0EA, N},
      {3, 0xFFFFFF, 0xC9D1D5, 0x808080, 0xFFFFFF, 0xAAD9FF, 0xC9D1D5, 0xFFFFFF, 0xFFFFFF, N},
      {4, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFEFE3, 0xAAD9FF, 0xFDEADA, 0xFFFFFF, 0xF3E5DA, 0xEDD9C8},
      {5, 0xF9F8F8, 0xE4E2DF, 0x000000, 0xF9F8F8, 0xAAD9FF, 0x6E6E6D, 0xFFFFFF, 0xE0DBD7, 0xC6BCB5},
      {6, 0xFFFFFF, fw::clBtnFace, 0x000000, 0xFFFFFF, 0xAAD9FF, 0xB9D8DC, 0xFFFFFF, 0xFFFFFF, N},
      {7, 0xF5F9FA, 0xA8C0C0, 0x962D00, 0xF5F9FA, 0xAAD9FF, 0x828F92, 0xFFFFFF, 0xF5F9FA, N},
      {9, 0xFAEEEB, 0xE5DBD7, 0x000000, 0xFAEEEB, 0xAAD9FF, 0xE7DCD5, 0xFFFFFF, 0xF8F4F1, 0xE8DED9},
      {10, 0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFFFDF9, 0xF7DAA2, 0xFFFDF9, 0xFFFFFF, 0xFFFDF9, 0xFEF9F0},
      {11, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFCEBDC, 0xFCEBDC, 0xFDFBFA, 0xFFFFFF, 0xFCEBDC, N},
      {12, fw::clBtnFace, fw::clBtnFace, 0x808080, 0xC0C0C0, fw::clHighlight, 0xC0C0C0, 0xFFFFFF, fw::clBtnFace, N},
      {13, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xFDFAF8, 0xF0DAC7, 0xC7B29F, 0xF2EBE4, 0xFDF6EF, N},
      {14, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0xF9EFE4, 0xFFFFFF, 0xD2CDC8, 0xFFFFFF, 0xFFFFFF, N},
      {15, 0xBFBFBF, 0x919191, 0x6D6D6D, 0x828282, 0xC9C9C9, 0x6D6D6D, 0x949494, 0xBFBFBF, N},
  };
  TVxSmoothTabPager* pager = MakePager({true, false});
  for (const Preset& p : presets) {
    SCOPED_TRACE(p.style);
    pager->ApplyStyleColors(TControlFaceColors{});  // a colour record first: the preset clears its flag
    pager->ApplyStyle(p.style);
    EXPECT_EQ(pager->Fill()->Color(), p.pagerColor);
    EXPECT_EQ(pager->Fill()->ColorTo(), p.pagerColorTo);
    EXPECT_EQ(pager->Fill()->BorderColor(), p.pagerBorder);
    EXPECT_EQ(pager->Fill()->GradientMirrorType(), p.style == 12 ? gtSolid : gtVertical);
    for (int i = 0; i < pager->PageCount(); ++i) {
      TVxSmoothTabPage* page = pager->Pages(i);
      TVxSmoothTabAppearance* tab = page->TabAppearance();
      EXPECT_FALSE(page->HasColorRecord());
      EXPECT_FALSE(tab->Appearance()->SimpleLayout());
      EXPECT_EQ(tab->Color(), p.tabColor);
      EXPECT_EQ(tab->ColorDown(), p.tabDown);
      EXPECT_EQ(tab->ColorSelected(), p.tabDown);
      EXPECT_EQ(tab->BevelColorDown(), p.tabBevelDown);
      EXPECT_EQ(tab->BevelColorSelected(), p.tabBevelDown);
      EXPECT_EQ(tab->ColorHot(), p.tabHot);
      EXPECT_EQ(page->PageAppearance()->Color(), p.pageColor);
      EXPECT_EQ(page->PageAppearance()->ColorMirror(), p.pageMirror);
    }
    pager->Fill()->SetGradientMirrorType(gtSolid);
  }
  // Style 8 keeps every fill colour; of the tab colours only the hot colour goes back to white.
  pager->ApplyStyle(4);
  TVxSmoothTabAppearance* tab = pager->Pages(0)->TabAppearance();
  tab->SetColorHot(kRed);
  pager->ApplyStyleColors(TControlFaceColors{});
  pager->Fill()->SetColor(kGreen);
  tab->SetColor(kGreen);
  pager->ApplyStyle(8);
  EXPECT_EQ(pager->Fill()->Color(), kGreen);
  EXPECT_EQ(tab->Color(), kGreen);
  EXPECT_EQ(tab->ColorHot(), fw::TColor(0xFFFFFF));
  EXPECT_FALSE(pager->Pages(0)->HasColorRecord());
  EXPECT_FALSE(tab->Appearance()->SimpleLayout());
}

TEST_F(SmoothTabPagerTest, AColourRecordPaintsThePagerWithTheSecondColoursAndThePagesWithTheOthers) {
  TVxSmoothTabPager* pager = MakePager({true});
  TControlFaceColors colors;
  colors.NormalFill = 0x000001;
  colors.NormalBorder = 0x000002;
  colors.NormalText = 0x000003;
  colors.HeaderFill = 0x000011;
  colors.HeaderBorder = 0x000012;
  colors.DownFill = 0x000021;
  colors.DownText = 0x000023;
  colors.HotFill = 0x000031;
  colors.HotText = 0x000033;
  colors.DisabledFill = 0x000041;
  colors.DisabledText = 0x000043;
  pager->ApplyStyleColors(colors);
  TGDIPFill* fill = pager->Fill();
  for (fw::TColor c : {fill->Color(), fill->ColorTo(), fill->ColorMirror(), fill->ColorMirrorTo()}) {
    EXPECT_EQ(c, colors.HeaderFill);
  }
  EXPECT_EQ(fill->BorderColor(), colors.HeaderBorder);
  TVxSmoothTabPage* page = pager->Pages(0);
  TVxSmoothTabAppearance* tab = page->TabAppearance();
  EXPECT_TRUE(page->HasColorRecord());
  EXPECT_TRUE(tab->Appearance()->SimpleLayout());
  EXPECT_EQ(page->PageAppearance()->ColorMirrorTo(), colors.NormalFill);
  EXPECT_EQ(page->PageAppearance()->BorderColor(), colors.NormalBorder);
  EXPECT_EQ(tab->Appearance()->Font()->Color(), colors.NormalText);
  const std::pair<fw::TColor, fw::TColor> pairs[] = {
      {tab->Color(), colors.NormalFill},          {tab->BevelColor(), colors.NormalFill},
      {tab->ColorSelected(), colors.DownFill},    {tab->BevelColorDown(), colors.DownFill},
      {tab->ColorHot(), colors.HotFill},          {tab->BevelColorHot(), colors.HotFill},
      {tab->ColorDisabled(), colors.DisabledFill}, {tab->ColorTextHot(), colors.HotText},
      {tab->ColorTextSelected(), colors.DownText}, {tab->ColorTextDisabled(), colors.DisabledText},
  };
  for (const auto& [got, wanted] : pairs) EXPECT_EQ(got, wanted);
}

TEST_F(SmoothTabPagerTest, EveryTabColourChangeIsReportedOnce) {
  TVxSmoothTabAppearance look;
  int changes = 0;
  look.OnChange = [&](fw::TObject*) { ++changes; };
  look.SetColorTextHot(kRed);
  look.SetColorTextHot(kRed);
  look.SetColor(kRed);
  look.Status()->SetVisible(true);
  look.Appearance()->SetSpacing(9);
  EXPECT_EQ(changes, 4);
  TVxSmoothTabAppearance copy;
  copy.OnChange = [&](fw::TObject*) { ++changes; };
  copy.Assign(&look);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(copy.ColorTextHot(), kRed);
  EXPECT_TRUE(copy.Status()->Visible());
  EXPECT_EQ(copy.Appearance()->Spacing(), 9);
}

TEST_F(SmoothTabPagerTest, DraggingTheActiveTabOntoAnotherMovesIt) {
  TVxSmoothTabPager* pager = MakePager({true, true, true});
  pager->SetTabPosition(tpTopLeft);
  pager->SetTabReorder(true);
  TVxSmoothTabPage* first = pager->Pages(0);
  pager->SetActivePage(first);
  Record(pager);
  bool accept = true;
  pager->DragOver(pager, 120, 10, fw::dsDragMove, accept);
  EXPECT_TRUE(accept);
  pager->DragOver(Form(), 120, 10, fw::dsDragMove, accept);
  EXPECT_FALSE(accept);
  pager->DragOver(pager, 200, 10, fw::dsDragMove, accept);
  EXPECT_FALSE(accept);
  pager->DragDrop(pager, 120, 10);
  EXPECT_EQ(first->PageIndex(), 2);
  EXPECT_EQ(pager->ActivePage(), first);
  EXPECT_EQ(log_, (std::vector<std::string>{"moved 0>2"}));
}

// The main window's pager: eight pages, two with tabs, painting over a red form when transparent.
TEST_F(SmoothTabPagerTest, ATransparentPagerPaintsItsTabsOverItsParent) {
  Form()->SetColor(kRed);
  TVxSmoothTabPager* pager = MakePager({true, false, false, true, false, false, false, false},
                                       fw::Rect(0, 0, 400, 200));
  pager->SetTabPosition(tpTopLeft);
  pager->TabSettings()->SetHeight(45);
  pager->TabSettings()->SetWidth(146);
  TGDIPFill* fill = pager->Fill();
  fill->SetGradientType(gtSolid);
  fill->SetColor(kBlue);
  fill->SetBorderColor(fw::clNone);
  for (int i = 0; i < pager->PageCount(); ++i) {
    TVxSmoothTabPage* page = pager->Pages(i);
    page->PageAppearance()->SetGradientType(gtSolid);
    page->PageAppearance()->SetColor(kGreen);
    page->PageAppearance()->SetBorderColor(fw::clNone);
    page->TabAppearance()->SetColor(kGreen);
    page->TabAppearance()->SetColorSelected(kGreen);
    page->TabAppearance()->Appearance()->SetSimpleLayout(true);
  }
  pager->SetActivePage(pager->Pages(0));
  pager->SetTransparent(true);

  testing::MemoryBitmap bitmap(400, 200);
  bitmap.Fill(fw::clWhite);
  pager->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Pixel(350, 10), kRed);    // the band beside the tabs shows the form
  EXPECT_EQ(bitmap.Pixel(78, 25), kGreen);   // inside the first tab
  EXPECT_EQ(bitmap.Pixel(228, 25), kGreen);  // inside the second (the fourth page's)
  EXPECT_EQ(bitmap.Pixel(200, 120), kGreen);  // the active page
  EXPECT_EQ(bitmap.Pixel(153, 25), kRed);    // between the two tabs

  pager->SetTransparent(false);
  bitmap.Fill(fw::clWhite);
  pager->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Pixel(350, 10), kBlue);
  EXPECT_EQ(bitmap.Pixel(78, 25), kGreen);
}

}  // namespace
}  // namespace ui
