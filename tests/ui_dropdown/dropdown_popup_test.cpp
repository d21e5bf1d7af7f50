// The pop-up window of a drop-down through real windows: opening by the button, the keys and deactivation,
// closing with or without the old text, the remembered and minimum sizes, the reopening guard, the refusing
// OnDropDown, the placement on the screen and the window the pop-up is.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/services/clock.h"
#include "framework/services/screenmetrics.h"
#include "tests/ui_dropdown/popup_test_support.h"

namespace ui::testing {
namespace {

using DropDownPopupTest = PopupTest;

TEST_F(DropDownPopupTest, TheButtonsPressOpensThePopupBeforeTheRelease) {
  auto* picker = MakePicker();
  const HWND arrow = picker->Button()->Handle();
  PostMessageA(arrow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ProcessMessages();
  TDropDownForm* form = picker->DropDownForm();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(picker->DroppedDown());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  // A borderless, topmost window owned by the form the drop-down is on, holding the picker.
  EXPECT_EQ(GetWindowLongPtrA(form->Handle(), GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_NE(GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), Form()->Handle());
  EXPECT_NE(GetClassLongA(form->Handle(), GCL_STYLE) & CS_DROPSHADOW, 0u);
  EXPECT_EQ(picker->Panel->Parent(), form);
  EXPECT_EQ(form->GetRootWindow(), Form()->Handle());
  PostMessageA(arrow, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ProcessMessages();
  EXPECT_TRUE(picker->DroppedDown());

  // Without the shadow the class loses the style at the next opening.
  picker->CloseUp(false);
  picker->SetDropDownShadow(false);
  Open(picker);
  EXPECT_EQ(GetClassLongA(form->Handle(), GCL_STYLE) & CS_DROPSHADOW, 0u);
}

TEST_F(DropDownPopupTest, F4TogglesAndEscapeOrEnterInThePopupCloseWithOrWithoutTheOldText) {
  auto* picker = MakePicker();
  std::vector<bool> dropUps;
  picker->OnDropUp = [&](fw::TObject* Sender, bool Cancelled) {
    EXPECT_EQ(Sender, picker);
    EXPECT_FALSE(picker->DroppedDown());  // hidden before the event
    dropUps.push_back(Cancelled);
  };
  picker->SetText("old");
  ASSERT_TRUE(Focus(picker));
  PressKey(picker->Handle(), VK_F4);
  TDropDownForm* form = picker->DropDownForm();
  ASSERT_TRUE(picker->DroppedDown());
  // F4 again, now in the pop-up, reaches the edit and closes it.
  PressKey(form->Handle(), VK_F4);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(dropUps, std::vector<bool>{false});

  struct Case {
    WORD key;
    std::string text;
    bool cancelled;
  };
  for (const Case& c : {Case{VK_ESCAPE, "old", true}, Case{VK_RETURN, "new", false}}) {
    SCOPED_TRACE(c.key);
    dropUps.clear();
    Open(picker);
    ASSERT_TRUE(picker->DroppedDown());
    SetWindowTextA(picker->Handle(), "new");  // typed while open
    PressKey(form->Handle(), c.key);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Text(), c.text);
    EXPECT_EQ(dropUps, std::vector<bool>{c.cancelled});
    picker->SetText("old");
  }
}

TEST_F(DropDownPopupTest, TheUserSizeIsRememberedUntilANewPopupSizeIsWritten) {
  auto* picker = MakePicker();
  picker->SetDropDownWidth(150);
  picker->SetDropDownHeight(100);
  TDropDownForm* form = Open(picker);
  RECT r = WindowRect(form);
  EXPECT_EQ(r.right - r.left, 150);
  EXPECT_EQ(r.bottom - r.top, 100);
  // The user drags the grip to 400 x 300.
  SetWindowPos(form->Handle(), nullptr, r.left, r.top, 400, 300, SWP_NOZORDER | SWP_NOMOVE);
  picker->CloseUp(false);
  EXPECT_EQ(picker->UserWidth(), 400);
  EXPECT_EQ(picker->UserHeight(), 300);

  Open(picker);
  r = WindowRect(form);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 300);
  picker->CloseUp(false);
  picker->SetDropDownWidth(150);  // the same width: the user's stays
  Open(picker);
  EXPECT_EQ(WindowRect(form).right - WindowRect(form).left, 400);
  picker->CloseUp(false);
  picker->SetDropDownWidth(250);
  Open(picker);
  r = WindowRect(form);
  EXPECT_EQ(r.right - r.left, 250);
  EXPECT_EQ(r.bottom - r.top, 300);
}

TEST_F(DropDownPopupTest, ThePopupIsNeverSmallerThanEightyByFifty) {
  auto* picker = MakePicker();
  picker->SetDropDownWidth(30);
  picker->SetDropDownHeight(20);
  const RECT r = WindowRect(Open(picker));
  EXPECT_EQ(r.right - r.left, 80);
  EXPECT_EQ(r.bottom - r.top, 50);
}

TEST_F(DropDownPopupTest, TheComputedSizeAddsBorderBarsAndPicker) {
  auto* picker = MakePicker();
  picker->SetDropDownBorderWidth(2);
  picker->DropDownFooter()->SetVisible(false);
  picker->DropDownHeader()->SetHeight(25);
  TDropDownForm* form = Open(picker);
  const RECT r = WindowRect(form);
  EXPECT_EQ(r.right - r.left, 120);  // the picker's width
  EXPECT_EQ(r.bottom - r.top, 2 * 2 + 25 + 60);
  // The picker fills what the header and the border leave.
  EXPECT_EQ(picker->Panel->Align(), fw::alClient);
  EXPECT_EQ(picker->Panel->Left(), 2);
  EXPECT_EQ(picker->Panel->Top(), 2 + 25);
  EXPECT_EQ(picker->Panel->Width(), 120 - 4);
  ASSERT_NE(form->Header(), nullptr);
  EXPECT_EQ(form->Footer(), nullptr);  // never made while hidden
}

TEST_F(DropDownPopupTest, ARefusingOnDropDownKeepsThePopupHiddenAfterThePickerWasPlaced) {
  auto* picker = MakePicker();
  std::vector<std::string> calls;
  picker->OnBeforeDropDown = [&](fw::TObject*) { calls.push_back("before"); };
  picker->OnDropDown = [&](fw::TObject*, bool& AcceptDrop) {
    calls.push_back("drop");
    EXPECT_TRUE(AcceptDrop);
    AcceptDrop = false;
  };
  TDropDownForm* form = Open(picker);
  EXPECT_EQ(calls, (std::vector<std::string>{"before", "drop"}));
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(picker->Panel->Parent(), form);
}

TEST_F(DropDownPopupTest, NoOpeningWhileDisabledOrReadOnly) {
  auto* picker = MakePicker();
  int before = 0;
  picker->OnBeforeDropDown = [&](fw::TObject*) { ++before; };
  picker->SetReadOnly(true);
  Open(picker);
  picker->SetReadOnly(false);
  picker->SetEnabled(false);
  Open(picker);
  EXPECT_EQ(before, 0);
  EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(DropDownPopupTest, DeactivationCancelsOrKeepsByPickerAndStampsTheReopeningGuard) {
  std::uint32_t ticks = 100000;
  const fw::ServiceDouble<std::uint32_t()> clock(fw::TickCount, [&] { return ticks; });
  struct Case {
    bool keep;
    std::string text;
  };
  for (const Case& c : {Case{false, "old"}, Case{true, "new"}}) {
    SCOPED_TRACE(c.keep);
    auto* picker = MakePicker();
    picker->KeepOnDeactivate = c.keep;
    std::vector<bool> dropUps;
    picker->OnDropUp = [&](fw::TObject*, bool Cancelled) { dropUps.push_back(Cancelled); };
    picker->SetText("old");
    TDropDownForm* form = Open(picker);
    ASSERT_TRUE(picker->DroppedDown());
    SetWindowTextA(picker->Handle(), "new");
    ASSERT_TRUE(ActivateOtherForm());
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->Text(), c.text);
    EXPECT_EQ(dropUps, std::vector<bool>{!c.keep});
    EXPECT_EQ(form->DeactivationTime(), ticks);

    // The button's click that closed it must not reopen it at once.
    ticks += 250;
    picker->TryShowDropDown();
    EXPECT_FALSE(picker->DroppedDown());
    ticks += 1;
    picker->TryShowDropDown();
    EXPECT_TRUE(picker->DroppedDown());
    picker->CloseUp(false);
  }
}

TEST_F(DropDownPopupTest, AnOpenPopupKeptOpenOrLosingActivationToItsOwnWindowStaysOpen) {
  auto* picker = MakePicker();
  TDropDownForm* form = Open(picker);
  form->SetKeepOpen(true);
  ASSERT_TRUE(ActivateOtherForm());
  EXPECT_TRUE(picker->DroppedDown());
  form->SetKeepOpen(false);
  // A window owned by the pop-up (a message box of a picker) takes the activation: it stays open.
  const HWND child = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, form->Handle(),
                                     nullptr, nullptr, nullptr);
  form->Perform(WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(child));
  EXPECT_TRUE(picker->DroppedDown());
  DestroyWindow(child);
  form->Perform(WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_FALSE(picker->DroppedDown());
}

// The drop-down's top-left corner on the screen.
fw::TPoint ScreenPoint(TVxCustomDropDown* dropDown) {
  return dropDown->Parent()->ClientToScreen(fw::TPoint{dropDown->Left(), dropDown->Top()});
}

TEST_F(DropDownPopupTest, PlacementDownUpAutomaticAndTheRightEdgeShift) {
  auto* picker = MakePicker();
  picker->SetDropDownWidth(300);
  picker->SetDropDownHeight(100);
  const fw::TPoint p = ScreenPoint(picker);
  const int below = p.Y + picker->Height() - 1;
  const int above = p.Y - 100;
  struct Case {
    const char* name;
    TDropPosition position;
    int screenHeight;
    RECT work;
    int left;
    int top;
  };
  const RECT wide{0, 0, 4000, 3000};
  const Case cases[] = {
      {"down", dpDown, 3000, wide, p.X, below},
      {"up", dpUp, 3000, wide, p.X, above},
      {"auto below", dpAuto, p.Y + 101, wide, p.X, below},
      // The control's top plus the pop-up's height reaching the screen's height opens it above, though
      // it would fit below the control's bottom only at that limit.
      {"auto above", dpAuto, p.Y + 100, wide, p.X, above},
      {"right edge", dpDown, 3000, RECT{0, 0, p.X + 100, 3000}, p.X + 100 - 300, below},
      {"left edge kept", dpDown, 3000, RECT{p.X + 50, 0, 4000, 3000}, p.X, below},
      {"monitor on the left", dpDown, 3000, RECT{-1000, 0, p.X + 100, 3000}, p.X, below},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fw::ServiceDouble<SIZE()> screen(fw::ScreenSize, [&] { return SIZE{4000, c.screenHeight}; });
    const fw::ServiceDouble<fw::MonitorArea(POINT)> monitor(fw::NearestMonitor, [&](POINT at) {
      EXPECT_EQ(at.x, p.X);
      EXPECT_EQ(at.y, p.Y);
      return fw::MonitorArea{reinterpret_cast<HMONITOR>(1), wide, c.work};
    });
    picker->SetDropPosition(c.position);
    const RECT r = WindowRect(Open(picker));
    EXPECT_EQ(r.left, c.left);
    EXPECT_EQ(r.top, c.top);
    EXPECT_EQ(r.right - r.left, 300);
    picker->CloseUp(false);
  }
}

TEST_F(DropDownPopupTest, ThePopupPaintsItsColoursInsideItsBorder) {
  auto* picker = MakePicker();
  picker->DropDownHeader()->SetVisible(false);
  picker->DropDownFooter()->SetVisible(false);
  picker->SetDropDownColor(fw::clRed);
  picker->SetDropDownColorTo(fw::clNone);
  picker->SetDropDownBorderColor(fw::clBlue);
  picker->SetDropDownBorderWidth(3);
  TDropDownForm* form = Open(picker);
  // The border's pen runs along the rectangle moved in by half its width at the top and left only, so
  // the bottom and right show two of its three pixels (the panel hidden so the form shows).
  picker->Panel->SetVisible(false);
  const int w = form->Width();
  const int h = form->Height();
  MemoryBitmap bitmap(w, h);
  bitmap.Fill(fw::clWhite);
  form->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()));
  EXPECT_EQ(bitmap.Pixel(w / 2, h / 2), fw::clRed);
  EXPECT_EQ(bitmap.Pixel(w - 1, h / 2), fw::clBlue);
  EXPECT_EQ(bitmap.Pixel(w / 2, 0), fw::clBlue);
  EXPECT_EQ(bitmap.Pixel(w / 2, h - 2), fw::clBlue);
  EXPECT_EQ(bitmap.Pixel(w / 2, h - 4), fw::clRed);
  EXPECT_EQ(bitmap.Pixel(w - 4, h / 2), fw::clRed);
  EXPECT_EQ(bitmap.Pixel(w / 2, 2), fw::clBlue);
  EXPECT_EQ(bitmap.Pixel(w / 2, 3), fw::clRed);
  // The form itself answers no hit-test and wants every key.
  EXPECT_EQ(form->Perform(WM_NCHITTEST, 0, MAKELPARAM(10, 10)), HTNOWHERE);
  EXPECT_EQ(form->Perform(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTALLKEYS);
}

TEST_F(DropDownPopupTest, KeysInThePickerAndThePopupReachTheEdit) {
  auto* picker = MakePicker();
  std::vector<std::string> keys;
  picker->OnKeyDown = [&](fw::TObject*, WORD& Key, fw::TShiftState) { keys.push_back("down " + std::to_string(Key)); };
  picker->OnKeyUp = [&](fw::TObject*, WORD& Key, fw::TShiftState) { keys.push_back("up " + std::to_string(Key)); };
  picker->OnKeyPress = [&](fw::TObject*, char& Key) { keys.push_back(std::string("press ") + Key); };
  TDropDownForm* form = Open(picker);
  WORD a = 'A';
  char x = 'x';
  picker->Panel->OnKeyDown(picker->Panel, a, fw::TShiftState{});
  picker->Panel->OnKeyUp(picker->Panel, a, fw::TShiftState{});
  picker->Panel->OnKeyPress(picker->Panel, x);
  form->OnKeyPress(form, x);
  EXPECT_EQ(keys, (std::vector<std::string>{"down 65", "up 65", "press x", "press x"}));
  EXPECT_EQ(a, 'A');  // the key stays for the pop-up's own handling
}

}  // namespace
}  // namespace ui::testing
