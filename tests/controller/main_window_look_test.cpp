// What a user sees of the main window in program mode: captioned tabs, the "Encoders" group laid out by knob
// and column with its help marks and their hints, the looks the form stores on its buttons, and the header's
// glow buttons doing what their captions say.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/group_box.h"
#include "framework/controls/hint_window.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/up_down.h"
#include "framework/graphics/bitmap.h"
#include "framework/services/filedialogs.h"
#include "main_form_fixture.h"
#include "tests/framework/ui_test_support.h"
#include "ui/controls/color_button.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik::testing {
namespace {

class MainWindowLookTest : public MainFormTest {
 protected:
  // The form as a user meets it after "Enable Program Mode".
  TZedArave* ProgramModeForm() {
    TZedArave* form = MakeForm();
    form->Button35Click();
    return form;
  }
  // A left click on a glow button's window, as the mouse gives it.
  static void Press(ui::TVxGlowButton* button) {
    HWND window = button->Handle();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
};

// Pixels of the rectangle whose colour differs between two paintings.
int Differing(const fw::testing::MemoryBitmap& a, const fw::testing::MemoryBitmap& b, const fw::TRect& r) {
  int count = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) count += a.Pixel(x, y) != b.Pixel(x, y) ? 1 : 0;
  }
  return count;
}

// The stored tab face asks for "Tahoma", which a machine need not have: the captions are written all the same.
TEST_F(MainWindowLookTest, BothVisibleTabsShowTheirCaptions) {
  TZedArave* form = ProgramModeForm();
  ui::TVxSmoothTabPager* pager = form->pagecontrol1;
  fw::testing::MemoryBitmap captioned(pager->Width(), pager->Height());
  pager->PaintTo(captioned.DC(), 0, 0);
  std::vector<std::string> captions;
  for (ui::TVxSmoothTabPage* page : form->pages) {
    captions.push_back(page->Caption());
    page->SetCaption("");
  }
  fw::testing::MemoryBitmap bare(pager->Width(), pager->Height());
  pager->PaintTo(bare.DC(), 0, 0);
  for (std::size_t i = 0; i < form->pages.size(); ++i) form->pages[i]->SetCaption(captions[i]);

  for (int index : {0, 3}) {
    const fw::TRect tab = pager->GetTabRect(index);
    ASSERT_GT(tab.Width(), 0) << captions[static_cast<std::size_t>(index)];
    EXPECT_GT(Differing(captioned, bare, tab), 60) << "no text in the tab " << captions[static_cast<std::size_t>(index)];
  }
}

// Program mode from the header's button: every control of the status page, the "Running" text among them,
// lies inside the page, and the page ends above the status bar.
TEST_F(MainWindowLookTest, TheStatusPageFitsAboveTheStatusBar) {
  TZedArave* form = ProgramModeForm();
  form->Show();
  Pump();
  ui::TVxSmoothTabPage* page = form->pages[0];
  ASSERT_EQ(form->pagecontrol1->ActivePage(), page);
  const int bottom = page->ClientHeight();
  for (int i = 0; i < page->ControlCount(); ++i) {
    fw::TControl* c = page->Controls(i);
    if (c->Visible() || c == form->Label5) {
      EXPECT_LE(c->Top() + c->Height(), bottom) << c->Name();
    }
  }
  const fw::TPoint pageEnd = page->ClientToScreen(fw::TPoint{0, bottom});
  const fw::TPoint barTop = form->StatusBar1->ClientToScreen(fw::TPoint{0, 0});
  EXPECT_LE(pageEnd.Y, barTop.Y);
}

TEST_F(MainWindowLookTest, TheEncodersGroupHasOneLabelledRowPerKnobUnderThreeHelpMarkedColumns) {
  TZedArave* form = ProgramModeForm();
  const struct {
    const char* label;
    const char* caption;
    int upDowns[3];  // clicks before acceleration, time window, gain
  } knobs[] = {{"encoder_crs_label", "CRS", {1, 2, 12}},
               {"encoder_ias_label", "IAS", {3, 4, 11}},
               {"encoder_hdg_label", "HDG", {5, 6, 10}},
               {"encoder_alt_label", "ALT", {7, 8, 9}}};
  fw::TImage* heads[] = {form->Image1, form->Image2, form->Image3};
  int previousTop = -1;
  for (const auto& knob : knobs) {
    auto* label = dynamic_cast<fw::TLabel*>(form->FindComponent(knob.label));
    ASSERT_NE(label, nullptr) << knob.caption;
    EXPECT_EQ(label->Caption(), knob.caption);
    const int top = form->encoder_controls[static_cast<std::size_t>(knob.upDowns[0])].edit->Top();
    EXPECT_GT(top, previousTop) << knob.caption << " lies below the knob before it";
    previousTop = top;
    EXPECT_LT(label->Left(), form->encoder_controls[static_cast<std::size_t>(knob.upDowns[0])].edit->Left());
    EXPECT_NEAR(label->Top(), top, 6) << knob.caption;
    for (int column = 0; column < 3; ++column) {
      const EncoderControls& c = form->encoder_controls[static_cast<std::size_t>(knob.upDowns[column])];
      EXPECT_EQ(c.edit->Parent(), form->encoders_group);
      EXPECT_EQ(c.edit->Top(), top) << knob.caption << " column " << column;
      EXPECT_EQ(c.upDown->Left(), c.edit->Left() + c.edit->Width());
      // The column's help mark stands above its values.
      const fw::TImage* head = heads[column];
      EXPECT_LT(head->Top() + head->Height(), top);
      EXPECT_GE(head->Left(), c.edit->Left());
      EXPECT_LE(head->Left() + head->Width(), c.upDown->Left() + c.upDown->Width());
    }
  }

  // Each help mark is drawn: the badge's blue inside its rectangle, nothing of the transparent colour.
  fw::testing::MemoryBitmap group(form->encoders_group->Width(), form->encoders_group->Height());
  form->encoders_group->PaintTo(group.DC(), 0, 0);
  for (const fw::TImage* head : heads) {
    const RECT r{head->Left(), head->Top(), head->Left() + head->Width(), head->Top() + head->Height()};
    EXPECT_GT(group.Count(r, static_cast<fw::TColor>(0xC8783A)), 60) << head->Name();
    EXPECT_EQ(group.Count(r, static_cast<fw::TColor>(0xFF00FF)), 0) << head->Name();
  }
}

TEST_F(MainWindowLookTest, HoveringAHelpMarkShowsItsHintForEightSeconds) {
  TZedArave* form = ProgramModeForm();
  EXPECT_EQ(App().HintHidePause(), 8000);
  EXPECT_EQ(form->Image1->Hint(), "The number of clicks required\rbefore Acceleration mode is Enabled.");
  EXPECT_EQ(form->Image2->Hint(), "The time in milliseconds that clicks must be within\rto remain in Acceleration mode.");
  EXPECT_EQ(form->Image3->Hint(), "Acceleration Gain\rIncrease the value to make the encoder change faster.");
  App().SetHintPause(20);
  form->Show();
  Pump();
  for (fw::TImage* head : {form->Image1, form->Image3}) {
    const fw::TPoint screen = head->ClientToScreen(fw::TPoint{4, 4});
    SetCursorPos(screen.X, screen.Y);
    POINT client{screen.X, screen.Y};
    ScreenToClient(form->encoders_group->Handle(), &client);
    PostMessageA(form->encoders_group->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    const DWORD start = GetTickCount();
    fw::THintWindow* window = App().HintWindow();
    while (!(window->IsShowing() && window->Caption() == head->Hint()) && GetTickCount() - start < 20000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      App().ProcessMessages();
    }
    EXPECT_TRUE(window->IsShowing()) << head->Name();
    EXPECT_EQ(window->Caption(), head->Hint());
  }
}

TEST_F(MainWindowLookTest, EveryPlacedW7ButtonCarriesTheStoredLook) {
  TZedArave* form = MakeForm();
  int buttons = 0;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* b = dynamic_cast<ui::TW7SpeedButton*>(form->Components(i));
    if (b == nullptr) continue;
    ++buttons;
    const bool mode = b == form->button35;
    EXPECT_FALSE(b->Flat()) << b->Name();
    EXPECT_EQ(b->Light(), mode) << b->Name();
    EXPECT_EQ(b->ShowArrow(), mode) << b->Name();
    EXPECT_EQ(b->FadeInInterval(), 15u) << b->Name();
    EXPECT_EQ(b->FadeOutInterval(), 40u) << b->Name();
    EXPECT_EQ(b->IconSize(), ui::is16px) << b->Name();
    EXPECT_EQ(b->Font()->Name(), "Segoe UI") << b->Name();
    EXPECT_EQ(b->Font()->Height(), -12) << b->Name();
    EXPECT_EQ(b->Font()->Color(), static_cast<fw::TColor>(0x5B391E)) << b->Name();
  }
  EXPECT_GE(buttons, 40);
  // "Reset Test Mode" is the yellow colour button, hidden until an output is tested.
  EXPECT_EQ(form->reset_test->BackColor(), fw::clYellow);
  EXPECT_FALSE(form->reset_test->Visible());
}

// A click on the header's Save button (through its window, as the mouse gives it) saves what Save saves.
TEST_F(MainWindowLookTest, TheSaveButtonSavesTheRolesAndSettingsAndTurnsWhiteAgain) {
  TZedArave* form = ProgramModeForm();
  form->Load_Input_Assignments("");
  form->cdu_cpt_board = "3302CDU00001";
  form->mark_unsaved();
  form->p_3digit_mach->SetChecked(true);
  Press(form->VxGlowButton3);
  EXPECT_FALSE(form->save_marked());
  EXPECT_NE(folder_.Read("ASSIGNMENTS.INI").find("CPT=3302CDU00001"), std::string::npos);
  EXPECT_NE(folder_.Read("CONFIG.INI").find("USE_3_DIGIT_MACH=1"), std::string::npos);
  EXPECT_EQ(form->status_text(1), "Assignments Saved");
}

// The hidden New and Open buttons run New Configuration and Load Configuration.
TEST_F(MainWindowLookTest, TheNewAndOpenButtonsRunTheirFileCommands) {
  TZedArave* form = MakeForm();
  answer_ = IDNO;
  Press(form->VxGlowButton1);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Caption, "Clear All Assignments");
  int opened = 0;
  fw::ServiceDouble<std::optional<std::string>(const fw::FileDialogRequest&)> open{
      fw::ShowOpenFileDialog, [&](const fw::FileDialogRequest& r) {
        ++opened;
        EXPECT_EQ(r.Filter, "Import/Export File|*.ini");
        return std::optional<std::string>();
      }};
  Press(form->VxGlowButton2);
  EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace trelvik::testing
