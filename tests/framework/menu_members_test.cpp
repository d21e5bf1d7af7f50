// Menu members: UpdateItems measuring every owner-drawn item again, the MenuChanged notification with
// its source item and rebuild flag, images (forgotten when freed), column breaks, the default item,
// item pictures, reading direction and the screen's menu font.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "framework/forms/screen.h"
#include "framework/menus/menu.h"
#include "framework/rtl/syslocale.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

struct Change {
  TObject* sender;
  TMenuItem* source;
  bool rebuild;
  bool operator==(const Change&) const = default;
};

class RecordingMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  std::vector<Change> Changes;

 protected:
  void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override {
    Changes.push_back({Sender, Source, Rebuild});
    TPopupMenu::MenuChanged(Sender, Source, Rebuild);
  }
};

class MenuMembersTest : public StdControlTest {
 protected:
  TMenuItem* Item(TMenuItem* parent, const char* caption) {
    auto* item = Create<TMenuItem>(Form());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  static MENUITEMINFOA Info(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return info;
  }
  // An image list of 16 x 16 images, one per colour.
  TImageList* Images(std::initializer_list<TColor> colors) {
    auto* images = Create<TImageList>(Form());
    for (TColor color : colors) {
      TBitmap bitmap;
      bitmap.SetSize(16, 16);
      bitmap.Canvas()->Brush()->SetColor(color);
      bitmap.Canvas()->FillRect(Rect(0, 0, 16, 16));
      images->Add(&bitmap, nullptr);
    }
    return images;
  }
  // Sends the form a WM_DRAWITEM for the item into a fresh bitmap of the size.
  void DrawItem(testing::MemoryBitmap& bitmap, TMenuItem* item, int width, int height, UINT state = 0) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = item->Command();
    draw.itemState = state;
    draw.hDC = bitmap.DC();
    draw.rcItem = RECT{0, 0, width, height};
    SendMessageA(Form()->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  }
  MEASUREITEMSTRUCT Measure(TMenuItem* item) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = item->Command();
    SendMessageA(Form()->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return measure;
  }
};

TEST_F(MenuMembersTest, UpdateItemsMeasuresEveryOwnerDrawnItemAgain) {
  auto* menu = Create<TMainMenu>(Form());
  menu->SetOwnerDraw(true);
  std::map<TObject*, int> measured;
  int width = 50;
  for (const char* caption : {"&File", "&Edit", "&Help"}) {
    TMenuItem* item = Item(menu->Items(), caption);
    item->OnMeasureItem = [&](TObject* sender, TCanvas*, int& w, int& h) {
      ++measured[sender];
      w = width;
      h = 20;
    };
  }
  Form()->SetMenu(menu);
  Form()->Show();
  const auto barItemWidth = [&](int position) {
    RECT r{};
    GetMenuItemRect(Form()->Handle(), menu->Handle(), static_cast<UINT>(position), &r);
    return static_cast<int>(r.right - r.left);
  };
  const int before = barItemWidth(1);
  const std::map<TObject*, int> counts = measured;
  ASSERT_EQ(counts.size(), 3u);

  width = 80;
  menu->UpdateItems();
  for (int i = 0; i < 3; ++i) {
    TMenuItem* item = menu->Items()->Items(i);
    EXPECT_GT(measured[item], counts.at(item)) << item->Caption();
    EXPECT_EQ(barItemWidth(i), before + 30) << item->Caption();
  }
}

TEST_F(MenuMembersTest, MenuChangedCarriesTheSourceItemAndTheRebuildFlag) {
  auto* menu = Create<RecordingMenu>(Form());
  TMenuItem* root = menu->Items();
  TMenuItem* view = Item(root, "&View");
  TMenuItem* zoom = Item(view, "&Zoom");
  const HMENU drop = view->Handle();
  menu->Handle();
  TMenuItem* added = nullptr;
  struct Case {
    const char* what;
    std::function<void()> act;
    std::function<Change()> expected;
  };
  const Case cases[] = {
      {"caption", [&] { zoom->SetCaption("Z&oom"); }, [&] { return Change{zoom, zoom, true}; }},
      {"checked", [&] { zoom->SetChecked(true); }, [&] { return Change{zoom, zoom, false}; }},
      {"enabled", [&] { zoom->SetEnabled(false); }, [&] { return Change{zoom, zoom, false}; }},
      {"default", [&] { zoom->SetDefault(true); }, [&] { return Change{zoom, zoom, true}; }},
      {"break", [&] { zoom->SetBreak(mbBarBreak); }, [&] { return Change{zoom, zoom, true}; }},
      {"image", [&] { zoom->SetImageIndex(1); }, [&] { return Change{zoom, zoom, true}; }},
      {"picture", [&] { zoom->Bitmap()->SetSize(8, 8); }, [&] { return Change{zoom, zoom, true}; }},
      {"visible", [&] { view->SetVisible(false); }, [&] { return Change{view, view, true}; }},
      {"added below", [&] { added = Item(view, "Fit"); }, [&] { return Change{view, added, true}; }},
      {"deleted below", [&] { view->Delete(1); }, [&] { return Change{view, view, true}; }},
      {"added on top", [&] { added = Item(root, "&Tools"); }, [&] { return Change{root, added, true}; }},
      {"deleted on top", [&] { root->Delete(1); }, [&] { return Change{root, nullptr, true}; }},
      {"owner draw", [&] { menu->SetOwnerDraw(true); }, [&] { return Change{menu, nullptr, true}; }},
      {"reading", [&] { menu->SetBiDiMode(bdRightToLeft); }, [&] { return Change{menu, nullptr, true}; }},
  };
  for (const Case& c : cases) {
    menu->Changes.clear();
    c.act();
    ASSERT_EQ(menu->Changes.size(), 1u) << c.what;
    EXPECT_EQ(menu->Changes[0], c.expected()) << c.what;
  }
  // In place: the state changed on the drop-down that was there.
  zoom->SetEnabled(true);
  EXPECT_EQ(view->Handle(), drop);
  EXPECT_EQ(Info(drop, 0).fState & MFS_DISABLED, 0u);
  EXPECT_NE(Info(drop, 0).fState & MFS_CHECKED, 0u);
}

TEST_F(MenuMembersTest, ImagesMakeItemsOwnerDrawnAndAreForgottenWhenFreed) {
  auto* menu = Create<TPopupMenu>(Form());
  TMenuItem* copy = Item(menu->Items(), "&Copy");
  TMenuItem* paste = Item(menu->Items(), "&Paste");
  copy->SetImageIndex(1);
  TImageList* images = Images({clRed, clBlue});
  menu->SetImages(images);
  EXPECT_EQ(copy->GetImageList(), images);
  const HMENU handle = menu->Handle();
  EXPECT_NE(Info(handle, 0).fType & MFT_OWNERDRAW, 0u);
  EXPECT_NE(Info(handle, 1).fType & MFT_OWNERDRAW, 0u);

  // The default drawing shows the item's image in the column left of the caption.
  testing::MemoryBitmap bitmap(120, 24);
  DrawItem(bitmap, copy, 120, 24);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 24, 24}, clBlue), 16 * 16);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 120, 24}, clRed), 0);
  bitmap.Fill(clWhite);
  DrawItem(bitmap, paste, 120, 24);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 24, 24}, clBlue) + bitmap.Count(RECT{0, 0, 24, 24}, clRed), 0);

  // A bigger image size makes the items again, measured for the new size.
  images->SetSize(32, 32);
  EXPECT_GE(Measure(copy).itemHeight, 36u);

  images->Free();
  EXPECT_EQ(menu->Images(), nullptr);
  EXPECT_EQ(copy->GetImageList(), nullptr);
  EXPECT_EQ(Info(menu->Handle(), 0).fType & MFT_OWNERDRAW, 0u);
}

TEST_F(MenuMembersTest, BreaksTheDefaultItemAndPicturesReachTheWin32Items) {
  auto* menu = Create<TPopupMenu>(Form());
  TMenuItem* open = Item(menu->Items(), "&Open");
  TMenuItem* next = Item(menu->Items(), "&Next column");
  TMenuItem* bar = Item(menu->Items(), "&Bar column");
  TMenuItem* picture = Item(menu->Items(), "&Picture");
  open->SetDefault(true);
  next->SetBreak(mbBreak);
  bar->SetBreak(mbBarBreak);
  picture->Bitmap()->SetSize(20, 30);
  picture->Bitmap()->Canvas()->Brush()->SetColor(clLime);
  picture->Bitmap()->Canvas()->FillRect(Rect(0, 0, 20, 30));
  const HMENU handle = menu->Handle();
  EXPECT_NE(Info(handle, 0).fState & MFS_DEFAULT, 0u);
  EXPECT_NE(Info(handle, 1).fType & MFT_MENUBREAK, 0u);
  EXPECT_EQ(Info(handle, 1).fType & MFT_MENUBARBREAK, 0u);
  EXPECT_NE(Info(handle, 2).fType & MFT_MENUBARBREAK, 0u);
  EXPECT_EQ(Info(handle, 0).fType & MFT_OWNERDRAW, 0u);
  EXPECT_NE(Info(handle, 3).fType & MFT_OWNERDRAW, 0u);  // an item with a picture draws itself

  EXPECT_GE(Measure(picture).itemHeight, 34u);
  testing::MemoryBitmap bitmap(150, 34);
  DrawItem(bitmap, picture, 150, 34);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 30, 34}, clLime), 20 * 30);

  // The default item is measured and drawn bold.
  menu->SetOwnerDraw(true);
  const UINT boldWidth = Measure(open).itemWidth;
  open->SetDefault(false);
  EXPECT_GT(boldWidth, Measure(open).itemWidth);
}

TEST_F(MenuMembersTest, RightToLeftReadingOnlyOnAMiddleEastSystem) {
  const bool wasMiddleEast = SysLocale.MiddleEast;
  auto* menu = Create<TPopupMenu>(Form());
  Item(menu->Items(), "&Open");
  menu->SetBiDiMode(bdRightToLeft);
  SysLocale.MiddleEast = false;
  menu->UpdateItems();
  EXPECT_EQ(Info(menu->Handle(), 0).fType & MFT_RIGHTORDER, 0u);
  SysLocale.MiddleEast = true;
  menu->UpdateItems();
  EXPECT_NE(Info(menu->Handle(), 0).fType & MFT_RIGHTORDER, 0u);
  menu->SetBiDiMode(bdLeftToRight);
  EXPECT_EQ(Info(menu->Handle(), 0).fType & MFT_RIGHTORDER, 0u);
  SysLocale.MiddleEast = wasMiddleEast;
}

TEST_F(MenuMembersTest, ItemsAreMeasuredInTheScreensMenuFont) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  TFont* font = Screen->MenuFont();
  EXPECT_EQ(font->Name(), metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(font->Height(), metrics.lfMenuFont.lfHeight);

  auto* menu = Create<TPopupMenu>(Form());
  TMenuItem* item = Item(menu->Items(), "&Open");
  std::string measuredIn;
  item->OnMeasureItem = [&](TObject*, TCanvas* canvas, int&, int&) { measuredIn = canvas->Font()->Name(); };
  Measure(item);
  EXPECT_EQ(measuredIn, font->Name());
}

}  // namespace
}  // namespace fw
