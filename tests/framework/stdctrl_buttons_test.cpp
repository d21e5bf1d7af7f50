// Buttons, check boxes, radio buttons and groups, speed buttons: clicks through real window messages,
// default and cancel buttons ending a modal form, accelerators, states mirrored to the windows.
#include <gtest/gtest.h>

#include <vector>

#include "framework/classes/component.h"
#include "framework/controls/bit_button.h"
#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/memo.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/speed_button.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

// A dialog with an edit, a memo, OK (default), Cancel (cancel), Retry and "&Ignore" buttons.
struct DialogKeysCase {
  const char* name;
  const char* focus;  // "edit", "memo" or "retry"
  std::vector<std::pair<UINT, WPARAM>> keys;
  TModalResult expected;
  bool memoGetsLineBreak;
};

class DialogKeysTest : public StdControlTest, public ::testing::WithParamInterface<DialogKeysCase> {};

TEST_P(DialogKeysTest, KeysEndTheModalFormWithTheRightButtonsResult) {
  const DialogKeysCase& c = GetParam();
  auto* dialog = Create<TForm>(&App());
  auto* edit = testing::MakeChild<TEdit>(dialog, dialog, Rect(10, 10, 100, 30));
  auto* memo = testing::MakeChild<TMemo>(dialog, dialog, Rect(10, 40, 100, 90));
  const auto button = [&](const char* caption, TModalResult result, int x) {
    auto* b = testing::MakeChild<TButton>(dialog, dialog, Rect(x, 100, x + 60, 125));
    b->SetCaption(caption);
    b->SetModalResult(result);
    return b;
  };
  button("OK", mrOk, 10)->SetDefault(true);
  button("Cancel", mrCancel, 80)->SetCancel(true);
  TButton* retry = button("Retry", mrRetry, 150);
  button("&Ignore", mrIgnore, 220);
  TWinControl* focus = std::string(c.focus) == "edit" ? static_cast<TWinControl*>(edit)
                       : std::string(c.focus) == "memo" ? static_cast<TWinControl*>(memo)
                                                        : retry;
  dialog->SetActiveControl(focus);
  // The keys go once the modal form has put the focus on its control (its activation may lag on a busy machine);
  // a form that neither takes the focus nor ends within ten seconds fails.
  bool posted = false;
  const ULONGLONG deadline = GetTickCount64() + 10000;
  App().OnIdle = [&](TObject*, bool& done) {
    done = false;
    if (!dialog->Modal()) return;
    if (!posted && GetFocus() == focus->Handle()) {
      for (const auto& [msg, key] : c.keys) PostMessageA(focus->Handle(), msg, key, 0);
      posted = true;
    } else if (GetTickCount64() >= deadline) {
      ADD_FAILURE() << (posted ? "the keys did not end the form" : "the form never focused its control");
      dialog->SetModalResult(mrAbort);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
  };
  EXPECT_EQ(dialog->ShowModal(), c.expected);
  EXPECT_EQ(memo->Text().find("\r\n") != std::string::npos, c.memoGetsLineBreak) << memo->Text();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DialogKeysTest,
    ::testing::Values(DialogKeysCase{"EnterClicksTheDefaultButton", "edit", {{WM_KEYDOWN, VK_RETURN}}, mrOk, false},
                      DialogKeysCase{"EscClicksTheCancelButton", "edit", {{WM_KEYDOWN, VK_ESCAPE}}, mrCancel, false},
                      DialogKeysCase{"EnterClicksAFocusedButtonInstead", "retry", {{WM_KEYDOWN, VK_RETURN}}, mrRetry, false},
                      DialogKeysCase{"AltAndTheAcceleratorClickTheButton", "edit", {{WM_SYSCHAR, 'i'}}, mrIgnore, false},
                      // A memo wants Enter and Esc for itself; the accelerator still reaches the button.
                      DialogKeysCase{"AMemoKeepsEnterAndEsc",
                                     "memo",
                                     {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}, {WM_KEYDOWN, VK_ESCAPE}, {WM_SYSCHAR, 'i'}},
                                     mrIgnore,
                                     true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StdControlTest, ButtonMirrorsDefaultAndClicksFromTheWindowAndFromTheProgram) {
  auto* button = Make<TButton>(Rect(10, 10, 85, 35));
  int clicks = 0;
  button->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, button);
    ++clicks;
  };
  auto* edit = Make<TEdit>(Rect(10, 50, 85, 70));  // holds the focus, so Default alone decides the frame
  button->SetDefault(true);
  button->SetModalResult(mrYes);
  Form()->Show();
  edit->SetFocus();
  EXPECT_EQ(GetWindowLongPtrA(button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  button->SetDefault(false);
  EXPECT_EQ(GetWindowLongPtrA(button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

  PostClick(button);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Form()->ModalResult(), mrYes);
  button->Click();
  EXPECT_EQ(clicks, 2);
  // Enter reaches a default button only while it is enabled.
  button->SetDefault(true);
  EXPECT_NE(Form()->Perform(CM_DIALOGKEY, VK_RETURN), 0);
  button->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  EXPECT_EQ(Form()->Perform(CM_DIALOGKEY, VK_RETURN), 0);
  EXPECT_EQ(clicks, 3);
}

TEST_F(StdControlTest, BitButtonDrawsItsGlyphAndClicks) {
  auto* button = Make<TBitBtn>(Rect(10, 10, 110, 40));
  button->Glyph()->SetSize(12, 12);
  button->Glyph()->Canvas()->Brush()->SetColor(clLime);
  button->Glyph()->Canvas()->FillRect(Rect(0, 0, 12, 12));
  button->Glyph()->Canvas()->SetPixels(0, 11, clFuchsia);  // the transparent colour
  button->SetCaption("&Save");
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  Form()->Show();
  testing::MemoryBitmap bitmap(100, 30);
  button->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 100, 30}, clLime), 12 * 12 - 1);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 100, 30}, clFuchsia), 0);
  PostClick(button);
  EXPECT_EQ(clicks, 1);
}

// Check boxes change state by the user's click, by the program and by their accelerator; every change
// fires OnClick and reaches the window.
struct CheckCase {
  const char* name;
  bool allowGrayed;
  std::function<void(StdControlTest&, TCheckBox*)> act;
  TCheckBoxState expected;
  int clicks;
};

class CheckBoxTest : public StdControlTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckBoxTest, StateFollowsAndClickFires) {
  const CheckCase& c = GetParam();
  auto* box = Make<TCheckBox>(Rect(10, 10, 150, 30));
  box->SetCaption("&Hide On Startup");
  box->SetAllowGrayed(c.allowGrayed);
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  Form()->Show();
  c.act(*this, box);
  EXPECT_EQ(box->State(), c.expected);
  EXPECT_EQ(box->Checked(), c.expected == cbChecked);
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.expected));
  EXPECT_EQ(clicks, c.clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, CheckBoxTest,
    ::testing::Values(
        CheckCase{"UserClick", false, [](StdControlTest& t, TCheckBox* b) { t.PostClick(b); }, cbChecked, 1},
        CheckCase{"UserClickTwice", false,
                  [](StdControlTest& t, TCheckBox* b) {
                    t.PostClick(b);
                    t.PostClick(b);
                  },
                  cbUnchecked, 2},
        CheckCase{"UserClickGoesThroughGrayed", true, [](StdControlTest& t, TCheckBox* b) { t.PostClick(b); },
                  cbGrayed, 1},
        CheckCase{"Program", false, [](StdControlTest&, TCheckBox* b) { b->SetChecked(true); }, cbChecked, 1},
        CheckCase{"ProgramSameValue", false, [](StdControlTest&, TCheckBox* b) { b->SetChecked(false); }, cbUnchecked,
                  0},
        CheckCase{"Accelerator", false,
                  [](StdControlTest& t, TCheckBox* b) {
                    PostMessageA(b->Handle(), WM_SYSCHAR, 'h', 0);
                    t.ProcessMessages();
                  },
                  cbChecked, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StdControlTest, LoadingSetsStatesWithoutClicks) {
  BeginLoading(Form());
  auto* box = Make<TCheckBox>();
  auto* group = Make<TRadioGroup>();
  int clicks = 0;
  box->OnClick = group->OnClick = [&](TObject*) { ++clicks; };
  box->SetChecked(true);
  group->SetItemIndex(1);  // before its items, as stored properties may come
  group->Items()->Add("ORVA 737QTX");
  group->Items()->Add("ORVA 777");
  EndLoading(Form());
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_EQ(clicks, 0);
}

TEST_F(StdControlTest, RadioGroupItemIndexFromTheProgramAndTheUser) {
  auto* group = Make<TRadioGroup>(Rect(10, 10, 200, 100));
  group->SetCaption("Aircraft");
  std::vector<int> seen;
  group->OnClick = [&](TObject* sender) { seen.push_back(As<TRadioGroup>(sender)->ItemIndex()); };
  group->Items()->Add("ORVA 737QTX");
  group->Items()->Add("ORVA 777");
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItemIndex(0);
  group->SetItemIndex(0);
  group->SetItemIndex(7);  // clamped to the last item
  Form()->Show();
  EXPECT_EQ(SendMessageA(group->Buttons(1)->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  PostClick(group->Buttons(0));
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 0}));
  EXPECT_EQ(SendMessageA(group->Buttons(1)->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  group->Items()->Delete(1);
  group->Items()->Add("ORVA 747");
  EXPECT_EQ(group->Buttons(1)->Caption(), "ORVA 747");
  EXPECT_EQ(group->ItemIndex(), 0);
  group->SetItemIndex(-1);
  EXPECT_FALSE(group->Buttons(0)->Checked());
  EXPECT_EQ(seen.size(), 3u);
}

TEST_F(StdControlTest, RadioButtonsOfOneParentExcludeEachOther) {
  auto* first = Make<TRadioButton>(Rect(10, 10, 100, 30));
  auto* second = Make<TRadioButton>(Rect(10, 40, 100, 60));
  auto* elsewhere = Make<TRadioButton>(Rect(10, 10, 100, 30), Make<TGroupBox>(Rect(150, 10, 300, 100)));
  elsewhere->SetChecked(true);
  first->SetChecked(true);
  Form()->Show();
  PostClick(second);
  EXPECT_FALSE(first->Checked());
  EXPECT_TRUE(second->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(SendMessageA(first->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// Speed buttons of one group: one down at a time, lifted only with AllowAllUp (shared by the group).
TEST_F(StdControlTest, SpeedButtonGroupsKeepOneButtonDown) {
  std::vector<TSpeedButton*> buttons;
  std::vector<int> clicks(4, 0);
  for (int i = 0; i < 4; ++i) {
    auto* b = Make<TSpeedButton>(Bounds(10 + 30 * i, 10, 25, 25));
    b->SetGroupIndex(i < 3 ? 1 : 0);
    b->OnClick = [&clicks, i](TObject*) { ++clicks[static_cast<size_t>(i)]; };
    buttons.push_back(b);
  }
  Form()->Show();
  const auto click = [&](int i) { PostClick(Form()->Handle(), 10 + 30 * i + 12, 22); };
  const auto downs = [&] {
    std::vector<bool> down;
    for (auto* b : buttons) down.push_back(b->Down());
    return down;
  };
  click(0);
  EXPECT_EQ(downs(), (std::vector<bool>{true, false, false, false}));
  click(1);
  EXPECT_EQ(downs(), (std::vector<bool>{false, true, false, false}));
  click(1);
  EXPECT_EQ(downs(), (std::vector<bool>{false, true, false, false}));
  buttons[2]->SetAllowAllUp(true);
  EXPECT_TRUE(buttons[0]->AllowAllUp());
  click(1);
  EXPECT_EQ(downs(), (std::vector<bool>{false, false, false, false}));
  click(3);
  buttons[3]->SetDown(true);
  EXPECT_EQ(downs(), (std::vector<bool>{false, false, false, false}));
  buttons[2]->SetDown(true);
  EXPECT_EQ(downs(), (std::vector<bool>{false, false, true, false}));
  EXPECT_EQ(clicks, (std::vector<int>{1, 3, 0, 1}));

  // Down and flat buttons paint their state.
  buttons[0]->SetFlat(true);
  EXPECT_GT(testing::PaintedPixelsOnParent(buttons[2]), testing::PaintedPixelsOnParent(buttons[0]));
}

}  // namespace
}  // namespace fw
