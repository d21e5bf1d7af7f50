// The styled main and pop-up menus: the measure handler's sizes, ShortCutText, drop-down and bar item
// drawing on a memory bitmap (item geometry from a stand-in), new menus' defaults and stylers, handler
// installation, the pop-up position correction, the menu-animation setting and an MDI frame's window list.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/controls/draw_text.h"
#include "framework/forms/screen.h"
#include "framework/rtl/syslocale.h"
#include "tests/ui_controls/styled_test_support.h"
#include "ui/controls/main_menu.h"
#include "ui/controls/menu_animation.h"
#include "ui/controls/menu_item_painting.h"
#include "ui/controls/popup_menu.h"

namespace ui {
namespace {

using testing::MemoryBitmap;
using testing::StyledControlTest;

// A canvas over a white memory bitmap.
struct PaintTarget {
  PaintTarget(int width, int height) : bitmap(width, height) { canvas.SetHandle(bitmap.DC()); }
  ~PaintTarget() { canvas.SetHandle(nullptr); }
  int Count(const fw::TRect& r, fw::TColor color) const { return bitmap.Count(r.ToRECT(), color); }
  MemoryBitmap bitmap;
  fw::TCanvas canvas;
};

class StyledMenuTest : public StyledControlTest {
 protected:
  fw::TMenuItem* Item(fw::TMenuItem* parent, const char* caption) {
    auto* item = fw::Create<fw::TMenuItem>(Form());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  // The item's size as the measure handler gives it, from the size passed in.
  static fw::TSize Measured(fw::TMenuItem* item, int width, int height) {
    PaintTarget target(10, 10);
    target.canvas.Font()->Assign(fw::Screen->MenuFont());
    MeasureMenuItem(item, &target.canvas, width, height);
    return fw::TSize{width, height};
  }
  static fw::TSize TextSize(const std::string& text, fw::TFont* font) {
    PaintTarget target(10, 10);
    target.canvas.Font()->Assign(font);
    return fw::MeasureCanvasText(&target.canvas, text, 0, DT_SINGLELINE);
  }
  // No item of any menu has a screen rectangle (the menus are not shown).
  fw::ServiceDouble<BOOL(HWND, HMENU, UINT, RECT*)> noGeometry_{MenuItemRectService,
                                                                 [](HWND, HMENU, UINT, RECT*) { return FALSE; }};
};

TEST_F(StyledMenuTest, MeasuredSizesOfDropDownAndBarItems) {
  auto* menu = fw::Create<TVxMainMenu>(Form());
  fw::TMenuItem* file = Item(menu->Items(), "&File");
  fw::TMenuItem* open = Item(file, "Open");
  fw::TMenuItem* line = Item(file, "-");
  fw::TMenuItem* noted = Item(file, "Open\\nthe last file\\nagain");
  fw::TFont* font = fw::Screen->MenuFont();  // the default styler draws in the system font
  const fw::TSize text = TextSize("Open", font);

  // A short caption: 24 + 15 + text + 7 + 17; height the larger of (passed - 1, made even) and text + 6.
  for (int passed : {10, 19, 40, 41}) {
    const fw::TSize size = Measured(open, 0, passed);
    EXPECT_EQ(size.cx, text.cx + 63) << passed;
    EXPECT_EQ(size.cy, std::max((passed - 1 + 1) / 2 * 2, text.cy + 6)) << passed;
  }
  EXPECT_EQ(Measured(line, 50, 20), (fw::TSize{-2, 3}));

  // Notes: the lines below the caption in the notes font, when shown.
  const fw::TSize plain = Measured(noted, 0, 10);
  fw::TFont* notes = menu->GetCurrentMenuStyler()->NotesFont();
  EXPECT_EQ(plain.cy, TextSize("Open", font).cy + 6 + 2 * TextSize("gh", notes).cy);
  EXPECT_GE(plain.cx, TextSize("the last file", notes).cx + 24 + 25);
  menu->SetShowNotes(false);
  EXPECT_EQ(Measured(noted, 0, 10).cx, TextSize("Open\\nthe last file\\nagain", font).cx + 63);

  // A bar item without image: the text's width; its height at least the system's bar height.
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const fw::TSize bar = Measured(file, 0, 0);
  EXPECT_EQ(bar.cx, TextSize("&File", font).cx);
  EXPECT_EQ(bar.cy, std::max(metrics.iMenuHeight, TextSize("&File", font).cy + 6));

  // Shortcuts add their text; an invisible item takes no room.
  open->SetShortCut(fw::ShortCut('O', fw::TShiftState{fw::ssCtrl}));
  EXPECT_EQ(Measured(open, 0, 10).cx, TextSize("OpenCtrl+O", font).cx + 63);
  open->SetVisible(false);
  EXPECT_EQ(Measured(open, 30, 30), (fw::TSize{0, 0}));
}

TEST(StyledMenuShortCutText, FrameworkTextOrTheLayoutsKeyNames) {
  const fw::TShortCut ctrlShiftF5 = fw::ShortCut(VK_F5, fw::TShiftState{fw::ssCtrl, fw::ssShift});
  EXPECT_EQ(ShortCutText(ctrlShiftF5, false), "Shift+Ctrl+F5");
  EXPECT_EQ(ShortCutText(static_cast<fw::TShortCut>(fw::ShortCut('S', fw::TShiftState{fw::ssCtrl}) | 0x200), false),
            "Win+Ctrl+S");
  // Wine's US layout names the keys "Ctrl" and "Shift"; the order is Alt, Ctrl, Shift, key.
  EXPECT_EQ(ShortCutText(ctrlShiftF5, true), "Ctrl+Shift+F5");
  EXPECT_EQ(ShortCutText(fw::ShortCut(VK_F12, fw::TShiftState{fw::ssAlt}), true), "Alt+F12");
  EXPECT_EQ(ShortCutText(fw::ShortCut(VK_DELETE, fw::TShiftState{}), true), "Delete");
}

TEST_F(StyledMenuTest, DropDownItemsDrawSelectedDisabledCheckedRadioAndShortcut) {
  auto* menu = fw::Create<TVxPopupMenu>(Form());
  TCustomVxMenuStyler* styler = menu->GetCurrentMenuStyler();
  styler->SelectedItem()->SetColor(fw::clLime);
  styler->SelectedItem()->SetColorTo(fw::clNone);
  styler->SelectedItem()->SetBorderColor(fw::clNone);
  styler->IconBar()->SetColor(fw::clYellow);
  styler->IconBar()->SetColorTo(fw::clNone);
  styler->IconBar()->SetCheckColor(fw::clRed);
  styler->IconBar()->SetRadioColor(fw::clBlue);
  styler->Background()->SetColor(fw::clWhite);
  styler->Background()->SetColorTo(fw::clNone);
  fw::TMenuItem* item = Item(menu->Items(), "Save");
  const fw::TRect all{0, 0, 200, 24};
  const fw::TRect icons{0, 0, 24, 24};
  const fw::TRect body{24, 0, 200 - 17, 24};

  PaintTarget normal(200, 24);
  DrawPopupMenuItem(item, &normal.canvas, all, {});
  EXPECT_EQ(normal.Count(icons, fw::clYellow), 24 * 24);
  EXPECT_EQ(normal.Count(body, fw::clLime), 0);
  EXPECT_EQ(normal.Count(fw::TRect{200 - 17, 0, 200, 24}, fw::clWhite), 17 * 24);  // the cut stays unpainted

  PaintTarget selected(200, 24);
  DrawPopupMenuItem(item, &selected.canvas, all, fw::TOwnerDrawState{fw::odSelected});
  EXPECT_GT(selected.Count(body, fw::clLime), body.Width() * 20);

  item->SetEnabled(false);
  PaintTarget disabled(200, 24);
  DrawPopupMenuItem(item, &disabled.canvas, all, fw::TOwnerDrawState{fw::odDisabled});
  EXPECT_GT(disabled.Count(body, static_cast<fw::TColor>(fw::ColorToRGB(fw::clGrayText))), 0);
  item->SetEnabled(true);

  item->SetChecked(true);
  PaintTarget checked(200, 24);
  DrawPopupMenuItem(item, &checked.canvas, all, {});
  EXPECT_GT(checked.Count(icons, fw::clRed), 100);
  item->SetRadioItem(true);
  PaintTarget radio(200, 24);
  DrawPopupMenuItem(item, &radio.canvas, all, {});
  EXPECT_GT(radio.Count(icons, fw::clBlue), 100);

  // The shortcut text ends 10 pixels left of the painted right edge.
  item->SetChecked(false);
  item->SetShortCut(fw::ShortCut('S', fw::TShiftState{fw::ssCtrl}));
  PaintTarget shortcut(200, 24);
  DrawPopupMenuItem(item, &shortcut.canvas, all, {});
  const auto rightmostInk = [&](const PaintTarget& t) {
    for (int x = 199; x >= 24; --x) {
      for (int y = 0; y < 24; ++y) {
        if (t.bitmap.Pixel(x, y) != fw::clWhite && t.bitmap.Pixel(x, y) != fw::clYellow) return x;
      }
    }
    return -1;
  };
  EXPECT_LE(rightmostInk(shortcut), 200 - 17 - 10);
  EXPECT_GE(rightmostInk(shortcut), 200 - 17 - 10 - 4);

  // Smoothed captions go through GDI+ (which knows only the DejaVu faces under Wine).
  item->SetShortCut(fw::scNone);
  styler->SetAntiAlias(aaAntiAlias);
  styler->SetUseSystemFont(false);
  styler->Font()->SetName("DejaVu Sans");
  PaintTarget smooth(200, 24);
  DrawPopupMenuItem(item, &smooth.canvas, all, {});
  EXPECT_GT(body.Width() * 24 - smooth.Count(body, fw::clWhite), 20);
}

TEST_F(StyledMenuTest, ImagesSideBarAndArrowsOfDropDowns) {
  auto* menu = fw::Create<TVxPopupMenu>(Form());
  TCustomVxMenuStyler* styler = menu->GetCurrentMenuStyler();
  styler->IconBar()->SetColor(fw::clWhite);
  styler->IconBar()->SetColorTo(fw::clNone);
  auto* images = fw::Create<fw::TImageList>(Form());
  fw::TBitmap picture;
  picture.SetSize(16, 16);
  picture.Canvas()->Brush()->SetColor(fw::clFuchsia);
  picture.Canvas()->FillRect(fw::TRect{0, 0, 16, 16});
  images->Add(&picture, nullptr);
  menu->SetImages(images);
  fw::TMenuItem* item = Item(menu->Items(), "Print");
  item->SetImageIndex(0);
  PaintTarget image(200, 24);
  DrawPopupMenuItem(item, &image.canvas, fw::TRect{0, 0, 200, 24}, {});
  EXPECT_EQ(image.Count(fw::TRect{0, 0, 24, 24}, fw::clFuchsia), 16 * 16);

  // A sub-menu arrow, except on a right-to-left menu on a Middle-East system.
  fw::TMenuItem* more = Item(menu->Items(), "More");
  Item(more, "Inner");
  const fw::TRect arrowArea{200 - 17 - 10, 0, 200 - 17, 24};
  const bool wasMiddleEast = fw::SysLocale.MiddleEast;
  PaintTarget arrow(200, 24);
  DrawPopupMenuItem(more, &arrow.canvas, fw::TRect{0, 0, 200, 24}, {});
  EXPECT_GT(arrow.Count(arrowArea, fw::clBlack), 0);
  menu->SetBiDiMode(fw::bdRightToLeft);
  fw::SysLocale.MiddleEast = true;
  PaintTarget noArrow(200, 24);
  DrawPopupMenuItem(more, &noArrow.canvas, fw::TRect{0, 0, 200, 24}, {});
  fw::SysLocale.MiddleEast = wasMiddleEast;
  EXPECT_EQ(noArrow.Count(arrowArea, fw::clBlack), 0);

  // The side bar stands left of the first item, and pushes the icon column right.
  menu->SetBiDiMode(fw::bdLeftToRight);
  styler->SideBar()->SetVisible(true);
  styler->SideBar()->SetVisibleIn(viAnyLevel);
  styler->SideBar()->Background()->SetColor(fw::clNavy);
  styler->SideBar()->Background()->SetColorTo(fw::clNone);
  const int sideWidth = styler->SideBar()->Size() + styler->SideBar()->SplitterWidth();
  PaintTarget side(240, 24);
  DrawPopupMenuItem(item, &side.canvas, fw::TRect{0, 0, 240, 24}, {});
  EXPECT_GT(side.Count(fw::TRect{0, 0, sideWidth, 24}, fw::clNavy), sideWidth * 12);
  EXPECT_EQ(side.Count(fw::TRect{sideWidth, 0, sideWidth + 24, 24}, fw::clFuchsia), 16 * 16);
}

// A right-to-left menu reads its captions right to left on any system, not only on Middle-East ones: the
// full stop of "Save." then stands before the word, so the first inked columns hold only the dot.
TEST_F(StyledMenuTest, ARightToLeftMenuReadsItsCaptionsRightToLeftOnAnyLocale) {
  auto* menu = fw::Create<TVxPopupMenu>(Form());
  TCustomVxMenuStyler* styler = menu->GetCurrentMenuStyler();
  styler->IconBar()->SetColor(fw::clWhite);
  styler->IconBar()->SetColorTo(fw::clNone);
  styler->Background()->SetColor(fw::clWhite);
  styler->Background()->SetColorTo(fw::clNone);
  fw::TMenuItem* item = Item(menu->Items(), "Save.");
  const bool wasMiddleEast = fw::SysLocale.MiddleEast;
  fw::SysLocale.MiddleEast = false;
  // The highest inked row in the first two inked columns.
  const auto topOfFirstInk = [&](fw::TBiDiMode mode) {
    menu->SetBiDiMode(mode);
    PaintTarget target(200, 24);
    DrawPopupMenuItem(item, &target.canvas, fw::TRect{0, 0, 200, 24}, {});
    for (int x = 0; x < 200; ++x) {
      int top = 24;
      for (int column = x; column < x + 2; ++column) {
        for (int y = 0; y < 24; ++y) {
          if (target.bitmap.Pixel(column, y) != fw::clWhite) top = std::min(top, y);
        }
      }
      if (top < 24) return top;
    }
    return 24;
  };
  const int leftToRight = topOfFirstInk(fw::bdLeftToRight);
  const int rightToLeft = topOfFirstInk(fw::bdRightToLeft);
  fw::SysLocale.MiddleEast = wasMiddleEast;
  EXPECT_LT(leftToRight, 24);
  EXPECT_GT(rightToLeft, leftToRight + 4) << "the caption was drawn left to right";
}

TEST_F(StyledMenuTest, BarItemsDrawTheirSliceOnlyWithAWindowButAlwaysWhenHotOrSelected) {
  auto* menu = fw::Create<TVxMainMenu>(Form());
  TCustomVxMenuStyler* styler = menu->GetCurrentMenuStyler();
  styler->RootItem()->SetColor(fw::clAqua);
  styler->RootItem()->SetColorTo(fw::clNone);
  styler->RootItem()->SetSelectedColor(fw::clLime);
  styler->RootItem()->SetSelectedColorTo(fw::clNone);
  styler->RootItem()->SetHoverColor(fw::clYellow);
  styler->RootItem()->SetHoverColorTo(fw::clNone);
  fw::TMenuItem* file = Item(menu->Items(), "&File");
  const fw::TRect r{0, 0, 60, 20};

  PaintTarget noWindow(60, 20);
  DrawMainMenuItem(file, &noWindow.canvas, r, {});
  EXPECT_EQ(noWindow.Count(r, fw::clWhite), 60 * 20);
  PaintTarget hot(60, 20);
  DrawMainMenuItem(file, &hot.canvas, r, fw::TOwnerDrawState{fw::odHotLight});
  EXPECT_GT(hot.Count(r, fw::clYellow), 60 * 10);
  PaintTarget pressed(60, 20);
  DrawMainMenuItem(file, &pressed.canvas, r, fw::TOwnerDrawState{fw::odSelected});
  EXPECT_GT(pressed.Count(r, fw::clLime), 60 * 10);

  Form()->SetMenu(menu);
  Form()->Show();
  PaintTarget withWindow(60, 20);
  DrawMainMenuItem(file, &withWindow.canvas, r, {});
  EXPECT_GT(withWindow.Count(r, fw::clAqua), 60 * 10);

  // While updating the menu draws nothing.
  menu->BeginUpdate();
  PaintTarget updating(60, 20);
  DrawMainMenuItem(file, &updating.canvas, r, fw::TOwnerDrawState{fw::odSelected});
  EXPECT_EQ(updating.Count(r, fw::clWhite), 60 * 20);
  menu->EndUpdate();
}

TEST_F(StyledMenuTest, NewMenusAndTheirStylers) {
  auto* menu = fw::Create<TVxMainMenu>(Form());
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_TRUE(menu->ShowNotes());
  EXPECT_FALSE(menu->IntlKeybShortCuts());
  EXPECT_EQ(menu->Version(), "2.5.4.0");
  EXPECT_EQ(menu->MenuStyler(), nullptr);
  ASSERT_NE(menu->GetCurrentMenuStyler(), nullptr);
  EXPECT_EQ(menu->GetCurrentMenuStyler()->Name(), "InternalMenuStyler");
  EXPECT_NE(dynamic_cast<TVxMenuStyler*>(menu->GetCurrentMenuStyler()), nullptr);
  auto* popup = fw::Create<TVxPopupMenu>(Form());
  EXPECT_EQ(dynamic_cast<TVxMenuStyler*>(popup->GetCurrentMenuStyler()), nullptr);
  EXPECT_EQ(popup->GetCurrentMenuStyler()->Name(), "InternalMenuStyler");

  // An assigned styler serves the menu until it is freed; then a fresh default one does.
  auto* styler = fw::Create<TVxMenuStyler>(Form());
  menu->SetMenuStyler(styler);
  EXPECT_EQ(menu->MenuStyler(), styler);
  EXPECT_EQ(menu->GetCurrentMenuStyler(), styler);
  EXPECT_EQ(styler->Menu(), menu);
  EXPECT_EQ(menu->FindComponent("InternalMenuStyler"), nullptr);
  styler->Free();
  EXPECT_EQ(menu->MenuStyler(), nullptr);
  ASSERT_NE(menu->GetCurrentMenuStyler(), nullptr);
  EXPECT_EQ(menu->GetCurrentMenuStyler()->Name(), "InternalMenuStyler");

  auto* images = fw::Create<fw::TImageList>(Form());
  menu->SetDisabledImages(images);
  images->Free();
  EXPECT_EQ(menu->DisabledImages(), nullptr);
}

TEST_F(StyledMenuTest, HandlersAreInstalledByTheRules) {
  const auto hasDraw = [](fw::TMenuItem* item, TMenuDrawHandler handler) {
    const auto* target = item->OnAdvancedDrawItem.target<TMenuDrawHandler>();
    return target != nullptr && *target == handler;
  };
  auto* menu = fw::Create<TVxMainMenu>(Form());
  menu->BeginUpdate();
  fw::TMenuItem* file = Item(menu->Items(), "&File");
  fw::TMenuItem* own = fw::Create<fw::TMenuItem>(Form());
  int ownDraws = 0;
  own->OnDrawItem = [&](fw::TObject*, fw::TCanvas*, const fw::TRect&, bool) { ++ownDraws; };
  file->Add(own);
  menu->EndUpdate();
  EXPECT_TRUE(hasDraw(file, &DrawMainMenuItem));
  EXPECT_TRUE(static_cast<bool>(file->OnMeasureItem));
  EXPECT_FALSE(static_cast<bool>(own->OnAdvancedDrawItem));  // its own drawing stays
  EXPECT_TRUE(static_cast<bool>(own->OnMeasureItem));

  // Outside an update a main menu's new item keeps the framework's drawing; a pop-up menu's does not.
  fw::TMenuItem* late = Item(file, "Late");
  EXPECT_FALSE(static_cast<bool>(late->OnAdvancedDrawItem));
  auto* popup = fw::Create<TVxPopupMenu>(Form());
  fw::TMenuItem* added = Item(popup->Items(), "Added");
  fw::TMenuItem* below = Item(added, "Below");
  EXPECT_TRUE(hasDraw(added, &DrawPopupMenuItem));
  EXPECT_TRUE(hasDraw(below, &DrawPopupMenuItem));

  // A menu read with its form gets them when loaded.
  fw::BeginLoading(Form());
  auto* loaded = fw::Create<TVxMainMenu>(Form());
  fw::TMenuItem* view = Item(loaded->Items(), "&View");
  loaded->BeginUpdate();
  fw::TMenuItem* zoom = Item(view, "&Zoom");
  loaded->EndUpdate();
  EXPECT_FALSE(static_cast<bool>(zoom->OnAdvancedDrawItem));  // nothing while loading
  fw::EndLoading(Form());
  EXPECT_TRUE(hasDraw(view, &DrawMainMenuItem));
  EXPECT_TRUE(hasDraw(zoom, &DrawMainMenuItem));
}

TEST_F(StyledMenuTest, PopupCorrectsThePositionForThePaintedWidthAndTellsItClosed) {
  auto* popup = fw::Create<TVxPopupMenu>(Form());
  fw::TMenuItem* first = Item(popup->Items(), "First");
  first->OnMeasureItem = [](fw::TObject*, fw::TCanvas*, int& width, int&) { width = 100; };
  std::vector<int> shownAt;
  fw::ServiceDouble track(fw::TrackPopupMenuService, [&](HMENU, UINT, int x, int, HWND) {
    shownAt.push_back(x);
    return 0u;
  });
  int closed = 0;
  popup->OnClose = [&](fw::TObject* sender) {
    EXPECT_EQ(sender, popup);
    ++closed;
  };
  const int desktop = fw::Screen->Width();
  struct Case {
    fw::TPopupAlignment alignment;
    int x;
    int expected;
  };
  const Case cases[] = {
      {fw::paRight, 10, 10},                     // no room on the left
      {fw::paRight, 300, 317},                   //
      {fw::paLeft, 300, 300},                    //
      {fw::paLeft, desktop - 100, desktop - 83},  // no room on the right
      {fw::paCenter, 300, 308},                  //
      {fw::paLeft, desktop + 50, desktop - 1},    // kept on the desktop
  };
  for (const Case& c : cases) {
    popup->SetAlignment(c.alignment);
    popup->Popup(c.x, 40);
  }
  ASSERT_EQ(shownAt.size(), std::size(cases));
  for (size_t i = 0; i < shownAt.size(); ++i) EXPECT_EQ(shownAt[i], cases[i].expected) << i;
  EXPECT_EQ(closed, static_cast<int>(std::size(cases)));
}

// Smoke test of the real path: the system measures and draws the styled items in its own drop-down window,
// which the menu frames and shapes, and the chosen item runs.
TEST_F(StyledMenuTest, ARealPopupShowsTheStyledItemsAndRunsTheChosenOne) {
  auto* popup = fw::Create<TVxPopupMenu>(Form());
  std::vector<std::string> clicked;
  for (const char* caption : {"Assign", "-", "Clear\\nall values"}) {
    fw::TMenuItem* item = Item(popup->Items(), caption);
    item->OnClick = [&clicked](fw::TObject* sender) { clicked.push_back(fw::As<fw::TMenuItem>(sender)->Caption()); };
  }
  Item(popup->Items()->Items(0), "Inner");
  popup->OnPopup = [&](fw::TObject*) {
    for (WPARAM key : {VK_UP, VK_RETURN}) PostMessageA(popup->WindowHandle(), WM_KEYDOWN, key, 0);
  };
  Form()->Show();
  popup->Popup(50, 50);
  EXPECT_EQ(clicked, std::vector<std::string>{"Clear\\nall values"});
}

TEST(StyledMenuModule, MenuAnimationIsOffWhileRunningAndPutBack) {
  BOOL before = FALSE;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &before, 0));
  for (BOOL saved : {TRUE, FALSE}) {
    SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(saved)), 0);
    StartMenuAnimationOff();
    BOOL running = TRUE;
    SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &running, 0);
    EXPECT_FALSE(running);
    StopMenuAnimationOff();
    BOOL after = !saved;
    SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &after, 0);
    EXPECT_EQ(after, saved);
  }
  SystemParametersInfoA(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(before)), 0);
}

// An MDI frame with the styled menu and a Window menu, and its children.
class MdiMenuTest : public StyledControlTest {
 protected:
  void SetUp() override {
    StyledControlTest::SetUp();
    App().CreateForm(frame_);
    frame_->SetFormStyle(fw::fsMDIForm);
    frame_->SetBounds(0, 0, 600, 400);
    menu_ = fw::Create<TVxMainMenu>(frame_);
    window_ = fw::Create<fw::TMenuItem>(frame_);
    window_->SetCaption("&Window");
    auto* tile = fw::Create<fw::TMenuItem>(frame_);
    tile->SetCaption("&Tile");
    window_->Add(tile);
    menu_->Items()->Add(window_);
    frame_->SetMenu(menu_);
    frame_->SetWindowMenu(window_);
    frame_->Show();
  }
  fw::TForm* Child(const char* caption) {
    auto* child = fw::Create<fw::TForm>(&App());
    child->SetFormStyle(fw::fsMDIChild);
    child->SetCaption(caption);
    child->SetBounds(0, 0, 200, 100);
    child->Show();
    return child;
  }
  std::vector<std::string> WindowMenuCaptions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < window_->Count(); ++i) {
      fw::TMenuItem* item = window_->Items(i);
      captions.push_back(item->Caption() + (item->Checked() ? " (checked)" : ""));
    }
    return captions;
  }

  fw::TForm* frame_ = nullptr;
  TVxMainMenu* menu_ = nullptr;
  fw::TMenuItem* window_ = nullptr;
};

TEST_F(MdiMenuTest, TheWindowMenuListsTheChildrenSortedWithTheActiveOneChecked) {
  ASSERT_NE(frame_->ClientHandle(), nullptr);
  fw::TForm* b = Child("b");
  fw::TForm* a = Child("a");
  Child("c");
  EXPECT_EQ(frame_->MDIChildCount(), 3);
  SendMessageA(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(b->Handle()), 0);
  EXPECT_EQ(frame_->ActiveMDIChild(), b);

  menu_->Refresh();  // the menu answers for the client window from now on
  const LRESULT answer = SendMessageA(frame_->ClientHandle(), WM_MDIREFRESHMENU, 0, 0);
  EXPECT_EQ(reinterpret_cast<HMENU>(answer), menu_->Handle());
  EXPECT_EQ(WindowMenuCaptions(), (std::vector<std::string>{"&Tile", "-", "1 a", "2 b (checked)", "3 c"}));
  EXPECT_EQ(window_->Items(1)->ShortCut(), 43981);
  EXPECT_EQ(window_->Items(2)->Tag(), reinterpret_cast<std::intptr_t>(a->Handle()));
  EXPECT_EQ(window_->Items(2)->GroupIndex(), 205);

  // A click on an entry activates that child; the list is made again, after the same marker.
  window_->Items(2)->Click();
  EXPECT_EQ(frame_->ActiveMDIChild(), a);
  EXPECT_TRUE(window_->Items(2)->Checked());
  SendMessageA(frame_->ClientHandle(), WM_MDIREFRESHMENU, 0, 0);
  EXPECT_EQ(WindowMenuCaptions(), (std::vector<std::string>{"&Tile", "-", "1 a (checked)", "2 b", "3 c"}));

  // Other messages still reach the client's own procedure.
  SendMessageA(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(b->Handle()), 0);
  EXPECT_EQ(frame_->ActiveMDIChild(), b);

  // The bar still draws its slice with the active child maximised (its icon goes on the frame's bar).
  ShowWindow(b->Handle(), SW_MAXIMIZE);
  menu_->GetCurrentMenuStyler()->RootItem()->SetColor(fw::clAqua);
  menu_->GetCurrentMenuStyler()->RootItem()->SetColorTo(fw::clNone);
  const fw::TRect bar{40, 0, 100, 20};
  PaintTarget target(100, 20);
  DrawMainMenuItem(window_, &target.canvas, bar, {});
  EXPECT_GT(target.Count(bar, fw::clAqua), 60 * 10);
}

TEST_F(MdiMenuTest, ChildFormsNeedAnMdiFrame) {
  frame_->SetFormStyle(fw::fsNormal);
  auto* child = fw::Create<fw::TForm>(&App());
  child->SetFormStyle(fw::fsMDIChild);
  EXPECT_THROW(child->HandleNeeded(), fw::EInvalidOperation);
  EXPECT_EQ(frame_->ClientHandle(), nullptr);
  EXPECT_EQ(frame_->ActiveMDIChild(), nullptr);
}

}  // namespace
}  // namespace ui
