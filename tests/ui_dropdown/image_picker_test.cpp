// The image picker drop-down: its defaults, the events of each kind of SetItemIndex, the images added from
// the list, the keys by columns in the open list, the wheel with the list open and closed, Enter on the hot
// item, the type-ahead search within and after its time, a cancelled close, the pop-up's size and the
// selected picture in the edit area.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/services/keystate.h"
#include "tests/ui_dropdown/popup_test_support.h"
#include "ui/dropdown/image_picker_dropdown.h"

namespace ui {
namespace {

using Picker = TVxImagePickerDropDown;

constexpr fw::TColor kSolid[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00};

class ImagePickerTest : public testing::PopupTest {
 protected:
  // A picker on the shown form, recording its events, with Count items of solid 16 x 16 images.
  Picker* MakeImagePicker(int Count = 0, const std::vector<std::string>& Captions = {}) {
    Picker* picker = MakeDropDown<Picker>();
    images = fw::Create<fw::TImageList>(Form());
    images->SetSize(16, 16);
    for (fw::TColor color : kSolid) {
      fw::TBitmap bitmap;
      bitmap.SetSize(16, 16);
      bitmap.Canvas()->Brush()->SetColor(color);
      bitmap.Canvas()->FillRect(fw::TRect{0, 0, 16, 16});
      images->Add(&bitmap, nullptr);
    }
    picker->SetImages(images);
    for (int i = 0; i < Count; ++i) {
      TImageItem* item = picker->Items()->Add();
      item->SetImageIndex(i % 6);
      if (static_cast<size_t>(i) < Captions.size()) item->SetCaption(Captions[static_cast<size_t>(i)]);
    }
    picker->OnChange = [this](fw::TObject*) { events.push_back("change"); };
    picker->OnSelect = [this](fw::TObject*) { events.push_back("select"); };
    Form()->Show();
    ProcessMessages();
    return picker;
  }
  void Key(Picker* picker, WORD key) { SendMessageA(picker->Handle(), WM_KEYDOWN, key, 0); }

  fw::TImageList* images = nullptr;
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(ImagePickerTest, DefaultsAndStyles) {
  Picker* picker = MakeImagePicker();
  EXPECT_FALSE(picker->EditorEnabled());
  EXPECT_TRUE(picker->DropDownEnabled());
  EXPECT_EQ(picker->Columns(), 1);
  EXPECT_EQ(picker->ItemIndex(), -1);
  EXPECT_EQ(picker->Layout(), ilCaptionRight);
  EXPECT_EQ(picker->Cursor(), fw::crArrow);
  EXPECT_EQ(picker->KeyTimer()->Interval(), 500u);
  EXPECT_FALSE(picker->KeyTimer()->Enabled());
  ASSERT_NE(picker->Selector(), nullptr);
  EXPECT_EQ(picker->Selector()->SelectorType(), stImage);
  // The style the base applies while constructing leaves the appearance at colour style 1.
  EXPECT_EQ(picker->GetStyle(), 4);
  EXPECT_EQ(picker->ItemAppearance()->ColorHot(), 0xD7FFFD);
  EXPECT_EQ(picker->ItemAppearance()->BorderColor(), 0x8DD7D3);

  picker->ApplyStyle(4);
  EXPECT_EQ(picker->ItemAppearance()->ColorHot(), 0xEBFDFF);
  EXPECT_EQ(picker->ItemAppearance()->BorderColor(), 0x42AEFE);
  picker->SetSelectionColorStyle(3);
  EXPECT_EQ(picker->Selector()->ItemAppearance()->SelectionColorStyle(), 3);
  EXPECT_EQ(picker->Selector()->ItemAppearance()->ColorHot(), 0xFCEBDC);
}

TEST_F(ImagePickerTest, EventsOfEachKindOfSetItemIndex) {
  struct Case {
    const char* name;
    int start;
    int value;
    int expected;
    Events events;
  };
  const Case cases[] = {
      {"a new index", -1, 2, 2, {"change", "select"}},
      {"the current index", 2, 2, 2, {}},
      {"the item count", 2, 5, 2, {}},
      {"past the count", 2, 9, 2, {}},
      {"-1 clears and still fires", 2, -1, -1, {"change", "select"}},
      {"-1 when nothing is selected", -1, -1, -1, {}},
  };
  Picker* picker = MakeImagePicker(5);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    picker->SetItemIndex(c.start);
    events.clear();
    picker->SetItemIndex(c.value);
    EXPECT_EQ(picker->ItemIndex(), c.expected);
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(picker->Text(), "");
  }
}

TEST_F(ImagePickerTest, ImagesFromTheListAndSelectionByImageIndex) {
  Picker* picker = MakeImagePicker();
  picker->SetImages(nullptr);
  picker->AddImagesFromList();
  EXPECT_EQ(picker->Items()->Count(), 0);
  images->Delete(5);
  picker->SetImages(images);
  picker->AddImagesFromList();
  ASSERT_EQ(picker->Items()->Count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(picker->Items()->Items(i)->ImageIndex(), i);
    EXPECT_EQ(picker->Items()->Items(i)->Caption(), "");
  }
  EXPECT_EQ(picker->GetSelectedImageIndex(), -1);
  picker->Items()->Items(3)->SetImageIndex(1);  // the first item with image 1 is item 1
  picker->SetSelectedImageIndex(1);
  EXPECT_EQ(picker->ItemIndex(), 1);
  picker->SetSelectedImageIndex(4);
  EXPECT_EQ(picker->ItemIndex(), 4);
  EXPECT_EQ(picker->GetSelectedImageIndex(), 4);
  picker->SetSelectedImageIndex(7);
  EXPECT_EQ(picker->ItemIndex(), -1);
}

TEST_F(ImagePickerTest, KeysMoveByColumnsInTheOpenList) {
  Picker* picker = MakeImagePicker(12);
  picker->SetColumns(4);
  picker->SetItemIndex(5);
  Open(picker);
  ASSERT_TRUE(picker->DroppedDown());
  struct Step {
    WORD key;
    int expected;
  };
  const Step steps[] = {
      {VK_UP, 1},   {VK_UP, 1},    {VK_DOWN, 5},  {VK_DOWN, 9},  {VK_DOWN, 9},   {VK_RIGHT, 10},
      {VK_LEFT, 9}, {VK_HOME, 0},  {VK_LEFT, 0},  {VK_END, 11},  {VK_RIGHT, 11},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(std::to_string(s.key) + " to " + std::to_string(s.expected));
    Key(picker, s.key);
    EXPECT_EQ(picker->ItemIndex(), s.expected);
    EXPECT_EQ(picker->Selector()->ItemIndex(), s.expected);
    EXPECT_TRUE(picker->DroppedDown());
  }
}

TEST_F(ImagePickerTest, KeysWithTheListClosedStepTheOwnSelection) {
  Picker* picker = MakeImagePicker(4);
  picker->SetColumns(2);
  const struct {
    WORD key;
    int expected;
  } steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 3}, {VK_DOWN, 3}, {VK_UP, 2}, {VK_HOME, 0}, {VK_LEFT, 0}};
  for (const auto& s : steps) {
    Key(picker, s.key);
    EXPECT_EQ(picker->ItemIndex(), s.expected) << s.key;
  }
  EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(ImagePickerTest, PageKeysMoveByTheRowsThatFit) {
  Picker* picker = MakeImagePicker(20);
  picker->SetDropDownHeight(120);
  picker->SetItemIndex(0);
  Open(picker);
  const int page = picker->Selector()->PageItemCount();
  ASSERT_GT(page, 1);
  Key(picker, VK_NEXT);
  EXPECT_EQ(picker->ItemIndex(), page);
  for (int i = 0; i < 20; ++i) Key(picker, VK_NEXT);
  EXPECT_EQ(picker->ItemIndex(), 19);
  Key(picker, VK_PRIOR);
  EXPECT_EQ(picker->ItemIndex(), 19 - page);
  EXPECT_TRUE(picker->DroppedDown());
}

TEST_F(ImagePickerTest, TheWheelMovesTheHotItemWhileOpenAndEnterChoosesIt) {
  Picker* picker = MakeImagePicker(6);
  picker->SetItemIndex(1);
  Open(picker);
  events.clear();
  picker->DropDownFormWheelDown();  // no hot item yet: the first becomes hot
  picker->DropDownFormWheelDown();
  picker->DropDownFormWheelDown();
  EXPECT_EQ(picker->Selector()->HotIndex(), 2);
  picker->DropDownFormWheelUp();
  EXPECT_EQ(picker->Selector()->HotIndex(), 1);
  picker->DropDownFormWheelDown();
  picker->DropDownFormWheelDown();
  EXPECT_EQ(picker->ItemIndex(), 1);
  EXPECT_TRUE(events.empty());
  Key(picker, VK_RETURN);
  ProcessMessages();
  EXPECT_EQ(picker->ItemIndex(), 3);
  EXPECT_EQ(events, (Events{"change", "select"}));
  EXPECT_FALSE(picker->DropDownForm()->Visible());
}

TEST_F(ImagePickerTest, EnterWithoutHotItemFiresOnlySelect) {
  Picker* picker = MakeImagePicker(6);
  picker->SetItemIndex(2);
  Open(picker);
  ASSERT_EQ(picker->Selector()->HotIndex(), -1);
  events.clear();
  Key(picker, VK_RETURN);
  ProcessMessages();
  EXPECT_EQ(picker->ItemIndex(), 2);
  EXPECT_EQ(events, (Events{"select"}));
  EXPECT_FALSE(picker->DropDownForm()->Visible());
}

TEST_F(ImagePickerTest, TheWheelStepsTheSelectionWhileClosed) {
  // Also before the list was ever opened, and from an index set by code since the last opening.
  Picker* picker = MakeImagePicker(6);
  picker->DropDownFormWheelDown();
  EXPECT_EQ(picker->ItemIndex(), 0);
  EXPECT_EQ(events, (Events{"change", "select"}));
  picker->DropDownFormWheelDown();
  EXPECT_EQ(picker->ItemIndex(), 1);
  Open(picker);
  picker->CloseUp(false);
  ProcessMessages();
  picker->SetItemIndex(4);
  picker->DropDownFormWheelDown();
  EXPECT_EQ(picker->ItemIndex(), 5);
  picker->DropDownFormWheelDown();
  EXPECT_EQ(picker->ItemIndex(), 5);
  picker->DropDownFormWheelUp();
  EXPECT_EQ(picker->ItemIndex(), 4);
  EXPECT_FALSE(picker->DroppedDown());
  picker->SetReadOnly(true);
  picker->DropDownFormWheelUp();
  EXPECT_EQ(picker->ItemIndex(), 4);
}

TEST_F(ImagePickerTest, TypeAheadWithinAndAfterItsTime) {
  Picker* picker = MakeImagePicker(5, {"Apple", "Banana", "<b>Blue</b>berry", "Cherry", "Bluff"});
  for (bool open : {false, true}) {
    SCOPED_TRACE(open ? "list open" : "list closed");
    picker->SetItemIndex(-1);
    if (open) Open(picker);
    Key(picker, 'B');
    EXPECT_EQ(picker->ItemIndex(), 1);
    EXPECT_TRUE(picker->KeyTimer()->Enabled());
    Key(picker, 'L');
    EXPECT_EQ(picker->SearchText(), "BL");
    EXPECT_EQ(picker->ItemIndex(), 2);
    Key(picker, 'X');  // no match: the selection stays
    EXPECT_EQ(picker->ItemIndex(), 2);
    picker->KeyTimerTick();
    EXPECT_EQ(picker->SearchText(), "");
    EXPECT_FALSE(picker->KeyTimer()->Enabled());
    Key(picker, 'C');
    EXPECT_EQ(picker->ItemIndex(), 3);
    EXPECT_EQ(picker->DroppedDown(), open);
    picker->KeyTimerTick();
    picker->CloseUp(false);
    ProcessMessages();
  }
  // With Ctrl or Alt held no search runs.
  picker->SetItemIndex(-1);
  for (int held : {VK_CONTROL, VK_MENU}) {
    const fw::ServiceDouble<SHORT(int)> keys(fw::KeyState,
                                             [held](int key) -> SHORT { return key == held ? SHORT(0x8000) : SHORT(0); });
    Key(picker, 'A');
    EXPECT_EQ(picker->ItemIndex(), -1) << held;
    EXPECT_EQ(picker->SearchText(), "") << held;
  }
}

TEST_F(ImagePickerTest, ACancelledCloseRestoresTheIndex) {
  Picker* picker = MakeImagePicker(6);
  picker->SetItemIndex(1);
  Open(picker);
  Key(picker, VK_DOWN);
  EXPECT_EQ(picker->ItemIndex(), 2);
  picker->CloseUp(true);
  ProcessMessages();
  EXPECT_EQ(picker->ItemIndex(), 1);

  Open(picker);
  Key(picker, VK_DOWN);
  picker->CloseUp(false);
  ProcessMessages();
  EXPECT_EQ(picker->ItemIndex(), 2);

  // Esc with the list closed keeps what the keys chose since.
  Key(picker, VK_DOWN);
  ASSERT_EQ(picker->ItemIndex(), 3);
  Key(picker, VK_ESCAPE);
  EXPECT_EQ(picker->ItemIndex(), 3);
}

TEST_F(ImagePickerTest, AClickOnAnItemChoosesAndCloses) {
  Picker* picker = MakeImagePicker(6);
  picker->SetColumns(3);
  Open(picker);
  events.clear();
  const fw::TRect r = picker->Selector()->Panel()->GetItemRect(4);
  SendMessageA(picker->Selector()->Panel()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.Left + 2, r.Top + 2));
  ProcessMessages();
  EXPECT_EQ(picker->ItemIndex(), 4);
  EXPECT_EQ(events, (Events{"change", "select"}));
  EXPECT_FALSE(picker->DropDownForm()->Visible());
}

TEST_F(ImagePickerTest, ThePopupTakesThePanelSizeAndWidensForTheScrollBar) {
  {
    SCOPED_TRACE("computed size: the whole panel, no scroll bar");
    Picker* picker = MakeImagePicker(8);
    picker->SetColumns(4);
    Open(picker);
    const SIZE panel = picker->Selector()->GetPanelSize();
    EXPECT_EQ(picker->Selector()->Width(), panel.cx);
    EXPECT_EQ(picker->Selector()->Height(), panel.cy);
    EXPECT_FALSE(picker->Selector()->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(picker->Selector()->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(picker->DropDownForm()->Width(), panel.cx + 2 * picker->DropDownBorderWidth());
    picker->CloseUp(false);
    ProcessMessages();
  }
  {
    SCOPED_TRACE("a height too small for the items");
    Picker* picker = MakeImagePicker(30);
    picker->SetColumns(4);
    picker->SetDropDownHeight(80);
    Open(picker);
    const SIZE panel = picker->Selector()->GetPanelSize();
    ASSERT_GT(panel.cy, 150);
    EXPECT_TRUE(picker->Selector()->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(picker->Selector()->HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(picker->DropDownForm()->Width(),
              panel.cx + 2 * picker->DropDownBorderWidth() + GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(picker->DropDownForm()->Height(), 80);
  }
}

TEST_F(ImagePickerTest, TheListIsRebuiltAtEachOpeningAndDrawsThroughOnDrawItem) {
  Picker* picker = MakeImagePicker(3, {"one", "two", "three"});
  picker->SetLayout(ilCaptionBottom);
  picker->SetColumns(2);
  picker->Items()->Items(1)->SetHint("second");
  std::vector<int> drawn;
  picker->OnDrawItem = [&](fw::TObject* sender, fw::TCanvas*, fw::TRect, int index) {
    EXPECT_EQ(sender, picker);
    drawn.push_back(index);
  };
  Open(picker);
  TVxCustomItemSelector* selector = picker->Selector();
  ASSERT_EQ(selector->Items()->Count(), 3);
  EXPECT_EQ(selector->Items()->Items(2)->Caption(), "three");
  EXPECT_EQ(selector->Items()->Items(1)->Hint(), "second");
  EXPECT_EQ(selector->Items()->Items(2)->ImageIndex(), 2);
  EXPECT_EQ(selector->Columns(), 2);
  EXPECT_EQ(selector->ItemLayout(), ilCaptionBottom);
  EXPECT_EQ(selector->Images(), images);
  testing::BitmapCanvas paper(10, 10);
  drawn.clear();
  selector->Panel()->DrawItem(1, paper.Canvas());
  EXPECT_EQ(drawn, std::vector<int>{1});
  picker->CloseUp(false);
  ProcessMessages();

  picker->Items()->Add()->SetCaption("four");
  picker->OnDrawItem = nullptr;
  Open(picker);
  EXPECT_EQ(selector->Items()->Count(), 4);
  EXPECT_FALSE(selector->OnDrawItem);
}

TEST_F(ImagePickerTest, TheSelectedPictureInTheEditArea) {
  Picker* picker = MakeImagePicker(3);
  const fw::TRect r = picker->GetEditRect();
  const int x = r.Left + (r.Right - r.Left) / 2;
  const int y = r.Top + (r.Bottom - r.Top) / 2;
  picker->SetItemIndex(2);
  UpdateWindow(picker->Handle());
  EXPECT_EQ(testing::WindowPixel(picker->Handle(), x, y), kSolid[2]);

  // No selection: no picture; the handler, when assigned, is called even then.
  picker->SetItemIndex(-1);
  UpdateWindow(picker->Handle());
  EXPECT_NE(testing::WindowPixel(picker->Handle(), x, y), kSolid[2]);
  std::vector<std::string> rects;
  picker->OnDrawSelectedImage = [&](fw::TObject* sender, fw::TCanvas* canvas, fw::TRect rect) {
    EXPECT_EQ(sender, picker);
    EXPECT_NE(canvas, nullptr);
    rects.push_back(std::to_string(rect.Left) + "," + std::to_string(rect.Top));
  };
  picker->Invalidate();
  UpdateWindow(picker->Handle());
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ(rects.front(), std::to_string(r.Left) + "," + std::to_string(r.Top));
}

}  // namespace
}  // namespace ui
