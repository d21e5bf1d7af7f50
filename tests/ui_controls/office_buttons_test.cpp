// The Office build of the text engine and the Office-style check box, radio button, group box and radio
// group, on real windows; glyphs come from the bitmaps linked into this program.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "framework/actions/action_list.h"
#include "framework/controls/edit.h"
#include "framework/controls/hint_window.h"
#include "framework/controls/messages.h"
#include "framework/services/service.h"
#include "framework/services/shellopen.h"
#include "tests/ui_controls/styled_test_support.h"
#include "ui/controls/html_text_office.h"
#include "ui/controls/office_check_box.h"
#include "ui/controls/office_radio_button.h"
#include "ui/controls/office_radio_group.h"
#include "ui/controls/vx_group_box.h"
#include "ui/foundation/banded_gradient.h"
#include "ui/foundation/theme_library.h"

namespace ui {
namespace {

constexpr fw::TColor kTick = 0x802000;  // the glyphs' dark blue (0, 32, 128)
constexpr fw::TColor kGrayedSquare = 0xDC5000;  // the grayed glyph's blue (0, 80, 220)

// ---- the Office build of the engine ----

class OfficeEngineTest : public ::testing::Test {
 protected:
  OfficeEngineTest() : bitmap_(200, 60) {
    canvas_.SetHandle(bitmap_.DC());
    canvas_.Font()->SetName("DejaVu Sans");
    canvas_.Font()->SetSize(10);
    canvas_.Font()->SetColor(fw::clBlack);
  }
  ~OfficeEngineTest() override { canvas_.SetHandle(nullptr); }
  THTMLTextParams Params(const std::string& text, fw::TRect bounds = fw::Rect(0, 0, 200, 60)) {
    THTMLTextParams p;
    p.Text = text;
    p.Bounds = bounds;
    return p;
  }
  int FirstInk() {
    for (int x = 0; x < 200; ++x) {
      if (bitmap_.Count(RECT{x, 0, x + 1, 60}, fw::clWhite) < 60) return x;
    }
    return -1;
  }

  testing::MemoryBitmap bitmap_;
  fw::TCanvas canvas_;
};

TEST_F(OfficeEngineTest, LeadingBlanksAreTrimmedFromEveryLine) {
  THTMLTextParams plain = Params("Wide");
  DrawHTMLTextOffice(&canvas_, plain, 0);
  const int left = FirstInk();
  bitmap_.Fill(fw::clWhite);
  THTMLTextParams padded = Params("    Wide");
  DrawHTMLTextOffice(&canvas_, padded, 0);
  EXPECT_EQ(FirstInk(), left);
  EXPECT_EQ(padded.TextWidth, plain.TextWidth);
  // Line spacing is added to every line.
  THTMLTextParams spaced = Params("a<BR>b");
  spaced.MeasureOnly = true;
  DrawHTMLTextOffice(&canvas_, spaced, 3);
  THTMLTextParams tight = Params("a<BR>b");
  tight.MeasureOnly = true;
  DrawHTMLTextOffice(&canvas_, tight, 0);
  EXPECT_EQ(spaced.TextHeight, tight.TextHeight + 6);
}

TEST_F(OfficeEngineTest, WithoutWrappingARunNearTheRightEdgeIsLeftOut) {
  const int first = canvas_.TextWidth("AAAA");
  const int w = canvas_.TextWidth("w");
  // The second run starts less than one "w" before the right edge: it is not drawn at all.
  THTMLTextParams p = Params("AAAA<B>BBBB</B>", fw::Rect(0, 0, first + w - 2, 60));
  p.WordWrap = false;
  DrawHTMLTextOffice(&canvas_, p, 0);
  EXPECT_EQ(bitmap_.Count(RECT{first + 2, 0, 200, 60}, fw::clWhite), (200 - first - 2) * 60);
}

TEST_F(OfficeEngineTest, ABodyGradientIsSixtyFourColumns) {
  THTMLTextParams p = Params("<BODY BGCOLOR=\"#000000\" BGCOLORTO=\"#FF0000\">", fw::Rect(0, 0, 128, 60));
  DrawHTMLTextOffice(&canvas_, p, 0);
  std::set<fw::TColor> colours;
  for (int x = 0; x < 128; ++x) colours.insert(bitmap_.Pixel(x, 30));
  EXPECT_EQ(colours.size(), 64u);
  EXPECT_EQ(bitmap_.Pixel(0, 30), 0x000000);
  EXPECT_LT(bitmap_.Pixel(1, 30) & 0xFF, bitmap_.Pixel(127, 30) & 0xFF);  // darker to redder, left to right
}

TEST_F(OfficeEngineTest, BandedGradientGeometry) {
  FillBandedGradient(&canvas_, 0x000000, 0x0000C8, true, fw::Rect(0, 0, 100, 10), 4, fw::clNone);
  // Band i starts at round(i * 100 / 4) and takes red = i * 200 / 4.
  EXPECT_EQ(bitmap_.Pixel(0, 5), 0x000000);
  EXPECT_EQ(bitmap_.Pixel(24, 5), 0x000000);
  EXPECT_EQ(bitmap_.Pixel(25, 5), 0x000032);
  EXPECT_EQ(bitmap_.Pixel(50, 5), 0x000064);
  EXPECT_EQ(bitmap_.Pixel(99, 5), 0x000096);
  EXPECT_EQ(bitmap_.Pixel(100, 5), fw::clWhite);
  bitmap_.Fill(fw::clWhite);
  FillBandedGradient(&canvas_, 0x000000, 0x0000C8, false, fw::Rect(0, 0, 10, 40), 0, 0x00FF00);
  EXPECT_EQ(bitmap_.Pixel(5, 20), 0x000000);  // one band
  EXPECT_EQ(bitmap_.Pixel(0, 20), 0x00FF00);  // outlined
}

// ---- check box ----

class OfficeCheckBoxTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    Form()->Show();
    box_ = Make<TVxOfficeCheckBox>(fw::Rect(10, 10, 160, 30));
    box_->Font()->SetName("DejaVu Sans");
    box_->OnClick = [this](fw::TObject*) { ++clicks_; };
    other_ = Make<fw::TEdit>(fw::Rect(10, 60, 100, 80));
    // Focus moves only inside the active window: make sure the form is the one, as a user's click would.
    SetForegroundWindow(Form()->Handle());
    SetActiveWindow(Form()->Handle());
    other_->SetFocus();
    ASSERT_TRUE(WaitForFocus(other_->Handle()));
  }
  void Click() { PostClick(box_->Handle(), 5, 8); }
  void Key(UINT message, WPARAM key) {
    SendMessageA(box_->Handle(), message, key, 0);
    ProcessMessages();
  }
  int GlyphPixels(fw::TColor colour) {
    testing::MemoryBitmap bitmap(150, 20);
    box_->PaintTo(bitmap.DC(), 0, 0);
    return bitmap.Count(RECT{0, 0, 16, 20}, colour);
  }

  TVxOfficeCheckBox* box_ = nullptr;
  fw::TEdit* other_ = nullptr;
  int clicks_ = 0;
};

TEST_F(OfficeCheckBoxTest, ClicksAreReportedOnceByCodeMouseSpaceAndAccelerator) {
  box_->SetChecked(true);
  EXPECT_EQ(clicks_, 1);
  box_->SetChecked(true);
  EXPECT_EQ(clicks_, 1);
  box_->SetChecked(false);
  EXPECT_EQ(clicks_, 2);

  Click();
  EXPECT_TRUE(box_->Checked());
  EXPECT_EQ(clicks_, 3);
  Key(WM_KEYDOWN, VK_SPACE);
  Key(WM_KEYUP, VK_SPACE);
  EXPECT_FALSE(box_->Checked());
  EXPECT_EQ(clicks_, 4);

  box_->SetCaption("&Test");
  EXPECT_EQ(box_->Perform(fw::CM_DIALOGCHAR, 'T'), 1);
  EXPECT_TRUE(box_->Checked());
  EXPECT_EQ(clicks_, 5);
}

// Through its action link the box follows its action's caption, checked state and enabled state.
TEST_F(OfficeCheckBoxTest, TheActionsCaptionCheckedAndEnabledStateReachTheBox) {
  auto* list = fw::Create<fw::TActionList>(Form());
  auto* action = fw::Create<fw::TAction>(Form());
  action->SetActionList(list);
  action->SetCaption("Arm");
  action->SetChecked(true);
  box_->SetAction(action);
  EXPECT_EQ(box_->Caption(), "Arm");
  EXPECT_TRUE(box_->Checked());
  action->SetChecked(false);
  EXPECT_FALSE(box_->Checked());
  action->SetCaption("Disarm");
  EXPECT_EQ(box_->Caption(), "Disarm");
  action->SetEnabled(false);
  EXPECT_FALSE(box_->Enabled());
  action->SetEnabled(true);
  EXPECT_TRUE(box_->Enabled());
}

TEST_F(OfficeCheckBoxTest, ReadOnlyIgnoresTogglesButReportsTheClicks) {
  box_->SetReadOnly(true);
  box_->SetCaption("&Test");
  box_->SetFocus();
  ASSERT_TRUE(WaitForFocus(box_->Handle()));
  Click();
  Key(WM_KEYDOWN, VK_SPACE);
  Key(WM_KEYUP, VK_SPACE);
  box_->Perform(fw::CM_DIALOGCHAR, 'T');
  EXPECT_FALSE(box_->Checked());
  EXPECT_EQ(clicks_, 3);
}

TEST_F(OfficeCheckBoxTest, AnchorsActOnlyWhileFocused) {
  box_->SetCaption("<A HREF=\"http://example.invalid\">web</A> <A HREF=\"local\">here</A>");
  std::vector<std::string> opened;
  std::vector<HWND> owners;
  const fw::ServiceDouble<void(HWND, const std::string&)> shell(fw::ShellOpen, [&](HWND owner, const std::string& t) {
    owners.push_back(owner);
    opened.push_back(t);
  });
  std::vector<std::string> anchors;
  box_->OnAnchorClick = [&](fw::TObject*, const std::string& a) { anchors.push_back(a); };
  // Find the two anchors once focused.
  box_->SetFocus();
  ProcessMessages();
  int web = -1;
  int local = -1;
  for (int x = 17; x < 150; ++x) {
    const std::string a = box_->IsAnchor(x, 10);
    if (a == "http://example.invalid" && web < 0) web = x;
    if (a == "local" && local < 0) local = x;
  }
  ASSERT_GT(web, 0);
  ASSERT_GT(local, 0);
  other_->SetFocus();
  ProcessMessages();
  EXPECT_EQ(box_->IsAnchor(web + 1, 10), "http://example.invalid");  // hit-testing itself needs no focus

  PostClick(box_->Handle(), web + 1, 10);  // the first click only focuses (and toggles)
  EXPECT_TRUE(opened.empty());
  const bool checked = box_->Checked();
  PostClick(box_->Handle(), web + 1, 10);
  PostClick(box_->Handle(), local + 1, 10);
  EXPECT_EQ(opened, std::vector<std::string>{"http://example.invalid"});
  EXPECT_EQ(owners, std::vector<HWND>{nullptr});  // the shell opens it with no owner window
  EXPECT_EQ(anchors, std::vector<std::string>{"local"});
  EXPECT_EQ(box_->Checked(), checked);  // an anchor click toggles nothing
}

TEST_F(OfficeCheckBoxTest, SetCheckMessageAndTheGlyphOfEachState) {
  EXPECT_EQ(GlyphPixels(kTick), 0);
  SendMessageA(box_->Handle(), BM_SETCHECK, 2, 0);
  EXPECT_EQ(box_->State(), fw::cbGrayed);
  EXPECT_GT(GlyphPixels(kGrayedSquare), 10);
  SendMessageA(box_->Handle(), BM_SETCHECK, 1, 0);
  EXPECT_TRUE(box_->Checked());
  EXPECT_GT(GlyphPixels(kTick), 10);
  EXPECT_EQ(GlyphPixels(kGrayedSquare), 0);
}

TEST_F(OfficeCheckBoxTest, ThemedGlyphSmokeTest) {
  const auto active = ThemeLib.IsThemeActive;
  ThemeLib.IsThemeActive = []() -> BOOL { return TRUE; };
  box_->SetThemed(true);
  box_->SetChecked(true);
  testing::MemoryBitmap bitmap(150, 20);
  bitmap.Fill(fw::clFuchsia);
  box_->PaintTo(bitmap.DC(), 0, 0);
  ThemeLib.IsThemeActive = active;
  // Themed or, when the "button" class cannot be opened, from the bitmaps: a glyph is there.
  const RECT strip{0, 0, 16, 20};
  const auto face = static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace));
  EXPECT_LT(bitmap.Count(strip, fw::clFuchsia) + bitmap.Count(strip, face), 16 * 20);
}

// ---- radio buttons ----

class OfficeRadioButtonTest : public testing::StyledControlTest {
 protected:
  TVxOfficeRadioButton* Radio(int top, int group) {
    auto* radio = Make<TVxOfficeRadioButton>(fw::Rect(10, top, 150, top + 20));
    radio->SetGroupIndex(static_cast<std::uint8_t>(group));
    radio->OnClick = [this, radio](fw::TObject*) { log_.push_back(radio); };
    return radio;
  }
  std::vector<TVxOfficeRadioButton*> log_;
};

TEST_F(OfficeRadioButtonTest, CheckingOneUnchecksItsGroupAndKeepsOneTabStop) {
  TVxOfficeRadioButton* a = Radio(10, 0);
  TVxOfficeRadioButton* b = Radio(40, 0);
  TVxOfficeRadioButton* c = Radio(70, 1);
  c->SetChecked(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked());  // another group
  EXPECT_FALSE(a->TabStop());
  EXPECT_TRUE(b->TabStop());
  EXPECT_EQ(log_, (std::vector<TVxOfficeRadioButton*>{c, a, b}));
}

TEST_F(OfficeRadioButtonTest, TabbingInChecksAndClickingAnUnfocusedOneReportsOnce) {
  Form()->Show();
  auto* edit = Make<fw::TEdit>(fw::Rect(10, 100, 100, 120));
  TVxOfficeRadioButton* a = Radio(10, 0);
  TVxOfficeRadioButton* b = Radio(40, 0);
  a->SetTabStop(true);
  edit->SetFocus();
  ProcessMessages();
  a->SetFocus();  // focus arriving by the keyboard
  ProcessMessages();
  EXPECT_TRUE(a->Checked());
  EXPECT_EQ(log_, std::vector<TVxOfficeRadioButton*>{a});
  log_.clear();
  PostClick(b->Handle(), 5, 8);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(log_, std::vector<TVxOfficeRadioButton*>{b});
}

// ---- group box ----

class VxGroupBoxTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    box_ = Make<TVxGroupBox>(fw::Rect(10, 10, 210, 110));
    box_->Font()->SetName("DejaVu Sans");
    box_->SetCaption("Group");
    box_->HandleNeeded();
  }
  fw::TSize TextSize() {
    fw::WindowDC screen(nullptr);
    fw::SelectedObject font(screen.Get(), box_->Font()->Handle());
    RECT r{0, 0, 1000, 100};
    DrawTextA(screen.Get(), "Group", -1, &r, DT_CALCRECT | DT_SINGLELINE);
    return fw::TSize{r.right, r.bottom};
  }
  TVxGroupBox* box_ = nullptr;
};

TEST_F(VxGroupBoxTest, CaptionRectanglesByPositionAndCheckBox) {
  const fw::TSize text = TextSize();
  struct Case {
    TCaptionPosition position;
    int left;
    int top;
  };
  const Case cases[] = {
      {cpTopLeft, 8, 0},
      {cpTopRight, 200 - 8 - text.cx, 0},
      {cpTopCenter, (200 - text.cx) / 2, 0},
      {cpBottomLeft, 8, 100 - (text.cy + 2)},
      {cpBottomCenter, (200 - text.cx) / 2, 100 - (text.cy + 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    box_->SetCaptionPosition(c.position);
    fw::TRect check, textRect, caption;
    box_->GetCaptionRects(check, textRect, caption);
    EXPECT_EQ(caption, fw::Bounds(c.left, c.top, text.cx, text.cy + 2));
    EXPECT_EQ(check, fw::Rect(-1, -1, -1, -1));
  }
  box_->SetCaptionPosition(cpTopLeft);
  box_->CheckBox()->SetVisible(true);
  box_->CheckBox()->SetThemed(false);
  fw::TRect check, textRect, caption;
  box_->GetCaptionRects(check, textRect, caption);
  const int h = std::max(14, text.cy) + 2;
  EXPECT_EQ(caption, fw::Bounds(8, 0, 14 + 3 + text.cx, h));
  EXPECT_EQ(check, fw::Bounds(8, (h - 14) / 2, 14, 14));
  EXPECT_EQ(textRect.Left, 8 + 14 + 3);
  box_->CheckBox()->SetPosition(cpRight);
  box_->GetCaptionRects(check, textRect, caption);
  EXPECT_EQ(check.Right, caption.Right);
  EXPECT_EQ(textRect.Right, check.Left - 3);
}

TEST_F(VxGroupBoxTest, ChildrenSitInsideTheBorderAndBelowTheCaption) {
  const int captionHeight = TextSize().cy + 2;
  auto* child = Make<fw::TEdit>(fw::TRect{}, box_);
  child->SetAlign(fw::alClient);
  EXPECT_EQ(child->BoundsRect(), fw::Rect(2, captionHeight + 1, 198, 98));
  box_->SetCaptionPosition(cpBottomLeft);
  box_->SetBorderStyle(bsDouble);
  EXPECT_EQ(child->BoundsRect(), fw::Rect(3, 3, 197, 100 - captionHeight - 1));
}

TEST_F(VxGroupBoxTest, TheCaptionCheckBoxCyclesAndDrivesTheChildren) {
  auto* edit = Make<fw::TEdit>(fw::Rect(10, 30, 100, 50), box_);
  auto* office = Make<TVxOfficeCheckBox>(fw::Rect(10, 60, 100, 80), box_);
  int officeClicks = 0;
  office->OnClick = [&](fw::TObject*) { ++officeClicks; };
  int clicks = 0;
  box_->OnCheckBoxClick = [&](fw::TObject*) { ++clicks; };
  box_->CheckBox()->SetVisible(true);
  box_->CheckBox()->SetAllowGrayed(true);

  box_->ToggleCheck();
  EXPECT_EQ(box_->CheckBox()->State(), fw::cbGrayed);
  EXPECT_TRUE(edit->Enabled());  // grayed leaves the children alone
  box_->ToggleCheck();
  EXPECT_EQ(box_->CheckBox()->State(), fw::cbChecked);
  EXPECT_TRUE(edit->Enabled());
  box_->ToggleCheck();
  EXPECT_EQ(box_->CheckBox()->State(), fw::cbUnchecked);
  EXPECT_FALSE(edit->Enabled());
  EXPECT_FALSE(office->Enabled());
  EXPECT_EQ(clicks, 3);

  box_->CheckBox()->SetChecked(true);  // from code: reported and applied too
  EXPECT_EQ(clicks, 4);
  EXPECT_TRUE(edit->Enabled());

  box_->CheckBox()->SetAction(caCheckAll);
  box_->CheckBox()->SetChecked(false);
  box_->CheckBox()->SetChecked(true);
  EXPECT_TRUE(office->Checked());
  EXPECT_GT(officeClicks, 0);
}

TEST_F(VxGroupBoxTest, TheCheckBoxHasItsOwnHint) {
  box_->SetHint("box");
  box_->CheckBox()->SetVisible(true);
  box_->CheckBox()->SetHint("check");
  fw::TRect check, text, caption;
  box_->GetCaptionRects(check, text, caption);
  fw::THintInfo info;
  info.HintStr = "box";
  info.CursorPos = fw::Point(check.Left + 2, check.Top + 2);
  box_->Perform(fw::CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.HintStr, "check");
  info.HintStr = "box";
  info.CursorPos = fw::Point(text.Right - 2, text.Top + 2);
  box_->Perform(fw::CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.HintStr, "box");
}

TEST_F(VxGroupBoxTest, TheBorderDoesNotCrossTheCaption) {
  box_->SetTransparent(false);
  box_->SetBorderColor(0x00FF00);
  testing::MemoryBitmap bitmap(200, 100);
  box_->PaintTo(bitmap.DC(), 0, 0);
  const int half = box_->CaptionHeight() / 2;
  const fw::TSize text = TextSize();
  EXPECT_EQ(bitmap.Count(RECT{10, half, 8 + text.cx - 2, half + 1}, 0x00FF00), 0);
  EXPECT_EQ(bitmap.Count(RECT{8 + text.cx + 4, half, 190, half + 1}, 0x00FF00), 190 - (8 + text.cx + 4));
  EXPECT_EQ(bitmap.Pixel(0, 50), 0x00FF00);
}

// ---- radio group ----

class OfficeRadioGroupTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    group_ = Make<TVxOfficeRadioGroup>(fw::Rect(4, 2, 262, 40));
    group_->Font()->SetName("DejaVu Sans");
    group_->SetCaption("Aircraft Type");
    group_->HandleNeeded();
    group_->OnClick = [this](fw::TObject*) { indexes_.push_back(group_->ItemIndex()); };
  }
  TVxOfficeRadioGroup* group_ = nullptr;
  std::vector<int> indexes_;
};

TEST_F(OfficeRadioGroupTest, ItemIndexIsClampedAndReportedOnce) {
  group_->Items()->Add("ORVA 737QTX");
  group_->Items()->Add("ORVA 777");
  group_->Items()->Add("Third");
  group_->SetItemIndex(7);
  EXPECT_EQ(group_->ItemIndex(), 2);
  group_->SetItemIndex(2);
  group_->SetItemIndex(0);
  EXPECT_EQ(indexes_, (std::vector<int>{2, 0}));
  EXPECT_TRUE(group_->Buttons(0)->Checked());
  EXPECT_FALSE(group_->Buttons(2)->Checked());
  group_->SetItemIndex(-5);
  EXPECT_EQ(group_->ItemIndex(), -1);
  EXPECT_FALSE(group_->Buttons(0)->Checked());

  group_->SetItemIndex(2);
  group_->Items()->Delete(2);
  EXPECT_EQ(group_->ItemIndex(), 1);
  EXPECT_EQ(group_->ButtonCount(), 2);
  EXPECT_TRUE(group_->Buttons(1)->Checked());
}

TEST_F(OfficeRadioGroupTest, AStoredIndexIsCheckedAfterReadingWithoutAClick) {
  struct Case {
    int stored;
    int expected;
  };
  for (const Case c : {Case{1, 1}, Case{5, 1}, Case{-3, -1}}) {
    SCOPED_TRACE("stored " + std::to_string(c.stored));
    auto* group = Make<TVxOfficeRadioGroup>(fw::Rect(4, 50, 262, 88));
    group->HandleNeeded();
    int clicks = 0;
    group->OnClick = [&](fw::TObject*) { ++clicks; };
    fw::TReader reader(Form(), Form());
    reader.ReadComponent(group, [&] {
      group->Items()->Add("ORVA 737QTX");
      group->Items()->Add("ORVA 777");
      group->SetItemIndex(c.stored);
    });
    EXPECT_EQ(group->ItemIndex(), c.expected);
    ASSERT_EQ(group->ButtonCount(), 2);
    EXPECT_EQ(group->Buttons(1)->Checked(), c.expected == 1);
    EXPECT_EQ(clicks, 0);
  }
}

TEST_F(OfficeRadioGroupTest, ButtonsDoNotTakeTheGroupsHintSettingAndMoveOnce) {
  group_->SetShowHint(true);
  group_->Items()->Add("A");
  group_->Items()->Add("B");
  for (int i = 0; i < 2; ++i) EXPECT_FALSE(group_->Buttons(i)->ParentShowHint());

  // Each button window is moved by one positioning when the layout changes.
  static int moves = 0;
  static WNDPROC original = nullptr;
  HWND second = group_->Buttons(1)->Handle();
  original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(second, GWLP_WNDPROC));
  SetWindowLongPtrA(second, GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(+[](HWND window, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
                      if (msg == WM_WINDOWPOSCHANGED) ++moves;
                      return CallWindowProcA(original, window, msg, w, l);
                    }));
  moves = 0;
  group_->SetColumns(2);
  SetWindowLongPtrA(second, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(group_->Buttons(1)->Left(), 132);
}

TEST_F(OfficeRadioGroupTest, ButtonsAskWhetherTheyAreEnabled) {
  group_->OnIsEnabled = [](fw::TObject*, int index, bool& enabled) { enabled = enabled && index != 1; };
  for (const char* item : {"A", "B", "C"}) group_->Items()->Add(item);
  EXPECT_TRUE(group_->Buttons(0)->Enabled());
  EXPECT_FALSE(group_->Buttons(1)->Enabled());
  EXPECT_TRUE(group_->Buttons(2)->Enabled());
  group_->SetEnabled(false);
  group_->ArrangeButtons();
  EXPECT_FALSE(group_->Buttons(0)->Enabled());
}

TEST_F(OfficeRadioGroupTest, AUserClickSetsTheIndexBeforeOnClick) {
  Form()->Show();
  group_->Items()->Add("A");
  group_->Items()->Add("B");
  group_->SetColumns(2);
  group_->SetItemIndex(0);
  indexes_.clear();
  PostClick(group_->Buttons(1)->Handle(), 4, 4);
  EXPECT_EQ(group_->ItemIndex(), 1);
  EXPECT_EQ(indexes_, std::vector<int>{1});
}

TEST_F(OfficeRadioGroupTest, ButtonsAreLaidOutByColumnsBelowTheCaption) {
  group_->Items()->Add("ORVA 737QTX");
  group_->Items()->Add("ORVA 777");
  group_->SetColumns(2);
  TVxGroupButton* first = group_->Buttons(0);
  TVxGroupButton* second = group_->Buttons(1);
  EXPECT_EQ(first->Width(), 124);
  EXPECT_EQ(first->Left(), 8);
  EXPECT_EQ(second->Left(), 132);
  EXPECT_EQ(second->Top(), first->Top());
  EXPECT_TRUE(second->Visible());
  const int withCaption = first->Top();
  group_->SetCaption("");
  group_->ArrangeButtons();
  TEXTMETRICA metrics{};
  {
    fw::WindowDC screen(nullptr);
    fw::SelectedObject font(screen.Get(), group_->Font()->Handle());
    GetTextMetricsA(screen.Get(), &metrics);
  }
  EXPECT_EQ(first->Top(), withCaption - metrics.tmHeight / 2);
}

}  // namespace
}  // namespace ui
