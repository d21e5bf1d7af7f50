// Menus: items built into the form's menu bar and pop-up menus, clicks through WM_COMMAND and
// shortcuts, checks and radio groups, owner drawing through WM_MEASUREITEM/WM_DRAWITEM, Popup.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/controls/edit.h"
#include "framework/menus/menu.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

struct ShortCutCase {
  WORD key;
  TShiftState shift;
  const char* text;
};

class ShortCutTextTest : public ::testing::TestWithParam<ShortCutCase> {};

TEST_P(ShortCutTextTest, TextAndBack) {
  const ShortCutCase& c = GetParam();
  const TShortCut shortCut = ShortCut(c.key, c.shift);
  EXPECT_EQ(ShortCutToText(shortCut), c.text);
  EXPECT_EQ(TextToShortCut(c.text), shortCut);
  WORD key = 0;
  TShiftState shift;
  ShortCutToKey(shortCut, key, shift);
  EXPECT_EQ(key, c.key);
  EXPECT_EQ(shift, c.shift);
}

INSTANTIATE_TEST_SUITE_P(Keys, ShortCutTextTest,
                         ::testing::Values(ShortCutCase{'S', TShiftState{ssCtrl}, "Ctrl+S"},
                                           ShortCutCase{VK_F5, TShiftState{}, "F5"},
                                           ShortCutCase{VK_DELETE, TShiftState{ssShift, ssCtrl}, "Shift+Ctrl+Del"},
                                           ShortCutCase{'4', TShiftState{ssAlt}, "Alt+4"},
                                           ShortCutCase{VK_NEXT, TShiftState{}, "PgDn"}));

TEST(ShortCutText, UnknownTextIsNoShortCut) {
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Hyper+S"), scNone);
  EXPECT_EQ(ShortCutToText(scNone), "");
}

// The program's menu bar: File (Save Configuration, a line, Exit) and Edit (Operation Mode with Basic
// Mode and Program Mode, Log).
class MenuTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    menu_ = Create<TMainMenu>(Form());
    file_ = Item(menu_->Items(), "&File");
    save_ = Item(file_, "&Save Configuration");
    save_->SetShortCut(ShortCut('S', TShiftState{ssCtrl}));
    Item(file_, "-");
    exit_ = Item(file_, "E&xit");
    edit_ = Item(menu_->Items(), "&Edit");
    TMenuItem* mode = Item(edit_, "Operation Mode");
    basic_ = Item(mode, "Basic Mode");
    program_ = Item(mode, "Program Mode");
    for (TMenuItem* radio : {basic_, program_}) {
      radio->SetRadioItem(true);
      radio->SetGroupIndex(1);
    }
    basic_->SetChecked(true);
    log_ = Item(edit_, "Log");
  }
  TMenuItem* Item(TMenuItem* parent, const char* caption) {
    auto* item = Create<TMenuItem>(Form());
    item->SetCaption(caption);
    item->OnClick = [this](TObject* sender) { clicked_.push_back(As<TMenuItem>(sender)->Caption()); };
    parent->Add(item);
    return item;
  }
  static std::string MenuText(HMENU menu, UINT position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
  }

  TMainMenu* menu_ = nullptr;
  TMenuItem* file_ = nullptr;
  TMenuItem* save_ = nullptr;
  TMenuItem* exit_ = nullptr;
  TMenuItem* edit_ = nullptr;
  TMenuItem* basic_ = nullptr;
  TMenuItem* program_ = nullptr;
  TMenuItem* log_ = nullptr;
  std::vector<std::string> clicked_;
};

TEST_F(MenuTest, TheFormsMenuBarShowsTheItems) {
  Form()->SetMenu(menu_);
  exit_->SetEnabled(false);
  Form()->Show();
  const HMENU bar = GetMenu(Form()->Handle());
  ASSERT_EQ(bar, menu_->Handle());
  EXPECT_EQ(GetMenuItemCount(bar), 2);
  const HMENU fileMenu = GetSubMenu(bar, 0);
  EXPECT_EQ(fileMenu, file_->Handle());
  EXPECT_EQ(GetMenuItemCount(fileMenu), 3);
  EXPECT_EQ(MenuText(fileMenu, 0), "&Save Configuration\tCtrl+S");
  EXPECT_NE(GetMenuState(fileMenu, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
  EXPECT_NE(GetMenuState(fileMenu, exit_->Command(), MF_BYCOMMAND) & MF_GRAYED, 0u);

  // Changes reach the menu at once.
  file_->Items(1)->SetVisible(false);
  exit_->SetCaption("&Quit");
  EXPECT_EQ(GetMenuItemCount(fileMenu), 2);
  EXPECT_EQ(MenuText(fileMenu, 1), "&Quit");
  program_->SetChecked(true);
  EXPECT_FALSE(basic_->Checked());
  EXPECT_EQ(GetMenuState(bar, basic_->Command(), MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_NE(GetMenuState(bar, program_->Command(), MF_BYCOMMAND) & MF_CHECKED, 0u);
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(bar, program_->Command(), FALSE, &info);
  EXPECT_NE(info.fType & MFT_RADIOCHECK, 0u);

  // A new window keeps the menu, and the window never destroys it.
  Form()->RecreateWnd();
  EXPECT_EQ(GetMenu(Form()->Handle()), menu_->Handle());
  EXPECT_TRUE(IsMenu(menu_->Handle()));
}

TEST_F(MenuTest, ClicksReachTheItemsThroughWmCommandAndShortcuts) {
  Form()->SetMenu(menu_);
  auto* edit = Make<TEdit>(Rect(10, 10, 100, 31));
  log_->SetAutoCheck(true);
  Form()->Show();
  for (TMenuItem* item : {save_, log_, exit_, log_}) PostMessageA(Form()->Handle(), WM_COMMAND, item->Command(), 0);
  ProcessMessages();
  exit_->SetEnabled(false);
  PostMessageA(Form()->Handle(), WM_COMMAND, exit_->Command(), 0);
  ProcessMessages();
  EXPECT_EQ(clicked_, (std::vector<std::string>{"&Save Configuration", "Log", "E&xit", "Log"}));
  EXPECT_FALSE(log_->Checked());  // flipped twice

  // Ctrl+S in the edit runs Save; the edit never sees the key.
  clicked_.clear();
  edit->SetFocus();
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(edit->Handle(), WM_KEYDOWN, 'S', 0);
  ProcessMessages();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  PostMessageA(edit->Handle(), WM_KEYDOWN, 'S', 0);  // without Ctrl: no shortcut
  ProcessMessages();
  EXPECT_EQ(clicked_, std::vector<std::string>{"&Save Configuration"});
}

TEST_F(MenuTest, ItemsAreAddedInsertedFoundAndDeleted) {
  EXPECT_EQ(file_->Count(), 3);
  EXPECT_EQ(file_->Find("save configuration"), save_);
  EXPECT_EQ(menu_->Items()->Find("EDIT"), edit_);
  EXPECT_EQ(file_->Find("Print"), nullptr);
  auto* load = Create<TMenuItem>(Form());
  load->SetCaption("&Load Configuration");
  load->SetTag(7);
  file_->Insert(1, load);
  EXPECT_EQ(load->MenuIndex(), 1);
  EXPECT_EQ(load->Parent(), file_);
  EXPECT_THROW(edit_->Add(load), EInvalidOperation);
  exit_->SetMenuIndex(0);
  EXPECT_EQ(file_->IndexOf(exit_), 0);
  Form()->SetMenu(menu_);
  Form()->Show();
  EXPECT_EQ(MenuText(file_->Handle(), 0), "E&xit");
  EXPECT_EQ(menu_->FindItem(load->Command()), load);

  const int components = Form()->ComponentCount();
  file_->Delete(file_->IndexOf(load));
  EXPECT_EQ(Form()->ComponentCount(), components - 1);
  EXPECT_EQ(GetMenuItemCount(file_->Handle()), 3);
  file_->Remove(save_);
  EXPECT_EQ(save_->Parent(), nullptr);
  EXPECT_EQ(GetMenuItemCount(file_->Handle()), 2);
  edit_->Clear();
  EXPECT_EQ(edit_->Count(), 0);
  EXPECT_EQ(Form()->FindComponent(""), nullptr);
  EXPECT_EQ(GetSubMenu(GetMenu(Form()->Handle()), 1), nullptr);  // Edit has no drop-down any more
}

TEST_F(MenuTest, FreeingTheMenuTakesItOffTheForm) {
  Form()->SetMenu(menu_);
  Form()->Show();
  menu_->Free();
  EXPECT_EQ(Form()->Menu(), nullptr);
  EXPECT_EQ(GetMenu(Form()->Handle()), nullptr);
}

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirHandlers) {
  std::vector<std::string> calls;
  save_->OnMeasureItem = [&](TObject* sender, TCanvas* canvas, int& width, int& height) {
    EXPECT_EQ(sender, save_);
    EXPECT_GT(canvas->TextWidth("Save"), 0);
    calls.push_back("measure " + std::to_string(width > 0));
    width = 150;
    height = 30;
  };
  save_->OnAdvancedDrawItem = [&](TObject*, TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
    calls.push_back(state.Contains(odSelected) ? "draw selected" : "draw");
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(rect);
  };
  exit_->OnDrawItem = [&](TObject*, TCanvas*, const TRect&, bool selected) {
    calls.push_back(selected ? "simple selected" : "simple");
  };
  Form()->SetMenu(menu_);
  Form()->Show();
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(file_->Handle(), save_->Command(), FALSE, &info);
  EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u);

  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = save_->Command();
  EXPECT_TRUE(SendMessageA(Form()->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
  EXPECT_EQ(measure.itemWidth, 150u);
  EXPECT_EQ(measure.itemHeight, 30u);

  testing::MemoryBitmap bitmap(150, 30);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemID = save_->Command();
  draw.itemState = ODS_SELECTED;
  draw.hDC = bitmap.DC();
  draw.rcItem = RECT{0, 0, 150, 30};
  SendMessageA(Form()->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 150, 30}, clLime), 150 * 30);
  draw.itemID = exit_->Command();
  draw.itemState = 0;
  SendMessageA(Form()->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_EQ(calls, (std::vector<std::string>{"measure 1", "draw selected", "simple"}));

  // Without handlers an owner-drawn menu draws its captions itself.
  menu_->SetOwnerDraw(true);
  bitmap.Fill(clLime);
  draw.itemID = log_->Command();
  SendMessageA(Form()->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
  EXPECT_LT(bitmap.Count(RECT{0, 0, 150, 30}, clLime), 150 * 30 / 2);
}

TEST_F(StdControlTest, PopupMenuShowsAndRunsTheChosenItem) {
  auto* popup = Create<TPopupMenu>(Form());
  std::vector<std::string> events;
  for (const char* caption : {"Assign", "Clear"}) {
    auto* item = Create<TMenuItem>(Form());
    item->SetCaption(caption);
    item->OnClick = [&events](TObject* sender) { events.push_back(As<TMenuItem>(sender)->Caption()); };
    popup->Items()->Add(item);
  }
  popup->OnPopup = [&](TObject* sender) {
    EXPECT_EQ(sender, popup);
    events.push_back("popup");
    // The user moves to the second item and takes it.
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(popup->WindowHandle(), WM_KEYDOWN, key, 0);
  };
  Form()->Show();
  popup->SetPopupComponent(Form());
  popup->Popup(50, 50);
  EXPECT_EQ(events, (std::vector<std::string>{"popup", "Clear"}));
  EXPECT_EQ(popup->PopupComponent(), Form());
}

}  // namespace
}  // namespace fw
