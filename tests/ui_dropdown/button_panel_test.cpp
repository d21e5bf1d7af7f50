// The calculator keypad: its key table, the layout for a given client size, hit tests on the shared pixel
// lines, hot and pressed keys and clicks through mouse messages, disabled keys, and the painted faces.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "tests/ui_dropdown/dropdown_test_support.h"
#include "ui/dropdown/button_panel.h"

namespace ui {
namespace {

using testing::DropDownTest;
using testing::MemoryBitmap;

// Key indices of the calculator table.
constexpr int kOn = 0, kBack = 1, kCE = 2, kC = 3, kMC = 4, kMR = 5, kFour = 10, kSeven = 11, kEight = 12,
              kPlusMinus = 15, kEquals = 24;

class ButtonPanelTest : public DropDownTest {
 protected:
  // A keypad whose key area is 230 x 150 at (8, 8): keys 37 x 29.
  TCustomButtonPanel* MakePanel() {
    auto* panel = Make<TCustomButtonPanel>(fw::TRect{0, 0, 246, 166});
    panel->HandleNeeded();
    panel->CreateKeys();
    panel->OnKeyClick = [this](fw::TObject*, int index) { clicks.push_back(index); };
    return panel;
  }
  static fw::TPoint Centre(TCustomButtonPanel* panel, int index) {
    const fw::TRect r = panel->GetKeyRect(index);
    return fw::TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  static void Press(TCustomButtonPanel* panel, fw::TPoint p) {
    panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
  }
  static void Release(TCustomButtonPanel* panel, fw::TPoint p) {
    panel->Perform(WM_LBUTTONUP, 0, MAKELPARAM(p.X, p.Y));
  }
  static void Move(TCustomButtonPanel* panel, fw::TPoint p) { panel->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(p.X, p.Y)); }

  std::vector<int> clicks;
};

TEST_F(ButtonPanelTest, CreatesTheCalculatorKeysWithTagsNamesAndSpecialCaptions) {
  TCustomButtonPanel* panel = MakePanel();
  ASSERT_EQ(panel->Keys()->Count(), 28);
  struct Case {
    int index;
    const char* caption;
    const char* name;
    int tag;
    bool special;
  };
  const Case cases[] = {
      {kOn, "", "BTN_ON", 30, false},      {kBack, "Back", "BTN_BACK", 31, true}, {kMC, "MC", "BTN_MC", 33, true},
      {kSeven, "7", "BTN_7", 7, false},    {kPlusMinus, "+/-", "BTN_+/-", 14, false},
      {kEquals, "=", "BTN_=", 17, true},   {27, "sqrt", "BTN_sqrt", 37, true},   {25, "1/x", "BTN_1/x", 38, false},
  };
  for (const Case& c : cases) {
    TButtonItem* key = panel->Keys()->Items(c.index);
    EXPECT_EQ(key->Caption(), c.caption) << c.index;
    EXPECT_EQ(key->KeyName(), c.name) << c.index;
    EXPECT_EQ(key->Tag(), c.tag) << c.index;
    EXPECT_EQ(key->Special(), c.special) << c.index;
    EXPECT_EQ(key->CaptionColor(), c.special ? fw::TColor{0x80} : fw::clWhite) << c.index;
  }
  // Creating again keeps the keys; resetting makes them anew.
  panel->Keys()->Items(kSeven)->SetCaption("seven");
  panel->CreateKeys();
  EXPECT_EQ(panel->Keys()->Items(kSeven)->Caption(), "seven");
  panel->ResetKeys();
  EXPECT_EQ(panel->Keys()->Count(), 28);
  EXPECT_EQ(panel->Keys()->Items(kSeven)->Caption(), "7");
}

TEST_F(ButtonPanelTest, ArrangesTheKeyGridWithSharedLinesGroupGapsAndTheTopRow) {
  TCustomButtonPanel* panel = MakePanel();
  // w = (230 - 8) div 6 = 37, h = (150 - 4) div 5 = 29; columns 8, 49, 85, 121, 162, 198; rows 41, 69, 97, 125.
  struct Case {
    int index;
    fw::TRect rect;
  };
  const Case cases[] = {
      {kOn, {8, 8, 45, 37}},       {kBack, {49, 8, 108, 37}},     {kCE, {112, 8, 171, 37}},
      {kC, {175, 8, 235, 37}},     {kMC, {8, 41, 45, 70}},        {kMR, {8, 69, 45, 98}},
      {kSeven, {49, 41, 86, 70}},  {kEight, {85, 41, 122, 70}},   {kPlusMinus, {85, 125, 122, 154}},
      {16, {121, 125, 158, 154}},  {20, {162, 41, 199, 70}},      {27, {198, 41, 235, 70}},
      {kEquals, {198, 125, 235, 154}},
  };
  for (const Case& c : cases) EXPECT_EQ(panel->GetKeyRect(c.index), c.rect) << c.index;
  EXPECT_EQ(panel->GetKeyRect(28), (fw::TRect{-1, -1, -1, -1}));
  EXPECT_EQ(panel->GetKeyRect(-1), (fw::TRect{-1, -1, -1, -1}));

  // The layout follows a resize: a key area of 200 x 100 gives keys 32 x 19.
  panel->SetBounds(0, 0, 216, 116);
  EXPECT_EQ(panel->GetKeyRect(kMR), (fw::TRect{8, 8 + 19 + 4 + 18, 40, 8 + 19 + 4 + 18 + 19}));
}

TEST_F(ButtonPanelTest, KeyAtAnswersTheLowestIndexOnASharedLine) {
  TCustomButtonPanel* panel = MakePanel();
  struct Case {
    fw::TPoint p;
    int key;
  };
  const Case cases[] = {
      {{85, 50}, kSeven},  // the column line shared by 7 (11) and 8 (12)
      {{60, 69}, kFour},   // the row line shared by 7 (11) and 4 (10)
      {{86, 50}, kEight},  // 7's right edge is not its own
      {{47, 50}, -1},      // the gap between the memory column and the digits
      {{8, 8}, kOn},       {{234, 153}, kEquals}, {{235, 153}, -1}, {{3, 3}, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(panel->KeyAt(c.p.X, c.p.Y), c.key) << c.p.X << "," << c.p.Y;
}

TEST_F(ButtonPanelTest, ClicksOnlyForPressAndReleaseOnTheSameKey) {
  TCustomButtonPanel* panel = MakePanel();
  Press(panel, Centre(panel, kSeven));
  EXPECT_EQ(panel->DownIndex(), kSeven);
  Release(panel, Centre(panel, kEight));
  EXPECT_EQ(panel->DownIndex(), -1);
  EXPECT_TRUE(clicks.empty());

  Press(panel, Centre(panel, kEight));
  Release(panel, Centre(panel, kEight));
  // The empty top-left key is an ordinary key.
  Press(panel, Centre(panel, kOn));
  Release(panel, Centre(panel, kOn));
  // A right click counts as well; a press outside every key clicks nothing.
  panel->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(Centre(panel, kC).X, Centre(panel, kC).Y));
  panel->Perform(WM_RBUTTONUP, 0, MAKELPARAM(Centre(panel, kC).X, Centre(panel, kC).Y));
  Press(panel, fw::TPoint{2, 2});
  Release(panel, fw::TPoint{2, 2});
  EXPECT_EQ(clicks, (std::vector<int>{kEight, kOn, kC}));
}

TEST_F(ButtonPanelTest, HotKeyFollowsTheMouseAndClearsOnLeaving) {
  TCustomButtonPanel* panel = MakePanel();
  Move(panel, Centre(panel, kSeven));
  EXPECT_EQ(panel->HotIndex(), kSeven);
  Move(panel, Centre(panel, kEight));
  EXPECT_EQ(panel->HotIndex(), kEight);
  Move(panel, fw::TPoint{47, 50});
  EXPECT_EQ(panel->HotIndex(), -1);
  Move(panel, Centre(panel, kEight));
  panel->Perform(fw::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(panel));
  EXPECT_EQ(panel->HotIndex(), -1);
}

TEST_F(ButtonPanelTest, ADisabledKeyIsNeverHotOrPressedAndNeverClicks) {
  TCustomButtonPanel* panel = MakePanel();
  Move(panel, Centre(panel, kSeven));
  panel->Keys()->Items(kEight)->SetEnabled(false);
  // Moving onto the disabled key clears the hot key instead.
  Move(panel, Centre(panel, kEight));
  EXPECT_EQ(panel->HotIndex(), -1);
  Press(panel, Centre(panel, kEight));
  EXPECT_EQ(panel->DownIndex(), -1);
  Release(panel, Centre(panel, kEight));
  panel->SetHotIndex(kEight);
  panel->SetDownIndex(kEight);
  EXPECT_EQ(panel->HotIndex(), -1);
  EXPECT_EQ(panel->DownIndex(), -1);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonPanelTest, AssignCopiesTheKeyButNotItsRectangleOrSpecialFlag) {
  TCustomButtonPanel* panel = MakePanel();
  TButtonItem* source = panel->Keys()->Items(kEquals);
  source->SetEnabled(false);
  source->SetImageIndex(3);
  TButtonItem* target = panel->Keys()->Items(kSeven);
  target->Assign(source);
  EXPECT_EQ(target->Caption(), "=");
  EXPECT_EQ(target->KeyName(), "BTN_=");
  EXPECT_EQ(target->Tag(), 17);
  EXPECT_EQ(target->CaptionColor(), fw::TColor{0x80});
  EXPECT_EQ(target->ImageIndex(), 3);
  EXPECT_FALSE(target->Enabled());
  EXPECT_FALSE(target->Special());
  EXPECT_EQ(target->KeyRect(), (fw::TRect{49, 41, 86, 70}));
}

TEST_F(ButtonPanelTest, AppearanceSettersReportChangesExceptShineAndFont) {
  TCalcButtonAppearance look;
  int changes = 0;
  look.OnChange = [&](fw::TObject*) { ++changes; };
  look.SetColor(look.Color());
  look.SetShineColor(fw::clRed);
  look.SetFont(look.Font());
  EXPECT_EQ(changes, 0);
  look.SetColorHot(fw::clRed);
  look.SetSpecialTextColor(fw::clBlue);
  EXPECT_EQ(changes, 2);
  TCalcButtonAppearance copy;
  copy.Assign(&look);
  EXPECT_EQ(copy.ColorHot(), fw::clRed);
  EXPECT_EQ(copy.ShineColor(), fw::clRed);
  EXPECT_EQ(copy.SpecialTextColor(), fw::clBlue);
  EXPECT_TRUE(copy.Font()->Style().Contains(fw::fsBold));
  EXPECT_EQ(copy.Font()->Size(), 10);
}

// Painting: GDI+ under Wine differs from Windows by a few levels, so only solid parts are compared.
class ButtonPanelPaintTest : public ButtonPanelTest {
 protected:
  MemoryBitmap& Paint(TCustomButtonPanel* panel) {
    bitmap_.Fill(fw::clWhite);
    panel->PaintTo(bitmap_.DC(), 0, 0);
    return bitmap_;
  }
  static int Distance(fw::TColor a, fw::TColor b) {
    return std::abs(static_cast<int>(a & 0xFF) - static_cast<int>(b & 0xFF)) +
           std::abs(static_cast<int>((a >> 8) & 0xFF) - static_cast<int>((b >> 8) & 0xFF)) +
           std::abs(static_cast<int>((a >> 16) & 0xFF) - static_cast<int>((b >> 16) & 0xFF));
  }
  MemoryBitmap bitmap_{246, 166};
};

TEST_F(ButtonPanelPaintTest, KeyFacesTakeTheStateColoursAndTheHotGlowLiesOverTheNeighbour) {
  TCustomButtonPanel* panel = MakePanel();
  panel->SetColor(fw::clWhite);
  TCalcButtonAppearance* look = panel->KeyAppearance();
  look->SetColor(fw::clBlack);
  look->SetColorTo(fw::clBlack);
  look->SetColorHot(fw::clRed);
  look->SetColorHotTo(fw::clRed);
  look->SetGlowColorHot(fw::clWhite);
  // A point in 7's lower half, and one in the lower half of 8 (a later key) under 7's right glow (x 85-94).
  const fw::TPoint sevenFace{60, 63};
  const fw::TPoint eightNearSeven{88, 63};
  Paint(panel);
  EXPECT_LT(Distance(bitmap_.Pixel(sevenFace.X, sevenFace.Y), fw::clBlack), 12);
  const fw::TColor eightPlain = bitmap_.Pixel(eightNearSeven.X, eightNearSeven.Y);
  EXPECT_LT(Distance(eightPlain, fw::clBlack), 12);

  panel->SetHotIndex(kSeven);
  Paint(panel);
  EXPECT_LT(Distance(bitmap_.Pixel(sevenFace.X, sevenFace.Y), fw::clRed), 12);
  // The white glow, drawn after every other key, lightens 8's edge.
  EXPECT_GT(Distance(bitmap_.Pixel(eightNearSeven.X, eightNearSeven.Y), eightPlain), 30);
  // Outside a drop-down the panel frames its client area in black.
  EXPECT_LT(Distance(bitmap_.Pixel(0, 80), fw::clBlack), 12);
}

}  // namespace
}  // namespace ui
