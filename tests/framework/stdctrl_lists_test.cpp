// List boxes and combo boxes: items with objects kept in the object and mirrored to the window,
// ItemIndex with and without a window, the user's picks through the window's notifications, combo
// styles, drop-down and owner drawing.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/controls/combo_box.h"
#include "framework/controls/list_box.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

// The window's items as text.
std::vector<std::string> WindowItems(HWND window, UINT countMessage, UINT textMessage) {
  std::vector<std::string> items;
  const auto count = static_cast<int>(SendMessageA(window, countMessage, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[128] = {};
    SendMessageA(window, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

std::vector<std::string> ListOf(TStrings* strings) {
  std::vector<std::string> items;
  for (int i = 0; i < strings->Count(); ++i) items.push_back(strings->Strings(i));
  return items;
}

// The same edits of Items, made before and after the window exists, leave object and window alike.
class ListBoxItemsTest : public StdControlTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ListBoxItemsTest, ItemsAndItemIndexFollowEveryChange) {
  const bool windowFirst = GetParam();
  auto* list = Make<TListBox>(Rect(10, 10, 200, 150));
  if (windowFirst) Form()->Show();
  TObject marker;
  TStrings* items = list->Items();
  items->Add("3302 CDU");
  items->AddObject("4C5A NAVCOM", &marker);
  items->Insert(0, "330A MCP");
  list->SetItemIndex(1);
  items->Insert(0, "3306 ELEC");
  EXPECT_EQ(list->ItemIndex(), 2);  // the selected item moved down
  items->Delete(3);
  items->SetStrings(2, "3302 CDU (FO)");
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(items->Objects(1), nullptr);
  EXPECT_EQ(items->IndexOfObject(&marker), -1);
  items->AddObject("3401 MULTICOM", &marker);
  EXPECT_EQ(items->IndexOfObject(&marker), 3);
  EXPECT_EQ(list->Count(), 4);
  items->Delete(2);
  EXPECT_EQ(list->ItemIndex(), -1);  // the selected item is gone

  Form()->Show();
  const std::vector<std::string> expected{"3306 ELEC", "330A MCP", "3401 MULTICOM"};
  EXPECT_EQ(ListOf(items), expected);
  EXPECT_EQ(WindowItems(list->Handle(), LB_GETCOUNT, LB_GETTEXT), expected);
  list->SetItemIndex(2);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCURSEL, 0, 0), 2);
  list->SetItemIndex(9);
  EXPECT_EQ(list->ItemIndex(), -1);

  // An update reaches the window at its end; sorting reloads it.
  items->BeginUpdate();
  items->Add("0000 FIRST");
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 3);
  items->EndUpdate();
  list->SetSorted(true);
  EXPECT_EQ(WindowItems(list->Handle(), LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"0000 FIRST", "3306 ELEC", "330A MCP", "3401 MULTICOM"}));
  EXPECT_EQ(items->Objects(3), &marker);
  list->Clear();
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

INSTANTIATE_TEST_SUITE_P(WindowFirstOrLast, ListBoxItemsTest, ::testing::Bool());

TEST_F(StdControlTest, ListBoxReportsTheUsersPick) {
  auto* list = Make<TListBox>(Rect(10, 10, 200, 150));
  for (const char* board : {"330A MCP", "3302 CDU", "4C5A NAVCOM"}) list->Items()->Add(board);
  std::vector<int> clicks;
  int doubleClicks = 0;
  list->OnClick = [&](TObject*) { clicks.push_back(list->ItemIndex()); };
  list->OnDblClick = [&](TObject*) { ++doubleClicks; };
  Form()->Show();
  const auto itemHeight = static_cast<int>(SendMessageA(list->Handle(), LB_GETITEMHEIGHT, 0, 0));
  PostClick(list->Handle(), 20, itemHeight + itemHeight / 2);
  PostClick(list->Handle(), 20, 2 * itemHeight + 2);
  PostMessageA(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 2 * itemHeight + 2));
  PostMessageA(list->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 2 * itemHeight + 2));
  ProcessMessages();
  EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
  EXPECT_EQ(doubleClicks, 1);
  list->SetItemIndex(0);  // the program's choice is no click
  EXPECT_EQ(clicks.size(), 2u);
}

// What a combo box shows as Text in each style.
struct ComboStyleCase {
  const char* name;
  TComboBoxStyle style;
  bool typedTextKept;
};

class ComboStyleTest : public StdControlTest, public ::testing::WithParamInterface<ComboStyleCase> {};

TEST_P(ComboStyleTest, TextIsThePickOrWhatWasTyped) {
  const ComboStyleCase& c = GetParam();
  auto* combo = Make<TComboBox>(Rect(10, 10, 160, 31));
  combo->SetStyle(c.style);
  TObject board;
  combo->Items()->AddObject("captain", &board);
  combo->Items()->Add("first officer");
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "first officer");
  Form()->Show();
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "first officer");
  combo->SetText("captain");
  EXPECT_EQ(combo->Text(), "captain");
  if (!c.typedTextKept) {
    EXPECT_EQ(combo->Items()->Objects(combo->ItemIndex()), &board);  // the text picked the item
  }
  combo->SetText("observer");
  EXPECT_EQ(combo->Text(), c.typedTextKept ? "observer" : "captain");
  combo->RecreateWnd();
  EXPECT_EQ(combo->Text(), c.typedTextKept ? "observer" : "captain");
  EXPECT_EQ(combo->Items()->Count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Styles, ComboStyleTest,
                         ::testing::Values(ComboStyleCase{"DropDown", csDropDown, true},
                                           ComboStyleCase{"Simple", csSimple, true},
                                           ComboStyleCase{"DropDownList", csDropDownList, false},
                                           ComboStyleCase{"OwnerDrawFixed", csOwnerDrawFixed, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StdControlTest, ComboBoxEventsComeFromTheWindowsNotifications) {
  auto* combo = Make<TComboBox>(Rect(10, 10, 160, 31));
  for (const char* item : {"Not Assigned", "330A MCP", "3302 CDU"}) combo->Items()->Add(item);
  std::vector<std::string> events;
  combo->OnClick = [&](TObject*) { events.push_back("click " + combo->Text()); };
  combo->OnChange = [&](TObject*) { events.push_back("change " + combo->Text()); };
  combo->OnDropDown = [&](TObject*) { events.push_back("dropdown"); };
  combo->OnCloseUp = [&](TObject*) { events.push_back("closeup"); };
  // Without a window there is nothing to drop down.
  combo->SetDroppedDown(true);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(combo->HandleAllocated());
  Form()->Show();
  combo->SetItemIndex(0);  // the program's change fires nothing
  combo->SetDroppedDown(true);
  EXPECT_TRUE(combo->DroppedDown());
  // The user picks the next item with the keyboard.
  SendMessageA(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  combo->SetDroppedDown(false);
  EXPECT_FALSE(combo->DroppedDown());
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events.front(), "dropdown");
  EXPECT_EQ(events.back(), "closeup");
  EXPECT_NE(std::find(events.begin(), events.end(), "click 330A MCP"), events.end());
  // Without OnSelect the pick also counts as a change; with it, OnSelect takes its place.
  EXPECT_NE(std::find(events.begin(), events.end(), "change 330A MCP"), events.end());
  events.clear();
  combo->OnSelect = [&](TObject*) { events.push_back("select " + combo->Text()); };
  SendMessageA(Form()->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(events, (std::vector<std::string>{"click 330A MCP", "select 330A MCP"}));
  // Typing in the edit part is a change.
  events.clear();
  HWND edit = GetWindow(combo->Handle(), GW_CHILD);
  ASSERT_NE(edit, nullptr);
  PostMessageA(edit, WM_CHAR, 'x', 0);
  ProcessMessages();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].rfind("change ", 0), 0u);
}

TEST_F(StdControlTest, OwnerDrawnComboDrawsItsItemsThroughOnDrawItem) {
  auto* combo = Make<TComboBox>(Rect(10, 10, 160, 31));
  combo->SetStyle(csOwnerDrawVariable);
  for (const char* item : {"ORVA 737QTX", "ORVA 777"}) combo->Items()->Add(item);
  std::vector<int> measured;
  combo->OnMeasureItem = [&](TWinControl*, int index, int& height) {
    measured.push_back(index);
    height = 20 + index;
  };
  std::vector<std::pair<int, bool>> drawn;
  combo->OnDrawItem = [&](TWinControl* control, int index, const TRect& rect, TOwnerDrawState state) {
    EXPECT_EQ(control, combo);
    drawn.emplace_back(index, state.Contains(odSelected));
    auto* canvas = As<TComboBox>(control)->Canvas();
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(rect);
  };
  combo->SetItemIndex(1);
  Form()->Show();
  EXPECT_EQ(measured, (std::vector<int>{0, 1}));
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETITEMHEIGHT, 1, 0), 21);

  // The window asks its parent to draw the selected item into our bitmap.
  testing::MemoryBitmap bitmap(150, 21);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_COMBOBOX;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(combo->Handle()));
  item.itemID = 1;
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = ODS_SELECTED;
  item.hwndItem = combo->Handle();
  item.hDC = bitmap.DC();
  item.rcItem = RECT{0, 0, 150, 21};
  SendMessageA(Form()->Handle(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), std::make_pair(1, true));
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 150, 21}, clLime), 150 * 21);
  EXPECT_GT(testing::PaintedPixelsOnParent(combo), 0);
}

}  // namespace
}  // namespace fw
