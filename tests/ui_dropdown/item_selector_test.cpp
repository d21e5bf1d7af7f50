// The item selector: layout of item rectangles and the panel for several column and item counts, the
// selection and hot-item rules at the ends, the type-ahead lookup, the page size, scrolling an item into
// view, the mouse, the faces and the four caption layouts drawn into memory bitmaps, and the panel's
// refusal of any other owner.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui_dropdown/dropdown_test_support.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/item_selector.h"

namespace ui {
namespace {

using testing::BitmapCanvas;

std::string RectText(const fw::TRect& r) {
  return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom) + ")";
}

class ItemSelectorTest : public testing::DropDownTest {
 protected:
  // A selector on the form whose items all measure Width x Height.
  TVxCustomItemSelector* MakeSelector(int Count, int Width = 60, int Height = 30,
                                      fw::TRect Bounds = fw::TRect{10, 10, 210, 160}) {
    auto* selector = Make<TVxCustomItemSelector>(Bounds);
    selector->SetColor(fw::clWhite);
    selector->OnItemSize = [Width, Height](fw::TObject*, SIZE& size) { size = SIZE{Width, Height}; };
    selector->OnItemSelect = [this](fw::TObject*) { ++selects; };
    for (int i = 0; i < Count; ++i) selector->Items()->Add()->SetCaption("Item " + std::to_string(i));
    selector->UpdateLayout();
    return selector;
  }

  int selects = 0;
};

TEST_F(ItemSelectorTest, ItemRectanglesAndPanelSizeByColumnsAndCount) {
  struct Case {
    int count;
    int columns;
    std::vector<fw::TRect> rects;
    SIZE panel;
  };
  const Case cases[] = {
      {5, 2, {{2, 2, 62, 32}, {62, 2, 122, 32}, {2, 32, 62, 62}, {62, 32, 122, 62}, {2, 62, 62, 92}}, {124, 94}},
      {4, 2, {{2, 2, 62, 32}, {62, 2, 122, 32}, {2, 32, 62, 62}, {62, 32, 122, 62}}, {124, 64}},
      {3, 1, {{2, 2, 62, 32}, {2, 32, 62, 62}, {2, 62, 62, 92}}, {64, 94}},
      {3, 4, {{2, 2, 62, 32}, {62, 2, 122, 32}, {122, 2, 182, 32}}, {184, 34}},
      {1, 3, {{2, 2, 62, 32}}, {64, 34}},
      {0, 2, {}, {100, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " items in " + std::to_string(c.columns) + " columns");
    TVxCustomItemSelector* selector = MakeSelector(c.count);
    selector->SetColumns(c.columns);
    for (int i = 0; i < c.count; ++i) {
      EXPECT_EQ(RectText(selector->Panel()->GetItemRect(i)), RectText(c.rects[static_cast<size_t>(i)])) << i;
    }
    const SIZE panel = selector->GetPanelSize();
    EXPECT_EQ(panel.cx, c.panel.cx);
    EXPECT_EQ(panel.cy, c.panel.cy);
    EXPECT_EQ(RectText(selector->Panel()->GetItemRect(c.count)), RectText(fw::TRect{-1, -1, -1, -1}));
    EXPECT_EQ(RectText(selector->Panel()->GetItemRect(-1)), RectText(fw::TRect{-1, -1, -1, -1}));
  }
}

TEST_F(ItemSelectorTest, ColumnsBelowOneAreIgnoredAndHitTestingUsesTheLayout) {
  TVxCustomItemSelector* selector = MakeSelector(5);
  selector->SetColumns(2);
  selector->SetColumns(0);
  selector->SetColumns(-1);
  EXPECT_EQ(selector->Columns(), 2);
  EXPECT_EQ(selector->Panel()->ItemAtPos(70, 40), 3);
  EXPECT_EQ(selector->Panel()->ItemAtPos(62, 32), 3);  // left and top edges belong to the item
  EXPECT_EQ(selector->Panel()->ItemAtPos(61, 31), 0);
  EXPECT_EQ(selector->Panel()->ItemAtPos(70, 70), -1);  // right of the last item
  EXPECT_EQ(selector->Panel()->ItemAtPos(0, 0), -1);    // the margin
}

TEST_F(ItemSelectorTest, ItemChangesLayOutAgainButAddingDoesNot) {
  TVxCustomItemSelector* selector = MakeSelector(0);
  selector->Items()->Add();
  selector->Items()->Add();
  EXPECT_EQ(RectText(selector->Panel()->GetItemRect(1)), RectText(fw::TRect{}));
  selector->Items()->Items(1)->SetCaption("B");
  EXPECT_EQ(RectText(selector->Panel()->GetItemRect(1)), RectText(fw::TRect{2, 32, 62, 62}));
  // The hot item goes with every layout.
  selector->Panel()->SetHotItem(0);
  selector->Items()->Items(0)->SetImageIndex(3);
  EXPECT_EQ(selector->HotIndex(), -1);
}

TEST_F(ItemSelectorTest, EmptySelector) {
  TVxCustomItemSelector* selector = MakeSelector(0);
  EXPECT_EQ(selector->PageItemCount(), 0);
  selector->SelectNext();
  selector->SelectPrevious();
  selector->SelectFirst();
  selector->SelectLast();
  selector->HotNext();
  EXPECT_EQ(selector->ItemIndex(), -1);
  EXPECT_EQ(selector->HotIndex(), -1);
  EXPECT_FALSE(selector->LookupItem(""));
  EXPECT_EQ(selects, 0);
}

TEST_F(ItemSelectorTest, NavigationAtTheEndsAndWithNothingSelected) {
  enum Op { Next, Previous, First, Last, HotNext, HotPrevious };
  struct Case {
    const char* name;
    int start;  // selected (or hot) item before
    Op op;
    int expected;
    int events;
  };
  const Case cases[] = {
      {"next with nothing selected", -1, Next, 0, 1},
      {"previous with nothing selected", -1, Previous, 0, 1},
      {"next in the middle", 1, Next, 2, 1},
      {"next on the last", 2, Next, 2, 0},
      {"previous on the first", 0, Previous, 0, 0},
      {"previous in the middle", 2, Previous, 1, 1},
      {"first", 2, First, 0, 1},
      {"last", 0, Last, 2, 1},
      {"hot next with no hot item", -1, HotNext, 0, 0},
      {"hot previous with no hot item", -1, HotPrevious, 0, 0},
      {"hot next on the last", 2, HotNext, 2, 0},
      {"hot previous on the first", 0, HotPrevious, 0, 0},
      {"hot next in the middle", 0, HotNext, 1, 0},
  };
  TVxCustomItemSelector* selector = MakeSelector(3);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const bool hot = c.op == HotNext || c.op == HotPrevious;
    selector->Panel()->SelectItem(-1);
    selector->Panel()->SetHotItem(-1);
    if (hot) {
      selector->Panel()->SetHotItem(c.start);
    } else {
      selector->Panel()->SelectItem(c.start);
    }
    selects = 0;
    switch (c.op) {
      case Next: selector->SelectNext(); break;
      case Previous: selector->SelectPrevious(); break;
      case First: selector->SelectFirst(); break;
      case Last: selector->SelectLast(); break;
      case HotNext: selector->HotNext(); break;
      case HotPrevious: selector->HotPrevious(); break;
    }
    EXPECT_EQ(hot ? selector->HotIndex() : selector->ItemIndex(), c.expected);
    EXPECT_EQ(selects, c.events);
    if (hot) {
      EXPECT_EQ(selector->ItemIndex(), -1);
    }
  }
}

TEST_F(ItemSelectorTest, SelectingFiresEveryTimeAndClearingFiresNothing) {
  TVxCustomItemSelector* selector = MakeSelector(3);
  selector->SetItemIndex(1);
  selector->SetItemIndex(1);
  EXPECT_EQ(selects, 2);
  selector->SetItemIndex(-1);
  EXPECT_EQ(selector->ItemIndex(), -1);
  EXPECT_EQ(selects, 2);
}

TEST_F(ItemSelectorTest, LookupStripsMarkupAndBlanksButTakesTheSearchTextAsGiven) {
  TVxCustomItemSelector* selector = MakeSelector(0);
  for (const char* caption : {"Zulu", "  <b>ab</b>Cd ", "Abe", "<i>x</i>ray"}) {
    selector->Items()->Add()->SetCaption(caption);
  }
  struct Case {
    const char* text;
    bool found;
    int index;
  };
  const Case cases[] = {
      {"AB", true, 1}, {"ABC", true, 1}, {"ABE", true, 2}, {"XR", true, 3}, {"ab", false, -1}, {"Q", false, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    selector->SetItemIndex(-1);
    selects = 0;
    EXPECT_EQ(selector->LookupItem(c.text), c.found);
    EXPECT_EQ(selector->ItemIndex(), c.index);
    EXPECT_EQ(selects, c.found ? 1 : 0);
  }
}

TEST_F(ItemSelectorTest, PageItemCountCountsWholeRowsTimesColumns) {
  Form()->Show();
  TVxCustomItemSelector* selector = MakeSelector(12, 60, 30, fw::TRect{10, 10, 240, 110});
  selector->SetColumns(3);
  ProcessMessages();
  ASSERT_FALSE(selector->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(selector->PageItemCount(), 100 / 30 * 3);
  // A horizontal scroll bar takes 20 pixels of the height.
  selector->SetBounds(10, 10, 100, 110);
  ProcessMessages();
  ASSERT_TRUE(selector->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(selector->PageItemCount(), 90 / 30 * 3);
}

TEST_F(ItemSelectorTest, PageItemCountIsZeroForItemsWithoutHeight) {
  TVxCustomItemSelector* selector = MakeSelector(4, 60, 0);
  EXPECT_EQ(selector->PageItemCount(), 0);
  TVxCustomItemSelector* negative = MakeSelector(4, 60, -5);
  EXPECT_EQ(negative->PageItemCount(), 0);
}

TEST_F(ItemSelectorTest, ScrollItemInViewKeepsTheBarMarginAndFollowsTheThumb) {
  Form()->Show();
  TVxCustomItemSelector* selector = MakeSelector(10, 60, 30, fw::TRect{10, 10, 110, 70});
  ProcessMessages();
  ASSERT_TRUE(selector->VertScrollBar()->IsScrollBarVisible());
  const int clientHeight = selector->ClientHeight();
  selector->VertScrollBar()->SetMargin(2);
  selector->SetItemIndex(5);  // rows 152-182, 150-184 with the margin
  EXPECT_EQ(selector->VertScrollBar()->Position(), 184 - clientHeight);
  EXPECT_EQ(selector->Panel()->Top(), clientHeight - 184);
  selector->SetItemIndex(5);  // in view: nothing moves
  EXPECT_EQ(selector->VertScrollBar()->Position(), 184 - clientHeight);
  selector->SetItemIndex(4);  // rows 122-152: the top less the margin comes to the top
  EXPECT_EQ(selector->VertScrollBar()->Position(), 120);
  selector->SetItemIndex(0);
  EXPECT_EQ(selector->VertScrollBar()->Position(), 0);
  selector->ScrollItemInView(10);  // out of range
  EXPECT_EQ(selector->VertScrollBar()->Position(), 0);

  SendMessageA(selector->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), 0);
  EXPECT_EQ(selector->VertScrollBar()->Position(), 40);
  EXPECT_EQ(SendMessageA(selector->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTALLKEYS);
}

TEST_F(ItemSelectorTest, WithoutAVerticalBarNothingScrolls) {
  Form()->Show();
  TVxCustomItemSelector* selector = MakeSelector(3);
  ProcessMessages();
  ASSERT_FALSE(selector->VertScrollBar()->IsScrollBarVisible());
  selector->SetItemIndex(2);
  EXPECT_EQ(selector->VertScrollBar()->Position(), 0);
  EXPECT_EQ(selector->Panel()->Top(), 0);
}

TEST_F(ItemSelectorTest, BarsGoWhenTheSelectorGrowsToThePanel) {
  // Small, the selector shows both bars; each takes room the other would need. At the panel's size the
  // panel fits and neither bar may stay.
  Form()->Show();
  TVxCustomItemSelector* selector = MakeSelector(6, 60, 30, fw::TRect{10, 10, 50, 40});
  selector->SetColumns(3);
  ProcessMessages();
  ASSERT_TRUE(selector->VertScrollBar()->IsScrollBarVisible());
  ASSERT_TRUE(selector->HorzScrollBar()->IsScrollBarVisible());
  const SIZE panel = selector->GetPanelSize();
  selector->SetBounds(10, 10, panel.cx, panel.cy);
  ProcessMessages();
  EXPECT_FALSE(selector->VertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(selector->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(selector->ClientWidth(), panel.cx);
  EXPECT_EQ(selector->Panel()->Left(), 0);
}

TEST_F(ItemSelectorTest, MouseHoverClickAndLeave) {
  Form()->Show();
  TVxCustomItemSelector* selector = MakeSelector(3);
  selector->Items()->Items(1)->SetHint("second");
  ProcessMessages();
  const HWND panel = selector->Panel()->Handle();
  SendMessageA(panel, WM_MOUSEMOVE, 0, MAKELPARAM(10, 40));
  EXPECT_EQ(selector->HotIndex(), 1);
  EXPECT_EQ(selector->Panel()->Hint(), "second");
  SendMessageA(panel, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
  EXPECT_EQ(selector->HotIndex(), -1);
  SendMessageA(panel, WM_MOUSEMOVE, 0, MAKELPARAM(10, 70));
  EXPECT_EQ(selector->HotIndex(), 2);
  selector->Panel()->Perform(fw::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(selector->Panel()));
  EXPECT_EQ(selector->HotIndex(), -1);

  SendMessageA(panel, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 40));
  SendMessageA(panel, WM_RBUTTONUP, 0, MAKELPARAM(10, 40));
  EXPECT_EQ(selector->ItemIndex(), 1);
  EXPECT_EQ(selects, 1);
  SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
  SendMessageA(panel, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
  EXPECT_EQ(selector->ItemIndex(), 1);
  EXPECT_EQ(selects, 1);
}

TEST_F(ItemSelectorTest, ThePanelWantsASelectorAsOwner) {
  try {
    fw::Create<TCustomItemSelector>(Form());
    FAIL() << "no exception";
  } catch (const fw::Exception& e) {
    EXPECT_EQ(e.Message(), "Invalid parent");
  }
  TVxCustomItemSelector* selector = MakeSelector(0);
  EXPECT_EQ(selector->Panel()->Selector(), selector);
  EXPECT_EQ(selector->Panel()->Parent(), selector);
}

TEST_F(ItemSelectorTest, ImagesAreForgottenWhenTheListGoes) {
  TVxCustomItemSelector* selector = MakeSelector(2);
  fw::TImageList* images = fw::Create<fw::TImageList>(nullptr);
  selector->SetImages(images);
  images->Free();
  EXPECT_EQ(selector->Images(), nullptr);
}

// ---- measuring and drawing ----

class ItemDrawingTest : public ItemSelectorTest {
 protected:
  static constexpr fw::TColor kBox = 0x0000FF;
  static constexpr fw::TColor kText = 0xFF0000;

  // One item with a red colour box and a caption, 120 x 40 at (2, 2).
  TVxCustomItemSelector* MakeColourItem(TItemLayout layout, const std::string& caption = "Wg") {
    TVxCustomItemSelector* selector = MakeSelector(0, 120, 40);
    selector->SetSelectorType(stColor);
    selector->SetItemLayout(layout);
    selector->ItemAppearance()->Font()->SetColor(kText);
    selector->ItemAppearance()->Font()->SetSize(10);
    TSelectorItem* item = selector->Items()->Add();
    item->SetColor(kBox);
    item->SetCaption(caption);
    return selector;
  }
  // The bounding box of the pixels of a colour (Right, Bottom exclusive); empty when there is none.
  static fw::TRect Find(const BitmapCanvas& paper, int width, int height, fw::TColor color, fw::TRect skip = {}) {
    fw::TRect found{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (skip.Contains(fw::TPoint{x, y}) || paper.Pixel(x, y) != color) continue;
        found = fw::TRect{std::min(found.Left, x), std::min(found.Top, y), std::max(found.Right, x + 1),
                          std::max(found.Bottom, y + 1)};
      }
    }
    return found;
  }
  // The bounding box of everything not white outside skip.
  static fw::TRect Ink(const BitmapCanvas& paper, int width, int height, fw::TRect skip) {
    fw::TRect found{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (skip.Contains(fw::TPoint{x, y}) || paper.Pixel(x, y) == fw::clWhite) continue;
        found = fw::TRect{std::min(found.Left, x), std::min(found.Top, y), std::max(found.Right, x + 1),
                          std::max(found.Bottom, y + 1)};
      }
    }
    return found;
  }
  // The caption's extent as the selector measures it.
  static SIZE Extent(TVxCustomItemSelector* selector, const std::string& caption, fw::TRect r) {
    BitmapCanvas paper(10, 10);
    paper.Canvas()->SetFont(selector->ItemAppearance()->Font());
    SIZE size{};
    dropdown::MeasureHTMLText(paper.Canvas(), caption, r, size, nullptr, true, nullptr);
    return size;
  }
};

TEST_F(ItemDrawingTest, MeasuredItemSizeByLayout) {
  TVxCustomItemSelector* selector = MakeColourItem(ilCaptionRight);
  selector->OnItemSize = nullptr;
  const SIZE text = Extent(selector, "Wg", fw::TRect{0, 0, 1000, 500});
  ASSERT_GT(text.cx, 0);
  const int tw = text.cx + 4;
  const int th = text.cy;
  struct Case {
    TItemLayout layout;
    SIZE expected;
  };
  const Case cases[] = {
      {ilCaptionRight, {8 + 14 + 4 + tw, std::max(th, 14) + 8}},
      {ilCaptionLeft, {8 + 14 + 4 + tw, std::max(th, 14) + 8}},
      {ilCaptionTop, {std::max(tw, 14) + 8, 8 + 14 + 4 + th}},
      {ilCaptionBottom, {std::max(tw, 14) + 8, 8 + 14 + 4 + th}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.layout));
    selector->SetItemLayout(c.layout);
    SIZE size{};
    selector->Panel()->GetItemSize(size);
    EXPECT_EQ(size.cx, c.expected.cx);
    EXPECT_EQ(size.cy, c.expected.cy);
  }
  // Without captions and pictures only the insets remain; an image list gives its image size.
  selector->Items()->Items(0)->SetCaption("");
  selector->SetSelectorType(stImage);
  SIZE size{};
  selector->Panel()->GetItemSize(size);
  EXPECT_EQ(size.cx, 8);
  EXPECT_EQ(size.cy, 8);
  fw::TImageList* images = fw::Create<fw::TImageList>(Form());
  images->SetSize(20, 12);
  selector->SetImages(images);
  selector->Items()->Items(0)->SetImageIndex(0);
  selector->SetItemLayout(ilCaptionRight);
  selector->Panel()->GetItemSize(size);
  EXPECT_EQ(size.cx, 28);
  EXPECT_EQ(size.cy, 20);
}

TEST_F(ItemDrawingTest, TheFourLayoutsPlaceTheColourBoxAndTheCaption) {
  const fw::TRect item{2, 2, 122, 42};
  const fw::TRect inner{6, 6, 118, 38};  // inset by 4
  for (TItemLayout layout : {ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom}) {
    SCOPED_TRACE(static_cast<int>(layout));
    TVxCustomItemSelector* selector = MakeColourItem(layout);
    BitmapCanvas paper(130, 50);
    selector->Panel()->DrawItem(0, paper.Canvas());
    // The box is framed in black: its red inside is one pixel in.
    const fw::TRect red = Find(paper, 130, 50, kBox);
    ASSERT_FALSE(red.IsEmpty());
    const fw::TPoint box{red.Left - 1, red.Top - 1};
    EXPECT_EQ(red.Width(), 12);
    const fw::TRect boxRect{box.X, box.Y, box.X + 14, box.Y + 14};
    const fw::TRect text = Ink(paper, 130, 50, boxRect);
    ASSERT_FALSE(text.IsEmpty());
    const SIZE extent = Extent(selector, "Wg", inner);
    switch (layout) {
      case ilCaptionRight:
        EXPECT_EQ(box.X, inner.Left);
        EXPECT_EQ(box.Y, inner.Top);
        EXPECT_GE(text.Left, inner.Left + 14 + 4);
        break;
      case ilCaptionLeft:
        EXPECT_EQ(box.X, inner.Left + extent.cx + 4);
        EXPECT_EQ(box.Y, inner.Top);
        EXPECT_LT(text.Right, box.X);
        break;
      case ilCaptionTop:
        EXPECT_EQ(box.X, inner.Left + (inner.Width() - 14) / 2);
        EXPECT_EQ(box.Y, inner.Top + extent.cy + 4);
        EXPECT_LT(text.Bottom, box.Y);
        break;
      case ilCaptionBottom:
        EXPECT_EQ(box.X, inner.Left + (inner.Width() - 14) / 2);
        EXPECT_EQ(box.Y, inner.Top);
        EXPECT_GE(text.Top, inner.Top + 14 + 4);
        break;
    }
    EXPECT_GE(text.Left, item.Left);
    EXPECT_LE(text.Right, item.Right);
  }
}

TEST_F(ItemDrawingTest, WithoutCaptionThePictureIsCentred) {
  const fw::TRect inner{6, 6, 118, 38};
  for (TItemLayout layout : {ilCaptionTop, ilCaptionBottom}) {
    SCOPED_TRACE(static_cast<int>(layout));
    TVxCustomItemSelector* selector = MakeColourItem(layout, "");
    BitmapCanvas paper(130, 50);
    selector->Panel()->DrawItem(0, paper.Canvas());
    const fw::TRect red = Find(paper, 130, 50, kBox);
    EXPECT_EQ(red.Left - 1, inner.Left + (inner.Width() - 14) / 2);
    EXPECT_EQ(red.Top - 1, inner.Top + (inner.Height() - 14) / 2);
  }
}

TEST_F(ItemDrawingTest, FacesOfHotAndSelectedItems) {
  TVxCustomItemSelector* selector = MakeColourItem(ilCaptionRight, "");
  selector->SetColumns(2);
  selector->Items()->Add()->SetColor(kBox);  // a second item, (122, 2)-(242, 42)
  TItemAppearance* look = selector->ItemAppearance();
  look->SetColorHot(0x11AA11);
  look->SetColorHotTo(0x11AA11);
  look->SetColorMirrorHot(0x22BB22);
  look->SetColorMirrorHotTo(0x22BB22);
  look->SetColorSelected(0x3333CC);
  look->SetColorSelectedTo(0x3333CC);
  look->SetColorMirrorSelected(0x4444DD);
  look->SetColorMirrorSelectedTo(0x4444DD);
  auto draw = [&](BitmapCanvas& paper) {
    paper.Canvas()->Brush()->SetColor(0x808080);
    paper.Canvas()->FillRect(fw::TRect{0, 0, 250, 50});
    selector->Panel()->DrawItem(0, paper.Canvas());
    selector->Panel()->DrawItem(1, paper.Canvas());
  };
  {
    SCOPED_TRACE("plain items: the panel colour");
    BitmapCanvas paper(250, 50);
    draw(paper);
    EXPECT_EQ(paper.Pixel(100, 10), fw::clWhite);
    EXPECT_EQ(paper.Pixel(230, 35), fw::clWhite);
  }
  {
    SCOPED_TRACE("rounded faces: upper half face colours, lower half mirror colours; hot and selected looks selected");
    selector->Panel()->SetHotItem(0);
    selector->Panel()->SelectItem(1);
    BitmapCanvas paper(250, 50);
    draw(paper);
    EXPECT_EQ(paper.Pixel(100, 10), 0x11AA11);
    EXPECT_EQ(paper.Pixel(100, 35), 0x22BB22);
    EXPECT_EQ(paper.Pixel(230, 10), 0x3333CC);
    EXPECT_EQ(paper.Pixel(230, 35), 0x4444DD);
    selector->Panel()->SetHotItem(1);
    BitmapCanvas both(250, 50);
    draw(both);
    EXPECT_EQ(both.Pixel(230, 10), 0x3333CC);
    EXPECT_EQ(both.Pixel(100, 10), fw::clWhite);
  }
  {
    SCOPED_TRACE("a hot border colour: plain face with a one-pixel frame");
    look->SetBorderColorSelected(0x00FF00);
    BitmapCanvas paper(250, 50);
    draw(paper);
    EXPECT_EQ(paper.Pixel(122, 20), 0x00FF00);
    EXPECT_EQ(paper.Pixel(241, 20), 0x00FF00);
    EXPECT_EQ(paper.Pixel(200, 2), 0x00FF00);
    EXPECT_EQ(paper.Pixel(230, 35), 0x3333CC);  // one gradient of equal ends
  }
  {
    SCOPED_TRACE("OnDrawItem replaces the content, not the face");
    std::vector<std::pair<int, std::string>> calls;
    selector->OnDrawItem = [&](fw::TObject* sender, fw::TCanvas*, fw::TRect r, int index) {
      EXPECT_EQ(sender, selector->Panel());
      calls.emplace_back(index, RectText(r));
    };
    BitmapCanvas paper(250, 50);
    draw(paper);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], std::make_pair(1, RectText(fw::TRect{122, 2, 242, 42})));
    EXPECT_EQ(paper.Pixel(230, 35), 0x3333CC);
    EXPECT_TRUE(Find(paper, 250, 50, kBox).IsEmpty());
  }
}

}  // namespace
}  // namespace ui
